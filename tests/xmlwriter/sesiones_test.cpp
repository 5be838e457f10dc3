#include <gtest/gtest.h>

#include <string>

#include "ayuda.h"
#include "modelo_sesiones.h"
#include "xmlwriter/exportador.h"

namespace {

using prueba::Bloque;
using prueba::Exportar;
using prueba::ModeloPreparado;
using prueba::Nombrado;

bool Contiene(const std::string& doc, const std::string& trozo) {
    return doc.find(trozo) != std::string::npos;
}

// A model with subjects LEN and MAT, groups 1A and 1B, teachers T1 and T2 and room AU2.
struct Escuela {
    std::unique_ptr<CDatos> d = ModeloPreparado(0);
    MCList<DHMATE>::Nodo* len = Nombrado(d->materias, "LEN");
    MCList<DHMATE>::Nodo* mat = Nombrado(d->materias, "MAT");
    MCList<DHGRUP>::Nodo* g1a = Nombrado(d->grupos, "1A");
    MCList<DHGRUP>::Nodo* g1b = Nombrado(d->grupos, "1B");
    MCList<DHPROF>::Nodo* t1 = Nombrado(d->profesores, "T1");
    MCList<DHPROF>::Nodo* t2 = Nombrado(d->profesores, "T2");
    MCList<DHAULA>::Nodo* au2 = Nombrado(d->aulas, "AU2");

