// Record types of the model: plain fixed-size structures, copied byte for byte into list nodes.
//
// Text fields are NUL-terminated Windows-1252 strings cut to their field (CopiarTexto). A record
// is zeroed before it is filled. `Ref` fields are node addresses in mode 0 and 0-based list
// indices in mode 1 (see datos.h for the exceptions).
#pragma once

#include <cstdint>

#include "model/lista.h"
#include "model/mapas.h"

// Kinds of session record in a session chain.
inline constexpr std::uint32_t SESION_PRINCIPAL = 0x20; // main record
inline constexpr std::uint32_t SESION_MATERIA = 'M';    // further subject/group
inline constexpr std::uint32_t SESION_PROFESOR = 'P';   // further teacher
inline constexpr std::uint32_t SESION_SIMULTANEA = 'S'; // further room or simultaneous session

// A count read from a record, kept within its array (0..capacidad).
inline int Acotar(int cuenta, int capacidad) {
    return cuenta < 0 ? 0 : cuenta > capacidad ? capacidad : cuenta;
}

// Room set (conjuntoDeAulas).
struct DHTIPO {
    char nombre[31];
    std::uint8_t numAulas;
    Ref aulas[64]; // DHAULA
};

struct DHAULA {
    char nombre[31];
    std::int32_t dedicada; // non-zero: not part of the general set
    MapaEmpaquetado plantilla[NUM_PERIODOS][NUM_MARCOS];
    char claveDeExportacion[501];
    char abreviatura[21];
    char descripcion[51];
    std::uint16_t numeroAlumnos;
    std::uint16_t ocupaDiaCompleto;
};

// Group of pupils.
struct DHGRUP {
    char nombre[31];
    MapaEmpaquetado plantilla[NUM_PERIODOS]; // the group's own frame
    char claveDeExportacion[501];
    std::int8_t submarco; // frame index 0..3
    std::int32_t tardesLibres;
    Ref cursoPerteneciente; // DHCURSO
    Ref profesorTutor;      // DHPROF
    Ref aula;               // DHAULA
    char abreviatura[21];
    std::uint16_t numeroAlumnos;
    char nombreCompleto[51];
    std::int32_t noAdmiteHuecos;
    std::int32_t huecosEnNoPreferentes;
};

struct DHCURSO {
    char nombre[31];
    char nombreCompleto[51];
    char claveDeExportacion[501];
};

// Subject taught in a course, with its weekly sessions.
struct DHMATCUR {
    Ref materia; // DHMATE
    Ref curso;   // DHCURSO
    float numSesiones;
};

// Teacher options (each teacher's, and the default ones of the frame configuration).
struct OpcionesProfesor {
    std::uint8_t periodoLibreTardes; // cantidad in the low nibble, preferentes in the high one
    std::uint8_t periodoLibreMananas;
    std::uint8_t periodoLibreJornadaPartida;
    std::int32_t permanenciaSemanalEstricta;
    std::int32_t permanenciaSemanal;
    std::uint8_t maximasHorasSeguidas;
    std::uint8_t salirUltimaEntrarPrimera;
    std::uint8_t salirUltimaMananaEntrarPrimeraTarde;
    std::uint8_t incompatibilidadesProhibidas; // bit set
    std::uint8_t noEliminarHuecos;
    std::uint16_t prioridad;
    std::uint16_t tipoDePeriodo; // 0 diasCompletos, 1 losPrimerosIntervalos, ...
    std::uint8_t cantidadDeDias;
    std::uint8_t intervalosLibres;
    std::uint8_t incompatibilidades; // bit set; 0x20: left out of the IES2000 timetable file
    std::uint8_t minimizarDiasOcupados;
    std::uint32_t considerarMaximasHorasDiarias;
    std::uint32_t valorMaximasHorasCalculado;
    std::uint32_t considerarMinimasHorasDiarias;
    std::uint32_t valorMinimasHorasCalculado;
    std::uint8_t nIntervalosSalirUltimaEntrarPrimera;
    std::uint8_t nIntervalosEntrarPrimeraSalirUltima;
    std::int32_t permanenciaDiariaEstricta;
    std::int32_t permanenciaDiaria;
    std::uint8_t penalizarAlrededorGuardiaRecreo;
};

// Bits of OpcionesProfesor::incompatibilidades.
inline constexpr std::uint8_t INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_TARDE = 0x01;
inline constexpr std::uint8_t INCOMPATIBILIDAD_SALIR_ULTIMA_MANANA_TARDE_COMPLETA = 0x02;
inline constexpr std::uint8_t INCOMPATIBILIDAD_MENOS_DE_DOS_LIBRES = 0x04;
inline constexpr std::uint8_t INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_ULTIMA_TARDE = 0x08;
inline constexpr std::uint8_t INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_ULTIMA_MANANA = 0x10;
inline constexpr std::uint8_t PROFESOR_EXCLUIDO_DEL_HORARIO = 0x20;
inline constexpr std::uint8_t INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_ULTIMA = 0x80;

