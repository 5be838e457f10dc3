// Relation lists of a written session: its companions (further subjects and groups, groups,
// teachers, subjects and rooms), the id of its simultaneous block, and the relations its owner
// main record holds with other sessions.
#include <algorithm>
#include <cstdio>

#include "model/palabras.h"
#include "xmlwriter/exportador.h"

namespace {

using NodoSesion = MCList<DHSESI>::Nodo;

// The records that follow a written record W in its companion run: further subjects and groups,
// further teachers and further rooms (flag exactly 1), up to the first record of another kind.
bool SigueCarrera(const DHSESI& s) {
    return s.tipo == SESION_MATERIA || s.tipo == SESION_PROFESOR ||
           (s.tipo == SESION_SIMULTANEA && s.aulaAdicional == 1);
}

// Calls f for W and each record of its run, W first.
template <class Nodo, class F> void RecorrerCarrera(Nodo* w, F&& f) {
    for (Nodo* k = w; k != nullptr; k = k->siguiente) {
        if (k != w && !SigueCarrera(k->dato)) break;
        f(*k);
    }
}

template <class T> std::string Nombre(const typename MCList<T>::Nodo* n) {
    return n != nullptr ? std::string(TextoCampo(n->dato.nombre)) : std::string();
}

std::string AtributoAlumnos(int alumnos) {
    if (alumnos == 0) return "";
    char texto[40];
    std::snprintf(texto, sizeof texto, " numeroAlumnos=\"%d\"", alumnos);
    return texto;
}

const char* PalabraDiasSeguidos(int codigo) {
    return PalabraDe(PALABRAS_DIAS_SEGUIDOS, codigo, PALABRAS_DIAS_SEGUIDOS[0]);
}

} // namespace

int CExportadorXML::PosicionSesion(const MCList<DHSESI>::Nodo* nodo) {
    if (nodo == nullptr) return -1;
    if (m_posicionSesion.empty()) {
        int i = 0;
        for (const auto* n = m_pDatos->sesiones.Cabeza(); n != nullptr; n = n->siguiente)
            m_posicionSesion.emplace(n, i++);
    }
    const auto it = m_posicionSesion.find(nodo);
    return it != m_posicionSesion.end() ? it->second : -1;
}

std::string CExportadorXML::AtributoTarea(const DHSESI& k, const DHSESI& w) {
    const auto* tarea = m_pDatos->Resolver(m_pDatos->tareas, k.tarea);
    if (tarea == nullptr || tarea == m_pDatos->Resolver(m_pDatos->tareas, w.tarea)) return "";
    std::snprintf(m_szAtributoTarea, sizeof m_szAtributoTarea, " tarea=\"%s\"",
                  EscaparXML(tarea->dato.nombre).c_str());
    return m_szAtributoTarea;
}

// ---- Companion lists --------------------------------------------------------------------------

void CExportadorXML::BuscarOtrasMateriasGrupos(MapaMateriasGrupos& mapa, const NodoSesion* w) {
    const CDatos& d = *m_pDatos;
    const DHSESI& sw = w->dato;
    const auto* materiaW = d.Resolver(d.materias, sw.materia);
    const auto* grupoW = d.Resolver(d.grupos, sw.grupo);
    RecorrerCarrera(w, [&](const NodoSesion& k) {
        const auto* materia = d.Resolver(d.materias, k.dato.materia);
        const auto* grupo = d.Resolver(d.grupos, k.dato.grupo);
        if (materia == materiaW || grupo == grupoW) return;
        std::pair<std::string, std::string> clave{Nombre<DHMATE>(materia), Nombre<DHGRUP>(grupo)};
        // Two pairs whose names join to the same text share a bucket but stay apart.
        const int cubeta = CubetaClave(clave.first + clave.second);
        mapa.AnadirSiFalta(clave, cubeta,
                           MateriaGrupo{clave.first, clave.second, AtributoTarea(k.dato, sw),
                                        k.dato.numeroAlumnos});
    });
}

void CExportadorXML::BuscarOtrosGrupos(MapaGrupos& mapa, const NodoSesion* w) {
    const CDatos& d = *m_pDatos;
    const DHSESI& sw = w->dato;
    const auto* materiaW = d.Resolver(d.materias, sw.materia);
    const auto* grupoW = d.Resolver(d.grupos, sw.grupo);
    RecorrerCarrera(w, [&](const NodoSesion& k) {
        const auto* grupo = d.Resolver(d.grupos, k.dato.grupo);
        if (grupo == grupoW || d.Resolver(d.materias, k.dato.materia) != materiaW) return;
        const std::string nombre = Nombre<DHGRUP>(grupo);
        mapa.Fijar(nombre, CubetaClave(nombre),
                   GrupoCompanero{AtributoTarea(k.dato, sw), k.dato.numeroAlumnos});
    });
}

