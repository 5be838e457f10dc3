// Teaching sessions: one sesion element per record of the session list that stands on its own
// (a main record or a simultaneous session), with the weekly distribution and the options that
// its owner main record holds.
#include <algorithm>
#include <cstring>

#include "model/palabras.h"
#include "platform/text.h"
#include "xmlwriter/exportador.h"

namespace {

// Further subject/group, further teacher and further room records are written with the
// session they belong to, never on their own.
bool EsAcompanante(const DHSESI& s) {
    return s.tipo == SESION_MATERIA || s.tipo == SESION_PROFESOR || s.aulaAdicional != 0;
}

// The document's letter for a duration code, or 0 for a byte that is not a duration code.
char CodigoDuracion(char c) {
    switch (static_cast<unsigned char>(c)) {
    case 0xBD:
        return 'M';
    case 0xBE:
        return 'T';
    case '&':
        return 'S';
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
    case 0xBC:
        return c;
    default:
        return 0;
    }
}

// A distribution text: at most 7 codes, up to its NUL.
template <std::size_t N> std::string_view Codigos(const char (&campo)[N]) {
    return std::string_view(campo, strnlen(campo, std::min<std::size_t>(N, 7)));
}

} // namespace

void CExportadorXML::EscribirSesionesLectivas() {
    Escribir("\t<sesionesLectivas>\n");
    MCList<DHSESI>::Nodo* principal = nullptr;
    int posicion = 0;
    for (auto* n = m_pDatos->sesiones.Cabeza(); n != nullptr; n = n->siguiente, ++posicion) {
        if (n->dato.tipo == SESION_PRINCIPAL) principal = n;
        // A record before the first main record has no owner to take its distribution from.
        if (principal == nullptr) continue;
        if (PasaFiltroPeriodo(principal->dato.periodos)) EscribirSesion(n, posicion, principal);
    }
    Escribir("\t</sesionesLectivas>\n");
}

void CExportadorXML::EscribirSesion(MCList<DHSESI>::Nodo* nodo, int posicion,
                                    MCList<DHSESI>::Nodo* principal) {
    if (EsAcompanante(nodo->dato)) return;
    Escribir("\t\t<sesion id=\"%d\">\n", posicion);
    EscribirCuerpoSesion(nodo->dato, principal->dato);
    EscribirRelacionesSesion(nodo, principal);
    Escribir("\t\t</sesion>\n");
}

