// Teaching sessions of the exchange document: the session chains and the lookups of sessions
// by document id.
//
// A session is a chain of DHSESI records: its main record, then one 'M' record
// per further subject or group, one 'P' record per further teacher and one 'S'
// record per further room. Sessions are named in the document by id; a session
// folded into a simultaneous block becomes an 'S' record (without the
// further-room flag) in the chain of the block's first session.
#include "xmlreader/sesiones.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "xmlreader/contenido.h"

namespace {

using Nodo = MCList<DHSESI>::Nodo;

// ---- Code lists
// -------------------------------------------------------------------------------

struct CodigoMateriaGrupo {
    char materia[31];
    char grupo[31];
    char tarea[31];
};

struct CodigoProfesor {
    char profesor[31];
    char tarea[31];
};

struct CodigoAula {
    char aula[31];
    char conjunto[31];
    char tarea[31];
};

// The texts of the main record that the sort of the further subjects and groups
// may swap.
struct TextosPrincipal {
    char materia[31];
    char grupo[31];
    char tarea[31];
};

bool Antes(const char* a, const char* b) {
    return std::strcmp(a, b) < 0;
}

// Byte-order bubble sort by `clave`; equal keys keep their order.
template <class T, class Clave> void Burbuja(T* v, int n, Clave clave) {
    for (int pasada = 0; pasada < n - 1; ++pasada)
        for (int i = 0; i + 1 < n; ++i)
            if (Antes(clave(v[i + 1]), clave(v[i]))) std::swap(v[i], v[i + 1]);
}

// The further subjects and groups: the main record takes the group of the last
// entry whose group (one of the model's) sorts before its own, with that
// entry's task and subject when it names them; then the entries are sorted by
// group.
void OrdenarCodigosConPrincipal(const CDatos& d, TextosPrincipal& principal, CodigoMateriaGrupo* v,
                                int n) {
    if (n < 1 || d.grupos.BuscarNombre(principal.grupo) == nullptr) return;
    int ultimo = -1;
    for (int i = 0; i < n; ++i)
        if (v[i].grupo[0] != '\0' && d.grupos.BuscarNombre(v[i].grupo) != nullptr &&
            Antes(v[i].grupo, principal.grupo))
            ultimo = i;
    if (ultimo >= 0) {
        CodigoMateriaGrupo& e = v[ultimo];
        std::swap(principal.grupo, e.grupo);
        if (e.tarea[0] != '\0') std::swap(principal.tarea, e.tarea);
        if (e.materia[0] != '\0') std::swap(principal.materia, e.materia);
    }
    Burbuja(v, n, [](const CodigoMateriaGrupo& e) { return e.grupo; });
}

// ---- References
// -------------------------------------------------------------------------------

// The room set of a session record: the one named; "<general>" for a name that
// is not a set; with no name, "<general>" when the room is "<cualquiera>", else
// "< no >".
Ref Conjunto(const CDatos& d, const char* nombre, const MCList<DHAULA>::Nodo* aula) {
    if (nombre[0] != '\0') {
        if (auto* t = d.tipos.BuscarNombre(nombre)) return d.Referencia<DHTIPO>(t);
        return d.Referencia<DHTIPO>(d.tipos.NodoEnIndice(1));
    }
    if (aula == d.aulas.Cabeza()) return d.Referencia<DHTIPO>(d.tipos.NodoEnIndice(1));
    return d.Referencia<DHTIPO>(d.tipos.Cabeza());
}

// A companion's task: its own when it names a task, else the main record's.
Ref TareaCompanera(const CDatos& d, const char* nombre, Ref principal) {
    auto* t = BuscarNombrado(d.tareas, nombre);
    return t != nullptr ? d.Referencia<DHTARE>(t) : principal;
}

} // namespace

// ---- Session chains
// ---------------------------------------------------------------------------

