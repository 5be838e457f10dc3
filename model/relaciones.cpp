// Relations between main sessions: admission checks, the links made on both sessions of a pair,
// the removals that undo them, and two lookups.
#include <algorithm>
#include <cstring>

#include "model/datos.h"
#include "model/filtros.h"

namespace {

using Nodo = MCList<DHSESI>::Nodo;

template <std::size_t N> bool Contiene(const Ref (&refs)[N], int cuenta, Ref ref) {
    const int n = Acotar(cuenta, static_cast<int>(N));
    for (int i = 0; i < n; ++i)
        if (refs[i] == ref) return true;
    return false;
}

// Common steps of the admission checks on one array kind: no self-link, no second link
// between the same two sessions (looked for on both sides), room on both sides.
template <std::size_t N>
bool HayHueco(const Ref (&refsA)[N], int cuentaA, const Ref (&refsB)[N], int cuentaB, Ref refA,
              Ref refB) {
    if (refA == refB) return false;
    if (Contiene(refsA, cuentaA, refB) || Contiene(refsB, cuentaB, refA)) return false;
    return cuentaA < static_cast<int>(N) && cuentaB < static_cast<int>(N);
}

// A plain symmetric link on one array kind, after the common admission steps.
template <std::size_t N>
int Enlazar(Ref refA, std::uint8_t& cuentaA, Ref (&refsA)[N], Ref refB, std::uint8_t& cuentaB,
            Ref (&refsB)[N]) {
    if (!HayHueco(refsA, cuentaA, refsB, cuentaB, refA, refB)) return 0;
    refsA[cuentaA++] = refB;
    refsB[cuentaB++] = refA;
    return 1;
}

// Sessions per week of a distribution: its characters (the field may lack its terminator).
int Longitud(const char (&distribucion)[8]) {
    return static_cast<int>(strnlen(distribucion, sizeof distribucion));
}

// Removes every entry equal to `ref` from `refs` and, at the same places, from the parallel
// arrays; the kept entries move to the front in their order and the freed slots are zeroed.
template <std::size_t N, class... Paralelos>
bool Compactar(std::uint8_t& cuenta, Ref (&refs)[N], Ref ref, Paralelos (&... paralelos)[N]) {
    const int n = Acotar(cuenta, static_cast<int>(N));
    std::size_t k = 0;
    for (int i = 0; i < n; ++i) {
        if (refs[i] == ref) continue;
        refs[k] = refs[i];
        ((paralelos[k] = paralelos[i]), ...);
        ++k;
    }
    for (std::size_t i = k; i < N; ++i) {
        refs[i] = 0;
        ((paralelos[i] = 0), ...);
    }
    cuenta = static_cast<std::uint8_t>(k);
    return static_cast<int>(k) < n;
}

} // namespace

bool CDatos::ComprobarNumeroDias(const DHSESI& recA, const DHSESI& recB, int extra) const {
    const int periodos = std::min<int>(marcos.numPeriodos, NUM_PERIODOS);
    const int dias = marcosHorario->DiasSemana();
    const int sesionesJuntas = Longitud(recA.distribucion) + Longitud(recB.distribucion) + extra;
    for (int p = 0; p < periodos; ++p) {
        if (periodos > 1 && (!EnPeriodo(recA.periodos, p) || !EnPeriodo(recB.periodos, p)))
            continue;
        if (sesionesJuntas > dias) return false;
    }
    return true;
}

bool CDatos::ComprobarEnDistintoDia(const DHSESI& recA, const DHSESI& recB, Ref refA,
                                    Ref refB) const {
    const RelacionesSesion& a = recA.relaciones;
    const RelacionesSesion& b = recB.relaciones;
    if (!HayHueco(a.enDistintoDia, a.numEnDistintoDia, b.enDistintoDia, b.numEnDistintoDia, refA,
                  refB))
        return false;
    return ComprobarNumeroDias(recA, recB, 0);
}

bool CDatos::ComprobarPrevioPosterior(const DHSESI& recA, const DHSESI& recB, Ref refA,
                                      Ref refB) const {
    const RelacionesSesion& a = recA.relaciones;
    const RelacionesSesion& b = recB.relaciones;
    if (!HayHueco(a.previoPosterior, a.numPrevioPosterior, b.previoPosterior, b.numPrevioPosterior,
                  refA, refB))
        return false;
    return ComprobarNumeroDias(recA, recB, 0);
}

