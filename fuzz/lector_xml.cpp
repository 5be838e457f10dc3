// Fuzz target of the exchange document reader: any bytes, read as a document into a model set
// up as the load flow sets it up. The frame configuration must keep its bounds whatever the
// document says, and the sessions their shape: chains that start with a main record,
// relations that are symmetric and never link a session to itself, block members in range; and
// the placements in rows of their own kind.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "model/datos.h"
#include "platform/avisos.h"
#include "platform/sax.h"
#include "xmlreader/contenido.h"

namespace {

void Comprobar(bool condicion) {
    if (!condicion) std::abort();
}

using Nodo = MCList<DHSESI>::Nodo;

// Each entry of one relation array of `s` names another record that lists `s` back, once.
template <std::size_t N>
void Simetrica(const CDatos& d, const Nodo* s, const Ref (&refs)[N], int cuenta,
               const Ref (RelacionesSesion::*otra)[N], std::uint8_t RelacionesSesion::*cuentaOtra) {
    Comprobar(cuenta <= static_cast<int>(N));
    const Ref propia = d.Referencia<DHSESI>(s);
    for (int i = 0; i < cuenta; ++i) {
        const Nodo* p = d.Resolver(d.sesiones, refs[i]);
        Comprobar(p != nullptr && p != s);
        for (int j = i + 1; j < cuenta; ++j)
            Comprobar(refs[j] != refs[i]);
        const RelacionesSesion& r = p->dato.relaciones;
        int vuelta = 0;
        const int m = std::min<int>(r.*cuentaOtra, static_cast<int>(N));
        for (int j = 0; j < m; ++j)
            vuelta += (r.*otra)[j] == propia ? 1 : 0;
        Comprobar(vuelta == 1);
    }
}

void ComprobarSesiones(const CDatos& d) {
    const int n = d.sesiones.Cuenta();
    Comprobar(n == 0 || d.sesiones.Cabeza()->dato.tipo == SESION_PRINCIPAL);
    for (const Nodo* s = d.sesiones.Cabeza(); s != nullptr; s = s->siguiente) {
        const DHSESI& x = s->dato;
        const RelacionesSesion& r = x.relaciones;
        using R = RelacionesSesion;
        Simetrica(d, s, r.enDistintoDia, r.numEnDistintoDia, &R::enDistintoDia,
                  &R::numEnDistintoDia);
        Simetrica(d, s, r.noConsecutivas, r.numNoConsecutivas, &R::noConsecutivas,
                  &R::numNoConsecutivas);
        Simetrica(d, s, r.noCoincidentes, r.numNoCoincidentes, &R::noCoincidentes,
                  &R::numNoCoincidentes);
        Simetrica(d, s, r.previoPosterior, r.numPrevioPosterior, &R::previoPosterior,
                  &R::numPrevioPosterior);
        Simetrica(d, s, r.separacion, r.numSeparacion, &R::separacion, &R::numSeparacion);
        Simetrica(d, s, r.profesoresIntercambiables, r.numIntercambiables,
                  &R::profesoresIntercambiables, &R::numIntercambiables);
        // Consecutive partners: 1-based positions of other records, 0 for none.
        const Ref propia = d.Referencia<DHSESI>(s) + 1;
        for (Ref p : {x.consecutivaPrimera, x.consecutivaSegunda})
            Comprobar(p <= static_cast<Ref>(n) && p != propia);
    }
    for (const DHOPTATIVAS& o : d.optativas) {
        Comprobar(o.numSesiones >= 1 && o.numSesiones <= DHOPTATIVAS::MAX_SESIONES);
        for (int i = 0; i < o.numSesiones; ++i) {
            const Nodo* s = d.Resolver(d.sesiones, o.sesiones[i]);
            Comprobar(s != nullptr && s->dato.tipo == SESION_PRINCIPAL);
        }
    }
    for (Ref g : d.gruposAlejados)
        Comprobar(d.Resolver(d.grupos, g) != nullptr);
}

// Every placed cell refers to an entry of its grid's frame, in a row of the entry's own kind:
// a session in a room row (before every activity's rows), a duty in its 20 rows, a meeting or
// a complementary activity in its own row. Recess cells hold at most 20 pairs.
void ComprobarColocaciones(const CDatos& d) {
    constexpr std::size_t kCeldasFila = std::size_t{NUM_DIAS} * NUM_INTERVALOS;
    const TablaColocacion& t = d.colocacion;
    int primeraFilaActividad = t.Filas();
    for (const ENTRADACOLOCACION& e : t.Entradas())
        if (e.tipo != ACTIVIDAD_SESION)
            primeraFilaActividad = std::min<int>(primeraFilaActividad, e.fila);
    for (int p = 0; p < NUM_PERIODOS; ++p)
        for (int f = 0; f < NUM_MARCOS; ++f) {
            const std::vector<std::uint32_t>& rejilla = t.Rejilla(p, f);
            if (rejilla.empty()) continue;
            Comprobar(p < d.marcos.numPeriodos && f < d.marcos.numMarcos);
            Comprobar(rejilla.size() == static_cast<std::size_t>(t.Filas()) * kCeldasFila);
            for (std::size_t c = 0; c < rejilla.size(); ++c) {
                if (rejilla[c] == 0) continue;
                Comprobar(rejilla[c] <= t.Entradas().size());
                const ENTRADACOLOCACION& e = t.Entradas()[rejilla[c] - 1];
                const int fila = static_cast<int>(c / kCeldasFila);
                Comprobar(e.marco == f);
                if (e.tipo == ACTIVIDAD_SESION)
                    Comprobar(fila < primeraFilaActividad);
                else if (e.tipo == ACTIVIDAD_GUARDIA)
                    Comprobar(fila >= e.fila && fila < e.fila + FILAS_POR_GUARDIA);
                else
                    Comprobar(fila == e.fila);
            }
        }
    for (const CeldaGuardiasRecreo& c : t.CeldasGuardias())
        Comprobar(c.cuenta >= 0 && c.cuenta <= MAX_GUARDIAS_CELDA);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    plataforma::AvisosGrabados avisos;
    plataforma::AvisosInstalados instalados(avisos);

    auto d = std::make_unique<CDatos>(1);
    d->ReiniciarCabecera();
    d->IniciarMarcos();
    d->AnadirRegistrosPorDefecto();
    d->marcos.perfil = 0;
    {
        MyContentInterno2 manejador(d.get());
        std::unique_ptr<plataforma::LectorSax> lector;
        if (plataforma::CrearLectorSax(lector) != 0) return 0;
        lector->putContentHandler(&manejador);
        lector->AnalizarMemoria(datos, tamano);
    }

    const DHMARCOS& m = d->marcos;
    Comprobar(m.numPeriodos >= 1 && m.numPeriodos <= NUM_PERIODOS);
    Comprobar(m.numMarcos >= 1 && m.numMarcos <= NUM_MARCOS);
    Comprobar(d->marcosHorario->DiasSemana() == 5 || d->marcosHorario->DiasSemana() == 6);
    Comprobar(m.numAulasGeneral <= MAX_AULAS_GENERAL);
    for (const auto& marco : m.bloques)
        for (const BloqueMarcoDia& b : marco) {
            Comprobar(b.numLectivos <= NUM_INTERVALOS);
            Comprobar(b.numRecreos <= MAX_RECREOS);
            Comprobar(b.posMediodia < NUM_INTERVALOS);
            for (int k = 0; k < b.numRecreos; ++k)
                Comprobar(b.posRecreos[k] >= 1 && b.posRecreos[k] < NUM_INTERVALOS);
        }
    if (d->tablaMarcos)
        for (int i = 0; i < TAMANO_TABLA_MARCOS; ++i) {
            const std::int32_t v = d->tablaMarcos[i];
            Comprobar(v == -1 || (v >= 0 && v < NUM_INTERVALOS) ||
                      (v >= 70 && v < 70 + MAX_RECREOS));
        }
    ComprobarSesiones(*d);
    ComprobarColocaciones(*d);
    return 0;
}
