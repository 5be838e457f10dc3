// Folders of the tests.
#pragma once

#include <string>
#include <vector>

namespace prueba {

// A fresh, empty folder of its own for one test (unique even with several in one test), removed
// with everything in it at the end. `nombre` only helps to tell it apart on disk.
class CarpetaAislada {
public:
    explicit CarpetaAislada(const std::string& nombre = "prueba");
    ~CarpetaAislada();
    CarpetaAislada(const CarpetaAislada&) = delete;
    CarpetaAislada& operator=(const CarpetaAislada&) = delete;

    const std::string& Ruta() const { return ruta_; }
    // `nombre` inside the folder.
    std::string En(const std::string& nombre) const { return ruta_ + "/" + nombre; }
    // Writes a file inside the folder (mode 0755 when `ejecutable`) and returns its path.
    std::string Escribir(const std::string& nombre, const std::string& contenido,
                         bool ejecutable = false) const;
    // The names in the folder, hidden ones included, sorted.
    std::vector<std::string> Nombres() const;

protected:
    std::string base_, ruta_;
    bool montado_ = false;
};

} // namespace prueba
