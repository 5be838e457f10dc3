// The placement table of a solved timetable: one entry per record and period that can be
// placed, and per period and frame an empty grid whose cells will refer to entries.
//
// Grid rows: the room rows (row r is the room at list index r + 1; the rows past the last room
// are spare rows for anonymous rooms), then 20 rows for each duty in lesson intervals, one row
// for each meeting and one for each complementary activity.
#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

#include "model/datos.h"

namespace {

constexpr int kFilasPorGuardia = 20;
constexpr int kLimiteFilas = MAX_FILAS_REJILLA + 1; // 2046 rows do not fit
constexpr std::uint8_t kFinCadena = 0xFF;
constexpr std::size_t kCeldasPorFila = std::size_t{NUM_DIAS} * NUM_INTERVALOS;

// Chain kinds.
constexpr std::uint8_t kCadenaSola = 0;
constexpr std::uint8_t kCadenaMateria = 1;
constexpr std::uint8_t kCadenaCabeza = 2; // an 'S' record, or a main record with companions
constexpr std::uint8_t kCadenaProfesor = 3;

// Activity kinds.
constexpr std::uint8_t kSesion = 0;
constexpr std::uint8_t kGuardia = 1;
constexpr std::uint8_t kReunion = 2;
constexpr std::uint8_t kComplementaria = 3;

constexpr std::uint16_t kFueraDeLista = 0xFFFF;

// A mode-1 reference as an entry's 16-bit index; kFueraDeLista when it designates nothing.
std::uint16_t Indice16(Ref r, int cuenta) {
    return r < static_cast<Ref>(cuenta) && r < kFueraDeLista ? static_cast<std::uint16_t>(r)
                                                             : kFueraDeLista;
}

// A subject or group as an entry holds it: index + 1, 0 for none.
std::uint16_t IndiceMasUno(Ref r, int cuenta) {
    const std::uint16_t i = Indice16(r, cuenta);
    return i == kFueraDeLista ? 0 : static_cast<std::uint16_t>(i + 1);
}

std::uint16_t Pseudo(int n) {
    return static_cast<std::uint16_t>(n);
}

bool EsRecreo(const DHGUAR& g) {
    return g.enRecreos != 0;
}

} // namespace

unsigned CDatos::PeriodosDeRegistro(const std::uint8_t periodos[NUM_PERIODOS]) const {
    const int n = std::clamp<int>(marcos.numPeriodos, 1, NUM_PERIODOS);
    if (n < 2) return 1u;
    // Flags of periods the model does not have are not read.
    unsigned bits = 0;
    for (int p = 0; p < n; ++p)
        if (periodos[p] != 0) bits |= 1u << p;
    return bits != 0 ? bits : 1u;
}

int CDatos::MarcoDeEntrada(int marco) const {
    return marco >= 0 && marco < marcos.numMarcos && marco < NUM_MARCOS ? marco : 0;
}

// ---- Session entries --------------------------------------------------------------------------

void CDatos::RellenarEntradaFija(const MCList<DHSESI>::Nodo* principal, int indice, int periodo) {
    const std::uint8_t marco = static_cast<std::uint8_t>(MarcoDeEntrada(principal->dato.marco));
    int i = indice;
    for (const auto* n = principal; n != nullptr; n = n->siguiente, ++i) {
        if (n != principal && n->dato.tipo == SESION_PRINCIPAL) break;
        const DHSESI& s = n->dato;
        const bool ultimo = n->siguiente == nullptr || n->siguiente->dato.tipo == SESION_PRINCIPAL;
        ENTRADACOLOCACION e{};
        e.indicePrincipal = static_cast<std::uint16_t>(indice);
        e.indicePropio = static_cast<std::uint16_t>(i);
        e.materia = IndiceMasUno(s.materia, materias.Cuenta());
        e.profesor = Indice16(s.profesor, profesores.Cuenta());
        e.grupo = IndiceMasUno(s.grupo, grupos.Cuenta());
        switch (s.tipo) {
        case SESION_MATERIA:
            e.tipoCadena = kCadenaMateria;
            break;
        case SESION_PROFESOR:
            e.tipoCadena = kCadenaProfesor;
            break;
        case SESION_SIMULTANEA:
            e.tipoCadena = kCadenaCabeza;
            break;
        default: // the main record
            e.tipoCadena = ultimo ? kCadenaSola : kCadenaCabeza;
            break;
        }
        e.finCadena = ultimo ? kFinCadena : 0;
        e.marco = marco;
        e.tipo = kSesion;
        e.tarea = Indice16(s.tarea, tareas.Cuenta());
        e.aulaAdicional = s.aulaAdicional;
        e.periodo = static_cast<std::uint8_t>(periodo);
        entradas.push_back(e);
    }
}

