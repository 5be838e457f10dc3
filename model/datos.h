// The timetable model of one flow.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "model/colocacion.h"
#include "model/lista.h"
#include "model/marcos.h"
#include "model/registros.h"

// The document's general options (otros).
struct BloqueOtros {
    // restriccionesCD
    std::uint8_t permitirAgregarProfesor;
    std::uint8_t permitirAgregarDepartamento;
    std::uint8_t permitirAgregarAsignatura;
    std::uint8_t permitirCamDepProfesor;
    std::uint8_t permitirCamDepAsignatura;
    std::uint8_t permitirCamDuracion;
    std::uint8_t permitirCamHorasReduccion;
    std::int8_t cantidadDeProhibidos;
    std::int8_t cantidadDePrefNo1;
    std::int8_t cantidadDePrefNo2;
    // funcionesAdicionales
    std::uint8_t definirTutor;
    std::uint8_t elegirGrupoTutor;
    std::uint8_t hacerGuardias;
    std::uint8_t cambiarAula;
    std::uint8_t permitirDistAlt;
    char texto[351]; // mensajesIntercambio/haciaDesideratas
};

// Frame table: per frame, day and document slot index the lesson row (0..55), 70 + n for
// recess n, or -1.
inline constexpr int NUM_INDICES_TRAMO = 500;
inline constexpr int TAMANO_TABLA_MARCOS = NUM_MARCOS * NUM_DIAS * NUM_INDICES_TRAMO;

class CDatos {
public:
    explicit CDatos(int modo);
    ~CDatos();
    CDatos(const CDatos&) = delete;
    CDatos& operator=(const CDatos&) = delete;

    // ---- Lifecycle
    void Inicializar(int modo);
    void ReiniciarCabecera();
    void IniciarMarcos();
    void Vaciar();

    // ---- Built-in records
    void AnadirRegistrosPorDefecto();
    void AnadirDepartamentoPorDefecto();
    void AnadirProfesorPorDefecto();
    void AnadirTareasPorDefecto();
    void AnadirTareaLectiva(bool comoIndice);
    void AnadirTareaGuardia(bool comoIndice);
    void AnadirTareaReunion(bool comoIndice);

    // ---- Subject-in-course pairs
    void AnadirMatCur(MCList<DHMATE>::Nodo* materia, MCList<DHCURSO>::Nodo* curso,
                      float numSesiones);
    MCList<DHMATCUR>::Nodo* InsertarMatCurOrdenada(const DHMATCUR& par);
    // Whether matCur holds a pair of these two references, as stored.
    bool ExisteMatCur(Ref materia, Ref curso) const;

    // ---- Sessions by document id
    // The session a document id stands for: the first main record with the id, or, when the
    // first record with it is a simultaneous record of its own (not a further room), the main
    // record before that one (null when there is none); null for an unknown id.
    MCList<DHSESI>::Nodo* SesionPorId(int id) const;
    // The first main record, or simultaneous record of its own, with the id: the record itself.
    MCList<DHSESI>::Nodo* SesionPropiaPorId(int id) const;
    // The first main record with the id.
    MCList<DHSESI>::Nodo* SesionPrincipalPorId(int id) const;
    // The first main or simultaneous record with the id, further rooms included.
    MCList<DHSESI>::Nodo* RegistroSesionPorId(int id) const;
    // To be called after a session record's tipo, id or aulaAdicional changed in place; links,
    // unlinks and moves are seen without it.
    void SesionesCambiadas() { ++sesionesCambiadas_; }
    // A main session record becomes a simultaneous one, and a record that is not a main one
    // moves before `pos` (to the tail when null): the lookup of main records by id follows
    // both without being built again (main records keep their order).
    void ConvertirEnSimultanea(MCList<DHSESI>::Nodo* sesion);
    void MoverRegistroSesion(MCList<DHSESI>::Nodo* registro, MCList<DHSESI>::Nodo* pos);

