// The model set-up of both flows, as the program does it before reading a document or a file
// (mode 0 for the import flow, mode 1 for the load flow), and reading records back out of a
// model. Header only.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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

// The cells of a packed map.
inline MapaDisponibilidad Celdas(const MapaEmpaquetado& mapa) {
    MapaDisponibilidad m;
    DesempaquetarMapa(mapa, m);
    return m;
}

} // namespace prueba
