#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "model/datos.h"
#include "tests/common/modelo.h"

namespace {

using prueba::ModeloPreparado;
using prueba::Nombres;

TEST(CDatos, StateAfterTheFlowsSetUp) {
    for (int modo : {0, 1}) {
        auto d = ModeloPreparado(modo);
        EXPECT_EQ(d->modo, modo);
        EXPECT_EQ(Nombres(d->aulas), std::vector<std::string>{"<cualquiera>"});
        EXPECT_EQ(Nombres(d->tipos), (std::vector<std::string>{"< no >", "<general>"}));
        EXPECT_EQ(Nombres(d->departamentos), std::vector<std::string>{"<ninguno>"});
        EXPECT_EQ(Nombres(d->profesores), std::vector<std::string>{"       __     "});
        EXPECT_EQ(Nombres(d->cursos), std::vector<std::string>{"       __     "});
        EXPECT_EQ(Nombres(d->tareas), (std::vector<std::string>{"LEC", "G", "RDP"}));
        EXPECT_TRUE(d->grupos.Vacia() && d->materias.Vacia() && d->sesiones.Vacia());
        EXPECT_TRUE(d->reuniones.Vacia() && d->guardias.Vacia() && d->complementarias.Vacia());
        EXPECT_TRUE(d->matCur.Vacia() && d->optativas.Vacia() && d->gruposAlejados.Vacia());

        EXPECT_EQ(d->marcos.numPeriodos, 1);
        EXPECT_EQ(d->marcos.numMarcos, 1);
        EXPECT_EQ(d->marcos.bloques[0][0].numLectivos, 2);
        EXPECT_EQ(d->colocacion.Filas(), 0);
        EXPECT_TRUE(d->colocacion.Entradas().empty());
        EXPECT_EQ(d->tablaMarcos, nullptr);
        for (const auto& celda : d->colocacion.CeldasGuardias())
            ASSERT_EQ(celda.cuenta, 0);

        const BloqueOtros& o = d->otros;
        EXPECT_EQ(o.permitirAgregarProfesor, 1);
        EXPECT_EQ(o.permitirAgregarDepartamento + o.permitirAgregarAsignatura +
                      o.permitirCamDepProfesor + o.permitirCamDepAsignatura + o.permitirCamDuracion,
                  0);
        EXPECT_EQ(o.permitirCamHorasReduccion, 1);
        EXPECT_EQ(o.cantidadDeProhibidos, 0);
        EXPECT_EQ(o.cantidadDePrefNo1, 5);
        EXPECT_EQ(o.cantidadDePrefNo2, 5);
        EXPECT_EQ(o.definirTutor + o.elegirGrupoTutor + o.hacerGuardias + o.cambiarAula +
                      o.permitirDistAlt,
                  5);
        EXPECT_EQ(std::string(o.texto), "");
    }
}

TEST(CDatos, BuiltInRecordsCarryTheirFields) {
    auto d = ModeloPreparado(0);
    const DHAULA& aula = d->aulas.Cabeza()->dato;
    EXPECT_EQ(aula.plantilla[5][3].celdas[55], 3906); // all cells 1
    const DHTARE& lec = d->tareas.Cabeza()->dato;
    EXPECT_EQ(std::string(lec.nombreCompleto), "Docencia directa con alumnos");
    EXPECT_EQ(std::string(lec.claveDeExportacion), "LEC");
    EXPECT_EQ(lec.plantilla[0][0].celdas[0], 11718); // all cells 3
    EXPECT_EQ(std::string(d->tareas.NodoEnIndice(2)->dato.nombreCompleto),
              "Reuni\xF3n de departamento");
    const DHPROF& p = d->profesores.Cabeza()->dato;
    EXPECT_EQ(std::string(p.abreviatura), "       __     ");
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(p.departamento), d->departamentos.Cabeza());
    EXPECT_EQ(std::memcmp(&p.opciones, &d->marcos.valorInicialProfesores, sizeof p.opciones), 0);
    EXPECT_EQ(std::string(d->cursos.Cabeza()->dato.nombreCompleto), "       __     ");
}

