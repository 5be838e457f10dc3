// Small services of the program: starting a program without waiting, showing the companion's
// log, opening a document or web page.
#pragma once

#include <string>
#include <vector>

#include "platform/interfaz.h"

// The system's text for the last error (ending with its line break).
std::string TextoUltimoError();

// Starts the program argumentos[0] with its arguments and returns without waiting. When it
// cannot be started, says so with the error code in hexadecimal.
void EjecutarPrograma(plataforma::Interfaz& interfaz, const std::vector<std::string>& argumentos);

// Opens the companion program's log, "logexp.txt" of the current folder, with the desktop's
// program for text files. Nothing happens when there is none.
void MostrarLog(plataforma::Interfaz& interfaz);

// Opens a document or web address; failures are not reported.
void AbrirDocumento(plataforma::Interfaz& interfaz, const std::string& direccion);
