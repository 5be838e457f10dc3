// The record builders of the exchange document reader: at the end tag of a record element the
// record in progress becomes one model record, appended at the tail of its list. References are
// resolved by name against the records already read and stored as the model stores them (list
// indices in the load flow); a record whose name is already in its list is left out, so the
// first record of a name wins.
#include <cstring>

#include "xmlreader/contenido.h"

namespace {

using Rejilla = std::uint8_t[NUM_DIAS][NUM_INTERVALOS];

void Empaquetar(MapaEmpaquetado& salida, const Rejilla& celdas) {
    MapaDisponibilidad m;
    std::memcpy(m.celdas, celdas, sizeof m.celdas);
    EmpaquetarMapa(salida, m);
}

// Every period and frame of the record in progress.
void EmpaquetarPorMarco(MapaEmpaquetado salida[NUM_PERIODOS][NUM_MARCOS],
                        const REGISTROENCURSO& r) {
    for (int p = 0; p < NUM_PERIODOS; ++p)
        for (int f = 0; f < NUM_MARCOS; ++f)
            Empaquetar(salida[p][f], r.plantilla[p][f]);
}

// One map per period: the record's own frame was read into the period's first grid.
void EmpaquetarPorPeriodo(MapaEmpaquetado salida[NUM_PERIODOS], const REGISTROENCURSO& r) {
    for (int p = 0; p < NUM_PERIODOS; ++p)
        Empaquetar(salida[p], r.plantilla[p][0]);
}

// The reference to the record named `nombre`, or to the list's first record (its placeholder)
// when there is none of that name.
template <class T>
Ref ReferenciaOPrimero(const CDatos& d, const MCList<T>& lista, const char* nombre) {
    auto* n = BuscarNombrado(lista, nombre);
    return d.Referencia<T>(n != nullptr ? n : lista.Cabeza());
}

// A record's frame: kept when the model has it, else the first frame.
std::int8_t MarcoExistente(const CDatos& d, std::int8_t marco) {
    return static_cast<std::uint8_t>(marco) < d.marcos.numMarcos ? marco : 0;
}

} // namespace

// ---- Teachers, rooms, tasks, departments, subjects, courses and groups ------------------------

MCList<DHPROF>::Nodo* MyContentInterno2::AnadirProfesor(CDatos* datos) {
    CDatos& d = *datos;
    REGISTROENCURSO& r = *registro_;
    OpcionesProfesor& o = r.opciones;
    // Split-day free periods: `preferentes` (high half) is never below `cantidad` (low half).
    for (std::uint8_t* b :
         {&o.periodoLibreTardes, &o.periodoLibreMananas, &o.periodoLibreJornadaPartida}) {
        const int cantidad = *b & 0x0F;
        if (cantidad > (*b >> 4)) *b = static_cast<std::uint8_t>((cantidad << 4) | cantidad);
    }
    if (d.profesores.BuscarNombre(r.profesor) != nullptr) return nullptr;

    auto* nodo = d.profesores.AnadirAlFinal();
    DHPROF& p = nodo->dato;
    // The department is kept as its node, the placeholder when the name is unknown.
    auto* departamento = BuscarNombrado(d.departamentos, r.departamento);
    p.departamento = CDatos::RefDeNodo<DHDEPT>(departamento != nullptr ? departamento
                                                                       : d.departamentos.Cabeza());
    p.opciones = o;
    CopiarTexto(p.nombre, r.profesor);
    CopiarTexto(p.abreviatura, r.abreviatura);
    CopiarTexto(p.nombreCompleto, r.nombreCompleto);
    CopiarTexto(p.email, r.email);
    CopiarTexto(p.horarioAsoc, r.horarioAsoc);
    CopiarTexto(p.tomaDePosesion, r.tomaDePosesion);
    CopiarTexto(p.claveDeExportacion, r.claveDeExportacion);
    CopiarTexto(p.mensaje, r.notas);
    EmpaquetarPorMarco(p.plantilla, r);
    p.daPracticas = static_cast<std::uint8_t>(r.daPracticas);
    p.reduccionCargaLectiva = static_cast<std::int8_t>(r.reduccionCargaLectiva);
    // A free period with days but no interval count, or the reverse, is dropped.
    OpcionesProfesor& q = p.opciones;
    if (q.tipoDePeriodo != 0 && ((q.cantidadDeDias == 0) != (q.intervalosLibres == 0))) {
        q.tipoDePeriodo = 0;
        q.cantidadDeDias = 0;
        q.intervalosLibres = 0;
    }
    return nodo;
}

