#include "platform/perfil.h"

#include "platform/error.h"
#include "platform/sistema.h"
#include "tests/common/carpeta.h"
#include "tests/common/entorno.h"

#include <gtest/gtest.h>

using namespace plataforma;

TEST(Perfil, SectionsKeysAndValuesAsTheProfileServiceReadsThem) {
    prueba::CarpetaAislada d;
    const std::string larga(300, 'x');
    const std::string ini = d.Escribir("odbc.ini", "; comment\r\n"
                                                   "# Database=comment\r\n"
                                                   "[Otra]\r\n"
                                                   "Database=otra\r\n"
                                                   "SoloOtra=1\r\n"
                                                   "  [ qedbf ]  \r\n"
                                                   "  DATABASE  =  \"/srv/datos con blancos\"  \r\n"
                                                   "Vacia=\r\n"
                                                   "Comillas=\"\"\r\n"
                                                   "Media=\"abc\r\n"
                                                   "Larga=" +
                                                       larga +
                                                       "\r\n"
                                                       "Utf8=/home/jos\xC3\xA9\r\n"
                                                       "Latin=/home/jos\xE9\n"
                                                       "Ultima= sin fin de linea");
    const auto leer = [&](const char* seccion, const char* clave) {
        return LeerPerfilDe(ini, seccion, clave, "def");
    };
    EXPECT_EQ(leer("QEDBF", "Database"), "/srv/datos con blancos");
    EXPECT_EQ(leer("Otra", "database"), "otra");
    EXPECT_EQ(leer("QEDBF", "Vacia"), "");
    EXPECT_EQ(leer("QEDBF", "Comillas"), "");
    EXPECT_EQ(leer("QEDBF", "Media"), "\"abc");
    EXPECT_EQ(leer("QEDBF", "Larga"), std::string(259, 'x'));
    EXPECT_EQ(leer("QEDBF", "Utf8"), "/home/jos\xE9");
    EXPECT_EQ(leer("QEDBF", "Latin"), "/home/jos\xE9");
    EXPECT_EQ(leer("QEDBF", "Ultima"), "sin fin de linea");
    // Missing key (also one of another section), missing section, missing file.
    EXPECT_EQ(leer("QEDBF", "SoloOtra"), "def");
    EXPECT_EQ(leer("QEDBF", "Falta"), "def");
    EXPECT_EQ(leer("Falta", "Database"), "def");
    EXPECT_EQ(LeerPerfilDe(d.En("falta.ini"), "QEDBF", "Database", "c:\\roziva\\datos"),
              "c:\\roziva\\datos");
    EXPECT_EQ(LeerPerfilDe("C:\\Windows\\odbc.ini", "QEDBF", "Database", "def"), "def");
    EXPECT_EQ(LeerPerfilDe(d.Ruta(), "QEDBF", "Database", "def"), "def"); // a folder
}

TEST(Perfil, OdbcIniComesFromOdbciniThenHomeThenEtc) {
    prueba::CarpetaAislada d, home, vacia;
    const std::string propio = d.Escribir("propio.ini", "[QEDBF]\nDatabase=/propio\n");
    const std::string deHome = home.Escribir(".odbc.ini", "[QEDBF]\nDatabase=/home\n");
    prueba::Entorno entorno;
    entorno.Fijar("ODBCINI", propio);
    entorno.Fijar("HOME", home.Ruta());
    EXPECT_EQ(RutaOdbcIni(), propio);
    EXPECT_EQ(LeerPerfilOdbc("qedbf", "DATABASE", "def"), "/propio");

    entorno.Fijar("ODBCINI", d.En("falta.ini"));
    EXPECT_EQ(RutaOdbcIni(), deHome);
    EXPECT_EQ(LeerPerfilOdbc("QEDBF", "Database", "def"), "/home");

    entorno.Fijar("ODBCINI", "");
    entorno.Fijar("HOME", vacia.Ruta());
    const bool hayEtc = Existe("/etc/odbc.ini");
    EXPECT_EQ(RutaOdbcIni(), hayEtc ? "/etc/odbc.ini" : "");
    if (!hayEtc) {
        EXPECT_EQ(LeerPerfilOdbc("QEDBF", "Database", "def"), "def");
    }
}
