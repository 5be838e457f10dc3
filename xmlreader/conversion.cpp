// Element texts into the record in progress, the handler and the model.
//
// At an element's end its text (UTF-16, at most 999 units) is converted by the target that the
// element's path chose. Texts are cut to their field, converted to ANSI and trimmed; numbers are
// read from such a text and stored only within their range; words are compared exactly with the
// raw text. Nothing that does not convert changes its destination.
#include <cstring>
#include <string_view>

#include "model/textos.h"
#include "platform/text.h"
#include "xmlreader/contenido.h"

namespace {

// Weights of the criteria, by target: the index in Criterios::pesos.
int IndicePeso(int destino) {
    switch (destino) {
    case 192: // huecosEnGrupos
        return 4;
    case 193: // huecosEnProfesores
        return 5;
    case 194: // enGrupos
        return 0;
    case 195: // enProfesores
        return 1;
    case 196: // enMateriasYTareas
        return 2;
    case 197: // enSesionesLectivas
        return 3;
    case 198: // enDiasConsecutivos
        return 6;
    case 199: // enAulaNoPreferente
        return 9;
    case 200: // enHorasExtremas
        return 7;
    case 201: // coincidanPorLaTarde
        return 8;
    case 205: // horasExcluyentes
        return 10;
    case 206: // masClasesEnUnDiaQueEnOtro
        return 11;
    case 207: // horasDeClaseSeguidas
        return 12;
    case 208: // masPermanencia
        return 13;
    case 209: // seguidoConElMismoGrupo
        return 14;
    case 210: // guardiasEnExtremos
        return 15;
    default:
        return -1;
    }
}

int PalabraPrioridad(std::u16string_view w) {
    if (w == u"preferente") return 1;
    if (w == u"obligatorio") return 2;
    if (w == u"procuraEvitar") return 3;
    if (w == u"prohibido") return 4;
    return 0;
}

void Nibble(std::uint8_t& byte, int valor, bool alto) {
    if (alto)
        byte = static_cast<std::uint8_t>((byte & 0x0F) | ((valor & 0x0F) << 4));
    else
        byte = static_cast<std::uint8_t>((byte & 0xF0) | (valor & 0x0F));
}

// An availability word (ASCII case ignored): the cell value, or -1 for any other word.
int ValorDisponibilidad(const char* palabra) {
    using plataforma::IgualesSinMayusculasAscii;
    if (IgualesSinMayusculasAscii(palabra, "preferentementeNo2")) return MAPA_PREFERENTEMENTE_NO2;
    if (IgualesSinMayusculasAscii(palabra, "preferentementeNo1")) return MAPA_PREFERENTEMENTE_NO1;
    if (IgualesSinMayusculasAscii(palabra, "disponible")) return MAPA_DISPONIBLE;
    if (IgualesSinMayusculasAscii(palabra, "fijado")) return MAPA_FIJADO;
    if (IgualesSinMayusculasAscii(palabra, "prohibido")) return MAPA_PROHIBIDO;
    return -1;
}

} // namespace

// ---- Basic conversions ------------------------------------------------------------------------

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

// ---- Dispatch ---------------------------------------------------------------------------------

