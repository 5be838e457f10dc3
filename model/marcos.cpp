#include "model/marcos.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "model/textos.h"
#include "resources/cadenas.h"

namespace {

constexpr int MINUTOS_DIA = 24 * 60;

int Entrada(const HorasTramo& t) {
    return t.horaEntrada * 60 + t.minutoEntrada;
}
int Salida(const HorasTramo& t) {
    return t.horaSalida * 60 + t.minutoSalida;
}

// An interval that starts late in the evening and ends early in the morning runs past midnight.
bool CruzaMedianoche(const HorasTramo& t) {
    return t.horaEntrada >= 21 && t.horaSalida < 4;
}

// Counts of a block, never beyond the fixed arrays whatever the fields hold.
int NumLectivos(const BloqueMarcoDia& b) {
    return std::min<int>(b.numLectivos, NUM_INTERVALOS);
}
int NumRecreos(const BloqueMarcoDia& b) {
    return std::min<int>(b.numRecreos, MAX_RECREOS);
}

// Whether interval x comes before (or together with) interval y in the common numbering.
bool VaAntes(const HorasTramo& x, const HorasTramo& y) {
    const int ex = Entrada(x);
    const int ey = Entrada(y);
    return ex < ey || (ex == ey && Salida(x) <= Salida(y));
}

// The span of recess k of a block: from the end of the lectivo interval before its position to
// the start of the interval at its position. False when the position names no interval pair.
bool SpanRecreo(const BloqueMarcoDia& b, int k, HorasTramo& span) {
    const int pos = b.posRecreos[k];
    if (pos < 1 || pos >= NUM_INTERVALOS) return false;
    span.horaEntrada = b.horas[pos - 1].horaSalida;
    span.minutoEntrada = b.horas[pos - 1].minutoSalida;
    span.horaSalida = b.horas[pos].horaEntrada;
    span.minutoSalida = b.horas[pos].minutoEntrada;
    return true;
}

// The intervals and recess spans of one frame and day, as the overlap tables compare them.
struct TramosDia {
    int numLectivos = 0;
    const HorasTramo* lectivos = nullptr;
    int numRecreos = 0;
    HorasTramo recreos[MAX_RECREOS] = {};
    bool recreoValido[MAX_RECREOS] = {};
};

// Appends to an overlap list of MAX_SOLAPES pairs (ended by a frame byte of 0) every interval of
// `otros` that overlaps `propio`, while there is room.
void AnadirSolapes(ParSolape* lista, const HorasTramo& propio, int g, const HorasTramo* otros,
                   const bool* validos, int n) {
    int usados = 0;
    while (usados < MAX_SOLAPES && lista[usados].marco != 0)
        ++usados;
    for (int j = 0; j < n && usados < MAX_SOLAPES; ++j) {
        if (validos != nullptr && !validos[j]) continue;
        if (!SeSolapan(propio, otros[j])) continue;
        lista[usados].marco = static_cast<std::uint8_t>(g + 1);
        lista[usados].indice = static_cast<std::uint8_t>(j);
        ++usados;
    }
}

void FijarHoras(HorasTramo& t, int he, int me, int hs, int ms) {
    t.horaEntrada = static_cast<std::uint8_t>(he);
    t.minutoEntrada = static_cast<std::uint8_t>(me);
    t.horaSalida = static_cast<std::uint8_t>(hs);
    t.minutoSalida = static_cast<std::uint8_t>(ms);
}

} // namespace

bool SeSolapan(const HorasTramo& a, const HorasTramo& b) {
    int aIni = Entrada(a);
    int aFin = Salida(a);
    int bIni = Entrada(b);
    int bFin = Salida(b);
    // An interval past midnight is laid out on a second day; times of the other interval that
    // fall in the small hours follow it there.
    if (CruzaMedianoche(a)) {
        aFin += MINUTOS_DIA;
        if (b.horaEntrada < 4) bIni += MINUTOS_DIA;
        if (b.horaSalida < 4) bFin += MINUTOS_DIA;
    } else if (CruzaMedianoche(b)) {
        bFin += MINUTOS_DIA;
        if (a.horaEntrada < 4) aIni += MINUTOS_DIA;
        if (a.horaSalida < 4) aFin += MINUTOS_DIA;
    }
    const bool terminaDentro = aIni < bFin && bFin < aFin;
    const bool cubre = bIni <= aIni && bFin >= aFin;
    const bool empiezaDentro = aIni < bIni && bIni < aFin;
    return terminaDentro || cubre || empiezaDentro;
}

// ---- Defaults ----------------------------------------------------------------------------------

