// Record builders, whole documents in: every record kind in order with its references, names
// already read, references that name nothing, capacities, and the rules of single builders.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "ayuda.h"

namespace {

using namespace prueba;
using Nombres_ = std::vector<std::string>;

class Constructores : public ::testing::Test {
protected:
    Entorno entorno;
};

int Celda(const MapaEmpaquetado& mapa, int dia, int fila) {
    return Celdas(mapa).celdas[dia][fila];
}

// Every cell of the map holds `valor`, but (dia, fila).
bool TodasSalvo(const MapaEmpaquetado& mapa, int valor, int dia = -1, int fila = -1) {
    const MapaDisponibilidad m = Celdas(mapa);
    for (int d = 0; d < NUM_DIAS; ++d)
        for (int i = 0; i < NUM_INTERVALOS; ++i)
            if ((d != dia || i != fila) && m.celdas[d][i] != valor) return false;
    return true;
}

TEST_F(Constructores, CadaClaseDeRegistroEnOrdenConSusReferencias) {
    const Lectura l = Leer(LeerFixture("todos_los_registros.xml"));
    ASSERT_EQ(l.estado, 0u);
    const CDatos& d = *l.datos;

    EXPECT_EQ(Nombres(d.aulas), (Nombres_{"<cualquiera>", "A1", "A2"}));
    const DHAULA& a1 = En(d.aulas, 1);
    EXPECT_STREQ(a1.abreviatura, "a1");
    EXPECT_STREQ(a1.descripcion, "Aula uno");
    EXPECT_STREQ(a1.claveDeExportacion, "AU1");
    EXPECT_EQ(a1.dedicada, 1);
    EXPECT_EQ(a1.numeroAlumnos, 30);
    EXPECT_EQ(a1.ocupaDiaCompleto, 1);
    EXPECT_EQ(Celda(a1.plantilla[0][0], 0, 1), MAPA_PROHIBIDO);
    EXPECT_TRUE(TodasSalvo(a1.plantilla[0][0], MAPA_PREFERENTEMENTE_NO2, 0, 1));
    EXPECT_EQ(d.marcos.numAulasGeneral, 2);

    EXPECT_EQ(Nombres(d.tipos), (Nombres_{"< no >", "<general>", "Labs"}));
    const DHTIPO& labs = En(d.tipos, 2);
    ASSERT_EQ(labs.numAulas, 2); // "Nadie" is no room
    EXPECT_EQ(labs.aulas[0], 2u);
    EXPECT_EQ(labs.aulas[1], 1u);

    EXPECT_EQ(Nombres(d.tareas), (Nombres_{"LEC", "G", "TUT", "RDP"}));
    EXPECT_STREQ(En(d.tareas, 0).nombreCompleto, "Docencia");
    EXPECT_STREQ(En(d.tareas, 2).claveDeExportacion, "T9");
    EXPECT_EQ(Celda(En(d.tareas, 2).plantilla[0][0], 0, 0), MAPA_PROHIBIDO);
    EXPECT_EQ(d.marcos.lectivaPorDefecto, 0u);
    EXPECT_EQ(d.marcos.guardiaPorDefecto, 1u);
    EXPECT_EQ(d.marcos.reunionPorDefecto, 3u);

    EXPECT_EQ(Nombres(d.departamentos), (Nombres_{"<ninguno>", "Ciencias", "Letras"}));
    const DHDEPT& ciencias = En(d.departamentos, 1);
    EXPECT_STREQ(ciencias.nombreCompleto, "Departamento de Ciencias");
    EXPECT_STREQ(ciencias.mensajeAlDepartamento, "Hola");
    EXPECT_STREQ(ciencias.claveDeExportacion, "DC");
    EXPECT_STREQ(ciencias.email, "c@x");

    EXPECT_EQ(Nombres(d.profesores), (Nombres_{"       __     ", "Ana", "Luis"}));
    const DHPROF& ana = En(d.profesores, 1);
    EXPECT_STREQ(ana.nombreCompleto, "Ana Ruiz");
    EXPECT_STREQ(ana.abreviatura, "AR");
    EXPECT_STREQ(ana.claveDeExportacion, "P1");
    EXPECT_STREQ(ana.email, "ana@x");
    EXPECT_STREQ(ana.horarioAsoc, "H1");
    EXPECT_STREQ(ana.tomaDePosesion, "2019-09-01");
    EXPECT_STREQ(ana.mensaje, "Nota");
    EXPECT_EQ(ana.daPracticas, 1);
    EXPECT_EQ(ana.reduccionCargaLectiva, 3);
    EXPECT_EQ(ana.opciones.prioridad, 7);
    EXPECT_EQ(Celda(ana.plantilla[0][0], 1, 0), MAPA_PROHIBIDO);
    // A teacher's department is its node, the placeholder's when there is none.
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(ana.departamento), d.departamentos.NodoEnIndice(2));
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(En(d.profesores, 2).departamento), d.departamentos.Cabeza());

    EXPECT_EQ(Nombres(d.materias), (Nombres_{"MAT", "TUTORIA"}));
    const DHMATE& mat = En(d.materias, 0);
    EXPECT_STREQ(mat.nombreCompleto, "Matematicas");
    EXPECT_STREQ(mat.abreviatura, "Ma");
    EXPECT_EQ(mat.departamento, 1u);
    EXPECT_EQ(mat.esDePractica, 1);
    EXPECT_EQ(En(d.materias, 1).esTutoria, 1);
    EXPECT_EQ(En(d.materias, 1).departamento, 0u);

    EXPECT_EQ(Nombres(d.cursos), (Nombres_{"       __     ", "1ESO"}));
    EXPECT_STREQ(En(d.cursos, 1).nombreCompleto, "Primero");
    ASSERT_EQ(d.matCur.Cuenta(), 2);
    EXPECT_EQ(En(d.matCur, 0).materia, 0u);
    EXPECT_EQ(En(d.matCur, 0).curso, 1u);
    EXPECT_EQ(En(d.matCur, 0).numSesiones, 4.0f);
    EXPECT_EQ(En(d.matCur, 1).materia, 1u);
    EXPECT_EQ(En(d.matCur, 1).numSesiones, 1.0f);

    EXPECT_EQ(Nombres(d.grupos), (Nombres_{"1A", "1B"}));
    const DHGRUP& g = En(d.grupos, 0);
    EXPECT_STREQ(g.abreviatura, "1a");
    EXPECT_STREQ(g.nombreCompleto, "Primero A");
    EXPECT_STREQ(g.claveDeExportacion, "G1");
    EXPECT_EQ(g.cursoPerteneciente, 1u);
    EXPECT_EQ(g.profesorTutor, 2u);
    EXPECT_EQ(g.aula, 2u);
    EXPECT_EQ(g.submarco, 0);
    EXPECT_EQ(g.tardesLibres, 2);
    EXPECT_EQ(g.numeroAlumnos, 25);
    EXPECT_EQ(g.noAdmiteHuecos, 1);
    EXPECT_EQ(g.huecosEnNoPreferentes, 1);
    EXPECT_EQ(Celda(g.plantilla[0], 2, 1), MAPA_PROHIBIDO);
    EXPECT_TRUE(TodasSalvo(g.plantilla[0], MAPA_DISPONIBLE, 2, 1));

    EXPECT_EQ(Nombres(d.reuniones), (Nombres_{"Claustro", "Equipo"}));
    const DHREUN& claustro = En(d.reuniones, 0);
    EXPECT_EQ(claustro.numeroDeReuniones, 0x82);
    EXPECT_EQ(claustro.tipoDeTarea, 2u);
    EXPECT_EQ(claustro.lectiva, 1);
    ASSERT_EQ(claustro.numIntegrantes, 2);
    EXPECT_EQ(claustro.integrantes[0], 2u);
    EXPECT_EQ(claustro.integrantes[1], 1u);
    EXPECT_EQ(En(d.reuniones, 1).tipoDeTarea, 3u); // the default meeting task

    ASSERT_EQ(d.guardias.Cuenta(), 1);
    const DHGUAR& pasillo = En(d.guardias, 0);
    EXPECT_STREQ(pasillo.nombre, "Pasillo");
    EXPECT_EQ(pasillo.tipoDeTarea, 1u);
    EXPECT_EQ(pasillo.cantidad, 2);
    EXPECT_EQ(pasillo.lectiva, 1);
    EXPECT_EQ(pasillo.enRecreos, 0);
    ASSERT_EQ(pasillo.numIntegrantes, 2);
    EXPECT_EQ(pasillo.integrantes[0], 2u);
    EXPECT_EQ(pasillo.integrantes[1], 1u);
    EXPECT_EQ(pasillo.numeroDeGuardias[0], 3);
    EXPECT_EQ(pasillo.numeroDeGuardias[1], 1);
    EXPECT_TRUE(TodasSalvo(pasillo.mapasIntegrantes[0][0], MAPA_PREFERENTEMENTE_NO2));
    EXPECT_EQ(Celda(pasillo.mapasIntegrantes[0][1], 0, 0), MAPA_PROHIBIDO);
    EXPECT_TRUE(TodasSalvo(pasillo.mapasIntegrantes[0][2], MAPA_PREFERENTEMENTE_NO2));

    ASSERT_EQ(d.complementarias.Cuenta(), 1);
    const DHCOMP& c = En(d.complementarias, 0);
    EXPECT_EQ(c.tarea, 2u);
    EXPECT_EQ(c.profesor, 2u);
    EXPECT_EQ(c.intervalosSemanales, 3);
    EXPECT_EQ(c.maxIntervalosDiarios, 2);
    EXPECT_EQ(c.noConsecutivos, 1);
    EXPECT_EQ(c.lectiva, 1);

    ASSERT_EQ(d.gruposAlejados.Cuenta(), 2);
    EXPECT_EQ(En(d.gruposAlejados, 0), 1u);
    EXPECT_EQ(En(d.gruposAlejados, 1), 0u);
}

