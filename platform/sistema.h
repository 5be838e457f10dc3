// System folders, paths and the clock.
//
// Paths are Windows-1252 text, converted to UTF-8 on their way to the system and back. A path
// written the Windows way with a drive ("C:\RozIva\Datos") names no file on this system.
#pragma once

#include <string>

namespace plataforma {

// The current local calendar year.
int AnoActual();

// $TMPDIR when set and not empty, else "/tmp"; always ending in "/".
std::string CarpetaTemporal();

// The user's documents folder: XDG_DOCUMENTS_DIR of $XDG_CONFIG_HOME/user-dirs.dirs (by default
// ~/.config/user-dirs.dirs) with "$HOME" expanded, when that folder exists; else $HOME; else "".
// Without a trailing "/".
std::string CarpetaDocumentos();

// True for a path written with a drive: a letter and ':' ("C:\RozIva", "c:").
bool EsRutaConUnidad(const std::string& ruta);

// Joins a folder and a name: with "\" when the folder is written the Windows way (it holds a
// backslash and no "/"), else with "/"; no separator is doubled. An empty folder gives the name.
std::string UnirRuta(const std::string& carpeta, const std::string& nombre);

// Whether `ruta` names an existing folder; false for a path with a drive.
bool EsCarpeta(const std::string& ruta);

// Whether a file of any kind exists at `ruta`; false for a path with a drive.
bool Existe(const std::string& ruta);

// Creates an empty file (created or truncated, mode 0666 before the umask) and closes it.
// False on failure with the last error set; a path with a drive, like a path whose folder is
// missing, fails with codigo::RutaNoEncontrada.
bool CrearArchivoVacio(const std::string& ruta);

// The short form of a path. There are no 8.3 names here: the path itself when it exists (true);
// false when it does not (codigo::ArchivoNoEncontrado), leaving `corta` as it was.
bool RutaCorta(const std::string& ruta, std::string& corta);

} // namespace plataforma
