// Helpers shared by every test program: files read whole, and the records of the IES2000
// timetable file written out field by field.
#pragma once

#include <string>

namespace prueba {

// The bytes of the file at `ruta` (empty when it cannot be opened).
std::string LeerArchivo(const std::string& ruta);

// One record of krttoies.dat: teacher, day, interval, subject, group, room, task, start, end.
std::string Reg(const std::string& profesor, char dia, const std::string& intervalo,
                const std::string& materia, const std::string& grupo, const std::string& aula,
                const std::string& tarea, const std::string& inicio, const std::string& fin);

} // namespace prueba
