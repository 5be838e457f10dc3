// Placing the solved timetable: each child of a `horario/tramo` puts a reference to its
// placement entry in the grid of (week, frame), or, for a duty in a recess, a (teacher, duty)
// pair in the recess duty table. What cannot be resolved is not stored, and nothing is reported.
#include <algorithm>

#include "model/colocacion.h"
#include "model/datos.h"
#include "platform/avisos.h"
#include "platform/text.h"

namespace {

constexpr const char* kSinCapacidad = "No hay capacidad.\nThere is no capacity.";

bool Vacio(const char* t) {
    return t == nullptr || t[0] == '\0';
}

} // namespace

int EsNumerico(const char* texto) {
    if (texto == nullptr) return 1;
    for (const char* c = texto; *c != '\0'; ++c)
        if (!plataforma::EsDigito(static_cast<unsigned char>(*c))) return 0;
    return 1;
}

void TablaColocacion::PrepararHorario() {
    // The room rows are settled before the grid is sized: every room of the model has a row.
    const int aulasDelModelo = d_.aulas.Cuenta() - 1;
    if (aulasDelModelo > d_.marcos.numAulasGeneral)
        d_.marcosHorario->FijarAulasGeneral(aulasDelModelo);
    if (CrearTablaColocacion() == 0)
        plataforma::AvisosActuales().Mostrar(kSinCapacidad, "", plataforma::Icono::Ninguno,
                                             plataforma::Botones::Aceptar);
}

bool TablaColocacion::ExisteTramo(int semana, int dia, int fila, int marco) const {
    if (semana < 0 || semana >= std::min<int>(d_.marcos.numPeriodos, NUM_PERIODOS)) return false;
    if (dia < 0 || dia >= NUM_DIAS || marco < 0 || marco >= NUM_MARCOS || fila < 0) return false;
    return fila < std::min<int>(d_.marcosHorario->Bloque(marco, dia).numLectivos, NUM_INTERVALOS);
}

// ---- Sessions ---------------------------------------------------------------------------------

void TablaColocacion::ColocarSesion(int semana, int dia, int fila, int marco, const char* aula,
                                    const char* profesor, int sesion, int ocurrencia, int anonima) {
    if (sesion < 0 || !ExisteTramo(semana, dia, fila, marco)) return;
    // The first main or simultaneous record with that document id, as the table found it.
    const auto registro = sesionDeId_.find(sesion);
    if (registro == sesionDeId_.end()) return;
    ENTRADACOLOCACION* e = BuscarEntradaSesion(registro->second, ocurrencia);
    if (e != nullptr) GuardarColocacion(e, semana, dia, fila, aula, profesor, anonima);
}

// The session's own entry is the first of its chain in the table (the chain's first period);
// a further room is counted from it.
ENTRADACOLOCACION* TablaColocacion::BuscarEntradaSesion(int indice, int ocurrencia) {
    if (indice < 0 || static_cast<std::size_t>(indice) >= entradaDeSesion_.size()) return nullptr;
    const std::int32_t j = entradaDeSesion_[static_cast<std::size_t>(indice)];
    if (j < 0 || static_cast<std::size_t>(j) >= entradas_.size()) return nullptr;
    ENTRADACOLOCACION* e = &entradas_[static_cast<std::size_t>(j)];
    return ocurrencia == 0 ? e : BuscarRepeticion(e, ocurrencia);
}

// The n-th further room after `entrada`, within its session: the search stops at the chain's
// end and where a simultaneous session begins.
ENTRADACOLOCACION* TablaColocacion::BuscarRepeticion(ENTRADACOLOCACION* entrada, int ocurrencia) {
    if (entrada == nullptr || ocurrencia <= 0) return nullptr;
    auto j = IndiceDe(entrada);
    int contadas = 0;
    while (j < entradas_.size() && entradas_[j].finCadena != FIN_CADENA &&
           j + 1 < entradas_.size()) {
        const ENTRADACOLOCACION& siguiente = entradas_[j + 1];
        if (siguiente.tipoCadena == CADENA_CABEZA && siguiente.aulaAdicional != 1) return nullptr;
        ++j;
        if (entradas_[j].aulaAdicional == 1 && ++contadas == ocurrencia) return &entradas_[j];
    }
    return nullptr;
}

void TablaColocacion::GuardarColocacion(ENTRADACOLOCACION* e, int semana, int dia, int fila,
                                        const char* aula, const char* profesor, int anonima) {
    // The grid is the entry's frame's; the slot's frame only served to check the slot.
    const int marco = e->marco;
    // Only room rows take a session: rows past them belong to duties and other activities.
    const int filasAulas = std::min<int>(d_.marcos.numAulasGeneral, filasRejilla_);
    int r = -1;
    if (anonima == 0 && !Vacio(aula)) {
        const auto* n = d_.aulas.BuscarNombre(aula);
        if (n == nullptr) return;
        const int i = CalcularIndiceNodo(n);
        if (i == 0 || i - 1 >= filasAulas) return; // "<cualquiera>", or a room with no row
        r = i - 1;
    } else {
        if (anonima != 0 && !Vacio(aula) && EsNumerico(aula) != 0) {
            const int n = plataforma::LeerEntero(aula);
            const std::uint32_t* c = CeldaRejilla(semana, marco, dia, fila, n);
            if (n >= 0 && n < filasAulas && c != nullptr && *c == 0 &&
                ComprobarLibreEnOtrosMarcos(semana, marco, n, dia, fila))
                r = n;
        }
        if (r < 0) {
            // The highest free spare row (not taken in an overlapping slot of another frame).
            const int primera = std::max(0, d_.aulas.Cuenta() - 1);
            const int dt = d_.marcos.porDia != 0 ? dia : 0;
            for (int k = filasAulas - 1; k >= primera && r < 0; --k) {
                const std::uint32_t* c = CeldaRejilla(semana, marco, dia, fila, k);
                if (c == nullptr || *c != 0) continue;
                if (d_.marcos.numMarcos >= 2 &&
                    BuscarOcupanteEnOtrosMarcos(semana, marco, k, dia, dt, fila) != nullptr)
                    continue;
                r = k;
            }
            if (r < 0) return;
        }
    }
    std::uint32_t* celda = CeldaRejilla(semana, marco, dia, fila, r);
    if (celda == nullptr) return;

    // A teacher named by the slot takes the place of the entry's teacher along its chain, for
    // every slot where the entry is placed.
    if (!Vacio(profesor)) {
        if (const auto* n = d_.profesores.BuscarNombre(profesor)) {
            const int t = CalcularIndiceNodo(n);
            const std::uint16_t t0 = e->profesor;
            if (t < 0xFFFF)
                for (ENTRADACOLOCACION* x = e; x != nullptr; x = SiguienteEnCadena(x))
                    if (x->profesor == t0) x->profesor = static_cast<std::uint16_t>(t);
        }
    }
    *celda = static_cast<std::uint32_t>(IndiceDe(e)) + 1;
}

