// The placement table of a solved timetable: one entry per record and period that can be placed,
// per period and frame a grid whose cells refer to entries, and the recess duty table.
//
// The document reader builds the table when the timetable starts and places each slot's
// children through the Colocar* operations; the timetable file writer walks the first period's
// grids and follows each placed entry along its chain.
//
// Grid rows: the room rows (row r is the room at list index r + 1; the rows past the last room
// are spare rows for anonymous rooms), then 20 rows for each duty in lesson intervals, one row
// for each meeting and one for each complementary activity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/lista.h"
#include "model/mapas.h"
#include "model/marcos.h"
#include "model/registros.h"

class CDatos;

// Chain kinds (ENTRADACOLOCACION::tipoCadena).
enum TipoCadena : std::uint8_t {
    CADENA_SOLA = 0,     // a main record without companions, or an activity member alone
    CADENA_MATERIA = 1,  // an 'M' record: a further subject or group
    CADENA_CABEZA = 2,   // an 'S' record, or the head of a chain with companions
    CADENA_PROFESOR = 3, // a 'P' record: a further teacher (or a further meeting member)
};

// Activity kinds (ENTRADACOLOCACION::tipo).
enum TipoActividad : std::uint8_t {
    ACTIVIDAD_SESION = 0,
    ACTIVIDAD_GUARDIA = 1,
    ACTIVIDAD_REUNION = 2,
    ACTIVIDAD_COMPLEMENTARIA = 3,
};

// ENTRADACOLOCACION::finCadena of the last entry of a chain.
inline constexpr std::uint8_t FIN_CADENA = 0xFF;

// One placement entry: a session record, or a member of a duty, meeting or complementary
// activity, in one period. List indices are 16-bit.
struct ENTRADACOLOCACION {
    std::uint16_t indicePrincipal; // main record (or pseudo index of an activity)
    std::uint16_t indicePropio;    // this record (or the pseudo index)
    std::uint16_t materia;         // subject index + 1, 0 = none
    std::uint16_t profesor;        // teacher index
    std::uint16_t grupo;           // group index + 1, 0 = none
    std::uint8_t tipoCadena;       // TipoCadena
    std::uint8_t finCadena;        // FIN_CADENA on the last entry of a chain, else 0
    std::uint16_t fila;            // first grid row of an activity
    std::uint16_t indiceActividad; // DHGUAR, DHREUN or DHCOMP index
    std::uint8_t marco;            // the frame whose grid takes the entry
    std::uint8_t tipo;             // TipoActividad
    std::uint16_t tarea;           // task index
    std::uint8_t aulaAdicional;    // 1 for a further room of a session
    std::uint8_t periodo;
};
static_assert(sizeof(ENTRADACOLOCACION) == 22, "the entry is 22 bytes with no padding");

inline constexpr int MAX_GUARDIAS_CELDA = 20;
inline constexpr int MAX_FILAS_REJILLA = 2045;
inline constexpr int FILAS_POR_GUARDIA = 20;

// One cell of the recess duty table: up to 20 (teacher, duty) pairs. Both are nodes of the
// model's lists in either mode; the duty may be null.
struct CeldaGuardiasRecreo {
    std::int32_t cuenta;
    struct Par {
        const MCList<DHPROF>::Nodo* profesor;
        const MCList<DHGUAR>::Nodo* guardia;
    } pares[MAX_GUARDIAS_CELDA];
};

inline constexpr int NUM_CELDAS_GUARDIAS_RECREO =
    NUM_PERIODOS * NUM_MARCOS * MAX_RECREOS * NUM_DIAS;

class TablaColocacion {
public:
    explicit TablaColocacion(CDatos& datos);
    TablaColocacion(const TablaColocacion&) = delete;
    TablaColocacion& operator=(const TablaColocacion&) = delete;

    // No entries, no grids, and an empty recess duty table.
    void Vaciar();
    // An empty recess duty table (its pairs point at nodes of the model's lists).
    void VaciarGuardiasRecreo();

