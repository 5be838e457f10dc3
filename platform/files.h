// File services: whole records read and written through file descriptors.
//
// Every failing call sets the layer's last-error code (platform/error.h); successful calls
// leave it as it was.
#pragma once

#include <cstddef>
#include <string>

namespace plataforma {

// Opens an existing file for reading in binary mode. Returns a descriptor, or -1.
int AbrirParaLeer(const char* ruta);
// Creates (or truncates) a file for writing in binary mode. Returns a descriptor, or -1.
int CrearParaEscribir(const char* ruta);

// Reads one record of `tamano` bytes. The buffer is zero-filled first, so a short last record
// is decoded from defined bytes. Short reads and interrupts are retried until the record is
// full or the file ends. Returns the bytes read: 0 at the end of the file (the last-error code
// becomes codigo::FinDeArchivo) or on a failure (the code of the failure).
std::size_t LeerRegistro(int fd, void* buffer, std::size_t tamano);

// Writes all `tamano` bytes (retrying short writes and interrupts). False on failure.
bool EscribirTodo(int fd, const void* datos, std::size_t tamano);

// Closes the descriptor. False on failure (a write that the close reports as lost).
bool Cerrar(int fd);

// True when the descriptor designates a regular file (not a device, pipe or socket).
bool EsArchivoRegular(int fd);

// Reads the whole file at `ruta` into `contenido` (replacing what it held). False when the file
// cannot be opened or read; reaching its end is no failure.
bool LeerArchivoEntero(const char* ruta, std::string& contenido);

bool ExisteArchivo(const char* ruta);
// Removes a file; false when it could not be removed.
bool BorrarArchivo(const char* ruta);

} // namespace plataforma
