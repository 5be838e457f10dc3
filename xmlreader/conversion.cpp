// Element texts into the record in progress, the handler and the model.
//
// At an element's end its text (UTF-16, at most 999 units) is converted as the element's row of
// the vocabulary says. Texts are cut to their field, converted to ANSI and trimmed; numbers are
// read from such a text and stored only within their range; words are compared exactly with the
// raw text. Nothing that does not convert changes its destination.
//
// This file holds the dispatch, the plain fields, the model's settings, the records' own texts
// and numbers, and the lists of names; options, availability, relations and frame slots have
// files of their own.
#include <algorithm>
#include <cassert>
#include <cstring>
#include <string_view>

#include "model/palabras.h"
#include "model/textos.h"
#include "platform/text.h"
#include "xmlreader/vocabulario.h"

namespace {

std::u16string_view Palabra(const char16_t* t, int n) {
    return {t, static_cast<std::size_t>(n > 0 ? n : 0)};
}

void Mitad(std::uint8_t& byte, int valor, bool alta) {
    if (alta)
        byte = static_cast<std::uint8_t>((byte & 0x0F) | ((valor & 0x0F) << 4));
    else
        byte = static_cast<std::uint8_t>((byte & 0xF0) | (valor & 0x0F));
}

// The criterion weight of an empty huecosEnGrupos is 0; other empty weights stay.
constexpr int kPesoHuecosEnGrupos = 4;

} // namespace

// ---- Dispatch and plain fields ----------------------------------------------------------------

bool MyContentInterno2::Texto(char* campo, int ancho, const char16_t* t, int n) {
    return ConvertirDesdeUnicode(campo, ancho, t, n);
}

bool MyContentInterno2::Numero(int ancho, const char16_t* t, int n, int& valor) {
    REGISTROENCURSO& r = *registro_;
    char* texto = ancho <= 5 ? r.textoNumero : r.textoTrabajo;
    if (!ConvertirDesdeUnicode(texto, ancho, t, n)) return false;
    valor = plataforma::LeerEntero(texto);
    return true;
}

void MyContentInterno2::AnotarAlumnos(const char* grupo) {
    if (alumnosPendientes_ == 0) return;
    alumnosPorGrupo_[grupo] = alumnosPendientes_;
    alumnosPendientes_ = 0;
}

void MyContentInterno2::ConvertirTexto(const ConversionTexto& c, const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    const CampoTexto& campo = c.campo;
    int v = 0;
    switch (c.destino) {
    case Destino::Ninguno:
        return;
    case Destino::Texto:
        Texto(campo.texto(r), campo.ancho, t, n);
        return;
    case Destino::Numero:
        if (Numero(campo.ancho, t, n, v) && v >= campo.minimo && v <= campo.maximo)
            campo.poner(r, v);
        return;
    case Destino::Verdadero:
        if (EsPalabra(Palabra(t, n), PALABRA_VERDADERO)) campo.poner(r, 1);
        return;
    default:
        break;
    }
    // The conversions with rules of their own, by subject: each takes only its own.
    [[maybe_unused]] const bool convertido =
        ConvertirAjuste(c.destino, c.parametro, t, n) ||
        ConvertirRegistro(c.destino, c.parametro, t, n) || ConvertirLista(c.destino, t, n) ||
        ConvertirRelacion(c.destino, t, n) ||
        ConvertirOpcionProfesor(c.destino, c.parametro, t, n) ||
        ConvertirOpcionSesion(c.destino, c.parametro, t, n) ||
        ConvertirDisponibilidad(c.destino, t, n) || ConvertirTramoMarco(c.destino, t, n);
    assert(convertido && "a destination of the vocabulary without its conversion");
}

// ---- The document and the model's settings ----------------------------------------------------

