// Whole data files read into a model, the lists checked in order.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "iesfiles/lector_ies.h"
#include "model/textos.h"
#include "platform/error.h"
#include "tests/common/no_regulares.h"
#include "tests/iesfiles/generador.h"

namespace {

using namespace prueba;
using V = std::vector<std::string>;

std::string TextoError(std::uint32_t codigo) {
    std::string t;
    ObtenerTextoError(codigo, t);
    return t;
}

// Every cell of every map holds `valor`.
template <std::size_t P, std::size_t F>
bool MapasUniformes(const MapaEmpaquetado (&mapas)[P][F], int valor) {
    for (const auto& fila : mapas)
        for (const auto& m : fila) {
            MapaDisponibilidad d;
            DesempaquetarMapa(m, d);
            for (const auto& dia : d.celdas)
                for (std::int8_t c : dia)
                    if (c != valor) return false;
        }
    return true;
}

std::string Horas(const HorasTramo& h) {
    char t[64];
    std::snprintf(t, sizeof t, "%02d:%02d-%02d:%02d", h.horaEntrada, h.minutoEntrada, h.horaSalida,
                  h.minutoSalida);
    return t;
}
V Intervalos(const CDatos& d) {
    const BloqueMarcoDia& b = d.marcos.bloques[0][0];
    V v;
    for (int i = 0; i < b.numLectivos; ++i)
        v.push_back(Horas(b.horas[i]) + " " + b.nombres[i]);
    return v;
}

V Pares(const CDatos& d) {
    V v;
    for (const DHMATCUR& p : d.matCur) {
        char t[128];
        std::snprintf(t, sizeof t, "%s/%s %.1f", CDatos::NodoDe<DHMATE>(p.materia)->dato.nombre,
                      CDatos::NodoDe<DHCURSO>(p.curso)->dato.nombre, p.numSesiones);
        v.push_back(t);
    }
    return v;
}

template <class T> const T& En(const MCList<T>& l, int i) {
    return l.NodoEnIndice(i)->dato;
}

// The golden file: one or more records in every section.
FicheroIes Referencia() {
    FicheroIes f;
    f.Departamento("MAT", "Matem\xA0ticas");
    f.Grupo("1A", "1", "1 ESO A").Grupo("1B", "1", "1 ESO B");
    f.Materia("CIENCIAS DE LA NATURALEZA", "CN", "MAT", "").Materia("TUTORIA", "TUT", "", "TUT");
    f.Profesor("GARCIA LOPEZ, ANA", "P01", "MAT").Profesor("ABCD EFGH", "P02", "FQ");
    f.Aula("A1", "AULA 1");
    f.Tarea("GU", "GUARDIA").Tarea("10", "TUTORIA LECTIVA");
    f.Intervalo("1000  1050  3").Intervalo("0830  0920  1").Intervalo("0925  1015  2");
    f.MateCur("CN", "1", 0x04).MateCur("TUT", "1", 0x1E).MateCur("cn", "1", 0x03);
    return f;
}

TEST(LectorIes, GoldenFile) {
    const std::string bytes = Referencia().Bytes();
    ASSERT_EQ(bytes.size(), 978u);
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(bytes, *d), 1);

    EXPECT_EQ(Nombres(d->departamentos), (V{"<ninguno>", "MAT", "FQ"}));
    EXPECT_STREQ(En(d->departamentos, 1).nombreCompleto, "Matem\xE1ticas");
    EXPECT_STREQ(En(d->departamentos, 2).nombreCompleto, "FQ");
    auto* mat = d->departamentos.NodoEnIndice(1);
    auto* fq = d->departamentos.NodoEnIndice(2);

    EXPECT_EQ(Nombres(d->cursos), (V{"       __     ", "1 ESO A"}));
    const DHCURSO& curso = En(d->cursos, 1);
    EXPECT_STREQ(curso.nombreCompleto, "1 ESO A");
    EXPECT_STREQ(curso.claveDeExportacion, "1");
    EXPECT_EQ(Nombres(d->grupos), (V{"1A", "1B"}));
    for (const DHGRUP& g : d->grupos) {
        EXPECT_STREQ(g.claveDeExportacion, g.nombre);
        EXPECT_STREQ(g.abreviatura, g.nombre);
        EXPECT_EQ(g.cursoPerteneciente, d->Referencia<DHCURSO>(d->cursos.NodoEnIndice(1)));
        EXPECT_EQ(g.profesorTutor, d->Referencia<DHPROF>(d->profesores.Cabeza()));
        EXPECT_EQ(g.aula, d->Referencia<DHAULA>(d->aulas.Cabeza()));
        MapaEmpaquetado uno[1][NUM_PERIODOS];
        std::memcpy(uno, g.plantilla, sizeof uno);
        EXPECT_TRUE(MapasUniformes(uno, MAPA_DISPONIBLE));
    }

