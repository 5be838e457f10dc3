// Element texts into the record in progress and the model: every family of conversion.
#include <gtest/gtest.h>

#include "ayuda.h"

namespace {

using namespace prueba;

class Conversion : public ::testing::Test {
protected:
    Entorno entorno;

    CDatos& Datos() { return *lectura_.datos; }
    // The model after reading `cuerpo` (after frame A).
    CDatos& Leido(const std::string& cuerpo, const std::string& marcos = MarcosBasicos()) {
        lectura_ = Leer(Documento(marcos + cuerpo));
        return Datos();
    }
    // The main record of the one session of `cuerpo`, read after frame A, `previos`, and the
    // subject M and group G.
    const DHSESI& SesionLeida(const std::string& cuerpo,
                              const std::string& marcos = MarcosBasicos(),
                              const std::string& previos = "") {
        Leido(previos +
                  "<materias><materia><nombre>M</nombre></materia></materias><grupos><grupo>"
                  "<nombre>G</nombre></grupo></grupos>" +
                  cuerpo,
              marcos);
        EXPECT_EQ(Datos().sesiones.Cuenta(), 1);
        return En(Datos().sesiones, 0);
    }

    Lectura lectura_;
};

std::string Profesor(const std::string& dentro) {
    return "<profesores><profesor><nombre>P</nombre>" + dentro + "</profesor></profesores>";
}

std::string Sesion(const std::string& dentro) {
    return "<sesionesLectivas><sesion id=\"0\"><materia>M</materia><grupo>G</grupo>" + dentro +
           "<distribucionSemanal><distribucionFija><numSesiones>1</numSesiones>"
           "</distribucionFija></distribucionSemanal></sesion></sesionesLectivas>";
}

TEST_F(Conversion, TextosRecortadosYCortadosAntesDeRecortar) {
    const DHPROF& r =
        En(Leido("<profesores><profesor><nombre>     ABCDEFGHIJKLMNOPQRSTUVWXYZabcd</nombre>"
                 "<nombreCompleto>\t Ana \xC1lvarez "
                 "\x80\x9F\r\n</nombreCompleto><claveDeExportacion>  PER  "
                 "</claveDeExportacion><abreviatura>" +
                 std::string(30, 'x') + "</abreviatura><email>a@b</email></profesor></profesores>")
               .profesores,
           1);
    EXPECT_STREQ(r.nombre, "ABCDEFGHIJKLMNOPQRSTUVWXY");
    // Windows-1252 bytes in a document declared ISO-8859-1 come back unchanged.
    EXPECT_STREQ(r.nombreCompleto, "Ana \xC1lvarez \x80\x9F");
    EXPECT_STREQ(r.claveDeExportacion, "PER");
    EXPECT_EQ(std::string(r.abreviatura), std::string(20, 'x'));
    EXPECT_STREQ(r.email, "a@b");

    // A session keeps its first named room and room set.
    const DHSESI& s = SesionLeida(
        Sesion("<listaDeAulas><aula> </aula><aula>A1</aula><aula>A2</aula></listaDeAulas>"
               "<listaDeAlternativas><conjuntoAlternativo>C</conjuntoAlternativo>"
               "<conjuntoAlternativo>D</conjuntoAlternativo></listaDeAlternativas>"
               "<notas>n\xF1</notas><departamento>Dep</departamento><tarea>T</tarea>"),
        MarcosBasicos(),
        "<aulas><aula><nombre>A1</nombre></aula><aula><nombre>A2</nombre></aula></aulas>"
        "<conjuntoDeAulas><otroConjunto nombre=\"D\"/><otroConjunto nombre=\"C\"/>"
        "</conjuntoDeAulas><tareas><tarea><nombre>U</nombre></tarea><tarea><nombre>T</nombre>"
        "</tarea></tareas><departamentos><departamento><nombre>Dep</nombre></departamento>"
        "</departamentos>");
    EXPECT_EQ(s.aula, 1u);
    EXPECT_EQ(s.conjuntoAlternativo, 3u);
    EXPECT_STREQ(s.notas, "n\xF1");
    EXPECT_EQ(s.departamento, 1u);
    EXPECT_EQ(s.tarea, 1u);
}

TEST_F(Conversion, CaracteresDeDistribucion) {
    const std::string seis = "<distribucionSemanal><distribucionFija><numSesiones>1</numSesiones>"
                             "<numSesiones>6</numSesiones><numSesiones>0</numSesiones>"
                             "<numSesiones>2</numSesiones><numSesiones>\xBC</numSesiones>"
                             "<numSesiones>M</numSesiones><numSesiones>T</numSesiones>"
                             "<numSesiones>S</numSesiones><numSesiones>1</numSesiones>"
                             "</distribucionFija></distribucionSemanal>";
    const std::string sesion = "<sesionesLectivas><sesion id=\"0\"><materia>M</materia><grupo>G"
                               "</grupo>" +
                               seis +
                               "<enPeriodos><refPeriodo>7</refPeriodo></enPeriodos>"
                               "</sesion></sesionesLectivas>";
    EXPECT_STREQ(SesionLeida(sesion).distribucion, "12\xBD\xBE&");
    EXPECT_STREQ(SesionLeida(sesion, MarcosBasicos(6)).distribucion, "12\xBD\xBE&1");
    EXPECT_EQ(Datos().marcos.sabado, 1);

    const DHSESI& p = SesionLeida(
        "<sesionesLectivas><sesion id=\"0\"><materia>M</materia><grupo>G</grupo>"
        "<distribucionPeriodica><distribucionPeriodicaFija><distribucionSemanal>"
        "<distribucionFija><numSesiones>2</numSesiones></distribucionFija></distribucionSemanal>"
        "<enPeriodos><refPeriodo>2</refPeriodo><refPeriodo>0</refPeriodo><refPeriodo>7"
        "</refPeriodo><refPeriodo>6</refPeriodo></enPeriodos></distribucionPeriodicaFija>"
        "</distribucionPeriodica></sesion></sesionesLectivas>");
    EXPECT_STREQ(p.distribucion, "2");
    EXPECT_EQ(std::vector<int>(p.periodos, p.periodos + 6), (std::vector<int>{0, 1, 0, 0, 0, 1}));
}

TEST_F(Conversion, Palabras) {
    const auto mismaHora = [&](const std::string& texto) {
        return SesionLeida(Sesion("<opciones><penaSesionMismaHora>" + texto +
                                  "</penaSesionMismaHora>"
                                  "</opciones>"))
            .opciones.penaSesionMismaHora;
    };
    EXPECT_EQ(mismaHora("indiferente"), 1);
    EXPECT_EQ(mismaHora("indiferente "), 2);
    EXPECT_EQ(mismaHora(""), 2);
    EXPECT_EQ(mismaHora("distinta"), 0);

    const DHSESI& o = SesionLeida(
        Sesion("<opciones><penaSesionesAPrimera>true</penaSesionesAPrimera>"
               "<penaSesionesAUltima></penaSesionesAUltima><penaCoincidanPorLaTarde>no"
               "</penaCoincidanPorLaTarde><permitirImpartanEnDiasSeguidos>obligatoriamente"
               "</permitirImpartanEnDiasSeguidos><mismaPosicionDistintosPeriodos>procuraEvitar"
               "</mismaPosicionDistintosPeriodos><considerarLunesViernesSeguidos>TRUE"
               "</considerarLunesViernesSeguidos></opciones>"
               "<enDistintoDia><enDiasSeguidos>prohibido</enDiasSeguidos></enDistintoDia>"
               "<distribucionSemanal><distribucionVariable><numSesiones>2</numSesiones>"
               "<penalizarSesionesSueltas>prohibido"
               "</penalizarSesionesSueltas><numMaximoDeSesiones>300</numMaximoDeSesiones>"
               "<admitirBloquesDiscontinuos>true</admitirBloquesDiscontinuos>"
               "</distribucionVariable></distribucionSemanal>"));
    EXPECT_EQ(o.opciones.penaSesionesAPrimera, 0);
    EXPECT_EQ(o.opciones.penaSesionesAUltima, 1);
    EXPECT_EQ(o.opciones.penaCoincidan, 0x01);
    EXPECT_EQ(o.opciones.permitirImpartanEnDiasSeguidos, 3u);
    EXPECT_EQ(o.opciones.mismaPosicionDistintosPeriodos, 3u);
    EXPECT_EQ(o.opciones.considerarLunesViernesSeguidos, 0);
    EXPECT_EQ(o.opciones.penaSalirUltimaEntrarPrimera, 1); // the model's default
    EXPECT_EQ(o.enDiasSeguidos, 2);
    EXPECT_EQ(o.tipoDistribucion, 1);
    EXPECT_EQ(o.opcionesDistribucionVariable, 0x09); // prohibido, admitirBloquesDiscontinuos
    EXPECT_EQ(o.numMaximoDeSesiones, 44);
    EXPECT_EQ(SesionLeida(Sesion("<distribucionSemanal><distribucionVariable><numSesiones>1"
                                 "</numSesiones><numMaximoDeSesiones>S</numMaximoDeSesiones>"
                                 "</distribucionVariable></distribucionSemanal>"))
                  .numMaximoDeSesiones,
              0);

    const DHAULA& a = En(Leido("<aulas><aula><nombre>A</nombre><dedicada>TRUE</dedicada>"
                               "<ocupaDiaCompleto>true</ocupaDiaCompleto></aula></aulas>")
                             .aulas,
                         1);
    EXPECT_EQ(a.dedicada, 0);
    EXPECT_EQ(a.ocupaDiaCompleto, 1);

    const DHPROF& p = En(
        Leido(Profesor(
                  "<plantilla><tramo dia=\"0\" indice=\"0\" marco=\"A\"> Disponible </tramo>"
                  "<tramo dia=\"1\" indice=\"0\" marco=\"A\">PROHIBIDO</tramo>"
                  "<tramo dia=\"2\" indice=\"0\" marco=\"A\">libre</tramo>"
                  "<tramo dia=\"3\" indice=\"2\" marco=\"A\">preferentementeNo1</tramo></plantilla>"
                  "<opciones><eliminarHuecos>False</eliminarHuecos><tipoDePeriodoLibre>x"
                  "</tipoDePeriodoLibre><maximoSesionesDiarias>ampliado</maximoSesionesDiarias>"
                  "<minimoSesionesDiarias>concentrar</minimoSesionesDiarias></opciones>"))
            .profesores,
        1);
    const MapaDisponibilidad celdas = Celdas(p.plantilla[0][0]);
    EXPECT_EQ(celdas.celdas[0][0], MAPA_DISPONIBLE);
    EXPECT_EQ(celdas.celdas[1][0], MAPA_PROHIBIDO);
    EXPECT_EQ(celdas.celdas[2][0], MAPA_DISPONIBLE);
    EXPECT_EQ(celdas.celdas[3][1], MAPA_PREFERENTEMENTE_NO1);
    EXPECT_EQ(p.opciones.noEliminarHuecos, 0);
    EXPECT_EQ(p.opciones.considerarMaximasHorasDiarias, 2u);
    EXPECT_EQ(p.opciones.valorMaximasHorasCalculado, 2u);
    EXPECT_EQ(p.opciones.minimizarDiasOcupados, 1);
    EXPECT_EQ(En(Leido(Profesor("<opciones><eliminarHuecos>false</eliminarHuecos></opciones>"))
                     .profesores,
                 1)
                  .opciones.noEliminarHuecos,
              1);

    Leido("<grupos><grupo><nombre>1A</nombre></grupo><grupo><nombre>2B</nombre></grupo></grupos>"
          "<otros><restriccionesCD><permitirAgregarProfesor></permitirAgregarProfesor>"
          "<permitirCamDuracion>true</permitirCamDuracion></restriccionesCD>"
          "<funcionesAdicionales><hacerGuardias>no</hacerGuardias></funcionesAdicionales>"
          "<gruposAlejados><opciones><actualizarAlGenerar>false</actualizarAlGenerar>"
          "<evitarDobleDesp tipo=\"prohibir\">true</evitarDobleDesp></opciones><listaDeGrupos>"
          "<grupo>1A</grupo><grupo> </grupo><grupo>2B</grupo></listaDeGrupos></gruposAlejados>"
          "</otros>");
    EXPECT_EQ(Datos().otros.permitirAgregarProfesor, 0);
    EXPECT_EQ(Datos().otros.permitirCamDuracion, 1);
    EXPECT_EQ(Datos().otros.hacerGuardias, 0);
    EXPECT_EQ(Datos().marcos.opcionesGruposAlejados, 0x05u);
    // The far groups, as group positions.
    EXPECT_EQ(Datos().gruposAlejados.Cuenta(), 2);
    EXPECT_EQ(En(Datos().gruposAlejados, 0), 0u);
    EXPECT_EQ(En(Datos().gruposAlejados, 1), 1u);
}

TEST_F(Conversion, Numeros) {
    const auto solapadas = [&](const std::string& t) {
        SesionLeida(Sesion("") +
                    "<optativas><optativa><nombre>O</nombre><grupo>G</grupo><maxSolapadas>" + t +
                    "</maxSolapadas><asignaturasOptativas><asignaturaOptativa>0"
                    "</asignaturaOptativa></asignaturasOptativas></optativa></optativas>");
        return En(Datos().optativas, 0).maxSolapadas;
    };
    EXPECT_EQ(solapadas("12abc"), 2);
    EXPECT_EQ(solapadas("7 x"), 7);
    EXPECT_EQ(solapadas("x7"), 2);

    const auto reduccion = [&](const std::string& t) {
        return En(Leido(Profesor("<reduccionCargaLectiva>" + t + "</reduccionCargaLectiva>"))
                      .profesores,
                  1)
            .reduccionCargaLectiva;
    };
    EXPECT_EQ(reduccion("45"), 30);
    EXPECT_EQ(reduccion("-3"), 0);
    EXPECT_EQ(reduccion("12"), 12);

    const DHGUAR& g = En(
        Leido("<profesores><profesor><nombre>I1</nombre></profesor><profesor><nombre>I2</nombre>"
              "</profesor></profesores><guardias><guardia><nombre>G</"
              "nombre><profesoresACadaHora><cantidad>21</cantidad>"
              "<cantidad>4</cantidad></profesoresACadaHora><integrantes><integrante><nombre>I1"
              "</nombre><numeroDeGuardias>31</numeroDeGuardias></integrante><integrante><nombre>I2"
              "</nombre><numeroDeGuardias>-2</numeroDeGuardias><plantilla><tramo dia=\"0\" "
              "indice=\"2\" marco=\"A\">fijado</tramo></plantilla></integrante></integrantes>"
              "</guardia></guardias>")
            .guardias,
        0);
    EXPECT_EQ(g.cantidad, 4);
    EXPECT_EQ(g.cantidadTramo[5][55], 4);
    ASSERT_EQ(g.numIntegrantes, 2);
    EXPECT_EQ(g.numeroDeGuardias[0], 1);
    EXPECT_EQ(g.numeroDeGuardias[1], 254); // the low byte of -2
    EXPECT_EQ(Celdas(g.mapasIntegrantes[0][1]).celdas[0][1], MAPA_FIJADO);
    EXPECT_EQ(Celdas(g.mapasIntegrantes[0][1]).celdas[0][0], MAPA_PREFERENTEMENTE_NO2);
    EXPECT_EQ(Celdas(g.mapasIntegrantes[0][0]).celdas[0][1], MAPA_PREFERENTEMENTE_NO2);

    Leido("<criterios><huecosEnHorario><huecosEnGrupos></huecosEnGrupos><huecosEnProfesores>"
          "</huecosEnProfesores></huecosEnHorario><posicionesNoPreferentes><enGrupos>x7"
          "</enGrupos><enProfesores>11</enProfesores></posicionesNoPreferentes>"
          "<colocarSesionesLectivas><coincidanALaMismaHora>5</coincidanALaMismaHora>"
          "<optativaSolapada>2</optativaSolapada><conCambiosDeAula>7</conCambiosDeAula>"
          "</colocarSesionesLectivas><horarioDeProfesores><guardiasEnExtremos>9"
          "</guardiasEnExtremos><ordenProfesores>0</ordenProfesores></horarioDeProfesores>"
          "</criterios><otros><funcionesAdicionales><restriccionDePlantilla>"
          "<cantidadDeProhibidos>x7</cantidadDeProhibidos><cantidadDePrefNo1>100"
          "</cantidadDePrefNo1></restriccionDePlantilla></funcionesAdicionales></otros>"
          "<reuniones><reunion><nombre>R</nombre></reunion></reuniones>");
    const Criterios& c = Datos().marcos.criterios;
    EXPECT_EQ(c.pesos[4], 0); // huecosEnGrupos, empty
    EXPECT_EQ(c.pesos[5], 2); // huecosEnProfesores, empty: unchanged
    EXPECT_EQ(c.pesos[0], 0); // enGrupos "x7"
    EXPECT_EQ(c.pesos[1], 3); // enProfesores 11: refused
    EXPECT_EQ(c.pesos[15], 9);
    EXPECT_EQ(c.optativaSolapadaCoincidan, 0x52);
    EXPECT_EQ(c.cambiosAulaOrdenProfesores, 0x07);
    EXPECT_EQ(Datos().otros.cantidadDeProhibidos, 0);
    EXPECT_EQ(Datos().otros.cantidadDePrefNo1, 5);
}

TEST_F(Conversion, Reuniones) {
    std::string profesores, integrantes;
    for (int i = 0; i < 201; ++i) {
        profesores += "<profesor><nombre>P" + std::to_string(i) + "</nombre></profesor>";
        integrantes += "<integrante>P" + std::to_string(i) + "</integrante>";
    }
    const DHREUN& r = En(
        Leido("<profesores>" + profesores +
              "</profesores><reuniones><reunion "
              "subMarco=\"A\"><nombre>R</nombre><distribucionPeriodica>"
              "<distribucionPeriodicaFija><distribucionSemanal><distribucionFija><numSesiones>1"
              "</numSesiones><numSesiones>2</numSesiones></distribucionFija></distribucionSemanal>"
              "</distribucionPeriodicaFija></distribucionPeriodica><tipoDeTarea>RDP</tipoDeTarea>"
              "<lectiva>true</lectiva><mismaPosicionDistintosPeriodos>obligatorio"
              "</mismaPosicionDistintosPeriodos><integrantes>" +
              integrantes + "</integrantes></reunion></reuniones>")
            .reuniones,
        0);
    EXPECT_EQ(r.numeroDeReuniones, 0x82); // two, of double length
    EXPECT_EQ(r.tipoDeTarea, 2u);         // the built-in RDP
    EXPECT_EQ(r.lectiva, 1);
    EXPECT_EQ(r.mismaPosicionDistintosPeriodos, 2);
    ASSERT_EQ(r.numIntegrantes, 200);
    EXPECT_EQ(r.integrantes[199], 200u); // P199, after the placeholder
    EXPECT_EQ(Celdas(r.plantilla[0]).celdas[0][0], MAPA_PREFERENTEMENTE_NO2);
}

TEST_F(Conversion, RelacionesDeUnaSesion) {
    std::string dentro = "<enDistintoDia><sesiones>";
    for (int i = 1; i <= 17; ++i)
        dentro += "<sesion>" + std::to_string(i) + "</sesion>";
    dentro += "</sesiones></enDistintoDia><previoA>";
    for (int i = 1; i <= 5; ++i)
        dentro += "<sesion>" + std::to_string(i) + "</sesion>";
    dentro += "</previoA><separadosNDiasOMas><separacion><sesion>8</sesion><dias>2</dias>"
              "</separacion><separacion><dias>3</dias><sesion>9</sesion></separacion>"
              "</separadosNDiasOMas><profesoresIntercambiables><sesion>x</sesion>"
              "</profesoresIntercambiables>";
    // Sessions 1..17 follow session 0, each at the list index of its id; the relations are
    // resolved at the end of the relation lists.
    std::string sesiones = Sesion(dentro);
    sesiones.erase(sesiones.size() - std::string("</sesionesLectivas>").size());
    for (int i = 1; i <= 17; ++i)
        sesiones += "<sesion id=\"" + std::to_string(i) +
                    "\"><materia>M</materia><grupo>G</grupo><distribucionSemanal>"
                    "<distribucionFija><numSesiones>1</numSesiones></distribucionFija>"
                    "</distribucionSemanal></sesion>";
    Leido("<materias><materia><nombre>M</nombre></materia></materias><grupos><grupo><nombre>G"
          "</nombre></grupo></grupos>" +
          sesiones + "</sesionesLectivas><listasDeRelacion/>");
    ASSERT_EQ(Datos().sesiones.Cuenta(), 18);
    const RelacionesSesion& s = En(Datos().sesiones, 0).relaciones;
    // The first 16 sessions on different days, the first four before it.
    EXPECT_EQ(s.numEnDistintoDia, 16);
    EXPECT_EQ(s.enDistintoDia[15], 16u);
    EXPECT_EQ(s.numPrevioPosterior, 4);
    EXPECT_EQ(En(Datos().sesiones, 4).relaciones.previoPosterior[0], 0u);
    EXPECT_EQ(En(Datos().sesiones, 5).relaciones.numPrevioPosterior, 0);
    // The separations, the second with its days given first.
    EXPECT_EQ(s.numSeparacion, 2);
    EXPECT_EQ(s.separacion[1], 9u);
    EXPECT_EQ(s.diasSeparacion[1], 3);
    // A partner that is no number reads as 0, the session itself: no link.
    EXPECT_EQ(s.numIntercambiables, 0);
}

TEST_F(Conversion, AjustesDelModelo) {
    const std::string perfil = "<otros><perfil>primaria</perfil></otros>";
    Leido(perfil, "<horario/>");
    EXPECT_EQ(Datos().marcos.perfil, 1);

    auto conDepartamento = ModeloPreparado(1);
    CopiarTexto(conDepartamento->departamentos.AnadirAlFinal()->dato.nombre, "D");
    lectura_ = Leer(Documento(perfil), std::move(conDepartamento));
    EXPECT_EQ(Datos().marcos.perfil, 0);
    auto conOptativa = ModeloPreparado(1);
    conOptativa->optativas.AnadirAlFinal();
    lectura_ = Leer(Documento("<otros><perfil>nada</perfil></otros>"), std::move(conOptativa));
    EXPECT_EQ(Datos().marcos.perfil, 2);

    // diaFin 5 sets Saturday only in documents of the current format.
    const std::string periodos = "<periodos><periodo><diaFin>5</diaFin></periodo></periodos>";
    lectura_ = Leer(Documento(periodos, "20150513"));
    EXPECT_EQ(Datos().marcos.sabado, 0);
    lectura_ = Leer(Documento(periodos));
    EXPECT_EQ(Datos().marcos.sabado, 1);
    // A document that speaks of periods takes Saturday from them only, not from a slot on day 5.
    lectura_ = Leer(
        Documento("<periodos><periodo><diaFin>4</diaFin></periodo></periodos>" + MarcosBasicos(6)));
    EXPECT_EQ(Datos().marcos.sabado, 0);

    lectura_ = Leer(Documento("<otros><notas> nota </notas><claveXDias><lunes>LUNESLARGO1"
                              "</lunes><viernes> </viernes></claveXDias></otros>"));
    EXPECT_EQ(Datos().notas, "nota");
    EXPECT_STREQ(Datos().marcos.claveXDias[0], "LUNESLARGO");
    EXPECT_STREQ(Datos().marcos.claveXDias[4], "V");
}

TEST_F(Conversion, DisponibilidadFueraDeLaRejilla) {
    const DHPROF& p =
        En(Leido(Profesor("<plantilla><tramo dia=\"30\" indice=\"0\" marco=\"A\">prohibido</tramo>"
                          "<tramo dia=\"0\" indice=\"1\" marco=\"A\">prohibido</tramo>"
                          "<tramo dia=\"6\" indice=\"2\" marco=\"A\">fijado</tramo></plantilla>"))
               .profesores,
           1);
    // Week 6 does not exist; a recess slot is no lesson of a teacher; day 6 is week 1.
    for (int w = 0; w < NUM_PERIODOS; ++w) {
        const MapaDisponibilidad m = Celdas(p.plantilla[w][0]);
        for (int d = 0; d < NUM_DIAS; ++d)
            for (int i = 0; i < NUM_INTERVALOS; ++i) {
                if (!(w == 1 && d == 1 && i == 1)) {
                    EXPECT_EQ(m.celdas[d][i], MAPA_DISPONIBLE) << w << d << i;
                }
            }
    }
    EXPECT_EQ(Celdas(p.plantilla[1][0]).celdas[1][1], MAPA_FIJADO);
}

} // namespace
