// The parse driver and the content handler's events: element path, element text, the actions
// at element starts and ends, and the rules they apply.
#include "xmlreader/lector.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/textos.h"
#include "platform/avisos.h"
#include "platform/text.h"
#include "resources/cadenas.h"
#include "xmlreader/rutas.h"
#include "xmlreader/sesiones.h"

using plataforma::AtributosSax;

namespace {

// A local name as it enters the path: at most 99 units, in ANSI, trimmed.
std::string NombreDeRuta(std::u16string_view local) {
    char nombre[100];
    ConvertirDesdeUnicode(nombre, 99, local.data(), static_cast<int>(local.size()));
    return nombre;
}

// A local name as the extension block copies it: at most 1000 units, trimmed.
std::string NombreCompleto(std::u16string_view local) {
    std::string n = plataforma::Utf16AAnsi(local.substr(0, 1000));
    Recortar(n.data());
    n.resize(std::strlen(n.c_str()));
    return n;
}

// Trims the field in place; true when something is left.
bool Nombrado(char* campo) {
    return Recortar(campo);
}

char Minuscula(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

// ---- Parse driver -----------------------------------------------------------------------------

int LeerXml(std::string& mensaje, const char* archivo, ContextoLeerXml& contexto) {
    char linea[64];
    std::uint32_t hr = contexto.creacion;
    if ((hr & 0x80000000u) != 0 || contexto.lector == nullptr || contexto.datos == nullptr) {
        if ((hr & 0x80000000u) == 0) hr = 0x80004003; // no reader to use
        std::snprintf(linea, sizeof linea,
                      "Error de librer\xED"
                      "a XML %08X",
                      hr);
        mensaje = linea;
        return 0;
    }
    auto manejador = std::make_unique<MyContentInterno2>(contexto.datos);
    contexto.lector->putContentHandler(manejador.get());
    hr = contexto.lector->AnalizarArchivo(archivo);
    int estado = 1;
    if (manejador->RaizVista() == 0) {
        mensaje = recursos::Cadena(recursos::IDS_FORMATO_KRT);
        estado = 0;
    }
    contexto.lector->putContentHandler(nullptr);
    contexto.lector.reset();
    manejador.reset();
    if (hr != 0) {
        std::snprintf(linea, sizeof linea, "Error de acceso XML: %08X", hr);
        mensaje = linea;
        return 0;
    }
    return estado;
}

// ---- Handler ----------------------------------------------------------------------------------

MyContentInterno2::MyContentInterno2(CDatos* datos)
    : datos_(datos), registro_(std::make_unique<REGISTROENCURSO>()) {
    VaciarRegistro();
}

MyContentInterno2::~MyContentInterno2() = default;

void MyContentInterno2::characters(std::u16string_view t) {
    if (trozo_ == 0) {
        longitud_ = 0;
        trozo_ = 1;
    }
    // The text keeps its first 999 units; the rest of a longer text is dropped.
    const int cabe = kMaxTexto - 1 - longitud_;
    const int n = static_cast<int>(std::min<std::size_t>(t.size(), static_cast<std::size_t>(cabe)));
    std::copy_n(t.data(), n, texto_ + longitud_);
    longitud_ += n;
    // A line break that ends a chunk becomes CR LF.
    if (longitud_ > 1 && texto_[longitud_ - 1] == u'\n' && texto_[longitud_ - 2] != u'\r' &&
        longitud_ + 1 < kMaxTexto) {
        texto_[longitud_ - 1] = u'\r';
        texto_[longitud_++] = u'\n';
    }
    texto_[longitud_] = 0;
}

void MyContentInterno2::startElement(std::u16string_view, std::u16string_view local,
                                     std::u16string_view, const AtributosSax& atributos) {
    const std::string nombre = NombreDeRuta(local);
    componentes_.push_back(ruta_.size());
    ruta_ += '/';
    ruta_ += nombre;
    rutaMinusculas_ += '/';
    for (char c : nombre)
        rutaMinusculas_ += Minuscula(c);

    const InfoRuta* info = BuscarRuta(rutaMinusculas_);
    const InicioRuta inicio = info != nullptr ? info->inicio : InicioRuta::Ninguna;
    if (inicio == InicioRuta::Raiz) {
        raizVista_ = 1;
    } else if (inicio == InicioRuta::Extensiones) {
        datos_->extensiones = "<extensiones>\n";
        extension_ = 1;
    } else if (extension_ != 0) {
        datos_->extensiones += "<" + NombreCompleto(local) + ">";
    } else {
        AccionInicio(info);
    }
    ElegirDestinoTexto(atributos);
}

void MyContentInterno2::endElement(std::u16string_view, std::u16string_view local,
                                   std::u16string_view) {
    if (destino_ != 0) {
        ConvertirTexto(texto_, longitud_);
        destino_ = 0;
        trozo_ = 0;
    }
    if (extension_ != 0 && longitud_ > 0) {
        std::string t = plataforma::Utf16AAnsi(std::u16string_view(texto_, longitud_));
        if (Recortar(t.data())) datos_->extensiones += t.c_str();
        longitud_ = 0;
        texto_[0] = 0;
    }

    const InfoRuta* info = BuscarRuta(rutaMinusculas_);
    const FinRuta fin = info != nullptr ? info->fin : FinRuta::Ninguna;
    if (fin == FinRuta::Extensiones) {
        datos_->extensiones += "</extensiones>\n";
        extension_ = 0;
    } else if (extension_ != 0) {
        datos_->extensiones += "</" + NombreCompleto(local) + ">";
    } else {
        AccionFin(info);
    }

    if (!componentes_.empty()) {
        const std::size_t n = componentes_.back();
        componentes_.pop_back();
        ruta_.resize(n);
        rutaMinusculas_.resize(n);
    }
}

// ---- Start actions ----------------------------------------------------------------------------

void MyContentInterno2::AccionInicio(const InfoRuta* info) {
    if (info == nullptr) return;
    REGISTROENCURSO& r = *registro_;
    switch (info->inicio) {
    case InicioRuta::Ninguna:
    case InicioRuta::Raiz:
    case InicioRuta::Extensiones:
        break;
    case InicioRuta::Horario:
        VaciarRegistro();
        datos_->colocacion.PrepararHorario();
        break;
    case InicioRuta::TramoHorario:
        // A slot's placements name their own teachers.
        r.profesor[0] = '\0';
        break;
    case InicioRuta::Guardia:
        std::memset(r.plantilla, MAPA_PREFERENTEMENTE_NO2, sizeof r.plantilla);
        std::memset(r.cantidadesTramo, 1, sizeof r.cantidadesTramo);
        std::memset(r.plantillaIntegrante, MAPA_PREFERENTEMENTE_NO2, sizeof r.plantillaIntegrante);
        VaciarRegistro();
        break;
    case InicioRuta::Preajuste1:
        std::memset(r.plantilla, MAPA_PREFERENTEMENTE_NO2, sizeof r.plantilla);
        VaciarRegistro();
        break;
    case InicioRuta::Preajuste3:
        std::memset(r.plantilla, MAPA_DISPONIBLE, sizeof r.plantilla);
        VaciarRegistro();
        break;
    case InicioRuta::Sesion:
        std::memset(r.plantilla, MAPA_DISPONIBLE, sizeof r.plantilla);
        r.opcionesSesion = datos_->marcos.valorInicialSesiones;
        VaciarRegistro();
        break;
    case InicioRuta::Profesor:
        std::memset(r.plantilla, MAPA_DISPONIBLE, sizeof r.plantilla);
        CargarValoresProfesores(datos_, r.opciones);
        VaciarRegistro();
        break;
    case InicioRuta::Registro:
        VaciarRegistro();
        break;
    case InicioRuta::Tareas:
        VaciarTareas(datos_);
        break;
    case InicioRuta::Otros:
        VaciarRegistro();
        CargarValoresProfesores(datos_, r.opciones);
        r.opcionesSesion = datos_->marcos.valorInicialSesiones;
        opcionesGenerales_ = 16;
        break;
    case InicioRuta::AsignaturaOptativa:
        r.solapable = 0;
        break;
    }
}

void MyContentInterno2::VaciarRegistro() {
    REGISTROENCURSO& r = *registro_;
    destino_ = 0;
    std::memset(static_cast<void*>(&r), 0, TAMANO_VACIABLE_REGISTRO);
    r.colocacion.sesion = -1;
    r.aulaActual = -1;
    r.materiaGrupoActual = -1;
    r.intervalosSemanales = 1;
    r.maxIntervalosDiarios = 5;
    r.numMaximoDeSesiones = 4;
    r.tramo.permitido = 1;
    r.maxSolapadas = 2;
    r.nIntervalos = 1;
    r.jornadaPartida = 2;
    r.grupoMateriaModificado = 0;
    r.tipoGrupoMateria = 'N';
    alumnosPorGrupo_.clear();
    alumnosPendientes_ = 0;
    relacion_ = RELACIONESDESESIONES{};
    consecutiva_ = RELACIONESCONSECUTIVAS{};
    opcionesAlejados_ = 0;
    prohibirDobleDesp_ = 0;
    gruposAlejados_.clear();
}

// ---- End actions ------------------------------------------------------------------------------

void MyContentInterno2::AccionFin(const InfoRuta* info) {
    if (info == nullptr) return;
    REGISTROENCURSO& r = *registro_;
    switch (info->fin) {
    case FinRuta::Ninguna:
    case FinRuta::Extensiones:
        break;
    case FinRuta::TramoHorario:
        r.colocacion.dia = 0;
        r.colocacion.fila = 0;
        r.colocacion.marco = 0;
        ocurrencias_.clear();
        break;
    case FinRuta::AulaHorario:
    case FinRuta::ComplementariaHorario:
    case FinRuta::GuardiaHorario:
    case FinRuta::ReunionHorario:
        FinColocacion(static_cast<int>(info->fin));
        break;
    case FinRuta::Guardia:
        if (Nombrado(r.nombre)) AnadirGuardia(datos_);
        break;
    case FinRuta::Integrante: {
        const int k = r.numIntegrantesGuardia;
        if (k < MAX_INTEGRANTES_GUARDIA_XML) {
            for (int p = 0; p < NUM_PERIODOS; ++p) {
                MapaDisponibilidad m;
                std::memcpy(m.celdas, r.plantillaIntegrante[p], sizeof m.celdas);
                EmpaquetarMapa(r.integrantesGuardia[k].mapas[p], m);
            }
            ++r.numIntegrantesGuardia;
        }
        std::memset(r.plantillaIntegrante, MAPA_PREFERENTEMENTE_NO2, sizeof r.plantillaIntegrante);
        break;
    }
    case FinRuta::Complementaria:
        if (Nombrado(r.tarea) && Nombrado(r.profesor)) AnadirComplementaria(datos_);
        break;
    case FinRuta::Reunion:
        if (Nombrado(r.nombre)) AnadirReunion(datos_);
        break;
    case FinRuta::Simultaneas:
        if (r.numSesionesBloque >= 2) {
            int ids[MAX_SESIONES_BLOQUE_XML];
            for (int i = 0; i < r.numSesionesBloque; ++i)
                ids[i] = r.sesionesBloque[i].id;
            AnadirSimultaneas(datos_, r.numSesionesBloque, ids);
        }
        r.numSesionesBloque = 0;
        break;
    case FinRuta::Consecutivas:
        if (consecutiva_.numSesiones == 2 || consecutiva_.numSesiones == 3) {
            if (consecutiva_.conOrden[0] == '\0')
                CopiarTexto(consecutiva_.conOrden, "desordenadas");
            consecutivas_.AnadirAlFinal(consecutiva_);
        }
        consecutiva_ = RELACIONESCONSECUTIVAS{};
        break;
    case FinRuta::Curso:
        if (Nombrado(r.curso)) AnadirCurso(datos_);
        break;
    case FinRuta::Grupo:
        if (Nombrado(r.grupo)) AnadirGrupo(datos_);
        break;
    case FinRuta::Materia:
        if (Nombrado(r.nombre)) AnadirMateria(datos_);
        break;
    case FinRuta::Departamento:
        if (Nombrado(r.departamento)) AnadirDepartamento(datos_);
        break;
    case FinRuta::Tarea:
        if (Nombrado(r.tarea)) AnadirTarea(datos_);
        break;
    case FinRuta::Tareas:
        TerminarTareas(datos_);
        break;
    case FinRuta::TramoMarco:
        FinTramoMarco();
        break;
    case FinRuta::Marcos:
        TerminarMarcos(datos_);
        break;
    case FinRuta::Aulas:
        datos_->marcosHorario->FijarAulasGeneral(datos_->aulas.Cuenta() - 1);
        break;
    case FinRuta::Aula:
        if (Nombrado(r.aula)) AnadirAula(datos_);
        break;
    case FinRuta::OtroConjunto:
        if (Nombrado(r.nombreConjunto)) AnadirConjuntoAulas(datos_);
        break;
    case FinRuta::SeparacionMas:
        if (relacion_.numSeparadosNDiasOMas < RelacionesSesion::MAX_SEPARACION)
            ++relacion_.numSeparadosNDiasOMas;
        break;
    case FinRuta::SeparacionMenos:
        if (relacion_.numSeparadosNDiasOMenos < RelacionesSesion::MAX_SEPARACION)
            ++relacion_.numSeparadosNDiasOMenos;
        break;
    case FinRuta::Sesion:
        FinSesion();
        break;
    case FinRuta::ListasDeRelacion:
        for (auto& relaciones : relaciones_)
            ResolverRelacionesSesion(datos_, &relaciones);
        for (auto& bloque : consecutivas_)
            ResolverConsecutivas(datos_, &bloque);
        break;
    case FinRuta::Profesor:
        if (Nombrado(r.profesor)) {
            AjustarPermanencia();
            AnadirProfesor(datos_);
        }
        break;
    case FinRuta::DistribucionPersonalizada:
        FinDistribucionPersonalizada();
        break;
    case FinRuta::ValorInicialProfesores:
        AjustarPermanencia();
        GuardarValoresProfesores(datos_, r.opciones);
        break;
    case FinRuta::ValorInicialSesiones:
        datos_->marcos.valorInicialSesiones = r.opcionesSesion;
        break;
    case FinRuta::OpcionesAlejados:
        datos_->marcos.opcionesGruposAlejados = opcionesAlejados_;
        break;
    case FinRuta::ListaAlejados:
        AnadirGruposAlejados(datos_, gruposAlejados_);
        break;
    case FinRuta::OpcionesGenerales:
        FinOpcionesGenerales();
        break;
    case FinRuta::Optativa:
        if (Nombrado(r.nombre) && Nombrado(r.grupo)) AnadirOptativa(datos_);
        break;
    case FinRuta::JornadaPartida:
        FinJornadaPartida();
        break;
    }
}

int MyContentInterno2::VersionNumerica() const {
    return plataforma::LeerEntero(version_);
}

int MyContentInterno2::Semana(int dia) const {
    return dia < diasSemana_ ? 0 : dia / diasSemana_;
}

int MyContentInterno2::DiaDeSemana(int dia) const {
    return dia % diasSemana_;
}

// The end of a child of a solved timetable's slot: a session in a room, a complementary
// activity, a duty or a meeting. A break slot takes duties only.
void MyContentInterno2::FinColocacion(int hijo) {
    REGISTROENCURSO& r = *registro_;
    COLOCACION& c = r.colocacion;
    // Placed only in a lesson row (or a recess) of a day of the six weeks there can be.
    const bool enTramo =
        c.dia >= 0 && c.fila >= 0 && c.fila < NUM_INTERVALOS && Semana(c.dia) < NUM_PERIODOS;
    const int semana = enTramo ? Semana(c.dia) : 0;
    const int dia = enTramo ? DiaDeSemana(c.dia) : 0;
    switch (static_cast<FinRuta>(hijo)) {
    case FinRuta::AulaHorario: {
        // The occurrence: one more than the last given out to this session in this slot, or
        // the room reference given.
        const auto it = ocurrencias_.find(c.sesion);
        std::uint16_t ocurrencia =
            it != ocurrencias_.end() ? static_cast<std::uint16_t>(it->second + 1) : 0;
        if (c.refAula[0] != '\0')
            ocurrencia = static_cast<std::uint16_t>(plataforma::LeerEntero(c.refAula));
        ocurrencias_[c.sesion] = ocurrencia;
        if (enTramo && c.recreo == 0) {
            // The room is its id; an anonymous room without an id is known by its text.
            const char* aula = r.aula[0] != '\0' ? r.aula : r.conjuntoAlternativo;
            datos_->colocacion.ColocarSesion(semana, dia, c.fila, c.marco, aula, r.profesor,
                                             c.sesion, ocurrencia, c.anonima);
        }
        r.aula[0] = '\0';
        r.conjuntoAlternativo[0] = '\0';
        r.profesor[0] = '\0';
        c.refAula[0] = '\0';
        c.sesion = -1;
        break;
    }
    case FinRuta::ComplementariaHorario:
        if (enTramo && c.recreo == 0)
            datos_->colocacion.ColocarComplementaria(semana, dia, c.fila, c.marco, c.sesion);
        c.sesion = -1;
        break;
    case FinRuta::GuardiaHorario:
        if (enTramo) {
            if (c.recreo != 0)
                datos_->colocacion.ColocarGuardiaRecreo(semana, dia, c.fila, c.marco, r.nombre,
                                                        r.profesor);
            else
                datos_->colocacion.ColocarGuardia(semana, dia, c.fila, c.marco, r.nombre,
                                                  r.profesor);
        }
        r.nombre[0] = '\0';
        r.profesor[0] = '\0';
        break;
    case FinRuta::ReunionHorario:
        if (enTramo && c.recreo == 0)
            datos_->colocacion.ColocarReunion(semana, dia, c.fila, c.marco, r.nombre);
        r.nombre[0] = '\0';
        break;
    default:
        break;
    }
}

// The end of a frame's time slot: days per week, Saturday and periods, then the slot record.
void MyContentInterno2::FinTramoMarco() {
    if (marcoIgnorado_ != 0) return;
    REGISTROENCURSO& r = *registro_;
    DHMARCOS& m = datos_->marcos;
    const int v = VersionNumerica();
    const int d = r.tramo.dia;
    if (v < VERSION_FORMATO) {
        // Older documents count six days a week; day 6 starts the next week.
        diasSemana_ = 6;
        if (d == 5)
            m.sabado = 1;
        else if (d == 6)
            periodo_ = 1;
    } else {
        if (d == 5 && periodo_ == 0) m.sabado = 1;
        diasSemana_ = m.sabado != 0 ? 6 : 5;
    }
    const int n = diasSemana_;
    const int semana = d >= n ? d / n : 0;
    const int dia = d >= n ? d % n : d;
    // Only weeks that exist raise the number of periods.
    if (semana < NUM_PERIODOS && semana + 1 > m.numPeriodos)
        datos_->marcosHorario->FijarNumeroPeriodos(semana + 1);
    AnadirTramo(semana, r.tramo.horaEntrada, r.tramo.horaSalida, r.claveDeExportacion,
                r.tramo.indice, r.tramo.marco, dia, r.tramo.tipo, r.tramo.claseDuracion,
                r.tramo.permitido);
}

void MyContentInterno2::FinSesion() {
    REGISTROENCURSO& r = *registro_;
    if (r.distribucionVariable != 0 && r.numSesionesVariable > 0.0 && r.distribucion[0] == '\0') {
        const double total = std::min(r.numSesionesVariable, 1000.0);
        CrearDistribucionSemanal(r.distribucion, static_cast<int>(total), false,
                                 datos_->marcos.sabado != 0 ? 6 : 5);
    }
    if (r.colocacion.sesion != -1 && Nombrado(r.nombre) && Nombrado(r.grupo) &&
        Nombrado(r.distribucion))
        CrearSesionXml(datos_, r.colocacion.sesion, r, alumnosPorGrupo_);
    const RELACIONESDESESIONES& s = relacion_;
    if (s.numNoConsecutivas > 0 || s.numEnDistintoDia > 0 || s.numNoCoincidentes > 0 ||
        s.numIntercambiables > 0 || s.numPrevioA > 0 || s.numPosteriorA > 0 ||
        s.numSeparadosNDiasOMas > 0 || s.numSeparadosNDiasOMenos > 0) {
        relacion_.sesion = r.colocacion.sesion;
        relaciones_.AnadirAlFinal(relacion_);
    }
    relacion_ = RELACIONESDESESIONES{};
}

void MyContentInterno2::FinDistribucionPersonalizada() {
    REGISTROENCURSO& r = *registro_;
    if (r.alternativasIniciadas == 0) {
        r.alternativasIniciadas = 1;
        return;
    }
    if (r.distribucionesAlternativas[r.indiceAlternativa][0] != '\0' &&
        r.indiceAlternativa < MAX_DISTRIBUCIONES_XML - 1)
        ++r.indiceAlternativa;
}

// A split-day free period: `cantidad` in the low half of its byte, `preferentes` in the high.
void MyContentInterno2::FinJornadaPartida() {
    REGISTROENCURSO& r = *registro_;
    const auto valor = static_cast<std::uint8_t>(((r.preferentesJornadaPartida & 15) << 4) |
                                                 (r.cantidadJornadaPartida & 15));
    switch (r.jornadaPartida) {
    case 0:
        r.opciones.periodoLibreTardes = valor;
        break;
    case 1:
        r.opciones.periodoLibreMananas = valor;
        break;
    default:
        r.opciones.periodoLibreJornadaPartida = valor;
        break;
    }
    r.jornadaPartida = 2;
    r.cantidadJornadaPartida = 0;
    r.preferentesJornadaPartida = 0;
}

void MyContentInterno2::FinOpcionesGenerales() {
    datos_->marcos.opciones = opcionesGenerales_;
    const int v = VersionNumerica();
    if (v <= VERSION_ANTIGUA) {
        datos_->ActualizarProfesores(opcionesGenerales_);
    } else if (v > VERSION_FORMATO) {
        plataforma::AvisosActuales().Mostrar(AVISO_VERSION_NUEVA, "", plataforma::Icono::Ninguno,
                                             plataforma::Botones::Aceptar);
    }
}

// Before a teacher (or the teacher defaults) is stored: a permanence limit given only as
// preferred or only as strict completes the other.
void MyContentInterno2::AjustarPermanencia() {
    REGISTROENCURSO& r = *registro_;
    OpcionesProfesor& o = r.opciones;
    if (r.diarioDado != 0 && r.diarioEstrictoDado == 0) {
        const int e = o.permanenciaDiaria + 16;
        o.permanenciaDiariaEstricta = e > 56 ? o.permanenciaDiaria : e;
    } else if (r.diarioEstrictoDado != 0 && r.diarioDado == 0) {
        o.permanenciaDiaria = o.permanenciaDiariaEstricta;
    }
    if (r.semanalDado != 0 && r.semanalEstrictoDado == 0) {
        const int e = o.permanenciaSemanal + 60;
        o.permanenciaSemanalEstricta = e > 336 ? o.permanenciaSemanal : e;
    } else if (r.semanalEstrictoDado != 0 && r.semanalDado == 0) {
        o.permanenciaSemanal = o.permanenciaSemanalEstricta;
    }
    if (o.permanenciaSemanal > o.permanenciaSemanalEstricta)
        o.permanenciaSemanal = o.permanenciaSemanalEstricta;
    if (o.permanenciaDiaria > o.permanenciaDiariaEstricta)
        o.permanenciaDiaria = o.permanenciaDiariaEstricta;
}