    // ---- References by mode
    // The reference to `nodo` as this model stores it: the node in mode 0, its index in mode 1
    // (0 for a null node).
    template <class T> Ref Referencia(const typename MCList<T>::Nodo* nodo) const {
        if (modo == 0) return reinterpret_cast<Ref>(nodo);
        return static_cast<Ref>(CalcularIndiceNodo(nodo));
    }
    // The node a reference designates in `lista`; null for none or an index out of range.
    template <class T> typename MCList<T>::Nodo* Resolver(const MCList<T>& lista, Ref r) const {
        if (modo == 0) return reinterpret_cast<typename MCList<T>::Nodo*>(r);
        return lista.NodoEnIndice(static_cast<std::intptr_t>(r));
    }
    // The record a reference designates, or null.
    template <class T> T* Registro(const MCList<T>& lista, Ref r) const {
        auto* n = Resolver(lista, r);
        return n != nullptr ? &n->dato : nullptr;
    }
    // References that hold a node in both modes (a teacher's department).
    template <class T> static typename MCList<T>::Nodo* NodoDe(Ref r) {
        return reinterpret_cast<typename MCList<T>::Nodo*>(r);
    }
    template <class T> static Ref RefDeNodo(const typename MCList<T>::Nodo* n) {
        return reinterpret_cast<Ref>(n);
    }

    // ---- grupoMateria names of the sessions
    // Gives every session that stands on its own a unique grupoMateria name and every record
    // without a kind the kind 'N'. Run by the document writer before it writes anything.
    void NombrarGruposMateria();
    // Names one session: `siguiente` is the node after it in the session list (or null) and
    // `usados` the names already given.
    void NombrarGrupoMateria(DHSESI& sesion, const MCList<DHSESI>::Nodo* siguiente,
                             std::unordered_set<std::string>& usados) const;
    // "subject/group", then "/group" of every following 'M' record up to the first record that
    // is neither 'M' nor 'P'. A missing subject or group counts as an empty name.
    std::string ComponerNombreGrupoMateria(const DHSESI& sesion,
                                           const MCList<DHSESI>::Nodo* siguiente) const;

    // ---- Session relations (relaciones.cpp)
    // Admission checks, run before a relation between two main sessions is stored on both:
    // true when it may be added (they add nothing). `refA` and `refB` are the references of
    // `recA` and `recB` as this model stores them.
    bool ComprobarEnDistintoDia(const DHSESI& recA, const DHSESI& recB, Ref refA, Ref refB) const;
    bool ComprobarPrevioPosterior(const DHSESI& recA, const DHSESI& recB, Ref refA, Ref refB) const;
    bool ComprobarSeparacion(const DHSESI& recA, const DHSESI& recB, Ref refA, Ref refB, int extra,
                             bool sinComprobarDias) const;
    // Two related sessions may not together have more sessions in a week than there are days
    // (plus `extra`, which may be negative), in any period they share.
    bool ComprobarNumeroDias(const DHSESI& recA, const DHSESI& recB, int extra) const;
    // Removal of every entry equal to `ref` from one array of `sesion`, keeping the order of the
    // others and zeroing the freed slots; true when at least one entry was removed.
    bool QuitarEnDistintoDia(MCList<DHSESI>::Nodo* sesion, Ref ref); // also clears enDiasSeguidos
    bool QuitarNoConsecutiva(MCList<DHSESI>::Nodo* sesion, Ref ref);
    bool QuitarNoCoincidente(MCList<DHSESI>::Nodo* sesion, Ref ref);
    bool QuitarPrevioPosterior(MCList<DHSESI>::Nodo* sesion, Ref ref);
    bool QuitarSeparacion(MCList<DHSESI>::Nodo* sesion, Ref ref);
    // Links on both sessions of a pair, the mirror of the removals above: 1 when linked, 0 when
    // refused (a null record, the same record, already linked, an array full, or the admission
    // check). Interchangeable teachers link any two sessions; the others link main sessions.
    int RelacionarEnDistintoDia(MCList<DHSESI>::Nodo* a, MCList<DHSESI>::Nodo* b);
    int RelacionarNoConsecutivas(MCList<DHSESI>::Nodo* a, MCList<DHSESI>::Nodo* b);
    int RelacionarNoCoincidentes(MCList<DHSESI>::Nodo* a, MCList<DHSESI>::Nodo* b);
    int RelacionarIntercambiables(MCList<DHSESI>::Nodo* a, MCList<DHSESI>::Nodo* b);
    // `a` comes after `b`: a lists b with direction 0 (posteriorA), b lists a with direction 1
    // (previoA).
    int RelacionarPrevioPosterior(MCList<DHSESI>::Nodo* a, MCList<DHSESI>::Nodo* b);
    // tipo 0: at least `dias` days apart; 1: at most (no day-count check).
    int RelacionarSeparacion(MCList<DHSESI>::Nodo* a, MCList<DHSESI>::Nodo* b, int tipo, int dias);
    // Despite its name it links nothing: it removes `sesion` from the relation arrays of every
    // session its own arrays name, with the removals above, before the session joins a
    // simultaneous block. Its own arrays are left as they are.
    void EnlazarSimultaneas(MCList<DHSESI>::Nodo* sesion);
    // The 1-based number of the first optional-subject block that holds the session `ref`, with
    // the block's maxSolapadas and the entry's solapable flag; 0 (outputs untouched) when none.
    int BuscarOptativaDeSesion(Ref ref, int& maxSolapadas, int& solapable) const;
    // The first recess duty (enRecreos exactly 1) of frame `marco`, or null.
    MCList<DHGUAR>::Nodo* BuscarGuardiaRecreo(int marco) const;