TEST_F(Constructores, ElPrimerRegistroDeUnNombreGana) {
    const Lectura l = Leer(Documento(
        MarcosBasicos() +
        "<aulas><aula><nombre>A1</nombre><claveDeExportacion>k1</claveDeExportacion></aula>"
        "<aula><nombre>a1</nombre><claveDeExportacion>k2</claveDeExportacion></aula></aulas>"
        "<tareas><tarea><nombre>T</nombre></tarea><tarea><nombre>t</nombre></tarea></tareas>"
        "<departamentos><departamento><nombre>&lt;NINGUNO&gt;</nombre><email>x</email>"
        "</departamento></departamentos>"
        "<profesores><profesor><nombre>Ana</nombre><claveDeExportacion>P1</claveDeExportacion>"
        "</profesor><profesor><nombre>ANA</nombre><claveDeExportacion>P9</claveDeExportacion>"
        "</profesor><profesor><nombre>\xE1na</nombre></profesor>"
        "<profesor><nombre>Mu\xF1oz</nombre></profesor><profesor><nombre>Munoz</nombre></profesor>"
        "<profesor><nombre>co-op</nombre></profesor><profesor><nombre>coop</nombre></profesor>"
        "</profesores>"
        "<materias><materia><nombre>M</nombre></materia><materia><nombre>m</nombre></materia>"
        "</materias>"
        "<cursos><curso><nombre>C</nombre><materiasDelCurso><materia numSesiones=\"3\">M"
        "</materia><materia numSesiones=\"9\">M</materia></materiasDelCurso></curso>"
        "<curso><nombre>c</nombre><claveDeExportacion>otro</claveDeExportacion>"
        "<materiasDelCurso><materia numSesiones=\"5\">M</materia></materiasDelCurso></curso>"
        "</cursos>"
        "<grupos><grupo><nombre>G</nombre><numeroAlumnos>20</numeroAlumnos></grupo>"
        "<grupo><nombre>g</nombre><numeroAlumnos>30</numeroAlumnos></grupo></grupos>"
        "<reuniones><reunion><nombre>R</nombre><integrantes><integrante>Ana</integrante>"
        "</integrantes></reunion><reunion><nombre>r</nombre><integrantes><integrante>coop"
        "</integrante></integrantes></reunion></reuniones>"
        "<guardias><guardia><nombre>Gu</nombre><tipoDeTarea>T</tipoDeTarea></guardia>"
        "<guardia><nombre>GU</nombre></guardia></guardias>"));
    const CDatos& d = *l.datos;
    EXPECT_EQ(Nombres(d.aulas), (Nombres_{"<cualquiera>", "A1"}));
    EXPECT_STREQ(En(d.aulas, 1).claveDeExportacion, "k1");
    EXPECT_EQ(Nombres(d.tareas), (Nombres_{"T"}));
    EXPECT_EQ(Nombres(d.departamentos), (Nombres_{"<ninguno>"}));
    EXPECT_STREQ(En(d.departamentos, 0).email, "");
    // Case and accents are ignored; "ñ" is a letter of its own and the hyphen counts.
    EXPECT_EQ(Nombres(d.profesores),
              (Nombres_{"       __     ", "Ana", "Mu\xF1oz", "Munoz", "co-op", "coop"}));
    EXPECT_STREQ(En(d.profesores, 1).claveDeExportacion, "P1");
    EXPECT_EQ(Nombres(d.materias), (Nombres_{"M"}));
    // The second course of a name adds none of its subjects; a pair is added once.
    EXPECT_EQ(Nombres(d.cursos), (Nombres_{"       __     ", "C"}));
    ASSERT_EQ(d.matCur.Cuenta(), 1);
    EXPECT_EQ(En(d.matCur, 0).numSesiones, 3.0f);
    EXPECT_EQ(Nombres(d.grupos), (Nombres_{"G"}));
    EXPECT_EQ(En(d.grupos, 0).numeroAlumnos, 20);
    EXPECT_EQ(Nombres(d.reuniones), (Nombres_{"R"}));
    EXPECT_EQ(En(d.reuniones, 0).integrantes[0], 1u);
    EXPECT_EQ(Nombres(d.guardias), (Nombres_{"Gu"}));
    EXPECT_EQ(En(d.guardias, 0).tipoDeTarea, 0u);
}

