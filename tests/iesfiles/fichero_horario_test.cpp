#include "iesfiles/fichero_horario.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "platform/avisos.h"
#include "platform/error.h"
#include "platform/files.h"
#include "tests/common/archivos.h"
#include "tests/common/no_regulares.h"

namespace {

using plataforma::AvisosGrabados;
using plataforma::AvisosInstalados;
using plataforma::Respuesta;

constexpr std::uint8_t FIN = 0xFF;

using prueba::LeerArchivo;
using prueba::Reg;

// The model of the load flow (mode 1), with records and placements filled by hand as the
// document reader and the placement would fill them.
class FicheroHorario : public ::testing::Test {
protected:
    std::unique_ptr<CDatos> d = std::make_unique<CDatos>(1);
    CEscritorHorarioIes escritor;
    AvisosGrabados avisos;
    AvisosInstalados instalados{avisos};
    std::string ruta = ::testing::TempDir() + "krttoies" + std::to_string(::getpid()) + ".dat";
    std::string error;

    void SetUp() override {
        d->ReiniciarCabecera();
        d->IniciarMarcos();
        d->AnadirRegistrosPorDefecto();
        d->marcos.perfil = 0;
        d->marcosHorario->NombrarTramosPorDefecto();
        escritor.m_bEscribirOtrasActividades = 1;
    }
    void TearDown() override { std::remove(ruta.c_str()); }

    template <class T> static T& Nuevo(MCList<T>& lista, const char* nombre, const char* clave) {
        T& r = lista.AnadirAlFinal()->dato;
        CopiarTexto(r.nombre, nombre);
        CopiarTexto(r.claveDeExportacion, clave);
        return r;
    }
    int Profesor(const char* clave, std::uint8_t incompatibilidades = 0) {
        DHPROF& p = Nuevo(d->profesores, clave, clave);
        p.opciones = d->marcos.valorInicialProfesores;
        p.opciones.incompatibilidades = incompatibilidades;
        return d->profesores.Cuenta() - 1;
    }
    const MCList<DHPROF>::Nodo* NodoProfesor(int i) const { return d->profesores.NodoEnIndice(i); }
    // Subjects and groups are referred to as index + 1.
    int Materia(const char* clave) {
        Nuevo(d->materias, clave, clave);
        return d->materias.Cuenta();
    }
    int Grupo(const char* clave) {
        Nuevo(d->grupos, clave, clave);
        return d->grupos.Cuenta();
    }
    void Aula(const char* clave) { Nuevo(d->aulas, clave, clave); }

    // Appends an entry and returns its index.
    std::size_t Entrada(int tipo, int profesor, int tarea, std::uint8_t tipoCadena,
                        std::uint8_t finCadena, int materia = 0, int grupo = 0, int marco = 0) {
        ENTRADACOLOCACION e{};
        e.tipo = static_cast<std::uint8_t>(tipo);
        e.profesor = static_cast<std::uint16_t>(profesor);
        e.tarea = static_cast<std::uint16_t>(tarea);
        e.tipoCadena = tipoCadena;
        e.finCadena = finCadena;
        e.materia = static_cast<std::uint16_t>(materia);
        e.grupo = static_cast<std::uint16_t>(grupo);
        e.marco = static_cast<std::uint8_t>(marco);
        return d->colocacion.AnadirEntrada(e);
    }
    void Filas(int filas) { d->colocacion.FijarFilas(filas); }
    // Puts entry `e` in the cell (day, interval, row) of the grid of (period, frame), creating
    // the grid as the placement table does.
    void Colocar(std::size_t e, int dia, int s, int fila, int marco = 0, int periodo = 0) {
        if (!d->colocacion.HayRejilla(periodo, marco)) d->colocacion.CrearRejilla(periodo, marco);
        *d->colocacion.CeldaRejilla(periodo, marco, dia, s, fila) =
            static_cast<std::uint32_t>(e + 1);
    }
    void Guardia(const MCList<DHPROF>::Nodo* profesor, int recreo, int dia, int marco = 0,
                 int periodo = 0) {
        CeldaGuardiasRecreo& c = d->colocacion.CeldaGuardias(periodo, marco, recreo, dia);
        c.pares[c.cuenta].profesor = profesor;
        c.pares[c.cuenta].guardia = nullptr;
        ++c.cuenta;
    }
    // Frame f's day-0 block: three lessons and recess 0 before the third.
    void TresLecciones(int f = 0) {
        BloqueMarcoDia& b = d->marcos.bloques[f][0];
        b.numLectivos = 3;
        b.horas[0] = {8, 30, 9, 20};
        b.horas[1] = {9, 25, 10, 15};
        b.horas[2] = {10, 45, 11, 35};
        b.numRecreos = 1;
        b.posRecreos[0] = 2;
    }

