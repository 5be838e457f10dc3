#include "iesfiles/fichero_horario.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

#include "platform/avisos.h"
#include "platform/error.h"
#include "platform/files.h"

namespace {

constexpr char kLetrasDias[] = "LMXJVS";

std::string Hora(int hora, int minuto) {
    // Two digits each, as almost every time has, without the formatter.
    if (hora >= 0 && hora < 100 && minuto >= 0 && minuto < 100)
        return {static_cast<char>('0' + hora / 10), static_cast<char>('0' + hora % 10), ':',
                static_cast<char>('0' + minuto / 10), static_cast<char>('0' + minuto % 10)};
    char texto[16];
    std::snprintf(texto, sizeof texto, "%.2d:%.2d", hora, minuto);
    return texto;
}

// Copies at most the field's width of `texto`, without a question (times, recess keys).
template <std::size_t N> void CopiarSinAviso(char (&campo)[N], const std::string& texto) {
    std::memcpy(campo, texto.data(), std::min(texto.size(), N - 1));
}

bool Excluido(const DHPROF& p) {
    return (p.opciones.incompatibilidades & PROFESOR_EXCLUIDO_DEL_HORARIO) != 0;
}

template <class T, class V> void Enumerar(const MCList<T>& lista, std::vector<V>& destino) {
    destino.clear();
    destino.reserve(static_cast<std::size_t>(lista.Cuenta()));
    for (auto* n = lista.Cabeza(); n != nullptr; n = n->siguiente)
        destino.push_back(&n->dato);
}

template <class V> const V* EnIndice(const std::vector<const V*>& v, long i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? v[static_cast<std::size_t>(i)]
                                                            : nullptr;
}

} // namespace

void ObtenerTextosTramo(const CDatos& datos, int d, int s, int f, std::string& nombre,
                        std::string& inicio, std::string& fin) {
    nombre.clear();
    inicio.clear();
    fin.clear();
    if (f < 0 || f >= NUM_MARCOS || d < 0 || d >= NUM_DIAS || s < 0 || s >= NUM_INTERVALOS) return;
    // The name is always the day's own; the times are shared when the days share them.
    nombre = datos.marcos.bloques[f][d].nombres[s];
    const HorasTramo& h = datos.marcosHorario->Bloque(f, d).horas[s];
    inicio = Hora(h.horaEntrada, h.minutoEntrada);
    fin = Hora(h.horaSalida, h.minutoSalida);
}

const CEscritorHorarioIes::Indices& CEscritorHorarioIes::IndicesDe(const CDatos& datos) {
    if (enEscritura_ && indices_.datos == &datos) return indices_;
    indices_.datos = &datos;
    indices_.profesores.clear();
    for (auto* n = datos.profesores.Cabeza(); n != nullptr; n = n->siguiente)
        indices_.profesores.push_back(n);
    indices_.nodosProfesor = indices_.profesores;
    std::sort(indices_.nodosProfesor.begin(), indices_.nodosProfesor.end(), std::less<>());
    Enumerar(datos.materias, indices_.materias);
    Enumerar(datos.grupos, indices_.grupos);
    Enumerar(datos.aulas, indices_.aulas);
    Enumerar(datos.tareas, indices_.tareas);
    return indices_;
}

int CEscritorHorarioIes::CopiarCampo(char* campo, const char* texto, int n, const char* tipo) {
    if (texto == nullptr || n < 0) return 1;
    const std::size_t largo = std::strlen(texto);
    const auto maximo = static_cast<std::size_t>(n);
    if (largo > maximo && m_bAvisarTruncado == 1) {
        const std::string aviso = std::string("El identificativo de ") + tipo + ": " + texto +
                                  " tiene m\xE1s de " + std::to_string(n) +
                                  " caracteres y se truncar\xE1 para crear el archivo.\n"
                                  "\xBFQuiere continuar viendo estos mensajes ?";
        switch (plataforma::AvisosActuales().Mostrar(aviso, "", plataforma::Icono::Informacion,
                                                     plataforma::Botones::SiNoCancelar)) {
        case plataforma::Respuesta::Cancelar:
            return 0;
        case plataforma::Respuesta::No:
            m_bAvisarTruncado = 0;
            break;
        default:
            break;
        }
    }
    std::memcpy(campo, texto, std::min(largo, maximo));
    return 1;
}

