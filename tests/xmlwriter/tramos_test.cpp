#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ayuda.h"
#include "xmlwriter/exportador.h"

namespace {

using prueba::Bloque;
using prueba::Exportar;
using prueba::FijarCelda;
using prueba::LlenarMapa;
using prueba::ModeloPreparado;

// Each tramo as "dia Tipo|indice entrada-salida [dduracion] 'clavX'[ no]" (no: not permitted).
std::vector<std::string> Tramos(const std::string& doc) {
    std::vector<std::string> r;
    std::string dia, tipo, indice, horas, duracion, clave, permitido;
    auto valor = [](const std::string& l) {
        const auto a = l.find('>') + 1;
        return l.substr(a, l.rfind('<') - a);
    };
    auto es = [](const std::string& l, const char* e) { return l.find(e) != std::string::npos; };
    for (const std::string& l : prueba::Lineas(doc)) {
        if (l == "\t\t\t<tramo>") duracion = permitido = "";
        if (es(l, "<dia>")) dia = valor(l);
        if (es(l, "<Tipo>")) tipo = valor(l);
        if (es(l, "<indice>")) indice = valor(l);
        if (es(l, "<horaEntrada>")) horas = valor(l).substr(0, 5);
        if (es(l, "<horaSalida>")) horas += "-" + valor(l).substr(0, 5);
        if (es(l, "<duracion>")) duracion = " d" + valor(l);
        if (es(l, "<clavX>")) clave = valor(l);
        if (es(l, "<permitido>")) permitido = " no";
        if (l == "\t\t\t</tramo>")
            r.push_back(dia + " " + tipo + "|" + indice + " " + horas + duracion + " '" + clave +
                        "'" + permitido);
    }
    return r;
}

std::string Plantilla(const std::string& doc, const char* seccion) {
    const std::string s = seccion;
    return Bloque(Bloque(doc, "\t<" + s + ">", "\t</" + s + ">"), "\t\t\t<plantilla>",
                  "\t\t\t</plantilla>");
}

void Intervalo(BloqueMarcoDia& b, int i, int he, int me, int hs, int ms) {
    b.horas[i] = HorasTramo{static_cast<std::uint8_t>(he), static_cast<std::uint8_t>(me),
                            static_cast<std::uint8_t>(hs), static_cast<std::uint8_t>(ms)};
}

// Six lessons with a recess "Recreo" before the third and a midday break before the fifth.
void JornadaPartida(CDatos& d) {
    BloqueMarcoDia& b = d.marcos.bloques[0][0];
    b.numLectivos = 6;
    Intervalo(b, 0, 8, 0, 8, 55);
    Intervalo(b, 1, 8, 55, 9, 50);
    Intervalo(b, 2, 10, 20, 11, 15);
    Intervalo(b, 3, 11, 15, 12, 10);
    Intervalo(b, 4, 15, 0, 15, 55);
    Intervalo(b, 5, 15, 55, 16, 50);
    for (int i = 0; i < 6; ++i)
        CopiarTexto(b.nombres[i], std::to_string(i + 1).c_str());
    b.numRecreos = 1;
    b.posRecreos[0] = 2;
    CopiarTexto(b.nombresRecreo[0], "Recreo");
    b.posMediodia = 4;
    CopiarTexto(b.nombreMediodia, "Com<i>da & \"cena\"");
}

TEST(MarcosDeHorario, RecessAndMiddayTramosTakeTheirPlaceInTheDaysNumbering) {
    auto d = ModeloPreparado(0);
    JornadaPartida(*d);
    const std::string doc = Exportar(*d);
    EXPECT_EQ(prueba::ErrorDeFormato(doc), "");
    const std::vector<std::string> t = Tramos(doc);
    ASSERT_EQ(t.size(), 40u);
    const std::vector<std::string> dia0(t.begin(), t.begin() + 8);
    EXPECT_EQ(dia0, (std::vector<std::string>{
                        "0 lectivo|0 08:00-08:55 '1'", "0 lectivo|1 08:55-09:50 '2'",
                        "0 recreo|2 09:50-10:20 'Recreo'", "0 lectivo|3 10:20-11:15 '3'",
                        "0 lectivo|4 11:15-12:10 '4'",
                        "0 mediodia|5 12:10-15:00 'Comida &amp; &quot;cena&quot;'",
                        "0 lectivo|6 15:00-15:55 '5'", "0 lectivo|7 15:55-16:50 '6'"}));
    // Without per-day times every day takes day 0's times, but names come from its own block.
    EXPECT_EQ(t[10], "1 recreo|2 09:50-10:20 ''");
}

TEST(MarcosDeHorario, RecessesWithoutATramoAreLeftOutOfRecessAvailability) {
    auto d = ModeloPreparado(0);
    JornadaPartida(*d);
    BloqueMarcoDia& b = d->marcos.bloques[0][0];
    b.numRecreos = 3;
    b.posRecreos[1] = 4; // at the midday break
    b.posRecreos[2] = 0; // before the first lesson
    FijarCelda(d->marcos.mapasMarco[0][0], 0, 0, 0);
    CExportadorXML x(d.get());
    const std::string ruta = prueba::RutaTemporal("recreos.xml");
    ASSERT_EQ(x.ExportarXML(ruta.c_str(), nullptr, 0), 1);
    std::remove(ruta.c_str());
    EXPECT_EQ(Tramos(x.Documento()).size(), 40u);
    const std::size_t antes = x.Documento().size();
    MapaEmpaquetado prohibido;
    LlenarMapa(prohibido, 0);
    x.EscribirPlantillaTramos(prohibido, 0, 1, true, 0);
    std::string esperado;
    for (int dia = 0; dia < 5; ++dia)
        esperado += "\t\t\t\t<tramo dia=\"" + std::to_string(dia) +
                    "\" indice=\"2\" marco=\"A\">prohibido</tramo>\n";
    EXPECT_EQ(x.Documento().substr(antes), esperado);
}

TEST(MarcosDeHorario, SeveralPeriodsNumberTheDaysAcrossTheWeeks) {
    auto d = ModeloPreparado(0);
    d->marcosHorario->FijarNumeroPeriodos(3);
    std::string doc = Exportar(*d, -1);
    EXPECT_EQ(Bloque(doc, "\t<periodos>", "\t\t</periodo>"),
              "\t<periodos>\n\t\t<periodo>\n\t\t\t<nombre>1</nombre>\n"
              "\t\t\t<descripcion>- Semana 1 -</descripcion>\n\t\t\t<diaFin>4</diaFin>\n"
              "\t\t</periodo>\n");
    EXPECT_NE(doc.find("<descripcion>- Semana 3 -</descripcion>\n\t\t\t<diaFin>14</diaFin>\n"
                       "\t\t</periodo>\n\t</periodos>\n\t<marcosDeHorario>\n"),
              std::string::npos);
    std::vector<std::string> dias;
    for (const std::string& t : Tramos(doc))
        dias.push_back(t.substr(0, t.find(' ')));
    ASSERT_EQ(dias.size(), 30u);
    EXPECT_EQ(std::vector<std::string>(dias.begin(), dias.begin() + 8),
              (std::vector<std::string>{"0", "0", "5", "5", "10", "10", "1", "1"}));

    doc = Exportar(*d, 1);
    EXPECT_EQ(doc.find("periodos>"), std::string::npos);
    const std::vector<std::string> t = Tramos(doc);
    ASSERT_EQ(t.size(), 10u);
    EXPECT_EQ(t[9].substr(0, 2), "4 ");
}

TEST(MarcosDeHorario, ExactTimesSaturdayAndUnusableIntervals) {
    auto d = ModeloPreparado(0);
    BloqueMarcoDia& b = d->marcos.bloques[0][0];
    b.numLectivos = 3;
    b.claseDuracion[0] = 1;
    b.claseDuracion[1] = 2;
    b.claseDuracion[2] = 0;
    d->marcos.tiemposExactos = 1;
    d->marcos.sabado = 1;
    FijarCelda(d->marcos.mapasMarco[0][0], 2, 1, 0);
    const std::vector<std::string> t = Tramos(Exportar(*d));
    ASSERT_EQ(t.size(), 18u);
    EXPECT_EQ(t[0], "0 lectivo|0 08:30-09:20 dT ''");
    EXPECT_EQ(t[1], "0 lectivo|1 09:25-10:15 dM ''");
    EXPECT_EQ(t[2], "0 lectivo|2 10:20-11:10 d1 ''");
    EXPECT_EQ(t[7], "2 lectivo|1 09:25-10:15 dM '' no");
    EXPECT_EQ(t[17], "5 lectivo|2 10:20-11:10 d1 ''");
    d->marcos.tiemposExactos = 0;
    EXPECT_EQ(Tramos(Exportar(*d))[0], "0 lectivo|0 08:30-09:20 ''");
}

// ---- Availability lines

MCList<DHPROF>::Nodo* Profesor(CDatos& d, const char* nombre) {
    auto* p = d.profesores.AnadirAlFinal();
    CopiarTexto(p->dato.nombre, nombre);
    p->dato.opciones = d.marcos.valorInicialProfesores;
    RellenarMapasEmpaquetados(p->dato.plantilla, MAPA_DISPONIBLE);
    return p;
}

TEST(Plantilla, ResourceCellsOtherThanAvailableFollowTheFrameMap) {
    auto d = ModeloPreparado(0);
    auto* p = Profesor(*d, "Ana");
    FijarCelda(p->dato.plantilla[0][0], 1, 0, 0);
    FijarCelda(p->dato.plantilla[0][0], 2, 1, 2);
    FijarCelda(p->dato.plantilla[0][0], 3, 0, 4);
    const std::string lineas =
        "\t\t\t<plantilla>\n"
        "\t\t\t\t<tramo dia=\"1\" indice=\"0\" marco=\"A\">prohibido</tramo>\n"
        "\t\t\t\t<tramo dia=\"2\" indice=\"1\" marco=\"A\">"
        "preferentementeNo1</tramo>\n"
        "\t\t\t\t<tramo dia=\"3\" indice=\"0\" marco=\"A\">fijado</tramo>\n"
        "\t\t\t</plantilla>\n";
    EXPECT_EQ(Plantilla(Exportar(*d), "profesores"), lineas);
    FijarCelda(d->marcos.mapasMarco[0][0], 1, 0, 0);
    const std::string sinPrimera =
        "\t\t\t<plantilla>\n" + lineas.substr(lineas.find("\t\t\t\t<tramo dia=\"2\""));
    EXPECT_EQ(Plantilla(Exportar(*d), "profesores"), sinPrimera);
}

TEST(Plantilla, ARecessShiftsTheIndicesOfTheLessonsAfterIt) {
    auto d = ModeloPreparado(0);
    d->marcos.bloques[0][0].numRecreos = 1;
    d->marcos.bloques[0][0].posRecreos[0] = 1;
    auto* p = Profesor(*d, "Ana");
    FijarCelda(p->dato.plantilla[0][0], 0, 1, 0);
    EXPECT_NE(
        Exportar(*d).find("\t\t\t\t<tramo dia=\"0\" indice=\"2\" marco=\"A\">prohibido</tramo>\n"),
        std::string::npos);
}

TEST(Plantilla, PeriodMapsFollowTheExportedPeriods) {
    auto d = ModeloPreparado(0);
    d->marcosHorario->FijarNumeroPeriodos(2);
    auto* g = d->grupos.AnadirAlFinal();
    CopiarTexto(g->dato.nombre, "1A");
    for (auto& m : g->dato.plantilla)
        LlenarMapa(m, MAPA_DISPONIBLE);
    FijarCelda(g->dato.plantilla[1], 0, 0, 0);
    const std::string abre = "\t\t\t<plantilla>";
    const std::string cierra = "\t\t\t</plantilla>";
    EXPECT_EQ(Plantilla(Exportar(*d, -1), "grupos"),
              abre + "\n\t\t\t\t<tramo dia=\"5\" indice=\"0\" marco=\"A\">prohibido</tramo>\n" +
                  cierra + "\n");
    EXPECT_EQ(Plantilla(Exportar(*d, 1), "grupos"),
              abre + "\n\t\t\t\t<tramo dia=\"0\" indice=\"0\" marco=\"A\">prohibido</tramo>\n" +
                  cierra + "\n");
    EXPECT_EQ(Plantilla(Exportar(*d, 0), "grupos"), abre + "\n" + cierra + "\n");
}

TEST(Plantilla, ResourcesListPeriodThenFrameThenDay) {
    auto d = ModeloPreparado(0);
    d->marcos.numMarcos = 4;
    auto* m = d->materias.AnadirAlFinal();
    CopiarTexto(m->dato.nombre, "LEN");
    RellenarMapasEmpaquetados(m->dato.plantilla, MAPA_DISPONIBLE);
    FijarCelda(m->dato.plantilla[0][1], 0, 0, 0);
    FijarCelda(m->dato.plantilla[0][0], 4, 1, 1);
    EXPECT_EQ(Plantilla(Exportar(*d), "materias"),
              "\t\t\t<plantilla>\n"
              "\t\t\t\t<tramo dia=\"4\" indice=\"1\" marco=\"A\">preferentementeNo2</tramo>\n"
              "\t\t\t\t<tramo dia=\"0\" indice=\"0\" marco=\"B\">prohibido</tramo>\n"
              "\t\t\t</plantilla>\n");
}

} // namespace
