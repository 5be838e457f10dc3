#include "platform/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace plataforma;

TEST(Texto, OemAAnsiLetrasEspanolasYCaracteresSinForma) {
    // n tilde, N tilde, a e i o u acute, u diaeresis, E acute, A acute.
    const std::string oem = "\xA4\xA5\xA0\x82\xA1\xA2\xA3\x81\x90\xB5";
    const std::string ansi = "\xF1\xD1\xE1\xE9\xED\xF3\xFA\xFC\xC9\xC1";
    EXPECT_EQ(OemAAnsi(oem), ansi);
    EXPECT_EQ(OemAAnsi("\xC4\xB3\xDB\xD5"), "????"); // box drawing, dotless i
    EXPECT_EQ(OemAAnsi("\x9F"), "\x83");             // f hook exists in both
    // The ASCII half, control characters included, is unchanged.
    std::string ascii(128, '\0');
    for (int i = 0; i < 128; ++i)
        ascii[i] = static_cast<char>(i);
    EXPECT_EQ(OemAAnsi(ascii), ascii);

    char enSitio[] = "A\xA4O\x1A\x7F";
    OemAAnsiEnSitio(enSitio);
    EXPECT_STREQ(enSitio, "A\xF1O\x1A\x7F");
    OemAAnsiEnSitio(nullptr);
}