// ---- Meetings, complementary activities and duties --------------------------------------------

namespace {

// Meetings and complementary activities have a row of their own: the entry goes in its cell
// when the cell is free.
void ColocarEnSuFila(TablaColocacion& t, ENTRADACOLOCACION* e, int semana, int dia, int fila) {
    std::uint32_t* c = t.CeldaRejilla(semana, e->marco, dia, fila, e->fila);
    if (c != nullptr && *c == 0) *c = static_cast<std::uint32_t>(t.IndiceDe(e)) + 1;
}

} // namespace

void TablaColocacion::ColocarEntradaReunion(ENTRADACOLOCACION* e, int semana, int dia, int fila) {
    ColocarEnSuFila(*this, e, semana, dia, fila);
}

void TablaColocacion::ColocarEntradaComplementaria(ENTRADACOLOCACION* e, int semana, int dia,
                                                   int fila) {
    ColocarEnSuFila(*this, e, semana, dia, fila);
}

// The first free of the duty's 20 rows.
void TablaColocacion::ColocarEntradaGuardia(ENTRADACOLOCACION* e, int semana, int dia, int fila) {
    for (int k = 0; k < FILAS_POR_GUARDIA; ++k) {
        std::uint32_t* c = CeldaRejilla(semana, e->marco, dia, fila, e->fila + k);
        if (c != nullptr && *c == 0) {
            *c = static_cast<std::uint32_t>(IndiceDe(e)) + 1;
            return;
        }
    }
}

void TablaColocacion::ColocarComplementaria(int semana, int dia, int fila, int marco, int numero) {
    if (!ExisteTramo(semana, dia, fila, marco)) return;
    if (numero < 0 || numero >= d_.complementarias.Cuenta()) return;
    if (auto* e = PrimeraEntrada(ACTIVIDAD_COMPLEMENTARIA, numero))
        ColocarEntradaComplementaria(e, semana, dia, fila);
}

void TablaColocacion::ColocarReunion(int semana, int dia, int fila, int marco,
                                     const char* reunion) {
    if (!ExisteTramo(semana, dia, fila, marco) || Vacio(reunion)) return;
    const auto* n = d_.reuniones.BuscarNombre(reunion);
    if (n == nullptr) return;
    if (auto* e = PrimeraEntrada(ACTIVIDAD_REUNION, CalcularIndiceNodo(n)))
        ColocarEntradaReunion(e, semana, dia, fila);
}

void TablaColocacion::ColocarGuardia(int semana, int dia, int fila, int marco, const char* guardia,
                                     const char* profesor) {
    if (!ExisteTramo(semana, dia, fila, marco) || Vacio(guardia) || Vacio(profesor)) return;
    const auto* g = d_.guardias.BuscarNombre(guardia);
    const auto* p = d_.profesores.BuscarNombre(profesor);
    if (g == nullptr || p == nullptr) return;
    if (auto* e = BuscarEntradaGuardia(CalcularIndiceNodo(p), CalcularIndiceNodo(g)))
        ColocarEntradaGuardia(e, semana, dia, fila);
}

// A duty in a recess: no grid, a (teacher, duty) pair in the recess duty table.
void TablaColocacion::ColocarGuardiaRecreo(int semana, int dia, int recreo, int marco,
                                           const char* guardia, const char* profesor) {
    // Weeks beyond the periods have no cells.
    if (semana < 0 || semana >= std::min<int>(d_.marcos.numPeriodos, NUM_PERIODOS)) return;
    if (dia < 0 || dia >= NUM_DIAS || recreo < 0 || recreo >= MAX_RECREOS) return;
    if (Vacio(profesor)) return;
    const auto* p = d_.profesores.BuscarNombre(profesor);
    if (p == nullptr) return;
    const int f = MarcoDeEntrada(marco);
    CeldaGuardiasRecreo& celda = CeldaGuardias(semana, f, recreo, dia);
    if (celda.cuenta < 0 || celda.cuenta >= MAX_GUARDIAS_CELDA) return;
    const MCList<DHGUAR>::Nodo* g = Vacio(guardia) ? nullptr : d_.guardias.BuscarNombre(guardia);
    if (g == nullptr) g = d_.BuscarGuardiaRecreo(f);
    celda.pares[celda.cuenta] = {p, g};
    ++celda.cuenta;
}
