// Test helpers of the platform tests: environment variables set for one test and put back
// afterwards, and a temporary folder removed with its contents.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace prueba {

// Sets (or, with nullptr, unsets) variables; the destructor restores every one as it was.
class Entorno {
public:
    Entorno() = default;
    Entorno(const Entorno&) = delete;
    Entorno& operator=(const Entorno&) = delete;
    ~Entorno() {
        for (auto it = guardadas_.rbegin(); it != guardadas_.rend(); ++it) {
            if (it->second)
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                ::unsetenv(it->first.c_str());
        }
    }
    void Fijar(const std::string& nombre, const char* valor) {
        const char* antes = std::getenv(nombre.c_str());
        guardadas_.emplace_back(nombre, antes ? std::optional<std::string>(antes) : std::nullopt);
        if (valor)
            ::setenv(nombre.c_str(), valor, 1);
        else
            ::unsetenv(nombre.c_str());
    }
    void Fijar(const std::string& nombre, const std::string& valor) {
        Fijar(nombre, valor.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> guardadas_;
};

// A fresh folder under the test runner's temporary folder; the path ends without "/".
class CarpetaDePrueba {
public:
    CarpetaDePrueba() {
        std::string plantilla = ::testing::TempDir() + "plat_XXXXXX";
        if (::mkdtemp(plantilla.data()) != nullptr) ruta_ = plantilla;
        EXPECT_FALSE(ruta_.empty());
    }
    ~CarpetaDePrueba() {
        std::error_code e;
        if (!ruta_.empty()) std::filesystem::remove_all(ruta_, e);
    }
    CarpetaDePrueba(const CarpetaDePrueba&) = delete;
    CarpetaDePrueba& operator=(const CarpetaDePrueba&) = delete;
    const std::string& Ruta() const { return ruta_; }
    std::string operator/(const std::string& nombre) const { return ruta_ + "/" + nombre; }

    // Writes a file below the folder (mode 0755 when `ejecutable`) and returns its path.
    std::string Escribir(const std::string& nombre, const std::string& contenido,
                         bool ejecutable = false) const {
        const std::string ruta = *this / nombre;
        std::ofstream(ruta, std::ios::binary) << contenido;
        ::chmod(ruta.c_str(), ejecutable ? 0755 : 0644);
        return ruta;
    }

private:
    std::string ruta_;
};

// Makes `carpeta` the current folder; the destructor goes back to the previous one.
class EnCarpeta {
public:
    explicit EnCarpeta(const std::string& carpeta) : anterior_(std::filesystem::current_path()) {
        std::filesystem::current_path(carpeta);
    }
    ~EnCarpeta() {
        std::error_code e;
        std::filesystem::current_path(anterior_, e);
    }
    EnCarpeta(const EnCarpeta&) = delete;
    EnCarpeta& operator=(const EnCarpeta&) = delete;

private:
    std::filesystem::path anterior_;
};

} // namespace prueba
