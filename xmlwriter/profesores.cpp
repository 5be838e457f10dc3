// Teachers and the teacher options block (each teacher's, and the model's defaults).
#include <cstdio>

#include "model/palabras.h"
#include "xmlwriter/exportador.h"

namespace {

const char* PalabraConsiderar(std::uint32_t v) {
    return PalabraDe(PALABRAS_CONSIDERAR, v, "nada");
}

const char* PalabraCalculado(std::uint32_t v) {
    return PalabraDe(PALABRAS_CALCULADO, v, PALABRAS_CALCULADO[0]);
}

} // namespace

void CExportadorXML::EscribirProfesores() {
    const CDatos& d = *m_pDatos;
    Escribir("\t<profesores>\n");
    for (const DHPROF* p : OrdenadosPorNombre(d.profesores, true))
        EscribirProfesor(*p);
    Escribir("\t</profesores>\n");
}

void CExportadorXML::EscribirProfesor(const DHPROF& p) {
    if (p.nombre[0] == '\0') return;
    const CDatos& d = *m_pDatos;
    Escribir("\t\t<profesor>\n");
    Escribir("\t\t\t<nombre>%s</nombre>\n", EscaparXML(p.nombre).c_str());
    if (p.abreviatura[0] != '\0')
        Escribir("\t\t\t<abreviatura>%s</abreviatura>\n", EscaparXML(p.abreviatura).c_str());
    if (p.nombreCompleto[0] != '\0')
        Escribir("\t\t\t<nombreCompleto>%s</nombreCompleto>\n",
                 EscaparXML(p.nombreCompleto).c_str());
    // The department link holds a list node in either mode.
    const auto* departamento = CDatos::NodoDe<DHDEPT>(p.departamento);
    if (departamento != nullptr && departamento != d.departamentos.Cabeza())
        Escribir("\t\t\t<departamento>%s</departamento>\n",
                 EscaparXML(departamento->dato.nombre).c_str());
    if (p.claveDeExportacion[0] != '\0')
        Escribir("\t\t\t<claveDeExportacion>%s</claveDeExportacion>\n",
                 EscaparXML(p.claveDeExportacion).c_str());
    if (p.tomaDePosesion[0] != '\0')
        Escribir("\t\t\t<tomaDePosesion>%s</tomaDePosesion>\n",
                 EscaparXML(p.tomaDePosesion).c_str());
    Escribir("\t\t\t<plantilla>\n");
    EscribirPlantillaRecurso(p.plantilla, 0);
    Escribir("\t\t\t</plantilla>\n");
    Escribir("\t\t\t<opciones>\n");
    EscribirCondicionesProfesor(p.opciones);
    Escribir("\t\t\t</opciones>\n");
    if (p.daPracticas == 1) Escribir("\t\t\t<daPracticas>true</daPracticas>\n");
    if (p.reduccionCargaLectiva != 0)
        Escribir("\t\t\t<reduccionCargaLectiva>%d</reduccionCargaLectiva>\n",
                 p.reduccionCargaLectiva);
    if (p.mensaje[0] != '\0')
        Escribir("\t\t\t<mensaje>%s</mensaje>\n", EscaparXML(p.mensaje).c_str());
    if (p.opciones.prioridad != 0)
        Escribir("\t\t\t<prioridad>%d</prioridad>\n", p.opciones.prioridad);
    if (p.email[0] != '\0') Escribir("\t\t\t<email>%s</email>\n", EscaparXML(p.email).c_str());
    if (p.horarioAsoc[0] != '\0')
        Escribir("\t\t\t<horarioAsoc>%s</horarioAsoc>\n", EscaparXML(p.horarioAsoc).c_str());
    Escribir("\t\t</profesor>\n");
}

