// The picture button of the main dialog: its pictures are scaled to the screen when the
// dialog's units are large enough to make them look small.
#pragma once

#include "platform/dialogo.h"

class CMBitmapButton {
public:
    explicit CMBitmapButton(int control) : m_nControl(control) {}

    // Bitmap ids now loaded as the normal, pressed, focus and disabled pictures; 0 = none.
    int m_nIdBitmap[4] = {0, 0, 0, 0};
    // Scale of the pictures; 0.0 until the first load computes it from the dialog's units.
    double m_dEscala = 0.0;

    // Loads the pictures into the button of dialog `dialogo`. True when any picture was
    // (re)loaded; a later call with the same pictures loads nothing.
    bool LoadBitmaps(plataforma::VentanaDialogo& dialogo);

    // The scale for a dialog in which ten vertical dialog units are `pixeles` pixels.
    static double EscalaDe(int pixeles) { return pixeles * 0.0625 / 1.1; }
    // Pictures are stretched only from this scale on.
    static constexpr double kEscalaMinima = 1.2;

private:
    bool CargarBitmap(int indice, int idBitmap);

    int m_nControl;
};

struct TamanoImagen {
    int ancho;
    int alto;
};
// The size of a picture of `original` size scaled by `escala`, each side cut toward zero.
TamanoImagen CrearBitmapAjustado(TamanoImagen original, double escala);
