#include "model/textos.h"

#include <cstring>

#include "platform/error.h"
#include "platform/text.h"

namespace {
bool SeRecorta(char c) {
    const auto u = static_cast<unsigned char>(c);
    return plataforma::EsEspacio(u) || plataforma::EsControl(u);
}
} // namespace

bool ConvertirDesdeUnicode(char* destino, int limite, const char16_t* texto, int longitud) {
    if (destino == nullptr || limite < 0) return false;
    destino[0] = '\0';
    if (texto == nullptr || longitud <= 0) return false;
    const int n = longitud < limite ? longitud : limite;
    const std::size_t escritos = plataforma::Utf16AAnsi(texto, static_cast<std::size_t>(n), destino,
                                                        static_cast<std::size_t>(limite));
    // The text ends where the conversion ended, never on stale bytes of the buffer.
    destino[escritos] = '\0';
    if (escritos == 0) return false;
    return Recortar(destino);
}

bool Recortar(char* s) {
    if (s == nullptr || s[0] == '\0') return false;
    RecortarIzquierda(s);
    if (s[0] != '\0') RecortarDerecha(s);
    return s[0] != '\0';
}

void RecortarIzquierda(char* s) {
    if (s == nullptr) return;
    std::size_t i = 0;
    while (s[i] != '\0' && SeRecorta(s[i]))
        ++i;
    if (i > 0) std::memmove(s, s + i, std::strlen(s + i) + 1);
}

void RecortarDerecha(char* s) {
    if (s == nullptr) return;
    std::size_t n = std::strlen(s);
    while (n > 0 && SeRecorta(s[n - 1]))
        s[--n] = '\0';
}

void ObtenerTextoError(std::uint32_t codigo, std::string& texto) {
    texto = plataforma::TextoDeError(codigo);
}

bool ComprobarTutoria(std::string& a, std::string& b) {
    plataforma::AMayusculas(a);
    plataforma::AMayusculas(b);
    return a.find("TUT") != std::string::npos || b.find("TUT") != std::string::npos;
}

std::string Recortado(const char* texto) {
    std::string s = texto != nullptr ? texto : "";
    RecortarIzquierda(s.data());
    RecortarDerecha(s.data());
    s.resize(std::strlen(s.c_str()));
    return s;
}