// A variable distribution gives its entries the same fields as a fixed one.
void CDatos::RellenarEntradaVariable(const MCList<DHSESI>::Nodo* principal, int indice,
                                     int periodo) {
    RellenarEntradaFija(principal, indice, periodo);
}

void CDatos::RellenarEntradasSesiones() {
    int indice = 0;
    for (const auto* n = sesiones.Cabeza(); n != nullptr; n = n->siguiente, ++indice) {
        if (n->dato.tipo != SESION_PRINCIPAL) continue;
        // Entries hold 16-bit list indices: a chain that reaches past them cannot be told apart
        // from another one and gets no entries.
        int ultimo = indice;
        for (const auto* c = n->siguiente; c != nullptr && c->dato.tipo != SESION_PRINCIPAL;
             c = c->siguiente)
            ++ultimo;
        if (ultimo >= kFueraDeLista) break;
        const unsigned periodos = PeriodosDeRegistro(n->dato.periodos);
        for (int p = 0; p < NUM_PERIODOS; ++p) {
            if ((periodos & (1u << p)) == 0) continue;
            if (n->dato.tipoDistribucion == 1)
                RellenarEntradaVariable(n, indice, p);
            else
                RellenarEntradaFija(n, indice, p);
        }
    }
}

// A session record's own entry is the first entry of its chain that names it: the main
// record's first entry, or a simultaneous record's own.
void CDatos::IndexarSesiones() {
    entradaDeSesion.assign(static_cast<std::size_t>(sesiones.Cuenta()), -1);
    for (std::size_t j = 0; j < entradas.size(); ++j) {
        const ENTRADACOLOCACION& e = entradas[j];
        std::int32_t& principal = entradaDeSesion[e.indicePrincipal];
        if (principal < 0) principal = static_cast<std::int32_t>(j);
        if (e.indicePropio != e.indicePrincipal && e.tipoCadena == kCadenaCabeza &&
            entradaDeSesion[e.indicePropio] < 0)
            entradaDeSesion[e.indicePropio] = static_cast<std::int32_t>(j);
    }
    std::int32_t i = 0;
    for (const DHSESI& s : sesiones) {
        if (s.tipo == SESION_PRINCIPAL || s.tipo == SESION_SIMULTANEA)
            sesionDeId.try_emplace(s.id, i);
        ++i;
    }
}

// ---- Duties, meetings and complementary activities --------------------------------------------

int CDatos::ContarGuardias() const {
    int d = 0;
    for (const DHGUAR& g : guardias)
        if (!EsRecreo(g)) ++d;
    return d;
}

void CDatos::RellenarEntradaGuardia(const DHGUAR& guardia, int indice, Ref profesor, int fila,
                                    int pseudo, int periodo) {
    ENTRADACOLOCACION e{};
    e.indicePrincipal = e.indicePropio = Pseudo(pseudo);
    e.profesor = Indice16(profesor, profesores.Cuenta());
    e.tipoCadena = kCadenaSola;
    e.finCadena = kFinCadena;
    e.fila = static_cast<std::uint16_t>(fila);
    e.indiceActividad = static_cast<std::uint16_t>(indice);
    e.marco = static_cast<std::uint8_t>(MarcoDeEntrada(guardia.subMarco));
    e.tipo = kGuardia;
    e.tarea = Indice16(guardia.tipoDeTarea, tareas.Cuenta());
    e.periodo = static_cast<std::uint8_t>(periodo);
    entradas.push_back(e);
}

