#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/lista.h"

namespace {

struct Reg {
    char nombre[31];
    int valor;
};

Reg R(const char* nombre, int valor = 0) {
    Reg r{};
    CopiarTexto(r.nombre, nombre);
    r.valor = valor;
    return r;
}

std::vector<std::string> Nombres(const MCList<Reg>& l) {
    std::vector<std::string> v;
    for (const Reg& r : l)
        v.push_back(r.nombre + std::string("/") + std::to_string(r.valor));
    return v;
}

TEST(CopiarTexto, CutsToTheFieldAndAlwaysTerminates) {
    char campo[31];
    CopiarTexto(campo, "0123456789012345678901234567890123456789");
    EXPECT_EQ(std::string(campo), "012345678901234567890123456789");
    CopiarTexto(campo, nullptr);
    EXPECT_EQ(std::string(campo), "");
}

TEST(MCList, OrderedInsertKeepsArrivalOrderOfEqualNames) {
    MCList<Reg> l;
    l.InsertarOrdenado(R("Beta", 1));
    l.InsertarOrdenado(R("Alfa", 2));
    l.InsertarOrdenado(R("Beta", 3));
    l.InsertarOrdenado(R("Gamma", 4));
    EXPECT_EQ(Nombres(l), (std::vector<std::string>{"Alfa/2", "Beta/1", "Beta/3", "Gamma/4"}));
    // Names equal under the comparison (case, accents) also go after the existing ones.
    l.InsertarOrdenado(R("BETA", 5));
    l.InsertarOrdenado(R("alfa", 6));
    EXPECT_EQ(Nombres(l), (std::vector<std::string>{"Alfa/2", "alfa/6", "Beta/1", "Beta/3",
                                                    "BETA/5", "Gamma/4"}));
    EXPECT_EQ(l.Cuenta(), 6);
}

TEST(MCList, OrderedInsertIntoEmptyListAppendsAndSmallestGoesFirst) {
    MCList<Reg> l;
    l.InsertarOrdenado(R("m"));
    l.InsertarOrdenado(R("a"));
    EXPECT_EQ(Nombres(l), (std::vector<std::string>{"a/0", "m/0"}));
    EXPECT_EQ(l.Cabeza()->anterior, nullptr);
    EXPECT_EQ(l.Cola()->siguiente, nullptr);
}

TEST(MCList, LookupIgnoresCaseAndAccentsAndReturnsFirstMatch) {
    MCList<Reg> l;
    l.AnadirAlFinal(R("Matem\xE1ticas", 1));
    l.AnadirAlFinal(R("MATEMATICAS", 2));
    l.AnadirAlFinal(R("A\xD1O", 3));
    auto* n = l.BuscarNombre("matematicas");
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->dato.valor, 1);
    // "ñ" is a letter of its own.
    EXPECT_EQ(l.BuscarNombre("ANO"), nullptr);
    ASSERT_NE(l.BuscarNombre("a\xF1o"), nullptr);
    EXPECT_EQ(MCList<Reg>().BuscarNombre("x"), nullptr);
}

TEST(MCList, IndicesAndStableNodes) {
    MCList<Reg> l;
    auto* a = l.AnadirAlFinal(R("a"));
    auto* b = l.AnadirAlFinal(R("b"));
    auto* c = l.AnadirAlFinal(R("c"));
    EXPECT_EQ(CalcularIndiceNodo(a), 0);
    EXPECT_EQ(CalcularIndiceNodo(c), 2);
    EXPECT_EQ(CalcularIndiceNodo<MCList<Reg>::Nodo>(nullptr), 0);
    EXPECT_EQ(l.NodoEnIndice(1), b);
    EXPECT_EQ(l.NodoEnIndice(3), nullptr);
    EXPECT_EQ(l.NodoEnIndice(-1), nullptr);
    // Moving keeps the node's address.
    l.Mover(c, a);
    EXPECT_EQ(l.Cabeza(), c);
    EXPECT_EQ(c->dato.nombre, std::string("c"));
    l.Mover(c, nullptr);
    EXPECT_EQ(l.Cola(), c);
    l.Quitar(b);
    EXPECT_EQ(l.Cuenta(), 2);
    EXPECT_EQ(a->siguiente, c);
    EXPECT_EQ(c->anterior, a);
    l.Vaciar();
    EXPECT_TRUE(l.Vacia());
    EXPECT_EQ(l.Cabeza(), nullptr);
}

