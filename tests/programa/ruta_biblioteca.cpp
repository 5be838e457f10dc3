// The two data paths of the libraries from file to file; the tests of the real program compare
// the program's files with these.
//   ruta_biblioteca importar <data file> <document>
//   ruta_biblioteca cargar <solved document> <timetable file>
#include <cstdio>
#include <cstring>

#include "tests/common/rutas.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s importar|cargar <entrada> <salida>\n", argv[0]);
        return 2;
    }
    std::string error;
    const int r = std::strcmp(argv[1], "importar") == 0
                      ? prueba::RutaImportacion(argv[2], argv[3], error)
                      : prueba::RutaCarga(argv[2], argv[3], error);
    if (r != 1) std::fprintf(stderr, "%s\n", error.c_str());
    return r == 1 ? 0 : 1;
}
