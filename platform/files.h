// File services: whole records read and written through file descriptors.
//
// Paths are the program's text (Windows-1252); they reach the system in UTF-8, the encoding of
// file names here. Every failing call sets the layer's last-error code (platform/error.h);
// successful calls leave it as it was.
#pragma once

#include <cstddef>
#include <string>

namespace plataforma {

// Opens an existing regular file for reading in binary mode. The open never waits (a FIFO with
// no writer opens at once), and anything but a regular file (a directory, a device, a FIFO, a
// socket) is closed again and refused with codigo::AccesoDenegado before a byte is read.
// Returns a descriptor, or -1.
int AbrirParaLeer(const char* ruta);
// Creates (or truncates) a file for writing in binary mode. Returns a descriptor, or -1.
int CrearParaEscribir(const char* ruta);

// A file written beside the file it is to replace, and put in its place only once it is whole:
// until then the target keeps its previous content, and a failure removes nothing but the new
// file. The destructor discards a new file that was not put in place.
class ArchivoDeReemplazo {
public:
    ArchivoDeReemplazo() = default;
    ~ArchivoDeReemplazo();
    ArchivoDeReemplazo(const ArchivoDeReemplazo&) = delete;
    ArchivoDeReemplazo& operator=(const ArchivoDeReemplazo&) = delete;

    // Creates a new file with a unique name in the folder of `ruta`, for writing in binary
    // mode. A target that exists and is not a regular file (a directory, a device, a FIFO) is
    // refused with codigo::AccesoDenegado before anything is created; a symbolic link is
    // followed, so the file it names is the one replaced. Returns the new file's descriptor,
    // or -1.
    int Crear(const char* ruta);

    // Flushes the new file to the disk, closes it and renames it over the target. False when a
    // step fails: the new file is removed and the target is left as it was.
    bool Reemplazar();

    // Closes and removes the new file, keeping the last-error code of the failure that led
    // here. Does nothing when there is no new file.
    void Descartar();

private:
    int fd_ = -1;
    std::string destino_, nueva_;
};

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
