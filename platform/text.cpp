// Code pages from ICU's converters, name comparison through ICU's Spanish collator, and
// locale-free character classes and numbers.
#include "platform/text.h"

#include <unicode/coll.h>
#include <unicode/ucnv.h>
#include <unicode/utf8.h>

#include <array>
#include <charconv>
#include <climits>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace plataforma {

namespace {

constexpr char Sustituto = '?';

// The Windows-1252 and code page 850 tables, read once from ICU.
struct Tablas {
    std::array<char16_t, 256> ansi{}; // Windows-1252 byte -> UTF-16
    std::array<char, 256> oemAnsi{};  // code page 850 byte -> Windows-1252 byte
};

// One byte through an ICU converter; `porDefecto` when ICU gives no single UTF-16 unit.
char16_t DecodificarByte(UConverter* conversor, int byte, char16_t porDefecto) {
    if (!conversor) return porDefecto;
    const char origen = static_cast<char>(byte);
    UChar destino[4];
    UErrorCode estado = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(conversor, destino, 4, &origen, 1, &estado);
    if (U_FAILURE(estado) || n != 1 || destino[0] == 0xFFFD || destino[0] == 0x1A)
        return porDefecto;
    return destino[0];
}

// A code point to its Windows-1252 byte. U+0000..U+00FF keep their value (U+0080..U+009F
// included); the 27 other characters of the code page are found in the table; everything
// else, surrogate halves included, has no form. Only exact mappings: no "best fit".
char AnsiDe(const Tablas& t, char32_t c) {
    if (c < 0x100) return static_cast<char>(c);
    for (int b = 0x80; b < 0xA0; ++b)
        if (t.ansi[b] == c) return static_cast<char>(b);
    return Sustituto;
}

const Tablas& LasTablas() {
    static const Tablas tablas = [] {
        Tablas t;
        UErrorCode estado = U_ZERO_ERROR;
        UConverter* ansi = ucnv_open("windows-1252", &estado);
        // Bytes the code page leaves undefined (0x81, 0x8D, ...) map to U+0081...
        for (int b = 0; b < 256; ++b)
            t.ansi[b] = b < 0x80 ? char16_t(b) : DecodificarByte(ansi, b, char16_t(b));
        ucnv_close(ansi);
        estado = U_ZERO_ERROR;
        UConverter* oem = ucnv_open("ibm-850", &estado);
        // ICU's ibm-850 swaps 0x1A, 0x1C and 0x7F with other control characters (an IBM
        // convention); the ASCII half is kept byte for byte, as the system's conversion does.
        for (int b = 0; b < 256; ++b)
            t.oemAnsi[b] = b < 0x80 ? char(b) : AnsiDe(t, DecodificarByte(oem, b, Sustituto));
        ucnv_close(oem);
        return t;
    }();
    return tablas;
}

std::unique_ptr<icu::Collator> CrearColador(bool conMayusculas) {
    UErrorCode estado = U_ZERO_ERROR;
    // Always Spanish: the default locale (root under LANG=C) would not place "ñ" after "n".
    std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(icu::Locale("es"), estado));
    if (U_FAILURE(estado) || !c) return nullptr;
    c->setAttribute(UCOL_STRENGTH, UCOL_PRIMARY, estado);
    c->setAttribute(UCOL_CASE_LEVEL, conMayusculas ? UCOL_ON : UCOL_OFF, estado);
    c->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_OFF, estado);
    c->setAttribute(UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, estado);
    if (U_FAILURE(estado)) return nullptr;
    return c;
}

// The UTF-16 form of a Windows-1252 name, as the collator sees it. Names are short: they are
// decoded into a buffer on the stack, not on the heap.
class NombreUtf16 {
public:
    explicit NombreUtf16(std::string_view ansi) : longitud_(ansi.size()) {
        const Tablas& t = LasTablas();
        if (ansi.size() <= corto) {
            for (std::size_t i = 0; i < ansi.size(); ++i)
                buffer_[i] = t.ansi[static_cast<unsigned char>(ansi[i])];
            datos_ = buffer_;
        } else {
            largo_ = AnsiAUtf16(ansi);
            datos_ = largo_.data();
        }
    }
    const char16_t* datos() const { return datos_; }
    int32_t longitud() const { return static_cast<int32_t>(longitud_); }

private:
    static constexpr std::size_t corto = 256;
    char16_t buffer_[corto];
    std::u16string largo_;
    const char16_t* datos_;
    std::size_t longitud_;
};

