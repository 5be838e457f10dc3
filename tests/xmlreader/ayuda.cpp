#include "ayuda.h"

#include <gtest/gtest.h>

namespace prueba {

Lectura Leer(const std::string& documento, std::unique_ptr<CDatos> datos) {
    Lectura l;
    l.datos = datos ? std::move(datos) : ModeloPreparado(1);
    l.manejador = std::make_unique<MyContentInterno2>(l.datos.get());
    std::unique_ptr<plataforma::LectorSax> lector;
    EXPECT_EQ(plataforma::CrearLectorSax(lector), 0u);
    lector->putContentHandler(l.manejador.get());
    l.estado = lector->AnalizarMemoria(documento.data(), documento.size());
    return l;
}

} // namespace prueba
