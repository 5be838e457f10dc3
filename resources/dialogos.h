// The program's dialogs: every control with its id, kind, text and place in dialog units.
// Texts are Windows-1252 bytes.
#pragma once

#include <cstddef>
#include <span>

namespace recursos {

// Dialog templates.
enum IdDialogo : int {
    IDD_ABOUTBOX = 100,
    IDD_BRENMOOR_DIALOG = 102,
    IDD_IMPORTAR = 134,
    IDD_EXPORTAR = 135,
};

// Icon and bitmaps.
enum IdImagen : int {
    IDR_MAINFRAME = 128,
    IDB_IMPORTAR = 132,
    IDB_EXPORTAR = 133,
    IDB_WEB = 135,
    IDB_WEB_PULSADO = 136,
};

// Controls and commands.
enum IdControl : int {
    IDC_STATIC = -1,
    IDOK = 1,
    IDCANCEL = 2,
    IDC_IMPORTAR = 1000,
    IDC_CARGAR = 1001,
    IDC_RUTA = 1002,
    IDC_CURSO = 1003,
    IDC_SPIN = 1006,
    IDC_WEB = 1007,
    IDC_BORRAR = 1008,
    IDC_VIDEOTUTORIAL = 1009,
    IDC_LOGO = 1010,
    IDC_HORARIO = 1012,
    ID_HELP = 57670,
};

enum class TipoControl {
    Texto,       // static text
    Boton,       // push button
    BotonImagen, // push button drawn with pictures
    Edicion,     // single-line edit
    EdicionMultilinea,
    Casilla, // check box
    Flechas, // up-down arrows, buddy of the edit before it
    Imagen,  // static bitmap
    Icono,   // static icon; a control with an id of its own reports clicks
};

struct Control {
    int id;
    TipoControl tipo;
    const char* texto; // the text; for pictures and icons, unused
    int imagen;        // bitmap or icon id, 0 for none
    int x, y, ancho, alto;
};

struct Dialogo {
    int id;
    const char* titulo;
    std::span<const Control> controles;
};

// The dialog template `id`, or null for an id the program does not have.
const Dialogo* BuscarDialogo(int id);

// The caption of the web button: the name of the program's web site.
inline constexpr const char* kNombreSitioWeb = "brenmoor.example";
// The web site and the page of video tutorials on it.
inline constexpr const char* kPaginaInicio = "https://brenmoor.example";
inline constexpr const char* kPaginaVideotutorial =
    "https://brenmoor.example/es/ES/videotutoriales/v7";

} // namespace recursos
