// The application and its main dialog, with the two flows behind its buttons.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/boton_imagen.h"
#include "iesfiles/fichero_horario.h"
#include "model/datos.h"
#include "platform/interfaz.h"

class CBrenmoorApp {
public:
    // Shows the main dialog until it closes. Returns false: the program then ends.
    bool InitInstance(plataforma::Interfaz& interfaz);
};

class CBrenmoorDlg : public plataforma::CDialogo {
public:
    explicit CBrenmoorDlg(plataforma::Interfaz& interfaz);

    void OnInitDialog(plataforma::VentanaDialogo& ventana) override;
    bool OnComando(int id, plataforma::VentanaDialogo& ventana) override;

    // The window menu's command `id`: the about item shows the about box (true); any other
    // command is left to the default handling (false).
    bool OnSysCommand(unsigned id);
    // The icon shown while the window is minimised or dragged.
    int OnQueryDragIcon() const { return m_hIcon; }
    void OnBnClickedVideotutorial();
    void OnStnClickedLogo();
    void OnHelp();

    // Import flow: management system -> data file -> model -> exchange document.
    void OnBnClickedImportar();
    void GuardarXml(CDatos& datos);
    int EscribirXml(CDatos& datos, const std::string& ruta, bool mensaje, int periodo);

    // Load flow: solved document -> model -> timetable file -> management system.
    void OnBnClickedCargar();
    int LeerHorarioXml(std::string& ruta, CDatos& datos);
    int SeleccionarHorarioXml(std::string& ruta);
    int ParsearXml(const std::string& ruta, CDatos& datos);
    void TransferirHorario(CDatos& datos, const std::string& ruta);
    int ExportarAIes(const std::string& rutaFichero, CDatos& datos, const std::string& ruta);
    int EscribirFicheroIes(const char* ruta, std::string& textoError, const CDatos& datos) {
        return m_escritor.EscribirFicheroIes(ruta, textoError, datos);
    }

    // The user's documents folder followed by `nombre`; the folder alone when the joined path
    // would pass 260 characters, or when `nombre` is null.
    std::string ObtenerRutaMisDocumentos(const char* nombre);
    // The short form of `ruta` into `corta` (1); on failure the system's text is shown (0).
    int ObtenerRutaCorta(const std::string& ruta, std::string& corta);

    // A model of `modo` prepared as both flows use it, and its destruction.
    static std::unique_ptr<CDatos> CrearDatos(int modo);
    static void BorrarDatos(std::unique_ptr<CDatos>& datos);
    // Models created and not yet destroyed.
    static int ModelosVivos();

    int m_hIcon;
    CMBitmapButton m_btnWeb;
    // The timetable file writer, with its two switches.
    CEscritorHorarioIes m_escritor;

private:
    plataforma::Interfaz& m_interfaz;
};

// What the window menu of the main dialog gets: a separator and the about item, when the
// about item has a text.
struct ElementoMenu {
    unsigned id; // 0: separator
    std::string texto;
};
void AnadirElementoAcercaDe(std::vector<ElementoMenu>& menu);
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Where the icon is drawn in a minimised window of the given client size.
struct PuntoIcono {
    int x;
    int y;
};
PuntoIcono PosicionIconoMinimizado(int ancho, int alto, int anchoIcono, int altoIcono);
