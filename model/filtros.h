// Period and frame membership of the records taught in periods (sessions, meetings, duties,
// complementary activities).
#pragma once

#include <cstdint>

#include "model/mapas.h"

// Whether a record with these period flags takes part in period `p`: its flag p is set, or p is
// 0 and none of its six flags is set. The flags are read as stored: a record flagged only for a
// period the model does not have takes part in no period of the model.
inline bool EnPeriodo(const std::uint8_t (&periodos)[NUM_PERIODOS], int p) {
    if (p < 0 || p >= NUM_PERIODOS) return false;
    if (periodos[p] != 0) return true;
    if (p != 0) return false;
    for (std::uint8_t f : periodos)
        if (f != 0) return false;
    return true;
}

// The frame of a record: its frame byte, read as unsigned, when below the number of frames;
// otherwise frame 0.
inline int MarcoDeRegistro(std::int8_t subMarco, int numMarcos) {
    const int f = static_cast<std::uint8_t>(subMarco);
    return f < numMarcos ? f : 0;
}
