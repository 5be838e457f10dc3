// The words of the exchange document: each table gives every value its own word, read back to
// the same value; words with bytes above ASCII compare with their UTF-16 text.
#include <gtest/gtest.h>

#include <string>

#include "model/palabras.h"
#include "model/registros.h"

namespace {

template <std::size_t N> void IdaYVuelta(const char* const (&palabras)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        const std::string w = palabras[i];
        const std::u16string u(w.begin(), w.end());
        EXPECT_EQ(IndiceDePalabra(u, palabras), static_cast<int>(i)) << w;
        EXPECT_STREQ(PalabraDe(palabras, static_cast<long>(i), "?"), palabras[i]);
    }
    EXPECT_EQ(IndiceDePalabra(u"otra", palabras), -1);
    EXPECT_STREQ(PalabraDe(palabras, -1, "?"), "?");
    EXPECT_STREQ(PalabraDe(palabras, static_cast<long>(N), "?"), "?");
}

TEST(Palabras, CadaValorTieneSuPalabraYVuelve) {
    IdaYVuelta(PALABRAS_PRIORIDAD);
    IdaYVuelta(PALABRAS_TIPO_TRAMO);
    IdaYVuelta(PALABRAS_DIAS_SEGUIDOS);
    IdaYVuelta(PALABRAS_IMPARTIR_DIAS_SEGUIDOS);
    IdaYVuelta(PALABRAS_MISMA_HORA);
    IdaYVuelta(PALABRAS_SESIONES_SUELTAS);
    IdaYVuelta(PALABRAS_PERFIL);
    IdaYVuelta(PALABRAS_DIA);
    IdaYVuelta(PALABRAS_CONSIDERAR);
    IdaYVuelta(PALABRAS_CALCULADO);
    EXPECT_STREQ(PALABRAS_TIPO_TRAMO[TRAMO_RECREO], "recreo");
    EXPECT_STREQ(PALABRAS_TIPO_TRAMO[TRAMO_MEDIODIA], "mediodia");
    EXPECT_STREQ(Booleano(true), "true");
    EXPECT_STREQ(Booleano(false), "false");
}

TEST(Palabras, LasLetrasAcentuadasSeComparanConSuTextoUtf16) {
    EXPECT_TRUE(EsPalabra(u"prohibici\u00F3n", PALABRA_PROHIBICION));
    EXPECT_TRUE(EsPalabra(u"ma\u00F1anas", PALABRA_MANANAS));
    EXPECT_FALSE(EsPalabra(u"prohibicion", PALABRA_PROHIBICION));
    EXPECT_FALSE(EsPalabra(u"prohibici\u00F3nx", PALABRA_PROHIBICION));
    // Case counts.
    EXPECT_FALSE(EsPalabra(u"True", PALABRA_VERDADERO));
}

} // namespace
