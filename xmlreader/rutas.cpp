// The path table, the choice of the text target at each element start and the attribute
// readers.
#include <algorithm>
#include <climits>
#include <cstring>
#include <unordered_map>

#include "model/textos.h"
#include "platform/text.h"
#include "xmlreader/rutas.h"

using plataforma::AtributosSax;

// Every whole path the reader knows, with its text target (the conversion run at the element's
// end) and its attribute reader. Paths compare ignoring the case of A-Z.
const MyContentInterno2::EntradaRuta MyContentInterno2::kTablaRutas[] = {
    {"/datosKRT/version", 1, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/horario/tramo", 0, &MyContentInterno2::LeerAtributosTramo, PasoPrevio::MarcoCero},
    {"/datosKRT/horario/tramo/aula", 0, &MyContentInterno2::LeerAtributosAula, PasoPrevio::Ninguno},
    {"/datosKRT/horario/tramo/aula/sesion", 176, &MyContentInterno2::LeerRefAula,
     PasoPrevio::Ninguno},
    {"/datosKRT/horario/tramo/aula/profesor", 177, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/horario/tramo/reunion", 178, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/horario/tramo/guardia/nombre", 179, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/horario/tramo/guardia/profesor", 180, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/horario/tramo/complementaria", 181, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario", 0, &MyContentInterno2::LeerAtributosMarco,
     PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/submarco", 91, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/dia", 92, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/indice", 93, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/horaEntrada", 94, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/horaSalida", 95, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/Tipo", 96, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/clavX", 97, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/duracion", 98, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo/permitido", 99, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/periodos/periodo/diaFin", 239, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion", 0, &MyContentInterno2::LeerIdSesion, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/materia", 2, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/grupo", 3, &MyContentInterno2::LeerNumeroAlumnos,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/profesor", 7, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/tarea", 4, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/listaDeAulas/aula", 5, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/profesoresIntercambiables/sesion", 18, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/listaDeAlternativas/conjuntoAlternativo", 6, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/departamento", 17, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/notas", 19, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/grupoMateria", 20,
     &MyContentInterno2::LeerAtributosGrupoMateria, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/enPeriodos/"
     "refPeriodo",
     16, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaVariable/"
     "enPeriodos/refPeriodo",
     16, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionFija/numSesiones", 8,
     nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionFija/numSesiones",
     8, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaVariable/"
     "distribucionTotal/distribucionFija/numSesiones",
     8, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionVariable/numSesiones", 9,
     nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/numSesiones",
     9, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionVariable/"
     "numMaximoDeSesiones",
     10, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/numMaximoDeSesiones",
     10, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionVariable/"
     "penalizarSesionesSueltas",
     11, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/penalizarSesionesSueltas",
     11, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionVariable/"
     "penalizarBloquesMaximos",
     12, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/penalizarBloquesMaximos",
     12, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionVariable/"
     "admitirBloquesDiscontinuos",
     13, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/admitirBloquesDiscontinuos",
     13, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionVariable/"
     "distribucionInicial/numSesiones",
     15, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/distribucionInicial/numSesiones",
     15, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionPersonalizada/distribucion/"
     "numSesiones",
     14, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionPersonalizada/distribucion/numSesiones",
     14, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/plantilla/tramo", 21,
     &MyContentInterno2::LeerAtributosTramo, PasoPrevio::MarcoCero},
    {"/datosKRT/sesionesLectivas/sesion/otrosProfesores/profesor", 34,
     &MyContentInterno2::LeerAtributoTarea, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/otrasMateriasGrupos/materiaGrupo", 0,
     &MyContentInterno2::LeerAtributosMateriaGrupo, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/otrasMateriasGrupos/materiaGrupo/materia", 37, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/otrasMateriasGrupos/materiaGrupo/grupo", 22,
     &MyContentInterno2::LeerNumeroAlumnos, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/otrasMaterias/materia", 38,
     &MyContentInterno2::LeerAtributoTarea, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/otrosGrupos/grupo", 23,
     &MyContentInterno2::LeerAtributosOtroGrupo, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/otrasAulas/otraAula", 0,
     &MyContentInterno2::LeerAtributosOtraAula, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/otrasAulas/otraAula/aula", 35, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/otrasAulas/otraAula/grupo", 36, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/enDistintoDia/sesiones/sesion", 24, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/enDistintoDia/enDiasSeguidos", 25, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/noConsecutivas/sesion", 26, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/noCoincidentes/sesion", 27, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/previoA/sesion", 28, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/posteriorA/sesion", 29, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/separadosNDiasOMas/separacion/sesion", 30, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/separadosNDiasOMenos/separacion/sesion", 31, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/separadosNDiasOMas/separacion/dias", 32, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/separadosNDiasOMenos/separacion/dias", 33, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/notas", 182, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/perfil", 183, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/claveXDias/lunes", 184, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/claveXDias/martes", 185, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/claveXDias/miercoles", 186, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/claveXDias/jueves", 187, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/claveXDias/viernes", 188, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/gruposAlejados/opciones/actualizarAlGenerar", 189, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/gruposAlejados/opciones/evitarDobleDesp", 190,
     &MyContentInterno2::LeerEvitarDobleDesp, PasoPrevio::Ninguno},
    {"/datosKRT/otros/gruposAlejados/listaDeGrupos/grupo", 191, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/opcionesGenerales/contarHuecosMediodia", 212, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/opcionesGenerales/desecharGuardias", 213, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/opcionesGenerales/mantener5Sesiones", 214, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/opcionesGenerales/minimoHuecosGrupos", 215, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/opcionesGenerales/posNoPrefDeGrupos", 216, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/restriccionesCD/permitirAgregarProfesor", 217, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/restriccionesCD/permitirAgregarDepartamento", 218, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/restriccionesCD/permitirAgregarAsignatura", 219, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/restriccionesCD/permitirCamDepProfesor", 220, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/restriccionesCD/permitirCamDepAsignatura", 221, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/restriccionesCD/permitirCamDuracion", 222, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/restriccionesCD/permitirCamHorasReduccion", 223, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/funcionesAdicionales/restriccionDePlantilla/cantidadDeProhibidos", 224,
     nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/funcionesAdicionales/restriccionDePlantilla/cantidadDePrefNo1", 225, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/funcionesAdicionales/restriccionDePlantilla/cantidadDePrefNo2", 226, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/funcionesAdicionales/definirTutor", 227, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/funcionesAdicionales/elegirGrupoTutor", 228, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/funcionesAdicionales/hacerGuardias", 229, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/funcionesAdicionales/cambiarAula", 230, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/funcionesAdicionales/permitirDistAlt", 231, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/mensajesIntercambio/haciaDesideratas/texto", 232, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/listasDeRelacion/simultaneas/bloqueDeSesiones/sesiones/sesion", 143, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/listasDeRelacion/consecutivas/bloqueDeSesiones/sesiones/sesion", 144, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/listasDeRelacion/consecutivas/bloqueDeSesiones/conOrden", 145, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/nombre", 51, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/departamento", 52, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/daPracticas", 53, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/nombreCompleto", 56, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/claveDeExportacion", 57, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/reduccionCargaLectiva", 54, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/mensaje", 55, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/tomaDePosesion", 59, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/prioridad", 60, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/email", 61, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/horarioAsoc", 62, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/abreviatura", 63, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/plantilla/tramo", 50, &MyContentInterno2::LeerAtributosTramo,
     PasoPrevio::MarcoCero},
    {"/datosKRT/aulas/aula/nombre", 100, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/aulas/aula/abreviatura", 101, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/aulas/aula/descripcion", 102, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/aulas/aula/dedicada", 103, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/aulas/aula/claveDeExportacion", 104, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/aulas/aula/numeroAlumnos", 106, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/aulas/aula/plantilla/tramo", 105, &MyContentInterno2::LeerAtributosTramo,
     PasoPrevio::MarcoCero},
    {"/datosKRT/aulas/aula/ocupaDiaCompleto", 107, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/conjuntoDeAulas/general", 0, &MyContentInterno2::LeerSinDeclarar,
     PasoPrevio::VaciarTrabajo},
    {"/datosKRT/conjuntoDeAulas/otroConjunto", 0, &MyContentInterno2::LeerNombreConjunto,
     PasoPrevio::VaciarTrabajo},
    {"/datosKRT/conjuntoDeAulas/otroConjunto/aula", 108, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/tareas/tarea/nombre", 109, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/tareas/tarea/nombreCompleto", 110, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/tareas/tarea/claveDeExportacion", 112, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/tareas/tarea/plantilla/tramo", 111, &MyContentInterno2::LeerAtributosTramo,
     PasoPrevio::MarcoCero},
    {"/datosKRT/tareas/lectivaPorDefecto", 113, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/tareas/guardiaPorDefecto", 115, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/tareas/reunionPorDefecto", 114, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/departamentos/departamento/nombre", 116, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/departamentos/departamento/nombreCompleto", 117, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/departamentos/departamento/mensajeAlDepartamento", 118, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/departamentos/departamento/claveDeExportacion", 119, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/departamentos/departamento/email", 237, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/materias/materia/nombre", 120, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/materias/materia/nombreCompleto", 121, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/materias/materia/abreviatura", 122, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/materias/materia/claveDeExportacion", 123, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/materias/materia/departamento", 124, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/materias/materia/esTutoria", 125, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/materias/materia/esDePractica", 126, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/materias/materia/plantilla/tramo", 127, &MyContentInterno2::LeerAtributosTramo,
     PasoPrevio::MarcoCero},
    {"/datosKRT/grupos/grupo", 0, &MyContentInterno2::LeerSubmarco, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/nombre", 128, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/abreviatura", 129, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/nombreCompleto", 130, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/claveDeExportacion", 131, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/cursoPerteneciente", 132, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/profesorTutor", 133, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/aula", 134, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/tardesLibres", 135, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/noAdmiteHuecos", 136, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/huecosEnNoPreferentes", 137, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/numeroAlumnos", 238, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/grupos/grupo/plantilla/tramo", 138, &MyContentInterno2::LeerAtributosTramo,
     PasoPrevio::MarcoCero},
    {"/datosKRT/cursos/curso/nombre", 139, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/cursos/curso/nombreCompleto", 140, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/cursos/curso/claveDeExportacion", 141, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/cursos/curso/materiasDelCurso/materia", 142, &MyContentInterno2::LeerNumSesiones,
     PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion", 0, &MyContentInterno2::LeerSubmarco, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/nombre", 146, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/numeroDeReuniones", 147, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/dobleDuracion", 148, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/distribucionSemanal/distribucionFija/numSesiones", 149, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionFija/numSesiones",
     149, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/distribucionPeriodica/distribucionPeriodicaVariable/"
     "distribucionTotal/distribucionFija/numSesiones",
     149, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/distribucionPeriodica/distribucionPeriodicaFija/enPeriodos/"
     "refPeriodo",
     150, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/distribucionPeriodica/distribucionPeriodicaVariable/enPeriodos/"
     "refPeriodo",
     150, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/mismaPosicionDistintosPeriodos", 151, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/tipoDeTarea", 152, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/lectiva", 155, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/reuniones/reunion/plantilla/tramo", 153, &MyContentInterno2::LeerAtributosTramo,
     PasoPrevio::MarcoCero},
    {"/datosKRT/reuniones/reunion/integrantes/integrante", 154, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/lectiva", 155, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia", 0, &MyContentInterno2::LeerSubmarco, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/nombre", 156, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/enRecreos", 158, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/tipoDeTarea", 159, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/profesoresACadaHora/cantidad", 167, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/profesoresACadaHora/porTramo/cantidadTramo", 160,
     &MyContentInterno2::LeerAtributosTramo, PasoPrevio::MarcoDelRegistro},
    {"/datosKRT/guardias/guardia/integrantes/integrante/nombre", 165, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/integrantes/integrante/numeroDeGuardias", 166, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/integrantes/integrante/plantilla/tramo", 161,
     &MyContentInterno2::LeerAtributosTramo, PasoPrevio::MarcoCero},
    {"/datosKRT/guardias/guardia/plantilla/tramo", 162, &MyContentInterno2::LeerAtributosTramo,
     PasoPrevio::MarcoCero},
    {"/datosKRT/guardias/guardia/enPeriodos/refPeriodo", 163, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/guardias/guardia/mismaPosicionDistintosPeriodos", 164, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/lectiva", 155, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria", 0, &MyContentInterno2::LeerSubmarco,
     PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/tarea", 168, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/profesor", 169, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/intervalosSemanales", 170, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/numSesiones",
     170, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/maxIntervalosDiarios", 171, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/numMaximoDeSesiones",
     171, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/noConsecutivos", 172, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionVariable/admitirBloquesDiscontinuos",
     172, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/mismaPosicionDistintosPeriodos", 173, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/plantilla/tramo", 174,
     &MyContentInterno2::LeerAtributosTramo, PasoPrevio::MarcoCero},
    {"/datosKRT/complementarias/complementaria/distribucionPeriodica/distribucionPeriodicaFija/"
     "enPeriodos/refPeriodo",
     175, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/complementarias/complementaria/distribucionPeriodica/distribucionPeriodicaVariable/"
     "enPeriodos/refPeriodo",
     175, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/optativas/optativa/nombre", 233, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/optativas/optativa/grupo", 234, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/optativas/optativa/maxSolapadas", 235, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/optativas/optativa/asignaturasOptativas/asignaturaOptativa", 236,
     &MyContentInterno2::LeerSolapable, PasoPrevio::Ninguno},
    {"/datosKRT/criterios/huecosEnHorario/huecosEnGrupos", 192, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/criterios/huecosEnHorario/huecosEnProfesores", 193, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/criterios/posicionesNoPreferentes/enGrupos", 194, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/criterios/posicionesNoPreferentes/enProfesores", 195, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/criterios/posicionesNoPreferentes/enMateriasYTareas", 196, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/posicionesNoPreferentes/enSesionesLectivas", 197, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/colocarSesionesLectivas/enDiasConsecutivos", 198, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/colocarSesionesLectivas/enAulaNoPreferente", 199, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/colocarSesionesLectivas/enHorasExtremas", 200, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/colocarSesionesLectivas/coincidanPorLaTarde", 201, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/colocarSesionesLectivas/coincidanALaMismaHora", 202, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/colocarSesionesLectivas/conCambiosDeAula", 203, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/colocarSesionesLectivas/optativaSolapada", 204, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/horarioDeProfesores/horasExcluyentes", 205, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/criterios/horarioDeProfesores/masClasesEnUnDiaQueEnOtro", 206, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/horarioDeProfesores/horasDeClaseSeguidas", 207, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/horarioDeProfesores/masPermanencia", 208, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/criterios/horarioDeProfesores/seguidoConElMismoGrupo", 209, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/horarioDeProfesores/guardiasEnExtremos", 210, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/criterios/horarioDeProfesores/ordenProfesores", 211, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/maximoSesionesDiarias", 64, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/minimoSesionesDiarias", 69, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/considerarMaximasHorasDiarias", 65, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/valorMaximasHorasCalculado", 66, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/considerarMinimasHorasDiarias", 67, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/valorMinimasHorasCalculado", 68, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/intervalosDePermanenciaSemanales", 70,
     &MyContentInterno2::LeerEstrictoSemanal, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/intervalosDePermanenciaDiarios", 71,
     &MyContentInterno2::LeerEstrictoDiario, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/penalizarAlrededorGuardiaRecreo", 90, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/eliminarHuecos", 72, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/maximasHorasSeguidas", 73, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/periodosLibres/cantidadDeDias", 74, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/periodosLibres/tipoDePeriodo/losPrimerosIntervalos",
     75, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/periodosLibres/tipoDePeriodo/losUltimosIntervalos", 76,
     nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/periodosLibres/tipoDePeriodo/intervalosSeguidos", 77,
     nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/periodoLibreJornadaPartida/cantidad", 78, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/otrosPeriodosLibresJornadaPartida/"
     "periodoLibreJornadaPartida/cantidad",
     78, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/periodoLibreJornadaPartida/preferentes", 79, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/otrosPeriodosLibresJornadaPartida/"
     "periodoLibreJornadaPartida/preferentes",
     79, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/periodoLibreJornadaPartida/tipoDePeriodoLibre", 80,
     nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/otrosPeriodosLibresJornadaPartida/"
     "periodoLibreJornadaPartida/tipoDePeriodoLibre",
     80, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/tipoDeIncompatibilidad",
     81, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/"
     "salirUltimaEntrarPrimera",
     82, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/"
     "entrarPrimeraSalirUltima",
     83, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/"
     "entrarPrimeraSalirUltimaTarde",
     84, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/"
     "entrarPrimeraSalirUltimaManana",
     85, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/"
     "salirUltimaMananaEntrarPrimeraTarde",
     86, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/"
     "salirUltimaMananaTardeCompleta",
     87, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/entrarPrimeraSalirTarde",
     88, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/profesores/profesor/opciones/incompatibilidadEntreSesiones/"
     "menosDeDosIntervalosLibres",
     89, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/maximoSesionesDiarias", 64, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/minimoSesionesDiarias", 69, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/considerarMaximasHorasDiarias", 65, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/valorMaximasHorasCalculado", 66, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/considerarMinimasHorasDiarias", 67, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/valorMinimasHorasCalculado", 68, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/intervalosDePermanenciaSemanales", 70,
     &MyContentInterno2::LeerEstrictoSemanal, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/intervalosDePermanenciaDiarios", 71,
     &MyContentInterno2::LeerEstrictoDiario, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/penalizarAlrededorGuardiaRecreo", 90, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/eliminarHuecos", 72, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/maximasHorasSeguidas", 73, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/periodosLibres/cantidadDeDias", 74, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/periodosLibres/tipoDePeriodo/"
     "losPrimerosIntervalos",
     75, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/periodosLibres/tipoDePeriodo/"
     "losUltimosIntervalos",
     76, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/periodosLibres/tipoDePeriodo/"
     "intervalosSeguidos",
     77, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/periodoLibreJornadaPartida/cantidad", 78,
     nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/otrosPeriodosLibresJornadaPartida/"
     "periodoLibreJornadaPartida/cantidad",
     78, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/periodoLibreJornadaPartida/preferentes", 79,
     nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/otrosPeriodosLibresJornadaPartida/"
     "periodoLibreJornadaPartida/preferentes",
     79, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/periodoLibreJornadaPartida/"
     "tipoDePeriodoLibre",
     80, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/otrosPeriodosLibresJornadaPartida/"
     "periodoLibreJornadaPartida/tipoDePeriodoLibre",
     80, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "tipoDeIncompatibilidad",
     81, nullptr, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "salirUltimaEntrarPrimera",
     82, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "entrarPrimeraSalirUltima",
     83, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "entrarPrimeraSalirUltimaTarde",
     84, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "entrarPrimeraSalirUltimaManana",
     85, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "salirUltimaMananaEntrarPrimeraTarde",
     86, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "salirUltimaMananaTardeCompleta",
     87, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "entrarPrimeraSalirTarde",
     88, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialProfesores/incompatibilidadEntreSesiones/"
     "menosDeDosIntervalosLibres",
     89, &MyContentInterno2::LeerAtributosIncompatibilidad, PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/penaSesionesAPrimera", 39, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/penaSesionesAUltima", 40, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/penaSalirUltimaEntrarPrimera", 41, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/penaSesionMismaHora", 42, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/penaCoincidanPorLaTarde", 43, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/penaCoincidanDespuesDelRecreo", 44, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/noPermitirRecreosEntreSesiones", 45, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/recreosSeparanSesionesContinuas", 46, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/permitirImpartanEnDiasSeguidos", 47, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/considerarLunesViernesSeguidos", 48, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/sesionesLectivas/sesion/opciones/mismaPosicionDistintosPeriodos", 49, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/penaSesionesAPrimera", 39, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/penaSesionesAUltima", 40, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/penaSalirUltimaEntrarPrimera", 41, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/penaSesionMismaHora", 42, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/penaCoincidanPorLaTarde", 43, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/penaCoincidanDespuesDelRecreo", 44, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/noPermitirRecreosEntreSesiones", 45, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/recreosSeparanSesionesContinuas", 46, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/permitirImpartanEnDiasSeguidos", 47, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/considerarLunesViernesSeguidos", 48, nullptr,
     PasoPrevio::Ninguno},
    {"/datosKRT/otros/opciones/valorInicialSesiones/mismaPosicionDistintosPeriodos", 49, nullptr,
     PasoPrevio::Ninguno},
    {nullptr, 0, nullptr, PasoPrevio::Ninguno},
};

namespace {

struct InicioDeRuta {
    const char* ruta;
    InicioRuta accion;
};

struct FinDeRuta {
    const char* ruta;
    FinRuta accion;
};

constexpr InicioDeRuta kInicios[] = {
    {"/datosKRT", InicioRuta::Raiz},
    {"/datosKRT/otros/extensiones", InicioRuta::Extensiones},
    {"/datosKRT/horario", InicioRuta::Horario},
    {"/datosKRT/horario/tramo", InicioRuta::TramoHorario},
    {"/datosKRT/guardias/guardia", InicioRuta::Guardia},
    {"/datosKRT/aulas/aula", InicioRuta::Preajuste1},
    {"/datosKRT/reuniones/reunion", InicioRuta::Preajuste1},
    {"/datosKRT/complementarias/complementaria", InicioRuta::Preajuste1},
    {"/datosKRT/grupos/grupo", InicioRuta::Preajuste3},
    {"/datosKRT/tareas/tarea", InicioRuta::Preajuste3},
    {"/datosKRT/materias/materia", InicioRuta::Preajuste3},
    {"/datosKRT/sesionesLectivas/sesion", InicioRuta::Sesion},
    {"/datosKRT/profesores/profesor", InicioRuta::Profesor},
    {"/datosKRT/departamentos/departamento", InicioRuta::Registro},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo", InicioRuta::Registro},
    {"/datosKRT/cursos/curso", InicioRuta::Registro},
    {"/datosKRT/optativas/optativa", InicioRuta::Registro},
    {"/datosKRT/listasDeRelacion", InicioRuta::Registro},
    {"/datosKRT/conjuntoDeAulas/otroConjunto", InicioRuta::Registro},
    {"/datosKRT/tareas", InicioRuta::Tareas},
    {"/datosKRT/otros", InicioRuta::Otros},
    {"/datosKRT/optativas/optativa/asignaturasOptativas/asignaturaOptativa",
     InicioRuta::AsignaturaOptativa},
};

constexpr FinDeRuta kFines[] = {
    {"/datosKRT/otros/extensiones", FinRuta::Extensiones},
    {"/datosKRT/horario/tramo", FinRuta::TramoHorario},
    {"/datosKRT/horario/tramo/aula", FinRuta::AulaHorario},
    {"/datosKRT/horario/tramo/complementaria", FinRuta::ComplementariaHorario},
    {"/datosKRT/horario/tramo/guardia", FinRuta::GuardiaHorario},
    {"/datosKRT/horario/tramo/reunion", FinRuta::ReunionHorario},
    {"/datosKRT/guardias/guardia", FinRuta::Guardia},
    {"/datosKRT/guardias/guardia/integrantes/integrante", FinRuta::Integrante},
    {"/datosKRT/complementarias/complementaria", FinRuta::Complementaria},
    {"/datosKRT/reuniones/reunion", FinRuta::Reunion},
    {"/datosKRT/listasDeRelacion/simultaneas/bloqueDeSesiones", FinRuta::Simultaneas},
    {"/datosKRT/listasDeRelacion/consecutivas/bloqueDeSesiones", FinRuta::Consecutivas},
    {"/datosKRT/cursos/curso", FinRuta::Curso},
    {"/datosKRT/grupos/grupo", FinRuta::Grupo},
    {"/datosKRT/materias/materia", FinRuta::Materia},
    {"/datosKRT/departamentos/departamento", FinRuta::Departamento},
    {"/datosKRT/tareas/tarea", FinRuta::Tarea},
    {"/datosKRT/tareas", FinRuta::Tareas},
    {"/datosKRT/marcosDeHorario/marcoHorario/tramo", FinRuta::TramoMarco},
    {"/datosKRT/marcosDeHorario", FinRuta::Marcos},
    {"/datosKRT/aulas", FinRuta::Aulas},
    {"/datosKRT/aulas/aula", FinRuta::Aula},
    {"/datosKRT/conjuntoDeAulas/otroConjunto", FinRuta::OtroConjunto},
    {"/datosKRT/sesionesLectivas/sesion/separadosNDiasOMas/separacion", FinRuta::SeparacionMas},
    {"/datosKRT/sesionesLectivas/sesion/separadosNDiasOMenos/separacion", FinRuta::SeparacionMenos},
    {"/datosKRT/sesionesLectivas/sesion", FinRuta::Sesion},
    {"/datosKRT/listasDeRelacion", FinRuta::ListasDeRelacion},
    {"/datosKRT/profesores/profesor", FinRuta::Profesor},
    {"/datosKRT/sesionesLectivas/sesion/distribucionSemanal/distribucionPersonalizada/"
     "distribucion",
     FinRuta::DistribucionPersonalizada},
    {"/datosKRT/sesionesLectivas/sesion/distribucionPeriodica/distribucionPeriodicaFija/"
     "distribucionSemanal/distribucionPersonalizada/distribucion",
     FinRuta::DistribucionPersonalizada},
    {"/datosKRT/otros/opciones/valorInicialProfesores", FinRuta::ValorInicialProfesores},
    {"/datosKRT/otros/opciones/valorInicialSesiones", FinRuta::ValorInicialSesiones},
    {"/datosKRT/otros/gruposAlejados/opciones", FinRuta::OpcionesAlejados},
    {"/datosKRT/otros/gruposAlejados/listaDeGrupos", FinRuta::ListaAlejados},
    {"/datosKRT/otros/opciones/opcionesGenerales", FinRuta::OpcionesGenerales},
    {"/datosKRT/optativas/optativa", FinRuta::Optativa},
    {"/datosKRT/profesores/profesor/opciones/periodoLibreJornadaPartida", FinRuta::JornadaPartida},
    {"/datosKRT/otros/opciones/valorInicialProfesores/periodoLibreJornadaPartida",
     FinRuta::JornadaPartida},
    {"/datosKRT/profesores/profesor/opciones/otrosPeriodosLibresJornadaPartida/"
     "periodoLibreJornadaPartida",
     FinRuta::JornadaPartida},
    {"/datosKRT/otros/opciones/valorInicialProfesores/otrosPeriodosLibresJornadaPartida/"
     "periodoLibreJornadaPartida",
     FinRuta::JornadaPartida},
};

std::string Minusculas(const char* s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

struct Vocabulario {
    std::unordered_map<std::string, MyContentInterno2::InfoRuta> rutas;
    std::size_t maximaLongitud = 0;
};

} // namespace

const MyContentInterno2::InfoRuta* MyContentInterno2::BuscarRuta(std::string_view ruta) {
    static const Vocabulario vocabulario = [] {
        Vocabulario v;
        // The first of two entries of one path wins.
        for (const EntradaRuta* e = kTablaRutas; e->ruta != nullptr; ++e) {
            InfoRuta& info = v.rutas[Minusculas(e->ruta)];
            if (info.entrada == nullptr) info.entrada = e;
        }
        for (const InicioDeRuta& a : kInicios) {
            InfoRuta& info = v.rutas[Minusculas(a.ruta)];
            if (info.inicio == InicioRuta::Ninguna) info.inicio = a.accion;
        }
        for (const FinDeRuta& a : kFines) {
            InfoRuta& info = v.rutas[Minusculas(a.ruta)];
            if (info.fin == FinRuta::Ninguna) info.fin = a.accion;
        }
        for (const auto& [clave, info] : v.rutas)
            v.maximaLongitud = std::max(v.maximaLongitud, clave.size());
        return v;
    }();
    // Deeper paths than any known one are never looked up.
    if (ruta.size() > vocabulario.maximaLongitud) return nullptr;
    const auto it = vocabulario.rutas.find(std::string(ruta));
    return it != vocabulario.rutas.end() ? &it->second : nullptr;
}

// ---- Choosing the target ----------------------------------------------------------------------

void MyContentInterno2::ElegirDestinoTexto(const AtributosSax& atributos) {
    trozo_ = 0;
    longitud_ = 0; // each element's text starts empty
    destino_ = 0;
    const InfoRuta* info = BuscarRuta(rutaMinusculas_);
    if (info == nullptr || info->entrada == nullptr) return;
    const EntradaRuta& e = *info->entrada;
    REGISTROENCURSO& r = *registro_;
    switch (e.paso) {
    case PasoPrevio::Ninguno:
        break;
    case PasoPrevio::MarcoCero:
        r.colocacion.marco = 0;
        break;
    case PasoPrevio::MarcoDelRegistro:
        r.colocacion.marco = static_cast<std::uint8_t>(r.subMarco);
        break;
    case PasoPrevio::VaciarTrabajo:
        r.textoTrabajo[0] = '\0';
        r.nombreConjunto[0] = '\0';
        break;
    }
    destino_ = e.destino;
    if (e.lector != nullptr) (this->*e.lector)(atributos);
}

int MyContentInterno2::BuscarIndiceMarco(const char* id) const {
    for (int i = 0; i < NUM_MARCOS; ++i)
        if (std::strncmp(idsMarco_[i], id, 50) == 0) return i;
    return 0;
}

// ---- Attribute values -------------------------------------------------------------------------

namespace {

bool Es(std::u16string_view nombre, std::u16string_view literal) {
    return nombre == literal;
}

} // namespace

std::string MyContentInterno2::Valor(const AtributosSax& a, int i, int limite) {
    const std::u16string_view v = a.getValue(i);
    std::string destino(static_cast<std::size_t>(limite) + 1, '\0');
    ConvertirDesdeUnicode(destino.data(), limite, v.data(), static_cast<int>(v.size()));
    destino.resize(std::strlen(destino.c_str()));
    return destino;
}

int MyContentInterno2::ValorEntero(const AtributosSax& a, int i, int limite) {
    return plataforma::LeerEntero(Valor(a, i, limite).c_str());
}

// ---- Attribute readers ------------------------------------------------------------------------

void MyContentInterno2::LeerAtributosMarco(const AtributosSax& a) {
    std::string id, nombre, clave;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"id"))
            id = Valor(a, i, 50);
        else if (Es(n, u"nombre"))
            nombre = Valor(a, i, 7);
        else if (Es(n, u"claveX"))
            clave = Valor(a, i, 500);
    }
    // A frame without id, or a fifth one, registers nothing: its slots are left out.
    marcoIgnorado_ = 1;
    if (id.empty() || numMarcos_ >= NUM_MARCOS) return;
    RegistrarMarco(datos_, nombre.c_str(), clave.c_str(), numMarcos_);
    CopiarTexto(marcoActual_, id.c_str());
    CopiarTexto(idsMarco_[numMarcos_], id.c_str());
    ++numMarcos_;
    marcoIgnorado_ = 0;
}