TEST(CDatos, DefaultTaskLinksAreNodesInMode0AndIndicesInMode1) {
    auto d0 = ModeloPreparado(0);
    EXPECT_EQ(CDatos::NodoDe<DHTARE>(d0->marcos.lectivaPorDefecto), d0->tareas.NodoEnIndice(0));
    EXPECT_EQ(CDatos::NodoDe<DHTARE>(d0->marcos.guardiaPorDefecto), d0->tareas.NodoEnIndice(1));
    EXPECT_EQ(CDatos::NodoDe<DHTARE>(d0->marcos.reunionPorDefecto), d0->tareas.NodoEnIndice(2));

    auto d1 = ModeloPreparado(1);
    EXPECT_EQ(d1->marcos.lectivaPorDefecto, 0u);
    EXPECT_EQ(d1->marcos.guardiaPorDefecto, 1u);
    EXPECT_EQ(d1->marcos.reunionPorDefecto, 2u);
    // Find-or-create finds the built-in task: nothing is added.
    d1->AnadirTareaReunion(true);
    d1->AnadirTareaLectiva(true);
    EXPECT_EQ(d1->marcos.reunionPorDefecto, 2u);
    EXPECT_EQ(d1->marcos.lectivaPorDefecto, 0u);
    EXPECT_EQ(d1->tareas.Cuenta(), 3);
    // After an empty task list the tasks are created again.
    d1->tareas.Vaciar();
    d1->AnadirTareaGuardia(true);
    d1->AnadirTareaLectiva(true);
    EXPECT_EQ(Nombres(d1->tareas), (std::vector<std::string>{"G", "LEC"}));
    EXPECT_EQ(d1->marcos.lectivaPorDefecto, 1u);
}

TEST(CDatos, ReferencesByMode) {
    auto d0 = ModeloPreparado(0);
    auto d1 = ModeloPreparado(1);
    for (auto* d : {d0.get(), d1.get()}) {
        auto* rdp = d->tareas.NodoEnIndice(2);
        const Ref r = d->Referencia<DHTARE>(rdp);
        EXPECT_EQ(d->Resolver(d->tareas, r), rdp);
        EXPECT_EQ(std::string(d->Registro(d->tareas, r)->nombre), "RDP");
    }
    EXPECT_EQ(d1->Referencia<DHTARE>(d1->tareas.NodoEnIndice(2)), 2u);
    EXPECT_EQ(d1->Referencia<DHTARE>(nullptr), 0u);  // missing -> index 0
    EXPECT_EQ(d1->Resolver(d1->tareas, 3), nullptr); // out of range -> none
    EXPECT_EQ(d0->Resolver(d0->tareas, 0), nullptr);
}

MCList<DHMATE>::Nodo* Materia(CDatos& d, const char* nombre) {
    auto* n = d.materias.AnadirAlFinal();
    CopiarTexto(n->dato.nombre, nombre);
    return n;
}
MCList<DHCURSO>::Nodo* Curso(CDatos& d, const char* nombre) {
    auto* n = d.cursos.AnadirAlFinal();
    CopiarTexto(n->dato.nombre, nombre);
    return n;
}

TEST(CDatos, AnadirMatCurBoundsAndDuplicates) {
    auto d = ModeloPreparado(1);
    auto* m = Materia(*d, "LEN");
    auto* c1 = Curso(*d, "1A");
    auto* c2 = Curso(*d, "1B");
    auto* c3 = Curso(*d, "1C");
    auto* c4 = Curso(*d, "1D");
    d->AnadirMatCur(m, c1, 0.5f);
    d->AnadirMatCur(m, c2, 25.0f);
    d->AnadirMatCur(m, c3, 25.5f);
    d->AnadirMatCur(m, c4, 3.0f);
    d->AnadirMatCur(m, c4, 7.0f); // the same pair: nothing added
    ASSERT_EQ(d->matCur.Cuenta(), 4);
    std::vector<float> v;
    for (const DHMATCUR& p : d->matCur)
        v.push_back(p.numSesiones);
    EXPECT_EQ(v, (std::vector<float>{1.0f, 25.0f, 1.0f, 3.0f}));
    // Mode 1 stores indices, in arrival order.
    EXPECT_EQ(d->matCur.Cabeza()->dato.materia, 0u);
    EXPECT_EQ(d->matCur.Cabeza()->dato.curso, 1u);
    EXPECT_EQ(d->matCur.Cola()->dato.curso, 4u);
}