    int Escribir() { return escritor.EscribirFicheroIes(ruta.c_str(), error, *d); }
    std::string Archivo() const { return LeerArchivo(ruta); }
};

TEST_F(FicheroHorario, SessionInOneRoomIsOneRecordFieldByField) {
    const int p = Profesor("P01");
    const int m = Materia("CN");
    const int g = Grupo("1A");
    Aula("A1"); // list index 1: grid row 0; row 1 is a spare row
    Filas(2);
    Colocar(Entrada(0, p, 0, 0, FIN, m, g), 2, 1, 0);

    ASSERT_EQ(Escribir(), 1);
    const std::string esperado = std::string("P01") + std::string(18, '\0') + 'X' + "2" +
                                 std::string(10, '\0') + "CN" + std::string(19, '\0') + "1A" +
                                 std::string(19, '\0') + "A1" + std::string(19, '\0') + "LEC" +
                                 std::string(18, '\0') + "09:25" + '\0' + "10:15" + '\0' + '\0';
    ASSERT_EQ(esperado.size(), 130u);
    EXPECT_EQ(Archivo(), esperado);
    EXPECT_EQ(Reg("P01", 'X', "2", "CN", "1A", "A1", "LEC", "09:25", "10:15"), esperado);
    EXPECT_TRUE(error.empty());
    EXPECT_TRUE(avisos.avisos.empty());

    // The same session placed in the spare row carries no room.
    d->colocacion.CrearRejilla(0, 0);
    Colocar(0, 0, 0, 1);
    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), Reg("P01", 'L', "1", "CN", "1A", "", "LEC", "08:30", "09:20"));
}

TEST_F(FicheroHorario, ChainsAreFollowedUntilTheirEndOrASimultaneousSession) {
    const int p1 = Profesor("P1"), p2 = Profesor("P2"), p3 = Profesor("P3");
    const int m1 = Materia("M1"), m2 = Materia("M2");
    const int g1 = Grupo("G1"), g2 = Grupo("G2");
    Aula("AU1");
    Aula("AU2");
    Filas(2 + 1); // two room rows, one meeting row
    // Main with companions: main, M, P, then an S record (a simultaneous session).
    const std::size_t principal = Entrada(0, p1, 0, 2, 0, m1, g1);
    Entrada(0, p1, 0, 1, 0, m2, g2);
    Entrada(0, p2, 0, 3, 0, m1, g1);
    Entrada(0, p3, 0, 2, FIN, m2, g2);
    // A meeting of three members; its entries carry no subject or group to write.
    const std::size_t reunion = Entrada(2, p1, 2, 2, 0, m1, g1);
    Entrada(2, p2, 2, 3, 0);
    Entrada(2, p3, 2, 3, FIN);
    // The table's last entry without an end mark: the walk stops at the table's end.
    const std::size_t ultima = Entrada(0, p3, 0, 2, 0, m1, g1);
    Entrada(0, p2, 0, 1, 0, m2, g2);
    Colocar(principal, 0, 0, 1);
    Colocar(reunion, 0, 0, 2);
    Colocar(ultima, 0, 1, 0);

    ASSERT_EQ(Escribir(), 1);
    const char* a = "08:30";
    const char* b = "09:20";
    EXPECT_EQ(Archivo(), Reg("P1", 'L', "1", "M1", "G1", "AU2", "LEC", a, b) +
                             Reg("P1", 'L', "1", "M2", "G2", "AU2", "LEC", a, b) +
                             Reg("P2", 'L', "1", "M1", "G1", "AU2", "LEC", a, b) +
                             Reg("P1", 'L', "1", "", "", "", "RDP", a, b) +
                             Reg("P2", 'L', "1", "", "", "", "RDP", a, b) +
                             Reg("P3", 'L', "1", "", "", "", "RDP", a, b) +
                             Reg("P3", 'L', "2", "M1", "G1", "AU1", "LEC", "09:25", "10:15") +
                             Reg("P2", 'L', "2", "M2", "G2", "AU1", "LEC", "09:25", "10:15"));
}

