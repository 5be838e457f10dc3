#include "model/mapas.h"

#include <algorithm>
#include <cstring>

void EmpaquetarMapa(MapaEmpaquetado& salida, const MapaDisponibilidad& entrada) {
    // Most maps hold one value in every cell (every byte equals the next one).
    const auto* c = &entrada.celdas[0][0];
    if (std::memcmp(c, c + 1, sizeof entrada.celdas - 1) == 0) {
        const std::int8_t uno = c[0];
        const int celda = uno < 0 ? 0 : uno > 4 ? 4 : uno;
        int digitos = 0;
        for (int d = 0; d < NUM_DIAS; ++d)
            digitos = digitos * 5 + celda;
        for (auto& e : salida.celdas)
            e = static_cast<std::uint16_t>(digitos);
        return;
    }
    // Day by day over all intervals at once (5^6 - 1 fits in 16 bits).
    std::uint16_t v[NUM_INTERVALOS] = {};
    for (int d = NUM_DIAS - 1; d >= 0; --d) {
        for (int i = 0; i < NUM_INTERVALOS; ++i) {
            // Only 0..4 are cell values; anything else would spill into the next day's digit.
            const std::int8_t c = entrada.celdas[d][i];
            const auto celda = static_cast<std::uint16_t>(c < 0 ? 0 : c > 4 ? 4 : c);
            v[i] = static_cast<std::uint16_t>(v[i] * 5 + celda);
        }
    }
    std::memcpy(salida.celdas, v, sizeof v);
}

void DesempaquetarMapa(const MapaEmpaquetado& entrada, MapaDisponibilidad& salida) {
    std::memset(&salida, 0, sizeof salida);
    for (int i = 0; i < NUM_INTERVALOS; ++i) {
        unsigned v = entrada.celdas[i];
        for (int d = 0; d < NUM_DIAS; ++d) {
            salida.celdas[d][i] = static_cast<std::int8_t>(v % 5);
            v /= 5;
        }
    }
}

namespace {
MapaEmpaquetado MapaLleno(int valor) {
    MapaDisponibilidad m;
    std::memset(&m, valor, sizeof m);
    MapaEmpaquetado e;
    EmpaquetarMapa(e, m);
    return e;
}
} // namespace

void RellenarMapasEmpaquetados(MapaEmpaquetado mapas[NUM_PERIODOS][NUM_MARCOS], int valor) {
    const MapaEmpaquetado e = MapaLleno(valor);
    for (int p = 0; p < NUM_PERIODOS; ++p)
        for (int f = 0; f < NUM_MARCOS; ++f)
            mapas[p][f] = e;
}

void RellenarPlantillasIntegrantes(MapaEmpaquetado mapas[NUM_PERIODOS][128]) {
    const MapaEmpaquetado e = MapaLleno(1);
    for (int p = 0; p < NUM_PERIODOS; ++p)
        for (int k = 0; k < 128; ++k)
            mapas[p][k] = e;
}

int CuartosDeHora(char c) {
    switch (static_cast<unsigned char>(c)) {
    case 0xBC:
        return 1;
    case 0xBD:
        return 2;
    case 0xBE:
        return 3;
    case '1':
        return 4;
    case '&':
        return 6;
    case '2':
        return 8;
    case '3':
        return 12;
    case '4':
        return 16;
    case '5':
        return 20;
    default:
        return 0;
    }
}

int IntervalosDeDuracion(char c) {
    switch (static_cast<unsigned char>(c)) {
    case 0xBD:
    case 0xBE:
    case '1':
        return 1;
    case '&':
    case '2':
        return 2;
    case '3':
        return 3;
    case '4':
        return 4;
    case '5':
        return 5;
    default:
        return 0;
    }
}

namespace {
// Spreads `t` intervals over `m` sessions, longer sessions first, as digit characters; the text
// ends at the first session of 0. Returns the number of characters written.
int Repartir(char* buffer, int t, int m) {
    if (m <= 0) return 0;
    const int q = t / m;
    const int r = t % m;
    int k = 0;
    for (int i = 0; i < m; ++i) {
        const int v = i < r ? q + 1 : q;
        if (v == 0) break;
        buffer[k++] = static_cast<char>('0' + v);
    }
    return k;
}
} // namespace

void CrearDistribucionSemanal(char* buffer, int total, bool exacto, int n) {
    if (n < 1) {
        buffer[0] = '\0';
        return;
    }
    std::memset(buffer, 0, static_cast<std::size_t>(n) + 1);
    if (!exacto) {
        const int t = std::clamp(total, 1, 5 * n);
        Repartir(buffer, t, n);
        buffer[n] = '\0';
        return;
    }
    if (total <= 0) {
        buffer[0] = '1';
        return;
    }
    int w = total / 4;
    const int f = total % 4;
    char fraccion[3] = {};
    int u = w;
    if (w > 5 * n) {
        u = 5 * n;
    } else if (f == 1 && w >= 1 && w <= 5 * n - 9) {
        fraccion[0] = DURACION_TRES_CUARTOS;
        fraccion[1] = DURACION_MEDIO;
        u = w - 1;
    } else if (f == 2 && w >= 5 && w <= 5 * n - 4) {
        fraccion[0] = '&';
        u = w - 1;
    } else if (w <= 5 * n - 5) {
        static constexpr char kFracciones[4] = {'\0', DURACION_CUARTO, DURACION_MEDIO,
                                                DURACION_TRES_CUARTOS};
        fraccion[0] = kFracciones[f];
    }
    const int nf = static_cast<int>(std::strlen(fraccion));
    const int m = n - nf;
    int k = Repartir(buffer, u, m);
    for (int i = 0; i < nf && k < n; ++i)
        buffer[k++] = fraccion[i];
    buffer[n] = '\0';
}
