// The layer's last-error code and the texts of error codes.
#include "platform/error.h"

#include "platform/text.h"

#include <cerrno>
#include <climits>
#include <cstring>

namespace plataforma {

namespace {

// Kept per thread, as the system keeps its own; successful calls never clear it.
thread_local std::uint32_t ultimoError = codigo::Correcto;

// strerror_r comes in two forms: the GNU one returns the text, the POSIX one fills the buffer.
[[maybe_unused]] const char* TextoDeStrerror(const char* texto, const char*) {
    return texto;
}
[[maybe_unused]] const char* TextoDeStrerror(int resultado, const char* buffer) {
    return resultado == 0 ? buffer : nullptr;
}

} // namespace

std::uint32_t UltimoError() {
    return ultimoError;
}

void FijarUltimoError(std::uint32_t codigo) {
    ultimoError = codigo;
}

void FijarUltimoErrorErrno(int numero) {
    switch (numero) {
    case ENOENT:
        ultimoError = codigo::ArchivoNoEncontrado;
        break;
    case ENOTDIR:
        ultimoError = codigo::RutaNoEncontrada;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        ultimoError = codigo::AccesoDenegado;
        break;
    case ETXTBSY:
    case EBUSY:
        ultimoError = codigo::ArchivoEnUso;
        break;
    case ENOSPC:
    case EDQUOT:
        ultimoError = codigo::DiscoLleno;
        break;
    default:
        ultimoError = CodigoDeErrno(numero);
    }
}

std::string TextoDeError(std::uint32_t codigo) {
    switch (codigo) {
    case codigo::Correcto:
        return "La operaci\xF3n se complet\xF3 correctamente.\r\n";
    case codigo::ArchivoNoEncontrado:
        return "El sistema no puede encontrar el archivo especificado.\r\n";
    case codigo::RutaNoEncontrada:
        return "El sistema no puede encontrar la ruta especificada.\r\n";
    case codigo::AccesoDenegado:
        return "Acceso denegado.\r\n";
    case codigo::ArchivoEnUso:
        return "El proceso no tiene acceso al archivo porque est\xE1 siendo utilizado por otro "
               "proceso.\r\n";
    case codigo::FinDeArchivo:
        return "Se ha alcanzado el final del archivo.\r\n";
    case codigo::DiscoLleno:
        return "No hay espacio suficiente en el disco.\r\n";
    default:
        break;
    }
    if (codigo < BaseErrno || codigo - BaseErrno > static_cast<std::uint32_t>(INT_MAX)) return {};
    char buffer[256];
    const char* texto = TextoDeStrerror(
        strerror_r(static_cast<int>(codigo - BaseErrno), buffer, sizeof buffer), buffer);
    // The C library's text is in the encoding of its locale (ASCII under "C").
    return texto ? Utf8AAnsi(texto) + "\r\n" : std::string();
}

} // namespace plataforma
