#include "model/marcos.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

namespace {

HorasTramo H(int he, int me, int hs, int ms) {
    return {static_cast<std::uint8_t>(he), static_cast<std::uint8_t>(me),
            static_cast<std::uint8_t>(hs), static_cast<std::uint8_t>(ms)};
}

bool Iguales(const HorasTramo& a, const HorasTramo& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class MarcosTest : public ::testing::Test {
protected:
    // The block is about 400 KB: never on the stack.
    std::unique_ptr<DHMARCOS> datos = std::make_unique<DHMARCOS>();
    CMarcosHorario mh{datos.get()};

    void SetUp() override { mh.Inicializar(); }

    // Gives frame f on day d exactly these lectivo intervals.
    void Tramos(int f, int d, std::initializer_list<HorasTramo> horas) {
        BloqueMarcoDia& b = datos->bloques[f][d];
        b.numLectivos = static_cast<std::uint8_t>(horas.size());
        int i = 0;
        for (const HorasTramo& h : horas)
            b.horas[i++] = h;
    }
};

TEST_F(MarcosTest, InicializarAppliesEveryDefault) {
    // Whatever the block held before is gone.
    std::memset(datos.get(), 0xAB, sizeof *datos);
    mh.Inicializar();
    const DHMARCOS& m = *datos;
    EXPECT_EQ(m.numPeriodos, 1);
    EXPECT_EQ(m.numMarcos, 1);
    EXPECT_EQ(m.opciones, 0x12u);
    EXPECT_EQ(m.sabado | m.porDia | m.tiemposExactos | m.perfil | m.numAulasGeneral, 0);
    EXPECT_EQ(m.lectivaPorDefecto | m.reunionPorDefecto | m.guardiaPorDefecto, 0u);
    const char* claves[] = {"L", "M", "X", "J", "V", "S"};
    for (int d = 0; d < NUM_DIAS; ++d)
        EXPECT_STREQ(m.claveXDias[d], claves[d]);
    const char* nombres[] = {"Marco A", "Marco B", "Marco C", "Marco D"};
    for (int f = 0; f < NUM_MARCOS; ++f) {
        EXPECT_STREQ(m.nombresMarco[f], nombres[f]);
        EXPECT_STREQ(m.clavesMarco[f], "");
        for (int d = 0; d < NUM_DIAS; ++d) {
            const BloqueMarcoDia& b = m.bloques[f][d];
            EXPECT_EQ(b.numLectivos, 2);
            EXPECT_TRUE(Iguales(b.horas[0], H(8, 30, 9, 20)));
            EXPECT_TRUE(Iguales(b.horas[1], H(9, 25, 10, 15)));
            EXPECT_TRUE(Iguales(b.horas[2], H(10, 20, 11, 10)));
            EXPECT_TRUE(Iguales(b.horas[3], H(0, 0, 0, 0)));
            EXPECT_EQ(b.posMediodia, 0);
            EXPECT_EQ(b.numRecreos, 0);
            for (int k = 0; k < MAX_RECREOS; ++k) {
                EXPECT_EQ(b.posRecreos[k], 1);
                EXPECT_STREQ(b.nombresRecreo[k], "");
                EXPECT_STREQ(b.clavesRecreo[k], "");
            }
            EXPECT_STREQ(b.nombres[0], "");
            EXPECT_STREQ(b.nombreMediodia, "");
        }
        for (int p = 0; p < NUM_PERIODOS; ++p)
            EXPECT_EQ(m.mapasMarco[p][f].celdas[55], 3906); // every day's cell 1
    }
    const std::uint8_t pesos[16] = {4, 3, 1, 2, 5, 2, 1, 2, 1, 3, 3, 3, 2, 2, 1, 1};
    EXPECT_EQ(std::memcmp(m.criterios.pesos, pesos, 16), 0);
    EXPECT_EQ(m.criterios.optativaSolapadaCoincidan, 0x01);
    EXPECT_EQ(m.criterios.cambiosAulaOrdenProfesores, 0x21);

    const OpcionesProfesor& p = m.valorInicialProfesores;
    EXPECT_EQ(p.permanenciaSemanalEstricta, 300);
    EXPECT_EQ(p.permanenciaSemanal, 25);
    EXPECT_EQ(p.maximasHorasSeguidas, 5);
    EXPECT_EQ(p.prioridad, 1);
    EXPECT_EQ(p.nIntervalosSalirUltimaEntrarPrimera, 1);
    EXPECT_EQ(p.nIntervalosEntrarPrimeraSalirUltima, 1);
    EXPECT_EQ(p.permanenciaDiariaEstricta, 50);
    EXPECT_EQ(p.permanenciaDiaria, 5);
    EXPECT_EQ(p.tipoDePeriodo | p.incompatibilidades | p.considerarMaximasHorasDiarias, 0u);
    EXPECT_EQ(m.valorInicialSesiones.penaSalirUltimaEntrarPrimera, 1);
    EXPECT_EQ(m.valorInicialSesiones.permitirImpartanEnDiasSeguidos, 0u);

    // Derived tables of one frame over a five-day week.
    EXPECT_EQ(mh.totalComunes, 10u);
    EXPECT_EQ(mh.maxComunes, 2u);
    EXPECT_EQ(mh.primerIndiceDia[4], 8u);
    EXPECT_EQ(mh.numComunesDia[5], 0u);
    EXPECT_EQ(mh.indiceComun[0][0][1], 1);
    EXPECT_EQ(mh.duraciones[2][5][55], 1);
    EXPECT_EQ(m.solapesLectivos[0][0][0][0].marco, 0);
}

TEST(SeSolapan, TouchingCoveringAndMidnight) {
    EXPECT_FALSE(SeSolapan(H(8, 0, 9, 0), H(9, 0, 10, 0)));
    EXPECT_FALSE(SeSolapan(H(9, 0, 10, 0), H(8, 0, 9, 0)));
    EXPECT_TRUE(SeSolapan(H(23, 0, 1, 0), H(0, 30, 2, 0)));
    EXPECT_TRUE(SeSolapan(H(0, 30, 2, 0), H(23, 0, 1, 0)));
    EXPECT_FALSE(SeSolapan(H(22, 0, 23, 0), H(0, 30, 2, 0)));
    EXPECT_TRUE(SeSolapan(H(8, 30, 9, 20), H(8, 30, 9, 20)));
    EXPECT_TRUE(SeSolapan(H(9, 0, 9, 10), H(8, 0, 12, 0))); // b covers a
    EXPECT_TRUE(SeSolapan(H(8, 0, 12, 0), H(9, 0, 9, 10))); // a covers b
    EXPECT_TRUE(SeSolapan(H(8, 0, 9, 0), H(8, 59, 10, 0))); // one minute in common
}

TEST_F(MarcosTest, CommonNumberingAcrossFrames) {
    datos->numMarcos = 2;
    Tramos(0, 0, {H(8, 0, 9, 0), H(9, 0, 10, 0)});
    Tramos(1, 0, {H(8, 30, 9, 30)});
    mh.Recalcular();
    EXPECT_EQ(mh.indiceComun[0][0][0], 0);
    EXPECT_EQ(mh.indiceComun[1][0][0], 0);
    EXPECT_EQ(mh.indiceComun[0][0][1], 1);
    EXPECT_EQ(mh.indiceComun[1][0][1], 0xFF);
    EXPECT_EQ(mh.numComunesDia[0], 2u);
    EXPECT_EQ(mh.primerIndiceDia[1], 2u);

    // Identical intervals share each number.
    Tramos(1, 0, {H(8, 0, 9, 0), H(9, 0, 10, 0)});
    mh.Recalcular();
    EXPECT_EQ(mh.indiceComun[1][0][0], 0);
    EXPECT_EQ(mh.indiceComun[1][0][1], 1);
    EXPECT_EQ(mh.numComunesDia[0], 2u);

    // A frame with no lectivo interval that day takes no part.
    Tramos(1, 0, {});
    mh.Recalcular();
    EXPECT_EQ(mh.numComunesDia[0], 2u);
    EXPECT_EQ(mh.indiceComun[0][0][1], 1);
}

TEST_F(MarcosTest, CommonNumberingStopsAt56Steps) {
    // Two frames of 56 disjoint five-minute intervals each need 112 steps.
    datos->numMarcos = 2;
    for (int i = 0; i < NUM_INTERVALOS; ++i) {
        const int a = 300 + 10 * i;
        const int b = a + 5;
        datos->bloques[0][0].horas[i] = H(a / 60, a % 60, (a + 5) / 60, (a + 5) % 60);
        datos->bloques[1][0].horas[i] = H(b / 60, b % 60, (b + 5) / 60, (b + 5) % 60);
    }
    datos->bloques[0][0].numLectivos = NUM_INTERVALOS;
    datos->bloques[1][0].numLectivos = NUM_INTERVALOS;
    mh.Recalcular();
    EXPECT_EQ(mh.numComunesDia[0], 56u);
    EXPECT_EQ(mh.maxComunes, 56u);
    EXPECT_EQ(mh.indiceComun[1][0][27], 55);
    EXPECT_EQ(mh.indiceComun[0][0][28], 0xFF);
    EXPECT_EQ(mh.primerIndiceDia[1], 56u);
}

TEST_F(MarcosTest, LengthsFollowClassesOnlyWithExactTimes) {
    BloqueMarcoDia& b = datos->bloques[0][0];
    b.claseDuracion[0] = 1;
    b.claseDuracion[1] = 2;
    mh.Recalcular();
    EXPECT_EQ(mh.duraciones[0][0][0], 1);
    EXPECT_EQ(mh.duraciones[0][0][1], 1);

    datos->tiemposExactos = 1;
    mh.Recalcular();
    EXPECT_EQ(mh.duraciones[0][0][0], 3);
    EXPECT_EQ(mh.duraciones[0][0][1], 2);
    EXPECT_EQ(mh.duraciones[0][0][2], 4);
    // Without the per-day flag every day follows day 0's block.
    EXPECT_EQ(mh.duraciones[0][3][0], 3);
}

TEST_F(MarcosTest, DefaultIntervalRecessAndMiddayNames) {
    std::strcpy(datos->bloques[1][2].nombres[1], "X");
    mh.NombrarTramosDia(1, 2);
    const BloqueMarcoDia& b = datos->bloques[1][2];
    EXPECT_STREQ(b.nombres[0], "B1");
    EXPECT_STREQ(b.nombres[1], "X"); // a name already set stays
    EXPECT_STREQ(b.nombres[55], "B56");
    EXPECT_STREQ(b.nombresRecreo[0], "RB1");
    EXPECT_STREQ(b.nombresRecreo[3], "RB4");
    EXPECT_STREQ(b.nombreMediodia, "MB");

    mh.NombrarTramosPorDefecto();
    const BloqueMarcoDia& a = datos->bloques[0][5];
    EXPECT_STREQ(a.nombres[0], "1");
    EXPECT_STREQ(a.nombres[55], "56");
    EXPECT_STREQ(a.nombresRecreo[3], "R4");
    EXPECT_STREQ(a.nombreMediodia, "M");
    EXPECT_STREQ(datos->bloques[3][0].nombresRecreo[0], "RD1");
    mh.NombrarTramosDia(4, 0); // no such frame: nothing happens
    mh.NombrarTramosDia(0, -1);

    EXPECT_EQ(CMarcosHorario::NombreMarcoPorDefecto(3), "Marco D");
    EXPECT_EQ(CMarcosHorario::NombreMarcoPorDefecto(4), "");
    EXPECT_EQ(CMarcosHorario::NombreMarcoPorDefecto(-1), "");
}

TEST_F(MarcosTest, EstablecerMarcoTrimsCutsAndIgnoresBadIndices) {
    mh.EstablecerMarco("  Tarde larga\t", "  clave  ", 2);
    EXPECT_EQ(datos->numMarcos, 3);
    EXPECT_STREQ(datos->nombresMarco[2], "Tarde l");
    EXPECT_STREQ(datos->clavesMarco[2], "clave");

    mh.EstablecerMarco("Otro", "k", 4);
    mh.EstablecerMarco("Otro", "k", -1);
    EXPECT_EQ(datos->numMarcos, 3);

    // Empty or blank texts keep what the frame had.
    mh.EstablecerMarco(" \r\n", "", 1);
    EXPECT_EQ(datos->numMarcos, 2);
    EXPECT_STREQ(datos->nombresMarco[1], "Marco B");

    const std::string larga(600, 'k');
    mh.EstablecerMarco(nullptr, larga.c_str(), 0);
    EXPECT_EQ(std::strlen(datos->clavesMarco[0]), 500u);
    EXPECT_STREQ(datos->nombresMarco[0], "Marco A");
}

TEST_F(MarcosTest, NombreTramoFollowsThePerDayRule) {
    std::strcpy(datos->bloques[1][0].nombresRecreo[2], "R-lunes");
    std::strcpy(datos->bloques[1][0].clavesRecreo[2], "K-lunes");
    std::strcpy(datos->bloques[1][3].nombresRecreo[2], "R-jueves");
    std::string nombre, clave;
    mh.NombreTramo(1, 3, 2, nombre, clave);
    EXPECT_EQ(nombre, "R-lunes");
    EXPECT_EQ(clave, "K-lunes");
    datos->porDia = 1;
    mh.NombreTramo(1, 3, 2, nombre, clave);
    EXPECT_EQ(nombre, "R-jueves");
    EXPECT_EQ(clave, "");
    mh.NombreTramo(1, 3, 4, nombre, clave);
    EXPECT_EQ(nombre, "");
    EXPECT_EQ(mh.Bloque(7, 0).numLectivos, 0);
}

TEST_F(MarcosTest, SortKeepsUnsetSlotsInPlace) {
    Tramos(0, 1,
           {H(11, 0, 12, 0), H(9, 0, 10, 0), H(0, 0, 0, 0), H(13, 0, 14, 0), H(12, 0, 13, 0),
            H(12, 0, 12, 30)});
    BloqueMarcoDia& b = datos->bloques[0][1];
    const char* nombres[] = {"once", "nueve", "vacio", "trece", "doce", "doce2"};
    for (int i = 0; i < 6; ++i)
        std::strcpy(b.nombres[i], nombres[i]);
    b.claseDuracion[0] = 2;
    b.claseDuracion[4] = 1;
    mh.OrdenarTramosDia(0, 1);
    EXPECT_TRUE(Iguales(b.horas[0], H(9, 0, 10, 0)));
    EXPECT_TRUE(Iguales(b.horas[1], H(11, 0, 12, 0)));
    EXPECT_TRUE(Iguales(b.horas[2], H(0, 0, 0, 0)));
    EXPECT_TRUE(Iguales(b.horas[3], H(12, 0, 13, 0)));
    EXPECT_TRUE(Iguales(b.horas[4], H(12, 0, 12, 30))); // equal starts keep their order
    EXPECT_TRUE(Iguales(b.horas[5], H(13, 0, 14, 0)));
    EXPECT_STREQ(b.nombres[0], "nueve");
    EXPECT_STREQ(b.nombres[1], "once");
    EXPECT_STREQ(b.nombres[2], "vacio");
    EXPECT_STREQ(b.nombres[3], "doce");
    EXPECT_STREQ(b.nombres[5], "trece");
    EXPECT_EQ(b.claseDuracion[1], 2);
    EXPECT_EQ(b.claseDuracion[3], 1);

    // OrdenarTramos sorts only frames in use.
    Tramos(1, 0, {H(10, 0, 11, 0), H(8, 0, 9, 0)});
    mh.OrdenarTramos();
    EXPECT_EQ(datos->bloques[1][0].horas[0].horaEntrada, 10);
    datos->numMarcos = 2;
    mh.OrdenarTramos();
    EXPECT_EQ(datos->bloques[1][0].horas[0].horaEntrada, 8);
}

TEST_F(MarcosTest, OverlapListsAndTheirCap) {
    Tramos(0, 0, {H(8, 0, 8, 50), H(9, 10, 10, 0)});
    Tramos(1, 0, {H(8, 0, 8, 55), H(9, 5, 10, 0)});
    Tramos(2, 0, {H(8, 0, 10, 0)});
    for (int f = 0; f < 2; ++f) {
        datos->bloques[f][0].numRecreos = 1; // A: 08:50-09:10, B: 08:55-09:05
        datos->bloques[f][0].posRecreos[0] = 1;
    }
    mh.Recalcular();
    const DHMARCOS& m = *datos;
    EXPECT_EQ(m.solapesLectivos[0][0][0][0].marco, 0); // one frame: no lists

    datos->numMarcos = 2; // frame C exists in the block but is not in use
    mh.Recalcular();
    auto par = [](const ParSolape& p) { return std::pair<int, int>(p.marco, p.indice); };
    using P = std::pair<int, int>;
    EXPECT_EQ(par(m.solapesLectivos[0][0][0][0]), P(2, 0));
    EXPECT_EQ(m.solapesLectivos[0][0][0][1].marco, 0);
    EXPECT_EQ(par(m.solapesLectivos[0][0][1][0]), P(2, 1));
    EXPECT_EQ(par(m.solapesLectivos[1][0][1][0]), P(1, 1));
    EXPECT_EQ(par(m.solapesRecreoLectivo[0][0][0][0]), P(2, 0));
    EXPECT_EQ(par(m.solapesRecreoLectivo[0][0][0][1]), P(2, 1));
    EXPECT_EQ(par(m.solapesRecreos[0][0][0][0]), P(2, 0));
    EXPECT_EQ(par(m.solapesLectivoRecreo[1][0][0][0]), P(1, 0));
    EXPECT_EQ(m.solapesLectivoRecreo[0][0][0][0].marco, 0);
    // Without the per-day flag every day repeats day 0.
    EXPECT_EQ(par(m.solapesLectivos[0][4][1][0]), P(2, 1));
    EXPECT_EQ(m.solapesLectivos[0][5][1][0].marco, 0); // no Saturday

    // At most nine pairs per list.
    datos->numMarcos = 3;
    Tramos(1, 0,
           {H(8, 0, 8, 10), H(8, 10, 8, 20), H(8, 20, 8, 30), H(8, 30, 8, 40), H(8, 40, 8, 50),
            H(8, 50, 9, 0), H(9, 0, 9, 10), H(9, 10, 9, 20), H(9, 20, 9, 30), H(9, 30, 9, 40)});
    mh.Recalcular();
    const ParSolape* c = m.solapesLectivos[2][0][0]; // C 08:00-10:00 meets A0, A1, B0..B9
    EXPECT_EQ(par(c[0]), P(1, 0));
    EXPECT_EQ(par(c[1]), P(1, 1));
    for (int k = 2; k < MAX_SOLAPES; ++k)
        EXPECT_EQ(par(c[k]), P(2, k - 2));
    EXPECT_EQ(par(m.solapesLectivos[1][0][9][0]), P(1, 1));
    EXPECT_EQ(par(m.solapesLectivos[1][0][9][1]), P(3, 0));
}

TEST_F(MarcosTest, OutOfRangeFieldsStayInsideTheArrays) {
    // Fields set out of range by hand: every loop stays inside the fixed arrays.
    datos->numMarcos = 200;
    datos->sabado = 1;
    datos->tiemposExactos = 1;
    for (int f = 0; f < NUM_MARCOS; ++f) {
        for (int d = 0; d < NUM_DIAS; ++d) {
            BloqueMarcoDia& b = datos->bloques[f][d];
            b.numLectivos = 255;
            b.numRecreos = 200;
            for (int k = 0; k < MAX_RECREOS; ++k)
                b.posRecreos[k] = static_cast<std::uint8_t>(k == 0 ? 0 : 56 + k);
            for (int i = 0; i < NUM_INTERVALOS; ++i)
                b.horas[i] = H(8 + i % 10, 0, 8 + i % 10, 30);
        }
    }
    mh.Recalcular();
    mh.OrdenarTramos();
    EXPECT_EQ(mh.numComunesDia[5], 56u);
    EXPECT_EQ(datos->solapesRecreos[0][0][0][0].marco, 0);  // positions name no interval pair
    EXPECT_EQ(datos->solapesLectivos[3][5][0][8].marco, 2); // six of A, then B
}

TEST_F(MarcosTest, PeriodAndRoomCountInvariants) {
    const std::pair<int, int> periodos[] = {{0, 1}, {-4, 1}, {3, 3}, {6, 6}, {7, 6}, {300, 6}};
    for (auto [n, esperado] : periodos) {
        mh.FijarNumeroPeriodos(n);
        EXPECT_EQ(datos->numPeriodos, esperado) << n;
    }
    const std::pair<int, int> aulas[] = {{-3, 0},    {0, 0},     {17, 17},
                                         {250, 250}, {251, 250}, {300, 250}};
    for (auto [n, esperado] : aulas) {
        mh.FijarAulasGeneral(n);
        EXPECT_EQ(datos->numAulasGeneral, esperado) << n;
    }
    EXPECT_EQ(mh.DiasSemana(), 5);
    datos->sabado = 1;
    EXPECT_EQ(mh.DiasSemana(), 6);
}

} // namespace
