// Subjects, courses (with the subjects taught in each) and groups.
#include "platform/text.h"
#include "xmlwriter/exportador.h"

void CExportadorXML::EscribirMaterias() {
    Escribir("\t<materias>\n");
    for (const DHMATE* m : OrdenadosPorNombre(m_pDatos->materias, false))
        EscribirMateria(*m);
    Escribir("\t</materias>\n");
}

void CExportadorXML::EscribirMateria(const DHMATE& materia) {
    if (materia.nombre[0] == '\0') return;
    Escribir("\t\t<materia>\n");
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(materia.nombre).c_str());
    if (materia.abreviatura[0] != '\0')
        Escribir("\t\t\t<abreviatura>%s</abreviatura>\n", EscaparXML(materia.abreviatura).c_str());
    if (materia.nombreCompleto[0] != '\0')
        Escribir("\t\t\t<nombreCompleto>%s</nombreCompleto>\n",
                 EscaparXML(materia.nombreCompleto).c_str());
    if (const auto dpto = NombreEnlace(m_pDatos->departamentos, materia.departamento, true))
        Escribir("\t\t\t<departamento>%s</departamento>\n", EscaparXML(*dpto).c_str());
    if (materia.claveDeExportacion[0] != '\0')
        Escribir("\t\t\t<claveDeExportacion>%s</claveDeExportacion>\n",
                 EscaparXML(materia.claveDeExportacion).c_str());
    if (materia.esTutoria == 1) Escribir("\t\t\t<esTutoria>true</esTutoria>\n");
    if (materia.esDePractica == 1) Escribir("\t\t\t<esDePractica>true</esDePractica>\n");
    Escribir("\t\t\t<plantilla>\n");
    EscribirPlantillaRecurso(materia.plantilla, 0);
    Escribir("\t\t\t</plantilla>\n");
    Escribir("\t\t</materia>\n");
}

void CExportadorXML::EscribirCursos() {
    const CDatos& d = *m_pDatos;
    // Pairs belong to a course by the identity of its list node.
    m_paresCurso.clear();
    for (const DHMATCUR& par : d.matCur)
        if (const auto* curso = d.Resolver(d.cursos, par.curso))
            m_paresCurso[curso].push_back(&par);
    Escribir("\t<cursos>\n");
    for (const auto* n = d.cursos.Cabeza(); n != nullptr; n = n->siguiente)
        if (n != d.cursos.Cabeza()) EscribirCurso(n->dato, n);
    Escribir("\t</cursos>\n");
    m_paresCurso.clear();
}

void CExportadorXML::EscribirCurso(const DHCURSO& curso, const MCList<DHCURSO>::Nodo* nodo) {
    if (curso.nombre[0] == '\0') return;
    Escribir("\t\t<curso>\n");
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(curso.nombre).c_str());
    if (curso.nombreCompleto[0] != '\0')
        Escribir("\t\t\t<nombreCompleto>%s</nombreCompleto>\n",
                 EscaparXML(curso.nombreCompleto).c_str());
    if (curso.claveDeExportacion[0] != '\0')
        Escribir("\t\t\t<claveDeExportacion>%s</claveDeExportacion>\n",
                 EscaparXML(curso.claveDeExportacion).c_str());
    EscribirMateriasDelCurso(nodo);
    Escribir("\t\t</curso>\n");
}

void CExportadorXML::EscribirMateriasDelCurso(const MCList<DHCURSO>::Nodo* curso) {
    const CDatos& d = *m_pDatos;
    Escribir("\t\t\t<materiasDelCurso>\n");
    static const std::vector<const DHMATCUR*> ninguno;
    const auto encontrado = m_paresCurso.find(curso);
    const auto& pares = encontrado != m_paresCurso.end() ? encontrado->second : ninguno;
    for (const DHMATCUR* par : pares) {
        const auto materia = NombreEnlace(d.materias, par->materia, false);
        if (!materia) continue;
        Escribir("\t\t\t\t<materia numSesiones=\"%s\">%s</materia>\n",
                 plataforma::FormatearReal(par->numSesiones, 2).c_str(),
                 EscaparXML(*materia).c_str());
    }
    Escribir("\t\t\t</materiasDelCurso>\n");
}

void CExportadorXML::EscribirGrupos() {
    Escribir("\t<grupos>\n");
    for (const DHGRUP* g : OrdenadosPorNombre(m_pDatos->grupos, false))
        EscribirGrupo(*g);
    Escribir("\t</grupos>\n");
}

void CExportadorXML::EscribirGrupo(const DHGRUP& grupo) {
    if (grupo.nombre[0] == '\0') return;
    const CDatos& d = *m_pDatos;
    const int f = MarcoValido(grupo.submarco);
    Escribir("\t\t<grupo submarco=\"%c\">\n", static_cast<char>('A' + f));
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(grupo.nombre).c_str());
    if (grupo.abreviatura[0] != '\0')
        Escribir("\t\t\t<abreviatura>%s</abreviatura>\n", EscaparXML(grupo.abreviatura).c_str());
    if (grupo.nombreCompleto[0] != '\0')
        Escribir("\t\t\t<nombreCompleto>%s</nombreCompleto>\n",
                 EscaparXML(grupo.nombreCompleto).c_str());
    if (const auto curso = NombreEnlace(d.cursos, grupo.cursoPerteneciente, true))
        Escribir("\t\t\t<cursoPerteneciente>%s</cursoPerteneciente>\n", EscaparXML(*curso).c_str());
    if (const auto tutor = NombreEnlace(d.profesores, grupo.profesorTutor, true))
        Escribir("\t\t\t<profesorTutor>%s</profesorTutor>\n", EscaparXML(*tutor).c_str());
    if (const auto aula = NombreEnlace(d.aulas, grupo.aula, true))
        Escribir("\t\t\t<aula>%s</aula>\n", EscaparXML(*aula).c_str());
    if (grupo.claveDeExportacion[0] != '\0')
        Escribir("\t\t\t<claveDeExportacion>%s</claveDeExportacion>\n",
                 EscaparXML(grupo.claveDeExportacion).c_str());
    if (grupo.numeroAlumnos != 0)
        Escribir("\t\t\t<numeroAlumnos>%d</numeroAlumnos>\n", grupo.numeroAlumnos);
    if (grupo.tardesLibres != 0)
        Escribir("\t\t\t<tardesLibres>%d</tardesLibres>\n", grupo.tardesLibres);
    if (grupo.noAdmiteHuecos != 0) Escribir("\t\t\t<noAdmiteHuecos>true</noAdmiteHuecos>\n");
    if (grupo.huecosEnNoPreferentes != 0)
        Escribir("\t\t\t<huecosEnNoPreferentes>true</huecosEnNoPreferentes>\n");
    Escribir("\t\t\t<plantilla>\n");
    EscribirPlantilla(grupo.plantilla, f, MAPA_DISPONIBLE, false);
    Escribir("\t\t\t</plantilla>\n");
    Escribir("\t\t</grupo>\n");
}