TEST_F(Constructores, UnaReferenciaQueNoNombraNadaSeDejaFuera) {
    const Lectura l = Leer(Documento(
        MarcosBasicos() +
        "<conjuntoDeAulas><otroConjunto nombre=\"S\"><aula>Nadie</aula></otroConjunto>"
        "</conjuntoDeAulas>"
        "<profesores><profesor><nombre>P</nombre><departamento>Nadie</departamento></profesor>"
        "</profesores>"
        "<materias><materia><nombre>M</nombre><departamento>Nadie</departamento></materia>"
        "</materias>"
        "<cursos><curso><nombre>C</nombre><materiasDelCurso><materia>Nadie</materia>"
        "<materia>M</materia></materiasDelCurso></curso></cursos>"
        "<grupos><grupo><nombre>G1</nombre><profesorTutor>Nadie</profesorTutor>"
        "<cursoPerteneciente>Nadie</cursoPerteneciente><aula>Nadie</aula></grupo>"
        "<grupo><nombre>G2</nombre></grupo></grupos>"
        "<reuniones><reunion><nombre>Sin</nombre></reunion>"
        "<reunion><nombre>Nadie</nombre><tipoDeTarea>X</tipoDeTarea><integrantes><integrante>"
        "Nadie</integrante></integrantes></reunion>"
        "<reunion><nombre>R</nombre><integrantes><integrante>Nadie</integrante><integrante>P"
        "</integrante></integrantes></reunion></reuniones>"
        "<guardias><guardia><nombre>Gu</nombre><tipoDeTarea>X</tipoDeTarea><integrantes>"
        "<integrante><nombre>Nadie</nombre><numeroDeGuardias>4</numeroDeGuardias></integrante>"
        "<integrante><nombre>P</nombre><numeroDeGuardias>2</numeroDeGuardias></integrante>"
        "</integrantes></guardia></guardias>"
        "<complementarias><complementaria><tarea>LEC</tarea><profesor>Nadie</profesor>"
        "</complementaria><complementaria><tarea>Nadie</tarea><profesor>P</profesor>"
        "</complementaria><complementaria><tarea>RDP</tarea><profesor>P</profesor>"
        "</complementaria></complementarias>"
        "<otros><gruposAlejados><listaDeGrupos><grupo>Nadie</grupo><grupo>G2</grupo>"
        "</listaDeGrupos></gruposAlejados></otros>"));
    const CDatos& d = *l.datos;
    EXPECT_EQ(En(d.tipos, 2).numAulas, 0);
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(En(d.profesores, 1).departamento), d.departamentos.Cabeza());
    EXPECT_EQ(En(d.materias, 0).departamento, 0u);
    ASSERT_EQ(d.matCur.Cuenta(), 1);
    EXPECT_EQ(En(d.matCur, 0).materia, 0u);
    // Teacher, course and room fall back on their placeholders.
    EXPECT_EQ(En(d.grupos, 0).profesorTutor, 0u);
    EXPECT_EQ(En(d.grupos, 0).cursoPerteneciente, 0u);
    EXPECT_EQ(En(d.grupos, 0).aula, 0u);
    // A meeting needs members listed, but keeps none when none is a teacher; its task falls
    // back on the default meeting task, a duty's on the default duty task.
    EXPECT_EQ(Nombres(d.reuniones), (Nombres_{"Nadie", "R"}));
    EXPECT_EQ(En(d.reuniones, 0).numIntegrantes, 0);
    EXPECT_EQ(En(d.reuniones, 0).tipoDeTarea, d.marcos.reunionPorDefecto);
    ASSERT_EQ(En(d.reuniones, 1).numIntegrantes, 1);
    EXPECT_EQ(En(d.reuniones, 1).integrantes[0], 1u);
    const DHGUAR& gu = En(d.guardias, 0);
    EXPECT_EQ(gu.tipoDeTarea, d.marcos.guardiaPorDefecto);
    ASSERT_EQ(gu.numIntegrantes, 1);
    EXPECT_EQ(gu.integrantes[0], 1u);
    EXPECT_EQ(gu.numeroDeGuardias[0], 2);
    // A complementary activity needs both its task and its teacher.
    ASSERT_EQ(d.complementarias.Cuenta(), 1);
    EXPECT_EQ(En(d.complementarias, 0).tarea, 2u);
    // An unknown far group is left out, not taken for the first group.
    ASSERT_EQ(d.gruposAlejados.Cuenta(), 1);
    EXPECT_EQ(En(d.gruposAlejados, 0), 1u);
}