int CDatos::AnadirEntradasGuardias(int filaInicial, int pseudoInicial) {
    int miembros = 0;
    int t = 0;
    int indice = 0;
    for (const auto* n = guardias.Cabeza(); n != nullptr; n = n->siguiente, ++indice) {
        const DHGUAR& g = n->dato;
        if (EsRecreo(g)) continue;
        const int fila = filaInicial + kFilasPorGuardia * t++;
        const unsigned periodos = PeriodosDeRegistro(g.periodos);
        const int cuenta = std::min<int>(g.numIntegrantes, DHGUAR::MAX_INTEGRANTES);
        for (int k = 0; k < cuenta; ++k, ++miembros)
            for (int p = 0; p < NUM_PERIODOS; ++p)
                if ((periodos & (1u << p)) != 0)
                    RellenarEntradaGuardia(g, indice, g.integrantes[k], fila,
                                           pseudoInicial + miembros, p);
    }
    return miembros;
}

int CDatos::ContarEntradasReuniones() const {
    int total = 0;
    for (const DHREUN& r : reuniones)
        total += std::popcount(PeriodosDeRegistro(r.periodos)) *
                 std::min<int>(r.numIntegrantes, static_cast<int>(std::size(r.integrantes)));
    return total;
}

void CDatos::RellenarEntradaReunion(const DHREUN& reunion, int indice, int miembro, int fila,
                                    int pseudo, int periodo) {
    const int cuenta =
        std::min<int>(reunion.numIntegrantes, static_cast<int>(std::size(reunion.integrantes)));
    ENTRADACOLOCACION e{};
    e.indicePrincipal = e.indicePropio = Pseudo(pseudo);
    e.profesor = Indice16(reunion.integrantes[miembro], profesores.Cuenta());
    // The members form one chain: the first heads it (alone when it is the only one).
    e.tipoCadena = miembro > 0 ? kCadenaProfesor : cuenta > 1 ? kCadenaCabeza : kCadenaSola;
    e.finCadena = miembro == cuenta - 1 ? kFinCadena : 0;
    e.fila = static_cast<std::uint16_t>(fila);
    e.indiceActividad = static_cast<std::uint16_t>(indice);
    e.marco = static_cast<std::uint8_t>(MarcoDeEntrada(reunion.subMarco));
    e.tipo = kReunion;
    e.tarea = Indice16(reunion.tipoDeTarea, tareas.Cuenta());
    e.periodo = static_cast<std::uint8_t>(periodo);
    entradas.push_back(e);
}

void CDatos::AnadirEntradasReuniones(int filaInicial, int pseudoInicial) {
    entradas.reserve(entradas.size() + static_cast<std::size_t>(ContarEntradasReuniones()));
    int m = 0;
    for (const auto* n = reuniones.Cabeza(); n != nullptr; n = n->siguiente, ++m) {
        const DHREUN& r = n->dato;
        const unsigned periodos = PeriodosDeRegistro(r.periodos);
        const int cuenta =
            std::min<int>(r.numIntegrantes, static_cast<int>(std::size(r.integrantes)));
        for (int p = 0; p < NUM_PERIODOS; ++p)
            if ((periodos & (1u << p)) != 0)
                for (int k = 0; k < cuenta; ++k)
                    RellenarEntradaReunion(r, m, k, filaInicial + m, pseudoInicial + m, p);
    }
}

int CDatos::ContarEntradasComplementarias() const {
    int total = 0;
    for (const DHCOMP& c : complementarias)
        total += std::popcount(PeriodosDeRegistro(c.periodos));
    return total;
}

