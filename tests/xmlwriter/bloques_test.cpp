#include <gtest/gtest.h>

#include <string>

#include "modelo_sesiones.h"
#include "xmlwriter/exportador.h"

namespace {

using prueba::Bloque;
using prueba::Contiene;
using prueba::ModeloSesiones;
using prueba::Texto;

std::string Simultaneas(CDatos& d) {
    return Bloque(prueba::Exportar(d), "\t\t<simultaneas>", "\t\t</simultaneas>");
}

std::string Consecutivas(CDatos& d, int periodo = 0) {
    return Bloque(prueba::Exportar(d, periodo), "\t\t<consecutivas>", "\t\t</consecutivas>");
}

TEST(BloquesDeSesiones, SimultaneousBlockNamesItsMainAndSimultaneousSessionsOnly) {
    ModeloSesiones m;
    for (int k = 0; k < 4; ++k)
        m.Sesion(SESION_PRINCIPAL, "Mat", "1B");
    m.Sesion(SESION_PRINCIPAL, "Lengua", "1A");
    m.Sesion(SESION_SIMULTANEA, "Lengua", "1A").aulaAdicional = 1;
    m.Sesion(SESION_SIMULTANEA, "Fis", "2A");
    m.Sesion(SESION_PROFESOR, "Fis", "2A", m.t2);
    m.Sesion(SESION_SIMULTANEA, "Ing", "3A");
    EXPECT_EQ(
        Simultaneas(*m.d),
        Texto({"\t\t<simultaneas>", "\t\t\t<bloqueDeSesiones id=\"4\" submarco=\"A\">",
               "\t\t\t\t<sesiones>", "\t\t\t\t<sesion>4</sesion>", "\t\t\t\t<sesion>6</sesion>",
               "\t\t\t\t<sesion>8</sesion>", "\t\t\t\t</sesiones>", "\t\t\t\t<plantilla>",
               "\t\t\t\t</plantilla>", "\t\t\t</bloqueDeSesiones>", "\t\t</simultaneas>"}));
    const std::string doc = prueba::Exportar(*m.d);
    for (const int id : {4, 6, 8})
        EXPECT_TRUE(Contiene(prueba::Relaciones(doc, id),
                             "\t\t\t<sesionesSimultaneas>4</sesionesSimultaneas>\n"))
            << id;
    EXPECT_FALSE(Contiene(prueba::Relaciones(doc, 3), "sesionesSimultaneas"));

    // The block takes its frame from the main session's group, frame 0 when out of range.
    m.d->marcos.numMarcos = 2;
    prueba::FijarCelda(m.En(4).plantilla[0], 0, 0, MAPA_PROHIBIDO);
    m.Grupo("1A")->dato.submarco = 1;
    EXPECT_TRUE(Contiene(Simultaneas(*m.d), "<bloqueDeSesiones id=\"4\" submarco=\"B\">\n"));
    m.Grupo("1A")->dato.submarco = 2;
    EXPECT_TRUE(
        Contiene(Simultaneas(*m.d),
                 Texto({"\t\t\t\t<plantilla>",
                        "\t\t\t\t<tramo dia=\"0\" indice=\"0\" marco=\"A\">prohibido</tramo>",
                        "\t\t\t\t</plantilla>"})));
}

// Main sessions 0 to 12; 7 and 12 are a consecutive pair.
struct Pareja : ModeloSesiones {
    Pareja() {
        for (int k = 0; k < 13; ++k)
            Sesion(SESION_PRINCIPAL, "Mat", "1A");
        Enlazar(7, 12);
        Enlazar(12, 7);
    }
    void Enlazar(int x, int p1, int p2 = -1) {
        En(x).consecutivaPrimera = RefSesion(p1);
        En(x).consecutivaSegunda = p2 >= 0 ? RefSesion(p2) : 0;
    }
    void Codigos(int x, int cx, int y, int cy) {
        En(x).codigoConsecutivas = cx;
        En(y).codigoConsecutivas = cy;
    }
    // The sesion lines of the block with id `id`.
    std::string Miembros(int id) {
        const std::string inicio = "\t\t\t<bloqueDeSesiones id=\"" + std::to_string(id) + "\">";
        std::string b = Bloque(Consecutivas(*d), inicio, "\t\t\t\t</sesiones>");
        std::string ids;
        for (const std::string& l : prueba::Lineas(b))
            if (l.rfind("\t\t\t\t\t<sesion>", 0) == 0)
                ids += l.substr(13, l.find('<', 13) - 13) + " ";
        return ids;
    }
};

TEST(BloquesDeSesiones, ConsecutivePairIsWrittenOnceInSequenceOrder) {
    Pareja m;
    m.Codigos(7, 1, 12, 3);
    EXPECT_EQ(Consecutivas(*m.d), Texto({"\t\t<consecutivas>", "\t\t\t<bloqueDeSesiones id=\"7\">",
                                         "\t\t\t\t<sesiones>", "\t\t\t\t\t<sesion>12</sesion>",
                                         "\t\t\t\t\t<sesion>7</sesion>", "\t\t\t\t</sesiones>",
                                         "\t\t\t\t<conOrden>seguidas</conOrden>",
                                         "\t\t\t</bloqueDeSesiones>", "\t\t</consecutivas>"}));
    const std::string doc = prueba::Exportar(*m.d);
    EXPECT_EQ(prueba::Relaciones(doc, 7), "\t\t\t<consecutivas>7</consecutivas>\n");
    EXPECT_EQ(prueba::Relaciones(doc, 12), "\t\t\t<consecutivas>7</consecutivas>\n");

    const struct {
        int codigo7, codigo12;
        const char* miembros;
        const char* orden;
    } casos[] = {{3, 1, "7 12 ", "seguidas"},
                 {0, 0, "7 12 ", "desordenadas"},
                 {4, 4, "7 12 ", "separadas"},
                 {9, 9, "7 12 ", "false"},
                 {-1, -1, "7 12 ", "false"}};
    for (const auto& c : casos) {
        m.Codigos(7, c.codigo7, 12, c.codigo12);
        EXPECT_EQ(m.Miembros(7), c.miembros) << c.codigo7;
        EXPECT_TRUE(
            Contiene(Consecutivas(*m.d), std::string("<conOrden>") + c.orden + "</conOrden>\n"))
            << c.codigo7;
    }

    // Members whose period flags differ make no block, and no session names one: the flags are
    // compared as stored, so "period 0" against "no flag" differ too.
    m.d->marcosHorario->FijarNumeroPeriodos(2);
    m.En(7).periodos[0] = 1;
    EXPECT_EQ(Consecutivas(*m.d, -1), "\t\t<consecutivas>\n\t\t</consecutivas>\n");
    EXPECT_FALSE(Contiene(prueba::Exportar(*m.d, -1), "<consecutivas>7"));
}

TEST(BloquesDeSesiones, ConsecutiveTriosByOrderCodes) {
    Pareja m;
    m.Enlazar(3, 5, 9);
    m.Enlazar(5, 3, 9);
    m.Enlazar(9, 3, 5);
    m.En(9).codigoConsecutivas = 3;
    m.Codigos(7, 1, 12, 3);
    const struct {
        int codigo3, codigo5;
        const char* miembros;
    } casos[] = {{1, 2, "9 5 3 "}, {1, 3, "5 9 3 "}, {3, 2, "3 5 9 "},
                 {3, 1, "3 9 5 "}, {0, 3, "5 3 9 "}, {0, 0, "9 3 5 "}};
    for (const auto& c : casos) {
        m.Codigos(3, c.codigo3, 5, c.codigo5);
        EXPECT_EQ(m.Miembros(3), c.miembros) << c.codigo3 << " " << c.codigo5;
    }
    // Written once, by the lowest member, before the pair 7-12.
    const std::string bloques = Consecutivas(*m.d);
    EXPECT_EQ(prueba::Lineas(bloques).size(), 2 + 8 + 7u);
    EXPECT_LT(bloques.find("id=\"3\""), bloques.find("id=\"7\""));
}

TEST(Optativas, BlocksInNameOrderWithTheSessionsWhollyOfTheirGroup) {
    ModeloSesiones m;
    m.Sesion(SESION_PRINCIPAL, "Fr", "1A");
    m.Sesion(SESION_PRINCIPAL, "Al", "1A");
    m.Sesion(SESION_PRINCIPAL, "It", "1A");
    m.Sesion(SESION_MATERIA, "It", "1B");
    for (const char* nombre : {"Optativa B", "optativa a", "Optativa D"})
        prueba::Nombrado(m.d->optativas, nombre);
    DHOPTATIVAS& a = m.d->optativas.NodoEnIndice(1)->dato;
    a.grupo = m.R<DHGRUP>(m.Grupo("1A"));
    a.maxSolapadas = 2;
    a.numSesiones = 1000; // read up to the array's end; unset links are left out
    a.sesiones[0] = m.RefSesion(0);
    a.solapable[0] = 1;
    a.sesiones[1] = m.RefSesion(2);
    a.sesiones[2] = m.RefSesion(3);
    m.d->optativas.Cabeza()->dato.grupo = m.R<DHGRUP>(m.Grupo("1B"));
    const std::string doc = prueba::Exportar(*m.d, 0);
    EXPECT_EQ(
        Bloque(doc, "\t\t<optativa>", "\t\t</optativa>"),
        Texto({"\t\t<optativa>", "\t\t\t<nombre>optativa a</nombre>", "\t\t\t<grupo>1A</grupo>",
               "\t\t\t<maxSolapadas>2</maxSolapadas>", "\t\t\t<asignaturasOptativas>",
               "\t\t\t\t<asignaturaOptativa solapable=\"true\">0</asignaturaOptativa>",
               "\t\t\t</asignaturasOptativas>", "\t\t</optativa>"}));
    // Name order; a block whose group does not resolve has an empty grupo.
    EXPECT_TRUE(
        Contiene(doc, Texto({"\t\t</optativa>", "\t\t<optativa>",
                             "\t\t\t<nombre>Optativa B</nombre>", "\t\t\t<grupo>1B</grupo>"})));
    EXPECT_TRUE(
        Contiene(doc, Texto({"\t\t\t<nombre>Optativa D</nombre>", "\t\t\t<grupo></grupo>",
                             "\t\t\t<maxSolapadas>0</maxSolapadas>", "\t\t\t<asignaturasOptativas>",
                             "\t\t\t</asignaturasOptativas>", "\t\t</optativa>", "\t</optativas>",
                             "\t<criterios>"})));
    EXPECT_EQ(TextoCampo(m.d->optativas.Cabeza()->dato.nombre), "Optativa B");
}

} // namespace
