#include "platform/proceso.h"

#include "platform/error.h"
#include "tests/common/archivos.h"
#include "tests/common/carpeta.h"
#include "tests/common/entorno.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

using namespace plataforma;

namespace {

// Waits (up to ten seconds) until `condicion` holds.
template <typename F> bool Esperar(F condicion) {
    for (int i = 0; i < 1000; ++i) {
        if (condicion()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condicion();
}

// The state letter of /proc/<pid>/stat ('Z' for a zombie), or 0 when the process is gone.
char EstadoDe(pid_t pid) {
    const std::string stat = prueba::LeerArchivo("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t cierre = stat.rfind(')');
    return cierre == std::string::npos || cierre + 2 >= stat.size() ? 0 : stat[cierre + 2];
}

} // namespace

TEST(Proceso, ExitCodesSignalsAndWholeArguments) {
    prueba::CarpetaAislada d;
    const std::string salida = d.En("args.txt");
    const std::string eco = d.Escribir(
        "eco.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + salida + "'\n",
        true);
    EXPECT_EQ(EjecutarYEsperar({eco, "c:\\roziva\\datos con blancos", "2023", "A\xF1o", "I"}), 0);
    // Each argument whole, converted from Windows-1252 to the system's UTF-8.
    EXPECT_EQ(prueba::LeerArchivo(salida), "c:\\roziva\\datos con blancos\n2023\nA\xC3\xB1o\nI\n");

    EXPECT_EQ(EjecutarYEsperar({d.Escribir("tres.sh", "#!/bin/sh\nexit 3\n", true)}), 3);
    EXPECT_EQ(EjecutarYEsperar({d.Escribir("muerto.sh", "#!/bin/sh\nkill -KILL $$\n", true)}),
              128 + SIGKILL);
    // The child starts with default signal actions even when the caller ignores a signal.
    const auto anterior = std::signal(SIGTERM, SIG_IGN);
    EXPECT_EQ(EjecutarYEsperar({d.Escribir("term.sh", "#!/bin/sh\nkill -TERM $$\n", true)}),
              128 + SIGTERM);
    std::signal(SIGTERM, anterior);
}

TEST(Proceso, ProgramsThatCannotStartGiveMinusOneAndTheLastError) {
    prueba::CarpetaAislada d;
    FijarUltimoError(codigo::Correcto);
    EXPECT_EQ(EjecutarYEsperar({d.En("vadrel.exe"), "x"}), -1);
    EXPECT_EQ(UltimoError(), codigo::ArchivoNoEncontrado);
    EXPECT_EQ(EjecutarYEsperar({d.Escribir("noejec.sh", "#!/bin/sh\nexit 0\n", false)}), -1);
    EXPECT_EQ(UltimoError(), codigo::AccesoDenegado);
    FijarUltimoError(codigo::Correcto);
    EXPECT_EQ(EjecutarYEsperar({}), -1);
    EXPECT_NE(UltimoError(), codigo::Correcto);
    FijarUltimoError(codigo::Correcto);
    EXPECT_FALSE(IniciarPrograma({d.En("falta")}));
    EXPECT_EQ(UltimoError(), codigo::ArchivoNoEncontrado);
    // A successful run leaves the code alone.
    FijarUltimoError(codigo::DiscoLleno);
    EXPECT_EQ(EjecutarYEsperar({d.Escribir("bien.sh", "#!/bin/sh\nexit 0\n", true)}), 0);
    EXPECT_EQ(UltimoError(), codigo::DiscoLleno);
}

TEST(Proceso, StartedProgramRunsOnInItsOwnGroupAndLeavesNoZombie) {
    prueba::CarpetaAislada d;
    const std::string pid = d.En("pid"), listo = d.En("listo");
    // Records its pid, then waits (at most ten seconds) for the test to let it end.
    const std::string guion = d.Escribir("espera.sh",
                                         "#!/bin/sh\necho $$ > '" + pid + ".t' && mv '" + pid +
                                             ".t' '" + pid + "'\ni=0\nwhile [ ! -e '" + listo +
                                             "' ] && [ $i -lt 200 ]; do sleep 0.05; "
                                             "i=$((i+1)); done\n",
                                         true);
    ASSERT_TRUE(IniciarPrograma({guion}));
    ASSERT_TRUE(Esperar([&] { return std::filesystem::exists(pid); }));
    const pid_t hijo = std::stoi(prueba::LeerArchivo(pid));
    // Still running after IniciarPrograma returned: it was not waited for.
    EXPECT_FALSE(std::filesystem::exists(listo));
    const char estado = EstadoDe(hijo);
    EXPECT_TRUE(estado != 0 && estado != 'Z') << estado;
    EXPECT_EQ(::getpgid(hijo), hijo);
    std::ofstream(listo) << "";
    EXPECT_TRUE(Esperar([&] { return EstadoDe(hijo) == 0; })) << EstadoDe(hijo);
}

TEST(Proceso, SearchPathTakesTheFirstRegularExecutableFile) {
    prueba::CarpetaAislada a, b, c, actual;
    a.Escribir("vadrel.exe", "#!/bin/sh\n", false); // not executable
    std::filesystem::create_directory(b.En("vadrel.exe"));
    const std::string buena = c.Escribir("vadrel.exe", "#!/bin/sh\n", true);
    prueba::Entorno entorno;
    entorno.Fijar("PATH", a.Ruta() + ":" + b.Ruta() + ":" + c.Ruta());
    FijarUltimoError(codigo::DiscoLleno);
    EXPECT_EQ(BuscarEnRuta("vadrel.exe"), buena);
    EXPECT_EQ(UltimoError(), codigo::DiscoLleno);

    // An empty entry is the current folder; the result is still a full path.
    actual.Escribir("vadrel.exe", "#!/bin/sh\n", true);
    prueba::EnCarpeta en(actual.Ruta());
    entorno.Fijar("PATH", a.Ruta() + "::" + c.Ruta());
    EXPECT_EQ(BuscarEnRuta("vadrel.exe"), std::filesystem::current_path().string() + "/vadrel.exe");

    entorno.Fijar("PATH", a.Ruta() + ":" + b.Ruta());
    EXPECT_EQ(BuscarEnRuta("vadrel.exe"), "");
    EXPECT_EQ(UltimoError(), codigo::ProgramaNoEncontrado);
    FijarUltimoError(codigo::Correcto);
    EXPECT_EQ(BuscarEnRuta(""), "");
    EXPECT_EQ(UltimoError(), codigo::ProgramaNoEncontrado);
}
