// The attribute readers: each element whose row names one reads its attributes at its start,
// into the record in progress, the handler or the model.
#include <algorithm>
#include <cstring>

#include "model/palabras.h"
#include "model/textos.h"
#include "platform/text.h"
#include "xmlreader/vocabulario.h"

using plataforma::AtributosSax;

int MyContentInterno2::BuscarIndiceMarco(const char* id) const {
    for (int i = 0; i < NUM_MARCOS; ++i)
        if (std::strncmp(idsMarco_[i], id, 50) == 0) return i;
    return 0;
}

// ---- Attribute values -------------------------------------------------------------------------

namespace {

bool Es(std::u16string_view nombre, std::u16string_view literal) {
    return nombre == literal;
}

} // namespace

std::string MyContentInterno2::Valor(const AtributosSax& a, int i, int limite) {
    const std::u16string_view v = a.getValue(i);
    std::string destino(static_cast<std::size_t>(limite) + 1, '\0');
    ConvertirDesdeUnicode(destino.data(), limite, v.data(), static_cast<int>(v.size()));
    destino.resize(std::strlen(destino.c_str()));
    return destino;
}

int MyContentInterno2::ValorEntero(const AtributosSax& a, int i, int limite) {
    return plataforma::LeerEntero(Valor(a, i, limite).c_str());
}

// ---- Attribute readers ------------------------------------------------------------------------

void MyContentInterno2::LeerAtributosMarco(const AtributosSax& a) {
    std::string id, nombre, clave;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"id"))
            id = Valor(a, i, 50);
        else if (Es(n, u"nombre"))
            nombre = Valor(a, i, 7);
        else if (Es(n, u"claveX"))
            clave = Valor(a, i, 500);
    }
    // A frame without id, or a fifth one, registers nothing: its slots are left out.
    marcoIgnorado_ = 1;
    if (id.empty() || numMarcos_ >= NUM_MARCOS) return;
    RegistrarMarco(datos_, nombre.c_str(), clave.c_str(), numMarcos_);
    CopiarTexto(marcoActual_, id.c_str());
    CopiarTexto(idsMarco_[numMarcos_], id.c_str());
    ++numMarcos_;
    marcoIgnorado_ = 0;
}

void MyContentInterno2::LeerNumeroAlumnos(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"numeroAlumnos")) {
            const int v = ValorEntero(a, i, 5);
            if (v >= 1 && v <= 999) alumnosPendientes_ = v;
        }
}

void MyContentInterno2::LeerSolapable(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"solapable") && EsPalabra(a.getValue(i), PALABRA_VERDADERO))
            registro_->solapable = 1;
}

void MyContentInterno2::LeerAtributosOtroGrupo(const AtributosSax& a) {
    LeerAtributoTarea(a);
    LeerNumeroAlumnos(a);
}

void MyContentInterno2::LeerAtributoTarea(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.tareaCompanera[0] = '\0';
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"tarea")) CopiarTexto(r.tareaCompanera, Valor(a, i, 30).c_str());
}

void MyContentInterno2::LeerAtributosOtraAula(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    if (r.numAulas >= MAX_COMPANEROS_XML) {
        // The texts of a further room beyond the last go to the last one.
        r.aulaActual = MAX_COMPANEROS_XML - 1;
        return;
    }
    const int k = r.numAulas++;
    r.aulaActual = k;
    AulaCompaneraXml& e = r.aulas[k];
    e = AulaCompaneraXml{};
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"tarea"))
            CopiarTexto(e.tarea, Valor(a, i, 30).c_str());
        else if (Es(n, u"origenAula"))
            e.origenAula = ValorEntero(a, i, 12);
    }
}

void MyContentInterno2::LeerAtributosMateriaGrupo(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    if (r.numMateriasGrupos >= MAX_COMPANEROS_XML) {
        r.materiaGrupoActual = MAX_COMPANEROS_XML - 1;
        return;
    }
    const int k = r.numMateriasGrupos++;
    r.materiaGrupoActual = k;
    MateriaGrupoXml& e = r.materiasGrupos[k];
    e = MateriaGrupoXml{};
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"tarea")) CopiarTexto(e.tarea, Valor(a, i, 30).c_str());
}

