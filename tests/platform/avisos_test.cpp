#include <gtest/gtest.h>

#include "platform/avisos.h"

namespace {

using namespace plataforma;

TEST(Avisos, RecordedWithScriptedAnswersThenTheFirstButton) {
    AvisosGrabados grabados;
    grabados.respuestas = {Respuesta::No, Respuesta::Cancelar};
    {
        AvisosInstalados instalados(grabados);
        EXPECT_EQ(AvisosActuales().Mostrar("uno", "t", Icono::Pregunta, Botones::SiNoCancelar),
                  Respuesta::No);
        EXPECT_EQ(AvisosActuales().Mostrar("dos", "t", Icono::Pregunta, Botones::SiNoCancelar),
                  Respuesta::Cancelar);
        EXPECT_EQ(AvisosActuales().Mostrar("tres", "", Icono::Pregunta, Botones::SiNo),
                  Respuesta::Si);
        EXPECT_EQ(AvisosActuales().Mostrar("cuatro", "", Icono::Informacion, Botones::Aceptar),
                  Respuesta::Aceptar);
    }
    ASSERT_EQ(grabados.avisos.size(), 4u);
    EXPECT_EQ(grabados.avisos[0].texto, "uno");
    EXPECT_EQ(grabados.avisos[3].icono, Icono::Informacion);
    // Uninstalled: nothing more is recorded.
    AvisosActuales().Mostrar("cinco", "", Icono::Informacion, Botones::Aceptar);
    EXPECT_EQ(grabados.avisos.size(), 4u);
}

} // namespace
