// Exchange documents of the tests: documents composed from their parts, and the check that a
// document is well-formed.
#pragma once

#include <string>

namespace prueba {

// The prologue, the root with its version (none when `version` is empty) and `cuerpo`.
std::string Documento(const std::string& cuerpo, const std::string& version = "20190612");

// A frame's `tramo` element.
std::string Tramo(const std::string& submarco, int dia, int indice, const std::string& entrada,
                  const std::string& salida, const std::string& tipo, const std::string& clave,
                  const std::string& extra = "");
// Frame A with, for each day 0..dias-1, the lesson 08:30-09:20 (indice 0, "1"), the recess
// 09:20-09:40 (1, "R1") and the lesson 09:40-10:30 (2, "2").
std::string MarcosBasicos(int dias = 5);

// Parses the document with expat; empty when it is well-formed, else the error and its line.
std::string ErrorDeFormato(const std::string& documento);

} // namespace prueba