TEST_F(FicheroHorario, RecessDutiesTakeTheirTimesNameAndKeyFromTheBlock) {
    TresLecciones();
    CopiarTexto(d->marcos.bloques[0][0].clavesRecreo[0], "REC1");
    const int p2 = Profesor("P02");
    Guardia(NodoProfesor(p2), 0, 0);
    ASSERT_EQ(Escribir(), 1);
    const std::string conTiempos = Reg("P02", 'L', "R1", "", "", "", "REC1", "10:15", "10:45");
    EXPECT_EQ(Archivo(), conTiempos);

    // A recess before the first interval has no times; a key over 20 characters is cut
    // without a question.
    d->marcos.bloques[0][0].posRecreos[0] = 0;
    CopiarTexto(d->marcos.bloques[0][0].clavesRecreo[0], "ABCDEFGHIJKLMNOPQRSTUVWXY");
    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), Reg("P02", 'L', "R1", "", "", "", "ABCDEFGHIJKLMNOPQRST", "", ""));
    EXPECT_TRUE(avisos.avisos.empty());

    // Without the switch no duty is written.
    escritor.m_bEscribirOtrasActividades = 0;
    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), "");
}

TEST_F(FicheroHorario, RecessDutyCellsAreBoundedAndOnlyListedTeachersAreFollowed) {
    TresLecciones();
    const int p = Profesor("P02");
    // A full cell whose count says more: only its 20 pairs are read.
    for (int i = 0; i < MAX_GUARDIAS_CELDA; ++i)
        Guardia(NodoProfesor(p), 0, 1);
    d->colocacion.CeldaGuardias(0, 0, 0, 1).cuenta = 1000;
    // A pair in a recess the block does not have is not written.
    Guardia(NodoProfesor(p), 1, 2);
    // A node outside the teacher list is never followed: the record has no teacher.
    auto ajeno = std::make_unique<MCList<DHPROF>::Nodo>();
    CopiarTexto(ajeno->dato.claveDeExportacion, "AJENO");
    Guardia(ajeno.get(), 0, 3);
    Guardia(nullptr, 0, 3);

    ASSERT_EQ(Escribir(), 1);
    std::string esperado;
    for (int i = 0; i < MAX_GUARDIAS_CELDA; ++i)
        esperado += Reg("P02", 'M', "R1", "", "", "", "", "10:15", "10:45");
    esperado += Reg("", 'J', "R1", "", "", "", "", "10:15", "10:45");
    esperado += Reg("", 'J', "R1", "", "", "", "", "10:15", "10:45");
    EXPECT_EQ(Archivo(), esperado);
}

TEST_F(FicheroHorario, OrderIsActivitiesThenDutiesByPeriodFrameDayRecessAndPair) {
    d->marcosHorario->FijarNumeroPeriodos(2);
    d->marcos.numMarcos = 2;
    d->marcos.sabado = 1;
    TresLecciones(0);
    TresLecciones(1);
    d->marcos.bloques[1][0].horas[0] = {15, 0, 15, 50};
    d->marcosHorario->NombrarTramosPorDefecto();
    const int a = Profesor("A"), b = Profesor("B");
    Filas(1);
    // Activities: frame by frame, then day by day and interval by interval, whatever the order
    // of the entries. Period 1's grid is never written.
    Colocar(Entrada(1, b, 1, 0, FIN, 0, 0, 1), 0, 0, 0, 1);
    Colocar(Entrada(1, a, 1, 0, FIN), 5, 0, 0);
    Colocar(Entrada(1, b, 1, 0, FIN), 0, 1, 0);
    Colocar(Entrada(1, a, 1, 0, FIN), 0, 0, 0, 0, 1);
    // Duties: period 1 after period 0, whatever the order they were stored in.
    Guardia(NodoProfesor(a), 0, 0, 0, 1);
    Guardia(NodoProfesor(b), 0, 5, 1, 0);
    Guardia(NodoProfesor(a), 0, 5, 1, 0);
    Guardia(NodoProfesor(b), 0, 2, 0, 0);

    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), Reg("B", 'L', "2", "", "", "", "G", "09:25", "10:15") +
                             Reg("A", 'S', "1", "", "", "", "G", "08:30", "09:20") +
                             Reg("B", 'L', "B1", "", "", "", "G", "15:00", "15:50") +
                             Reg("B", 'X', "R1", "", "", "", "", "10:15", "10:45") +
                             Reg("B", 'S', "RB1", "", "", "", "", "10:15", "10:45") +
                             Reg("A", 'S', "RB1", "", "", "", "", "10:15", "10:45") +
                             Reg("A", 'L', "R1", "", "", "", "", "10:15", "10:45"));
}

