// The SAX2 reader over expat's UTF-16 build (libexpatw): XML_Char is a 16-bit unit. The
// library is built with DTD support, whose guards against entity expansion are set below.
#define XML_UNICODE
#define XML_DTD
#include <expat.h>

#include "platform/sax.h"

#include <cstdio>
#include <cstring>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

static_assert(sizeof(XML_Char) == sizeof(char16_t), "expat must be built for UTF-16");

namespace plataforma {

namespace {

// Separates the namespace URI, the local name and the prefix in the names expat gives.
// U+FFFF is not an XML character, so it can appear in no URI and no name.
constexpr XML_Char kSeparador = 0xFFFF;
constexpr std::size_t kTamanoBloque = 64 * 1024;

// Entity expansion is refused once a document expands to more than this many times its own
// size, checked from this much output on. The exchange documents use no entities of their own.
constexpr float kMaximaAmplificacion = 20.0f;
constexpr unsigned long long kUmbralAmplificacion = 1024 * 1024;

// Elements nest at most this deep. The exchange documents go a handful of levels down; the
// bound keeps the parser's and the handler's element stacks from growing with the document.
constexpr int kMaximaProfundidad = 256;

std::size_t Longitud(const XML_Char* s) {
    std::size_t n = 0;
    while (s[n] != 0)
        ++n;
    return n;
}

// The parts of an expat name "uri SEP local [SEP prefix]" (or a plain "local"), as views of
// it; only a prefixed name has its qualified form composed, into `compuesto`.
struct NombrePartido {
    std::u16string_view uri, local, qname;
    bool compuesto = false; // qname is `compuesto`
};
NombrePartido PartirNombre(const XML_Char* nombre, std::u16string& compuesto) {
    // One pass: the end of the name and its first two separators.
    const auto* p = reinterpret_cast<const char16_t*>(nombre);
    std::size_t n = 0, s1 = 0, s2 = 0;
    for (; p[n] != 0; ++n) {
        if (p[n] != kSeparador) continue;
        if (s1 == 0)
            s1 = n + 1;
        else if (s2 == 0)
            s2 = n + 1;
    }
    const std::u16string_view todo(p, n);
    if (s1 == 0) return {{}, todo, todo};
    const std::u16string_view uri = todo.substr(0, s1 - 1);
    if (s2 == 0) return {uri, todo.substr(s1), todo.substr(s1)};
    const std::u16string_view local = todo.substr(s1, s2 - 1 - s1);
    compuesto.assign(todo.substr(s2));
    compuesto += u':';
    compuesto += local;
    return {uri, local, compuesto, true};
}

// Documents declared windows-1252; the other encodings they use are expat's own.
int XMLCALL CodificacionDesconocida(void*, const XML_Char* nombre, XML_Encoding* info) {
    static constexpr char kNombre[] = "windows-1252";
    std::size_t n = Longitud(nombre);
    if (n != sizeof kNombre - 1) return XML_STATUS_ERROR;
    for (std::size_t i = 0; i < n; ++i) {
        if (nombre[i] > 0x7F) return XML_STATUS_ERROR;
        char c = static_cast<char>(nombre[i]);
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kNombre[i]) return XML_STATUS_ERROR;
    }
    for (int b = 0; b < 256; ++b) {
        const std::u16string u = AnsiAUtf16(std::string(1, static_cast<char>(b)));
        info->map[b] = u.empty() ? b : u[0];
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

// The status of a file that could not be opened or read, from the layer's last error.
std::uint32_t EstadoDeError(std::uint32_t codigo) {
    switch (codigo) {
    case codigo::ArchivoNoEncontrado:
        return estado_sax::ArchivoNoEncontrado;
    case codigo::RutaNoEncontrada:
        return estado_sax::RutaNoEncontrada;
    case codigo::AccesoDenegado:
        return estado_sax::AccesoDenegado;
    default:
        // Other codes of the Windows numbering keep it; errno codes of our own have none.
        if (codigo != 0 && codigo <= 0xFFFF) return 0x80070000u | codigo;
        return estado_sax::Fallo;
    }
}

} // namespace

// ---- Attributes -------------------------------------------------------------------------------

std::u16string_view AtributosSax::getURI(int i) const {
    if (i < 0 || i >= getLength()) return {};
    return atributos_[static_cast<std::size_t>(i)].uri;
}

std::u16string_view AtributosSax::getLocalName(int i) const {
    if (i < 0 || i >= getLength()) return {};
    return atributos_[static_cast<std::size_t>(i)].local;
}

std::u16string_view AtributosSax::getQName(int i) const {
    if (i < 0 || i >= getLength()) return {};
    return atributos_[static_cast<std::size_t>(i)].qname;
}

std::u16string_view AtributosSax::getValue(int i) const {
    if (i < 0 || i >= getLength()) return {};
    return atributos_[static_cast<std::size_t>(i)].valor;
}

void AtributosSax::Anadir(std::u16string uri, std::u16string local, std::u16string qname,
                          std::u16string valor) {
    const auto u = Guardar(std::move(uri));
    const auto l = Guardar(std::move(local));
    const auto q = Guardar(std::move(qname));
    AnadirVistas(u, l, q, Guardar(std::move(valor)));
}

// ---- The parser -------------------------------------------------------------------------------

struct LectorSax::Analizador {
    XML_Parser parser = nullptr;
    ManejadorContenidoSax* manejador = nullptr;
    AtributosSax atributos;
    std::u16string qname;           // the qualified name of a prefixed element
    int profundidad = 0;            // elements open at this point of the document
    bool demasiadoProfundo = false; // the parse was stopped at the nesting bound

