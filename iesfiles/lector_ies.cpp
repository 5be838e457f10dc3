// Reader of the IES2000 data file.
#include "iesfiles/lector_ies.h"

#include <cstring>

#include "iesfiles/constructores.h"
#include "model/textos.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"

namespace {

// A record whose text up to its first NUL is "_fi\n" ends its section.
bool EsTerminador(const char* registro) {
    return std::memcmp(registro, "_fi\n", 5) == 0;
}

// The text of a field: its bytes up to the first NUL, at most `maximo` of them.
std::string Campo(const char* registro, std::size_t desde, std::size_t maximo) {
    const char* p = registro + desde;
    const void* nul = std::memchr(p, '\0', maximo);
    return std::string(p, nul != nullptr ? static_cast<const char*>(nul) - p : maximo);
}

std::string Oem(const std::string& texto) {
    return plataforma::OemAAnsi(texto);
}

// A two-character decimal number, kept as a byte ("-5" gives 251).
std::uint8_t Numero(const char* registro, std::size_t desde) {
    const char dos[3] = {registro[desde], registro[desde + 1], '\0'};
    return static_cast<std::uint8_t>(plataforma::LeerEntero(dos));
}

// Reads records of `tamano` bytes until the terminator (1) or the end of the file (0), handing
// every other record to `tratar`.
template <std::size_t tamano, class Tratar> int LeerSeccion(int fd, Tratar&& tratar) {
    char registro[tamano];
    for (;;) {
        if (plataforma::LeerRegistro(fd, registro, tamano) == 0) return 0;
        if (EsTerminador(registro)) return 1;
        tratar(static_cast<const char*>(registro));
    }
}

// The first record of `lista` whose export code is `clave` (letter case counts, accents do not).
template <class T>
typename MCList<T>::Nodo* BuscarClave(const MCList<T>& lista, const std::string& clave) {
    return lista.BuscarClaveDeExportacion(clave.c_str());
}

} // namespace

int LeerDepartamentos(int fd, CDatos& datos) {
    return LeerSeccion<TAMANO_DEPARTAMENTO>(fd, [&](const char* r) {
        const std::string codigo = Recortado(Oem(Campo(r, 0, 5)).c_str());
        if (codigo.empty()) return;
        const std::string nombre = Oem(Campo(r, 5, 30));
        AnadirDepartamento(nombre.c_str(), codigo.c_str(), datos);
    });
}

int LeerGrupos(int fd, CDatos& datos) {
    return LeerSeccion<TAMANO_GRUPO>(fd, [&](const char* r) {
        const std::string grupo = Recortado(Oem(Campo(r, 0, 5)).c_str());
        if (grupo.empty()) return;
        // The course code is taken as it stands, blanks included: it is the course's export
        // code.
        const std::string curso = Campo(r, 5, 7);
        const std::string nombre = Oem(Campo(r, 12, 42));
        auto* c = AnadirCurso(curso.c_str(), curso.c_str(), nombre.c_str(), datos);
        AnadirGrupo(grupo.c_str(), r, datos, c);
    });
}

int LeerMaterias(int fd, CDatos& datos) {
    return LeerSeccion<TAMANO_MATERIA>(fd, [&](const char* r) {
        const std::string nombre = Oem(Campo(r, 0, 30));
        const std::string codigo = Recortado(Campo(r, 31, 5).c_str());
        const std::string departamento = Recortado(Oem(Campo(r, 36, 4)).c_str());
        const std::string abreviatura = Oem(Campo(r, 41, 10));
        // The department goes in even when the subject is skipped.
        MCList<DHDEPT>::Nodo* dep = nullptr;
        if (!departamento.empty()) dep = AnadirDepartamento(nullptr, departamento.c_str(), datos);
        if (codigo.empty()) return;
        AnadirMateria(codigo.c_str(), codigo.c_str(), nombre.c_str(), abreviatura.c_str(), dep,
                      datos);
    });
}

int LeerProfesores(int fd, CDatos& datos) {
    return LeerSeccion<TAMANO_PROFESOR>(fd, [&](const char* r) {
        const std::string nombre = Oem(Campo(r, 0, 50));
        const std::string codigo = Recortado(Campo(r, 53, 5).c_str());
        if (codigo.empty()) return;
        const std::string departamento = Oem(Campo(r, 58, 4));
        AnadirProfesor(codigo.c_str(), codigo.c_str(), nombre.c_str(), departamento.c_str(), datos);
    });
}