void CExportadorXML::BuscarOtrosProfesores(MapaAtributos& mapa, const NodoSesion* w) {
    const CDatos& d = *m_pDatos;
    const DHSESI& sw = w->dato;
    // No teacher: an unset link or the placeholder teacher.
    auto profesor = [&](const DHSESI& s) -> const MCList<DHPROF>::Nodo* {
        const auto* n = d.Resolver(d.profesores, s.profesor);
        return n == d.profesores.Cabeza() ? nullptr : n;
    };
    const auto* profesorW = profesor(sw);
    RecorrerCarrera(w, [&](const NodoSesion& k) {
        const auto* p = profesor(k.dato);
        if (p == nullptr) {
            if (k.dato.tipo == SESION_PROFESOR)
                mapa.Fijar("", CubetaClave(""), AtributoTarea(k.dato, sw));
            return;
        }
        if (p == profesorW) return;
        const std::string nombre = Nombre<DHPROF>(p);
        mapa.Fijar(nombre, CubetaClave(nombre), AtributoTarea(k.dato, sw));
    });
}

void CExportadorXML::BuscarOtrasMaterias(MapaAtributos& mapa, const NodoSesion* w) {
    const CDatos& d = *m_pDatos;
    const DHSESI& sw = w->dato;
    const auto* materiaW = d.Resolver(d.materias, sw.materia);
    const auto* grupoW = d.Resolver(d.grupos, sw.grupo);
    RecorrerCarrera(w, [&](const NodoSesion& k) {
        const auto* materia = d.Resolver(d.materias, k.dato.materia);
        if (materia == materiaW || d.Resolver(d.grupos, k.dato.grupo) != grupoW) return;
        const std::string nombre = Nombre<DHMATE>(materia);
        mapa.Fijar(nombre, CubetaClave(nombre), AtributoTarea(k.dato, sw));
    });
}

void CExportadorXML::BuscarOtrasAulas(MapaAulas& mapa, NodoSesion* w) {
    const CDatos& d = *m_pDatos;
    const DHSESI& sw = w->dato;
    int n = 1;
    RecorrerCarrera(w, [&](NodoSesion& k) {
        if (k.dato.tipo != SESION_SIMULTANEA || k.dato.aulaAdicional != 1) return;
        const std::string aula(NombreEnlace(d.aulas, k.dato.aula, true).value_or(""));
        const std::string conjunto(
            NombreEnlace(d.tipos, k.dato.conjuntoAlternativo, true).value_or(""));
        if (aula.empty() && conjunto.empty()) return;
        mapa.AnadirSiFalta(n, CubetaNumero(static_cast<std::uint32_t>(n)),
                           AulaCompanera{conjunto, AtributoTarea(k.dato, sw), aula});
        k.dato.origenAula = n++;
    });
}

// ---- Relations of the owner main record -------------------------------------------------------

void CExportadorXML::EscribirSesionesEnlazadas(const DHSESI& principal, const Ref* enlaces,
                                               int cuenta) {
    const int periodos = NumPeriodos();
    for (int k = 0; k < cuenta; ++k) {
        const auto* enlazada = m_pDatos->Resolver(m_pDatos->sesiones, enlaces[k]);
        const int posicion = PosicionSesion(enlazada);
        if (posicion < 0) continue;
        // With several periods, only a session flagged for a period the main record is also
        // flagged for; the flags are compared as they stand.
        bool comparte = periodos < 2;
        for (int p = 0; p < periodos && !comparte; ++p)
            comparte = enlazada->dato.periodos[p] != 0 && principal.periodos[p] != 0;
        if (comparte) Escribir("\t\t\t\t\t<sesion>%d</sesion>\n", posicion);
    }
}

void CExportadorXML::EscribirEnDistintoDia(const DHSESI& principal) {
    const RelacionesSesion& r = principal.relaciones;
    if (r.numEnDistintoDia == 0) return;
    Escribir("\t\t\t<enDistintoDia>\n");
    Escribir("\t\t\t\t<sesiones>\n");
    EscribirSesionesEnlazadas(
        principal, r.enDistintoDia,
        std::min<int>(r.numEnDistintoDia, RelacionesSesion::MAX_EN_DISTINTO_DIA));
    Escribir("\t\t\t\t</sesiones>\n");
    Escribir("\t\t\t\t<enDiasSeguidos>%s</enDiasSeguidos>\n",
             PalabraDiasSeguidos(principal.enDiasSeguidos));
    Escribir("\t\t\t</enDistintoDia>\n");
}