void MyContentInterno2::LeerNumeroAlumnos(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"numeroAlumnos")) {
            const int v = ValorEntero(a, i, 5);
            if (v >= 1 && v <= 999) alumnosPendientes_ = v;
        }
}

void MyContentInterno2::LeerSolapable(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"solapable") && Es(a.getValue(i), u"true"))
            registro_->solapable = 1;
}

void MyContentInterno2::LeerAtributosOtroGrupo(const AtributosSax& a) {
    LeerAtributoTarea(a);
    LeerNumeroAlumnos(a);
}

void MyContentInterno2::LeerAtributoTarea(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.tareaCompanera[0] = '\0';
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"tarea")) CopiarTexto(r.tareaCompanera, Valor(a, i, 30).c_str());
}

void MyContentInterno2::LeerAtributosOtraAula(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    if (r.numAulas >= MAX_COMPANEROS_XML) {
        // The texts of a further room beyond the last go to the last one.
        r.aulaActual = MAX_COMPANEROS_XML - 1;
        return;
    }
    const int k = r.numAulas++;
    r.aulaActual = k;
    AulaCompaneraXml& e = r.aulas[k];
    e = AulaCompaneraXml{};
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"tarea"))
            CopiarTexto(e.tarea, Valor(a, i, 30).c_str());
        else if (Es(n, u"origenAula"))
            e.origenAula = ValorEntero(a, i, 12);
    }
}

