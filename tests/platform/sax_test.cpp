#include "platform/sax.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/text.h"

namespace {

using namespace plataforma;

std::string A(std::u16string_view s) {
    return Utf16AAnsi(s);
}

// Records the events as lines of text (ANSI), the characters of an element joined.
class Grabador : public ManejadorContenidoSax {
public:
    void startDocument() override { eventos.push_back("<<"); }
    void endDocument() override { eventos.push_back(">>"); }
    void startElement(std::u16string_view uri, std::u16string_view local, std::u16string_view qname,
                      const AtributosSax& at) override {
        std::string e = "+" + A(local) + "|" + A(qname) + "|" + A(uri);
        for (int i = 0; i < at.getLength(); ++i)
            e += " " + A(at.getLocalName(i)) + "|" + A(at.getQName(i)) + "=" + A(at.getValue(i));
        eventos.push_back(e);
    }
    void endElement(std::u16string_view, std::u16string_view local,
                    std::u16string_view qname) override {
        eventos.push_back("-" + A(local) + "|" + A(qname));
    }
    void characters(std::u16string_view t) override {
        ++trozos;
        texto += t;
    }

    std::vector<std::string> eventos;
    std::u16string texto;
    int trozos = 0;
};

class Sax : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CrearLectorSax(lector), 0u);
        ASSERT_NE(lector, nullptr);
        lector->putContentHandler(&g);
        dir = std::filesystem::temp_directory_path() /
              ("sax_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::uint32_t Analizar(const std::string& doc) {
        return lector->AnalizarMemoria(doc.data(), doc.size());
    }
    std::string Escribir(const std::string& nombre, const std::string& contenido) {
        const auto p = dir / nombre;
        std::ofstream(p, std::ios::binary) << contenido;
        return p.string();
    }

    std::unique_ptr<LectorSax> lector;
    Grabador g;
    std::filesystem::path dir;
};

TEST_F(Sax, ElementosConNombresLocalesCualificadosYAtributosPorIndice) {
    const std::string doc = "<?xml version=\"1.0\"?>"
                            "<k:datosKRT xmlns:k=\"urn:k\" xmlns=\"urn:d\" a=\"1\" k:b=\"dos\">"
                            "<tramo dia=\"3\" indice=\"&lt;7&gt;\"/></k:datosKRT>";
    ASSERT_EQ(Analizar(doc), 0u);
    const std::vector<std::string> esperado = {"<<",
                                               "+datosKRT|k:datosKRT|urn:k a|a=1 b|k:b=dos",
                                               "+tramo|tramo|urn:d dia|dia=3 indice|indice=<7>",
                                               "-tramo|tramo",
                                               "-datosKRT|k:datosKRT",
                                               ">>"};
    EXPECT_EQ(g.eventos, esperado);
    EXPECT_TRUE(lector->TextoEstado().empty());
}

TEST_F(Sax, TextoEnOrdenYEnTrozos) {
    // Entities and line breaks split the text; a long text spans the reader's blocks.
    std::string largo(200000, 'x');
    const std::string doc = "<r>a&amp;b\nc<![CDATA[<d>]]>" + largo + "</r>";
    ASSERT_EQ(Analizar(doc), 0u);
    EXPECT_EQ(A(g.texto), "a&b\nc<d>" + largo);
    EXPECT_GT(g.trozos, 3);

    const std::string ruta = Escribir("largo.xml", doc);
    g = Grabador();
    ASSERT_EQ(lector->AnalizarArchivo(ruta.c_str()), 0u);
    EXPECT_EQ(A(g.texto), "a&b\nc<d>" + largo);
}

TEST_F(Sax, CodificacionesDeclaradas) {
    // ISO-8859-1 carrying Windows-1252 bytes: they come back unchanged through the text layer.
    ASSERT_EQ(Analizar("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\x80\x85\xF1\x9F</r>"),
              0u);
    EXPECT_EQ(g.texto, u"\u0080\u0085\u00F1\u009F");
    EXPECT_EQ(A(g.texto), "\x80\x85\xF1\x9F");

    g = Grabador();
    ASSERT_EQ(Analizar("<?xml version=\"1.0\" encoding=\"Windows-1252\"?><r>\x80\xF1</r>"), 0u);
    EXPECT_EQ(g.texto, u"\u20AC\u00F1");
    EXPECT_EQ(A(g.texto), "\x80\xF1");

    g = Grabador();
    ASSERT_EQ(
        Analizar("<?xml version=\"1.0\" encoding=\"UTF-8\"?><r>\xE2\x82\xAC\xF0\x9F\x98\x80</r>"),
        0u);
    EXPECT_EQ(g.texto, u"\u20AC\U0001F600"); // a surrogate pair counts two units
    EXPECT_EQ(g.texto.size(), 3u);

    g = Grabador();
    static constexpr char kUtf16[] = "\xFF\xFE<\0r\0>\0\xF1\0<\0/\0r\0>\0";
    const std::string utf16(kUtf16, sizeof kUtf16 - 1);
    ASSERT_EQ(Analizar(utf16), 0u);
    EXPECT_EQ(g.texto, u"\u00F1");

    EXPECT_NE(Analizar("<?xml version=\"1.0\" encoding=\"KOI8-R\"?><r/>"), 0u);
}