    EXPECT_EQ(Nombres(d->materias), (V{"CN", "TUT"}));
    const DHMATE& cn = En(d->materias, 0);
    EXPECT_STREQ(cn.nombreCompleto, "CIENCIAS DE LA NATURALEZA");
    EXPECT_STREQ(cn.abreviatura, "CiencDeLaNaturaleza");
    EXPECT_STREQ(cn.claveDeExportacion, "CN");
    EXPECT_EQ(cn.departamento, d->Referencia<DHDEPT>(mat));
    EXPECT_EQ(cn.esTutoria, 0);
    EXPECT_TRUE(MapasUniformes(cn.plantilla, MAPA_DISPONIBLE));
    const DHMATE& tut = En(d->materias, 1);
    EXPECT_STREQ(tut.nombreCompleto, "TUTORIA");
    EXPECT_STREQ(tut.abreviatura, "TUT");
    EXPECT_EQ(tut.departamento, d->Referencia<DHDEPT>(d->departamentos.Cabeza()));
    EXPECT_EQ(tut.esTutoria, 1);

    EXPECT_EQ(Nombres(d->profesores), (V{"       __     ", "P01", "P02"}));
    const DHPROF& p1 = En(d->profesores, 1);
    EXPECT_STREQ(p1.nombreCompleto, "GARCIA LOPEZ, ANA");
    EXPECT_STREQ(p1.abreviatura, "GARC. LO, AN");
    EXPECT_STREQ(p1.claveDeExportacion, "P01");
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(p1.departamento), mat);
    EXPECT_EQ(std::memcmp(&p1.opciones, &d->marcos.valorInicialProfesores, sizeof p1.opciones), 0);
    EXPECT_TRUE(MapasUniformes(p1.plantilla, MAPA_DISPONIBLE));
    const DHPROF& p2 = En(d->profesores, 2);
    EXPECT_STREQ(p2.nombreCompleto, "ABCD EFGH");
    EXPECT_STREQ(p2.abreviatura, "ABCD EFGH");
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(p2.departamento), fq);

    EXPECT_EQ(Nombres(d->aulas), (V{"<cualquiera>", "A1"}));
    const DHAULA& a1 = En(d->aulas, 1);
    EXPECT_STREQ(a1.claveDeExportacion, "A1");
    EXPECT_STREQ(a1.abreviatura, "AULA 1");
    EXPECT_STREQ(a1.descripcion, "AULA 1");
    EXPECT_EQ(a1.dedicada, 0);
    EXPECT_TRUE(MapasUniformes(a1.plantilla, 1));

    EXPECT_EQ(Nombres(d->tareas), (V{"LEC", "GU", "RDP", "TUTORIA LECTIVA"}));
    const DHTARE& gu = En(d->tareas, 1);
    EXPECT_STREQ(gu.nombreCompleto, "GUARDIA");
    EXPECT_STREQ(gu.claveDeExportacion, "GU");
    EXPECT_TRUE(MapasUniformes(gu.plantilla, MAPA_DISPONIBLE));
    // The default links still lead to the overwritten task.
    EXPECT_EQ(d->marcos.guardiaPorDefecto, CDatos::RefDeNodo<DHTARE>(d->tareas.NodoEnIndice(1)));
    const DHTARE& tl = En(d->tareas, 3);
    EXPECT_STREQ(tl.claveDeExportacion, "10");
    EXPECT_STREQ(tl.nombreCompleto, "TUTORIA LECTIVA");

    EXPECT_EQ(Intervalos(*d), (V{"08:30-09:20 1", "09:25-10:15 2", "10:00-10:50 3"}));
    EXPECT_EQ(Pares(*d), (V{"CN/1 ESO A 4.0", "TUT/1 ESO A 1.0"}));
}