void CDatos::RellenarEntradaComplementaria(const DHCOMP& actividad, int indice, int fila,
                                           int pseudo, int periodo) {
    ENTRADACOLOCACION e{};
    e.indicePrincipal = e.indicePropio = Pseudo(pseudo);
    e.profesor = Indice16(actividad.profesor, profesores.Cuenta());
    e.tipoCadena = kCadenaSola;
    e.finCadena = kFinCadena;
    e.fila = static_cast<std::uint16_t>(fila);
    e.indiceActividad = static_cast<std::uint16_t>(indice);
    e.marco = static_cast<std::uint8_t>(MarcoDeEntrada(actividad.subMarco));
    e.tipo = kComplementaria;
    e.tarea = Indice16(actividad.tarea, tareas.Cuenta());
    e.periodo = static_cast<std::uint8_t>(periodo);
    entradas.push_back(e);
}

void CDatos::AnadirEntradasComplementarias(int filaInicial, int pseudoInicial) {
    entradas.reserve(entradas.size() + static_cast<std::size_t>(ContarEntradasComplementarias()));
    int c = 0;
    for (const auto* n = complementarias.Cabeza(); n != nullptr; n = n->siguiente, ++c) {
        const unsigned periodos = PeriodosDeRegistro(n->dato.periodos);
        for (int p = 0; p < NUM_PERIODOS; ++p)
            if ((periodos & (1u << p)) != 0)
                RellenarEntradaComplementaria(n->dato, c, filaInicial + c, pseudoInicial + c, p);
    }
}

// ---- The table --------------------------------------------------------------------------------

int CDatos::CrearTablaColocacion() {
    // A table built before (a second `horario`) is replaced whole; no grid exists until the
    // rows are known to fit.
    entradas.clear();
    entradaDeSesion.clear();
    sesionDeId.clear();
    filasRejilla = 0;
    for (auto& porMarco : rejillas)
        for (auto& r : porMarco)
            std::vector<std::uint32_t>().swap(r);

    const int sesionesTotales = sesiones.Cuenta();
    const int aulasFilas = marcos.numAulasGeneral;
    const int numGuardias = ContarGuardias();
    const int numReuniones = reuniones.Cuenta();
    const int numComplementarias = complementarias.Cuenta();

    RellenarEntradasSesiones();
    IndexarSesiones();

    // Counts are plain ints, so no count wraps into a negative row.
    long long filas = aulasFilas + static_cast<long long>(kFilasPorGuardia) * numGuardias;
    if (filas >= kLimiteFilas) return 0;
    const int miembrosGuardia = AnadirEntradasGuardias(aulasFilas, sesionesTotales);

    const int filaReuniones = aulasFilas + kFilasPorGuardia * numGuardias;
    filas += numReuniones;
    if (filas >= kLimiteFilas) return 0;
    AnadirEntradasReuniones(filaReuniones, sesionesTotales + miembrosGuardia);

    filas += numComplementarias;
    if (filas >= kLimiteFilas) return 0;
    AnadirEntradasComplementarias(filaReuniones + numReuniones,
                                  sesionesTotales + miembrosGuardia + numReuniones);

    const int periodos = std::clamp<int>(marcos.numPeriodos, 1, NUM_PERIODOS);
    const int numMarcos = std::clamp<int>(marcos.numMarcos, 1, NUM_MARCOS);
    const auto celdas = static_cast<std::size_t>(filas) * kCeldasPorFila;
    for (int p = 0; p < periodos; ++p) {
        for (int f = 0; f < numMarcos; ++f) {
            rejillas[p][f].assign(celdas, 0u);
            for (int k = 0; k < MAX_RECREOS; ++k)
                for (int d = 0; d < NUM_DIAS; ++d)
                    std::memset(&CeldaGuardias(p, f, k, d), 0, sizeof(CeldaGuardiasRecreo));
        }
    }
    filasRejilla = static_cast<int>(filas);
    return 1;
}
