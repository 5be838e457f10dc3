// Relations between sessions: the ids each session names (collected from its texts), resolved
// at the end of the relation lists into links on both sessions of each pair; consecutive blocks;
// and simultaneous blocks, which fold sessions into the chain of the block's first session.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "model/palabras.h"
#include "xmlreader/vocabulario.h"

namespace {

using Nodo = MCList<DHSESI>::Nodo;

} // namespace

// ---- The ids a session names ------------------------------------------------------------------

namespace {

void Anadir(int* lista, int& cuenta, int capacidad, int v) {
    if (cuenta >= 0 && cuenta < capacidad) lista[cuenta++] = v;
}

} // namespace

bool MyContentInterno2::ConvertirRelacion(Destino destino, const char16_t* t, int n) {
    RELACIONESDESESIONES& s = relacion_;
    switch (destino) {
    case Destino::EnDiasSeguidos: {
        // An unknown word is the first one, "preferentemente".
        const int k =
            IndiceDePalabra({t, static_cast<std::size_t>(n > 0 ? n : 0)}, PALABRAS_DIAS_SEGUIDOS);
        registro_->enDiasSeguidos = k > 0 ? k : 0;
        return true;
    }
    case Destino::ConOrden:
        Texto(consecutiva_.conOrden, 50, t, n);
        return true;
    case Destino::Intercambiable:
    case Destino::EnDistintoDia:
    case Destino::NoConsecutiva:
    case Destino::NoCoincidente:
    case Destino::PrevioA:
    case Destino::PosteriorA:
    case Destino::SeparacionMasSesion:
    case Destino::SeparacionMenosSesion:
    case Destino::SeparacionMasDias:
    case Destino::SeparacionMenosDias:
    case Destino::SesionConsecutiva:
        break;
    default:
        return false;
    }
    int v = 0;
    if (!Numero(30, t, n, v)) return true;
    switch (destino) {
    case Destino::Intercambiable:
        Anadir(s.profesoresIntercambiables, s.numIntercambiables,
               RelacionesSesion::MAX_INTERCAMBIABLES, v);
        break;
    case Destino::EnDistintoDia:
        Anadir(s.enDistintoDia, s.numEnDistintoDia, RelacionesSesion::MAX_EN_DISTINTO_DIA, v);
        break;
    case Destino::NoConsecutiva:
        Anadir(s.noConsecutivas, s.numNoConsecutivas, RelacionesSesion::MAX_NO_CONSECUTIVAS, v);
        break;
    case Destino::NoCoincidente:
        Anadir(s.noCoincidentes, s.numNoCoincidentes, RelacionesSesion::MAX_NO_COINCIDENTES, v);
        break;
    case Destino::PrevioA:
        Anadir(s.previoA, s.numPrevioA, RelacionesSesion::MAX_PREVIO_POSTERIOR, v);
        break;
    case Destino::PosteriorA:
        Anadir(s.posteriorA, s.numPosteriorA, RelacionesSesion::MAX_PREVIO_POSTERIOR, v);
        break;
    // A separation's session and days go to the separation being read; it advances at the
    // separation's end.
    case Destino::SeparacionMasSesion:
        if (s.numSeparadosNDiasOMas < RelacionesSesion::MAX_SEPARACION)
            s.separadosNDiasOMas[s.numSeparadosNDiasOMas] = v;
        break;
    case Destino::SeparacionMasDias:
        if (s.numSeparadosNDiasOMas < RelacionesSesion::MAX_SEPARACION)
            s.diasSeparadosNDiasOMas[s.numSeparadosNDiasOMas] = v;
        break;
    case Destino::SeparacionMenosSesion:
        if (s.numSeparadosNDiasOMenos < RelacionesSesion::MAX_SEPARACION)
            s.separadosNDiasOMenos[s.numSeparadosNDiasOMenos] = v;
        break;
    case Destino::SeparacionMenosDias:
        if (s.numSeparadosNDiasOMenos < RelacionesSesion::MAX_SEPARACION)
            s.diasSeparadosNDiasOMenos[s.numSeparadosNDiasOMenos] = v;
        break;
    case Destino::SesionConsecutiva:
        Anadir(consecutiva_.sesiones, consecutiva_.numSesiones, 3, v);
        break;
    default:
        break;
    }
    return true;
}

