#include <gtest/gtest.h>

#include <clocale>
#include <set>
#include <string>
#include <vector>

#include "ayuda.h"
#include "xmlwriter/exportador.h"

namespace {

using prueba::Exportar;
using prueba::ModeloPreparado;

TEST(EscaparXML, EntitiesDroppedBytesAndKeptBytes) {
    EXPECT_EQ(CExportadorXML::EscaparXML("Dpto. <b>Lengua</b> 'A' \"B\"\r\tC\nD\x01"
                                         "\x7F\x80\xF1\xFF"),
              "Dpto. bLengua/b &apos;A&apos; &quot;B&quot;\tC\nD\x7F\x80\xF1\xFF");
    EXPECT_EQ(CExportadorXML::EscaparXML("I&D"), "I&amp;D");
    // A field without its NUL is read no further than the field.
    const char campo[4] = {'a', '&', 'b', 'c'};
    EXPECT_EQ(CExportadorXML::EscaparXML(campo), "a&amp;bc");
}

TEST(EscaparXML, OutputStopsAtTheLimitWithoutSplittingAnEntity) {
    EXPECT_EQ(CExportadorXML::EscaparXML(std::string(2000, 'x')), std::string(993, 'x'));
    EXPECT_EQ(CExportadorXML::EscaparXML(std::string(992, 'x') + "\"y"),
              std::string(992, 'x') + "&quot;");
    std::string amp;
    for (int i = 0; i < 199; ++i)
        amp += "&amp;";
    EXPECT_EQ(CExportadorXML::EscaparXML(std::string(500, '&')), amp);
}

TEST(Escribir, PiecesLongerThanTheLineBufferAreAppendedWhole) {
    auto d = ModeloPreparado(0);
    CExportadorXML x(d.get());
    const std::string largo(12000, 'z');
    x.Escribir("<%s>%d\n", largo.c_str(), -7);
    EXPECT_EQ(x.Documento(), "<" + largo + ">-7\n");
}

TEST(Escribir, DecimalsUseAPointWhateverTheLocale) {
    const char* coma = nullptr;
    for (const char* l : {"es_ES.UTF-8", "es_ES.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_ALL, l) != nullptr) {
            coma = l;
            break;
        }
    auto d = ModeloPreparado(0);
    auto* curso = d->cursos.AnadirAlFinal();
    CopiarTexto(curso->dato.nombre, "1ESO");
    auto* lengua = d->materias.AnadirAlFinal();
    CopiarTexto(lengua->dato.nombre, "LEN");
    d->AnadirMatCur(lengua, curso, 2.5f);
    const std::string doc = Exportar(*d);
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(doc.find("\t\t\t\t<materia numSesiones=\"2.50\">LEN</materia>\n"), std::string::npos);
    if (coma == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
}

// ---- grupoMateria names

MCList<DHSESI>::Nodo* Sesion(CDatos& d, std::uint32_t tipo, MCList<DHMATE>::Nodo* m,
                             MCList<DHGRUP>::Nodo* g) {
    auto* n = d.sesiones.AnadirAlFinal();
    n->dato.tipo = tipo;
    n->dato.materia = d.Referencia<DHMATE>(m);
    n->dato.grupo = d.Referencia<DHGRUP>(g);
    return n;
}

TEST(NombrarGruposMateria, RepeatedSessionsGetNumberedNamesAndCompanionsAddTheirGroups) {
    auto d = ModeloPreparado(0);
    auto* lengua = d->materias.AnadirAlFinal();
    CopiarTexto(lengua->dato.nombre, "Lengua");
    auto* g1a = d->grupos.AnadirAlFinal();
    CopiarTexto(g1a->dato.nombre, "1A");
    auto* g1b = d->grupos.AnadirAlFinal();
    CopiarTexto(g1b->dato.nombre, "1B");
    auto* s0 = Sesion(*d, SESION_PRINCIPAL, lengua, g1a);
    auto* s1 = Sesion(*d, SESION_PRINCIPAL, lengua, g1a);
    auto* s2 = Sesion(*d, SESION_PRINCIPAL, lengua, g1a);
    auto* p = Sesion(*d, SESION_PROFESOR, nullptr, nullptr);
    p->dato.tipoGrupoMateria = 'P';
    auto* m = Sesion(*d, SESION_MATERIA, nullptr, g1b);
    CopiarTexto(m->dato.grupoMateria, "stale");
    auto* s3 = Sesion(*d, SESION_PRINCIPAL, lengua, g1a);
    auto* huerfana = Sesion(*d, SESION_PRINCIPAL, nullptr, nullptr);
    d->NombrarGruposMateria();
    EXPECT_STREQ(s0->dato.grupoMateria, "Lengua/1A");
    EXPECT_STREQ(s1->dato.grupoMateria, "Lengua/1A#2");
    EXPECT_STREQ(s2->dato.grupoMateria, "Lengua/1A/1B");
    EXPECT_STREQ(s3->dato.grupoMateria, "Lengua/1A#3");
    EXPECT_STREQ(huerfana->dato.grupoMateria, "/");
    EXPECT_STREQ(m->dato.grupoMateria, "");
    EXPECT_EQ(m->dato.tipoGrupoMateria, 'N');
    EXPECT_EQ(p->dato.tipoGrupoMateria, 'P');
}

TEST(NombrarGruposMateria, LongBasesAreCutSoThatEveryStoredNameIsUnique) {
    auto d = ModeloPreparado(0);
    auto* materia = d->materias.AnadirAlFinal();
    const std::string m30(30, 'm');
    const std::string g29(29, 'g');
    CopiarTexto(materia->dato.nombre, m30.c_str());
    auto* grupo = d->grupos.AnadirAlFinal();
    CopiarTexto(grupo->dato.nombre, g29.c_str());
    for (int i = 0; i < 150; ++i)
        Sesion(*d, SESION_PRINCIPAL, materia, grupo);
    d->NombrarGruposMateria();
    const std::string base = m30 + "/" + g29;
    std::vector<std::string> nombres;
    for (const DHSESI& s : d->sesiones)
        nombres.emplace_back(s.grupoMateria);
    EXPECT_EQ(nombres[0], base.substr(0, 50));
    EXPECT_EQ(nombres[1], base.substr(0, 48) + "#2");
    EXPECT_EQ(nombres[9], base.substr(0, 47) + "#10");
    EXPECT_EQ(nombres[99], base.substr(0, 46) + "#100");
    EXPECT_EQ(nombres[149], base.substr(0, 46) + "#150");
    EXPECT_EQ(std::set<std::string>(nombres.begin(), nombres.end()).size(), 150u);
}

} // namespace