TEST_F(FicheroHorario, DaysSharingTheirTimesKeepTheirOwnIntervalNames) {
    TresLecciones();
    CopiarTexto(d->marcos.bloques[0][3].nombres[0], "JUE1");
    CopiarTexto(d->marcos.bloques[0][3].nombresRecreo[0], "RJUE");
    const int p = Profesor("P");
    Filas(1);
    Colocar(Entrada(1, p, 1, 0, FIN), 3, 0, 0);
    Guardia(NodoProfesor(p), 0, 3);
    ASSERT_EQ(Escribir(), 1);
    // The activity takes its own day's name; the recess name follows the shared block.
    EXPECT_EQ(Archivo(), Reg("P", 'J', "JUE1", "", "", "", "G", "08:30", "09:20") +
                             Reg("P", 'J', "R1", "", "", "", "", "10:15", "10:45"));

    d->marcos.porDia = 1;
    d->marcos.bloques[0][3] = d->marcos.bloques[0][0];
    CopiarTexto(d->marcos.bloques[0][3].nombresRecreo[0], "RJUE");
    d->marcos.bloques[0][3].horas[0] = {7, 5, 100, 9};
    ASSERT_EQ(Escribir(), 1);
    // With its own block the day also has its own recess name and times (a three-digit hour
    // is cut to the field).
    EXPECT_EQ(Archivo(), Reg("P", 'J', "1", "", "", "", "G", "07:05", "100:0") +
                             Reg("P", 'J', "RJUE", "", "", "", "", "10:15", "10:45"));
}

TEST_F(FicheroHorario, TeachersWithTheExclusionBitGetNoRecordInEitherPass) {
    TresLecciones();
    const int fuera = Profesor("FUERA", PROFESOR_EXCLUIDO_DEL_HORARIO);
    const int dentro = Profesor("DENTRO", 0xFF & ~PROFESOR_EXCLUIDO_DEL_HORARIO);
    const int m = Materia("M");
    Aula("A1");
    Filas(1);
    // A chain whose middle teacher is left out: the others still get theirs.
    Colocar(Entrada(0, dentro, 0, 2, 0, m), 0, 0, 0);
    Entrada(0, fuera, 0, 3, 0, m);
    Entrada(0, dentro, 0, 3, FIN, m);
    Guardia(NodoProfesor(fuera), 0, 0);
    Guardia(NodoProfesor(dentro), 0, 0);

    ASSERT_EQ(Escribir(), 1);
    const std::string r = Reg("DENTRO", 'L', "1", "M", "", "A1", "LEC", "08:30", "09:20");
    EXPECT_EQ(Archivo(), r + r + Reg("DENTRO", 'L', "R1", "", "", "", "", "10:15", "10:45"));
}

