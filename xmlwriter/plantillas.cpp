// Availability lines: one tramo line per map cell that differs from the value usual for the
// kind of record, referring to the tramo numbers given by the frames section.
#include <algorithm>

#include "model/palabras.h"
#include "xmlwriter/exportador.h"

namespace {

// Any value without a word of its own is written as prohibited.
const char* PalabraCelda(int valor) {
    for (const PalabraMapa& p : PALABRAS_MAPA)
        if (p.valor == valor) return p.palabra;
    return "prohibido";
}

} // namespace

void CExportadorXML::EscribirPlantilla(const MapaEmpaquetado mapas[NUM_PERIODOS], int f,
                                       int omitido, bool recreos) {
    for (int p = 0; p < NumPeriodos(); ++p)
        if (PeriodoExportado(p)) EscribirPlantillaTramos(mapas[p], f, omitido, recreos, p);
}

void CExportadorXML::EscribirPlantillaTramos(const MapaEmpaquetado& mapa, int f, int omitido,
                                             bool recreos, int p) {
    if (!PeriodoExportado(p)) return;
    f = MarcoValido(f);
    const char letra = static_cast<char>('A' + f);
    MapaDisponibilidad celdas;
    MapaDisponibilidad mapaMarco;
    DesempaquetarMapa(mapa, celdas);
    DesempaquetarMapa(m_pDatos->marcos.mapasMarco[p][f], mapaMarco);
    for (int d = 0; d < m_nDias; ++d) {
        const BloqueMarcoDia& b = BloqueHoras(f, d);
        const int c = recreos ? std::min<int>(b.numRecreos, MAX_RECREOS)
                              : std::min<int>(b.numLectivos, NUM_INTERVALOS);
        for (int i = 0; i < c; ++i) {
            const int v = celdas.celdas[d][i];
            if (v == omitido) continue;
            if (!recreos && mapaMarco.celdas[d][i] == 0) continue;
            const int indice = recreos ? m_nIndiceRecreo[f][d][i] : m_nIndiceLectivo[f][d][i];
            if (indice < 0) continue; // a recess without a tramo of its own
            Escribir("\t\t\t\t<tramo dia=\"%d\" indice=\"%d\" marco=\"%c\">%s</tramo>\n",
                     NumeroDia(d, p), indice, letra, PalabraCelda(v));
        }
    }
}

void CExportadorXML::EscribirPlantillaRecurso(const MapaEmpaquetado mapas[NUM_PERIODOS][NUM_MARCOS],
                                              int modo) {
    for (int p = 0; p < NumPeriodos(); ++p) {
        if (!PeriodoExportado(p)) continue;
        for (int f = 0; f < NumMarcos(); ++f)
            EscribirTramosRecurso(static_cast<char>('A' + f), p, f, mapas[p][f], modo);
    }
}

void CExportadorXML::EscribirTramosRecurso(char letra, int p, int f, const MapaEmpaquetado& mapa,
                                           int modo) {
    if (!PeriodoExportado(p)) return;
    f = MarcoValido(f);
    MapaDisponibilidad celdas;
    MapaDisponibilidad mapaMarco;
    DesempaquetarMapa(mapa, celdas);
    DesempaquetarMapa(m_pDatos->marcos.mapasMarco[p][f], mapaMarco);
    for (int d = 0; d < m_nDias; ++d) {
        const int n = std::min<int>(BloqueHoras(f, d).numLectivos, NUM_INTERVALOS);
        for (int i = 0; i < n; ++i) {
            if (mapaMarco.celdas[d][i] == 0) continue;
            const int indice = m_nIndiceLectivo[f][d][i];
            if (indice < 0) continue;
            const int v = celdas.celdas[d][i];
            if (modo == 0) {
                if (v != MAPA_DISPONIBLE)
                    Escribir("\t\t\t\t<tramo dia=\"%d\" indice=\"%d\" marco=\"%c\">%s</tramo>\n",
                             NumeroDia(d, p), indice, letra, PalabraCelda(v));
            } else if (v != MAPA_PREFERENTEMENTE_NO2) {
                Escribir("\t\t\t\t<tramo dia=\"%d\" indice=\"%d\" marco=\"%c\">prohibido</tramo>\n",
                         NumeroDia(d, p), indice, letra);
            }
        }
    }
}
