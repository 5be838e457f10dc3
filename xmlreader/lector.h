// The exchange document reader: a solved KRT timetable document read into a model of mode 1.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/datos.h"
#include "platform/sax.h"

// What the load flow hands to the reader: the SAX reader it created (released by LeerXml), the
// status of that creation, and the model to fill.
struct ContextoLeerXml {
    std::unique_ptr<plataforma::LectorSax> lector;
    std::uint32_t creacion = 0; // a failure has the high bit set
    CDatos* datos = nullptr;
};

// The notice shown when a document is newer than the supported format.
inline constexpr const char* AVISO_VERSION_NUEVA =
    "The XML-KRT schema version is greater than the supported one. You must update KRT.";

// Reads the document at `archivo` into the model. Returns 1 when it was read; 0 with `mensaje`
// set when the reader could not be created, the document is not a KRT exchange document, or
// the parse failed (records read before a failure stay in the model).
int LeerXml(std::string& mensaje, const char* archivo, ContextoLeerXml& contexto);
