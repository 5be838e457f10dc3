// Builds IES2000 data files for the tests from readable record descriptions: each record is
// given field by field, every field placed at its offset and the rest of the record NUL.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

#include "iesfiles/lector_ies.h"
#include "model/datos.h"
#include "tests/common/modelo.h"

namespace prueba {

enum Seccion {
    DEPARTAMENTOS,
    GRUPOS,
    MATERIAS,
    PROFESORES,
    AULAS,
    TAREAS,
    INTERVALOS,
    MATECUR,
    NUM_SECCIONES
};
inline constexpr std::array<std::size_t, NUM_SECCIONES> kTamanos = {36, 55, 52, 63, 43, 66, 15, 13};
inline constexpr std::array<const char*, NUM_SECCIONES> kEtiquetas = {
    "DEPARTAMENTOS", "GRUPOS", "MATERIAS",   "PROFESORES",
    "AULAS",         "TAREAS", "INTERVALOS", "MATE-CUR"};

// A record of `tamano` bytes holding each field's bytes at its offset, NUL elsewhere. A field
// may run past its own width on purpose, never past the record.
inline std::string
Registro(std::size_t tamano,
         std::initializer_list<std::pair<std::size_t, std::string_view>> campos) {
    std::string r(tamano, '\0');
    for (const auto& [desde, bytes] : campos) {
        EXPECT_LE(desde + bytes.size(), tamano) << "field beyond the record";
        r.replace(desde, std::min(bytes.size(), tamano - desde), bytes.substr(0, tamano - desde));
    }
    return r;
}

inline std::string Terminador(Seccion s) {
    return Registro(kTamanos[s], {{0, "_fi\n"}});
}

class FicheroIes {
public:
    FicheroIes& Departamento(std::string_view codigo, std::string_view nombre) {
        return Anadir(DEPARTAMENTOS, {{0, codigo}, {5, nombre}});
    }
    FicheroIes& Grupo(std::string_view grupo, std::string_view curso, std::string_view nombre) {
        return Anadir(GRUPOS, {{0, grupo}, {5, curso}, {12, nombre}});
    }
    FicheroIes& Materia(std::string_view nombre, std::string_view codigo,
                        std::string_view departamento, std::string_view abreviatura) {
        return Anadir(MATERIAS, {{0, nombre}, {31, codigo}, {36, departamento}, {41, abreviatura}});
    }
    FicheroIes& Profesor(std::string_view nombre, std::string_view codigo,
                         std::string_view departamento) {
        return Anadir(PROFESORES, {{0, nombre}, {51, "xx"}, {53, codigo}, {58, departamento}});
    }
    FicheroIes& Aula(std::string_view codigo, std::string_view nombre) {
        return Anadir(AULAS, {{0, codigo}, {5, nombre}});
    }
    FicheroIes& Tarea(std::string_view codigo, std::string_view descripcion) {
        return Anadir(TAREAS, {{0, codigo}, {5, descripcion}});
    }
    // The record's text as it stands, e.g. "0830  0920  1".
    FicheroIes& Intervalo(std::string_view texto) { return Anadir(INTERVALOS, {{0, texto}}); }
    FicheroIes& MateCur(std::string_view materia, std::string_view curso, int sesiones) {
        const std::string s(1, static_cast<char>(static_cast<std::uint8_t>(sesiones)));
        return Anadir(MATECUR, {{0, materia}, {5, curso}, {12, s}});
    }
    // A record given byte for byte (it may be shorter than the section's size only as the
    // file's last bytes).
    FicheroIes& Crudo(Seccion s, std::string bytes) {
        registros_[s].push_back(std::move(bytes));
        return *this;
    }

    // The whole file: every section followed by its terminator.
    std::string Bytes() const { return Hasta(NUM_SECCIONES); }
    // The sections before `corte` whole, then the records of `corte` without their terminator.
    std::string Hasta(int corte) const {
        std::string f;
        for (int s = 0; s < NUM_SECCIONES && s <= corte; ++s) {
            for (const auto& r : registros_[s])
                f += r;
            if (s < corte) f += Terminador(static_cast<Seccion>(s));
        }
        return f;
    }

private:
    FicheroIes& Anadir(Seccion s,
                       std::initializer_list<std::pair<std::size_t, std::string_view>> campos) {
        registros_[s].push_back(Registro(kTamanos[s], campos));
        return *this;
    }
    std::array<std::vector<std::string>, NUM_SECCIONES> registros_;
};

// Writes `bytes` to a file of the test's temporary folder and returns its path.
inline std::string Guardar(const std::string& bytes) {
    static int n = 0;
    const std::string ruta = ::testing::TempDir() + "iestokrt_" + std::to_string(::getpid()) + "_" +
                             std::to_string(++n) + ".dat";
    std::ofstream(ruta, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return ruta;
}

// Reads a file of `bytes` into `datos`; the error text goes to `error`.
inline int Leer(const std::string& bytes, CDatos& datos, std::string& error) {
    const std::string ruta = Guardar(bytes);
    const int r = LeerFicheroIes(ruta.c_str(), error, datos);
    std::remove(ruta.c_str());
    return r;
}
inline int Leer(const std::string& bytes, CDatos& datos) {
    std::string error;
    const int r = Leer(bytes, datos, error);
    EXPECT_EQ(error, "");
    return r;
}

} // namespace prueba
