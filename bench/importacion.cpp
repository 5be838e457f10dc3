// The import flow's data path on generated IES2000 data files of four sizes: the file read into
// a model, then the exchange document written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "bench/escuelas.h"
#include "iesfiles/lector_ies.h"
#include "model/datos.h"
#include "xmlwriter/exportador.h"

namespace {

const std::string& Fichero(const std::string& clase, int cuenta) {
    static std::map<std::string, std::string> rutas;
    const std::string nombre = "bench_iestokrt_" + clase + "_" + std::to_string(cuenta) + ".dat";
    auto& ruta = rutas[nombre];
    if (ruta.empty())
        ruta = escuelas::Guardar(nombre, clase == "escuela"
                                             ? escuelas::FicheroDeDatos(cuenta)
                                             : escuelas::FicheroDeDepartamentos(cuenta));
    return ruta;
}

void Importacion(benchmark::State& state, const std::string& clase) {
    const int cuenta = static_cast<int>(state.range(0));
    const std::string& datos = Fichero(clase, cuenta);
    const std::string documento =
        (std::filesystem::temp_directory_path() / "bench_importado.xml").string();
    for (auto _ : state) {
        auto d = std::make_unique<CDatos>(0);
        d->ReiniciarCabecera();
        d->IniciarMarcos();
        d->AnadirRegistrosPorDefecto();
        d->marcos.perfil = 0;
        std::string error;
        if (LeerFicheroIes(datos.c_str(), error, *d) == 0) {
            state.SkipWithError(error.c_str());
            break;
        }
        CExportadorXML x(d.get());
        if (x.ExportarXML(documento.c_str(), nullptr, 0) != 1) {
            state.SkipWithError("the document was not written");
            break;
        }
    }
    state.SetComplexityN(cuenta);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(datos)));
    std::filesystem::remove(documento);
}

// A school of N teachers.
void ImportacionCompleta(benchmark::State& state) {
    Importacion(state, "escuela");
}
BENCHMARK(ImportacionCompleta)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// A data file of 40,000 departments and nothing else.
void ImportacionDeDepartamentos(benchmark::State& state) {
    Importacion(state, "departamentos");
}
BENCHMARK(ImportacionDeDepartamentos)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace
