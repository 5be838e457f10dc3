// The two flows with the scripted interface and the stand-in companion program first on PATH.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/brenmoor.h"
#include "guion.h"
#include "platform/error.h"
#include "resources/dialogos.h"
#include "tests/common/archivos.h"
#include "tests/common/carga.h"
#include "tests/common/carpeta.h"
#include "tests/common/entorno.h"
#include "tests/common/importacion.h"
#include "tests/common/modelo.h"
#include "tests/iesfiles/generador.h"

namespace {

using namespace recursos;
using plataforma::Icono;
using plataforma::kIdCancel;
using plataforma::kIdOk;
using plataforma::Respuesta;
using prueba::Elegido;
using prueba::LeerArchivo;
using prueba::PasoDialogo;

const std::string kSolucion = prueba::RutaFixture("una_sesion_colocada.xml");
// The sample data file of the demo and of the tests of the real program.
const std::string kMuestra = prueba::RutaFixture("app/iestokrt_muestra.dat");
const std::string kSinHorario = prueba::RutaFixture("documento_importado.xml");

const std::string kSistema32 =
    "\nEste proceso debe hacerse en un sistema de 32 bits. Puede usar el mismo servidor de "
    "IES2000 que necesariamente ser\xE1 de 32 bits, u otra m\xE1quina de 32 bits con acceso al "
    "servidor.";

std::string TextoError(std::uint32_t codigo) {
    return plataforma::TextoDeError(codigo);
}

// A small school: two departments, a group, two subjects, a teacher, a room, a task,
// intervals and subject-course pairs.
std::string DatosDeMuestra() {
    prueba::FicheroIes f;
    f.Departamento("MAT", "Matem\xA0ticas").Departamento("LEN", "Lengua");
    f.Grupo("1A", "1ESO", "Primero A");
    f.Materia("Matem\xA0ticas", "M1", "MAT", "MAT").Materia("Lengua", "L1", "LEN", "LEN");
    f.Profesor("Garc\xA1"
               "a, Ana",
               "P1", "MAT");
    f.Aula("A1", "Aula 1").Tarea("T1", "Guardia");
    f.Intervalo("0830  0920  1").Intervalo("0920  1010  2");
    f.MateCur("M1", "1ESO", 4).MateCur("L1", "1ESO", 3);
    return f.Bytes();
}

TEST(Muestra, TheSampleDataFileHoldsTheSmallSchool) {
    EXPECT_EQ(LeerArchivo(kMuestra), DatosDeMuestra());
    auto modelo = prueba::ModeloPreparado(0);
    EXPECT_EQ(prueba::Leer(DatosDeMuestra(), *modelo), 1);
}

class Flujos : public ::testing::Test {
protected:
    void SetUp() override {
        ui.temporal = carpeta.Ruta() + "/tmp/";
        std::filesystem::create_directories(ui.temporal);
        ui.documentos = carpeta.Ruta() + "/Documentos";
        std::filesystem::create_directories(ui.documentos);
        herramientas = carpeta.Ruta() + "/bin";
        std::filesystem::create_directories(herramientas);
        visor = herramientas + "/xdg-open";
        carpeta.Escribir("bin/xdg-open", "#!/bin/sh\n", true);
        entorno.Fijar("PATH", std::string(KRT_COMPANION) + ":" + herramientas + ":/usr/bin:/bin");
        entorno.Fijar("HOME", carpeta.Ruta());
        entorno.Fijar("ODBCINI", carpeta.En("odbc.ini")); // absent unless a test writes it
        entorno.Fijar("VADREL_ARGS", carpeta.En("argumentos"));
        entorno.Fijar("VADREL_DATOS", nullptr);
        entorno.Fijar("VADREL_COPIA", nullptr);
        entorno.Fijar("VADREL_SALIDA", nullptr);
    }
    void TearDown() override { EXPECT_EQ(CBrenmoorDlg::ModelosVivos(), 0); }

    std::vector<std::string> Argumentos() {
        std::vector<std::string> v;
        std::istringstream s(LeerArchivo(carpeta.En("argumentos")));
        for (std::string l; std::getline(s, l);)
            v.push_back(l);
        return v;
    }
    void BaseDeDatos(const std::string& valor) {
        carpeta.Escribir("odbc.ini", "[QEDBF]\nDatabase=" + valor + "\n");
    }
    std::string Companero() const { return std::string(KRT_COMPANION) + "/vadrel.exe"; }