struct DHPROF {
    char nombre[31];
    char nombreCompleto[51];
    MapaEmpaquetado plantilla[NUM_PERIODOS][NUM_MARCOS];
    OpcionesProfesor opciones;
    char claveDeExportacion[501];
    char mensaje[351];
    char tomaDePosesion[11];
    char abreviatura[21];
    Ref departamento; // DHDEPT node in both modes (the placeholder when none)
    std::uint8_t daPracticas;
    std::int8_t reduccionCargaLectiva;
    char email[51];
    char horarioAsoc[32];
};

// Subject.
struct DHMATE {
    char nombre[31];
    char nombreCompleto[51];
    MapaEmpaquetado plantilla[NUM_PERIODOS][NUM_MARCOS];
    char claveDeExportacion[501];
    std::uint8_t esTutoria;
    char abreviatura[21];
    Ref departamento; // DHDEPT
    std::uint8_t esDePractica;
};

// Session options (each main session's, and the default ones of the frame configuration).
struct OpcionesSesion {
    std::uint32_t permitirImpartanEnDiasSeguidos;
    std::uint8_t considerarLunesViernesSeguidos;
    std::uint8_t penaSesionesAPrimera; // the document's element is true when this is 0
    std::uint8_t penaSesionesAUltima;  // likewise
    std::uint8_t penaSesionMismaHora;
    std::uint8_t penaCoincidan; // 0x01 por la tarde, 0x02 despues del recreo (true when clear)
    std::uint8_t noPermitirRecreosEntreSesiones;
    std::uint8_t recreosSeparanSesionesContinuas;
    std::uint8_t penaSalirUltimaEntrarPrimera;
    std::uint32_t mismaPosicionDistintosPeriodos;
};

// Relation arrays of a main session; every entry designates another DHSESI record.
struct RelacionesSesion {
    static constexpr int MAX_EN_DISTINTO_DIA = 16;
    static constexpr int MAX_NO_CONSECUTIVAS = 32;
    static constexpr int MAX_NO_COINCIDENTES = 32;
    static constexpr int MAX_PREVIO_POSTERIOR = 4;
    static constexpr int MAX_SEPARACION = 4;
    static constexpr int MAX_INTERCAMBIABLES = 4;

    std::uint8_t numEnDistintoDia;
    Ref enDistintoDia[MAX_EN_DISTINTO_DIA];
    std::uint8_t numNoConsecutivas;
    Ref noConsecutivas[MAX_NO_CONSECUTIVAS];
    std::uint8_t numNoCoincidentes;
    Ref noCoincidentes[MAX_NO_COINCIDENTES];
    std::uint8_t numPrevioPosterior;
    Ref previoPosterior[MAX_PREVIO_POSTERIOR];
    std::uint8_t esPrevio[MAX_PREVIO_POSTERIOR]; // 1 previoA, 0 posteriorA
    std::uint8_t numSeparacion;
    Ref separacion[MAX_SEPARACION];
    std::int8_t diasSeparacion[MAX_SEPARACION];
    std::uint8_t tipoSeparacion[MAX_SEPARACION]; // 0 separadosNDiasOMas, 1 ...OMenos
    std::uint8_t numIntercambiables;
    Ref profesoresIntercambiables[MAX_INTERCAMBIABLES];
};

// Teaching session record. A session is a chain: one main record followed by its companions.
struct DHSESI {
    static constexpr int MAX_DISTRIBUCIONES_ALTERNATIVAS = 4;

    Ref materia;                 // DHMATE
    Ref grupo;                   // DHGRUP
    Ref profesor;                // DHPROF
    Ref aula;                    // DHAULA
    Ref conjuntoAlternativo;     // DHTIPO
    char distribucion[8];        // at most 7 duration characters
    std::uint32_t tipo;          // SESION_PRINCIPAL, 'M', 'P' or 'S'
    std::uint8_t enDiasSeguidos; // 1 indistinto, 2 prohibido, 3 obligado, other preferentemente
    // Consecutive block: 0 desordenadas, 1..3 place in a "seguidas" block (first 3, last 1),
    // 4 separadas; partners are 1-based in mode 1 (0 = none).
    std::int32_t codigoConsecutivas;
    Ref consecutivaPrimera;
    Ref consecutivaSegunda;
    MapaEmpaquetado plantilla[NUM_PERIODOS];
    OpcionesSesion opciones;
    std::uint8_t numDistribucionesAlternativas;
    char distribucionesAlternativas[5][8]; // each NUL-terminated, at most 7 characters
    std::uint8_t tipoDistribucion;         // 0 fija, 1 variable, 2 personalizada
    std::uint8_t numMaximoDeSesiones;
    std::uint8_t opcionesDistribucionVariable; // 0x1 discontinuos, 0x2/0x8 sueltas, 0x4 maximos
    Ref tarea;                                 // DHTARE
    std::uint8_t aulaAdicional;                // an 'S' record with the flag is a further room
    char tipoGrupoMateria;                     // 'P', 'I' or 'N'
    char grupoMateria[51];
    Ref departamento; // DHDEPT
    char notas[351];
    std::uint16_t numeroAlumnos;
    std::uint8_t periodos[NUM_PERIODOS];
    RelacionesSesion relaciones;
    std::int32_t id;         // the session's id in the exchange document
    std::int32_t origenAula; // running number of a further room
    std::int8_t marco;       // copy of the group's submarco
};

