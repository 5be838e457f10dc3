#include "app/boton_imagen.h"

#include "resources/dialogos.h"

bool CMBitmapButton::CargarBitmap(int indice, int idBitmap) {
    if (m_nIdBitmap[indice] == idBitmap) return false;
    m_nIdBitmap[indice] = idBitmap;
    return true;
}

bool CMBitmapButton::LoadBitmaps(plataforma::VentanaDialogo& dialogo) {
    if (m_dEscala == 0.0) m_dEscala = EscalaDe(dialogo.PixelesVerticales(10));
    bool cambiado = CargarBitmap(0, recursos::IDB_WEB);
    cambiado = CargarBitmap(1, recursos::IDB_WEB_PULSADO) || cambiado;
    cambiado = CargarBitmap(2, 0) || cambiado;
    cambiado = CargarBitmap(3, 0) || cambiado;
    if (cambiado)
        dialogo.FijarImagenesBoton(m_nControl, m_nIdBitmap[0], m_nIdBitmap[1],
                                   m_dEscala >= kEscalaMinima ? m_dEscala : 1.0);
    return cambiado;
}

TamanoImagen CrearBitmapAjustado(TamanoImagen original, double escala) {
    return {static_cast<int>(original.ancho * escala), static_cast<int>(original.alto * escala)};
}
