#include "platform/files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/error.h"

namespace plataforma {

int AbrirParaLeer(const char* ruta) {
    if (ruta == nullptr) {
        FijarUltimoError(codigo::ArchivoNoEncontrado);
        return -1;
    }
    int fd;
    do {
        fd = ::open(ruta, O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) FijarUltimoErrorErrno(errno);
    return fd;
}

int CrearParaEscribir(const char* ruta) {
    if (ruta == nullptr) {
        FijarUltimoError(codigo::RutaNoEncontrada);
        return -1;
    }
    int fd;
    do {
        fd = ::open(ruta, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) FijarUltimoErrorErrno(errno);
    return fd;
}

std::size_t LeerRegistro(int fd, void* buffer, std::size_t tamano) {
    if (buffer == nullptr) return 0;
    std::memset(buffer, 0, tamano);
    auto* p = static_cast<char*>(buffer);
    std::size_t leidos = 0;
    while (leidos < tamano) {
        const ssize_t n = ::read(fd, p + leidos, tamano - leidos);
        if (n < 0) {
            if (errno == EINTR) continue;
            FijarUltimoErrorErrno(errno);
            return 0;
        }
        if (n == 0) break;
        leidos += static_cast<std::size_t>(n);
    }
    if (leidos == 0) FijarUltimoError(codigo::FinDeArchivo);
    return leidos;
}

bool EscribirTodo(int fd, const void* datos, std::size_t tamano) {
    const auto* p = static_cast<const char*>(datos);
    std::size_t escritos = 0;
    while (escritos < tamano) {
        const ssize_t n = ::write(fd, p + escritos, tamano - escritos);
        if (n < 0) {
            if (errno == EINTR) continue;
            FijarUltimoErrorErrno(errno);
            return false;
        }
        if (n == 0) {
            FijarUltimoError(codigo::DiscoLleno);
            return false;
        }
        escritos += static_cast<std::size_t>(n);
    }
    return true;
}

bool Cerrar(int fd) {
    if (::close(fd) != 0 && errno != EINTR) {
        FijarUltimoErrorErrno(errno);
        return false;
    }
    return true;
}

bool EsArchivoRegular(int fd) {
    struct stat st;
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

bool LeerArchivoEntero(const char* ruta, std::string& contenido) {
    contenido.clear();
    const int fd = AbrirParaLeer(ruta);
    if (fd < 0) return false;
    char bloque[4096];
    while (true) {
        const ssize_t n = ::read(fd, bloque, sizeof bloque);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            FijarUltimoErrorErrno(error);
            return false;
        }
        if (n == 0) break;
        contenido.append(bloque, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

bool ExisteArchivo(const char* ruta) {
    struct stat st;
    return ruta != nullptr && ::stat(ruta, &st) == 0;
}

bool BorrarArchivo(const char* ruta) {
    if (ruta == nullptr || ::unlink(ruta) != 0) {
        if (ruta != nullptr) FijarUltimoErrorErrno(errno);
        return false;
    }
    return true;
}

} // namespace plataforma
