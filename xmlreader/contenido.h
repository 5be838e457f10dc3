// The content handler of the exchange document reader.
//
// It keeps, for every open element, the row of the reader's vocabulary its whole path selects
// (xmlreader/vocabulario.h), collects the element's text and the record in progress, and at
// each element start and end runs the actions of that row. Records are built at their end tags;
// the time frames at the end of `marcosDeHorario`; placements at the end of each child of a
// `horario/tramo`.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/datos.h"
#include "platform/sax.h"
#include "xmlreader/registro.h"

enum class InicioRuta : std::uint8_t;
enum class FinRuta : std::uint8_t;

// The base handler: every event does nothing.
class SAXContentHandlerImpl : public plataforma::ManejadorContenidoSax {};

// Reads one time text ("08:30", "9:05"): hour and minute, each 0 when above 59.
void LeerHoraMinuto(const char* texto, std::uint8_t& hora, std::uint8_t& minuto);

enum class Destino : std::uint8_t;
struct ConversionTexto;

class MyContentInterno2 : public SAXContentHandlerImpl {
public:
    explicit MyContentInterno2(CDatos* datos);
    ~MyContentInterno2() override;
    MyContentInterno2(const MyContentInterno2&) = delete;
    MyContentInterno2& operator=(const MyContentInterno2&) = delete;

    void startElement(std::u16string_view uri, std::u16string_view local, std::u16string_view qname,
                      const plataforma::AtributosSax& atributos) override;
    void endElement(std::u16string_view uri, std::u16string_view local,
                    std::u16string_view qname) override;
    void characters(std::u16string_view texto) override;

    // 1 once an element whose whole path is "/datosKRT" has started.
    int RaizVista() const { return raizVista_; }

    // ---- Record in progress and rules at end tags
    void VaciarRegistro();
    void AjustarPermanencia();

    // ---- Attributes
    // The index 0..3 of a frame id among the registered ones; 0 when none matches.
    int BuscarIndiceMarco(const char* id) const;

    void LeerAtributosMarco(const plataforma::AtributosSax& a);
    void LeerNumeroAlumnos(const plataforma::AtributosSax& a);
    void LeerSolapable(const plataforma::AtributosSax& a);
    void LeerAtributosOtroGrupo(const plataforma::AtributosSax& a);
    void LeerAtributoTarea(const plataforma::AtributosSax& a);
    void LeerAtributosOtraAula(const plataforma::AtributosSax& a);
    void LeerAtributosMateriaGrupo(const plataforma::AtributosSax& a);
    void LeerAtributosTramo(const plataforma::AtributosSax& a);
    void LeerRefAula(const plataforma::AtributosSax& a);
    void LeerAtributosAula(const plataforma::AtributosSax& a);
    void LeerEstrictoSemanal(const plataforma::AtributosSax& a);
    void LeerEstrictoDiario(const plataforma::AtributosSax& a);
    void LeerAtributosIncompatibilidad(const plataforma::AtributosSax& a);
    void LeerEvitarDobleDesp(const plataforma::AtributosSax& a);
    void LeerNumSesiones(const plataforma::AtributosSax& a);
    void LeerNombreConjunto(const plataforma::AtributosSax& a);
    void LeerSinDeclarar(const plataforma::AtributosSax& a);
    void LeerAtributosGrupoMateria(const plataforma::AtributosSax& a);
    void LeerIdSesion(const plataforma::AtributosSax& a);
    void LeerSubmarco(const plataforma::AtributosSax& a);

