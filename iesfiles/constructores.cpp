// Builders of the import records and their lookups.
#include "iesfiles/constructores.h"

#include <cstring>
#include <memory>
#include <string>

#include "model/textos.h"
#include "platform/text.h"

namespace {

constexpr std::size_t MAX_NOMBRE = 30;
constexpr std::size_t MAX_NOMBRE_COMPLETO = 50;

// A name that clashes with a record of the list becomes "name-code" when both fit, else the
// code alone. Only one rename is tried.
template <class T>
void RenombrarSiCoincide(char (&nombre)[31], const char* clave, const MCList<T>& lista) {
    if (clave[0] == '\0' || lista.BuscarNombre(nombre) == nullptr) return;
    if (std::strlen(nombre) + std::strlen(clave) < MAX_NOMBRE) {
        const std::string nuevo = std::string(nombre) + "-" + clave;
        CopiarTexto(nombre, nuevo.c_str());
    } else {
        CopiarTexto(nombre, clave);
    }
}

// An availability map of one period with every cell at `valor`.
MapaEmpaquetado MapaUniforme(int valor) {
    MapaDisponibilidad m;
    std::memset(m.celdas, valor, sizeof m.celdas);
    MapaEmpaquetado e;
    EmpaquetarMapa(e, m);
    return e;
}

} // namespace

// ---- Lookups ----------------------------------------------------------------------------------

bool BuscarProfesorPorClave(const DHPROF& nuevo, const CDatos& datos) {
    return datos.profesores.BuscarClaveDeExportacion(nuevo.claveDeExportacion) != nullptr;
}

MCList<DHCURSO>::Nodo* BuscarCursoPorClave(const DHCURSO& nuevo, const CDatos& datos) {
    return datos.cursos.BuscarClaveDeExportacion(nuevo.claveDeExportacion);
}

bool BuscarTareaPorClave(const DHTARE& nuevo, const CDatos& datos) {
    return datos.tareas.BuscarClaveDeExportacion(nuevo.claveDeExportacion) != nullptr;
}

MCList<DHTARE>::Nodo* BuscarTareaPredefinida(const char* clave, const CDatos& datos) {
    if (std::strcmp(clave, "GU") == 0 || std::strcmp(clave, "01") == 0)
        return datos.Resolver(datos.tareas, datos.marcos.guardiaPorDefecto);
    if (std::strcmp(clave, "RD") == 0 || std::strcmp(clave, "02") == 0)
        return datos.Resolver(datos.tareas, datos.marcos.reunionPorDefecto);
    return nullptr;
}

// ---- Builders ---------------------------------------------------------------------------------

MCList<DHDEPT>::Nodo* AnadirDepartamento(const char* nombre, const char* codigo, CDatos& datos) {
    const std::string cod = Recortado(codigo);
    if (cod.empty()) return datos.departamentos.Cabeza();
    char clave[MAX_NOMBRE + 1];
    CopiarTexto(clave, cod.c_str());
    // An empty name counts as no name.
    const std::string nom = Recortado(nombre);

    // The first department, in list order, known by the code as its name, by the full name, or
    // by the code as its full name; each lookup gives the first of its kind.
    auto& lista = datos.departamentos;
    MCList<DHDEPT>::Nodo* primero = nullptr;
    auto candidato = [&](MCList<DHDEPT>::Nodo* n) {
        if (n != nullptr && (primero == nullptr || lista.IndiceDe(n) < lista.IndiceDe(primero)))
            primero = n;
    };
    candidato(datos.departamentosPorNombre.Buscar(lista, clave));
    if (!nom.empty()) candidato(datos.departamentosPorNombreCompleto.Buscar(lista, nom));
    candidato(datos.departamentosPorNombreCompleto.Buscar(lista, cod));
    if (primero != nullptr) {
        DHDEPT& d = primero->dato;
        if (std::strncmp(d.nombre, clave, MAX_NOMBRE) == 0) return primero;
        if (!nom.empty() && std::strncmp(nom.c_str(), d.nombreCompleto, MAX_NOMBRE_COMPLETO) == 0) {
            // The department known by its full name takes the code as its name.
            if (lista.BuscarNombre(clave) == nullptr) {
                CopiarTexto(d.nombre, clave);
                lista.NombresCambiados();
            }
        }
        return primero;
    }
    auto* n = datos.departamentos.AnadirAlFinal();
    CopiarTexto(n->dato.nombre, clave);
    CopiarTexto(n->dato.nombreCompleto, nom.empty() ? cod.c_str() : nom.c_str());
    return n;
}

