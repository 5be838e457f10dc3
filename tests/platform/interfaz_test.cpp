#include <gtest/gtest.h>

#include "platform/interfaz.h"
#include "tests/common/carpeta.h"
#include "tests/common/entorno.h"

namespace {

using namespace plataforma;

TEST(DialogoArchivo, InitialNameFilterAndChosenName) {
    prueba::CarpetaAislada carpeta;
    InicioDialogoArchivo inicio;
    ASSERT_TRUE(InicioDeDialogoArchivo(carpeta.En("Horario.xml"), inicio));
    EXPECT_EQ(inicio.carpeta, carpeta.Ruta());
    EXPECT_EQ(inicio.archivo, "Horario.xml");
    ASSERT_TRUE(InicioDeDialogoArchivo(carpeta.Ruta(), inicio)); // a folder alone
    EXPECT_EQ(inicio.carpeta, carpeta.Ruta());
    EXPECT_EQ(inicio.archivo, "");
    ASSERT_TRUE(InicioDeDialogoArchivo("planificador.xml", inicio));
    EXPECT_EQ(inicio.archivo, "planificador.xml");
    EXPECT_FALSE(InicioDeDialogoArchivo(carpeta.En("no-existe/Horario.xml"), inicio));

    EXPECT_EQ(FiltroDeDialogo("All (*.*)|*.*|XML files|*.xml||"), "All (*.*)|*.*|XML files|*.xml");
    EXPECT_EQ(FiltroDeDialogo(""), "");

    ResultadoArchivo r = ArchivoElegido("/home/a/horario", "xml");
    EXPECT_EQ(r.resultado, kIdOk);
    EXPECT_EQ(r.ruta, "/home/a/horario.xml");
    EXPECT_EQ(r.extension, "xml");
    r = ArchivoElegido("/home/a.b/Horario.XML", "xml");
    EXPECT_EQ(r.ruta, "/home/a.b/Horario.XML");
    EXPECT_EQ(r.extension, "XML");
    r = ArchivoElegido("/home/a.b/horario", "");
    EXPECT_EQ(r.ruta, "/home/a.b/horario");
    EXPECT_EQ(r.extension, "");
}

} // namespace
