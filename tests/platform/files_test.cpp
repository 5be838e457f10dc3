#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/error.h"
#include "platform/files.h"
#include "tests/common/archivos.h"
#include "tests/common/no_regulares.h"

namespace {

TEST(Archivos, RecordsReadWithZeroFilledShortLastRecordAndFixedEndCode) {
    const std::string ruta = prueba::RutaTemporal("registros");
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
    const std::string ruta = prueba::RutaTemporal("ok");
    const int fd = plataforma::CrearParaEscribir(ruta.c_str());
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(plataforma::Cerrar(fd));
    EXPECT_NE(plataforma::UltimoError(), 0u); // not cleared by the successes
    EXPECT_FALSE(plataforma::BorrarArchivo("/nonexistent/dir/out.dat"));
    std::remove(ruta.c_str());
}

TEST(ArchivoDeReemplazo, TheTargetChangesOnlyWhenTheNewFileIsPutInItsPlace) {
    prueba::CarpetaAislada carpeta("reemplazo");
    const std::string destino = carpeta.En("destino.dat");
    std::ofstream(destino) << "previo";
    ASSERT_EQ(::chmod(destino.c_str(), 0640), 0);
    {
        plataforma::ArchivoDeReemplazo a;
        const int fd = a.Crear(destino.c_str());
        ASSERT_GE(fd, 0);
        ASSERT_TRUE(plataforma::EscribirTodo(fd, "nuevo", 5));
        // The new file lies beside the target, which is still the previous one.
        EXPECT_EQ(carpeta.Nombres().size(), 2u);
        EXPECT_EQ(prueba::LeerArchivo(destino), "previo");
        plataforma::FijarUltimoError(plataforma::codigo::DiscoLleno);
        a.Descartar();
        EXPECT_EQ(plataforma::UltimoError(), plataforma::codigo::DiscoLleno);
        EXPECT_EQ(carpeta.Nombres(), std::vector<std::string>{"destino.dat"});
    }
    {
        // Dropped without being put in place: the same as discarded.
        plataforma::ArchivoDeReemplazo a;
        ASSERT_GE(a.Crear(destino.c_str()), 0);
    }
    EXPECT_EQ(carpeta.Nombres(), std::vector<std::string>{"destino.dat"});
    EXPECT_EQ(prueba::LeerArchivo(destino), "previo");

    // Through a link: the file it names is replaced, keeping its permissions, and the link stays.
    const std::string enlace = carpeta.En("enlace.dat");
    ASSERT_EQ(::symlink("destino.dat", enlace.c_str()), 0);
    plataforma::ArchivoDeReemplazo a;
    const int fd = a.Crear(enlace.c_str());
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(plataforma::EscribirTodo(fd, "nuevo", 5));
    ASSERT_TRUE(a.Reemplazar());
    EXPECT_EQ(prueba::LeerArchivo(destino), "nuevo");
    EXPECT_EQ(carpeta.Nombres(), (std::vector<std::string>{"destino.dat", "enlace.dat"}));
    struct stat st;
    ASSERT_EQ(::lstat(enlace.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(destino.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

} // namespace

namespace {

// A folder called "Año" on disk (its name in UTF-8) is "A\xF1o" inside the program: every file
// service finds, reads, writes, replaces and removes files there.
TEST(Archivos, PathsOfTheProgramReachTheSystemInUtf8) {
    prueba::CarpetaAislada carpeta("acentos");
    const std::string enDisco = carpeta.En("A\xC3\xB1o");
    ASSERT_EQ(::mkdir(enDisco.c_str(), 0755), 0);
    const std::string ruta = carpeta.En("A\xF1o/horario.dat");
    const std::string otro = carpeta.En("A\xF1o/otro");

    plataforma::ArchivoDeReemplazo nuevo;
    int fd = nuevo.Crear(ruta.c_str());
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(plataforma::EscribirTodo(fd, "abc", 3));
    ASSERT_TRUE(nuevo.Reemplazar());
    EXPECT_EQ(prueba::LeerArchivo(enDisco + "/horario.dat"), "abc");
    EXPECT_TRUE(plataforma::ExisteArchivo(ruta.c_str()));
    std::string contenido;
    EXPECT_TRUE(plataforma::LeerArchivoEntero(ruta.c_str(), contenido));
    EXPECT_EQ(contenido, "abc");
    fd = plataforma::CrearParaEscribir(otro.c_str());
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(plataforma::Cerrar(fd));
    EXPECT_TRUE(plataforma::BorrarArchivo(otro.c_str()));
    EXPECT_TRUE(plataforma::BorrarArchivo(ruta.c_str()));
    EXPECT_EQ(::rmdir(enDisco.c_str()), 0); // nothing left in it
}

} // namespace
