// The words of the exchange document that its writer writes and its reader reads: the format
// version and the word of each coded value. A table's index is the value the model stores.
// Words are Windows-1252 bytes, as the writer writes them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "model/mapas.h"

// The document format this system writes, and the newest it reads without a notice.
inline constexpr int VERSION_FORMATO = 20190612;
// Documents of this version and older carry no estimated teacher workload.
inline constexpr int VERSION_ANTIGUA = 20150513;

inline constexpr const char* PALABRA_VERDADERO = "true";
inline constexpr const char* PALABRA_FALSO = "false";

inline const char* Booleano(bool v) {
    return v ? PALABRA_VERDADERO : PALABRA_FALSO;
}

// Priorities of a placement in the same position across periods (0 is "ignore").
inline constexpr const char* PALABRAS_PRIORIDAD[] = {"ignorar", "preferente", "obligatorio",
                                                     "procuraEvitar", "prohibido"};

// Availability of a cell, by map value.
struct PalabraMapa {
    std::uint8_t valor;
    const char* palabra;
};
inline constexpr PalabraMapa PALABRAS_MAPA[] = {
    {MAPA_PREFERENTEMENTE_NO2, "preferentementeNo2"},
    {MAPA_PREFERENTEMENTE_NO1, "preferentementeNo1"},
    {MAPA_DISPONIBLE, "disponible"},
    {MAPA_FIJADO, "fijado"},
    {MAPA_PROHIBIDO, "prohibido"},
};

// Kinds of time slot of a frame (TRAMO_LECTIVO, TRAMO_RECREO, TRAMO_MEDIODIA).
inline constexpr const char* PALABRAS_TIPO_TRAMO[] = {"lectivo", "recreo", "mediodia"};

// Sessions on following days of a session's own different-day list (enDiasSeguidos).
inline constexpr const char* PALABRAS_DIAS_SEGUIDOS[] = {"preferentemente", "indistinto",
                                                         "prohibido", "obligado"};

// A session option: sessions of a subject taught on following days.
inline constexpr const char* PALABRAS_IMPARTIR_DIAS_SEGUIDOS[] = {
    "preferiblemente", "indiferente", "prohibido", "obligatoriamente", "penalizaNoSeguidas"};

// Sessions of a variable distribution left alone in a day (penalizarSesionesSueltas).
inline constexpr const char* PALABRAS_SESIONES_SUELTAS[] = {"permitido", "penalizado", "prohibido"};

// A session option: sessions of a subject at the same hour on different days.
inline constexpr const char* PALABRAS_MISMA_HORA[] = {"distinta", "indiferente", "misma"};

// The order of a consecutive block (codes 1..3 are all "seguidas").
inline constexpr const char* PALABRA_DESORDENADAS = "desordenadas";
inline constexpr const char* PALABRA_SEGUIDAS = "seguidas";
inline constexpr const char* PALABRA_SEPARADAS = "separadas";

// The school's profile.
inline constexpr const char* PALABRAS_PERFIL[] = {"secundaria", "primaria", "universidad",
                                                  "conservatorio"};

// The days of claveXDias, Monday to Friday.
inline constexpr const char* PALABRAS_DIA[] = {"lunes", "martes", "miercoles", "jueves", "viernes"};

// Teacher options: how the daily maximum or minimum is considered, and how it was computed.
inline constexpr const char* PALABRAS_CONSIDERAR[] = {"optimizacionPreferente", "ponderable",
                                                      "estricto"};
inline constexpr const char* PALABRAS_CALCULADO[] = {"automatico", "unaHoraMenos", "unaHoraMas"};

// "prohibición" (a prohibited incompatibility) and "mañanas" (free mornings).
inline constexpr const char* PALABRA_PROHIBICION = "prohibici\xF3n";
inline constexpr const char* PALABRA_MANANAS = "ma\xF1"
                                               "anas";
inline constexpr const char* PALABRA_TARDES = "tardes";

// The word of `valor` in `palabras`, or `otra` for a value past the table.
template <std::size_t N>
const char* PalabraDe(const char* const (&palabras)[N], long valor, const char* otra) {
    return valor >= 0 && static_cast<std::size_t>(valor) < N ? palabras[valor] : otra;
}

// Whether a UTF-16 text is the given Windows-1252 word, unit for byte (the words hold no byte
// in 0x80..0x9F, where the two differ).
inline bool EsPalabra(std::u16string_view texto, std::string_view palabra) {
    if (texto.size() != palabra.size()) return false;
    for (std::size_t i = 0; i < texto.size(); ++i)
        if (texto[i] != static_cast<unsigned char>(palabra[i])) return false;
    return true;
}

// The index of the UTF-16 text among `palabras`, or -1.
template <std::size_t N>
int IndiceDePalabra(std::u16string_view texto, const char* const (&palabras)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (EsPalabra(texto, palabras[i])) return static_cast<int>(i);
    return -1;
}