void CExportadorXML::EscribirNoConsecutivas(const DHSESI& principal) {
    const RelacionesSesion& r = principal.relaciones;
    if (r.numNoConsecutivas == 0) return;
    Escribir("\t\t\t<noConsecutivas>\n");
    EscribirSesionesEnlazadas(
        principal, r.noConsecutivas,
        std::min<int>(r.numNoConsecutivas, RelacionesSesion::MAX_NO_CONSECUTIVAS));
    Escribir("\t\t\t</noConsecutivas>\n");
}

void CExportadorXML::EscribirNoCoincidentes(const DHSESI& principal) {
    const RelacionesSesion& r = principal.relaciones;
    if (r.numNoCoincidentes == 0) return;
    Escribir("\t\t\t<noCoincidentes>\n");
    EscribirSesionesEnlazadas(
        principal, r.noCoincidentes,
        std::min<int>(r.numNoCoincidentes, RelacionesSesion::MAX_NO_COINCIDENTES));
    Escribir("\t\t\t</noCoincidentes>\n");
}

void CExportadorXML::EscribirPosteriorA(const DHSESI& principal) {
    const RelacionesSesion& r = principal.relaciones;
    const int n = std::min<int>(r.numPrevioPosterior, RelacionesSesion::MAX_PREVIO_POSTERIOR);
    for (int k = 0; k < n; ++k) {
        if (r.esPrevio[k] != 0) continue;
        const int posicion =
            PosicionSesion(m_pDatos->Resolver(m_pDatos->sesiones, r.previoPosterior[k]));
        if (posicion >= 0) Escribir("\t\t\t\t\t<sesion>%d</sesion>\n", posicion);
    }
}

void CExportadorXML::EscribirSeparacion(const DHSESI& principal, int tipo) {
    const RelacionesSesion& r = principal.relaciones;
    const int n = std::min<int>(r.numSeparacion, RelacionesSesion::MAX_SEPARACION);
    for (int k = 0; k < n; ++k) {
        if (r.tipoSeparacion[k] != tipo) continue;
        const int posicion =
            PosicionSesion(m_pDatos->Resolver(m_pDatos->sesiones, r.separacion[k]));
        if (posicion < 0) continue;
        Escribir("\t\t\t\t\t<separacion>\n");
        Escribir("\t\t\t\t\t\t<sesion>%d</sesion>\n", posicion);
        Escribir("\t\t\t\t\t\t<dias>%d</dias>\n", r.diasSeparacion[k]);
        Escribir("\t\t\t\t\t</separacion>\n");
    }
}

int CExportadorXML::BuscarBloqueConsecutivas(const MCList<DHSESI>::Nodo* x) {
    const CDatos& d = *m_pDatos;
    const auto* primera = d.Resolver(d.sesiones, x->dato.consecutivaPrimera);
    const auto* segunda = d.Resolver(d.sesiones, x->dato.consecutivaSegunda);
    const int posPrimera = PosicionSesion(primera);
    const int posSegunda = PosicionSesion(segunda);
    if (posPrimera < 0) return -1;
    // With several periods every member must have exactly the same period flags.
    if (NumPeriodos() > 1) {
        for (const auto* companera : {primera, segunda}) {
            if (PosicionSesion(companera) < 0) continue;
            for (int p = 0; p < NumPeriodos(); ++p)
                if ((companera->dato.periodos[p] != 0) != (x->dato.periodos[p] != 0)) return -1;
        }
    }
    int id = std::min(PosicionSesion(x), posPrimera);
    if (posSegunda >= 0) id = std::min(id, posSegunda);
    return id;
}

// ---- The whole list ---------------------------------------------------------------------------

