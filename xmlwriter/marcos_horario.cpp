// The calendar of the document: the periods and the time frames with their tramos. The frames
// section also numbers each frame-day's tramos; the availability and duty writers refer to
// tramos by these numbers.
#include <algorithm>
#include <cstdio>

#include "model/palabras.h"
#include "resources/cadenas.h"
#include "xmlwriter/exportador.h"

const char* CExportadorXML::ConvertirPrioridad(int codigo) {
    return PalabraDe(PALABRAS_PRIORIDAD, codigo, PALABRAS_PRIORIDAD[0]);
}

void CExportadorXML::EscribirPeriodos() {
    const int n = NumPeriodos();
    if (n < 2 || m_nPeriodo != -1) return;
    Escribir("\t<periodos>\n");
    for (int k = 1; k <= n; ++k) {
        char descripcion[64];
        std::snprintf(descripcion, sizeof descripcion,
                      recursos::Cadena(recursos::IDS_DESCRIPCION_SEMANA), k);
        Escribir("\t\t<periodo>\n");
        Escribir("\t\t\t<nombre>%d</nombre>\n", k);
        Escribir("\t\t\t<descripcion>%s</descripcion>\n", descripcion);
        Escribir("\t\t\t<diaFin>%d</diaFin>\n", m_nDias * k - 1);
        Escribir("\t\t</periodo>\n");
    }
    Escribir("\t</periodos>\n");
}

void CExportadorXML::EscribirMarcosDeHorario() {
    const DHMARCOS& m = m_pDatos->marcos;
    Escribir("\t<marcosDeHorario>\n");
    for (int f = 0; f < NumMarcos(); ++f)
        EscribirMarcoHorario(static_cast<char>('A' + f), TextoCampo(m.nombresMarco[f]),
                             TextoCampo(m.clavesMarco[f]), f, m.tiemposExactos != 0, m.porDia != 0);
    Escribir("\t</marcosDeHorario>\n");
}

namespace {

struct Hora {
    int hora;
    int minuto;
};

} // namespace

void CExportadorXML::EscribirMarcoHorario(char letra, std::string_view nombre,
                                          std::string_view clave, int f, bool tiemposExactos,
                                          bool porDia) {
    f = MarcoValido(f);
    const DHMARCOS& m = m_pDatos->marcos;
    Escribir("\t\t<marcoHorario id=\"%c\" nombre=\"%s\" claveX=\"%s\">\n", letra,
             EscaparXML(nombre).c_str(), EscaparXML(clave).c_str());

    auto tramo = [&](int dia, int indice, Hora entrada, Hora salida, const char* tipo) {
        Escribir("\t\t\t<tramo>\n");
        Escribir("\t\t\t\t<submarco>%c</submarco>\n", letra);
        Escribir("\t\t\t\t<dia>%d</dia>\n", dia);
        Escribir("\t\t\t\t<indice>%d</indice>\n", indice);
        Escribir("\t\t\t\t<horaEntrada>%02d:%02d:00</horaEntrada>\n", entrada.hora, entrada.minuto);
        Escribir("\t\t\t\t<horaSalida>%02d:%02d:00</horaSalida>\n", salida.hora, salida.minuto);
        Escribir("\t\t\t\t<Tipo>%s</Tipo>\n", tipo);
    };

    for (int d = 0; d < m_nDias; ++d) {
        const BloqueMarcoDia& horas = porDia ? m.bloques[f][d] : m.bloques[f][0];
        const BloqueMarcoDia& nombres = m.bloques[f][d];
        const int n = std::min<int>(horas.numLectivos, NUM_INTERVALOS);
        const int r = std::min<int>(horas.numRecreos, MAX_RECREOS);
        const int mediodia = horas.posMediodia;
        auto inicio = [&](int i) {
            return Hora{horas.horas[i].horaEntrada, horas.horas[i].minutoEntrada};
        };
        auto fin = [&](int i) {
            return Hora{horas.horas[i].horaSalida, horas.horas[i].minutoSalida};
        };

        for (int p = 0; p < NumPeriodos(); ++p) {
            if (!PeriodoExportado(p)) continue;
            MapaDisponibilidad mapaMarco;
            DesempaquetarMapa(m.mapasMarco[p][f], mapaMarco);
            const int dia = NumeroDia(d, p);
            int indice = 0;
            for (int i = 0; i < n; ++i) {
                if (i > 0 && i == mediodia) {
                    tramo(dia, indice, fin(i - 1), inicio(i), PALABRAS_TIPO_TRAMO[TRAMO_MEDIODIA]);
                    Escribir("\t\t\t\t<clavX>%s</clavX>\n",
                             EscaparXML(nombres.nombreMediodia).c_str());
                    Escribir("\t\t\t</tramo>\n");
                    ++indice;
                } else if (i > 0) {
                    for (int k = 0; k < r; ++k) {
                        if (horas.posRecreos[k] != i) continue;
                        tramo(dia, indice, fin(i - 1), inicio(i),
                              PALABRAS_TIPO_TRAMO[TRAMO_RECREO]);
                        Escribir("\t\t\t\t<clavX>%s</clavX>\n",
                                 EscaparXML(nombres.nombresRecreo[k]).c_str());
                        Escribir("\t\t\t</tramo>\n");
                        m_nIndiceRecreo[f][d][k] = indice++;
                    }
                }
                tramo(dia, indice, inicio(i), fin(i), PALABRAS_TIPO_TRAMO[TRAMO_LECTIVO]);
                if (tiemposExactos) {
                    const int clase = horas.claseDuracion[i];
                    Escribir("\t\t\t\t<duracion>%c</duracion>\n", clase == 1   ? 'T'
                                                                  : clase == 2 ? 'M'
                                                                               : '1');
                }
                Escribir("\t\t\t\t<clavX>%s</clavX>\n", EscaparXML(nombres.nombres[i]).c_str());
                if (mapaMarco.celdas[d][i] == 0) Escribir("\t\t\t\t<permitido>false</permitido>\n");
                Escribir("\t\t\t</tramo>\n");
                m_nIndiceLectivo[f][d][i] = indice++;
            }
        }
    }
    Escribir("\t\t</marcoHorario>\n");
}
