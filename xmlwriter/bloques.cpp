// Blocks of sessions (simultaneous and consecutive) and blocks of optional subjects. They are
// written for every session of the model, whatever period is exported.
#include <algorithm>
#include <vector>

#include "model/palabras.h"
#include "xmlwriter/exportador.h"

namespace {

using NodoSesion = MCList<DHSESI>::Nodo;

const char* PalabraOrden(int codigo) {
    switch (codigo) {
    case 0:
        return PALABRA_DESORDENADAS;
    case 1:
    case 2:
    case 3:
        return PALABRA_SEGUIDAS;
    case 4:
        return PALABRA_SEPARADAS;
    default:
        return PALABRA_FALSO;
    }
}

} // namespace

void CExportadorXML::EscribirSimultaneas() {
    for (const auto* m = m_pDatos->sesiones.Cabeza(); m != nullptr; m = m->siguiente) {
        if (m->dato.tipo != SESION_PRINCIPAL) continue;
        for (const auto* n = m->siguiente; n != nullptr && n->dato.tipo != SESION_PRINCIPAL;
             n = n->siguiente) {
            if (EsSimultanea(n->dato)) {
                EscribirBloqueSimultaneas(m, PosicionSesion(m), m->siguiente);
                break;
            }
        }
    }
}

void CExportadorXML::EscribirBloqueSimultaneas(const NodoSesion* principal, int id,
                                               const NodoSesion* siguiente) {
    const DHSESI& m = principal->dato;
    const DHGRUP* grupo = m_pDatos->Registro(m_pDatos->grupos, m.grupo);
    const int f = grupo != nullptr ? MarcoValido(grupo->submarco) : 0;
    Escribir("\t\t\t<bloqueDeSesiones id=\"%d\" submarco=\"%c\">\n", id,
             static_cast<char>('A' + f));
    Escribir("\t\t\t\t<sesiones>\n");
    Escribir("\t\t\t\t<sesion>%d</sesion>\n", id);
    for (const auto* n = siguiente; n != nullptr && n->dato.tipo != SESION_PRINCIPAL;
         n = n->siguiente)
        if (EsSimultanea(n->dato)) Escribir("\t\t\t\t<sesion>%d</sesion>\n", PosicionSesion(n));
    Escribir("\t\t\t\t</sesiones>\n");
    Escribir("\t\t\t\t<plantilla>\n");
    EscribirPlantilla(m.plantilla, f, MAPA_DISPONIBLE, false);
    Escribir("\t\t\t\t</plantilla>\n");
    Escribir("\t\t\t</bloqueDeSesiones>\n");
}

void CExportadorXML::EscribirConsecutivas() {
    for (const auto* x = m_pDatos->sesiones.Cabeza(); x != nullptr; x = x->siguiente) {
        if (x->dato.tipo != SESION_PRINCIPAL) continue;
        const int id = BuscarBloqueConsecutivas(x);
        // Each block is written once, by its member with the lowest position.
        if (id != -1 && id == PosicionSesion(x)) EscribirBloqueConsecutivas(x, id);
    }
}

void CExportadorXML::EscribirBloqueConsecutivas(const NodoSesion* x, int id) {
    const CDatos& d = *m_pDatos;
    const auto* p1 = d.Resolver(d.sesiones, x->dato.consecutivaPrimera);
    const auto* p2 = d.Resolver(d.sesiones, x->dato.consecutivaSegunda);
    const int posX = PosicionSesion(x);
    const int pos1 = PosicionSesion(p1);
    const int pos2 = PosicionSesion(p2);
    if (pos1 < 0) return; // no block without a first partner
    const int codigoX = x->dato.codigoConsecutivas;
    const int codigo1 = p1->dato.codigoConsecutivas;

    // A block in sequence comes out from its first member (the highest order code) on.
    std::vector<int> orden;
    if (pos2 < 0)
        orden = codigoX == 1 ? std::vector{pos1, posX} : std::vector{posX, pos1};
    else if (codigoX == 1)
        orden = codigo1 == 2 ? std::vector{pos2, pos1, posX} : std::vector{pos1, pos2, posX};
    else if (codigoX == 3)
        orden = codigo1 == 2 ? std::vector{posX, pos1, pos2} : std::vector{posX, pos2, pos1};
    else
        orden = codigo1 == 3 ? std::vector{pos1, posX, pos2} : std::vector{pos2, posX, pos1};

    Escribir("\t\t\t<bloqueDeSesiones id=\"%d\">\n", id);
    Escribir("\t\t\t\t<sesiones>\n");
    for (const int posicion : orden)
        Escribir("\t\t\t\t\t<sesion>%d</sesion>\n", posicion);
    Escribir("\t\t\t\t</sesiones>\n");
    Escribir("\t\t\t\t<conOrden>%s</conOrden>\n", PalabraOrden(codigoX));
    Escribir("\t\t\t</bloqueDeSesiones>\n");
}

void CExportadorXML::EscribirOptativas() {
    if (m_pDatos->optativas.Vacia()) return;
    Escribir("\t<optativas>\n");
    for (const DHOPTATIVAS* o : OrdenadosPorNombre(m_pDatos->optativas, false))
        EscribirOptativa(*o);
    Escribir("\t</optativas>\n");
}

void CExportadorXML::EscribirOptativa(const DHOPTATIVAS& bloque) {
    if (bloque.nombre[0] == '\0') return;
    const CDatos& d = *m_pDatos;
    Escribir("\t\t<optativa>\n");
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(bloque.nombre).c_str());
    // A block whose group does not resolve still gets its grupo element, with no text.
    const DHGRUP* grupo = d.Registro(d.grupos, bloque.grupo);
    Escribir("\t\t\t<grupo>%s</grupo>\n",
             grupo != nullptr ? EscaparXML(grupo->nombre).c_str() : "");
    Escribir("\t\t\t<maxSolapadas>%d</maxSolapadas>\n", bloque.maxSolapadas);
    Escribir("\t\t\t<asignaturasOptativas>\n");
    const int n = std::clamp<int>(bloque.numSesiones, 0, DHOPTATIVAS::MAX_SESIONES);
    for (int i = 0; i < n; ++i) {
        const auto* s = d.Resolver(d.sesiones, bloque.sesiones[i]);
        const int posicion = PosicionSesion(s);
        if (posicion < 0 || s->dato.tipo != SESION_PRINCIPAL) continue;
        // Every record of the session, companions of any kind included, is of the block's group.
        bool mismoGrupo = s->dato.grupo == bloque.grupo;
        for (const auto* c = s->siguiente;
             mismoGrupo && c != nullptr && c->dato.tipo != SESION_PRINCIPAL; c = c->siguiente)
            mismoGrupo = c->dato.grupo == bloque.grupo;
        if (mismoGrupo)
            Escribir("\t\t\t\t<asignaturaOptativa solapable=\"%s\">%d</asignaturaOptativa>\n",
                     Booleano(bloque.solapable[i] != 0), posicion);
    }
    Escribir("\t\t\t</asignaturasOptativas>\n");
    Escribir("\t\t</optativa>\n");
}
