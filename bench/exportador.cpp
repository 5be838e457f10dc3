// The exchange document of a large school: composing it and writing it to a file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/datos.h"
#include "xmlwriter/exportador.h"

namespace {

template <class T>
typename MCList<T>::Nodo* Nombrado(MCList<T>& lista, const char* formato, int i) {
    auto* n = lista.AnadirAlFinal();
    std::snprintf(n->dato.nombre, sizeof n->dato.nombre, formato, i);
    return n;
}

// About 200 teachers, 100 groups, 150 rooms, 60 subjects and 3000 sessions, with one frame of
// six lessons, a recess and some unavailable cells in every resource.
std::unique_ptr<CDatos> ModeloGrande() {
    auto d = std::make_unique<CDatos>(0);
    d->ReiniciarCabecera();
    d->IniciarMarcos();
    d->AnadirRegistrosPorDefecto();
    d->marcos.perfil = 0;
    BloqueMarcoDia& b = d->marcos.bloques[0][0];
    b.numLectivos = 6;
    for (int i = 0; i < 6; ++i)
        b.horas[i] =
            HorasTramo{static_cast<std::uint8_t>(8 + i), 0, static_cast<std::uint8_t>(8 + i), 55};
    b.numRecreos = 1;
    b.posRecreos[0] = 3;
    d->marcosHorario->NombrarTramosPorDefecto();

    MapaDisponibilidad m;
    for (auto& dia : m.celdas)
        for (auto& c : dia)
            c = MAPA_DISPONIBLE;
    m.celdas[0][0] = MAPA_PROHIBIDO;
    m.celdas[4][5] = MAPA_PREFERENTEMENTE_NO1;
    MapaEmpaquetado mapa;
    EmpaquetarMapa(mapa, m);

    for (int i = 0; i < 8; ++i)
        Nombrado(d->departamentos, "Dpto %d", i);
    for (int i = 0; i < 150; ++i) {
        auto* a = Nombrado(d->aulas, "Aula %03d", 149 - i);
        RellenarMapasEmpaquetados(a->dato.plantilla, MAPA_PREFERENTEMENTE_NO2);
        a->dato.plantilla[0][0] = mapa;
    }
    for (int i = 0; i < 200; ++i) {
        auto* p = Nombrado(d->profesores, "Profesor %03d \xD1", 199 - i);
        p->dato.opciones = d->marcos.valorInicialProfesores;
        RellenarMapasEmpaquetados(p->dato.plantilla, MAPA_DISPONIBLE);
        p->dato.plantilla[0][0] = mapa;
        std::snprintf(p->dato.nombreCompleto, sizeof p->dato.nombreCompleto,
                      "Nombre & Apellidos %d", i);
    }
    std::vector<MCList<DHMATE>::Nodo*> materias;
    for (int i = 0; i < 60; ++i) {
        auto* m = Nombrado(d->materias, "Materia %02d", i);
        RellenarMapasEmpaquetados(m->dato.plantilla, MAPA_DISPONIBLE);
        materias.push_back(m);
    }
    std::vector<MCList<DHGRUP>::Nodo*> grupos;
    for (int i = 0; i < 100; ++i) {
        auto* g = Nombrado(d->grupos, "%d ESO", i);
        for (auto& p : g->dato.plantilla)
            p = mapa;
        grupos.push_back(g);
    }
    for (int i = 0; i < 3000; ++i) {
        DHSESI& s = d->sesiones.AnadirAlFinal()->dato;
        s.tipo = i % 10 == 9 ? SESION_PROFESOR : SESION_PRINCIPAL;
        s.materia = d->Referencia<DHMATE>(materias[static_cast<std::size_t>(i % 60)]);
        s.grupo = d->Referencia<DHGRUP>(grupos[static_cast<std::size_t>(i % 100)]);
        s.profesor = d->Referencia<DHPROF>(d->profesores.NodoEnIndice(1 + i % 200));
        CopiarTexto(s.distribucion, "2\xBD"
                                    "1");
        s.opciones = d->marcos.valorInicialSesiones;
        for (auto& p : s.plantilla)
            p = mapa;
    }
    return d;
}

void BM_ExportarXML(benchmark::State& estado) {
    auto d = ModeloGrande();
    const char* tmp = std::getenv("TMPDIR");
    const std::string ruta = std::string(tmp != nullptr ? tmp : "/tmp") + "/bench_exportador.xml";
    std::size_t bytes = 0;
    for (auto _ : estado) {
        CExportadorXML x(d.get());
        if (x.ExportarXML(ruta.c_str(), nullptr, 0) != 1) estado.SkipWithError("write failed");
        bytes = x.Documento().size();
    }
    std::remove(ruta.c_str());
    estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations() * bytes));
    estado.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportarXML)->Unit(benchmark::kMillisecond);

} // namespace
