// Element paths and attributes: frame ids, slot rows, attribute ranges, capacities and the
// per-element attribute state.
#include <gtest/gtest.h>

#include <algorithm>

#include "ayuda.h"
#include "tests/common/modelo_colocacion.h"

namespace {

using namespace prueba;

class Rutas : public ::testing::Test {
protected:
    Entorno entorno;
};

// A session of subject M with the given group element and further content.
std::string Sesion(int id, const std::string& dentro) {
    return "<sesion id=\"" + std::to_string(id) + "\"><materia>M</materia>" + dentro +
           "<distribucionSemanal><distribucionFija><numSesiones>1</numSesiones>"
           "</distribucionFija></distribucionSemanal></sesion>";
}

// Frames A and B (frame B's lessons start at 09:00), then `cuerpo`.
std::string DosMarcos(const std::string& cuerpo, const std::string& tercero = "") {
    std::string s = "<marcosDeHorario><marcoHorario id=\"A\" nombre=\"Manana\">";
    for (int d = 0; d < 5; ++d)
        s += Tramo("A", d, 0, "08:30:00", "09:20:00", "lectivo", "1") +
             Tramo("A", d, 1, "09:20:00", "10:10:00", "lectivo", "2");
    s += "</marcoHorario><marcoHorario id=\"B\" nombre=\"Tarde\" claveX=\"kB\">";
    for (int d = 0; d < 5; ++d)
        s += Tramo("B", d, 0, "09:00:00", "09:50:00", "lectivo", "B1");
    s += "</marcoHorario>" + tercero + "</marcosDeHorario>";
    return Documento(s + cuerpo);
}

std::string CeldaProfesor(const std::string& marco) {
    return "<profesores><profesor><nombre>P</nombre><plantilla><tramo dia=\"0\" indice=\"0\"" +
           marco + ">prohibido</tramo></plantilla></profesor></profesores>";
}

// The availability of the teacher built, (period 0, frame, Monday, row 0).
int CeldaLeida(const Lectura& l, int marco) {
    EXPECT_EQ(l.datos->profesores.Cuenta(), 2);
    return Celdas(En(l.datos->profesores, 1).plantilla[0][marco]).celdas[0][0];
}

TEST_F(Rutas, IdentificadoresDeMarco) {
    const std::string sinId = "<marcoHorario nombre=\"X\">" +
                              Tramo("A", 0, 0, "07:00:00", "07:50:00", "lectivo", "x") +
                              "</marcoHorario>";
    {
        const Lectura l = Leer(DosMarcos(CeldaProfesor(" marco=\"B\""), sinId));
        EXPECT_EQ(l.datos->marcos.numMarcos, 2);
        EXPECT_STREQ(l.datos->marcos.nombresMarco[1], "Tarde");
        EXPECT_STREQ(l.datos->marcos.clavesMarco[1], "kB");
        // The frame without id adds no slot to frame A.
        EXPECT_EQ(l.datos->marcos.bloques[0][0].numLectivos, 2);
        EXPECT_EQ(l.datos->marcos.bloques[0][0].horas[0].horaEntrada, 8);
        EXPECT_EQ(CeldaLeida(l, 1), MAPA_PROHIBIDO);
        EXPECT_EQ(CeldaLeida(l, 0), MAPA_DISPONIBLE);
    }
    for (const char* marco : {" marco=\"C\"", ""})
        EXPECT_EQ(CeldaLeida(Leer(DosMarcos(CeldaProfesor(marco))), 0), MAPA_PROHIBIDO) << marco;
    // An empty id names the first frame not registered, which has no slots.
    const Lectura vacio = Leer(DosMarcos(CeldaProfesor(" marco=\"\"")));
    for (int f = 0; f < NUM_MARCOS; ++f)
        EXPECT_EQ(CeldaLeida(vacio, f), MAPA_DISPONIBLE);
}

TEST_F(Rutas, UnQuintoMarcoSeIgnoraConSusTramos) {
    std::string s = "<marcosDeHorario>";
    for (const char* id : {"A", "B", "C", "D", "E"}) {
        s += std::string("<marcoHorario id=\"") + id + "\">";
        for (int i = 0; i < 3; ++i)
            s += Tramo(id, 0, i, "0" + std::to_string(i + 7) + ":00:00",
                       "0" + std::to_string(i + 7) + ":50:00", "lectivo", id);
        s += "</marcoHorario>";
    }
    const Lectura l = Leer(Documento(s + "</marcosDeHorario>"));
    EXPECT_EQ(l.datos->marcos.numMarcos, 4);
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(l.datos->marcos.bloques[f][0].numLectivos, 3) << f;
        EXPECT_EQ(l.datos->marcos.bloques[f][0].nombres[2][0], 'A' + f);
    }
}