bool CDatos::ComprobarSeparacion(const DHSESI& recA, const DHSESI& recB, Ref refA, Ref refB,
                                 int extra, bool sinComprobarDias) const {
    const RelacionesSesion& a = recA.relaciones;
    const RelacionesSesion& b = recB.relaciones;
    if (!HayHueco(a.separacion, a.numSeparacion, b.separacion, b.numSeparacion, refA, refB))
        return false;
    if (sinComprobarDias) return true;
    return ComprobarNumeroDias(recA, recB, extra);
}

bool CDatos::QuitarEnDistintoDia(MCList<DHSESI>::Nodo* sesion, Ref ref) {
    if (sesion == nullptr) return false;
    RelacionesSesion& r = sesion->dato.relaciones;
    // The day-sequence setting belongs to the whole array; it is cleared on every removal.
    sesion->dato.enDiasSeguidos = 0;
    return Compactar(r.numEnDistintoDia, r.enDistintoDia, ref);
}

bool CDatos::QuitarNoConsecutiva(MCList<DHSESI>::Nodo* sesion, Ref ref) {
    if (sesion == nullptr) return false;
    RelacionesSesion& r = sesion->dato.relaciones;
    return Compactar(r.numNoConsecutivas, r.noConsecutivas, ref);
}

bool CDatos::QuitarNoCoincidente(MCList<DHSESI>::Nodo* sesion, Ref ref) {
    if (sesion == nullptr) return false;
    RelacionesSesion& r = sesion->dato.relaciones;
    return Compactar(r.numNoCoincidentes, r.noCoincidentes, ref);
}

bool CDatos::QuitarPrevioPosterior(MCList<DHSESI>::Nodo* sesion, Ref ref) {
    if (sesion == nullptr) return false;
    RelacionesSesion& r = sesion->dato.relaciones;
    return Compactar(r.numPrevioPosterior, r.previoPosterior, ref, r.esPrevio);
}

bool CDatos::QuitarSeparacion(MCList<DHSESI>::Nodo* sesion, Ref ref) {
    if (sesion == nullptr) return false;
    RelacionesSesion& r = sesion->dato.relaciones;
    return Compactar(r.numSeparacion, r.separacion, ref, r.diasSeparacion, r.tipoSeparacion);
}

// ---- Links on both sessions of a pair ---------------------------------------------------------

int CDatos::RelacionarEnDistintoDia(Nodo* a, Nodo* b) {
    if (a == nullptr || b == nullptr) return 0;
    const Ref refA = Referencia<DHSESI>(a);
    const Ref refB = Referencia<DHSESI>(b);
    if (!ComprobarEnDistintoDia(a->dato, b->dato, refA, refB)) return 0;
    RelacionesSesion& x = a->dato.relaciones;
    RelacionesSesion& y = b->dato.relaciones;
    x.enDistintoDia[x.numEnDistintoDia++] = refB;
    y.enDistintoDia[y.numEnDistintoDia++] = refA;
    return 1;
}

int CDatos::RelacionarNoConsecutivas(Nodo* a, Nodo* b) {
    if (a == nullptr || b == nullptr || a == b) return 0;
    RelacionesSesion& x = a->dato.relaciones;
    RelacionesSesion& y = b->dato.relaciones;
    return Enlazar(Referencia<DHSESI>(a), x.numNoConsecutivas, x.noConsecutivas,
                   Referencia<DHSESI>(b), y.numNoConsecutivas, y.noConsecutivas);
}

int CDatos::RelacionarNoCoincidentes(Nodo* a, Nodo* b) {
    if (a == nullptr || b == nullptr || a == b) return 0;
    RelacionesSesion& x = a->dato.relaciones;
    RelacionesSesion& y = b->dato.relaciones;
    return Enlazar(Referencia<DHSESI>(a), x.numNoCoincidentes, x.noCoincidentes,
                   Referencia<DHSESI>(b), y.numNoCoincidentes, y.noCoincidentes);
}

int CDatos::RelacionarIntercambiables(Nodo* a, Nodo* b) {
    // A session is never its own interchangeable partner.
    if (a == nullptr || b == nullptr || a == b) return 0;
    RelacionesSesion& x = a->dato.relaciones;
    RelacionesSesion& y = b->dato.relaciones;
    return Enlazar(Referencia<DHSESI>(a), x.numIntercambiables, x.profesoresIntercambiables,
                   Referencia<DHSESI>(b), y.numIntercambiables, y.profesoresIntercambiables);
}