    // ---- Building the table
    // The entries of every session chain, duty member, meeting member and complementary
    // activity, per period, and the empty grids of every period and frame with the recess duty
    // cells cleared. 0 (and no grid) when the grid rows would reach 2046. Built again from
    // scratch when called again.
    int CrearTablaColocacion();
    void RellenarEntradasSesiones();
    // The entries of the session chain whose main record is `principal` (list index `indice`)
    // in period `periodo`, by the chain's distribution kind.
    void RellenarEntradaFija(const MCList<DHSESI>::Nodo* principal, int indice, int periodo);
    void RellenarEntradaVariable(const MCList<DHSESI>::Nodo* principal, int indice, int periodo);
    // Fills the session lookups (own entry by list index, record by document id).
    void IndexarSesiones();
    int ContarGuardias() const; // duties in lesson intervals
    // Duty entries: the rows of the t-th duty in lesson intervals start at filaInicial + 20 t;
    // pseudo indices from pseudoInicial. Returns the number of members counted.
    int AnadirEntradasGuardias(int filaInicial, int pseudoInicial);
    // The entries, their lookups and the grids emptied (the recess duty table stays).
    void VaciarTabla();
    // The entry of one teacher of a duty, meeting or complementary activity: alone in its chain,
    // in the activity's own row.
    ENTRADACOLOCACION EntradaDeActividad(int tipo, int indice, Ref profesor, Ref tarea,
                                         int subMarco, int fila, int pseudo, int periodo) const;
    void RellenarEntradaGuardia(const DHGUAR& guardia, int indice, Ref profesor, int fila,
                                int pseudo, int periodo);
    void AnadirEntradasReuniones(int filaInicial, int pseudoInicial);
    int ContarEntradasReuniones() const;
    void RellenarEntradaReunion(const DHREUN& reunion, int indice, int miembro, int fila,
                                int pseudo, int periodo);
    void AnadirEntradasComplementarias(int filaInicial, int pseudoInicial);
    int ContarEntradasComplementarias() const;
    void RellenarEntradaComplementaria(const DHCOMP& actividad, int indice, int fila, int pseudo,
                                       int periodo);
    // The periods a record with these period flags is taught in, as bits.
    unsigned PeriodosDeRegistro(const std::uint8_t periodos[NUM_PERIODOS]) const;
    // The frame of a record's frame byte: itself when it names a frame of the model, else 0.
    int MarcoDeEntrada(int marco) const;

    // ---- Placing a solved timetable
    // At the start of the timetable: the room rows settled, then the table and the empty grids
    // ("No hay capacidad" when they do not fit).
    void PrepararHorario();
    // One placement of a slot: the week, the day within the week, the slot row (the recess
    // number for ColocarGuardiaRecreo), the frame, then what is placed. What cannot be resolved
    // is not stored, and nothing is reported.
    void ColocarSesion(int semana, int dia, int fila, int marco, const char* aula,
                       const char* profesor, int sesion, int ocurrencia, int anonima);
    void ColocarComplementaria(int semana, int dia, int fila, int marco, int numero);
    void ColocarReunion(int semana, int dia, int fila, int marco, const char* reunion);
    void ColocarGuardia(int semana, int dia, int fila, int marco, const char* guardia,
                        const char* profesor);
    void ColocarGuardiaRecreo(int semana, int dia, int recreo, int marco, const char* guardia,
                              const char* profesor);
    // Whether slot row `fila` of frame `marco` on day `dia` exists in week `semana`.
    bool ExisteTramo(int semana, int dia, int fila, int marco) const;
    // Puts a session entry in the grid of (week, the entry's frame) at the row of its room.
    void GuardarColocacion(ENTRADACOLOCACION* entrada, int semana, int dia, int fila,
                           const char* aula, const char* profesor, int anonima);
    void ColocarEntradaReunion(ENTRADACOLOCACION* entrada, int semana, int dia, int fila);
    void ColocarEntradaComplementaria(ENTRADACOLOCACION* entrada, int semana, int dia, int fila);
    void ColocarEntradaGuardia(ENTRADACOLOCACION* entrada, int semana, int dia, int fila);

    // ---- Lookups
    // The entry of a session (list index `indice` of a main or simultaneous record): its own
    // entry for occurrence 0, else the entry of its n-th further room; null when none.
    ENTRADACOLOCACION* BuscarEntradaSesion(int indice, int ocurrencia);
    ENTRADACOLOCACION* BuscarRepeticion(ENTRADACOLOCACION* entrada, int ocurrencia);
    ENTRADACOLOCACION* BuscarEntradaGuardia(int profesor, int guardia);
    // The entry after `entrada` in its chain, or null at the chain's end: after its marked last
    // entry, at the end of the table, or where a simultaneous session (or the next chain)
    // begins.
    const ENTRADACOLOCACION* SiguienteEnCadena(const ENTRADACOLOCACION* entrada) const;
    ENTRADACOLOCACION* SiguienteEnCadena(const ENTRADACOLOCACION* entrada) {
        return const_cast<ENTRADACOLOCACION*>(std::as_const(*this).SiguienteEnCadena(entrada));
    }

