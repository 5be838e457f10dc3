// Writer of the KRT exchange document (datosKRT) from a model of the import flow.
//
// The whole document is composed in memory, one piece per Escribir call, and written to the
// file at the end in one go. Its bytes are the model's Windows-1252 texts, unconverted, under a
// prologue that declares ISO-8859-1; every line ends with a single LF.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/datos.h"
#include "platform/text.h"
#include "xmlwriter/mapa_claves.h"

// A record's text field as a view: up to its NUL, never past the field.
template <std::size_t N> std::string_view TextoCampo(const char (&campo)[N]) {
    return std::string_view(campo, strnlen(campo, N));
}

// A simultaneous session: an 'S' record that is not a further room. It is written as a session
// of its own and belongs to the simultaneous block of its main record.
inline bool EsSimultanea(const DHSESI& s) {
    return s.tipo == SESION_SIMULTANEA && s.aulaAdicional == 0;
}

class CExportadorXML {
public:
    explicit CExportadorXML(CDatos* datos);
    CExportadorXML(const CExportadorXML&) = delete;
    CExportadorXML& operator=(const CExportadorXML&) = delete;

    // Composes the document of the model for the period selector `periodo` (-1: all periods,
    // else the 0-based period exported) and writes it to `ruta`, replacing any file there.
    // Returns 1 when the whole document was written, 0 otherwise (the layer's last error tells
    // why); after a failed write the previous file at `ruta` is intact and no partial file is
    // left behind. `sinUso` is not looked at.
    int ExportarXML(const char* ruta, const char* sinUso, int periodo);

    // The document composed so far.
    const std::string& Documento() const { return m_strDocumento; }

    // printf-style: formats one piece and appends it to the document. Formats are the writer's
    // own literals; texts always go in as %s arguments. Floating-point values are formatted
    // apart (FormatearReal), never with %f, so the decimal point does not depend on the locale.
    void Escribir(const char* formato, ...) __attribute__((format(printf, 2, 3)));

    // The text made safe for element content and attribute values: '"', '&' and '\'' become
    // entities, '<', '>' and control bytes other than TAB and LF are dropped. Output stops
    // once it holds 993 characters (an entity is never split), so it is at most 998 long.
    static std::string EscaparXML(std::string_view texto);
    // A record's text field: read up to its NUL, and never past the field.
    template <std::size_t N> static std::string EscaparXML(const char (&campo)[N]) {
        return EscaparXML(TextoCampo(campo));
    }

    // The word of a same-position-in-other-periods priority code.
    static const char* ConvertirPrioridad(int codigo);

    // ---- Sections, in document order
    void EscribirPeriodos();
    void EscribirMarcosDeHorario();
    void EscribirAulas();
    void EscribirConjuntoDeAulas();
    void EscribirTareas();
    void EscribirDepartamentos();
    void EscribirProfesores();
    void EscribirMaterias();
    void EscribirCursos();
    void EscribirGrupos();
    void EscribirSesionesLectivas();
    void EscribirSimultaneas();
    void EscribirConsecutivas();
    void EscribirOptativas();
    void EscribirReuniones();
    void EscribirGuardias();
    void EscribirComplementarias();
    void EscribirCriterios();
    void EscribirOtros();

    // ---- Frames and tramos
    void EscribirMarcoHorario(char letra, std::string_view nombre, std::string_view clave, int f,
                              bool tiemposExactos, bool porDia);

    // ---- Availability (plantilla) lines
    // Per-period maps of a record tied to frame f; cells equal to `omitido` are left out. In
    // recess mode the cells are the recesses of the day and the frame map is not consulted.
    void EscribirPlantilla(const MapaEmpaquetado mapas[NUM_PERIODOS], int f, int omitido,
                           bool recreos);
    void EscribirPlantillaTramos(const MapaEmpaquetado& mapa, int f, int omitido, bool recreos,
                                 int p);
    // Per-period-and-frame maps. Mode 0: every value but 3, with its word; mode 1: every value
    // but 1, as "prohibido".
    void EscribirPlantillaRecurso(const MapaEmpaquetado mapas[NUM_PERIODOS][NUM_MARCOS], int modo);
    void EscribirTramosRecurso(char letra, int p, int f, const MapaEmpaquetado& mapa, int modo);

