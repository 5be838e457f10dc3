// What the program's dialogs and flows ask of the platform, in one interface: modal dialogs,
// message boxes, file dialogs, the wait cursor, web pages, processes, files, folders, the
// profile and the clock.
//
// The program runs with the on-screen implementation (platform/ui); tests run the same code
// with a scripted one. The operations on processes, files, folders, the profile and the clock
// have the system's own behaviour here; an implementation replaces only what it must.
// Texts are Windows-1252.
#pragma once

#include <string>
#include <vector>

#include "platform/avisos.h"
#include "platform/dialogo.h"

namespace plataforma {

// Results of modal dialogs and message boxes.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// The extended error of a file dialog that could not use its initial file name.
inline constexpr unsigned kErrorNombreArchivoNoValido = 0x3002;

struct ParametrosArchivo {
    bool abrir = true;               // open dialog; false: save dialog
    std::string extensionPorDefecto; // added to a chosen name without an extension
    std::string nombreInicial;       // folder and file name, or a folder alone
    std::string filtro;              // "description|pattern|...||"
    bool avisarSobrescribir = false; // ask before choosing an existing file
};

struct ResultadoArchivo {
    int resultado = kIdCancel; // kIdOk or kIdCancel
    std::string ruta;          // the chosen path
    std::string extension;     // text after the last '.' of the file name, "" without one
    unsigned errorExtendido = 0;
};

// What a file dialog starts with: a folder and a file name (program text). False, with the
// "invalid file name" outcome to report, when the initial name's folder does not exist. An
// initial name that is an existing folder starts there with no file name.
struct InicioDialogoArchivo {
    std::string carpeta;
    std::string archivo;
};
bool InicioDeDialogoArchivo(const std::string& nombreInicial, InicioDialogoArchivo& inicio);
// The filter without the empty pair that ends it ("a|*.a||" -> "a|*.a").
std::string FiltroDeDialogo(const std::string& filtro);
// The outcome of choosing `ruta`: the default extension added to a file name without one, and
// the extension as the dialog reports it.
ResultadoArchivo ArchivoElegido(const std::string& ruta, const std::string& extensionPorDefecto);

class Interfaz : public Avisos {
public:
    // Shows the dialog modally; kIdOk when the user accepted (the dialog's members then hold
    // validated values), kIdCancel or another button's id otherwise.
    virtual int Modal(CDialogo& dialogo) = 0;
    virtual ResultadoArchivo DialogoArchivo(const ParametrosArchivo& parametros) = 0;
    // The busy cursor while `activo`; calls nest.
    virtual void CursorEspera(bool activo) = 0;
    // Opens a web page in the desktop's browser; failures are not reported.
    virtual void AbrirDireccion(const std::string& direccion) = 0;

    // A message box with the application's name as title. Returns kIdOk, kIdCancel, or the
    // Yes/No answer as a Respuesta through Mostrar.
    int Mensaje(const std::string& texto, Icono icono, Botones botones = Botones::Aceptar);

    // Processes (platform/proceso.h).
    virtual bool IniciarPrograma(const std::vector<std::string>& argumentos);
    virtual int EjecutarYEsperar(const std::vector<std::string>& argumentos);
    virtual std::string BuscarEnRuta(const std::string& nombre);
    // Files and folders (platform/sistema.h).
    virtual int AnoActual();
    virtual std::string CarpetaTemporal();
    virtual std::string CarpetaDocumentos();
    virtual bool Existe(const std::string& ruta);
    virtual bool CrearArchivoVacio(const std::string& ruta);
    virtual bool RutaCorta(const std::string& ruta, std::string& corta);
    // The value of a key of "odbc.ini" (platform/perfil.h).
    virtual std::string LeerPerfilOdbc(const std::string& seccion, const std::string& clave,
                                       const std::string& porDefecto);
};

// Holds the busy cursor for the lifetime of the object.
class CursorEsperaActivo {
public:
    explicit CursorEsperaActivo(Interfaz& i) : interfaz_(i) { interfaz_.CursorEspera(true); }
    ~CursorEsperaActivo() { interfaz_.CursorEspera(false); }
    CursorEsperaActivo(const CursorEsperaActivo&) = delete;
    CursorEsperaActivo& operator=(const CursorEsperaActivo&) = delete;

private:
    Interfaz& interfaz_;
};

} // namespace plataforma
