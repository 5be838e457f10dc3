// Teachers' activities outside the teaching sessions: meetings, duties (in lessons or in
// recesses) and complementary activities.
#include <algorithm>
#include <iterator>

#include "model/palabras.h"
#include "platform/text.h"
#include "xmlwriter/exportador.h"

namespace {

// Meetings above this count are (count - 128) meetings of double duration.
constexpr int REUNION_DOBLE = 128;

} // namespace

void CExportadorXML::EscribirEnPeriodos(const std::uint8_t periodos[NUM_PERIODOS]) {
    Escribir("\t\t\t\t\t<enPeriodos>\n");
    for (int p = 0; p < NumPeriodos(); ++p)
        if (PerteneceAPeriodo(periodos, p))
            Escribir("\t\t\t\t\t\t<refPeriodo>%c</refPeriodo>\n", static_cast<char>('1' + p));
    Escribir("\t\t\t\t\t</enPeriodos>\n");
}

// ---- Meetings ---------------------------------------------------------------------------------

void CExportadorXML::EscribirReuniones() {
    Escribir("\t<reuniones>\n");
    for (const DHREUN& r : m_pDatos->reuniones)
        if (PasaFiltroPeriodo(r.periodos)) EscribirReunion(r);
    Escribir("\t</reuniones>\n");
}

void CExportadorXML::EscribirReunion(const DHREUN& r) {
    const CDatos& d = *m_pDatos;
    int n = r.numeroDeReuniones;
    const bool doble = n > REUNION_DOBLE;
    if (doble) n -= REUNION_DOBLE;
    const int f = MarcoValido(r.subMarco);

    Escribir("\t\t<reunion subMarco=\"%c\">\n", static_cast<char>('A' + f));
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(r.nombre).c_str());
    if (FormaVariosPeriodos()) {
        EscribirDistribucionReunion(r, n, doble);
        Escribir("\t\t\t\t<mismaPosicionDistintosPeriodos>%s</mismaPosicionDistintosPeriodos>\n",
                 ConvertirPrioridad(r.mismaPosicionDistintosPeriodos));
    } else {
        Escribir("\t\t\t<numeroDeReuniones>%d</numeroDeReuniones>\n", n);
        Escribir("\t\t\t<dobleDuracion>%s</dobleDuracion>\n", Booleano(doble));
    }
    Escribir("\t\t\t<tipoDeTarea>%s</tipoDeTarea>\n",
             EscaparXML(NombreEnlace(d.tareas, r.tipoDeTarea, false).value_or("")).c_str());
    Escribir("\t\t\t<lectiva>%s</lectiva>\n", Booleano(r.lectiva != 0));
    Escribir("\t\t\t<plantilla>\n");
    EscribirPlantilla(r.plantilla, f, MAPA_PREFERENTEMENTE_NO2, false);
    Escribir("\t\t\t</plantilla>\n");
    if (r.numIntegrantes != 0) {
        Escribir("\t\t\t<integrantes>\n");
        const int miembros =
            std::min<int>(r.numIntegrantes, static_cast<int>(std::size(r.integrantes)));
        for (int i = 0; i < miembros; ++i)
            if (const auto nombre = NombreEnlace(d.profesores, r.integrantes[i], false))
                Escribir("\t\t\t\t<integrante>%s</integrante>\n", EscaparXML(*nombre).c_str());
        Escribir("\t\t\t</integrantes>\n");
    }
    Escribir("\t\t</reunion>\n");
}

void CExportadorXML::EscribirDistribucionReunion(const DHREUN& r, int n, bool doble) {
    Escribir("\t\t\t<distribucionPeriodica>\n");
    Escribir("\t\t\t\t<distribucionPeriodicaFija>\n");
    Escribir("\t\t\t<distribucionSemanal>\n");
    Escribir("\t\t\t\t<distribucionFija>\n");
    for (int k = 0; k < n; ++k)
        Escribir("\t\t\t\t\t<numSesiones>%c</numSesiones>\n", doble ? '2' : '1');
    Escribir("\t\t\t\t</distribucionFija>\n");
    Escribir("\t\t\t</distribucionSemanal>\n");
    EscribirEnPeriodos(r.periodos);
    Escribir("\t\t\t\t</distribucionPeriodicaFija>\n");
    Escribir("\t\t\t</distribucionPeriodica>\n");
}