TEST_F(Sax, EstadosDeFallo) {
    EXPECT_EQ(lector->AnalizarArchivo((dir / "no_existe.xml").string().c_str()),
              estado_sax::ArchivoNoEncontrado);
    EXPECT_FALSE(lector->TextoEstado().empty());
    EXPECT_EQ(lector->AnalizarArchivo((dir / "no" / "existe.xml").string().c_str()),
              estado_sax::ArchivoNoEncontrado);
    EXPECT_EQ(lector->AnalizarArchivo(dir.string().c_str()), estado_sax::AccesoDenegado);

    // A document cut in the middle: the events before the cut were delivered.
    const std::uint32_t e = Analizar("<r><a>uno</a><b>do");
    EXPECT_EQ(e & 0xFFFFF000u, estado_sax::BaseDocumentoMalFormado);
    EXPECT_NE(e, estado_sax::BaseDocumentoMalFormado);
    EXPECT_NE(lector->TextoEstado().find("1"), std::string::npos);
    EXPECT_EQ(g.eventos.back(), "+b|b|");
    EXPECT_EQ(Analizar(""), estado_sax::BaseDocumentoMalFormado + 3); // no element
    EXPECT_EQ(Analizar("<k:r/>") & 0xFFFFF000u, estado_sax::BaseDocumentoMalFormado);
    EXPECT_EQ(Analizar("<r></s>") & 0xFFFFF000u, estado_sax::BaseDocumentoMalFormado);

    // The reader serves the next parse normally.
    g = Grabador();
    EXPECT_EQ(Analizar("<r/>"), 0u);
    EXPECT_EQ(g.eventos.size(), 4u);
}

TEST_F(Sax, NuncaSeLeeUnaDtdNiUnaEntidadExterna) {
    const std::string secreto = Escribir("secreto.txt", "SECRETO");
    const std::string dtd =
        Escribir("ext.dtd", "<!ENTITY ext \"SECRETO\"><!ENTITY % p SYSTEM \"" + secreto + "\">%p;");
    const std::string doc = "<?xml version=\"1.0\"?>"
                            "<!DOCTYPE r SYSTEM \"" +
                            dtd + "\" [<!ENTITY f SYSTEM \"file://" + secreto +
                            "\"><!ENTITY g SYSTEM \"" + secreto +
                            "\"><!ENTITY i \"interna\">]>"
                            "<r>[&i;][&f;][&g;][&ext;]</r>";
    EXPECT_EQ(Analizar(doc), 0u);
    EXPECT_EQ(A(g.texto), "[interna][][][]");

    const std::string ruta = Escribir("doc.xml", doc);
    g = Grabador();
    EXPECT_EQ(lector->AnalizarArchivo(ruta.c_str()), 0u);
    EXPECT_EQ(A(g.texto), "[interna][][][]");
}

TEST_F(Sax, LaExpansionDeEntidadesEnCadenaSeRechaza) {
    // Ten levels of ten references each: 10^9 copies of the innermost text.
    std::string dtd = "<!DOCTYPE r [<!ENTITY e0 \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\">";
    for (int i = 1; i < 10; ++i) {
        std::string cuerpo;
        for (int k = 0; k < 10; ++k)
            cuerpo += "&e" + std::to_string(i - 1) + ";";
        dtd += "<!ENTITY e" + std::to_string(i) + " \"" + cuerpo + "\">";
    }
    dtd += "]>";
    const std::uint32_t e = Analizar(dtd + "<r>&e9;</r>");
    EXPECT_EQ(e, estado_sax::BaseDocumentoMalFormado + 43); // amplification limit
    EXPECT_LT(g.texto.size(), 4u * 1024 * 1024);
}

TEST_F(Sax, ElAnidamientoDeElementosTieneUnLimite) {
    auto anidado = [](int niveles, bool cerrado) {
        std::string doc;
        for (int i = 0; i < niveles; ++i)
            doc += "<e>";
        for (int i = 0; cerrado && i < niveles; ++i)
            doc += "</e>";
        return doc;
    };
    EXPECT_EQ(Analizar(anidado(256, true)), 0u);
    EXPECT_EQ(g.eventos.size(), 2u + 2 * 256);

    // Deeper: malformed, and the parse stops at the first element past the bound, so neither
    // the time nor the memory it takes grows with the rest of the document.
    const std::uint32_t malFormado = estado_sax::BaseDocumentoMalFormado + 35;
    for (const bool cerrado : {false, true}) {
        g = Grabador();
        EXPECT_EQ(Analizar(anidado(100000, cerrado)), malFormado);
        EXPECT_EQ(g.eventos.size(), 1u + 256);
        EXPECT_EQ(g.eventos.back(), "+e|e|");
        EXPECT_NE(lector->TextoEstado().find("256"), std::string::npos);
    }
    g = Grabador();
    const std::string ruta = Escribir("profundo.xml", anidado(100000, false));
    EXPECT_EQ(lector->AnalizarArchivo(ruta.c_str()), malFormado);
    EXPECT_EQ(g.eventos.size(), 1u + 256);

    // The next parse starts from the top again.
    g = Grabador();
    EXPECT_EQ(Analizar(anidado(256, true)), 0u);
}

} // namespace