TEST_F(Constructores, Capacidades) {
    std::string aulas, conjunto;
    for (int i = 1; i <= 300; ++i) {
        char nombre[8];
        std::snprintf(nombre, sizeof nombre, "R%03d", i);
        aulas += std::string("<aula><nombre>") + nombre + "</nombre></aula>";
        if (i <= 70) conjunto += std::string("<aula>") + nombre + "</aula>";
    }
    const Lectura l =
        Leer(Documento("<aulas>" + aulas + "</aulas><conjuntoDeAulas><otroConjunto nombre=\"S\">" +
                       conjunto + "</otroConjunto></conjuntoDeAulas>"));
    // 250 room records, "<cualquiera>" included.
    ASSERT_EQ(l.datos->aulas.Cuenta(), 250);
    EXPECT_STREQ(En(l.datos->aulas, 249).nombre, "R249");
    EXPECT_EQ(l.datos->marcos.numAulasGeneral, 249);
    const DHTIPO& s = En(l.datos->tipos, 2);
    ASSERT_EQ(s.numAulas, 64);
    EXPECT_EQ(s.aulas[63], 64u);
}

TEST_F(Constructores, OpcionesDeUnProfesor) {
    auto profesor = [](const std::string& nombre, const std::string& opciones) {
        return "<profesor><nombre>" + nombre + "</nombre><opciones>" + opciones +
               "</opciones></profesor>";
    };
    const Lectura l = Leer(Documento(
        MarcosBasicos() + "<profesores>" +
        profesor("Incompleto", "<periodosLibres><cantidadDeDias>2</cantidadDeDias><tipoDePeriodo>"
                               "<losPrimerosIntervalos>25</losPrimerosIntervalos></tipoDePeriodo>"
                               "</periodosLibres>") +
        profesor("Completo", "<periodosLibres><cantidadDeDias>2</cantidadDeDias><tipoDePeriodo>"
                             "<losUltimosIntervalos>3</losUltimosIntervalos></tipoDePeriodo>"
                             "</periodosLibres>") +
        profesor("Partida", "<periodoLibreJornadaPartida><cantidad>3</cantidad><preferentes>1"
                            "</preferentes></periodoLibreJornadaPartida>") +
        "</profesores>"));
    // A free period with days but no interval count is dropped whole.
    const OpcionesProfesor& incompleto = En(l.datos->profesores, 1).opciones;
    EXPECT_EQ(incompleto.tipoDePeriodo, 0);
    EXPECT_EQ(incompleto.cantidadDeDias, 0);
    EXPECT_EQ(incompleto.intervalosLibres, 0);
    const OpcionesProfesor& completo = En(l.datos->profesores, 2).opciones;
    EXPECT_EQ(completo.tipoDePeriodo, 2);
    EXPECT_EQ(completo.cantidadDeDias, 2);
    EXPECT_EQ(completo.intervalosLibres, 3);
    // `preferentes` is raised to `cantidad`: 3 and 3.
    EXPECT_EQ(En(l.datos->profesores, 3).opciones.periodoLibreJornadaPartida, 0x33);
}