void CMarcosHorario::Inicializar() {
    DHMARCOS& m = *m_marcos;
    std::memset(&m, 0, sizeof m);

    FijarNumeroPeriodos(1);
    TramosPorDefecto();
    m.numMarcos = 1;

    OpcionesProfesor& p = m.valorInicialProfesores;
    p.permanenciaSemanalEstricta = 300;
    p.permanenciaSemanal = 25;
    p.maximasHorasSeguidas = 5;
    p.prioridad = 1;
    p.nIntervalosSalirUltimaEntrarPrimera = 1;
    p.nIntervalosEntrarPrimeraSalirUltima = 1;
    p.permanenciaDiariaEstricta = 50;
    p.permanenciaDiaria = 5;

    m.valorInicialSesiones.penaSalirUltimaEntrarPrimera = 1;
    m.opciones = 0x12;

    static constexpr const char* kClavesDia[NUM_DIAS] = {"L", "M", "X", "J", "V", "S"};
    for (int d = 0; d < NUM_DIAS; ++d)
        CopiarTexto(m.claveXDias[d], kClavesDia[d]);

    CriteriosPorDefecto();
    Recalcular();
}

void CMarcosHorario::TramosPorDefecto() {
    DHMARCOS& m = *m_marcos;
    for (int f = 0; f < NUM_MARCOS; ++f) {
        for (int d = 0; d < NUM_DIAS; ++d) {
            BloqueMarcoDia& b = m.bloques[f][d];
            b.numLectivos = 2;
            FijarHoras(b.horas[0], 8, 30, 9, 20);
            FijarHoras(b.horas[1], 9, 25, 10, 15);
            // A third slot is preset but not counted.
            FijarHoras(b.horas[2], 10, 20, 11, 10);
            b.posMediodia = 0;
            b.numRecreos = 0;
            for (int k = 0; k < MAX_RECREOS; ++k) {
                b.posRecreos[k] = 1;
                b.nombresRecreo[k][0] = '\0';
                b.clavesRecreo[k][0] = '\0';
            }
            for (int i = 0; i < NUM_INTERVALOS; ++i)
                b.nombres[i][0] = '\0';
            b.nombreMediodia[0] = '\0';
        }
    }
    RellenarMapasEmpaquetados(m.mapasMarco, 1);
    NombrarMarcosPorDefecto();
}

void CMarcosHorario::NombrarMarcosPorDefecto() {
    for (int f = 0; f < NUM_MARCOS; ++f) {
        char(&nombre)[8] = m_marcos->nombresMarco[f];
        if (nombre[0] == '\0') CopiarTexto(nombre, NombreMarcoPorDefecto(f).c_str());
    }
}

std::string CMarcosHorario::NombreMarcoPorDefecto(int f) {
    if (f < 0 || f >= NUM_MARCOS) return {};
    return recursos::Cadena(recursos::IDS_MARCO_A + f);
}

void CMarcosHorario::NombrarTramosPorDefecto() {
    for (int f = 0; f < NUM_MARCOS; ++f)
        for (int d = 0; d < NUM_DIAS; ++d)
            NombrarTramosDia(f, d);
}

void CMarcosHorario::NombrarTramosDia(int f, int d) {
    if (f < 0 || f >= NUM_MARCOS || d < 0 || d >= NUM_DIAS) return;
    BloqueMarcoDia& b = m_marcos->bloques[f][d];
    // Frame A's names carry no letter; the others carry theirs.
    const char letra[2] = {f == 0 ? '\0' : static_cast<char>('A' + f), '\0'};
    for (int i = 0; i < NUM_INTERVALOS; ++i)
        if (b.nombres[i][0] == '\0')
            std::snprintf(b.nombres[i], sizeof b.nombres[i], "%s%d", letra, i + 1);
    for (int k = 0; k < MAX_RECREOS; ++k)
        if (b.nombresRecreo[k][0] == '\0')
            std::snprintf(b.nombresRecreo[k], sizeof b.nombresRecreo[k], "R%s%d", letra, k + 1);
    if (b.nombreMediodia[0] == '\0')
        std::snprintf(b.nombreMediodia, sizeof b.nombreMediodia, "M%s", letra);
}

void CMarcosHorario::CriteriosPorDefecto() {
    static constexpr std::uint8_t kPesos[16] = {4, 3, 1, 2, 5, 2, 1, 2, 1, 3, 3, 3, 2, 2, 1, 1};
    Criterios& c = m_marcos->criterios;
    std::memcpy(c.pesos, kPesos, sizeof c.pesos);
    // Two options per byte: the first in the low nibble, the second in the high one.
    c.optativaSolapadaCoincidan = static_cast<std::uint8_t>(1 | (0 << 4));
    c.cambiosAulaOrdenProfesores = static_cast<std::uint8_t>(1 | (2 << 4));
}

// ---- Frames and names --------------------------------------------------------------------------

