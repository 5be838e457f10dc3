#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "model/datos.h"
#include "tests/common/modelo.h"

namespace {

using NodoProfesor = MCList<DHPROF>::Nodo;

// A teacher free everywhere, with the default options.
NodoProfesor* Profesor(CDatos& d) {
    NodoProfesor* n = d.profesores.AnadirAlFinal();
    n->dato.opciones = d.marcos.valorInicialProfesores;
    RellenarMapasEmpaquetados(n->dato.plantilla, MAPA_DISPONIBLE);
    return n;
}

Ref Grupo(CDatos& d, std::int8_t submarco) {
    auto* n = d.grupos.AnadirAlFinal();
    n->dato.submarco = submarco;
    return d.Referencia<DHGRUP>(n);
}

DHSESI& Sesion(CDatos& d, Ref grupo, const NodoProfesor* profesor, const char* distribucion,
               std::initializer_list<int> periodos = {}, std::uint32_t tipo = SESION_PRINCIPAL) {
    DHSESI& s = d.sesiones.AnadirAlFinal()->dato;
    s.tipo = tipo;
    s.grupo = grupo;
    s.profesor = d.Referencia<DHPROF>(profesor);
    CopiarTexto(s.distribucion, distribucion);
    for (int p : periodos)
        s.periodos[p] = 1;
    return s;
}

// Makes the teacher's period-0 map of frame f prohibited on the given days.
void Prohibir(DHPROF& p, int f, std::initializer_list<int> dias) {
    MapaDisponibilidad m;
    DesempaquetarMapa(p.plantilla[0][f], m);
    for (int d : dias)
        for (auto& c : m.celdas[d])
            c = MAPA_PROHIBIDO;
    EmpaquetarMapa(p.plantilla[0][f], m);
}

struct Estimacion {
    int semanal, minimo, maximo, dias;
};
Estimacion Estimar(const CDatos& d, const NodoProfesor* p, int tipoDePeriodo = 0,
                   int cantidadDeDias = 0) {
    Estimacion e{};
    e.semanal = d.CalcularPermanenciaProfesor(p->dato, p, e.minimo, e.maximo, e.dias, tipoDePeriodo,
                                              cantidadDeDias);
    return e;
}

TEST(CargaProfesor, ADailyMaximumOfSixMarksTheTeacher) {
    auto d = prueba::ModeloPreparado(1);
    d->marcos.bloques[0][0].numLectivos = 4; // every day, without the per-day flag
    auto* p1 = Profesor(*d);
    const Ref g = Grupo(*d, 0);
    DHSESI& s = Sesion(*d, g, p1, "44444");

    Estimacion e = Estimar(*d, p1);
    EXPECT_EQ(e.semanal, 20);
    EXPECT_EQ(e.dias, 5);
    EXPECT_EQ(e.maximo, 6);
    EXPECT_EQ(e.minimo, 3);
    auto* p2 = Profesor(*d); // 5 / 5 + 2 = 3: exactly 6 only is marked
    Sesion(*d, g, p2, "11111");
    d->ActualizarProfesores(0x12); // without bit 0x1 nothing happens
    EXPECT_EQ(p1->dato.opciones.valorMaximasHorasCalculado, 0u);
    d->ActualizarProfesores(0x13);
    EXPECT_EQ(p1->dato.opciones.valorMaximasHorasCalculado, 1u);
    EXPECT_EQ(p2->dato.opciones.valorMaximasHorasCalculado, 0u);

    // 26 intervals: 26 / 5 + 2 = 7, not marked.
    p1->dato.opciones.valorMaximasHorasCalculado = 0;
    CopiarTexto(s.distribucion, "55555");
    Sesion(*d, g, p1, "1");
    e = Estimar(*d, p1);
    EXPECT_EQ(e.semanal, 26);
    EXPECT_EQ(e.maximo, 7);
    d->ActualizarProfesores(0x1);
    EXPECT_EQ(p1->dato.opciones.valorMaximasHorasCalculado, 0u);

    // With two intervals a day no day reaches 26 / 5 - 2 = 3 free intervals: one working day.
    d->marcos.bloques[0][0].numLectivos = 2;
    e = Estimar(*d, p1);
    EXPECT_EQ(e.dias, 1);
    EXPECT_EQ(e.maximo, 28);
}

TEST(CargaProfesor, UnavailableDays) {
    auto d = prueba::ModeloPreparado(1);
    d->marcos.bloques[0][0].numLectivos = 4;
    auto* p1 = Profesor(*d);
    Sesion(*d, Grupo(*d, 0), p1, "44444");
    Prohibir(p1->dato, 0, {0, 1});
    Estimacion e = Estimar(*d, p1);
    EXPECT_EQ(e.dias, 3);
    EXPECT_EQ(e.maximo, 8);
    d->ActualizarProfesores(0x1);
    EXPECT_EQ(p1->dato.opciones.valorMaximasHorasCalculado, 0u);

    // A day the frame does not have is unavailable too.
    MapaDisponibilidad m;
    DesempaquetarMapa(d->marcos.mapasMarco[0][0], m);
    for (auto& c : m.celdas[4])
        c = 0;
    EmpaquetarMapa(d->marcos.mapasMarco[0][0], m);
    EXPECT_EQ(Estimar(*d, p1).dias, 2);

    // Whole free days asked for by the teacher count only with diasCompletos.
    auto* p2 = Profesor(*d);
    Sesion(*d, Grupo(*d, 0), p2, "44444");
    EXPECT_EQ(Estimar(*d, p2, 0, 3).dias, 2); // Friday is already out
    EXPECT_EQ(Estimar(*d, p2, 1, 3).dias, 4);
    // With Saturday the week has six days.
    d->marcos.sabado = 1;
    EXPECT_EQ(Estimar(*d, p2, 1, 3).dias, 5);
    // A damaged interval count stays within the 56 intervals.
    d->marcos.bloques[0][0].numLectivos = 200;
    EXPECT_EQ(Estimar(*d, p2, 1, 3).dias, 5);

    EXPECT_EQ(d->ContarDiasDisponibles(0, 1, p2->dato, std::array<int, 4>{1}.data()), 0);
    EXPECT_EQ(d->ContarDiasDisponibles(6, 0, p2->dato, std::array<int, 4>{}.data()), 6);
}

TEST(CargaProfesor, PlaceholderIsNeverExamined) {
    auto d = prueba::ModeloPreparado(1);
    d->marcos.bloques[0][0].numLectivos = 4;
    NodoProfesor* marcador = d->profesores.Cabeza();
    RellenarMapasEmpaquetados(marcador->dato.plantilla, MAPA_DISPONIBLE);
    Sesion(*d, Grupo(*d, 0), marcador, "44444");
    ASSERT_EQ(Estimar(*d, marcador).maximo, 6);
    d->ActualizarProfesores(0x1);
    EXPECT_EQ(marcador->dato.opciones.valorMaximasHorasCalculado, 0u);
}

TEST(CargaProfesor, ExactTimesCountQuarterHours) {
    auto d = prueba::ModeloPreparado(1);
    d->marcos.tiemposExactos = 1;
    auto* p1 = Profesor(*d);
    const Ref t = d->Referencia<DHPROF>(p1);
    Sesion(*d, Grupo(*d, 0), p1, "11\xBD");
    DHGUAR& g = d->guardias.AnadirAlFinal()->dato;
    g.lectiva = 1;
    g.numIntegrantes = 1;
    g.integrantes[0] = t;
    g.numeroDeGuardias[0] = 2;
    EXPECT_EQ(d->ContarTramosSesiones(p1, -1), 10);
    // 10 quarters of sessions and 2 duty intervals (8 quarters): ceiling(18 / 4).
    EXPECT_EQ(Estimar(*d, p1).semanal, 5);

    // The ceiling holds below zero as well: ceiling(-10 / 4) is -2.
    DHCOMP& c = d->complementarias.AnadirAlFinal()->dato;
    c.profesor = t;
    c.lectiva = 1;
    c.intervalosSemanales = -7;
    EXPECT_EQ(Estimar(*d, p1).semanal, -2);
}

TEST(CargaProfesor, SessionChainsAndFilters) {
    auto d = prueba::ModeloPreparado(1);
    d->marcos.numMarcos = 2;
    d->marcosHorario->FijarNumeroPeriodos(2);
    auto* p1 = Profesor(*d);
    auto* p2 = Profesor(*d);
    const Ref g0 = Grupo(*d, 0), g1 = Grupo(*d, 1), g5 = Grupo(*d, 5), gm = Grupo(*d, -1);

    // A chain counts once, with its main record's distribution.
    Sesion(*d, g0, p2, "2");
    Sesion(*d, g0, p1, "5", {}, SESION_PROFESOR);
    Sesion(*d, g0, p1, "5", {}, SESION_PROFESOR);
    Sesion(*d, g1, p1, "3");
    // Frames out of range (5, and -1 read as 255) are frame 0.
    Sesion(*d, g5, p1, "1", {1}); // not in period 0
    Sesion(*d, gm, p1, "1", {0, 1});
    Sesion(*d, g0, p1, "1", {3}); // flagged only for a period the model lacks: not in period 0
    // A main record left out by a filter does not take its companions with it: the next
    // record starts a chain of its own.
    Sesion(*d, g1, p2, "4");
    Sesion(*d, g0, p1, "1", {}, SESION_MATERIA);

    EXPECT_EQ(d->ContarTramosSesiones(p1, -1), 2 + 3 + 1 + 4);
    EXPECT_EQ(d->ContarTramosSesiones(p1, 0), 2 + 1 + 1);
    EXPECT_EQ(d->ContarTramosSesiones(p1, 1), 3 + 4);
    EXPECT_EQ(d->ContarTramosSesiones(p2, -1), 2 + 4);
    d->marcosHorario->FijarNumeroPeriodos(1);
    EXPECT_EQ(d->ContarTramosSesiones(p1, -1), 2 + 3 + 1 + 1 + 1 + 4);
}

TEST(CargaProfesor, MeetingsDutiesAndActivities) {
    auto d = prueba::ModeloPreparado(1);
    d->marcos.numMarcos = 2;
    auto* p1 = Profesor(*d);
    auto* p2 = Profesor(*d);
    const Ref t1 = d->Referencia<DHPROF>(p1), t2 = d->Referencia<DHPROF>(p2);

    auto reunion = [&](int n, std::initializer_list<Ref> miembros, int lectiva = 1,
                       std::int8_t subMarco = 0) -> DHREUN& {
        DHREUN& r = d->reuniones.AnadirAlFinal()->dato;
        r.numeroDeReuniones = static_cast<std::uint8_t>(n);
        r.lectiva = static_cast<std::uint8_t>(lectiva);
        r.subMarco = subMarco;
        for (Ref m : miembros)
            r.integrantes[r.numIntegrantes++] = m;
        return r;
    };
    reunion(3, {t2, t1});
    reunion(0x82, {t1}); // two of double length
    reunion(0x80, {t1}); // 128 is a count, not a flag
    reunion(5, {t1}, 0); // not lectiva
    reunion(7, {t2});
    reunion(1, {t1}, 1, 1);
    reunion(1, {t1}).numIntegrantes = 255; // a damaged count stays within the 200 members
    reunion(1, {t2}).numIntegrantes = 255;
    EXPECT_EQ(d->ContarTramosReuniones(p1, -1), 3 + 4 + 128 + 1 + 1);
    EXPECT_EQ(d->ContarTramosReuniones(p1, 1), 1);

    auto guardia = [&](int enRecreos, std::initializer_list<std::pair<Ref, int>> miembros,
                       int lectiva = 1) -> DHGUAR& {
        DHGUAR& g = d->guardias.AnadirAlFinal()->dato;
        g.enRecreos = enRecreos;
        g.lectiva = static_cast<std::uint8_t>(lectiva);
        for (auto [m, n] : miembros) {
            g.integrantes[g.numIntegrantes] = m;
            g.numeroDeGuardias[g.numIntegrantes++] = static_cast<std::uint8_t>(n);
        }
        return g;
    };
    guardia(0, {{t2, 9}, {t1, 2}, {t1, 5}}); // listed twice: the first listing counts
    guardia(1, {{t1, 3}});
    guardia(2, {{t1, 4}}); // neither lessons nor recesses
    guardia(0, {{t1, 6}}, 0);
    guardia(0, {{t1, 1}}).numIntegrantes = 200; // stays within the 128 members
    guardia(0, {{t2, 1}}).numIntegrantes = 200;
    EXPECT_EQ(d->ContarTramosGuardias(p1, -1, false), 2 + 1);
    EXPECT_EQ(d->ContarTramosGuardias(p1, -1, true), 3);
    EXPECT_EQ(d->ContarTramosGuardias(p2, 0, false), 9 + 1);

    auto actividad = [&](Ref profesor, int intervalos, int lectiva = 1) {
        DHCOMP& c = d->complementarias.AnadirAlFinal()->dato;
        c.profesor = profesor;
        c.intervalosSemanales = static_cast<std::int8_t>(intervalos);
        c.lectiva = static_cast<std::uint8_t>(lectiva);
        c.periodos[1] = 1; // with one period the flags do not matter
    };
    actividad(t1, 3);
    actividad(t1, 5, 0);
    actividad(t2, 4);
    actividad(t1, -1);
    EXPECT_EQ(d->ContarTramosComplementarias(p1, -1), 2);
    EXPECT_EQ(d->ContarTramosComplementarias(p1, 1), 0);
}

TEST(CargaProfesor, OnlyTheFramesTheTeacherWorksInCount) {
    auto d = prueba::ModeloPreparado(1);
    d->marcos.numMarcos = 2;
    d->marcos.bloques[0][0].numLectivos = 4;
    d->marcos.bloques[1][0].numLectivos = 4;
    auto* p1 = Profesor(*d);
    Sesion(*d, Grupo(*d, 1), p1, "555");
    Prohibir(p1->dato, 1, {0, 1});
    // Frame A is free all week but the teacher has no work there: 15 / 3 + 2.
    const Estimacion e = Estimar(*d, p1);
    EXPECT_EQ(e.dias, 3);
    EXPECT_EQ(e.maximo, 7);
}

TEST(CargaProfesor, ReferencesAsNodesInMode0) {
    auto d = prueba::ModeloPreparado(0);
    auto* p1 = Profesor(*d);
    Sesion(*d, Grupo(*d, 0), p1, "5");
    DHREUN& r = d->reuniones.AnadirAlFinal()->dato;
    r.numeroDeReuniones = 2;
    r.lectiva = 1;
    r.numIntegrantes = 1;
    r.integrantes[0] = CDatos::RefDeNodo<DHPROF>(p1);
    EXPECT_EQ(d->ContarTramosSesiones(p1, -1), 5);
    EXPECT_EQ(d->ContarTramosReuniones(p1, 0), 2);
    EXPECT_EQ(d->ContarTramosSesiones(d->profesores.Cabeza(), -1), 0);
}

} // namespace