int CEscritorHorarioIes::EscribirRegistro(int fd, const RegistroHorarioIes& registro) {
    if (enEscritura_) {
        constexpr std::size_t kPieza = 64 * 1024;
        const auto* bytes = reinterpret_cast<const char*>(&registro);
        pendientes_.insert(pendientes_.end(), bytes, bytes + sizeof registro);
        if (pendientes_.size() >= kPieza && !VaciarPendientes(fd)) return FALLO;
    } else if (!plataforma::EscribirTodo(fd, &registro, sizeof registro)) {
        return FALLO;
    }
    ++registrosEscritos_;
    return ESCRITO;
}

bool CEscritorHorarioIes::VaciarPendientes(int fd) {
    const bool bien =
        pendientes_.empty() || plataforma::EscribirTodo(fd, pendientes_.data(), pendientes_.size());
    pendientes_.clear();
    return bien;
}

int CEscritorHorarioIes::EscribirSesion(const ENTRADACOLOCACION& e, int d, int s, int k, int fd,
                                        const CDatos& datos) {
    const Indices& ix = IndicesDe(datos);
    RegistroHorarioIes reg{};

    // An index outside its list leaves the field empty; the record is still written.
    if (const auto* nodo = EnIndice(ix.profesores, e.profesor)) {
        if (Excluido(nodo->dato)) return ESCRITO;
        if (!Copiar(reg.profesor, nodo->dato.claveDeExportacion, "Profesor")) return CANCELADO;
    }
    if (const DHTARE* t = EnIndice(ix.tareas, e.tarea))
        if (!Copiar(reg.tarea, t->claveDeExportacion, "Task or activity")) return CANCELADO;
    if (d >= 0 && d < NUM_DIAS) reg.dia = kLetrasDias[d];

    std::string nombre, inicio, fin;
    ObtenerTextosTramo(datos, d, s, e.marco, nombre, inicio, fin);
    if (!Copiar(reg.intervalo, nombre.c_str(), "intervalo")) return CANCELADO;
    CopiarSinAviso(reg.inicio, inicio);
    CopiarSinAviso(reg.fin, fin);

    if (e.tipo == ACTIVIDAD_SESION) {
        // Subject and group references are index + 1 (0 = none).
        if (const DHMATE* m = EnIndice(ix.materias, long{e.materia} - 1))
            if (!Copiar(reg.materia, m->claveDeExportacion, "Materia")) return CANCELADO;
        if (const DHGRUP* g = EnIndice(ix.grupos, long{e.grupo} - 1))
            if (!Copiar(reg.grupo, g->claveDeExportacion, "Grupo de alumnos")) return CANCELADO;
        // Grid row k is the room after the built-in first one; spare rows have no room.
        if (const DHAULA* a = EnIndice(ix.aulas, long{k} + 1))
            if (!Copiar(reg.aula, a->claveDeExportacion, "Aula")) return CANCELADO;
    }
    return EscribirRegistro(fd, reg);
}

int CEscritorHorarioIes::EscribirGuardiaRecreo(const MCList<DHPROF>::Nodo* nodo, int r, int d,
                                               int fd, const CDatos& datos, int f, int p) {
    const Indices& ix = IndicesDe(datos);
    RegistroHorarioIes reg{};

    // Only a node of the model's teacher list is followed; anything else leaves the field empty.
    if (nodo != nullptr &&
        std::binary_search(ix.nodosProfesor.begin(), ix.nodosProfesor.end(), nodo, std::less<>())) {
        if (Excluido(nodo->dato)) return ESCRITO;
        if (!Copiar(reg.profesor, nodo->dato.claveDeExportacion, "Profesor")) return CANCELADO;
    }
    if (d >= 0 && d < NUM_DIAS) reg.dia = kLetrasDias[d];

    std::string nombre, clave;
    datos.marcosHorario->NombreTramo(f, d, r, nombre, clave);

    // The recess runs from the end of the interval before it to the start of the one at its
    // position; a recess before the first interval has no times.
    if (p >= 1 && p < NUM_INTERVALOS) {
        const BloqueMarcoDia& b = datos.marcosHorario->Bloque(f, d);
        CopiarSinAviso(reg.inicio, Hora(b.horas[p - 1].horaSalida, b.horas[p - 1].minutoSalida));
        CopiarSinAviso(reg.fin, Hora(b.horas[p].horaEntrada, b.horas[p].minutoEntrada));
    }
    if (!Copiar(reg.intervalo, nombre.c_str(), "Intervalo")) return CANCELADO;
    CopiarSinAviso(reg.tarea, clave);
    return EscribirRegistro(fd, reg);
}

