#include "resources/dialogos.h"

#include <iterator>

namespace recursos {

namespace {

using T = TipoControl;

constexpr const char* kAyudaRuta =
    "Para IES2000 debe ser c:\\roziva\\datos , pero si est\xE1 en red podr\xED"
    "a ser, por ejemplo, F:\\roziva\\datos";
constexpr const char* kSeleccioneAno = "Seleccione el a\xF1o de inicio";
constexpr const char* kViaAcceso = "V\xED"
                                   "a de acceso a la base de datos:";

constexpr Control kAcercaDe[] = {
    {IDC_STATIC, T::Icono, nullptr, IDR_MAINFRAME, 14, 14, 20, 20},
    {IDC_STATIC, T::Texto, "Brenmoor, versi\xF3n 1.2", 0, 42, 14, 114, 8},
    {IDC_STATIC, T::Texto,
     "Este proceso utiliza archivos para intercambiar datos de configuraci\xF3n y horarios "
     "resueltos, entre la base detos de IES2000 y el generador de horarios KRT.",
     0, 41, 32, 153, 49},
    {IDC_STATIC, T::Texto, kNombreSitioWeb, 0, 42, 86, 114, 8},
    {IDOK, T::Boton, "Aceptar", 0, 144, 99, 50, 14},
};

constexpr Control kPrincipal[] = {
    {IDC_STATIC, T::Imagen, nullptr, IDB_IMPORTAR, 38, 32, 33, 41},
    {IDC_STATIC, T::Imagen, nullptr, IDB_EXPORTAR, 242, 33, 33, 41},
    {IDC_IMPORTAR, T::Boton, "Importar datos de IES2000", 0, 74, 36, 136, 14},
    {IDC_CARGAR, T::Boton, "Cargar un horario en IES2000", 0, 102, 55, 136, 14},
    {IDC_STATIC, T::Texto,
     "Mediante este proceso usted podr\xE1 acceder a la base de datos de IES2000 sin necesidad "
     "de instalar KRT. Con Brenmoor podr\xE1 extraer los datos de configuraci\xF3n, o cargar un "
     "horario resuelto en IES2000.",
     0, 28, 91, 261, 29},
    {IDC_STATIC, T::Texto,
     "El equipo desde el que se use este proceso debe tener acceso a a la base de datos de "
     "IES2000 y adem\xE1s es necesario que sea de 32 bits.",
     0, 28, 123, 261, 22},
    {IDC_STATIC, T::Texto,
     "Puede utilizar este proceso directamente en el mismo servidor de IES2000. El servidor de "
     "IES 2000 siempre es de 32 bits.",
     0, 28, 146, 261, 23},
    {IDC_LOGO, T::Icono, nullptr, IDR_MAINFRAME, 247, 170, 20, 20},
    {IDC_VIDEOTUTORIAL, T::Boton,
     "Para una informaci\xF3n general sobre los procesos de intercambio con KRT puede seguir "
     "este videotutorial.",
     0, 44, 196, 163, 31},
    {IDC_WEB, T::BotonImagen, kNombreSitioWeb, 0, 211, 196, 62, 13},
    {IDOK, T::Boton, "Cerrar", 0, 212, 213, 50, 14},
};

constexpr Control kImportar[] = {
    {IDOK, T::Boton, "Aceptar", 0, 221, 15, 50, 14},
    {IDCANCEL, T::Boton, "Cancelar", 0, 221, 30, 50, 14},
    {ID_HELP, T::Boton, "Ayuda", 0, 221, 46, 50, 14},
    {IDC_STATIC, T::Imagen, nullptr, IDB_IMPORTAR, 167, 19, 33, 41},
    {IDC_STATIC, T::Texto, "Curso:", 0, 30, 36, 21, 8},
    {IDC_CURSO, T::Edicion, "", 0, 55, 33, 40, 14},
    {IDC_SPIN, T::Flechas, nullptr, 0, 80, 32, 11, 14},
    {IDC_STATIC, T::Texto, kSeleccioneAno, 0, 102, 32, 46, 22},
    {IDC_STATIC, T::Texto, kViaAcceso, 0, 30, 64, 118, 8},
    {IDC_RUTA, T::Edicion, "", 0, 30, 74, 241, 14},
    {IDC_STATIC, T::Texto, kAyudaRuta, 0, 30, 88, 241, 21},
    {IDC_STATIC, T::Texto,
     "Se crear\xE1 un archivo XML que podr\xE1 abrir directamente desde el planificador para "
     "crear una nueva configuraci\xF3n con la que generar sus horarios.",
     0, 30, 121, 241, 23},
    {IDC_STATIC, T::Texto,
     "Si ya dispone de una configuraci\xF3n previa, este archivo tambi\xE9n le servir\xE1 para "
     "actualizar los datos previamente cargados en el planificador de KRT; para ello utilice el "
     "comando 'importar' y seleccione ES2000.",
     0, 30, 150, 241, 26},
};

constexpr Control kExportar[] = {
    {IDOK, T::Boton, "Aceptar", 0, 221, 15, 50, 14},
    {IDCANCEL, T::Boton, "Cancelar", 0, 221, 30, 50, 14},
    {ID_HELP, T::Boton, "Ayuda", 0, 221, 46, 50, 14},
    {IDC_STATIC, T::Imagen, nullptr, IDB_EXPORTAR, 167, 19, 33, 41},
    {IDC_STATIC, T::Texto, "Curso:", 0, 30, 48, 21, 8},
    {IDC_CURSO, T::Edicion, "", 0, 54, 45, 40, 14},
    {IDC_SPIN, T::Flechas, nullptr, 0, 78, 45, 11, 14},
    {IDC_STATIC, T::Texto, kSeleccioneAno, 0, 102, 44, 46, 18},
    {IDC_STATIC, T::Texto, kViaAcceso, 0, 30, 69, 123, 8},
    {IDC_RUTA, T::Edicion, "", 0, 30, 79, 241, 14},
    {IDC_STATIC, T::Texto, kAyudaRuta, 0, 30, 93, 241, 21},
    {IDC_BORRAR, T::Casilla, "Borrar previamente los registros del mismo curso si existen", 0, 39,
     118, 123, 26},
    {IDC_STATIC, T::Texto, "Se cargar\xE1 el horario:", 0, 29, 146, 70, 8},
    {IDC_HORARIO, T::EdicionMultilinea, "", 0, 29, 157, 242, 32},
};

constexpr Dialogo kDialogos[] = {
    {IDD_ABOUTBOX, "Acerca de Brenmoor", kAcercaDe},
    {IDD_BRENMOOR_DIALOG, "Brenmoor", kPrincipal},
    {IDD_IMPORTAR, "Importar datos de IES2000", kImportar},
    {IDD_EXPORTAR, "Exportar horario a IES2000", kExportar},
};

} // namespace

const Dialogo* BuscarDialogo(int id) {
    for (const Dialogo& d : kDialogos)
        if (d.id == id) return &d;
    return nullptr;
}

} // namespace recursos
