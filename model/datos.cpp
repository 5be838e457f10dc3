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
    for (const DHMATCUR& e : matCur)
        if (e.materia == par.materia && e.curso == par.curso) return;
    numSesiones = std::max(1.0f, numSesiones);
    if (numSesiones > 25.0f) numSesiones = 1.0f;
    par.numSesiones = numSesiones;
    if (modo == 1)
        matCur.AnadirAlFinal(par);
    else
        InsertarMatCurOrdenada(par);
}

MCList<DHMATCUR>::Nodo* CDatos::InsertarMatCurOrdenada(const DHMATCUR& par) {
    auto nombreMateria = [](Ref r) {
        auto* n = NodoDe<DHMATE>(r);
        return n != nullptr ? n->dato.nombre : "";
    };
    auto nombreCurso = [](Ref r) {
        auto* n = NodoDe<DHCURSO>(r);
        return n != nullptr ? n->dato.nombre : "";
    };
    const char* materia = nombreMateria(par.materia);
    const char* curso = nombreCurso(par.curso);
    for (auto* e = matCur.Cabeza(); e != nullptr; e = e->siguiente) {
        const Comparacion c = CompararNombres(materia, nombreMateria(e->dato.materia));
        if (c == Comparacion::Menor) return matCur.InsertarAntes(e, par);
        if (c == Comparacion::Igual &&
            CompararNombres(curso, nombreCurso(e->dato.curso)) != Comparacion::Mayor)
            return matCur.InsertarAntes(e, par);
    }
    return matCur.AnadirAlFinal(par);
}