MCList<DHAULA>::Nodo* MyContentInterno2::AnadirAula(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    // 250 rooms at most, "<cualquiera>" included.
    if (d.aulas.Cuenta() >= MAX_AULAS_GENERAL) return nullptr;
    if (d.aulas.BuscarNombre(r.aula) != nullptr) return nullptr;
    auto* nodo = d.aulas.AnadirAlFinal();
    DHAULA& a = nodo->dato;
    CopiarTexto(a.nombre, r.aula);
    CopiarTexto(a.abreviatura, r.abreviatura);
    CopiarTexto(a.descripcion, r.nombreCompleto);
    CopiarTexto(a.claveDeExportacion, r.claveDeExportacion);
    EmpaquetarPorMarco(a.plantilla, r);
    a.dedicada = r.dedicada != 0 ? 1 : 0;
    a.numeroAlumnos = static_cast<std::uint16_t>(r.numeroAlumnos);
    a.ocupaDiaCompleto = r.ocupaDiaCompleto != 0 ? 1 : 0;
    return nodo;
}

MCList<DHTIPO>::Nodo* MyContentInterno2::AnadirConjuntoAulas(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    if (d.tipos.BuscarNombre(r.nombreConjunto) != nullptr) return nullptr;
    DHTIPO t{};
    CopiarTexto(t.nombre, r.nombreConjunto);
    const int n = Acotar(r.numAulasConjunto, MAX_AULAS_CONJUNTO_XML);
    for (int i = 0; i < n; ++i)
        if (auto* aula = BuscarNombrado(d.aulas, r.aulasConjunto[i]))
            t.aulas[t.numAulas++] = d.Referencia<DHAULA>(aula);
    return d.tipos.AnadirAlFinal(t);
}

MCList<DHTARE>::Nodo* MyContentInterno2::AnadirTarea(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    if (d.tareas.BuscarNombre(r.tarea) != nullptr) return nullptr;
    auto* nodo = d.tareas.AnadirAlFinal();
    DHTARE& t = nodo->dato;
    CopiarTexto(t.nombre, r.tarea);
    CopiarTexto(t.nombreCompleto, r.nombreCompleto);
    CopiarTexto(t.claveDeExportacion, r.claveDeExportacion);
    EmpaquetarPorMarco(t.plantilla, r);
    return nodo;
}

void MyContentInterno2::VaciarTareas(CDatos* datos) {
    datos->tareas.Vaciar();
    datos->marcos.lectivaPorDefecto = 0;
    datos->marcos.reunionPorDefecto = 0;
    datos->marcos.guardiaPorDefecto = 0;
}

void MyContentInterno2::PonerLectivaPorDefecto(CDatos* datos, const char* tarea) {
    if (auto* n = BuscarNombrado(datos->tareas, tarea))
        datos->marcos.lectivaPorDefecto = datos->Referencia<DHTARE>(n);
}

void MyContentInterno2::PonerReunionPorDefecto(CDatos* datos, const char* tarea) {
    if (auto* n = BuscarNombrado(datos->tareas, tarea))
        datos->marcos.reunionPorDefecto = datos->Referencia<DHTARE>(n);
}

void MyContentInterno2::PonerGuardiaPorDefecto(CDatos* datos, const char* tarea) {
    if (auto* n = BuscarNombrado(datos->tareas, tarea))
        datos->marcos.guardiaPorDefecto = datos->Referencia<DHTARE>(n);
}