    // ---- Element text conversion, by the row's conversion
    void ConvertirTexto(const ConversionTexto& conversion, const char16_t* texto, int longitud);
    void AnadirMarcaDia(char* destino, const char* texto, char c);
    void PonerClaveDia(CMarcosHorario* marcos, int dia, const char* clave);
    void RegistrarMarco(CDatos* datos, const char* nombre, const char* clave, int indice);
    void CargarValoresProfesores(CDatos* datos, OpcionesProfesor& destino);
    void GuardarValoresProfesores(CDatos* datos, OpcionesProfesor& origen);
    void PonerNotas(CDatos* datos, const char* texto);
    void PonerCelda(CDatos* datos, int dia, int fila, int marco, std::uint8_t valor,
                    std::uint8_t rejilla[NUM_DIAS][NUM_INTERVALOS]);
    // The frame table's row of (frame, day, slot index); -1 without a table or for a slot index
    // outside 0..499 or a negative day.
    int BuscarFilaTramo(CDatos* datos, int marco, int dia, int indice, int diasSemana);
    void PonerDisponibilidadPeriodo(
        CDatos* datos, int semana, int dia, int fila, int marco, const char* palabra,
        std::uint8_t rejilla[NUM_PERIODOS][NUM_MARCOS][NUM_DIAS][NUM_INTERVALOS], int marcoRejilla);
    void PonerDisponibilidad(CDatos* datos, int semana, int dia, int fila, int marco,
                             const char* palabra,
                             std::uint8_t rejilla[NUM_PERIODOS][NUM_DIAS][NUM_INTERVALOS]);

    // ---- Time frames from the document
    void AnadirTramo(int semana, const char* entrada, const char* salida, const char* clave,
                     int indice, std::uint8_t marco, int dia, int tipo, std::uint8_t duracion,
                     int permitido);
    void TerminarMarcos(CDatos* datos);
    int CompararTramos(const MCList<DHCLAVIMPOR>& tramos, int dias, int numMarcos);
    int AnadirRecreo(BloqueMarcoDia& bloque, int indice, const char* nombre, std::uint8_t hora,
                     std::uint8_t minuto, char nombres[MAX_RECREOS][201]);

    // ---- Record builders (at the end tag of each record element)
    MCList<DHPROF>::Nodo* AnadirProfesor(CDatos* datos);
    MCList<DHCURSO>::Nodo* AnadirCurso(CDatos* datos);
    MCList<DHGRUP>::Nodo* AnadirGrupo(CDatos* datos);
    MCList<DHMATE>::Nodo* AnadirMateria(CDatos* datos);
    MCList<DHDEPT>::Nodo* AnadirDepartamento(CDatos* datos);
    MCList<DHTARE>::Nodo* AnadirTarea(CDatos* datos);
    MCList<DHAULA>::Nodo* AnadirAula(CDatos* datos);
    MCList<DHTIPO>::Nodo* AnadirConjuntoAulas(CDatos* datos);
    MCList<DHOPTATIVAS>::Nodo* AnadirOptativa(CDatos* datos);
    MCList<DHREUN>::Nodo* AnadirReunion(CDatos* datos);
    MCList<DHGUAR>::Nodo* AnadirGuardia(CDatos* datos);
    MCList<DHCOMP>::Nodo* AnadirComplementaria(CDatos* datos);
    void AnadirGruposAlejados(CDatos* datos, const std::vector<std::string>& grupos);
    void VaciarTareas(CDatos* datos);
    void TerminarTareas(CDatos* datos);
    void PonerLectivaPorDefecto(CDatos* datos, const char* tarea);
    void PonerReunionPorDefecto(CDatos* datos, const char* tarea);
    void PonerGuardiaPorDefecto(CDatos* datos, const char* tarea);

    // ---- Sessions: relations and blocks
    void ResolverRelacionesSesion(CDatos* datos, RELACIONESDESESIONES* relaciones);
    void ResolverConsecutivas(CDatos* datos, RELACIONESCONSECUTIVAS* bloque);
    void AnadirSimultaneas(CDatos* datos, int numero, const int ids[]);

    // Session lookups by document id. BuscarSesionPorId: the first main record with the id, or,
    // when a simultaneous session ('S' without the further-room flag) with the id comes first,
    // the main record of its block (null when none was passed). BuscarNodoSesion: the first
    // main or 'S' record with the id. Both null when nothing matches.
    static MCList<DHSESI>::Nodo* BuscarSesionPorId(CDatos* datos, int id);
    static MCList<DHSESI>::Nodo* BuscarNodoSesion(CDatos* datos, int id);