TEST_F(Constructores, SesionesSemanalesDeLasMateriasDeUnCurso) {
    const std::string cuerpo = "<materias><materia><nombre>A</nombre></materia><materia><nombre>B"
                               "</nombre></materia><materia><nombre>C</nombre></materia><materia>"
                               "<nombre>D</nombre></materia><materia><nombre>E</nombre></materia>"
                               "</materias><cursos><curso><nombre>1</nombre><materiasDelCurso>"
                               "<materia numSesiones=\"0.5\">A</materia>"
                               "<materia numSesiones=\"27\">B</materia>"
                               "<materia numSesiones=\"40\">C</materia>"
                               "<materia numSesiones=\"nan\">D</materia>"
                               "<materia numSesiones=\"25\">E</materia>"
                               "</materiasDelCurso></curso></cursos>";
    auto sesiones = [](const Lectura& l) {
        std::vector<float> v;
        for (const DHMATCUR& e : l.datos->matCur)
            v.push_back(e.numSesiones);
        return v;
    };
    // At most 25 a week, 30 with Saturday; below 1 (or not a number) counts as 1.
    EXPECT_EQ(sesiones(Leer(Documento(MarcosBasicos(5) + cuerpo))),
              (std::vector<float>{1, 25, 25, 1, 25}));
    EXPECT_EQ(sesiones(Leer(Documento(MarcosBasicos(6) + cuerpo))),
              (std::vector<float>{1, 27, 30, 1, 25}));
}