    prueba::CarpetaAislada carpeta;
    prueba::Entorno entorno;
    prueba::InterfazGuionada ui;
    // The libraries' questions reach the same script, as on the screen.
    plataforma::AvisosInstalados avisos{ui};
    CBrenmoorDlg dlg{ui};
    std::string herramientas, visor;
};

// ---- Import -------------------------------------------------------------------------------

TEST_F(Flujos, ImportCancelledTouchesNothing) {
    ui.pasos = {{kIdCancel, {}}};
    dlg.OnBnClickedImportar();
    ASSERT_EQ(ui.dialogos.size(), 1u);
    EXPECT_EQ(ui.dialogos[0].textos[IDC_RUTA], "c:\\roziva\\datos");
    EXPECT_EQ(ui.dialogos[0].textos[IDC_CURSO], "2024");
    EXPECT_FALSE(std::filesystem::exists(ui.temporal + "iestokrt.dat"));
    EXPECT_FALSE(std::filesystem::exists(carpeta.En("argumentos")));
    EXPECT_TRUE(ui.mensajes.empty());
}

TEST_F(Flujos, ImportCompanionArgumentsAndFailures) {
    // Default folder and year; an existing data file is not emptied before the run.
    carpeta.Escribir("tmp/iestokrt.dat", "previo");
    entorno.Fijar("VADREL_SALIDA", "3");
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedImportar();
    EXPECT_EQ(Argumentos(), (std::vector<std::string>{"c:\\roziva\\datos", "2024",
                                                      ui.temporal + "iestokrt.dat", "I", "S"}));
    EXPECT_EQ(LeerArchivo(ui.temporal + "iestokrt.dat"), "previo");
    // Exit 3: the log, then the message; no model, no save dialog.
    EXPECT_EQ(ui.eventos, (std::vector<std::string>{"dialogo 134", "inicio " + visor,
                                                    "mensaje Problemas en la importaci\xF3n."}));
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Informacion);

    // A folder from odbc.ini with blanks reaches the companion as one argument.
    BaseDeDatos("  \"/srv/ies 2000/datos\"  ");
    ui.pasos = {{kIdOk, {{IDC_CURSO, "2031"}}}};
    dlg.OnBnClickedImportar();
    EXPECT_EQ(Argumentos(), (std::vector<std::string>{"/srv/ies 2000/datos", "2031",
                                                      ui.temporal + "iestokrt.dat", "I", "S"}));

    // No companion on the search path: the system's text and the 32-bit note.
    entorno.Fijar("PATH", herramientas);
    ui.mensajes.clear();
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedImportar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto,
              TextoError(plataforma::codigo::ArchivoNoEncontrado) + kSistema32);
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Informacion);
}

TEST_F(Flujos, ImportOfACutDataFileShowsTheLogThenTheSection) {
    prueba::FicheroIes f;
    f.Departamento("MAT", "Matematicas").Grupo("1A", "1ESO", "Primero A");
    f.Materia("Matematicas", "M1", "MAT", "MAT");
    carpeta.Escribir("cortado.dat", f.Hasta(prueba::MATERIAS));
    entorno.Fijar("VADREL_DATOS", carpeta.En("cortado.dat"));
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedImportar();
    ASSERT_EQ(ui.eventos.size(), 3u);
    EXPECT_EQ(ui.eventos[1], "inicio " + visor);
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, TextoError(plataforma::codigo::FinDeArchivo) + "\nMATERIAS");
    EXPECT_TRUE(ui.dialogosArchivo.empty());
}

TEST_F(Flujos, ImportWritesTheDocumentTheLibraryPathWrites) {
    const std::string datos = kMuestra;
    entorno.Fijar("VADREL_DATOS", datos);

    // The library path: the same data file read and written without the flow.
    std::string error;
    ASSERT_EQ(prueba::ImportarArchivo(datos, carpeta.En("esperado.xml"), error), 1) << error;

    const std::string destino = ui.documentos + "/horario.XML";
    ui.pasos = {{kIdOk, {}}};
    ui.archivos = {Elegido(destino)};
    dlg.OnBnClickedImportar();
    ASSERT_EQ(ui.dialogosArchivo.size(), 1u);
    const plataforma::ParametrosArchivo& p = ui.dialogosArchivo[0];
    EXPECT_FALSE(p.abrir);
    EXPECT_EQ(p.nombreInicial, ui.documentos + "/planificador.xml");
    EXPECT_EQ(p.extensionPorDefecto, "xml");
    EXPECT_EQ(p.filtro, "All (*.*)|*.*|XML files|*.xml||");
    EXPECT_EQ(LeerArchivo(destino), LeerArchivo(carpeta.En("esperado.xml")));
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, "Se ha creado el archivo:\n" + destino);
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Informacion);
    EXPECT_EQ(ui.esperas, 1);
}

