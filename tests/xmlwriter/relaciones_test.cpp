#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modelo_sesiones.h"
#include "xmlwriter/exportador.h"
#include "xmlwriter/mapa_claves.h"

namespace {

using prueba::ModeloSesiones;
using prueba::Relaciones;
using prueba::Texto;

TEST(MapaClaves, HashSamplesSignExtendedBytesAndBucketsComeOutNewestFirst) {
    EXPECT_EQ(HashClave(""), 0x811C9DC5u);
    EXPECT_EQ(CubetaClave(""), 1);
    EXPECT_EQ(HashClave("abc"), 0x439C2F4Bu);
    EXPECT_EQ(CubetaClave("abc"), 5);
    // Eleven bytes: only every second one is read, so the accent is not seen.
    EXPECT_EQ(HashClave("Matem\xE1ticas"), 0x12CAC647u);
    EXPECT_EQ(HashClave("Matematicas"), 0x12CAC647u);
    // 0xBA taken as 0xFFFFFFBA; read as 0xBA it would fall in bucket 13.
    EXPECT_EQ(CubetaClave("1\xBA"
                          "A"),
              4);

    MapaClaves<int, int> numeros;
    for (int n = 1; n <= 5; ++n)
        numeros.Fijar(n, CubetaNumero(static_cast<std::uint32_t>(n)), n * 10);
    numeros.Fijar(1, CubetaNumero(1), 11); // replaced in place
    numeros.AnadirSiFalta(2, CubetaNumero(2), 99);
    std::vector<std::pair<int, int>> orden;
    numeros.Recorrer([&](int k, int v) { orden.emplace_back(k, v); });
    EXPECT_EQ(orden,
              (std::vector<std::pair<int, int>>{{5, 50}, {2, 20}, {4, 40}, {1, 11}, {3, 30}}));
}

TEST(RelacionesSesion, FurtherGroupsInBucketOrderWithTheLastValueInTheFirstPlace) {
    ModeloSesiones m;
    m.Sesion(SESION_PRINCIPAL, "Lengua", "1A", m.t1);
    m.Sesion(SESION_MATERIA, "Lengua", "2A", m.t1);
    m.Sesion(SESION_MATERIA, "Lengua", "3A", m.t1);
    m.Sesion(SESION_MATERIA, "Lengua", "4A", m.t1).numeroAlumnos = 20;
    m.Sesion(SESION_MATERIA, "Lengua", "2A", m.t1, m.g);
    m.Sesion(SESION_PRINCIPAL, "Lengua", "1A", m.t1);
    const std::string doc = prueba::Exportar(*m.d);
    EXPECT_EQ(Relaciones(doc, 0),
              Texto({"\t\t\t<otrosGrupos>", "\t\t\t\t<grupo>3A</grupo>",
                     "\t\t\t\t<grupo numeroAlumnos=\"20\">4A</grupo>",
                     "\t\t\t\t<grupo tarea=\"G\">2A</grupo>", "\t\t\t</otrosGrupos>"}));
    // A session without companions or relations: its plantilla ends the element.
    EXPECT_EQ(Relaciones(doc, 5), "");
}

TEST(RelacionesSesion, SubjectGroupPairsWhoseNamesJoinAlikeAreBothKept) {
    ModeloSesiones m;
    const char* const g1oa = "1\xBA"
                             "A";
    m.Sesion(SESION_PRINCIPAL, "Mat", "1A", m.t1);
    m.Sesion(SESION_MATERIA, "Mat", "1B", m.t1);
    m.Sesion(SESION_MATERIA, "Mat", g1oa, m.t1);
    m.Sesion(SESION_MATERIA, "Lengua1", "B", m.t1);
    m.Sesion(SESION_MATERIA, "Lengua", "1B", m.t1);
    // The same pair again: the first one's values stay.
    m.Sesion(SESION_MATERIA, "Lengua1", "B", m.t1, m.g).numeroAlumnos = 30;
    EXPECT_EQ(
        Relaciones(prueba::Exportar(*m.d), 0),
        Texto({"\t\t\t<otrasMateriasGrupos>", "\t\t\t\t<materiaGrupo>",
               "\t\t\t\t\t<materia>Lengua</materia>", "\t\t\t\t\t<grupo>1B</grupo>",
               "\t\t\t\t</materiaGrupo>", "\t\t\t\t<materiaGrupo>",
               "\t\t\t\t\t<materia>Lengua1</materia>", "\t\t\t\t\t<grupo>B</grupo>",
               "\t\t\t\t</materiaGrupo>", "\t\t\t</otrasMateriasGrupos>", "\t\t\t<otrosGrupos>",
               "\t\t\t\t<grupo>1\xBA"
               "A</grupo>",
               "\t\t\t\t<grupo>1B</grupo>", "\t\t\t</otrosGrupos>"}));
}

TEST(RelacionesSesion, FurtherTeachersSubjectsAndRoomsWithTheirTaskAttributes) {
    ModeloSesiones m;
    auto* cj = prueba::Nombrado(m.d->tipos, "CJ");
    auto* aula1 = prueba::Nombrado(m.d->aulas, "Aula1");
    auto* aula2 = prueba::Nombrado(m.d->aulas, "Aula2");
    auto* lab = prueba::Nombrado(m.d->aulas, "Lab");
    m.Sesion(SESION_PRINCIPAL, "Lengua", "1A", m.t1);
    m.Sesion(SESION_PROFESOR, "Lengua", "1A", m.t2);
    m.Sesion(SESION_PROFESOR, "Lengua", "1A", nullptr, m.g);
    m.Sesion(SESION_PROFESOR, "Lengua", "1A", m.t1, m.g); // W's own teacher: nothing
    m.Sesion(SESION_MATERIA, "Mat", "1A", m.t1, m.g);
    m.Sesion(SESION_MATERIA, "Fis", "1A", m.t1).tarea = 0; // no task, no attribute
    struct {
        MCList<DHAULA>::Nodo* aula;
        MCList<DHTIPO>::Nodo* conjunto;
    } salas[] = {{aula1, cj}, {nullptr, nullptr}, {aula2, nullptr}, {lab, nullptr}};
    for (const auto& s : salas) {
        DHSESI& r = m.Sesion(SESION_SIMULTANEA, "Lengua", "1A", m.t1, s.conjunto ? m.g : m.lec);
        r.aulaAdicional = 1;
        r.aula = m.R<DHAULA>(s.aula);
        r.conjuntoAlternativo = m.R<DHTIPO>(s.conjunto);
        r.origenAula = 77;
    }
    EXPECT_EQ(Relaciones(prueba::Exportar(*m.d), 0),
              Texto({"\t\t\t<otrosProfesores>",
                     "\t\t\t\t<profesor tarea=\"G\"></profesor>",
                     "\t\t\t\t<profesor>T2</profesor>",
                     "\t\t\t</otrosProfesores>",
                     "\t\t\t<otrasMaterias>",
                     "\t\t\t\t<materia>Fis</materia>",
                     "\t\t\t\t<materia tarea=\"G\">Mat</materia>",
                     "\t\t\t</otrasMaterias>",
                     "\t\t\t<otrasAulas>",
                     "\t\t\t\t<otraAula origenAula=\"2\">",
                     "\t\t\t\t\t<aula>Aula2</aula>",
                     "\t\t\t\t</otraAula>",
                     "\t\t\t\t<otraAula tarea=\"G\" origenAula=\"1\">",
                     "\t\t\t\t\t<aula>Aula1</aula>",
                     "\t\t\t\t\t<grupo>CJ</grupo>",
                     "\t\t\t\t</otraAula>",
                     "\t\t\t\t<otraAula origenAula=\"3\">",
                     "\t\t\t\t\t<aula>Lab</aula>",
                     "\t\t\t\t</otraAula>",
                     "\t\t\t</otrasAulas>"}));
    // The running numbers stay in the room records; the one without room or set keeps its own.
    EXPECT_EQ(m.En(6).origenAula, 1);
    EXPECT_EQ(m.En(7).origenAula, 77);
    EXPECT_EQ(m.En(8).origenAula, 2);
    EXPECT_EQ(m.En(9).origenAula, 3);
}

TEST(RelacionesSesion, RelationsOfTheMainRecordAndTheRawPeriodFlagRule) {
    ModeloSesiones m;
    m.d->marcosHorario->FijarNumeroPeriodos(2);
    DHSESI& a = m.Sesion(SESION_PRINCIPAL, "A", "1A");
    a.periodos[0] = 1;
    m.Sesion(SESION_PRINCIPAL, "B", "1A").periodos[1] = 1;
    m.Sesion(SESION_PRINCIPAL, "C", "1A").periodos[0] = 1;
    m.Sesion(SESION_PRINCIPAL, "D", "1A"); // no flag: it shares no flag with A
    const Ref b = m.RefSesion(1), c = m.RefSesion(2), dd = m.RefSesion(3);
    RelacionesSesion& r = a.relaciones;
    r.numEnDistintoDia = 2;
    r.enDistintoDia[0] = c;
    r.enDistintoDia[1] = b;
    a.enDiasSeguidos = 3;
    r.numNoConsecutivas = r.numPrevioPosterior = 3;
    const Ref enlaces[] = {b, c, dd};
    for (int k = 0; k < 3; ++k)
        r.noConsecutivas[k] = r.previoPosterior[k] = enlaces[k];
    r.esPrevio[0] = r.esPrevio[2] = 1;
    r.numSeparacion = 1;
    r.separacion[0] = c;
    r.diasSeparacion[0] = -2;
    EXPECT_EQ(Relaciones(prueba::Exportar(*m.d, -1), 0),
              Texto({"\t\t\t<enDistintoDia>",
                     "\t\t\t\t<sesiones>",
                     "\t\t\t\t\t<sesion>2</sesion>",
                     "\t\t\t\t</sesiones>",
                     "\t\t\t\t<enDiasSeguidos>obligado</enDiasSeguidos>",
                     "\t\t\t</enDistintoDia>",
                     "\t\t\t<noConsecutivas>",
                     "\t\t\t\t\t<sesion>2</sesion>",
                     "\t\t\t</noConsecutivas>",
                     "\t\t\t<previoA>",
                     "\t\t\t\t\t<sesion>1</sesion>",
                     "\t\t\t\t\t<sesion>3</sesion>",
                     "\t\t\t</previoA>",
                     "\t\t\t<posteriorA>",
                     "\t\t\t\t\t<sesion>2</sesion>",
                     "\t\t\t</posteriorA>",
                     "\t\t\t<separadosNDiasOMas>",
                     "\t\t\t\t\t<separacion>",
                     "\t\t\t\t\t\t<sesion>2</sesion>",
                     "\t\t\t\t\t\t<dias>-2</dias>",
                     "\t\t\t\t\t</separacion>",
                     "\t\t\t</separadosNDiasOMas>"}));

    // Counts beyond their arrays are read up to the array's end, unresolved links are left
    // out, and the other separation kind gets its own element.
    r.numNoCoincidentes = 255;
    for (Ref& enlace : r.noCoincidentes)
        enlace = c;
    r.noCoincidentes[0] = 0;
    r.numSeparacion = 200;
    r.separacion[1] = b;
    r.tipoSeparacion[1] = 1;
    r.diasSeparacion[1] = 3;
    // With one period every link is written, whatever its flags.
    m.d->marcosHorario->FijarNumeroPeriodos(1);
    const std::string rel = Relaciones(prueba::Exportar(*m.d), 0);
    EXPECT_TRUE(prueba::Contiene(
        rel, Texto({"\t\t\t<noConsecutivas>", "\t\t\t\t\t<sesion>1</sesion>",
                    "\t\t\t\t\t<sesion>2</sesion>", "\t\t\t\t\t<sesion>3</sesion>"})));
    EXPECT_EQ(
        prueba::Lineas(prueba::Bloque(rel, "\t\t\t<noCoincidentes>", "\t\t\t</noCoincidentes>"))
            .size(),
        2 + 31u);
    EXPECT_TRUE(
        prueba::Contiene(rel, Texto({"\t\t\t<separadosNDiasOMenos>", "\t\t\t\t\t<separacion>",
                                     "\t\t\t\t\t\t<sesion>1</sesion>", "\t\t\t\t\t\t<dias>3</dias>",
                                     "\t\t\t\t\t</separacion>", "\t\t\t</separadosNDiasOMenos>"})));
}

} // namespace