TEST(Texto, Utf16AAnsiUnBytePorUnidad) {
    const std::u16string texto = {0x0080, 0x0085, 0x009F, 0x20AC, 0x0160, 0x0141,
                                  0xD800, 0xD83D, 0xDE00, 0x00F1, u'A'};
    EXPECT_EQ(Utf16AAnsi(texto), "\x80\x85\x9F\x80\x8A????\xF1"
                                 "A");
    for (char16_t c = 0x80; c < 0xA0; ++c)
        EXPECT_EQ(Utf16AAnsi(std::u16string(1, c)), std::string(1, static_cast<char>(c)));

    char destino[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(Utf16AAnsi(u"abcde", 5, destino, 3), 3u);
    EXPECT_EQ(std::string(destino, 4), "abcx");
    EXPECT_EQ(Utf16AAnsi(u"ab", 2, nullptr, 0), 0u);
}

TEST(Texto, IdaYVueltaDeLos256Bytes) {
    std::string todos(256, '\0');
    for (int i = 0; i < 256; ++i)
        todos[i] = static_cast<char>(i);
    const std::u16string utf16 = AnsiAUtf16(todos);
    EXPECT_EQ(utf16[0x80], 0x20AC);
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(utf16[b], b);
    EXPECT_EQ(Utf16AAnsi(utf16), todos);
    EXPECT_EQ(Utf8AAnsi(AnsiAUtf8(todos)), todos);
}

TEST(Texto, PantallaUtf8) {
    EXPECT_EQ(AnsiAUtf8("A\xF1\x80"), "A\xC3\xB1\xE2\x82\xAC");
    EXPECT_EQ(Utf8AAnsi("\xC3\x91"
                        "\xC5\x81"),
              "\xD1?"); // N tilde, L stroke
    EXPECT_EQ(Utf8AAnsi("\xF0\x9F\x98\x80"
                        "x"),
              "?x"); // one character outside the BMP
    EXPECT_EQ(Utf8AAnsi("\xFF"
                        "a\xC3"),
              "?a?"); // ill-formed bytes
}

TEST(Texto, CompararNombresEnEspanolPrimario) {
    // The order must not depend on the environment's locale.
    setenv("LANG", "C", 1);
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(CompararNombres("ANA", "ana"), Comparacion::Igual);
    EXPECT_EQ(CompararNombres("\xC1na", "ANA"), Comparacion::Igual);
    EXPECT_EQ(CompararNombres("m\xE1t", "MAT"), Comparacion::Igual);
    EXPECT_EQ(CompararNombres("a\xF1o", "A\xD1O"), Comparacion::Igual);
    // n tilde is a letter of its own, after n.
    EXPECT_NE(CompararNombres("ANO", "A\xD1O"), Comparacion::Igual);
    EXPECT_EQ(CompararNombres("ANZ", "A\xD1"
                                     "A"),
              Comparacion::Menor);
    EXPECT_EQ(CompararNombres("A\xD1O", "ANZ"), Comparacion::Mayor);
    EXPECT_EQ(CompararNombres("A\xD1O", "AOA"), Comparacion::Menor);
    // Digits one by one; punctuation counts and sorts before letters.
    EXPECT_EQ(CompararNombres("10", "9"), Comparacion::Menor);
    EXPECT_NE(CompararNombres("A-B", "AB"), Comparacion::Igual);
    EXPECT_EQ(CompararNombres("ABC-ABC", "ABCABC"), Comparacion::Menor);
    EXPECT_EQ(CompararNombres("", "A"), Comparacion::Menor);
}

TEST(Texto, CompararNombresConMayusculas) {
    EXPECT_EQ(CompararNombresConMayusculas("abc", "ABC"), Comparacion::Menor);
    EXPECT_EQ(CompararNombresConMayusculas("ABC", "abc"), Comparacion::Mayor);
    EXPECT_EQ(CompararNombresConMayusculas("\xE1", "a"), Comparacion::Igual);
    EXPECT_NE(CompararNombresConMayusculas("\xC1", "a"), Comparacion::Igual);
    EXPECT_EQ(CompararNombresConMayusculas("ANZ", "A\xD1"
                                                  "A"),
              Comparacion::Menor);
}

TEST(Texto, ClasesDeCaracteres) {
    // Only ASCII blanks and controls: no-break space and NEL are neither.
    EXPECT_TRUE(EsEspacio('\v') && EsEspacio(' ') && !EsEspacio(0xA0) && !EsEspacio(0x85));
    EXPECT_TRUE(EsControl(0x7F) && EsControl(0x1F) && !EsControl(0x80) && !EsControl(' '));
    EXPECT_FALSE(EsDigito(0xB2) || EsLetraAscii(0xF1));
}

TEST(Texto, Mayusculas) {
    std::string texto = "az\xE0\xF1\xFE\xF7\x9A\x9C\x9E\xFF\xB5\xDF"
                        "1";
    const std::string esperado = "AZ\xC0\xD1\xDE\xF7\x8A\x8C\x8E\x9F\xB5\xDF"
                                 "1";
    char enC[32];
    std::snprintf(enC, sizeof enC, "%s", texto.c_str());
    AMayusculas(texto);
    AMayusculas(enC);
    EXPECT_EQ(texto, esperado);
    EXPECT_EQ(enC, esperado);
    EXPECT_TRUE(IgualesSinMayusculasAscii("Abc1", "aBC1"));
    EXPECT_FALSE(IgualesSinMayusculasAscii("\xE1", "\xC1"));
    EXPECT_FALSE(IgualesSinMayusculasAscii("ab", "abc"));
}

TEST(Texto, LeerEntero) {
    EXPECT_EQ(LeerEntero("  -12x"), -12);
    EXPECT_EQ(LeerEntero("\t+7"), 7);
    EXPECT_EQ(LeerEntero("2147483647"), INT_MAX);
    EXPECT_EQ(LeerEntero("2147483648"), INT_MAX);
    EXPECT_EQ(LeerEntero("-2147483648"), INT_MIN);
    EXPECT_EQ(LeerEntero("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(LeerEntero("- 1"), 0);
    EXPECT_EQ(LeerEntero("\xA0"
                         "5"),
              0);
    EXPECT_EQ(LeerEntero(nullptr), 0);
}

TEST(Texto, LeerReal) {
    EXPECT_EQ(LeerReal("3.75"), 3.75);
    EXPECT_EQ(LeerReal(" -2e3"), -2000.0);
    EXPECT_EQ(LeerReal("+.5x"), 0.5);
    EXPECT_EQ(LeerReal("1e"), 1.0);
    EXPECT_EQ(LeerReal("3,5"), 3.0);
    EXPECT_EQ(LeerReal("+-1"), 0.0);
    EXPECT_EQ(LeerReal("abc"), 0.0);
    EXPECT_EQ(LeerReal("1e400"), HUGE_VAL);
    EXPECT_EQ(LeerReal("-1e400"), -HUGE_VAL);
    EXPECT_EQ(LeerReal("1e-400"), 0.0);
    EXPECT_EQ(LeerReal(nullptr), 0.0);
}

TEST(Texto, FormatearRealComoPrintf) {
    EXPECT_EQ(FormatearReal(3.0, 2), "3.00");
    EXPECT_EQ(FormatearReal(2.5, 1), "2.5");
    EXPECT_EQ(FormatearReal(1.0, -1), "1.000000");
    for (double v : {0.0, -0.0, 2.5, -1.5, 0.125, 1.0 / 3, 123456.789, 1e300, -1e-7})
        for (int d : {0, 1, 2, 6}) {
            char esperado[400];
            std::snprintf(esperado, sizeof esperado, "%.*f", d, v);
            EXPECT_EQ(FormatearReal(v, d), esperado) << v << " " << d;
        }
}