std::string ConD1Horario(const std::string& tramos) {
    return Documento(MarcosBasicos() + "<horario>" + tramos + "</horario>");
}

TEST_F(Rutas, FilaDeUnTramoDelHorario) {
    const std::string aula = "<aula id=\"A1\"><sesion>0</sesion></aula>";
    Modelo m = ModeloDosSesiones();
    m->marcosHorario->FijarNumeroPeriodos(2);
    const Lectura colocada =
        Leer(ConD1Horario("<tramo dia=\"0\" indice=\"500\" marco=\"A\">" + aula + "</tramo>" +
                          "<tramo dia=\"-1\" indice=\"0\" marco=\"A\">" + aula + "</tramo>" +
                          "<tramo dia=\"0\" indice=\"-3\" marco=\"A\">" + aula + "</tramo>" +
                          "<tramo dia=\"0\" indice=\"3\" marco=\"A\">" + aula + "</tramo>" +
                          "<tramo dia=\"7\" indice=\"2\" marco=\"A\">" + aula + "</tramo>"),
             std::move(m.datos));
    // Only the last names a slot: day 7 is Wednesday of week 1, slot row 1.
    EXPECT_NE(colocada.datos->colocacion.EntradaEnCelda(1, 0, 2, 1, 0), nullptr);
    EXPECT_EQ(CeldasOcupadas(*colocada.datos), 1);

    // A duty in recesses looks again past the lesson slots, never past the table: here the
    // last index of the last frame on Saturday.
    std::string marcos = "<marcosDeHorario>";
    for (const char* id : {"A", "B", "C", "D"})
        marcos += std::string("<marcoHorario id=\"") + id + "\">" +
                  Tramo(id, 0, 0, "08:00:00", "09:00:00", "lectivo", "1") +
                  Tramo(id, 0, 1, "09:00:00", "09:20:00", "recreo", "R") +
                  Tramo(id, 5, 499, "08:00:00", "09:00:00", "lectivo", "1") + "</marcoHorario>";
    const Lectura l = Leer(
        Documento(marcos + "</marcosDeHorario><guardias><guardia subMarco=\"D\"><nombre>G</nombre>"
                           "<enRecreos>true</enRecreos><plantilla>"
                           "<tramo dia=\"0\" indice=\"1\" marco=\"D\">prohibido</tramo>"
                           "<tramo dia=\"5\" indice=\"499\" marco=\"D\">fijado</tramo>"
                           "</plantilla></guardia></guardias>"));
    EXPECT_EQ(l.datos->marcos.sabado, 1);
    const MapaDisponibilidad g = Celdas(En(l.datos->guardias, 0).plantilla[0]);
    EXPECT_EQ(g.celdas[0][0], MAPA_PROHIBIDO); // recess 0 of Monday
    for (int d = 1; d < NUM_DIAS; ++d)
        for (int i = 0; i < NUM_INTERVALOS; ++i)
            EXPECT_EQ(g.celdas[d][i], MAPA_PREFERENTEMENTE_NO2);
}

