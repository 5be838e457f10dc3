// Text services: code pages, name comparison, character classes and locale-free numbers.
//
// Text inside the program is always Windows-1252 ("ANSI") bytes. The data file of the
// management system is code page 850 ("OEM"); the XML parser delivers UTF-16. UTF-8 is used
// only at the screen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace plataforma {

// ---- Code pages -----------------------------------------------------------------------------

// Code page 850 bytes to Windows-1252 bytes, one byte for one byte. A character with no
// Windows-1252 form becomes '?'.
std::string OemAAnsi(std::string_view oem);
// In place over a NUL-terminated buffer (the length is unchanged).
void OemAAnsiEnSitio(char* texto);

// UTF-16 to Windows-1252: exactly one byte per UTF-16 unit. U+0080..U+009F map to the same
// bytes; characters without a Windows-1252 form and surrogate halves become '?'.
// Writes at most `capacidad` bytes to `destino` (no terminator) and returns the bytes written.
std::size_t Utf16AAnsi(const char16_t* texto, std::size_t longitud, char* destino,
                       std::size_t capacidad);
std::string Utf16AAnsi(std::u16string_view texto);

// Windows-1252 to UTF-16 (every byte has a form; 0x81, 0x8D, 0x8F, 0x90, 0x9D map to U+0081...).
std::u16string AnsiAUtf16(std::string_view ansi);

// Windows-1252 to UTF-8, for the screen only.
std::string AnsiAUtf8(std::string_view ansi);
// UTF-8 to Windows-1252 (text typed by the user on the screen); unmappable characters -> '?'.
std::string Utf8AAnsi(std::string_view utf8);

// ---- Name comparison ------------------------------------------------------------------------

enum class Comparacion { Menor, Igual, Mayor };

// Spanish collation ("es") at primary strength: case and accents ignored, "ñ" a letter of its
// own after "n", punctuation not ignored. Inputs are Windows-1252 bytes. A failure counts as
// Menor. The same order whatever the environment's locale.
Comparacion CompararNombres(std::string_view a, std::string_view b);

// As CompararNombres, but case is significant (accents are still ignored).
Comparacion CompararNombresConMayusculas(std::string_view a, std::string_view b);

// The collator's sort key of a name, for indexes: two names compare Igual exactly when their
// keys are equal, and the keys' byte order (std::string's) is the order of the comparison.
// False, with `clave` empty, when there is no collator: then no name is equal to any other.
bool ClaveDeNombre(std::string_view texto, std::string& clave);
// The same for CompararNombresConMayusculas.
bool ClaveDeNombreConMayusculas(std::string_view texto, std::string& clave);

// ---- Character classes on bytes -------------------------------------------------------------
// Tables of our own: ASCII classes (bytes 0x80 and above belong to none), independent of the
// C library's locale.

bool EsEspacio(unsigned char c); // 0x09..0x0D and 0x20
bool EsControl(unsigned char c); // 0x00..0x1F and 0x7F
bool EsDigito(unsigned char c);  // '0'..'9'
bool EsLetraAscii(unsigned char c);
// Windows-1252 upper case (a..z, à..þ except ÷, š, œ, ž, ÿ).
unsigned char AMayuscula(unsigned char c);
void AMayusculas(std::string& texto);
void AMayusculas(char* texto);
// ASCII-only case-insensitive equality (the letters A..Z and a..z).
bool IgualesSinMayusculasAscii(std::string_view a, std::string_view b);

// ---- Numbers independent of the locale ------------------------------------------------------

// As atoi: optional leading blanks, optional sign, digits; stops at the first other byte;
// 0 when there are no digits; saturates instead of overflowing.
int LeerEntero(const char* texto);
// As atof for plain decimal text ("1.5", "-3", "2e3"), always with a point.
double LeerReal(const char* texto);
// printf("%.*f") with a point whatever the locale.
std::string FormatearReal(double valor, int decimales);

} // namespace plataforma