void MyContentInterno2::LeerAtributosMateriaGrupo(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    if (r.numMateriasGrupos >= MAX_COMPANEROS_XML) {
        r.materiaGrupoActual = MAX_COMPANEROS_XML - 1;
        return;
    }
    const int k = r.numMateriasGrupos++;
    r.materiaGrupoActual = k;
    MateriaGrupoXml& e = r.materiasGrupos[k];
    e = MateriaGrupoXml{};
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"tarea")) CopiarTexto(e.tarea, Valor(a, i, 30).c_str());
}

void MyContentInterno2::LeerAtributosTramo(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    COLOCACION& c = r.colocacion;
    c.dia = 0;
    c.fila = 0;
    c.recreo = 0;
    int indice = 0;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"dia")) {
            c.dia = ValorEntero(a, i, 30);
        } else if (Es(n, u"indice")) {
            indice = ValorEntero(a, i, 30);
        } else if (Es(n, u"marco")) {
            CopiarTexto(marcoActual_, Valor(a, i, 50).c_str());
            c.marco = static_cast<std::uint8_t>(BuscarIndiceMarco(marcoActual_));
        }
    }
    // The slot row, through the frame table. An index outside the table names no slot.
    const int f = c.marco;
    if (indice < 0 || indice >= NUM_INDICES_TRAMO) {
        c.fila = -1;
        return;
    }
    int fila = BuscarFilaTramo(datos_, f, c.dia, indice, diasSemana_);
    // A duty in recesses is looked up again past the lesson slots.
    if (fila != -1 && fila < 70 && r.enRecreos)
        fila = BuscarFilaTramo(datos_, f, c.dia, indice + NUM_INTERVALOS, diasSemana_);
    if (fila == -1) {
        fila = BuscarFilaTramo(datos_, f, 0, indice, diasSemana_);
        if (fila != -1 && fila < 70 && r.enRecreos)
            fila = BuscarFilaTramo(datos_, f, 0, indice + NUM_INTERVALOS, diasSemana_);
    }
    if (fila >= 70) {
        c.recreo = 1;
        fila -= 70;
    }
    c.fila = fila;
}

