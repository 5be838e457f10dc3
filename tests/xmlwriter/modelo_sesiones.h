// A small model of sessions and activities for the writer's tests of relations, blocks and
// activities.
#pragma once

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "ayuda.h"
#include "model/datos.h"

namespace prueba {

template <class T> typename MCList<T>::Nodo* Nombrado(MCList<T>& lista, const char* nombre) {
    auto* n = lista.AnadirAlFinal();
    CopiarTexto(n->dato.nombre, nombre);
    return n;
}

struct ModeloSesiones {
    std::unique_ptr<CDatos> d = ModeloPreparado(0);
    MCList<DHTARE>::Nodo* lec = d->tareas.BuscarNombre("LEC");
    MCList<DHTARE>::Nodo* g = d->tareas.BuscarNombre("G");
    MCList<DHTARE>::Nodo* rdp = d->tareas.BuscarNombre("RDP");
    MCList<DHPROF>::Nodo* t1 = Nombrado(d->profesores, "T1");
    MCList<DHPROF>::Nodo* t2 = Nombrado(d->profesores, "T2");

    template <class T> Ref R(const typename MCList<T>::Nodo* n) const {
        return d->Referencia<T>(n);
    }
    // The record of exactly that name, added when missing.
    template <class T>
    static typename MCList<T>::Nodo* Buscar(MCList<T>& lista, const char* nombre) {
        for (auto* n = lista.Cabeza(); n != nullptr; n = n->siguiente)
            if (std::strcmp(n->dato.nombre, nombre) == 0) return n;
        return Nombrado(lista, nombre);
    }
    MCList<DHGRUP>::Nodo* Grupo(const char* nombre) { return Buscar(d->grupos, nombre); }
    MCList<DHMATE>::Nodo* Materia(const char* nombre) { return Buscar(d->materias, nombre); }
    // A session record at the end of the list, of the given kind, subject and group; every map
    // "disponible", task LEC unless told otherwise.
    DHSESI& Sesion(std::uint32_t tipo, const char* materia, const char* grupo,
                   MCList<DHPROF>::Nodo* profesor = nullptr,
                   MCList<DHTARE>::Nodo* tarea = nullptr) {
        DHSESI& s = d->sesiones.AnadirAlFinal()->dato;
        s.tipo = tipo;
        s.materia = R<DHMATE>(Materia(materia));
        s.grupo = R<DHGRUP>(Grupo(grupo));
        s.profesor = R<DHPROF>(profesor);
        s.tarea = R<DHTARE>(tarea != nullptr ? tarea : lec);
        CopiarTexto(s.distribucion, "1");
        s.opciones = d->marcos.valorInicialSesiones;
        for (auto& mapa : s.plantilla)
            LlenarMapa(mapa, MAPA_DISPONIBLE);
        return s;
    }
    Ref RefSesion(int posicion) const { return R<DHSESI>(d->sesiones.NodoEnIndice(posicion)); }
    DHSESI& En(int posicion) const { return d->sesiones.NodoEnIndice(posicion)->dato; }
};

// The lines of session `id` between its plantilla and its end: its relation lists.
inline std::string Relaciones(const std::string& documento, int id) {
    const std::string inicio = "\t\t<sesion id=\"" + std::to_string(id) + "\">\n";
    std::size_t i = documento.find(inicio);
    if (i == std::string::npos) return "<no session>";
    i = documento.find("\t\t\t</plantilla>\n", i);
    if (i == std::string::npos) return "<no plantilla>";
    i += std::string("\t\t\t</plantilla>\n").size();
    return documento.substr(i, documento.find("\t\t</sesion>\n", i) - i);
}

// The lines joined, each ended by a LF.
inline std::string Texto(std::initializer_list<const char*> lineas) {
    std::string t;
    for (const char* l : lineas)
        t.append(l).push_back('\n');
    return t;
}

inline bool Contiene(const std::string& texto, const std::string& trozo) {
    return texto.find(trozo) != std::string::npos;
}

} // namespace prueba