void MyContentInterno2::TerminarTareas(CDatos* datos) {
    CDatos& d = *datos;
    // A default that names no task read (none named, or no task at all) becomes the built-in
    // task of its kind, found or created, as an index like every reference of this model.
    const auto leidas = static_cast<Ref>(d.tareas.Cuenta());
    const bool comoIndice = d.modo == 1;
    if (d.marcos.lectivaPorDefecto >= leidas) d.AnadirTareaLectiva(comoIndice);
    if (d.marcos.guardiaPorDefecto >= leidas) d.AnadirTareaGuardia(comoIndice);
    if (d.marcos.reunionPorDefecto >= leidas) d.AnadirTareaReunion(comoIndice);
}

MCList<DHDEPT>::Nodo* MyContentInterno2::AnadirDepartamento(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    if (d.departamentos.BuscarNombre(r.departamento) != nullptr) return nullptr;
    auto* nodo = d.departamentos.AnadirAlFinal();
    DHDEPT& t = nodo->dato;
    CopiarTexto(t.nombre, r.departamento);
    CopiarTexto(t.nombreCompleto, r.nombreCompleto);
    CopiarTexto(t.mensajeAlDepartamento, r.notas);
    CopiarTexto(t.claveDeExportacion, r.claveDeExportacion);
    CopiarTexto(t.email, r.email);
    return nodo;
}

MCList<DHMATE>::Nodo* MyContentInterno2::AnadirMateria(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    if (d.materias.BuscarNombre(r.nombre) != nullptr) return nullptr;
    auto* nodo = d.materias.AnadirAlFinal();
    DHMATE& m = nodo->dato;
    m.departamento = ReferenciaOPrimero(d, d.departamentos, r.departamento);
    CopiarTexto(m.nombre, r.nombre);
    CopiarTexto(m.nombreCompleto, r.nombreCompleto);
    CopiarTexto(m.abreviatura, r.abreviatura);
    CopiarTexto(m.claveDeExportacion, r.claveDeExportacion);
    EmpaquetarPorMarco(m.plantilla, r);
    m.esDePractica = static_cast<std::uint8_t>(r.esDePractica);
    m.esTutoria = static_cast<std::uint8_t>(r.esTutoria);
    return nodo;
}

MCList<DHCURSO>::Nodo* MyContentInterno2::AnadirCurso(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    // A course already read keeps its subjects: the later one adds neither.
    if (d.cursos.BuscarNombre(r.curso) != nullptr) return nullptr;
    auto* nodo = d.cursos.AnadirAlFinal();
    DHCURSO& c = nodo->dato;
    CopiarTexto(c.nombreCompleto, r.nombreCompleto);
    CopiarTexto(c.claveDeExportacion, r.claveDeExportacion);
    CopiarTexto(c.nombre, r.curso);

    // The weekly sessions of a subject in this reader lie within 1 and the days of the week
    // times five (a value that is not a number counts as 1).
    const float maximo = d.marcos.sabado != 0 ? 30.0f : 25.0f;
    const Ref curso = d.Referencia<DHCURSO>(nodo);
    const int n = Acotar(r.numMateriasCurso, MAX_MATERIAS_CURSO_XML);
    for (int i = 0; i < n; ++i) {
        auto* materia = BuscarNombrado(d.materias, r.materiasCurso[i].nombre);
        if (materia == nullptr) continue;
        const Ref ref = d.Referencia<DHMATE>(materia);
        if (d.ExisteMatCur(ref, curso)) continue;
        float sesiones = r.materiasCurso[i].numSesiones;
        if (!(sesiones >= 1.0f)) sesiones = 1.0f;
        if (sesiones > maximo) sesiones = maximo;
        d.matCur.AnadirAlFinal(DHMATCUR{ref, curso, sesiones});
    }
    return nodo;
}

