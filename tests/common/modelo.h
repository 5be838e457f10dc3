// The model set-up of both flows, as the program does it before reading a document or a file:
// mode 0 for the import flow, mode 1 for the load flow. Header only: not every test program
// links the model.
#pragma once

#include <memory>

#include "model/datos.h"

namespace prueba {

inline std::unique_ptr<CDatos> ModeloPreparado(int modo) {
    auto d = std::make_unique<CDatos>(modo);
    d->ReiniciarCabecera();
    d->IniciarMarcos();
    d->AnadirRegistrosPorDefecto();
    d->marcos.perfil = 0;
    return d;
}

} // namespace prueba
