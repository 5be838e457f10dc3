// The options of a teacher (or the teacher defaults) and of a session (or the session
// defaults): their words and numbers, and the rules applied when the teacher element ends.
#include <cstring>
#include <string_view>

#include "model/palabras.h"
#include "platform/text.h"
#include "xmlreader/vocabulario.h"

namespace {

std::u16string_view Palabra(const char16_t* t, int n) {
    return {t, static_cast<std::size_t>(n > 0 ? n : 0)};
}

// The incompatibilities in document order: the bit in `incompatibilidades` (0: a field of its
// own) and the bit in `incompatibilidadesProhibidas`.
struct Incompatibilidad {
    std::uint8_t bit;
    std::uint8_t prohibicion;
};
constexpr Incompatibilidad kIncompatibilidades[] = {
    {0, 0x01},    // salirUltimaEntrarPrimera
    {0x80, 0x02}, // entrarPrimeraSalirUltima
    {0x08, 0x10}, // entrarPrimeraSalirUltimaTarde
    {0x10, 0x08}, // entrarPrimeraSalirUltimaManana
    {0, 0x20},    // salirUltimaMananaEntrarPrimeraTarde
    {0x02, 0x40}, // salirUltimaMananaTardeCompleta
    {0x01, 0x04}, // entrarPrimeraSalirTarde
    {0x04, 0x80}, // menosDeDosIntervalosLibres
};
constexpr int kSalirUltimaEntrarPrimera = 0;
constexpr int kEntrarPrimeraSalirUltima = 1;
constexpr int kSalirUltimaMananaEntrarPrimeraTarde = 4;

} // namespace

// ---- Teacher options --------------------------------------------------------------------------

