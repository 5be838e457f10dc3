// Teacher workload estimate for documents that do not carry the computed daily hours: the
// weekly busy intervals of each teacher in the first period, the days on which the teacher can
// work, and from them the daily maximum.
#include <algorithm>
#include <cstring>
#include <vector>

#include "model/datos.h"
#include "model/filtros.h"

namespace {

int NumeroMarcos(const DHMARCOS& m) {
    return std::clamp<int>(m.numMarcos, 1, NUM_MARCOS);
}

// Whether a record counts: only work of the first period (or of a model with one period), and
// only in frame `marco` unless that is -1.
bool PasaFiltros(const DHMARCOS& m, const std::uint8_t (&periodos)[NUM_PERIODOS], int marcoRegistro,
                 int marco) {
    if (m.numPeriodos >= 2 && !EnPeriodo(periodos, 0)) return false;
    return marco == -1 || marcoRegistro == marco;
}

template <std::size_t N> bool EsIntegrante(const Ref (&integrantes)[N], int cuenta, Ref t) {
    const int n = std::clamp(cuenta, 0, static_cast<int>(N));
    for (int i = 0; i < n; ++i)
        if (integrantes[i] == t) return true;
    return false;
}

// The weekly length of a distribution: quarter hours in exact-times mode, else intervals.
int DuracionSemanal(const char (&distribucion)[8], bool exacto) {
    int total = 0;
    const std::size_t n = strnlen(distribucion, sizeof distribucion);
    for (std::size_t i = 0; i < n; ++i)
        total += exacto ? CuartosDeHora(distribucion[i]) : IntervalosDeDuracion(distribucion[i]);
    return total;
}

// The frame of a session's group. In mode 1 the groups' frames are gathered once by index, so
// that a session's group is not looked up by walking the list.
class MarcoDeSesion {
public:
    MarcoDeSesion(const CDatos& datos, int numMarcos) : datos_(datos), numMarcos_(numMarcos) {
        if (datos.modo == 0) return;
        marcosGrupo_.reserve(static_cast<std::size_t>(datos.grupos.Cuenta()));
        for (const DHGRUP& g : datos.grupos)
            marcosGrupo_.push_back(g.submarco);
    }
    int operator()(const DHSESI& s) const {
        std::int8_t subMarco = 0;
        if (datos_.modo != 0) {
            if (s.grupo < marcosGrupo_.size()) subMarco = marcosGrupo_[s.grupo];
        } else if (const DHGRUP* g = datos_.Registro(datos_.grupos, s.grupo)) {
            subMarco = g->submarco;
        }
        return MarcoDeRegistro(subMarco, numMarcos_);
    }

private:
    const CDatos& datos_;
    int numMarcos_;
    std::vector<std::int8_t> marcosGrupo_;
};

// ceiling(w / 4) for either sign.
int CuartosAIntervalos(int w) {
    return w >= 0 ? (w + 3) / 4 : -(-w / 4);
}

} // namespace

int CDatos::ContarTramosSesiones(const MCList<DHPROF>::Nodo* profesor, int marco) const {
    const Ref t = Referencia<DHPROF>(profesor);
    const int numMarcos = NumeroMarcos(marcos);
    const bool exacto = marcos.tiemposExactos != 0;

    const MarcoDeSesion marcoDeSesion(*this, numMarcos);

    int total = 0;
    const MCList<DHSESI>::Nodo* r = sesiones.Cabeza();
    while (r != nullptr) {
        const DHSESI& s = r->dato;
        if (!PasaFiltros(marcos, s.periodos, marcoDeSesion(s), marco)) {
            r = r->siguiente;
            continue;
        }
        // The chain of r: r and the records after it up to the next main record. It counts
        // once, with r's distribution, when any of its records is the teacher's.
        bool imparte = false;
        const MCList<DHSESI>::Nodo* e = r;
        do {
            imparte = imparte || e->dato.profesor == t;
            e = e->siguiente;
        } while (e != nullptr && e->dato.tipo != SESION_PRINCIPAL);
        if (imparte) total += DuracionSemanal(s.distribucion, exacto);
        r = e;
    }
    return total;
}

int CDatos::ContarTramosReuniones(const MCList<DHPROF>::Nodo* profesor, int marco) const {
    const Ref t = Referencia<DHPROF>(profesor);
    const int numMarcos = NumeroMarcos(marcos);
    int total = 0;
    for (const DHREUN& r : reuniones) {
        if (!PasaFiltros(marcos, r.periodos, MarcoDeRegistro(r.subMarco, numMarcos), marco))
            continue;
        if (r.lectiva == 0 || !EsIntegrante(r.integrantes, r.numIntegrantes, t)) continue;
        // Above 128 the byte holds 128 + the number of double-length meetings.
        const int n = r.numeroDeReuniones;
        total += n > 128 ? 2 * (n - 128) : n;
    }
    return total;
}