void CExportadorXML::EscribirCuerpoSesion(DHSESI& sesion, const DHSESI& principal) {
    const CDatos& d = *m_pDatos;
    const DHMATE* materia = d.Registro(d.materias, sesion.materia);
    const DHGRUP* grupo = d.Registro(d.grupos, sesion.grupo);

    Escribir("\t\t\t<materia>%s</materia>\n",
             materia != nullptr ? EscaparXML(materia->nombre).c_str() : "");
    char alumnos[40] = "";
    if (sesion.numeroAlumnos != 0)
        std::snprintf(alumnos, sizeof alumnos, " numeroAlumnos=\"%d\"", sesion.numeroAlumnos);
    Escribir("\t\t\t<grupo%s>%s</grupo>\n", alumnos,
             grupo != nullptr ? EscaparXML(grupo->nombre).c_str() : "");
    if (const auto profesor = NombreEnlace(d.profesores, sesion.profesor, true))
        Escribir("\t\t\t<profesor>%s</profesor>\n", EscaparXML(*profesor).c_str());

    // Weekly duration: whole intervals, or quarter hours in exact-times mode.
    unsigned suma = 0;
    const bool exacto = d.marcos.tiemposExactos != 0;
    for (const char c : Codigos(principal.distribucion))
        suma += static_cast<unsigned>(exacto ? CuartosDeHora(c) : IntervalosDeDuracion(c));
    const double duracion = exacto ? suma * 0.25 : static_cast<double>(suma);
    Escribir("\t\t\t<duracionSemanal>%s</duracionSemanal>\n",
             plataforma::FormatearReal(duracion, 2).c_str());
    if (FormaVariosPeriodos())
        EscribirDistribucionPeriodica(principal, duracion);
    else
        EscribirDistribucionSemanal(principal, duracion);

    Escribir("\t\t\t<listaDeAulas>\n");
    if (const auto aula = NombreEnlace(d.aulas, sesion.aula, true))
        Escribir("\t\t\t\t<aula>%s</aula>\n", EscaparXML(*aula).c_str());
    Escribir("\t\t\t</listaDeAulas>\n");
    Escribir("\t\t\t<listaDeAlternativas>\n");
    if (const auto conjunto = NombreEnlace(d.tipos, sesion.conjuntoAlternativo, true))
        Escribir("\t\t\t\t<conjuntoAlternativo>%s</conjuntoAlternativo>\n",
                 EscaparXML(*conjunto).c_str());
    Escribir("\t\t\t</listaDeAlternativas>\n");
    if (const auto tarea = NombreEnlace(d.tareas, sesion.tarea, false))
        Escribir("\t\t\t<tarea>%s</tarea>\n", EscaparXML(*tarea).c_str());

    if (sesion.tipoGrupoMateria != 'P' && sesion.tipoGrupoMateria != 'I' &&
        sesion.tipoGrupoMateria != 'N')
        sesion.tipoGrupoMateria = 'N';
    if (sesion.grupoMateria[0] != '\0')
        Escribir("\t\t\t<grupoMateria tipo=\"%c\">%s</grupoMateria>\n", sesion.tipoGrupoMateria,
                 EscaparXML(sesion.grupoMateria).c_str());

    auto departamento = NombreEnlace(d.departamentos, sesion.departamento, true);
    if (!departamento && materia != nullptr)
        departamento = NombreEnlace(d.departamentos, materia->departamento, true);
    if (departamento)
        Escribir("\t\t\t<departamento>%s</departamento>\n", EscaparXML(*departamento).c_str());
    if (sesion.notas[0] != '\0')
        Escribir("\t\t\t<notas>%s</notas>\n", EscaparXML(sesion.notas).c_str());

    const RelacionesSesion& rel = sesion.relaciones;
    if (rel.numIntercambiables != 0) {
        Escribir("\t\t\t<profesoresIntercambiables>\n");
        const int n = std::min<int>(rel.numIntercambiables, RelacionesSesion::MAX_INTERCAMBIABLES);
        for (int k = 0; k < n; ++k) {
            const auto* enlazada = d.Resolver(d.sesiones, rel.profesoresIntercambiables[k]);
            if (enlazada == nullptr) continue;
            bool mismosPeriodos = true;
            if (NumPeriodos() >= 2)
                for (int p = 0; p < NumPeriodos(); ++p)
                    if ((enlazada->dato.periodos[p] != 0) != (principal.periodos[p] != 0))
                        mismosPeriodos = false;
            if (mismosPeriodos)
                Escribir("\t\t\t\t\t<sesion>%d</sesion>\n", PosicionSesion(enlazada));
        }
        Escribir("\t\t\t</profesoresIntercambiables>\n");
    }

    Escribir("\t\t\t<opciones>\n");
    EscribirOpcionesSesion(principal.opciones);
    Escribir("\t\t\t</opciones>\n");
    Escribir("\t\t\t<plantilla>\n");
    EscribirPlantilla(principal.plantilla, grupo != nullptr ? MarcoValido(grupo->submarco) : 0,
                      MAPA_DISPONIBLE, false);
    Escribir("\t\t\t</plantilla>\n");
}

void CExportadorXML::EscribirCodigosDuracion(std::string_view codigos, const char* sangria) {
    for (const char c : codigos)
        if (const char codigo = CodigoDuracion(c))
            Escribir("%s<numSesiones>%c</numSesiones>\n", sangria, codigo);
}

void CExportadorXML::EscribirDistribucionSemanal(const DHSESI& principal, double duracion) {
    Escribir("\t\t\t<distribucionSemanal>\n");
    switch (principal.tipoDistribucion) {
    case 0:
        Escribir("\t\t\t\t<distribucionFija>\n");
        EscribirCodigosDuracion(Codigos(principal.distribucion), "\t\t\t\t\t");
        Escribir("\t\t\t\t</distribucionFija>\n");
        break;
    case 1: {
        const std::uint8_t opciones = principal.opcionesDistribucionVariable;
        Escribir("\t\t\t\t<distribucionVariable>\n");
        Escribir("\t\t\t\t\t<numSesiones>%s</numSesiones>\n",
                 plataforma::FormatearReal(duracion, 2).c_str());
        if (m_pDatos->marcos.tiemposExactos != 0 && principal.numMaximoDeSesiones == 0)
            Escribir("\t\t\t\t\t<numMaximoDeSesiones>S</numMaximoDeSesiones>\n");
        else
            Escribir("\t\t\t\t\t<numMaximoDeSesiones>%d</numMaximoDeSesiones>\n",
                     principal.numMaximoDeSesiones);
        Escribir("\t\t\t\t\t<penalizarSesionesSueltas>%s</penalizarSesionesSueltas>\n",
                 PALABRAS_SESIONES_SUELTAS[(opciones & 0x2) != 0   ? 1
                                           : (opciones & 0x8) != 0 ? 2
                                                                   : 0]);
        Escribir("\t\t\t\t\t<penalizarBloquesMaximos>%s</penalizarBloquesMaximos>\n",
                 Booleano((opciones & 0x4) != 0));
        Escribir("\t\t\t\t\t<admitirBloquesDiscontinuos>%s</admitirBloquesDiscontinuos>\n",
                 Booleano((opciones & 0x1) != 0));
        Escribir("\t\t\t\t\t<distribucionInicial>\n");
        EscribirCodigosDuracion(Codigos(principal.distribucion), "\t\t\t\t\t\t");
        Escribir("\t\t\t\t\t</distribucionInicial>\n");
        Escribir("\t\t\t\t</distribucionVariable>\n");
        break;
    }
    case 2: {
        Escribir("\t\t\t\t<distribucionPersonalizada>\n");
        Escribir("\t\t\t\t\t<distribucion>\n");
        EscribirCodigosDuracion(Codigos(principal.distribucion), "\t\t\t\t\t\t");
        Escribir("\t\t\t\t\t</distribucion>\n");
        const int alternativas =
            std::min<int>(principal.numDistribucionesAlternativas,
                          static_cast<int>(std::size(principal.distribucionesAlternativas)));
        for (int k = 0; k < alternativas; ++k) {
            Escribir("\t\t\t\t\t<distribucion>\n");
            EscribirCodigosDuracion(Codigos(principal.distribucionesAlternativas[k]),
                                    "\t\t\t\t\t\t");
            Escribir("\t\t\t\t\t</distribucion>\n");
        }
        Escribir("\t\t\t\t</distribucionPersonalizada>\n");
        break;
    }
    default:
        break;
    }
    Escribir("\t\t\t</distribucionSemanal>\n");
}

