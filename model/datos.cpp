#include "model/datos.h"

#include <algorithm>
#include <cstring>

#include "platform/text.h"
#include "resources/cadenas.h"

using plataforma::Comparacion;
using plataforma::CompararNombres;

CDatos::CDatos(int modo_) {
    Inicializar(modo_);
}

CDatos::~CDatos() {
    Vaciar();
    colocacion.Vaciar();
    marcosHorario.reset();
    tablaMarcos.reset();
    clavesImportadas.Vaciar();
}

void CDatos::Inicializar(int modo_) {
    modo = modo_;
    marcosHorario = std::make_unique<CMarcosHorario>(&marcos);
    marcosHorario->Inicializar();
    colocacion.Vaciar();
    tablaMarcos.reset();
}

// The model keeps no bookkeeping header of its own; the flows still call this before a fill.
void CDatos::ReiniciarCabecera() {}

void CDatos::IniciarMarcos() {
    marcosHorario->Inicializar();
    otros = BloqueOtros{};
    otros.permitirAgregarProfesor = 1;
    otros.permitirCamHorasReduccion = 1;
    otros.cantidadDePrefNo1 = 5;
    otros.cantidadDePrefNo2 = 5;
    otros.definirTutor = 1;
    otros.elegirGrupoTutor = 1;
    otros.hacerGuardias = 1;
    otros.cambiarAula = 1;
    otros.permitirDistAlt = 1;
}

void CDatos::Vaciar() {
    ReiniciarCabecera();
    extensiones.clear();
    gruposAlejados.Vaciar();
    tipos.Vaciar();
    aulas.Vaciar();
    grupos.Vaciar();
    cursos.Vaciar();
    matCur.Vaciar();
    profesores.Vaciar();
    materias.Vaciar();
    sesiones.Vaciar();
    reuniones.Vaciar();
    guardias.Vaciar();
    tareas.Vaciar();
    complementarias.Vaciar();
    departamentos.Vaciar();
    optativas.Vaciar();
    // The recess duty table points at teacher and duty nodes that no longer exist.
    colocacion.VaciarGuardiasRecreo();
}

// ---- Built-in records -------------------------------------------------------------------------

void CDatos::AnadirRegistrosPorDefecto() {
    auto* aula = aulas.AnadirAlFinal();
    CopiarTexto(aula->dato.nombre, recursos::Cadena(recursos::IDS_CUALQUIERA));
    RellenarMapasEmpaquetados(aula->dato.plantilla, MAPA_PREFERENTEMENTE_NO2);

    DHTIPO tipo{};
    CopiarTexto(tipo.nombre, recursos::Cadena(recursos::IDS_NINGUNO_CONJUNTO));
    tipos.AnadirAlFinal(tipo);
    tipo = DHTIPO{};
    CopiarTexto(tipo.nombre, recursos::Cadena(recursos::IDS_GENERAL));
    tipos.AnadirAlFinal(tipo);

    AnadirDepartamentoPorDefecto();
    AnadirProfesorPorDefecto();
    AnadirTareasPorDefecto();
}

void CDatos::AnadirDepartamentoPorDefecto() {
    auto* n = departamentos.AnadirAlFinal();
    CopiarTexto(n->dato.nombre, recursos::Cadena(recursos::IDS_NINGUNO));
    CopiarTexto(n->dato.nombreCompleto, recursos::Cadena(recursos::IDS_NINGUNO));
}

void CDatos::AnadirProfesorPorDefecto() {
    const char* sinNombre = recursos::Cadena(recursos::IDS_SIN_NOMBRE);
    auto* p = profesores.AnadirAlFinal();
    CopiarTexto(p->dato.nombre, sinNombre);
    CopiarTexto(p->dato.nombreCompleto, sinNombre);
    CopiarTexto(p->dato.abreviatura, sinNombre);
    p->dato.opciones = marcos.valorInicialProfesores;
    p->dato.departamento = RefDeNodo<DHDEPT>(departamentos.Cabeza());

    auto* c = cursos.AnadirAlFinal();
    CopiarTexto(c->dato.nombre, sinNombre);
    CopiarTexto(c->dato.nombreCompleto, sinNombre);
}

void CDatos::AnadirTareasPorDefecto() {
    // At set-up a model of mode 1 already stores its links as indices, like every other
    // reference of that mode, so a document without a task list leaves them valid.
    const bool comoIndice = modo == 1;
    AnadirTareaLectiva(comoIndice);
    AnadirTareaGuardia(comoIndice);
    AnadirTareaReunion(comoIndice);
}

namespace {
Ref BuscarOCrearTarea(CDatos& d, const char* codigo, const char* nombreCompleto, bool comoIndice) {
    auto* n = d.tareas.BuscarNombre(codigo);
    if (n == nullptr) {
        n = d.tareas.AnadirAlFinal();
        CopiarTexto(n->dato.nombre, codigo);
        CopiarTexto(n->dato.claveDeExportacion, codigo);
        CopiarTexto(n->dato.nombreCompleto, nombreCompleto);
        RellenarMapasEmpaquetados(n->dato.plantilla, MAPA_DISPONIBLE);
    }
    if (comoIndice) return static_cast<Ref>(CalcularIndiceNodo(n));
    return CDatos::RefDeNodo<DHTARE>(n);
}
} // namespace

