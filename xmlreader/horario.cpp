// The solved timetable of a document (`horario`): each child of a slot (a session in a room, a
// complementary activity, a duty or a meeting) becomes, at its end, one placing call of the
// model's placement table, with the document's coordinates mapped to the week, the day within
// the week and the slot row. The placing itself belongs to the model (model/colocacion.h).
#include <cstring>

#include "platform/text.h"
#include "xmlreader/vocabulario.h"

using plataforma::AtributosSax;

int MyContentInterno2::Semana(int dia) const {
    return dia < diasSemana_ ? 0 : dia / diasSemana_;
}

int MyContentInterno2::DiaDeSemana(int dia) const {
    return dia % diasSemana_;
}

// The end of a child of a solved timetable's slot: a session in a room, a complementary
// activity, a duty or a meeting. A break slot takes duties only.
void MyContentInterno2::FinColocacion(FinRuta hijo) {
    REGISTROENCURSO& r = *registro_;
    COLOCACION& c = r.colocacion;
    // Placed only in a lesson row (or a recess) of a day of the six weeks there can be.
    const bool enTramo =
        c.dia >= 0 && c.fila >= 0 && c.fila < NUM_INTERVALOS && Semana(c.dia) < NUM_PERIODOS;
    const int semana = enTramo ? Semana(c.dia) : 0;
    const int dia = enTramo ? DiaDeSemana(c.dia) : 0;
    switch (hijo) {
    case FinRuta::AulaHorario: {
        // The occurrence: one more than the last given out to this session in this slot, or
        // the room reference given.
        const auto it = ocurrencias_.find(c.sesion);
        std::uint16_t ocurrencia =
            it != ocurrencias_.end() ? static_cast<std::uint16_t>(it->second + 1) : 0;
        if (c.refAula[0] != '\0')
            ocurrencia = static_cast<std::uint16_t>(plataforma::LeerEntero(c.refAula));
        ocurrencias_[c.sesion] = ocurrencia;
        if (enTramo && c.recreo == 0) {
            // The room is its id; an anonymous room without an id is known by its text.
            const char* aula = r.aula[0] != '\0' ? r.aula : r.conjuntoAlternativo;
            datos_->colocacion.ColocarSesion(semana, dia, c.fila, c.marco, aula, r.profesor,
                                             c.sesion, ocurrencia, c.anonima);
        }
        r.aula[0] = '\0';
        r.conjuntoAlternativo[0] = '\0';
        r.profesor[0] = '\0';
        c.refAula[0] = '\0';
        c.sesion = -1;
        break;
    }
    case FinRuta::ComplementariaHorario:
        if (enTramo && c.recreo == 0)
            datos_->colocacion.ColocarComplementaria(semana, dia, c.fila, c.marco, c.sesion);
        c.sesion = -1;
        break;
    case FinRuta::GuardiaHorario:
        if (enTramo) {
            if (c.recreo != 0)
                datos_->colocacion.ColocarGuardiaRecreo(semana, dia, c.fila, c.marco, r.nombre,
                                                        r.profesor);
            else
                datos_->colocacion.ColocarGuardia(semana, dia, c.fila, c.marco, r.nombre,
                                                  r.profesor);
        }
        r.nombre[0] = '\0';
        r.profesor[0] = '\0';
        break;
    case FinRuta::ReunionHorario:
        if (enTramo && c.recreo == 0)
            datos_->colocacion.ColocarReunion(semana, dia, c.fila, c.marco, r.nombre);
        r.nombre[0] = '\0';
        break;
    default:
        break;
    }
}

// ---- Attributes of a placement ---------------------------------------------------------------

void MyContentInterno2::LeerRefAula(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.colocacion.refAula[0] = '\0';
    for (int i = 0; i < a.getLength(); ++i)
        if (a.getLocalName(i) == u"refAula")
            CopiarTexto(r.colocacion.refAula, Valor(a, i, 12).c_str());
}

void MyContentInterno2::LeerAtributosAula(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.colocacion.anonima = 0;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (n == u"id") {
            CopiarTexto(r.aula, Valor(a, i, 30).c_str());
        } else if (n == u"anonima") {
            CopiarTexto(r.conjuntoAlternativo, Valor(a, i, 30).c_str());
            r.colocacion.anonima = 1;
        }
    }
}