    ~Analizador() {
        if (parser != nullptr) XML_ParserFree(parser);
    }

    static void XMLCALL Inicio(void* datos, const XML_Char* nombre, const XML_Char** atts) {
        auto* a = static_cast<Analizador*>(datos);
        if (a->demasiadoProfundo) return;
        if (++a->profundidad > kMaximaProfundidad) {
            // The parse ends here as a malformed document; no further event is delivered.
            a->demasiadoProfundo = true;
            XML_StopParser(a->parser, XML_FALSE);
            return;
        }
        if (a->manejador == nullptr) return;
        // The names and values are views of expat's buffers, valid during this call.
        a->atributos.Vaciar();
        std::u16string compuesto;
        for (int i = 0; atts[i] != nullptr; i += 2) {
            const NombrePartido n = PartirNombre(atts[i], compuesto);
            const std::u16string_view valor(reinterpret_cast<const char16_t*>(atts[i + 1]),
                                            Longitud(atts[i + 1]));
            const std::u16string_view qname =
                n.compuesto ? a->atributos.Guardar(compuesto) : n.qname;
            a->atributos.AnadirVistas(n.uri, n.local, qname, valor);
        }
        const NombrePartido n = PartirNombre(nombre, a->qname);
        a->manejador->startElement(n.uri, n.local, n.qname, a->atributos);
    }

    static void XMLCALL Fin(void* datos, const XML_Char* nombre) {
        auto* a = static_cast<Analizador*>(datos);
        if (a->demasiadoProfundo) return;
        --a->profundidad;
        if (a->manejador == nullptr) return;
        const NombrePartido n = PartirNombre(nombre, a->qname);
        a->manejador->endElement(n.uri, n.local, n.qname);
    }

    static void XMLCALL Caracteres(void* datos, const XML_Char* s, int n) {
        auto* a = static_cast<Analizador*>(datos);
        if (a->manejador == nullptr || n <= 0 || a->demasiadoProfundo) return;
        a->manejador->characters(
            std::u16string_view(reinterpret_cast<const char16_t*>(s), static_cast<std::size_t>(n)));
    }

