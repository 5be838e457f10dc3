#include "guion.h"

#include "platform/error.h"

namespace prueba {

using namespace plataforma;

int InterfazGuionada::Modal(CDialogo& dialogo) {
    eventos.push_back("dialogo " + std::to_string(dialogo.Plantilla()));
    DialogoVisto visto{dialogo.Plantilla(), TextosIniciales(dialogo), ""};
    PasoDialogo paso{kIdCancel, {}};
    if (!pasos.empty()) {
        paso = pasos.front();
        pasos.pop_front();
    }
    std::map<int, std::string> textos = visto.textos;
    for (const auto& [id, texto] : paso.textos)
        textos[id] = texto;
    int resultado = paso.boton;
    if (resultado == kIdOk) {
        int control = 0;
        if (!ValidarDialogo(dialogo, textos, visto.aviso, control)) resultado = kIdCancel;
    }
    dialogos.push_back(visto);
    return resultado;
}

Respuesta InterfazGuionada::Mostrar(const std::string& texto, const std::string&, Icono icono,
                                    Botones botones) {
    eventos.push_back("mensaje " + texto);
    mensajes.push_back({texto, icono, botones});
    if (!respuestas.empty()) {
        const Respuesta r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    return botones == Botones::SiNo || botones == Botones::SiNoCancelar ? Respuesta::Si
                                                                        : Respuesta::Aceptar;
}

ResultadoArchivo InterfazGuionada::DialogoArchivo(const ParametrosArchivo& parametros) {
    eventos.push_back(parametros.abrir ? "abrir" : "guardar");
    dialogosArchivo.push_back(parametros);
    if (archivos.empty()) return {};
    const ResultadoArchivo r = archivos.front();
    archivos.pop_front();
    return r;
}

void InterfazGuionada::AbrirDireccion(const std::string& direccion) {
    eventos.push_back("web " + direccion);
    direcciones.push_back(direccion);
}

bool InterfazGuionada::IniciarPrograma(const std::vector<std::string>& argumentos) {
    eventos.push_back("inicio " + (argumentos.empty() ? std::string() : argumentos[0]));
    if (fallarInicioCon != 0) {
        FijarUltimoError(fallarInicioCon);
        return false;
    }
    iniciados.push_back(argumentos);
    return true;
}

ResultadoArchivo Elegido(const std::string& ruta) {
    return ArchivoElegido(ruta, "");
}

} // namespace prueba
