// The two data paths of the libraries from file to file; the tests of the real program compare
// the program's files with these.
//   ruta_biblioteca importar <data file> <document>
//   ruta_biblioteca cargar <solved document> <timetable file>
#include <cstdio>
#include <cstring>

#include "tests/common/carga.h"
#include "tests/common/importacion.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s importar|cargar <entrada> <salida>\n", argv[0]);
        return 2;
    }
    if (std::strcmp(argv[1], "importar") == 0) {
        std::string error;
        if (prueba::ImportarArchivo(argv[2], argv[3], error) == 1) return 0;
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const prueba::Carga c = prueba::CargarHorario(argv[2], argv[3]);
    if (c.escrito == 1) return 0;
    std::fprintf(stderr, "%s%s\n", c.mensaje.c_str(), c.error.c_str());
    return 1;
}