// ---- Relations, consecutive and simultaneous blocks -------------------------------------------

void MyContentInterno2::ResolverRelacionesSesion(CDatos* datos, RELACIONESDESESIONES* rel) {
    CDatos& d = *datos;
    sesionesReferidas_ = 1;
    if (Nodo* propia = BuscarSesionPorId(datos, rel->sesion)) {
        auto cada = [&](const int* ids, int cuenta, int capacidad, auto&& enlazar) {
            const int n = Acotar(cuenta, capacidad);
            for (int i = 0; i < n; ++i)
                if (Nodo* otra = BuscarSesionPorId(datos, ids[i])) enlazar(otra, i);
        };
        cada(rel->enDistintoDia, rel->numEnDistintoDia, RelacionesSesion::MAX_EN_DISTINTO_DIA,
             [&](Nodo* otra, int) { d.RelacionarEnDistintoDia(propia, otra); });
        cada(rel->noConsecutivas, rel->numNoConsecutivas, RelacionesSesion::MAX_NO_CONSECUTIVAS,
             [&](Nodo* otra, int) { d.RelacionarNoConsecutivas(propia, otra); });
        cada(rel->noCoincidentes, rel->numNoCoincidentes, RelacionesSesion::MAX_NO_COINCIDENTES,
             [&](Nodo* otra, int) { d.RelacionarNoCoincidentes(propia, otra); });
        cada(rel->posteriorA, rel->numPosteriorA, RelacionesSesion::MAX_PREVIO_POSTERIOR,
             [&](Nodo* otra, int) { d.RelacionarPrevioPosterior(propia, otra); });
        cada(rel->previoA, rel->numPrevioA, RelacionesSesion::MAX_PREVIO_POSTERIOR,
             [&](Nodo* otra, int) { d.RelacionarPrevioPosterior(otra, propia); });
        cada(rel->separadosNDiasOMas, rel->numSeparadosNDiasOMas, RelacionesSesion::MAX_SEPARACION,
             [&](Nodo* otra, int i) {
                 d.RelacionarSeparacion(otra, propia, 0, rel->diasSeparadosNDiasOMas[i]);
             });
        cada(rel->separadosNDiasOMenos, rel->numSeparadosNDiasOMenos,
             RelacionesSesion::MAX_SEPARACION, [&](Nodo* otra, int i) {
                 d.RelacionarSeparacion(otra, propia, 1, rel->diasSeparadosNDiasOMenos[i]);
             });
    }
    // Interchangeable teachers link the sessions themselves, simultaneous ones
    // included.
    // The session a document id names for itself: its main record, or its simultaneous record
    // when it was folded into a block.
    if (Nodo* propia = d.SesionPropiaPorId(rel->sesion)) {
        const int n = Acotar(rel->numIntercambiables, RelacionesSesion::MAX_INTERCAMBIABLES);
        for (int i = 0; i < n; ++i)
            d.RelacionarIntercambiables(propia,
                                        d.SesionPropiaPorId(rel->profesoresIntercambiables[i]));
    }
}