constexpr std::size_t LongitudMaxima = std::numeric_limits<int32_t>::max();

Comparacion Comparar(const icu::Collator* colador, std::string_view a, std::string_view b) {
    if (!colador || a.size() > LongitudMaxima || b.size() > LongitudMaxima)
        return Comparacion::Menor;
    const NombreUtf16 ua(a), ub(b);
    UErrorCode estado = U_ZERO_ERROR;
    const UCollationResult r =
        colador->compare(ua.datos(), ua.longitud(), ub.datos(), ub.longitud(), estado);
    if (U_FAILURE(estado) || r == UCOL_LESS) return Comparacion::Menor;
    return r == UCOL_EQUAL ? Comparacion::Igual : Comparacion::Mayor;
}

bool ClaveDe(const icu::Collator* colador, std::string_view texto, std::string& clave) {
    clave.clear();
    if (!colador || texto.size() > LongitudMaxima) return false;
    const NombreUtf16 u(texto);
    // Keys of short names fit in a small buffer; a longer one is asked for again at its size.
    std::uint8_t buffer[512];
    int32_t n = colador->getSortKey(u.datos(), u.longitud(), buffer, sizeof buffer);
    if (n <= 0) return false;
    if (static_cast<std::size_t>(n) <= sizeof buffer) {
        clave.assign(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n));
        return true;
    }
    std::vector<std::uint8_t> grande(static_cast<std::size_t>(n));
    n = colador->getSortKey(u.datos(), u.longitud(), grande.data(), n);
    if (n <= 0 || static_cast<std::size_t>(n) > grande.size()) return false;
    clave.assign(reinterpret_cast<const char*>(grande.data()), static_cast<std::size_t>(n));
    return true;
}

const icu::Collator* Colador(bool conMayusculas) {
    static const std::unique_ptr<icu::Collator> sinMayusculas = CrearColador(false);
    static const std::unique_ptr<icu::Collator> mayusculas = CrearColador(true);
    return conMayusculas ? mayusculas.get() : sinMayusculas.get();
}

} // namespace

// ---- Code pages -----------------------------------------------------------------------------

std::string OemAAnsi(std::string_view oem) {
    const Tablas& t = LasTablas();
    std::string r(oem.size(), '\0');
    for (std::size_t i = 0; i < oem.size(); ++i)
        r[i] = t.oemAnsi[static_cast<unsigned char>(oem[i])];
    return r;
}

void OemAAnsiEnSitio(char* texto) {
    if (!texto) return;
    const Tablas& t = LasTablas();
    for (; *texto; ++texto)
        *texto = t.oemAnsi[static_cast<unsigned char>(*texto)];
}

std::size_t Utf16AAnsi(const char16_t* texto, std::size_t longitud, char* destino,
                       std::size_t capacidad) {
    if (!texto || !destino) return 0;
    const Tablas& t = LasTablas();
    const std::size_t n = longitud < capacidad ? longitud : capacidad;
    for (std::size_t i = 0; i < n; ++i)
        destino[i] = AnsiDe(t, texto[i]);
    return n;
}

std::string Utf16AAnsi(std::u16string_view texto) {
    std::string r(texto.size(), '\0');
    r.resize(Utf16AAnsi(texto.data(), texto.size(), r.data(), r.size()));
    return r;
}

std::u16string AnsiAUtf16(std::string_view ansi) {
    const Tablas& t = LasTablas();
    std::u16string r(ansi.size(), u'\0');
    for (std::size_t i = 0; i < ansi.size(); ++i)
        r[i] = t.ansi[static_cast<unsigned char>(ansi[i])];
    return r;
}

std::string AnsiAUtf8(std::string_view ansi) {
    const Tablas& t = LasTablas();
    std::string r;
    r.reserve(ansi.size());
    for (const char b : ansi) {
        uint8_t bytes[U8_MAX_LENGTH];
        int n = 0;
        U8_APPEND_UNSAFE(bytes, n, t.ansi[static_cast<unsigned char>(b)]);
        r.append(reinterpret_cast<const char*>(bytes), n);
    }
    return r;
}