void MyContentInterno2::ConvertirTexto(const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    DHMARCOS& m = datos_->marcos;
    const std::u16string_view w(t, static_cast<std::size_t>(n > 0 ? n : 0));
    const bool verdadero = w == u"true";
    int v = 0;
    const int destino = destino_;
    switch (destino) {
    // ---- Texts into fields of the record in progress
    case 1:
        Texto(version_, 12, t, n);
        break;
    case 2:
    case 120:
    case 146:
    case 156:
    case 178:
    case 179:
    case 233:
        Texto(r.nombre, 30, t, n);
        break;
    case 3:
        Texto(r.grupo, 30, t, n);
        AnotarAlumnos(r.grupo);
        break;
    case 128:
    case 234:
        Texto(r.grupo, 30, t, n);
        break;
    case 191:
        if (Texto(r.grupo, 30, t, n)) gruposAlejados_.emplace_back(r.grupo);
        break;
    case 4:
    case 109:
    case 152:
    case 159:
    case 168:
        Texto(r.tarea, 30, t, n);
        break;
    case 113:
        if (Texto(r.tarea, 30, t, n)) PonerLectivaPorDefecto(datos_, r.tarea);
        break;
    case 114:
        if (Texto(r.tarea, 30, t, n)) PonerReunionPorDefecto(datos_, r.tarea);
        break;
    case 115:
        if (Texto(r.tarea, 30, t, n)) PonerGuardiaPorDefecto(datos_, r.tarea);
        break;
    case 5: // a session's first named room is kept
        if (r.aula[0] == '\0') Texto(r.aula, 30, t, n);
        break;
    case 100:
    case 134:
        Texto(r.aula, 30, t, n);
        break;
    case 6:
        if (r.conjuntoAlternativo[0] == '\0') Texto(r.conjuntoAlternativo, 30, t, n);
        break;
    case 7:
    case 51:
    case 133:
    case 169:
    case 177:
    case 180:
        Texto(r.profesor, 30, t, n);
        break;
    case 17:
    case 52:
    case 116:
    case 124:
        Texto(r.departamento, 30, t, n);
        break;
    case 132:
    case 139:
        Texto(r.curso, 30, t, n);
        break;
    case 56:
    case 102:
    case 110:
    case 117:
    case 121:
    case 130:
    case 140:
        Texto(r.nombreCompleto, 50, t, n);
        break;
    case 57:
    case 97:
    case 104:
    case 112:
    case 119:
    case 123:
    case 131:
    case 141:
        Texto(r.claveDeExportacion, 500, t, n);
        break;
    case 63:
    case 101:
    case 122:
    case 129:
        Texto(r.abreviatura, 20, t, n);
        break;
    case 19:
    case 55:
    case 118:
        Texto(r.notas, 350, t, n);
        break;
    case 61:
    case 237:
        Texto(r.email, 50, t, n);
        break;
    case 20:
        Texto(r.grupoMateria, 50, t, n);
        break;
    case 59:
        Texto(r.tomaDePosesion, 10, t, n);
        break;
    case 62:
        Texto(r.horarioAsoc, 30, t, n);
        break;
    case 182:
        if (Texto(notas_, 1000, t, n)) PonerNotas(datos_, notas_);
        break;
    case 232:
        if (Texto(notas_, 350, t, n)) CopiarTexto(datos_->otros.texto, notas_);
        break;
    case 81: // tipoDeIncompatibilidad: each incompatibility element gives its own
        break;

    // ---- Lists and session relations
    case 22:
    case 23:
    case 34:
    case 35:
    case 36:
    case 37:
    case 38:
    case 108:
    case 142:
    case 143:
    case 154:
    case 165:
    case 166:
    case 236:
        Lista(destino, t, n);
        break;
    case 18:
    case 24:
    case 25:
    case 26:
    case 27:
    case 28:
    case 29:
    case 30:
    case 31:
    case 32:
    case 33:
    case 144:
    case 145:
        Relacion(destino, t, n);
        break;

    // ---- Numbers
    case 235:
        if (Numero(30, t, n, v) && v >= 2 && v <= 9) r.maxSolapadas = v;
        break;
    case 147:
        if (Numero(30, t, n, v) && v >= 1 && v <= 6) r.numeroDeReuniones = v;
        break;
    case 149: // one meeting per `numSesiones`; a longer one is of double duration
        if (Texto(r.textoTrabajo, 30, t, n)) {
            ++r.numeroDeReuniones;
            if (static_cast<unsigned char>(r.textoTrabajo[0]) > '1') r.dobleDuracion = 1;
        }
        break;
    case 167:
        if (Numero(30, t, n, v) && v >= 1 && v <= 20) {
            r.cantidad = v;
            std::memset(r.cantidadesTramo, v, sizeof r.cantidadesTramo);
        }
        break;
    case 170:
        if (Numero(30, t, n, v) && v >= 1 && v <= 30) r.intervalosSemanales = v;
        break;
    case 171:
        if (Numero(30, t, n, v) && v >= 1 && v <= 6) r.maxIntervalosDiarios = v;
        break;
    case 106:
    case 238:
        if (Numero(5, t, n, v) && v >= 1 && v <= 999) r.numeroAlumnos = v;
        break;
    case 135:
        if (Numero(5, t, n, v) && v >= 1 && v <= 4) r.tardesLibres = v;
        break;
    case 9:
        if (Texto(r.textoTrabajo, 30, t, n)) {
            r.numSesionesVariable = plataforma::LeerReal(r.textoTrabajo);
            r.distribucionVariable = 1;
        }
        break;
    case 10:
        if (Texto(r.textoTrabajo, 30, t, n))
            r.numMaximoDeSesiones =
                r.textoTrabajo[0] == 'S'
                    ? 0
                    : static_cast<std::uint8_t>(plataforma::LeerEntero(r.textoTrabajo));
        break;
    case 176:
    case 181:
        if (Numero(30, t, n, v)) r.colocacion.sesion = v;
        break;
    case 224:
    case 225:
    case 226:
        if (Numero(30, t, n, v) && v >= 0 && v <= 99) {
            auto& byte = destino == 224   ? datos_->otros.cantidadDeProhibidos
                         : destino == 225 ? datos_->otros.cantidadDePrefNo1
                                          : datos_->otros.cantidadDePrefNo2;
            byte = static_cast<std::int8_t>(v);
        }
        break;

    // ---- Yes/no words of records
    case 53:
        if (verdadero) r.daPracticas = 1;
        break;
    case 103:
        if (verdadero) r.dedicada = 1;
        break;
    case 107:
        if (verdadero) r.ocupaDiaCompleto = 1;
        break;
    case 125:
        if (verdadero) r.esTutoria = 1;
        break;
    case 126:
        if (verdadero) r.esDePractica = 1;
        break;
    case 136:
        if (verdadero) r.noAdmiteHuecos = 1;
        break;
    case 137:
        if (verdadero) r.huecosEnNoPreferentes = 1;
        break;
    case 148:
        if (verdadero) r.dobleDuracion = 1;
        break;
    case 155:
        if (verdadero) r.lectiva = 1;
        break;
    case 158:
        if (verdadero) r.enRecreos = 1;
        break;
    case 172:
        if (verdadero) r.noConsecutivos = 1;
        break;
    case 12:
        if (verdadero) r.penalizarBloquesMaximos = 1;
        break;
    case 13:
        if (verdadero) r.admitirBloquesDiscontinuos = 1;
        break;
    case 11:
        if (w == u"penalizado")
            r.penalizarSesionesSueltas = 1;
        else if (w == u"prohibido")
            r.penalizarSesionesSueltas = 2;
        break;
    case 151:
    case 164:
    case 173:
        r.mismaPosicionDistintosPeriodos = PalabraPrioridad(w);
        break;

    // ---- Options of a teacher (or the teacher defaults) and of a session (or the defaults)
    case 54:
    case 60:
    case 64:
    case 65:
    case 66:
    case 67:
    case 68:
    case 69:
    case 70:
    case 71:
    case 72:
    case 73:
    case 74:
    case 75:
    case 76:
    case 77:
    case 78:
    case 79:
    case 80:
    case 82:
    case 83:
    case 84:
    case 85:
    case 86:
    case 87:
    case 88:
    case 89:
    case 90:
        OpcionProfesor(destino, w, t, n);
        break;
    case 39:
    case 40:
    case 41:
    case 42:
    case 43:
    case 44:
    case 45:
    case 46:
    case 47:
    case 48:
    case 49:
        OpcionSesion(destino, w);
        break;

    // ---- Availability and duty counts
    case 21:
    case 50:
    case 105:
    case 111:
    case 127:
    case 138:
    case 153:
    case 160:
    case 161:
    case 162:
    case 174:
        Disponibilidad(destino, t, n);
        break;

    // ---- Settings of the model
    case 192:
    case 193:
    case 194:
    case 195:
    case 196:
    case 197:
    case 198:
    case 199:
    case 200:
    case 201:
    case 202:
    case 203:
    case 204:
    case 205:
    case 206:
    case 207:
    case 208:
    case 209:
    case 210:
    case 211:
        Criterio(destino, t, n);
        break;
    case 212:   // contarHuecosMediodia
    case 213:   // desecharGuardias
    case 214:   // mantener5Sesiones
    case 215:   // minimoHuecosGrupos
    case 216: { // posNoPrefDeGrupos
        static constexpr std::uint32_t kBits[] = {0x02, 0x04, 0x01, 0x08, 0x40};
        const std::uint32_t bit = kBits[destino - 212];
        if (verdadero)
            opcionesGenerales_ |= bit;
        else
            opcionesGenerales_ &= ~bit;
        break;
    }
    case 189: // actualizarAlGenerar
        if (w == u"false") opcionesAlejados_ |= 0x01;
        break;
    case 190: // evitarDobleDesp
        if (w == u"false")
            opcionesAlejados_ |= 0x02;
        else if (prohibirDobleDesp_ != 0)
            opcionesAlejados_ |= 0x04;
        break;
    case 217:
    case 218:
    case 219:
    case 220:
    case 221:
    case 222:
    case 223: {
        BloqueOtros& o = datos_->otros;
        std::uint8_t* const bytes[] = {&o.permitirAgregarProfesor,   &o.permitirAgregarDepartamento,
                                       &o.permitirAgregarAsignatura, &o.permitirCamDepProfesor,
                                       &o.permitirCamDepAsignatura,  &o.permitirCamDuracion,
                                       &o.permitirCamHorasReduccion};
        *bytes[destino - 217] = verdadero ? 1 : 0;
        break;
    }
    case 227:
    case 228:
    case 229:
    case 230:
    case 231: {
        BloqueOtros& o = datos_->otros;
        std::uint8_t* const bytes[] = {&o.definirTutor, &o.elegirGrupoTutor, &o.hacerGuardias,
                                       &o.cambiarAula, &o.permitirDistAlt};
        *bytes[destino - 227] = verdadero ? 1 : 0;
        break;
    }
    case 183: // perfil
        if (!datos_->optativas.Vacia())
            m.perfil = 2;
        else if (w == u"primaria")
            m.perfil = datos_->guardias.Vacia() && datos_->departamentos.Cuenta() <= 1 ? 1 : 0;
        else if (w == u"universidad")
            m.perfil = 2;
        else if (w == u"conservatorio")
            m.perfil = 3;
        else
            m.perfil = 0;
        break;
    case 184:
    case 185:
    case 186:
    case 187:
    case 188:
        if (Texto(r.textoTrabajo, 10, t, n))
            PonerClaveDia(datos_->marcosHorario.get(), destino - 184, r.textoTrabajo);
        break;
    case 239: // periodo/diaFin
        periodo_ = 1;
        if (Numero(30, t, n, v) && VersionNumerica() >= VERSION_FORMATO && v == 5) m.sabado = 1;
        break;

    // ---- Time slots of a frame, distributions and periods
    case 91:
    case 92:
    case 93:
    case 94:
    case 95:
    case 96:
    case 98:
    case 99:
        TextoMarcos(destino, t, n);
        break;
    case 8:
    case 14:
    case 15:
    case 16:
    case 150:
    case 163:
    case 175:
        Distribucion(destino, t, n);
        break;
    default:
        break;
    }
}

