#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/mapas.h"

namespace {

TEST(Mapas, PackUnpackRoundTripAndKnownValues) {
    MapaDisponibilidad m{};
    for (int d = 0; d < NUM_DIAS; ++d)
        for (int i = 0; i < NUM_INTERVALOS; ++i)
            m.celdas[d][i] = static_cast<std::int8_t>((d * 7 + i) % 5);
    MapaEmpaquetado e;
    EmpaquetarMapa(e, m);
    MapaDisponibilidad v;
    DesempaquetarMapa(e, v);
    for (int d = 0; d < NUM_DIAS; ++d)
        for (int i = 0; i < NUM_INTERVALOS; ++i)
            ASSERT_EQ(v.celdas[d][i], m.celdas[d][i]);

    MapaEmpaquetado mapas[NUM_PERIODOS][NUM_MARCOS];
    RellenarMapasEmpaquetados(mapas, 3);
    EXPECT_EQ(mapas[0][0].celdas[0], 11718);
    EXPECT_EQ(mapas[5][3].celdas[55], 11718);
    RellenarMapasEmpaquetados(mapas, 1);
    EXPECT_EQ(mapas[2][1].celdas[10], 3906);
    // Day 0 is the least significant digit.
    MapaDisponibilidad uno{};
    uno.celdas[1][4] = 2;
    EmpaquetarMapa(e, uno);
    EXPECT_EQ(e.celdas[4], 10);
}

// A map of one value in every cell, and one that differs in its last cell, pack as their cells
// say; values outside 0..4 count as the nearest of them.
TEST(Mapas, UniformMapsPackLikeAnyOther) {
    for (const int valor : {0, 1, 4, -3, 9}) {
        MapaDisponibilidad m;
        std::memset(&m, valor, sizeof m);
        const int celda = valor < 0 ? 0 : valor > 4 ? 4 : valor;
        for (const bool ultimaDistinta : {false, true}) {
            if (ultimaDistinta) m.celdas[NUM_DIAS - 1][NUM_INTERVALOS - 1] = 2;
            MapaEmpaquetado e;
            EmpaquetarMapa(e, m);
            MapaDisponibilidad v;
            DesempaquetarMapa(e, v);
            for (int d = 0; d < NUM_DIAS; ++d)
                for (int i = 0; i < NUM_INTERVALOS; ++i) {
                    const bool distinta =
                        ultimaDistinta && d == NUM_DIAS - 1 && i == NUM_INTERVALOS - 1;
                    ASSERT_EQ(v.celdas[d][i], distinta ? 2 : celda) << valor;
                }
        }
    }
}

TEST(Duraciones, BothTables) {
    const std::string codigos = "\xBC\xBD\xBE"
                                "1&2345X";
    const int cuartos[] = {1, 2, 3, 4, 6, 8, 12, 16, 20, 0};
    const int intervalos[] = {0, 1, 1, 1, 2, 2, 3, 4, 5, 0};
    for (std::size_t k = 0; k < codigos.size(); ++k) {
        EXPECT_EQ(CuartosDeHora(codigos[k]), cuartos[k]) << k;
        EXPECT_EQ(IntervalosDeDuracion(codigos[k]), intervalos[k]) << k;
    }
    const char c = static_cast<char>(0xBC); // a plain (signed) char holding 0xBC
    EXPECT_EQ(CuartosDeHora(c), 1);
    EXPECT_EQ(IntervalosDeDuracion(c), 0);
}

std::string Distribucion(int total, bool exacto, int n) {
    char buffer[16];
    std::memset(buffer, 'Z', sizeof buffer);
    CrearDistribucionSemanal(buffer, total, exacto, n);
    EXPECT_EQ(buffer[n], '\0');
    return buffer;
}

TEST(CrearDistribucionSemanal, WholeIntervals) {
    EXPECT_EQ(Distribucion(7, false, 5), "22111");
    EXPECT_EQ(Distribucion(3, false, 5), "111");
    EXPECT_EQ(Distribucion(30, false, 5), "55555");
    EXPECT_EQ(Distribucion(0, false, 5), "1");
    EXPECT_EQ(Distribucion(7, false, 6), "211111");
}

TEST(CrearDistribucionSemanal, QuarterHours) {
    EXPECT_EQ(Distribucion(9, true, 5), "1\xBE\xBD");
    EXPECT_EQ(Distribucion(10, true, 5), "11\xBD");
    EXPECT_EQ(Distribucion(22, true, 5), "1111&");
    EXPECT_EQ(Distribucion(2, true, 5), "\xBD");
    EXPECT_EQ(Distribucion(101, true, 5), "55555");
    EXPECT_EQ(Distribucion(0, true, 5), "1");
    EXPECT_EQ(Distribucion(4, true, 5), "1");
}

} // namespace
