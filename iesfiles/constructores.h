// Builders of the import: each turns one decoded record of the IES2000 data file into a model
// record, finding an existing one, renaming a clashing name, overwriting a built-in task or
// appending. They work on a model of mode 0 and never report errors: a record that cannot be
// added is dropped.
#pragma once

#include "model/datos.h"

// The department of `codigo` (trimmed), found or added; `nombre` (may be null) is its full
// name. An empty code gives the first department (the placeholder).
MCList<DHDEPT>::Nodo* AnadirDepartamento(const char* nombre, const char* codigo, CDatos& datos);

// The course of export code `claveExportacion`, found or added. `fuenteNombre` is its name
// unless a short name can be made from `nombreGrupo` (may be null), which is also its full name.
MCList<DHCURSO>::Nodo* AnadirCurso(const char* fuenteNombre, const char* claveExportacion,
                                   const char* nombreGrupo, CDatos& datos);

// A group of code `codigoGrupo` (trimmed, converted) whose export code is the first 4 bytes of
// `inicioRegistro`, in `curso` (the first course when null).
void AnadirGrupo(const char* codigoGrupo, const char* inicioRegistro, CDatos& datos,
                 MCList<DHCURSO>::Nodo* curso);

// A subject; `departamento` null gives the first department.
void AnadirMateria(const char* fuenteNombre, const char* claveExportacion, const char* nombre,
                   const char* abreviatura, MCList<DHDEPT>::Nodo* departamento, CDatos& datos);

void AnadirProfesor(const char* fuenteNombre, const char* claveExportacion,
                    const char* nombreCompleto, const char* codigoDepartamento, CDatos& datos);

// Ignored once the model holds MAX_AULAS_GENERAL rooms (the built-in room included).
void AnadirAula(const char* fuenteNombre, const char* claveExportacion, const char* nombre,
                CDatos& datos);

void AnadirTarea(const char* textoCorto, const char* codigo, const char* descripcion,
                 CDatos& datos);

// Lookups by export code (letter case counts, accents do not).
bool BuscarProfesorPorClave(const DHPROF& nuevo, const CDatos& datos);
MCList<DHCURSO>::Nodo* BuscarCursoPorClave(const DHCURSO& nuevo, const CDatos& datos);
bool BuscarTareaPorClave(const DHTARE& nuevo, const CDatos& datos);
// The built-in task an IES2000 task code stands for: "GU" or "01" the guard task, "RD" or "02"
// the department meeting task; null for any other code.
MCList<DHTARE>::Nodo* BuscarTareaPredefinida(const char* clave, const CDatos& datos);

// ---- Shorteners

// A short name of at most 30 characters made from `texto`, each word keeping its first three
// characters when the text is longer. With a `codigo` (may be null), refused when the code
// holds two or more letters (bytes with the high bit set count as letters) or its number is
// below 1. Also refused for a text of 2 characters or fewer, and when nothing but blanks is
// left. 1 when `salida` holds a name, 0 when refused.
int CrearNombreCorto(const char* texto, const char* codigo, char (&salida)[31]);

// `texto` shortened to at most `n` characters into `salida` (n + 1 bytes): each word gets an
// equal share, starting with an upper-case letter, without separators. 1 when shortened, 0 when
// copied whole or when the text is missing, empty or has no words (`salida` then empty).
int AbreviarTexto(char* salida, const char* texto, int n);

inline constexpr int MAX_PALABRAS = 20;
// The starts of the first MAX_PALABRAS words of the first `longitud` bytes of `texto` (words
// are separated by white space); returns how many were found.
int ContarPalabras(const char* texto, int longitud, const char* inicios[MAX_PALABRAS]);

// A teacher's short name: the first four characters, a mark, then the first two characters of
// each later word; commas are kept. At most 30 characters; returns 1.
int AbreviarNombreProfesor(const char* nombre, char (&salida)[31]);