// ---- Lists ------------------------------------------------------------------------------------

void MyContentInterno2::Lista(int destino, const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    char nombre[31];
    int v = 0;
    switch (destino) {
    case 108: // a room of a room set
        if (Texto(nombre, 30, t, n) && r.numAulasConjunto < MAX_AULAS_CONJUNTO_XML)
            CopiarTexto(r.aulasConjunto[r.numAulasConjunto++], nombre);
        break;
    case 154: // a member of a meeting
        if (Texto(nombre, 30, t, n) && r.numIntegrantes < MAX_INTEGRANTES_REUNION_XML)
            CopiarTexto(r.integrantes[r.numIntegrantes++], nombre);
        break;
    case 165: // a member of a duty, at the member being read
        if (Texto(nombre, 30, t, n) && r.numIntegrantesGuardia < MAX_INTEGRANTES_GUARDIA_XML)
            CopiarTexto(r.integrantesGuardia[r.numIntegrantesGuardia].nombre, nombre);
        break;
    case 166:
        if (Numero(30, t, n, v) && r.numIntegrantesGuardia < MAX_INTEGRANTES_GUARDIA_XML)
            r.integrantesGuardia[r.numIntegrantesGuardia].numeroDeGuardias = v > 30 ? 1 : v;
        break;
    case 142: // a subject of a course; its weekly sessions came with its start
        if (Texto(nombre, 30, t, n) && r.numMateriasCurso < MAX_MATERIAS_CURSO_XML)
            CopiarTexto(r.materiasCurso[r.numMateriasCurso++].nombre, nombre);
        break;
    case 34: // a further teacher of a session, named or not
        Texto(nombre, 30, t, n);
        if (r.numProfesores < MAX_COMPANEROS_XML) {
            ProfesorCompaneroXml& e = r.profesores[r.numProfesores++];
            CopiarTexto(e.profesor, nombre);
            CopiarTexto(e.tarea, r.tareaCompanera);
        }
        break;
    case 37:
        if (Texto(nombre, 30, t, n) && r.materiaGrupoActual >= 0)
            CopiarTexto(r.materiasGrupos[r.materiaGrupoActual].materia, nombre);
        break;
    case 22:
        if (Texto(nombre, 30, t, n) && r.materiaGrupoActual >= 0)
            CopiarTexto(r.materiasGrupos[r.materiaGrupoActual].grupo, nombre);
        AnotarAlumnos(nombre);
        break;
    case 23: // a further group of a session
        if (Texto(nombre, 30, t, n)) {
            if (r.numMateriasGrupos < MAX_COMPANEROS_XML) {
                MateriaGrupoXml& e = r.materiasGrupos[r.numMateriasGrupos++];
                e = MateriaGrupoXml{};
                CopiarTexto(e.grupo, nombre);
                CopiarTexto(e.tarea, r.tareaCompanera);
            }
            AnotarAlumnos(nombre);
        }
        break;
    case 38: // a further subject of a session
        if (Texto(nombre, 30, t, n) && r.numMateriasGrupos < MAX_COMPANEROS_XML) {
            MateriaGrupoXml& e = r.materiasGrupos[r.numMateriasGrupos++];
            e = MateriaGrupoXml{};
            CopiarTexto(e.materia, nombre);
            CopiarTexto(e.tarea, r.tareaCompanera);
        }
        break;
    case 35:
        if (Texto(nombre, 30, t, n) && r.aulaActual >= 0)
            CopiarTexto(r.aulas[r.aulaActual].aula, nombre);
        break;
    case 36:
        if (Texto(nombre, 30, t, n) && r.aulaActual >= 0)
            CopiarTexto(r.aulas[r.aulaActual].conjunto, nombre);
        break;
    case 143: // a session of a simultaneous block
    case 236: // a session of an optional-subject block
        if (Numero(30, t, n, v) && r.numSesionesBloque < MAX_SESIONES_BLOQUE_XML)
            r.sesionesBloque[r.numSesionesBloque++] = {v, r.solapable};
        break;
    default:
        break;
    }
}

