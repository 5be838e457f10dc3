// The load flow's data path from file to file, without its dialogs and companion program: a
// model set up as the flow sets it up, the solved timetable document read into it, the
// intervals named and the general set's room count raised as the flow does after reading,
// then the timetable file written with the recess duties.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "model/datos.h"

namespace prueba {

struct Carga {
    std::unique_ptr<CDatos> datos;
    int leido = 0;       // the reader's result
    std::string mensaje; // the reader's message
    int escrito = 0;     // the writer's result; 0 when the document could not be read
    std::string error;   // the writer's error text
};

// Reads `documento` and writes `fichero`; `antesDeEscribir`, when given, sees the model between
// the two. Notices go to the installed notice service.
Carga CargarHorario(const std::string& documento, const std::string& fichero,
                    const std::function<void(CDatos&)>& antesDeEscribir = {});

} // namespace prueba
