// Process services: running a program and waiting for it, starting one without waiting, and
// finding a program on the search path.
//
// Arguments and paths are Windows-1252 text, converted to UTF-8 on their way to the system.
// Every failing call sets the layer's last-error code (platform/error.h); successful calls
// leave it as it was.
#pragma once

#include <string>
#include <vector>

namespace plataforma {

// Runs argumentos[0] (a full path) with argv = argumentos, each argument handed over whole
// (no shell, no splitting at blanks), and waits for it. Returns its exit code, 128 + the signal
// number when a signal ended it, or -1 when it could not be started (the last error says why:
// codigo::ArchivoNoEncontrado, codigo::AccesoDenegado, ...).
int EjecutarYEsperar(const std::vector<std::string>& argumentos);

// Starts argumentos[0] with those arguments in a process group of its own and returns at once.
// The program is not waited for, but its end is collected so that no zombie stays behind.
// False when it could not be started, with the last error set.
bool IniciarPrograma(const std::vector<std::string>& argumentos);

// Full path of the first regular, executable file called `nombre` in the folders of $PATH
// (an empty entry is the current folder, as for the shell). "" when there is none, with the
// last error codigo::ProgramaNoEncontrado.
std::string BuscarEnRuta(const std::string& nombre);

} // namespace plataforma
