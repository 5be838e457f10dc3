#include "platform/files.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/error.h"
#include "platform/text.h"

namespace plataforma {

int AbrirParaLeer(const char* ruta) {
    if (ruta == nullptr) {
        FijarUltimoError(codigo::ArchivoNoEncontrado);
        return -1;
    }
    // O_NONBLOCK keeps the open of a FIFO or a device from waiting; once the file is known to
    // be a regular one, reads go back to blocking (which they always are on regular files).
    const std::string rutaSistema = AnsiAUtf8(ruta);
    int fd;
    do {
        fd = ::open(rutaSistema.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        FijarUltimoErrorErrno(errno);
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        FijarUltimoErrorErrno(error);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        FijarUltimoError(codigo::AccesoDenegado);
        return -1;
    }
    const int banderas = ::fcntl(fd, F_GETFL);
    if (banderas < 0 || ::fcntl(fd, F_SETFL, banderas & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(fd);
        FijarUltimoErrorErrno(error);
        return -1;
    }
    return fd;
}

int CrearParaEscribir(const char* ruta) {
    if (ruta == nullptr) {
        FijarUltimoError(codigo::RutaNoEncontrada);
        return -1;
    }
    const std::string rutaSistema = AnsiAUtf8(ruta);
    int fd;
    do {
        fd = ::open(rutaSistema.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) FijarUltimoErrorErrno(errno);
    return fd;
}

// ---- Replacing a file ------------------------------------------------------------------------

namespace {

// A number that differs from one call to the next, within this process and across processes.
std::uint64_t NumeroUnico() {
    static std::atomic<std::uint64_t> contador{0};
    std::uint64_t x =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(::getpid()) << 40) ^
        (contador.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    // Mixed so that every bit of the inputs reaches the digits of the name.
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// A name for the new file: hidden, beside the target, after its name, with a unique part.
std::string NombreNuevo(const std::string& destino, std::uint64_t aleatorio) {
    const std::size_t barra = destino.rfind('/');
    const std::size_t inicio = barra == std::string::npos ? 0 : barra + 1;
    // The target's own name is cut so that the new one stays within the length of a name.
    std::string nombre = destino.substr(0, inicio) + "." + destino.substr(inicio, 200) + ".";
    static constexpr char kCifras[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int i = 0; i < 10; ++i) {
        nombre += kCifras[aleatorio % 36];
        aleatorio /= 36;
    }
    return nombre;
}

} // namespace

ArchivoDeReemplazo::~ArchivoDeReemplazo() {
    Descartar();
}

int ArchivoDeReemplazo::Crear(const char* ruta) {
    Descartar();
    if (ruta == nullptr || *ruta == '\0') {
        FijarUltimoError(codigo::RutaNoEncontrada);
        return -1;
    }
    const std::string rutaSistema = AnsiAUtf8(ruta);
    ruta = rutaSistema.c_str();
    destino_ = ruta;
    if (destino_.back() == '/') {
        FijarUltimoError(codigo::AccesoDenegado);
        return -1;
    }
    struct stat st;
    const bool existe = ::stat(ruta, &st) == 0;
    if (existe && !S_ISREG(st.st_mode)) {
        FijarUltimoError(codigo::AccesoDenegado);
        return -1;
    }
    // Through a symbolic link, the file it names is replaced and the link stays.
    struct stat enlace;
    if (existe && ::lstat(ruta, &enlace) == 0 && S_ISLNK(enlace.st_mode)) {
        if (char* real = ::realpath(ruta, nullptr)) {
            destino_ = real;
            std::free(real);
        }
    }

    for (int intento = 0; intento < 100; ++intento) {
        std::string nueva = NombreNuevo(destino_, NumeroUnico());
        int fd;
        do {
            fd = ::open(nueva.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            FijarUltimoErrorErrno(errno);
            return -1;
        }
        // The replacement keeps the owner (as far as this process may give it) and the
        // permissions of the file it replaces. Failing to set them on a file of our own is not
        // worth losing the write for.
        if (existe) {
            [[maybe_unused]] const int dueno = ::fchown(fd, st.st_uid, st.st_gid);
            [[maybe_unused]] const int modo = ::fchmod(fd, st.st_mode & 0777);
        }
        fd_ = fd;
        nueva_ = std::move(nueva);
        return fd_;
    }
    FijarUltimoErrorErrno(EEXIST);
    return -1;
}

bool ArchivoDeReemplazo::Reemplazar() {
    if (fd_ < 0) {
        FijarUltimoError(codigo::AccesoDenegado);
        return false;
    }
    int r;
    do {
        r = ::fsync(fd_);
    } while (r != 0 && errno == EINTR);
    // A file system that cannot flush (EINVAL) has nothing more to give than the close.
    if (r != 0 && errno != EINVAL) {
        FijarUltimoErrorErrno(errno);
        Descartar();
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (!Cerrar(fd)) {
        Descartar();
        return false;
    }
    // Whatever took the target's name meanwhile and is not a regular file stays: a rename
    // would take its name away.
    struct stat st;
    if (::stat(destino_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        FijarUltimoError(codigo::AccesoDenegado);
        Descartar();
        return false;
    }
    if (::rename(nueva_.c_str(), destino_.c_str()) != 0) {
        FijarUltimoErrorErrno(errno);
        Descartar();
        return false;
    }
    nueva_.clear();
    return true;
}

void ArchivoDeReemplazo::Descartar() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!nueva_.empty()) ::unlink(nueva_.c_str());
    nueva_.clear();
}

// ---- Records ----------------------------------------------------------------------------------

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
    return ruta != nullptr && ::stat(AnsiAUtf8(ruta).c_str(), &st) == 0;
}

bool BorrarArchivo(const char* ruta) {
    if (ruta == nullptr || ::unlink(AnsiAUtf8(ruta).c_str()) != 0) {
        if (ruta != nullptr) FijarUltimoErrorErrno(errno);
        return false;
    }
    return true;
}

} // namespace plataforma