namespace {

void Anadir(int* lista, int& cuenta, int capacidad, int v) {
    if (cuenta >= 0 && cuenta < capacidad) lista[cuenta++] = v;
}

} // namespace

void MyContentInterno2::Relacion(int destino, const char16_t* t, int n) {
    RELACIONESDESESIONES& s = relacion_;
    const std::u16string_view w(t, static_cast<std::size_t>(n > 0 ? n : 0));
    int v = 0;
    switch (destino) {
    case 25: // enDistintoDia/enDiasSeguidos
        registro_->enDiasSeguidos = w == u"obligado"     ? 3
                                    : w == u"indistinto" ? 1
                                    : w == u"prohibido"  ? 2
                                                         : 0;
        return;
    case 145: // conOrden
        Texto(consecutiva_.conOrden, 50, t, n);
        return;
    default:
        break;
    }
    if (!Numero(30, t, n, v)) return;
    switch (destino) {
    case 18:
        Anadir(s.profesoresIntercambiables, s.numIntercambiables,
               RelacionesSesion::MAX_INTERCAMBIABLES, v);
        break;
    case 24:
        Anadir(s.enDistintoDia, s.numEnDistintoDia, RelacionesSesion::MAX_EN_DISTINTO_DIA, v);
        break;
    case 26:
        Anadir(s.noConsecutivas, s.numNoConsecutivas, RelacionesSesion::MAX_NO_CONSECUTIVAS, v);
        break;
    case 27:
        Anadir(s.noCoincidentes, s.numNoCoincidentes, RelacionesSesion::MAX_NO_COINCIDENTES, v);
        break;
    case 28:
        Anadir(s.previoA, s.numPrevioA, RelacionesSesion::MAX_PREVIO_POSTERIOR, v);
        break;
    case 29:
        Anadir(s.posteriorA, s.numPosteriorA, RelacionesSesion::MAX_PREVIO_POSTERIOR, v);
        break;
    // A separation's session and days go to the separation being read; it advances at the
    // separation's end.
    case 30:
        if (s.numSeparadosNDiasOMas < RelacionesSesion::MAX_SEPARACION)
            s.separadosNDiasOMas[s.numSeparadosNDiasOMas] = v;
        break;
    case 32:
        if (s.numSeparadosNDiasOMas < RelacionesSesion::MAX_SEPARACION)
            s.diasSeparadosNDiasOMas[s.numSeparadosNDiasOMas] = v;
        break;
    case 31:
        if (s.numSeparadosNDiasOMenos < RelacionesSesion::MAX_SEPARACION)
            s.separadosNDiasOMenos[s.numSeparadosNDiasOMenos] = v;
        break;
    case 33:
        if (s.numSeparadosNDiasOMenos < RelacionesSesion::MAX_SEPARACION)
            s.diasSeparadosNDiasOMenos[s.numSeparadosNDiasOMenos] = v;
        break;
    case 144:
        Anadir(consecutiva_.sesiones, consecutiva_.numSesiones, 3, v);
        break;
    default:
        break;
    }
}

