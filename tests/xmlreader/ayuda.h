// Helpers of the reader's tests: documents parsed from memory with the handler kept, and the
// shared toolkit of tests/common.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/datos.h"
#include "platform/avisos.h"
#include "tests/common/archivos.h"
#include "tests/common/avisos.h"
#include "tests/common/documentos.h"
#include "tests/common/modelo.h"
#include "xmlreader/contenido.h"
#include "xmlreader/lector.h"

namespace prueba {

// One parse of a document held in memory, with its handler kept for inspection.
struct Lectura {
    std::unique_ptr<CDatos> datos;
    std::unique_ptr<MyContentInterno2> manejador;
    std::uint32_t estado = 0;
};
Lectura Leer(const std::string& documento, std::unique_ptr<CDatos> datos = nullptr);

} // namespace prueba