void CMarcosHorario::EstablecerMarco(const char* nombre, const char* clave, int indice) {
    if (indice < 0 || indice >= NUM_MARCOS) return;
    DHMARCOS& m = *m_marcos;
    m.numMarcos = static_cast<std::uint8_t>(indice + 1);
    if (nombre != nullptr && nombre[0] != '\0') {
        std::string texto(nombre);
        if (Recortar(texto.data())) CopiarTexto(m.nombresMarco[indice], texto.c_str());
    }
    if (clave != nullptr && clave[0] != '\0') {
        std::string texto(clave);
        if (Recortar(texto.data())) CopiarTexto(m.clavesMarco[indice], texto.c_str());
    }
}

void CMarcosHorario::NombreTramo(int f, int d, int k, std::string& nombre,
                                 std::string& clave) const {
    nombre.clear();
    clave.clear();
    if (k < 0 || k >= MAX_RECREOS) return;
    const BloqueMarcoDia& b = Bloque(f, d);
    nombre = b.nombresRecreo[k];
    clave = b.clavesRecreo[k];
}

// ---- Sorting -----------------------------------------------------------------------------------

void CMarcosHorario::OrdenarTramos() {
    const int marcos = std::min<int>(m_marcos->numMarcos, NUM_MARCOS);
    const int dias = DiasSemana();
    for (int f = 0; f < marcos; ++f)
        for (int d = 0; d < dias; ++d)
            OrdenarTramosDia(f, d);
}

void CMarcosHorario::OrdenarTramosDia(int f, int d) {
    if (f < 0 || f >= NUM_MARCOS || d < 0 || d >= NUM_DIAS) return;
    BloqueMarcoDia& b = m_marcos->bloques[f][d];
    const int n = NumLectivos(b);
    for (int pasada = 0; pasada < n - 1; ++pasada) {
        bool cambio = false;
        for (int i = 0; i + 1 < n; ++i) {
            HorasTramo& x = b.horas[i];
            HorasTramo& y = b.horas[i + 1];
            // An hour of 0 marks an interval that was never set: it keeps its place.
            if (x.horaEntrada == 0 || y.horaEntrada == 0) continue;
            if (Entrada(x) <= Entrada(y)) continue;
            std::swap(x, y);
            std::swap(b.nombres[i], b.nombres[i + 1]);
            std::swap(b.claseDuracion[i], b.claseDuracion[i + 1]);
            cambio = true;
        }
        if (!cambio) break;
    }
}

// ---- Derived tables ----------------------------------------------------------------------------

void CMarcosHorario::Recalcular() {
    if (m_marcos->tiemposExactos != 0) {
        for (int f = 0; f < NUM_MARCOS; ++f)
            CalcularDuracionesMarco(f);
    } else {
        std::memset(duraciones, 1, sizeof duraciones);
    }
    NumerarTramosComunes();
    CalcularSolapes();
}

void CMarcosHorario::CalcularDuracionesMarco(int f) {
    if (f < 0 || f >= NUM_MARCOS) return;
    std::memset(duraciones[f], 4, sizeof duraciones[f]);
    const int dias = DiasSemana();
    for (int d = 0; d < dias; ++d) {
        const BloqueMarcoDia& b = Bloque(f, d);
        const int n = NumLectivos(b);
        for (int i = 0; i < n; ++i) {
            if (b.claseDuracion[i] == 1)
                duraciones[f][d][i] = 3;
            else if (b.claseDuracion[i] == 2)
                duraciones[f][d][i] = 2;
        }
    }
}