void CExportadorXML::EscribirCondicionesProfesor(const OpcionesProfesor& o) {
    Escribir("\t\t\t\t<intervalosDePermanenciaSemanales "
             "estricto=\"true\">%d</intervalosDePermanenciaSemanales>\n",
             o.permanenciaSemanalEstricta);
    Escribir("\t\t\t\t<intervalosDePermanenciaSemanales "
             "estricto=\"false\">%d</intervalosDePermanenciaSemanales>\n",
             o.permanenciaSemanal);
    Escribir("\t\t\t\t<intervalosDePermanenciaDiarios "
             "estricto=\"true\">%d</intervalosDePermanenciaDiarios>\n",
             o.permanenciaDiariaEstricta);
    Escribir("\t\t\t\t<intervalosDePermanenciaDiarios "
             "estricto=\"false\">%d</intervalosDePermanenciaDiarios>\n",
             o.permanenciaDiaria);
    Escribir("\t\t\t\t<eliminarHuecos>%s</eliminarHuecos>\n", Booleano(o.noEliminarHuecos == 0));
    Escribir("\t\t\t\t<maximasHorasSeguidas>%d</maximasHorasSeguidas>\n", o.maximasHorasSeguidas);
    if (o.penalizarAlrededorGuardiaRecreo != 0)
        Escribir(
            "\t\t\t\t<penalizarAlrededorGuardiaRecreo>true</penalizarAlrededorGuardiaRecreo>\n");

    Escribir("\t\t\t\t<periodosLibres>\n");
    Escribir("\t\t\t\t\t<cantidadDeDias>%d</cantidadDeDias>\n", o.cantidadDeDias);
    Escribir("\t\t\t\t\t<tipoDePeriodo>\n");
    switch (o.tipoDePeriodo) {
    case 0:
        Escribir("\t\t\t\t\t\t<diasCompletos>%d</diasCompletos>\n", o.cantidadDeDias);
        break;
    case 1:
        Escribir("\t\t\t\t\t\t<losPrimerosIntervalos>%d</losPrimerosIntervalos>\n",
                 o.intervalosLibres);
        break;
    case 2:
        Escribir("\t\t\t\t\t\t<losUltimosIntervalos>%d</losUltimosIntervalos>\n",
                 o.intervalosLibres);
        break;
    case 3:
        Escribir("\t\t\t\t\t\t<intervalosSeguidos>%d</intervalosSeguidos>\n", o.intervalosLibres);
        break;
    default:
        break;
    }
    Escribir("\t\t\t\t\t</tipoDePeriodo>\n");
    Escribir("\t\t\t\t</periodosLibres>\n");

    // Split-day free periods: cantidad in the low nibble, preferentes in the high one.
    Escribir("\t\t\t\t<periodoLibreJornadaPartida>\n");
    Escribir("\t\t\t\t\t<cantidad>%d</cantidad>\n", o.periodoLibreJornadaPartida & 0x0F);
    Escribir("\t\t\t\t\t<preferentes>%d</preferentes>\n", o.periodoLibreJornadaPartida >> 4);
    Escribir("\t\t\t\t\t<tipoDePeriodoLibre>indistintamente</tipoDePeriodoLibre>\n");
    Escribir("\t\t\t\t</periodoLibreJornadaPartida>\n");
    Escribir("\t\t\t\t<otrosPeriodosLibresJornadaPartida>\n");
    auto item = [this](std::uint8_t valor, const char* palabra) {
        Escribir("\t\t\t\t\t<periodoLibreJornadaPartida>\n");
        Escribir("\t\t\t\t\t\t<cantidad>%d</cantidad>\n", valor & 0x0F);
        Escribir("\t\t\t\t\t\t<preferentes>%d</preferentes>\n", valor >> 4);
        Escribir("\t\t\t\t\t\t<tipoDePeriodoLibre>%s</tipoDePeriodoLibre>\n", palabra);
        Escribir("\t\t\t\t\t</periodoLibreJornadaPartida>\n");
    };
    item(o.periodoLibreTardes, PALABRA_TARDES);
    item(o.periodoLibreMananas, PALABRA_MANANAS);
    Escribir("\t\t\t\t</otrosPeriodosLibresJornadaPartida>\n");

    // The eight incompatibilities: each one's value and the bit that makes it a prohibition.
    const std::uint8_t prohibidas = o.incompatibilidadesProhibidas;
    const std::uint8_t inc = o.incompatibilidades;
    char atributo[80];
    auto conIntervalos = [&](bool prohibida, int intervalos) {
        if (prohibida)
            std::snprintf(atributo, sizeof atributo, " tipo=\"%s\"  nIntervalos=\"%d\"",
                          PALABRA_PROHIBICION, intervalos);
        else
            std::snprintf(atributo, sizeof atributo, " nIntervalos=\"%d\"", intervalos);
        return atributo;
    };
    auto tipo = [&](bool prohibida) {
        if (prohibida)
            std::snprintf(atributo, sizeof atributo, " tipo=\"%s\"", PALABRA_PROHIBICION);
        else
            atributo[0] = '\0';
        return atributo;
    };
    Escribir("\t\t\t\t<incompatibilidadEntreSesiones>\n");
    Escribir("\t\t\t\t\t<salirUltimaEntrarPrimera%s>%s</salirUltimaEntrarPrimera>\n",
             conIntervalos((prohibidas & 0x01) != 0, o.nIntervalosSalirUltimaEntrarPrimera),
             Booleano(o.salirUltimaEntrarPrimera != 0));
    Escribir("\t\t\t\t\t<entrarPrimeraSalirUltima%s>%s</entrarPrimeraSalirUltima>\n",
             conIntervalos((prohibidas & 0x02) != 0, o.nIntervalosEntrarPrimeraSalirUltima),
             Booleano((inc & INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_ULTIMA) != 0));
    Escribir("\t\t\t\t\t<entrarPrimeraSalirUltimaTarde%s>%s</entrarPrimeraSalirUltimaTarde>\n",
             tipo((prohibidas & 0x10) != 0),
             Booleano((inc & INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_ULTIMA_TARDE) != 0));
    Escribir("\t\t\t\t\t<entrarPrimeraSalirUltimaManana%s>%s</entrarPrimeraSalirUltimaManana>\n",
             tipo((prohibidas & 0x08) != 0),
             Booleano((inc & INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_ULTIMA_MANANA) != 0));
    Escribir("\t\t\t\t\t<salirUltimaMananaEntrarPrimeraTarde%s>%s"
             "</salirUltimaMananaEntrarPrimeraTarde>\n",
             tipo((prohibidas & 0x20) != 0), Booleano(o.salirUltimaMananaEntrarPrimeraTarde != 0));
    Escribir("\t\t\t\t\t<salirUltimaMananaTardeCompleta%s>%s</salirUltimaMananaTardeCompleta>\n",
             tipo((prohibidas & 0x40) != 0),
             Booleano((inc & INCOMPATIBILIDAD_SALIR_ULTIMA_MANANA_TARDE_COMPLETA) != 0));
    Escribir("\t\t\t\t\t<menosDeDosIntervalosLibres%s>%s</menosDeDosIntervalosLibres>\n",
             tipo((prohibidas & 0x80) != 0),
             Booleano((inc & INCOMPATIBILIDAD_MENOS_DE_DOS_LIBRES) != 0));
    Escribir("\t\t\t\t\t<entrarPrimeraSalirTarde%s>%s</entrarPrimeraSalirTarde>\n",
             tipo((prohibidas & 0x04) != 0),
             Booleano((inc & INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_TARDE) != 0));
    Escribir("\t\t\t\t</incompatibilidadEntreSesiones>\n");

    Escribir("\t\t\t\t<considerarMaximasHorasDiarias>%s</considerarMaximasHorasDiarias>\n",
             PalabraConsiderar(o.considerarMaximasHorasDiarias));
    Escribir("\t\t\t\t<valorMaximasHorasCalculado>%s</valorMaximasHorasCalculado>\n",
             PalabraCalculado(o.valorMaximasHorasCalculado));
    Escribir("\t\t\t\t<considerarMinimasHorasDiarias>%s</considerarMinimasHorasDiarias>\n",
             PalabraConsiderar(o.considerarMinimasHorasDiarias));
    Escribir("\t\t\t\t<valorMinimasHorasCalculado>%s</valorMinimasHorasCalculado>\n",
             o.minimizarDiasOcupados != 0 ? "minimizarDiasOcupados"
                                          : PalabraCalculado(o.valorMinimasHorasCalculado));
}
