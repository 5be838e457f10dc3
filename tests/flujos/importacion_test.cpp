#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/common/archivos.h"
#include "tests/common/avisos.h"
#include "tests/common/documentos.h"
#include "tests/common/importacion.h"
#include "tests/common/modelo.h"

namespace {

// One record of the data file: fields written at their offsets, the rest NUL bytes.
struct Registro {
    std::string bytes;
    explicit Registro(std::size_t tamano) : bytes(tamano, '\0') {}
    Registro& Campo(std::size_t posicion, std::string_view valor) {
        bytes.replace(posicion, valor.size(), valor);
        return *this;
    }
};

// A section: its records, then the terminator record of the same size.
std::string Seccion(std::size_t tamano, const std::vector<Registro>& registros = {}) {
    std::string s;
    for (const Registro& r : registros)
        s += r.bytes;
    return s + Registro(tamano).Campo(0, "_fi\n").bytes;
}

Registro Departamento(std::string_view codigo, std::string_view nombre) {
    return Registro(36).Campo(0, codigo).Campo(5, nombre);
}
Registro Grupo(std::string_view codigo, std::string_view curso, std::string_view nombre) {
    return Registro(55).Campo(0, codigo).Campo(5, curso).Campo(12, nombre);
}
Registro Materia(std::string_view nombre, std::string_view codigo, std::string_view dpto,
                 std::string_view abreviatura) {
    return Registro(52).Campo(0, nombre).Campo(31, codigo).Campo(36, dpto).Campo(41, abreviatura);
}
Registro Profesor(std::string_view nombre, std::string_view codigo, std::string_view dpto) {
    return Registro(63).Campo(0, nombre).Campo(53, codigo).Campo(58, dpto);
}
Registro Aula(std::string_view codigo, std::string_view nombre) {
    return Registro(43).Campo(0, codigo).Campo(5, nombre);
}
Registro Tarea(std::string_view codigo, std::string_view descripcion) {
    return Registro(66).Campo(0, codigo).Campo(5, descripcion);
}
Registro Intervalo(std::string_view texto) {
    return Registro(15).Campo(0, texto);
}
Registro MateCur(std::string_view materia, std::string_view curso, char sesiones) {
    return Registro(13).Campo(0, materia).Campo(5, curso).Campo(12, std::string_view(&sesiones, 1));
}

std::string Escribir(const std::string& nombre, const std::string& contenido) {
    const std::string ruta = prueba::RutaTemporal(nombre);
    std::ofstream(ruta, std::ios::binary) << contenido;
    return ruta;
}

// Writes the data file, runs the import path and returns the document written.
std::string Importar(const std::string& nombre, const std::string& datos) {
    const std::string origen = Escribir(nombre + ".dat", datos);
    const std::string destino = prueba::RutaTemporal(nombre + ".xml");
    std::string error;
    EXPECT_EQ(prueba::ImportarArchivo(origen, destino, error), 1) << error;
    std::string doc = prueba::LeerArchivo(destino);
    std::remove(origen.c_str());
    std::remove(destino.c_str());
    EXPECT_EQ(prueba::ErrorDeFormato(doc), "");
    EXPECT_EQ(doc.find('\r'), std::string::npos);
    return doc;
}

std::string Fixture(const char* nombre) {
    return prueba::LeerFixture(nombre);
}

TEST(Importacion, AFileOfBareTerminatorsGivesTheDocumentOfTheBuiltInRecords) {
    const std::string datos = Seccion(36) + Seccion(55) + Seccion(52) + Seccion(63) + Seccion(43) +
                              Seccion(66) + Seccion(15) + Seccion(13);
    EXPECT_EQ(Importar("terminadores", datos), Fixture("documento_vacio.xml"));
}

// Every section with records: accents in code page 850, names that clash, characters that
// need escaping, intervals out of order, a task standing for the built-in duty task.
TEST(Importacion, ARichDataFileGivesTheReviewedDocument) {
    const std::string datos =
        Seccion(36,
                {Departamento("MAT", "Matem\xA0ticas"), Departamento("LEN", "Lengua & Literatura"),
                 Departamento("   ", "sin codigo")}) +
        Seccion(55, {Grupo("1A", "1", "1 ESO A"), Grupo("1B", "1", "1 ESO B"),
                     Grupo("2A", "2BT", "2 BACHILLERATO <CIENCIAS>")}) +
        Seccion(52, {Materia("MATEMATICAS", "MAT", "MAT", "Mat"),
                     Materia("LENGUA CASTELLANA Y LITERATURA", "LCL", "LEN", ""),
                     Materia("TUTORIA", "TUT", "", "Tut"),
                     Materia("Espa\xA4ol \"B\" 'x'", "ESP", "FQ", "Esp")}) +
        Seccion(63, {Profesor("GARCIA LOPEZ, ANA", "abc", "MAT"),
                     Profesor("P\x90REZ <NU\xA5"
                              "EZ>",
                              "ABC", "LEN"),
                     Profesor("RUIZ", "R01", "")}) +
        Seccion(43, {Aula("A1", "Aula de m\xA3sica"), Aula("a1", "Aula de m\xA3sica"),
                     Aula("LAB", "Laboratorio & taller")}) +
        Seccion(66, {Tarea("GU", "Guardia de pasillo"), Tarea("7", "Apoyo escolar")}) +
        Seccion(15, {Intervalo("0930  1020  2"), Intervalo("0830  0920  1"),
                     Intervalo("1030  1120  <&>")}) +
        Seccion(13, {MateCur("MAT", "1", 4), MateCur("LCL", "1", '\xFE'), MateCur("ESP", "2BT", 3),
                     MateCur("XXX", "1", 2)});
    EXPECT_EQ(Importar("rico", datos), Fixture("documento_importado.xml"));
}

TEST(Importacion, AFailedReadWritesNoDocument) {
    const std::string origen = Escribir("corto.dat", Seccion(36));
    const std::string destino = prueba::RutaTemporal("corto.xml");
    std::string error;
    EXPECT_EQ(prueba::ImportarArchivo(origen, destino, error), 0);
    EXPECT_NE(error.find("\nGRUPOS"), std::string::npos);
    EXPECT_EQ(prueba::LeerArchivo(destino), "");
    std::remove(origen.c_str());
}

} // namespace