    // ---- Grids
    static int NumeroCelda(int d, int i, int r) { return d + NUM_DIAS * (i + NUM_INTERVALOS * r); }
    // The entry placed in the cell of (period p, frame f, day d, interval i, row r), or null
    // (also when the grid does not exist or the cell lies outside it).
    const ENTRADACOLOCACION* EntradaEnCelda(int p, int f, int d, int i, int r) const;
    // The cell itself, or null when the grid does not exist or the cell lies outside it. A
    // cell holds the entry's index + 1, or 0 when empty.
    std::uint32_t* CeldaRejilla(int p, int f, int d, int i, int r);
    // Cross-frame occupancy.
    bool ComprobarLibreEnOtrosMarcos(int p, int f, int r, int d, int i) const;
    const ENTRADACOLOCACION* BuscarOcupanteEnOtrosMarcos(int p, int f, int r, int d, int dt,
                                                         int i) const;

    // ---- Recess duty table
    static int NumeroCeldaGuardias(int p, int f, int k, int d) {
        return d + NUM_DIAS * (k + MAX_RECREOS * (f + NUM_MARCOS * p));
    }
    CeldaGuardiasRecreo& CeldaGuardias(int p, int f, int k, int d) {
        return guardiasRecreo_[static_cast<std::size_t>(NumeroCeldaGuardias(p, f, k, d))];
    }
    const CeldaGuardiasRecreo& CeldaGuardias(int p, int f, int k, int d) const {
        return guardiasRecreo_[static_cast<std::size_t>(NumeroCeldaGuardias(p, f, k, d))];
    }
    std::span<const CeldaGuardiasRecreo> CeldasGuardias() const { return guardiasRecreo_; }

    // ---- What the table holds
    const std::vector<ENTRADACOLOCACION>& Entradas() const { return entradas_; }
    // The position of an entry of this table.
    std::size_t IndiceDe(const ENTRADACOLOCACION* entrada) const {
        return static_cast<std::size_t>(entrada - entradas_.data());
    }
    // Rows of every grid; 0 while no table was built.
    int Filas() const { return filasRejilla_; }
    // The grid of (period, frame): Filas() x 56 intervals x 6 days cells, empty when it was not
    // built.
    const std::vector<std::uint32_t>& Rejilla(int p, int f) const { return rejillas_[p][f]; }
    bool HayRejilla(int p, int f) const { return !rejillas_[p][f].empty(); }

    // ---- Pieces of a table, as CrearTablaColocacion puts them together
    // Appends an entry; returns its position.
    std::size_t AnadirEntrada(const ENTRADACOLOCACION& entrada);
    void FijarFilas(int filas) { filasRejilla_ = filas; }
    // A new empty grid of Filas() rows for (period, frame).
    void CrearRejilla(int p, int f);

private:
    CDatos& d_;
    std::vector<ENTRADACOLOCACION> entradas_;
    int filasRejilla_ = 0;
    std::vector<std::uint32_t> rejillas_[NUM_PERIODOS][NUM_MARCOS];
    std::vector<CeldaGuardiasRecreo> guardiasRecreo_;
    // Built with the table: the first entry of each session record by list index (-1 for
    // none), and the list index of the first main or simultaneous record of each document
    // session id.
    std::vector<std::int32_t> entradaDeSesion_;
    std::unordered_map<std::int32_t, std::int32_t> sesionDeId_;
    // The first entry of each (kind, activity) and of each (duty, teacher) among the first
    // `indexadas_` entries, extended over the entries appended since.
    std::unordered_map<std::uint64_t, std::size_t> primeraDeActividad_;
    std::unordered_map<std::uint64_t, std::size_t> primeraDeGuardia_;
    std::size_t indexadas_ = 0;
    void IndexarEntradas();
    void VaciarEntradas();
    ENTRADACOLOCACION* PrimeraEntrada(std::uint8_t tipo, int actividad);
};

// 1 when `texto` is empty or every byte of it is an ASCII digit, else 0.
int EsNumerico(const char* texto);
