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

// ---- Record builders --------------------------------------------------------------------------

MCList<DHPROF>::Nodo* MyContentInterno2::AnadirProfesor(CDatos*) {
    Anotar("AnadirProfesor", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHCURSO>::Nodo* MyContentInterno2::AnadirCurso(CDatos*) {
    Anotar("AnadirCurso", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHGRUP>::Nodo* MyContentInterno2::AnadirGrupo(CDatos*) {
    Anotar("AnadirGrupo", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHMATE>::Nodo* MyContentInterno2::AnadirMateria(CDatos*) {
    Anotar("AnadirMateria", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHDEPT>::Nodo* MyContentInterno2::AnadirDepartamento(CDatos*) {
    Anotar("AnadirDepartamento", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHTARE>::Nodo* MyContentInterno2::AnadirTarea(CDatos*) {
    Anotar("AnadirTarea", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHAULA>::Nodo* MyContentInterno2::AnadirAula(CDatos*) {
    Anotar("AnadirAula", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHTIPO>::Nodo* MyContentInterno2::AnadirConjuntoAulas(CDatos*) {
    Anotar("AnadirConjuntoAulas", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHOPTATIVAS>::Nodo* MyContentInterno2::AnadirOptativa(CDatos*) {
    Anotar("AnadirOptativa", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHREUN>::Nodo* MyContentInterno2::AnadirReunion(CDatos*) {
    Anotar("AnadirReunion", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHGUAR>::Nodo* MyContentInterno2::AnadirGuardia(CDatos*) {
    Anotar("AnadirGuardia", {}, {}, registro_.get());
    return nullptr;
}
MCList<DHCOMP>::Nodo* MyContentInterno2::AnadirComplementaria(CDatos*) {
    Anotar("AnadirComplementaria", {}, {}, registro_.get());
    return nullptr;
}
void MyContentInterno2::AnadirGruposAlejados(CDatos*, const std::vector<std::string>& grupos) {
    Anotar("AnadirGruposAlejados", {}, grupos);
}
void MyContentInterno2::VaciarTareas(CDatos*) {
    Anotar("VaciarTareas");
}
void MyContentInterno2::TerminarTareas(CDatos*) {
    Anotar("TerminarTareas");
}
void MyContentInterno2::PonerLectivaPorDefecto(CDatos*, const char* tarea) {
    Anotar("PonerLectivaPorDefecto", {}, {tarea});
}
void MyContentInterno2::PonerReunionPorDefecto(CDatos*, const char* tarea) {
    Anotar("PonerReunionPorDefecto", {}, {tarea});
}
void MyContentInterno2::PonerGuardiaPorDefecto(CDatos*, const char* tarea) {
    Anotar("PonerGuardiaPorDefecto", {}, {tarea});
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
