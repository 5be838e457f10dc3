#include "platform/interfaz.h"

#include "platform/perfil.h"
#include "platform/proceso.h"
#include "platform/sistema.h"

namespace plataforma {

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