    DHSESI& Sesion(std::uint32_t tipo, MCList<DHMATE>::Nodo* m, MCList<DHGRUP>::Nodo* g,
                   MCList<DHPROF>::Nodo* p = nullptr) {
        DHSESI& s = d->sesiones.AnadirAlFinal()->dato;
        s.tipo = tipo;
        s.materia = d->Referencia<DHMATE>(m);
        s.grupo = d->Referencia<DHGRUP>(g);
        s.profesor = d->Referencia<DHPROF>(p);
        s.opciones = d->marcos.valorInicialSesiones;
        for (auto& mapa : s.plantilla)
            prueba::LlenarMapa(mapa, MAPA_DISPONIBLE);
        return s;
    }
    std::string Sesiones(int periodo = 0) {
        return Bloque(Exportar(*d, periodo), "\t<sesionesLectivas>", "\t</sesionesLectivas>");
    }
};

const char* const kCuerpoComun = "\t\t\t<listaDeAulas>\n\t\t\t</listaDeAulas>\n"
                                 "\t\t\t<listaDeAlternativas>\n\t\t\t</listaDeAlternativas>\n";

TEST(Sesiones, CompanionsAreWrittenWithTheirSessionAndSimultaneousOnesOnTheirOwn) {
    Escuela e;
    DHSESI& principal = e.Sesion(SESION_PRINCIPAL, e.len, e.g1a, e.t1);
    CopiarTexto(principal.distribucion, "2\xBD&\xBE");
    e.Sesion(SESION_PROFESOR, nullptr, nullptr, e.t2);
    DHSESI& aula = e.Sesion(SESION_SIMULTANEA, nullptr, nullptr);
    aula.aulaAdicional = 1;
    aula.aula = e.d->Referencia<DHAULA>(e.au2);
    DHSESI& simultanea = e.Sesion(SESION_SIMULTANEA, e.mat, e.g1b);
    simultanea.numeroAlumnos = 25;

    std::string s = e.Sesiones();
    EXPECT_EQ(prueba::ErrorDeFormato(s), "");
    const std::string distribucion = "\t\t\t<duracionSemanal>6.00</duracionSemanal>\n"
                                     "\t\t\t<distribucionSemanal>\n\t\t\t\t<distribucionFija>\n"
                                     "\t\t\t\t\t<numSesiones>2</numSesiones>\n"
                                     "\t\t\t\t\t<numSesiones>M</numSesiones>\n"
                                     "\t\t\t\t\t<numSesiones>S</numSesiones>\n"
                                     "\t\t\t\t\t<numSesiones>T</numSesiones>\n"
                                     "\t\t\t\t</distribucionFija>\n\t\t\t</distribucionSemanal>\n";
    EXPECT_TRUE(Contiene(s, std::string("\t<sesionesLectivas>\n\t\t<sesion id=\"0\">\n"
                                        "\t\t\t<materia>LEN</materia>\n\t\t\t<grupo>1A</grupo>\n"
                                        "\t\t\t<profesor>T1</profesor>\n") +
                                distribucion + kCuerpoComun +
                                "\t\t\t<grupoMateria tipo=\"N\">LEN/1A</grupoMateria>\n"
                                "\t\t\t<opciones>\n"));
    EXPECT_TRUE(Contiene(s, std::string("\t\t<sesion id=\"3\">\n\t\t\t<materia>MAT</materia>\n"
                                        "\t\t\t<grupo numeroAlumnos=\"25\">1B</grupo>\n") +
                                distribucion + kCuerpoComun +
                                "\t\t\t<grupoMateria tipo=\"N\">MAT/1B</grupoMateria>\n"));
    // Nothing else: two sessions of 33 and 32 lines between the section's lines, plus their
    // relation lists: the companions' (empty) subject and group (6 lines), the further teacher
    // (3), the further room (5) and the simultaneous block's id in both sessions (2).
    EXPECT_EQ(prueba::Lineas(s).size(), 2 + 33 + 32 + 16u);
    e.d->marcos.tiemposExactos = 1;
    EXPECT_TRUE(Contiene(e.Sesiones(), "\t\t\t<duracionSemanal>4.75</duracionSemanal>\n"));
}

TEST(Sesiones, VariableAndPersonalisedDistributions) {
    Escuela e;
    DHSESI& s = e.Sesion(SESION_PRINCIPAL, e.len, e.g1a);
    CopiarTexto(s.distribucion, "11");
    s.tipoDistribucion = 1;
    s.opcionesDistribucionVariable = 0x0E;
    e.d->marcos.tiemposExactos = 1;
    EXPECT_TRUE(Contiene(
        e.Sesiones(), "\t\t\t\t<distribucionVariable>\n\t\t\t\t\t<numSesiones>2.00</numSesiones>\n"
                      "\t\t\t\t\t<numMaximoDeSesiones>S</numMaximoDeSesiones>\n"
                      "\t\t\t\t\t<penalizarSesionesSueltas>penalizado</penalizarSesionesSueltas>\n"
                      "\t\t\t\t\t<penalizarBloquesMaximos>true</penalizarBloquesMaximos>\n"
                      "\t\t\t\t\t<admitirBloquesDiscontinuos>false</admitirBloquesDiscontinuos>\n"
                      "\t\t\t\t\t<distribucionInicial>\n"
                      "\t\t\t\t\t\t<numSesiones>1</numSesiones>\n"
                      "\t\t\t\t\t\t<numSesiones>1</numSesiones>\n"
                      "\t\t\t\t\t</distribucionInicial>\n\t\t\t\t</distribucionVariable>\n"));
    e.d->marcos.tiemposExactos = 0;
    s.opcionesDistribucionVariable = 0x08;
    const std::string sinExactos = e.Sesiones();
    EXPECT_TRUE(Contiene(sinExactos, "\t\t\t\t\t<numMaximoDeSesiones>0</numMaximoDeSesiones>\n"
                                     "\t\t\t\t\t<penalizarSesionesSueltas>prohibido<"));

    // Personalised: the session's own distribution, then at most the five alternatives there
    // are room for; bytes that are not duration codes are not written.
    s.tipoDistribucion = 2;
    CopiarTexto(s.distribucion, "1<\x01"
                                "2");
    s.numDistribucionesAlternativas = 9;
    for (auto& alternativa : s.distribucionesAlternativas)
        std::memset(alternativa, '3', sizeof alternativa);
    CopiarTexto(s.distribucionesAlternativas[1], "\xBC");
    const std::string p = Bloque(e.Sesiones(), "\t\t\t\t<distribucionPersonalizada>",
                                 "\t\t\t\t</distribucionPersonalizada>");
    EXPECT_EQ(prueba::Lineas(p).size(), 2 + 4 + 3 + 3 * 9 + 9u);
    EXPECT_TRUE(Contiene(p,
                         "\t\t\t\t\t<distribucion>\n\t\t\t\t\t\t<numSesiones>1</numSesiones>\n"
                         "\t\t\t\t\t\t<numSesiones>2</numSesiones>\n\t\t\t\t\t</distribucion>\n"));
    EXPECT_TRUE(Contiene(p,
                         "\t\t\t\t\t<distribucion>\n\t\t\t\t\t\t<numSesiones>\xBC</numSesiones>\n"
                         "\t\t\t\t\t</distribucion>\n"));
    s.numDistribucionesAlternativas = 0;
    EXPECT_EQ(prueba::Lineas(Bloque(e.Sesiones(), "\t\t\t\t<distribucionPersonalizada>",
                                    "\t\t\t\t</distribucionPersonalizada>"))
                  .size(),
              6u);
}

TEST(Sesiones, PeriodsSelectWhatIsWrittenAndHowTheDistributionIsWrapped) {
    Escuela e;
    e.d->marcosHorario->FijarNumeroPeriodos(2);
    DHSESI& s0 = e.Sesion(SESION_PRINCIPAL, e.len, e.g1a);
    CopiarTexto(s0.distribucion, "1");
    s0.opciones.mismaPosicionDistintosPeriodos = 7;
    DHSESI& s1 = e.Sesion(SESION_PRINCIPAL, e.mat, e.g1a);
    s1.periodos[1] = 1;
    const std::string todos = e.Sesiones(-1);
    EXPECT_TRUE(Contiene(todos, "\t\t\t<duracionSemanal>1.00</duracionSemanal>\n"
                                "\t\t\t<distribucionPeriodica>\n"
                                "\t\t\t\t<distribucionPeriodicaFija>\n"
                                "\t\t\t<distribucionSemanal>\n\t\t\t\t<distribucionFija>\n"
                                "\t\t\t\t\t<numSesiones>1</numSesiones>\n"
                                "\t\t\t\t</distribucionFija>\n\t\t\t</distribucionSemanal>\n"
                                "\t\t\t\t\t<enPeriodos>\n\t\t\t\t\t\t<refPeriodo>1</refPeriodo>\n"
                                "\t\t\t\t\t</enPeriodos>\n\t\t\t\t</distribucionPeriodicaFija>\n"
                                "\t\t\t</distribucionPeriodica>\n"));
    EXPECT_TRUE(Contiene(todos, "\t\t\t\t<considerarLunesViernesSeguidos>false"
                                "</considerarLunesViernesSeguidos>\n"
                                "\t\t\t\t<mismaPosicionDistintosPeriodos>ignorar"
                                "</mismaPosicionDistintosPeriodos>\n\t\t\t</opciones>\n"));
    EXPECT_TRUE(Contiene(todos, "<refPeriodo>2</refPeriodo>"));

    const std::string segundo = e.Sesiones(1);
    EXPECT_FALSE(Contiene(segundo, "<sesion id=\"0\">"));
    EXPECT_TRUE(Contiene(segundo, "<sesion id=\"1\">"));
    EXPECT_FALSE(Contiene(segundo, "distribucionPeriodica"));
    EXPECT_FALSE(Contiene(segundo, "mismaPosicionDistintosPeriodos"));
    const std::string primero = e.Sesiones(0);
    EXPECT_TRUE(Contiene(primero, "<sesion id=\"0\">"));
    EXPECT_FALSE(Contiene(primero, "<sesion id=\"1\">"));
}

TEST(Sesiones, DepartmentFallbackKindNormalisationAndInterchangeableTeachers) {
    Escuela e;
    auto* dpto = Nombrado(e.d->departamentos, "MAT");
    e.len->dato.departamento = e.d->Referencia<DHDEPT>(dpto);
    DHSESI& s = e.Sesion(SESION_PRINCIPAL, e.len, e.g1a);
    s.departamento = e.d->Referencia<DHDEPT>(e.d->departamentos.Cabeza());
    s.tipoGrupoMateria = 'X';
    CopiarTexto(s.notas, "ver\r\n<nota>");
    e.Sesion(SESION_PRINCIPAL, e.mat, e.g1b);
    // Four links at most are read; an unresolved link is left out.
    s.relaciones.numIntercambiables = 9;
    s.relaciones.profesoresIntercambiables[0] =
        e.d->Referencia<DHSESI>(e.d->sesiones.NodoEnIndice(1));
    const std::string t = e.Sesiones();
    EXPECT_TRUE(Contiene(t, "\t\t\t<grupoMateria tipo=\"N\">LEN/1A</grupoMateria>\n"
                            "\t\t\t<departamento>MAT</departamento>\n"
                            "\t\t\t<notas>ver\nnota</notas>\n"
                            "\t\t\t<profesoresIntercambiables>\n\t\t\t\t\t<sesion>1</sesion>\n"
                            "\t\t\t</profesoresIntercambiables>\n\t\t\t<opciones>\n"));
    EXPECT_EQ(s.tipoGrupoMateria, 'N');
    // With two periods a link is written only when both sessions have the same periods.
    e.d->marcosHorario->FijarNumeroPeriodos(2);
    s.periodos[1] = 1;
    EXPECT_TRUE(Contiene(e.Sesiones(-1), "\t\t\t<profesoresIntercambiables>\n"
                                         "\t\t\t</profesoresIntercambiables>\n"));
    e.len->dato.departamento = e.d->Referencia<DHDEPT>(e.d->departamentos.Cabeza());
    EXPECT_FALSE(Contiene(e.Sesiones(-1), "<departamento>"));
}

} // namespace