TEST_F(Flujos, ImportSaveDialogOutcomes) {
    entorno.Fijar("VADREL_DATOS", kMuestra);
    auto importar = [&](plataforma::ResultadoArchivo r) {
        ui.mensajes.clear();
        ui.pasos = {{kIdOk, {}}};
        ui.archivos = {r};
        dlg.OnBnClickedImportar();
    };
    importar(Elegido(ui.documentos + "/horario.txt"));
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, "El archivo de s\xF3lo puede tener extensi\xF3n .xml");
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Exclamacion);
    EXPECT_FALSE(std::filesystem::exists(ui.documentos + "/horario.txt"));

    plataforma::ResultadoArchivo sinCarpeta;
    sinCarpeta.errorExtendido = plataforma::kErrorNombreArchivoNoValido;
    importar(sinCarpeta);
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, "No existe la carpeta seleccionada");
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Exclamacion);

    importar({}); // plain cancel
    EXPECT_TRUE(ui.mensajes.empty());

    // A document that cannot be written is reported with its path, never as created.
    const std::string imposible = carpeta.En("no-existe/horario.xml");
    importar(Elegido(imposible));
    ASSERT_EQ(ui.mensajes.size(), 1u);
    const std::string& texto = ui.mensajes[0].texto;
    EXPECT_EQ(texto, TextoError(plataforma::UltimoError()) + "\n" + imposible);
    EXPECT_GT(texto.size(), imposible.size() + 3); // the system's text comes first
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Informacion);
}

TEST_F(Flujos, ImportGoesOnWithTheLongPathWhenTheShortOneFails) {
    ui.temporal = carpeta.En("no-existe/"); // the data file cannot even be created
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedImportar();
    ASSERT_GE(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, TextoError(plataforma::codigo::ArchivoNoEncontrado));
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Informacion);
    EXPECT_EQ(Argumentos().at(2), ui.temporal + "iestokrt.dat");
}

TEST_F(Flujos, DocumentsFolderTooLongForTheNameIsProposedAlone) {
    ui.documentos = "/" + std::string(243, 'd'); // 244 characters: 244 + 17 > 260
    EXPECT_EQ(dlg.ObtenerRutaMisDocumentos("planificador.xml"), ui.documentos);
    ui.documentos = "/" + std::string(242, 'd'); // 243 + 17 = 260
    EXPECT_EQ(dlg.ObtenerRutaMisDocumentos("planificador.xml"),
              ui.documentos + "/planificador.xml");
    EXPECT_EQ(dlg.ObtenerRutaMisDocumentos(nullptr), ui.documentos);
    ui.documentos = "";
    EXPECT_EQ(dlg.ObtenerRutaMisDocumentos("Horario.xml"), "Horario.xml");
}

// ---- Load ---------------------------------------------------------------------------------

TEST_F(Flujos, LoadOpenDialogAndDocumentFailures) {
    dlg.OnBnClickedCargar(); // open dialog cancelled
    ASSERT_EQ(ui.dialogosArchivo.size(), 1u);
    EXPECT_TRUE(ui.dialogosArchivo[0].abrir);
    EXPECT_EQ(ui.dialogosArchivo[0].nombreInicial, ui.documentos + "/Horario.xml");
    EXPECT_EQ(ui.dialogosArchivo[0].filtro, "Archivos XML (*.xml)|*.xml|Todos (*.*)|*.*||");
    EXPECT_TRUE(ui.mensajes.empty());

    ui.archivos = {Elegido(carpeta.En("horario.txt"))};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Exclamacion);

    ui.mensajes.clear();
    ui.archivos = {Elegido(carpeta.Escribir("otro.xml", "<?xml version=\"1.0\"?><otro/>"))};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, "El formato XML debe ser el propio de KRT.\nPara otros "
                                    "formatos XML vea: Importar datos.");
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Exclamacion);

    ui.mensajes.clear();
    ui.archivos = {Elegido(carpeta.Escribir("roto.XML", "<datosKRT><version>"))};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto.rfind("Error de acceso XML: ", 0), 0u);
    EXPECT_EQ(ui.mensajes[0].texto.size(), std::string("Error de acceso XML: ").size() + 8);
    EXPECT_TRUE(ui.dialogos.empty()); // no transfer dialog after a failed read
}

