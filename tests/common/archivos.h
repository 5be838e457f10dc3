// Files of the tests: fixtures by name, temporary files, files read whole, and the records of
// the IES2000 timetable file written out field by field.
#pragma once

#include <string>

namespace prueba {

// The bytes of the file at `ruta` (empty when it cannot be opened).
std::string LeerArchivo(const std::string& ruta);

// The path of the fixture `nombre` (tests/fixtures/), and its bytes.
std::string RutaFixture(const std::string& nombre);
std::string LeerFixture(const std::string& nombre);

// Writes `contenido` to a new file `nombre` in a temporary folder of the running test and
// returns its path.
std::string ArchivoTemporal(const std::string& nombre, const std::string& contenido);
// A file name in the temporary folder, unique to this process and `nombre`; nothing is created.
std::string RutaTemporal(const std::string& nombre);

// One record of krttoies.dat: teacher, day, interval, subject, group, room, task, start, end.
std::string Reg(const std::string& profesor, char dia, const std::string& intervalo,
                const std::string& materia, const std::string& grupo, const std::string& aula,
                const std::string& tarea, const std::string& inicio, const std::string& fin);

} // namespace prueba
