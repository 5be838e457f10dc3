// The layer's last-error code and the system's text for an error code.
//
// Codes are the layer's own and follow the Windows numbering, so the texts are the ones users
// of the original platform know. Functions of the layer that fail set the code; successful
// calls leave it as it was.
#pragma once

#include <cstdint>
#include <string>

namespace plataforma {

namespace codigo {
inline constexpr std::uint32_t Correcto = 0;
inline constexpr std::uint32_t ArchivoNoEncontrado = 2;
inline constexpr std::uint32_t RutaNoEncontrada = 3;
inline constexpr std::uint32_t AccesoDenegado = 5;
inline constexpr std::uint32_t ArchivoEnUso = 32;
inline constexpr std::uint32_t FinDeArchivo = 38;
inline constexpr std::uint32_t DiscoLleno = 112;
// A program that cannot be found to be run reports the same code as Windows does.
inline constexpr std::uint32_t ProgramaNoEncontrado = ArchivoNoEncontrado;
} // namespace codigo

// Codes for errno values without a Windows equivalent of their own.
inline constexpr std::uint32_t BaseErrno = 0x20000000;
inline constexpr std::uint32_t CodigoDeErrno(int numero) {
    return BaseErrno + static_cast<std::uint32_t>(numero);
}

std::uint32_t UltimoError();
void FijarUltimoError(std::uint32_t codigo);
// Sets the last-error code from a C library errno value (ENOENT -> ArchivoNoEncontrado, ...).
void FijarUltimoErrorErrno(int numero);

// The text of an error code, Windows-1252, ending with "\r\n"; Spanish for the codes above,
// the C library's text for other errno values (code = CodigoDeErrno(errno)), empty for codes
// the layer does not know.
std::string TextoDeError(std::uint32_t codigo);

} // namespace plataforma
