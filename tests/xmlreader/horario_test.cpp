// Solved timetable documents read and written as the IES2000 timetable file, the way the load
// flow does it, compared byte for byte with records written out field by field.
#include <gtest/gtest.h>

#include <filesystem>

#include "ayuda.h"
#include "carga.h"
#include "modelo_colocacion.h"

namespace {

using namespace prueba;

class Horario : public ::testing::Test {
protected:
    Entorno entorno;
    std::string fichero = ArchivoTemporal("krttoies.dat", "sin escribir");
};

TEST_F(Horario, ElDocumentoDeUnaImportacionDaUnFicheroVacio) {
    // The writer's document of a data file: rooms, teachers and intervals, no sessions, and a
    // general room set with a negative count of undeclared rooms.
    const Carga c = CargarHorario(std::string(KRT_FIXTURES) + "/documento_importado.xml", fichero);
    ASSERT_EQ(c.leido, 1) << c.mensaje;
    EXPECT_EQ(c.escrito, 1) << c.error;
    EXPECT_TRUE(std::filesystem::exists(fichero));
    EXPECT_EQ(LeerArchivoEntero(fichero), "");
    EXPECT_TRUE(entorno.avisos.avisos.empty());
}

} // namespace