TEST_F(FicheroHorario, TruncationQuestionAndItsThreeAnswers) {
    TresLecciones();
    const int largo = Profesor("ABCDEFGHIJKLMNOPQRSTU");
    const int corto = Profesor("P1");
    Filas(1);
    Colocar(Entrada(1, corto, 1, 0, FIN), 0, 0, 0);
    Colocar(Entrada(1, largo, 1, 0, FIN), 0, 1, 0);
    Colocar(Entrada(1, largo, 1, 0, FIN), 0, 2, 0);
    const std::string primero = Reg("P1", 'L', "1", "", "", "", "G", "08:30", "09:20");
    const std::string cortado = "ABCDEFGHIJKLMNOPQRST";
    const std::string segundo = Reg(cortado, 'L', "2", "", "", "", "G", "09:25", "10:15");
    const std::string tercero = Reg(cortado, 'L', "3", "", "", "", "G", "10:45", "11:35");
    const std::string pregunta =
        "El identificativo de Profesor: ABCDEFGHIJKLMNOPQRSTU tiene m\xE1s de 20 caracteres y se "
        "truncar\xE1 para crear el archivo.\n\xBFQuiere continuar viendo estos mensajes ?";

    // Yes: cut, and asked again at the next long code.
    avisos.respuestas = {Respuesta::Si, Respuesta::Si};
    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), primero + segundo + tercero);
    ASSERT_EQ(avisos.avisos.size(), 2u);
    EXPECT_EQ(avisos.avisos[0].texto, pregunta);
    EXPECT_EQ(avisos.avisos[0].icono, plataforma::Icono::Informacion);
    EXPECT_EQ(avisos.avisos[0].botones, plataforma::Botones::SiNoCancelar);

    // No: cut, and no further question in this write; the next write asks again.
    avisos.avisos.clear();
    avisos.respuestas = {Respuesta::No};
    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), primero + segundo + tercero);
    EXPECT_EQ(avisos.avisos.size(), 1u);
    EXPECT_EQ(escritor.m_bAvisarTruncado, 0);

    // Cancel: the file keeps the records before, the result is 0 and no error text is set.
    avisos.avisos.clear();
    avisos.respuestas = {Respuesta::Cancelar};
    EXPECT_EQ(Escribir(), 0);
    EXPECT_EQ(avisos.avisos.size(), 1u);
    EXPECT_EQ(error, "");
    EXPECT_EQ(Archivo(), primero);
}

TEST_F(FicheroHorario, IntervalNamesAreAskedAboutWithTheirKindWord) {
    TresLecciones();
    CopiarTexto(d->marcos.bloques[0][0].nombres[0], "ABCDEFGHIJK");
    CopiarTexto(d->marcos.bloques[0][0].nombresRecreo[0], "RECREOLARGO");
    const int p = Profesor("P");
    Filas(1);
    Colocar(Entrada(1, p, 1, 0, FIN), 0, 0, 0);
    Guardia(NodoProfesor(p), 0, 0);
    ASSERT_EQ(Escribir(), 1);
    ASSERT_EQ(avisos.avisos.size(), 2u);
    EXPECT_EQ(avisos.avisos[0].texto.rfind("El identificativo de intervalo: ABCDEFGHIJK tiene "
                                           "m\xE1s de 10 caracteres",
                                           0),
              0u);
    EXPECT_EQ(avisos.avisos[1].texto.rfind("El identificativo de Intervalo: RECREOLARGO", 0), 0u);
    EXPECT_EQ(Archivo(), Reg("P", 'L', "ABCDEFGHIJ", "", "", "", "G", "08:30", "09:20") +
                             Reg("P", 'L', "RECREOLARG", "", "", "", "", "10:15", "10:45"));

    // A cancel in a duty record stops the file there too.
    avisos.avisos.clear();
    avisos.respuestas = {Respuesta::Si, Respuesta::Cancelar};
    EXPECT_EQ(Escribir(), 0);
    EXPECT_EQ(Archivo(), Reg("P", 'L', "ABCDEFGHIJ", "", "", "", "G", "08:30", "09:20"));
}

TEST_F(FicheroHorario, IndicesOutsideTheModelLeaveTheirFieldEmpty) {
    Aula("A1");
    Filas(2);
    // Teacher, task, subject and group beyond their lists, frame beyond the frames.
    Colocar(Entrada(0, 999, 999, 0, FIN, 999, 999, 7), 0, 0, 0);
    // A cell naming an entry the table does not hold.
    Colocar(5000, 0, 1, 0);
    // More rows claimed than the grid holds.
    Filas(40);
    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), Reg("", 'L', "", "", "", "A1", "", "", ""));
}

TEST_F(FicheroHorario, MissingGridsGiveNoActivityRecords) {
    TresLecciones();
    const int p = Profesor("P");
    Filas(1);
    Entrada(1, p, 1, 0, FIN); // the entry exists but the grid was never built
    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), "");
    EXPECT_TRUE(plataforma::ExisteArchivo(ruta.c_str()));
    // Recess duties need no grid.
    Guardia(NodoProfesor(p), 0, 0);
    ASSERT_EQ(Escribir(), 1);
    EXPECT_EQ(Archivo(), Reg("P", 'L', "R1", "", "", "", "", "10:15", "10:45"));
}