    // A row of the vocabulary, and a node of its tree of paths (xmlreader/vocabulario.h).
    struct EntradaRuta;
    struct NodoRuta;

private:
    void AccionInicio(InicioRuta inicio);
    void AccionFin(FinRuta fin);
    void PrepararElemento(const EntradaRuta& entrada, const plataforma::AtributosSax& atributos);
    void FinTramoMarco();
    void FinSesion();
    void FinDistribucionPersonalizada();
    void FinJornadaPartida();
    void FinOpcionesGenerales();
    void FinColocacion(FinRuta hijo);
    int VersionNumerica() const;
    int Semana(int dia) const;
    int DiaDeSemana(int dia) const;

    // Conversions of element texts, by subject. Each returns false when `destino` is not its.
    bool Texto(char* campo, int ancho, const char16_t* t, int n);
    bool Numero(int ancho, const char16_t* t, int n, int& valor);
    bool ConvertirAjuste(Destino destino, int parametro, const char16_t* t, int n);
    bool ConvertirRegistro(Destino destino, int parametro, const char16_t* t, int n);
    bool ConvertirLista(Destino destino, const char16_t* t, int n);
    bool ConvertirRelacion(Destino destino, const char16_t* t, int n);
    bool ConvertirOpcionProfesor(Destino destino, int parametro, const char16_t* t, int n);
    bool ConvertirOpcionSesion(Destino destino, int parametro, const char16_t* t, int n);
    bool ConvertirDisponibilidad(Destino destino, const char16_t* t, int n);
    bool ConvertirTramoMarco(Destino destino, const char16_t* t, int n);
    void AnotarAlumnos(const char* grupo);

    // Attribute values.
    static std::string Valor(const plataforma::AtributosSax& a, int i, int limite);
    static int ValorEntero(const plataforma::AtributosSax& a, int i, int limite);

    CDatos* datos_;
    int raizVista_ = 0;

    // The element text: at most 999 UTF-16 units.
    static constexpr int kMaxTexto = 1000;
    char16_t texto_[kMaxTexto + 1] = {};
    int longitud_ = 0;
    int trozo_ = 0; // 0: the next chunk starts the element text

    // The tree node of each open element's path (null inside an unknown element), and the row
    // whose text conversion runs at the current element's end (null when none: also once a
    // child element has started).
    std::vector<const NodoRuta*> pila_;
    const EntradaRuta* textoPendiente_ = nullptr;

    std::unique_ptr<REGISTROENCURSO> registro_;
    std::map<int, std::uint16_t> ocurrencias_; // session id -> last occurrence given out

    // Registered frames: the ids of the `marcoHorario` elements, in order.
    char idsMarco_[NUM_MARCOS][51] = {};
    int numMarcos_ = 0;
    char marcoActual_[51] = {};
    int marcoIgnorado_ = 0; // 1 inside a `marcoHorario` that registered no frame

    std::uint32_t opcionesAlejados_ = 0;
    std::uint32_t opcionesGenerales_ = 0;
    int prohibirDobleDesp_ = 0;
    std::vector<std::string> gruposAlejados_;

    // Set once session positions have been stored anywhere (relations, consecutive partners,
    // optional-subject blocks): from then on no simultaneous block may reorder the sessions.
    int sesionesReferidas_ = 0;

    MCList<RELACIONESDESESIONES> relaciones_;
    RELACIONESDESESIONES relacion_{};
    MCList<RELACIONESCONSECUTIVAS> consecutivas_;
    RELACIONESCONSECUTIVAS consecutiva_{};

    char version_[13] = {};
    int alumnosPendientes_ = 0;
    std::map<std::string, int> alumnosPorGrupo_;

    int extension_ = 0; // 1 inside `otros/extensiones`
    char notas_[1001] = {};

    int diasSemana_ = 5;
    int periodo_ = 0; // 1 once the document spoke of periods
};
