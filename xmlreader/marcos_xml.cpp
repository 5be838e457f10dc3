// Time frames from the document: each frame's `tramo` becomes a time-slot record; at the end of
// `marcosDeHorario` the records rebuild the frame configuration and the frame table that maps a
// document slot index to a grid row.
#include <cstring>
#include <map>
#include <utility>

#include "model/palabras.h"
#include "model/textos.h"
#include "platform/text.h"
#include "xmlreader/vocabulario.h"

void LeerHoraMinuto(const char* texto, std::uint8_t& hora, std::uint8_t& minuto) {
    hora = 0;
    minuto = 0;
    if (texto == nullptr) return;
    char numero[51];
    int n = 0;
    int separadores = 0;
    auto valor = [&] {
        numero[n] = '\0';
        const int v = plataforma::LeerEntero(numero);
        n = 0;
        return static_cast<std::uint8_t>(v > 59 ? 0 : v);
    };
    for (const char* p = texto; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (plataforma::EsDigito(c) || c == ' ') {
            if (n < 50) numero[n++] = static_cast<char>(c);
            continue;
        }
        if (separadores == 0) {
            hora = valor();
            separadores = 1;
        } else {
            minuto = valor();
            return;
        }
    }
    if (separadores == 0)
        hora = valor();
    else
        minuto = valor();
}

void MyContentInterno2::AnadirTramo(int semana, const char* entrada, const char* salida,
                                    const char* clave, int indice, std::uint8_t marco, int dia,
                                    int tipo, std::uint8_t duracion, int permitido) {
    DHCLAVIMPOR& t = datos_->clavesImportadas.AnadirAlFinal()->dato;
    char hora[6];
    CopiarTexto(hora, entrada);
    if (Recortar(hora)) LeerHoraMinuto(hora, t.horaEntrada, t.minutoEntrada);
    CopiarTexto(hora, salida);
    if (Recortar(hora)) LeerHoraMinuto(hora, t.horaSalida, t.minutoSalida);
    if (clave != nullptr && clave[0] != '\0') CopiarTexto(t.clave, clave);
    t.indice = indice;
    t.claseDuracion = duracion;
    t.tipo = tipo;
    t.dia = dia;
    t.permitido = permitido;
    t.semana = semana;
    t.marco = static_cast<char>(marco < datos_->marcos.numMarcos ? 'A' + marco : 'A');
}

namespace {

int MarcoDeLetra(char letra) {
    switch (letra) {
    case 'B':
    case 'b':
        return 1;
    case 'C':
    case 'c':
        return 2;
    case 'D':
    case 'd':
        return 3;
    default:
        return 0;
    }
}

bool MismasHoras(const DHCLAVIMPOR& a, const DHCLAVIMPOR& b) {
    return a.tipo == b.tipo && a.horaEntrada == b.horaEntrada &&
           a.minutoEntrada == b.minutoEntrada && a.horaSalida == b.horaSalida &&
           a.minutoSalida == b.minutoSalida;
}

void QuitarCelda(MapaEmpaquetado& mapa, int dia, int fila) {
    MapaDisponibilidad m;
    DesempaquetarMapa(mapa, m);
    m.celdas[dia][fila] = 0;
    EmpaquetarMapa(mapa, m);
}

// The first lesson interval of the block that ends at (hora, minuto): its position after it;
// -1 when none.
int PosicionTrasLectivo(const BloqueMarcoDia& b, std::uint8_t hora, std::uint8_t minuto) {
    const int n = b.numLectivos < NUM_INTERVALOS ? b.numLectivos : NUM_INTERVALOS;
    for (int i = 0; i < n; ++i)
        if (b.horas[i].horaSalida == hora && b.horas[i].minutoSalida == minuto) return i + 1;
    return -1;
}

} // namespace

