#include "platform/error.h"

#include "platform/text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace plataforma;

TEST(Error, TextosEnEspanol) {
    EXPECT_EQ(TextoDeError(codigo::Correcto), "La operaci\xF3n se complet\xF3 correctamente.\r\n");
    EXPECT_EQ(TextoDeError(codigo::ArchivoEnUso),
              "El proceso no tiene acceso al archivo porque est\xE1 siendo utilizado por otro "
              "proceso.\r\n");
    EXPECT_EQ(TextoDeError(codigo::AccesoDenegado), "Acceso denegado.\r\n");
}

TEST(Error, TextosDelSistemaYDesconocidos) {
    EXPECT_EQ(TextoDeError(CodigoDeErrno(EILSEQ)), std::string(std::strerror(EILSEQ)) + "\r\n");
    EXPECT_EQ(TextoDeError(1234), "");
    EXPECT_EQ(TextoDeError(0xFFFFFFFFu), "");
}

TEST(Error, UltimoError) {
    const std::pair<int, std::uint32_t> casos[] = {
        {ENOENT, 2}, {ENOTDIR, 3},  {EACCES, 5},   {EPERM, 5},    {EROFS, 5},
        {EBUSY, 32}, {ETXTBSY, 32}, {ENOSPC, 112}, {EDQUOT, 112}, {EILSEQ, CodigoDeErrno(EILSEQ)}};
    for (const auto& [numero, esperado] : casos) {
        FijarUltimoErrorErrno(numero);
        EXPECT_EQ(UltimoError(), esperado) << numero;
    }
    FijarUltimoError(codigo::FinDeArchivo);
    // Successful calls of the layer leave the code alone.
    EXPECT_EQ(OemAAnsi("a"), "a");
    EXPECT_FALSE(TextoDeError(codigo::Correcto).empty());
    EXPECT_EQ(UltimoError(), codigo::FinDeArchivo);
}