// ---- Options ----------------------------------------------------------------------------------

void MyContentInterno2::OpcionProfesor(int destino, std::u16string_view w, const char16_t* t,
                                       int n) {
    REGISTROENCURSO& r = *registro_;
    OpcionesProfesor& o = r.opciones;
    int v = 0;
    switch (destino) {
    case 54: // reduccionCargaLectiva, within 0..30
        if (Numero(5, t, n, v))
            r.reduccionCargaLectiva = static_cast<std::uint8_t>(v < 0 ? 0 : v > 30 ? 30 : v);
        break;
    case 60:
        if (Numero(5, t, n, v) && v >= 1 && v <= 999) o.prioridad = static_cast<std::uint16_t>(v);
        break;
    case 64: // maximoSesionesDiarias
        if (w == u"ampliado") {
            o.considerarMaximasHorasDiarias = 2;
            o.valorMaximasHorasCalculado = 2;
        } else if (w == u"sinlimite") {
            o.considerarMaximasHorasDiarias = 0;
        } else if (w == u"limitado") {
            o.considerarMaximasHorasDiarias = 2;
        } else if (w == u"nopenalizar") {
            o.considerarMaximasHorasDiarias = 1;
        }
        break;
    case 65:
    case 67: {
        std::uint32_t& campo =
            destino == 65 ? o.considerarMaximasHorasDiarias : o.considerarMinimasHorasDiarias;
        if (w == u"estricto")
            campo = 2;
        else if (w == u"ponderable")
            campo = 1;
        break;
    }
    case 66:
        if (w == u"unaHoraMas")
            o.valorMaximasHorasCalculado = 2;
        else if (w == u"unaHoraMenos")
            o.valorMaximasHorasCalculado = 1;
        break;
    case 68:
        if (w == u"minimizarDiasOcupados")
            o.minimizarDiasOcupados = 1;
        else if (w == u"unaHoraMas")
            o.valorMinimasHorasCalculado = 2;
        else if (w == u"unaHoraMenos")
            o.valorMinimasHorasCalculado = 1;
        break;
    case 69: // minimoSesionesDiarias
        if (w == u"nopenalizar")
            o.considerarMinimasHorasDiarias = 1;
        else if (w == u"concentrar")
            o.minimizarDiasOcupados = 1;
        else if (w == u"estricto")
            o.considerarMinimasHorasDiarias = 2;
        else if (w == u"limitado")
            o.considerarMinimasHorasDiarias = 0;
        break;
    case 70: // intervalosDePermanenciaSemanales
        if (Numero(5, t, n, v) && v >= 1 && v <= 99) {
            if (r.estrictoSemanal != 0) {
                o.permanenciaSemanalEstricta = v;
                r.semanalEstrictoDado = 1;
            } else {
                o.permanenciaSemanal = v;
                r.semanalDado = 1;
            }
        }
        break;
    case 71: // intervalosDePermanenciaDiarios
        if (Numero(5, t, n, v) && v >= 1 && v <= 56) {
            if (r.estrictoDiario != 0) {
                o.permanenciaDiariaEstricta = v;
                r.diarioEstrictoDado = 1;
            } else {
                o.permanenciaDiaria = v;
                r.diarioDado = 1;
            }
        }
        break;
    case 72:
        if (w == u"false") o.noEliminarHuecos = 1;
        break;
    case 73:
        if (Numero(5, t, n, v) && v >= 1 && v <= 14)
            o.maximasHorasSeguidas = static_cast<std::uint8_t>(v);
        break;
    case 74:
        if (Numero(5, t, n, v) && v >= 1 && v <= 5) o.cantidadDeDias = static_cast<std::uint8_t>(v);
        break;
    case 75: // losPrimerosIntervalos
    case 76: // losUltimosIntervalos
    case 77: // intervalosSeguidos
        if (Numero(5, t, n, v)) {
            o.tipoDePeriodo = static_cast<std::uint16_t>(destino - 74);
            if (v >= 1 && v <= 20) o.intervalosLibres = static_cast<std::uint8_t>(v);
        }
        break;
    case 78:
        if (Numero(5, t, n, v) && v >= 1 && v <= 6) r.cantidadJornadaPartida = v;
        break;
    case 79:
        if (Numero(5, t, n, v) && v >= 1 && v <= 6) r.preferentesJornadaPartida = v;
        break;
    case 80:
        r.jornadaPartida = w == u"tardes" ? 0 : w == u"ma\u00F1anas" ? 1 : 2;
        break;
    case 90:
        if (w == u"true") o.penalizarAlrededorGuardiaRecreo = 1;
        break;
    default: { // 82..89: incompatibilities
        if (destino < 82 || destino > 89) break;
        struct Incompatibilidad {
            std::uint8_t bit;         // in `incompatibilidades` (0: its own field)
            std::uint8_t prohibicion; // in `incompatibilidadesProhibidas`
        };
        static constexpr Incompatibilidad kIncompatibilidades[] = {
            {0, 0x01}, {0x80, 0x02}, {0x08, 0x10}, {0x10, 0x08},
            {0, 0x20}, {0x02, 0x40}, {0x01, 0x04}, {0x04, 0x80},
        };
        const Incompatibilidad& k = kIncompatibilidades[destino - 82];
        if (w == u"true") {
            if (destino == 82)
                o.salirUltimaEntrarPrimera = 1;
            else if (destino == 86)
                o.salirUltimaMananaEntrarPrimeraTarde = 1;
            else
                o.incompatibilidades |= k.bit;
        }
        const auto intervalos = static_cast<std::uint8_t>(
            r.nIntervalos >= 1 && r.nIntervalos <= 20 ? r.nIntervalos : 1);
        if (destino == 82) o.nIntervalosSalirUltimaEntrarPrimera = intervalos;
        if (destino == 83) o.nIntervalosEntrarPrimeraSalirUltima = intervalos;
        if (r.prohibicion != 0) o.incompatibilidadesProhibidas |= k.prohibicion;
        break;
    }
    }
}