TEST(LectorIes, EightBareTerminatorsLeaveTheBuiltInRecords) {
    const std::string bytes = FicheroIes().Bytes();
    ASSERT_EQ(bytes.size(), 343u);
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(bytes, *d), 1);
    EXPECT_EQ(Nombres(d->departamentos), V{"<ninguno>"});
    EXPECT_EQ(Nombres(d->cursos), V{"       __     "});
    EXPECT_EQ(Nombres(d->profesores), V{"       __     "});
    EXPECT_EQ(Nombres(d->aulas), V{"<cualquiera>"});
    EXPECT_EQ(Nombres(d->tareas), (V{"LEC", "G", "RDP"}));
    EXPECT_TRUE(d->grupos.Vacia() && d->materias.Vacia() && d->matCur.Vacia());
    EXPECT_EQ(Intervalos(*d), (V{"08:30-09:20 ", "09:25-10:15 "}));
}

TEST(LectorIes, SectionCutShortNamesItsLabelAndStopsTheRead) {
    FicheroIes f;
    f.Departamento("D1", "Uno").Grupo("G1", "1", "Grupo").Materia("Materia", "M1", "", "");
    f.Profesor("Profesor", "P1", "").Aula("A1", "Aula").Tarea("T1", "Tarea");
    f.Intervalo("1000  1050  x").MateCur("M1", "1", 3);
    const std::string finDeArchivo = TextoError(plataforma::codigo::FinDeArchivo);
    for (int s = 0; s < NUM_SECCIONES; ++s) {
        SCOPED_TRACE(kEtiquetas[s]);
        auto d = ModeloPreparado(0);
        std::string error;
        EXPECT_EQ(Leer(f.Hasta(s), *d, error), 0);
        EXPECT_EQ(error, finDeArchivo + "\n" + kEtiquetas[s]);
        // The records of the cut section read so far are in the model.
        EXPECT_EQ(d->departamentos.Cuenta(), 2);
        EXPECT_EQ(d->cursos.Cuenta(), s >= GRUPOS ? 2 : 1);
        EXPECT_EQ(d->materias.Cuenta(), s >= MATERIAS ? 1 : 0);
        EXPECT_EQ(d->profesores.Cuenta(), s >= PROFESORES ? 2 : 1);
        EXPECT_EQ(d->aulas.Cuenta(), s >= AULAS ? 2 : 1);
        EXPECT_EQ(d->tareas.Cuenta(), s >= TAREAS ? 4 : 3);
        // Nothing after the cut: the intervals keep their defaults unless their own section
        // was reached, and no pair is made.
        EXPECT_EQ(Intervalos(*d)[1], s >= INTERVALOS ? "10:00-10:50 x" : "09:25-10:15 ");
        EXPECT_EQ(d->matCur.Cuenta(), s >= MATECUR ? 1 : 0);
    }

    auto d = ModeloPreparado(0);
    std::string error;
    EXPECT_EQ(Leer(Terminador(DEPARTAMENTOS), *d, error), 0);
    EXPECT_EQ(error, finDeArchivo + "\nGRUPOS");
}

TEST(LectorIes, MissingFile) {
    auto d = ModeloPreparado(0);
    std::string error;
    const std::string ruta = ::testing::TempDir() + "no_existe_iestokrt.dat";
    EXPECT_EQ(LeerFicheroIes(ruta.c_str(), error, *d), 0);
    EXPECT_EQ(error, TextoError(plataforma::codigo::ArchivoNoEncontrado) + "\nFICHERO DE DATOS");
    EXPECT_EQ(d->departamentos.Cuenta(), 1);
}

TEST(LectorIes, OnlyARegularFileIsReadAndNothingWaitsForData) {
    prueba::CarpetaAislada carpeta("iestokrt_no_regulares");
    const std::string fifo = carpeta.En("iestokrt.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& ruta : {fifo, std::string("/dev/zero"), carpeta.Ruta()}) {
        auto d = ModeloPreparado(0);
        std::string error;
        EXPECT_EQ(LeerFicheroIes(ruta.c_str(), error, *d), 0) << ruta;
        EXPECT_EQ(error, TextoError(plataforma::codigo::AccesoDenegado) + "\nFICHERO DE DATOS");
        EXPECT_EQ(d->departamentos.Cuenta(), 1);
    }
}