MCList<DHGRUP>::Nodo* MyContentInterno2::AnadirGrupo(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    if (d.grupos.BuscarNombre(r.grupo) != nullptr) return nullptr;
    auto* nodo = d.grupos.AnadirAlFinal();
    DHGRUP& g = nodo->dato;
    g.profesorTutor = ReferenciaOPrimero(d, d.profesores, r.profesor);
    g.cursoPerteneciente = ReferenciaOPrimero(d, d.cursos, r.curso);
    g.aula = ReferenciaOPrimero(d, d.aulas, r.aula);
    CopiarTexto(g.nombre, r.grupo);
    CopiarTexto(g.abreviatura, r.abreviatura);
    CopiarTexto(g.nombreCompleto, r.nombreCompleto);
    CopiarTexto(g.claveDeExportacion, r.claveDeExportacion);
    EmpaquetarPorPeriodo(g.plantilla, r);
    g.submarco = MarcoExistente(d, r.subMarco);
    g.tardesLibres = r.tardesLibres;
    g.numeroAlumnos = static_cast<std::uint16_t>(r.numeroAlumnos);
    g.noAdmiteHuecos = r.noAdmiteHuecos;
    g.huecosEnNoPreferentes = r.huecosEnNoPreferentes;
    return nodo;
}

// ---- Optional subjects, meetings, duties, complementary activities, far groups ----------------

MCList<DHOPTATIVAS>::Nodo* MyContentInterno2::AnadirOptativa(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    auto* grupo = BuscarNombrado(d.grupos, r.grupo);
    if (grupo == nullptr) return nullptr;
    DHOPTATIVAS o{};
    CopiarTexto(o.nombre, r.nombre);
    o.grupo = d.Referencia<DHGRUP>(grupo);
    o.maxSolapadas = r.maxSolapadas;
    // Each optional subject is the main record of the session with that id.
    const int n = Acotar(r.numSesionesBloque, MAX_SESIONES_BLOQUE_XML);
    for (int i = 0; i < n && o.numSesiones < DHOPTATIVAS::MAX_SESIONES; ++i) {
        if (auto* s = d.SesionPrincipalPorId(r.sesionesBloque[i].id)) {
            o.sesiones[o.numSesiones] = d.Referencia<DHSESI>(s);
            o.solapable[o.numSesiones] = static_cast<std::int8_t>(r.sesionesBloque[i].solapable);
            ++o.numSesiones;
        }
    }
    if (o.numSesiones == 0) return nullptr;
    if (d.optativas.BuscarNombre(o.nombre) != nullptr) return nullptr;
    sesionesReferidas_ = 1;
    return d.optativas.AnadirAlFinal(o);
}

MCList<DHREUN>::Nodo* MyContentInterno2::AnadirReunion(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    if (r.numIntegrantes <= 0) return nullptr;
    if (auto* existente = d.reuniones.BuscarNombre(r.nombre)) return existente;
    auto* nodo = d.reuniones.AnadirAlFinal();
    DHREUN& m = nodo->dato;
    CopiarTexto(m.nombre, r.nombre);
    // Meetings of double length are counted from 0x80.
    m.numeroDeReuniones =
        static_cast<std::uint8_t>(r.numeroDeReuniones + (r.dobleDuracion ? 0x80 : 0));
    m.lectiva = static_cast<std::uint8_t>(r.lectiva);
    m.subMarco = MarcoExistente(d, r.subMarco);
    auto* tarea = BuscarNombrado(d.tareas, r.tarea);
    m.tipoDeTarea = tarea != nullptr ? d.Referencia<DHTARE>(tarea) : d.marcos.reunionPorDefecto;
    const int n = Acotar(r.numIntegrantes, MAX_INTEGRANTES_REUNION_XML);
    for (int i = 0; i < n; ++i)
        if (auto* p = BuscarNombrado(d.profesores, r.integrantes[i]))
            m.integrantes[m.numIntegrantes++] = d.Referencia<DHPROF>(p);
    EmpaquetarPorPeriodo(m.plantilla, r);
    std::memcpy(m.periodos, r.periodos, sizeof m.periodos);
    m.mismaPosicionDistintosPeriodos = r.mismaPosicionDistintosPeriodos;
    return nodo;
}

