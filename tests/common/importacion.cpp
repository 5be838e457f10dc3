#include "tests/common/importacion.h"

#include "iesfiles/lector_ies.h"
#include "tests/common/modelo.h"
#include "xmlwriter/exportador.h"

namespace prueba {

int ImportarArchivo(const std::string& datos, const std::string& documento, std::string& error) {
    error.clear();
    auto d = ModeloPreparado(0);
    if (LeerFicheroIes(datos.c_str(), error, *d) == 0) return 0;
    CExportadorXML x(d.get());
    return x.ExportarXML(documento.c_str(), nullptr, 0);
}

} // namespace prueba