// ---- Duties -----------------------------------------------------------------------------------

void CExportadorXML::EscribirGuardias() {
    Escribir("\t<guardias>\n");
    for (const DHGUAR& g : m_pDatos->guardias)
        if (PasaFiltroPeriodo(g.periodos)) EscribirGuardia(g);
    Escribir("\t</guardias>\n");
}

void CExportadorXML::EscribirGuardia(const DHGUAR& g) {
    const CDatos& d = *m_pDatos;
    const bool recreos = g.enRecreos == 1;
    const int f = MarcoValido(g.subMarco);

    Escribir("\t\t<guardia subMarco=\"%c\">\n", static_cast<char>('A' + f));
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(g.nombre).c_str());
    Escribir("\t\t\t<tipoDeTarea>%s</tipoDeTarea>\n",
             EscaparXML(NombreEnlace(d.tareas, g.tipoDeTarea, false).value_or("")).c_str());
    Escribir("\t\t\t<enRecreos>%s</enRecreos>\n", Booleano(recreos));
    Escribir("\t\t\t<lectiva>%s</lectiva>\n", Booleano(g.lectiva != 0));
    Escribir("\t\t\t<profesoresACadaHora>\n");
    Escribir("\t\t\t\t<cantidad>%d</cantidad>\n", g.cantidad);
    if (g.porTramo != 0) {
        Escribir("\t\t\t\t<porTramo>\n");
        EscribirCantidadPorTramo(g.cantidadTramo, f, g.cantidad, recreos);
        Escribir("\t\t\t\t</porTramo>\n");
    }
    Escribir("\t\t\t</profesoresACadaHora>\n");
    if (g.numIntegrantes != 0) {
        Escribir("\t\t\t<integrantes>\n");
        const int miembros = std::min<int>(g.numIntegrantes, DHGUAR::MAX_INTEGRANTES);
        for (int i = 0; i < miembros; ++i) {
            const auto nombre = NombreEnlace(d.profesores, g.integrantes[i], false);
            if (!nombre) continue;
            Escribir("\t\t\t<integrante>\n");
            Escribir("\t\t\t\t<nombre>%s</nombre>\n", EscaparXML(*nombre).c_str());
            Escribir("\t\t\t\t<numeroDeGuardias>%d</numeroDeGuardias>\n", g.numeroDeGuardias[i]);
            Escribir("\t\t\t\t<plantilla>\n");
            for (int p = 0; p < NumPeriodos(); ++p)
                EscribirPlantillaTramos(g.mapasIntegrantes[p][i], f, MAPA_PREFERENTEMENTE_NO2,
                                        recreos, p);
            Escribir("\t\t\t\t</plantilla>\n");
            Escribir("\t\t\t</integrante>\n");
        }
        Escribir("\t\t\t</integrantes>\n");
    }
    Escribir("\t\t\t<plantilla>\n");
    EscribirPlantilla(g.plantilla, f, MAPA_PREFERENTEMENTE_NO2, recreos);
    Escribir("\t\t\t</plantilla>\n");
    if (FormaVariosPeriodos()) {
        EscribirEnPeriodos(g.periodos);
        Escribir("\t\t\t\t<mismaPosicionDistintosPeriodos>%s</mismaPosicionDistintosPeriodos>\n",
                 ConvertirPrioridad(g.mismaPosicionDistintosPeriodos));
    }
    Escribir("\t\t</guardia>\n");
}

void CExportadorXML::EscribirCantidadPorTramo(
    const std::int8_t cantidades[NUM_DIAS][NUM_INTERVALOS], int f, int cantidad, bool recreos) {
    f = MarcoValido(f);
    // With one period, lesson cells where the frame has no lesson are left out. Recess cells
    // and models of several periods have no mask.
    const bool conMascara = NumPeriodos() < 2 && !recreos;
    MapaDisponibilidad mascara;
    if (conMascara) DesempaquetarMapa(m_pDatos->marcos.mapasMarco[0][f], mascara);
    for (int d = 0; d < m_nDias; ++d) {
        const BloqueMarcoDia& b = BloqueHoras(f, d);
        const int c = recreos ? std::min<int>(b.numRecreos, MAX_RECREOS)
                              : std::min<int>(b.numLectivos, NUM_INTERVALOS);
        for (int i = 0; i < c; ++i) {
            if (conMascara && mascara.celdas[d][i] == 0) continue;
            if (cantidades[d][i] == cantidad) continue;
            const int indice = recreos ? m_nIndiceRecreo[f][d][i] : m_nIndiceLectivo[f][d][i];
            if (indice < 0) continue; // a recess without a tramo of its own
            Escribir("\t\t\t\t\t<cantidadTramo dia=\"%d\" indice=\"%d\">%d</cantidadTramo>\n", d,
                     indice, cantidades[d][i]);
        }
    }
}

