#include "tests/common/archivos.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace prueba {

std::string LeerArchivo(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string RutaFixture(const std::string& nombre) {
    return std::string(KRT_FIXTURES) + "/" + nombre;
}

std::string LeerFixture(const std::string& nombre) {
    return LeerArchivo(RutaFixture(nombre));
}

std::string ArchivoTemporal(const std::string& nombre, const std::string& contenido) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto dir = std::filesystem::temp_directory_path() /
                     (std::string("krt_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::create_directories(dir);
    const auto p = dir / nombre;
    std::ofstream(p, std::ios::binary) << contenido;
    return p.string();
}

std::string RutaTemporal(const std::string& nombre) {
    return ::testing::TempDir() + "krt_" + nombre + "_" + std::to_string(::getpid());
}

std::string Reg(const std::string& profesor, char dia, const std::string& intervalo,
                const std::string& materia, const std::string& grupo, const std::string& aula,
                const std::string& tarea, const std::string& inicio, const std::string& fin) {
    std::string r;
    auto campo = [&r](const std::string& t, std::size_t ancho) {
        EXPECT_LT(t.size(), ancho);
        r += t.substr(0, ancho);
        r.append(ancho - std::min(t.size(), ancho), '\0');
    };
    campo(profesor, 21);
    r += dia;
    campo(intervalo, 11);
    campo(materia, 21);
    campo(grupo, 21);
    campo(aula, 21);
    campo(tarea, 21);
    campo(inicio, 6);
    campo(fin, 6);
    r += '\0';
    return r;
}

} // namespace prueba
