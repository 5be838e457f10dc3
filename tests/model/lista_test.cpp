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

} // namespace