void MyContentInterno2::OpcionSesion(int destino, std::u16string_view w) {
    OpcionesSesion& o = registro_->opcionesSesion;
    const bool verdadero = w == u"true";
    switch (destino) {
    case 39:
        if (!verdadero) o.penaSesionesAPrimera = 1;
        break;
    case 40:
        if (!verdadero) o.penaSesionesAUltima = 1;
        break;
    case 41:
        o.penaSalirUltimaEntrarPrimera = verdadero ? 1 : 0;
        break;
    case 42:
        o.penaSesionMismaHora = w == u"distinta" ? 0 : w == u"indiferente" ? 1 : 2;
        break;
    case 43:
    case 44: {
        const std::uint8_t bit = destino == 43 ? 0x01 : 0x02;
        if (verdadero)
            o.penaCoincidan = static_cast<std::uint8_t>(o.penaCoincidan & ~bit);
        else
            o.penaCoincidan = static_cast<std::uint8_t>(o.penaCoincidan | bit);
        break;
    }
    case 45:
        if (verdadero) o.noPermitirRecreosEntreSesiones = 1;
        break;
    case 46:
        if (verdadero) o.recreosSeparanSesionesContinuas = 1;
        break;
    case 47:
        o.permitirImpartanEnDiasSeguidos = w == u"obligatoriamente"  ? 3
                                           : w == u"preferiblemente" ? 0
                                           : w == u"indiferente"     ? 1
                                           : w == u"prohibido"       ? 2
                                                                     : 4;
        break;
    case 48:
        if (verdadero) o.considerarLunesViernesSeguidos = 1;
        break;
    case 49:
        o.mismaPosicionDistintosPeriodos = static_cast<std::uint32_t>(PalabraPrioridad(w));
        break;
    default:
        break;
    }
}