void CDatos::AnadirTareaLectiva(bool comoIndice) {
    marcos.lectivaPorDefecto =
        BuscarOCrearTarea(*this, "LEC", recursos::Cadena(recursos::IDS_TAREA_LECTIVA), comoIndice);
}

void CDatos::AnadirTareaGuardia(bool comoIndice) {
    marcos.guardiaPorDefecto =
        BuscarOCrearTarea(*this, "G", recursos::Cadena(recursos::IDS_TAREA_GUARDIA), comoIndice);
}

void CDatos::AnadirTareaReunion(bool comoIndice) {
    marcos.reunionPorDefecto =
        BuscarOCrearTarea(*this, "RDP", recursos::Cadena(recursos::IDS_TAREA_REUNION), comoIndice);
}

// ---- Subject-in-course pairs ------------------------------------------------------------------

void CDatos::AnadirMatCur(MCList<DHMATE>::Nodo* materia, MCList<DHCURSO>::Nodo* curso,
                          float numSesiones) {
    DHMATCUR par{};
    par.materia = Referencia<DHMATE>(materia);
    par.curso = Referencia<DHCURSO>(curso);
    if (ExisteMatCur(par.materia, par.curso)) return;
    numSesiones = std::max(1.0f, numSesiones);
    if (numSesiones > 25.0f) numSesiones = 1.0f;
    par.numSesiones = numSesiones;
    if (modo == 1)
        matCur.AnadirAlFinal(par);
    else
        InsertarMatCurOrdenada(par);
}

bool CDatos::ExisteMatCur(Ref materia, Ref curso) const {
    SincronizarParesMatCur();
    return paresMatCur_.count({materia, curso}) != 0;
}

void CDatos::SincronizarParesMatCur() const {
    if (estructuraParesMatCur_ != matCur.Estructura()) {
        paresMatCur_.clear();
        ultimoParMatCur_ = nullptr;
        estructuraParesMatCur_ = matCur.Estructura();
    }
    for (auto* n = ultimoParMatCur_ != nullptr ? ultimoParMatCur_->siguiente : matCur.Cabeza();
         n != nullptr; n = n->siguiente) {
        paresMatCur_.emplace(n->dato.materia, n->dato.curso);
        ultimoParMatCur_ = n;
    }
}

MCList<DHMATCUR>::Nodo* CDatos::InsertarMatCurOrdenada(const DHMATCUR& par) {
    // The set of pairs follows this insert instead of being built again.
    SincronizarParesMatCur();
    auto* n = InsertarMatCurEnOrden(par);
    paresMatCur_.emplace(par.materia, par.curso);
    estructuraParesMatCur_ = matCur.Estructura();
    return n;
}

// ---- Sessions by document id -------------------------------------------------------------------

const CDatos::SesionesDeId* CDatos::BuscarSesionesDeId(int id) const {
    if (!sesionesDeIdValidas_ || versionSesionesDeId_ != sesiones.Version() ||
        cambiosSesionesDeId_ != sesionesCambiadas_) {
        sesionesDeId_.clear();
        // Each kind of lookup keeps the first record, in list order, that answers it.
        MCList<DHSESI>::Nodo* principal = nullptr;
        for (auto* n = sesiones.Cabeza(); n != nullptr; n = n->siguiente) {
            const DHSESI& s = n->dato;
            const bool esPrincipal = s.tipo == SESION_PRINCIPAL;
            const bool esSimultanea = s.tipo == SESION_SIMULTANEA;
            if (!esPrincipal && !esSimultanea) continue;
            auto [e, nueva] = sesionesDeId_.try_emplace(s.id);
            SesionesDeId& x = e->second;
            if (nueva) x.registro = n;
            if (esPrincipal) principal = n;
            if ((esPrincipal || s.aulaAdicional == 0) && x.propia == nullptr) {
                x.propia = n;
                x.porId = esPrincipal ? n : principal;
            }
        }
        versionSesionesDeId_ = sesiones.Version();
        cambiosSesionesDeId_ = sesionesCambiadas_;
        sesionesDeIdValidas_ = true;
    }
    const auto e = sesionesDeId_.find(id);
    return e != sesionesDeId_.end() ? &e->second : nullptr;
}

MCList<DHSESI>::Nodo* CDatos::SesionPorId(int id) const {
    const SesionesDeId* x = BuscarSesionesDeId(id);
    return x != nullptr ? x->porId : nullptr;
}

MCList<DHSESI>::Nodo* CDatos::SesionPropiaPorId(int id) const {
    const SesionesDeId* x = BuscarSesionesDeId(id);
    return x != nullptr ? x->propia : nullptr;
}

bool CDatos::PrincipalesEnPaso() const {
    return principalesValidos_ && versionPrincipales_ == sesiones.Version() &&
           cambiosPrincipales_ == sesionesCambiadas_;
}