void CExportadorXML::EscribirDistribucionPeriodica(const DHSESI& principal, double duracion) {
    Escribir("\t\t\t<distribucionPeriodica>\n");
    Escribir("\t\t\t\t<distribucionPeriodicaFija>\n");
    EscribirDistribucionSemanal(principal, duracion);
    EscribirEnPeriodos(principal.periodos);
    Escribir("\t\t\t\t</distribucionPeriodicaFija>\n");
    Escribir("\t\t\t</distribucionPeriodica>\n");
}

void CExportadorXML::EscribirOpcionesSesion(const OpcionesSesion& o) {
    Escribir("\t\t\t\t<penaSesionesAPrimera>%s</penaSesionesAPrimera>\n",
             Booleano(o.penaSesionesAPrimera == 0));
    Escribir("\t\t\t\t<penaSesionesAUltima>%s</penaSesionesAUltima>\n",
             Booleano(o.penaSesionesAUltima == 0));
    Escribir("\t\t\t\t<penaSalirUltimaEntrarPrimera>%s</penaSalirUltimaEntrarPrimera>\n",
             Booleano(o.penaSalirUltimaEntrarPrimera != 0));
    Escribir("\t\t\t\t<penaSesionMismaHora>%s</penaSesionMismaHora>\n",
             PalabraDe(PALABRAS_MISMA_HORA, o.penaSesionMismaHora, PALABRAS_MISMA_HORA[0]));
    Escribir("\t\t\t\t<penaCoincidanPorLaTarde>%s</penaCoincidanPorLaTarde>\n",
             Booleano((o.penaCoincidan & 0x01) == 0));
    Escribir("\t\t\t\t<penaCoincidanDespuesDelRecreo>%s</penaCoincidanDespuesDelRecreo>\n",
             Booleano((o.penaCoincidan & 0x02) == 0));
    Escribir("\t\t\t\t<noPermitirRecreosEntreSesiones>%s</noPermitirRecreosEntreSesiones>\n",
             Booleano(o.noPermitirRecreosEntreSesiones != 0));
    Escribir("\t\t\t\t<recreosSeparanSesionesContinuas>%s</recreosSeparanSesionesContinuas>\n",
             Booleano(o.recreosSeparanSesionesContinuas != 0));
    Escribir("\t\t\t\t<permitirImpartanEnDiasSeguidos>%s</permitirImpartanEnDiasSeguidos>\n",
             PalabraDe(PALABRAS_IMPARTIR_DIAS_SEGUIDOS, o.permitirImpartanEnDiasSeguidos,
                       PALABRAS_IMPARTIR_DIAS_SEGUIDOS[0]));
    Escribir("\t\t\t\t<considerarLunesViernesSeguidos>%s</considerarLunesViernesSeguidos>\n",
             Booleano(o.considerarLunesViernesSeguidos != 0));
    if (FormaVariosPeriodos())
        Escribir("\t\t\t\t<mismaPosicionDistintosPeriodos>%s</mismaPosicionDistintosPeriodos>\n",
                 ConvertirPrioridad(static_cast<int>(o.mismaPosicionDistintosPeriodos)));
}
