// Helpers of the reader's tests: models set up as the load flow does, documents parsed from
// memory or from a file, and the records read.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/datos.h"
#include "platform/avisos.h"
#include "tests/common/modelo.h"
#include "xmlreader/contenido.h"
#include "xmlreader/lector.h"

namespace prueba {

// A model of mode 1 set up as the load flow does before reading.
std::unique_ptr<CDatos> NuevoModelo();

// One parse of a document held in memory, with its handler kept for inspection.
struct Lectura {
    std::unique_ptr<CDatos> datos;
    std::unique_ptr<MyContentInterno2> manejador;
    std::uint32_t estado = 0;
};
Lectura Leer(const std::string& documento, std::unique_ptr<CDatos> datos = nullptr);

// The prologue, the root with its version (none when `version` is empty) and `cuerpo`.
std::string Documento(const std::string& cuerpo, const std::string& version = "20190612");

// A frame's `tramo` element.
std::string Tramo(const std::string& submarco, int dia, int indice, const std::string& entrada,
                  const std::string& salida, const std::string& tipo, const std::string& clave,
                  const std::string& extra = "");
// Frame A with, for each day 0..dias-1, the lesson 08:30-09:20 (indice 0, "1"), the recess
// 09:20-09:40 (1, "R1") and the lesson 09:40-10:30 (2, "2").
std::string MarcosBasicos(int dias = 5);

// The cells of a packed map.
MapaDisponibilidad Celdas(const MapaEmpaquetado& mapa);

// The record at 0-based index `i` of `lista`; a test failure (and an empty record) when the
// list is shorter.
template <class T> const T& En(const MCList<T>& lista, int i) {
    if (const auto* n = lista.NodoEnIndice(i)) return n->dato;
    ADD_FAILURE() << "no record at index " << i << " of a list of " << lista.Cuenta();
    static const T vacio{};
    return vacio;
}

// The names of a list's records, in order.
template <class T> std::vector<std::string> Nombres(const MCList<T>& lista) {
    std::vector<std::string> r;
    for (const T& x : lista)
        r.emplace_back(x.nombre);
    return r;
}

// Writes `contenido` to a new file in a temporary folder and returns its path.
std::string ArchivoTemporal(const std::string& nombre, const std::string& contenido);

// Records notices, for one test.
class Entorno {
public:
    Entorno();
    ~Entorno();
    plataforma::AvisosGrabados avisos;

private:
    plataforma::AvisosInstalados instalados_;
};

} // namespace prueba
