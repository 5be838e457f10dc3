// Solved timetable documents read and written as the IES2000 timetable file, the way the load
// flow does it, compared byte for byte with records written out field by field.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/common/archivos.h"
#include "tests/common/avisos.h"
#include "tests/common/carga.h"
#include "tests/common/documentos.h"
#include "tests/common/modelo.h"
#include "tests/common/modelo_colocacion.h"

namespace {

using namespace prueba;
using plataforma::Botones;
using plataforma::Icono;
using plataforma::Respuesta;

std::string E(const std::string& nombre, const std::string& texto) {
    return "<" + nombre + ">" + texto + "</" + nombre + ">";
}

std::string Aula(const std::string& nombre, const std::string& clave) {
    return "<aula>" + E("nombre", nombre) + E("claveDeExportacion", clave) + "</aula>";
}

std::string Profesor(const std::string& nombre, const std::string& clave) {
    return "<profesor>" + E("nombre", nombre) + E("claveDeExportacion", clave) + "</profesor>";
}

std::string Sesion(int id, const std::string& profesor, const std::string& grupo,
                   const std::string& dentro = "") {
    return "<sesion id=\"" + std::to_string(id) + "\">" + E("materia", "MAT") + E("grupo", grupo) +
           E("profesor", profesor) +
           "<distribucionSemanal><distribucionFija><numSesiones>1</numSesiones>"
           "</distribucionFija></distribucionSemanal>" +
           dentro + "</sesion>";
}

// A `tramo` of the timetable.
std::string T(int dia, int indice, const std::string& dentro, const std::string& marco = "A") {
    return "<tramo dia=\"" + std::to_string(dia) + "\" indice=\"" + std::to_string(indice) +
           "\" marco=\"" + marco + "\">" + dentro + "</tramo>";
}

std::string EnAula(const std::string& aula, int sesion, const std::string& extra = "") {
    return "<aula id=\"" + aula + "\"><sesion>" + std::to_string(sesion) + "</sesion>" + extra +
           "</aula>";
}

std::string Guardia(const std::string& nombre, const std::string& profesor) {
    return "<guardia>" + E("nombre", nombre) + E("profesor", profesor) + "</guardia>";
}

// The base document: frame A on Monday to Friday with a lesson 08:30-09:20 ("1", indice 0), the
// recess 09:20-09:40 ("R1", indice 1) and a lesson 09:40-10:30 ("2", indice 2); rooms A1 and A2;
// tasks LEC, G and RDP; teachers Ana and Luis; subject MAT; groups 1A and 1B; sessions 0 (MAT,
// 1A, Ana) and 1 (MAT, 1B, Luis). Each field may be changed by a test before Texto().
struct DocumentoDosSesiones {
    std::string periodos;
    std::string marcos = MarcosBasicos();
    std::string aulas = Aula("A1", "AU1") + Aula("A2", "AU2");
    std::string sinDeclarar = "0";
    std::string profesores = Profesor("Ana", "P1") + Profesor("Luis", "P2");
    std::string grupos = "<grupo submarco=\"A\"><nombre>1A</nombre><claveDeExportacion>G1"
                         "</claveDeExportacion></grupo><grupo submarco=\"A\"><nombre>1B</nombre>"
                         "<claveDeExportacion>G2</claveDeExportacion></grupo>";
    std::string sesion0, sesion1; // further children of each session
    std::string sesiones;         // further sessions
    std::string secciones;        // meetings, duties, complementary activities
    std::string horario;