int CDatos::ContarTramosComplementarias(const MCList<DHPROF>::Nodo* profesor, int marco) const {
    const Ref t = Referencia<DHPROF>(profesor);
    const int numMarcos = NumeroMarcos(marcos);
    int total = 0;
    for (const DHCOMP& c : complementarias) {
        if (!PasaFiltros(marcos, c.periodos, MarcoDeRegistro(c.subMarco, numMarcos), marco))
            continue;
        if (c.profesor == t && c.lectiva != 0) total += c.intervalosSemanales;
    }
    return total;
}

int CDatos::ContarTramosGuardias(const MCList<DHPROF>::Nodo* profesor, int marco,
                                 bool enRecreos) const {
    const Ref t = Referencia<DHPROF>(profesor);
    const int numMarcos = NumeroMarcos(marcos);
    int total = 0;
    for (const DHGUAR& g : guardias) {
        if (!PasaFiltros(marcos, g.periodos, MarcoDeRegistro(g.subMarco, numMarcos), marco))
            continue;
        if (g.enRecreos != (enRecreos ? 1 : 0) || g.lectiva == 0) continue;
        // A teacher listed twice counts with the first listing.
        const int n = std::min<int>(g.numIntegrantes, DHGUAR::MAX_INTEGRANTES);
        for (int i = 0; i < n; ++i) {
            if (g.integrantes[i] != t) continue;
            total += g.numeroDeGuardias[i];
            break;
        }
    }
    return total;
}

int CDatos::ContarDiasDisponibles(int dias, int umbral, const DHPROF& profesor,
                                  const int porMarco[NUM_MARCOS]) const {
    if (dias < 1) return 0;
    dias = std::min(dias, NUM_DIAS);
    MapaDisponibilidad mapaProfesor[NUM_MARCOS];
    MapaDisponibilidad mapaMarco[NUM_MARCOS];
    for (int f = 0; f < NUM_MARCOS; ++f) {
        if (porMarco[f] <= 0) continue;
        DesempaquetarMapa(profesor.plantilla[0][f], mapaProfesor[f]);
        DesempaquetarMapa(marcos.mapasMarco[0][f], mapaMarco[f]);
    }
    int noDisponibles = 0;
    for (int d = 0; d < dias; ++d) {
        int libres = 0;
        for (int f = 0; f < NUM_MARCOS; ++f) {
            if (porMarco[f] <= 0) continue;
            const int lectivos =
                std::min<int>(marcosHorario->Bloque(f, d).numLectivos, NUM_INTERVALOS);
            for (int i = 0; i < lectivos; ++i)
                if (mapaProfesor[f].celdas[d][i] != 0 && mapaMarco[f].celdas[d][i] != 0) ++libres;
        }
        if (libres == 0 || libres < umbral) ++noDisponibles;
    }
    return noDisponibles;
}

namespace {

// Adds `valor` to teacher `t` once per call of `Una`: the teachers already counted for the
// record at hand are remembered in `vistos`.
struct Contador {
    CDatos::CargasProfesores& cargas;
    std::size_t indice;
    std::vector<Ref> vistos;
    void Empezar() { vistos.clear(); }
    void Una(Ref t, int valor) {
        if (std::find(vistos.begin(), vistos.end(), t) != vistos.end()) return;
        vistos.push_back(t);
        cargas[t][indice] += valor;
    }
};

} // namespace

CDatos::CargasProfesores CDatos::ContarCargasProfesores() const {
    CargasProfesores cargas;
    const int numMarcos = NumeroMarcos(marcos);
    const bool exacto = marcos.tiemposExactos != 0;
    // Sessions count in their own unit; the other work in whole intervals, turned into quarter
    // hours in exact-times mode.
    const int escala = exacto ? 4 : 1;
    const MarcoDeSesion marcoDeSesion(*this, numMarcos);

    // The same walks as the Contar* counts, once for all frames and once per frame.
    for (int marco = -1; marco < (numMarcos > 1 ? numMarcos : 0); ++marco) {
        Contador c{cargas, static_cast<std::size_t>(marco + 1), {}};
        const MCList<DHSESI>::Nodo* r = sesiones.Cabeza();
        while (r != nullptr) {
            const DHSESI& s = r->dato;
            if (!PasaFiltros(marcos, s.periodos, marcoDeSesion(s), marco)) {
                r = r->siguiente;
                continue;
            }
            // Each teacher of the chain counts the chain once.
            const int duracion = DuracionSemanal(s.distribucion, exacto);
            c.Empezar();
            const MCList<DHSESI>::Nodo* e = r;
            do {
                c.Una(e->dato.profesor, duracion);
                e = e->siguiente;
            } while (e != nullptr && e->dato.tipo != SESION_PRINCIPAL);
            r = e;
        }
        for (const DHREUN& m : reuniones) {
            if (!PasaFiltros(marcos, m.periodos, MarcoDeRegistro(m.subMarco, numMarcos), marco))
                continue;
            if (m.lectiva == 0) continue;
            const int n = m.numeroDeReuniones;
            const int valor = (n > 128 ? 2 * (n - 128) : n) * escala;
            c.Empezar();
            const int k =
                std::clamp<int>(m.numIntegrantes, 0, static_cast<int>(std::size(m.integrantes)));
            for (int i = 0; i < k; ++i)
                c.Una(m.integrantes[i], valor);
        }
        for (const DHCOMP& a : complementarias) {
            if (!PasaFiltros(marcos, a.periodos, MarcoDeRegistro(a.subMarco, numMarcos), marco))
                continue;
            if (a.lectiva == 0) continue;
            c.Empezar();
            c.Una(a.profesor, a.intervalosSemanales * escala);
        }
        for (const DHGUAR& g : guardias) {
            if (!PasaFiltros(marcos, g.periodos, MarcoDeRegistro(g.subMarco, numMarcos), marco))
                continue;
            if ((g.enRecreos != 0 && g.enRecreos != 1) || g.lectiva == 0) continue;
            // A teacher listed twice counts with the first listing.
            c.Empezar();
            const int n = std::min<int>(g.numIntegrantes, DHGUAR::MAX_INTEGRANTES);
            for (int i = 0; i < n; ++i)
                c.Una(g.integrantes[i], g.numeroDeGuardias[i] * escala);
        }
    }
    return cargas;
}