// 1 when the days of a frame differ: a slot index whose times differ between two records, or a
// day whose lessons differ in number (when it has any) or in highest index from Monday's.
int MyContentInterno2::CompararTramos(const MCList<DHCLAVIMPOR>& tramos, int dias, int numMarcos) {
    std::map<std::pair<char, int>, const DHCLAVIMPOR*> primero;
    for (const DHCLAVIMPOR& t : tramos) {
        const auto [it, nuevo] = primero.emplace(std::make_pair(t.marco, t.indice), &t);
        if (!nuevo && !MismasHoras(*it->second, t)) return 1;
    }
    int cuenta[NUM_MARCOS][NUM_DIAS] = {};
    int maximo[NUM_MARCOS][NUM_DIAS] = {};
    for (const DHCLAVIMPOR& t : tramos) {
        if (t.tipo != TRAMO_LECTIVO || t.dia < 0 || t.dia >= NUM_DIAS) continue;
        const int f = t.marco - 'A';
        if (f < 0 || f >= NUM_MARCOS) continue;
        ++cuenta[f][t.dia];
        if (t.indice > maximo[f][t.dia]) maximo[f][t.dia] = t.indice;
    }
    for (int f = 0; f < numMarcos && f < NUM_MARCOS; ++f)
        for (int d = 1; d < dias && d < NUM_DIAS; ++d)
            if ((cuenta[f][d] != 0 && cuenta[f][d] != cuenta[f][0]) || maximo[f][d] != maximo[f][0])
                return 1;
    return 0;
}

int MyContentInterno2::AnadirRecreo(BloqueMarcoDia& bloque, int indice, const char* nombre,
                                    std::uint8_t hora, std::uint8_t minuto,
                                    char nombres[MAX_RECREOS][201]) {
    if (bloque.numRecreos >= MAX_RECREOS) return -1;
    int posicion = indice;
    if (hora != 0) {
        const int p = PosicionTrasLectivo(bloque, hora, minuto);
        if (p != -1) posicion = p;
    }
    if (posicion >= NUM_INTERVALOS - 1) return -1;
    const int n = bloque.numRecreos;
    CopiarTexto(nombres[n], nombre);
    bloque.posRecreos[n] = static_cast<std::uint8_t>(posicion < 1 ? 1 : posicion);
    ++bloque.numRecreos;
    return n;
}

void MyContentInterno2::TerminarMarcos(CDatos* datos) {
    if (!datos->tablaMarcos)
        datos->tablaMarcos = std::make_unique<std::int32_t[]>(TAMANO_TABLA_MARCOS);
    std::int32_t* tabla = datos->tablaMarcos.get();
    for (int i = 0; i < TAMANO_TABLA_MARCOS; ++i)
        tabla[i] = -1;

    DHMARCOS& m = datos->marcos;
    MCList<DHCLAVIMPOR>& tramos = datos->clavesImportadas;
    const int dias = m.sabado != 0 ? 6 : 5;
    m.porDia = static_cast<std::uint8_t>(CompararTramos(tramos, dias, m.numMarcos));
    m.tiemposExactos = 0;
    for (const DHCLAVIMPOR& t : tramos)
        if (t.claseDuracion != 0) m.tiemposExactos = 1;

    // Lesson slots met so far per (week, day, frame); a frame and day takes at most 56.
    int contador[NUM_PERIODOS][NUM_DIAS][NUM_MARCOS] = {};
    for (const DHCLAVIMPOR& t : tramos) {
        const int f = MarcoDeLetra(t.marco);
        const int d = t.dia;
        if (d < 0 || d >= dias) continue;
        const int w = t.semana;
        const bool enTabla = t.indice >= 0 && t.indice < NUM_INDICES_TRAMO;
        const std::size_t entrada =
            enTabla ? static_cast<std::size_t>((d + f * NUM_DIAS) * NUM_INDICES_TRAMO + t.indice)
                    : 0;
        if (w != 0) {
            // Later weeks give only their forbidden lesson slots.
            if (w < 0 || w >= NUM_PERIODOS || t.tipo != TRAMO_LECTIVO) continue;
            const int fila = contador[w][d][f];
            if (fila >= NUM_INTERVALOS) continue;
            ++contador[w][d][f];
            if (t.permitido == 0) QuitarCelda(m.mapasMarco[w][f], d, fila);
            continue;
        }
        BloqueMarcoDia& b = m.bloques[f][d];
        if (t.tipo == TRAMO_MEDIODIA) {
            int posicion = PosicionTrasLectivo(b, t.horaEntrada, t.minutoEntrada);
            if (posicion == -1) posicion = t.indice;
            if (posicion >= 0 && posicion < NUM_INTERVALOS - 1) {
                b.posMediodia = static_cast<std::uint8_t>(posicion);
                CopiarTexto(b.nombreMediodia, t.clave);
            }
        } else if (t.tipo == TRAMO_RECREO) {
            const int n =
                AnadirRecreo(b, t.indice, t.clave, t.horaEntrada, t.minutoEntrada, b.nombresRecreo);
            if (n != -1 && enTabla) tabla[entrada] = 70 + n;
        } else {
            const int fila = contador[0][d][f];
            if (fila >= NUM_INTERVALOS) continue;
            ++contador[0][d][f];
            if (enTabla) tabla[entrada] = fila;
            if (b.numLectivos <= fila) b.numLectivos = static_cast<std::uint8_t>(fila + 1);
            CopiarTexto(b.nombres[fila], t.clave);
            b.horas[fila] = {t.horaEntrada, t.minutoEntrada, t.horaSalida, t.minutoSalida};
            b.claseDuracion[fila] = t.claseDuracion;
            if (t.permitido == 0) QuitarCelda(m.mapasMarco[0][f], d, fila);
        }
    }
    tramos.Vaciar();
    datos->marcosHorario->Recalcular();
}

