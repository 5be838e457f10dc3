// The record in progress of the exchange document reader, and its session relation records.
//
// One record element of the document (a teacher, a room, a session, a time slot...) is
// collected here from its start tag to its end tag, where its builder reads it. Texts are
// Windows-1252 with a terminating 0.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/mapas.h"
#include "model/registros.h"

inline constexpr int MAX_AULAS_CONJUNTO_XML = 64;
inline constexpr int MAX_INTEGRANTES_REUNION_XML = 200;
inline constexpr int MAX_INTEGRANTES_GUARDIA_XML = 128;
inline constexpr int MAX_MATERIAS_CURSO_XML = 512;
inline constexpr int MAX_COMPANEROS_XML = 64; // further teachers, subject/groups and rooms
inline constexpr int MAX_SESIONES_BLOQUE_XML = 64;
inline constexpr int MAX_DISTRIBUCIONES_XML = 4;

// What one child of a solved timetable's `horario/tramo` needs to be placed.
struct COLOCACION {
    int dia;            // counted over the weeks: day d is day d mod n of week d div n
    int fila;           // slot row 0..55, the recess number in a break slot, -1 for none
    std::uint8_t marco; // 0..3
    int recreo;         // 1: the slot is a break
    int anonima;        // 1: the room was given by an `anonima` attribute
    // The session id (-1 for none): a placement's, an activity number, or the `id` of the
    // `sesion` element being read.
    int sesion;
    char refAula[13];
};

// The time slot of a frame being read (`marcosDeHorario/marcoHorario/tramo`).
struct TramoXml {
    int dia; // counted over the weeks
    int indice;
    std::uint8_t marco;
    int tipo;                   // TRAMO_LECTIVO, TRAMO_RECREO, TRAMO_MEDIODIA
    std::uint8_t claseDuracion; // 0, 1 "T", 2 "M"
    int permitido;              // 0 when the slot said "false"
    char horaEntrada[6];
    char horaSalida[6];
};

struct MateriaCursoXml {
    char nombre[31];
    float numSesiones;
};

struct IntegranteGuardiaXml {
    char nombre[31];
    int numeroDeGuardias;
    MapaEmpaquetado mapas[NUM_PERIODOS];
};

struct ProfesorCompaneroXml { // otrosProfesores/profesor
    char profesor[31];
    char tarea[31];
};

struct MateriaGrupoXml { // otrasMateriasGrupos/materiaGrupo, otrosGrupos/grupo, otrasMaterias
    char materia[31];
    char grupo[31];
    char tarea[31];
};

struct AulaCompaneraXml { // otrasAulas/otraAula
    char aula[31];
    char conjunto[31];
    char tarea[31];
    int origenAula;
};

struct SesionBloqueXml { // a session of a simultaneous block or of an optional-subject block
    int id;
    std::uint8_t solapable;
};

struct REGISTROENCURSO {
    // ---- Emptied at every record start (VaciarRegistro) ----------------------------------------
    char nombre[31];
    char grupo[31];
    char tarea[31];
    char aula[31];
    char conjuntoAlternativo[31];
    char profesor[31];
    char departamento[31];
    char curso[31];
    char nombreCompleto[51];
    char claveDeExportacion[501];
    char abreviatura[21];
    char notas[351];
    char email[51];
    char grupoMateria[51];
    char tomaDePosesion[11];
    char horarioAsoc[31];
    char nombreConjunto[31]; // a room set's `nombre` attribute

    // Weekly distribution characters; the later personalised distributions go to the
    // alternatives once the first `distribucion` element has ended.
    char distribucion[7];
    char distribucionesAlternativas[MAX_DISTRIBUCIONES_XML][7];
    int indiceAlternativa;
    int alternativasIniciadas;

    // Scratch texts of the conversions.
    char textoTrabajo[31];
    char textoNumero[6];
    char palabraDisponibilidad[31];

    std::uint8_t periodos[NUM_PERIODOS];

    // Lists of names, each with its count.
    int numAulasConjunto;
    char aulasConjunto[MAX_AULAS_CONJUNTO_XML][31];
    int numIntegrantes; // a meeting's
    char integrantes[MAX_INTEGRANTES_REUNION_XML][31];
    int numIntegrantesGuardia; // also the position of the member being read
    IntegranteGuardiaXml integrantesGuardia[MAX_INTEGRANTES_GUARDIA_XML];
    int numMateriasCurso;
    MateriaCursoXml materiasCurso[MAX_MATERIAS_CURSO_XML];

    // Companions of a session: the P, M and S lists.
    int numProfesores;
    ProfesorCompaneroXml profesores[MAX_COMPANEROS_XML];
    int numMateriasGrupos;
    int materiaGrupoActual; // -1: none opened yet
    MateriaGrupoXml materiasGrupos[MAX_COMPANEROS_XML];
    int numAulas;
    int aulaActual; // -1: none opened yet
    AulaCompaneraXml aulas[MAX_COMPANEROS_XML];
    char tareaCompanera[31]; // the `tarea` attribute of the companion element being read