// ---- Complementary activities -----------------------------------------------------------------

void CExportadorXML::EscribirComplementarias() {
    Escribir("\t<complementarias>\n");
    int k = 0;
    for (const DHCOMP& c : m_pDatos->complementarias)
        if (PasaFiltroPeriodo(c.periodos)) EscribirComplementaria(k++, c);
    Escribir("\t</complementarias>\n");
}

void CExportadorXML::EscribirComplementaria(int k, const DHCOMP& c) {
    const CDatos& d = *m_pDatos;
    const int f = MarcoValido(c.subMarco);
    Escribir("\t\t<complementaria subMarco=\"%c\">\n", static_cast<char>('A' + f));
    Escribir("\t\t\t<identificador>%d</identificador>\n", k);
    Escribir("\t\t\t<tarea>%s</tarea>\n",
             EscaparXML(NombreEnlace(d.tareas, c.tarea, false).value_or("")).c_str());
    // The placeholder teacher is written by its name like any other.
    Escribir("\t\t\t<profesor>%s</profesor>\n",
             EscaparXML(NombreEnlace(d.profesores, c.profesor, false).value_or("")).c_str());
    Escribir("\t\t\t<lectiva>%s</lectiva>\n", Booleano(c.lectiva != 0));
    Escribir("\t\t\t\t<plantilla>\n");
    for (int p = 0; p < NumPeriodos(); ++p)
        EscribirPlantillaTramos(c.plantilla[p], f, MAPA_PREFERENTEMENTE_NO2, false, p);
    Escribir("\t\t\t\t</plantilla>\n");
    if (FormaVariosPeriodos()) {
        EscribirDistribucionComplementaria(c);
        Escribir("\t\t\t\t<mismaPosicionDistintosPeriodos>%s</mismaPosicionDistintosPeriodos>\n",
                 ConvertirPrioridad(c.mismaPosicionDistintosPeriodos));
    } else {
        Escribir("\t\t\t<intervalosSemanales>%d</intervalosSemanales>\n", c.intervalosSemanales);
        Escribir("\t\t\t<maxIntervalosDiarios>%d</maxIntervalosDiarios>\n", c.maxIntervalosDiarios);
        Escribir("\t\t\t<noConsecutivos>%s</noConsecutivos>\n", Booleano(c.noConsecutivos != 0));
    }
    Escribir("\t\t</complementaria>\n");
}

void CExportadorXML::EscribirDistribucionComplementaria(const DHCOMP& c) {
    Escribir("\t\t\t<distribucionPeriodica>\n");
    Escribir("\t\t\t\t<distribucionPeriodicaFija>\n");
    EscribirDistribucionSemanalComplementaria(c);
    EscribirEnPeriodos(c.periodos);
    Escribir("\t\t\t\t</distribucionPeriodicaFija>\n");
    Escribir("\t\t\t</distribucionPeriodica>\n");
}

void CExportadorXML::EscribirDistribucionSemanalComplementaria(const DHCOMP& c) {
    Escribir("\t\t\t<distribucionSemanal>\n");
    Escribir("\t\t\t\t<distribucionVariable>\n");
    Escribir("\t\t\t\t\t<numSesiones>%s</numSesiones>\n",
             plataforma::FormatearReal(c.intervalosSemanales, 2).c_str());
    Escribir("\t\t\t\t\t<numMaximoDeSesiones>%d</numMaximoDeSesiones>\n", c.maxIntervalosDiarios);
    Escribir("\t\t\t\t\t<admitirBloquesDiscontinuos>%s</admitirBloquesDiscontinuos>\n",
             Booleano(c.noConsecutivos != 0));
    Escribir("\t\t\t\t</distribucionVariable>\n");
    Escribir("\t\t\t</distribucionSemanal>\n");
}
