// Fuzz target of the IES2000 data file reader: the input is the file's content, handed to the
// reader through an in-memory file, and read into a freshly set-up model.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>

#include "iesfiles/lector_ies.h"
#include "model/datos.h"

namespace {

// One in-memory file per process, rewritten for every input.
int Archivo() {
    static const int fd = [] {
        const int f = memfd_create("iestokrt.dat", MFD_CLOEXEC);
        if (f < 0) std::abort();
        return f;
    }();
    return fd;
}

// The model lives in storage kept from one input to the next: a fresh allocation of its size
// for every input would cost more than reading most inputs.
alignas(CDatos) unsigned char almacen[sizeof(CDatos)];

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = Archivo();
    if (ftruncate(fd, 0) != 0) std::abort();
    std::size_t escritos = 0;
    while (escritos < size) {
        const ssize_t n =
            pwrite(fd, data + escritos, size - escritos, static_cast<off_t>(escritos));
        if (n <= 0) std::abort();
        escritos += static_cast<std::size_t>(n);
    }
    const std::string ruta = "/proc/self/fd/" + std::to_string(fd);

    CDatos* d = new (almacen) CDatos(0);
    d->ReiniciarCabecera();
    d->IniciarMarcos();
    d->AnadirRegistrosPorDefecto();
    d->marcos.perfil = 0;
    std::string error;
    const int r = LeerFicheroIes(ruta.c_str(), error, *d);

    // What every file must leave: an error text exactly when the read fails, the room limit,
    // the interval bounds, and the built-in records still there.
    const BloqueMarcoDia& b = d->marcos.bloques[0][0];
    if ((r == 1) != error.empty()) std::abort();
    if (d->aulas.Cuenta() > MAX_AULAS_GENERAL) std::abort();
    if (b.numLectivos < 2 || b.numLectivos > NUM_INTERVALOS) std::abort();
    if (d->tareas.Cuenta() < 3 || d->departamentos.Cuenta() < 1 || d->cursos.Cuenta() < 1)
        std::abort();
    d->~CDatos();
    return 0;
}
