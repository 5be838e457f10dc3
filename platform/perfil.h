// Private profile files ("ini" files): a value read from a key of a section.
#pragma once

#include <string>

namespace plataforma {

// Value of `clave` in section `seccion` of the ini file at `ruta`. Section and key names are
// compared without case (ASCII); the value is trimmed of blanks, one pair of surrounding double
// quotes is removed and it is cut to 259 characters. `porDefecto` when the file, the section or
// the key is missing; a key present with an empty value gives "". Lines starting with ';' or
// '#' are comments. Values are read as UTF-8 (the system's text) when they are valid UTF-8,
// else taken as Windows-1252 bytes.
std::string LeerPerfilDe(const std::string& ruta, const std::string& seccion,
                         const std::string& clave, const std::string& porDefecto);

// Where "odbc.ini" is read from: the first of $ODBCINI, ~/.odbc.ini ($HOME) and /etc/odbc.ini
// that exists; "" when none does.
std::string RutaOdbcIni();

// LeerPerfilDe(RutaOdbcIni(), ...); `porDefecto` when there is no such file.
std::string LeerPerfilOdbc(const std::string& seccion, const std::string& clave,
                           const std::string& porDefecto);

} // namespace plataforma