int CDatos::RelacionarPrevioPosterior(Nodo* a, Nodo* b) {
    if (a == nullptr || b == nullptr) return 0;
    const Ref refA = Referencia<DHSESI>(a);
    const Ref refB = Referencia<DHSESI>(b);
    if (!ComprobarPrevioPosterior(a->dato, b->dato, refA, refB)) return 0;
    RelacionesSesion& x = a->dato.relaciones;
    RelacionesSesion& y = b->dato.relaciones;
    x.previoPosterior[x.numPrevioPosterior] = refB;
    x.esPrevio[x.numPrevioPosterior++] = 0;
    y.previoPosterior[y.numPrevioPosterior] = refA;
    y.esPrevio[y.numPrevioPosterior++] = 1;
    return 1;
}

int CDatos::RelacionarSeparacion(Nodo* a, Nodo* b, int tipo, int dias) {
    if (a == nullptr || b == nullptr) return 0;
    const Ref refA = Referencia<DHSESI>(a);
    const Ref refB = Referencia<DHSESI>(b);
    if (!ComprobarSeparacion(a->dato, b->dato, refA, refB, dias, tipo != 0)) return 0;
    auto anotar = [&](RelacionesSesion& x, Ref otra) {
        const int k = x.numSeparacion++;
        x.separacion[k] = otra;
        x.diasSeparacion[k] = static_cast<std::int8_t>(dias);
        x.tipoSeparacion[k] = static_cast<std::uint8_t>(tipo);
    };
    anotar(a->dato.relaciones, refB);
    anotar(b->dato.relaciones, refA);
    return 1;
}

void CDatos::EnlazarSimultaneas(Nodo* sesion) {
    if (sesion == nullptr) return;
    const Ref ref = Referencia<DHSESI>(sesion);
    const RelacionesSesion& r = sesion->dato.relaciones;
    auto quitar = [&](const Ref* refs, int cuenta, int capacidad,
                      bool (CDatos::*operacion)(Nodo*, Ref)) {
        const int n = Acotar(cuenta, capacidad);
        for (int i = 0; i < n; ++i)
            if (Nodo* otra = Resolver(sesiones, refs[i])) (this->*operacion)(otra, ref);
    };
    quitar(r.enDistintoDia, r.numEnDistintoDia, RelacionesSesion::MAX_EN_DISTINTO_DIA,
           &CDatos::QuitarEnDistintoDia);
    quitar(r.noConsecutivas, r.numNoConsecutivas, RelacionesSesion::MAX_NO_CONSECUTIVAS,
           &CDatos::QuitarNoConsecutiva);
    quitar(r.noCoincidentes, r.numNoCoincidentes, RelacionesSesion::MAX_NO_COINCIDENTES,
           &CDatos::QuitarNoCoincidente);
    quitar(r.previoPosterior, r.numPrevioPosterior, RelacionesSesion::MAX_PREVIO_POSTERIOR,
           &CDatos::QuitarPrevioPosterior);
    quitar(r.separacion, r.numSeparacion, RelacionesSesion::MAX_SEPARACION,
           &CDatos::QuitarSeparacion);
}

// ---- Lookups ----------------------------------------------------------------------------------

int CDatos::BuscarOptativaDeSesion(Ref ref, int& maxSolapadas, int& solapable) const {
    int numero = 0;
    for (const DHOPTATIVAS& o : optativas) {
        ++numero;
        const int n = Acotar(o.numSesiones, DHOPTATIVAS::MAX_SESIONES);
        for (int i = 0; i < n; ++i) {
            if (o.sesiones[i] != ref) continue;
            maxSolapadas = o.maxSolapadas;
            solapable = o.solapable[i];
            return numero;
        }
    }
    return 0;
}

MCList<DHGUAR>::Nodo* CDatos::BuscarGuardiaRecreo(int marco) const {
    for (auto* n = guardias.Cabeza(); n != nullptr; n = n->siguiente)
        if (n->dato.enRecreos == 1 && MarcoDeRegistro(n->dato.subMarco, marcos.numMarcos) == marco)
            return n;
    return nullptr;
}
