// Fuzz target of the exchange document reader: any bytes, read as a document into a model set
// up as the load flow sets it up. The frame configuration must keep its bounds whatever the
// document says.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "model/datos.h"
#include "platform/avisos.h"
#include "platform/sax.h"
#include "xmlreader/contenido.h"
#include "xmlreader/pendientes.h"

namespace {

void Comprobar(bool condicion) {
    if (!condicion) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    static const bool preparado = [] {
        GuardarRegistrosPendientes(false);
        return true;
    }();
    (void)preparado;
    plataforma::AvisosGrabados avisos;
    plataforma::AvisosInstalados instalados(avisos);

    auto d = std::make_unique<CDatos>(1);
    d->ReiniciarCabecera();
    d->IniciarMarcos();
    d->AnadirRegistrosPorDefecto();
    d->marcos.perfil = 0;
    {
        MyContentInterno2 manejador(d.get());
        std::unique_ptr<plataforma::LectorSax> lector;
        if (plataforma::CrearLectorSax(lector) != 0) return 0;
        lector->putContentHandler(&manejador);
        lector->AnalizarMemoria(datos, tamano);
        Comprobar(manejador.DiasSemana() == 5 || manejador.DiasSemana() == 6);
        Comprobar(manejador.NumeroMarcos() >= 0 && manejador.NumeroMarcos() <= NUM_MARCOS);
    }
    LlamadasPendientes().clear();

    const DHMARCOS& m = d->marcos;
    Comprobar(m.numPeriodos >= 1 && m.numPeriodos <= NUM_PERIODOS);
    Comprobar(m.numMarcos >= 1 && m.numMarcos <= NUM_MARCOS);
    Comprobar(m.numAulasGeneral <= MAX_AULAS_GENERAL);
    for (const auto& marco : m.bloques)
        for (const BloqueMarcoDia& b : marco) {
            Comprobar(b.numLectivos <= NUM_INTERVALOS);
            Comprobar(b.numRecreos <= MAX_RECREOS);
            Comprobar(b.posMediodia < NUM_INTERVALOS);
            for (int k = 0; k < b.numRecreos; ++k)
                Comprobar(b.posRecreos[k] >= 1 && b.posRecreos[k] < NUM_INTERVALOS);
        }
    if (d->tablaMarcos)
        for (int i = 0; i < TAMANO_TABLA_MARCOS; ++i) {
            const std::int32_t v = d->tablaMarcos[i];
            Comprobar(v == -1 || (v >= 0 && v < NUM_INTERVALOS) ||
                      (v >= 70 && v < 70 + MAX_RECREOS));
        }
    return 0;
}