    std::string Texto() const {
        return Documento(periodos + marcos + E("aulas", aulas) +
                         "<conjuntoDeAulas><general nombre=\"general\" sinDeclarar=\"" +
                         sinDeclarar + "\"/></conjuntoDeAulas>" +
                         "<tareas><tarea><nombre>LEC</nombre><claveDeExportacion>LEC"
                         "</claveDeExportacion></tarea><tarea><nombre>G</nombre>"
                         "<claveDeExportacion>G</claveDeExportacion></tarea><tarea><nombre>RDP"
                         "</nombre><claveDeExportacion>RDP</claveDeExportacion></tarea>"
                         "<lectivaPorDefecto>LEC</lectivaPorDefecto><guardiaPorDefecto>G"
                         "</guardiaPorDefecto><reunionPorDefecto>RDP</reunionPorDefecto>"
                         "</tareas>" +
                         E("profesores", profesores) +
                         "<materias><materia><nombre>MAT</nombre><claveDeExportacion>M1"
                         "</claveDeExportacion></materia></materias>" +
                         E("grupos", grupos) +
                         E("sesionesLectivas", Sesion(0, "Ana", "1A", sesion0) +
                                                   Sesion(1, "Luis", "1B", sesion1) + sesiones) +
                         secciones + E("horario", horario));
    }
};

class Horario : public ::testing::Test {
protected:
    Entorno entorno;
    std::string fichero = ArchivoTemporal("krttoies.dat", "sin escribir");