// Meeting.
struct DHREUN {
    char nombre[31];
    std::uint8_t numeroDeReuniones; // above 0x80: value - 0x80 meetings of double duration
    std::uint8_t numIntegrantes;
    Ref integrantes[200]; // DHPROF
    MapaEmpaquetado plantilla[NUM_PERIODOS];
    std::int8_t subMarco;
    Ref tipoDeTarea; // DHTARE
    std::uint8_t lectiva;
    std::uint8_t periodos[NUM_PERIODOS];
    std::int32_t mismaPosicionDistintosPeriodos;
};

// Duty.
struct DHGUAR {
    static constexpr int MAX_INTEGRANTES = 128;

    char nombre[31];
    std::uint8_t cantidad; // profesoresACadaHora
    std::uint8_t numIntegrantes;
    Ref integrantes[MAX_INTEGRANTES]; // DHPROF
    std::uint8_t numeroDeGuardias[MAX_INTEGRANTES];
    MapaEmpaquetado plantilla[NUM_PERIODOS];
    std::uint8_t porTramo; // non-zero: cantidadTramo holds per-cell counts
    std::int8_t cantidadTramo[NUM_DIAS][NUM_INTERVALOS];
    std::int32_t enRecreos; // 1: the duty covers recesses
    std::int8_t subMarco;
    Ref tipoDeTarea; // DHTARE
    MapaEmpaquetado mapasIntegrantes[NUM_PERIODOS][MAX_INTEGRANTES];
    std::uint8_t lectiva;
    std::uint8_t periodos[NUM_PERIODOS];
    std::int32_t mismaPosicionDistintosPeriodos;
};

// Task.
struct DHTARE {
    char nombre[31]; // the task code
    char nombreCompleto[51];
    MapaEmpaquetado plantilla[NUM_PERIODOS][NUM_MARCOS];
    char claveDeExportacion[501];
};

// Complementary activity.
struct DHCOMP {
    Ref tarea;    // DHTARE
    Ref profesor; // DHPROF
    MapaEmpaquetado plantilla[NUM_PERIODOS];
    std::int8_t intervalosSemanales;
    std::uint8_t maxIntervalosDiarios;
    std::uint8_t noConsecutivos;
    std::int8_t subMarco;
    std::uint8_t lectiva;
    std::uint8_t periodos[NUM_PERIODOS];
    std::int32_t mismaPosicionDistintosPeriodos;
};

struct DHDEPT {
    char nombre[31];
    char nombreCompleto[51];
    char mensajeAlDepartamento[351];
    char claveDeExportacion[501];
    char email[51];
};

// Block of optional subjects.
struct DHOPTATIVAS {
    static constexpr int MAX_SESIONES = 64;

    char nombre[31];
    Ref grupo;                  // DHGRUP
    std::int32_t maxSolapadas;  // 2..9
    std::int32_t numSesiones;   // at most 64
    Ref sesiones[MAX_SESIONES]; // main DHSESI record of each optional subject
    std::int8_t solapable[MAX_SESIONES];
};

// Kinds of time slot read from the exchange document.
inline constexpr int TRAMO_LECTIVO = 0;
inline constexpr int TRAMO_RECREO = 1;
inline constexpr int TRAMO_MEDIODIA = 2;

// One time slot of a frame as read from the exchange document.
struct DHCLAVIMPOR {
    char clave[201]; // the slot's clavX
    std::int32_t indice;
    std::uint8_t horaEntrada;
    std::uint8_t minutoEntrada;
    std::uint8_t horaSalida;
    std::uint8_t minutoSalida;
    std::uint8_t claseDuracion; // 0, 1 "T", 2 "M"
    std::int32_t tipo;          // TRAMO_LECTIVO, TRAMO_RECREO, TRAMO_MEDIODIA
    char marco;                 // 'A'..'D'
    std::int32_t dia;           // day within the week
    std::int32_t permitido;
    std::int32_t semana; // period
};
