// Programs run through posix_spawn with an argument array (never through a shell).
#include "platform/proceso.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

#include "platform/error.h"
#include "platform/text.h"

extern char** environ;

namespace plataforma {

namespace {

// The arguments converted for the system, and the NULL-terminated array that points into them.
class Argv {
public:
    explicit Argv(const std::vector<std::string>& argumentos) {
        textos_.reserve(argumentos.size());
        for (const std::string& a : argumentos)
            textos_.push_back(AnsiAUtf8(a));
        punteros_.reserve(textos_.size() + 1);
        for (std::string& t : textos_)
            punteros_.push_back(t.data());
        punteros_.push_back(nullptr);
    }
    const char* Programa() const { return punteros_[0]; }
    char* const* Array() { return punteros_.data(); }

private:
    std::vector<std::string> textos_;
    std::vector<char*> punteros_;
};

// Spawn attributes: the child starts with no blocked signals and every signal at its default
// action, whatever the caller (a GUI toolkit, a test runner) has set for itself; optionally in
// a process group of its own.
class Atributos {
public:
    explicit Atributos(bool grupoPropio) {
        valido_ = posix_spawnattr_init(&attr_) == 0;
        if (!valido_) return;
        sigset_t vacio, todas;
        sigemptyset(&vacio);
        sigfillset(&todas);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        if (grupoPropio) flags |= POSIX_SPAWN_SETPGROUP;
        posix_spawnattr_setsigmask(&attr_, &vacio);
        posix_spawnattr_setsigdefault(&attr_, &todas);
        posix_spawnattr_setpgroup(&attr_, 0);
        posix_spawnattr_setflags(&attr_, flags);
    }
    ~Atributos() {
        if (valido_) posix_spawnattr_destroy(&attr_);
    }
    Atributos(const Atributos&) = delete;
    Atributos& operator=(const Atributos&) = delete;
    const posix_spawnattr_t* Get() const { return valido_ ? &attr_ : nullptr; }

private:
    posix_spawnattr_t attr_;
    bool valido_ = false;
};

// Starts the program; the pid, or -1 with the last error set. glibc reports a failed exec
// (ENOENT, EACCES, ENOEXEC) as posix_spawn's result.
pid_t Lanzar(const std::vector<std::string>& argumentos, bool grupoPropio) {
    if (argumentos.empty() || argumentos[0].empty()) {
        FijarUltimoError(codigo::ArchivoNoEncontrado);
        return -1;
    }
    Argv argv(argumentos);
    Atributos atributos(grupoPropio);
    pid_t pid = -1;
    const int r =
        posix_spawn(&pid, argv.Programa(), nullptr, atributos.Get(), argv.Array(), environ);
    if (r != 0) {
        FijarUltimoErrorErrno(r);
        return -1;
    }
    return pid;
}

// Waits for that one child; its wait status, or -1 with errno set.
int Esperar(pid_t pid) {
    int estado = 0;
    pid_t r;
    do {
        r = ::waitpid(pid, &estado, 0);
    } while (r < 0 && errno == EINTR);
    return r < 0 ? -1 : estado;
}

} // namespace

int EjecutarYEsperar(const std::vector<std::string>& argumentos) {
    const pid_t pid = Lanzar(argumentos, false);
    if (pid < 0) return -1;
    const int estado = Esperar(pid);
    if (estado < 0) {
        // The child's status was taken by someone else (SIGCHLD ignored, another waiter).
        FijarUltimoErrorErrno(errno);
        return -1;
    }
    if (WIFEXITED(estado)) return WEXITSTATUS(estado);
    if (WIFSIGNALED(estado)) return 128 + WTERMSIG(estado);
    return -1;
}

bool IniciarPrograma(const std::vector<std::string>& argumentos) {
    const pid_t pid = Lanzar(argumentos, true);
    if (pid < 0) return false;
    // Nobody waits for the program, but its exit status must still be collected: a detached
    // thread waits for this pid only, so other children are left to their own waiters.
    try {
        std::thread([pid] { Esperar(pid); }).detach();
    } catch (const std::system_error&) {
        // Without a thread the program still runs; only its status is left uncollected.
    }
    return true;
}

std::string BuscarEnRuta(const std::string& nombre) {
    const char* ruta = std::getenv("PATH");
    if (!nombre.empty() && ruta != nullptr) {
        const std::string programa = AnsiAUtf8(nombre);
        const std::string carpetas = ruta;
        std::string actual; // the current folder, read once when an entry needs it
        std::size_t inicio = 0;
        while (true) {
            const std::size_t fin = carpetas.find(':', inicio);
            std::string carpeta = carpetas.substr(
                inicio, fin == std::string::npos ? std::string::npos : fin - inicio);
            if (carpeta.empty() || carpeta[0] != '/') {
                if (actual.empty()) {
                    char buffer[4096];
                    if (::getcwd(buffer, sizeof buffer) != nullptr) actual = buffer;
                }
                if (!actual.empty()) carpeta = carpeta.empty() ? actual : actual + "/" + carpeta;
            }
            if (!carpeta.empty()) {
                const std::string candidato =
                    carpeta.back() == '/' ? carpeta + programa : carpeta + "/" + programa;
                struct stat st;
                if (::stat(candidato.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                    ::access(candidato.c_str(), X_OK) == 0)
                    return Utf8AAnsi(candidato);
            }
            if (fin == std::string::npos) break;
            inicio = fin + 1;
        }
    }
    FijarUltimoError(codigo::ProgramaNoEncontrado);
    return {};
}

} // namespace plataforma
