// The placement table and the placing of a solved timetable, on models built record by record.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "model/colocacion.h"
#include "tests/common/avisos.h"
#include "tests/common/modelo.h"
#include "tests/common/modelo_colocacion.h"

namespace {

using namespace prueba;
using plataforma::Botones;
using plataforma::Icono;

constexpr int FIN = 0xFF;

class Colocacion : public ::testing::Test {
protected:
    Entorno entorno;
    Modelo m;

    const ENTRADACOLOCACION* En(int d, int s, int r, int p = 0, int f = 0) {
        return m->colocacion.EntradaEnCelda(p, f, d, s, r);
    }
    // The index of the entry placed in a cell, -1 for none.
    int Indice(int d, int s, int r, int p = 0, int f = 0) {
        const ENTRADACOLOCACION* e = En(d, s, r, p, f);
        return e != nullptr ? static_cast<int>(e - m->colocacion.Entradas().data()) : -1;
    }
    // The grid rows that hold an entry at (day, slot), from row 0.
    std::vector<int> Ocupadas(int d, int s, int p = 0, int f = 0) {
        std::vector<int> r;
        for (int k = 0; k < m->colocacion.Filas(); ++k)
            if (En(d, s, k, p, f) != nullptr) r.push_back(k);
        return r;
    }
};

// (main, own, subject, teacher, group, chain kind, chain end, further room, period)
using Campos = std::tuple<int, int, int, int, int, int, int, int, int>;

std::vector<Campos> CamposDe(const std::vector<ENTRADACOLOCACION>& es) {
    std::vector<Campos> r;
    for (const auto& e : es)
        r.emplace_back(e.indicePrincipal, e.indicePropio, e.materia, e.profesor, e.grupo,
                       e.tipoCadena, e.finCadena, e.aulaAdicional, e.periodo);
    return r;
}

TEST_F(Colocacion, EntradasDeLasCadenasDeSesionesPorPeriodo) {
    const int ana = m.Profesor("Ana", "P1"), luis = m.Profesor("Luis", "P2");
    const int mat = m.Materia("MAT", "M1"), fis = m.Materia("FIS", "M2");
    const int g1 = m.Grupo("1A", "G1"), g2 = m.Grupo("1B", "G2", 3);
    m.Sesion(0, mat, g1, ana);
    m.Companera('M', mat, g2, ana);
    m.Companera('P', mat, g1, luis);
    m.Companera('S', mat, g1, ana, LEC, 1);
    m.Sesion(1, fis, g2, luis);
    ASSERT_EQ(m->colocacion.CrearTablaColocacion(), 1);
    EXPECT_EQ(CamposDe(m->colocacion.Entradas()), (std::vector<Campos>{
                                                      {0, 0, 1, 1, 1, 2, 0, 0, 0},
                                                      {0, 1, 1, 1, 2, 1, 0, 0, 0},
                                                      {0, 2, 1, 2, 1, 3, 0, 0, 0},
                                                      {0, 3, 1, 1, 1, 2, FIN, 1, 0},
                                                      {4, 4, 2, 2, 2, 0, FIN, 0, 0},
                                                  }));
    // Group 1B's frame 3 does not exist in a one-frame model.
    EXPECT_EQ(m->colocacion.Entradas()[4].marco, 0);
    EXPECT_EQ(m->colocacion.Entradas()[4].tarea, LEC);
    EXPECT_EQ(m->colocacion.Entradas()[4].tipo, 0);

    // Two periods: a flag of its own for each period; no flag, or only flags of periods the
    // model does not have, is period 0. The table goes main by main, period by period.
    m->marcosHorario->FijarNumeroPeriodos(2);
    m->marcos.numMarcos = 4;
    m.SesionEn(0).periodos[1] = 1;
    m.SesionEn(4).periodos[5] = 1;
    m.Sesion(2, mat, g2, ana);
    m.SesionEn(5).periodos[0] = m.SesionEn(5).periodos[1] = 1;
    ASSERT_EQ(m->colocacion.CrearTablaColocacion(), 1);
    ASSERT_EQ(m->colocacion.Entradas().size(), 4u + 1u + 2u);
    EXPECT_EQ(m->colocacion.Entradas()[0].periodo, 1);
    EXPECT_EQ(m->colocacion.Entradas()[3].periodo, 1);
    EXPECT_EQ(m->colocacion.Entradas()[4].periodo, 0);
    EXPECT_EQ(m->colocacion.Entradas()[4].marco, 3);
    EXPECT_EQ(m->colocacion.Entradas()[5].periodo, 0);
    EXPECT_EQ(m->colocacion.Entradas()[6].periodo, 1);
    EXPECT_EQ(m->colocacion.Entradas()[6].tipoCadena, 0);
}

TEST_F(Colocacion, EntradasYFilasDeGuardiasReunionesYComplementarias) {
    const int p1 = m.Profesor("P1", "K1"), p2 = m.Profesor("P2", "K2"), p3 = m.Profesor("P3", "K3");
    m.Sesion(0, m.Materia("M", "M"), m.Grupo("G", "G"), p1);
    m->marcosHorario->FijarAulasGeneral(3);
    m.Guardia("GA", {p1, p2});
    m.Guardia("GR", {p1}, 1); // in recesses: no rows, no entries
    m.Guardia("GB", {p2});
    m.Reunion("R3", {p1, p2, p3});
    m.Reunion("R1", {p3});
    m.Reunion("R0", {});
    m.Complementaria(p2, RDP);
    m.Complementaria(p3).subMarco = -1;
    ASSERT_EQ(m->colocacion.CrearTablaColocacion(), 1);

    // (kind, activity, teacher, row, pseudo index, chain kind, chain end)
    std::vector<std::tuple<int, int, int, int, int, int, int>> actividades;
    for (std::size_t i = 1; i < m->colocacion.Entradas().size(); ++i) {
        const auto& e = m->colocacion.Entradas()[i];
        EXPECT_EQ(e.indicePrincipal, e.indicePropio);
        actividades.emplace_back(e.tipo, e.indiceActividad, e.profesor, e.fila, e.indicePropio,
                                 e.tipoCadena, e.finCadena);
    }
    // Rows: 3 room rows, 20 for each of GA and GB, one for each meeting and activity.
    EXPECT_EQ(actividades, (decltype(actividades){
                               {1, 0, p1, 3, 1, 0, FIN},
                               {1, 0, p2, 3, 2, 0, FIN},
                               {1, 2, p2, 23, 3, 0, FIN},
                               {2, 0, p1, 43, 4, 2, 0},
                               {2, 0, p2, 43, 4, 3, 0},
                               {2, 0, p3, 43, 4, 3, FIN},
                               {2, 1, p3, 44, 5, 0, FIN},
                               {3, 0, p2, 46, 7, 0, FIN},
                               {3, 1, p3, 47, 8, 0, FIN},
                           }));
    EXPECT_EQ(m->colocacion.Entradas()[1].tarea, GUA);
    EXPECT_EQ(m->colocacion.Entradas()[4].tarea, RDP);
    EXPECT_EQ(m->colocacion.Entradas()[8].tarea, RDP);
    EXPECT_EQ(m->colocacion.Filas(), 48);
    EXPECT_EQ(m->colocacion.Rejilla(0, 0).size(), 48u * 6 * 56);
    EXPECT_TRUE(m->colocacion.Rejilla(0, 1).empty());
    EXPECT_TRUE(m->colocacion.Rejilla(1, 0).empty());
}

TEST_F(Colocacion, HastaDosMilCuarentaYCincoFilas) {
    // 100 room rows + 97 duties x 20 + 5 meetings = 2045 rows fit.
    const int ana = m.Profesor("Ana", "P1");
    m.Aula("A1", "AU1");
    for (int i = 2; i <= 100; ++i)
        m.Aula(("A" + std::to_string(i)).c_str(), "");
    m.Sesion(0, m.Materia("MAT", "M1"), m.Grupo("1A", "G1"), ana);
    for (int i = 0; i < 97; ++i)
        m.Guardia(("G" + std::to_string(i)).c_str(), {});
    for (int i = 0; i < 5; ++i)
        m.Reunion(("R" + std::to_string(i)).c_str(), {ana});
    m.Guardia("GR", {}, 1);
    m->colocacion.PrepararHorario();
    EXPECT_TRUE(entorno.avisos.avisos.empty());
    EXPECT_EQ(m->colocacion.Filas(), 2045);
    m->colocacion.ColocarSesion(0, 0, 0, 0, "A1", "", 0, 0, 0);
    EXPECT_EQ(Indice(0, 0, 0), 0);

    // One complementary activity more: 2046 rows do not fit. No grid, nothing placed, but
    // recess duties still go to their table.
    m.Complementaria(ana);
    m->colocacion.PrepararHorario();
    ASSERT_EQ(entorno.avisos.avisos.size(), 1u);
    EXPECT_EQ(entorno.avisos.avisos[0].texto, "No hay capacidad.\nThere is no capacity.");
    EXPECT_EQ(entorno.avisos.avisos[0].icono, Icono::Ninguno);
    EXPECT_EQ(entorno.avisos.avisos[0].botones, Botones::Aceptar);
    EXPECT_EQ(m->colocacion.Filas(), 0);
    EXPECT_TRUE(m->colocacion.Rejilla(0, 0).empty());
    m->colocacion.ColocarSesion(0, 0, 0, 0, "A1", "", 0, 0, 0);
    m->colocacion.ColocarReunion(0, 0, 0, 0, "R0");
    EXPECT_EQ(En(0, 0, 0), nullptr);
    m->colocacion.ColocarGuardiaRecreo(0, 0, 0, 0, "GR", "Ana");
    EXPECT_EQ(m->colocacion.CeldaGuardias(0, 0, 0, 0).cuenta, 1);
}

TEST_F(Colocacion, LasFilasDeAulasSeFijanAntesDeLaRejillaYNoInvadenOtrasFilas) {
    const int ana = m.Profesor("Ana", "P1");
    const int mat = m.Materia("MAT", "M1"), g = m.Grupo("1A", "G1");
    m.Aula("A1", "AU1");
    m.Aula("A2", "AU2");
    m.Sesion(0, mat, g, ana);
    m.Guardia("GA", {ana});
    // A negative sinDeclarar left no room rows: the rooms get theirs before the grid is made.
    m->marcosHorario->FijarAulasGeneral(0);
    m->colocacion.PrepararHorario();
    EXPECT_EQ(m->marcos.numAulasGeneral, 2);
    EXPECT_EQ(m->colocacion.Filas(), 22);
    m->colocacion.ColocarSesion(0, 0, 0, 0, "A2", "", 0, 0, 0);
    EXPECT_EQ(Ocupadas(0, 0), std::vector<int>{1});

    // More rooms than room rows (at most 250): a room past them has no row, and the duty rows
    // that follow the room rows stay untouched.
    for (int i = 3; i <= 260; ++i)
        m.Aula(("A" + std::to_string(i)).c_str(), "");
    m->colocacion.PrepararHorario();
    EXPECT_EQ(m->marcos.numAulasGeneral, 250);
    m->colocacion.ColocarSesion(0, 0, 1, 0, "A251", "", 0, 0, 0);
    m->colocacion.ColocarSesion(0, 0, 1, 0, "A260", "", 0, 0, 0);
    m->colocacion.ColocarSesion(0, 0, 1, 0, "999", "", 0, 0, 1); // anonymous: no spare row left
    EXPECT_TRUE(Ocupadas(0, 1).empty());
    m->colocacion.ColocarSesion(0, 0, 1, 0, "A250", "", 0, 0, 0);
    EXPECT_EQ(Ocupadas(0, 1), std::vector<int>{249});
    m->colocacion.ColocarGuardia(0, 0, 1, 0, "GA", "Ana");
    EXPECT_EQ(Ocupadas(0, 1), (std::vector<int>{249, 250}));
}

TEST_F(Colocacion, SesionesEnAulasConNombre) {
    const int ana = m.Profesor("Ana", "P1"), luis = m.Profesor("Luis", "P2");
    const int mat = m.Materia("MAT", "M1");
    const int g1 = m.Grupo("1A", "G1"), g2 = m.Grupo("1B", "G2");
    m.Aula("A1", "AU1");
    m.Aula("A2", "AU2");
    m.Aula("A3", "AU3");
    m.Sesion(0, mat, g1, ana);
    m.Companera('S', mat, g1, ana, LEC, 1); // its further room
    m.Sesion(1, mat, g2, luis);
    m.Companera('S', mat, g2, luis); // a simultaneous session (id 1 too)
    m.SesionEn(3).id = 7;
    m.Companera('S', mat, g2, luis, LEC, 1); // the simultaneous session's further room
    m->colocacion.PrepararHorario();

    m->colocacion.ColocarSesion(0, 0, 0, 0, "A1", "", 0, 0, 0);
    m->colocacion.ColocarSesion(0, 0, 0, 0, "A2", "", 0, 1, 0); // occurrence 1: the further room
    m->colocacion.ColocarSesion(0, 0, 0, 0, "A3", "", 0, 2, 0); // there is no second one
    EXPECT_EQ(Indice(0, 0, 0), 0);
    EXPECT_EQ(Indice(0, 0, 1), 1);
    EXPECT_EQ(En(0, 0, 2), nullptr);
    // A simultaneous session is found by its own id, its further room after it; its main
    // session's further rooms never reach into it.
    m->colocacion.ColocarSesion(0, 1, 0, 0, "A1", "", 7, 0, 0);
    m->colocacion.ColocarSesion(0, 1, 0, 0, "A2", "", 7, 1, 0);
    m->colocacion.ColocarSesion(0, 1, 0, 0, "A3", "", 1, 1, 0);
    EXPECT_EQ(Indice(1, 0, 0), 3);
    EXPECT_EQ(Indice(1, 0, 1), 4);
    EXPECT_EQ(En(1, 0, 2), nullptr);

    // A named room replaces what its cell held.
    m->colocacion.ColocarSesion(0, 0, 0, 0, "a1", "", 1, 0, 0);
    EXPECT_EQ(Indice(0, 0, 0), 2);

    // Nothing is stored for an unknown room, "<cualquiera>", an unknown or negative session id,
    // a slot beyond the day's lessons, a week beyond the periods or a day outside the week.
    const std::size_t antes = Ocupadas(2, 1).size();
    m->colocacion.ColocarSesion(0, 2, 1, 0, "A9", "", 0, 0, 0);
    m->colocacion.ColocarSesion(0, 2, 1, 0, m->aulas.Cabeza()->dato.nombre, "", 0, 0, 0);
    m->colocacion.ColocarSesion(0, 2, 1, 0, "A1", "", 5, 0, 0);
    m->colocacion.ColocarSesion(0, 2, 1, 0, "A1", "", -1, 0, 0);
    m->colocacion.ColocarSesion(0, 2, 2, 0, "A1", "", 0, 0, 0);
    m->colocacion.ColocarSesion(1, 2, 1, 0, "A1", "", 0, 0, 0);
    m->colocacion.ColocarSesion(0, 6, 1, 0, "A1", "", 0, 0, 0);
    m->colocacion.ColocarSesion(0, -1, 1, 0, "A1", "", 0, 0, 0);
    EXPECT_EQ(Ocupadas(2, 1).size(), antes);
    EXPECT_EQ(antes, 0u);
}

TEST_F(Colocacion, AulasAnonimasYFilasLibres) {
    const int ana = m.Profesor("Ana", "P1");
    const int mat = m.Materia("MAT", "M1"), g = m.Grupo("1A", "G1");
    for (const char* a : {"A1", "A2", "A3", "A4"})
        m.Aula(a, a);
    for (int id = 0; id < 7; ++id)
        m.Sesion(id, mat, g, ana);
    m->marcosHorario->FijarAulasGeneral(8); // rows 0..3 for the rooms, 4..7 spare
    m->colocacion.PrepararHorario();
    ASSERT_EQ(m->colocacion.Filas(), 8);

    m->colocacion.ColocarSesion(0, 0, 0, 0, "3", "", 0, 0, 1); // row 3 is free
    m->colocacion.ColocarSesion(0, 0, 0, 0, "3", "", 1, 0, 1); // taken: the highest spare row
    m->colocacion.ColocarSesion(0, 0, 0, 0, "99999999999", "", 2, 0, 1); // no such row
    m->colocacion.ColocarSesion(0, 0, 0, 0, "x", "", 3, 0, 1);           // not a number
    m->colocacion.ColocarSesion(0, 0, 0, 0, "", "", 4, 0, 0);            // no room at all
    m->colocacion.ColocarSesion(0, 0, 0, 0, "-1", "", 5, 0, 1);          // spare rows are full
    std::vector<int> sesiones;
    for (int k = 0; k < 8; ++k)
        sesiones.push_back(Indice(0, 0, k));
    EXPECT_EQ(sesiones, (std::vector<int>{-1, -1, -1, 0, 4, 3, 2, 1}));
    // An anonymous number that is a room's row while the cell is free.
    m->colocacion.ColocarSesion(0, 1, 0, 0, "0", "", 6, 0, 1);
    EXPECT_EQ(Ocupadas(1, 0), std::vector<int>{0});
}

TEST_F(Colocacion, ElProfesorDeLaColocacionSustituyeAlDeLaCadena) {
    const int ana = m.Profesor("Ana", "P1"), luis = m.Profesor("Luis", "P2");
    m.Profesor("Eva", "P3");
    const int mat = m.Materia("MAT", "M1"), g1 = m.Grupo("1A", "G1"), g2 = m.Grupo("1B", "G2");
    m.Aula("A1", "AU1");
    m.Sesion(0, mat, g1, ana);
    m.Companera('M', mat, g2, ana);
    m.Companera('P', mat, g1, luis);
    m.Sesion(1, mat, g2, ana);
    m->colocacion.PrepararHorario();
    m->colocacion.ColocarSesion(0, 0, 0, 0, "A1", "Nadie", 0, 0, 0);
    EXPECT_EQ(m->colocacion.Entradas()[0].profesor, ana);
    m->colocacion.ColocarSesion(0, 0, 0, 0, "A1", "Eva", 0, 0, 0);
    m->colocacion.ColocarSesion(0, 1, 0, 0, "A1", "", 0, 0, 0);
    std::vector<int> profesores;
    for (const auto& e : m->colocacion.Entradas())
        profesores.push_back(e.profesor);
    EXPECT_EQ(profesores, (std::vector<int>{3, 3, luis, ana}));
    EXPECT_EQ(Indice(1, 0, 0), 0);
}

TEST_F(Colocacion, UnaFilaOcupadaEnUnTramoSolapadoDeOtroMarco) {
    // Frames A and B share their times; frame B's groups are placed in frame B's grid.
    m->marcos.numMarcos = 2;
    m->marcosHorario->Recalcular();
    const int ana = m.Profesor("Ana", "P1");
    const int mat = m.Materia("MAT", "M1");
    const int ga = m.Grupo("1A", "G1", 0), gb = m.Grupo("1B", "G2", 1);
    m.Aula("A1", "AU1");
    m.Sesion(0, mat, ga, ana);
    m.Sesion(1, mat, gb, ana);
    m.Sesion(2, mat, gb, ana);
    m.Sesion(3, mat, gb, ana);
    m->marcosHorario->FijarAulasGeneral(3); // spare rows 1 and 2
    m->colocacion.PrepararHorario();

    m->colocacion.ColocarSesion(0, 0, 0, 0, "", "", 0, 0, 0);
    EXPECT_EQ(Ocupadas(0, 0, 0, 0), std::vector<int>{2});
    // Row 2 is taken in frame A at the same time: refused as a number and as a spare row.
    m->colocacion.ColocarSesion(0, 0, 0, 0, "2", "", 1, 0, 1);
    EXPECT_EQ(Ocupadas(0, 0, 0, 1), std::vector<int>{1});
    m->colocacion.ColocarSesion(0, 0, 0, 1, "", "", 2, 0, 1);
    EXPECT_EQ(Ocupadas(0, 0, 0, 1), std::vector<int>{1});
    // A named room is the room, whatever other frames hold.
    m->colocacion.ColocarSesion(0, 0, 0, 1, "A1", "", 3, 0, 0);
    EXPECT_EQ(Ocupadas(0, 0, 0, 1), (std::vector<int>{0, 1}));
    EXPECT_EQ(Indice(0, 0, 2, 0, 0), 0);
    EXPECT_EQ(Indice(0, 0, 1, 0, 1), 1);
}

TEST_F(Colocacion, GuardiasReunionesYActividades) {
    std::vector<int> t;
    for (int i = 1; i <= 21; ++i) {
        const std::string n = (i < 10 ? "T0" : "T") + std::to_string(i);
        t.push_back(m.Profesor(n.c_str(), n.c_str()));
    }
    DHGUAR& ga = m.Guardia("GA", {});
    for (int p : t)
        ga.integrantes[ga.numIntegrantes++] = static_cast<Ref>(p);
    m.Reunion("Claustro", {t[0], t[1]});
    m.Complementaria(t[0]);
    m.Complementaria(t[1]);
    m->colocacion.PrepararHorario();
    const int r = m->marcos.numAulasGeneral; // 0: no rooms

    for (int i = 20; i >= 0; --i) // the 21st member finds the duty's rows full
        m->colocacion.ColocarGuardia(0, 0, 1, 0, "GA",
                                     ((i < 9 ? "T0" : "T") + std::to_string(i + 1)).c_str());
    std::vector<int> profesores;
    for (int k = r; k < r + 20; ++k)
        profesores.push_back(En(0, 1, k)->profesor);
    EXPECT_EQ(profesores.front(), t[20]);
    EXPECT_EQ(profesores.back(), t[1]);
    EXPECT_EQ(Ocupadas(0, 1).size(), 20u);
    m->colocacion.ColocarGuardia(0, 1, 1, 0, "GA", "Nadie");
    m->colocacion.ColocarGuardia(0, 1, 1, 0, "GX", "T01");
    m->colocacion.ColocarGuardia(0, 1, 1, 0, "GA", "");
    EXPECT_TRUE(Ocupadas(1, 1).empty());

    m->colocacion.ColocarReunion(0, 2, 0, 0, "claustro");
    m->colocacion.ColocarReunion(0, 2, 1, 0, "Otra");
    m->colocacion.ColocarComplementaria(0, 2, 0, 0, 1);
    m->colocacion.ColocarComplementaria(0, 2, 1, 0, 2);
    m->colocacion.ColocarComplementaria(0, 2, 1, 0, -1);
    EXPECT_EQ(Ocupadas(2, 0), (std::vector<int>{r + 20, r + 22}));
    EXPECT_TRUE(Ocupadas(2, 1).empty());
    const auto* reunion = En(2, 0, r + 20);
    EXPECT_EQ(reunion->tipo, 2);
    EXPECT_EQ(reunion->tipoCadena, 2);
    EXPECT_EQ(En(2, 0, r + 22)->profesor, t[1]);
}

TEST_F(Colocacion, GuardiasEnRecreos) {
    const int luis = m.Profesor("Luis", "P2");
    const auto* nodoLuis = m->profesores.NodoEnIndice(luis);
    m.Guardia("GA", {luis});
    m.Guardia("GR", {luis}, 1);
    const auto* ga = m->guardias.Cabeza();
    const auto* gr = m->guardias.Cola();
    m->colocacion.PrepararHorario();

    m->colocacion.ColocarGuardiaRecreo(0, 4, 0, 0, "GR", "Luis");
    m->colocacion.ColocarGuardiaRecreo(0, 4, 0, 3, "XX",
                                       "Luis"); // frame 3 does not exist: frame A's
    m->colocacion.ColocarGuardiaRecreo(0, 4, 0, 0, "GA", "Luis"); // any duty of that name
    const CeldaGuardiasRecreo& c = m->colocacion.CeldaGuardias(0, 0, 0, 4);
    ASSERT_EQ(c.cuenta, 3);
    EXPECT_EQ(c.pares[0].profesor, nodoLuis);
    EXPECT_EQ(c.pares[0].guardia, gr);
    EXPECT_EQ(c.pares[1].guardia, gr);
    EXPECT_EQ(c.pares[2].guardia, ga);
    for (int i = 0; i < 25; ++i)
        m->colocacion.ColocarGuardiaRecreo(0, 4, 0, 0, "GR", "Luis");
    EXPECT_EQ(c.cuenta, 20);

    // Weeks beyond the periods, days and recesses outside the table, unknown or no teacher.
    m->colocacion.ColocarGuardiaRecreo(1, 0, 0, 0, "GR", "Luis");
    m->colocacion.ColocarGuardiaRecreo(8, 0, 0, 0, "GR", "Luis");
    m->colocacion.ColocarGuardiaRecreo(0, 6, 0, 0, "GR", "Luis");
    m->colocacion.ColocarGuardiaRecreo(0, 0, 4, 0, "GR", "Luis");
    m->colocacion.ColocarGuardiaRecreo(0, 0, 0, 0, "GR", "Nadie");
    m->colocacion.ColocarGuardiaRecreo(0, 0, 0, 0, "GR", "");
    int total = 0;
    for (const auto& celda : m->colocacion.CeldasGuardias())
        total += celda.cuenta;
    EXPECT_EQ(total, 20);

    // Without a recess duty in the frame an unknown duty leaves the pair without one.
    m->guardias.Quitar(m->guardias.Cola());
    m->colocacion.ColocarGuardiaRecreo(0, 0, 0, 0, "XX", "Luis");
    EXPECT_EQ(m->colocacion.CeldaGuardias(0, 0, 0, 0).pares[0].guardia, nullptr);

    // A new table clears the recess cells.
    m->colocacion.PrepararHorario();
    EXPECT_EQ(c.cuenta, 0);
}

TEST_F(Colocacion, OtraTablaSustituyeALaAnterior) {
    const int ana = m.Profesor("Ana", "P1");
    m.Aula("A1", "AU1");
    m.Sesion(0, m.Materia("MAT", "M1"), m.Grupo("1A", "G1"), ana);
    m->colocacion.PrepararHorario();
    m->colocacion.ColocarSesion(0, 0, 0, 0, "A1", "", 0, 0, 0);
    m.Guardia("GA", {ana});
    m->colocacion.PrepararHorario();
    EXPECT_EQ(m->colocacion.Entradas().size(), 2u);
    EXPECT_EQ(m->colocacion.Filas(), 21);
    EXPECT_EQ(m->colocacion.Rejilla(0, 0).size(), 21u * 6 * 56);
    EXPECT_EQ(En(0, 0, 0), nullptr);
}

TEST(EsNumerico, SoloCifrasAscii) {
    EXPECT_EQ(EsNumerico(""), 1);
    EXPECT_EQ(EsNumerico("0123"), 1);
    for (const char* t : {"12a", "-1", " 1", "1 ", "\xB2", "\xBD"})
        EXPECT_EQ(EsNumerico(t), 0) << t;
}

// A chain is followed from any of its entries to its marked end, up to the next head (a
// simultaneous session or the next chain) or to the end of the table, whichever comes first.
TEST(TablaColocacion, SiguienteEnCadenaYVaciar) {
    auto d = ModeloPreparado(1);
    TablaColocacion& t = d->colocacion;
    auto entrada = [&](std::uint8_t tipoCadena, std::uint8_t fin) {
        ENTRADACOLOCACION e{};
        e.tipoCadena = tipoCadena;
        e.finCadena = fin;
        return t.AnadirEntrada(e);
    };
    entrada(CADENA_CABEZA, 0);        // 0: a main record with companions
    entrada(CADENA_MATERIA, 0);       // 1
    entrada(CADENA_PROFESOR, 0);      // 2
    entrada(CADENA_CABEZA, 0);        // 3: a simultaneous session
    entrada(CADENA_SOLA, FIN_CADENA); // 4: ends its chain
    entrada(CADENA_PROFESOR, 0);      // 5: the last of the table
    auto cadena = [&](std::size_t desde) {
        std::vector<std::size_t> v;
        for (const ENTRADACOLOCACION* e = &t.Entradas()[desde]; e != nullptr;
             e = t.SiguienteEnCadena(e))
            v.push_back(t.IndiceDe(e));
        return v;
    };
    EXPECT_EQ(cadena(0), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(cadena(3), (std::vector<std::size_t>{3, 4}));
    EXPECT_EQ(cadena(5), (std::vector<std::size_t>{5}));

    t.FijarFilas(2);
    t.CrearRejilla(0, 0);
    *t.CeldaRejilla(0, 0, 1, 2, 1) = 5;
    EXPECT_EQ(t.EntradaEnCelda(0, 0, 1, 2, 1), &t.Entradas()[4]);
    EXPECT_EQ(t.CeldaRejilla(0, 1, 1, 2, 1), nullptr); // a grid not built
    EXPECT_EQ(t.CeldaRejilla(0, 0, 1, 2, 2), nullptr); // past the rows
    t.CeldaGuardias(0, 0, 0, 0).cuenta = 1;
    t.Vaciar();
    EXPECT_TRUE(t.Entradas().empty());
    EXPECT_EQ(t.Filas(), 0);
    EXPECT_FALSE(t.HayRejilla(0, 0));
    EXPECT_EQ(t.CeldaGuardias(0, 0, 0, 0).cuenta, 0);
}

} // namespace

namespace {

using namespace prueba;

// The entries of duties, meetings and activities are found through an index: it must give the
// first entry a walk over the entries gives, and follow a table built again.
TEST(EntradasDeActividades, TheFirstEntryOfEachDutyAndTeacherAsAWalkFindsIt) {
    Modelo m;
    const int ana = m.Profesor("Ana", "P1"), luis = m.Profesor("Luis", "P2");
    m.Guardia("GA", {ana, luis, ana});
    m.Guardia("GB", {luis});
    ASSERT_NE(m->colocacion.CrearTablaColocacion(), 0);
    auto recorrer = [&](int profesor, int guardia) -> const ENTRADACOLOCACION* {
        for (const ENTRADACOLOCACION& e : m->colocacion.Entradas())
            if (e.tipo == ACTIVIDAD_GUARDIA && e.indiceActividad == guardia &&
                e.profesor == profesor)
                return &e;
        return nullptr;
    };
    for (int g = -1; g <= 2; ++g)
        for (const int p : {ana, luis, 0, 70000})
            EXPECT_EQ(m->colocacion.BuscarEntradaGuardia(p, g), recorrer(p, g)) << p << " " << g;
    EXPECT_NE(m->colocacion.BuscarEntradaGuardia(luis, 1), nullptr);
    // Built again with one duty less: the index follows.
    m->guardias.Quitar(m->guardias.Cola());
    ASSERT_NE(m->colocacion.CrearTablaColocacion(), 0);
    EXPECT_EQ(m->colocacion.BuscarEntradaGuardia(luis, 1), nullptr);
    EXPECT_EQ(m->colocacion.BuscarEntradaGuardia(luis, 0), recorrer(luis, 0));
}

} // namespace
