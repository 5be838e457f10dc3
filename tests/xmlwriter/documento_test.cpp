#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ayuda.h"
#include "xmlwriter/exportador.h"

namespace {

using prueba::Bloque;
using prueba::Exportar;
using prueba::Lineas;
using prueba::ModeloPreparado;

bool Contiene(const std::string& doc, const std::string& trozo) {
    return doc.find(trozo) != std::string::npos;
}

TEST(Documento, ModelWithOnlyBuiltInRecordsGivesTheReviewedDocument) {
    auto d = ModeloPreparado(0);
    const std::string doc = Exportar(*d);
    EXPECT_EQ(doc, prueba::LeerFixture("documento_vacio.xml"));
    EXPECT_EQ(prueba::ErrorDeFormato(doc), "");
    EXPECT_EQ(doc.find('\r'), std::string::npos);
    EXPECT_EQ(Lineas(doc).size(), 275u);
    EXPECT_EQ(doc.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<datosKRT "
                        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                        "xsi:noNamespaceSchemaLocation=\"./KRTFile.xsd\">\n\t<version>20190612"
                        "</version>\n\t<marcosDeHorario>\n",
                        0),
              0u);
    EXPECT_TRUE(Contiene(doc, "\t<sesionesLectivas>\n\t</sesionesLectivas>\n\t<listasDeRelacion>\n"
                              "\t\t<simultaneas>\n\t\t</simultaneas>\n\t\t<consecutivas>\n"
                              "\t\t</consecutivas>\n\t</listasDeRelacion>\n\t<criterios>\n"));
    for (const char* ausente : {"periodos>", "optativas>", "reuniones>", "guardias>",
                                "complementarias>", "<notas>", "gruposAlejados"})
        EXPECT_FALSE(Contiene(doc, ausente)) << ausente;
    EXPECT_EQ(Lineas(Bloque(doc, "\t<criterios>", "\t</criterios>")).size(), 30u);
    EXPECT_EQ(Lineas(Bloque(doc, "\t<otros>", "\t</otros>")).size(), 97u);
    EXPECT_EQ(doc.substr(doc.size() - 22), "\t</otros>\n</datosKRT>\n");
}

TEST(Documento, TextsAreEscapedInElementsAndAttributes) {
    auto d = ModeloPreparado(0);
    auto* dpto = d->departamentos.AnadirAlFinal();
    CopiarTexto(dpto->dato.nombre, "I&D");
    CopiarTexto(dpto->dato.nombreCompleto, "Dpto. <b>Lengua</b> 'A' \"B\"\r\tC");
    std::fill_n(dpto->dato.claveDeExportacion, 500, '&');
    CopiarTexto(d->marcos.nombresMarco[0], "A&B");
    CopiarTexto(d->marcos.clavesMarco[0], "k<1>'x");
    CopiarTexto(d->marcos.claveXDias[2], "X&<");
    const std::string doc = Exportar(*d);
    EXPECT_EQ(prueba::ErrorDeFormato(doc), "");
    std::string amp;
    for (int i = 0; i < 199; ++i)
        amp += "&amp;";
    EXPECT_EQ(Bloque(doc, "\t\t<departamento>", "\t\t</departamento>"),
              "\t\t<departamento>\n\t\t\t<nombre>I&amp;D</nombre>\n"
              "\t\t\t<nombreCompleto>Dpto. bLengua/b &apos;A&apos; &quot;B&quot;\tC"
              "</nombreCompleto>\n\t\t\t<claveDeExportacion>" +
                  amp + "</claveDeExportacion>\n\t\t</departamento>\n");
    EXPECT_TRUE(Contiene(doc, "\t\t<marcoHorario id=\"A\" nombre=\"A&amp;B\" "
                              "claveX=\"k1&apos;x\">\n"));
    EXPECT_TRUE(Contiene(doc, "\t\t\t<miercoles>X&amp;</miercoles>\n"));
}

TEST(Documento, ExtensionsTextNotesAndMessageTakeTheirPlaces) {
    auto d = ModeloPreparado(0);
    d->notas = "a<b>&c";
    CopiarTexto(d->otros.texto, "Hola \"x\"");
    d->extensiones = "<extensiones>\n<x>1</x>\n</extensiones>\n";
    const std::string doc = Exportar(*d);
    EXPECT_TRUE(Contiene(doc, "\t\t\t<haciaDesideratas>\n\t\t<texto>Hola &quot;x&quot;</texto>\n"
                              "\t\t\t</haciaDesideratas>\n"));
    EXPECT_TRUE(Contiene(doc, "\t\t</opciones>\n\t\t<notas>ab&amp;c</notas>\n<extensiones>\n"
                              "<x>1</x>\n</extensiones>\n\t\t<perfil>secundaria</perfil>\n"));
    EXPECT_EQ(prueba::ErrorDeFormato(doc), "");
}

TEST(Documento, CriteriaNibbles) {
    auto d = ModeloPreparado(0);
    d->marcos.criterios.optativaSolapadaCoincidan = 0x52;
    d->marcos.criterios.cambiosAulaOrdenProfesores = 0x03;
    std::string doc = Exportar(*d);
    EXPECT_TRUE(Contiene(doc, "\t\t\t<coincidanALaMismaHora>5</coincidanALaMismaHora>\n"
                              "\t\t\t<conCambiosDeAula>3</conCambiosDeAula>\n"
                              "\t\t\t<optativaSolapada>2</optativaSolapada>\n"));
    EXPECT_TRUE(Contiene(doc, "\t\t\t<ordenProfesores>1</ordenProfesores>\n"));
    d->marcos.criterios.cambiosAulaOrdenProfesores = 0xF0;
    doc = Exportar(*d);
    EXPECT_TRUE(Contiene(doc, "\t\t\t<conCambiosDeAula>0</conCambiosDeAula>\n"));
    EXPECT_TRUE(Contiene(doc, "\t\t\t<ordenProfesores>15</ordenProfesores>\n"));
}

TEST(Documento, GroupsKeptApartWithTheirOptions) {
    auto d = ModeloPreparado(0);
    for (const char* nombre : {"1A", "2B"}) {
        auto* g = d->grupos.AnadirAlFinal();
        CopiarTexto(g->dato.nombre, nombre);
        d->gruposAlejados.AnadirAlFinal(d->Referencia<DHGRUP>(g));
    }
    d->marcos.opcionesGruposAlejados = 0x4;
    std::string doc = Exportar(*d);
    EXPECT_EQ(Bloque(doc, "\t\t<gruposAlejados>", "\t\t</gruposAlejados>"),
              "\t\t<gruposAlejados>\n\t\t\t<opciones>\n"
              "\t\t\t\t<evitarDobleDesp tipo=\"prohibir\">true</evitarDobleDesp>\n"
              "\t\t\t</opciones>\n\t\t\t<listaDeGrupos>\n\t\t\t\t<grupo>1A</grupo>\n"
              "\t\t\t\t<grupo>2B</grupo>\n\t\t\t</listaDeGrupos>\n\t\t</gruposAlejados>\n");
    d->marcos.opcionesGruposAlejados = 0x7;
    doc = Exportar(*d);
    EXPECT_TRUE(Contiene(doc, "\t\t\t<opciones>\n\t\t\t\t<actualizarAlGenerar>false"
                              "</actualizarAlGenerar>\n\t\t\t\t<evitarDobleDesp>false"
                              "</evitarDobleDesp>\n\t\t\t</opciones>\n"));
    d->gruposAlejados.Vaciar();
    EXPECT_FALSE(Contiene(Exportar(*d), "gruposAlejados"));
}

} // namespace