TEST_F(Rutas, ValoresDeAtributos) {
    const std::string doc = Documento(
        MarcosBasicos() + "<aulas>" +
        [] {
            std::string s;
            for (int i = 0; i < 10; ++i)
                s += "<aula><nombre>A" + std::to_string(i) + "</nombre></aula>";
            return s;
        }() +
        "</aulas><conjuntoDeAulas><general nombre=\"g\" sinDeclarar=\"300\"/></conjuntoDeAulas>" +
        "<tareas><tarea><nombre>X</nombre></tarea><tarea><nombre>T2</nombre></tarea></tareas>"
        "<materias><materia><nombre>M</nombre></materia></materias><grupos><grupo><nombre>1A"
        "</nombre></grupo><grupo><nombre>1B</nombre></grupo><grupo><nombre>1C</nombre></grupo>"
        "</grupos><sesionesLectivas>" +
        Sesion(1, "<grupo numeroAlumnos=\"25\">"
                  "1A</grupo><otrosGrupos><grupo numeroAlumnos=\"1000\">1B</grupo><grupo "
                  "numeroAlumnos=\"7\" tarea=\" T2 \">1C</grupo></otrosGrupos><grupoMateria "
                  "modificado=\"true\" tipo=\" Pq\">M/1A</grupoMateria>") +
        Sesion(2, "<grupo>1A</grupo>") + Sesion(3, "<grupo>1A</grupo>") +
        "</sesionesLectivas><optativas><optativa><nombre>O</nombre><grupo>1A</"
        "grupo><asignaturasOptativas>"
        "<asignaturaOptativa solapable=\"True\">1</asignaturaOptativa><asignaturaOptativa "
        "solapable=\"true\">2</asignaturaOptativa><asignaturaOptativa>3</asignaturaOptativa>"
        "</asignaturasOptativas></optativa></optativas>"
        "<profesores><profesor><nombre>P</nombre><opciones><intervalosDePermanenciaDiarios "
        "estricto=\"True\">9</intervalosDePermanenciaDiarios><intervalosDePermanenciaDiarios "
        "estricto=\"true\">40</intervalosDePermanenciaDiarios><intervalosDePermanenciaDiarios>"
        "20</intervalosDePermanenciaDiarios></opciones></profesor></profesores>");
    const Lectura l = Leer(doc);
    EXPECT_EQ(l.datos->marcos.numAulasGeneral, 250);
    // Pupils from the attributes within 1..999; a companion's task from its attribute.
    const CDatos& d = *l.datos;
    ASSERT_EQ(d.sesiones.Cuenta(), 5);
    EXPECT_EQ(En(d.sesiones, 0).numeroAlumnos, 25);
    EXPECT_EQ(En(d.sesiones, 0).tipoGrupoMateria, 'P');
    EXPECT_STREQ(En(d.sesiones, 0).grupoMateria, "M/1A");
    EXPECT_EQ(En(d.sesiones, 1).grupo, 1u);
    EXPECT_EQ(En(d.sesiones, 1).numeroAlumnos, 25);
    EXPECT_EQ(En(d.sesiones, 1).tarea, 0u);
    EXPECT_EQ(En(d.sesiones, 2).grupo, 2u);
    EXPECT_EQ(En(d.sesiones, 2).numeroAlumnos, 7);
    EXPECT_EQ(En(d.sesiones, 2).tarea, 1u);
    // `solapable` is set by the word "true" only.
    const DHOPTATIVAS& o = En(d.optativas, 0);
    ASSERT_EQ(o.numSesiones, 3);
    EXPECT_EQ(std::vector<Ref>(o.sesiones, o.sesiones + 3), (std::vector<Ref>{0, 3, 4}));
    EXPECT_EQ(std::vector<int>(o.solapable, o.solapable + 3), (std::vector<int>{0, 1, 0}));
    // `estricto` other than "true", or absent, gives the preferred value.
    const OpcionesProfesor& p = En(l.datos->profesores, 1).opciones;
    EXPECT_EQ(p.permanenciaDiariaEstricta, 40);
    EXPECT_EQ(p.permanenciaDiaria, 20);

    // A negative count of undeclared rooms leaves the room rows at 0, not wrapped.
    const Lectura menos = Leer(Documento("<conjuntoDeAulas><general sinDeclarar=\"-5\"/>"
                                         "<otroConjunto nombre=\" C1 \"><aula>A0</aula>"
                                         "</otroConjunto></conjuntoDeAulas>"));
    EXPECT_EQ(menos.datos->marcos.numAulasGeneral, 0);
    EXPECT_EQ(Nombres(menos.datos->tipos), (std::vector<std::string>{"< no >", "<general>", "C1"}));
}