std::string Utf8AAnsi(std::string_view utf8) {
    const Tablas& t = LasTablas();
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const std::size_t longitud = utf8.size();
    std::string r;
    r.reserve(longitud);
    // One byte per character; an ill-formed sequence becomes one '?'.
    for (std::size_t i = 0; i < longitud;) {
        UChar32 c;
        U8_NEXT(s, i, longitud, c);
        r += c < 0 ? Sustituto : AnsiDe(t, static_cast<char32_t>(c));
    }
    return r;
}

// ---- Name comparison ------------------------------------------------------------------------

Comparacion CompararNombres(std::string_view a, std::string_view b) {
    return Comparar(Colador(false), a, b);
}

Comparacion CompararNombresConMayusculas(std::string_view a, std::string_view b) {
    return Comparar(Colador(true), a, b);
}

bool ClaveDeNombre(std::string_view texto, std::string& clave) {
    return ClaveDe(Colador(false), texto, clave);
}

bool ClaveDeNombreConMayusculas(std::string_view texto, std::string& clave) {
    return ClaveDe(Colador(true), texto, clave);
}

// ---- Character classes on bytes -------------------------------------------------------------

bool EsEspacio(unsigned char c) {
    return c == 0x20 || (c >= 0x09 && c <= 0x0D);
}
bool EsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}
bool EsDigito(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool EsLetraAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

unsigned char AMayuscula(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c; // µ and ß have no upper case of one byte
    }
}

void AMayusculas(std::string& texto) {
    for (char& c : texto)
        c = static_cast<char>(AMayuscula(static_cast<unsigned char>(c)));
}

void AMayusculas(char* texto) {
    if (!texto) return;
    for (; *texto; ++texto)
        *texto = static_cast<char>(AMayuscula(static_cast<unsigned char>(*texto)));
}

bool IgualesSinMayusculasAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto plegar = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 0x20 : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (plegar(a[i]) != plegar(b[i])) return false;
    return true;
}

// ---- Numbers independent of the locale ------------------------------------------------------

int LeerEntero(const char* texto) {
    if (!texto) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(texto);
    while (EsEspacio(*p))
        ++p;
    const bool negativo = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    // Accumulated as a negative number, whose range reaches INT_MIN.
    long long valor = 0;
    for (; EsDigito(*p); ++p)
        if (valor > -(1LL << 32)) valor = valor * 10 - (*p - '0');
    if (negativo) return valor < INT_MIN ? INT_MIN : static_cast<int>(valor);
    return -valor > INT_MAX ? INT_MAX : static_cast<int>(-valor);
}

double LeerReal(const char* texto) {
    if (!texto) return 0.0;
    const auto* p = reinterpret_cast<const unsigned char*>(texto);
    while (EsEspacio(*p))
        ++p;
    if (*p == '+') {
        ++p;
        if (*p == '-') return 0.0;
    }
    const char* inicio = reinterpret_cast<const char*>(p);
    const char* fin = inicio + std::strlen(inicio);
    double valor = 0.0;
    const auto [final, error] = std::from_chars(inicio, fin, valor);
    if (error == std::errc::result_out_of_range) {
        // As atof: too large gives infinity, too small gives zero (told apart by the sign of
        // the exponent), with the sign of the text.
        const std::string_view leido(inicio, final - inicio);
        const std::size_t e = leido.find_first_of("eE");
        const bool pequeno =
            e != std::string_view::npos && e + 1 < leido.size() && leido[e + 1] == '-';
        valor = pequeno ? 0.0 : std::numeric_limits<double>::infinity();
        return *inicio == '-' ? -valor : valor;
    }
    return error == std::errc() ? valor : 0.0;
}

std::string FormatearReal(double valor, int decimales) {
    if (decimales < 0) decimales = 6; // as printf with a negative precision
    // The widest fixed form of a double: sign, 309 digits, point and the decimals.
    std::string r(static_cast<std::size_t>(decimales) + 320, '\0');
    const auto [fin, error] =
        std::to_chars(r.data(), r.data() + r.size(), valor, std::chars_format::fixed, decimales);
    r.resize(error == std::errc() ? static_cast<std::size_t>(fin - r.data()) : 0);
    return r;
}

} // namespace plataforma