    int numSesionesBloque;
    SesionBloqueXml sesionesBloque[MAX_SESIONES_BLOQUE_XML];
    std::uint8_t solapable; // of the `asignaturaOptativa` being read

    // Numbers and flags.
    std::int8_t subMarco; // the record's frame, from its `submarco` or `subMarco` attribute
    int numeroAlumnos;
    int tardesLibres;
    int noAdmiteHuecos;
    int huecosEnNoPreferentes;
    int dedicada;
    int ocupaDiaCompleto;
    int esTutoria;
    int esDePractica;
    int daPracticas;
    std::uint8_t reduccionCargaLectiva;
    int numeroDeReuniones;
    int dobleDuracion;
    int lectiva;
    int enRecreos;
    int cantidad; // profesoresACadaHora
    int porTramo;
    int intervalosSemanales;
    int maxIntervalosDiarios;
    int noConsecutivos;
    int mismaPosicionDistintosPeriodos;
    int maxSolapadas;

    // A session's distribution and group-subject settings.
    int enDiasSeguidos;
    int distribucionVariable; // 1: a `distribucionVariable/numSesiones` was read
    double numSesionesVariable;
    std::uint8_t numMaximoDeSesiones;
    int penalizarSesionesSueltas; // 1 penalizado, 2 prohibido
    int penalizarBloquesMaximos;
    int admitirBloquesDiscontinuos;
    int grupoMateriaModificado;
    char tipoGrupoMateria;

    // A teacher's options being read: permanence limits (strict flag of the element being
    // read, and whether each value was given), the incompatibility element being read and the
    // split-day free period.
    int estrictoSemanal;
    int estrictoDiario;
    int semanalDado;
    int semanalEstrictoDado;
    int diarioDado;
    int diarioEstrictoDado;
    int prohibicion;
    int nIntervalos;
    int jornadaPartida; // 0 tardes, 1 mananas, 2 the general one
    int cantidadJornadaPartida;
    int preferentesJornadaPartida;

    COLOCACION colocacion;
    TramoXml tramo;

    // ---- Kept across VaciarRegistro: presets and defaults loaded at the record's start -------
    std::uint8_t plantilla[NUM_PERIODOS][NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS];
    std::uint8_t plantillaIntegrante[NUM_PERIODOS][NUM_DIAS][NUM_INTERVALOS];
    std::uint8_t cantidadesTramo[NUM_DIAS][NUM_INTERVALOS];
    OpcionesProfesor opciones;
    OpcionesSesion opcionesSesion;
};

// The part of REGISTROENCURSO that VaciarRegistro empties.
inline constexpr std::size_t TAMANO_VACIABLE_REGISTRO = offsetof(REGISTROENCURSO, plantilla);
// Zeroes that part. Each name list is cleared only as far as its entries can have been
// written: the reader writes an entry at an index below the list's count or at the count
// itself, so what lies beyond is still zero.
void VaciarRegistroEnCurso(REGISTROENCURSO& r);

// The relations a session names, by document session id; resolved at the end of
// `listasDeRelacion`.
struct RELACIONESDESESIONES {
    int sesion;
    int numNoConsecutivas;
    int noConsecutivas[RelacionesSesion::MAX_NO_CONSECUTIVAS];
    int numEnDistintoDia;
    int enDistintoDia[RelacionesSesion::MAX_EN_DISTINTO_DIA];
    int numIntercambiables;
    int profesoresIntercambiables[RelacionesSesion::MAX_INTERCAMBIABLES];
    int numNoCoincidentes;
    int noCoincidentes[RelacionesSesion::MAX_NO_COINCIDENTES];
    int numPosteriorA;
    int posteriorA[RelacionesSesion::MAX_PREVIO_POSTERIOR];
    int numPrevioA;
    int previoA[RelacionesSesion::MAX_PREVIO_POSTERIOR];
    int numSeparadosNDiasOMas;
    int separadosNDiasOMas[RelacionesSesion::MAX_SEPARACION];
    int diasSeparadosNDiasOMas[RelacionesSesion::MAX_SEPARACION];
    int numSeparadosNDiasOMenos;
    int separadosNDiasOMenos[RelacionesSesion::MAX_SEPARACION];
    int diasSeparadosNDiasOMenos[RelacionesSesion::MAX_SEPARACION];
};

// One `consecutivas/bloqueDeSesiones` of 2 or 3 sessions.
struct RELACIONESCONSECUTIVAS {
    char conOrden[51]; // "desordenadas", "seguidas" or "separadas"
    int sesiones[3];   // document session ids, in document order
    int numSesiones;
};