    // Makes the parser ready for a new document, with every guard in place.
    void Preparar() {
        XML_ParserReset(parser, nullptr);
        profundidad = 0;
        demasiadoProfundo = false;
        XML_SetUserData(parser, this);
        XML_SetReturnNSTriplet(parser, XML_TRUE);
        XML_SetElementHandler(parser, Inicio, Fin);
        XML_SetCharacterDataHandler(parser, Caracteres);
        XML_SetUnknownEncodingHandler(parser, CodificacionDesconocida, nullptr);
        // Neither the external DTD subset nor any external entity is ever read: parameter
        // entities are not parsed and there is no external entity handler.
        XML_SetParamEntityParsing(parser, XML_PARAM_ENTITY_PARSING_NEVER);
        XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser, kMaximaAmplificacion);
        XML_SetBillionLaughsAttackProtectionActivationThreshold(parser, kUmbralAmplificacion);
    }
};

LectorSax::LectorSax() : analizador_(std::make_unique<Analizador>()) {}

LectorSax::~LectorSax() = default;

std::uint32_t CrearLectorSax(std::unique_ptr<LectorSax>& lector) {
    lector.reset();
    std::unique_ptr<LectorSax> nuevo(new LectorSax());
    nuevo->analizador_->parser = XML_ParserCreateNS(nullptr, kSeparador);
    if (nuevo->analizador_->parser == nullptr) return estado_sax::SinMemoria;
    lector = std::move(nuevo);
    return estado_sax::Correcto;
}

namespace {

// Feeds one piece to the parser; false when the document turned out malformed.
bool Alimentar(XML_Parser p, const char* datos, std::size_t n, bool final) {
    return XML_Parse(p, datos, static_cast<int>(n), final ? 1 : 0) == XML_STATUS_OK;
}

// The status of a malformed document; a document stopped at the nesting bound is one, and the
// parser reports it as aborted.
std::uint32_t EstadoDelAnalizador(XML_Parser p, bool demasiadoProfundo, std::string& texto) {
    const XML_Error e = XML_GetErrorCode(p);
    char linea[96];
    std::snprintf(linea, sizeof linea, "l\xEDnea %lu, columna %lu: ",
                  static_cast<unsigned long>(XML_GetCurrentLineNumber(p)),
                  static_cast<unsigned long>(XML_GetCurrentColumnNumber(p) + 1));
    const XML_LChar* mensaje = XML_ErrorString(e);
    texto = linea;
    if (demasiadoProfundo)
        texto +=
            "elementos anidados a m\xE1s de " + std::to_string(kMaximaProfundidad) + " niveles";
    else
        texto += mensaje != nullptr ? mensaje : "";
    return estado_sax::BaseDocumentoMalFormado + static_cast<std::uint32_t>(e);
}

} // namespace

std::uint32_t LectorSax::AnalizarMemoria(const void* datos, std::size_t tamano) {
    Analizador& a = *analizador_;
    textoEstado_.clear();
    a.manejador = manejador_;
    a.Preparar();
    if (manejador_ != nullptr) manejador_->startDocument();
    const char* p = static_cast<const char*>(datos);
    std::size_t resto = datos != nullptr ? tamano : 0;
    do {
        const std::size_t n = resto < kTamanoBloque ? resto : kTamanoBloque;
        resto -= n;
        if (!Alimentar(a.parser, p, n, resto == 0))
            return EstadoDelAnalizador(a.parser, a.demasiadoProfundo, textoEstado_);
        p += n;
    } while (resto > 0);
    if (manejador_ != nullptr) manejador_->endDocument();
    return estado_sax::Correcto;
}

std::uint32_t LectorSax::AnalizarArchivo(const char* ruta) {
    Analizador& a = *analizador_;
    textoEstado_.clear();
    const int fd = AbrirParaLeer(ruta);
    if (fd < 0) {
        textoEstado_ = TextoDeError(UltimoError());
        return EstadoDeError(UltimoError());
    }
    a.manejador = manejador_;
    a.Preparar();
    if (manejador_ != nullptr) manejador_->startDocument();
    std::vector<char> bloque(kTamanoBloque);
    std::uint32_t estado = estado_sax::Correcto;
    for (;;) {
        const std::size_t n = LeerRegistro(fd, bloque.data(), bloque.size());
        if (n == 0 && UltimoError() != codigo::FinDeArchivo) {
            textoEstado_ = TextoDeError(UltimoError());
            estado = EstadoDeError(UltimoError());
            break;
        }
        const bool final = n < bloque.size();
        if (!Alimentar(a.parser, bloque.data(), n, final)) {
            estado = EstadoDelAnalizador(a.parser, a.demasiadoProfundo, textoEstado_);
            break;
        }
        if (final) break;
    }
    Cerrar(fd);
    if (estado == estado_sax::Correcto && manejador_ != nullptr) manejador_->endDocument();
    return estado;
}

} // namespace plataforma
