// The load flow's data path on a large solved timetable: the document read into a model (records,
// sessions, placement table and placements), then the IES2000 timetable file written. The same
// document parsed by expat alone, with handlers that do nothing, is the floor.
#define XML_UNICODE
#include <expat.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "iesfiles/fichero_horario.h"
#include "model/datos.h"
#include "platform/sax.h"
#include "xmlreader/lector.h"

namespace {

constexpr int kProfesores = 200;
constexpr int kGrupos = 100; // each with its own room
constexpr int kMaterias = 60;
constexpr int kDias = 5;
constexpr int kLectivos = 6; // slot indices 0, 1, 2, then the recess 3, then 4, 5, 6
constexpr int kSesiones = kGrupos * kDias * kLectivos; // 3000, every one placed once
constexpr int kGuardias = 10;                          // in lessons, 5 members each
constexpr int kReuniones = 5;                          // 4 members each

std::string Num(const char* prefijo, int i) {
    char t[32];
    std::snprintf(t, sizeof t, "%s%03d", prefijo, i);
    return t;
}

std::string Elemento(const char* nombre, const std::string& texto) {
    return std::string("<") + nombre + ">" + texto + "</" + nombre + ">";
}

int IndiceDeLectivo(int l) {
    return l < 3 ? l : l + 1;
}

// A document shaped as the planner writes one: frames, records, sessions, then the timetable.
std::string DocumentoGrande() {
    std::string s = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<datosKRT>\n"
                    "\t<version>20190612</version>\n\t<marcosDeHorario>\n"
                    "\t\t<marcoHorario id=\"A\" nombre=\"Ma\xF1"
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
    s += "\t\t</marcoHorario>\n\t</marcosDeHorario>\n\t<aulas>\n";
    for (int g = 0; g < kGrupos; ++g)
        s += "\t\t<aula>" + Elemento("nombre", Num("Aula ", g)) +
             Elemento("claveDeExportacion", Num("AU", g)) + "</aula>\n";
    s += "\t</aulas>\n\t<conjuntoDeAulas><general nombre=\"general\" sinDeclarar=\"0\"/>"
         "</conjuntoDeAulas>\n\t<tareas>\n";
    for (const char* t : {"LEC", "G", "RDP"})
        s += "\t\t<tarea>" + Elemento("nombre", t) + Elemento("claveDeExportacion", t) +
             "</tarea>\n";
    s += "\t\t<lectivaPorDefecto>LEC</lectivaPorDefecto>\n\t\t<guardiaPorDefecto>G"
         "</guardiaPorDefecto>\n\t\t<reunionPorDefecto>RDP</reunionPorDefecto>\n\t</tareas>\n"
         "\t<profesores>\n";
    for (int p = 0; p < kProfesores; ++p)
        s += "\t\t<profesor>" + Elemento("nombre", Num("Profesor ", p)) +
             Elemento("claveDeExportacion", Num("P", p)) + "</profesor>\n";
    s += "\t</profesores>\n\t<materias>\n";
    for (int m = 0; m < kMaterias; ++m)
        s += "\t\t<materia>" + Elemento("nombre", Num("Materia ", m)) +
             Elemento("claveDeExportacion", Num("M", m)) + "</materia>\n";
    s += "\t</materias>\n\t<grupos>\n";
    for (int g = 0; g < kGrupos; ++g)
        s += "\t\t<grupo submarco=\"A\">" + Elemento("nombre", Num("Grupo ", g)) +
             Elemento("claveDeExportacion", Num("G", g)) + "</grupo>\n";
    s += "\t</grupos>\n\t<sesionesLectivas>\n";
    // Session k: group k % 100 in its own room, one session a week; every tenth has a second
    // teacher.
    auto profesorDe = [](int k) { return (k * 7 + k / kGrupos) % kProfesores; };
    for (int k = 0; k < kSesiones; ++k) {
        const int g = k % kGrupos;
        s += "\t\t<sesion id=\"" + std::to_string(k) + "\">\n\t\t\t" +
             Elemento("materia", Num("Materia ", k % kMaterias)) + "\n\t\t\t" +
             Elemento("grupo", Num("Grupo ", g)) + "\n\t\t\t" +
             Elemento("profesor", Num("Profesor ", profesorDe(k))) +
             "\n\t\t\t<distribucionSemanal><distribucionFija><numSesiones>1</numSesiones>"
             "</distribucionFija></distribucionSemanal>\n\t\t\t<listaDeAulas>" +
             Elemento("aula", Num("Aula ", g)) + "</listaDeAulas>\n\t\t\t<tarea>LEC</tarea>\n";
        if (k % 10 == 0)
            s += "\t\t\t<otrosProfesores>" +
                 Elemento("profesor", Num("Profesor ", (profesorDe(k) + 1) % kProfesores)) +
                 "</otrosProfesores>\n";
        s += "\t\t</sesion>\n";
    }
    s += "\t</sesionesLectivas>\n\t<reuniones>\n";
    for (int r = 0; r < kReuniones; ++r) {
        s += "\t\t<reunion subMarco=\"A\">" + Elemento("nombre", Num("Reunion ", r)) +
             "<tipoDeTarea>RDP</tipoDeTarea><integrantes>";
        for (int i = 0; i < 4; ++i)
            s += Elemento("integrante", Num("Profesor ", r * 4 + i));
        s += "</integrantes></reunion>\n";
    }
    s += "\t</reuniones>\n\t<guardias>\n";
    for (int g = 0; g <= kGuardias; ++g) {
        const bool recreo = g == kGuardias; // the last one covers the recesses
        s += "\t\t<guardia subMarco=\"A\">" + Elemento("nombre", Num("Guardia ", g)) +
             "<tipoDeTarea>G</tipoDeTarea>" + (recreo ? "<enRecreos>true</enRecreos>" : "") +
             "<integrantes>";
        for (int i = 0; i < (recreo ? 20 : 5); ++i)
            s += "<integrante>" + Elemento("nombre", Num("Profesor ", 100 + g * 5 + i)) +
                 "</integrante>";
        s += "</integrantes></guardia>\n";
    }
    s += "\t</guardias>\n\t<horario>\n";
    for (int d = 0; d < kDias; ++d) {
        for (int l = 0; l < kLectivos; ++l) {
            s += "\t\t<tramo dia=\"" + std::to_string(d) + "\" indice=\"" +
                 std::to_string(IndiceDeLectivo(l)) + "\" marco=\"A\">\n";
            const int hueco = d * kLectivos + l;
            for (int g = 0; g < kGrupos; ++g)
                s += "\t\t\t<aula id=\"" + Num("Aula ", g) + "\"><sesion>" +
                     std::to_string(hueco * kGrupos + g) + "</sesion></aula>\n";
            s += "\t\t\t" + Elemento("reunion", Num("Reunion ", hueco % kReuniones)) + "\n";
            const int guardia = hueco % kGuardias;
            for (int i = 0; i < 5; ++i)
                s += "\t\t\t<guardia>" + Elemento("nombre", Num("Guardia ", guardia)) +
                     Elemento("profesor", Num("Profesor ", 100 + guardia * 5 + i)) + "</guardia>\n";
            s += "\t\t</tramo>\n";
        }
        s += "\t\t<tramo dia=\"" + std::to_string(d) + "\" indice=\"3\" marco=\"A\">\n";
        for (int i = 0; i < 4; ++i)
            s += "\t\t\t<guardia>" + Elemento("nombre", Num("Guardia ", kGuardias)) +
                 Elemento("profesor", Num("Profesor ", 100 + kGuardias * 5 + d * 4 + i)) +
                 "</guardia>\n";
        s += "\t\t</tramo>\n";
    }
    return s + "\t</horario>\n</datosKRT>\n";
}

const std::string& RutaDocumento() {
    static const std::string ruta = [] {
        const auto p = std::filesystem::temp_directory_path() / "bench_carga_horario.xml";
        std::ofstream(p, std::ios::binary) << DocumentoGrande();
        return p.string();
    }();
    return ruta;
}

std::int64_t Tamano() {
    return static_cast<std::int64_t>(std::filesystem::file_size(RutaDocumento()));
}

// The load flow's data path, from the document to krttoies.dat.
void CargaCompleta(benchmark::State& state) {
    const std::string documento = RutaDocumento();
    const std::string fichero =
        (std::filesystem::temp_directory_path() / "bench_krttoies.dat").string();
    std::uintmax_t escrito = 0;
    for (auto _ : state) {
        auto d = std::make_unique<CDatos>(1);
        d->ReiniciarCabecera();
        d->IniciarMarcos();
        d->AnadirRegistrosPorDefecto();
        d->marcos.perfil = 0;
        ContextoLeerXml contexto;
        contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
        contexto.datos = d.get();
        std::string mensaje;
        if (LeerXml(mensaje, documento.c_str(), contexto) != 1) {
            state.SkipWithError(mensaje.c_str());
            break;
        }
        d->marcosHorario->NombrarTramosPorDefecto();
        if (d->aulas.Cuenta() - 1 > d->marcos.numAulasGeneral)
            d->marcosHorario->FijarAulasGeneral(d->aulas.Cuenta() - 1);
        CEscritorHorarioIes escritor;
        escritor.m_bEscribirOtrasActividades = 1;
        std::string error;
        if (escritor.EscribirFicheroIes(fichero.c_str(), error, *d) != 1) {
            state.SkipWithError(error.c_str());
            break;
        }
        escrito = std::filesystem::file_size(fichero);
    }
    state.SetBytesProcessed(state.iterations() * Tamano());
    state.counters["registros"] = static_cast<double>(escrito / sizeof(RegistroHorarioIes));
    std::filesystem::remove(fichero);
}
BENCHMARK(CargaCompleta)->Unit(benchmark::kMillisecond);

void XMLCALL InicioVacio(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL FinVacio(void*, const XML_Char*) {}
void XMLCALL TextoVacio(void*, const XML_Char*, int) {}

// The floor: expat alone reading the same file in the same blocks, with handlers that do
// nothing.
void SoloExpat(benchmark::State& state) {
    const std::string documento = RutaDocumento();
    std::vector<char> bloque(64 * 1024);
    for (auto _ : state) {
        XML_Parser p = XML_ParserCreate(nullptr);
        XML_SetElementHandler(p, InicioVacio, FinVacio);
        XML_SetCharacterDataHandler(p, TextoVacio);
        std::FILE* f = std::fopen(documento.c_str(), "rb");
        bool bien = f != nullptr;
        for (bool ultimo = false; bien && !ultimo;) {
            const std::size_t n = std::fread(bloque.data(), 1, bloque.size(), f);
            ultimo = n < bloque.size();
            bien = XML_Parse(p, bloque.data(), static_cast<int>(n), ultimo) == XML_STATUS_OK;
        }
        if (f != nullptr) std::fclose(f);
        XML_ParserFree(p);
        if (!bien) {
            state.SkipWithError("expat");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * Tamano());
}
BENCHMARK(SoloExpat)->Unit(benchmark::kMillisecond);

} // namespace
