// SAX2 reader: an XML document delivered as events to a content handler, in UTF-16.
//
// Built over expat (its UTF-16 build). Names are namespace-aware: an element or attribute is
// given with its namespace URI, its local name and its qualified name ("k:datosKRT"). Text
// reaches the handler in the chunks the parser produces, in document order. No DTD and no
// external entity is ever loaded: a document that declares one is read without it. Elements
// nest at most 256 deep: a deeper document is malformed, and its parse ends at the element past
// the bound.
//
// The whole parse ends with one status code: 0 for success, otherwise one of the codes below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

namespace estado_sax {
inline constexpr std::uint32_t Correcto = 0;
inline constexpr std::uint32_t Fallo = 0x80004005;      // any other failure
inline constexpr std::uint32_t SinMemoria = 0x8007000E; // the parser could not be created
inline constexpr std::uint32_t ArchivoNoEncontrado = 0x80070002;
inline constexpr std::uint32_t RutaNoEncontrada = 0x80070003;
inline constexpr std::uint32_t AccesoDenegado = 0x80070005;
// A malformed document: this base plus the parser's error number.
inline constexpr std::uint32_t BaseDocumentoMalFormado = 0xC00CE000;
} // namespace estado_sax

// The attributes of one element start, by index in document order.
class AtributosSax {
public:
    int getLength() const { return static_cast<int>(atributos_.size()); }
    // Empty views for an index out of range.
    std::u16string_view getURI(int i) const;
    std::u16string_view getLocalName(int i) const;
    std::u16string_view getQName(int i) const;
    std::u16string_view getValue(int i) const;

    void Vaciar() {
        atributos_.clear();
        textos_.clear();
    }
    // An attribute whose texts the list keeps.
    void Anadir(std::u16string uri, std::u16string local, std::u16string qname,
                std::u16string valor);
    // An attribute seen through views of texts that outlive the list's use (the parser's own
    // buffers during one element start).
    void AnadirVistas(std::u16string_view uri, std::u16string_view local, std::u16string_view qname,
                      std::u16string_view valor) {
        atributos_.push_back({uri, local, qname, valor});
    }
    // Keeps a text for the list's attributes; the view stays valid until Vaciar.
    std::u16string_view Guardar(std::u16string texto) {
        return textos_.emplace_back(std::move(texto));
    }

private:
    struct Atributo {
        std::u16string_view uri, local, qname, valor;
    };
    std::vector<Atributo> atributos_;
    std::deque<std::u16string> textos_; // the texts kept; a deque never moves them
};

// Receives the events of a parse. Every method does nothing unless overridden.
class ManejadorContenidoSax {
public:
    virtual ~ManejadorContenidoSax() = default;
    virtual void startDocument() {}
    virtual void endDocument() {}
    virtual void startElement(std::u16string_view /*uri*/, std::u16string_view /*local*/,
                              std::u16string_view /*qname*/, const AtributosSax& /*atributos*/) {}
    virtual void endElement(std::u16string_view /*uri*/, std::u16string_view /*local*/,
                            std::u16string_view /*qname*/) {}
    virtual void characters(std::u16string_view /*texto*/) {}
};

class LectorSax {
public:
    ~LectorSax();
    LectorSax(const LectorSax&) = delete;
    LectorSax& operator=(const LectorSax&) = delete;

    // The handler that receives the events (not owned; null: events are dropped).
    void putContentHandler(ManejadorContenidoSax* manejador) { manejador_ = manejador; }

    // Parses the file at `ruta` (a plain path, opened as it stands; only a regular file is
    // read, anything else is refused with estado_sax::AccesoDenegado). Returns the status.
    std::uint32_t AnalizarArchivo(const char* ruta);
    // Parses a document held in memory. Returns the status.
    std::uint32_t AnalizarMemoria(const void* datos, std::size_t tamano);

    // A description of the last parse's failure (the position and the parser's message);
    // empty after a success.
    const std::string& TextoEstado() const { return textoEstado_; }

private:
    friend std::uint32_t CrearLectorSax(std::unique_ptr<LectorSax>& lector);
    struct Analizador;
    LectorSax();

    std::unique_ptr<Analizador> analizador_;
    ManejadorContenidoSax* manejador_ = nullptr;
    std::string textoEstado_;
};

// Creates a reader. Returns 0, or estado_sax::SinMemoria (and no reader) when the parser could
// not be created.
std::uint32_t CrearLectorSax(std::unique_ptr<LectorSax>& lector);

} // namespace plataforma
