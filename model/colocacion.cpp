// The placement table: its entries, built from the model's records, and the grids with their
// lookups.
#include "model/colocacion.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

#include "model/datos.h"

namespace {

constexpr int kLimiteFilas = MAX_FILAS_REJILLA + 1; // 2046 rows do not fit
constexpr std::size_t kCeldasPorFila = std::size_t{NUM_DIAS} * NUM_INTERVALOS;

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

unsigned TablaColocacion::PeriodosDeRegistro(const std::uint8_t periodos[NUM_PERIODOS]) const {
    const int n = std::clamp<int>(d_.marcos.numPeriodos, 1, NUM_PERIODOS);
    if (n < 2) return 1u;
    // Flags of periods the model does not have are not read.
    unsigned bits = 0;
    for (int p = 0; p < n; ++p)
        if (periodos[p] != 0) bits |= 1u << p;
    return bits != 0 ? bits : 1u;
}

int TablaColocacion::MarcoDeEntrada(int marco) const {
    return marco >= 0 && marco < d_.marcos.numMarcos && marco < NUM_MARCOS ? marco : 0;
}

// ---- Session entries --------------------------------------------------------------------------

void TablaColocacion::RellenarEntradaFija(const MCList<DHSESI>::Nodo* principal, int indice,
                                          int periodo) {
    const std::uint8_t marco = static_cast<std::uint8_t>(MarcoDeEntrada(principal->dato.marco));
    int i = indice;
    for (const auto* n = principal; n != nullptr; n = n->siguiente, ++i) {
        if (n != principal && n->dato.tipo == SESION_PRINCIPAL) break;
        const DHSESI& s = n->dato;
        const bool ultimo = n->siguiente == nullptr || n->siguiente->dato.tipo == SESION_PRINCIPAL;
        ENTRADACOLOCACION e{};
        e.indicePrincipal = static_cast<std::uint16_t>(indice);
        e.indicePropio = static_cast<std::uint16_t>(i);
        e.materia = IndiceMasUno(s.materia, d_.materias.Cuenta());
        e.profesor = Indice16(s.profesor, d_.profesores.Cuenta());
        e.grupo = IndiceMasUno(s.grupo, d_.grupos.Cuenta());
        switch (s.tipo) {
        case SESION_MATERIA:
            e.tipoCadena = CADENA_MATERIA;
            break;
        case SESION_PROFESOR:
            e.tipoCadena = CADENA_PROFESOR;
            break;
        case SESION_SIMULTANEA:
            e.tipoCadena = CADENA_CABEZA;
            break;
        default: // the main record
            e.tipoCadena = ultimo ? CADENA_SOLA : CADENA_CABEZA;
            break;
        }
        e.finCadena = ultimo ? FIN_CADENA : 0;
        e.marco = marco;
        e.tipo = ACTIVIDAD_SESION;
        e.tarea = Indice16(s.tarea, d_.tareas.Cuenta());
        e.aulaAdicional = s.aulaAdicional;
        e.periodo = static_cast<std::uint8_t>(periodo);
        AnadirEntrada(e);
    }
}

// A variable distribution gives its entries the same fields as a fixed one.
void TablaColocacion::RellenarEntradaVariable(const MCList<DHSESI>::Nodo* principal, int indice,
                                              int periodo) {
    RellenarEntradaFija(principal, indice, periodo);
}

void TablaColocacion::RellenarEntradasSesiones() {
    int indice = 0;
    for (const auto* n = d_.sesiones.Cabeza(); n != nullptr; n = n->siguiente, ++indice) {
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
void TablaColocacion::IndexarSesiones() {
    entradaDeSesion_.assign(static_cast<std::size_t>(d_.sesiones.Cuenta()), -1);
    for (std::size_t j = 0; j < entradas_.size(); ++j) {
        const ENTRADACOLOCACION& e = entradas_[j];
        std::int32_t& principal = entradaDeSesion_[e.indicePrincipal];
        if (principal < 0) principal = static_cast<std::int32_t>(j);
        if (e.indicePropio != e.indicePrincipal && e.tipoCadena == CADENA_CABEZA &&
            entradaDeSesion_[e.indicePropio] < 0)
            entradaDeSesion_[e.indicePropio] = static_cast<std::int32_t>(j);
    }
    std::int32_t i = 0;
    for (const DHSESI& s : d_.sesiones) {
        if (s.tipo == SESION_PRINCIPAL || s.tipo == SESION_SIMULTANEA)
            sesionDeId_.try_emplace(s.id, i);
        ++i;
    }
}

// ---- Duties, meetings and complementary activities --------------------------------------------

int TablaColocacion::ContarGuardias() const {
    int d = 0;
    for (const DHGUAR& g : d_.guardias)
        if (!EsRecreo(g)) ++d;
    return d;
}

ENTRADACOLOCACION TablaColocacion::EntradaDeActividad(int tipo, int indice, Ref profesor, Ref tarea,
                                                      int subMarco, int fila, int pseudo,
                                                      int periodo) const {
    ENTRADACOLOCACION e{};
    e.indicePrincipal = e.indicePropio = Pseudo(pseudo);
    e.profesor = Indice16(profesor, d_.profesores.Cuenta());
    e.tipoCadena = CADENA_SOLA;
    e.finCadena = FIN_CADENA;
    e.fila = static_cast<std::uint16_t>(fila);
    e.indiceActividad = static_cast<std::uint16_t>(indice);
    e.marco = static_cast<std::uint8_t>(MarcoDeEntrada(subMarco));
    e.tipo = static_cast<std::uint8_t>(tipo);
    e.tarea = Indice16(tarea, d_.tareas.Cuenta());
    e.periodo = static_cast<std::uint8_t>(periodo);
    return e;
}

void TablaColocacion::RellenarEntradaGuardia(const DHGUAR& guardia, int indice, Ref profesor,
                                             int fila, int pseudo, int periodo) {
    AnadirEntrada(EntradaDeActividad(ACTIVIDAD_GUARDIA, indice, profesor, guardia.tipoDeTarea,
                                     guardia.subMarco, fila, pseudo, periodo));
}

int TablaColocacion::AnadirEntradasGuardias(int filaInicial, int pseudoInicial) {
    int miembros = 0;
    int t = 0;
    int indice = 0;
    for (const auto* n = d_.guardias.Cabeza(); n != nullptr; n = n->siguiente, ++indice) {
        const DHGUAR& g = n->dato;
        if (EsRecreo(g)) continue;
        const int fila = filaInicial + FILAS_POR_GUARDIA * t++;
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

int TablaColocacion::ContarEntradasReuniones() const {
    int total = 0;
    for (const DHREUN& r : d_.reuniones)
        total += std::popcount(PeriodosDeRegistro(r.periodos)) *
                 std::min<int>(r.numIntegrantes, static_cast<int>(std::size(r.integrantes)));
    return total;
}

void TablaColocacion::RellenarEntradaReunion(const DHREUN& reunion, int indice, int miembro,
                                             int fila, int pseudo, int periodo) {
    const int cuenta =
        std::min<int>(reunion.numIntegrantes, static_cast<int>(std::size(reunion.integrantes)));
    ENTRADACOLOCACION e =
        EntradaDeActividad(ACTIVIDAD_REUNION, indice, reunion.integrantes[miembro],
                           reunion.tipoDeTarea, reunion.subMarco, fila, pseudo, periodo);
    // The members form one chain: the first heads it (alone when it is the only one).
    e.tipoCadena = miembro > 0 ? CADENA_PROFESOR : cuenta > 1 ? CADENA_CABEZA : CADENA_SOLA;
    e.finCadena = miembro == cuenta - 1 ? FIN_CADENA : 0;
    AnadirEntrada(e);
}

void TablaColocacion::AnadirEntradasReuniones(int filaInicial, int pseudoInicial) {
    entradas_.reserve(entradas_.size() + static_cast<std::size_t>(ContarEntradasReuniones()));
    int m = 0;
    for (const auto* n = d_.reuniones.Cabeza(); n != nullptr; n = n->siguiente, ++m) {
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

int TablaColocacion::ContarEntradasComplementarias() const {
    int total = 0;
    for (const DHCOMP& c : d_.complementarias)
        total += std::popcount(PeriodosDeRegistro(c.periodos));
    return total;
}

void TablaColocacion::RellenarEntradaComplementaria(const DHCOMP& actividad, int indice, int fila,
                                                    int pseudo, int periodo) {
    AnadirEntrada(EntradaDeActividad(ACTIVIDAD_COMPLEMENTARIA, indice, actividad.profesor,
                                     actividad.tarea, actividad.subMarco, fila, pseudo, periodo));
}

void TablaColocacion::AnadirEntradasComplementarias(int filaInicial, int pseudoInicial) {
    entradas_.reserve(entradas_.size() + static_cast<std::size_t>(ContarEntradasComplementarias()));
    int c = 0;
    for (const auto* n = d_.complementarias.Cabeza(); n != nullptr; n = n->siguiente, ++c) {
        const unsigned periodos = PeriodosDeRegistro(n->dato.periodos);
        for (int p = 0; p < NUM_PERIODOS; ++p)
            if ((periodos & (1u << p)) != 0)
                RellenarEntradaComplementaria(n->dato, c, filaInicial + c, pseudoInicial + c, p);
    }
}

// ---- The table --------------------------------------------------------------------------------

int TablaColocacion::CrearTablaColocacion() {
    // A table built before (a second `horario`) is replaced whole; no grid exists until the
    // rows are known to fit.
    VaciarTabla();

    const int sesionesTotales = d_.sesiones.Cuenta();
    const int aulasFilas = d_.marcos.numAulasGeneral;
    const int numGuardias = ContarGuardias();
    const int numReuniones = d_.reuniones.Cuenta();
    const int numComplementarias = d_.complementarias.Cuenta();

    RellenarEntradasSesiones();
    IndexarSesiones();

    // Counts are plain ints, so no count wraps into a negative row.
    long long filas = aulasFilas + static_cast<long long>(FILAS_POR_GUARDIA) * numGuardias;
    if (filas >= kLimiteFilas) return 0;
    const int miembrosGuardia = AnadirEntradasGuardias(aulasFilas, sesionesTotales);

    const int filaReuniones = aulasFilas + FILAS_POR_GUARDIA * numGuardias;
    filas += numReuniones;
    if (filas >= kLimiteFilas) return 0;
    AnadirEntradasReuniones(filaReuniones, sesionesTotales + miembrosGuardia);

    filas += numComplementarias;
    if (filas >= kLimiteFilas) return 0;
    AnadirEntradasComplementarias(filaReuniones + numReuniones,
                                  sesionesTotales + miembrosGuardia + numReuniones);

    const int periodos = std::clamp<int>(d_.marcos.numPeriodos, 1, NUM_PERIODOS);
    const int numMarcos = std::clamp<int>(d_.marcos.numMarcos, 1, NUM_MARCOS);
    FijarFilas(static_cast<int>(filas));
    for (int p = 0; p < periodos; ++p) {
        for (int f = 0; f < numMarcos; ++f) {
            CrearRejilla(p, f);
            for (int k = 0; k < MAX_RECREOS; ++k)
                for (int d = 0; d < NUM_DIAS; ++d)
                    CeldaGuardias(p, f, k, d) = CeldaGuardiasRecreo{};
        }
    }
    return 1;
}

TablaColocacion::TablaColocacion(CDatos& datos)
    : d_(datos), guardiasRecreo_(static_cast<std::size_t>(NUM_CELDAS_GUARDIAS_RECREO)) {}

void TablaColocacion::Vaciar() {
    VaciarTabla();
    VaciarGuardiasRecreo();
}

void TablaColocacion::VaciarTabla() {
    VaciarEntradas();
    entradaDeSesion_.clear();
    sesionDeId_.clear();
    filasRejilla_ = 0;
    for (auto& porMarco : rejillas_)
        for (auto& r : porMarco)
            std::vector<std::uint32_t>().swap(r);
}

void TablaColocacion::VaciarGuardiasRecreo() {
    std::fill(guardiasRecreo_.begin(), guardiasRecreo_.end(), CeldaGuardiasRecreo{});
}

void TablaColocacion::VaciarEntradas() {
    entradas_.clear();
    primeraDeActividad_.clear();
    primeraDeGuardia_.clear();
    indexadas_ = 0;
}

namespace {
std::uint64_t Par(std::uint32_t a, std::uint32_t b) {
    return (std::uint64_t{a} << 32) | b;
}
} // namespace

void TablaColocacion::IndexarEntradas() {
    for (; indexadas_ < entradas_.size(); ++indexadas_) {
        const ENTRADACOLOCACION& e = entradas_[indexadas_];
        primeraDeActividad_.try_emplace(Par(e.tipo, e.indiceActividad), indexadas_);
        if (e.tipo == ACTIVIDAD_GUARDIA)
            primeraDeGuardia_.try_emplace(Par(e.indiceActividad, e.profesor), indexadas_);
    }
}

ENTRADACOLOCACION* TablaColocacion::PrimeraEntrada(std::uint8_t tipo, int actividad) {
    // The fields hold 16 bits: another number names no entry.
    if (actividad < 0 || actividad > 0xFFFF) return nullptr;
    IndexarEntradas();
    const auto e = primeraDeActividad_.find(Par(tipo, static_cast<std::uint32_t>(actividad)));
    return e != primeraDeActividad_.end() ? &entradas_[e->second] : nullptr;
}

ENTRADACOLOCACION* TablaColocacion::BuscarEntradaGuardia(int profesor, int guardia) {
    if (profesor < 0 || profesor > 0xFFFF || guardia < 0 || guardia > 0xFFFF) return nullptr;
    IndexarEntradas();
    const auto e = primeraDeGuardia_.find(
        Par(static_cast<std::uint32_t>(guardia), static_cast<std::uint32_t>(profesor)));
    return e != primeraDeGuardia_.end() ? &entradas_[e->second] : nullptr;
}

std::size_t TablaColocacion::AnadirEntrada(const ENTRADACOLOCACION& entrada) {
    entradas_.push_back(entrada);
    return entradas_.size() - 1;
}

void TablaColocacion::CrearRejilla(int p, int f) {
    rejillas_[p][f].assign(static_cast<std::size_t>(filasRejilla_) * kCeldasPorFila, 0u);
}

// ---- Grids ------------------------------------------------------------------------------------

const ENTRADACOLOCACION* TablaColocacion::EntradaEnCelda(int p, int f, int d, int i, int r) const {
    if (p < 0 || p >= NUM_PERIODOS || f < 0 || f >= NUM_MARCOS) return nullptr;
    if (d < 0 || d >= NUM_DIAS || i < 0 || i >= NUM_INTERVALOS || r < 0 || r >= filasRejilla_)
        return nullptr;
    const auto& rejilla = rejillas_[p][f];
    const auto celda = static_cast<std::size_t>(NumeroCelda(d, i, r));
    if (celda >= rejilla.size()) return nullptr; // a grid that was not built holds nothing
    const std::uint32_t v = rejilla[celda];
    if (v == 0 || v > entradas_.size()) return nullptr;
    return &entradas_[v - 1];
}

std::uint32_t* TablaColocacion::CeldaRejilla(int p, int f, int d, int i, int r) {
    if (p < 0 || p >= NUM_PERIODOS || f < 0 || f >= NUM_MARCOS) return nullptr;
    if (d < 0 || d >= NUM_DIAS || i < 0 || i >= NUM_INTERVALOS || r < 0 || r >= filasRejilla_)
        return nullptr;
    auto& rejilla = rejillas_[p][f];
    const auto celda = static_cast<std::size_t>(NumeroCelda(d, i, r));
    return celda < rejilla.size() ? &rejilla[celda] : nullptr;
}

const ENTRADACOLOCACION* TablaColocacion::BuscarOcupanteEnOtrosMarcos(int p, int f, int r, int d,
                                                                      int dt, int i) const {
    if (f < 0 || f >= NUM_MARCOS || dt < 0 || dt >= NUM_DIAS || i < 0 || i >= NUM_INTERVALOS)
        return nullptr;
    const ParSolape* lista = d_.marcos.solapesLectivos[f][dt][i];
    for (int k = 0; k < MAX_SOLAPES && lista[k].marco != 0; ++k) {
        const ENTRADACOLOCACION* e = EntradaEnCelda(p, lista[k].marco - 1, d, lista[k].indice, r);
        if (e != nullptr) return e;
    }
    return nullptr;
}

bool TablaColocacion::ComprobarLibreEnOtrosMarcos(int p, int f, int r, int d, int i) const {
    if (d_.marcos.numMarcos < 2) return true;
    const int dt = d_.marcos.porDia ? d : 0;
    return BuscarOcupanteEnOtrosMarcos(p, f, r, d, dt, i) == nullptr;
}

const ENTRADACOLOCACION* TablaColocacion::SiguienteEnCadena(const ENTRADACOLOCACION* e) const {
    const std::size_t j = IndiceDe(e);
    if (j >= entradas_.size() || e->finCadena == FIN_CADENA || j + 1 >= entradas_.size())
        return nullptr;
    const ENTRADACOLOCACION& siguiente = entradas_[j + 1];
    return siguiente.tipoCadena == CADENA_CABEZA ? nullptr : &siguiente;
}
