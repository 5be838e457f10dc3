#include "tests/common/carpeta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/mount.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace prueba {

CarpetaAislada::CarpetaAislada(const std::string& nombre) {
    std::string plantilla = ::testing::TempDir() + nombre + ".XXXXXX";
    if (::mkdtemp(plantilla.data()) == nullptr) ADD_FAILURE() << "no temporary folder";
    base_ = plantilla;
    // The folder handed out lies one level down, so that a file system can be mounted on base_.
    ruta_ = base_ + "/salida";
    fs::create_directory(ruta_);
}

CarpetaAislada::~CarpetaAislada() {
    if (montado_) ::umount2(base_.c_str(), MNT_DETACH);
    std::error_code e;
    fs::remove_all(base_, e);
}

std::string CarpetaAislada::Escribir(const std::string& nombre, const std::string& contenido,
                                     bool ejecutable) const {
    const std::string ruta = En(nombre);
    std::ofstream(ruta, std::ios::binary) << contenido;
    ::chmod(ruta.c_str(), ejecutable ? 0755 : 0644);
    return ruta;
}

std::vector<std::string> CarpetaAislada::Nombres() const {
    std::vector<std::string> v;
    for (const auto& e : fs::directory_iterator(ruta_))
        v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}

} // namespace prueba