MCList<DHGUAR>::Nodo* MyContentInterno2::AnadirGuardia(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    if (auto* existente = d.guardias.BuscarNombre(r.nombre)) return existente;
    // A duty record is large: it is filled in its node.
    auto* nodo = d.guardias.AnadirAlFinal();
    DHGUAR& g = nodo->dato;
    std::memcpy(g.periodos, r.periodos, sizeof g.periodos);
    g.mismaPosicionDistintosPeriodos = r.mismaPosicionDistintosPeriodos;
    CopiarTexto(g.nombre, r.nombre);
    g.subMarco = MarcoExistente(d, r.subMarco);
    RellenarPlantillasIntegrantes(g.mapasIntegrantes);
    auto* tarea = BuscarNombrado(d.tareas, r.tarea);
    g.tipoDeTarea = tarea != nullptr ? d.Referencia<DHTARE>(tarea) : d.marcos.guardiaPorDefecto;
    // Members found as teachers, each with its maps and count; unknown names are skipped.
    const int n = Acotar(r.numIntegrantesGuardia, MAX_INTEGRANTES_GUARDIA_XML);
    int k = 0;
    for (int j = 0; j < n && k < DHGUAR::MAX_INTEGRANTES; ++j) {
        const IntegranteGuardiaXml& e = r.integrantesGuardia[j];
        auto* p = BuscarNombrado(d.profesores, e.nombre);
        if (p == nullptr) continue;
        g.integrantes[k] = d.Referencia<DHPROF>(p);
        for (int q = 0; q < NUM_PERIODOS; ++q)
            g.mapasIntegrantes[q][k] = e.mapas[q];
        g.numeroDeGuardias[k] = static_cast<std::uint8_t>(e.numeroDeGuardias);
        ++k;
    }
    g.numIntegrantes = static_cast<std::uint8_t>(k);
    g.cantidad = static_cast<std::uint8_t>(r.cantidad);
    g.porTramo = static_cast<std::uint8_t>(r.porTramo);
    g.enRecreos = r.enRecreos != 0 ? 1 : 0;
    g.lectiva = static_cast<std::uint8_t>(r.lectiva);
    EmpaquetarPorPeriodo(g.plantilla, r);
    std::memcpy(g.cantidadTramo, r.cantidadesTramo, sizeof g.cantidadTramo);
    return nodo;
}

MCList<DHCOMP>::Nodo* MyContentInterno2::AnadirComplementaria(CDatos* datos) {
    CDatos& d = *datos;
    const REGISTROENCURSO& r = *registro_;
    auto* tarea = BuscarNombrado(d.tareas, r.tarea);
    auto* profesor = BuscarNombrado(d.profesores, r.profesor);
    if (tarea == nullptr || profesor == nullptr) return nullptr;
    DHCOMP c{};
    c.tarea = d.Referencia<DHTARE>(tarea);
    c.profesor = d.Referencia<DHPROF>(profesor);
    c.intervalosSemanales = static_cast<std::int8_t>(r.intervalosSemanales);
    c.maxIntervalosDiarios = static_cast<std::uint8_t>(r.maxIntervalosDiarios);
    c.noConsecutivos = static_cast<std::uint8_t>(r.noConsecutivos);
    c.subMarco = MarcoExistente(d, r.subMarco);
    c.lectiva = static_cast<std::uint8_t>(r.lectiva);
    std::memcpy(c.periodos, r.periodos, sizeof c.periodos);
    c.mismaPosicionDistintosPeriodos = r.mismaPosicionDistintosPeriodos;
    EmpaquetarPorPeriodo(c.plantilla, r);
    return d.complementarias.AnadirAlFinal(c);
}

void MyContentInterno2::AnadirGruposAlejados(CDatos* datos,
                                             const std::vector<std::string>& grupos) {
    // A name that matches no group is left out: the first group is a real one.
    for (const std::string& nombre : grupos)
        if (auto* g = BuscarNombrado(datos->grupos, nombre.c_str()))
            datos->gruposAlejados.AnadirAlFinal(datos->Referencia<DHGRUP>(g));
}
