// Modal dialogs built from a dialog template, with data exchange and validation.
//
// A dialog class names its template and exchanges its members with the controls in
// DoDataExchange, in both directions: when the dialog opens, members go to the controls; when
// the user accepts, the controls' texts come back and are validated. A refused value stops the
// exchange with a prompt; the dialog stays open with that control focused. The exchange works
// on control texts only, so it runs the same on the screen and in tests. Texts are
// Windows-1252.
#pragma once

#include <map>
#include <string>

namespace plataforma {

class IntercambioDatos {
public:
    // Direction: false = members to controls, true = controls to members, with validation.
    IntercambioDatos(std::map<int, std::string>& textos, bool guardarYValidar)
        : textos_(textos), guardar_(guardarYValidar) {}

    bool GuardarYValidar() const { return guardar_; }
    // False once a value was refused; later calls do nothing.
    bool Valido() const { return fallo_.empty(); }
    // The prompt of the refused value and the control to focus.
    const std::string& Aviso() const { return fallo_; }
    int ControlFallido() const { return controlFallido_; }

    void Texto(int control, std::string& valor);
    // An integer edit: optional blanks and sign, then digits, nothing else.
    void Entero(int control, int& valor);
    // A check box: its text is "1" when checked, "0" when not.
    void Casilla(int control, int& valor);
    // Validation of the value just exchanged (only when saving).
    void MaximoCaracteres(const std::string& valor, int maximo);
    void EnteroEntre(int valor, int minimo, int maximo);

private:
    void Refusar(std::string aviso);

    std::map<int, std::string>& textos_;
    bool guardar_;
    int ultimoControl_ = 0;
    int controlFallido_ = 0;
    std::string fallo_;
};

// The live dialog on the screen, as the dialog's own code sees it while it is open.
class VentanaDialogo {
public:
    virtual ~VentanaDialogo() = default;
    // Pixels of a rectangle given in this dialog's units.
    virtual int PixelesVerticales(int unidades) const = 0;
    // Range of an up-down control.
    virtual void FijarRango(int control, int minimo, int maximo) = 0;
    // Pictures of a picture button: normal and pressed, each a bitmap id scaled by `escala`
    // (1.0: as drawn).
    virtual void FijarImagenesBoton(int control, int normal, int pulsado, double escala) = 0;
    // Ends the dialog with `resultado`.
    virtual void Terminar(int resultado) = 0;
};

class CDialogo {
public:
    explicit CDialogo(int plantilla) : plantilla_(plantilla) {}
    virtual ~CDialogo() = default;
    int Plantilla() const { return plantilla_; }

    virtual void DoDataExchange(IntercambioDatos&) {}
    // After the controls received the members' values.
    virtual void OnInitDialog(VentanaDialogo&) {}
    // A button other than OK and Cancel, or a click on a control that reports clicks. True
    // when the dialog handled it.
    virtual bool OnComando(int /*id*/, VentanaDialogo&) { return false; }

private:
    int plantilla_;
};

// Runs the exchange from the controls' texts. True when every value was accepted.
bool ValidarDialogo(CDialogo& dialogo, std::map<int, std::string>& textos, std::string& aviso,
                    int& control);
// The controls' texts from the members.
std::map<int, std::string> TextosIniciales(CDialogo& dialogo);

} // namespace plataforma
