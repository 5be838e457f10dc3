// The load flow's data path on generated solved timetables of four sizes: the document read
// into a model (records, sessions, placement table and placements), then the IES2000 timetable
// file written. Each size also parses the same document with expat alone, with handlers that do
// nothing, and reports the path's time as a multiple of that floor ("frente_a_expat").
#define XML_UNICODE
#include <expat.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/escuelas.h"
#include "iesfiles/fichero_horario.h"
#include "model/datos.h"
#include "platform/sax.h"
#include "xmlreader/lector.h"

namespace {

using Reloj = std::chrono::steady_clock;

// The generated document of each size, written once.
const std::string& Documento(const std::string& clase, int profesores) {
    static std::map<std::string, std::string> rutas;
    const std::string nombre = "bench_carga_" + clase + "_" + std::to_string(profesores) + ".xml";
    auto& ruta = rutas[nombre];
    if (ruta.empty())
        ruta = escuelas::Guardar(nombre, clase == "horario"
                                             ? escuelas::DocumentoResuelto(profesores)
                                             : escuelas::DocumentoDeProfesores(profesores));
    return ruta;
}

// The load flow from the document to krttoies.dat; false, with `error`, when it failed.
bool Cargar(const std::string& documento, const std::string& fichero, std::string& error) {
    auto d = std::make_unique<CDatos>(1);
    d->ReiniciarCabecera();
    d->IniciarMarcos();
    d->AnadirRegistrosPorDefecto();
    d->marcos.perfil = 0;
    ContextoLeerXml contexto;
    contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
    contexto.datos = d.get();
    if (LeerXml(error, documento.c_str(), contexto) != 1) return false;
    d->marcosHorario->NombrarTramosPorDefecto();
    if (d->aulas.Cuenta() - 1 > d->marcos.numAulasGeneral)
        d->marcosHorario->FijarAulasGeneral(d->aulas.Cuenta() - 1);
    CEscritorHorarioIes escritor;
    escritor.m_bEscribirOtrasActividades = 1;
    return escritor.EscribirFicheroIes(fichero.c_str(), error, *d) == 1;
}

void XMLCALL InicioVacio(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL FinVacio(void*, const XML_Char*) {}
void XMLCALL TextoVacio(void*, const XML_Char*, int) {}

// The floor: expat alone reading the file in the same blocks, with handlers that do nothing.
bool SoloExpat(const std::string& documento) {
    std::vector<char> bloque(64 * 1024);
    XML_Parser p = XML_ParserCreate(nullptr);
    XML_SetElementHandler(p, InicioVacio, FinVacio);
    XML_SetCharacterDataHandler(p, TextoVacio);
    std::FILE* f = std::fopen(documento.c_str(), "rb");
    bool bien = f != nullptr;
    for (bool ultimo = false; bien && !ultimo;) {
        const std::size_t n = std::fread(bloque.data(), 1, bloque.size(), f);
        ultimo = n < bloque.size();
        bien = XML_Parse(p, bloque.data(), static_cast<int>(n), ultimo) == XML_STATUS_OK;
    }
    if (f != nullptr) std::fclose(f);
    XML_ParserFree(p);
    return bien;
}

// The best of ten runs of expat alone, in seconds.
double TiempoExpat(const std::string& documento) {
    double mejor = 1e9;
    for (int i = 0; i < 10; ++i) {
        const auto t0 = Reloj::now();
        if (!SoloExpat(documento)) return 0;
        mejor = std::min(mejor, std::chrono::duration<double>(Reloj::now() - t0).count());
    }
    return mejor;
}

void Carga(benchmark::State& state, const std::string& clase) {
    const int profesores = static_cast<int>(state.range(0));
    const std::string& documento = Documento(clase, profesores);
    const std::string fichero =
        (std::filesystem::temp_directory_path() / "bench_krttoies.dat").string();
    const double expat = TiempoExpat(documento);
    double mejor = 1e9;
    std::uintmax_t escrito = 0;
    for (auto _ : state) {
        const auto t0 = Reloj::now();
        std::string error;
        if (!Cargar(documento, fichero, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        mejor = std::min(mejor, std::chrono::duration<double>(Reloj::now() - t0).count());
        escrito = std::filesystem::file_size(fichero);
    }
    state.SetComplexityN(profesores);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(documento)));
    state.counters["registros"] = static_cast<double>(escrito / sizeof(RegistroHorarioIes));
    if (expat > 0) state.counters["frente_a_expat"] = mejor / expat;
    std::filesystem::remove(fichero);
}

// A school of N teachers with its solved timetable.
void CargaCompleta(benchmark::State& state) {
    Carga(state, "horario");
}
BENCHMARK(CargaCompleta)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// A document of 20,000 teachers and nothing else.
void CargaDeProfesores(benchmark::State& state) {
    Carga(state, "profesores");
}
BENCHMARK(CargaDeProfesores)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
