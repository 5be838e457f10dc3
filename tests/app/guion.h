// The scripted user interface the program's dialogs and flows run with in tests: dialogs,
// message boxes and file dialogs answer from scripts and are recorded; programs started
// without waiting are recorded, not started; the clock and the folders are fixed by the test.
// Programs run and waited for, files and the profile are the system's own (the tests put a
// stand-in companion program first on PATH and point ODBCINI at a file of their own).
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/interfaz.h"

namespace prueba {

// What the user does in the next modal dialog: types `textos` into its controls, then presses
// `boton` (a refused value shows its prompt and the scripted user gives up with Cancel).
struct PasoDialogo {
    int boton = plataforma::kIdOk;
    std::map<int, std::string> textos;
};

class InterfazGuionada : public plataforma::Interfaz {
public:
    struct DialogoVisto {
        int plantilla;
        std::map<int, std::string> textos; // as the dialog opened
        std::string aviso;                 // the prompt of a refused value
    };
    struct MensajeVisto {
        std::string texto;
        plataforma::Icono icono;
        plataforma::Botones botones;
    };

    int Modal(plataforma::CDialogo& dialogo) override;
    plataforma::Respuesta Mostrar(const std::string& texto, const std::string& titulo,
                                  plataforma::Icono icono, plataforma::Botones botones) override;
    plataforma::ResultadoArchivo
    DialogoArchivo(const plataforma::ParametrosArchivo& parametros) override;
    void CursorEspera(bool activo) override { esperas += activo ? 1 : 0; }
    void AbrirDireccion(const std::string& direccion) override;
    bool IniciarPrograma(const std::vector<std::string>& argumentos) override;
    int AnoActual() override { return ano; }
    std::string CarpetaTemporal() override { return temporal; }
    std::string CarpetaDocumentos() override { return documentos; }

    // Scripts; an empty script cancels dialogs and answers message boxes with their first
    // button.
    std::deque<PasoDialogo> pasos;
    std::deque<plataforma::Respuesta> respuestas;
    std::deque<plataforma::ResultadoArchivo> archivos;
    // A start without waiting fails with this error code when not 0.
    unsigned fallarInicioCon = 0;
    int ano = 2025;
    std::string temporal;
    std::string documentos;

    // What happened.
    std::vector<DialogoVisto> dialogos;
    std::vector<MensajeVisto> mensajes;
    std::vector<plataforma::ParametrosArchivo> dialogosArchivo;
    std::vector<std::string> direcciones;
    std::vector<std::vector<std::string>> iniciados;
    // Every event in order: "dialogo 134", "mensaje <text>", "inicio <program>", ...
    std::vector<std::string> eventos;
    int esperas = 0;
};

// A file dialog's answer: the user chose `ruta`; the extension as the dialog reports it.
plataforma::ResultadoArchivo Elegido(const std::string& ruta);

} // namespace prueba
