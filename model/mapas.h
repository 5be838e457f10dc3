// Availability maps, weekly distributions and duration codes.
#pragma once

#include <cstdint>

inline constexpr int NUM_DIAS = 6;        // Monday..Saturday
inline constexpr int NUM_INTERVALOS = 56; // intervals per frame and day
inline constexpr int NUM_PERIODOS = 6;
inline constexpr int NUM_MARCOS = 4;

// Cell values of an availability map (the words of the exchange document).
enum ValorMapa : std::int8_t {
    MAPA_PROHIBIDO = 0,
    MAPA_PREFERENTEMENTE_NO2 = 1,
    MAPA_PREFERENTEMENTE_NO1 = 2,
    MAPA_DISPONIBLE = 3,
    MAPA_FIJADO = 4,
};

// Unpacked map: 6 days x 56 intervals, day-major.
struct MapaDisponibilidad {
    std::int8_t celdas[NUM_DIAS][NUM_INTERVALOS];
};

// Packed map: one number per interval; the days are its base-5 digits, day 0 the least
// significant.
struct MapaEmpaquetado {
    std::uint16_t celdas[NUM_INTERVALOS];
};

void EmpaquetarMapa(MapaEmpaquetado& salida, const MapaDisponibilidad& entrada);
void DesempaquetarMapa(const MapaEmpaquetado& entrada, MapaDisponibilidad& salida);
// Packs a map whose cells all hold `valor` into all 24 maps (period x frame).
void RellenarMapasEmpaquetados(MapaEmpaquetado mapas[NUM_PERIODOS][NUM_MARCOS], int valor);
// Packs an all-1 map into the member maps of a duty (period x member).
void RellenarPlantillasIntegrantes(MapaEmpaquetado mapas[NUM_PERIODOS][128]);

// Duration characters of a weekly distribution: '1'..'5', '&' (one and a half) and the
// Windows-1252 fractions 0xBC, 0xBD, 0xBE.
inline constexpr char DURACION_CUARTO = '\xBC';
inline constexpr char DURACION_MEDIO = '\xBD';
inline constexpr char DURACION_TRES_CUARTOS = '\xBE';

int CuartosDeHora(char c);
int IntervalosDeDuracion(char c);

// Builds the distribution of `total` (quarter hours when `exacto`, else intervals) for a week of
// `n` days into `buffer`, which holds at least n + 1 bytes.
void CrearDistribucionSemanal(char* buffer, int total, bool exacto, int n);