MCList<DHSESI>::Nodo* CDatos::SesionPrincipalPorId(int id) const {
    if (!PrincipalesEnPaso()) {
        principalesDeId_.clear();
        for (auto* n = sesiones.Cabeza(); n != nullptr; n = n->siguiente)
            if (n->dato.tipo == SESION_PRINCIPAL) principalesDeId_[n->dato.id].push_back(n);
        versionPrincipales_ = sesiones.Version();
        cambiosPrincipales_ = sesionesCambiadas_;
        principalesValidos_ = true;
    }
    const auto e = principalesDeId_.find(id);
    return e != principalesDeId_.end() && !e->second.empty() ? e->second.front() : nullptr;
}

void CDatos::ConvertirEnSimultanea(MCList<DHSESI>::Nodo* sesion) {
    const bool enPaso = PrincipalesEnPaso();
    const bool eraPrincipal = sesion->dato.tipo == SESION_PRINCIPAL;
    sesion->dato.tipo = SESION_SIMULTANEA;
    SesionesCambiadas();
    if (!enPaso) return;
    if (eraPrincipal) {
        auto& v = principalesDeId_[sesion->dato.id];
        if (const auto e = std::find(v.begin(), v.end(), sesion); e != v.end()) v.erase(e);
    }
    cambiosPrincipales_ = sesionesCambiadas_;
}

void CDatos::MoverRegistroSesion(MCList<DHSESI>::Nodo* registro, MCList<DHSESI>::Nodo* pos) {
    const bool enPaso = PrincipalesEnPaso() && registro->dato.tipo != SESION_PRINCIPAL;
    sesiones.Mover(registro, pos);
    if (enPaso) versionPrincipales_ = sesiones.Version();
}

MCList<DHSESI>::Nodo* CDatos::RegistroSesionPorId(int id) const {
    const SesionesDeId* x = BuscarSesionesDeId(id);
    return x != nullptr ? x->registro : nullptr;
}

namespace {
const char* NombreMateria(Ref r) {
    auto* n = CDatos::NodoDe<DHMATE>(r);
    return n != nullptr ? n->dato.nombre : "";
}
const char* NombreCurso(Ref r) {
    auto* n = CDatos::NodoDe<DHCURSO>(r);
    return n != nullptr ? n->dato.nombre : "";
}
} // namespace

bool CDatos::ClaveDeMatCur(const DHMATCUR& par, ClaveMatCur& clave) const {
    return plataforma::ClaveDeNombre(NombreMateria(par.materia), clave.first) &&
           plataforma::ClaveDeNombre(NombreCurso(par.curso), clave.second);
}

// The order of the pairs from the list, when the list is in order; false when it is not (or a
// key cannot be made), and the inserts then walk the list.
bool CDatos::RehacerOrdenMatCur() {
    ordenMatCur_.clear();
    ClaveMatCur clave;
    for (auto* n = matCur.Cabeza(); n != nullptr; n = n->siguiente) {
        if (!ClaveDeMatCur(n->dato, clave) ||
            (!ordenMatCur_.empty() && clave < std::prev(ordenMatCur_.end())->first)) {
            ordenMatCur_.clear();
            return false;
        }
        ordenMatCur_.emplace_hint(ordenMatCur_.end(), clave, n);
    }
    return true;
}

MCList<DHMATCUR>::Nodo* CDatos::InsertarMatCurEnOrden(const DHMATCUR& par) {
    // The new pair goes before the first pair not below it: its subject name comes later, or
    // the same subject name with a course name not below its own.
    ClaveMatCur clave;
    bool enOrden = ClaveDeMatCur(par, clave);
    if (enOrden && (!ordenMatCurValido_ || versionOrdenMatCur_ != matCur.Version()))
        enOrden = RehacerOrdenMatCur();
    ordenMatCurValido_ = enOrden;
    MCList<DHMATCUR>::Nodo* nuevo = nullptr;
    if (enOrden) {
        const auto pos = ordenMatCur_.lower_bound(clave);
        nuevo = pos != ordenMatCur_.end() ? matCur.InsertarAntes(pos->second, par)
                                          : matCur.AnadirAlFinal(par);
        // Just before `pos`: equal keys keep the list's order.
        ordenMatCur_.emplace_hint(pos, clave, nuevo);
        versionOrdenMatCur_ = matCur.Version();
        return nuevo;
    }
    const char* materia = NombreMateria(par.materia);
    const char* curso = NombreCurso(par.curso);
    for (auto* e = matCur.Cabeza(); e != nullptr; e = e->siguiente) {
        const Comparacion c = CompararNombres(materia, NombreMateria(e->dato.materia));
        if (c == Comparacion::Menor) return matCur.InsertarAntes(e, par);
        if (c == Comparacion::Igual &&
            CompararNombres(curso, NombreCurso(e->dato.curso)) != Comparacion::Mayor)
            return matCur.InsertarAntes(e, par);
    }
    return matCur.AnadirAlFinal(par);
}