TEST_F(Rutas, CapacidadesDeLasListas) {
    std::string aulas, otrasAulas, materias, delCurso;
    for (int i = 1; i <= 65; ++i) {
        aulas += "<aula><nombre>R" + std::to_string(i) + "</nombre></aula>";
        otrasAulas += "<otraAula origenAula=\"" + std::to_string(i) + "\"><aula>R" +
                      std::to_string(i) + "</aula></otraAula>";
    }
    for (int i = 1; i <= 513; ++i) {
        materias += "<materia><nombre>M" + std::to_string(i) + "</nombre></materia>";
        delCurso += "<materia numSesiones=\"" + std::to_string(i) + ".5\">M" + std::to_string(i) +
                    "</materia>";
    }
    const Lectura l = Leer(Documento(
        "<aulas>" + aulas +
        "</aulas><materias><materia><nombre>M</nombre>"
        "</materia>" +
        materias +
        "</materias><grupos><grupo><nombre>G</nombre>"
        "</grupo></grupos><sesionesLectivas><sesion id=\"0\"><materia>M</materia><grupo>G</grupo>"
        "<distribucionSemanal><distribucionFija><numSesiones>1</numSesiones>"
        "</distribucionFija></distribucionSemanal><otrasAulas>" +
        otrasAulas +
        "</otrasAulas></sesion></sesionesLectivas><cursos><curso><nombre>C"
        "</nombre><materiasDelCurso>" +
        delCurso + "</materiasDelCurso></curso></cursos>"));
    // 64 further rooms: the 65th's texts go to the 64th (R65 in place of R64, numbered 64).
    const CDatos& d = *l.datos;
    ASSERT_EQ(d.sesiones.Cuenta(), 65);
    std::vector<Ref> salas;
    std::vector<int> origen;
    for (const DHSESI& s : d.sesiones)
        if (s.aulaAdicional != 0) {
            salas.push_back(s.aula);
            origen.push_back(s.origenAula);
        }
    ASSERT_EQ(salas.size(), 64u);
    EXPECT_EQ(std::count(salas.begin(), salas.end(), 64u), 0);
    EXPECT_EQ(std::count(salas.begin(), salas.end(), 65u), 1);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(origen[static_cast<std::size_t>(i)], i + 1);
    // A course keeps its first 512 subjects.
    ASSERT_EQ(d.matCur.Cuenta(), 512);
    EXPECT_EQ(En(d.matCur, 511).materia, 512u);
}

TEST_F(Rutas, CadaIncompatibilidadLeeSusPropiosAtributos) {
    const Lectura l = Leer(
        Documento("<profesores><profesor><nombre>P</nombre><opciones>"
                  "<incompatibilidadEntreSesiones>"
                  "<salirUltimaEntrarPrimera tipo=\"prohibici\xF3n\" nIntervalos=\"2\">true"
                  "</salirUltimaEntrarPrimera>"
                  "<entrarPrimeraSalirUltima nIntervalos=\"1\">false</entrarPrimeraSalirUltima>"
                  "<entrarPrimeraSalirTarde tipo=\"otro\">true</entrarPrimeraSalirTarde>"
                  "<menosDeDosIntervalosLibres tipo=\"prohibici\xF3n\">false"
                  "</menosDeDosIntervalosLibres>"
                  "</incompatibilidadEntreSesiones></opciones></profesor></profesores>"));
    const OpcionesProfesor& o = En(l.datos->profesores, 1).opciones;
    EXPECT_EQ(o.incompatibilidadesProhibidas, 0x81);
    EXPECT_EQ(o.salirUltimaEntrarPrimera, 1);
    EXPECT_EQ(o.nIntervalosSalirUltimaEntrarPrimera, 2);
    EXPECT_EQ(o.nIntervalosEntrarPrimeraSalirUltima, 1);
    EXPECT_EQ(o.incompatibilidades, INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_TARDE);
}

TEST_F(Rutas, ElMarcoDeLasCantidadesPorTramoEsElDeLaGuardia) {
    const Lectura l = Leer(DosMarcos(
        "<guardias><guardia subMarco=\"B\"><nombre>G</nombre><plantilla><tramo dia=\"0\" "
        "indice=\"0\" marco=\"B\">prohibido</tramo></plantilla><profesoresACadaHora><cantidad>3"
        "</cantidad><porTramo><cantidadTramo dia=\"1\" indice=\"0\">5</cantidadTramo>"
        "<cantidadTramo dia=\"1\" indice=\"1\">6</cantidadTramo></porTramo>"
        "</profesoresACadaHora></guardia></guardias>"));
    const DHGUAR& g = En(l.datos->guardias, 0);
    EXPECT_EQ(g.subMarco, 1);
    EXPECT_EQ(g.porTramo, 1);
    EXPECT_EQ(g.cantidadTramo[1][0], 5);
    EXPECT_EQ(g.cantidadTramo[1][1], 3); // frame B has no second slot
    EXPECT_EQ(Celdas(g.plantilla[0]).celdas[0][0], MAPA_PROHIBIDO);
}

} // namespace