TEST(LectorIes, ShortLastRecordIsReadFromZeroFilledBytes) {
    // A department record cut after its code and part of its name.
    FicheroIes f;
    f.Crudo(DEPARTAMENTOS, std::string("ABC\0\0Histo", 10));
    auto d = ModeloPreparado(0);
    std::string error;
    EXPECT_EQ(Leer(f.Hasta(DEPARTAMENTOS), *d, error), 0);
    EXPECT_EQ(error, TextoError(plataforma::codigo::FinDeArchivo) + "\nDEPARTAMENTOS");
    EXPECT_EQ(Nombres(d->departamentos), (V{"<ninguno>", "ABC"}));
    EXPECT_STREQ(En(d->departamentos, 1).nombreCompleto, "Histo");

    // A last terminator shorter than its record still ends its section.
    std::string bytes = FicheroIes().Hasta(MATECUR) + std::string("_fi\n", 5);
    d = ModeloPreparado(0);
    EXPECT_EQ(Leer(bytes, *d), 1);
}

TEST(LectorIes, EmptyKeysSkipTheRecord) {
    FicheroIes f;
    f.Departamento("   ", "Blancos").Departamento("", "Vacio");
    f.Grupo(" \t ", "1", "Sin codigo");
    f.Materia("Sin codigo", "", "MAT", "");
    f.Profesor("Sin codigo", "  ", "FQ");
    f.Aula("", "Sin codigo");
    f.Tarea("  ", "Sin codigo");
    f.MateCur("", "1", 2).MateCur("M", "  ", 2);
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    // A subject without a code still brings its department; nothing else goes in.
    EXPECT_EQ(Nombres(d->departamentos), (V{"<ninguno>", "MAT"}));
    EXPECT_STREQ(En(d->departamentos, 1).nombreCompleto, "MAT");
    EXPECT_EQ(d->cursos.Cuenta(), 1);
    EXPECT_TRUE(d->grupos.Vacia() && d->materias.Vacia() && d->matCur.Vacia());
    EXPECT_EQ(d->profesores.Cuenta(), 1);
    EXPECT_EQ(d->aulas.Cuenta(), 1);
    EXPECT_EQ(d->tareas.Cuenta(), 3);
}

TEST(LectorIes, CodesDifferingInCaseOrAccents) {
    FicheroIes f;
    f.Grupo("1A", "1A", "1 ESO A");
    f.Materia("FISICA", "FIS", "", "").Materia("Otra", "fis", "", "");
    // Teacher codes: letter case counts, accents do not.
    f.Profesor("Uno", "abc", "").Profesor("Dos", "ABC", "").Profesor("Tres", "abc", "");
    f.Profesor("Cuatro",
               "\xE1"
               "bc",
               "");
    f.Tarea("GU", "Guardia de pasillo").Tarea("gu", "Otra guardia");
    f.MateCur("F\xCDS", "1A", 3).MateCur("FIS", "1a", 2).MateCur("fis", "1A", 2);
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    // A subject whose code equals another's ignoring case is not added.
    EXPECT_EQ(Nombres(d->materias), V{"FIS"});
    EXPECT_EQ(Nombres(d->profesores), (V{"       __     ", "abc", "ABC-ABC"}));
    EXPECT_STREQ(En(d->profesores, 2).claveDeExportacion, "ABC");
    // "GU" takes the built-in guard task's place; "gu" is a task of its own, renamed because
    // its name clashes with "GU" ignoring case.
    EXPECT_EQ(Nombres(d->tareas), (V{"LEC", "GU", "RDP", "gu-gu"}));
    EXPECT_EQ(Pares(*d), V{"FIS/1 ESO A 3.0"});
}

// Records renamed in place (a department known by its full name, the built-in guard task) must
// be found by their new names and no longer by the old ones, also when the lists were already
// searched before.
TEST(LectorIes, RenamesInPlaceAreSeenByLaterLookups) {
    FicheroIes f;
    f.Departamento("MAT", "Matematicas").Departamento("X", "Otra");
    f.Departamento("MATE", "Matematicas");
    f.Profesor("Uno", "P1", "MAT");
    f.Tarea("GU", "Guardia de pasillo").Tarea("gu", "Otra guardia");
    auto d = ModeloPreparado(0);
    ASSERT_NE(d->tareas.BuscarNombre("G"), nullptr);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    EXPECT_EQ(Nombres(d->departamentos), (V{"<ninguno>", "MATE", "X", "MAT"}));
    EXPECT_EQ(Nombres(d->tareas), (V{"LEC", "GU", "RDP", "gu-gu"}));
    EXPECT_EQ(d->tareas.BuscarNombre("G"), nullptr);
}