// The lookups and positions are kept in indexes: after every kind of change they must give what
// a walk from the head gives.
TEST(MCList, LookupsFollowEveryChangeOfTheList) {
    MCList<Reg> l;
    auto* a = l.AnadirAlFinal(R("Alfa", 1));
    EXPECT_EQ(l.BuscarNombre("alfa"), a);
    // A record appended and named afterwards, as the builders do.
    auto* b = l.AnadirAlFinal();
    EXPECT_EQ(l.BuscarNombre("beta"), nullptr);
    CopiarTexto(b->dato.nombre, "Beta");
    EXPECT_EQ(l.BuscarNombre("BETA"), b);
    auto* c = l.AnadirAlFinal(R("ALFA", 3));
    EXPECT_EQ(l.BuscarNombre("\xC1lfa"), a);
    // The first of a name moves behind the second one.
    l.Mover(a, nullptr);
    EXPECT_EQ(l.BuscarNombre("alfa"), c);
    // An insert in the middle comes first.
    auto* d = l.InsertarAntes(b, R("alfa", 4));
    EXPECT_EQ(l.BuscarNombre("alfa"), d);
    l.Quitar(d);
    EXPECT_EQ(l.BuscarNombre("alfa"), c);
    // A rename in place, announced.
    CopiarTexto(c->dato.nombre, "Gamma");
    l.NombresCambiados();
    EXPECT_EQ(l.BuscarNombre("alfa"), a);
    EXPECT_EQ(l.BuscarNombre("gamma"), c);
    EXPECT_EQ(l.BuscarNombre(""), nullptr);
    l.Vaciar();
    EXPECT_EQ(l.BuscarNombre("alfa"), nullptr);
    auto* e = l.AnadirAlFinal(R("alfa"));
    EXPECT_EQ(l.BuscarNombre("ALFA"), e);
}

TEST(MCList, PositionsAndIndicesFollowEveryChangeOfTheList) {
    MCList<Reg> l;
    std::vector<MCList<Reg>::Nodo*> v;
    for (int i = 0; i < 6; ++i)
        v.push_back(l.AnadirAlFinal(R("n", i)));
    auto comprobar = [&] {
        int i = 0;
        for (auto it = l.begin(); it != l.end(); ++it, ++i) {
            EXPECT_EQ(CalcularIndiceNodo(it.nodo()), i);
            EXPECT_EQ(l.NodoEnIndice(i), it.nodo());
        }
        EXPECT_EQ(l.NodoEnIndice(i), nullptr);
    };
    comprobar();
    l.AnadirAlFinal(R("n", 6));
    comprobar();
    l.Mover(v[5], v[0]);
    comprobar();
    l.Quitar(v[2]);
    comprobar();
    l.InsertarDespues(v[3], R("n", 7));
    l.AnadirAlPrincipio(R("n", 8));
    comprobar();
    l.AnadirAlFinal(R("n", 9));
    EXPECT_EQ(CalcularIndiceNodo(l.Cola()), l.Cuenta() - 1);
    comprobar();
}

// Export codes: case counts, accents do not.
struct ConClave {
    char nombre[31];
    char claveDeExportacion[11];
};

TEST(MCList, LookupOfExportCodesKeepsLetterCase) {
    MCList<ConClave> l;
    ConClave r{};
    CopiarTexto(r.claveDeExportacion, "ab");
    auto* ab = l.AnadirAlFinal(r);
    CopiarTexto(r.claveDeExportacion, "AB");
    auto* mayusculas = l.AnadirAlFinal(r);
    CopiarTexto(r.claveDeExportacion, "x");
    l.AnadirAlFinal(r);
    EXPECT_EQ(l.BuscarClaveDeExportacion("\xE1"
                                         "b"),
              ab);
    EXPECT_EQ(l.BuscarClaveDeExportacion("AB"), mayusculas);
    EXPECT_EQ(l.BuscarClaveDeExportacion("Ab"), nullptr);
    CopiarTexto(ab->dato.claveDeExportacion, "Ab");
    l.NombresCambiados();
    EXPECT_EQ(l.BuscarClaveDeExportacion("Ab"), ab);
    EXPECT_EQ(l.BuscarClaveDeExportacion("ab"), nullptr);
}

TEST(IndiceExacto, FirstNodeOfTheSameBytesUpToTheFieldWidth) {
    MCList<Reg> l;
    IndiceExacto<Reg> indice([](const Reg& r) -> const char* { return r.nombre; }, 4);
    auto* a = l.AnadirAlFinal(R("abcdX", 1));
    auto* b = l.AnadirAlFinal(R("ABCD", 2));
    EXPECT_EQ(indice.Buscar(l, "abcdY"), a); // only the first 4 bytes count
    EXPECT_EQ(indice.Buscar(l, "ABCD"), b);
    EXPECT_EQ(indice.Buscar(l, "Abcd"), nullptr);
    auto* c = l.InsertarAntes(a, R("ABCD", 3));
    EXPECT_EQ(indice.Buscar(l, "ABCD"), c);
    CopiarTexto(c->dato.nombre, "zz");
    l.NombresCambiados();
    EXPECT_EQ(indice.Buscar(l, "ABCD"), b);
}

} // namespace
