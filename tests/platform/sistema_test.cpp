#include "platform/sistema.h"

#include "platform/error.h"
#include "tests/common/archivos.h"
#include "tests/common/carpeta.h"
#include "tests/common/entorno.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace plataforma;

TEST(Sistema, JoinsWithTheSeparatorOfTheFolder) {
    EXPECT_EQ(UnirRuta("F:\\roziva\\datos", "Horarios"), "F:\\roziva\\datos\\Horarios");
    EXPECT_EQ(UnirRuta("C:\\RozIva\\Datos\\", "Horarios"), "C:\\RozIva\\Datos\\Horarios");
    EXPECT_EQ(UnirRuta("/home/a", "x.xml"), "/home/a/x.xml");
    EXPECT_EQ(UnirRuta("/home/a/", "x.xml"), "/home/a/x.xml");
    // A backslash in a folder that also holds "/" is part of a name here.
    EXPECT_EQ(UnirRuta("/home/a\\b", "x"), "/home/a\\b/x");
    EXPECT_EQ(UnirRuta("", "Horario.xml"), "Horario.xml");
}

TEST(Sistema, PathsWithADriveNameNoFileHere) {
    EXPECT_TRUE(EsRutaConUnidad("C:\\RozIva"));
    EXPECT_TRUE(EsRutaConUnidad("c:"));
    EXPECT_FALSE(EsRutaConUnidad("1:\\x"));
    EXPECT_FALSE(EsRutaConUnidad("/c:"));
    EXPECT_FALSE(EsRutaConUnidad("C"));

    prueba::CarpetaAislada d;
    prueba::EnCarpeta en(d.Ruta());
    d.Escribir("C:\\RozIva", "a file of that name in the current folder");
    EXPECT_FALSE(Existe("C:\\RozIva"));
    std::string corta = "sin tocar";
    FijarUltimoError(codigo::Correcto);
    EXPECT_FALSE(RutaCorta("C:\\RozIva", corta));
    EXPECT_EQ(UltimoError(), codigo::ArchivoNoEncontrado);
    EXPECT_EQ(corta, "sin tocar");
    EXPECT_FALSE(CrearArchivoVacio("C:\\RozIva\\Datos\\Horarios.dbf"));
    EXPECT_EQ(UltimoError(), codigo::RutaNoEncontrada);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d.Ruta()), {}), 1);
}

TEST(Sistema, FilesCreatedTestedAndShortened) {
    prueba::CarpetaAislada d;
    const std::string ruta = d.Escribir("horarios.dbf", "old contents");
    ASSERT_TRUE(CrearArchivoVacio(ruta));
    EXPECT_EQ(prueba::LeerArchivo(ruta), "");
    // Windows-1252 names reach the system as UTF-8.
    ASSERT_TRUE(CrearArchivoVacio(d.En("a\xF1o.dbf")));
    EXPECT_TRUE(std::filesystem::exists(d.En("a\xC3\xB1o.dbf")));
    EXPECT_TRUE(Existe(d.En("a\xF1o.dbf")));

    std::string corta;
    FijarUltimoError(codigo::DiscoLleno);
    EXPECT_TRUE(RutaCorta(d.En("a\xF1o.dbf"), corta));
    EXPECT_EQ(corta, d.En("a\xF1o.dbf"));
    EXPECT_EQ(UltimoError(), codigo::DiscoLleno);
    EXPECT_FALSE(RutaCorta(d.En("falta.dbf"), corta));
    EXPECT_EQ(UltimoError(), codigo::ArchivoNoEncontrado);
    EXPECT_FALSE(Existe(d.En("falta.dbf")));
    EXPECT_FALSE(CrearArchivoVacio(d.En("falta/x.dbf")));
    EXPECT_EQ(UltimoError(), codigo::RutaNoEncontrada);
}

TEST(Sistema, TemporaryFolderAndYear) {
    prueba::Entorno entorno;
    entorno.Fijar("TMPDIR", "/var/tmp/a\xC3\xB1o");
    EXPECT_EQ(CarpetaTemporal(), "/var/tmp/a\xF1o/");
    entorno.Fijar("TMPDIR", "/var/tmp/");
    EXPECT_EQ(CarpetaTemporal(), "/var/tmp/");
    entorno.Fijar("TMPDIR", "");
    EXPECT_EQ(CarpetaTemporal(), "/tmp/");
    entorno.Fijar("TMPDIR", nullptr);
    EXPECT_EQ(CarpetaTemporal(), "/tmp/");
    EXPECT_GE(AnoActual(), 2024);
}

TEST(Sistema, DocumentsFolderFromUserDirsElseHome) {
    prueba::CarpetaAislada home, config;
    prueba::Entorno entorno;
    entorno.Fijar("HOME", home.Ruta() + "/");
    entorno.Fijar("XDG_CONFIG_HOME", nullptr);
    FijarUltimoError(codigo::DiscoLleno);
    EXPECT_EQ(CarpetaDocumentos(), home.Ruta());
    EXPECT_EQ(UltimoError(), codigo::DiscoLleno);

    std::filesystem::create_directory(home.En(".config"));
    home.Escribir(".config/user-dirs.dirs", "# written by xdg-user-dirs-update\n"
                                            "XDG_DESKTOP_DIR=\"$HOME/Escritorio\"\n"
                                            "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n");
    EXPECT_EQ(CarpetaDocumentos(), home.Ruta()); // the folder does not exist
    std::filesystem::create_directory(home.En("Documentos"));
    EXPECT_EQ(CarpetaDocumentos(), home.En("Documentos"));

    // $XDG_CONFIG_HOME in place of ~/.config; an absolute path, not UTF-8 inside the program.
    std::filesystem::create_directory(config.En("Docs \xC3\xB1"));
    config.Escribir("user-dirs.dirs",
                    "XDG_DOCUMENTS_DIR=\"" + (config.En("Docs \xC3\xB1/")) + "\"\n");
    entorno.Fijar("XDG_CONFIG_HOME", config.Ruta());
    EXPECT_EQ(CarpetaDocumentos(), config.En("Docs \xF1"));

    entorno.Fijar("XDG_CONFIG_HOME", nullptr);
    entorno.Fijar("HOME", nullptr);
    EXPECT_EQ(CarpetaDocumentos(), "");
}