MCList<DHSESI>::Nodo* CrearSesionXml(CDatos* datos, int id, const REGISTROENCURSO& r,
                                     const std::map<std::string, int>& alumnosPorGrupo) {
    CDatos& d = *datos;

    // The code lists, sorted in byte order.
    const int numM = Acotar(r.numMateriasGrupos, MAX_COMPANEROS_XML);
    const int numP = Acotar(r.numProfesores, MAX_COMPANEROS_XML);
    const int numS = Acotar(r.numAulas, MAX_COMPANEROS_XML);
    CodigoMateriaGrupo m[MAX_COMPANEROS_XML];
    CodigoProfesor p[MAX_COMPANEROS_XML];
    CodigoAula s[MAX_COMPANEROS_XML];
    for (int i = 0; i < numM; ++i) {
        CopiarTexto(m[i].materia, r.materiasGrupos[i].materia);
        CopiarTexto(m[i].grupo, r.materiasGrupos[i].grupo);
        CopiarTexto(m[i].tarea, r.materiasGrupos[i].tarea);
    }
    for (int i = 0; i < numP; ++i) {
        CopiarTexto(p[i].profesor, r.profesores[i].profesor);
        CopiarTexto(p[i].tarea, r.profesores[i].tarea);
    }
    for (int i = 0; i < numS; ++i) {
        CopiarTexto(s[i].aula, r.aulas[i].aula);
        CopiarTexto(s[i].conjunto, r.aulas[i].conjunto);
        CopiarTexto(s[i].tarea, r.aulas[i].tarea);
    }
    TextosPrincipal texto{};
    CopiarTexto(texto.materia, r.nombre);
    CopiarTexto(texto.grupo, r.grupo);
    CopiarTexto(texto.tarea, r.tarea);
    OrdenarCodigosConPrincipal(d, texto, m, numM);
    Burbuja(p, numP, [](const CodigoProfesor& e) { return e.profesor; });
    // The further rooms' running numbers stay in the order they were read.
    Burbuja(s, numS, [](const CodigoAula& e) { return e.aula; });

    // The main record's references: an unknown teacher, group or subject leaves
    // the session out.
    auto* profesor =
        r.profesor[0] != '\0' ? d.profesores.BuscarNombre(r.profesor) : d.profesores.Cabeza();
    auto* grupo = BuscarNombrado(d.grupos, texto.grupo);
    auto* materia = BuscarNombrado(d.materias, texto.materia);
    if (profesor == nullptr || grupo == nullptr || materia == nullptr) return nullptr;
    auto* tarea = BuscarNombrado(d.tareas, texto.tarea);
    auto* aula = BuscarNombrado(d.aulas, r.aula);
    if (aula == nullptr) aula = d.aulas.Cabeza();
    auto* departamento = BuscarNombrado(d.departamentos, r.departamento);
    if (departamento == nullptr) departamento = d.departamentos.Cabeza();

    // The main record is filled in its node (a zeroed record at the tail of the list).
    auto* cabeza = d.sesiones.AnadirAlFinal();
    DHSESI& principal = cabeza->dato;
    principal.tipo = SESION_PRINCIPAL;
    principal.id = id;
    principal.marco = grupo->dato.submarco;
    principal.profesor = d.Referencia<DHPROF>(profesor);
    principal.grupo = d.Referencia<DHGRUP>(grupo);
    principal.materia = d.Referencia<DHMATE>(materia);
    principal.tarea = tarea != nullptr ? d.Referencia<DHTARE>(tarea) : d.marcos.lectivaPorDefecto;
    principal.aula = d.Referencia<DHAULA>(aula);
    principal.conjuntoAlternativo = Conjunto(d, r.conjuntoAlternativo, aula);
    principal.departamento = d.Referencia<DHDEPT>(departamento);
    const auto alumnos = alumnosPorGrupo.find(texto.grupo);
    principal.numeroAlumnos =
        alumnos != alumnosPorGrupo.end() ? static_cast<std::uint16_t>(alumnos->second) : 0;

    int alternativas = 0;
    for (const auto& a : r.distribucionesAlternativas)
        if (a[0] != '\0') ++alternativas;
    if (r.distribucionVariable != 0) {
        principal.tipoDistribucion = 1;
        principal.numMaximoDeSesiones = r.numMaximoDeSesiones;
        principal.opcionesDistribucionVariable =
            static_cast<std::uint8_t>((r.admitirBloquesDiscontinuos != 0 ? 0x01 : 0) |
                                      (r.penalizarSesionesSueltas == 1 ? 0x02 : 0) |
                                      (r.penalizarSesionesSueltas == 2 ? 0x08 : 0) |
                                      (r.penalizarBloquesMaximos != 0 ? 0x04 : 0));
    } else if (alternativas > 0) {
        principal.tipoDistribucion = 2;
        principal.numDistribucionesAlternativas = static_cast<std::uint8_t>(alternativas);
        for (int k = 0; k < MAX_DISTRIBUCIONES_XML; ++k)
            CopiarTexto(principal.distribucionesAlternativas[k], r.distribucionesAlternativas[k]);
    }
    for (int q = 0; q < NUM_PERIODOS; ++q) {
        MapaDisponibilidad mapa;
        std::memcpy(mapa.celdas, r.plantilla[q][0], sizeof mapa.celdas);
        EmpaquetarMapa(principal.plantilla[q], mapa);
    }
    principal.opciones = r.opcionesSesion;
    CopiarTexto(principal.distribucion, r.distribucion);
    principal.enDiasSeguidos = static_cast<std::uint8_t>(r.enDiasSeguidos);
    CopiarTexto(principal.grupoMateria, r.grupoMateria);
    principal.tipoGrupoMateria = r.tipoGrupoMateria;
    CopiarTexto(principal.notas, r.notas);
    std::memcpy(principal.periodos, r.periodos, sizeof principal.periodos);

    // Companions follow in order: further subjects and groups, teachers, rooms. Each list
    // starts from a copy of the main record.
    DHSESI c{};
    if (numM > 0) c = principal;
    for (int i = 0; i < numM; ++i) {
        auto* mat = BuscarNombrado(d.materias, m[i].materia);
        auto* gru = BuscarNombrado(d.grupos, m[i].grupo);
        const auto a = alumnosPorGrupo.find(m[i].grupo);
        if (a != alumnosPorGrupo.end()) c.numeroAlumnos = static_cast<std::uint16_t>(a->second);
        if (mat == nullptr && gru == nullptr) continue;
        c.tipo = SESION_MATERIA;
        c.materia = mat != nullptr ? d.Referencia<DHMATE>(mat) : principal.materia;
        c.grupo = gru != nullptr ? d.Referencia<DHGRUP>(gru) : principal.grupo;
        c.tarea = TareaCompanera(d, m[i].tarea, principal.tarea);
        d.sesiones.AnadirAlFinal(c);
    }
    if (numP > 0) c = principal;
    for (int i = 0; i < numP; ++i) {
        auto* pro = p[i].profesor[0] != '\0' ? d.profesores.BuscarNombre(p[i].profesor)
                                             : d.profesores.Cabeza();
        if (pro == nullptr) continue;
        c.tipo = SESION_PROFESOR;
        c.profesor = d.Referencia<DHPROF>(pro);
        c.tarea = TareaCompanera(d, p[i].tarea, principal.tarea);
        d.sesiones.AnadirAlFinal(c);
    }
    if (numS > 0) c = principal;
    for (int i = 0; i < numS; ++i) {
        auto* au = BuscarNombrado(d.aulas, s[i].aula);
        if (au == nullptr) au = d.aulas.Cabeza();
        c.tipo = SESION_SIMULTANEA;
        c.aulaAdicional = 1;
        c.aula = d.Referencia<DHAULA>(au);
        c.conjuntoAlternativo = Conjunto(d, s[i].conjunto, au);
        c.tarea = TareaCompanera(d, s[i].tarea, principal.tarea);
        c.origenAula = r.aulas[i].origenAula;
        d.sesiones.AnadirAlFinal(c);
    }
    return cabeza;
}

// ---- Lookups
// ----------------------------------------------------------------------------------

MCList<DHSESI>::Nodo* MyContentInterno2::BuscarSesionPorId(CDatos* datos, int id) {
    return datos->SesionPorId(id);
}

MCList<DHSESI>::Nodo* MyContentInterno2::BuscarNodoSesion(CDatos* datos, int id) {
    return datos->RegistroSesionPorId(id);
}
