#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/textos.h"

namespace {

TEST(Recortar, BlanksAndControlsAtBothEnds) {
    char a[] = "\t  word\r\n";
    EXPECT_TRUE(Recortar(a));
    EXPECT_STREQ(a, "word");
    char b[] = " \r\n\t";
    EXPECT_FALSE(Recortar(b));
    EXPECT_STREQ(b, "");
    char c[] = "\xA0x\xA0"; // non-breaking spaces are not ASCII blanks
    EXPECT_TRUE(Recortar(c));
    EXPECT_STREQ(c, "\xA0x\xA0");
    char e[] = "\x7Fx\x01";
    EXPECT_TRUE(Recortar(e));
    EXPECT_STREQ(e, "x");
    EXPECT_FALSE(Recortar(nullptr));
    char vacio[] = "";
    EXPECT_FALSE(Recortar(vacio));
    char medio[] = "  a b  ";
    EXPECT_TRUE(Recortar(medio));
    EXPECT_STREQ(medio, "a b");
}

TEST(ConvertirDesdeUnicode, LimitTrimAndCodePage) {
    char d[11];
    EXPECT_TRUE(ConvertirDesdeUnicode(d, 10, u"ABCDEFGHIJKLMNO", 15));
    EXPECT_STREQ(d, "ABCDEFGHIJ");
    char e[20];
    EXPECT_FALSE(ConvertirDesdeUnicode(e, 19, u" \r\n\t", 4));
    EXPECT_STREQ(e, "");
    EXPECT_TRUE(ConvertirDesdeUnicode(e, 19, u"\n\t  P001 \r\n", 11));
    EXPECT_STREQ(e, "P001");
    EXPECT_TRUE(ConvertirDesdeUnicode(e, 19, u"P\u00C9R", 3));
    EXPECT_STREQ(e, "P\xC9R");
    EXPECT_TRUE(ConvertirDesdeUnicode(e, 19, u"\u0141X", 2));
    EXPECT_STREQ(e, "?X");
    // The text ends where the conversion ended, whatever the buffer held before.
    std::memset(e, 'Z', sizeof e);
    EXPECT_TRUE(ConvertirDesdeUnicode(e, 19, u"ab", 2));
    EXPECT_STREQ(e, "ab");
    EXPECT_FALSE(ConvertirDesdeUnicode(e, 19, u"", 0));
    EXPECT_STREQ(e, "");
}

TEST(ComprobarTutoria, UpperCasesInPlaceThenLooksForTut) {
    std::string a = "tutoria", b;
    EXPECT_TRUE(ComprobarTutoria(a, b));
    EXPECT_EQ(a, "TUTORIA");
    std::string c = "TU T", e = "T UT";
    EXPECT_FALSE(ComprobarTutoria(c, e));
    std::string f = "Lengua", g = "Tut. grupo";
    EXPECT_TRUE(ComprobarTutoria(f, g));
    EXPECT_EQ(f, "LENGUA");
}

TEST(ObtenerTextoError, SystemTextWithItsLineBreak) {
    std::string t;
    ObtenerTextoError(2, t);
    EXPECT_EQ(t, "El sistema no puede encontrar el archivo especificado.\r\n");
    ObtenerTextoError(0, t);
    EXPECT_EQ(t, "La operaci\xF3n se complet\xF3 correctamente.\r\n");
}

} // namespace