bool MyContentInterno2::ConvertirAjuste(Destino destino, int parametro, const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    DHMARCOS& m = datos_->marcos;
    BloqueOtros& o = datos_->otros;
    const std::u16string_view w = Palabra(t, n);
    const bool verdadero = EsPalabra(w, PALABRA_VERDADERO);
    int v = 0;
    switch (destino) {
    case Destino::Version:
        Texto(version_, 12, t, n);
        return true;
    case Destino::Notas:
        if (Texto(notas_, 1000, t, n)) PonerNotas(datos_, notas_);
        return true;
    case Destino::MensajeDesideratas:
        if (Texto(notas_, 350, t, n)) CopiarTexto(o.texto, notas_);
        return true;
    case Destino::Perfil: {
        // A school with optional-subject blocks is a university; a primary school has no
        // duties and at most one department.
        const int k = IndiceDePalabra(w, PALABRAS_PERFIL);
        if (!datos_->optativas.Vacia())
            m.perfil = 2;
        else if (k == 1)
            m.perfil = datos_->guardias.Vacia() && datos_->departamentos.Cuenta() <= 1 ? 1 : 0;
        else if (k >= 2)
            m.perfil = static_cast<std::uint8_t>(k);
        else
            m.perfil = 0;
        return true;
    }
    case Destino::ClaveDia:
        if (Texto(r.textoTrabajo, 10, t, n))
            PonerClaveDia(datos_->marcosHorario.get(), parametro, r.textoTrabajo);
        return true;
    case Destino::DiaFinPeriodo:
        periodo_ = 1;
        if (Numero(30, t, n, v) && VersionNumerica() >= VERSION_FORMATO && v == 5) m.sabado = 1;
        return true;
    case Destino::Peso:
    case Destino::MitadCriterio: {
        if (!Numero(30, t, n, v)) {
            if (destino != Destino::Peso || parametro != kPesoHuecosEnGrupos) return true;
            v = 0;
        }
        if (v < 0 || v > 10) return true;
        Criterios& c = m.criterios;
        if (destino == Destino::Peso) {
            c.pesos[parametro] = static_cast<std::uint8_t>(v);
            return true;
        }
        std::uint8_t& byte = parametro == OPTATIVA_SOLAPADA || parametro == COINCIDAN_MISMA_HORA
                                 ? c.optativaSolapadaCoincidan
                                 : c.cambiosAulaOrdenProfesores;
        Mitad(byte, v, parametro == COINCIDAN_MISMA_HORA || parametro == ORDEN_PROFESORES);
        return true;
    }
    case Destino::OpcionGeneral: {
        const auto bit = static_cast<std::uint32_t>(parametro);
        if (verdadero)
            opcionesGenerales_ |= bit;
        else
            opcionesGenerales_ &= ~bit;
        return true;
    }
    case Destino::ActualizarAlGenerar:
        if (EsPalabra(w, PALABRA_FALSO)) opcionesAlejados_ |= 0x01;
        return true;
    case Destino::EvitarDobleDesp:
        if (EsPalabra(w, PALABRA_FALSO))
            opcionesAlejados_ |= 0x02;
        else if (prohibirDobleDesp_ != 0)
            opcionesAlejados_ |= 0x04;
        return true;
    case Destino::GrupoAlejado:
        if (Texto(r.grupo, 30, t, n)) gruposAlejados_.emplace_back(r.grupo);
        return true;
    case Destino::OtrosSiNo: {
        // restriccionesCD, then funcionesAdicionales, in document order.
        std::uint8_t* const bytes[] = {&o.permitirAgregarProfesor,
                                       &o.permitirAgregarDepartamento,
                                       &o.permitirAgregarAsignatura,
                                       &o.permitirCamDepProfesor,
                                       &o.permitirCamDepAsignatura,
                                       &o.permitirCamDuracion,
                                       &o.permitirCamHorasReduccion,
                                       &o.definirTutor,
                                       &o.elegirGrupoTutor,
                                       &o.hacerGuardias,
                                       &o.cambiarAula,
                                       &o.permitirDistAlt};
        *bytes[parametro] = verdadero ? 1 : 0;
        return true;
    }
    case Destino::CantidadOtros:
        if (Numero(30, t, n, v) && v >= 0 && v <= 99) {
            std::int8_t* const bytes[] = {&o.cantidadDeProhibidos, &o.cantidadDePrefNo1,
                                          &o.cantidadDePrefNo2};
            *bytes[parametro] = static_cast<std::int8_t>(v);
        }
        return true;
    case Destino::LectivaPorDefecto:
        if (Texto(r.tarea, 30, t, n)) PonerLectivaPorDefecto(datos_, r.tarea);
        return true;
    case Destino::ReunionPorDefecto:
        if (Texto(r.tarea, 30, t, n)) PonerReunionPorDefecto(datos_, r.tarea);
        return true;
    case Destino::GuardiaPorDefecto:
        if (Texto(r.tarea, 30, t, n)) PonerGuardiaPorDefecto(datos_, r.tarea);
        return true;
    default:
        return false;
    }
}

