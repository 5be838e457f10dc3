// Rooms, room sets, tasks and departments.
#include <algorithm>

#include "model/palabras.h"
#include "xmlwriter/exportador.h"

void CExportadorXML::EscribirAulas() {
    const CDatos& d = *m_pDatos;
    Escribir("\t<aulas>\n");
    for (const DHAULA* a : OrdenadosPorNombre(d.aulas, true))
        EscribirAula(*a);
    Escribir("\t</aulas>\n");
}

void CExportadorXML::EscribirAula(const DHAULA& aula) {
    if (aula.nombre[0] == '\0') return;
    Escribir("\t\t<aula>\n");
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(aula.nombre).c_str());
    if (aula.abreviatura[0] != '\0')
        Escribir("\t\t\t<abreviatura>%s</abreviatura>\n", EscaparXML(aula.abreviatura).c_str());
    if (aula.descripcion[0] != '\0')
        Escribir("\t\t\t<descripcion>%s</descripcion>\n", EscaparXML(aula.descripcion).c_str());
    Escribir("\t\t\t<dedicada>%s</dedicada>\n", Booleano(aula.dedicada == 1));
    if (aula.numeroAlumnos != 0)
        Escribir("\t\t\t<numeroAlumnos>%d</numeroAlumnos>\n", aula.numeroAlumnos);
    if (aula.claveDeExportacion[0] != '\0')
        Escribir("\t\t\t<claveDeExportacion>%s</claveDeExportacion>\n",
                 EscaparXML(aula.claveDeExportacion).c_str());
    Escribir("\t\t\t<plantilla>\n");
    EscribirPlantillaRecurso(aula.plantilla, 1);
    Escribir("\t\t\t</plantilla>\n");
    Escribir("\t\t</aula>\n");
}

void CExportadorXML::EscribirConjuntoDeAulas() {
    const CDatos& d = *m_pDatos;
    Escribir("\t<conjuntoDeAulas>\n");
    int posicion = 0;
    for (const DHTIPO& t : d.tipos) {
        if (posicion == 1)
            EscribirConjuntoGeneral(t);
        else if (posicion > 1)
            EscribirOtroConjunto(t);
        ++posicion;
    }
    Escribir("\t</conjuntoDeAulas>\n");
}

void CExportadorXML::EscribirConjuntoGeneral(const DHTIPO& conjunto) {
    const CDatos& d = *m_pDatos;
    // The configured size of the general set minus the real rooms: the rooms not yet declared.
    const int sinDeclarar = d.marcos.numAulasGeneral - d.aulas.Cuenta() + 1;
    Escribir("\t\t<general nombre=\"%s\" sinDeclarar=\"%d\">\n",
             EscaparXML(conjunto.nombre).c_str(), sinDeclarar);
    for (const auto* n = d.aulas.Cabeza(); n != nullptr; n = n->siguiente)
        if (n != d.aulas.Cabeza() && n->dato.dedicada == 0)
            Escribir("\t\t\t<aula>%s</aula>\n", EscaparXML(n->dato.nombre).c_str());
    Escribir("\t\t</general>\n");
}

void CExportadorXML::EscribirOtroConjunto(const DHTIPO& conjunto) {
    if (conjunto.numAulas == 0) return;
    Escribir("\t\t<otroConjunto nombre=\"%s\">\n", EscaparXML(conjunto.nombre).c_str());
    const int n = std::min<int>(conjunto.numAulas, static_cast<int>(std::size(conjunto.aulas)));
    for (int k = 0; k < n; ++k)
        if (const auto nombre = NombreEnlace(m_pDatos->aulas, conjunto.aulas[k], true))
            Escribir("\t\t\t<aula>%s</aula>\n", EscaparXML(*nombre).c_str());
    Escribir("\t\t</otroConjunto>\n");
}

void CExportadorXML::EscribirTareas() {
    const CDatos& d = *m_pDatos;
    Escribir("\t<tareas>\n");
    for (const DHTARE* t : OrdenadosPorNombre(d.tareas, false))
        EscribirTarea(*t);
    auto nombreTarea = [&](Ref r) {
        return EscaparXML(NombreEnlace(d.tareas, r, false).value_or(std::string_view()));
    };
    Escribir("\t\t<lectivaPorDefecto>%s</lectivaPorDefecto>\n",
             nombreTarea(d.marcos.lectivaPorDefecto).c_str());
    Escribir("\t\t<guardiaPorDefecto>%s</guardiaPorDefecto>\n",
             nombreTarea(d.marcos.guardiaPorDefecto).c_str());
    Escribir("\t\t<reunionPorDefecto>%s</reunionPorDefecto>\n",
             nombreTarea(d.marcos.reunionPorDefecto).c_str());
    Escribir("\t</tareas>\n");
}

void CExportadorXML::EscribirTarea(const DHTARE& tarea) {
    if (tarea.nombre[0] == '\0') return;
    Escribir("\t\t<tarea>\n");
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(tarea.nombre).c_str());
    if (tarea.nombreCompleto[0] != '\0')
        Escribir("\t\t\t<nombreCompleto>%s</nombreCompleto>\n",
                 EscaparXML(tarea.nombreCompleto).c_str());
    if (tarea.claveDeExportacion[0] != '\0')
        Escribir("\t\t\t<claveDeExportacion>%s</claveDeExportacion>\n",
                 EscaparXML(tarea.claveDeExportacion).c_str());
    Escribir("\t\t\t<plantilla>\n");
    EscribirPlantillaRecurso(tarea.plantilla, 0);
    Escribir("\t\t\t</plantilla>\n");
    Escribir("\t\t</tarea>\n");
}

void CExportadorXML::EscribirDepartamentos() {
    const CDatos& d = *m_pDatos;
    Escribir("\t<departamentos>\n");
    for (const auto* n = d.departamentos.Cabeza(); n != nullptr; n = n->siguiente)
        if (n != d.departamentos.Cabeza()) EscribirDepartamento(n->dato);
    Escribir("\t</departamentos>\n");
}

void CExportadorXML::EscribirDepartamento(const DHDEPT& departamento) {
    if (departamento.nombre[0] == '\0') return;
    Escribir("\t\t<departamento>\n");
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(departamento.nombre).c_str());
    if (departamento.nombreCompleto[0] != '\0')
        Escribir("\t\t\t<nombreCompleto>%s</nombreCompleto>\n",
                 EscaparXML(departamento.nombreCompleto).c_str());
    if (departamento.mensajeAlDepartamento[0] != '\0')
        Escribir("\t\t\t<mensajeAlDepartamento>%s</mensajeAlDepartamento>\n",
                 EscaparXML(departamento.mensajeAlDepartamento).c_str());
    if (departamento.claveDeExportacion[0] != '\0')
        Escribir("\t\t\t<claveDeExportacion>%s</claveDeExportacion>\n",
                 EscaparXML(departamento.claveDeExportacion).c_str());
    if (departamento.email[0] != '\0')
        Escribir("\t\t\t<email>%s</email>\n", EscaparXML(departamento.email).c_str());
    Escribir("\t\t</departamento>\n");
}