TEST(LectorIes, ClashingNamesAreRenamed) {
    FicheroIes f;
    f.Departamento("MAT", "Matematicas").Departamento("MATE", "Matematicas");
    // Courses: the short name of the group clashes.
    f.Grupo("1A", "1", "1 ESO A").Grupo("2A", "2", "1 ESO A");
    f.Grupo("3A", "12", "BACHILLERATO CIENCIAS 1 A")
        .Grupo("4A", "1234567", "BACHILLERATO CIENCIAS 1 A");
    // Groups: the raw code differs from the trimmed one, so the name takes it; codes that
    // share their first four characters and equal their raw code are not renamed.
    f.Grupo(" 1A", "1", "1 ESO A").Grupo("1ESOA", "1", "1 ESO A").Grupo("1ESOB", "1", "1 ESO B");
    f.Profesor("Uno", "P1", "MAT");
    f.Aula("A1", "AULA 1").Aula("a1", "LABORATORIO").Aula("A1", "AULA 1").Aula("A1", "AB");
    f.Tarea("10", "TUTORIA LECTIVA").Tarea("20", "TUTORIA LECTIVA-11");
    f.Tarea("11", "TUTORIA LECTIVA").Tarea("12", "TUTORIA LECTIVA");
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);

    // The department known by its full name takes the new code; the old code then names a
    // department of its own.
    EXPECT_EQ(Nombres(d->departamentos), (V{"<ninguno>", "MATE", "MAT"}));
    EXPECT_STREQ(En(d->departamentos, 2).nombreCompleto, "MAT");

    EXPECT_EQ(Nombres(d->cursos), (V{"       __     ", "1 ESO A", "1 ESO A-2",
                                     "BACHILLERATO CIENCIAS 1 A", "1234567"}));
    EXPECT_EQ(Nombres(d->grupos), (V{"1A", "2A", "3A", "4A", "1A- 1A", "1ESO"}));
    EXPECT_STREQ(En(d->grupos, 4).claveDeExportacion, " 1A");
    EXPECT_STREQ(En(d->grupos, 5).abreviatura, "1ESOA");
    EXPECT_STREQ(En(d->grupos, 5).claveDeExportacion, "1ESO");

    // Rooms: a short name from the room's name, else the raw code; a name still taken drops
    // the room.
    EXPECT_EQ(Nombres(d->aulas), (V{"<cualquiera>", "A1", "LABORATORIO", "AULA 1"}));
    EXPECT_STREQ(En(d->aulas, 2).claveDeExportacion, "a1");

    // "11" is renamed to a name that is taken, and there is a single try: it is dropped.
    EXPECT_EQ(Nombres(d->tareas), (V{"LEC", "G", "RDP", "TUTORIA LECTIVA", "TUTORIA LECTIVA-11",
                                     "TUTORIA LECTIVA-12"}));
    EXPECT_STREQ(En(d->tareas, 4).claveDeExportacion, "20");
}

TEST(LectorIes, RoomsStopAt250) {
    FicheroIes f;
    for (int i = 0; i < 260; ++i) {
        char codigo[16];
        std::snprintf(codigo, sizeof codigo, "R%03d", i);
        f.Aula(codigo, "Aula");
    }
    f.Aula("R000", "Aula");
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    EXPECT_EQ(d->aulas.Cuenta(), MAX_AULAS_GENERAL);
    EXPECT_STREQ(d->aulas.Cola()->dato.nombre, "R248");
}

