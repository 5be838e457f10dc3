// The shorteners that make the planner's short names.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "iesfiles/constructores.h"

namespace {

std::string Corto(const char* texto, const char* codigo, int* resultado = nullptr) {
    char s[31] = "sin tocar";
    const int r = CrearNombreCorto(texto, codigo, s);
    if (resultado != nullptr) *resultado = r;
    return r ? s : "";
}

TEST(CrearNombreCorto, CodesThatAllowAShortName) {
    int r = 0;
    EXPECT_EQ(Corto("PRIMERO DE EDUCACION SECUNDARIA OBLIGATORIA", "1", &r), "PRI DE EDU SEC OBL");
    EXPECT_EQ(r, 1);
    EXPECT_EQ(Corto("1 ESO A", "1A"), "1 ESO A");
    EXPECT_EQ(Corto("1 ESO A", "  12xyz"), ""); // letters
    EXPECT_EQ(Corto("1 ESO A", "AB", &r), "");
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Corto("1 ESO A", "0"), ""); // below 1
    EXPECT_EQ(Corto("1 ESO A", "-3"), "");
    EXPECT_EQ(Corto("1 ESO A", "1\xD1"), "1 ESO A"); // one high byte alone is allowed
    EXPECT_EQ(Corto("1 ESO A", "1\xD1\xC1"), "");    // high bytes count as letters
    EXPECT_EQ(Corto("AULA 1", nullptr), "AULA 1");
}

TEST(CrearNombreCorto, TextsThatGiveNoName) {
    int r = 1;
    EXPECT_EQ(Corto("AB", "1", &r), "");
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Corto(nullptr, "1", &r), "");
    EXPECT_EQ(r, 0);
    // Nothing but blanks after shortening: no name.
    EXPECT_EQ(Corto(std::string(40, ' ').c_str(), nullptr, &r), "");
    EXPECT_EQ(r, 0);
}

TEST(CrearNombreCorto, EachBlankStaysAndWordsKeepThreeCharacters) {
    // Each blank becomes one blank; a character within three of a blank is kept.
    EXPECT_EQ(Corto("ABCDEFG  HIJKLMN\tOPQRSTUVWXYZ 12345", nullptr), "ABC  HIJ OPQ 123");
    // The output stops at 30 characters, then trailing blanks go.
    EXPECT_EQ(Corto("AAA BBB CCC DDD EEE FFF GGG HHH III JJJ", nullptr),
              "AAA BBB CCC DDD EEE FFF GGG HH");
    EXPECT_EQ(Corto("AAAAAAAAAAAAAAAAAAAAAAAAAAAA     XX", nullptr), "AAA     XX");
    EXPECT_EQ(Corto("AAAAAAAAAAAAAAAAAAAAAAAAAAAAA B  ", nullptr), "AAA B");
}

std::string Abreviado(const char* texto, int n, int* resultado = nullptr) {
    char s[64];
    std::memset(s, 'x', sizeof s);
    s[0] = '\0';
    const int r = AbreviarTexto(s, texto, n);
    if (resultado != nullptr) *resultado = r;
    return s;
}

TEST(AbreviarTexto, SharesTheLengthAmongTheWords) {
    int r = 0;
    EXPECT_EQ(Abreviado("CIENCIAS DE LA NATURALEZA", 20, &r), "CiencDeLaNaturaleza");
    EXPECT_EQ(r, 1);
    EXPECT_EQ(Abreviado("ABCDEFGH IJKLMNOP QRSTUVWX", 20), "AbcdefgIjklmnoQrstuv");
    EXPECT_EQ(Abreviado("CIENCIAS DE LA NATURALEZA", 50, &r), "CIENCIAS DE LA NATURALEZA");
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Abreviado("", 20, &r), "");
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Abreviado(nullptr, 20, &r), "");
    EXPECT_EQ(r, 0);
    // Only ASCII letters change case.
    EXPECT_EQ(Abreviado("GEOMETR\xCD"
                        "A Y DIBUJO T\xC9"
                        "CNICO",
                        20),
              "GeomeYDibujoT\xC9"
              "cnico");
}

TEST(AbreviarTexto, OnlyBlanksGiveAnEmptyText) {
    // Longer than the limit and without a single word: nothing to share out.
    int r = 1;
    EXPECT_EQ(Abreviado(std::string(25, ' ').c_str(), 20, &r), "");
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Abreviado(" \t \n                     ", 20, &r), "");
    EXPECT_EQ(r, 0);
}

TEST(AbreviarTexto, BeyondTwentyWordsTheLastOneRunsOn) {
    // 22 one-letter words: the twentieth goes on with the rest of the text, blanks included.
    const char* texto = "a b c d e f g h i j k l m n o p q r s T U V";
    EXPECT_EQ(Abreviado(texto, 20), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Abreviado(texto, 30), "ABCDEFGHIJKLMNOPQRST u v");
}

TEST(ContarPalabras, AtMostTwentyWordStarts) {
    const char* inicios[MAX_PALABRAS];
    const char* texto = "  uno\tdos  tres ";
    ASSERT_EQ(ContarPalabras(texto, static_cast<int>(std::strlen(texto)), inicios), 3);
    EXPECT_EQ(inicios[0], texto + 2);
    EXPECT_EQ(inicios[2], texto + 11);
    EXPECT_EQ(ContarPalabras(texto, 4, inicios), 1);
    const std::string muchas = "x x x x x x x x x x x x x x x x x x x x x x x x x";
    EXPECT_EQ(ContarPalabras(muchas.c_str(), static_cast<int>(muchas.size()), inicios), 20);
    EXPECT_EQ(inicios[19], muchas.c_str() + 38);
}

std::string Profesor(const char* nombre) {
    char s[31];
    EXPECT_EQ(AbreviarNombreProfesor(nombre, s), 1);
    return s;
}

TEST(AbreviarNombreProfesor, FirstFourMarkAndInitialPairs) {
    EXPECT_EQ(Profesor("ABCDEF GHIJ, KLMN"), "ABCD. GH, KL");
    EXPECT_EQ(Profesor("AB CDEFG HIJ KLM"), "ABCD. HIKL");
    EXPECT_EQ(Profesor("ABCD EFGH"), "ABCD EFGH");
    EXPECT_EQ(Profesor("GARCIA LOPEZ, ANA"), "GARC. LO, AN");
    // The fifth letter ends the first word: it is kept instead of the point.
    EXPECT_EQ(Profesor("RUBIO SANZ, EVA"), "RUBIO SA, EV");
    // The fifth character is not a letter: just a blank.
    EXPECT_EQ(Profesor("ABCD-EFGH IJKL"), "ABCD IJ");
    EXPECT_EQ(Profesor("ABCD\xC9"
                       "FGH IJKL"),
              "ABCD IJ");
    // A comma among the first characters brings the output past four at once: one mark.
    EXPECT_EQ(Profesor("ABC, DEFGH IJK"), "ABC,  DEIJ");
}

TEST(AbreviarNombreProfesor, NeverWritesPastThirtyCharacters) {
    // After "ABCD " every comma writes two characters; the thirteenth comma is the 30th
    // character and its blank has no room.
    const std::string nombre = "ABCD1" + std::string(20, ',');
    char s[31];
    AbreviarNombreProfesor(nombre.c_str(), s);
    EXPECT_EQ(std::strlen(s), 30u);
    EXPECT_EQ(s[29], ',');
    EXPECT_EQ(std::string(s, 7), "ABCD , ");
}

} // namespace