TEST(CDatos, MatCurOrderedBySubjectThenCourseInMode0) {
    auto d = ModeloPreparado(0);
    auto* len = Materia(*d, "LEN");
    auto* cas = Materia(*d, "CAS");
    auto* ing = Materia(*d, "ING");
    auto* a = Curso(*d, "1 ESO A");
    auto* b = Curso(*d, "1 ESO B");
    d->AnadirMatCur(len, a, 4);
    d->AnadirMatCur(cas, b, 3);
    d->AnadirMatCur(ing, a, 26);
    d->AnadirMatCur(cas, a, 5);
    d->AnadirMatCur(cas, a, 9); // duplicate
    std::vector<std::string> v;
    for (const DHMATCUR& p : d->matCur)
        v.push_back(std::string(CDatos::NodoDe<DHMATE>(p.materia)->dato.nombre) + "/" +
                    CDatos::NodoDe<DHCURSO>(p.curso)->dato.nombre + "/" +
                    std::to_string(static_cast<int>(p.numSesiones)));
    EXPECT_EQ(v, (std::vector<std::string>{"CAS/1 ESO A/5", "CAS/1 ESO B/3", "ING/1 ESO A/1",
                                           "LEN/1 ESO A/4"}));
    // A pair equal in both names goes before the existing one.
    DHMATCUR igual{};
    igual.materia = CDatos::RefDeNodo<DHMATE>(cas);
    igual.curso = CDatos::RefDeNodo<DHCURSO>(a);
    igual.numSesiones = 2;
    auto* nuevo = d->InsertarMatCurOrdenada(igual);
    EXPECT_EQ(nuevo, d->matCur.Cabeza());
    EXPECT_EQ(nuevo->dato.numSesiones, 2.0f);
}

// The pairs' order is kept by an index: many pairs, names equal under the comparison but not
// byte for byte, and a list changed behind its back must still give the order of a walk from
// the head.
TEST(CDatos, MatCurOrderMatchesAWalkFromTheHead) {
    auto d = ModeloPreparado(0);
    const char* materias[] = {"Len", "LEN", "l\xE9n", "Cas", "ING", "ing", "\xD1U", "NU"};
    const char* cursos[] = {"1A", "1a", "2B", "1\xC1"};
    std::vector<MCList<DHMATE>::Nodo*> m;
    std::vector<MCList<DHCURSO>::Nodo*> c;
    for (const char* n : materias)
        m.push_back(Materia(*d, n));
    for (const char* n : cursos)
        c.push_back(Curso(*d, n));
    auto nombre = [](const DHMATCUR& p) {
        return std::string(CDatos::NodoDe<DHMATE>(p.materia)->dato.nombre) + "/" +
               CDatos::NodoDe<DHCURSO>(p.curso)->dato.nombre + "/" +
               std::to_string(static_cast<int>(p.numSesiones));
    };
    // The reference: the walk, on a plain vector.
    std::vector<DHMATCUR> esperado;
    auto insertar = [&](const DHMATCUR& par) {
        auto menor = [](const char* a, const char* b) { return plataforma::CompararNombres(a, b); };
        auto it = esperado.begin();
        for (; it != esperado.end(); ++it) {
            const auto cm = menor(CDatos::NodoDe<DHMATE>(par.materia)->dato.nombre,
                                  CDatos::NodoDe<DHMATE>(it->materia)->dato.nombre);
            if (cm == plataforma::Comparacion::Menor) break;
            if (cm == plataforma::Comparacion::Igual &&
                menor(CDatos::NodoDe<DHCURSO>(par.curso)->dato.nombre,
                      CDatos::NodoDe<DHCURSO>(it->curso)->dato.nombre) !=
                    plataforma::Comparacion::Mayor)
                break;
        }
        esperado.insert(it, par);
    };
    auto comprobar = [&] {
        std::vector<std::string> a, b;
        for (const DHMATCUR& p : d->matCur)
            a.push_back(nombre(p));
        for (const DHMATCUR& p : esperado)
            b.push_back(nombre(p));
        EXPECT_EQ(a, b);
    };
    int k = 0;
    for (std::size_t i = 0; i < 40; ++i) {
        DHMATCUR par{};
        par.materia = CDatos::RefDeNodo<DHMATE>(m[(i * 5) % m.size()]);
        par.curso = CDatos::RefDeNodo<DHCURSO>(c[(i * 3) % c.size()]);
        par.numSesiones = static_cast<float>(++k);
        insertar(par);
        d->InsertarMatCurOrdenada(par);
    }
    comprobar();
    // A pair appended out of order: later inserts walk the list as it stands.
    DHMATCUR fuera{};
    fuera.materia = CDatos::RefDeNodo<DHMATE>(m[3]);
    fuera.curso = CDatos::RefDeNodo<DHCURSO>(c[0]);
    fuera.numSesiones = 99;
    d->matCur.AnadirAlFinal(fuera);
    esperado.push_back(fuera);
    for (std::size_t i = 0; i < 8; ++i) {
        DHMATCUR par{};
        par.materia = CDatos::RefDeNodo<DHMATE>(m[i]);
        par.curso = CDatos::RefDeNodo<DHCURSO>(c[i % c.size()]);
        par.numSesiones = static_cast<float>(++k);
        insertar(par);
        d->InsertarMatCurOrdenada(par);
    }
    comprobar();
    // A pair removed from the list may be added again.
    auto* primero = d->matCur.Cabeza();
    const DHMATCUR quitado = primero->dato;
    d->matCur.Quitar(primero);
    EXPECT_FALSE(d->ExisteMatCur(quitado.materia, quitado.curso));
    d->AnadirMatCur(CDatos::NodoDe<DHMATE>(quitado.materia), CDatos::NodoDe<DHCURSO>(quitado.curso),
                    1);
    EXPECT_TRUE(d->ExisteMatCur(quitado.materia, quitado.curso));
}

