// Name lookups and ordered inserts: the linear scans under the Spanish collator that every
// reader and writer runs once per record.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "model/datos.h"

namespace {

void LlenarProfesores(CDatos& d, int n) {
    char nombre[31];
    for (int i = 0; i < n; ++i) {
        std::snprintf(nombre, sizeof nombre, "Profesor %04d \xD1", i);
        auto* p = d.profesores.AnadirAlFinal();
        CopiarTexto(p->dato.nombre, nombre);
    }
}

void BM_BuscarNombre(benchmark::State& estado) {
    auto d = std::make_unique<CDatos>(0);
    const int n = static_cast<int>(estado.range(0));
    LlenarProfesores(*d, n);
    char clave[31];
    std::snprintf(clave, sizeof clave, "profesor %04d \xF1", n - 1);
    for (auto _ : estado)
        benchmark::DoNotOptimize(d->profesores.BuscarNombre(clave));
    estado.SetComplexityN(n);
}
BENCHMARK(BM_BuscarNombre)->Range(16, 1024)->Complexity();

void BM_InsertarOrdenado(benchmark::State& estado) {
    const int n = static_cast<int>(estado.range(0));
    auto d = std::make_unique<CDatos>(0);
    LlenarProfesores(*d, n);
    for (auto _ : estado) {
        MCList<DHPROF> copia;
        for (const DHPROF& p : d->profesores)
            copia.InsertarOrdenado(p);
        benchmark::DoNotOptimize(copia.Cabeza());
    }
}
BENCHMARK(BM_InsertarOrdenado)->Range(16, 256);

} // namespace