bool MyContentInterno2::ConvertirOpcionProfesor(Destino destino, int parametro, const char16_t* t,
                                                int n) {
    REGISTROENCURSO& r = *registro_;
    OpcionesProfesor& o = r.opciones;
    const std::u16string_view w = Palabra(t, n);
    int v = 0;
    switch (destino) {
    case Destino::ReduccionCargaLectiva: // within 0..30
        if (Numero(5, t, n, v))
            r.reduccionCargaLectiva = static_cast<std::uint8_t>(v < 0 ? 0 : v > 30 ? 30 : v);
        return true;
    case Destino::MaximoSesionesDiarias:
        if (w == u"ampliado") {
            o.considerarMaximasHorasDiarias = 2;
            o.valorMaximasHorasCalculado = 2;
        } else if (w == u"sinlimite") {
            o.considerarMaximasHorasDiarias = 0;
        } else if (w == u"limitado") {
            o.considerarMaximasHorasDiarias = 2;
        } else if (w == u"nopenalizar") {
            o.considerarMaximasHorasDiarias = 1;
        }
        return true;
    case Destino::ConsiderarHoras: {
        std::uint32_t& campo =
            parametro == 0 ? o.considerarMaximasHorasDiarias : o.considerarMinimasHorasDiarias;
        // "estricto" and "ponderable"; the first word is never read.
        const int k = IndiceDePalabra(w, PALABRAS_CONSIDERAR);
        if (k >= 1) campo = static_cast<std::uint32_t>(k);
        return true;
    }
    case Destino::ValorMaximasCalculado: {
        const int k = IndiceDePalabra(w, PALABRAS_CALCULADO);
        if (k >= 1) o.valorMaximasHorasCalculado = static_cast<std::uint32_t>(k);
        return true;
    }
    case Destino::ValorMinimasCalculado: {
        if (w == u"minimizarDiasOcupados") {
            o.minimizarDiasOcupados = 1;
            return true;
        }
        const int k = IndiceDePalabra(w, PALABRAS_CALCULADO);
        if (k >= 1) o.valorMinimasHorasCalculado = static_cast<std::uint32_t>(k);
        return true;
    }
    case Destino::MinimoSesionesDiarias:
        if (w == u"nopenalizar")
            o.considerarMinimasHorasDiarias = 1;
        else if (w == u"concentrar")
            o.minimizarDiasOcupados = 1;
        else if (w == u"estricto")
            o.considerarMinimasHorasDiarias = 2;
        else if (w == u"limitado")
            o.considerarMinimasHorasDiarias = 0;
        return true;
    case Destino::PermanenciaSemanal:
        if (Numero(5, t, n, v) && v >= 1 && v <= 99) {
            if (r.estrictoSemanal != 0) {
                o.permanenciaSemanalEstricta = v;
                r.semanalEstrictoDado = 1;
            } else {
                o.permanenciaSemanal = v;
                r.semanalDado = 1;
            }
        }
        return true;
    case Destino::PermanenciaDiaria:
        if (Numero(5, t, n, v) && v >= 1 && v <= 56) {
            if (r.estrictoDiario != 0) {
                o.permanenciaDiariaEstricta = v;
                r.diarioEstrictoDado = 1;
            } else {
                o.permanenciaDiaria = v;
                r.diarioDado = 1;
            }
        }
        return true;
    case Destino::EliminarHuecos:
        if (EsPalabra(w, PALABRA_FALSO)) o.noEliminarHuecos = 1;
        return true;
    case Destino::TipoDePeriodo: // 1 the first intervals, 2 the last, 3 in a row
        if (Numero(5, t, n, v)) {
            o.tipoDePeriodo = static_cast<std::uint16_t>(parametro);
            if (v >= 1 && v <= 20) o.intervalosLibres = static_cast<std::uint8_t>(v);
        }
        return true;
    case Destino::TipoDePeriodoLibre:
        r.jornadaPartida = EsPalabra(w, PALABRA_TARDES) ? 0 : EsPalabra(w, PALABRA_MANANAS) ? 1 : 2;
        return true;
    case Destino::TipoDeIncompatibilidad: // each incompatibility element gives its own
        return true;
    case Destino::Incompatibilidad: {
        const Incompatibilidad& k = kIncompatibilidades[parametro];
        if (EsPalabra(w, PALABRA_VERDADERO)) {
            if (parametro == kSalirUltimaEntrarPrimera)
                o.salirUltimaEntrarPrimera = 1;
            else if (parametro == kSalirUltimaMananaEntrarPrimeraTarde)
                o.salirUltimaMananaEntrarPrimeraTarde = 1;
            else
                o.incompatibilidades |= k.bit;
        }
        const auto intervalos = static_cast<std::uint8_t>(
            r.nIntervalos >= 1 && r.nIntervalos <= 20 ? r.nIntervalos : 1);
        if (parametro == kSalirUltimaEntrarPrimera)
            o.nIntervalosSalirUltimaEntrarPrimera = intervalos;
        if (parametro == kEntrarPrimeraSalirUltima)
            o.nIntervalosEntrarPrimeraSalirUltima = intervalos;
        if (r.prohibicion != 0) o.incompatibilidadesProhibidas |= k.prohibicion;
        return true;
    }
    default:
        return false;
    }
}

void MyContentInterno2::CargarValoresProfesores(CDatos* datos, OpcionesProfesor& destino) {
    destino = datos->marcos.valorInicialProfesores;
}

// The split-day bytes keep `preferentes` (high half) at least `cantidad` (low half).
void MyContentInterno2::GuardarValoresProfesores(CDatos* datos, OpcionesProfesor& origen) {
    for (std::uint8_t* b : {&origen.periodoLibreTardes, &origen.periodoLibreMananas,
                            &origen.periodoLibreJornadaPartida}) {
        const int cantidad = *b & 0x0F;
        if (cantidad > (*b >> 4)) *b = static_cast<std::uint8_t>((cantidad << 4) | cantidad);
    }
    datos->marcos.valorInicialProfesores = origen;
}

