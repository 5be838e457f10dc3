#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <utility>

#include "model/datos.h"
#include "tests/common/modelo.h"

namespace {

using prueba::ModeloPreparado;

using NodoSesion = MCList<DHSESI>::Nodo;

NodoSesion* Sesion(CDatos& d, const char* distribucion, std::initializer_list<int> periodos = {}) {
    NodoSesion* n = d.sesiones.AnadirAlFinal();
    n->dato.tipo = SESION_PRINCIPAL;
    CopiarTexto(n->dato.distribucion, distribucion);
    for (int p : periodos)
        n->dato.periodos[p] = 1;
    return n;
}

// Sets the first entries of a relation array and its count.
template <std::size_t N>
void Fijar(std::uint8_t& cuenta, Ref (&refs)[N], std::initializer_list<Ref> valores) {
    cuenta = 0;
    for (Ref r : valores)
        refs[cuenta++] = r;
}

// The admission check of each array kind, on two sessions whose day count always passes.
struct Prueba {
    CDatos& d;
    NodoSesion* a;
    NodoSesion* b;
    Ref refA;
    Ref refB;
    bool EnDistintoDia() const { return d.ComprobarEnDistintoDia(a->dato, b->dato, refA, refB); }
    bool PrevioPosterior() const {
        return d.ComprobarPrevioPosterior(a->dato, b->dato, refA, refB);
    }
    bool Separacion() const { return d.ComprobarSeparacion(a->dato, b->dato, refA, refB, 0, 0); }
};

TEST(Relaciones, DayCountAgainstTheWeek) {
    auto d = ModeloPreparado(1);
    auto* a = Sesion(*d, "22");
    auto* b = Sesion(*d, "111");
    auto* c = Sesion(*d, "2211");
    auto* e = Sesion(*d, "11");
    EXPECT_TRUE(d->ComprobarNumeroDias(a->dato, b->dato, 0));
    EXPECT_FALSE(d->ComprobarNumeroDias(c->dato, e->dato, 0));
    EXPECT_FALSE(d->ComprobarNumeroDias(a->dato, b->dato, 1));
    EXPECT_TRUE(d->ComprobarNumeroDias(c->dato, e->dato, -1)); // the days of a separation: signed
    d->marcos.sabado = 1;
    EXPECT_TRUE(d->ComprobarNumeroDias(c->dato, e->dato, 0));
    EXPECT_FALSE(d->ComprobarNumeroDias(c->dato, e->dato, 1));
    // The checks of the arrays end with it; a separation passes its days on, or skips it.
    d->marcos.sabado = 0;
    const Ref rc = 2, re = 3;
    EXPECT_FALSE(d->ComprobarEnDistintoDia(c->dato, e->dato, rc, re));
    EXPECT_FALSE(d->ComprobarPrevioPosterior(c->dato, e->dato, rc, re));
    EXPECT_FALSE(d->ComprobarSeparacion(c->dato, e->dato, rc, re, 0, false));
    EXPECT_TRUE(d->ComprobarSeparacion(c->dato, e->dato, rc, re, -1, false));
    EXPECT_TRUE(d->ComprobarSeparacion(c->dato, e->dato, rc, re, 3, true));
    EXPECT_FALSE(d->ComprobarSeparacion(a->dato, b->dato, 0, 1, 1, false));
}

TEST(Relaciones, DayCountOnlyInSharedPeriods) {
    auto d = ModeloPreparado(1);
    auto* p1 = Sesion(*d, "5555555", {1});
    auto* p0 = Sesion(*d, "5555555", {0});
    auto* ninguno = Sesion(*d, "5555555");
    auto* soloP3 = Sesion(*d, "5555555", {3});
    // One period: the flags are not looked at.
    EXPECT_FALSE(d->ComprobarNumeroDias(p1->dato, p0->dato, 0));

    d->marcosHorario->FijarNumeroPeriodos(2);
    EXPECT_TRUE(d->ComprobarNumeroDias(p1->dato, p0->dato, 0));
    // No flag at all is period 0 only.
    EXPECT_TRUE(d->ComprobarNumeroDias(p1->dato, ninguno->dato, 0));
    EXPECT_FALSE(d->ComprobarNumeroDias(p0->dato, ninguno->dato, 0));
    // The flags are read as stored: a flag for a period the model lacks still counts as a flag,
    // so that session takes part in neither of the two periods.
    EXPECT_TRUE(d->ComprobarNumeroDias(soloP3->dato, ninguno->dato, 0));
    EXPECT_TRUE(d->ComprobarNumeroDias(soloP3->dato, p0->dato, 0));
    p1->dato.periodos[0] = 1;
    EXPECT_FALSE(d->ComprobarNumeroDias(p1->dato, p0->dato, 0));
}

TEST(Relaciones, CapacitiesDuplicatesAndSelfLinks) {
    auto d = ModeloPreparado(1);
    auto* a = Sesion(*d, "1");
    auto* b = Sesion(*d, "1");
    Prueba t{*d, a, b, 0, 1};
    EXPECT_TRUE(t.EnDistintoDia() && t.PrevioPosterior() && t.Separacion());

    RelacionesSesion& ra = a->dato.relaciones;
    RelacionesSesion& rb = b->dato.relaciones;
    for (Ref r = 100; r < 115; ++r)
        ra.enDistintoDia[ra.numEnDistintoDia++] = r;
    EXPECT_TRUE(t.EnDistintoDia()); // a 16th partner
    ra.enDistintoDia[ra.numEnDistintoDia++] = 115;
    EXPECT_FALSE(t.EnDistintoDia()); // a 17th
    EXPECT_TRUE(t.PrevioPosterior() && t.Separacion());
    std::swap(t.a, t.b);
    std::swap(t.refA, t.refB);
    EXPECT_FALSE(t.EnDistintoDia()); // full on B's side

    Fijar(ra.numPrevioPosterior, ra.previoPosterior, {7, 8, 9});
    EXPECT_TRUE(t.PrevioPosterior());
    Fijar(ra.numPrevioPosterior, ra.previoPosterior, {7, 8, 9, 10});
    EXPECT_FALSE(t.PrevioPosterior());
    Fijar(rb.numSeparacion, rb.separacion, {7, 8, 9, 10});
    EXPECT_FALSE(t.Separacion());
    EXPECT_FALSE(d->ComprobarSeparacion(a->dato, b->dato, 0, 1, 0, true)); // capacity first

    // A second link between the same two sessions, found on either side.
    auto* c = Sesion(*d, "1");
    auto* e = Sesion(*d, "1");
    Prueba u{*d, c, e, 2, 3};
    RelacionesSesion& rc = c->dato.relaciones;
    RelacionesSesion& re = e->dato.relaciones;
    Fijar(rc.numNoConsecutivas, rc.noConsecutivas, {3}); // another kind does not matter
    EXPECT_TRUE(u.EnDistintoDia());
    Fijar(rc.numEnDistintoDia, rc.enDistintoDia, {3});
    EXPECT_FALSE(u.EnDistintoDia());
    Fijar(re.numSeparacion, re.separacion, {2});
    EXPECT_FALSE(u.Separacion());
    EXPECT_TRUE(u.PrevioPosterior());
    // An entry past the count is not a link.
    rc.previoPosterior[1] = 3;
    EXPECT_TRUE(u.PrevioPosterior());

    Prueba mismo{*d, c, c, 2, 2};
    EXPECT_FALSE(mismo.EnDistintoDia() || mismo.PrevioPosterior() || mismo.Separacion());

    // A count beyond its array (a damaged record) means full and is never read past the array.
    rc.numEnDistintoDia = 0;
    EXPECT_TRUE(u.EnDistintoDia());
    re.numEnDistintoDia = 200;
    EXPECT_FALSE(u.EnDistintoDia());
}

TEST(Relaciones, RemovalCompactsAndZeroesTheTail) {
    auto d = ModeloPreparado(1);
    auto* s = Sesion(*d, "1");
    RelacionesSesion& r = s->dato.relaciones;
    const Ref x = 4, y = 9;
    r.numSeparacion = 3;
    const Ref sep[] = {x, y, x};
    const std::int8_t dias[] = {1, 2, 3};
    const std::uint8_t tipos[] = {0, 1, 0};
    for (int i = 0; i < 3; ++i) {
        r.separacion[i] = sep[i];
        r.diasSeparacion[i] = dias[i];
        r.tipoSeparacion[i] = tipos[i];
    }
    EXPECT_TRUE(d->QuitarSeparacion(s, x));
    EXPECT_EQ(r.numSeparacion, 1);
    EXPECT_EQ(r.separacion[0], y);
    EXPECT_EQ(r.diasSeparacion[0], 2);
    EXPECT_EQ(r.tipoSeparacion[0], 1);
    for (int i = 1; i < RelacionesSesion::MAX_SEPARACION; ++i)
        EXPECT_EQ(r.separacion[i] + r.diasSeparacion[i] + r.tipoSeparacion[i], 0u) << i;
    EXPECT_FALSE(d->QuitarSeparacion(s, x)); // none left
    EXPECT_TRUE(d->QuitarSeparacion(s, y));
    EXPECT_FALSE(d->QuitarSeparacion(s, y)); // empty

    r.numPrevioPosterior = 3;
    const Ref pp[] = {y, x, 5};
    for (int i = 0; i < 3; ++i) {
        r.previoPosterior[i] = pp[i];
        r.esPrevio[i] = static_cast<std::uint8_t>(i == 2);
    }
    EXPECT_TRUE(d->QuitarPrevioPosterior(s, y));
    EXPECT_EQ(r.numPrevioPosterior, 2);
    EXPECT_EQ(r.previoPosterior[1], 5u);
    EXPECT_EQ(r.esPrevio[1], 1);
    EXPECT_EQ(r.esPrevio[2], 0);

    Fijar(r.numNoConsecutivas, r.noConsecutivas, {x, x});
    EXPECT_TRUE(d->QuitarNoConsecutiva(s, x));
    EXPECT_EQ(r.numNoConsecutivas, 0);
    EXPECT_EQ(r.noConsecutivas[0] + r.noConsecutivas[1], 0u);
    EXPECT_FALSE(d->QuitarNoCoincidente(s, x));

    // The day-sequence setting is cleared on every call, even when nothing is removed or when
    // other partners stay.
    s->dato.enDiasSeguidos = 3;
    EXPECT_FALSE(d->QuitarEnDistintoDia(s, x));
    EXPECT_EQ(s->dato.enDiasSeguidos, 0);
    Fijar(r.numEnDistintoDia, r.enDistintoDia, {x, y});
    s->dato.enDiasSeguidos = 2;
    EXPECT_TRUE(d->QuitarEnDistintoDia(s, x));
    EXPECT_EQ(r.numEnDistintoDia, 1);
    EXPECT_EQ(r.enDistintoDia[0], y);
    EXPECT_EQ(s->dato.enDiasSeguidos, 0);

    // A count beyond its array: only the array is compacted, the next fields stay.
    for (int i = 0; i < RelacionesSesion::MAX_EN_DISTINTO_DIA; ++i)
        r.enDistintoDia[i] = i % 2 == 0 ? x : y;
    r.numEnDistintoDia = 200;
    Fijar(r.numNoConsecutivas, r.noConsecutivas, {77});
    EXPECT_TRUE(d->QuitarEnDistintoDia(s, x));
    EXPECT_EQ(r.numEnDistintoDia, 8);
    EXPECT_EQ(r.numNoConsecutivas, 1);
    EXPECT_EQ(r.noConsecutivas[0], 77u);
}

TEST(Relaciones, OptionalSubjectBlockOfASession) {
    auto d = ModeloPreparado(1);
    auto* o1 = d->optativas.AnadirAlFinal();
    o1->dato.numSesiones = 2;
    o1->dato.sesiones[0] = 5;
    o1->dato.sesiones[1] = 6;
    o1->dato.sesiones[2] = 3; // past the count
    o1->dato.maxSolapadas = 2;
    auto* o2 = d->optativas.AnadirAlFinal();
    o2->dato.numSesiones = 3;
    o2->dato.maxSolapadas = 4;
    const Ref en2[] = {7, 3, 3};
    const std::int8_t sol[] = {1, -1, 1};
    for (int i = 0; i < 3; ++i) {
        o2->dato.sesiones[i] = en2[i];
        o2->dato.solapable[i] = sol[i];
    }

    int maxSolapadas = 99, solapable = 99;
    EXPECT_EQ(d->BuscarOptativaDeSesion(3, maxSolapadas, solapable), 2);
    EXPECT_EQ(maxSolapadas, 4);
    EXPECT_EQ(solapable, -1); // the first entry's flag, widened with its sign
    EXPECT_EQ(d->BuscarOptativaDeSesion(6, maxSolapadas, solapable), 1);
    EXPECT_EQ(maxSolapadas, 2);
    maxSolapadas = solapable = 99;
    EXPECT_EQ(d->BuscarOptativaDeSesion(8, maxSolapadas, solapable), 0);
    EXPECT_EQ(maxSolapadas, 99);
    EXPECT_EQ(solapable, 99);

    // Damaged entry counts stay within the 64 slots.
    o1->dato.numSesiones = -5;
    o2->dato.numSesiones = 1000;
    o2->dato.sesiones[63] = 8;
    EXPECT_EQ(d->BuscarOptativaDeSesion(5, maxSolapadas, solapable), 0);
    EXPECT_EQ(d->BuscarOptativaDeSesion(8, maxSolapadas, solapable), 2);
}

TEST(Relaciones, RecessDutyOfAFrame) {
    auto d = ModeloPreparado(1);
    d->marcos.numMarcos = 2;
    EXPECT_EQ(d->BuscarGuardiaRecreo(0), nullptr);
    auto* g1 = d->guardias.AnadirAlFinal();
    g1->dato.enRecreos = 2; // only 1 marks a recess duty
    auto* g2 = d->guardias.AnadirAlFinal();
    g2->dato.enRecreos = 1;
    g2->dato.subMarco = 3; // not a frame of this model: frame 0
    auto* g3 = d->guardias.AnadirAlFinal();
    g3->dato.enRecreos = 1;
    g3->dato.subMarco = 1;
    EXPECT_EQ(d->BuscarGuardiaRecreo(0), g2);
    EXPECT_EQ(d->BuscarGuardiaRecreo(1), g3);
    EXPECT_EQ(d->BuscarGuardiaRecreo(2), nullptr);
    // A negative frame byte is frame 0 too, never a frame of its own.
    g2->dato.subMarco = -1;
    EXPECT_EQ(d->BuscarGuardiaRecreo(0), g2);
    EXPECT_EQ(d->BuscarGuardiaRecreo(-1), nullptr);
}

} // namespace