MCList<DHCURSO>::Nodo* AnadirCurso(const char* fuenteNombre, const char* claveExportacion,
                                   const char* nombreGrupo, CDatos& datos) {
    DHCURSO c{};
    CopiarTexto(c.nombre, fuenteNombre);
    CopiarTexto(c.nombreCompleto, nombreGrupo);
    CopiarTexto(c.claveDeExportacion, claveExportacion);
    char corto[MAX_NOMBRE + 1];
    if (CrearNombreCorto(nombreGrupo, claveExportacion, corto)) CopiarTexto(c.nombre, corto);

    if (auto* n = BuscarCursoPorClave(c, datos)) return n;
    RenombrarSiCoincide(c.nombre, c.claveDeExportacion, datos.cursos);
    // Several groups share one course.
    if (auto* n = datos.cursos.BuscarNombre(c.nombre)) return n;
    return datos.cursos.AnadirAlFinal(c);
}

void AnadirGrupo(const char* codigoGrupo, const char* inicioRegistro, CDatos& datos,
                 MCList<DHCURSO>::Nodo* curso) {
    DHGRUP g{};
    char nombre[5];
    CopiarTexto(nombre, codigoGrupo);
    CopiarTexto(g.nombre, nombre);
    CopiarTexto(g.abreviatura, codigoGrupo);
    char clave[5];
    std::memcpy(clave, inicioRegistro, 4);
    clave[4] = '\0';
    CopiarTexto(g.claveDeExportacion, clave);
    g.cursoPerteneciente =
        datos.Referencia<DHCURSO>(curso != nullptr ? curso : datos.cursos.Cabeza());
    g.profesorTutor = datos.Referencia<DHPROF>(datos.profesores.Cabeza());
    g.aula = datos.Referencia<DHAULA>(datos.aulas.Cabeza());
    const MapaEmpaquetado disponible = MapaUniforme(MAPA_DISPONIBLE);
    for (auto& m : g.plantilla)
        m = disponible;

    if (std::strcmp(g.nombre, g.claveDeExportacion) != 0)
        RenombrarSiCoincide(g.nombre, g.claveDeExportacion, datos.grupos);
    if (datos.grupos.BuscarNombre(g.nombre) != nullptr) return;
    datos.grupos.AnadirAlFinal(g);
}

void AnadirMateria(const char* fuenteNombre, const char* claveExportacion, const char* nombre,
                   const char* abreviatura, MCList<DHDEPT>::Nodo* departamento, CDatos& datos) {
    auto m = std::make_unique<DHMATE>();
    CopiarTexto(m->nombre, fuenteNombre);
    CopiarTexto(m->claveDeExportacion, claveExportacion);
    AbreviarTexto(m->nombreCompleto, nombre, MAX_NOMBRE_COMPLETO);
    const bool sinAbreviatura = abreviatura == nullptr || abreviatura[0] == '\0';
    AbreviarTexto(m->abreviatura, sinAbreviatura ? nombre : abreviatura,
                  static_cast<int>(sizeof m->abreviatura) - 1);
    m->departamento = datos.Referencia<DHDEPT>(
        departamento != nullptr ? departamento : datos.departamentos.Cabeza());
    RellenarMapasEmpaquetados(m->plantilla, MAPA_DISPONIBLE);

    if (datos.materias.BuscarNombre(m->nombre) != nullptr) return;
    // The test upper-cases what it is given: the record keeps its own letter case.
    std::string codigo = m->nombre, completo = m->nombreCompleto;
    m->esTutoria = ComprobarTutoria(codigo, completo) ? 1 : 0;
    datos.materias.AnadirAlFinal(*m);
}