// ---- Texts of a frame's time slot -------------------------------------------------------------

bool MyContentInterno2::ConvertirTramoMarco(Destino destino, const char16_t* t, int n) {
    REGISTROENCURSO& r = *registro_;
    TramoXml& tramo = r.tramo;
    const std::u16string_view w(t, static_cast<std::size_t>(n > 0 ? n : 0));
    switch (destino) {
    case Destino::SubmarcoTramo: { // the frame of the enclosing marcoHorario
        char texto[51];
        if (Texto(texto, 50, t, n))
            tramo.marco = static_cast<std::uint8_t>(BuscarIndiceMarco(marcoActual_));
        return true;
    }
    case Destino::TipoTramo: {
        // "recreo" and "mediodia"; any other word leaves a lesson slot.
        const int k = IndiceDePalabra(w, PALABRAS_TIPO_TRAMO);
        if (k == TRAMO_RECREO || k == TRAMO_MEDIODIA) tramo.tipo = k;
        return true;
    }
    case Destino::DuracionTramo:
        if (Texto(r.textoNumero, 5, t, n))
            tramo.claseDuracion = r.textoNumero[0] == 'T' ? 1 : r.textoNumero[0] == 'M' ? 2 : 0;
        return true;
    case Destino::PermitidoTramo:
        if (EsPalabra(w, PALABRA_FALSO)) tramo.permitido = 0;
        return true;
    default:
        return false;
    }
}

// The end of a frame's time slot: days per week, Saturday and periods, then the slot record.
void MyContentInterno2::FinTramoMarco() {
    if (marcoIgnorado_ != 0) return;
    REGISTROENCURSO& r = *registro_;
    DHMARCOS& m = datos_->marcos;
    const int v = VersionNumerica();
    const int d = r.tramo.dia;
    if (v < VERSION_FORMATO) {
        // Older documents count six days a week; day 6 starts the next week.
        diasSemana_ = 6;
        if (d == 5)
            m.sabado = 1;
        else if (d == 6)
            periodo_ = 1;
    } else {
        if (d == 5 && periodo_ == 0) m.sabado = 1;
        diasSemana_ = m.sabado != 0 ? 6 : 5;
    }
    const int n = diasSemana_;
    const int semana = d >= n ? d / n : 0;
    const int dia = d >= n ? d % n : d;
    // Only weeks that exist raise the number of periods.
    if (semana < NUM_PERIODOS && semana + 1 > m.numPeriodos)
        datos_->marcosHorario->FijarNumeroPeriodos(semana + 1);
    AnadirTramo(semana, r.tramo.horaEntrada, r.tramo.horaSalida, r.claveDeExportacion,
                r.tramo.indice, r.tramo.marco, dia, r.tramo.tipo, r.tramo.claseDuracion,
                r.tramo.permitido);
}