// ---- Availability -----------------------------------------------------------------------------

void MyContentInterno2::Disponibilidad(int destino, const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    const COLOCACION& c = r.colocacion;
    const int d = c.dia;
    const int fila = c.fila;
    const int f = c.marco;
    // A break row belongs to the recesses of a duty in recesses only, never to a lesson.
    if (c.recreo != 0 && r.enRecreos == 0) return;

    if (destino == 160) { // a duty's count of teachers in one slot
        if (d < 0 || d >= diasSemana_ || fila < 0 || fila >= NUM_INTERVALOS) return;
        r.porTramo = 1;
        int v = 0;
        if (!Numero(30, t, n, v) || v < 0 || v > 20) return;
        PonerCelda(datos_, d, fila, r.enRecreos != 0 ? 0 : f, static_cast<std::uint8_t>(v),
                   r.cantidadesTramo);
        return;
    }

    if (!Texto(r.palabraDisponibilidad, 30, t, n)) return;
    if (d < 0 || fila < 0 || fila >= NUM_INTERVALOS) return;
    const int semana = d >= diasSemana_ ? d / diasSemana_ : 0;
    const int dia = d >= diasSemana_ ? d % diasSemana_ : d;
    if (semana >= NUM_PERIODOS) return;
    switch (destino) {
    case 50:  // profesor
    case 105: // aula
    case 111: // tarea
    case 127: // materia
        PonerDisponibilidadPeriodo(datos_, semana, dia, fila, f, r.palabraDisponibilidad,
                                   r.plantilla, f);
        break;
    case 161: // a duty's member
        PonerDisponibilidad(datos_, semana, dia, fila, r.enRecreos != 0 ? 0 : f,
                            r.palabraDisponibilidad, r.plantillaIntegrante);
        break;
    default: // one map per week: sesion, grupo, reunion, complementaria, guardia
        PonerDisponibilidadPeriodo(datos_, semana, dia, fila, f, r.palabraDisponibilidad,
                                   r.plantilla, 0);
        break;
    }
}

namespace {

// A row exists when it is below the lesson count of the frame and day.
bool FilaExiste(const CDatos* datos, int dia, int fila, int marco) {
    if (dia < 0 || dia >= NUM_DIAS || fila < 0 || fila >= NUM_INTERVALOS) return false;
    return fila < datos->marcosHorario->Bloque(marco, dia).numLectivos;
}

} // namespace

void MyContentInterno2::PonerDisponibilidadPeriodo(
    CDatos* datos, int semana, int dia, int fila, int marco, const char* palabra,
    std::uint8_t rejilla[NUM_PERIODOS][NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS], int marcoRejilla) {
    if (!FilaExiste(datos, dia, fila, marco)) return;
    if (semana < 0 || semana >= NUM_PERIODOS || marcoRejilla < 0 || marcoRejilla >= NUM_MARCOS)
        return;
    const int v = ValorDisponibilidad(palabra);
    if (v >= 0) rejilla[semana][marcoRejilla][dia][fila] = static_cast<std::uint8_t>(v);
}

void MyContentInterno2::PonerDisponibilidad(
    CDatos* datos, int semana, int dia, int fila, int marco, const char* palabra,
    std::uint8_t rejilla[NUM_PERIODOS][NUM_DIAS][NUM_INTERVALOS]) {
    if (!FilaExiste(datos, dia, fila, marco)) return;
    if (semana < 0 || semana >= NUM_PERIODOS) return;
    const int v = ValorDisponibilidad(palabra);
    if (v >= 0) rejilla[semana][dia][fila] = static_cast<std::uint8_t>(v);
}

void MyContentInterno2::PonerCelda(CDatos* datos, int dia, int fila, int marco, std::uint8_t valor,
                                   std::uint8_t rejilla[NUM_DIAS][NUM_INTERVALOS]) {
    if (FilaExiste(datos, dia, fila, marco)) rejilla[dia][fila] = valor;
}

