// Time frames from the document: the frame configuration and the frame table rebuilt from the
// frames' slots.
#include <gtest/gtest.h>

#include "ayuda.h"
#include "tests/common/modelo_colocacion.h"

namespace {

using namespace prueba;

class Marcos : public ::testing::Test {
protected:
    Entorno entorno;
};

int Tabla(const CDatos& d, int f, int dia, int indice) {
    return d.tablaMarcos[(dia + f * NUM_DIAS) * NUM_INDICES_TRAMO + indice];
}

std::string Marco(const std::string& tramos, const std::string& id = "A") {
    return "<marcosDeHorario><marcoHorario id=\"" + id + "\">" + tramos +
           "</marcoHorario></marcosDeHorario>";
}

std::string Lectivo(int dia, int indice, const std::string& entrada, const std::string& salida,
                    const std::string& extra = "") {
    return Tramo("A", dia, indice, entrada, salida, "lectivo", std::to_string(indice + 1), extra);
}

TEST_F(Marcos, TablaYConfiguracionDeUnMarcoConRecreo) {
    const Lectura l = Leer(Documento(MarcosBasicos()));
    const CDatos& d = *l.datos;
    ASSERT_TRUE(d.tablaMarcos);
    for (int dia = 0; dia < 5; ++dia) {
        EXPECT_EQ(Tabla(d, 0, dia, 0), 0);
        EXPECT_EQ(Tabla(d, 0, dia, 1), 70);
        EXPECT_EQ(Tabla(d, 0, dia, 2), 1);
        for (int i = 3; i < NUM_INDICES_TRAMO; ++i)
            ASSERT_EQ(Tabla(d, 0, dia, i), -1);
    }
    EXPECT_EQ(Tabla(d, 0, 5, 0), -1);
    EXPECT_EQ(Tabla(d, 1, 0, 0), -1);
    const BloqueMarcoDia& b = d.marcos.bloques[0][0];
    EXPECT_EQ(b.numLectivos, 2);
    EXPECT_EQ(b.numRecreos, 1);
    EXPECT_EQ(b.posRecreos[0], 1);
    EXPECT_STREQ(b.nombresRecreo[0], "R1");
    EXPECT_STREQ(b.nombres[1], "2");
    EXPECT_EQ(b.horas[1].horaEntrada, 9);
    EXPECT_EQ(b.horas[1].minutoEntrada, 40);
    EXPECT_EQ(b.horas[1].horaSalida, 10);
    EXPECT_EQ(b.horas[1].minutoSalida, 30);
    EXPECT_EQ(d.marcos.porDia, 0);
    EXPECT_EQ(d.marcos.tiemposExactos, 0);
    EXPECT_TRUE(d.clavesImportadas.Vacia());
}

TEST_F(Marcos, UnDiaDistintoActivaLosBloquesPorDia) {
    std::string tramos;
    for (int dia = 0; dia < 5; ++dia)
        tramos += Lectivo(dia, 0, "08:30:00", "09:20:00") + Lectivo(dia, 1, "09:20:00", "10:10:00");
    // A fourth Tuesday slot: Tuesday has more lessons and a higher index than Monday.
    const Lectura l = Leer(Documento(Marco(tramos + Lectivo(1, 3, "10:30:00", "11:20:00"))));
    EXPECT_EQ(l.datos->marcos.porDia, 1);
    EXPECT_EQ(Tabla(*l.datos, 0, 1, 3), 2);
    EXPECT_EQ(Tabla(*l.datos, 0, 0, 3), -1);
    EXPECT_EQ(l.datos->marcos.bloques[0][1].numLectivos, 3);

    // The same index with other times on another day.
    const Lectura h = Leer(Documento(
        Marco(Lectivo(0, 0, "08:00:00", "09:00:00") + Lectivo(1, 0, "08:00:00", "09:05:00"))));
    EXPECT_EQ(h.datos->marcos.porDia, 1);
    // A day with no lesson slot has highest index 0: it differs from a Monday with index 2.
    const Lectura v = Leer(Documento(Marco(Lectivo(0, 2, "08:00:00", "09:00:00"))));
    EXPECT_EQ(v.datos->marcos.porDia, 1);
    const Lectura igual = Leer(Documento(Marco(Lectivo(0, 0, "08:00:00", "09:00:00"))));
    EXPECT_EQ(igual.datos->marcos.porDia, 0);
}

TEST_F(Marcos, HorasLeidas) {
    const Lectura l =
        Leer(Documento(Marco(Lectivo(0, 0, "8:05:00", "25:90:00") + Lectivo(0, 1, " 9 : 5 ", "") +
                             Lectivo(0, 2, "x", "12"))));
    const BloqueMarcoDia& b = l.datos->marcos.bloques[0][0];
    EXPECT_EQ(b.horas[0].horaEntrada, 8);
    EXPECT_EQ(b.horas[0].minutoEntrada, 5);
    EXPECT_EQ(b.horas[0].horaSalida, 25);
    EXPECT_EQ(b.horas[0].minutoSalida, 0);
    EXPECT_EQ(b.horas[1].horaEntrada, 9);
    EXPECT_EQ(b.horas[1].minutoEntrada, 0); // cut to " 9 : " before trimming
    EXPECT_EQ(b.horas[1].horaSalida, 0);
    EXPECT_EQ(b.horas[2].horaEntrada, 0);
    EXPECT_EQ(b.horas[2].horaSalida, 12);

    std::uint8_t h = 1, m = 1;
    LeerHoraMinuto("60:61", h, m);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(m, 0);
    LeerHoraMinuto("7", h, m);
    EXPECT_EQ(h, 7);
    EXPECT_EQ(m, 0);
    LeerHoraMinuto("10:20:30", h, m);
    EXPECT_EQ(h, 10);
    EXPECT_EQ(m, 20);
}

TEST_F(Marcos, LaCuentaDeLectivosSoloCrece) {
    std::string tramos;
    for (int dia = 0; dia < 5; ++dia)
        tramos += Lectivo(dia, 0, "08:00:00", "08:55:00");
    const Lectura l =
        Leer(Documento(Marco(tramos) + "<horario><tramo dia=\"0\" indice=\"1\" marco=\"A\"><aula "
                                       "id=\"A1\"><sesion>0</sesion></aula></tramo></horario>"),
             std::move(ModeloDosSesiones().datos));
    const BloqueMarcoDia& b = l.datos->marcos.bloques[0][0];
    EXPECT_EQ(b.numLectivos, 2);
    EXPECT_EQ(b.horas[0].horaEntrada, 8);
    EXPECT_EQ(b.horas[1].horaEntrada, 9);
    EXPECT_EQ(b.horas[1].minutoEntrada, 25);
    EXPECT_EQ(b.horas[1].horaSalida, 10);
    EXPECT_EQ(b.horas[1].minutoSalida, 15);
    EXPECT_EQ(CeldasOcupadas(*l.datos), 0); // the document has no slot with indice 1
}

TEST_F(Marcos, SinTramos) {
    const Lectura l = Leer(Documento("<marcosDeHorario/><horario><tramo dia=\"0\" indice=\"0\" "
                                     "marco=\"A\"><aula id=\"A1\"><sesion>0</sesion></aula>"
                                     "</tramo></horario>"),
                           std::move(ModeloDosSesiones().datos));
    ASSERT_TRUE(l.datos->tablaMarcos);
    for (int i = 0; i < TAMANO_TABLA_MARCOS; ++i)
        ASSERT_EQ(l.datos->tablaMarcos[i], -1);
    EXPECT_EQ(l.datos->marcos.porDia, 0);
    EXPECT_EQ(l.datos->marcos.tiemposExactos, 0);
    EXPECT_EQ(CeldasOcupadas(*l.datos), 0);
    // Without any frames at all there is no table, and nothing is placed either.
    const Lectura sin = Leer(Documento("<horario><tramo dia=\"0\" indice=\"0\" marco=\"A\"><aula "
                                       "id=\"A1\"><sesion>0</sesion></aula></tramo></horario>"),
                             std::move(ModeloDosSesiones().datos));
    EXPECT_FALSE(sin.datos->tablaMarcos);
    EXPECT_EQ(CeldasOcupadas(*sin.datos), 0);
}

TEST_F(Marcos, RecreosYMediodia) {
    const std::string tramos =
        Lectivo(0, 0, "08:00:00", "09:00:00") +
        Tramo("A", 0, 1, "09:00:00", "09:20:00", "recreo", "Patio") +
        Lectivo(0, 2, "09:20:00", "10:20:00") +
        Tramo("A", 0, 3, "10:20:00", "11:00:00", "mediodia", "Comida") +
        Lectivo(0, 4, "11:00:00", "12:00:00", "\t\t\t\t<duracion>T</duracion>\n") +
        // Entry time matching no lesson: the index is the position; entry hour 0: no search.
        Tramo("A", 0, 7, "12:30:00", "12:40:00", "recreo", "Tarde") +
        Tramo("A", 0, 3, "00:00:00", "00:10:00", "recreo", "Cero") +
        Tramo("A", 0, 60, "13:00:00", "13:10:00", "recreo", "Lejos") +
        Tramo("A", 0, 9, "12:00:00", "12:10:00", "recreo", "Quinto");
    const Lectura l = Leer(Documento(Marco(tramos)));
    const CDatos& d = *l.datos;
    const BloqueMarcoDia& b = d.marcos.bloques[0][0];
    EXPECT_EQ(b.numLectivos, 3);
    EXPECT_EQ(b.posMediodia, 2);
    EXPECT_STREQ(b.nombreMediodia, "Comida");
    ASSERT_EQ(b.numRecreos, 4);
    EXPECT_EQ(b.posRecreos[0], 1);
    EXPECT_EQ(b.posRecreos[1], 7);
    EXPECT_EQ(b.posRecreos[2], 3);
    EXPECT_EQ(b.posRecreos[3], 3); // the last lesson ends at 12:00
    EXPECT_STREQ(b.nombresRecreo[3], "Quinto");
    EXPECT_EQ(Tabla(d, 0, 0, 1), 70);
    EXPECT_EQ(Tabla(d, 0, 0, 7), 71);
    EXPECT_EQ(Tabla(d, 0, 0, 3), 72);
    EXPECT_EQ(Tabla(d, 0, 0, 9), 73);
    EXPECT_EQ(Tabla(d, 0, 0, 4), 2);
    EXPECT_EQ(b.claseDuracion[2], 1);
    EXPECT_EQ(d.marcos.tiemposExactos, 1);
}

TEST_F(Marcos, TramosNoPermitidosPorSemana) {
    std::string tramos;
    for (int dia = 0; dia < 10; ++dia)
        for (int i = 0; i < 3; ++i)
            tramos += Lectivo(
                dia, i, "0" + std::to_string(8 + i) + ":00:00",
                "0" + std::to_string(8 + i) + ":50:00",
                (dia == 1 || dia == 6) && i == 2 ? "\t\t\t\t<permitido>false</permitido>\n" : "");
    const Lectura l = Leer(Documento(
        "<periodos><periodo><diaFin>4</diaFin></periodo><periodo><diaFin>9</diaFin></periodo>"
        "</periodos>" +
        Marco(tramos)));
    EXPECT_EQ(l.datos->marcos.numPeriodos, 2);
    for (int w = 0; w < 2; ++w) {
        MapaDisponibilidad m;
        DesempaquetarMapa(l.datos->marcos.mapasMarco[w][0], m);
        EXPECT_EQ(m.celdas[1][2], 0) << w;
        EXPECT_EQ(m.celdas[1][1], 1) << w;
        EXPECT_EQ(m.celdas[2][2], 1) << w;
    }
}

TEST_F(Marcos, MuchosTramosEnUnDia) {
    // 2 periods; 60 lessons on Tuesday of week 1 (the 58th not permitted); 130 lessons in
    // Monday of week 0.
    std::string tramos;
    for (int i = 0; i < 130; ++i)
        tramos += Lectivo(0, i, "08:00:00", "08:10:00");
    for (int i = 0; i < 60; ++i)
        tramos += Lectivo(6, i, "08:00:00", "08:10:00",
                          i == 57 ? "\t\t\t\t<permitido>false</permitido>\n" : "");
    const Lectura l = Leer(Documento(
        "<periodos><periodo><diaFin>4</diaFin></periodo><periodo><diaFin>9</diaFin></periodo>"
        "</periodos>" +
        Marco(tramos)));
    const CDatos& d = *l.datos;
    EXPECT_EQ(d.marcos.bloques[0][0].numLectivos, 56);
    EXPECT_EQ(Tabla(d, 0, 0, 55), 55);
    EXPECT_EQ(Tabla(d, 0, 0, 56), -1);
    EXPECT_EQ(Tabla(d, 0, 0, 129), -1);
    for (int w = 0; w < 2; ++w) {
        MapaDisponibilidad m;
        DesempaquetarMapa(d.marcos.mapasMarco[w][0], m);
        for (int dia = 0; dia < NUM_DIAS; ++dia)
            for (int i = 0; i < NUM_INTERVALOS; ++i)
                ASSERT_EQ(m.celdas[dia][i], 1) << w << " " << dia << " " << i;
    }
}

} // namespace