    // ---- Teacher workload of older documents (carga.cpp)
    // With bit OPCION_ACTUALIZAR_PROFESORES of `opciones`: every teacher but the placeholder
    // whose estimated daily maximum is exactly 6 gets valorMaximasHorasCalculado 1.
    void ActualizarProfesores(std::uint32_t opciones);
    // Estimated weekly busy intervals of a teacher (the return value) and its daily minimum,
    // maximum and number of working days.
    int CalcularPermanenciaProfesor(const DHPROF& profesor, const MCList<DHPROF>::Nodo* nodo,
                                    int& minimo, int& maximo, int& dias, int tipoDePeriodo,
                                    int cantidadDeDias) const;
    // The busy counts of every teacher, gathered in one pass over each kind of record: by
    // teacher reference, the load of all frames (index 0) and of each frame (index 1 + f), as
    // the Contar* counts give them.
    using CargasProfesores = std::unordered_map<Ref, std::array<int, NUM_MARCOS + 1>>;
    CargasProfesores ContarCargasProfesores() const;
    // CalcularPermanenciaProfesor from a teacher's counts as ContarCargasProfesores gives them.
    int EstimarPermanencia(const DHPROF& profesor, const std::array<int, NUM_MARCOS + 1>& cargas,
                           int& minimo, int& maximo, int& dias, int tipoDePeriodo,
                           int cantidadDeDias) const;
    // Busy counts of the teacher at `profesor` in the first period; `marco` -1 counts every frame.
    int ContarTramosSesiones(const MCList<DHPROF>::Nodo* profesor, int marco) const;
    int ContarTramosReuniones(const MCList<DHPROF>::Nodo* profesor, int marco) const;
    int ContarTramosComplementarias(const MCList<DHPROF>::Nodo* profesor, int marco) const;
    int ContarTramosGuardias(const MCList<DHPROF>::Nodo* profesor, int marco, bool enRecreos) const;
    // Days among the first `dias` on which the teacher has no free interval, or fewer than
    // `umbral`, in the frames f with porMarco[f] > 0.
    int ContarDiasDisponibles(int dias, int umbral, const DHPROF& profesor,
                              const int porMarco[NUM_MARCOS]) const;

