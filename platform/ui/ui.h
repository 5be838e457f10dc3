// The on-screen user interface, over wxWidgets on GTK. The only code that includes wx headers.
#pragma once

#include <functional>

#include "platform/interfaz.h"

namespace plataforma::ui {

// Starts the toolkit, runs `programa` with the on-screen interface (also installed as the
// notice service), then ends the toolkit. Returns the process's exit code: 0, or 1 when the
// toolkit could not start (no display).
int Ejecutar(int argc, char** argv, const std::function<void(Interfaz&)>& programa);

} // namespace plataforma::ui