int CDatos::CalcularPermanenciaProfesor(const DHPROF& profesor, const MCList<DHPROF>::Nodo* nodo,
                                        int& minimo, int& maximo, int& dias, int tipoDePeriodo,
                                        int cantidadDeDias) const {
    const bool exacto = marcos.tiemposExactos != 0;
    // Sessions count in their own unit; the other work in whole intervals, turned into quarter
    // hours in exact-times mode.
    auto carga = [&](int marco) {
        const int otras =
            ContarTramosGuardias(nodo, marco, true) + ContarTramosGuardias(nodo, marco, false) +
            ContarTramosReuniones(nodo, marco) + ContarTramosComplementarias(nodo, marco);
        return ContarTramosSesiones(nodo, marco) + (exacto ? 4 * otras : otras);
    };
    std::array<int, NUM_MARCOS + 1> cargas{};
    cargas[0] = carga(-1);
    if (NumeroMarcos(marcos) > 1)
        for (int f = 0; f < NumeroMarcos(marcos); ++f)
            cargas[static_cast<std::size_t>(f) + 1] = carga(f);
    return EstimarPermanencia(profesor, cargas, minimo, maximo, dias, tipoDePeriodo,
                              cantidadDeDias);
}

int CDatos::EstimarPermanencia(const DHPROF& profesor,
                               const std::array<int, NUM_MARCOS + 1>& cargas, int& minimo,
                               int& maximo, int& dias, int tipoDePeriodo,
                               int cantidadDeDias) const {
    const bool exacto = marcos.tiemposExactos != 0;
    auto carga = [&](int marco) { return cargas[static_cast<std::size_t>(marco + 1)]; };

    int semanal = carga(-1);
    int porMarco[NUM_MARCOS] = {};
    const int numMarcos = NumeroMarcos(marcos);
    if (numMarcos > 1) {
        for (int f = 0; f < numMarcos; ++f)
            porMarco[f] = carga(f);
    } else {
        porMarco[0] = 1;
    }
    if (exacto) semanal = CuartosAIntervalos(semanal);

    const int diasSemana = marcosHorario->DiasSemana();
    int noDisponibles =
        ContarDiasDisponibles(diasSemana, semanal / diasSemana - 2, profesor, porMarco);
    if (tipoDePeriodo == 0) noDisponibles = std::max(noDisponibles, cantidadDeDias);
    dias = std::max(diasSemana - noDisponibles, 1);
    maximo = semanal / dias + 2;
    minimo = maximo - 3;
    return semanal;
}

void CDatos::ActualizarProfesores(std::uint32_t opciones) {
    if ((opciones & OPCION_ACTUALIZAR_PROFESORES) == 0) return;
    if (profesores.Cabeza() == nullptr) return;
    // Every teacher's counts in one pass over the records.
    const CargasProfesores cargas = ContarCargasProfesores();
    // The first teacher is the placeholder.
    for (auto* n = profesores.Cabeza()->siguiente; n != nullptr; n = n->siguiente) {
        DHPROF& p = n->dato;
        int minimo = 0, maximo = 0, dias = 0;
        const auto c = cargas.find(Referencia<DHPROF>(n));
        EstimarPermanencia(p, c != cargas.end() ? c->second : std::array<int, NUM_MARCOS + 1>{},
                           minimo, maximo, dias, p.opciones.tipoDePeriodo,
                           p.opciones.cantidadDeDias);
        if (maximo == 6) p.opciones.valorMaximasHorasCalculado = 1;
    }
}