TEST(LectorIes, AtMost56IntervalsSortedByStart) {
    // 60 intervals in falling order, 15 minutes apart: 22:00, 21:45, ... 07:15.
    FicheroIes f;
    for (int k = 0; k < 60; ++k) {
        const int m = 22 * 60 - 15 * k;
        char t[64];
        std::snprintf(t, sizeof t, "%02d%02d  %02d%02d  %d", m / 60, m % 60, (m + 10) / 60,
                      (m + 10) % 60, k);
        f.Intervalo(t);
    }
    f.Materia("Uno", "M", "", "").Grupo("1A", "1", "1 ESO A").MateCur("M", "1", 2);
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    const V v = Intervalos(*d);
    ASSERT_EQ(v.size(), 56u);
    EXPECT_EQ(v.front(), "08:15-08:25 55");
    EXPECT_EQ(v.back(), "22:00-22:10 0");
    // The four extra records were read and ignored: the next section is intact.
    EXPECT_EQ(Pares(*d), V{"M/1 ESO A 2.0"});
}

TEST(LectorIes, IntervalFieldsAndTheTwoIntervalFloor) {
    FicheroIes f;
    f.Intervalo("1000  1050  A");
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    // One interval read: the count is raised to 2 and the default second one is sorted in.
    EXPECT_EQ(Intervalos(*d), (V{"09:25-10:15 ", "10:00-10:50 A"}));

    FicheroIes g;
    g.Intervalo("  30  -5    NAM").Intervalo("0830  0920  1");
    d = ModeloPreparado(0);
    ASSERT_EQ(Leer(g.Bytes(), *d), 1);
    // Blanks read as 0 (an unset hour stays in place), "-5" is kept as a byte, a name without
    // NUL fills its 3 bytes.
    const BloqueMarcoDia& b = d->marcos.bloques[0][0];
    EXPECT_EQ(b.horas[0].horaEntrada, 0);
    EXPECT_EQ(b.horas[0].minutoEntrada, 30);
    EXPECT_EQ(b.horas[0].horaSalida, 251);
    EXPECT_EQ(b.horas[0].minutoSalida, 0);
    EXPECT_STREQ(b.nombres[0], "NAM");
    EXPECT_EQ(Horas(b.horas[1]), "08:30-09:20");
}

TEST(LectorIes, SubjectCoursePairs) {
    FicheroIes f;
    f.Grupo("1A", "1", "1 ESO A").Grupo("1X", "1A", "1 ESO X");
    // A course code padded with blanks is kept whole as the export code, so no pair finds it.
    f.Grupo("2A", "2      ", "2 ESO A");
    f.Materia("Alfa", "A", "", "").Materia("Beta", "B", "", "").Materia("Gamma", "C", "", "");
    f.Materia("Delta", "D", "", "");
    f.MateCur("C", "1", 0x19).MateCur("A", "1", 0xFE).MateCur("B", "1", 0x1E);
    f.MateCur("A", "1", 5);                        // the same pair again
    f.MateCur("Z", "1", 3).MateCur("A", "9", 3);   // unknown codes
    f.MateCur("B", "1a", 2).MateCur("B", "1A", 0); // case counts; 0 sessions give 1
    f.MateCur("D", "2", 4).MateCur("D", "2      ", 4);
    f.MateCur(" C ", " 1A    ", 7); // codes are trimmed
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    EXPECT_STREQ(En(d->cursos, 3).claveDeExportacion, "2      ");
    EXPECT_EQ(Pares(*d), (V{"A/1 ESO A 1.0", "B/1 ESO A 1.0", "B/1 ESO X 1.0", "C/1 ESO A 25.0",
                            "C/1 ESO X 7.0"}));
}

