// Notices recorded instead of shown, for one test.
#pragma once

#include "platform/avisos.h"

namespace prueba {

class Entorno {
public:
    Entorno() : instalados_(avisos) {}
    plataforma::AvisosGrabados avisos;

private:
    plataforma::AvisosInstalados instalados_;
};

} // namespace prueba
