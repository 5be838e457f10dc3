// The reader's vocabulary: one row per element path the reader knows, saying what the element
// does at its start, with its text at its end, and at its end. Internal to the reader.
//
// Paths compare ignoring the case of A-Z. The rows are kept in a tree of local names, so that
// each element is looked up once, from its parent's row, when it starts; the handler keeps the
// row of every open element on its stack.
#pragma once

#include <climits>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "xmlreader/contenido.h"

// The action at an element's start.
enum class InicioRuta : std::uint8_t {
    Ninguna,
    Raiz,
    Extensiones,
    Horario,
    TramoHorario,
    Guardia,    // availability, duty counts and member availability preset to 1
    Preajuste1, // availability preset to 1
    Preajuste3, // availability preset to 3
    Sesion,     // preset to 3, default session options
    Profesor,   // preset to 3, default teacher options
    Registro,   // not preset
    Tareas,
    Otros,
    AsignaturaOptativa,
};

// The action at an element's end.
enum class FinRuta : std::uint8_t {
    Ninguna,
    Extensiones,
    TramoHorario,
    AulaHorario,
    ComplementariaHorario,
    GuardiaHorario,
    ReunionHorario,
    Guardia,
    Integrante,
    Complementaria,
    Reunion,
    Simultaneas,
    Consecutivas,
    Curso,
    Grupo,
    Materia,
    Departamento,
    Tarea,
    Tareas,
    TramoMarco,
    Marcos,
    Aulas,
    Aula,
    OtroConjunto,
    SeparacionMas,
    SeparacionMenos,
    Sesion,
    ListasDeRelacion,
    Profesor,
    DistribucionPersonalizada,
    ValorInicialProfesores,
    ValorInicialSesiones,
    OpcionesAlejados,
    ListaAlejados,
    OpcionesGenerales,
    Optativa,
    JornadaPartida,
};

// A step done at an element's start, before its attribute reader.
enum class PasoPrevio : std::uint8_t {
    Ninguno,
    MarcoCero,        // the record's frame = 0
    MarcoDelRegistro, // the record's frame = the record's own (`subMarco`) frame
    VaciarTrabajo,    // the work text and the room set's name emptied
};

// What becomes of an element's text at its end. The first three store a plain field of the
// record in progress through the row's descriptor; the others are conversions with rules of
// their own, grouped by the file that holds them.
enum class Destino : std::uint8_t {
    Ninguno,
    Texto,     // cut to the field's width, converted to ANSI and trimmed
    Numero,    // read from the text cut to the width; stored when within the bounds
    Verdadero, // "true" sets the field to 1; any other text leaves it

    // conversion.cpp: the document and the model's settings
    Version,
    Notas,
    MensajeDesideratas,
    Perfil,
    ClaveDia,      // parametro: the day
    DiaFinPeriodo, // periodos/periodo/diaFin
    Peso,          // parametro: the index in Criterios::pesos
    MitadCriterio, // parametro: MitadCriterio below
    OpcionGeneral, // parametro: the bit
    ActualizarAlGenerar,
    EvitarDobleDesp,
    GrupoAlejado,
    OtrosSiNo,     // parametro: the byte of BloqueOtros, in document order
    CantidadOtros, // parametro: 0 prohibidos, 1 prefNo1, 2 prefNo2
    LectivaPorDefecto,
    ReunionPorDefecto,
    GuardiaPorDefecto,
    // conversion.cpp: texts and numbers of records
    GrupoDeSesion,
    AulaDeSesion,
    ConjuntoDeSesion,
    CantidadGuardia,
    NumSesionesReunion,
    NumSesionesVariable,
    NumMaximoDeSesiones,
    PenalizarSesionesSueltas,
    MismaPosicion,
    // conversion.cpp: lists of names
    AulaDeConjunto,
    IntegranteReunion,
    IntegranteGuardia,
    GuardiasDeIntegrante,
    MateriaDeCurso,
    ProfesorCompanero,
    MateriaDeMateriaGrupo,
    GrupoDeMateriaGrupo,
    GrupoCompanero,
    MateriaCompanera,
    AulaDeOtraAula,
    ConjuntoDeOtraAula,
    SesionDeBloque,
    // relaciones_xml.cpp: session relations
    Intercambiable,
    EnDistintoDia,
    EnDiasSeguidos,
    NoConsecutiva,
    NoCoincidente,
    PrevioA,
    PosteriorA,
    SeparacionMasSesion,
    SeparacionMenosSesion,
    SeparacionMasDias,
    SeparacionMenosDias,
    SesionConsecutiva,
    ConOrden,
    // opciones.cpp: teacher options
    ReduccionCargaLectiva,
    MaximoSesionesDiarias,
    ConsiderarHoras, // parametro: 0 the daily maximum, 1 the daily minimum
    ValorMaximasCalculado,
    ValorMinimasCalculado,
    MinimoSesionesDiarias,
    PermanenciaSemanal,
    PermanenciaDiaria,
    EliminarHuecos,
    TipoDePeriodo, // parametro: the period kind
    TipoDePeriodoLibre,
    TipoDeIncompatibilidad, // each incompatibility element gives its own
    Incompatibilidad,       // parametro: the incompatibility, in document order
    // opciones.cpp: session options
    PenaExtremo, // parametro: 0 first interval, 1 last
    PenaSalirUltimaEntrarPrimera,
    PenaSesionMismaHora,
    PenaCoincidan, // parametro: the bit
    DiasSeguidosSesion,
    MismaPosicionSesion,
    // disponibilidad.cpp: availability and duty counts
    DisponibilidadPorMarco,  // one map per period and frame
    DisponibilidadPorSemana, // one map per period
    DisponibilidadIntegrante,
    CantidadPorTramo,
    // marcos_xml.cpp: time slots of frames, distributions and periods
    SubmarcoTramo,
    TipoTramo,
    DuracionTramo,
    PermitidoTramo,
    MarcaDistribucion, // parametro: 1 for a personalised distribution
    RefPeriodo,
};