namespace {

// The counts of every teacher gathered in one pass equal each teacher's own counts, with chains
// that name a teacher twice, records in other frames and periods, meetings and duties listing a
// teacher twice, and duties in and out of the recesses.
TEST(CargaProfesor, AllTeachersAtOnceCountAsEachAlone) {
    for (const int exacto : {0, 1}) {
        auto d = prueba::ModeloPreparado(1);
        d->marcos.numMarcos = 3;
        d->marcos.tiemposExactos = static_cast<std::uint8_t>(exacto);
        d->marcosHorario->FijarNumeroPeriodos(2);
        std::vector<NodoProfesor*> p;
        for (int i = 0; i < 4; ++i)
            p.push_back(Profesor(*d));
        const Ref g[] = {Grupo(*d, 0), Grupo(*d, 1), Grupo(*d, 2), Grupo(*d, -1)};
        for (int k = 0; k < 12; ++k) {
            Sesion(*d, g[k % 4], p[k % 4], k % 3 == 0 ? "221" : "1", {k % 2});
            Sesion(*d, g[k % 4], p[(k + 1) % 4], "", {}, k % 2 == 0 ? SESION_PROFESOR : 'S');
            Sesion(*d, g[k % 4], p[k % 4], "", {}, SESION_MATERIA); // the same teacher again
        }
        const Ref t0 = d->Referencia<DHPROF>(p[0]), t1 = d->Referencia<DHPROF>(p[1]);
        DHREUN& m = d->reuniones.AnadirAlFinal()->dato;
        m.lectiva = 1;
        m.numeroDeReuniones = 130; // two of double length
        m.numIntegrantes = 3;
        m.integrantes[0] = t0;
        m.integrantes[1] = t1;
        m.integrantes[2] = t0;
        for (const int recreos : {0, 1, 2}) {
            DHGUAR& u = d->guardias.AnadirAlFinal()->dato;
            u.lectiva = 1;
            u.enRecreos = static_cast<std::uint8_t>(recreos);
            u.subMarco = static_cast<std::int8_t>(recreos);
            u.numIntegrantes = 3;
            u.integrantes[0] = t1;
            u.numeroDeGuardias[0] = 2;
            u.integrantes[1] = t0;
            u.numeroDeGuardias[1] = 1;
            u.integrantes[2] = t1;
            u.numeroDeGuardias[2] = 5;
        }
        DHCOMP& c = d->complementarias.AnadirAlFinal()->dato;
        c.profesor = t1;
        c.lectiva = 1;
        c.subMarco = 1;
        c.intervalosSemanales = 3;

        const CDatos::CargasProfesores cargas = d->ContarCargasProfesores();
        for (NodoProfesor* n : p) {
            const auto e = cargas.find(d->Referencia<DHPROF>(n));
            ASSERT_NE(e, cargas.end());
            for (int marco = -1; marco < 3; ++marco) {
                const int otras = d->ContarTramosGuardias(n, marco, true) +
                                  d->ContarTramosGuardias(n, marco, false) +
                                  d->ContarTramosReuniones(n, marco) +
                                  d->ContarTramosComplementarias(n, marco);
                EXPECT_EQ(e->second[static_cast<std::size_t>(marco + 1)],
                          d->ContarTramosSesiones(n, marco) + (exacto ? 4 : 1) * otras)
                    << "exacto " << exacto << ", marco " << marco;
            }
            int a[4], b[4];
            EXPECT_EQ(d->EstimarPermanencia(n->dato, e->second, a[0], a[1], a[2], 0, 1),
                      d->CalcularPermanenciaProfesor(n->dato, n, b[0], b[1], b[2], 0, 1));
            EXPECT_TRUE(a[0] == b[0] && a[1] == b[1] && a[2] == b[2]);
        }
    }
}

} // namespace