void AnadirProfesor(const char* fuenteNombre, const char* claveExportacion,
                    const char* nombreCompleto, const char* codigoDepartamento, CDatos& datos) {
    // The department goes in even when the teacher does not.
    const std::string dep = Recortado(codigoDepartamento);
    auto* departamento = dep.empty() ? datos.departamentos.Cabeza()
                                     : AnadirDepartamento(nullptr, dep.c_str(), datos);

    auto p = std::make_unique<DHPROF>();
    CopiarTexto(p->nombre, fuenteNombre);
    CopiarTexto(p->claveDeExportacion, claveExportacion);
    const std::string completo = Recortado(nombreCompleto);
    CopiarTexto(p->nombreCompleto, completo.c_str());
    char abreviado[MAX_NOMBRE + 1];
    AbreviarNombreProfesor(completo.c_str(), abreviado);
    CopiarTexto(p->abreviatura, abreviado);
    p->opciones = datos.marcos.valorInicialProfesores;
    p->departamento = CDatos::RefDeNodo<DHDEPT>(departamento);
    RellenarMapasEmpaquetados(p->plantilla, MAPA_DISPONIBLE);

    if (BuscarProfesorPorClave(*p, datos)) return;
    RenombrarSiCoincide(p->nombre, p->claveDeExportacion, datos.profesores);
    if (datos.profesores.BuscarNombre(p->nombre) != nullptr) return;
    datos.profesores.AnadirAlFinal(*p);
}

void AnadirAula(const char* fuenteNombre, const char* claveExportacion, const char* nombre,
                CDatos& datos) {
    if (datos.aulas.Cuenta() >= MAX_AULAS_GENERAL) return;
    auto a = std::make_unique<DHAULA>();
    CopiarTexto(a->nombre, fuenteNombre);
    CopiarTexto(a->claveDeExportacion, claveExportacion);
    CopiarTexto(a->abreviatura, nombre);
    const std::string descripcion = Recortado(nombre);
    if (!descripcion.empty()) CopiarTexto(a->descripcion, descripcion.c_str());
    a->dedicada = 0;
    RellenarMapasEmpaquetados(a->plantilla, MAPA_PREFERENTEMENTE_NO2);

    if (datos.aulas.BuscarNombre(a->nombre) != nullptr) {
        char corto[MAX_NOMBRE + 1];
        if (CrearNombreCorto(nombre, nullptr, corto)) CopiarTexto(a->nombre, corto);
        if (datos.aulas.BuscarNombre(a->nombre) != nullptr && claveExportacion[0] != '\0')
            CopiarTexto(a->nombre, claveExportacion);
    }
    if (datos.aulas.BuscarNombre(a->nombre) != nullptr) return;
    datos.aulas.AnadirAlFinal(*a);
}

void AnadirTarea(const char* textoCorto, const char* codigo, const char* descripcion,
                 CDatos& datos) {
    auto t = std::make_unique<DHTARE>();
    CopiarTexto(t->nombre, textoCorto);
    const std::string desc = Recortado(descripcion);
    if (!desc.empty()) CopiarTexto(t->nombreCompleto, desc.c_str());
    CopiarTexto(t->claveDeExportacion, codigo);
    RellenarMapasEmpaquetados(t->plantilla, MAPA_DISPONIBLE);

    if (!desc.empty() && std::strcmp(textoCorto, codigo) == 0) {
        char corto[MAX_NOMBRE + 1];
        if (CrearNombreCorto(desc.c_str(), textoCorto, corto)) CopiarTexto(t->nombre, corto);
    }
    // The built-in guard and meeting tasks take the record in their place, so the links to
    // them stay valid.
    if (auto* n = BuscarTareaPredefinida(codigo, datos)) {
        std::memcpy(static_cast<void*>(&n->dato), t.get(), sizeof(DHTARE));
        datos.tareas.NombresCambiados();
        return;
    }
    if (BuscarTareaPorClave(*t, datos)) return;
    RenombrarSiCoincide(t->nombre, t->claveDeExportacion, datos.tareas);
    if (datos.tareas.BuscarNombre(t->nombre) != nullptr) return;
    datos.tareas.AnadirAlFinal(*t);
}
