// Every record kind and relation of a model of the import flow, written by the document writer
// and read back: the model read holds the same records, field by field where both carry the
// field.
//
// Known one-way differences (the only ones in this test):
// - rooms, tasks, teachers, subjects and groups are written in name order, and read back in
//   the order written; records are matched by name, references by name or session position;
// - subject-course pairs are kept in (subject, course) order by the writer's model and in
//   document order by the reader's: they are compared as a set;
// - a weekly permanence limit of 300 (the strict default) lies outside what the reader takes
//   (1..99): it is read back as the preferred limit plus 60;
// - a room's `ocupaDiaCompleto` is not written, and a room's availability is written only as
//   prohibited or not, so its maps hold 0 and 1 only;
// - the writer drops '<' and '>' from texts;
// - a session without a department is written with its subject's;
// - references are list nodes before and list positions after; consecutive partners are
//   1-based positions.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>

#include "platform/sax.h"
#include "tests/common/archivos.h"
#include "tests/common/avisos.h"
#include "tests/common/documentos.h"
#include "tests/common/modelo.h"
#include "xmlreader/lector.h"
#include "xmlwriter/exportador.h"

namespace {

using namespace prueba;
using Nodo = MCList<DHSESI>::Nodo;

class IdaYVueltaRegistros : public ::testing::Test {
protected:
    Entorno entorno;
};

// A map that holds `relleno`, but `celdas` (day, interval, value) of the first two lessons.
MapaEmpaquetado Mapa(int relleno, std::initializer_list<std::tuple<int, int, int>> celdas = {}) {
    MapaDisponibilidad m;
    std::memset(&m, relleno, sizeof m);
    for (const auto& [d, i, v] : celdas)
        m.celdas[d][i] = static_cast<std::int8_t>(v);
    MapaEmpaquetado e;
    EmpaquetarMapa(e, m);
    return e;
}

// The first frame of the first period from `primero`, every other map filled with `relleno`.
void Mapas(MapaEmpaquetado (&mapas)[NUM_PERIODOS][NUM_MARCOS], int relleno,
           const MapaEmpaquetado& primero) {
    RellenarMapasEmpaquetados(mapas, relleno);
    mapas[0][0] = primero;
}

void Mapas(MapaEmpaquetado (&mapas)[NUM_PERIODOS], int relleno, const MapaEmpaquetado& primero) {
    for (auto& m : mapas)
        m = Mapa(relleno);
    mapas[0] = primero;
}

template <class T> typename MCList<T>::Nodo* Anadir(MCList<T>& lista, const char* nombre) {
    auto* n = lista.AnadirAlFinal();
    CopiarTexto(n->dato.nombre, nombre);
    return n;
}

// A model of the import flow with every record kind, in the shape the reader gives back.
std::unique_ptr<CDatos> ModeloCompleto() {
    auto datos = ModeloPreparado(0);
    CDatos& d = *datos;
    d.marcosHorario->FijarAulasGeneral(2);
    auto ref = [&](auto* nodo) { return reinterpret_cast<Ref>(nodo); };

    auto* a1 = Anadir(d.aulas, "A1");
    a1->dato.dedicada = 1;
    CopiarTexto(a1->dato.abreviatura, "a1");
    CopiarTexto(a1->dato.descripcion, "Aula uno");
    CopiarTexto(a1->dato.claveDeExportacion, "AU1");
    a1->dato.numeroAlumnos = 30;
    Mapas(a1->dato.plantilla, 1, Mapa(1, {{0, 1, 0}}));
    auto* a2 = Anadir(d.aulas, "A2");
    Mapas(a2->dato.plantilla, 1, Mapa(1));
    auto* labs = Anadir(d.tipos, "Labs");
    labs->dato.numAulas = 2;
    labs->dato.aulas[0] = ref(a2);
    labs->dato.aulas[1] = ref(a1);

    auto* tut = Anadir(d.tareas, "TUT");
    CopiarTexto(tut->dato.nombreCompleto, "Tutor\xED"
                                          "a");
    CopiarTexto(tut->dato.claveDeExportacion, "T9");
    Mapas(tut->dato.plantilla, 3, Mapa(3, {{0, 0, 0}, {1, 1, 4}, {2, 0, 2}}));
    d.marcos.reunionPorDefecto = ref(tut);

    auto* ciencias = Anadir(d.departamentos, "Ciencias");
    CopiarTexto(ciencias->dato.nombreCompleto, "Departamento de Ciencias");
    CopiarTexto(ciencias->dato.mensajeAlDepartamento, "Hola & adi\xF3s");
    CopiarTexto(ciencias->dato.claveDeExportacion, "DC");
    CopiarTexto(ciencias->dato.email, "c@x");

    auto* ana = Anadir(d.profesores, "Ana");
    DHPROF& p = ana->dato;
    CopiarTexto(p.nombreCompleto, "Ana Ruiz");
    CopiarTexto(p.abreviatura, "AR");
    CopiarTexto(p.claveDeExportacion, "P1");
    CopiarTexto(p.tomaDePosesion, "2019-09-01");
    CopiarTexto(p.mensaje, "Nota");
    CopiarTexto(p.email, "ana@x");
    CopiarTexto(p.horarioAsoc, "H1");
    p.departamento = CDatos::RefDeNodo<DHDEPT>(ciencias);
    p.daPracticas = 1;
    p.reduccionCargaLectiva = 3;
    Mapas(p.plantilla, 3, Mapa(3, {{0, 0, 0}, {4, 1, 1}}));
    OpcionesProfesor& o = p.opciones;
    o = d.marcos.valorInicialProfesores;
    o.permanenciaSemanalEstricta = 80;
    o.permanenciaSemanal = 30;
    o.permanenciaDiariaEstricta = 8;
    o.permanenciaDiaria = 6;
    o.periodoLibreTardes = 0x21;
    o.periodoLibreMananas = 0x33;
    o.periodoLibreJornadaPartida = 0x31;
    o.maximasHorasSeguidas = 4;
    o.salirUltimaEntrarPrimera = 1;
    o.nIntervalosSalirUltimaEntrarPrimera = 2;
    o.incompatibilidades =
        INCOMPATIBILIDAD_ENTRAR_PRIMERA_SALIR_ULTIMA | INCOMPATIBILIDAD_MENOS_DE_DOS_LIBRES;
    o.incompatibilidadesProhibidas = 0x81;
    o.noEliminarHuecos = 1;
    o.prioridad = 7;
    o.tipoDePeriodo = 1;
    o.cantidadDeDias = 2;
    o.intervalosLibres = 3;
    o.considerarMaximasHorasDiarias = 1;
    o.valorMaximasHorasCalculado = 2;
    o.considerarMinimasHorasDiarias = 2;
    o.valorMinimasHorasCalculado = 1;
    o.penalizarAlrededorGuardiaRecreo = 1;
    auto* luis = Anadir(d.profesores, "Luis");
    luis->dato.opciones = d.marcos.valorInicialProfesores;
    luis->dato.departamento = CDatos::RefDeNodo<DHDEPT>(d.departamentos.Cabeza());
    Mapas(luis->dato.plantilla, 3, Mapa(3));

    auto* fis = Anadir(d.materias, "FIS");
    fis->dato.departamento = ref(d.departamentos.Cabeza());
    Mapas(fis->dato.plantilla, 3, Mapa(3));
    auto* mat = Anadir(d.materias, "MAT");
    CopiarTexto(mat->dato.nombreCompleto, "Matem\xE1ticas");
    CopiarTexto(mat->dato.abreviatura, "Ma");
    CopiarTexto(mat->dato.claveDeExportacion, "M1");
    mat->dato.departamento = ref(ciencias);
    mat->dato.esTutoria = 1;
    mat->dato.esDePractica = 1;
    Mapas(mat->dato.plantilla, 3, Mapa(3, {{3, 1, 0}}));

    auto* eso = Anadir(d.cursos, "1ESO");
    CopiarTexto(eso->dato.nombreCompleto, "Primero");
    CopiarTexto(eso->dato.claveDeExportacion, "C1");
    d.AnadirMatCur(mat, eso, 4.5f);
    d.AnadirMatCur(fis, eso, 3.0f);

    auto* g1a = Anadir(d.grupos, "1A");
    DHGRUP& g = g1a->dato;
    CopiarTexto(g.abreviatura, "1a");
    CopiarTexto(g.nombreCompleto, "Primero A");
    CopiarTexto(g.claveDeExportacion, "G1");
    g.cursoPerteneciente = ref(eso);
    g.profesorTutor = ref(luis);
    g.aula = ref(a2);
    g.tardesLibres = 2;
    g.numeroAlumnos = 25;
    g.noAdmiteHuecos = 1;
    g.huecosEnNoPreferentes = 1;
    Mapas(g.plantilla, 3, Mapa(3, {{2, 1, 0}}));
    auto* g1b = Anadir(d.grupos, "1B");
    g1b->dato.cursoPerteneciente = ref(d.cursos.Cabeza());
    g1b->dato.profesorTutor = ref(d.profesores.Cabeza());
    g1b->dato.aula = ref(d.aulas.Cabeza());
    Mapas(g1b->dato.plantilla, 3, Mapa(3));

    // Sessions: 0 with a further subject, teacher and room and the simultaneous session 4;
    // then 5, 6 (variable distribution) and 7 (personalised distributions).
    auto sesion = [&](std::uint32_t tipo, auto* materia, auto* grupo, auto* profesor,
                      const char* distribucion) {
        DHSESI& s = d.sesiones.AnadirAlFinal()->dato;
        s.tipo = tipo;
        s.materia = ref(materia);
        s.grupo = ref(grupo);
        s.profesor = ref(profesor);
        s.aula = ref(d.aulas.Cabeza());
        s.conjuntoAlternativo = ref(d.tipos.NodoEnIndice(1));
        s.tarea = ref(d.tareas.Cabeza());
        s.departamento = ref(d.departamentos.Cabeza());
        s.opciones = d.marcos.valorInicialSesiones;
        s.tipoGrupoMateria = 'N';
        CopiarTexto(s.distribucion, distribucion);
        Mapas(s.plantilla, 3, Mapa(3));
        return d.sesiones.Cola();
    };
    Nodo* s0 = sesion(SESION_PRINCIPAL, mat, g1a, ana, "2");
    DHSESI& x = s0->dato;
    x.aula = ref(a1);
    x.conjuntoAlternativo = ref(labs);
    x.departamento = ref(ciencias);
    CopiarTexto(x.notas, "Notas <de> la sesi\xF3n");
    x.opciones.penaSesionMismaHora = 1;
    x.opciones.permitirImpartanEnDiasSeguidos = 2;
    x.opciones.noPermitirRecreosEntreSesiones = 1;
    x.opciones.penaCoincidan = 0x02;
    x.enDiasSeguidos = 1;
    Mapas(x.plantilla, 3, Mapa(3, {{0, 0, 0}, {1, 1, 4}}));
    // Companions are copies of their main record with a few fields changed.
    auto companera = [&](std::uint32_t tipo) {
        DHSESI& c = d.sesiones.AnadirAlFinal(s0->dato)->dato;
        c.tipo = tipo;
        return &c;
    };
    DHSESI* m = companera(SESION_MATERIA);
    m->materia = ref(fis);
    m->tarea = ref(tut);
    companera(SESION_PROFESOR)->profesor = ref(luis);
    DHSESI* sala = companera(SESION_SIMULTANEA);
    sala->aulaAdicional = 1;
    sala->aula = ref(a2);
    sala->conjuntoAlternativo = ref(d.tipos.Cabeza());
    sala->origenAula = 1;
    // A simultaneous session carries its block's options.
    sesion(SESION_SIMULTANEA, mat, g1b, luis, "2")->dato.opciones = x.opciones;
    Nodo* s1 = sesion(SESION_PRINCIPAL, mat, g1b, luis, "11");
    Nodo* s2 = sesion(SESION_PRINCIPAL, fis, g1a, ana, "111");
    s2->dato.tipoDistribucion = 1;
    s2->dato.numMaximoDeSesiones = 2;
    s2->dato.opcionesDistribucionVariable = 0x05;
    Nodo* s3 = sesion(SESION_PRINCIPAL, mat, g1b, ana, "21");
    s3->dato.tipoDistribucion = 2;
    s3->dato.numDistribucionesAlternativas = 2;
    CopiarTexto(s3->dato.distribucionesAlternativas[0], "111");
    CopiarTexto(s3->dato.distribucionesAlternativas[1], "3");

    // Relations, each on both sides.
    auto enlazar = [&](Nodo* a, Nodo* b, auto campoCuenta, auto campoRefs) {
        RelacionesSesion& ra = a->dato.relaciones;
        RelacionesSesion& rb = b->dato.relaciones;
        (ra.*campoRefs)[(ra.*campoCuenta)++] = ref(b);
        (rb.*campoRefs)[(rb.*campoCuenta)++] = ref(a);
    };
    using R = RelacionesSesion;
    enlazar(s0, s1, &R::numEnDistintoDia, &R::enDistintoDia);
    enlazar(s0, s2, &R::numNoConsecutivas, &R::noConsecutivas);
    enlazar(s1, s2, &R::numNoCoincidentes, &R::noCoincidentes);
    enlazar(s0, s3, &R::numIntercambiables, &R::profesoresIntercambiables);
    enlazar(s2, s3, &R::numPrevioPosterior, &R::previoPosterior); // s2 after s3
    s3->dato.relaciones.esPrevio[0] = 1;
    enlazar(s0, s3, &R::numSeparacion, &R::separacion);
    for (Nodo* s : {s0, s3}) {
        s->dato.relaciones.diasSeparacion[0] = 2;
        s->dato.relaciones.tipoSeparacion[0] = 0;
    }
    s1->dato.codigoConsecutivas = 3;
    s1->dato.consecutivaPrimera = ref(s2);
    s2->dato.codigoConsecutivas = 1;
    s2->dato.consecutivaPrimera = ref(s1);

    auto* o1 = Anadir(d.optativas, "Optativas");
    o1->dato.grupo = ref(g1a);
    o1->dato.maxSolapadas = 3;
    o1->dato.numSesiones = 1;
    o1->dato.sesiones[0] = ref(s2);
    o1->dato.solapable[0] = 1;

    auto* claustro = Anadir(d.reuniones, "Claustro");
    DHREUN& r = claustro->dato;
    r.numeroDeReuniones = 0x82;
    r.numIntegrantes = 2;
    r.integrantes[0] = ref(luis);
    r.integrantes[1] = ref(ana);
    r.tipoDeTarea = ref(tut);
    r.lectiva = 1;
    Mapas(r.plantilla, 1, Mapa(1, {{0, 1, 0}, {3, 0, 3}}));

    auto* pasillo = Anadir(d.guardias, "Pasillo");
    DHGUAR& gu = pasillo->dato;
    gu.tipoDeTarea = ref(d.tareas.NodoEnIndice(1));
    gu.cantidad = 2;
    gu.lectiva = 1;
    gu.porTramo = 1;
    std::memset(gu.cantidadTramo, 2, sizeof gu.cantidadTramo);
    gu.cantidadTramo[1][1] = 5;
    gu.numIntegrantes = 2;
    gu.integrantes[0] = ref(luis);
    gu.integrantes[1] = ref(ana);
    gu.numeroDeGuardias[0] = 3;
    gu.numeroDeGuardias[1] = 1;
    RellenarPlantillasIntegrantes(gu.mapasIntegrantes);
    gu.mapasIntegrantes[0][1] = Mapa(1, {{0, 0, 0}});
    Mapas(gu.plantilla, 1, Mapa(1, {{2, 0, 4}}));

    DHCOMP& c = d.complementarias.AnadirAlFinal()->dato;
    c.tarea = ref(tut);
    c.profesor = ref(luis);
    c.intervalosSemanales = 3;
    c.maxIntervalosDiarios = 2;
    c.noConsecutivos = 1;
    c.lectiva = 1;
    Mapas(c.plantilla, 1, Mapa(1, {{4, 1, 0}}));

    d.gruposAlejados.AnadirAlFinal(ref(g1b));
    d.gruposAlejados.AnadirAlFinal(ref(g1a));
    return datos;
}

std::unique_ptr<CDatos> EscritoYLeido(CDatos& origen) {
    CExportadorXML x(&origen);
    EXPECT_EQ(x.ExportarXML(ArchivoTemporal("registros.xml", "").c_str(), nullptr, 0), 1);
    auto leido = ModeloPreparado(1);
    ContextoLeerXml contexto;
    contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
    contexto.datos = leido.get();
    std::string mensaje;
    EXPECT_EQ(LeerXml(mensaje, ArchivoTemporal("registros.xml", x.Documento()).c_str(), contexto),
              1)
        << mensaje;
    return leido;
}

// The name of the record a reference designates ("" for none).
template <class T> std::string Nombre(const CDatos& d, const MCList<T>& lista, Ref r) {
    const auto* n = d.Resolver(lista, r);
    return n != nullptr ? n->dato.nombre : "";
}

int Posicion(const CDatos& d, Ref r) {
    const auto* n = d.Resolver(d.sesiones, r);
    return n != nullptr ? CalcularIndiceNodo(n) : -1;
}

// Fields compared as they are: texts as texts, numbers as numbers, maps and tables byte for
// byte (they have no padding).
template <std::size_t N> void Igual(const char (&a)[N], const char (&b)[N]) {
    EXPECT_STREQ(a, b);
}
template <class T> void Igual(const T& a, const T& b) {
    if constexpr (std::is_arithmetic_v<T>)
        EXPECT_EQ(+a, +b);
    else
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
}
template <class T, class... C> void Mismos(const T& a, const T& b, C T::*... campos) {
    (Igual(a.*campos, b.*campos), ...);
}

// Both lists hold the same records in the same order; `f` compares each pair.
template <class T, class F> void CadaPar(const MCList<T>& a, const MCList<T>& b, F f) {
    ASSERT_EQ(a.Cuenta(), b.Cuenta());
    for (auto x = a.begin(), y = b.begin(); x != a.end(); ++x, ++y) {
        SCOPED_TRACE(CalcularIndiceNodo(x.nodo()));
        f(*x, *y);
    }
}

TEST_F(IdaYVueltaRegistros, CadaRegistroYCadaRelacionVuelvenIguales) {
    auto origen = ModeloCompleto();
    auto leido = EscritoYLeido(*origen);
    const CDatos& a = *origen;
    const CDatos& b = *leido;
    EXPECT_TRUE(entorno.avisos.avisos.empty());
    // The same name behind two references, one of each model.
    auto mismo = [&](const auto& listaA, Ref ra, const auto& listaB, Ref rb) {
        EXPECT_EQ(Nombre(a, listaA, ra), Nombre(b, listaB, rb));
    };
    auto mismos = [&](const auto& listaA, const Ref* ra, const auto& listaB, const Ref* rb, int n) {
        for (int i = 0; i < n; ++i)
            mismo(listaA, ra[i], listaB, rb[i]);
    };

    CadaPar(a.aulas, b.aulas, [&](const DHAULA& x, const DHAULA& y) {
        Mismos(x, y, &DHAULA::nombre, &DHAULA::dedicada, &DHAULA::abreviatura, &DHAULA::descripcion,
               &DHAULA::claveDeExportacion, &DHAULA::numeroAlumnos, &DHAULA::plantilla);
    });
    EXPECT_EQ(b.marcos.numAulasGeneral, a.marcos.numAulasGeneral);
    CadaPar(a.tipos, b.tipos, [&](const DHTIPO& x, const DHTIPO& y) {
        Mismos(x, y, &DHTIPO::nombre, &DHTIPO::numAulas);
        mismos(a.aulas, x.aulas, b.aulas, y.aulas, x.numAulas);
    });
    // Tasks come back in name order: each is found by its name.
    ASSERT_EQ(b.tareas.Cuenta(), a.tareas.Cuenta());
    for (const DHTARE& x : a.tareas) {
        const auto* y = b.tareas.BuscarNombre(x.nombre);
        ASSERT_NE(y, nullptr) << x.nombre;
        Mismos(x, y->dato, &DHTARE::nombreCompleto, &DHTARE::claveDeExportacion,
               &DHTARE::plantilla);
    }
    mismo(a.tareas, a.marcos.lectivaPorDefecto, b.tareas, b.marcos.lectivaPorDefecto);
    mismo(a.tareas, a.marcos.guardiaPorDefecto, b.tareas, b.marcos.guardiaPorDefecto);
    mismo(a.tareas, a.marcos.reunionPorDefecto, b.tareas, b.marcos.reunionPorDefecto);
    CadaPar(a.departamentos, b.departamentos, [&](const DHDEPT& x, const DHDEPT& y) {
        Mismos(x, y, &DHDEPT::nombre, &DHDEPT::nombreCompleto, &DHDEPT::mensajeAlDepartamento,
               &DHDEPT::claveDeExportacion, &DHDEPT::email);
    });
    CadaPar(a.profesores, b.profesores, [&](const DHPROF& x, const DHPROF& y) {
        Mismos(x, y, &DHPROF::nombre, &DHPROF::nombreCompleto, &DHPROF::abreviatura,
               &DHPROF::claveDeExportacion, &DHPROF::tomaDePosesion, &DHPROF::mensaje,
               &DHPROF::email, &DHPROF::horarioAsoc, &DHPROF::daPracticas,
               &DHPROF::reduccionCargaLectiva, &DHPROF::plantilla);
        EXPECT_STREQ(CDatos::NodoDe<DHDEPT>(x.departamento)->dato.nombre,
                     CDatos::NodoDe<DHDEPT>(y.departamento)->dato.nombre);
        using O = OpcionesProfesor;
        Mismos(x.opciones, y.opciones, &O::periodoLibreTardes, &O::periodoLibreMananas,
               &O::periodoLibreJornadaPartida, &O::permanenciaSemanal, &O::maximasHorasSeguidas,
               &O::salirUltimaEntrarPrimera, &O::salirUltimaMananaEntrarPrimeraTarde,
               &O::incompatibilidadesProhibidas, &O::noEliminarHuecos, &O::prioridad,
               &O::tipoDePeriodo, &O::cantidadDeDias, &O::intervalosLibres, &O::incompatibilidades,
               &O::minimizarDiasOcupados, &O::considerarMaximasHorasDiarias,
               &O::valorMaximasHorasCalculado, &O::considerarMinimasHorasDiarias,
               &O::valorMinimasHorasCalculado, &O::nIntervalosSalirUltimaEntrarPrimera,
               &O::nIntervalosEntrarPrimeraSalirUltima, &O::permanenciaDiariaEstricta,
               &O::permanenciaDiaria, &O::penalizarAlrededorGuardiaRecreo);
    });
    EXPECT_EQ(En(b.profesores, 1).opciones.permanenciaSemanalEstricta, 80);
    EXPECT_EQ(En(b.profesores, 2).opciones.permanenciaSemanalEstricta, 25 + 60);
    CadaPar(a.materias, b.materias, [&](const DHMATE& x, const DHMATE& y) {
        Mismos(x, y, &DHMATE::nombre, &DHMATE::nombreCompleto, &DHMATE::abreviatura,
               &DHMATE::claveDeExportacion, &DHMATE::esTutoria, &DHMATE::esDePractica,
               &DHMATE::plantilla);
        mismo(a.departamentos, x.departamento, b.departamentos, y.departamento);
    });
    CadaPar(a.cursos, b.cursos, [&](const DHCURSO& x, const DHCURSO& y) {
        Mismos(x, y, &DHCURSO::nombre, &DHCURSO::nombreCompleto, &DHCURSO::claveDeExportacion);
    });
    auto pares = [](const CDatos& d) {
        std::set<std::tuple<std::string, std::string, float>> s;
        for (const DHMATCUR& e : d.matCur)
            s.emplace(Nombre(d, d.materias, e.materia), Nombre(d, d.cursos, e.curso),
                      e.numSesiones);
        return s;
    };
    EXPECT_EQ(pares(b), pares(a));
    CadaPar(a.grupos, b.grupos, [&](const DHGRUP& x, const DHGRUP& y) {
        Mismos(x, y, &DHGRUP::nombre, &DHGRUP::abreviatura, &DHGRUP::nombreCompleto,
               &DHGRUP::claveDeExportacion, &DHGRUP::submarco, &DHGRUP::tardesLibres,
               &DHGRUP::numeroAlumnos, &DHGRUP::noAdmiteHuecos, &DHGRUP::huecosEnNoPreferentes,
               &DHGRUP::plantilla);
        mismo(a.cursos, x.cursoPerteneciente, b.cursos, y.cursoPerteneciente);
        mismo(a.profesores, x.profesorTutor, b.profesores, y.profesorTutor);
        mismo(a.aulas, x.aula, b.aulas, y.aula);
    });

    // Sessions record by record, in list order; each record's id is its session's position.
    int posicion = -1;
    int propia = 0;
    CadaPar(a.sesiones, b.sesiones, [&](const DHSESI& s, const DHSESI& t) {
        ++posicion;
        Mismos(s, t, &DHSESI::tipo, &DHSESI::aulaAdicional, &DHSESI::distribucion,
               &DHSESI::tipoDistribucion, &DHSESI::numMaximoDeSesiones,
               &DHSESI::opcionesDistribucionVariable, &DHSESI::numDistribucionesAlternativas,
               &DHSESI::distribucionesAlternativas, &DHSESI::tipoGrupoMateria,
               &DHSESI::numeroAlumnos, &DHSESI::origenAula, &DHSESI::plantilla);
        const bool sola = s.tipo == SESION_PRINCIPAL || EsSimultanea(s);
        if (sola) {
            propia = posicion;
            EXPECT_STREQ(s.grupoMateria, t.grupoMateria);
        }
        EXPECT_EQ(t.id, propia);
        mismo(a.materias, s.materia, b.materias, t.materia);
        mismo(a.grupos, s.grupo, b.grupos, t.grupo);
        mismo(a.profesores, s.profesor, b.profesores, t.profesor);
        mismo(a.aulas, s.aula, b.aulas, t.aula);
        mismo(a.tipos, s.conjuntoAlternativo, b.tipos, t.conjuntoAlternativo);
        mismo(a.tareas, s.tarea, b.tareas, t.tarea);
        const bool sinDepartamento =
            a.Resolver(a.departamentos, s.departamento) == a.departamentos.Cabeza();
        mismo(a.departamentos,
              sinDepartamento ? a.Registro(a.materias, s.materia)->departamento : s.departamento,
              b.departamentos, t.departamento);
        std::string notas = s.notas;
        std::erase_if(notas, [](char c) { return c == '<' || c == '>'; });
        EXPECT_EQ(notas, t.notas);
        const OpcionesSesion& o = s.opciones;
        const OpcionesSesion& p = t.opciones;
        EXPECT_EQ(std::tie(o.permitirImpartanEnDiasSeguidos, o.considerarLunesViernesSeguidos,
                           o.penaSesionesAPrimera, o.penaSesionesAUltima, o.penaSesionMismaHora,
                           o.penaCoincidan, o.noPermitirRecreosEntreSesiones,
                           o.recreosSeparanSesionesContinuas, o.penaSalirUltimaEntrarPrimera,
                           o.mismaPosicionDistintosPeriodos),
                  std::tie(p.permitirImpartanEnDiasSeguidos, p.considerarLunesViernesSeguidos,
                           p.penaSesionesAPrimera, p.penaSesionesAUltima, p.penaSesionMismaHora,
                           p.penaCoincidan, p.noPermitirRecreosEntreSesiones,
                           p.recreosSeparanSesionesContinuas, p.penaSalirUltimaEntrarPrimera,
                           p.mismaPosicionDistintosPeriodos));
        if (s.tipo != SESION_PRINCIPAL) return;
        Mismos(s, t, &DHSESI::enDiasSeguidos, &DHSESI::codigoConsecutivas);
        EXPECT_EQ(Posicion(a, s.consecutivaPrimera) + 1, static_cast<int>(t.consecutivaPrimera));
        const RelacionesSesion& r = s.relaciones;
        const RelacionesSesion& q = t.relaciones;
        using R = RelacionesSesion;
        Mismos(r, q, &R::numEnDistintoDia, &R::numNoConsecutivas, &R::numNoCoincidentes,
               &R::numIntercambiables, &R::numPrevioPosterior, &R::esPrevio, &R::numSeparacion,
               &R::diasSeparacion, &R::tipoSeparacion);
        auto posiciones = [](const CDatos& d, const Ref* refs, int n) {
            std::vector<int> v;
            for (int i = 0; i < n; ++i)
                v.push_back(Posicion(d, refs[i]));
            return v;
        };
        using Fila = std::tuple<const Ref*, const Ref*, int>;
        for (const auto& [ra, rb, n] : std::initializer_list<Fila>{
                 {r.enDistintoDia, q.enDistintoDia, r.numEnDistintoDia},
                 {r.noConsecutivas, q.noConsecutivas, r.numNoConsecutivas},
                 {r.noCoincidentes, q.noCoincidentes, r.numNoCoincidentes},
                 {r.profesoresIntercambiables, q.profesoresIntercambiables, r.numIntercambiables},
                 {r.previoPosterior, q.previoPosterior, r.numPrevioPosterior},
                 {r.separacion, q.separacion, r.numSeparacion}})
            EXPECT_EQ(posiciones(a, ra, n), posiciones(b, rb, n));
    });
    CadaPar(a.optativas, b.optativas, [&](const DHOPTATIVAS& x, const DHOPTATIVAS& y) {
        Mismos(x, y, &DHOPTATIVAS::nombre, &DHOPTATIVAS::maxSolapadas, &DHOPTATIVAS::numSesiones,
               &DHOPTATIVAS::solapable);
        mismo(a.grupos, x.grupo, b.grupos, y.grupo);
        EXPECT_EQ(Posicion(a, x.sesiones[0]), Posicion(b, y.sesiones[0]));
    });

    CadaPar(a.reuniones, b.reuniones, [&](const DHREUN& x, const DHREUN& y) {
        Mismos(x, y, &DHREUN::nombre, &DHREUN::numeroDeReuniones, &DHREUN::numIntegrantes,
               &DHREUN::lectiva, &DHREUN::subMarco, &DHREUN::plantilla);
        mismos(a.profesores, x.integrantes, b.profesores, y.integrantes, x.numIntegrantes);
        mismo(a.tareas, x.tipoDeTarea, b.tareas, y.tipoDeTarea);
    });
    CadaPar(a.guardias, b.guardias, [&](const DHGUAR& x, const DHGUAR& y) {
        Mismos(x, y, &DHGUAR::nombre, &DHGUAR::cantidad, &DHGUAR::porTramo, &DHGUAR::cantidadTramo,
               &DHGUAR::enRecreos, &DHGUAR::lectiva, &DHGUAR::numIntegrantes,
               &DHGUAR::numeroDeGuardias, &DHGUAR::mapasIntegrantes, &DHGUAR::plantilla);
        mismos(a.profesores, x.integrantes, b.profesores, y.integrantes, x.numIntegrantes);
        mismo(a.tareas, x.tipoDeTarea, b.tareas, y.tipoDeTarea);
    });
    CadaPar(a.complementarias, b.complementarias, [&](const DHCOMP& x, const DHCOMP& y) {
        Mismos(x, y, &DHCOMP::intervalosSemanales, &DHCOMP::maxIntervalosDiarios,
               &DHCOMP::noConsecutivos, &DHCOMP::lectiva, &DHCOMP::plantilla);
        mismo(a.tareas, x.tarea, b.tareas, y.tarea);
        mismo(a.profesores, x.profesor, b.profesores, y.profesor);
    });
    CadaPar(a.gruposAlejados, b.gruposAlejados,
            [&](Ref x, Ref y) { mismo(a.grupos, x, b.grupos, y); });
}

} // namespace