int LeerAulas(int fd, CDatos& datos) {
    return LeerSeccion<TAMANO_AULA>(fd, [&](const char* r) {
        const std::string codigo = Recortado(Campo(r, 0, 5).c_str());
        if (codigo.empty()) return;
        const std::string nombre = Oem(Campo(r, 5, 37));
        AnadirAula(Oem(codigo).c_str(), codigo.c_str(), nombre.c_str(), datos);
    });
}

int LeerTareas(int fd, CDatos& datos) {
    return LeerSeccion<TAMANO_TAREA>(fd, [&](const char* r) {
        const std::string codigo = Recortado(Campo(r, 0, 4).c_str());
        // The short text is the record's text from its start: when the code fills its field
        // it runs on into the description.
        const std::string corto = Recortado(Campo(r, 0, 30).c_str());
        if (codigo.empty() || corto.empty()) return;
        const std::string descripcion = Oem(Campo(r, 5, 60));
        AnadirTarea(Oem(corto).c_str(), codigo.c_str(), descripcion.c_str(), datos);
    });
}

void AnadirIntervalo(CDatos& datos, int indice, std::uint8_t horaEntrada,
                     std::uint8_t minutoEntrada, std::uint8_t horaSalida, std::uint8_t minutoSalida,
                     const char* nombre) {
    BloqueMarcoDia& b = datos.marcos.bloques[0][0];
    if (b.numLectivos < NUM_INTERVALOS) ++b.numLectivos;
    if (indice < 0 || indice >= NUM_INTERVALOS) return;
    b.horas[indice] = HorasTramo{horaEntrada, minutoEntrada, horaSalida, minutoSalida};
    CopiarTexto(b.nombres[indice], nombre);
}

int LeerIntervalos(int fd, CDatos& datos) {
    BloqueMarcoDia& b = datos.marcos.bloques[0][0];
    b.numLectivos = 0;
    int indice = 0;
    const int resultado = LeerSeccion<TAMANO_INTERVALO>(fd, [&](const char* r) {
        // The interval's name is kept as it stands, without code page conversion.
        const std::string nombre = Campo(r, 12, 3);
        AnadirIntervalo(datos, indice, Numero(r, 0), Numero(r, 2), Numero(r, 6), Numero(r, 8),
                        nombre.c_str());
        if (indice < NUM_INTERVALOS) ++indice;
    });
    // Fewer than two intervals read: the defaults make up the rest.
    if (b.numLectivos < 2) b.numLectivos = 2;
    datos.marcosHorario->OrdenarTramos();
    return resultado;
}

int LeerMateCur(int fd, CDatos& datos) {
    return LeerSeccion<TAMANO_MATECUR>(fd, [&](const char* r) {
        const std::string materia = Recortado(Campo(r, 0, 5).c_str());
        const std::string curso = Recortado(Campo(r, 5, 7).c_str());
        if (materia.empty() || curso.empty()) return;
        const auto sesiones = static_cast<float>(static_cast<std::int8_t>(r[12]));
        auto* m = BuscarClave(datos.materias, materia);
        auto* c = BuscarClave(datos.cursos, curso);
        if (m != nullptr && c != nullptr) datos.AnadirMatCur(m, c, sesiones);
    });
}

int LeerFicheroIes(const char* ruta, std::string& textoError, CDatos& datos) {
    const int fd = plataforma::AbrirParaLeer(ruta);
    if (fd < 0) {
        ObtenerTextoError(plataforma::UltimoError(), textoError);
        textoError += "\nFICHERO DE DATOS";
        return 0;
    }
    static constexpr struct {
        int (*leer)(int, CDatos&);
        const char* etiqueta;
    } secciones[] = {
        {LeerDepartamentos, "DEPARTAMENTOS"}, {LeerGrupos, "GRUPOS"},    {LeerMaterias, "MATERIAS"},
        {LeerProfesores, "PROFESORES"},       {LeerAulas, "AULAS"},      {LeerTareas, "TAREAS"},
        {LeerIntervalos, "INTERVALOS"},       {LeerMateCur, "MATE-CUR"},
    };
    for (const auto& s : secciones) {
        if (s.leer(fd, datos) == 0) {
            // The error of the read that ended the section, before the close can touch it.
            ObtenerTextoError(plataforma::UltimoError(), textoError);
            textoError += "\n";
            textoError += s.etiqueta;
            plataforma::Cerrar(fd);
            return 0;
        }
    }
    plataforma::Cerrar(fd);
    return 1;
}
