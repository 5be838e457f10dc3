// The parse driver and the content handler's events: the vocabulary row of each element, its
// text, and the actions at element starts and ends.
#include "xmlreader/lector.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "model/palabras.h"
#include "model/textos.h"
#include "platform/avisos.h"
#include "platform/text.h"
#include "resources/cadenas.h"
#include "xmlreader/sesiones.h"
#include "xmlreader/vocabulario.h"

using plataforma::AtributosSax;

namespace {

char Minuscula(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A local name as paths compare it: at most 99 units, in ANSI, trimmed, A-Z in lower case.
std::string_view NombreDeRuta(std::u16string_view local, char (&nombre)[100]) {
    ConvertirDesdeUnicode(nombre, 99, local.data(), static_cast<int>(local.size()));
    std::size_t n = 0;
    for (; nombre[n] != '\0'; ++n)
        nombre[n] = Minuscula(nombre[n]);
    return {nombre, n};
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
    char nombre[100];
    const NodoRuta* padre = pila_.empty() ? NodoDocumento() : pila_.back();
    const NodoRuta* nodo = BuscarHijo(padre, NombreDeRuta(local, nombre));
    pila_.push_back(nodo);
    const EntradaRuta* entrada = nodo != nullptr ? nodo->entrada : nullptr;

    const InicioRuta inicio = entrada != nullptr ? entrada->inicio : InicioRuta::Ninguna;
    if (inicio == InicioRuta::Raiz) {
        raizVista_ = 1;
    } else if (inicio == InicioRuta::Extensiones) {
        datos_->extensiones = "<extensiones>\n";
        extension_ = 1;
    } else if (extension_ != 0) {
        datos_->extensiones += "<" + NombreCompleto(local) + ">";
    } else {
        AccionInicio(inicio);
    }

    // Each element's text starts empty.
    trozo_ = 0;
    longitud_ = 0;
    textoPendiente_ = nullptr;
    if (entrada != nullptr) PrepararElemento(*entrada, atributos);
}

void MyContentInterno2::endElement(std::u16string_view, std::u16string_view local,
                                   std::u16string_view) {
    const NodoRuta* nodo = pila_.empty() ? nullptr : pila_.back();
    const EntradaRuta* entrada = nodo != nullptr ? nodo->entrada : nullptr;
    if (textoPendiente_ != nullptr) {
        ConvertirTexto(textoPendiente_->texto, texto_, longitud_);
        textoPendiente_ = nullptr;
        trozo_ = 0;
    }
    if (extension_ != 0 && longitud_ > 0) {
        std::string t = plataforma::Utf16AAnsi(std::u16string_view(texto_, longitud_));
        if (Recortar(t.data())) datos_->extensiones += t.c_str();
        longitud_ = 0;
        texto_[0] = 0;
    }

    const FinRuta fin = entrada != nullptr ? entrada->fin : FinRuta::Ninguna;
    if (fin == FinRuta::Extensiones) {
        datos_->extensiones += "</extensiones>\n";
        extension_ = 0;
    } else if (extension_ != 0) {
        datos_->extensiones += "</" + NombreCompleto(local) + ">";
    } else {
        AccionFin(fin);
    }
    if (!pila_.empty()) pila_.pop_back();
}

// The row's step, its text conversion for the element's end, then its attribute reader.
void MyContentInterno2::PrepararElemento(const EntradaRuta& e, const AtributosSax& atributos) {
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
    if (e.texto.destino != Destino::Ninguno) textoPendiente_ = &e;
    if (e.lector != nullptr) (this->*e.lector)(atributos);
}

// ---- Start actions ----------------------------------------------------------------------------

void MyContentInterno2::AccionInicio(InicioRuta inicio) {
    REGISTROENCURSO& r = *registro_;
    switch (inicio) {
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

namespace {

// The name lists of the record in progress: an entry is only ever written at an index below its
// list's count or at the count itself (before the count grows), so what lies beyond is still
// zero when the record is emptied.
struct ListaRegistro {
    std::size_t desde;
    std::size_t tamanoEntrada;
    std::size_t entradas;
    int REGISTROENCURSO::*cuenta;
};
#define KRT_LISTA(lista, cuenta)                                                                   \
    ListaRegistro {                                                                                \
        offsetof(REGISTROENCURSO, lista), sizeof(REGISTROENCURSO::lista[0]),                       \
            std::extent_v<decltype(REGISTROENCURSO::lista)>, &REGISTROENCURSO::cuenta              \
    }
constexpr ListaRegistro kListas[] = {
    KRT_LISTA(aulasConjunto, numAulasConjunto),
    KRT_LISTA(integrantes, numIntegrantes),
    KRT_LISTA(integrantesGuardia, numIntegrantesGuardia),
    KRT_LISTA(materiasCurso, numMateriasCurso),
    KRT_LISTA(profesores, numProfesores),
    KRT_LISTA(materiasGrupos, numMateriasGrupos),
    KRT_LISTA(aulas, numAulas),
};
#undef KRT_LISTA

constexpr bool EnOrden() {
    std::size_t fin = 0;
    for (const ListaRegistro& l : kListas) {
        if (l.desde < fin) return false;
        fin = l.desde + l.entradas * l.tamanoEntrada;
    }
    return fin <= TAMANO_VACIABLE_REGISTRO;
}
static_assert(EnOrden(), "the lists in the order of the record, within its emptied part");

} // namespace

void VaciarRegistroEnCurso(REGISTROENCURSO& r) {
    // Field by field: the used entries of each list, then every byte between the lists, instead
    // of the whole of the record's lists.
    auto* bytes = reinterpret_cast<unsigned char*>(&r);
    std::size_t desde = 0;
    for (const ListaRegistro& l : kListas) {
        const int cuenta = r.*l.cuenta;
        const std::size_t usadas =
            cuenta < 0 ? 0 : std::min(l.entradas, static_cast<std::size_t>(cuenta) + 1);
        std::memset(bytes + desde, 0, l.desde - desde);
        std::memset(bytes + l.desde, 0, usadas * l.tamanoEntrada);
        desde = l.desde + l.entradas * l.tamanoEntrada;
    }
    std::memset(bytes + desde, 0, TAMANO_VACIABLE_REGISTRO - desde);
}

void MyContentInterno2::VaciarRegistro() {
    REGISTROENCURSO& r = *registro_;
    textoPendiente_ = nullptr;
    VaciarRegistroEnCurso(r);
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

void MyContentInterno2::AccionFin(FinRuta fin) {
    REGISTROENCURSO& r = *registro_;
    switch (fin) {
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
        FinColocacion(fin);
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
                CopiarTexto(consecutiva_.conOrden, PALABRA_DESORDENADAS);
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
