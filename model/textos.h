// Text helpers shared by the readers and the flows.
#pragma once

#include <cstdint>
#include <string>

// Converts the first min(longitud, limite) UTF-16 units of `texto` to Windows-1252 into
// `destino` (which holds limite + 1 bytes) and trims both ends. False when nothing is left.
bool ConvertirDesdeUnicode(char* destino, int limite, const char16_t* texto, int longitud);

// Trimming of ASCII blanks and control characters, in place. Recortar is false for a null or
// empty string and when nothing is left.
bool Recortar(char* s);
void RecortarIzquierda(char* s);
void RecortarDerecha(char* s);
// A copy of `texto` up to its first NUL (null: empty), trimmed at both ends.
std::string Recortado(const char* texto);

// The system's text for an error code (ending with its line break); empty when there is none.
void ObtenerTextoError(std::uint32_t codigo, std::string& texto);

// Upper-cases both texts in place and tells whether either contains "TUT".
bool ComprobarTutoria(std::string& a, std::string& b);