void CExportadorXML::EscribirRelacionesSesion(MCList<DHSESI>::Nodo* nodo,
                                              MCList<DHSESI>::Nodo* principal) {
    MapaMateriasGrupos materiasGrupos;
    BuscarOtrasMateriasGrupos(materiasGrupos, nodo);
    if (!materiasGrupos.Vacio()) {
        Escribir("\t\t\t<otrasMateriasGrupos>\n");
        materiasGrupos.Recorrer([&](const auto&, const MateriaGrupo& v) {
            Escribir("\t\t\t\t<materiaGrupo%s>\n", v.tarea.c_str());
            Escribir("\t\t\t\t\t<materia>%s</materia>\n", EscaparXML(v.materia).c_str());
            Escribir("\t\t\t\t\t<grupo%s>%s</grupo>\n", AtributoAlumnos(v.alumnos).c_str(),
                     EscaparXML(v.grupo).c_str());
            Escribir("\t\t\t\t</materiaGrupo>\n");
        });
        Escribir("\t\t\t</otrasMateriasGrupos>\n");
    }

    MapaGrupos grupos;
    BuscarOtrosGrupos(grupos, nodo);
    if (!grupos.Vacio()) {
        Escribir("\t\t\t<otrosGrupos>\n");
        grupos.Recorrer([&](const std::string& grupo, const GrupoCompanero& v) {
            Escribir("\t\t\t\t<grupo%s%s>%s</grupo>\n", v.tarea.c_str(),
                     AtributoAlumnos(v.alumnos).c_str(), EscaparXML(grupo).c_str());
        });
        Escribir("\t\t\t</otrosGrupos>\n");
    }

    MapaAtributos profesores;
    BuscarOtrosProfesores(profesores, nodo);
    if (!profesores.Vacio()) {
        Escribir("\t\t\t<otrosProfesores>\n");
        profesores.Recorrer([&](const std::string& profesor, const std::string& tarea) {
            Escribir("\t\t\t\t<profesor%s>%s</profesor>\n", tarea.c_str(),
                     EscaparXML(profesor).c_str());
        });
        Escribir("\t\t\t</otrosProfesores>\n");
    }

    MapaAtributos materias;
    BuscarOtrasMaterias(materias, nodo);
    if (!materias.Vacio()) {
        Escribir("\t\t\t<otrasMaterias>\n");
        materias.Recorrer([&](const std::string& materia, const std::string& tarea) {
            Escribir("\t\t\t\t<materia%s>%s</materia>\n", tarea.c_str(),
                     EscaparXML(materia).c_str());
        });
        Escribir("\t\t\t</otrasMaterias>\n");
    }

    MapaAulas aulas;
    BuscarOtrasAulas(aulas, nodo);
    if (!aulas.Vacio()) {
        Escribir("\t\t\t<otrasAulas>\n");
        aulas.Recorrer([&](int n, const AulaCompanera& v) {
            Escribir("\t\t\t\t<otraAula%s origenAula=\"%d\">\n", v.tarea.c_str(), n);
            if (!v.aula.empty())
                Escribir("\t\t\t\t\t<aula>%s</aula>\n", EscaparXML(v.aula).c_str());
            if (!v.conjunto.empty())
                Escribir("\t\t\t\t\t<grupo>%s</grupo>\n", EscaparXML(v.conjunto).c_str());
            Escribir("\t\t\t\t</otraAula>\n");
        });
        Escribir("\t\t\t</otrasAulas>\n");
    }

    for (const auto* n = principal->siguiente; n != nullptr && n->dato.tipo != SESION_PRINCIPAL;
         n = n->siguiente) {
        if (EsSimultanea(n->dato)) {
            Escribir("\t\t\t<sesionesSimultaneas>%d</sesionesSimultaneas>\n",
                     PosicionSesion(principal));
            break;
        }
    }

    const DHSESI& m = principal->dato;
    EscribirEnDistintoDia(m);
    const int bloque = BuscarBloqueConsecutivas(principal);
    if (bloque != -1) Escribir("\t\t\t<consecutivas>%d</consecutivas>\n", bloque);
    EscribirNoConsecutivas(m);
    EscribirNoCoincidentes(m);

    const RelacionesSesion& r = m.relaciones;
    const int previos = std::min<int>(r.numPrevioPosterior, RelacionesSesion::MAX_PREVIO_POSTERIOR);
    const auto* finPrevio = r.esPrevio + previos;
    if (std::any_of(r.esPrevio, finPrevio, [](std::uint8_t v) { return v != 0; })) {
        Escribir("\t\t\t<previoA>\n");
        for (int k = 0; k < previos; ++k) {
            if (r.esPrevio[k] != 1) continue;
            const int posicion =
                PosicionSesion(m_pDatos->Resolver(m_pDatos->sesiones, r.previoPosterior[k]));
            if (posicion >= 0) Escribir("\t\t\t\t\t<sesion>%d</sesion>\n", posicion);
        }
        Escribir("\t\t\t</previoA>\n");
    }
    if (std::any_of(r.esPrevio, finPrevio, [](std::uint8_t v) { return v == 0; })) {
        Escribir("\t\t\t<posteriorA>\n");
        EscribirPosteriorA(m);
        Escribir("\t\t\t</posteriorA>\n");
    }

    const int separaciones = std::min<int>(r.numSeparacion, RelacionesSesion::MAX_SEPARACION);
    const auto* finTipos = r.tipoSeparacion + separaciones;
    if (std::any_of(r.tipoSeparacion, finTipos, [](std::uint8_t v) { return v == 0; })) {
        Escribir("\t\t\t<separadosNDiasOMas>\n");
        EscribirSeparacion(m, 0);
        Escribir("\t\t\t</separadosNDiasOMas>\n");
    }
    if (std::any_of(r.tipoSeparacion, finTipos, [](std::uint8_t v) { return v != 0; })) {
        Escribir("\t\t\t<separadosNDiasOMenos>\n");
        EscribirSeparacion(m, 1);
        Escribir("\t\t\t</separadosNDiasOMenos>\n");
    }
}
