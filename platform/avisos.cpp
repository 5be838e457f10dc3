#include "platform/avisos.h"

namespace plataforma {

namespace {

Respuesta PrimerBoton(Botones b) {
    return b == Botones::SiNo || b == Botones::SiNoCancelar ? Respuesta::Si : Respuesta::Aceptar;
}

class AvisosMudos : public Avisos {
public:
    Respuesta Mostrar(const std::string&, const std::string&, Icono, Botones b) override {
        return PrimerBoton(b);
    }
};

AvisosMudos mudos;
Avisos* actuales = nullptr;

} // namespace

Avisos& AvisosActuales() {
    return actuales != nullptr ? *actuales : mudos;
}

Avisos* InstalarAvisos(Avisos* a) {
    Avisos* anterior = actuales;
    actuales = a;
    return anterior;
}

Respuesta AvisosGrabados::Mostrar(const std::string& texto, const std::string& titulo, Icono icono,
                                  Botones botones) {
    avisos.push_back({texto, titulo, icono, botones});
    if (respuestas.empty()) return PrimerBoton(botones);
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
}

} // namespace plataforma
