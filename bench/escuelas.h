// Generated schools of any size for the benchmarks: a solved exchange document for the load
// path and an IES2000 data file for the import path, both growing in step with the number of
// teachers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace escuelas {

inline std::string Num(const char* prefijo, int i) {
    char t[48];
    std::snprintf(t, sizeof t, "%s%04d", prefijo, i);
    return t;
}

inline std::string Elemento(const char* nombre, const std::string& texto) {
    return std::string("<") + nombre + ">" + texto + "</" + nombre + ">";
}

// Writes `bytes` to `nombre` in the temporary folder and returns its path.
inline std::string Guardar(const std::string& nombre, const std::string& bytes) {
    const auto p = std::filesystem::temp_directory_path() / nombre;
    std::ofstream(p, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p.string();
}

// ---- Solved document -------------------------------------------------------------------------

constexpr int kDias = 5;
constexpr int kLectivos = 6; // slot indices 0, 1, 2, then the recess 3, then 4, 5, 6
constexpr int kGuardias = 10;
constexpr int kReuniones = 5;

inline int IndiceDeLectivo(int l) {
    return l < 3 ? l : l + 1;
}

inline std::string Marcos() {
    std::string s = "\t<marcosDeHorario>\n\t\t<marcoHorario id=\"A\" nombre=\"Ma\xF1"
                    "ana\" claveX=\"\">\n";
    for (int d = 0; d < kDias; ++d) {
        for (int i = 0; i < 7; ++i) {
            const bool recreo = i == 3;
            const int hora = 8 + i;
            char t[512];
            std::snprintf(t, sizeof t,
                          "\t\t\t<tramo>\n\t\t\t\t<submarco>A</submarco>\n\t\t\t\t<dia>%d</dia>\n"
                          "\t\t\t\t<indice>%d</indice>\n\t\t\t\t<horaEntrada>%02d:00:00"
                          "</horaEntrada>\n\t\t\t\t<horaSalida>%02d:%s</horaSalida>\n"
                          "\t\t\t\t<Tipo>%s</Tipo>\n\t\t\t\t<clavX>%s%d</clavX>\n\t\t\t</tramo>\n",
                          d, i, hora, hora, recreo ? "20:00" : "55:00",
                          recreo ? "recreo" : "lectivo", recreo ? "R" : "", i + 1);
            s += t;
        }
    }
    return s + "\t\t</marcoHorario>\n\t</marcosDeHorario>\n";
}

inline std::string Profesores(int profesores, int departamentos) {
    std::string s = "\t<profesores>\n";
    for (int p = 0; p < profesores; ++p)
        s += "\t\t<profesor>" + Elemento("nombre", Num("Profesor ", p)) +
             Elemento("nombreCompleto", Num("Apellido Apellido, Nombre ", p)) +
             Elemento("claveDeExportacion", Num("P", p)) +
             Elemento("departamento", Num("Departamento ", p % departamentos)) + "</profesor>\n";
    return s + "\t</profesores>\n";
}

// A school of `profesores` teachers as the planner writes it once solved: half as many groups,
// each with its own room and thirty one-hour sessions a week, all placed; a tenth of the
// sessions with a second teacher; every session apart from the one a week later of its group (a
// relation between sessions) and its first two lessons of a day in a block, its last lesson of
// the week simultaneous with that of the next group; courses of five groups with their
// subjects; duties and meetings placed in every lesson slot and the recess.
inline std::string DocumentoResuelto(int profesores) {
    const int grupos = profesores / 2;
    const int materias = 10 + profesores / 4;
    const int cursos = (grupos + 4) / 5;
    const int departamentos = 5 + profesores / 40;
    const int sesiones = grupos * kDias * kLectivos;
    std::string s = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<datosKRT>\n"
                    "\t<version>20190612</version>\n";
    s += Marcos();
    s += "\t<aulas>\n";
    for (int g = 0; g < grupos; ++g)
        s += "\t\t<aula>" + Elemento("nombre", Num("Aula ", g)) +
             Elemento("claveDeExportacion", Num("AU", g)) + "</aula>\n";
    s += "\t</aulas>\n\t<conjuntoDeAulas><general nombre=\"general\" sinDeclarar=\"0\"/>"
         "</conjuntoDeAulas>\n\t<tareas>\n";
    for (const char* t : {"LEC", "G", "RDP"})
        s += "\t\t<tarea>" + Elemento("nombre", t) + Elemento("claveDeExportacion", t) +
             "</tarea>\n";
    s += "\t\t<lectivaPorDefecto>LEC</lectivaPorDefecto>\n\t\t<guardiaPorDefecto>G"
         "</guardiaPorDefecto>\n\t\t<reunionPorDefecto>RDP</reunionPorDefecto>\n\t</tareas>\n"
         "\t<departamentos>\n";
    for (int d = 0; d < departamentos; ++d)
        s += "\t\t<departamento>" + Elemento("nombre", Num("Departamento ", d)) +
             Elemento("claveDeExportacion", Num("D", d)) + "</departamento>\n";
    s += "\t</departamentos>\n";
    s += Profesores(profesores, departamentos);
    s += "\t<materias>\n";
    for (int m = 0; m < materias; ++m)
        s += "\t\t<materia>" + Elemento("nombre", Num("Materia ", m)) +
             Elemento("claveDeExportacion", Num("M", m)) +
             Elemento("departamento", Num("Departamento ", m % departamentos)) + "</materia>\n";
    s += "\t</materias>\n\t<cursos>\n";
    for (int c = 0; c < cursos; ++c) {
        s += "\t\t<curso>" + Elemento("nombre", Num("Curso ", c)) + "<materiasDelCurso>";
        for (int k = 0; k < 12; ++k)
            s += "<materia numSesiones=\"3\">" + Num("Materia ", (c * 7 + k) % materias) +
                 "</materia>";
        s += "</materiasDelCurso></curso>\n";
    }
    s += "\t</cursos>\n\t<grupos>\n";
    for (int g = 0; g < grupos; ++g)
        s += "\t\t<grupo submarco=\"A\">" + Elemento("nombre", Num("Grupo ", g)) +
             Elemento("claveDeExportacion", Num("G", g)) +
             Elemento("cursoPerteneciente", Num("Curso ", g / 5)) + "</grupo>\n";
    s += "\t</grupos>\n\t<sesionesLectivas>\n";
    // Session k: group k % grupos in its own room, one session a week.
    auto profesorDe = [&](int k) { return (k * 7 + k / grupos) % profesores; };
    for (int k = 0; k < sesiones; ++k) {
        const int g = k % grupos;
        s += "\t\t<sesion id=\"" + std::to_string(k) + "\">\n\t\t\t" +
             Elemento("materia", Num("Materia ", k % materias)) + "\n\t\t\t" +
             Elemento("grupo", Num("Grupo ", g)) + "\n\t\t\t" +
             Elemento("profesor", Num("Profesor ", profesorDe(k))) +
             "\n\t\t\t<distribucionSemanal><distribucionFija><numSesiones>1</numSesiones>"
             "</distribucionFija></distribucionSemanal>\n\t\t\t<listaDeAulas>" +
             Elemento("aula", Num("Aula ", g)) + "</listaDeAulas>\n\t\t\t<tarea>LEC</tarea>\n";
        if (k % 10 == 0)
            s += "\t\t\t<otrosProfesores>" +
                 Elemento("profesor", Num("Profesor ", (profesorDe(k) + 1) % profesores)) +
                 "</otrosProfesores>\n";
        s += "\t\t\t<noCoincidentes>" +
             Elemento("sesion", std::to_string((k + grupos * kLectivos) % sesiones)) +
             "</noCoincidentes>\n\t\t</sesion>\n";
    }
    // The last lesson of the week of every two groups forms a block of simultaneous sessions;
    // the first two lessons of each group's day form a block of consecutive sessions.
    s += "\t</sesionesLectivas>\n\t<listasDeRelacion>\n\t\t<simultaneas>\n";
    const int ultima = (kDias * kLectivos - 1) * grupos;
    for (int g = 0; g + 1 < grupos; g += 2)
        s += "\t\t\t<bloqueDeSesiones><sesiones>" + Elemento("sesion", std::to_string(ultima + g)) +
             Elemento("sesion", std::to_string(ultima + g + 1)) +
             "</sesiones></bloqueDeSesiones>\n";
    s += "\t\t</simultaneas>\n\t\t<consecutivas>\n";
    for (int d = 0; d < kDias; ++d)
        for (int g = 0; g < grupos; ++g)
            s += "\t\t\t<bloqueDeSesiones><sesiones>" +
                 Elemento("sesion", std::to_string(d * kLectivos * grupos + g)) +
                 Elemento("sesion", std::to_string((d * kLectivos + 1) * grupos + g)) +
                 "</sesiones><conOrden>seguidas</conOrden></bloqueDeSesiones>\n";
    s += "\t\t</consecutivas>\n\t</listasDeRelacion>\n\t<reuniones>\n";
    for (int r = 0; r < kReuniones; ++r) {
        s += "\t\t<reunion subMarco=\"A\">" + Elemento("nombre", Num("Reunion ", r)) +
             "<tipoDeTarea>RDP</tipoDeTarea><integrantes>";
        for (int i = 0; i < 4; ++i)
            s += Elemento("integrante", Num("Profesor ", (r * 4 + i) % profesores));
        s += "</integrantes></reunion>\n";
    }
    s += "\t</reuniones>\n\t<guardias>\n";
    auto guardiaDe = [&](int g, int i) { return (profesores / 2 + g * 5 + i) % profesores; };
    for (int g = 0; g <= kGuardias; ++g) {
        const bool recreo = g == kGuardias; // the last one covers the recesses
        s += "\t\t<guardia subMarco=\"A\">" + Elemento("nombre", Num("Guardia ", g)) +
             "<tipoDeTarea>G</tipoDeTarea>" + (recreo ? "<enRecreos>true</enRecreos>" : "") +
             "<integrantes>";
        for (int i = 0; i < (recreo ? 20 : 5); ++i)
            s += "<integrante>" + Elemento("nombre", Num("Profesor ", guardiaDe(g, i))) +
                 "</integrante>";
        s += "</integrantes></guardia>\n";
    }
    s += "\t</guardias>\n\t<horario>\n";
    for (int d = 0; d < kDias; ++d) {
        for (int l = 0; l < kLectivos; ++l) {
            s += "\t\t<tramo dia=\"" + std::to_string(d) + "\" indice=\"" +
                 std::to_string(IndiceDeLectivo(l)) + "\" marco=\"A\">\n";
            const int hueco = d * kLectivos + l;
            for (int g = 0; g < grupos; ++g)
                s += "\t\t\t<aula id=\"" + Num("Aula ", g) + "\"><sesion>" +
                     std::to_string(hueco * grupos + g) + "</sesion></aula>\n";
            s += "\t\t\t" + Elemento("reunion", Num("Reunion ", hueco % kReuniones)) + "\n";
            const int guardia = hueco % kGuardias;
            for (int i = 0; i < 5; ++i)
                s += "\t\t\t<guardia>" + Elemento("nombre", Num("Guardia ", guardia)) +
                     Elemento("profesor", Num("Profesor ", guardiaDe(guardia, i))) + "</guardia>\n";
            s += "\t\t</tramo>\n";
        }
        s += "\t\t<tramo dia=\"" + std::to_string(d) + "\" indice=\"3\" marco=\"A\">\n";
        for (int i = 0; i < 4; ++i)
            s += "\t\t\t<guardia>" + Elemento("nombre", Num("Guardia ", kGuardias)) +
                 Elemento("profesor", Num("Profesor ", guardiaDe(kGuardias, d * 4 + i))) +
                 "</guardia>\n";
        s += "\t\t</tramo>\n";
    }
    return s + "\t</horario>\n</datosKRT>\n";
}

// A document of teachers only (and the frame): the load path's lookups over one long list.
inline std::string DocumentoDeProfesores(int profesores) {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<datosKRT>\n"
           "\t<version>20190612</version>\n" +
           Marcos() + Profesores(profesores, 1) + "</datosKRT>\n";
}

// ---- IES2000 data file -----------------------------------------------------------------------

// Record sizes and order of the file's sections.
enum Seccion { DEPARTAMENTOS, GRUPOS, MATERIAS, PROFESORES, AULAS, TAREAS, INTERVALOS, MATECUR };
constexpr std::size_t kTamanos[] = {36, 55, 52, 63, 43, 66, 15, 13};

class Fichero {
public:
    // Starts the next record of section `s`; fields are then placed at their offsets.
    Fichero& Registro(Seccion s) {
        Cerrar(s);
        actual_ = s;
        inicio_ = bytes_.size();
        bytes_.append(kTamanos[s], '\0');
        return *this;
    }
    Fichero& Campo(std::size_t desde, const std::string& texto) {
        bytes_.replace(inicio_ + desde, texto.size(), texto);
        return *this;
    }
    // Every section up to and including `s` gets its terminator.
    std::string Bytes() {
        Cerrar(static_cast<Seccion>(MATECUR + 1));
        return bytes_;
    }

private:
    void Cerrar(Seccion hasta) {
        while (cerradas_ < hasta) {
            const std::size_t inicio = bytes_.size();
            bytes_.append(kTamanos[cerradas_], '\0');
            bytes_.replace(inicio, 4, "_fi\n");
            ++cerradas_;
        }
    }
    std::string bytes_;
    std::size_t inicio_ = 0;
    int actual_ = DEPARTAMENTOS;
    int cerradas_ = DEPARTAMENTOS;
};

// Codes of a letter and `cifras` digits.
inline std::string Codigo(char letra, int i, int cifras = 4) {
    char t[16];
    std::snprintf(t, sizeof t, "%c%0*d", letra, cifras, i);
    return t;
}

// A school of `profesores` teachers as the management system exports it: departments, half as
// many groups in courses of five, subjects, rooms, a few tasks, six intervals, and twelve
// subjects per course given in no particular order.
inline std::string FicheroDeDatos(int profesores) {
    const int grupos = profesores / 2;
    const int cursos = (grupos + 4) / 5;
    const int materias = 10 + profesores / 2;
    const int aulas = std::min(200, profesores / 4);
    const int departamentos = 5 + profesores / 40;
    Fichero f;
    for (int d = 0; d < departamentos; ++d)
        f.Registro(DEPARTAMENTOS).Campo(0, Codigo('D', d, 3)).Campo(5, Num("Departamento ", d));
    for (int g = 0; g < grupos; ++g)
        f.Registro(GRUPOS)
            .Campo(0, Codigo('G', g))
            .Campo(5, Codigo('C', g / 5))
            .Campo(12, Num("Curso de muestra ", g / 5));
    for (int m = 0; m < materias; ++m)
        f.Registro(MATERIAS)
            .Campo(0, Num("Materia de muestra ", m))
            .Campo(31, Codigo('M', m))
            .Campo(36, Codigo('D', m % departamentos, 3))
            .Campo(41, Num("Mat", m));
    for (int p = 0; p < profesores; ++p)
        f.Registro(PROFESORES)
            .Campo(0, Num("Apellido Apellido, Nombre ", p))
            .Campo(51, "xx")
            .Campo(53, Codigo('P', p))
            .Campo(58, Codigo('D', p % departamentos, 3));
    for (int a = 0; a < aulas; ++a)
        f.Registro(AULAS).Campo(0, Codigo('A', a)).Campo(5, Num("Aula ", a));
    for (const char* t : {"GU", "RD", "TUT", "BIB"})
        f.Registro(TAREAS).Campo(0, t).Campo(5, std::string("Tarea ") + t);
    for (int i = 0; i < 6; ++i) {
        char t[16];
        std::snprintf(t, sizeof t, "%02d00  %02d55  %d", 8 + i, 8 + i, i + 1);
        f.Registro(INTERVALOS).Campo(0, t);
    }
    // Pairs in a scattered order, so the sorted insert lands anywhere in the list.
    const int pares = cursos * 12;
    for (int k = 0; k < pares; ++k) {
        const int j = static_cast<int>((static_cast<std::int64_t>(k) * 7919) % pares);
        const int c = j / 12;
        f.Registro(MATECUR)
            .Campo(0, Codigo('M', (c * 7 + j % 12) % materias))
            .Campo(5, Codigo('C', c))
            .Campo(12, std::string(1, static_cast<char>(1 + j % 4)));
    }
    return f.Bytes();
}

// A data file of departments only.
inline std::string FicheroDeDepartamentos(int departamentos) {
    Fichero f;
    for (int d = 0; d < departamentos; ++d) {
        char codigo[8];
        // Five characters: a letter and four base-36 digits.
        const char* digitos = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        codigo[0] = 'D';
        for (int k = 4, v = d; k >= 1; --k, v /= 36)
            codigo[k] = digitos[v % 36];
        codigo[5] = '\0';
        f.Registro(DEPARTAMENTOS).Campo(0, codigo).Campo(5, Num("Departamento ", d));
    }
    return f.Bytes();
}

} // namespace escuelas