int CEscritorHorarioIes::EscribirFicheroIes(const char* ruta, std::string& textoError,
                                            const CDatos& datos) {
    // The records go to a new file that takes the target's place only at the end, so a failed
    // write leaves the previous file as it was.
    plataforma::ArchivoDeReemplazo archivo;
    const int fd = archivo.Crear(ruta);
    if (fd < 0) {
        textoError = "FICHERO DE DATOS\n" + plataforma::TextoDeError(plataforma::UltimoError());
        return 0;
    }
    m_bAvisarTruncado = 1;
    registrosEscritos_ = 0;
    enEscritura_ = false;
    pendientes_.clear();
    IndicesDe(datos);
    enEscritura_ = true;

    // A cancel keeps the records written so far, in place of the previous file; a failed
    // write leaves nothing behind that could pass for a whole timetable.
    auto terminar = [&](int resultado) {
        // The records gathered so far go to the file whatever ended the write.
        if (!VaciarPendientes(fd) && resultado != FALLO) resultado = FALLO;
        enEscritura_ = false;
        if (resultado != FALLO && archivo.Reemplazar()) return resultado == ESCRITO ? 1 : 0;
        // A cancelled write whose file could not be put in place is still just cancelled.
        if (resultado == CANCELADO) return 0;
        archivo.Descartar();
        textoError = "FICHERO DE DATOS\n" + plataforma::TextoDeError(plataforma::UltimoError());
        return 0;
    };

    const CMarcosHorario& mh = *datos.marcosHorario;
    const TablaColocacion& tabla = datos.colocacion;
    const int marcos = std::min<int>(datos.marcos.numMarcos, NUM_MARCOS);
    const int dias = mh.DiasSemana();

    // Activity records: the first period's grid of each frame, frame by frame, day by day,
    // interval by interval, row by row. Each cell's entry is followed along its chain.
    for (int m = 0; m < marcos; ++m) {
        if (!tabla.HayRejilla(0, m)) continue; // the placement table was not built
        for (int d = 0; d < dias; ++d) {
            const int lectivos = std::min<int>(mh.Bloque(m, d).numLectivos, NUM_INTERVALOS);
            for (int s = 0; s < lectivos; ++s) {
                for (int k = 0; k < tabla.Filas(); ++k) {
                    for (const ENTRADACOLOCACION* e = tabla.EntradaEnCelda(0, m, d, s, k);
                         e != nullptr; e = tabla.SiguienteEnCadena(e)) {
                        const int res = EscribirSesion(*e, d, s, k, fd, datos);
                        if (res != ESCRITO) return terminar(res);
                    }
                }
            }
        }
    }

    // Recess duty records: every period, frame, day and recess, pair by pair.
    if (m_bEscribirOtrasActividades != 0) {
        const int periodos = std::min<int>(datos.marcos.numPeriodos, NUM_PERIODOS);
        for (int g = 0; g < periodos; ++g) {
            for (int m = 0; m < marcos; ++m) {
                for (int d = 0; d < dias; ++d) {
                    const BloqueMarcoDia& b = mh.Bloque(m, d);
                    const int recreos = std::min<int>(b.numRecreos, MAX_RECREOS);
                    for (int r = 0; r < recreos; ++r) {
                        const CeldaGuardiasRecreo& c = tabla.CeldaGuardias(g, m, r, d);
                        const int pares = std::clamp<int>(c.cuenta, 0, MAX_GUARDIAS_CELDA);
                        for (int j = 0; j < pares; ++j) {
                            const int res = EscribirGuardiaRecreo(c.pares[j].profesor, r, d, fd,
                                                                  datos, m, b.posRecreos[r]);
                            if (res != ESCRITO) return terminar(res);
                        }
                    }
                }
            }
        }
    }
    return terminar(ESCRITO);
}
