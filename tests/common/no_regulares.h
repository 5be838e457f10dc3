// Helpers for tests of how the readers and writers treat the file system: a folder where writes
// fail midway, files that are not regular files, and the listing of a folder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/common/carpeta.h"

namespace prueba {

// A folder where a file can take one page (4096 bytes) and then its writes fail. When the test
// may mount file systems, the folder lies on a small tmpfs filled up by a file outside it, and
// writes fail for lack of space; otherwise a file size limit makes them fail (EFBIG) while
// ConEspacioAgotado runs.
class CarpetaCasiLlena : public CarpetaAislada {
public:
    static constexpr std::size_t kCabida = 4096;

    explicit CarpetaCasiLlena(const std::string& nombre);
    // Runs `accion` with the space used up but for kCabida bytes.
    void ConEspacioAgotado(const std::function<void()>& accion);
    // The layer's error code of the failed write.
    std::uint32_t CodigoEsperado() const;
    bool EnTmpfs() const { return montado_; }
};

// Things that an output path may name and that are not regular files, made in `carpeta`: a
// folder, a FIFO and, where the test may create one, a character device (the one that is always
// full, 1:7).
std::vector<std::string> CrearArchivosNoRegulares(const std::string& carpeta);

// The file's type and device number as lstat gives them ("" when it does not exist).
std::string TipoDeArchivo(const std::string& ruta);

} // namespace prueba
