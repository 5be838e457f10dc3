#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

#include "ayuda.h"
#include "platform/error.h"
#include "platform/files.h"
#include "tests/common/no_regulares.h"
#include "xmlwriter/exportador.h"

namespace {

TEST(ArchivoDocumento, AnExistingFileIsReplacedByTheWholeDocument) {
    auto d = prueba::ModeloPreparado(0);
    const std::string ruta = prueba::RutaTemporal("existente.xml");
    std::ofstream(ruta, std::ios::binary) << std::string(100 * 1024, 'x');
    CExportadorXML x(d.get());
    EXPECT_EQ(x.ExportarXML(ruta.c_str(), nullptr, 0), 1);
    EXPECT_EQ(prueba::LeerArchivo(ruta), x.Documento());
    std::remove(ruta.c_str());
}

TEST(ArchivoDocumento, AFileThatCannotBeCreatedIsReportedAndLeavesNothing) {
    auto d = prueba::ModeloPreparado(0);
    const std::string ruta = prueba::RutaTemporal("no_existe") + "/documento.xml";
    CExportadorXML x(d.get());
    EXPECT_EQ(x.ExportarXML(ruta.c_str(), nullptr, 0), 0);
    EXPECT_FALSE(plataforma::ExisteArchivo(ruta.c_str()));
}

TEST(ArchivoDocumento, AFailedWriteIsReportedAndADeviceIsLeftInPlace) {
    struct stat st;
    if (::stat("/dev/full", &st) != 0) GTEST_SKIP() << "no /dev/full here";
    auto d = prueba::ModeloPreparado(0);
    CExportadorXML x(d.get());
    EXPECT_EQ(x.ExportarXML("/dev/full", nullptr, 0), 0);
    EXPECT_TRUE(plataforma::ExisteArchivo("/dev/full"));
}

TEST(ArchivoDocumento, AShortWriteRemovesThePartialFile) {
    auto d = prueba::ModeloPreparado(0);
    const std::string ruta = prueba::RutaTemporal("corto.xml");
    // A file size limit cuts the write short (EFBIG) once 1000 bytes are in the file.
    rlimit antes{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antes), 0);
    rlimit limite = antes;
    limite.rlim_cur = 1000;
    auto senal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    CExportadorXML x(d.get());
    const int r = x.ExportarXML(ruta.c_str(), nullptr, 0);
    ::setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senal);
    EXPECT_GT(x.Documento().size(), 1000u);
    EXPECT_EQ(r, 0);
    EXPECT_FALSE(plataforma::ExisteArchivo(ruta.c_str()));
}

TEST(ArchivoDocumento, AFailedWriteLeavesThePreviousDocumentWholeAndNoOtherFile) {
    auto d = prueba::ModeloPreparado(0);
    prueba::CarpetaCasiLlena carpeta("documento_lleno");
    const std::string destino = carpeta.En("datos.xml");
    std::ofstream(destino, std::ios::binary) << "<datosKRT/>";
    CExportadorXML x(d.get());
    int resultado = -1;
    carpeta.ConEspacioAgotado([&] { resultado = x.ExportarXML(destino.c_str(), nullptr, 0); });
    ASSERT_GT(x.Documento().size(), prueba::CarpetaCasiLlena::kCabida);
    EXPECT_EQ(resultado, 0);
    EXPECT_EQ(plataforma::UltimoError(), carpeta.CodigoEsperado());
    EXPECT_EQ(prueba::LeerArchivo(destino), "<datosKRT/>");
    EXPECT_EQ(carpeta.Nombres(), std::vector<std::string>{"datos.xml"});
}

TEST(ArchivoDocumento, AnOutputThatIsNoRegularFileIsRefusedAndLeftInPlace) {
    auto d = prueba::ModeloPreparado(0);
    prueba::CarpetaAislada carpeta("documento_no_regulares");
    const auto noRegulares = prueba::CrearArchivosNoRegulares(carpeta.Ruta());
    CExportadorXML x(d.get());
    for (const std::string& ruta : noRegulares) {
        const std::string tipo = prueba::TipoDeArchivo(ruta);
        EXPECT_EQ(x.ExportarXML(ruta.c_str(), nullptr, 0), 0) << ruta;
        EXPECT_EQ(plataforma::UltimoError(), plataforma::codigo::AccesoDenegado);
        EXPECT_EQ(prueba::TipoDeArchivo(ruta), tipo) << ruta;
    }
    EXPECT_EQ(carpeta.Nombres().size(), noRegulares.size());
}

} // namespace