TEST(LectorIes, OemLettersAreConvertedWhereTheFieldsSaySo) {
    FicheroIes f;
    f.Departamento("M\xA0T", "Matem\xA0ticas y Espa\xA4ol");
    f.Grupo("\xA5"
            "A",
            "1", "1\xA7 ESO");
    f.Materia("F\xA1SICA", "F\xA1S", "M\xA0T", "F\xA1S.");
    f.Profesor("MU\xA5OZ PE\xA4"
               "A, \xB5NGEL",
               "P\xA2", "M\xA0T");
    f.Aula("\xA2"
           "1",
           "Aula \xA8"
           "bien?");
    f.Tarea("\xA0"
            "B",
            "Descripci\xA2n");
    f.Intervalo("0830  0920  \xA0"
                "B");
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);

    EXPECT_EQ(Nombres(d->departamentos), (V{"<ninguno>", "M\xE1T"}));
    EXPECT_STREQ(En(d->departamentos, 1).nombreCompleto, "Matem\xE1ticas y Espa\xF1ol");
    EXPECT_EQ(Nombres(d->grupos), V{"\xD1"
                                    "A"});
    EXPECT_STREQ(En(d->grupos, 0).claveDeExportacion, "\xA5"
                                                      "A");
    EXPECT_STREQ(En(d->cursos, 1).nombreCompleto, "1\xBA ESO");
    // Subject and teacher codes are raw; names are converted.
    EXPECT_EQ(Nombres(d->materias), V{"F\xA1S"});
    EXPECT_STREQ(En(d->materias, 0).nombreCompleto, "F\xEDSICA");
    EXPECT_STREQ(En(d->materias, 0).abreviatura, "F\xEDS.");
    EXPECT_EQ(Nombres(d->profesores), (V{"       __     ", "P\xA2"}));
    EXPECT_STREQ(En(d->profesores, 1).nombreCompleto, "MU\xD1OZ PE\xF1"
                                                      "A, \xC1NGEL");
    // Rooms: the name from the converted code, the export code raw.
    EXPECT_EQ(Nombres(d->aulas), (V{"<cualquiera>", "\xF3"
                                                    "1"}));
    EXPECT_STREQ(En(d->aulas, 1).claveDeExportacion, "\xA2"
                                                     "1");
    EXPECT_STREQ(En(d->aulas, 1).descripcion, "Aula \xBF"
                                              "bien?");
    EXPECT_STREQ(En(d->tareas, 3).nombre, "\xE1"
                                          "B");
    EXPECT_STREQ(En(d->tareas, 3).claveDeExportacion, "\xA0"
                                                      "B");
    EXPECT_STREQ(En(d->tareas, 3).nombreCompleto, "Descripci\xF3n");
    // Interval names are kept as they stand.
    EXPECT_STREQ(d->marcos.bloques[0][0].nombres[0], "\xA0"
                                                     "B");
}

TEST(LectorIes, FieldsWithoutNulAreCutAtTheirWidth) {
    const std::string nombre51(51, 'N');
    FicheroIes f;
    f.Departamento("ABCDE", std::string(31, 'D'));
    f.Grupo("1A", "1", "PRIMERO DE EDUCACION SECUNDARIA OBLIGATORIA");
    f.Grupo("2A", "1BT", "BACHILLERATO").Grupo("3A", "0", "INFANTIL");
    f.Materia(std::string(31, 'M'), "MM", "ABCDE", "ABCDEFGHIJK");
    f.Profesor(nombre51, "P1", "ABCDE");
    f.Aula("A1", std::string(38, 'a'));
    // A task code that fills its field: the short text runs on into the description.
    f.Tarea("ABCDE", "GUARDIA");
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);

    EXPECT_EQ(Nombres(d->departamentos), (V{"<ninguno>", "ABCDE", "ABCD"}));
    EXPECT_EQ(std::string(En(d->departamentos, 1).nombreCompleto), std::string(30, 'D'));
    EXPECT_EQ(Nombres(d->cursos), (V{"       __     ", "PRI DE EDU SEC OBL", "1BT", "0"}));
    EXPECT_STREQ(En(d->cursos, 1).nombreCompleto, "PRIMERO DE EDUCACION SECUNDARIA OBLIGATORI");
    const DHMATE& m = En(d->materias, 0);
    EXPECT_EQ(std::string(m.nombreCompleto), std::string(30, 'M'));
    EXPECT_STREQ(m.abreviatura, "ABCDEFGHIJ");
    EXPECT_EQ(m.departamento, d->Referencia<DHDEPT>(d->departamentos.NodoEnIndice(2)));
    EXPECT_EQ(std::string(En(d->profesores, 1).nombreCompleto), std::string(50, 'N'));
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(En(d->profesores, 1).departamento),
              d->departamentos.NodoEnIndice(2));
    EXPECT_EQ(std::string(En(d->aulas, 1).abreviatura), std::string(20, 'a'));
    EXPECT_EQ(std::string(En(d->aulas, 1).descripcion), std::string(37, 'a'));
    const DHTARE& t = En(d->tareas, 3);
    EXPECT_STREQ(t.nombre, "ABCDEGUARDIA");
    EXPECT_STREQ(t.claveDeExportacion, "ABCD");
    EXPECT_STREQ(t.nombreCompleto, "GUARDIA");
}