void MyContentInterno2::ResolverConsecutivas(CDatos* datos, RELACIONESCONSECUTIVAS* bloque) {
    CDatos& d = *datos;
    sesionesReferidas_ = 1;
    const int n = bloque->numSesiones;
    if (n != 2 && n != 3) return;
    Nodo* s[3] = {};
    for (int i = 0; i < n; ++i)
        if ((s[i] = BuscarSesionPorId(datos, bloque->sesiones[i])) == nullptr) return;
    // A block that names one session twice (or a session and one of its
    // simultaneous ones) would make a session its own partner: it is left out.
    if (s[0] == s[1] || (n == 3 && (s[2] == s[0] || s[2] == s[1]))) return;

    const char* orden = bloque->conOrden;
    const int seguidas[3] = {3, n == 3 ? 2 : 1, 1};
    for (int i = 0; i < n; ++i) {
        std::int32_t& codigo = s[i]->dato.codigoConsecutivas;
        if (std::strncmp(orden, PALABRA_DESORDENADAS, 50) == 0)
            codigo = 0;
        else if (std::strncmp(orden, PALABRA_SEGUIDAS, 50) == 0)
            codigo = seguidas[i];
        else if (std::strncmp(orden, PALABRA_SEPARADAS, 50) == 0)
            codigo = 4;
    }
    // Partners are 1-based positions: each member lists the others in block
    // order.
    auto posicion = [&](Nodo* x) { return d.Referencia<DHSESI>(x) + 1; };
    for (int i = 0; i < n; ++i) {
        Nodo* otras[2] = {};
        int k = 0;
        for (int j = 0; j < n; ++j)
            if (j != i) otras[k++] = s[j];
        s[i]->dato.consecutivaPrimera = posicion(otras[0]);
        if (n == 3) s[i]->dato.consecutivaSegunda = posicion(otras[1]);
    }
}

void MyContentInterno2::AnadirSimultaneas(CDatos* datos, int numero, const int ids[]) {
    CDatos& d = *datos;
    // Positions already stored (relations, blocks, placements) would go stale if
    // sessions moved now.
    if (sesionesReferidas_ != 0 || !d.colocacion.Entradas().empty()) return;
    if (numero < 2) return;
    auto principal = [&](int id) { return d.SesionPrincipalPorId(id); };
    auto finCadena = [](Nodo* n) {
        while (n->siguiente != nullptr && n->siguiente->dato.tipo != SESION_PRINCIPAL)
            n = n->siguiente;
        return n;
    };
    Nodo* m = principal(ids[0]);
    if (m == nullptr) return;
    Nodo* fin = finCadena(m);

    MapaDisponibilidad disponible;
    std::memset(&disponible, MAPA_DISPONIBLE, sizeof disponible);
    MapaEmpaquetado plantillaDisponible;
    EmpaquetarMapa(plantillaDisponible, disponible);

    for (int i = 1; i < numero; ++i) {
        Nodo* s = principal(ids[i]);
        // The block's first session (named again, or through a repeated id) stays
        // its main.
        if (s == nullptr || s == m) continue;
        d.EnlazarSimultaneas(s);
        DHSESI& x = s->dato;
        for (auto& mapa : x.plantilla)
            mapa = plantillaDisponible;
        const std::uint8_t intercambiables = x.relaciones.numIntercambiables;
        Ref parejas[RelacionesSesion::MAX_INTERCAMBIABLES];
        std::memcpy(parejas, x.relaciones.profesoresIntercambiables, sizeof parejas);
        x.relaciones = RelacionesSesion{};
        x.relaciones.numIntercambiables = intercambiables;
        std::memcpy(x.relaciones.profesoresIntercambiables, parejas, sizeof parejas);
        x.numDistribucionesAlternativas = 0;
        x.codigoConsecutivas = 0;
        x.consecutivaPrimera = 0;
        x.consecutivaSegunda = 0;
        d.ConvertirEnSimultanea(s);

        // The session and its old chain move, in order, behind the block's chain.
        Nodo* siguiente = nullptr;
        for (Nodo* n = s; n != nullptr; n = siguiente) {
            siguiente = n->siguiente;
            if (n != s && n->dato.tipo == SESION_PRINCIPAL) break;
            d.MoverRegistroSesion(n, fin->siguiente);
            fin = n;
            n->dato.tipoDistribucion = m->dato.tipoDistribucion;
            n->dato.numMaximoDeSesiones = m->dato.numMaximoDeSesiones;
            n->dato.opcionesDistribucionVariable = m->dato.opcionesDistribucionVariable;
            std::memcpy(n->dato.distribucion, m->dato.distribucion, sizeof n->dato.distribucion);
        }
    }
}