    // The timetable file written from the document, or "?" when it could not be read.
    std::string Fichero(const std::string& documento) {
        const Carga c = CargarHorario(ArchivoTemporal("horario.xml", documento), fichero);
        EXPECT_EQ(c.leido, 1) << c.mensaje;
        EXPECT_EQ(c.escrito, 1) << c.error;
        return c.leido == 1 ? LeerArchivo(fichero) : "?";
    }
    std::string Fichero(const DocumentoDosSesiones& d) { return Fichero(d.Texto()); }
};

// Records of the base document's frame on Monday, lesson "1".
std::string Lunes1(const std::string& profesor, const std::string& materia,
                   const std::string& grupo, const std::string& aula, const std::string& tarea) {
    return Reg(profesor, 'L', "1", materia, grupo, aula, tarea, "08:30", "09:20");
}

TEST_F(Horario, UnaSesionEnUnaAulaEnDosYSinAula) {
    DocumentoDosSesiones d;
    d.horario = T(0, 0, EnAula("A1", 0));
    EXPECT_EQ(Fichero(d), Lunes1("P1", "M1", "G1", "AU1", "LEC"));

    // A further room of the session, placed as its second room in the same slot.
    d.sesion0 = "<otrasAulas><otraAula origenAula=\"1\"><aula>A2</aula></otraAula></otrasAulas>";
    d.horario = T(0, 0, EnAula("A1", 0) + EnAula("A2", 0));
    EXPECT_EQ(Fichero(d),
              Lunes1("P1", "M1", "G1", "AU1", "LEC") + Lunes1("P1", "M1", "G1", "AU2", "LEC"));

    // Without a room the session takes a spare row, which names no room; an anonymous room is
    // known by its id. Rooms A1..A4 with 4 undeclared: rows 0..3 for the rooms, 4..7 spare.
    d = DocumentoDosSesiones{};
    d.aulas += Aula("A3", "AU3") + Aula("A4", "AU4");
    d.sinDeclarar = "4";
    d.horario = T(0, 0,
                  "<aula id=\"3\" anonima=\"x\"><sesion>0</sesion></aula>"
                  "<aula id=\"3\" anonima=\"x\"><sesion>1</sesion></aula>") +
                T(1, 2, "<aula><sesion>0</sesion></aula>");
    EXPECT_EQ(Fichero(d), Lunes1("P1", "M1", "G1", "AU4", "LEC") +
                              Lunes1("P2", "M1", "G2", "", "LEC") +
                              Reg("P1", 'M', "2", "M1", "G1", "", "LEC", "09:40", "10:30"));
}

TEST_F(Horario, CompanerasDeLaSesionProfesorDeLaColocacionYSobrescritura) {
    DocumentoDosSesiones d;
    d.sesion0 = "<otrosGrupos><grupo>1B</grupo></otrosGrupos>"
                "<otrosProfesores><profesor>Luis</profesor></otrosProfesores>";
    d.horario = T(0, 0, EnAula("A1", 0));
    EXPECT_EQ(Fichero(d), Lunes1("P1", "M1", "G1", "AU1", "LEC") +
                              Lunes1("P1", "M1", "G2", "AU1", "LEC") +
                              Lunes1("P2", "M1", "G1", "AU1", "LEC"));

    // A teacher named by one placement holds for every placement of the session.
    d = DocumentoDosSesiones{};
    d.horario = T(0, 0, EnAula("A1", 0, E("profesor", "Luis"))) + T(1, 0, EnAula("A1", 0));
    EXPECT_EQ(Fichero(d), Lunes1("P2", "M1", "G1", "AU1", "LEC") +
                              Reg("P2", 'M', "1", "M1", "G1", "AU1", "LEC", "08:30", "09:20"));

    // The same room and slot twice: the second placement wins.
    d.horario = T(0, 0, EnAula("A1", 0) + EnAula("A1", 1));
    EXPECT_EQ(Fichero(d), Lunes1("P2", "M1", "G2", "AU1", "LEC"));
}

TEST_F(Horario, UnaReunionYGuardiasEnClaseYEnElRecreo) {
    DocumentoDosSesiones d;
    std::string miembros, guardias, recreo;
    for (int i = 1; i <= 21; ++i) {
        const std::string n = (i < 10 ? "T0" : "T") + std::to_string(i);
        d.profesores += Profesor(n, "K" + n.substr(1));
        miembros += "<integrante>" + E("nombre", n) + "</integrante>";
        guardias += Guardia("GA", n);
        recreo += Guardia("GR", n);
    }
    d.secciones = "<reuniones><reunion subMarco=\"A\"><nombre>Claustro</nombre><integrantes>"
                  "<integrante>Luis</integrante><integrante>Ana</integrante></integrantes>"
                  "</reunion></reuniones><guardias><guardia subMarco=\"A\"><nombre>GA</nombre>"
                  "<integrantes>" +
                  miembros +
                  "</integrantes></guardia><guardia subMarco=\"A\"><nombre>GR</nombre>"
                  "<enRecreos>true</enRecreos><integrantes>" +
                  miembros + "</integrantes></guardia></guardias>";
    d.horario = T(0, 0, guardias) + T(1, 2, "<reunion>Claustro</reunion>") +
                T(4, 1, recreo + Guardia("XX", "Luis"));
    std::string esperado;
    // Twenty members fill the duty's rows; the 21st is not placed.
    for (int i = 1; i <= 20; ++i)
        esperado += Lunes1((i < 10 ? "K0" : "K") + std::to_string(i), "", "", "", "G");
    // The meeting: one record per member, its default task.
    esperado += Reg("P2", 'M', "2", "", "", "", "RDP", "09:40", "10:30") +
                Reg("P1", 'M', "2", "", "", "", "RDP", "09:40", "10:30");
    // The recess cell holds 20 pairs: the 21st member and the unknown duty after it are left out.
    for (int i = 1; i <= 20; ++i)
        esperado += Reg((i < 10 ? "K0" : "K") + std::to_string(i), 'V', "R1", "", "", "", "",
                        "09:20", "09:40");
    EXPECT_EQ(Fichero(d), esperado);

    // A recess duty naming no known duty takes the frame's recess duty; a day of a week that
    // does not exist stores nothing.
    d.horario = T(4, 1, Guardia("XX", "Luis")) + T(5, 1, Guardia("GR", "Luis")) +
                T(40, 1, Guardia("GR", "Luis"));
    EXPECT_EQ(Fichero(d), Reg("P2", 'V', "R1", "", "", "", "", "09:20", "09:40"));
}

TEST_F(Horario, SabadoDosPeriodosYDosMarcosSolapados) {
    DocumentoDosSesiones d;
    d.marcos = MarcosBasicos(6);
    d.horario = T(5, 2, EnAula("A2", 1));
    EXPECT_EQ(Fichero(d), Reg("P2", 'S', "2", "M1", "G2", "AU2", "LEC", "09:40", "10:30"));

    // Two periods: the first period's grid is written; recess duties of both.
    d = DocumentoDosSesiones{};
    d.periodos = "<periodos><periodo><diaFin>4</diaFin></periodo><periodo><diaFin>9</diaFin>"
                 "</periodo></periodos>";
    d.marcos = MarcosBasicos(10);
    d.sesion0 = "<distribucionPeriodica><distribucionPeriodicaFija><enPeriodos><refPeriodo>2"
                "</refPeriodo></enPeriodos></distribucionPeriodicaFija></distribucionPeriodica>";
    d.secciones = "<guardias><guardia subMarco=\"A\"><nombre>GR</nombre><enRecreos>true"
                  "</enRecreos><integrantes><integrante><nombre>Ana</nombre></integrante>"
                  "</integrantes></guardia></guardias>";
    d.horario = T(5, 0, EnAula("A1", 0)) + T(0, 0, EnAula("A2", 1)) +
                T(6, 1, Guardia("GR", "Ana")) + T(0, 1, Guardia("GR", "Luis"));
    EXPECT_EQ(Fichero(d), Lunes1("P2", "M1", "G2", "AU2", "LEC") +
                              Reg("P2", 'L', "R1", "", "", "", "", "09:20", "09:40") +
                              Reg("P1", 'M', "R1", "", "", "", "", "09:20", "09:40"));

    // Frames A and B at the same times, group 1B in frame B. Room row 1 (A2) given by number
    // to both sessions at the same time: frame A takes it, frame B's session goes to the spare
    // row, which names no room.
    d = DocumentoDosSesiones{};
    std::string b = "<marcoHorario id=\"B\" nombre=\"B\">";
    for (int dia = 0; dia < 5; ++dia)
        b += Tramo("B", dia, 0, "08:30:00", "09:20:00", "lectivo", "B1");
    d.marcos.insert(d.marcos.find("</marcosDeHorario>"), b + "</marcoHorario>");
    d.grupos.replace(d.grupos.rfind("submarco=\"A\""), 12, "submarco=\"B\"");
    d.sinDeclarar = "1";
    d.horario = T(0, 0, "<aula id=\"1\" anonima=\"\"><sesion>0</sesion></aula>") +
                T(0, 0, "<aula id=\"1\" anonima=\"\"><sesion>1</sesion></aula>", "B");
    EXPECT_EQ(Fichero(d), Lunes1("P1", "M1", "G1", "AU2", "LEC") +
                              Reg("P2", 'L', "B1", "M1", "G2", "", "LEC", "08:30", "09:20"));
}

TEST_F(Horario, ProfesoresExcluidosYPreguntaDeTruncado) {
    DocumentoDosSesiones d;
    d.profesores = Profesor("Ana", "ABCDEFGHIJKLMNOPQRSTU") + Profesor("Luis", "P2");
    d.horario = T(0, 0, EnAula("A1", 0) + EnAula("A2", 1)) + T(1, 0, EnAula("A1", 0));
    const std::string documento = ArchivoTemporal("horario.xml", d.Texto());
    const std::string ana = "ABCDEFGHIJKLMNOPQRST";
    const std::string todo = Lunes1(ana, "M1", "G1", "AU1", "LEC") +
                             Lunes1("P2", "M1", "G2", "AU2", "LEC") +
                             Reg(ana, 'M', "1", "M1", "G1", "AU1", "LEC", "08:30", "09:20");

    // Yes: asked again at every long text; No: asked once; Cancel: nothing written after it.
    const std::string pregunta = "El identificativo de Profesor: ABCDEFGHIJKLMNOPQRSTU tiene "
                                 "m\xE1s de 20 caracteres y se truncar\xE1 para crear el "
                                 "archivo.\n\xBFQuiere continuar viendo estos mensajes ?";
    for (const auto& [respuesta, avisos, resultado, escrito] :
         {std::tuple{Respuesta::Si, 2u, 1, todo}, std::tuple{Respuesta::No, 1u, 1, todo},
          std::tuple{Respuesta::Cancelar, 1u, 0, std::string()}}) {
        entorno.avisos.avisos.clear();
        entorno.avisos.respuestas = {respuesta, respuesta};
        const Carga c = CargarHorario(documento, fichero);
        EXPECT_EQ(c.escrito, resultado);
        EXPECT_EQ(c.error, "");
        EXPECT_EQ(LeerArchivo(fichero), escrito);
        ASSERT_EQ(entorno.avisos.avisos.size(), avisos);
        EXPECT_EQ(entorno.avisos.avisos[0].texto, pregunta);
        EXPECT_EQ(entorno.avisos.avisos[0].icono, Icono::Informacion);
        EXPECT_EQ(entorno.avisos.avisos[0].botones, Botones::SiNoCancelar);
    }

    // The document cannot set the bit that leaves a teacher out; set on the model read, it
    // leaves out that teacher's records only.
    entorno.avisos.respuestas = {Respuesta::No};
    const Carga c = CargarHorario(documento, fichero, [](CDatos& datos) {
        datos.profesores.NodoEnIndice(1)->dato.opciones.incompatibilidades |=
            PROFESOR_EXCLUIDO_DEL_HORARIO;
    });
    EXPECT_EQ(c.escrito, 1);
    EXPECT_EQ(LeerArchivo(fichero), Lunes1("P2", "M1", "G2", "AU2", "LEC"));
}

TEST_F(Horario, FilasDeAulasYSinCapacidad) {
    // Fewer room rows than rooms (a negative count of undeclared rooms): every room still has
    // its row. A session in a recess slot is not placed.
    DocumentoDosSesiones d;
    d.sinDeclarar = "-2";
    d.horario = T(0, 0, EnAula("A2", 0)) + T(0, 1, EnAula("A1", 1));
    EXPECT_EQ(Fichero(d), Lunes1("P1", "M1", "G1", "AU2", "LEC"));

    // 100 rooms, 97 duties in lessons and 5 meetings: 2045 grid rows fit.
    d = DocumentoDosSesiones{};
    for (int i = 3; i <= 100; ++i)
        d.aulas += Aula("A" + std::to_string(i), "");
    d.secciones = "<reuniones>";
    for (int i = 0; i < 5; ++i)
        d.secciones += "<reunion><nombre>R" + std::to_string(i) +
                       "</nombre><integrantes><integrante>Ana</integrante></integrantes></reunion>";
    d.secciones += "</reuniones><guardias>";
    for (int i = 0; i < 97; ++i)
        d.secciones += "<guardia>" + E("nombre", "G" + std::to_string(i)) + "</guardia>";
    d.secciones += "</guardias>";
    d.horario = T(0, 0, EnAula("A1", 0));
    EXPECT_EQ(Fichero(d), Lunes1("P1", "M1", "G1", "AU1", "LEC"));
    EXPECT_TRUE(entorno.avisos.avisos.empty());

    // One complementary activity more: no capacity, and nothing placed.
    d.secciones += "<complementarias><complementaria><identificador>0</identificador>"
                   "<tarea>LEC</tarea><profesor>Ana</profesor></complementaria>"
                   "</complementarias>";
    EXPECT_EQ(Fichero(d), "");
    ASSERT_EQ(entorno.avisos.avisos.size(), 1u);
    EXPECT_EQ(entorno.avisos.avisos[0].texto, "No hay capacidad.\nThere is no capacity.");
    EXPECT_EQ(entorno.avisos.avisos[0].icono, Icono::Ninguno);
    EXPECT_EQ(entorno.avisos.avisos[0].botones, Botones::Aceptar);
}

TEST_F(Horario, ElDocumentoDeUnaImportacionDaUnFicheroVacio) {
    // The writer's document of a data file: rooms, teachers and intervals, no sessions, and a
    // general room set with a negative count of undeclared rooms.
    const Carga c = CargarHorario(RutaFixture("documento_importado.xml"), fichero);
    ASSERT_EQ(c.leido, 1) << c.mensaje;
    EXPECT_EQ(c.escrito, 1) << c.error;
    EXPECT_TRUE(std::filesystem::exists(fichero));
    EXPECT_EQ(LeerArchivo(fichero), "");
    EXPECT_TRUE(entorno.avisos.avisos.empty());
}

} // namespace