TEST_F(Flujos, LoadTransferDialogDefaultsAndCancel) {
    ui.archivos = {Elegido(kSolucion)};
    dlg.OnBnClickedCargar(); // transfer dialog cancelled: nothing written, nothing run
    ASSERT_EQ(ui.dialogos.size(), 1u);
    auto& t = ui.dialogos[0].textos;
    EXPECT_EQ(t[IDC_RUTA], "C:\\RozIva\\Datos\\Horarios");
    EXPECT_EQ(t[IDC_CURSO], "2025");
    EXPECT_EQ(t[IDC_BORRAR], "1");
    EXPECT_EQ(t[IDC_HORARIO], kSolucion);
    EXPECT_FALSE(std::filesystem::exists(ui.temporal + "krttoies.dat"));
    EXPECT_TRUE(ui.mensajes.empty());

    BaseDeDatos("F:\\roziva\\datos");
    ui.archivos = {Elegido(kSolucion)};
    dlg.OnBnClickedCargar();
    EXPECT_EQ(ui.dialogos[1].textos[IDC_RUTA], "F:\\roziva\\datos\\Horarios");
    BaseDeDatos("");
    ui.archivos = {Elegido(kSolucion)};
    dlg.OnBnClickedCargar();
    EXPECT_EQ(ui.dialogos[2].textos[IDC_RUTA], "C:\\RozIva\\Datos\\Horarios");
}

TEST_F(Flujos, LoadHandsTheLibraryPathsTimetableFileToTheCompanion) {
    // The library path: the document read and the timetable file written without the flow.
    const prueba::Carga esperada = prueba::CargarHorario(kSolucion, carpeta.En("esperado.dat"));
    ASSERT_EQ(esperada.escrito, 1) << esperada.mensaje << esperada.error;
    ASSERT_FALSE(LeerArchivo(carpeta.En("esperado.dat")).empty());

    // An existing table in a folder with a blank: no question, left as it was.
    const std::string base = carpeta.Ruta() + "/ies datos";
    std::filesystem::create_directories(base);
    carpeta.Escribir("ies datos/Horarios.db", "tabla");
    BaseDeDatos(base);
    entorno.Fijar("VADREL_COPIA", carpeta.En("recibido.dat"));
    ui.archivos = {Elegido(kSolucion)};
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedCargar();
    EXPECT_EQ(Argumentos(), (std::vector<std::string>{base + "/Horarios", "2025",
                                                      ui.temporal + "krttoies.dat", "X", "S"}));
    EXPECT_EQ(LeerArchivo(carpeta.En("recibido.dat")), LeerArchivo(carpeta.En("esperado.dat")));
    EXPECT_EQ(LeerArchivo(base + "/Horarios.db"), "tabla");
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, "Se ha transferido el horario a la base de datos");
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Informacion);

    // Delete-first unchecked, another year; exit 2 shows the log then the access problem.
    entorno.Fijar("VADREL_SALIDA", "2");
    ui.eventos.clear();
    ui.mensajes.clear();
    ui.archivos = {Elegido(kSolucion)};
    ui.pasos = {{kIdOk, {{IDC_BORRAR, "0"}, {IDC_CURSO, "2026"}}}};
    dlg.OnBnClickedCargar();
    EXPECT_EQ(Argumentos(), (std::vector<std::string>{base + "/Horarios", "2026",
                                                      ui.temporal + "krttoies.dat", "X", "N"}));
    EXPECT_EQ(ui.eventos.back(),
              "mensaje Se han producido alg\xFAn problema de acceso a los datos.");
    EXPECT_EQ(ui.eventos[ui.eventos.size() - 2], "inicio " + visor);

    // No companion: the system's text and "Error!".
    entorno.Fijar("PATH", herramientas);
    ui.mensajes.clear();
    ui.archivos = {Elegido(kSolucion)};
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto,
              TextoError(plataforma::codigo::ProgramaNoEncontrado) + "\nError!");
}

