// Reader of the IES2000 data file (iestokrt.dat): eight sections of fixed-size records, each
// ended by a terminator record, read in their fixed order into a model of mode 0.
#pragma once

#include <cstdint>
#include <string>

#include "model/datos.h"

// Record sizes of the sections, in file order.
inline constexpr std::size_t TAMANO_DEPARTAMENTO = 36;
inline constexpr std::size_t TAMANO_GRUPO = 55;
inline constexpr std::size_t TAMANO_MATERIA = 52;
inline constexpr std::size_t TAMANO_PROFESOR = 63;
inline constexpr std::size_t TAMANO_AULA = 43;
inline constexpr std::size_t TAMANO_TAREA = 66;
inline constexpr std::size_t TAMANO_INTERVALO = 15;
inline constexpr std::size_t TAMANO_MATECUR = 13;

// Reads the whole file into `datos`. 1 when all eight sections were read; 0 otherwise, with
// `textoError` holding the system's text for the last error followed by "\n" and the label of
// the section that ended early ("FICHERO DE DATOS" when the file cannot be opened).
int LeerFicheroIes(const char* ruta, std::string& textoError, CDatos& datos);

// The section readers: 1 when the section's terminator was read, 0 when the file ended (or a
// read failed) before it.
int LeerDepartamentos(int fd, CDatos& datos);
int LeerGrupos(int fd, CDatos& datos);
int LeerMaterias(int fd, CDatos& datos);
int LeerProfesores(int fd, CDatos& datos);
int LeerAulas(int fd, CDatos& datos);
int LeerTareas(int fd, CDatos& datos);
int LeerIntervalos(int fd, CDatos& datos);
int LeerMateCur(int fd, CDatos& datos);

// Stores teaching interval `indice` of the first frame's first day; the count of intervals
// grows by one up to NUM_INTERVALOS, and intervals beyond that are not stored.
void AnadirIntervalo(CDatos& datos, int indice, std::uint8_t horaEntrada,
                     std::uint8_t minutoEntrada, std::uint8_t horaSalida, std::uint8_t minutoSalida,
                     const char* nombre);
