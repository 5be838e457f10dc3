// Folders of the user and the system, paths and the clock.
#include "platform/sistema.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <sys/stat.h>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

namespace plataforma {

namespace {

// An environment variable as the system gives it (UTF-8); "" when unset.
std::string Variable(const char* nombre) {
    const char* valor = std::getenv(nombre);
    return valor != nullptr ? valor : "";
}

bool EsCarpetaDelSistema(const std::string& rutaUtf8) {
    struct stat st;
    return ::stat(rutaUtf8.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string SinBarraFinal(std::string ruta) {
    while (ruta.size() > 1 && ruta.back() == '/')
        ruta.pop_back();
    return ruta;
}

// XDG_DOCUMENTS_DIR from user-dirs.dirs, a file of shell assignments:
// XDG_DOCUMENTS_DIR="$HOME/Documents" or an absolute path. The last assignment counts, as when
// the shell reads it. "" when the file or the entry is missing or the value is not usable.
std::string CarpetaXdgDocumentos(const std::string& home) {
    std::string configuracion = Variable("XDG_CONFIG_HOME");
    if (configuracion.empty()) {
        if (home.empty()) return {};
        configuracion = home + "/.config";
    }
    // A missing or unreadable file only means there is no such folder: the last error stays.
    const std::uint32_t antes = UltimoError();
    std::string contenido;
    if (!LeerArchivoEntero(Utf8AAnsi(configuracion + "/user-dirs.dirs").c_str(), contenido)) {
        FijarUltimoError(antes);
        return {};
    }

    constexpr std::string_view Clave = "XDG_DOCUMENTS_DIR=";
    std::string resultado;
    const std::string_view texto = contenido;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        std::size_t fin = texto.find('\n', inicio);
        if (fin == std::string_view::npos) fin = texto.size();
        std::string_view linea = texto.substr(inicio, fin - inicio);
        inicio = fin + 1;
        while (!linea.empty() && EsEspacio(static_cast<unsigned char>(linea.front())))
            linea.remove_prefix(1);
        while (!linea.empty() && EsEspacio(static_cast<unsigned char>(linea.back())))
            linea.remove_suffix(1);
        if (!linea.starts_with(Clave)) continue;
        std::string_view valor = linea.substr(Clave.size());
        if (valor.size() >= 2 && valor.front() == '"' && valor.back() == '"')
            valor = valor.substr(1, valor.size() - 2);
        std::string ruta;
        if (valor.starts_with("$HOME")) {
            const std::string_view resto = valor.substr(5);
            if (home.empty() || !(resto.empty() || resto.front() == '/')) continue;
            ruta = home + std::string(resto);
        } else if (valor.starts_with('/')) {
            ruta = valor;
        } else {
            continue;
        }
        resultado = ruta;
    }
    return resultado;
}

} // namespace

int AnoActual() {
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&ahora, &local) == nullptr) return 1970;
    return local.tm_year + 1900;
}

std::string CarpetaTemporal() {
    std::string carpeta = Variable("TMPDIR");
    if (carpeta.empty()) carpeta = "/tmp";
    if (carpeta.back() != '/') carpeta += '/';
    return Utf8AAnsi(carpeta);
}

std::string CarpetaDocumentos() {
    const std::string home = SinBarraFinal(Variable("HOME"));
    const std::string documentos = SinBarraFinal(CarpetaXdgDocumentos(home));
    if (!documentos.empty() && EsCarpetaDelSistema(documentos)) return Utf8AAnsi(documentos);
    return Utf8AAnsi(home);
}

bool EsRutaConUnidad(const std::string& ruta) {
    return ruta.size() >= 2 && EsLetraAscii(static_cast<unsigned char>(ruta[0])) && ruta[1] == ':';
}

std::string UnirRuta(const std::string& carpeta, const std::string& nombre) {
    if (carpeta.empty()) return nombre;
    const bool windows =
        carpeta.find('\\') != std::string::npos && carpeta.find('/') == std::string::npos;
    const char separador = windows ? '\\' : '/';
    if (carpeta.back() == separador) return carpeta + nombre;
    return carpeta + separador + nombre;
}

bool EsCarpeta(const std::string& ruta) {
    return !EsRutaConUnidad(ruta) && EsCarpetaDelSistema(AnsiAUtf8(ruta));
}

bool Existe(const std::string& ruta) {
    return !EsRutaConUnidad(ruta) && ExisteArchivo(ruta.c_str());
}

bool CrearArchivoVacio(const std::string& ruta) {
    if (EsRutaConUnidad(ruta)) {
        FijarUltimoError(codigo::RutaNoEncontrada);
        return false;
    }
    const int fd = CrearParaEscribir(ruta.c_str());
    if (fd < 0) {
        // A file that is being created is never missing itself: its folder is.
        if (UltimoError() == codigo::ArchivoNoEncontrado)
            FijarUltimoError(codigo::RutaNoEncontrada);
        return false;
    }
    return Cerrar(fd);
}

bool RutaCorta(const std::string& ruta, std::string& corta) {
    if (EsRutaConUnidad(ruta)) {
        FijarUltimoError(codigo::ArchivoNoEncontrado);
        return false;
    }
    struct stat st;
    if (::stat(AnsiAUtf8(ruta).c_str(), &st) != 0) {
        FijarUltimoErrorErrno(errno);
        return false;
    }
    corta = ruta;
    return true;
}

} // namespace plataforma
