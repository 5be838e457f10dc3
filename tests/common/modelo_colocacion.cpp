#include "tests/common/modelo_colocacion.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/common/modelo.h"

namespace prueba {

namespace {

template <class T> int Nuevo(MCList<T>& lista, const char* nombre, const char* clave) {
    T& r = lista.AnadirAlFinal()->dato;
    CopiarTexto(r.nombre, nombre);
    CopiarTexto(r.claveDeExportacion, clave);
    return lista.Cuenta() - 1;
}

} // namespace

Modelo::Modelo() : datos(ModeloPreparado(1)) {}

int Modelo::Profesor(const char* nombre, const char* clave) {
    const int i = Nuevo(datos->profesores, nombre, clave);
    datos->profesores.Cola()->dato.opciones = datos->marcos.valorInicialProfesores;
    return i;
}

int Modelo::Aula(const char* nombre, const char* clave) {
    return Nuevo(datos->aulas, nombre, clave);
}

int Modelo::Materia(const char* nombre, const char* clave) {
    return Nuevo(datos->materias, nombre, clave);
}

int Modelo::Grupo(const char* nombre, const char* clave, int submarco) {
    const int i = Nuevo(datos->grupos, nombre, clave);
    datos->grupos.Cola()->dato.submarco = static_cast<std::int8_t>(submarco);
    return i;
}

int Modelo::Sesion(int id, int materia, int grupo, int profesor, int tarea, int aula) {
    DHSESI& s = datos->sesiones.AnadirAlFinal()->dato;
    s.tipo = SESION_PRINCIPAL;
    s.id = id;
    s.materia = static_cast<Ref>(materia);
    s.grupo = static_cast<Ref>(grupo);
    s.profesor = static_cast<Ref>(profesor);
    s.tarea = static_cast<Ref>(tarea);
    s.aula = static_cast<Ref>(aula);
    s.marco = datos->grupos.NodoEnIndice(grupo) != nullptr
                  ? datos->grupos.NodoEnIndice(grupo)->dato.submarco
                  : 0;
    CopiarTexto(s.distribucion, "1");
    return datos->sesiones.Cuenta() - 1;
}

int Modelo::Companera(char tipo, int materia, int grupo, int profesor, int tarea, int aulaAdicional,
                      int aula) {
    DHSESI s = datos->sesiones.Cola()->dato; // a copy of the record before it
    s.tipo = static_cast<std::uint32_t>(tipo);
    s.materia = static_cast<Ref>(materia);
    s.grupo = static_cast<Ref>(grupo);
    s.profesor = static_cast<Ref>(profesor);
    s.tarea = static_cast<Ref>(tarea);
    s.aula = static_cast<Ref>(aula);
    s.aulaAdicional = static_cast<std::uint8_t>(aulaAdicional);
    datos->sesiones.AnadirAlFinal(s);
    return datos->sesiones.Cuenta() - 1;
}

DHSESI& Modelo::SesionEn(int indice) {
    return datos->sesiones.NodoEnIndice(indice)->dato;
}

DHGUAR& Modelo::Guardia(const char* nombre, std::initializer_list<int> miembros, int enRecreos) {
    DHGUAR& g = datos->guardias.AnadirAlFinal()->dato;
    CopiarTexto(g.nombre, nombre);
    g.enRecreos = enRecreos;
    g.tipoDeTarea = GUA;
    for (int m : miembros)
        g.integrantes[g.numIntegrantes++] = static_cast<Ref>(m);
    return g;
}

DHREUN& Modelo::Reunion(const char* nombre, std::initializer_list<int> miembros) {
    DHREUN& r = datos->reuniones.AnadirAlFinal()->dato;
    CopiarTexto(r.nombre, nombre);
    r.tipoDeTarea = RDP;
    for (int m : miembros)
        r.integrantes[r.numIntegrantes++] = static_cast<Ref>(m);
    return r;
}

DHCOMP& Modelo::Complementaria(int profesor, int tarea) {
    DHCOMP& c = datos->complementarias.AnadirAlFinal()->dato;
    c.profesor = static_cast<Ref>(profesor);
    c.tarea = static_cast<Ref>(tarea);
    return c;
}

Modelo ModeloDosSesiones() {
    Modelo m;
    const int ana = m.Profesor("Ana", "P1"), luis = m.Profesor("Luis", "P2");
    const int mat = m.Materia("MAT", "M1");
    const int g1 = m.Grupo("1A", "G1"), g2 = m.Grupo("1B", "G2");
    m.Aula("A1", "AU1");
    m.Aula("A2", "AU2");
    m.Sesion(0, mat, g1, ana);
    m.Sesion(1, mat, g2, luis);
    return m;
}

int CeldasOcupadas(const CDatos& d) {
    int n = 0;
    for (int p = 0; p < NUM_PERIODOS; ++p)
        for (int f = 0; f < NUM_MARCOS; ++f) {
            const auto& r = d.colocacion.Rejilla(p, f);
            n += static_cast<int>(std::count_if(r.begin(), r.end(), [](auto c) { return c != 0; }));
        }
    return n;
}

} // namespace prueba