// The halves of the two criteria bytes that hold two weights (Destino::MitadCriterio).
enum MitadCriterio : int {
    OPTATIVA_SOLAPADA = 0,    // optativaSolapadaCoincidan, low half
    COINCIDAN_MISMA_HORA = 1, // optativaSolapadaCoincidan, high half
    CAMBIOS_DE_AULA = 2,      // cambiosAulaOrdenProfesores, low half
    ORDEN_PROFESORES = 3,     // cambiosAulaOrdenProfesores, high half
};

using LectorAtributos = void (MyContentInterno2::*)(const plataforma::AtributosSax&);

// The plain field a text is stored in, with its width (in UTF-16 units read) and, for numbers,
// the bounds a value must keep to be stored.
struct CampoTexto {
    char* (*texto)(REGISTROENCURSO&) = nullptr;
    void (*poner)(REGISTROENCURSO&, int) = nullptr;
    int ancho = 0;
    int minimo = INT_MIN;
    int maximo = INT_MAX;
};

// What an element's text becomes: its destination, and the plain field or the parameter of a
// conversion of its own.
struct ConversionTexto {
    Destino destino = Destino::Ninguno;
    CampoTexto campo{};
    int parametro = 0;
};

// One row of the vocabulary.
struct MyContentInterno2::EntradaRuta {
    const char* ruta = nullptr;
    ConversionTexto texto{};
    LectorAtributos lector = nullptr;
    PasoPrevio paso = PasoPrevio::Ninguno;
    InicioRuta inicio = InicioRuta::Ninguna;
    FinRuta fin = FinRuta::Ninguna;
};

// ---- Descriptors of plain fields ------------------------------------------------------------
// A field is named by its chain of members from the record in progress, e.g.
// Texto<&REGISTROENCURSO::nombre>() or Numero<5, 1, 14, &REGISTROENCURSO::opciones,
// &OpcionesProfesor::maximasHorasSeguidas>().

namespace vocabulario {

// The member reached from `r` through the chain: r.*m1.*m2...
template <auto... Miembros> auto& Miembro(REGISTROENCURSO& r) {
    return (r.*....*Miembros);
}

template <auto... Miembros> char* Cadena(REGISTROENCURSO& r) {
    return Miembro<Miembros...>(r);
}

template <auto... Miembros> void Poner(REGISTROENCURSO& r, int v) {
    auto& campo = Miembro<Miembros...>(r);
    campo = static_cast<std::remove_reference_t<decltype(campo)>>(v);
}

} // namespace vocabulario

// A text field: the text is cut to the field's size less its terminator.
template <auto... Miembros> constexpr ConversionTexto Texto() {
    using Campo = std::remove_reference_t<decltype(vocabulario::Miembro<Miembros...>(
        std::declval<REGISTROENCURSO&>()))>;
    static_assert(std::is_array_v<Campo>, "a text field is a character array");
    return {Destino::Texto,
            {.texto = &vocabulario::Cadena<Miembros...>, .ancho = sizeof(Campo) - 1}};
}

// A number read from the text cut to `Ancho` units, stored when within [Minimo, Maximo].
template <int Ancho, int Minimo, int Maximo, auto... Miembros> constexpr ConversionTexto Numero() {
    return {Destino::Numero,
            {.poner = &vocabulario::Poner<Miembros...>,
             .ancho = Ancho,
             .minimo = Minimo,
             .maximo = Maximo}};
}

// A yes/no field set to 1 by "true".
template <auto... Miembros> constexpr ConversionTexto Verdadero() {
    return {Destino::Verdadero, {.poner = &vocabulario::Poner<Miembros...>}};
}

// A conversion with rules of its own.
constexpr ConversionTexto Propia(Destino destino, int parametro = 0) {
    return {destino, {}, parametro};
}

// A node of the tree of paths: a path that is a row of the vocabulary or the start of one, with
// its row (null when it has none) and its children by local name (ANSI, lower case A-Z).
struct MyContentInterno2::NodoRuta {
    // Hashing of names, also for a lookup by view.
    struct HashNombre {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>()(s);
        }
    };
    const EntradaRuta* entrada = nullptr;
    // Index in the tree's node list.
    std::unordered_map<std::string, int, HashNombre, std::equal_to<>> hijos;
};

// Every row, sorted by path.
std::span<const MyContentInterno2::EntradaRuta> Vocabulario();

// The node of the document itself, parent of the root element.
const MyContentInterno2::NodoRuta* NodoDocumento();
// The node of the child `nombre` of `padre`; null when the path is in no row of the
// vocabulary, and always null inside an unknown element (a null `padre`).
const MyContentInterno2::NodoRuta* BuscarHijo(const MyContentInterno2::NodoRuta* padre,
                                              std::string_view nombre);
