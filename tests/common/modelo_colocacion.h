// Models of the load flow (mode 1) built record by record, as the document reader would build
// them, for the placement of a solved timetable.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "model/datos.h"
#include "tests/common/archivos.h"

namespace prueba {

// The default tasks of a model set up as the load flow does.
inline constexpr int LEC = 0;
inline constexpr int GUA = 1;
inline constexpr int RDP = 2;

class Modelo {
public:
    Modelo();
    CDatos& operator*() { return *datos; }
    CDatos* operator->() { return datos.get(); }

    // Each returns the new record's list index.
    int Profesor(const char* nombre, const char* clave);
    int Aula(const char* nombre, const char* clave);
    int Materia(const char* nombre, const char* clave);
    int Grupo(const char* nombre, const char* clave, int submarco = 0);
    // A session's main record (room "<cualquiera>" unless given).
    int Sesion(int id, int materia, int grupo, int profesor, int tarea = LEC, int aula = 0);
    // A companion record appended after the last session record: 'M', 'P' or 'S'.
    int Companera(char tipo, int materia, int grupo, int profesor, int tarea = LEC,
                  int aulaAdicional = 0, int aula = 0);
    DHSESI& SesionEn(int indice);
    DHGUAR& Guardia(const char* nombre, std::initializer_list<int> miembros, int enRecreos = 0);
    DHREUN& Reunion(const char* nombre, std::initializer_list<int> miembros);
    DHCOMP& Complementaria(int profesor, int tarea = LEC);

    std::unique_ptr<CDatos> datos;
};

// A school with two sessions: teachers Ana (P1) and Luis (P2), subject MAT (M1), groups 1A
// (G1) and 1B (G2), rooms A1 (AU1) and A2 (AU2), sessions 0 (MAT, 1A, Ana) and 1 (MAT, 1B,
// Luis).
Modelo ModeloDosSesiones();
// The grid cells that hold an entry, over every grid.
int CeldasOcupadas(const CDatos& d);

} // namespace prueba