void MyContentInterno2::PonerClaveDia(CMarcosHorario* marcos, int dia, const char* clave) {
    if (dia < 0 || dia >= NUM_DIAS) return;
    CopiarTexto(marcos->m_marcos->claveXDias[dia], clave);
}

void MyContentInterno2::RegistrarMarco(CDatos* datos, const char* nombre, const char* clave,
                                       int indice) {
    datos->marcosHorario->EstablecerMarco(nombre, clave, indice);
}

void MyContentInterno2::PonerNotas(CDatos* datos, const char* texto) {
    datos->notas = texto != nullptr ? texto : "";
}

// ---- Texts and numbers of records -------------------------------------------------------------

bool MyContentInterno2::ConvertirRegistro(Destino destino, int parametro, const char16_t* t,
                                          int n) {
    REGISTROENCURSO& r = *registro_;
    const std::u16string_view w = Palabra(t, n);
    int v = 0;
    switch (destino) {
    case Destino::GrupoDeSesion:
        Texto(r.grupo, 30, t, n);
        AnotarAlumnos(r.grupo);
        return true;
    case Destino::AulaDeSesion: // a session's first named room is kept
        if (r.aula[0] == '\0') Texto(r.aula, 30, t, n);
        return true;
    case Destino::ConjuntoDeSesion:
        if (r.conjuntoAlternativo[0] == '\0') Texto(r.conjuntoAlternativo, 30, t, n);
        return true;
    case Destino::CantidadGuardia:
        if (Numero(30, t, n, v) && v >= 1 && v <= 20) {
            r.cantidad = v;
            std::memset(r.cantidadesTramo, v, sizeof r.cantidadesTramo);
        }
        return true;
    case Destino::NumSesionesReunion: // one meeting per `numSesiones`; a longer one is double
        if (Texto(r.textoTrabajo, 30, t, n)) {
            ++r.numeroDeReuniones;
            if (static_cast<unsigned char>(r.textoTrabajo[0]) > '1') r.dobleDuracion = 1;
        }
        return true;
    case Destino::NumSesionesVariable:
        if (Texto(r.textoTrabajo, 30, t, n)) {
            r.numSesionesVariable = plataforma::LeerReal(r.textoTrabajo);
            r.distribucionVariable = 1;
        }
        return true;
    case Destino::NumMaximoDeSesiones:
        if (Texto(r.textoTrabajo, 30, t, n))
            r.numMaximoDeSesiones =
                r.textoTrabajo[0] == 'S'
                    ? 0
                    : static_cast<std::uint8_t>(plataforma::LeerEntero(r.textoTrabajo));
        return true;
    case Destino::PenalizarSesionesSueltas: {
        // 1 penalizado, 2 prohibido; any other word leaves the setting.
        const int k = IndiceDePalabra(w, PALABRAS_SESIONES_SUELTAS);
        if (k >= 1) r.penalizarSesionesSueltas = k;
        return true;
    }
    case Destino::MismaPosicion:
        r.mismaPosicionDistintosPeriodos = std::max(IndiceDePalabra(w, PALABRAS_PRIORIDAD), 0);
        return true;
    case Destino::MarcaDistribucion: {
        if (!Texto(r.textoTrabajo, 30, t, n)) return true;
        const char c = r.textoTrabajo[0];
        if (std::strchr("12345MTS", c) == nullptr) return true;
        char* d = r.distribucion;
        if (parametro == 1 && r.alternativasIniciadas != 0)
            d = r.distribucionesAlternativas[r.indiceAlternativa];
        const char texto[2] = {c, '\0'};
        AnadirMarcaDia(d, texto, c);
        return true;
    }
    case Destino::RefPeriodo:
        if (Numero(30, t, n, v) && v >= 1 && v <= NUM_PERIODOS) r.periodos[v - 1] = 1;
        return true;
    default:
        return false;
    }
}

void MyContentInterno2::AnadirMarcaDia(char* destino, const char* texto, char c) {
    const std::size_t limite = datos_->marcos.sabado != 0 ? 6 : 5;
    const std::size_t n = std::strlen(destino);
    if (n + std::strlen(texto) > limite) return;
    char marca = c;
    if (c == 'M')
        marca = DURACION_MEDIO;
    else if (c == 'T')
        marca = DURACION_TRES_CUARTOS;
    else if (c == 'S')
        marca = '&';
    destino[n] = marca;
    destino[n + 1] = '\0';
}

