#include <gtest/gtest.h>

#include <string>

#include "ayuda.h"
#include "xmlwriter/exportador.h"

namespace {

using prueba::Bloque;
using prueba::Exportar;
using prueba::FijarCelda;
using prueba::ModeloPreparado;

std::string Seccion(const std::string& doc, const std::string& nombre) {
    return Bloque(doc, "\t<" + nombre + ">", "\t</" + nombre + ">");
}

MCList<DHAULA>::Nodo* Aula(CDatos& d, const char* nombre, int dedicada, int alumnos = 0) {
    auto* a = d.aulas.AnadirAlFinal();
    CopiarTexto(a->dato.nombre, nombre);
    a->dato.dedicada = dedicada;
    a->dato.numeroAlumnos = static_cast<std::uint16_t>(alumnos);
    RellenarMapasEmpaquetados(a->dato.plantilla, MAPA_PREFERENTEMENTE_NO2);
    return a;
}

TEST(Aulas, SortedRoomsGeneralSetInListOrderAndOtherSets) {
    auto d = ModeloPreparado(0);
    auto* b12 = Aula(*d, "B12", 0);
    auto* a3 = Aula(*d, "a3", 1, 30);
    Aula(*d, "Aula 1", 2);
    FijarCelda(b12->dato.plantilla[0][0], 0, 0, MAPA_FIJADO);
    FijarCelda(b12->dato.plantilla[0][0], 0, 1, MAPA_DISPONIBLE);
    d->marcosHorario->FijarAulasGeneral(5);
    DHTIPO labs{};
    CopiarTexto(labs.nombre, "Labs");
    labs.numAulas = 2;
    labs.aulas[0] = d->Referencia<DHAULA>(b12);
    labs.aulas[1] = d->Referencia<DHAULA>(a3);
    d->tipos.AnadirAlFinal(labs);
    DHTIPO vacio{};
    CopiarTexto(vacio.nombre, "Vacio");
    d->tipos.AnadirAlFinal(vacio);
    // A count above the link array: only the 64 links there are read, null ones skipped.
    DHTIPO roto{};
    roto.numAulas = 200;
    roto.aulas[63] = d->Referencia<DHAULA>(a3);
    d->tipos.AnadirAlFinal(roto);

    std::string doc = Exportar(*d);
    EXPECT_EQ(Seccion(doc, "aulas"),
              "\t<aulas>\n"
              "\t\t<aula>\n\t\t\t<nombre>a3</nombre>\n\t\t\t<dedicada>true</dedicada>\n"
              "\t\t\t<numeroAlumnos>30</numeroAlumnos>\n\t\t\t<plantilla>\n\t\t\t</plantilla>\n"
              "\t\t</aula>\n"
              "\t\t<aula>\n\t\t\t<nombre>Aula 1</nombre>\n\t\t\t<dedicada>false</dedicada>\n"
              "\t\t\t<plantilla>\n\t\t\t</plantilla>\n\t\t</aula>\n"
              "\t\t<aula>\n\t\t\t<nombre>B12</nombre>\n\t\t\t<dedicada>false</dedicada>\n"
              "\t\t\t<plantilla>\n"
              "\t\t\t\t<tramo dia=\"0\" indice=\"0\" marco=\"A\">prohibido</tramo>\n"
              "\t\t\t\t<tramo dia=\"0\" indice=\"1\" marco=\"A\">prohibido</tramo>\n"
              "\t\t\t</plantilla>\n\t\t</aula>\n"
              "\t</aulas>\n");
    EXPECT_EQ(Seccion(doc, "conjuntoDeAulas"),
              "\t<conjuntoDeAulas>\n"
              "\t\t<general nombre=\"general\" sinDeclarar=\"2\">\n\t\t\t<aula>B12</aula>\n"
              "\t\t</general>\n"
              "\t\t<otroConjunto nombre=\"Labs\">\n\t\t\t<aula>B12</aula>\n"
              "\t\t\t<aula>a3</aula>\n\t\t</otroConjunto>\n"
              "\t\t<otroConjunto nombre=\"\">\n\t\t\t<aula>a3</aula>\n\t\t</otroConjunto>\n"
              "\t</conjuntoDeAulas>\n");
    d->marcosHorario->FijarAulasGeneral(0);
    EXPECT_NE(Exportar(*d).find("<general nombre=\"general\" sinDeclarar=\"-3\">"),
              std::string::npos);
}

TEST(Tareas, SortedTasksThenTheThreeDefaults) {
    auto d = ModeloPreparado(0);
    auto* ab = d->tareas.AnadirAlFinal();
    CopiarTexto(ab->dato.nombre, "AB");
    CopiarTexto(ab->dato.nombreCompleto, "Apoyo");
    RellenarMapasEmpaquetados(ab->dato.plantilla, MAPA_DISPONIBLE);
    FijarCelda(ab->dato.plantilla[0][0], 1, 1, MAPA_PREFERENTEMENTE_NO2);
    const std::string s = Seccion(Exportar(*d), "tareas");
    EXPECT_EQ(s.substr(0, s.find("\t\t<tarea>\n\t\t\t<nombre>G<")),
              "\t<tareas>\n\t\t<tarea>\n\t\t\t<nombre>AB</nombre>\n"
              "\t\t\t<nombreCompleto>Apoyo</nombreCompleto>\n\t\t\t<plantilla>\n"
              "\t\t\t\t<tramo dia=\"1\" indice=\"1\" marco=\"A\">preferentementeNo2</tramo>\n"
              "\t\t\t</plantilla>\n\t\t</tarea>\n");
    EXPECT_NE(s.find("<nombre>G</nombre>"), std::string::npos);
    EXPECT_LT(s.find("<nombre>G</nombre>"), s.find("<nombre>LEC</nombre>"));
    EXPECT_LT(s.find("<nombre>LEC</nombre>"), s.find("<nombre>RDP</nombre>"));
    EXPECT_NE(s.find("\t\t\t<nombreCompleto>Reuni\xF3n de departamento</nombreCompleto>\n"),
              std::string::npos);
    EXPECT_EQ(s.substr(s.find("\t\t<lectivaPorDefecto>")),
              "\t\t<lectivaPorDefecto>LEC</lectivaPorDefecto>\n"
              "\t\t<guardiaPorDefecto>G</guardiaPorDefecto>\n"
              "\t\t<reunionPorDefecto>RDP</reunionPorDefecto>\n\t</tareas>\n");
}

TEST(Materias, SubjectCourseAndGroupElements) {
    auto d = ModeloPreparado(0);
    d->marcos.numMarcos = 3;
    auto* len = d->materias.AnadirAlFinal();
    CopiarTexto(len->dato.nombre, "LEN");
    CopiarTexto(len->dato.nombreCompleto, "Lengua");
    CopiarTexto(len->dato.abreviatura, "Len");
    CopiarTexto(len->dato.claveDeExportacion, "LEN");
    len->dato.departamento = d->Referencia<DHDEPT>(d->departamentos.Cabeza());
    len->dato.esTutoria = 2;
    len->dato.esDePractica = 1;
    RellenarMapasEmpaquetados(len->dato.plantilla, MAPA_DISPONIBLE);
    auto* mat = d->materias.AnadirAlFinal();
    CopiarTexto(mat->dato.nombre, "MAT");
    RellenarMapasEmpaquetados(mat->dato.plantilla, MAPA_DISPONIBLE);
    auto* eso1 = d->cursos.AnadirAlFinal();
    CopiarTexto(eso1->dato.nombre, "1ESO");
    auto* eso2 = d->cursos.AnadirAlFinal();
    CopiarTexto(eso2->dato.nombre, "2ESO");
    d->AnadirMatCur(mat, eso1, 4.0f);
    d->AnadirMatCur(len, eso1, 2.5f);
    for (const char* nombre : {"b", "1A", "a"}) {
        auto* g = d->grupos.AnadirAlFinal();
        CopiarTexto(g->dato.nombre, nombre);
        for (auto& m : g->dato.plantilla)
            prueba::LlenarMapa(m, MAPA_DISPONIBLE);
    }
    DHGRUP& g1a = d->grupos.NodoEnIndice(1)->dato;
    g1a.submarco = 2;
    g1a.cursoPerteneciente = d->Referencia<DHCURSO>(eso1);
    g1a.profesorTutor = d->Referencia<DHPROF>(d->profesores.Cabeza());
    g1a.aula = d->Referencia<DHAULA>(d->aulas.Cabeza());
    g1a.numeroAlumnos = 25;
    FijarCelda(g1a.plantilla[0], 0, 0, 0);

    std::string doc = Exportar(*d);
    EXPECT_EQ(Bloque(doc, "\t\t<materia>", "\t\t</materia>"),
              "\t\t<materia>\n\t\t\t<nombre>LEN</nombre>\n\t\t\t<abreviatura>Len</abreviatura>\n"
              "\t\t\t<nombreCompleto>Lengua</nombreCompleto>\n"
              "\t\t\t<claveDeExportacion>LEN</claveDeExportacion>\n"
              "\t\t\t<esDePractica>true</esDePractica>\n\t\t\t<plantilla>\n\t\t\t</plantilla>\n"
              "\t\t</materia>\n");
    EXPECT_EQ(Seccion(doc, "cursos"),
              "\t<cursos>\n\t\t<curso>\n\t\t\t<nombre>1ESO</nombre>\n"
              "\t\t\t<materiasDelCurso>\n"
              "\t\t\t\t<materia numSesiones=\"2.50\">LEN</materia>\n"
              "\t\t\t\t<materia numSesiones=\"4.00\">MAT</materia>\n"
              "\t\t\t</materiasDelCurso>\n\t\t</curso>\n"
              "\t\t<curso>\n\t\t\t<nombre>2ESO</nombre>\n\t\t\t<materiasDelCurso>\n"
              "\t\t\t</materiasDelCurso>\n\t\t</curso>\n\t</cursos>\n");
    const std::string grupos = Seccion(doc, "grupos");
    EXPECT_EQ(Bloque(grupos, "\t\t<grupo submarco=\"C\">", "\t\t</grupo>"),
              "\t\t<grupo submarco=\"C\">\n\t\t\t<nombre>1A</nombre>\n"
              "\t\t\t<cursoPerteneciente>1ESO</cursoPerteneciente>\n"
              "\t\t\t<numeroAlumnos>25</numeroAlumnos>\n\t\t\t<plantilla>\n"
              "\t\t\t\t<tramo dia=\"0\" indice=\"0\" marco=\"C\">prohibido</tramo>\n"
              "\t\t\t</plantilla>\n\t\t</grupo>\n");
    EXPECT_LT(grupos.find("<nombre>1A<"), grupos.find("<nombre>a<"));
    EXPECT_LT(grupos.find("<nombre>a<"), grupos.find("<nombre>b<"));

    // A frame index outside the model's frames counts as frame A.
    d->marcos.numMarcos = 2;
    g1a.submarco = 5;
    doc = Exportar(*d);
    EXPECT_NE(doc.find("\t\t<grupo submarco=\"A\">\n\t\t\t<nombre>1A</nombre>\n"),
              std::string::npos);
    EXPECT_NE(doc.find("\t\t\t\t<tramo dia=\"0\" indice=\"0\" marco=\"A\">prohibido</tramo>\n"),
              std::string::npos);
}

MCList<DHPROF>::Nodo* Profesor(CDatos& d, const char* nombre) {
    auto* p = d.profesores.AnadirAlFinal();
    CopiarTexto(p->dato.nombre, nombre);
    p->dato.opciones = d.marcos.valorInicialProfesores;
    p->dato.departamento = CDatos::RefDeNodo<DHDEPT>(d.departamentos.Cabeza());
    RellenarMapasEmpaquetados(p->dato.plantilla, MAPA_DISPONIBLE);
    return p;
}

TEST(Profesores, SortedTeachersWithTheirElementsAndOptions) {
    auto d = ModeloPreparado(0);
    Profesor(*d, "B");
    auto* ana = Profesor(*d, "Ana");
    CopiarTexto(ana->dato.nombreCompleto, "Ana <Ruiz> & O'Neil");
    ana->dato.reduccionCargaLectiva = -2;
    ana->dato.daPracticas = 2;
    Profesor(*d, "a");
    const std::string doc = Exportar(*d);
    const std::string s = Seccion(doc, "profesores");
    EXPECT_LT(s.find("<nombre>a<"), s.find("<nombre>Ana<"));
    EXPECT_LT(s.find("<nombre>Ana<"), s.find("<nombre>B<"));
    // The options are the same lines as the default options of the otros section.
    const std::string opciones =
        Bloque(doc, "\t\t\t<valorInicialProfesores>", "\t\t\t</valorInicialProfesores>");
    const std::string lineas = opciones.substr(
        opciones.find('\n') + 1, opciones.rfind("\t\t\t</valorInicial") - opciones.find('\n') - 1);
    EXPECT_EQ(prueba::Lineas(lineas).size(), 43u);
    const std::string esperado =
        "\t\t<profesor>\n\t\t\t<nombre>Ana</nombre>\n"
        "\t\t\t<nombreCompleto>Ana Ruiz &amp; O&apos;Neil</nombreCompleto>\n"
        "\t\t\t<plantilla>\n\t\t\t</plantilla>\n\t\t\t<opciones>\n" +
        lineas +
        "\t\t\t</opciones>\n\t\t\t<reduccionCargaLectiva>-2</reduccionCargaLectiva>\n"
        "\t\t\t<prioridad>1</prioridad>\n\t\t</profesor>\n";
    EXPECT_NE(s.find(esperado), std::string::npos);
}

TEST(Profesores, OptionWordsNibblesAndIncompatibilities) {
    auto d = ModeloPreparado(0);
    OpcionesProfesor& o = Profesor(*d, "Ana")->dato.opciones;
    o.incompatibilidadesProhibidas = 0x09;
    o.nIntervalosSalirUltimaEntrarPrimera = 2;
    o.salirUltimaEntrarPrimera = 1;
    o.incompatibilidades = 0x08;
    o.periodoLibreJornadaPartida = 0x32;
    o.periodoLibreMananas = 0x41;
    o.tipoDePeriodo = 7;
    o.minimizarDiasOcupados = 1;
    o.valorMinimasHorasCalculado = 2;
    o.considerarMaximasHorasDiarias = 9;
    o.penalizarAlrededorGuardiaRecreo = 1;
    o.prioridad = 0;
    const std::string s = Seccion(Exportar(*d), "profesores");
    for (const char* linea :
         {"\t\t\t\t<maximasHorasSeguidas>5</maximasHorasSeguidas>\n"
          "\t\t\t\t<penalizarAlrededorGuardiaRecreo>true</penalizarAlrededorGuardiaRecreo>\n"
          "\t\t\t\t<periodosLibres>\n",
          "\t\t\t\t\t<tipoDePeriodo>\n\t\t\t\t\t</tipoDePeriodo>\n",
          "\t\t\t\t<periodoLibreJornadaPartida>\n\t\t\t\t\t<cantidad>2</cantidad>\n"
          "\t\t\t\t\t<preferentes>3</preferentes>\n",
          "\t\t\t\t\t\t<cantidad>1</cantidad>\n\t\t\t\t\t\t<preferentes>4</preferentes>\n"
          "\t\t\t\t\t\t<tipoDePeriodoLibre>ma\xF1"
          "anas</tipoDePeriodoLibre>\n",
          "\t\t\t\t\t<salirUltimaEntrarPrimera tipo=\"prohibici\xF3n\"  nIntervalos=\"2\">"
          "true</salirUltimaEntrarPrimera>\n",
          "\t\t\t\t\t<entrarPrimeraSalirUltimaTarde>true</entrarPrimeraSalirUltimaTarde>\n",
          "\t\t\t\t\t<entrarPrimeraSalirUltimaManana tipo=\"prohibici\xF3n\">false"
          "</entrarPrimeraSalirUltimaManana>\n",
          "\t\t\t\t<considerarMaximasHorasDiarias>nada</considerarMaximasHorasDiarias>\n",
          "\t\t\t\t<valorMinimasHorasCalculado>minimizarDiasOcupados"
          "</valorMinimasHorasCalculado>\n"})
        EXPECT_NE(s.find(linea), std::string::npos) << linea;
    EXPECT_EQ(s.find("<prioridad>"), std::string::npos);
    o.tipoDePeriodo = 2;
    o.intervalosLibres = 3;
    EXPECT_NE(Exportar(*d).find("\t\t\t\t\t<tipoDePeriodo>\n\t\t\t\t\t\t<losUltimosIntervalos>3"
                                "</losUltimosIntervalos>\n"),
              std::string::npos);
}

} // namespace
