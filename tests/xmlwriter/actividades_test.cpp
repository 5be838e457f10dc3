#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "modelo_sesiones.h"
#include "xmlwriter/exportador.h"

namespace {

using prueba::Bloque;
using prueba::Contiene;
using prueba::ModeloSesiones;
using prueba::Texto;

DHREUN& Reunion(ModeloSesiones& m, const char* nombre) {
    DHREUN& r = prueba::Nombrado(m.d->reuniones, nombre)->dato;
    r.tipoDeTarea = m.R<DHTARE>(m.rdp);
    for (auto& mapa : r.plantilla)
        prueba::LlenarMapa(mapa, MAPA_PREFERENTEMENTE_NO2);
    return r;
}

DHGUAR& Guardia(ModeloSesiones& m, const char* nombre) {
    DHGUAR& g = prueba::Nombrado(m.d->guardias, nombre)->dato;
    g.tipoDeTarea = m.R<DHTARE>(m.g);
    g.lectiva = 1;
    for (auto& mapa : g.plantilla)
        prueba::LlenarMapa(mapa, MAPA_PREFERENTEMENTE_NO2);
    RellenarPlantillasIntegrantes(g.mapasIntegrantes);
    return g;
}

DHCOMP& Complementaria(ModeloSesiones& m, MCList<DHPROF>::Nodo* profesor) {
    DHCOMP& c = m.d->complementarias.AnadirAlFinal()->dato;
    c.tarea = m.R<DHTARE>(m.lec);
    c.profesor = m.R<DHPROF>(profesor);
    for (auto& mapa : c.plantilla)
        prueba::LlenarMapa(mapa, MAPA_PREFERENTEMENTE_NO2);
    return c;
}

TEST(Reuniones, CountSplitMembersAndTheSeveralPeriodForm) {
    ModeloSesiones m;
    DHREUN& r = Reunion(m, "Dep Lengua");
    r.numeroDeReuniones = 131;
    r.numIntegrantes = 2;
    r.integrantes[0] = m.R<DHPROF>(m.t1);
    r.integrantes[1] = m.R<DHPROF>(m.t2);
    r.subMarco = 2;
    r.lectiva = 1;
    const std::string doc = prueba::Exportar(*m.d);
    EXPECT_EQ(
        Bloque(doc, "\t<reuniones>", "\t</reuniones>"),
        Texto({"\t<reuniones>", "\t\t<reunion subMarco=\"A\">", "\t\t\t<nombre>Dep Lengua</nombre>",
               "\t\t\t<numeroDeReuniones>3</numeroDeReuniones>",
               "\t\t\t<dobleDuracion>true</dobleDuracion>", "\t\t\t<tipoDeTarea>RDP</tipoDeTarea>",
               "\t\t\t<lectiva>true</lectiva>", "\t\t\t<plantilla>", "\t\t\t</plantilla>",
               "\t\t\t<integrantes>", "\t\t\t\t<integrante>T1</integrante>",
               "\t\t\t\t<integrante>T2</integrante>", "\t\t\t</integrantes>", "\t\t</reunion>",
               "\t</reuniones>"}));
    // Only the meetings' section of the three.
    EXPECT_FALSE(Contiene(doc, "guardias>"));
    EXPECT_FALSE(Contiene(doc, "complementarias>"));

    // Exactly 128 stays 128 single meetings; the member count is read up to the array's end.
    r.numeroDeReuniones = 128;
    r.numIntegrantes = 255;
    EXPECT_TRUE(Contiene(prueba::Exportar(*m.d), "<numeroDeReuniones>128</numeroDeReuniones>\n"
                                                 "\t\t\t<dobleDuracion>false</dobleDuracion>\n"));

    m.d->reuniones.Vaciar();
    Reunion(m, "RD").numeroDeReuniones = 0x82;
    m.d->marcosHorario->FijarNumeroPeriodos(2);
    EXPECT_EQ(
        Bloque(prueba::Exportar(*m.d, -1), "\t\t<reunion subMarco=\"A\">", "\t\t</reunion>"),
        Texto({"\t\t<reunion subMarco=\"A\">",
               "\t\t\t<nombre>RD</nombre>",
               "\t\t\t<distribucionPeriodica>",
               "\t\t\t\t<distribucionPeriodicaFija>",
               "\t\t\t<distribucionSemanal>",
               "\t\t\t\t<distribucionFija>",
               "\t\t\t\t\t<numSesiones>2</numSesiones>",
               "\t\t\t\t\t<numSesiones>2</numSesiones>",
               "\t\t\t\t</distribucionFija>",
               "\t\t\t</distribucionSemanal>",
               "\t\t\t\t\t<enPeriodos>",
               "\t\t\t\t\t\t<refPeriodo>1</refPeriodo>",
               "\t\t\t\t\t</enPeriodos>",
               "\t\t\t\t</distribucionPeriodicaFija>",
               "\t\t\t</distribucionPeriodica>",
               "\t\t\t\t<mismaPosicionDistintosPeriodos>ignorar</mismaPosicionDistintosPeriodos>",
               "\t\t\t<tipoDeTarea>RDP</tipoDeTarea>",
               "\t\t\t<lectiva>false</lectiva>",
               "\t\t\t<plantilla>",
               "\t\t\t</plantilla>",
               "\t\t</reunion>"}));
    // It belongs to period 0 only.
    EXPECT_TRUE(Contiene(prueba::Exportar(*m.d, 1), "\t<reuniones>\n\t</reuniones>\n"));
}

TEST(Guardias, CountsPerCellMaskedByTheFrameInLessons) {
    ModeloSesiones m;
    DHGUAR& g = Guardia(m, "G1");
    g.cantidad = 1;
    g.porTramo = 1;
    std::memset(g.cantidadTramo, 1, sizeof g.cantidadTramo);
    g.cantidadTramo[0][1] = 2;
    g.cantidadTramo[4][0] = 0;
    g.cantidadTramo[5][0] = 7; // Saturday: not in the week
    g.cantidadTramo[0][2] = 7; // past the day's intervals
    g.enRecreos = 2;           // lessons
    auto guardia = [&](int periodo = 0) {
        return Bloque(prueba::Exportar(*m.d, periodo), "\t\t<guardia subMarco=\"A\">",
                      "\t\t</guardia>");
    };
    EXPECT_EQ(guardia(),
              Texto({"\t\t<guardia subMarco=\"A\">", "\t\t\t<nombre>G1</nombre>",
                     "\t\t\t<tipoDeTarea>G</tipoDeTarea>", "\t\t\t<enRecreos>false</enRecreos>",
                     "\t\t\t<lectiva>true</lectiva>", "\t\t\t<profesoresACadaHora>",
                     "\t\t\t\t<cantidad>1</cantidad>", "\t\t\t\t<porTramo>",
                     "\t\t\t\t\t<cantidadTramo dia=\"0\" indice=\"1\">2</cantidadTramo>",
                     "\t\t\t\t\t<cantidadTramo dia=\"4\" indice=\"0\">0</cantidadTramo>",
                     "\t\t\t\t</porTramo>", "\t\t\t</profesoresACadaHora>", "\t\t\t<plantilla>",
                     "\t\t\t</plantilla>", "\t\t</guardia>"}));
    prueba::FijarCelda(m.d->marcos.mapasMarco[0][0], 0, 1, 0);
    EXPECT_FALSE(Contiene(guardia(), "dia=\"0\" indice=\"1\""));
    // With several periods nothing is masked; the period elements stand in guardia itself.
    m.d->marcosHorario->FijarNumeroPeriodos(2);
    g.periodos[1] = 1;
    g.mismaPosicionDistintosPeriodos = 2;
    const std::string varios = guardia(-1);
    EXPECT_TRUE(Contiene(varios, "<cantidadTramo dia=\"0\" indice=\"1\">2</cantidadTramo>\n"));
    EXPECT_TRUE(
        Contiene(varios, Texto({"\t\t\t</plantilla>", "\t\t\t\t\t<enPeriodos>",
                                "\t\t\t\t\t\t<refPeriodo>2</refPeriodo>", "\t\t\t\t\t</enPeriodos>",
                                "\t\t\t\t<mismaPosicionDistintosPeriodos>obligatorio"
                                "</mismaPosicionDistintosPeriodos>",
                                "\t\t</guardia>"})));
    g.porTramo = 0;
    EXPECT_TRUE(Contiene(guardia(1), "\t\t\t\t<cantidad>1</cantidad>\n"
                                     "\t\t\t</profesoresACadaHora>\n"));
}

TEST(Guardias, RecessDutyUsesRecessTramosAndLeavesOutRecessesWithoutOne) {
    ModeloSesiones m;
    // Frame A: two intervals with a recess between them (tramos: lesson 0, recess, lesson 1),
    // and a second recess at position 0, which gets no tramo.
    for (BloqueMarcoDia& b : m.d->marcos.bloques[0]) {
        b.numRecreos = 2;
        b.posRecreos[0] = 1;
        b.posRecreos[1] = 0;
    }
    DHGUAR& g = Guardia(m, "Patio");
    g.enRecreos = 1;
    g.cantidad = 2;
    g.porTramo = 1;
    std::memset(g.cantidadTramo, 2, sizeof g.cantidadTramo);
    g.cantidadTramo[1][0] = 3;
    g.cantidadTramo[1][1] = 5;                                 // the recess without a tramo
    prueba::FijarCelda(m.d->marcos.mapasMarco[0][0], 1, 0, 0); // no mask on recesses
    prueba::FijarCelda(g.plantilla[0], 2, 0, MAPA_PROHIBIDO);
    prueba::FijarCelda(g.plantilla[0], 2, 1, MAPA_PROHIBIDO);
    g.numIntegrantes = 200; // read up to the array's end
    g.integrantes[0] = m.R<DHPROF>(m.t1);
    g.numeroDeGuardias[0] = 3;
    prueba::FijarCelda(g.mapasIntegrantes[0][0], 3, 0, MAPA_PREFERENTEMENTE_NO1);
    const std::string doc = prueba::Exportar(*m.d);
    EXPECT_EQ(prueba::ErrorDeFormato(doc), "");
    EXPECT_EQ(Bloque(doc, "\t\t<guardia subMarco=\"A\">", "\t\t</guardia>"),
              Texto({"\t\t<guardia subMarco=\"A\">",
                     "\t\t\t<nombre>Patio</nombre>",
                     "\t\t\t<tipoDeTarea>G</tipoDeTarea>",
                     "\t\t\t<enRecreos>true</enRecreos>",
                     "\t\t\t<lectiva>true</lectiva>",
                     "\t\t\t<profesoresACadaHora>",
                     "\t\t\t\t<cantidad>2</cantidad>",
                     "\t\t\t\t<porTramo>",
                     "\t\t\t\t\t<cantidadTramo dia=\"1\" indice=\"1\">3</cantidadTramo>",
                     "\t\t\t\t</porTramo>",
                     "\t\t\t</profesoresACadaHora>",
                     "\t\t\t<integrantes>",
                     "\t\t\t<integrante>",
                     "\t\t\t\t<nombre>T1</nombre>",
                     "\t\t\t\t<numeroDeGuardias>3</numeroDeGuardias>",
                     "\t\t\t\t<plantilla>",
                     "\t\t\t\t<tramo dia=\"3\" indice=\"1\" marco=\"A\">preferentementeNo1</tramo>",
                     "\t\t\t\t</plantilla>",
                     "\t\t\t</integrante>",
                     "\t\t\t</integrantes>",
                     "\t\t\t<plantilla>",
                     "\t\t\t\t<tramo dia=\"2\" indice=\"1\" marco=\"A\">prohibido</tramo>",
                     "\t\t\t</plantilla>",
                     "\t\t</guardia>"}));
}

TEST(Complementarias, GapFreeIdentifiersAndBothForms) {
    ModeloSesiones m;
    m.d->marcosHorario->FijarNumeroPeriodos(2);
    DHCOMP& c0 = Complementaria(m, m.t1);
    c0.periodos[1] = 1;
    c0.intervalosSemanales = 3;
    c0.maxIntervalosDiarios = 2;
    c0.lectiva = 1;
    Complementaria(m, m.t2); // no flag: period 0 only
    DHCOMP& c2 = Complementaria(m, m.t2);
    c2.periodos[0] = c2.periodos[1] = 1;
    Complementaria(m, m.d->profesores.Cabeza()); // the placeholder teacher is written
    const std::string uno =
        Bloque(prueba::Exportar(*m.d, 1), "\t<complementarias>", "\t</complementarias>");
    EXPECT_EQ(
        Bloque(uno, "\t\t<complementaria subMarco=\"A\">", "\t\t</complementaria>"),
        Texto({"\t\t<complementaria subMarco=\"A\">", "\t\t\t<identificador>0</identificador>",
               "\t\t\t<tarea>LEC</tarea>", "\t\t\t<profesor>T1</profesor>",
               "\t\t\t<lectiva>true</lectiva>", "\t\t\t\t<plantilla>", "\t\t\t\t</plantilla>",
               "\t\t\t<intervalosSemanales>3</intervalosSemanales>",
               "\t\t\t<maxIntervalosDiarios>2</maxIntervalosDiarios>",
               "\t\t\t<noConsecutivos>false</noConsecutivos>", "\t\t</complementaria>"}));
    EXPECT_TRUE(Contiene(uno, "<identificador>1</identificador>\n\t\t\t<tarea>LEC</tarea>\n"
                              "\t\t\t<profesor>T2</profesor>\n"));
    EXPECT_FALSE(Contiene(uno, "<identificador>2</identificador>"));
    EXPECT_TRUE(Contiene(prueba::Exportar(*m.d, 0), "<identificador>2</identificador>\n"
                                                    "\t\t\t<tarea>LEC</tarea>\n"
                                                    "\t\t\t<profesor>       __     </profesor>\n"));

    const std::string todos = prueba::Exportar(*m.d, -1);
    EXPECT_TRUE(Contiene(
        todos, Texto({"\t\t\t\t</plantilla>", "\t\t\t<distribucionPeriodica>",
                      "\t\t\t\t<distribucionPeriodicaFija>", "\t\t\t<distribucionSemanal>",
                      "\t\t\t\t<distribucionVariable>", "\t\t\t\t\t<numSesiones>3.00</numSesiones>",
                      "\t\t\t\t\t<numMaximoDeSesiones>2</numMaximoDeSesiones>",
                      "\t\t\t\t\t<admitirBloquesDiscontinuos>false</admitirBloquesDiscontinuos>",
                      "\t\t\t\t</distribucionVariable>", "\t\t\t</distribucionSemanal>",
                      "\t\t\t\t\t<enPeriodos>", "\t\t\t\t\t\t<refPeriodo>2</refPeriodo>",
                      "\t\t\t\t\t</enPeriodos>", "\t\t\t\t</distribucionPeriodicaFija>",
                      "\t\t\t</distribucionPeriodica>",
                      "\t\t\t\t<mismaPosicionDistintosPeriodos>ignorar"
                      "</mismaPosicionDistintosPeriodos>",
                      "\t\t</complementaria>"})));
    EXPECT_TRUE(Contiene(todos, "<identificador>3</identificador>"));
}

TEST(DocumentoCompleto, EveryRelationBlockAndActivityMakesAWellFormedDocument) {
    ModeloSesiones m;
    const char* const g1oa = "1\xBA"
                             "A";
    DHSESI& a = m.Sesion(SESION_PRINCIPAL, "L&ngua", g1oa, m.t1);
    m.Sesion(SESION_MATERIA, "M\"at", "2<A>", m.t2, m.g).numeroAlumnos = 4;
    m.Sesion(SESION_PROFESOR, "L&ngua", g1oa, nullptr, m.g);
    DHSESI& sala = m.Sesion(SESION_SIMULTANEA, "L&ngua", g1oa);
    sala.aulaAdicional = 1;
    sala.aula = m.R<DHAULA>(prueba::Nombrado(m.d->aulas, "Aula 'b'"));
    m.Sesion(SESION_SIMULTANEA, "Ing", "3A", m.t2);
    DHSESI& b = m.Sesion(SESION_PRINCIPAL, "Fis", "1B");
    a.consecutivaPrimera = m.RefSesion(5);
    a.codigoConsecutivas = 3;
    b.consecutivaPrimera = m.RefSesion(0);
    b.codigoConsecutivas = 1;
    a.relaciones.numNoCoincidentes = 1;
    a.relaciones.noCoincidentes[0] = m.RefSesion(5);
    DHOPTATIVAS& o = prueba::Nombrado(m.d->optativas, "Opt & 1")->dato;
    o.grupo = m.R<DHGRUP>(m.Grupo("1B"));
    o.numSesiones = 1;
    o.sesiones[0] = m.RefSesion(5);
    DHREUN& r = Reunion(m, "CCP");
    r.numIntegrantes = 1;
    r.integrantes[0] = m.R<DHPROF>(m.t1);
    Guardia(m, "G<1>").cantidad = 1;
    Complementaria(m, m.t2);
    const std::string doc = prueba::Exportar(*m.d);
    EXPECT_EQ(prueba::ErrorDeFormato(doc), "");
    for (const char* elemento :
         {"<otrasMateriasGrupos>", "<otrosProfesores>", "<otrasAulas>", "<sesionesSimultaneas>",
          "<consecutivas>0</consecutivas>", "<noCoincidentes>", "<bloqueDeSesiones id=\"0\" ",
          "<bloqueDeSesiones id=\"0\">", "<optativa>", "<reunion ", "<guardia ",
          "<complementaria "})
        EXPECT_TRUE(Contiene(doc, elemento)) << elemento;
}

} // namespace
