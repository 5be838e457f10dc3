// Private profile files read line by line, in the manner of the system's profile service.
#include "platform/perfil.h"

#include <cstdlib>
#include <string_view>
#include <unicode/utf8.h>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/sistema.h"
#include "platform/text.h"

namespace plataforma {

namespace {

// The longest value handed back, as the profile service's 260-byte buffer with its terminator.
constexpr std::size_t LongitudMaxima = 259;

std::string_view Recortar(std::string_view s) {
    while (!s.empty() && EsEspacio(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && EsEspacio(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool EsUtf8Valido(std::string_view s) {
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    const auto longitud = static_cast<int32_t>(s.size());
    for (int32_t i = 0; i < longitud;) {
        UChar32 c;
        U8_NEXT(p, i, longitud, c);
        if (c < 0) return false;
    }
    return true;
}

} // namespace

std::string LeerPerfilDe(const std::string& ruta, const std::string& seccion,
                         const std::string& clave, const std::string& porDefecto) {
    if (EsRutaConUnidad(ruta)) {
        FijarUltimoError(codigo::RutaNoEncontrada);
        return porDefecto;
    }
    std::string contenido;
    if (!LeerArchivoEntero(ruta.c_str(), contenido)) return porDefecto;
    const std::string_view texto = contenido;
    bool enSeccion = false;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        std::size_t fin = texto.find('\n', inicio);
        if (fin == std::string_view::npos) fin = texto.size();
        const std::string_view linea = Recortar(texto.substr(inicio, fin - inicio));
        inicio = fin + 1;
        if (linea.empty() || linea.front() == ';' || linea.front() == '#') continue;
        if (linea.front() == '[') {
            const std::size_t cierre = linea.find(']');
            if (cierre == std::string_view::npos) continue;
            enSeccion = IgualesSinMayusculasAscii(Recortar(linea.substr(1, cierre - 1)), seccion);
            continue;
        }
        const std::size_t igual = linea.find('=');
        if (!enSeccion || igual == std::string_view::npos ||
            !IgualesSinMayusculasAscii(Recortar(linea.substr(0, igual)), clave))
            continue;
        std::string_view valor = Recortar(linea.substr(igual + 1));
        if (valor.size() >= 2 && valor.front() == '"' && valor.back() == '"')
            valor = valor.substr(1, valor.size() - 2);
        std::string resultado = EsUtf8Valido(valor) ? Utf8AAnsi(valor) : std::string(valor);
        if (resultado.size() > LongitudMaxima) resultado.resize(LongitudMaxima);
        return resultado;
    }
    return porDefecto;
}

std::string RutaOdbcIni() {
    const char* odbcini = std::getenv("ODBCINI");
    if (odbcini != nullptr && *odbcini != '\0') {
        const std::string ruta = Utf8AAnsi(odbcini);
        if (Existe(ruta)) return ruta;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        const std::string ruta = UnirRuta(Utf8AAnsi(home), ".odbc.ini");
        if (Existe(ruta)) return ruta;
    }
    if (Existe("/etc/odbc.ini")) return "/etc/odbc.ini";
    return {};
}

std::string LeerPerfilOdbc(const std::string& seccion, const std::string& clave,
                           const std::string& porDefecto) {
    const std::string ruta = RutaOdbcIni();
    return ruta.empty() ? porDefecto : LeerPerfilDe(ruta, seccion, clave, porDefecto);
}

} // namespace plataforma