TEST_F(Constructores, TareasPorDefecto) {
    auto tareas = [](const std::string& cuerpo) {
        return Leer(Documento(MarcosBasicos() + cuerpo +
                              "<profesores><profesor><nombre>P</nombre></profesor></profesores>"
                              "<reuniones><reunion><nombre>R</nombre><integrantes><integrante>P"
                              "</integrante></integrantes></reunion></reuniones>"
                              "<guardias><guardia><nombre>G</nombre></guardia></guardias>"));
    };
    auto defectos = [](const CDatos& d) {
        return std::vector<Ref>{d.marcos.lectivaPorDefecto, d.marcos.guardiaPorDefecto,
                                d.marcos.reunionPorDefecto};
    };
    {
        // Tasks without defaults named: the first task read stands for all three.
        const Lectura l = tareas("<tareas><tarea><nombre>TUT</nombre></tarea><tarea><nombre>X"
                                 "</nombre></tarea><lectivaPorDefecto>Nadie</lectivaPorDefecto>"
                                 "<reunionPorDefecto>X</reunionPorDefecto></tareas>");
        EXPECT_EQ(Nombres(l.datos->tareas), (Nombres_{"TUT", "X"}));
        EXPECT_EQ(defectos(*l.datos), (std::vector<Ref>{0, 0, 1}));
        EXPECT_EQ(En(l.datos->reuniones, 0).tipoDeTarea, 1u);
        EXPECT_EQ(En(l.datos->guardias, 0).tipoDeTarea, 0u);
    }
    for (const char* vacia : {"<tareas></tareas>", "<tareas/>", ""}) {
        // No task read, or no task list at all: the built-in tasks, as positions.
        const Lectura l = tareas(vacia);
        EXPECT_EQ(Nombres(l.datos->tareas), (Nombres_{"LEC", "G", "RDP"})) << vacia;
        EXPECT_EQ(defectos(*l.datos), (std::vector<Ref>{0, 1, 2})) << vacia;
        EXPECT_EQ(En(l.datos->reuniones, 0).tipoDeTarea, 2u) << vacia;
        EXPECT_EQ(En(l.datos->guardias, 0).tipoDeTarea, 1u) << vacia;
    }
}

} // namespace