    // ---- Records
    void EscribirAula(const DHAULA& aula);
    void EscribirConjuntoGeneral(const DHTIPO& conjunto);
    void EscribirOtroConjunto(const DHTIPO& conjunto);
    void EscribirTarea(const DHTARE& tarea);
    void EscribirDepartamento(const DHDEPT& departamento);
    void EscribirProfesor(const DHPROF& profesor);
    void EscribirCondicionesProfesor(const OpcionesProfesor& opciones);
    void EscribirMateria(const DHMATE& materia);
    void EscribirCurso(const DHCURSO& curso, const MCList<DHCURSO>::Nodo* nodo);
    void EscribirMateriasDelCurso(const MCList<DHCURSO>::Nodo* curso);
    void EscribirGrupo(const DHGRUP& grupo);

    // ---- Sessions. `posicion` is the record's 0-based place in the session list (its id);
    // `principal` is its owner main record.
    void EscribirSesion(MCList<DHSESI>::Nodo* nodo, int posicion, MCList<DHSESI>::Nodo* principal);
    void EscribirCuerpoSesion(DHSESI& sesion, const DHSESI& principal);
    void EscribirDistribucionSemanal(const DHSESI& principal, double duracion);
    void EscribirDistribucionPeriodica(const DHSESI& principal, double duracion);
    void EscribirOpcionesSesion(const OpcionesSesion& opciones);
    // Relation lists after a session's body. Room companions listed in otrasAulas get their
    // running number in origenAula.
    void EscribirRelacionesSesion(MCList<DHSESI>::Nodo* nodo, MCList<DHSESI>::Nodo* principal);
    // The id of the consecutive block of main record X, or -1 when it has none.
    int BuscarBloqueConsecutivas(const MCList<DHSESI>::Nodo* x);

    // ---- Session blocks and optional subjects
    // `siguiente` is the first record after the main record `principal`.
    void EscribirBloqueSimultaneas(const MCList<DHSESI>::Nodo* principal, int id,
                                   const MCList<DHSESI>::Nodo* siguiente);
    void EscribirBloqueConsecutivas(const MCList<DHSESI>::Nodo* x, int id);
    void EscribirOptativa(const DHOPTATIVAS& bloque);

    // ---- Meetings, duties and complementary activities
    void EscribirReunion(const DHREUN& reunion);
    void EscribirDistribucionReunion(const DHREUN& reunion, int n, bool doble);
    void EscribirGuardia(const DHGUAR& guardia);
    // The cells of frame f whose count differs from `cantidad`.
    void EscribirCantidadPorTramo(const std::int8_t cantidades[NUM_DIAS][NUM_INTERVALOS], int f,
                                  int cantidad, bool recreos);
    // `k` is the activity's running number among the written ones.
    void EscribirComplementaria(int k, const DHCOMP& actividad);
    void EscribirDistribucionComplementaria(const DHCOMP& actividad);
    void EscribirDistribucionSemanalComplementaria(const DHCOMP& actividad);

private:
    // ---- Shared rules
    int NumPeriodos() const;
    int NumMarcos() const;
    // f when it names one of the model's frames, else 0.
    int MarcoValido(int f) const;
    // The period p is written (all periods exported, or p is the one exported).
    bool PeriodoExportado(int p) const;
    // Several periods and all of them exported: period elements are written.
    bool FormaVariosPeriodos() const;
    // A record with these period flags belongs to period p.
    bool PerteneceAPeriodo(const std::uint8_t periodos[NUM_PERIODOS], int p) const;
    // The period filter of the records that carry period flags.
    bool PasaFiltroPeriodo(const std::uint8_t periodos[NUM_PERIODOS]) const;
    // The written day number of day d of period p.
    int NumeroDia(int d, int p) const;
    // The block of frame f and day d that gives counts, positions and times.
    const BloqueMarcoDia& BloqueHoras(int f, int d) const;
    // One numSesiones line per valid duration code of `codigos`, after `sangria`.
    void EscribirCodigosDuracion(std::string_view codigos, const char* sangria);
    // Name of a linked record; none for a null link, or for a link to the list's first record
    // when that record is a placeholder.
    template <class T>
    std::optional<std::string_view> NombreEnlace(const MCList<T>& lista, Ref r,
                                                 bool primeroEsNinguno) const {
        const auto* n = m_pDatos->Resolver(lista, r);
        if (n == nullptr || (primeroEsNinguno && n == lista.Cabeza())) return std::nullopt;
        return TextoCampo(n->dato.nombre);
    }
    // The records of `lista`, without its first one when `sinPrimero`, in name order with equal
    // names in list order; without a collator, in reverse list order (every name then compares
    // below every other).
    template <class T>
    static std::vector<const T*> OrdenadosPorNombre(const MCList<T>& lista, bool sinPrimero) {
        struct Entrada {
            std::string clave;
            const T* registro;
        };
        std::vector<Entrada> v;
        v.reserve(static_cast<std::size_t>(lista.Cuenta()));
        bool conClaves = true;
        for (const auto* n = lista.Cabeza(); n != nullptr; n = n->siguiente) {
            if (sinPrimero && n == lista.Cabeza()) continue;
            Entrada e{{}, &n->dato};
            conClaves = plataforma::ClaveDeNombre(n->dato.nombre, e.clave) && conClaves;
            v.push_back(std::move(e));
        }
        if (conClaves)
            std::stable_sort(v.begin(), v.end(),
                             [](const Entrada& a, const Entrada& b) { return a.clave < b.clave; });
        else
            std::reverse(v.begin(), v.end());
        std::vector<const T*> r;
        r.reserve(v.size());
        for (const Entrada& e : v)
            r.push_back(e.registro);
        return r;
    }
    // enPeriodos with one refPeriodo line per period the record belongs to.
    void EscribirEnPeriodos(const std::uint8_t periodos[NUM_PERIODOS]);
    // The 0-based place of a record in the session list (its id in the document); -1 for a
    // null node or one that is not in the list.
    int PosicionSesion(const MCList<DHSESI>::Nodo* nodo);