void MyContentInterno2::LeerAtributosTramo(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    COLOCACION& c = r.colocacion;
    c.dia = 0;
    c.fila = 0;
    c.recreo = 0;
    int indice = 0;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"dia")) {
            c.dia = ValorEntero(a, i, 30);
        } else if (Es(n, u"indice")) {
            indice = ValorEntero(a, i, 30);
        } else if (Es(n, u"marco")) {
            CopiarTexto(marcoActual_, Valor(a, i, 50).c_str());
            c.marco = static_cast<std::uint8_t>(BuscarIndiceMarco(marcoActual_));
        }
    }
    // The slot row, through the frame table. An index outside the table names no slot.
    const int f = c.marco;
    if (indice < 0 || indice >= NUM_INDICES_TRAMO) {
        c.fila = -1;
        return;
    }
    int fila = BuscarFilaTramo(datos_, f, c.dia, indice, diasSemana_);
    // A duty in recesses is looked up again past the lesson slots.
    if (fila != -1 && fila < 70 && r.enRecreos)
        fila = BuscarFilaTramo(datos_, f, c.dia, indice + NUM_INTERVALOS, diasSemana_);
    if (fila == -1) {
        fila = BuscarFilaTramo(datos_, f, 0, indice, diasSemana_);
        if (fila != -1 && fila < 70 && r.enRecreos)
            fila = BuscarFilaTramo(datos_, f, 0, indice + NUM_INTERVALOS, diasSemana_);
    }
    if (fila >= 70) {
        c.recreo = 1;
        fila -= 70;
    }
    c.fila = fila;
}

// Each permanence element says by itself whether it gives the strict value.
void MyContentInterno2::LeerEstrictoSemanal(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.estrictoSemanal = 0;
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"estricto"))
            r.estrictoSemanal = EsPalabra(a.getValue(i), PALABRA_VERDADERO);
}

void MyContentInterno2::LeerEstrictoDiario(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.estrictoDiario = 0;
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"estricto"))
            r.estrictoDiario = EsPalabra(a.getValue(i), PALABRA_VERDADERO);
}

// Each incompatibility element starts without prohibition and with one interval.
void MyContentInterno2::LeerAtributosIncompatibilidad(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    r.prohibicion = 0;
    r.nIntervalos = 1;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"tipo"))
            r.prohibicion = EsPalabra(a.getValue(i), PALABRA_PROHIBICION);
        else if (Es(n, u"nIntervalos"))
            r.nIntervalos = ValorEntero(a, i, 30);
    }
}

void MyContentInterno2::LeerEvitarDobleDesp(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"tipo")) prohibirDobleDesp_ = Es(a.getValue(i), u"prohibir");
}

void MyContentInterno2::LeerNumSesiones(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    for (int i = 0; i < a.getLength(); ++i) {
        if (!Es(a.getLocalName(i), u"numSesiones")) continue;
        // A course's list beyond its capacity takes no more subjects.
        if (r.numMateriasCurso >= MAX_MATERIAS_CURSO_XML) continue;
        double v = plataforma::LeerReal(Valor(a, i, 30).c_str());
        // Kept within what a float holds (the builder bounds it further).
        constexpr double kMaximo = 3.0e38;
        if (v > kMaximo) v = kMaximo;
        if (v < -kMaximo) v = -kMaximo;
        r.materiasCurso[r.numMateriasCurso].numSesiones = static_cast<float>(v);
    }
}

void MyContentInterno2::LeerNombreConjunto(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"nombre"))
            CopiarTexto(r.nombreConjunto, Valor(a, i, 30).c_str());
}

void MyContentInterno2::LeerSinDeclarar(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i) {
        if (!Es(a.getLocalName(i), u"sinDeclarar")) continue;
        const long long n =
            static_cast<long long>(datos_->marcos.numAulasGeneral) + ValorEntero(a, i, 30);
        // The room-row count stays within 0..250.
        datos_->marcosHorario->FijarAulasGeneral(
            static_cast<int>(std::clamp<long long>(n, 0, MAX_AULAS_GENERAL)));
    }
}

void MyContentInterno2::LeerAtributosGrupoMateria(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"modificado") && EsPalabra(a.getValue(i), PALABRA_VERDADERO)) {
            r.grupoMateriaModificado = 1;
        } else if (Es(n, u"tipo")) {
            const std::string t = Valor(a, i, 30);
            if (!t.empty()) r.tipoGrupoMateria = t[0];
        }
    }
}

void MyContentInterno2::LeerIdSesion(const AtributosSax& a) {
    for (int i = 0; i < a.getLength(); ++i)
        if (Es(a.getLocalName(i), u"id")) registro_->colocacion.sesion = ValorEntero(a, i, 30);
}

void MyContentInterno2::LeerSubmarco(const AtributosSax& a) {
    REGISTROENCURSO& r = *registro_;
    for (int i = 0; i < a.getLength(); ++i) {
        const std::u16string_view n = a.getLocalName(i);
        if (Es(n, u"submarco") || Es(n, u"subMarco")) {
            CopiarTexto(marcoActual_, Valor(a, i, 50).c_str());
            const int f = BuscarIndiceMarco(marcoActual_);
            r.colocacion.marco = static_cast<std::uint8_t>(f);
            r.subMarco = static_cast<std::int8_t>(f);
        }
    }
}
