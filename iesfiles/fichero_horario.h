// The IES2000 timetable file (krttoies.dat): one 130-byte record per teacher's placed activity
// in the first period's grids, then one per teacher on recess duty.
#pragma once

#include <string>
#include <vector>

#include "model/datos.h"

// One record of the timetable file. Text fields hold their text followed by NUL bytes up to
// the field's end; an empty field is all zero.
struct RegistroHorarioIes {
    char profesor[21];  // teacher's export code
    char dia;           // day letter, "LMXJVS"
    char intervalo[11]; // teaching interval or recess name
    char materia[21];   // subject's export code (teaching sessions only)
    char grupo[21];     // group's export code (teaching sessions only)
    char aula[21];      // room's export code (teaching sessions in a named room only)
    char tarea[21];     // task's export code, or the recess key of a duty record
    char inicio[6];     // "HH:MM"
    char fin[6];        // "HH:MM"
    char finRegistro;   // always 0
};
static_assert(sizeof(RegistroHorarioIes) == 130, "the record is 130 bytes with no padding");

// Name, start text and end text of teaching interval `s` of frame `f` on day `d`. The name is
// that of the day's own block; the times follow the per-day rule (day 0's block when the days
// share their times). Times are "%.2d:%.2d"; everything is empty for an interval outside the
// configuration.
void ObtenerTextosTramo(const CDatos& datos, int d, int s, int f, std::string& nombre,
                        std::string& inicio, std::string& fin);

// Writer of the timetable file. The main dialog owns one and forwards to it; the two switches
// belong to the writer.
class CEscritorHorarioIes {
public:
    // Results of EscribirSesion and EscribirGuardiaRecreo.
    static constexpr int ESCRITO = 1;   // written, or left out on purpose
    static constexpr int CANCELADO = 0; // the user cancelled a truncation question
    static constexpr int FALLO = -1;    // the write failed; the layer's last error tells why

    // 1 while truncation questions are shown; set again at the start of every write.
    int m_bAvisarTruncado = 1;
    // When not 0, the recess duty records follow the activity records.
    int m_bEscribirOtrasActividades = 0;

    // Writes the whole file, into a new file that replaces the one at `ruta` once complete.
    // 1 when every record, the flush and the replacement succeeded. 0 when the file could not
    // be created or written (textoError = "FICHERO DE DATOS\n" + the system's text; the new
    // file is removed and a previous file at `ruta` is left intact; a path naming a directory,
    // a device or a FIFO is refused untouched) or when the user cancelled a truncation
    // question (textoError unchanged, the file holds the records written before).
    int EscribirFicheroIes(const char* ruta, std::string& textoError, const CDatos& datos);

    // One activity record for entry `e` placed on day `d`, interval `s`, grid row `k`.
    int EscribirSesion(const ENTRADACOLOCACION& e, int d, int s, int k, int fd,
                       const CDatos& datos);
    // One duty record for teacher node `profesor` in recess `r` of frame `f` on day `d`, the
    // recess lying before teaching interval `p`.
    int EscribirGuardiaRecreo(const MCList<DHPROF>::Nodo* profesor, int r, int d, int fd,
                              const CDatos& datos, int f, int p);

    // Copies at most `n` characters of `texto` into `campo` (which holds n + 1 bytes and is
    // zero-filled). A longer text asks whether to go on (Yes / No: stop asking / Cancel) while
    // m_bAvisarTruncado is 1; `tipo` names the field in the question. 0 when cancelled.
    int CopiarCampo(char* campo, const char* texto, int n, const char* tipo);

    // Records written by the last whole write (activities and duties).
    int RegistrosEscritos() const { return registrosEscritos_; }

private:
    template <std::size_t N> int Copiar(char (&campo)[N], const char* texto, const char* tipo) {
        return CopiarCampo(campo, texto, static_cast<int>(N - 1), tipo);
    }

    // The model's records by list index, so that each record costs no list walk. Built at the
    // start of a whole write and kept for its duration; a direct call outside one builds them
    // for that call.
    struct Indices {
        const CDatos* datos = nullptr;
        std::vector<const MCList<DHPROF>::Nodo*> profesores;
        std::vector<const MCList<DHPROF>::Nodo*> nodosProfesor; // sorted, for node lookups
        std::vector<const DHMATE*> materias;
        std::vector<const DHGRUP*> grupos;
        std::vector<const DHAULA*> aulas;
        std::vector<const DHTARE*> tareas;
    };
    const Indices& IndicesDe(const CDatos& datos);
    int EscribirRegistro(int fd, const RegistroHorarioIes& registro);
    // Writes the records gathered during a whole write; false when the write failed.
    bool VaciarPendientes(int fd);

    Indices indices_;
    bool enEscritura_ = false;
    // During a whole write the records are gathered here and written in large pieces.
    std::vector<char> pendientes_;
    int registrosEscritos_ = 0;
};