void MyContentInterno2::LeerRefAula(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.colocacion.refAula[0] = '\0';
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"refAula"))
            CopiarTexto(r.colocacion.refAula, Valor(a, i, 12).c_str());
}

void MyContentInterno2::LeerAtributosAula(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.colocacion.anonima = 0;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"id")) {
            CopiarTexto(r.aula, Valor(a, i, 30).c_str());
        } else if (Es(n, u"anonima")) {
            CopiarTexto(r.conjuntoAlternativo, Valor(a, i, 30).c_str());
            r.colocacion.anonima = 1;
        }
    }
}

// Each permanence element says by itself whether it gives the strict value.
void MyContentInterno2::LeerEstrictoSemanal(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.estrictoSemanal = 0;
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"estricto")) r.estrictoSemanal = Es(a.getValue(i), u"true");
}

void MyContentInterno2::LeerEstrictoDiario(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.estrictoDiario = 0;
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"estricto")) r.estrictoDiario = Es(a.getValue(i), u"true");
}

// Each incompatibility element starts without prohibition and with one interval.
void MyContentInterno2::LeerAtributosIncompatibilidad(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.prohibicion = 0;
    r.nIntervalos = 1;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"tipo"))
            r.prohibicion = Es(a.getValue(i), u"prohibici\u00F3n");
        else if (Es(n, u"nIntervalos"))
            r.nIntervalos = ValorEntero(a, i, 30);
    }
}