void CMarcosHorario::NumerarTramosComunes() {
    // 0xFF marks an interval that has no common number.
    std::memset(indiceComun, 0xFF, sizeof indiceComun);
    std::memset(primerIndiceDia, 0, sizeof primerIndiceDia);
    std::memset(numComunesDia, 0, sizeof numComunesDia);
    maxComunes = 0;
    totalComunes = 0;

    const int marcos = std::min<int>(m_marcos->numMarcos, NUM_MARCOS);
    const int dias = DiasSemana();
    for (int d = 0; d < dias; ++d) {
        int pasos = 0;
        if (marcos <= 1) {
            pasos = NumLectivos(Bloque(0, d));
            for (int i = 0; i < pasos; ++i)
                indiceComun[0][d][i] = static_cast<std::uint8_t>(i);
        } else {
            const HorasTramo* horas[NUM_MARCOS] = {};
            int total[NUM_MARCOS] = {};
            int actual[NUM_MARCOS] = {};
            for (int f = 0; f < marcos; ++f) {
                const BloqueMarcoDia& b = Bloque(f, d);
                horas[f] = b.horas;
                // A frame without lectivo intervals that day has nothing to number.
                total[f] = NumLectivos(b);
            }
            auto participa = [&](int f) { return actual[f] < total[f]; };
            while (pasos < NUM_INTERVALOS) {
                // The frame whose current interval comes first; ties go to the lower frame.
                int elegido = -1;
                for (int f = 0; f < marcos && elegido < 0; ++f) {
                    if (!participa(f)) continue;
                    bool primero = true;
                    for (int g = 0; g < marcos && primero; ++g)
                        if (g != f && participa(g))
                            primero = VaAntes(horas[f][actual[f]], horas[g][actual[g]]);
                    if (primero) elegido = f;
                }
                if (elegido < 0) break;
                const HorasTramo tramo = horas[elegido][actual[elegido]];
                indiceComun[elegido][d][actual[elegido]++] = static_cast<std::uint8_t>(pasos);
                // Intervals of the other frames that overlap the chosen one share its number.
                for (int g = 0; g < marcos; ++g) {
                    if (g == elegido || !participa(g)) continue;
                    if (!SeSolapan(tramo, horas[g][actual[g]])) continue;
                    indiceComun[g][d][actual[g]++] = static_cast<std::uint8_t>(pasos);
                }
                ++pasos;
            }
        }
        const auto cuenta = static_cast<std::uint32_t>(pasos);
        primerIndiceDia[d] = totalComunes;
        numComunesDia[d] = cuenta;
        totalComunes += cuenta;
        maxComunes = std::max(maxComunes, cuenta);
    }
}

void CMarcosHorario::CalcularSolapes() {
    DHMARCOS& m = *m_marcos;
    std::memset(m.solapesLectivos, 0, sizeof m.solapesLectivos);
    std::memset(m.solapesRecreoLectivo, 0, sizeof m.solapesRecreoLectivo);
    std::memset(m.solapesLectivoRecreo, 0, sizeof m.solapesLectivoRecreo);
    std::memset(m.solapesRecreos, 0, sizeof m.solapesRecreos);

    // Only frames in use take part: the lists must never name a frame without a grid.
    const int marcos = std::min<int>(m.numMarcos, NUM_MARCOS);
    if (marcos < 2) return;
    const int dias = DiasSemana();
    for (int d = 0; d < dias; ++d) {
        TramosDia t[NUM_MARCOS];
        for (int f = 0; f < marcos; ++f) {
            const BloqueMarcoDia& b = Bloque(f, d);
            t[f].numLectivos = NumLectivos(b);
            t[f].lectivos = b.horas;
            t[f].numRecreos = NumRecreos(b);
            for (int k = 0; k < t[f].numRecreos; ++k)
                t[f].recreoValido[k] = SpanRecreo(b, k, t[f].recreos[k]);
        }
        for (int f = 0; f < marcos; ++f) {
            for (int g = 0; g < marcos; ++g) {
                if (g == f) continue;
                const TramosDia& o = t[g];
                for (int i = 0; i < t[f].numLectivos; ++i) {
                    const HorasTramo& propio = t[f].lectivos[i];
                    AnadirSolapes(m.solapesLectivos[f][d][i], propio, g, o.lectivos, nullptr,
                                  o.numLectivos);
                    AnadirSolapes(m.solapesLectivoRecreo[f][d][i], propio, g, o.recreos,
                                  o.recreoValido, o.numRecreos);
                }
                for (int k = 0; k < t[f].numRecreos; ++k) {
                    if (!t[f].recreoValido[k]) continue;
                    const HorasTramo& propio = t[f].recreos[k];
                    AnadirSolapes(m.solapesRecreoLectivo[f][d][k], propio, g, o.lectivos, nullptr,
                                  o.numLectivos);
                    AnadirSolapes(m.solapesRecreos[f][d][k], propio, g, o.recreos, o.recreoValido,
                                  o.numRecreos);
                }
            }
        }
    }
}

// ---- Invariants and the per-day rule -----------------------------------------------------------

void CMarcosHorario::FijarNumeroPeriodos(int n) {
    m_marcos->numPeriodos = static_cast<std::uint8_t>(std::clamp(n, 1, NUM_PERIODOS));
}

void CMarcosHorario::FijarAulasGeneral(int n) {
    m_marcos->numAulasGeneral = static_cast<std::uint8_t>(std::clamp(n, 0, MAX_AULAS_GENERAL));
}

int CMarcosHorario::DiasSemana() const {
    return m_marcos->sabado != 0 ? 6 : 5;
}

const BloqueMarcoDia& CMarcosHorario::Bloque(int f, int d) const {
    // A frame or day outside the configuration has no intervals.
    static const BloqueMarcoDia kVacio{};
    if (f < 0 || f >= NUM_MARCOS || d < 0 || d >= NUM_DIAS) return kVacio;
    return m_marcos->bloques[f][m_marcos->porDia != 0 ? d : 0];
}
