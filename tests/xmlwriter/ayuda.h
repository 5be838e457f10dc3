// Helpers of the document writer's tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/datos.h"
#include "tests/common/archivos.h"
#include "tests/common/documentos.h"
#include "tests/common/modelo.h"

namespace prueba {

// Writes the model's document for period selector `periodo` through a file and returns its
// bytes; the test fails when the export reports failure.
std::string Exportar(CDatos& d, int periodo = 0);

std::vector<std::string> Lineas(const std::string& texto);

// The lines from the first one equal to `apertura` to the first later one equal to `cierre`,
// both included, joined with their LFs; empty when not found.
std::string Bloque(const std::string& documento, const std::string& apertura,
                   const std::string& cierre);

// Fills every cell of the record's maps with `valor`.
void LlenarMapa(MapaEmpaquetado& mapa, int valor);
// Sets one cell (day d, interval i) of a packed map.
void FijarCelda(MapaEmpaquetado& mapa, int d, int i, int valor);

} // namespace prueba
