// Teaching sessions, whole documents in: session chains with their companions, sessions left
// out, every relation kind with its limits, consecutive, simultaneous and optional-subject
// blocks.
#include <gtest/gtest.h>

#include "ayuda.h"

namespace {

using namespace prueba;

class Sesiones : public ::testing::Test {
protected:
    Entorno entorno;
};

// Frame A; rooms A1, A2; room set Labs; tasks LEC, G, RDP; teachers Ana, Luis, bea; subjects
// MAT, FIS; groups 1A, 1B, 2A, 2B, 1C. Then the sessions, the relation lists and `despues`.
std::string Base(const std::string& sesiones, const std::string& relaciones = "",
                 const std::string& despues = "") {
    return Documento(
        MarcosBasicos() +
        "<aulas><aula><nombre>A1</nombre></aula><aula><nombre>A2</nombre></aula></aulas>"
        "<conjuntoDeAulas><otroConjunto nombre=\"Labs\"><aula>A2</aula></otroConjunto>"
        "</conjuntoDeAulas>"
        "<tareas><tarea><nombre>LEC</nombre></tarea><tarea><nombre>G</nombre></tarea>"
        "<tarea><nombre>RDP</nombre></tarea></tareas>"
        "<profesores><profesor><nombre>Ana</nombre></profesor><profesor><nombre>Luis</nombre>"
        "</profesor><profesor><nombre>bea</nombre></profesor></profesores>"
        "<materias><materia><nombre>MAT</nombre></materia><materia><nombre>FIS</nombre>"
        "</materia></materias>"
        "<grupos><grupo><nombre>1A</nombre></grupo><grupo><nombre>1B</nombre></grupo>"
        "<grupo><nombre>2A</nombre></grupo><grupo><nombre>2B</nombre></grupo>"
        "<grupo><nombre>1C</nombre></grupo></grupos>"
        "<sesionesLectivas>" +
        sesiones + "</sesionesLectivas><listasDeRelacion>" + relaciones + "</listasDeRelacion>" +
        despues);
}

// A session of subject MAT with a distribution of `distribucion` (one digit per day).
std::string Sesion(int id, const std::string& grupo, const std::string& profesor,
                   const std::string& dentro = "", const std::string& distribucion = "1") {
    std::string s = "<sesion id=\"" + std::to_string(id) + "\"><materia>MAT</materia><grupo>" +
                    grupo + "</grupo>";
    if (!profesor.empty()) s += "<profesor>" + profesor + "</profesor>";
    s += dentro + "<distribucionSemanal><distribucionFija>";
    for (char c : distribucion)
        s += std::string("<numSesiones>") + c + "</numSesiones>";
    return s + "</distribucionFija></distribucionSemanal></sesion>";
}

std::string Lista(const char* elemento, std::initializer_list<int> ids) {
    std::string s = std::string("<") + elemento + ">";
    for (int id : ids)
        s += "<sesion>" + std::to_string(id) + "</sesion>";
    return s + "</" + elemento + ">";
}

std::string Bloque(std::initializer_list<int> ids, const std::string& orden = "") {
    return "<bloqueDeSesiones>" + Lista("sesiones", ids) +
           (orden.empty() ? "" : "<conOrden>" + orden + "</conOrden>") + "</bloqueDeSesiones>";
}

std::vector<Ref> Refs(const Ref* refs, int n) {
    return std::vector<Ref>(refs, refs + n);
}

TEST_F(Sesiones, UnaSesionConSusCompaneros) {
    const Lectura l = Leer(Base(Sesion(
        0, "2B", "Ana",
        "<tarea>RDP</tarea><otrasMateriasGrupos><materiaGrupo "
        "tarea=\"Nadie\"><materia>FIS</materia><grupo>1B"
        "</grupo></materiaGrupo></otrasMateriasGrupos>"
        "<otrosGrupos><grupo>2A</grupo><grupo numeroAlumnos=\"12\">1C</grupo></otrosGrupos>"
        "<otrasMaterias><materia>FIS</materia></otrasMaterias>"
        "<otrosProfesores><profesor>Luis</profesor><profesor tarea=\"G\">bea</profesor>"
        "<profesor>Nadie</profesor><profesor></profesor></otrosProfesores>"
        "<otrasAulas><otraAula origenAula=\"1\"><aula>A2</aula><grupo>Labs</grupo></otraAula>"
        "<otraAula origenAula=\"2\"><aula>A1</aula></otraAula></otrasAulas>")));
    const CDatos& d = *l.datos;
    // Main, further subjects and groups, further teachers, further rooms; each group sorted
    // in byte order.
    ASSERT_EQ(d.sesiones.Cuenta(), 10);
    std::string tipos;
    for (const DHSESI& s : d.sesiones) {
        tipos += static_cast<char>(s.tipo);
        EXPECT_EQ(s.id, 0);
        EXPECT_STREQ(s.distribucion, "1");
    }
    EXPECT_EQ(tipos, " MMMMPPPSS");

    // The main record takes 1C, the last further group that sorts before its own 2B.
    const DHSESI& m = En(d.sesiones, 0);
    EXPECT_EQ(m.materia, 0u);
    EXPECT_EQ(m.grupo, 4u);
    EXPECT_EQ(m.profesor, 1u);
    EXPECT_EQ(m.tarea, 2u);
    EXPECT_EQ(m.aula, 0u);                // no room: "<cualquiera>"
    EXPECT_EQ(m.conjuntoAlternativo, 1u); // then the general set
    EXPECT_EQ(m.numeroAlumnos, 12);
    // Further subjects and groups: a missing group is the main group; the pupils of a group
    // named with a number stay for the records after it.
    const std::vector<std::pair<Ref, Ref>> materiaGrupo = {{1, 4}, {1, 1}, {0, 2}, {0, 3}};
    for (int i = 0; i < 4; ++i) {
        const DHSESI& s = En(d.sesiones, 1 + i);
        EXPECT_EQ(std::make_pair(s.materia, s.grupo), materiaGrupo[static_cast<std::size_t>(i)])
            << i;
        EXPECT_EQ(s.numeroAlumnos, 12) << i;
        // A task that names nothing is the main record's, not the first task.
        EXPECT_EQ(s.tarea, 2u) << i;
    }
    // Further teachers: "" (the blank teacher) < "Luis" < "bea"; "Nadie" is left out.
    EXPECT_EQ(En(d.sesiones, 5).profesor, 0u);
    EXPECT_EQ(En(d.sesiones, 6).profesor, 2u);
    EXPECT_EQ(En(d.sesiones, 7).profesor, 3u);
    EXPECT_EQ(En(d.sesiones, 7).tarea, 1u);
    EXPECT_EQ(En(d.sesiones, 7).grupo, 4u);
    // Further rooms in room order; their running numbers stay in the order read.
    const DHSESI& a1 = En(d.sesiones, 8);
    const DHSESI& a2 = En(d.sesiones, 9);
    EXPECT_EQ(a1.aula, 1u);
    EXPECT_EQ(a1.conjuntoAlternativo, 0u); // a room and no set: "< no >"
    EXPECT_EQ(a1.origenAula, 1);
    EXPECT_EQ(a1.aulaAdicional, 1);
    EXPECT_EQ(a2.aula, 2u);
    EXPECT_EQ(a2.conjuntoAlternativo, 2u);
    EXPECT_EQ(a2.origenAula, 2);
}

TEST_F(Sesiones, SesionesDejadasFueraYReferenciasPorDefecto) {
    // No task list: the built-in tasks keep their positions.
    const Lectura l = Leer(Documento(
        MarcosBasicos() +
        "<aulas><aula><nombre>A1</nombre></aula></aulas><conjuntoDeAulas><otroConjunto "
        "nombre=\"Labs\"/></conjuntoDeAulas><departamentos><departamento><nombre>Dep</nombre>"
        "</departamento></departamentos><profesores><profesor><nombre>Ana</nombre></profesor>"
        "</profesores><materias><materia><nombre>MAT</nombre></materia></materias><grupos>"
        "<grupo><nombre>1A</nombre></grupo></grupos><sesionesLectivas>" +
        Sesion(0, "1A", "Nadie", Lista("profesoresIntercambiables", {3})) + Sesion(1, "Nadie", "") +
        "<sesion id=\"2\"><materia>Nadie</materia><grupo>1A</grupo><distribucionSemanal>"
        "<distribucionFija><numSesiones>1</numSesiones></distribucionFija>"
        "</distribucionSemanal></sesion>" +
        Sesion(3, "1A", "",
               "<listaDeAulas><aula>Nadie</aula></listaDeAulas><listaDeAlternativas>"
               "<conjuntoAlternativo>Nadie</conjuntoAlternativo></listaDeAlternativas>"
               "<tarea>Nadie</tarea><departamento>Nadie</departamento>"
               "<otrosProfesores><profesor tarea=\"Nadie\">Ana</profesor></otrosProfesores>" +
                   Lista("noConsecutivas", {0})) +
        Sesion(4, "1A", "Ana", "<listaDeAulas><aula>A1</aula></listaDeAulas>") +
        Sesion(5, "1A", "Ana",
               "<listaDeAulas><aula>A1</aula></listaDeAulas><listaDeAlternativas>"
               "<conjuntoAlternativo>Labs</conjuntoAlternativo></listaDeAlternativas>"
               "<departamento>Dep</departamento>") +
        "</sesionesLectivas><listasDeRelacion/>"));
    const CDatos& d = *l.datos;
    EXPECT_EQ(Nombres(d.tareas), (std::vector<std::string>{"LEC", "G", "RDP"}));
    // Unknown teacher, group or subject: no record at all, and its relations do nothing.
    ASSERT_EQ(d.sesiones.Cuenta(), 4);
    const DHSESI& s3 = En(d.sesiones, 0);
    EXPECT_EQ(s3.id, 3);
    EXPECT_EQ(s3.profesor, 0u);            // none named: the blank teacher
    EXPECT_EQ(s3.aula, 0u);                // "<cualquiera>"
    EXPECT_EQ(s3.conjuntoAlternativo, 1u); // a set that is none: "<general>"
    EXPECT_EQ(s3.tarea, d.marcos.lectivaPorDefecto);
    EXPECT_EQ(s3.tarea, 0u);
    EXPECT_EQ(s3.departamento, 0u);
    EXPECT_EQ(s3.relaciones.numNoConsecutivas, 0);
    EXPECT_EQ(s3.relaciones.numIntercambiables, 0);
    EXPECT_EQ(En(d.sesiones, 1).tipo, SESION_PROFESOR);
    EXPECT_EQ(En(d.sesiones, 1).tarea, 0u);
    EXPECT_EQ(En(d.sesiones, 2).aula, 1u);
    EXPECT_EQ(En(d.sesiones, 2).conjuntoAlternativo, 0u);
    EXPECT_EQ(En(d.sesiones, 3).conjuntoAlternativo, 2u);
    EXPECT_EQ(En(d.sesiones, 3).departamento, 1u);
}

TEST_F(Sesiones, CadaClaseDeRelacionConSusLimites) {
    std::string sesiones;
    auto con = [](int id, const std::string& dentro, const std::string& distribucion = "1") {
        return Sesion(id, "1A", "Ana", dentro, distribucion);
    };
    std::string treintaYDos;
    for (int i = 4; i <= 35; ++i)
        treintaYDos += "<sesion>" + std::to_string(i) + "</sesion>";
    for (int id = 0; id <= 40; ++id) {
        std::string dentro;
        switch (id) {
        case 0:
            dentro = "<enDistintoDia>" + Lista("sesiones", {1, 2, 0, 99, 41}) +
                     "<enDiasSeguidos>obligado</enDiasSeguidos></enDistintoDia>";
            break;
        case 1:
            dentro = "<enDistintoDia>" + Lista("sesiones", {0}) + "</enDistintoDia>";
            break;
        case 3:
            dentro = "<noConsecutivas>" + treintaYDos + "</noConsecutivas>";
            break;
        case 4:
        case 36:
            dentro = Lista("noConsecutivas", {3});
            break;
        case 5:
            dentro = Lista("noCoincidentes", {6, 5});
            break;
        case 7:
            dentro = Lista("posteriorA", {8}) + Lista("previoA", {9});
            break;
        case 10:
            dentro = Lista("previoA", {11, 12, 13, 14});
            break;
        case 15:
            dentro = Lista("posteriorA", {10});
            break;
        case 16:
            dentro = "<separadosNDiasOMas><separacion><sesion>17</sesion><dias>2</dias>"
                     "</separacion><separacion><sesion>18</sesion><dias>4</dias></separacion>"
                     "</separadosNDiasOMas><separadosNDiasOMenos><separacion><sesion>19</sesion>"
                     "<dias>9</dias></separacion></separadosNDiasOMenos>";
            break;
        case 20:
            dentro = Lista("profesoresIntercambiables", {20, 21});
            break;
        case 22:
            dentro = Lista("profesoresIntercambiables", {23, 24, 25, 26});
            break;
        case 27:
            dentro = Lista("profesoresIntercambiables", {22});
            break;
        default:
            break;
        }
        sesiones += con(id, dentro);
    }
    sesiones += con(41, "", "11111");
    const Lectura l = Leer(Base(sesiones));
    const CDatos& d = *l.datos;
    ASSERT_EQ(d.sesiones.Cuenta(), 42); // every session alone: its position is its id
    auto r = [&](int i) -> const RelacionesSesion& { return En(d.sesiones, i).relaciones; };

    // Different days: not with itself, an unknown session, twice, nor when the two together
    // have more sessions than the week has days.
    EXPECT_EQ(Refs(r(0).enDistintoDia, r(0).numEnDistintoDia), (std::vector<Ref>{1, 2}));
    EXPECT_EQ(Refs(r(1).enDistintoDia, r(1).numEnDistintoDia), (std::vector<Ref>{0}));
    EXPECT_EQ(r(41).numEnDistintoDia, 0);
    EXPECT_EQ(En(d.sesiones, 0).enDiasSeguidos, 3);
    // Not consecutive: 32 at most on either side, each pair once.
    EXPECT_EQ(r(3).numNoConsecutivas, 32);
    EXPECT_EQ(Refs(r(4).noConsecutivas, r(4).numNoConsecutivas), (std::vector<Ref>{3}));
    EXPECT_EQ(r(36).numNoConsecutivas, 0);
    // Not coinciding: never with itself.
    EXPECT_EQ(Refs(r(5).noCoincidentes, r(5).numNoCoincidentes), (std::vector<Ref>{6}));
    EXPECT_EQ(Refs(r(6).noCoincidentes, r(6).numNoCoincidentes), (std::vector<Ref>{5}));
    // Before and after: 7 comes after 8 and before 9; 4 at most.
    EXPECT_EQ(Refs(r(7).previoPosterior, r(7).numPrevioPosterior), (std::vector<Ref>{8, 9}));
    EXPECT_EQ(std::vector<int>(r(7).esPrevio, r(7).esPrevio + 2), (std::vector<int>{0, 1}));
    EXPECT_EQ(Refs(r(8).previoPosterior, 1), (std::vector<Ref>{7}));
    EXPECT_EQ(r(8).esPrevio[0], 1);
    EXPECT_EQ(r(9).esPrevio[0], 0);
    EXPECT_EQ(r(10).numPrevioPosterior, 4);
    EXPECT_EQ(r(15).numPrevioPosterior, 0);
    // Separations: days and kind on both sides; 4 days or more between two weekly sessions do
    // not fit a 5-day week; "or less" is not checked against the days.
    EXPECT_EQ(Refs(r(16).separacion, r(16).numSeparacion), (std::vector<Ref>{17, 19}));
    EXPECT_EQ(r(16).diasSeparacion[0], 2);
    EXPECT_EQ(r(16).tipoSeparacion[0], 0);
    EXPECT_EQ(r(16).diasSeparacion[1], 9);
    EXPECT_EQ(r(16).tipoSeparacion[1], 1);
    EXPECT_EQ(r(17).separacion[0], 16u);
    EXPECT_EQ(r(18).numSeparacion, 0);
    // Interchangeable teachers: a session is never its own partner; 4 at most.
    EXPECT_EQ(Refs(r(20).profesoresIntercambiables, r(20).numIntercambiables),
              (std::vector<Ref>{21}));
    EXPECT_EQ(Refs(r(21).profesoresIntercambiables, r(21).numIntercambiables),
              (std::vector<Ref>{20}));
    EXPECT_EQ(r(22).numIntercambiables, 4);
    EXPECT_EQ(r(27).numIntercambiables, 0);
}

TEST_F(Sesiones, BloquesDeSesionesConsecutivas) {
    std::string sesiones;
    for (int id = 0; id <= 11; ++id)
        sesiones += Sesion(id, "1A", "Ana");
    const Lectura l = Leer(
        Base(sesiones,
             "<consecutivas>" + Bloque({0, 1}, "seguidas") + Bloque({2, 3, 4}, "seguidas") +
                 Bloque({5, 6}, "separadas") + Bloque({7, 8, 9}) + Bloque({0, 99}, "separadas") +
                 Bloque({10, 10}, "seguidas") + Bloque({11, 0}, "otra") + "</consecutivas>"));
    const CDatos& d = *l.datos;
    auto codigo = [&](int i) { return En(d.sesiones, i).codigoConsecutivas; };
    auto parejas = [&](int i) {
        return std::make_pair(En(d.sesiones, i).consecutivaPrimera,
                              En(d.sesiones, i).consecutivaSegunda);
    };
    // Partners are 1-based positions, 0 for none.
    EXPECT_EQ(codigo(0), 3);
    EXPECT_EQ(codigo(1), 1);
    EXPECT_EQ(parejas(0), std::make_pair(Ref{12}, Ref{0})); // the last block that named it
    EXPECT_EQ(parejas(1), std::make_pair(Ref{1}, Ref{0}));
    EXPECT_EQ((std::vector<int>{codigo(2), codigo(3), codigo(4)}), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(parejas(2), std::make_pair(Ref{4}, Ref{5}));
    EXPECT_EQ(parejas(3), std::make_pair(Ref{3}, Ref{5}));
    EXPECT_EQ(parejas(4), std::make_pair(Ref{3}, Ref{4}));
    EXPECT_EQ(codigo(5), 4);
    EXPECT_EQ(codigo(6), 4);
    EXPECT_EQ((std::vector<int>{codigo(7), codigo(8), codigo(9)}), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(parejas(9), std::make_pair(Ref{8}, Ref{9}));
    // A block naming one session twice would make it its own partner: it is left out.
    EXPECT_EQ(parejas(10), std::make_pair(Ref{0}, Ref{0}));
    EXPECT_EQ(codigo(10), 0);
    // Another word leaves the codes as they were; the partners are set.
    EXPECT_EQ(codigo(11), 0);
    EXPECT_EQ(parejas(11), std::make_pair(Ref{1}, Ref{0}));
}

TEST_F(Sesiones, BloquesSimultaneosYDeOptativas) {
    const std::string prohibido =
        "<plantilla><tramo dia=\"0\" indice=\"0\" marco=\"A\">prohibido</tramo></plantilla>";
    const Lectura l = Leer(Base(
        Sesion(0, "1A", "Ana", "<otrosProfesores><profesor>bea</profesor></otrosProfesores>", "2") +
            Sesion(1, "1B", "Luis",
                   prohibido + "<otrasAulas><otraAula origenAula=\"1\"><aula>A2</aula>"
                               "</otraAula></otrasAulas>") +
            Sesion(2, "1A", "Ana",
                   "<enDistintoDia>" + Lista("sesiones", {1}) + "</enDistintoDia>" +
                       Lista("profesoresIntercambiables", {1})) +
            Sesion(3, "1B", "Luis", Lista("noConsecutivas", {1})),
        "<simultaneas>" + Bloque({0, 1}) + Bloque({2, 2}) + Bloque({3}) +
            "</simultaneas><consecutivas>" + Bloque({1, 2}, "seguidas") + "</consecutivas>",
        "<optativas><optativa><nombre>O1</nombre><grupo>1A</grupo><asignaturasOptativas>"
        "<asignaturaOptativa>0</asignaturaOptativa><asignaturaOptativa solapable=\"true\">1"
        "</asignaturaOptativa><asignaturaOptativa solapable=\"true\">2</asignaturaOptativa>"
        "<asignaturaOptativa>99</asignaturaOptativa></asignaturasOptativas></optativa>"
        "<optativa><nombre>O2</nombre><grupo>Nadie</grupo><asignaturasOptativas>"
        "<asignaturaOptativa>0</asignaturaOptativa></asignaturasOptativas></optativa>"
        "<optativa><nombre>O3</nombre><grupo>1A</grupo><asignaturasOptativas>"
        "<asignaturaOptativa>99</asignaturaOptativa></asignaturasOptativas></optativa>"
        "<optativa><nombre>o1</nombre><grupo>1A</grupo><asignaturasOptativas>"
        "<asignaturaOptativa>3</asignaturaOptativa></asignaturasOptativas></optativa>"
        "</optativas>"));
    CDatos& d = *l.datos;
    // Session 1 and its room move behind session 0's chain; a block that repeats its first
    // session, or holds one session, changes nothing.
    ASSERT_EQ(d.sesiones.Cuenta(), 6);
    std::string tipos;
    std::vector<int> ids;
    for (const DHSESI& s : d.sesiones) {
        tipos += static_cast<char>(s.tipo);
        ids.push_back(s.id);
    }
    EXPECT_EQ(tipos, " PSS  ");
    EXPECT_EQ(ids, (std::vector<int>{0, 0, 1, 1, 2, 3}));
    const DHSESI& s1 = En(d.sesiones, 2);
    EXPECT_EQ(s1.aulaAdicional, 0);
    EXPECT_EQ(En(d.sesiones, 3).aulaAdicional, 1);
    // The simultaneous session: fully available, the block's distribution, no relations of its
    // own but its interchangeable teachers.
    for (int i = 0; i < NUM_PERIODOS; ++i) {
        const MapaDisponibilidad m = Celdas(s1.plantilla[i]);
        for (const auto& dia : m.celdas)
            for (std::int8_t c : dia)
                ASSERT_EQ(c, MAPA_DISPONIBLE);
    }
    EXPECT_STREQ(s1.distribucion, "2");
    EXPECT_STREQ(En(d.sesiones, 3).distribucion, "2");
    EXPECT_EQ(s1.relaciones.numEnDistintoDia, 0);
    EXPECT_EQ(s1.relaciones.numNoConsecutivas, 0);
    EXPECT_EQ(s1.codigoConsecutivas, 0);
    // Relations that name session 1 reach the block's main record, but the interchangeable
    // teachers link the simultaneous session itself.
    const RelacionesSesion& r0 = En(d.sesiones, 0).relaciones;
    const RelacionesSesion& r2 = En(d.sesiones, 4).relaciones;
    EXPECT_EQ(Refs(r0.enDistintoDia, r0.numEnDistintoDia), (std::vector<Ref>{4}));
    EXPECT_EQ(Refs(r2.enDistintoDia, r2.numEnDistintoDia), (std::vector<Ref>{0}));
    EXPECT_EQ(Refs(r0.noConsecutivas, r0.numNoConsecutivas), (std::vector<Ref>{5}));
    EXPECT_EQ(Refs(r2.profesoresIntercambiables, r2.numIntercambiables), (std::vector<Ref>{2}));
    EXPECT_EQ(Refs(s1.relaciones.profesoresIntercambiables, s1.relaciones.numIntercambiables),
              (std::vector<Ref>{4}));
    EXPECT_EQ(En(d.sesiones, 0).codigoConsecutivas, 3);
    EXPECT_EQ(En(d.sesiones, 0).consecutivaPrimera, 5u);
    EXPECT_EQ(En(d.sesiones, 4).codigoConsecutivas, 1);
    EXPECT_EQ(En(d.sesiones, 4).consecutivaPrimera, 1u);
    EXPECT_EQ(MyContentInterno2::BuscarSesionPorId(&d, 1), d.sesiones.NodoEnIndice(0));
    EXPECT_EQ(MyContentInterno2::BuscarNodoSesion(&d, 1), d.sesiones.NodoEnIndice(2));
    EXPECT_EQ(MyContentInterno2::BuscarSesionPorId(&d, 9), nullptr);

    // Optional subjects: main records by id only; a block needs its group and one session.
    EXPECT_EQ(Nombres(d.optativas), (std::vector<std::string>{"O1"}));
    const DHOPTATIVAS& o = En(d.optativas, 0);
    EXPECT_EQ(o.grupo, 0u);
    EXPECT_EQ(o.maxSolapadas, 2);
    EXPECT_EQ(Refs(o.sesiones, o.numSesiones), (std::vector<Ref>{0, 4}));
    EXPECT_EQ(o.solapable[1], 1);
}

TEST_F(Sesiones, NadaMueveLasSesionesUnaVezRelacionadas) {
    std::string sesiones;
    for (int id = 0; id <= 2; ++id)
        sesiones += Sesion(id, "1A", "Ana", id == 1 ? Lista("noConsecutivas", {2}) : "");
    // A second relation list's simultaneous block would leave the stored positions stale.
    const Lectura l = Leer(Base(sesiones, "",
                                "<listasDeRelacion><simultaneas>" + Bloque({0, 1}) +
                                    "</simultaneas></listasDeRelacion>"));
    const CDatos& d = *l.datos;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(En(d.sesiones, i).tipo, SESION_PRINCIPAL) << i;
    EXPECT_EQ(En(d.sesiones, 1).relaciones.noConsecutivas[0], 2u);
    EXPECT_EQ(En(d.sesiones, 2).relaciones.noConsecutivas[0], 1u);
}

TEST_F(Sesiones, EnlazarSimultaneasQuitaLaSesionDeSusParejas) {
    std::string sesiones = Sesion(0, "1A", "Ana") +
                           Sesion(1, "1A", "Ana",
                                  Lista("noConsecutivas", {0}) + Lista("noCoincidentes", {2}) +
                                      Lista("posteriorA", {0}) + "<enDistintoDia>" +
                                      Lista("sesiones", {2}) + "</enDistintoDia>" +
                                      "<separadosNDiasOMas><separacion><sesion>2</sesion>"
                                      "<dias>1</dias></separacion></separadosNDiasOMas>") +
                           Sesion(2, "1A", "Ana",
                                  "<enDistintoDia>" + Lista("sesiones", {0}) +
                                      "<enDiasSeguidos>obligado</enDiasSeguidos></enDistintoDia>");
    const Lectura l = Leer(Base(sesiones));
    CDatos& d = *l.datos;
    ASSERT_EQ(En(d.sesiones, 0).relaciones.numNoConsecutivas, 1);
    ASSERT_EQ(En(d.sesiones, 2).relaciones.numSeparacion, 1);
    d.EnlazarSimultaneas(d.sesiones.NodoEnIndice(1));
    // Its partners no longer name session 1; their other links stay.
    const RelacionesSesion& r0 = En(d.sesiones, 0).relaciones;
    const RelacionesSesion& r2 = En(d.sesiones, 2).relaciones;
    EXPECT_EQ(r0.numNoConsecutivas, 0);
    EXPECT_EQ(r0.numPrevioPosterior, 0);
    EXPECT_EQ(Refs(r0.enDistintoDia, r0.numEnDistintoDia), (std::vector<Ref>{2}));
    EXPECT_EQ(r2.numNoCoincidentes, 0);
    EXPECT_EQ(r2.numSeparacion, 0);
    EXPECT_EQ(Refs(r2.enDistintoDia, r2.numEnDistintoDia), (std::vector<Ref>{0}));
    EXPECT_EQ(En(d.sesiones, 2).enDiasSeguidos, 0); // cleared with every removal
}

} // namespace
