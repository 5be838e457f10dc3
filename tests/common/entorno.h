// Environment variables set for one test and put back afterwards, and the current folder
// changed for one test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
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
