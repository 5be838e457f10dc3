#include "resources/imagenes.h"

#include "resources/dialogos.h"

namespace {
#include "resources/icono_128.xpm"
#include "resources/imagen_132.xpm"
#include "resources/imagen_133.xpm"
#include "resources/imagen_135.xpm"
#include "resources/imagen_136.xpm"
} // namespace

namespace recursos {

const char* const* ImagenXpm(int id) {
    switch (id) {
    case IDR_MAINFRAME:
        return icono_128_xpm;
    case IDB_IMPORTAR:
        return imagen_132_xpm;
    case IDB_EXPORTAR:
        return imagen_133_xpm;
    case IDB_WEB:
        return imagen_135_xpm;
    case IDB_WEB_PULSADO:
        return imagen_136_xpm;
    default:
        return nullptr;
    }
}

} // namespace recursos