// ---- Lists of names ---------------------------------------------------------------------------

bool MyContentInterno2::ConvertirLista(Destino destino, const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    char nombre[31];
    int v = 0;
    switch (destino) {
    case Destino::AulaDeConjunto:
        if (Texto(nombre, 30, t, n) && r.numAulasConjunto < MAX_AULAS_CONJUNTO_XML)
            CopiarTexto(r.aulasConjunto[r.numAulasConjunto++], nombre);
        return true;
    case Destino::IntegranteReunion:
        if (Texto(nombre, 30, t, n) && r.numIntegrantes < MAX_INTEGRANTES_REUNION_XML)
            CopiarTexto(r.integrantes[r.numIntegrantes++], nombre);
        return true;
    case Destino::IntegranteGuardia: // at the member being read
        if (Texto(nombre, 30, t, n) && r.numIntegrantesGuardia < MAX_INTEGRANTES_GUARDIA_XML)
            CopiarTexto(r.integrantesGuardia[r.numIntegrantesGuardia].nombre, nombre);
        return true;
    case Destino::GuardiasDeIntegrante:
        if (Numero(30, t, n, v) && r.numIntegrantesGuardia < MAX_INTEGRANTES_GUARDIA_XML)
            r.integrantesGuardia[r.numIntegrantesGuardia].numeroDeGuardias = v > 30 ? 1 : v;
        return true;
    case Destino::MateriaDeCurso: // its weekly sessions came with its start
        if (Texto(nombre, 30, t, n) && r.numMateriasCurso < MAX_MATERIAS_CURSO_XML)
            CopiarTexto(r.materiasCurso[r.numMateriasCurso++].nombre, nombre);
        return true;
    case Destino::ProfesorCompanero: // named or not
        Texto(nombre, 30, t, n);
        if (r.numProfesores < MAX_COMPANEROS_XML) {
            ProfesorCompaneroXml& e = r.profesores[r.numProfesores++];
            CopiarTexto(e.profesor, nombre);
            CopiarTexto(e.tarea, r.tareaCompanera);
        }
        return true;
    case Destino::MateriaDeMateriaGrupo:
        if (Texto(nombre, 30, t, n) && r.materiaGrupoActual >= 0)
            CopiarTexto(r.materiasGrupos[r.materiaGrupoActual].materia, nombre);
        return true;
    case Destino::GrupoDeMateriaGrupo:
        if (Texto(nombre, 30, t, n) && r.materiaGrupoActual >= 0)
            CopiarTexto(r.materiasGrupos[r.materiaGrupoActual].grupo, nombre);
        AnotarAlumnos(nombre);
        return true;
    case Destino::GrupoCompanero:
        if (Texto(nombre, 30, t, n)) {
            if (r.numMateriasGrupos < MAX_COMPANEROS_XML) {
                MateriaGrupoXml& e = r.materiasGrupos[r.numMateriasGrupos++];
                e = MateriaGrupoXml{};
                CopiarTexto(e.grupo, nombre);
                CopiarTexto(e.tarea, r.tareaCompanera);
            }
            AnotarAlumnos(nombre);
        }
        return true;
    case Destino::MateriaCompanera:
        if (Texto(nombre, 30, t, n) && r.numMateriasGrupos < MAX_COMPANEROS_XML) {
            MateriaGrupoXml& e = r.materiasGrupos[r.numMateriasGrupos++];
            e = MateriaGrupoXml{};
            CopiarTexto(e.materia, nombre);
            CopiarTexto(e.tarea, r.tareaCompanera);
        }
        return true;
    case Destino::AulaDeOtraAula:
        if (Texto(nombre, 30, t, n) && r.aulaActual >= 0)
            CopiarTexto(r.aulas[r.aulaActual].aula, nombre);
        return true;
    case Destino::ConjuntoDeOtraAula:
        if (Texto(nombre, 30, t, n) && r.aulaActual >= 0)
            CopiarTexto(r.aulas[r.aulaActual].conjunto, nombre);
        return true;
    case Destino::SesionDeBloque: // of a simultaneous or an optional-subject block
        if (Numero(30, t, n, v) && r.numSesionesBloque < MAX_SESIONES_BLOQUE_XML)
            r.sesionesBloque[r.numSesionesBloque++] = {v, r.solapable};
        return true;
    default:
        return false;
    }
}