TEST_F(Flujos, LoadMissingTableQuestion) {
    const std::string base = carpeta.Ruta() + "/base";
    std::filesystem::create_directories(base);
    BaseDeDatos(base);
    const std::string pregunta = "No se encuentra la base de datos en esta ruta. \xBFQuiere crear "
                                 "la tabla de horarios?";

    // Cancel: the timetable file is written, nothing is run, nothing more is said.
    ui.archivos = {Elegido(kSolucion)};
    ui.pasos = {{kIdOk, {}}};
    ui.respuestas = {Respuesta::Cancelar};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto, pregunta);
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Informacion);
    EXPECT_EQ(ui.mensajes[0].botones, plataforma::Botones::AceptarCancelar);
    EXPECT_TRUE(std::filesystem::exists(ui.temporal + "krttoies.dat"));
    EXPECT_FALSE(std::filesystem::exists(base + "/Horarios.db"));
    EXPECT_FALSE(std::filesystem::exists(carpeta.En("argumentos")));

    // OK: an empty table, the warning about it, then the run.
    ui.mensajes.clear();
    ui.archivos = {Elegido(kSolucion)};
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 3u);
    EXPECT_EQ(ui.mensajes[1].texto.rfind("Se ha creado la tabla. No se debe usar", 0), 0u);
    EXPECT_EQ(ui.mensajes[1].icono, Icono::Ninguno);
    EXPECT_EQ(ui.mensajes[2].texto, "Se ha transferido el horario a la base de datos");
    EXPECT_EQ(LeerArchivo(base + "/Horarios.db"), "");
    EXPECT_TRUE(std::filesystem::exists(base + "/Horarios.db"));
}

TEST_F(Flujos, LoadDefaultWindowsTableCannotBeCreatedHere) {
    prueba::EnCarpeta aqui(carpeta.Ruta());
    ui.archivos = {Elegido(kSolucion)};
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 3u);
    // The question, the short path's failure, then the flow's failure.
    EXPECT_EQ(ui.mensajes[1].texto, TextoError(plataforma::UltimoError()));
    EXPECT_EQ(ui.mensajes[2].texto, TextoError(plataforma::UltimoError()) + "\nError!");
    EXPECT_FALSE(std::filesystem::exists(carpeta.En("argumentos")));
    for (const auto& e : std::filesystem::directory_iterator(carpeta.Ruta()))
        EXPECT_EQ(e.path().filename().string().find("C:"), std::string::npos);
}

TEST_F(Flujos, LoadStopsSilentlyOrWithThePlainBoxWhenTheTimetableFileIsNotWritten) {
    BaseDeDatos(carpeta.Ruta());
    carpeta.Escribir("Horarios.db", "tabla");

    // A teacher's code longer than its field: cancelling the truncation question ends the flow.
    std::string documento = LeerArchivo(kSolucion);
    const std::string corto = "<claveDeExportacion>PER</claveDeExportacion>";
    documento.replace(documento.find(corto), corto.size(),
                      "<claveDeExportacion>" + std::string(25, 'P') + "</claveDeExportacion>");
    ui.archivos = {Elegido(carpeta.Escribir("largo.xml", documento))};
    ui.pasos = {{kIdOk, {}}};
    ui.respuestas = {Respuesta::Cancelar};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].botones, plataforma::Botones::SiNoCancelar);
    EXPECT_FALSE(std::filesystem::exists(carpeta.En("argumentos")));

    // A temporary folder that does not exist: the writer's text in a box without icon.
    ui.mensajes.clear();
    ui.temporal = carpeta.En("no-existe/");
    ui.archivos = {Elegido(kSolucion)};
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto.rfind("FICHERO DE DATOS\n", 0), 0u);
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Ninguno);
    EXPECT_FALSE(std::filesystem::exists(carpeta.En("argumentos")));
}

TEST_F(Flujos, LoadOfADocumentWithoutTimetableRunsNothing) {
    BaseDeDatos(carpeta.Ruta());
    carpeta.Escribir("Horarios.db", "tabla");
    ui.archivos = {Elegido(kSinHorario)};
    ui.pasos = {{kIdOk, {}}};
    dlg.OnBnClickedCargar();
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto,
              "El horario no contiene actividades colocadas; no se ha transferido nada.");
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Informacion);
    EXPECT_FALSE(std::filesystem::exists(carpeta.En("argumentos")));
}

} // namespace
