#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "platform/error.h"
#include "platform/files.h"

namespace {

std::string RutaTemporal(const char* nombre) {
    return ::testing::TempDir() + nombre + std::to_string(::getpid());
}

TEST(Archivos, RecordsReadWithZeroFilledShortLastRecordAndFixedEndCode) {
    const std::string ruta = RutaTemporal("registros");
    int fd = plataforma::CrearParaEscribir(ruta.c_str());
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(plataforma::EscribirTodo(fd, "abcdefg", 7));
    ASSERT_TRUE(plataforma::Cerrar(fd));
    EXPECT_TRUE(plataforma::ExisteArchivo(ruta.c_str()));

    fd = plataforma::AbrirParaLeer(ruta.c_str());
    ASSERT_GE(fd, 0);
    char r[4];
    EXPECT_EQ(plataforma::LeerRegistro(fd, r, 4), 4u);
    EXPECT_EQ(std::string(r, 4), "abcd");
    EXPECT_EQ(plataforma::LeerRegistro(fd, r, 4), 3u);
    EXPECT_EQ(std::string(r, 4), std::string("efg\0", 4));
    plataforma::FijarUltimoError(0);
    EXPECT_EQ(plataforma::LeerRegistro(fd, r, 4), 0u);
    EXPECT_EQ(std::string(r, 4), std::string(4, '\0'));
    EXPECT_EQ(plataforma::UltimoError(), plataforma::codigo::FinDeArchivo);
    EXPECT_TRUE(plataforma::Cerrar(fd));
    EXPECT_TRUE(plataforma::BorrarArchivo(ruta.c_str()));
    EXPECT_FALSE(plataforma::ExisteArchivo(ruta.c_str()));
}

TEST(Archivos, FailuresSetTheLastErrorAndSuccessesKeepIt) {
    EXPECT_EQ(plataforma::AbrirParaLeer("/nonexistent/dir/file.dat"), -1);
    const std::uint32_t e = plataforma::UltimoError();
    EXPECT_TRUE(e == plataforma::codigo::ArchivoNoEncontrado ||
                e == plataforma::codigo::RutaNoEncontrada);
    EXPECT_EQ(plataforma::AbrirParaLeer((::testing::TempDir() + "missing.dat").c_str()), -1);
    EXPECT_EQ(plataforma::UltimoError(), plataforma::codigo::ArchivoNoEncontrado);
    EXPECT_EQ(plataforma::CrearParaEscribir("/nonexistent/dir/out.dat"), -1);
    const std::string ruta = RutaTemporal("ok");
    const int fd = plataforma::CrearParaEscribir(ruta.c_str());
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(plataforma::Cerrar(fd));
    EXPECT_NE(plataforma::UltimoError(), 0u); // not cleared by the successes
    EXPECT_FALSE(plataforma::BorrarArchivo("/nonexistent/dir/out.dat"));
    std::remove(ruta.c_str());
}

} // namespace