void MyContentInterno2::LeerEvitarDobleDesp(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"tipo")) prohibirDobleDesp_ = Es(a.getValue(i), u"prohibir");
}

void MyContentInterno2::LeerNumSesiones(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    for (int i = 0; i < a.getLength(); ++i) {
        if (!Es(a.getLocalName(i), u"numSesiones")) continue;
        // A course's list beyond its capacity takes no more subjects.
        if (r.numMateriasCurso >= MAX_MATERIAS_CURSO_XML) continue;
        double v = plataforma::LeerReal(Valor(a, i, 30).c_str());
        // Kept within what a float holds (the builder bounds it further).
        constexpr double kMaximo = 3.0e38;
        if (v > kMaximo) v = kMaximo;
        if (v < -kMaximo) v = -kMaximo;
        r.materiasCurso[r.numMateriasCurso].numSesiones = static_cast<float>(v);
    }
}

void MyContentInterno2::LeerNombreConjunto(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"nombre"))
            CopiarTexto(r.nombreConjunto, Valor(a, i, 30).c_str());
}

void MyContentInterno2::LeerSinDeclarar(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i) {
        if (!Es(a.getLocalName(i), u"sinDeclarar")) continue;
        const long long n =
            static_cast<long long>(datos_->marcos.numAulasGeneral) + ValorEntero(a, i, 30);
        // The room-row count stays within 0..250.
        datos_->marcosHorario->FijarAulasGeneral(
            static_cast<int>(std::clamp<long long>(n, 0, MAX_AULAS_GENERAL)));
    }
}

void MyContentInterno2::LeerAtributosGrupoMateria(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"modificado") && Es(a.getValue(i), u"true")) {
            r.grupoMateriaModificado = 1;
        } else if (Es(n, u"tipo")) {
            const std::string t = Valor(a, i, 30);
            if (!t.empty()) r.tipoGrupoMateria = t[0];
        }
    }
}

void MyContentInterno2::LeerIdSesion(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"id")) registro_->colocacion.sesion = ValorEntero(a, i, 30);
}

void MyContentInterno2::LeerSubmarco(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"submarco") || Es(n, u"subMarco")) {
            CopiarTexto(marcoActual_, Valor(a, i, 50).c_str());
            const int f = BuscarIndiceMarco(marcoActual_);
            r.colocacion.marco = static_cast<std::uint8_t>(f);
            r.subMarco = static_cast<std::int8_t>(f);
        }
    }
}