TEST_F(FicheroHorario, AFileThatCannotBeCreatedGivesTheSystemText) {
    error = "";
    EXPECT_EQ(escritor.EscribirFicheroIes("/nonexistent-dir/krttoies.dat", error, *d), 0);
    const std::string sistema = plataforma::TextoDeError(plataforma::UltimoError());
    EXPECT_FALSE(sistema.empty());
    EXPECT_EQ(error, "FICHERO DE DATOS\n" + sistema);
}

// A file size limit makes the second record's write fail midway.
TEST_F(FicheroHorario, AFailedWriteIsReportedAndLeavesNoFile) {
    TresLecciones();
    const int p = Profesor("P");
    for (int i = 0; i < 3; ++i)
        Guardia(NodoProfesor(p), 0, i);

    rlimit antes{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antes), 0);
    rlimit limite = antes;
    limite.rlim_cur = 200;
    auto senal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    const int resultado = Escribir();
    ::setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senal);

    EXPECT_EQ(resultado, 0);
    EXPECT_EQ(error,
              "FICHERO DE DATOS\n" + plataforma::TextoDeError(plataforma::CodigoDeErrno(EFBIG)));
    EXPECT_FALSE(plataforma::ExisteArchivo(ruta.c_str()));
}

TEST_F(FicheroHorario, AFailedWriteLeavesThePreviousFileWholeAndNoOtherFile) {
    TresLecciones();
    const int p = Profesor("P");
    for (int dia = 0; dia < 3; ++dia)
        for (int i = 0; i < MAX_GUARDIAS_CELDA; ++i)
            Guardia(NodoProfesor(p), 0, dia);
    const std::size_t tamano = 3 * MAX_GUARDIAS_CELDA * sizeof(RegistroHorarioIes);
    ASSERT_GT(tamano, prueba::CarpetaCasiLlena::kCabida);

    prueba::CarpetaCasiLlena carpeta("krttoies_lleno");
    const std::string destino = carpeta.En("krttoies.dat");
    const std::string previo = Reg("ANTES", 'L', "1", "", "", "", "G", "08:30", "09:20");
    std::ofstream(destino, std::ios::binary) << previo;
    int resultado = -1;
    carpeta.ConEspacioAgotado(
        [&] { resultado = escritor.EscribirFicheroIes(destino.c_str(), error, *d); });
    EXPECT_EQ(resultado, 0);
    EXPECT_EQ(error, "FICHERO DE DATOS\n" + plataforma::TextoDeError(carpeta.CodigoEsperado()));
    EXPECT_EQ(LeerArchivo(destino), previo);
    EXPECT_EQ(carpeta.Nombres(), std::vector<std::string>{"krttoies.dat"});

    // With room for it, the same write takes the previous file's place.
    EXPECT_EQ(escritor.EscribirFicheroIes(destino.c_str(), error, *d), 1);
    EXPECT_EQ(LeerArchivo(destino).size(), tamano);
    EXPECT_EQ(carpeta.Nombres(), std::vector<std::string>{"krttoies.dat"});
}

TEST_F(FicheroHorario, AnOutputThatIsNoRegularFileIsRefusedAndLeftInPlace) {
    prueba::CarpetaAislada carpeta("krttoies_no_regulares");
    const auto noRegulares = prueba::CrearArchivosNoRegulares(carpeta.Ruta());
    for (const std::string& ruta : noRegulares) {
        const std::string tipo = prueba::TipoDeArchivo(ruta);
        error.clear();
        EXPECT_EQ(escritor.EscribirFicheroIes(ruta.c_str(), error, *d), 0) << ruta;
        EXPECT_EQ(error, "FICHERO DE DATOS\n" +
                             plataforma::TextoDeError(plataforma::codigo::AccesoDenegado));
        EXPECT_EQ(prueba::TipoDeArchivo(ruta), tipo) << ruta;
    }
    EXPECT_EQ(carpeta.Nombres().size(), noRegulares.size());
}

} // namespace
