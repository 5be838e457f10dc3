// The reader's vocabulary: every row is found from the document down its path, whatever the
// case of A-Z, once; nothing is found inside an element it does not know.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ayuda.h"
#include "xmlreader/vocabulario.h"

namespace {

using namespace prueba;
using Nodo = MyContentInterno2::NodoRuta;

std::vector<std::string> Partes(const std::string& ruta, bool minusculas) {
    std::vector<std::string> v;
    std::size_t i = 1;
    while (i <= ruta.size()) {
        std::size_t j = ruta.find('/', i);
        if (j == std::string::npos) j = ruta.size();
        std::string n = ruta.substr(i, j - i);
        if (minusculas)
            for (char& c : n)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        v.push_back(n);
        i = j + 1;
    }
    return v;
}

const Nodo* Buscar(const std::string& ruta) {
    const Nodo* n = NodoDocumento();
    for (const std::string& nombre : Partes(ruta, true))
        n = BuscarHijo(n, nombre);
    return n;
}

TEST(Vocabulario, CadaFilaSeEncuentraPorSuRutaUnaVez) {
    std::set<std::string> vistas;
    for (const auto& e : Vocabulario()) {
        std::string clave;
        for (const std::string& n : Partes(e.ruta, true))
            clave += "/" + n;
        EXPECT_TRUE(vistas.insert(clave).second) << "two rows for " << e.ruta;
        const Nodo* n = Buscar(e.ruta);
        ASSERT_NE(n, nullptr) << e.ruta;
        EXPECT_EQ(n->entrada, &e) << e.ruta;
        // Every row does something.
        EXPECT_TRUE(e.texto.destino != Destino::Ninguno || e.lector != nullptr ||
                    e.inicio != InicioRuta::Ninguna || e.fin != FinRuta::Ninguna)
            << e.ruta;
    }
}

TEST(Vocabulario, LasRutasSeComparanSinMayusculasYSoloDesdeElDocumento) {
    const Nodo* sesion = Buscar("/datosKRT/sesionesLectivas/sesion");
    ASSERT_NE(sesion, nullptr);
    EXPECT_EQ(sesion, Buscar("/datoskrt/SESIONESLECTIVAS/Sesion"));
    EXPECT_EQ(sesion->entrada->inicio, InicioRuta::Sesion);
    // A path that only starts rows has a node without a row.
    const Nodo* materias = Buscar("/datosKRT/materias");
    ASSERT_NE(materias, nullptr);
    EXPECT_EQ(materias->entrada, nullptr);
    // A known name inside an unknown element, or at the wrong depth, is unknown.
    EXPECT_EQ(Buscar("/datosKRT/x/version"), nullptr);
    EXPECT_EQ(BuscarHijo(nullptr, "version"), nullptr);
    EXPECT_EQ(Buscar("/version"), nullptr);
    EXPECT_EQ(BuscarHijo(NodoDocumento(), ""), nullptr);
}

TEST(Vocabulario, UnElementoDesconocidoNoCambiaLoQueLeeSuPadre) {
    // The text of an element converts only when no child element started in it; a known element
    // inside an unknown one converts nothing.
    const Lectura l =
        Leer(Documento("<materias><materia><nombre>M1<x/></nombre></materia><materia><nombre>M2"
                       "</nombre><x><nombre>M3</nombre></x></materia></materias>"));
    EXPECT_EQ(Nombres(l.datos->materias), (std::vector<std::string>{"M2"}));
}

// Each row's element, alone in a document down its path with a short text, is read without
// failure; builds with assertions check that its conversion exists.
TEST(Vocabulario, CadaFilaSeLeeSolaEnUnDocumento) {
    Entorno entorno;
    for (const auto& e : Vocabulario()) {
        const std::vector<std::string> nombres = Partes(e.ruta, false);
        std::string doc = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";
        for (const std::string& n : nombres)
            doc += "<" + n + ">";
        doc += "1";
        for (auto n = nombres.rbegin(); n != nombres.rend(); ++n)
            doc += "</" + *n + ">";
        const Lectura l = Leer(doc);
        EXPECT_EQ(l.estado, 0u) << e.ruta;
    }
}

} // namespace