MCList<DHSESI>::Nodo* Registro(CDatos& d, std::uint32_t tipo, int id, int aulaAdicional = 0) {
    DHSESI s{};
    s.tipo = tipo;
    s.id = id;
    s.aulaAdicional = static_cast<decltype(s.aulaAdicional)>(aulaAdicional);
    return d.sesiones.AnadirAlFinal(s);
}

// The lookups by id keep the first match of a walk from the head, and follow the list.
TEST(CDatos, SessionsByIdFollowTheListAndItsChanges) {
    auto d = ModeloPreparado(1);
    // A simultaneous record before any main record stands for no session.
    auto* s0 = Registro(*d, SESION_SIMULTANEA, 7);
    auto* m1 = Registro(*d, SESION_PRINCIPAL, 1);
    auto* sala = Registro(*d, SESION_SIMULTANEA, 2, 1); // a further room
    auto* s2 = Registro(*d, SESION_SIMULTANEA, 2);
    Registro(*d, 'M', 3);
    auto* m2 = Registro(*d, SESION_PRINCIPAL, 2);
    auto* m1b = Registro(*d, SESION_PRINCIPAL, 1);
    EXPECT_EQ(d->SesionPorId(7), nullptr);
    EXPECT_EQ(d->SesionPropiaPorId(7), s0);
    EXPECT_EQ(d->SesionPorId(1), m1);
    EXPECT_EQ(d->SesionPorId(2), m1); // the main record before the simultaneous one
    EXPECT_EQ(d->SesionPropiaPorId(2), s2);
    EXPECT_EQ(d->SesionPrincipalPorId(2), m2);
    EXPECT_EQ(d->RegistroSesionPorId(2), sala);
    EXPECT_EQ(d->SesionPorId(3), nullptr); // a subject companion is no session
    EXPECT_EQ(d->SesionPorId(9), nullptr);
    // Moves and removals.
    d->sesiones.Mover(m1b, m1);
    EXPECT_EQ(d->SesionPorId(1), m1b);
    d->sesiones.Quitar(m1b);
    d->sesiones.Quitar(s2);
    EXPECT_EQ(d->SesionPorId(2), m2);
    EXPECT_EQ(d->SesionPropiaPorId(2), m2);
    // A change in place, announced.
    m1->dato.id = 9;
    d->SesionesCambiadas();
    EXPECT_EQ(d->SesionPorId(1), nullptr);
    EXPECT_EQ(d->SesionPorId(9), m1);
    m2->dato.tipo = SESION_SIMULTANEA;
    d->SesionesCambiadas();
    EXPECT_EQ(d->SesionPrincipalPorId(2), nullptr);
    EXPECT_EQ(d->SesionPorId(2), m1);
}

