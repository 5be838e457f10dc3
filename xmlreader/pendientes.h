// Recording stand-ins for the operations the reader calls that are built elsewhere: the
// sessions and their relations. Each call is recorded with what it received, so the reader can
// be tested on its own; each stand-in goes when its operation is built.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "xmlreader/registro.h"

struct LlamadaPendiente {
    std::string operacion;           // the operation's name, e.g. "AnadirProfesor"
    std::vector<long long> numeros;  // its number arguments, in order
    std::vector<std::string> textos; // its text arguments, in order
    // A copy of the record in progress, for the sessions (when copies are being kept).
    std::shared_ptr<const REGISTROENCURSO> registro;
};

// The calls recorded so far (emptied by the caller).
std::vector<LlamadaPendiente>& LlamadasPendientes();
// Whether the session calls keep a copy of the record in progress (on by default).
void GuardarRegistrosPendientes(bool guardar);