TEST(LectorIes, SubjectNamesAndAbbreviations) {
    FicheroIes f;
    f.Materia("ABCDEFGH IJKLMNOP QRSTUVWX", "M1", "", "");
    f.Materia("Tutoria de grupo", "TG", "", "Tut. grupo");
    f.Materia(std::string(25, ' '), "BL", "", "");
    f.Materia("Lengua", "LEN", "", "   ");
    f.Materia("Otra", "M1", "", "");
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    EXPECT_EQ(Nombres(d->materias), (V{"M1", "TG", "BL", "LEN"}));
    EXPECT_STREQ(En(d->materias, 0).abreviatura, "AbcdefgIjklmnoQrstuv");
    EXPECT_EQ(En(d->materias, 0).esTutoria, 0);
    // The tutorial test leaves the subject's texts in their own case.
    const DHMATE& tg = En(d->materias, 1);
    EXPECT_EQ(tg.esTutoria, 1);
    EXPECT_STREQ(tg.nombreCompleto, "Tutoria de grupo");
    EXPECT_STREQ(tg.abreviatura, "Tut. grupo");
    EXPECT_STREQ(tg.nombre, "TG");
    // A name of blanks with no abbreviation leaves the abbreviation empty.
    EXPECT_EQ(std::string(En(d->materias, 2).nombreCompleto), std::string(25, ' '));
    EXPECT_STREQ(En(d->materias, 2).abreviatura, "");
    EXPECT_STREQ(En(d->materias, 3).abreviatura, "   ");
}

TEST(LectorIes, TeachersBringTheirDepartments) {
    FicheroIes f;
    f.Profesor("Uno", "P1", "XYZ").Profesor("Otro", "P1", "QQ").Profesor("Tres", "P3", " ");
    f.Profesor("AB CDEFG HIJ KLM", "P4", "").Profesor("ABCDEF GHIJ, KLMN", "P5", "");
    f.Profesor("  ABCDEFGHIJKLMNOPQRSTUVWXYZ  ", "P6", "");
    auto d = ModeloPreparado(0);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    // The second P1 is not added, but its department is.
    EXPECT_EQ(Nombres(d->departamentos), (V{"<ninguno>", "XYZ", "QQ"}));
    EXPECT_STREQ(En(d->departamentos, 1).nombreCompleto, "XYZ");
    EXPECT_EQ(Nombres(d->profesores), (V{"       __     ", "P1", "P3", "P4", "P5", "P6"}));
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(En(d->profesores, 1).departamento),
              d->departamentos.NodoEnIndice(1));
    EXPECT_EQ(CDatos::NodoDe<DHDEPT>(En(d->profesores, 2).departamento), d->departamentos.Cabeza());
    EXPECT_STREQ(En(d->profesores, 3).abreviatura, "ABCD. HIKL");
    EXPECT_STREQ(En(d->profesores, 4).abreviatura, "ABCD. GH, KL");
    EXPECT_STREQ(En(d->profesores, 5).nombreCompleto, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_STREQ(En(d->profesores, 5).abreviatura, "ABCD.");
}

TEST(LectorIes, TasksOverwriteTheBuiltInOnes) {
    FicheroIes f;
    f.Tarea("RD", "Reunion").Tarea("01", "Guardia").Tarea("GU", "Guardia de recreo");
    f.Tarea("02", "").Tarea("LEC", "Otra lectiva");
    auto d = ModeloPreparado(0);
    auto* guardia = d->tareas.NodoEnIndice(1);
    auto* reunion = d->tareas.NodoEnIndice(2);
    ASSERT_EQ(Leer(f.Bytes(), *d), 1);
    // "01" then "GU" write the same task: the later one stays. "LEC" has the export code of
    // the built-in teaching task, which stays as it was.
    EXPECT_EQ(Nombres(d->tareas), (V{"LEC", "GU", "02"}));
    EXPECT_STRNE(d->tareas.Cabeza()->dato.nombreCompleto, "Otra lectiva");
    EXPECT_EQ(d->tareas.NodoEnIndice(1), guardia);
    EXPECT_EQ(d->tareas.NodoEnIndice(2), reunion);
    EXPECT_STREQ(guardia->dato.nombreCompleto, "Guardia de recreo");
    EXPECT_STREQ(reunion->dato.nombreCompleto, "");
    EXPECT_STREQ(reunion->dato.claveDeExportacion, "02");
}

} // namespace
