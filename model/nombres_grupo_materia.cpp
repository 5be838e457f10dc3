// grupoMateria names: every session of its own gets a name made of its subject and groups that
// no other session of the export carries.
#include <cstdio>
#include <string>
#include <unordered_set>

#include "model/datos.h"

namespace {

// The stored name holds at most this many bytes (the field keeps one more for its NUL).
constexpr std::size_t LARGO_GRUPO_MATERIA = sizeof(DHSESI::grupoMateria) - 1;

bool EsAcompanante(const DHSESI& s) {
    return s.tipo == SESION_MATERIA || s.tipo == SESION_PROFESOR || s.aulaAdicional != 0;
}

} // namespace

std::string CDatos::ComponerNombreGrupoMateria(const DHSESI& sesion,
                                               const MCList<DHSESI>::Nodo* siguiente) const {
    auto nombreGrupo = [this](Ref r) -> const char* {
        const DHGRUP* g = Registro(grupos, r);
        return g != nullptr ? g->nombre : "";
    };
    const DHMATE* materia = Registro(materias, sesion.materia);
    std::string nombre = materia != nullptr ? materia->nombre : "";
    nombre += '/';
    nombre += nombreGrupo(sesion.grupo);
    for (const auto* n = siguiente; n != nullptr; n = n->siguiente) {
        if (n->dato.tipo == SESION_MATERIA) {
            nombre += '/';
            nombre += nombreGrupo(n->dato.grupo);
        } else if (n->dato.tipo != SESION_PROFESOR) {
            break;
        }
    }
    return nombre;
}

void CDatos::NombrarGrupoMateria(DHSESI& sesion, const MCList<DHSESI>::Nodo* siguiente,
                                 std::unordered_set<std::string>& usados) const {
    const std::string base = ComponerNombreGrupoMateria(sesion, siguiente);
    // The first candidate is the base itself; then "base#n" with the base cut so that the whole
    // candidate fits the field. Uniqueness is judged on the text as it will be stored.
    std::string candidato = base.substr(0, LARGO_GRUPO_MATERIA);
    for (unsigned n = 2; usados.count(candidato) != 0; ++n) {
        char sufijo[16];
        const int largoSufijo = std::snprintf(sufijo, sizeof sufijo, "#%u", n);
        candidato = base.substr(0, LARGO_GRUPO_MATERIA - static_cast<std::size_t>(largoSufijo));
        candidato += sufijo;
    }
    usados.insert(candidato);
    CopiarTexto(sesion.grupoMateria, candidato.c_str());
}

void CDatos::NombrarGruposMateria() {
    std::unordered_set<std::string> usados;
    for (auto* n = sesiones.Cabeza(); n != nullptr; n = n->siguiente) {
        DHSESI& s = n->dato;
        s.grupoMateria[0] = '\0';
        // A record is named unless it is a companion of a record before it: the walk back over
        // companions ends at the record itself only for a record of its own (or for a companion
        // at the head of the list, which has nothing to walk back to).
        const bool nombrada = !EsAcompanante(s) || n->anterior == nullptr;
        if (nombrada) NombrarGrupoMateria(s, n->siguiente, usados);
        if (s.tipoGrupoMateria == 0) s.tipoGrupoMateria = 'N';
    }
}