    // ---- Members, in the model's order
    DHMARCOS marcos;
    std::unique_ptr<std::int32_t[]> tablaMarcos; // TAMANO_TABLA_MARCOS entries, or null
    std::unique_ptr<CMarcosHorario> marcosHorario;
    std::string notas;
    MCList<Ref> gruposAlejados; // DHGRUP references
    MCList<DHTIPO> tipos;
    MCList<DHAULA> aulas;
    MCList<DHGRUP> grupos;
    MCList<DHCURSO> cursos;
    MCList<DHMATCUR> matCur;
    MCList<DHPROF> profesores;
    MCList<DHMATE> materias;
    MCList<DHSESI> sesiones;
    MCList<DHREUN> reuniones;
    MCList<DHGUAR> guardias;
    MCList<DHTARE> tareas;
    MCList<DHCOMP> complementarias;
    MCList<DHDEPT> departamentos;
    // The data file's departments are found by their name and full name byte for byte.
    IndiceExacto<DHDEPT> departamentosPorNombre{
        [](const DHDEPT& d) -> const char* { return d.nombre; }, sizeof DHDEPT::nombre - 1};
    IndiceExacto<DHDEPT> departamentosPorNombreCompleto{
        [](const DHDEPT& d) -> const char* { return d.nombreCompleto; },
        sizeof DHDEPT::nombreCompleto - 1};
    BloqueOtros otros{};
    MCList<DHOPTATIVAS> optativas;
    std::string extensiones;
    // The placement table of a solved timetable, its grids and the recess duty table.
    TablaColocacion colocacion{*this};
    MCList<DHCLAVIMPOR> clavesImportadas;
    int modo = 0;

private:
    // Beside matCur: the (subject, course) references of its pairs, extended over appended
    // pairs and built again after any other change of the list.
    struct HashPar {
        std::size_t operator()(const std::pair<Ref, Ref>& p) const {
            return std::hash<Ref>()(p.first) * 31 + std::hash<Ref>()(p.second);
        }
    };
    mutable std::unordered_set<std::pair<Ref, Ref>, HashPar> paresMatCur_;
    mutable const MCList<DHMATCUR>::Nodo* ultimoParMatCur_ = nullptr;
    mutable std::uint64_t estructuraParesMatCur_ = 0;
    // The sorted pairs of a model of mode 0 by the sort keys of their subject and course names,
    // equal keys in list order, while the list changes only through InsertarMatCurOrdenada.
    using ClaveMatCur = std::pair<std::string, std::string>;
    std::multimap<ClaveMatCur, MCList<DHMATCUR>::Nodo*> ordenMatCur_;
    std::uint64_t versionOrdenMatCur_ = 0;
    bool ordenMatCurValido_ = true;
    bool ClaveDeMatCur(const DHMATCUR& par, ClaveMatCur& clave) const;
    bool RehacerOrdenMatCur();
    // The session lookups by id, built in one pass over the session list when it changed.
    struct SesionesDeId {
        MCList<DHSESI>::Nodo* porId = nullptr;
        MCList<DHSESI>::Nodo* propia = nullptr;
        MCList<DHSESI>::Nodo* registro = nullptr;
    };
    // The main records of each id, in list order; kept apart, as it survives the changes that
    // make simultaneous blocks.
    bool PrincipalesEnPaso() const;
    mutable std::unordered_map<std::int32_t, std::vector<MCList<DHSESI>::Nodo*>> principalesDeId_;
    mutable std::uint64_t versionPrincipales_ = 0;
    mutable std::uint64_t cambiosPrincipales_ = 0;
    mutable bool principalesValidos_ = false;
    const SesionesDeId* BuscarSesionesDeId(int id) const;
    mutable std::unordered_map<std::int32_t, SesionesDeId> sesionesDeId_;
    mutable std::uint64_t versionSesionesDeId_ = 0;
    mutable std::uint64_t cambiosSesionesDeId_ = 0;
    mutable bool sesionesDeIdValidas_ = false;
    std::uint64_t sesionesCambiadas_ = 0;
    void SincronizarParesMatCur() const;
    MCList<DHMATCUR>::Nodo* InsertarMatCurEnOrden(const DHMATCUR& par);
};

// The record named `nombre` in `lista`; null for an empty or unknown name.
template <class T>
typename MCList<T>::Nodo* BuscarNombrado(const MCList<T>& lista, const char* nombre) {
    return nombre[0] != '\0' ? lista.BuscarNombre(nombre) : nullptr;
}
