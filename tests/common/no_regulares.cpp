#include "tests/common/no_regulares.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "platform/error.h"

namespace fs = std::filesystem;

namespace prueba {

CarpetaCasiLlena::CarpetaCasiLlena(const std::string& nombre) : CarpetaAislada(nombre) {
    if (::geteuid() != 0) return;
    if (::mount("tmpfs", base_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") != 0) return;
    montado_ = true;
    fs::create_directory(ruta_);
}

void CarpetaCasiLlena::ConEspacioAgotado(const std::function<void()>& accion) {
    if (montado_) {
        // Whole pages until the file system is full, then one page given back.
        const std::string relleno = base_ + "/relleno";
        {
            std::ofstream f(relleno, std::ios::binary);
            const std::string pagina(kCabida, 'r');
            while (f.write(pagina.data(), static_cast<std::streamsize>(pagina.size())) && f.flush())
                ;
        }
        const auto tamano = fs::file_size(relleno);
        ASSERT_GE(tamano, kCabida);
        fs::resize_file(relleno, (tamano / kCabida - 1) * kCabida);
        accion();
        fs::remove(relleno);
        return;
    }
    rlimit antes{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antes), 0);
    rlimit limite = antes;
    limite.rlim_cur = kCabida;
    auto senal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    accion();
    ::setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senal);
}

std::uint32_t CarpetaCasiLlena::CodigoEsperado() const {
    return montado_ ? plataforma::codigo::DiscoLleno : plataforma::CodigoDeErrno(EFBIG);
}

std::vector<std::string> CrearArchivosNoRegulares(const std::string& carpeta) {
    std::vector<std::string> v{carpeta + "/carpeta", carpeta + "/fifo"};
    fs::create_directory(v[0]);
    EXPECT_EQ(::mkfifo(v[1].c_str(), 0600), 0);
    const std::string dispositivo = carpeta + "/lleno";
    if (::mknod(dispositivo.c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0) v.push_back(dispositivo);
    return v;
}

std::string TipoDeArchivo(const std::string& ruta) {
    struct stat st;
    if (::lstat(ruta.c_str(), &st) != 0) return "";
    return std::to_string(st.st_mode & S_IFMT) + ":" + std::to_string(st.st_rdev);
}

} // namespace prueba
