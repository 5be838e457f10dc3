// The reader's vocabulary: what each whole element path selects. Internal to the reader.
#pragma once

#include "xmlreader/contenido.h"

// A step done before an entry's attribute reader.
enum class PasoPrevio {
    Ninguno,
    MarcoCero,        // the record's frame = 0
    MarcoDelRegistro, // the record's frame = the record's own (`subMarco`) frame
    VaciarTrabajo,    // the work text and the room set's name emptied
};

using LectorAtributos = void (MyContentInterno2::*)(const plataforma::AtributosSax&);

// One entry of the path table: the text target (0: none) and the attribute reader.
struct MyContentInterno2::EntradaRuta {
    const char* ruta;
    int destino;
    LectorAtributos lector;
    PasoPrevio paso;
};

// The action at an element's start.
enum class InicioRuta {
    Ninguna,
    Raiz,
    Extensiones,
    Horario,
    TramoHorario,
    Guardia,    // availability, duty counts and member availability preset to 1
    Preajuste1, // availability preset to 1
    Preajuste3, // availability preset to 3
    Sesion,     // preset to 3, default session options
    Profesor,   // preset to 3, default teacher options
    Registro,   // not preset
    Tareas,
    Otros,
    AsignaturaOptativa,
};

// The action at an element's end.
enum class FinRuta {
    Ninguna,
    Extensiones,
    TramoHorario,
    AulaHorario,
    ComplementariaHorario,
    GuardiaHorario,
    ReunionHorario,
    Guardia,
    Integrante,
    Complementaria,
    Reunion,
    Simultaneas,
    Consecutivas,
    Curso,
    Grupo,
    Materia,
    Departamento,
    Tarea,
    Tareas,
    TramoMarco,
    Marcos,
    Aulas,
    Aula,
    OtroConjunto,
    SeparacionMas,
    SeparacionMenos,
    Sesion,
    ListasDeRelacion,
    Profesor,
    DistribucionPersonalizada,
    ValorInicialProfesores,
    ValorInicialSesiones,
    OpcionesAlejados,
    ListaAlejados,
    OpcionesGenerales,
    Optativa,
    JornadaPartida,
};

// Everything a whole path selects.
struct MyContentInterno2::InfoRuta {
    const EntradaRuta* entrada = nullptr;
    InicioRuta inicio = InicioRuta::Ninguna;
    FinRuta fin = FinRuta::Ninguna;
};
