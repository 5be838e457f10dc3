// Frame configuration: periods, time frames, days, intervals, criteria and default options.
#pragma once

#include <cstdint>
#include <string>

#include "model/mapas.h"
#include "model/registros.h"

inline constexpr int MAX_RECREOS = 4;
inline constexpr int MAX_SOLAPES = 9;
inline constexpr int MAX_AULAS_GENERAL = 250;

// Clock times of one interval.
struct HorasTramo {
    std::uint8_t horaEntrada;
    std::uint8_t minutoEntrada;
    std::uint8_t horaSalida;
    std::uint8_t minutoSalida;
};

// Intervals, recesses and midday break of one frame on one day.
struct BloqueMarcoDia {
    std::uint8_t numLectivos; // at most 56
    // The midday break lies between lectivo intervals posMediodia - 1 and posMediodia; 0 = none.
    std::uint8_t posMediodia;
    std::uint8_t numRecreos; // at most 4
    // Recess k lies between lectivo intervals posRecreos[k] - 1 and posRecreos[k].
    std::uint8_t posRecreos[MAX_RECREOS];
    HorasTramo horas[NUM_INTERVALOS];
    std::uint8_t claseDuracion[NUM_INTERVALOS]; // 1 three quarters, 2 half, other full
    char nombres[NUM_INTERVALOS][201];
    char nombresRecreo[MAX_RECREOS][201];
    char clavesRecreo[MAX_RECREOS][501];
    char nombreMediodia[201];
};

// One entry of an overlap list: the other frame + 1 (0 ends the list) and its interval.
struct ParSolape {
    std::uint8_t marco;
    std::uint8_t indice;
};

// Criteria weights. pesos in this order: enGrupos, enProfesores, enMateriasYTareas,
// enSesionesLectivas, huecosEnGrupos, huecosEnProfesores, enDiasConsecutivos, enHorasExtremas,
// coincidanPorLaTarde, enAulaNoPreferente, horasExcluyentes, masClasesEnUnDiaQueEnOtro,
// horasDeClaseSeguidas, masPermanencia, seguidoConElMismoGrupo, guardiasEnExtremos (the
// document writes them in another order).
struct Criterios {
    std::uint8_t pesos[16];
    std::uint8_t optativaSolapadaCoincidan;  // optativaSolapada low, coincidanALaMismaHora high
    std::uint8_t cambiosAulaOrdenProfesores; // conCambiosDeAula low, ordenProfesores high
};

// Bits of DHMARCOS::opciones.
inline constexpr std::uint32_t OPCION_ACTUALIZAR_PROFESORES = 0x1;
inline constexpr std::uint32_t OPCION_CONTAR_HUECOS_MEDIODIA = 0x2;
inline constexpr std::uint32_t OPCION_DESECHAR_GUARDIAS = 0x4;
inline constexpr std::uint32_t OPCION_MINIMO_HUECOS_GRUPOS = 0x8;
inline constexpr std::uint32_t OPCION_POS_NO_PREF_DE_GRUPOS = 0x40;

// The frame configuration block of the model. Two of its fields carry invariants that every
// filler keeps through CMarcosHorario: 1 <= numPeriodos <= 6 and 0 <= numAulasGeneral <= 250.
struct DHMARCOS {
    std::uint8_t numAulasGeneral;         // room count of the general set (the grid's room rows)
    std::uint32_t opcionesGruposAlejados; // 0x1, 0x2, 0x4
    std::uint8_t numPeriodos;
    std::uint8_t perfil; // 1 primaria, 2 universidad, 3 conservatorio, other secundaria
    std::uint8_t numMarcos;
    char claveXDias[NUM_DIAS][11];
    char nombresMarco[NUM_MARCOS][8];
    BloqueMarcoDia bloques[NUM_MARCOS][NUM_DIAS];
    MapaEmpaquetado mapasMarco[NUM_PERIODOS][NUM_MARCOS]; // non-zero: the interval exists
    std::uint8_t porDia;         // 1: each day uses its own block; 0: every day uses day 0's
    std::uint8_t tiemposExactos; // durations in quarter hours
    ParSolape solapesLectivos[NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS][MAX_SOLAPES];
    ParSolape solapesRecreoLectivo[NUM_MARCOS][NUM_DIAS][MAX_RECREOS][MAX_SOLAPES];
    ParSolape solapesLectivoRecreo[NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS][MAX_SOLAPES];
    ParSolape solapesRecreos[NUM_MARCOS][NUM_DIAS][MAX_RECREOS][MAX_SOLAPES];
    Criterios criterios;
    OpcionesProfesor valorInicialProfesores;
    OpcionesSesion valorInicialSesiones;
    std::uint32_t opciones; // OPCION_*; default 0x12
    Ref lectivaPorDefecto;
    Ref reunionPorDefecto;
    Ref guardiaPorDefecto;
    char clavesMarco[NUM_MARCOS][501];
    std::uint8_t sabado; // the week has 6 days when set
};

// Overlap test of two intervals, with the midnight rule.
bool SeSolapan(const HorasTramo& a, const HorasTramo& b);

// Derived tables of the frame configuration and the operations on it.
class CMarcosHorario {
public:
    explicit CMarcosHorario(DHMARCOS* marcos) : m_marcos(marcos) {}

    void Inicializar();
    void Recalcular();
    void TramosPorDefecto();
    void NombrarMarcosPorDefecto();
    static std::string NombreMarcoPorDefecto(int f);
    void NombrarTramosPorDefecto();
    void NombrarTramosDia(int f, int d);
    void CriteriosPorDefecto();
    void EstablecerMarco(const char* nombre, const char* clave, int indice);
    void NombreTramo(int f, int d, int k, std::string& nombre, std::string& clave) const;
    void OrdenarTramos();
    void OrdenarTramosDia(int f, int d);
    void CalcularDuracionesMarco(int f);
    void NumerarTramosComunes();
    void CalcularSolapes();

    // The invariants of the configuration, kept in one place.
    void FijarNumeroPeriodos(int n); // clamped to 1..6
    void FijarAulasGeneral(int n);   // clamped to 0..250
    int DiasSemana() const;          // 6 with Saturday, else 5
    // The block of (f, d) for counts, positions and times (day 0's without the per-day flag).
    const BloqueMarcoDia& Bloque(int f, int d) const;

    DHMARCOS* m_marcos;
    std::uint8_t duraciones[NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS] = {};
    std::uint8_t indiceComun[NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS] = {};
    std::uint32_t primerIndiceDia[NUM_DIAS] = {};
    std::uint32_t numComunesDia[NUM_DIAS] = {};
    std::uint32_t maxComunes = 0;
    std::uint32_t totalComunes = 0;
};