// A split-day free period: `cantidad` in the low half of its byte, `preferentes` in the high.
void MyContentInterno2::FinJornadaPartida() {
    REGISTROENCURSO& r = *registro_;
    const auto valor = static_cast<std::uint8_t>(((r.preferentesJornadaPartida & 15) << 4) |
                                                 (r.cantidadJornadaPartida & 15));
    switch (r.jornadaPartida) {
    case 0:
        r.opciones.periodoLibreTardes = valor;
        break;
    case 1:
        r.opciones.periodoLibreMananas = valor;
        break;
    default:
        r.opciones.periodoLibreJornadaPartida = valor;
        break;
    }
    r.jornadaPartida = 2;
    r.cantidadJornadaPartida = 0;
    r.preferentesJornadaPartida = 0;
}

// Before a teacher (or the teacher defaults) is stored: a permanence limit given only as
// preferred or only as strict completes the other.
void MyContentInterno2::AjustarPermanencia() {
    REGISTROENCURSO& r = *registro_;
    OpcionesProfesor& o = r.opciones;
    if (r.diarioDado != 0 && r.diarioEstrictoDado == 0) {
        const int e = o.permanenciaDiaria + 16;
        o.permanenciaDiariaEstricta = e > 56 ? o.permanenciaDiaria : e;
    } else if (r.diarioEstrictoDado != 0 && r.diarioDado == 0) {
        o.permanenciaDiaria = o.permanenciaDiariaEstricta;
    }
    if (r.semanalDado != 0 && r.semanalEstrictoDado == 0) {
        const int e = o.permanenciaSemanal + 60;
        o.permanenciaSemanalEstricta = e > 336 ? o.permanenciaSemanal : e;
    } else if (r.semanalEstrictoDado != 0 && r.semanalDado == 0) {
        o.permanenciaSemanal = o.permanenciaSemanalEstricta;
    }
    if (o.permanenciaSemanal > o.permanenciaSemanalEstricta)
        o.permanenciaSemanal = o.permanenciaSemanalEstricta;
    if (o.permanenciaDiaria > o.permanenciaDiariaEstricta)
        o.permanenciaDiaria = o.permanenciaDiariaEstricta;
}

// ---- Session options --------------------------------------------------------------------------

bool MyContentInterno2::ConvertirOpcionSesion(Destino destino, int parametro, const char16_t* t,
                                              int n) {
    OpcionesSesion& o = registro_->opcionesSesion;
    const std::u16string_view w = Palabra(t, n);
    const bool verdadero = EsPalabra(w, PALABRA_VERDADERO);
    switch (destino) {
    case Destino::PenaExtremo:
        if (!verdadero) (parametro == 0 ? o.penaSesionesAPrimera : o.penaSesionesAUltima) = 1;
        return true;
    case Destino::PenaSalirUltimaEntrarPrimera:
        o.penaSalirUltimaEntrarPrimera = verdadero ? 1 : 0;
        return true;
    case Destino::PenaSesionMismaHora: {
        // "distinta" 0, "indiferente" 1, anything else 2 ("misma").
        const int k = IndiceDePalabra(w, PALABRAS_MISMA_HORA);
        o.penaSesionMismaHora = k == 0 || k == 1 ? k : 2;
        return true;
    }
    case Destino::PenaCoincidan: {
        const auto bit = static_cast<std::uint8_t>(parametro);
        if (verdadero)
            o.penaCoincidan = static_cast<std::uint8_t>(o.penaCoincidan & ~bit);
        else
            o.penaCoincidan = static_cast<std::uint8_t>(o.penaCoincidan | bit);
        return true;
    }
    case Destino::DiasSeguidosSesion: {
        // An unknown word is the last one, "penalizaNoSeguidas".
        const int k = IndiceDePalabra(w, PALABRAS_IMPARTIR_DIAS_SEGUIDOS);
        o.permitirImpartanEnDiasSeguidos = k >= 0 ? k : 4;
        return true;
    }
    case Destino::MismaPosicionSesion: {
        const int k = IndiceDePalabra(w, PALABRAS_PRIORIDAD);
        o.mismaPosicionDistintosPeriodos = static_cast<std::uint32_t>(k > 0 ? k : 0);
        return true;
    }
    default:
        return false;
    }
}
