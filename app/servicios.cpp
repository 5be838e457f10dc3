#include "app/servicios.h"

#include <cstdio>

#include "model/textos.h"
#include "platform/error.h"
#include "resources/cadenas.h"

std::string TextoUltimoError() {
    std::string texto;
    ObtenerTextoError(plataforma::UltimoError(), texto);
    return texto;
}

void EjecutarPrograma(plataforma::Interfaz& interfaz, const std::vector<std::string>& argumentos) {
    if (interfaz.IniciarPrograma(argumentos)) return;
    char texto[256];
    std::snprintf(texto, sizeof texto, recursos::Cadena(recursos::IDS_ERROR_PROCESO),
                  static_cast<unsigned long>(plataforma::UltimoError()));
    interfaz.Mensaje(texto, plataforma::Icono::Ninguno);
}

void MostrarLog(plataforma::Interfaz& interfaz) {
    const std::string visor = interfaz.BuscarEnRuta("xdg-open");
    if (visor.empty()) return;
    EjecutarPrograma(interfaz, {visor, "logexp.txt"});
}

void AbrirDocumento(plataforma::Interfaz& interfaz, const std::string& direccion) {
    interfaz.AbrirDireccion(direccion);
}
