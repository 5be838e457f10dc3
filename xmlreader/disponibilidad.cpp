// Availability maps and a duty's teacher counts from the `plantilla/tramo` (and `porTramo`)
// elements: each names a slot by its attributes (day, slot index, frame) and gives a word or a
// count for the slot's cell.
#include <string_view>

#include "model/palabras.h"
#include "platform/text.h"
#include "xmlreader/vocabulario.h"

namespace {

// An availability word (ASCII case ignored): the cell value, or -1 for any other word.
int ValorDisponibilidad(const char* palabra) {
    for (const PalabraMapa& p : PALABRAS_MAPA)
        if (plataforma::IgualesSinMayusculasAscii(palabra, p.palabra)) return p.valor;
    return -1;
}

// A row exists when it is below the lesson count of the frame and day.
bool FilaExiste(const CDatos* datos, int dia, int fila, int marco) {
    if (dia < 0 || dia >= NUM_DIAS || fila < 0 || fila >= NUM_INTERVALOS) return false;
    return fila < datos->marcosHorario->Bloque(marco, dia).numLectivos;
}

} // namespace

bool MyContentInterno2::ConvertirDisponibilidad(Destino destino, const char16_t* t, int n) {
    if (destino != Destino::DisponibilidadPorMarco && destino != Destino::DisponibilidadPorSemana &&
        destino != Destino::DisponibilidadIntegrante && destino != Destino::CantidadPorTramo)
        return false;
    REGISTROENCURSO& r = *registro_;
    const COLOCACION& c = r.colocacion;
    const int d = c.dia;
    const int fila = c.fila;
    const int f = c.marco;
    // A break row belongs to the recesses of a duty in recesses only, never to a lesson.
    if (c.recreo != 0 && r.enRecreos == 0) return true;

    if (destino == Destino::CantidadPorTramo) { // a duty's count of teachers in one slot
        if (d < 0 || d >= diasSemana_ || fila < 0 || fila >= NUM_INTERVALOS) return true;
        r.porTramo = 1;
        int v = 0;
        if (!Numero(30, t, n, v) || v < 0 || v > 20) return true;
        PonerCelda(datos_, d, fila, r.enRecreos != 0 ? 0 : f, static_cast<std::uint8_t>(v),
                   r.cantidadesTramo);
        return true;
    }

    if (!Texto(r.palabraDisponibilidad, 30, t, n)) return true;
    if (d < 0 || fila < 0 || fila >= NUM_INTERVALOS) return true;
    const int semana = d >= diasSemana_ ? d / diasSemana_ : 0;
    const int dia = d >= diasSemana_ ? d % diasSemana_ : d;
    if (semana >= NUM_PERIODOS) return true;
    switch (destino) {
    case Destino::DisponibilidadPorMarco: // teachers, rooms, tasks, subjects
        PonerDisponibilidadPeriodo(datos_, semana, dia, fila, f, r.palabraDisponibilidad,
                                   r.plantilla, f);
        break;
    case Destino::DisponibilidadIntegrante: // a duty's member
        PonerDisponibilidad(datos_, semana, dia, fila, r.enRecreos != 0 ? 0 : f,
                            r.palabraDisponibilidad, r.plantillaIntegrante);
        break;
    default: // sessions, groups, meetings, complementary activities, duties
        PonerDisponibilidadPeriodo(datos_, semana, dia, fila, f, r.palabraDisponibilidad,
                                   r.plantilla, 0);
        break;
    }
    return true;
}

void MyContentInterno2::PonerDisponibilidadPeriodo(
    CDatos* datos, int semana, int dia, int fila, int marco, const char* palabra,
    std::uint8_t rejilla[NUM_PERIODOS][NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS], int marcoRejilla) {
    if (!FilaExiste(datos, dia, fila, marco)) return;
    if (semana < 0 || semana >= NUM_PERIODOS || marcoRejilla < 0 || marcoRejilla >= NUM_MARCOS)
        return;
    const int v = ValorDisponibilidad(palabra);
    if (v >= 0) rejilla[semana][marcoRejilla][dia][fila] = static_cast<std::uint8_t>(v);
}

void MyContentInterno2::PonerDisponibilidad(
    CDatos* datos, int semana, int dia, int fila, int marco, const char* palabra,
    std::uint8_t rejilla[NUM_PERIODOS][NUM_DIAS][NUM_INTERVALOS]) {
    if (!FilaExiste(datos, dia, fila, marco)) return;
    if (semana < 0 || semana >= NUM_PERIODOS) return;
    const int v = ValorDisponibilidad(palabra);
    if (v >= 0) rejilla[semana][dia][fila] = static_cast<std::uint8_t>(v);
}

void MyContentInterno2::PonerCelda(CDatos* datos, int dia, int fila, int marco, std::uint8_t valor,
                                   std::uint8_t rejilla[NUM_DIAS][NUM_INTERVALOS]) {
    if (FilaExiste(datos, dia, fila, marco)) rejilla[dia][fila] = valor;
}

int MyContentInterno2::BuscarFilaTramo(CDatos* datos, int marco, int dia, int indice,
                                       int diasSemana) {
    if (!datos->tablaMarcos) return -1;
    if (indice < 0 || indice >= NUM_INDICES_TRAMO || dia < 0 || marco < 0 || marco >= NUM_MARCOS)
        return -1;
    if (diasSemana > 0 && dia >= diasSemana) dia %= diasSemana;
    if (dia >= NUM_DIAS) return -1;
    return datos->tablaMarcos[static_cast<std::size_t>(
        (dia + marco * NUM_DIAS) * NUM_INDICES_TRAMO + indice)];
}
