// Stand-ins that record their calls (see pendientes.h).
#include "xmlreader/pendientes.h"

#include "xmlreader/contenido.h"
#include "xmlreader/sesiones.h"

namespace {

bool guardarRegistros = true;

LlamadaPendiente& Anotar(const char* operacion, std::vector<long long> numeros = {},
                         std::vector<std::string> textos = {},
                         const REGISTROENCURSO* registro = nullptr) {
    LlamadaPendiente l;
    l.operacion = operacion;
    l.numeros = std::move(numeros);
    l.textos = std::move(textos);
    if (registro != nullptr && guardarRegistros)
        l.registro = std::make_shared<const REGISTROENCURSO>(*registro);
    LlamadasPendientes().push_back(std::move(l));
    return LlamadasPendientes().back();
}

} // namespace

std::vector<LlamadaPendiente>& LlamadasPendientes() {
    static std::vector<LlamadaPendiente> llamadas;
    return llamadas;
}

void GuardarRegistrosPendientes(bool guardar) {
    guardarRegistros = guardar;
}

// ---- Sessions ---------------------------------------------------------------------------------

MCList<DHSESI>::Nodo* CrearSesionXml(CDatos*, int id, const REGISTROENCURSO& registro,
                                     const std::map<std::string, int>& alumnosPorGrupo) {
    std::vector<std::string> grupos;
    for (const auto& [grupo, alumnos] : alumnosPorGrupo)
        grupos.push_back(grupo + "=" + std::to_string(alumnos));
    Anotar("CrearSesionXml", {id}, std::move(grupos), &registro);
    return nullptr;
}

void MyContentInterno2::ResolverRelacionesSesion(CDatos*, RELACIONESDESESIONES* relaciones) {
    Anotar("ResolverRelacionesSesion", {relaciones->sesion});
}

void MyContentInterno2::ResolverConsecutivas(CDatos*, RELACIONESCONSECUTIVAS* bloque) {
    std::vector<long long> ids(bloque->sesiones, bloque->sesiones + bloque->numSesiones);
    Anotar("ResolverConsecutivas", std::move(ids), {bloque->conOrden});
}

void MyContentInterno2::AnadirSimultaneas(CDatos*, int numero, const int ids[]) {
    Anotar("AnadirSimultaneas", std::vector<long long>(ids, ids + numero));
}
