#include "platform/interfaz.h"

#include "platform/perfil.h"
#include "platform/proceso.h"
#include "platform/sistema.h"

namespace plataforma {

bool InicioDeDialogoArchivo(const std::string& nombreInicial, InicioDialogoArchivo& inicio) {
    inicio = {};
    if (EsCarpeta(nombreInicial)) {
        inicio.carpeta = nombreInicial;
        return true;
    }
    const auto barra = nombreInicial.rfind('/');
    if (barra == std::string::npos) {
        inicio.archivo = nombreInicial;
        return true;
    }
    inicio.carpeta = nombreInicial.substr(0, barra == 0 ? 1 : barra);
    inicio.archivo = nombreInicial.substr(barra + 1);
    return EsCarpeta(inicio.carpeta);
}

std::string FiltroDeDialogo(const std::string& filtro) {
    std::string f = filtro;
    while (!f.empty() && f.back() == '|')
        f.pop_back();
    return f;
}

ResultadoArchivo ArchivoElegido(const std::string& ruta, const std::string& extensionPorDefecto) {
    ResultadoArchivo r;
    r.resultado = kIdOk;
    r.ruta = ruta;
    const auto barra = ruta.rfind('/');
    const std::string nombre = barra == std::string::npos ? ruta : ruta.substr(barra + 1);
    const auto punto = nombre.rfind('.');
    if (punto != std::string::npos) {
        r.extension = nombre.substr(punto + 1);
    } else if (!extensionPorDefecto.empty()) {
        r.ruta += "." + extensionPorDefecto;
        r.extension = extensionPorDefecto;
    }
    return r;
}

int Interfaz::Mensaje(const std::string& texto, Icono icono, Botones botones) {
    switch (Mostrar(texto, "", icono, botones)) {
    case Respuesta::Aceptar:
    case Respuesta::Si:
        return kIdOk;
    default:
        return kIdCancel;
    }
}

bool Interfaz::IniciarPrograma(const std::vector<std::string>& argumentos) {
    return plataforma::IniciarPrograma(argumentos);
}

int Interfaz::EjecutarYEsperar(const std::vector<std::string>& argumentos) {
    return plataforma::EjecutarYEsperar(argumentos);
}

std::string Interfaz::BuscarEnRuta(const std::string& nombre) {
    return plataforma::BuscarEnRuta(nombre);
}

int Interfaz::AnoActual() {
    return plataforma::AnoActual();
}

std::string Interfaz::CarpetaTemporal() {
    return plataforma::CarpetaTemporal();
}

std::string Interfaz::CarpetaDocumentos() {
    return plataforma::CarpetaDocumentos();
}

bool Interfaz::Existe(const std::string& ruta) {
    return plataforma::Existe(ruta);
}

bool Interfaz::CrearArchivoVacio(const std::string& ruta) {
    return plataforma::CrearArchivoVacio(ruta);
}

bool Interfaz::RutaCorta(const std::string& ruta, std::string& corta) {
    return plataforma::RutaCorta(ruta, corta);
}

std::string Interfaz::LeerPerfilOdbc(const std::string& seccion, const std::string& clave,
                                     const std::string& porDefecto) {
    return plataforma::LeerPerfilOdbc(seccion, clave, porDefecto);
}

} // namespace plataforma