int MyContentInterno2::BuscarFilaTramo(CDatos* datos, int marco, int dia, int indice,
                                       int diasSemana) {
    if (!datos->tablaMarcos) return -1;
    if (indice < 0 || indice >= NUM_INDICES_TRAMO || dia < 0 || marco < 0 || marco >= NUM_MARCOS)
        return -1;
    if (diasSemana > 0 && dia >= diasSemana) dia %= diasSemana;
    if (dia >= NUM_DIAS) return -1;
    return datos->tablaMarcos[static_cast<std::size_t>(
        (dia + marco * NUM_DIAS) * NUM_INDICES_TRAMO + indice)];
}

// ---- Settings ---------------------------------------------------------------------------------

void MyContentInterno2::Criterio(int destino, const char16_t* t, int n) {
    int v = 0;
    if (!Numero(30, t, n, v)) {
        // An empty huecosEnGrupos sets its weight to 0; other empty weights stay.
        if (destino != 192) return;
        v = 0;
    }
    if (v < 0 || v > 10) return;
    Criterios& c = datos_->marcos.criterios;
    switch (destino) {
    case 202: // coincidanALaMismaHora
        Nibble(c.optativaSolapadaCoincidan, v, true);
        break;
    case 204: // optativaSolapada
        Nibble(c.optativaSolapadaCoincidan, v, false);
        break;
    case 203: // conCambiosDeAula
        Nibble(c.cambiosAulaOrdenProfesores, v, false);
        break;
    case 211: // ordenProfesores
        Nibble(c.cambiosAulaOrdenProfesores, v, true);
        break;
    default: {
        const int i = IndicePeso(destino);
        if (i >= 0) c.pesos[i] = static_cast<std::uint8_t>(v);
        break;
    }
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

void MyContentInterno2::CargarValoresProfesores(CDatos* datos, OpcionesProfesor& destino) {
    destino = datos->marcos.valorInicialProfesores;
}

// The split-day bytes keep `preferentes` (high half) at least `cantidad` (low half).
void MyContentInterno2::GuardarValoresProfesores(CDatos* datos, OpcionesProfesor& origen) {
    for (std::uint8_t* b : {&origen.periodoLibreTardes, &origen.periodoLibreMananas,
                            &origen.periodoLibreJornadaPartida}) {
        const int cantidad = *b & 0x0F;
        if (cantidad > (*b >> 4)) *b = static_cast<std::uint8_t>((cantidad << 4) | cantidad);
    }
    datos->marcos.valorInicialProfesores = origen;
}

void MyContentInterno2::PonerNotas(CDatos* datos, const char* texto) {
    datos->notas = texto != nullptr ? texto : "";
}

// ---- Time slots, distributions and periods ----------------------------------------------------

void MyContentInterno2::TextoMarcos(int destino, const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    TramoXml& tramo = r.tramo;
    const std::u16string_view w(t, static_cast<std::size_t>(n > 0 ? n : 0));
    int v = 0;
    switch (destino) {
    case 91: { // submarco: the frame of the enclosing marcoHorario
        char texto[51];
        if (Texto(texto, 50, t, n))
            tramo.marco = static_cast<std::uint8_t>(BuscarIndiceMarco(marcoActual_));
        break;
    }
    case 92:
        if (Numero(30, t, n, v)) tramo.dia = v;
        break;
    case 93:
        if (Numero(30, t, n, v)) tramo.indice = v;
        break;
    case 94:
        Texto(tramo.horaEntrada, 5, t, n);
        break;
    case 95:
        Texto(tramo.horaSalida, 5, t, n);
        break;
    case 96:
        if (w == u"recreo")
            tramo.tipo = TRAMO_RECREO;
        else if (w == u"mediodia")
            tramo.tipo = TRAMO_MEDIODIA;
        break;
    case 98:
        if (Texto(r.textoNumero, 5, t, n))
            tramo.claseDuracion = r.textoNumero[0] == 'T' ? 1 : r.textoNumero[0] == 'M' ? 2 : 0;
        break;
    case 99:
        if (w == u"false") tramo.permitido = 0;
        break;
    default:
        break;
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

void MyContentInterno2::Distribucion(int destino, const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    if (destino == 16 || destino == 150 || destino == 163 || destino == 175) {
        int v = 0;
        if (Numero(30, t, n, v) && v >= 1 && v <= NUM_PERIODOS) r.periodos[v - 1] = 1;
        return;
    }
    if (!Texto(r.textoTrabajo, 30, t, n)) return;
    const char c = r.textoTrabajo[0];
    if (std::strchr("12345MTS", c) == nullptr) return;
    char* d = r.distribucion;
    if (destino == 14 && r.alternativasIniciadas != 0)
        d = r.distribucionesAlternativas[r.indiceAlternativa];
    const char texto[2] = {c, '\0'};
    AnadirMarcaDia(d, texto, c);
}
