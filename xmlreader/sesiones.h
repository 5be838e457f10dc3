// Teaching sessions built from the exchange document.
#pragma once

#include <map>
#include <string>

#include "model/datos.h"
#include "xmlreader/registro.h"

// Builds the session chain of one `sesion` element (the main record and its companions) from the
// record in progress; `alumnosPorGrupo` gives the pupils of the groups named with a
// `numeroAlumnos` attribute. Returns the main record's node, or null when the session is left
// out.
MCList<DHSESI>::Nodo* CrearSesionXml(CDatos* datos, int id, const REGISTROENCURSO& registro,
                                     const std::map<std::string, int>& alumnosPorGrupo);