// The changes that make a simultaneous block keep the lookup of main records without a new
// pass; it must still answer as a walk would.
TEST(CDatos, MainRecordsByIdFollowTheMakingOfSimultaneousBlocks) {
    auto d = ModeloPreparado(1);
    auto* a = Registro(*d, SESION_PRINCIPAL, 1);
    auto* b = Registro(*d, SESION_PRINCIPAL, 2);
    auto* companero = Registro(*d, 'P', 2);
    auto* b2 = Registro(*d, SESION_PRINCIPAL, 2); // the same id again
    auto recorrer = [&](int id) -> MCList<DHSESI>::Nodo* {
        for (auto* n = d->sesiones.Cabeza(); n != nullptr; n = n->siguiente)
            if (n->dato.tipo == SESION_PRINCIPAL && n->dato.id == id) return n;
        return nullptr;
    };
    EXPECT_EQ(d->SesionPrincipalPorId(2), b);
    d->ConvertirEnSimultanea(b);
    d->MoverRegistroSesion(b, a->siguiente);
    d->MoverRegistroSesion(companero, b->siguiente);
    EXPECT_EQ(d->SesionPrincipalPorId(2), b2);
    EXPECT_EQ(d->SesionPrincipalPorId(2), recorrer(2));
    EXPECT_EQ(d->SesionPrincipalPorId(1), a);
    EXPECT_EQ(d->SesionPropiaPorId(2), b);
    EXPECT_EQ(d->SesionPorId(2), a);
    // Moving a main record is seen as any other change.
    d->MoverRegistroSesion(b2, a);
    EXPECT_EQ(d->sesiones.Cabeza(), b2);
    EXPECT_EQ(d->SesionPorId(2), b2);
    d->ConvertirEnSimultanea(b2);
    EXPECT_EQ(d->SesionPrincipalPorId(2), nullptr);
    EXPECT_EQ(d->SesionPorId(2), nullptr); // a simultaneous record before any main record
}

TEST(CDatos, VaciarKeepsTimeSlotsAndTheRecessTableIsCleared) {
    auto d = ModeloPreparado(1);
    DHCLAVIMPOR c{};
    c.indice = 3;
    d->clavesImportadas.AnadirAlFinal(c);
    d->colocacion.CeldaGuardias(1, 2, 3, 4).cuenta = 1;
    d->notas = "notas";
    d->extensiones = "<x/>";
    d->Vaciar();
    EXPECT_EQ(d->clavesImportadas.Cuenta(), 1);
    EXPECT_EQ(d->notas, "notas");
    EXPECT_EQ(d->extensiones, "");
    EXPECT_TRUE(d->profesores.Vacia() && d->tareas.Vacia() && d->tipos.Vacia());
    EXPECT_EQ(d->colocacion.CeldaGuardias(1, 2, 3, 4).cuenta, 0);
    EXPECT_EQ(TablaColocacion::NumeroCeldaGuardias(1, 2, 3, 4), 4 + 6 * (3 + 4 * (2 + 4 * 1)));
}

TEST(CDatos, OccupancyQueriesOnMissingGridsFindNothing) {
    auto d = ModeloPreparado(1);
    d->marcos.numMarcos = 2;
    d->marcos.bloques[1][0] = d->marcos.bloques[0][0];
    d->marcosHorario->Recalcular();
    d->colocacion.FijarFilas(3); // rows without grids (the table could not be built)
    EXPECT_EQ(d->colocacion.EntradaEnCelda(0, 1, 0, 0, 0), nullptr);
    EXPECT_TRUE(d->colocacion.ComprobarLibreEnOtrosMarcos(0, 0, 0, 0, 0));

    // A grid with an entry in frame B is found from frame A through the overlap list.
    ENTRADACOLOCACION e{};
    e.profesor = 7;
    d->colocacion.AnadirEntrada(e);
    d->colocacion.CrearRejilla(0, 1);
    ASSERT_EQ(d->colocacion.Rejilla(0, 1).size(), static_cast<std::size_t>(3 * 56 * 6));
    *d->colocacion.CeldaRejilla(0, 1, 2, 0, 1) = 1;
    EXPECT_EQ(d->colocacion.BuscarOcupanteEnOtrosMarcos(0, 0, 1, 2, 0, 0),
              &d->colocacion.Entradas()[0]);
    EXPECT_FALSE(d->colocacion.ComprobarLibreEnOtrosMarcos(0, 0, 1, 2, 0));
    EXPECT_TRUE(d->colocacion.ComprobarLibreEnOtrosMarcos(0, 0, 0, 2, 0));
    EXPECT_EQ(d->colocacion.EntradaEnCelda(0, 1, 2, 0, 3), nullptr); // row outside the grid
    EXPECT_EQ(d->colocacion.EntradaEnCelda(6, 1, 2, 0, 1), nullptr); // period outside the grids
}

TEST(CDatos, DestroyingAModelWithoutGridsIsClean) {
    auto d = std::make_unique<CDatos>(0);
    d.reset();
    SUCCEED();
}

} // namespace
