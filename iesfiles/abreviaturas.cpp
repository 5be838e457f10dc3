// The three shorteners that turn IES2000 texts into the planner's short names.
#include <cstring>

#include "iesfiles/constructores.h"
#include "model/textos.h"
#include "platform/text.h"

namespace {

bool Blanco(char c) {
    return plataforma::EsEspacio(static_cast<unsigned char>(c));
}
bool Letra(char c) {
    return plataforma::EsLetraAscii(static_cast<unsigned char>(c));
}
// Letter case of ASCII letters only: other bytes, accented letters among them, stay as they are.
char MayusculaAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char MinusculaAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

int CrearNombreCorto(const char* texto, const char* codigo, char (&salida)[31]) {
    constexpr std::size_t maximo = sizeof salida - 1;
    if (codigo != nullptr) {
        int letras = 0;
        for (const char* c = codigo; *c != '\0'; ++c)
            if (Letra(*c) || static_cast<unsigned char>(*c) >= 0x80) ++letras;
        if (letras >= 2 || plataforma::LeerEntero(codigo) < 1) return 0;
    }
    if (texto == nullptr) return 0;
    const std::size_t longitud = std::strlen(texto);
    if (longitud <= 2) return 0;
    if (longitud <= maximo) {
        CopiarTexto(salida, texto);
        return 1;
    }
    // Every word keeps its first three characters; each blank stays one blank.
    std::size_t j = 0;
    for (std::size_t i = 0; i < longitud && j < maximo; ++i) {
        const char c = texto[i];
        if (Blanco(c))
            salida[j++] = ' ';
        else if (i < 3 || Blanco(texto[i - 1]) || Blanco(texto[i - 2]) || Blanco(texto[i - 3]))
            salida[j++] = c;
    }
    salida[j] = '\0';
    RecortarDerecha(salida);
    // A text of nothing but blanks leaves no name to give.
    return salida[0] != '\0' ? 1 : 0;
}

int ContarPalabras(const char* texto, int longitud, const char* inicios[MAX_PALABRAS]) {
    int n = 0;
    bool enPalabra = false;
    for (int i = 0; i < longitud && texto[i] != '\0'; ++i) {
        if (Blanco(texto[i])) {
            enPalabra = false;
        } else if (!enPalabra) {
            enPalabra = true;
            if (n == MAX_PALABRAS) break;
            inicios[n++] = texto + i;
        }
    }
    return n;
}

int AbreviarTexto(char* salida, const char* texto, int n) {
    if (texto == nullptr || texto[0] == '\0' || n < 0) return 0;
    const std::size_t longitud = std::strlen(texto);
    if (longitud <= static_cast<std::size_t>(n)) {
        std::memcpy(salida, texto, longitud + 1);
        return 0;
    }
    const char* inicios[MAX_PALABRAS];
    const int palabras = ContarPalabras(texto, static_cast<int>(longitud), inicios);
    if (palabras == 0) {
        // Only blanks: there is nothing to abbreviate.
        salida[0] = '\0';
        return 0;
    }
    const int parte = n / palabras;
    const char* const fin = texto + longitud;
    const char* p = nullptr;
    int escritos = 0;
    for (int k = 0; k < palabras && escritos < n; ++k) {
        p = inicios[k];
        salida[escritos++] = MayusculaAscii(*p++);
        int dePalabra = 1;
        while (dePalabra < parte && escritos < n && p < fin && !Blanco(*p)) {
            salida[escritos++] = MinusculaAscii(*p++);
            ++dePalabra;
        }
        if (p >= fin) break;
        // A long word takes one character more when the words still to come keep their share.
        const int restantes = palabras - k - 1;
        if (dePalabra >= parte && escritos < n && n - escritos > parte * restantes && !Blanco(*p))
            salida[escritos++] = MinusculaAscii(*p++);
    }
    // The last word runs on with the rest of the text.
    while (p != nullptr && p < fin && escritos < n)
        salida[escritos++] = MinusculaAscii(*p++);
    salida[escritos] = '\0';
    return 1;
}

int AbreviarNombreProfesor(const char* nombre, char (&salida)[31]) {
    constexpr std::size_t maximo = sizeof salida - 1;
    const std::size_t longitud = std::strlen(nombre);
    if (longitud <= 10) {
        CopiarTexto(salida, nombre);
        return 1;
    }
    std::size_t j = 0;
    bool marcado = false;
    for (std::size_t i = 0; i < longitud && j < maximo; ++i) {
        const char c = nombre[i];
        if (c == ',') {
            salida[j++] = ',';
            if (j < maximo) salida[j++] = ' ';
        } else if (!Blanco(c) && (i < 4 || Blanco(nombre[i - 1]) || Blanco(nombre[i - 2]))) {
            salida[j++] = c;
        }
        // After the first four characters: "." when the first word goes on for two more letters,
        // its fifth letter when it ends there, then a blank.
        if (!marcado && j >= 4) {
            marcado = true;
            if (Letra(nombre[4])) salida[j++] = Letra(nombre[5]) ? '.' : nombre[4];
            salida[j++] = ' ';
        }
    }
    salida[j] = '\0';
    RecortarDerecha(salida);
    return 1;
}
