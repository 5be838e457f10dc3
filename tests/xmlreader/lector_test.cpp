// The parse driver and the handler's events: outcomes and their messages, element paths, the
// element text, version rules, the extension block and the placements of a solved timetable.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/stat.h>

#include "ayuda.h"
#include "resources/cadenas.h"
#include "tests/common/modelo_colocacion.h"

namespace {

using namespace prueba;

[[maybe_unused]] std::string Reemplazar(std::string s, const std::string& de,
                                        const std::string& a) {
    const auto p = s.find(de);
    EXPECT_NE(p, std::string::npos) << de;
    if (p != std::string::npos) s.replace(p, de.size(), a);
    return s;
}

// LeerXml on a file holding `documento`.
[[maybe_unused]] int LeerArchivo(const std::string& documento, std::string& mensaje, CDatos* datos,
                                 const char* nombre = "doc.xml") {
    ContextoLeerXml contexto;
    contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
    contexto.datos = datos;
    return LeerXml(mensaje, ArchivoTemporal(nombre, documento).c_str(), contexto);
}

class Lector : public ::testing::Test {
protected:
    Entorno entorno;
};

// The document with every element name in capitals (attributes and texts unchanged).
std::string Mayusculas(const std::string& doc) {
    std::string r;
    bool nombre = false;
    for (std::size_t i = 0; i < doc.size(); ++i) {
        const char c = doc[i];
        if (c == '<' && i + 1 < doc.size() && doc[i + 1] != '?') {
            nombre = true;
            r += c;
            continue;
        }
        if (nombre && (c == ' ' || c == '>' || (c == '/' && r.back() != '<'))) nombre = false;
        r += nombre && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return r;
}

TEST_F(Lector, D0LlegaATodosSusConstructores) {
    const Lectura l = Leer(LeerFixture("una_sesion_colocada.xml"));
    ASSERT_EQ(l.estado, 0u);
    EXPECT_EQ(l.manejador->RaizVista(), 1);
    const CDatos& d = *l.datos;
    EXPECT_EQ(Nombres(d.aulas), (std::vector<std::string>{"<cualquiera>", "A1", "A2"}));
    EXPECT_EQ(Nombres(d.tareas), (std::vector<std::string>{"LEC"}));
    EXPECT_EQ(d.marcos.lectivaPorDefecto, 0u);
    EXPECT_EQ(Nombres(d.profesores),
              (std::vector<std::string>{"       __     ", "Perez", "Lopez"}));
    EXPECT_STREQ(En(d.profesores, 2).claveDeExportacion, "LOP");
    EXPECT_EQ(Nombres(d.materias), (std::vector<std::string>{"Matematicas"}));
    EXPECT_EQ(Nombres(d.grupos), (std::vector<std::string>{"1A"}));
    ASSERT_EQ(d.sesiones.Cuenta(), 1);
    const DHSESI& s = En(d.sesiones, 0);
    EXPECT_EQ(s.tipo, SESION_PRINCIPAL);
    EXPECT_EQ(s.id, 0);
    EXPECT_EQ(s.materia, 0u);
    EXPECT_EQ(s.grupo, 0u);
    EXPECT_EQ(s.profesor, 1u);
    EXPECT_EQ(s.aula, 1u);
    EXPECT_EQ(s.tarea, 0u);
    EXPECT_STREQ(s.distribucion, "11");
    // Rooms: the room-row count follows the model's rooms at the end of `aulas`.
    EXPECT_EQ(l.datos->marcos.numAulasGeneral, 2);
    // The solved timetable places the session read.
    EXPECT_EQ(CeldasOcupadas(d), 1);
}

TEST_F(Lector, LasRutasNoDistinguenMayusculasDeLosNombresDeElemento) {
    const auto normal = Leer(LeerFixture("una_sesion_colocada.xml"));
    const std::string mayusculas = Mayusculas(LeerFixture("una_sesion_colocada.xml"));
    ASSERT_NE(mayusculas.find("<DATOSKRT>"), std::string::npos);
    ASSERT_NE(mayusculas.find("<SESION id=\"0\">"), std::string::npos);
    const Lectura l = Leer(mayusculas);
    EXPECT_EQ(l.estado, 0u);
    EXPECT_EQ(l.manejador->RaizVista(), 1);
    for (const auto* d : {normal.datos.get(), l.datos.get()}) {
        EXPECT_EQ(d->aulas.Cuenta(), 3);
        EXPECT_EQ(d->profesores.Cuenta(), 3);
        EXPECT_EQ(d->grupos.Cuenta(), 1);
        EXPECT_EQ(d->sesiones.Cuenta(), 1);
        EXPECT_EQ(CeldasOcupadas(*d), 1);
    }

    // Attribute names compare with case: the session keeps no id and is not built.
    const Lectura id = Leer(Reemplazar(LeerFixture("una_sesion_colocada.xml"), "<sesion id=\"0\">",
                                       "<sesion ID=\"0\">"));
    EXPECT_EQ(id.datos->sesiones.Cuenta(), 0);
}

TEST_F(Lector, ResultadosYMensajes) {
    std::string mensaje;
    auto d = ModeloPreparado(1);
    EXPECT_EQ(LeerArchivo(LeerFixture("una_sesion_colocada.xml"), mensaje, d.get()), 1);
    EXPECT_EQ(mensaje, "");

    EXPECT_EQ(LeerArchivo("<?xml version=\"1.0\"?><krt><datosKRT/></krt>", mensaje, d.get()), 0);
    EXPECT_EQ(mensaje, "El formato XML debe ser el propio de KRT.\nPara otros formatos XML vea: "
                       "Importar datos.");
    EXPECT_EQ(mensaje, recursos::Cadena(recursos::IDS_FORMATO_KRT));

    mensaje.clear();
    EXPECT_EQ(LeerArchivo("<datosKRT/>", mensaje, d.get()), 1);
    EXPECT_EQ(LeerArchivo("<DATOSKRT/>", mensaje, d.get()), 1);
    EXPECT_EQ(LeerArchivo("<k:datosKRT xmlns:k=\"urn:krt\"/>", mensaje, d.get()), 1);
    EXPECT_EQ(mensaje, "");

    // Cut after the teachers: the parse status wins over everything, and what was read stays.
    const std::string d0 = LeerFixture("una_sesion_colocada.xml");
    const std::string cortado = d0.substr(0, d0.find("</profesores>") + 13);
    auto parcial = ModeloPreparado(1);
    EXPECT_EQ(LeerArchivo(cortado, mensaje, parcial.get()), 0);
    EXPECT_TRUE(std::regex_match(mensaje, std::regex("^Error de acceso XML: [0-9A-F]{8}$")))
        << mensaje;
    EXPECT_EQ(parcial->profesores.Cuenta(), 3);
    // A malformed document whose root is not the format's: still the access error.
    EXPECT_EQ(LeerArchivo("<krt>", mensaje, d.get()), 0);
    EXPECT_EQ(mensaje.rfind("Error de acceso XML: C00CE", 0), 0u) << mensaje;

    ContextoLeerXml sinArchivo;
    sinArchivo.creacion = plataforma::CrearLectorSax(sinArchivo.lector);
    sinArchivo.datos = d.get();
    EXPECT_EQ(LeerXml(mensaje, "/no/existe/Horario.xml", sinArchivo), 0);
    EXPECT_EQ(mensaje, "Error de acceso XML: 80070002");
    EXPECT_EQ(sinArchivo.lector, nullptr); // released

    ContextoLeerXml fallido;
    fallido.creacion = 0x8007000E;
    fallido.datos = d.get();
    EXPECT_EQ(LeerXml(mensaje, "x.xml", fallido), 0);
    EXPECT_EQ(mensaje, "Error de librer\xED"
                       "a XML 8007000E");
}

// Drives the handler with chosen chunks of text.
class Trozos {
public:
    Trozos() : datos_(ModeloPreparado(1)), m_(datos_.get()) {}
    void Abrir(const char16_t* nombre) { m_.startElement(u"", nombre, nombre, vacios_); }
    void Cerrar(const char16_t* nombre) { m_.endElement(u"", nombre, nombre); }
    void Texto(std::u16string_view t) { m_.characters(t); }
    // `otros/notas` given as these chunks; the model's notes after it.
    std::string Notas(std::initializer_list<std::u16string_view> trozos) {
        Abrir(u"datosKRT");
        Abrir(u"otros");
        Abrir(u"notas");
        for (auto t : trozos)
            Texto(t);
        Cerrar(u"notas");
        Cerrar(u"otros");
        Cerrar(u"datosKRT");
        return datos_->notas;
    }

private:
    std::unique_ptr<CDatos> datos_;
    MyContentInterno2 m_;
    plataforma::AtributosSax vacios_;
};

TEST_F(Lector, TextoDelElemento) {
    const std::u16string mil200(1200, u'a');
    EXPECT_EQ(Trozos().Notas({mil200}), std::string(999, 'a'));
    EXPECT_EQ(Trozos().Notas({std::u16string(600, u'b'), mil200}),
              std::string(600, 'b') + std::string(399, 'a'));
    // Chunks that end in LF get CR LF; an LF inside a chunk or after CR stays.
    EXPECT_EQ(Trozos().Notas({u"a\n", u"b\n", u"c"}), "a\r\nb\r\nc");
    EXPECT_EQ(Trozos().Notas({u"x", u"\n", u"y"}), "x\r\ny");
    EXPECT_EQ(Trozos().Notas({u"a\nb", u"c"}), "a\nbc");
    EXPECT_EQ(Trozos().Notas({u"a\r\n", u"b"}), "a\r\nb");

    // Each element's text is its own: 600 then 500 characters both arrive whole, and an empty
    // name is empty.
    const std::string doc =
        Documento("<otros><notas>" + std::string(600, 'n') +
                  "</notas><mensajesIntercambio><haciaDesideratas><texto>" + std::string(500, 't') +
                  "</texto></haciaDesideratas></mensajesIntercambio></otros>"
                  "<profesores><profesor><nombre>Ana</nombre></profesor>"
                  "<profesor><nombre></nombre><email>e</email></profesor>"
                  "</profesores>");
    const Lectura l = Leer(doc);
    EXPECT_EQ(l.datos->notas, std::string(600, 'n'));
    EXPECT_EQ(std::string(l.datos->otros.texto), std::string(350, 't'));
    EXPECT_EQ(Nombres(l.datos->profesores), (std::vector<std::string>{"       __     ", "Ana"}));
}

std::string DocVersion(const std::string& version) {
    return Documento("<otros><opciones><opcionesGenerales><mantener5Sesiones>true"
                     "</mantener5Sesiones></opcionesGenerales></opciones></otros>",
                     version);
}

// A model whose teacher Perez teaches a session of 5555 (20 intervals a week); Lopez teaches
// nothing.
std::unique_ptr<CDatos> ModeloConCarga() {
    auto d = ModeloPreparado(1);
    for (const char* nombre : {"Perez", "Lopez"}) {
        DHPROF& p = d->profesores.AnadirAlFinal()->dato;
        CopiarTexto(p.nombre, nombre);
        RellenarMapasEmpaquetados(p.plantilla, MAPA_DISPONIBLE);
    }
    CopiarTexto(d->grupos.AnadirAlFinal()->dato.nombre, "1A");
    DHSESI& s = d->sesiones.AnadirAlFinal()->dato;
    s.tipo = SESION_PRINCIPAL;
    s.profesor = 1;
    CopiarTexto(s.distribucion, "5555");
    return d;
}

TEST_F(Lector, ReglasDeVersion) {
    std::string mensaje;
    auto d = ModeloConCarga();
    EXPECT_EQ(LeerArchivo(DocVersion("20190613"), mensaje, d.get()), 1);
    ASSERT_EQ(entorno.avisos.avisos.size(), 1u);
    EXPECT_EQ(entorno.avisos.avisos[0].texto, "The XML-KRT schema version is greater than the "
                                              "supported one. You must update KRT.");
    EXPECT_EQ(entorno.avisos.avisos[0].icono, plataforma::Icono::Ninguno);
    EXPECT_EQ(entorno.avisos.avisos[0].botones, plataforma::Botones::Aceptar);
    EXPECT_EQ(d->marcos.opciones, 0x11u); // the general-options word: 16 and mantener5Sesiones
    EXPECT_EQ(d->profesores.NodoEnIndice(1)->dato.opciones.valorMaximasHorasCalculado, 0u);

    // Old documents (and those without a version) get the teacher workload estimate.
    for (const char* v : {"20150513", "", "x", "20150514"}) {
        const Lectura l = Leer(DocVersion(v), ModeloConCarga());
        const bool antigua = std::string(v) != "20150514";
        EXPECT_EQ(l.datos->profesores.NodoEnIndice(1)->dato.opciones.valorMaximasHorasCalculado,
                  antigua ? 1u : 0u)
            << v;
        EXPECT_EQ(l.datos->profesores.NodoEnIndice(2)->dato.opciones.valorMaximasHorasCalculado,
                  0u);
    }
    EXPECT_EQ(entorno.avisos.avisos.size(), 1u);
}

std::string MarcosDias(int desde, int hasta, const std::string& extra = "") {
    std::string s = "<marcosDeHorario><marcoHorario id=\"A\">";
    for (int d = desde; d <= hasta; ++d) {
        if (d == 5 && desde == 0 && extra == "saltar5") continue;
        s += Tramo("A", d, 0, "08:30:00", "09:20:00", "lectivo", "1");
    }
    return s + "</marcoHorario></marcosDeHorario>";
}

std::string Colocacion(int dia) {
    return "<horario><tramo dia=\"" + std::to_string(dia) +
           "\" indice=\"0\" marco=\"A\"><aula id=\"A1\"><sesion>0</sesion></aula></tramo>"
           "</horario>";
}

TEST_F(Lector, SemanasDiasYPeriodos) {
    {
        const Lectura l = Leer(Documento("<periodos><periodo><diaFin>4</diaFin></periodo>"
                                         "<periodo><diaFin>9</diaFin></periodo></periodos>" +
                                         MarcosDias(0, 9) + Colocacion(7)),
                               std::move(ModeloDosSesiones().datos));
        EXPECT_EQ(l.datos->marcos.numPeriodos, 2);
        EXPECT_EQ(l.datos->marcos.sabado, 0);
        // Five days a week: day 7 is week 1, Wednesday.
        EXPECT_NE(l.datos->colocacion.EntradaEnCelda(1, 0, 2, 0, 0), nullptr);
        EXPECT_EQ(CeldasOcupadas(*l.datos), 1);
    }
    {
        const Lectura l =
            Leer(Documento(MarcosDias(0, 9) + Colocacion(7)), std::move(ModeloDosSesiones().datos));
        EXPECT_EQ(l.datos->marcos.sabado, 1);
        EXPECT_EQ(l.datos->marcos.numPeriodos, 2);
        // Six days a week: day 7 is week 1, Tuesday.
        EXPECT_NE(l.datos->colocacion.EntradaEnCelda(1, 0, 1, 0, 0), nullptr);
        EXPECT_EQ(CeldasOcupadas(*l.datos), 1);
    }
    {
        // Older documents: six days a week, day 6 starts the next week, so days up to 10 make
        // two weeks (five-day weeks would make three).
        const Lectura l = Leer(Documento(MarcosDias(0, 10, "saltar5"), "20150513"));
        EXPECT_EQ(l.datos->marcos.numPeriodos, 2);
        EXPECT_EQ(l.datos->marcos.sabado, 0);
        const Lectura sinVersion = Leer(Documento(MarcosDias(4, 6), ""));
        EXPECT_EQ(sinVersion.datos->marcos.sabado, 1);
        // A document without a version is an older one: days up to 11 make two weeks.
        EXPECT_EQ(Leer(Documento(MarcosDias(0, 11, "saltar5"), "")).datos->marcos.numPeriodos, 2);
    }
    {
        // A day far beyond the weeks raises the periods no further than there are.
        const Lectura l = Leer(Documento(MarcosDias(40, 40) + MarcosDias(0, 0) + Colocacion(40)),
                               std::move(ModeloDosSesiones().datos));
        EXPECT_LE(l.datos->marcos.numPeriodos, 6);
        EXPECT_EQ(l.datos->marcos.numPeriodos, 1);
        EXPECT_EQ(CeldasOcupadas(*l.datos), 0); // week 8 does not exist
        const Lectura doce = Leer(Documento(MarcosDias(12, 12), "20150513"));
        EXPECT_EQ(doce.datos->marcos.numPeriodos, 3);
    }
}

TEST_F(Lector, BloqueDeExtensiones) {
    const Lectura l = Leer(Documento("<otros><extensiones>\n\t<a x=\"1\">t &amp; u</a>\n\t<b/>\n"
                                     "</extensiones><perfil>primaria</perfil></otros>"));
    EXPECT_EQ(l.datos->extensiones, "<extensiones>\n<a>t & u</a><b></b></extensiones>\n");
    EXPECT_EQ(l.datos->marcos.perfil, 1); // reading goes on after the block

    // A name of more than a thousand characters is copied whole-up-to-1000, safely.
    const std::string largo(1500, 'n');
    const Lectura l2 = Leer(
        Documento("<otros><extensiones><" + largo + ">x</" + largo + "></extensiones></otros>"));
    EXPECT_EQ(l2.datos->extensiones, "<extensiones>\n<" + largo.substr(0, 1000) + ">x</" +
                                         largo.substr(0, 1000) + "></extensiones>\n");
}

// Frame A of the two-session school, a `horario` with `tramos`, and no record sections: the records
// come from a model built beforehand.
std::string SoloHorario(const std::string& tramos) {
    return Documento(MarcosBasicos() + "<horario>" + tramos + "</horario>");
}

TEST_F(Lector, OcurrenciasDeUnaSesionEnUnTramo) {
    // Session 0 has four further rooms; each `aula` lands in a room of its own, so the cell
    // shows which entry the occurrence chose.
    Modelo m = ModeloDosSesiones();
    for (const char* a : {"A3", "A4", "A5", "A6"})
        m.Aula(a, a);
    m->sesiones.Quitar(m->sesiones.Cola());
    for (int i = 0; i < 4; ++i)
        m.Companera('S', 0, 0, 1, LEC, 1);
    m.Sesion(1, 0, 1, 2);
    const Lectura l = Leer(SoloHorario("<tramo dia=\"0\" indice=\"2\" marco=\"A\">"
                                       "<aula id=\"A1\"><sesion>0</sesion></aula>"
                                       "<aula id=\"A2\"><sesion>0</sesion></aula>"
                                       "<aula id=\"A3\"><sesion refAula=\"3\">0</sesion></aula>"
                                       "<aula id=\"A4\"><sesion>0</sesion></aula>"
                                       "<aula id=\"A5\"><sesion>1</sesion></aula></tramo>"
                                       "<tramo dia=\"1\" indice=\"2\" marco=\"A\">"
                                       "<aula id=\"A6\"><sesion>0</sesion></aula></tramo>"),
                           std::move(m.datos));
    std::vector<long> entradas;
    for (int dia = 0; dia < 2; ++dia)
        for (int fila = 0; fila < 6; ++fila)
            if (const auto* e = l.datos->colocacion.EntradaEnCelda(0, 0, dia, 1, fila))
                entradas.push_back(e - l.datos->colocacion.Entradas().data());
    // Occurrences 0, 1, 3 and 4 of session 0, session 1, then occurrence 0 again.
    EXPECT_EQ(entradas, (std::vector<long>{0, 1, 3, 4, 5, 0}));
}

TEST_F(Lector, UnAulaAnonimaSeConocePorSuId) {
    Modelo m = ModeloDosSesiones();
    m.Aula("A3", "AU3");
    m.Aula("A4", "AU4");
    m.Sesion(2, 0, 0, 1);
    m->marcosHorario->FijarAulasGeneral(8); // rooms on rows 0..3, spare rows 4..7
    const Lectura l = Leer(SoloHorario("<tramo dia=\"0\" indice=\"0\" marco=\"A\">"
                                       "<aula id=\"3\" anonima=\"x\"><sesion>0</sesion></aula>"
                                       "<aula id=\"3\" anonima=\"x\"><sesion>1</sesion></aula>"
                                       "<aula anonima=\"2\"><sesion>2</sesion></aula></tramo>"),
                           std::move(m.datos));
    std::vector<int> filas;
    for (int k = 0; k < 8; ++k)
        if (const auto* e = l.datos->colocacion.EntradaEnCelda(0, 0, 0, 0, k))
            filas.push_back(k * 10 + e->indicePropio);
    // Session 0 on row 3, session 1 on the highest spare row, session 2 on row 2.
    EXPECT_EQ(filas, (std::vector<int>{22, 30, 71}));
}

TEST_F(Lector, ElProfesorDeUnaColocacionNoPasaALaSiguiente) {
    Modelo m = ModeloDosSesiones();
    m.Guardia("G1", {2}, 1);
    const Lectura l =
        Leer(SoloHorario("<tramo dia=\"0\" indice=\"1\" marco=\"A\"><guardia><nombre>G1</nombre>"
                         "<profesor>Luis</profesor></guardia><guardia><nombre>G1</nombre></guardia>"
                         "</tramo><tramo dia=\"0\" indice=\"2\" marco=\"A\"><aula id=\"A1\">"
                         "<sesion>0</sesion></aula></tramo>"),
             std::move(m.datos));
    // The second duty names no teacher; the session keeps its own.
    EXPECT_EQ(l.datos->colocacion.CeldaGuardias(0, 0, 0, 0).cuenta, 1);
    ASSERT_NE(l.datos->colocacion.EntradaEnCelda(0, 0, 0, 1, 0), nullptr);
    EXPECT_EQ(l.datos->colocacion.EntradaEnCelda(0, 0, 0, 1, 0)->profesor, 1);
}

TEST_F(Lector, EnUnRecreoSoloSeColocanGuardias) {
    Modelo m = ModeloDosSesiones();
    m.Guardia("G", {1});
    m.Reunion("R", {1});
    m.Reunion("R2", {1});
    for (int i = 0; i < 3; ++i)
        m.Complementaria(1);
    const Lectura l =
        Leer(SoloHorario("<tramo dia=\"1\" indice=\"1\" marco=\"A\">"
                         "<aula id=\"A1\"><sesion>0</sesion></aula><reunion>R2</reunion>"
                         "<complementaria>0</complementaria><guardia><nombre>G</nombre>"
                         "<profesor>Ana</profesor></guardia></tramo>"
                         "<tramo dia=\"1\" indice=\"0\" marco=\"A\"><reunion>R</reunion>"
                         "<complementaria>2</complementaria><guardia><nombre>G</nombre>"
                         "<profesor>Ana</profesor></guardia></tramo>"),
             std::move(m.datos));
    // Rows: A1, A2, the duty's 20, R, R2, the three activities.
    std::vector<int> filas;
    for (int k = 0; k < l.datos->colocacion.Filas(); ++k)
        if (l.datos->colocacion.EntradaEnCelda(0, 0, 1, 0, k) != nullptr) filas.push_back(k);
    EXPECT_EQ(filas, (std::vector<int>{2, 22, 26}));
    EXPECT_EQ(CeldasOcupadas(*l.datos), 3);
    EXPECT_EQ(l.datos->colocacion.CeldaGuardias(0, 0, 0, 1).cuenta, 1);
}

// Subject M, group G and one session of one weekly lesson for each id.
std::string SesionesSencillas(std::initializer_list<int> ids) {
    std::string s = "<materias><materia><nombre>M</nombre></materia></materias><grupos><grupo>"
                    "<nombre>G</nombre></grupo></grupos><sesionesLectivas>";
    for (int id : ids)
        s += "<sesion id=\"" + std::to_string(id) +
             "\"><materia>M</materia><grupo>G</grupo><distribucionSemanal><distribucionFija>"
             "<numSesiones>1</numSesiones></distribucionFija></distribucionSemanal></sesion>";
    return s + "</sesionesLectivas>";
}

TEST_F(Lector, ReglasAlFinalDeLosRegistros) {
    const std::string doc = Documento(
        "<profesores><profesor><nombre>  </nombre></profesor>"
        "<profesor><nombre>P30</nombre><opciones><intervalosDePermanenciaDiarios>30"
        "</intervalosDePermanenciaDiarios></opciones></profesor>"
        "<profesor><nombre>P50</nombre><opciones><intervalosDePermanenciaDiarios>50"
        "</intervalosDePermanenciaDiarios><periodoLibreJornadaPartida><cantidad>2</cantidad>"
        "<preferentes>3</preferentes><tipoDePeriodoLibre>indistintamente</tipoDePeriodoLibre>"
        "</periodoLibreJornadaPartida><otrosPeriodosLibresJornadaPartida>"
        "<periodoLibreJornadaPartida><cantidad>4</cantidad><tipoDePeriodoLibre>tardes"
        "</tipoDePeriodoLibre></periodoLibreJornadaPartida></otrosPeriodosLibresJornadaPartida>"
        "</opciones></profesor></profesores>" +
        SesionesSencillas({1, 2, 3, 7, 8}) +
        "<listasDeRelacion><consecutivas>"
        "<bloqueDeSesiones><sesiones><sesion>1</sesion></sesiones></bloqueDeSesiones>"
        "<bloqueDeSesiones><sesiones><sesion>1</sesion><sesion>2</sesion><sesion>3</sesion>"
        "<sesion>4</sesion></sesiones><conOrden>seguidas</conOrden></bloqueDeSesiones>"
        "<bloqueDeSesiones><sesiones><sesion>7</sesion><sesion>8</sesion></sesiones>"
        "</bloqueDeSesiones></consecutivas></listasDeRelacion>");
    const Lectura l = Leer(doc);
    ASSERT_EQ(l.datos->profesores.Cuenta(), 3);
    const OpcionesProfesor& p30 = En(l.datos->profesores, 1).opciones;
    EXPECT_EQ(p30.permanenciaDiariaEstricta, 46);
    EXPECT_EQ(p30.permanenciaDiaria, 30);
    const OpcionesProfesor& p50 = En(l.datos->profesores, 2).opciones;
    EXPECT_EQ(p50.permanenciaDiariaEstricta, 50);
    EXPECT_EQ(p50.permanenciaDiaria, 50);
    // Split-day free periods: cantidad in the low half, preferentes in the high one, raised to
    // cantidad when below it.
    EXPECT_EQ(p50.periodoLibreJornadaPartida, 0x32);
    EXPECT_EQ(p50.periodoLibreTardes, 0x44);

    // Consecutive blocks of 2 or 3 sessions are kept, the first three of a longer one; each
    // member names the others by 1-based position. Sessions 1, 2, 3, 7, 8 are at positions
    // 1..5.
    const auto& ses = l.datos->sesiones;
    ASSERT_EQ(ses.Cuenta(), 5);
    auto bloque = [&](int i) {
        const DHSESI& x = En(ses, i);
        return std::vector<int>{x.codigoConsecutivas, static_cast<int>(x.consecutivaPrimera),
                                static_cast<int>(x.consecutivaSegunda)};
    };
    // "seguidas": the first of three is 3, then 2 and 1.
    EXPECT_EQ(bloque(0), (std::vector<int>{3, 2, 3}));
    EXPECT_EQ(bloque(1), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(bloque(2), (std::vector<int>{1, 1, 2}));
    // Without conOrden a block is "desordenadas" (0); a pair has no second partner.
    EXPECT_EQ(bloque(3), (std::vector<int>{0, 5, 0}));
    EXPECT_EQ(bloque(4), (std::vector<int>{0, 4, 0}));
}

TEST_F(Lector, ValoresInicialesDeLosProfesores) {
    // As the writer gives the defaults: the weekly strict 300 is out of range, so the strict
    // value follows the preferred one.
    const Lectura l = Leer(Documento(
        "<otros><opciones><valorInicialProfesores>"
        "<intervalosDePermanenciaSemanales estricto=\"true\">300</intervalosDePermanenciaSemanales>"
        "<intervalosDePermanenciaSemanales estricto=\"false\">25</intervalosDePermanenciaSemanales>"
        "<intervalosDePermanenciaDiarios estricto=\"true\">50</intervalosDePermanenciaDiarios>"
        "<intervalosDePermanenciaDiarios estricto=\"false\">5</intervalosDePermanenciaDiarios>"
        "<periodoLibreJornadaPartida><cantidad>3</cantidad><preferentes>1</preferentes>"
        "</periodoLibreJornadaPartida></valorInicialProfesores>"
        "<valorInicialSesiones><penaSesionMismaHora>indiferente</penaSesionMismaHora>"
        "</valorInicialSesiones></opciones></otros>"));
    const OpcionesProfesor& o = l.datos->marcos.valorInicialProfesores;
    EXPECT_EQ(o.permanenciaSemanalEstricta, 85);
    EXPECT_EQ(o.permanenciaSemanal, 25);
    EXPECT_EQ(o.permanenciaDiariaEstricta, 50);
    EXPECT_EQ(o.permanenciaDiaria, 5);
    EXPECT_EQ(o.periodoLibreJornadaPartida, 0x33); // preferentes raised to cantidad
    EXPECT_EQ(l.datos->marcos.valorInicialSesiones.penaSesionMismaHora, 1);
}

TEST_F(Lector, FinDeSesion) {
    const std::string cuerpo =
        "<materias><materia><nombre>M</nombre></materia></materias><grupos><grupo><nombre>G"
        "</nombre></grupo></grupos>"
        "<sesionesLectivas><sesion id=\"3\"><materia>M</materia><grupo>G</grupo>"
        "<distribucionSemanal><distribucionVariable><numSesiones>7.9</numSesiones>"
        "</distribucionVariable></distribucionSemanal></sesion>"
        "<sesion id=\"4\"><materia>M</materia><noConsecutivas><sesion>3</sesion></noConsecutivas>"
        "<distribucionSemanal><distribucionPersonalizada><distribucion><numSesiones>2"
        "</numSesiones></distribucion><distribucion><numSesiones>1</numSesiones><numSesiones>1"
        "</numSesiones></distribucion><distribucion></distribucion><distribucion><numSesiones>3"
        "</numSesiones></distribucion><distribucion><numSesiones>4</numSesiones></distribucion>"
        "<distribucion><numSesiones>5</numSesiones></distribucion><distribucion><numSesiones>M"
        "</numSesiones></distribucion></distribucionPersonalizada></distribucionSemanal>"
        "</sesion></sesionesLectivas>";
    const Lectura l = Leer(Documento(cuerpo));
    // The second has no group. The first has a variable distribution of 7 intervals.
    ASSERT_EQ(l.datos->sesiones.Cuenta(), 1);
    EXPECT_STREQ(En(l.datos->sesiones, 0).distribucion, "22111");
    EXPECT_EQ(En(l.datos->sesiones, 0).tipoDistribucion, 1);

    // The same second session with a group: its relations are resolved at the end of the
    // relation lists, and its personalised distributions are the first one and then up to
    // four alternatives (an empty one counts for none; the fifth goes on in the fourth).
    const Lectura conGrupo =
        Leer(Documento(Reemplazar(cuerpo, "<noConsecutivas>", "<grupo>G</grupo><noConsecutivas>") +
                       "<listasDeRelacion/>"));
    ASSERT_EQ(conGrupo.datos->sesiones.Cuenta(), 2);
    const DHSESI& r = En(conGrupo.datos->sesiones, 1);
    EXPECT_EQ(r.relaciones.numNoConsecutivas, 1);
    EXPECT_EQ(r.relaciones.noConsecutivas[0], 0u);
    EXPECT_EQ(En(conGrupo.datos->sesiones, 0).relaciones.noConsecutivas[0], 1u);
    EXPECT_STREQ(r.distribucion, "2");
    EXPECT_STREQ(r.distribucionesAlternativas[0], "11");
    EXPECT_STREQ(r.distribucionesAlternativas[1], "3");
    EXPECT_STREQ(r.distribucionesAlternativas[2], "4");
    EXPECT_STREQ(r.distribucionesAlternativas[3], "5\xBD");
}

TEST_F(Lector, NiUnAnidamientoSinFinNiUnArchivoQueNoEsRegularSeLeen) {
    // Elements nested 100,000 deep under the root: malformed, with the usual access error.
    std::string profundo = "<datosKRT>";
    for (int i = 0; i < 100000; ++i)
        profundo += "<otros>";
    std::string mensaje;
    auto d = ModeloPreparado(1);
    EXPECT_EQ(LeerArchivo(profundo, mensaje, d.get()), 0);
    EXPECT_EQ(mensaje, "Error de acceso XML: C00CE023");

    // A FIFO with no writer and an endless device are refused at once.
    const std::string fifo = ArchivoTemporal("fifo.xml", "");
    std::remove(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& ruta : {fifo, std::string("/dev/zero")}) {
        ContextoLeerXml contexto;
        contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
        contexto.datos = d.get();
        EXPECT_EQ(LeerXml(mensaje, ruta.c_str(), contexto), 0);
        EXPECT_EQ(mensaje, "Error de acceso XML: 80070005");
    }
    std::remove(fifo.c_str());
}

} // namespace

namespace {

// Emptying the record in progress clears only what a record can have written; it must leave
// the record as a full clear would, whatever the lists held.
TEST(RegistroEnCurso, EmptyingLeavesTheRecordAsAFullClearWould) {
    auto registro = std::make_unique<REGISTROENCURSO>();
    REGISTROENCURSO& r = *registro;
    auto* bytes = reinterpret_cast<unsigned char*>(&r);
    // Every list full up to its count, and the entry at the count written as well: a few
    // entries, none, and full lists.
    for (const int c : {3, 0, 10000}) {
        auto llenar = [&](auto& lista, int& cuenta) {
            const int n = static_cast<int>(std::size(lista));
            cuenta = std::min(c, n);
            const int escritas = std::min(cuenta + 1, n);
            std::memset(static_cast<void*>(lista), 0x5A,
                        static_cast<std::size_t>(escritas) * sizeof lista[0]);
        };
        llenar(r.aulasConjunto, r.numAulasConjunto);
        llenar(r.integrantes, r.numIntegrantes);
        llenar(r.integrantesGuardia, r.numIntegrantesGuardia);
        llenar(r.materiasCurso, r.numMateriasCurso);
        llenar(r.profesores, r.numProfesores);
        llenar(r.materiasGrupos, r.numMateriasGrupos);
        llenar(r.aulas, r.numAulas);
        std::memset(static_cast<void*>(r.sesionesBloque), 0x5A, sizeof r.sesionesBloque);
        r.numSesionesBloque = 0; // emptied after a block, its entries still written
        std::memset(r.claveDeExportacion, 'x', sizeof r.claveDeExportacion);
        r.tramo.permitido = 7;
        r.cantidadesTramo[0][0] = 9; // kept: beyond the emptied part
        VaciarRegistroEnCurso(r);
        std::size_t sucios = 0;
        for (std::size_t k = 0; k < TAMANO_VACIABLE_REGISTRO; ++k)
            sucios += bytes[k] != 0;
        EXPECT_EQ(sucios, 0u) << c;
        EXPECT_EQ(r.cantidadesTramo[0][0], 9);
    }
}

} // namespace