    // ---- Companion lists of a written session W, gathered from its companion run.
    struct MateriaGrupo {
        std::string materia;
        std::string grupo;
        std::string tarea; // the task attribute, or empty
        int alumnos;
    };
    struct GrupoCompanero {
        std::string tarea;
        int alumnos;
    };
    struct AulaCompanera {
        std::string conjunto;
        std::string tarea;
        std::string aula;
    };
    // Keyed by the (subject, group) pair, placed by the two names joined.
    using MapaMateriasGrupos = MapaClaves<std::pair<std::string, std::string>, MateriaGrupo>;
    using MapaGrupos = MapaClaves<std::string, GrupoCompanero>;
    using MapaAtributos = MapaClaves<std::string, std::string>; // name -> task attribute
    using MapaAulas = MapaClaves<int, AulaCompanera>;
    void BuscarOtrasMateriasGrupos(MapaMateriasGrupos& mapa, const MCList<DHSESI>::Nodo* w);
    void BuscarOtrosGrupos(MapaGrupos& mapa, const MCList<DHSESI>::Nodo* w);
    void BuscarOtrosProfesores(MapaAtributos& mapa, const MCList<DHSESI>::Nodo* w);
    void BuscarOtrasMaterias(MapaAtributos& mapa, const MCList<DHSESI>::Nodo* w);
    void BuscarOtrasAulas(MapaAulas& mapa, MCList<DHSESI>::Nodo* w);
    // The task attribute of run record K: K's task when it differs from W's, else empty.
    std::string AtributoTarea(const DHSESI& k, const DHSESI& w);
    void EscribirEnDistintoDia(const DHSESI& principal);
    void EscribirNoConsecutivas(const DHSESI& principal);
    void EscribirNoCoincidentes(const DHSESI& principal);
    // The sesion lines of the linked sessions that share a period with the main record.
    void EscribirSesionesEnlazadas(const DHSESI& principal, const Ref* enlaces, int cuenta);
    void EscribirPosteriorA(const DHSESI& principal);
    void EscribirSeparacion(const DHSESI& principal, int tipo);

    void ComponerDocumento();
    int GuardarDocumento(const char* ruta) const;

    std::string m_strDocumento;
    int m_nPeriodo = 0;
    CDatos* m_pDatos;
    char m_pszLinea[5000];
    int m_nIndiceLectivo[NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS];
    int m_nIndiceRecreo[NUM_MARCOS][NUM_DIAS][MAX_RECREOS];
    char m_szAtributoTarea[200] = {};
    int m_nDias = 5;
    std::unordered_map<const MCList<DHSESI>::Nodo*, int> m_posicionSesion;
    // The subject-course pairs by course node, in list order, gathered for the courses.
    std::unordered_map<const MCList<DHCURSO>::Nodo*, std::vector<const DHMATCUR*>> m_paresCurso;
};
