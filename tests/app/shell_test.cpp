// The shell's logic without a display: dialog validation, the picture button's scale, the
// about box's triggers, the log viewer, the help links and the resource texts.
#include <gtest/gtest.h>

#include <cstring>

#include "app/boton_imagen.h"
#include "app/brenmoor.h"
#include "app/dialogos.h"
#include "app/servicios.h"
#include "guion.h"
#include "resources/cadenas.h"
#include "resources/dialogos.h"
#include "resources/imagenes.h"
#include "tests/common/carpeta.h"
#include "tests/common/entorno.h"

namespace {

using namespace recursos;
using plataforma::Icono;
using prueba::InterfazGuionada;

// The prompt shown when the controls hold `cambios` and the user presses OK; "" when accepted.
std::string Aviso(plataforma::CDialogo& d, std::map<int, std::string> cambios) {
    InterfazGuionada ui;
    ui.pasos = {{plataforma::kIdOk, std::move(cambios)}};
    ui.Modal(d);
    return ui.dialogos.back().aviso;
}

TEST(Dialogos, YearAndPathBoundsOfBothDialogs) {
    InterfazGuionada ui;
    CImportar importar(ui);
    importar.m_strRuta = "c:\\roziva\\datos";
    importar.m_nCurso = 2024;
    CExportar exportar(ui);
    exportar.m_nCurso = 2025;
    exportar.m_strRuta = "C:\\RozIva\\Datos\\Horarios";
    const std::string fueraDeRango = "Escriba un n\xFAmero entero entre 1970 y 2250.";
    for (plataforma::CDialogo* d : {static_cast<plataforma::CDialogo*>(&importar),
                                    static_cast<plataforma::CDialogo*>(&exportar)}) {
        EXPECT_EQ(Aviso(*d, {{IDC_CURSO, "1969"}}), fueraDeRango);
        EXPECT_EQ(Aviso(*d, {{IDC_CURSO, "2251"}}), fueraDeRango);
        EXPECT_EQ(Aviso(*d, {{IDC_CURSO, "1970"}}), "");
        EXPECT_EQ(Aviso(*d, {{IDC_CURSO, " 2250 "}}), "");
        EXPECT_EQ(Aviso(*d, {{IDC_CURSO, "20x5"}}), "Escriba un n\xFAmero entero.");
        EXPECT_EQ(Aviso(*d, {{IDC_CURSO, ""}}), "Escriba un n\xFAmero entero.");
    }
    EXPECT_EQ(Aviso(importar, {{IDC_RUTA, std::string(261, 'a')}}),
              "Escriba como m\xE1ximo 260 caracteres.");
    EXPECT_EQ(Aviso(importar, {{IDC_RUTA, std::string(260, 'a')}}), "");
    EXPECT_EQ(Aviso(exportar, {{IDC_RUTA, std::string(257, 'a')}}),
              "Escriba como m\xE1ximo 256 caracteres.");
    EXPECT_EQ(Aviso(exportar, {{IDC_RUTA, std::string(256, 'a')}}), "");

    // Accepted values reach the members; the check box both ways.
    std::map<int, std::string> textos = plataforma::TextosIniciales(exportar);
    EXPECT_EQ(textos[IDC_BORRAR], "0");
    textos[IDC_CURSO] = "2030";
    textos[IDC_BORRAR] = "1";
    std::string aviso;
    int control = 0;
    ASSERT_TRUE(plataforma::ValidarDialogo(exportar, textos, aviso, control));
    EXPECT_EQ(exportar.m_nCurso, 2030);
    EXPECT_EQ(exportar.m_bBorrar, 1);

    // A refused value names its control, so the dialog can focus it.
    textos[IDC_CURSO] = "1969";
    EXPECT_FALSE(plataforma::ValidarDialogo(exportar, textos, aviso, control));
    EXPECT_EQ(control, IDC_CURSO);
}

// A dialog on a display where ten vertical dialog units are `pixeles` pixels.
class VentanaFalsa : public plataforma::VentanaDialogo {
public:
    explicit VentanaFalsa(int pixeles) : pixeles_(pixeles) {}
    int PixelesVerticales(int unidades) const override { return pixeles_ * unidades / 10; }
    void FijarRango(int control, int minimo, int maximo) override {
        rangos.push_back({control, minimo, maximo});
    }
    void FijarImagenesBoton(int control, int normal, int pulsado, double e) override {
        imagenes.push_back({control, normal, pulsado});
        escala = e;
    }
    void Terminar(int) override {}

    std::vector<std::array<int, 3>> rangos, imagenes;
    double escala = 0;

private:
    int pixeles_;
};

TEST(BotonImagen, ScaleComputedOnceAndPicturesStretchedOnlyFromTheThreshold) {
    VentanaFalsa normal(20);
    CMBitmapButton a(IDC_WEB);
    EXPECT_TRUE(a.LoadBitmaps(normal));
    EXPECT_NEAR(a.m_dEscala, 1.136, 0.001);
    EXPECT_EQ(normal.escala, 1.0); // below 1.2: drawn as they are
    ASSERT_EQ(normal.imagenes.size(), 1u);
    EXPECT_EQ(normal.imagenes[0], (std::array<int, 3>{IDC_WEB, IDB_WEB, IDB_WEB_PULSADO}));
    EXPECT_FALSE(a.LoadBitmaps(normal)); // nothing to reload
    EXPECT_EQ(normal.imagenes.size(), 1u);

    VentanaFalsa grande(30);
    CMBitmapButton b(IDC_WEB);
    EXPECT_TRUE(b.LoadBitmaps(grande));
    EXPECT_NEAR(b.m_dEscala, 1.705, 0.001);
    EXPECT_DOUBLE_EQ(grande.escala, b.m_dEscala);
    const TamanoImagen t = CrearBitmapAjustado({62, 13}, b.m_dEscala);
    EXPECT_EQ(t.ancho, 105);
    EXPECT_EQ(t.alto, 22);
    // The scale stays the one first computed, whatever the dialog says later.
    VentanaFalsa otra(40);
    b.m_nIdBitmap[0] = 0;
    EXPECT_TRUE(b.LoadBitmaps(otra));
    EXPECT_NEAR(b.m_dEscala, 1.705, 0.001);
}

TEST(DialogoPrincipal, AboutBoxHelpLinksAndWindowMenu) {
    InterfazGuionada ui;
    CBrenmoorDlg dlg(ui);
    VentanaFalsa v(20);
    EXPECT_TRUE(dlg.OnSysCommand(0x10));
    EXPECT_TRUE(dlg.OnSysCommand(0x1F));
    EXPECT_FALSE(dlg.OnSysCommand(0xF060));
    EXPECT_TRUE(dlg.OnComando(IDC_LOGO, v));
    EXPECT_EQ(ui.eventos, (std::vector<std::string>{"dialogo 100", "dialogo 100", "dialogo 100"}));

    ui.eventos.clear();
    dlg.OnComando(IDC_WEB, v);
    dlg.OnComando(IDC_VIDEOTUTORIAL, v);
    dlg.OnComando(ID_HELP, v);
    CImportar importar(ui);
    EXPECT_TRUE(importar.OnComando(ID_HELP, v));
    EXPECT_FALSE(importar.OnComando(IDC_CURSO, v));
    const std::string video = "https://brenmoor.example/es/ES/videotutoriales/v7";
    EXPECT_EQ(ui.direcciones, (std::vector<std::string>{video, video, "https://brenmoor.example",
                                                        "https://brenmoor.example"}));
    EXPECT_EQ(ui.esperas, 3); // the wait cursor while the main dialog opens a page

    // Both flow dialogs get the year's range when they open.
    importar.OnInitDialog(v);
    EXPECT_EQ(v.rangos, (std::vector<std::array<int, 3>>{{IDC_SPIN, 1970, 2250}}));

    std::vector<ElementoMenu> menu;
    AnadirElementoAcercaDe(menu);
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].id, 0u);
    EXPECT_EQ(menu[1].id, IDM_ABOUTBOX);
    EXPECT_EQ(menu[1].texto, "&Acerca de Brenmoor...");
    const PuntoIcono p = PosicionIconoMinimizado(101, 80, 32, 32);
    EXPECT_EQ(p.x, 35);
    EXPECT_EQ(p.y, 24);
    EXPECT_EQ(dlg.OnQueryDragIcon(), IDR_MAINFRAME);
}

TEST(Servicios, LogViewerAndStartFailure) {
    prueba::CarpetaAislada carpeta;
    prueba::Entorno entorno;
    entorno.Fijar("PATH", carpeta.Ruta());
    InterfazGuionada ui;
    MostrarLog(ui); // no viewer: nothing at all
    EXPECT_TRUE(ui.eventos.empty());

    const std::string visor = carpeta.Escribir("xdg-open", "#!/bin/sh\n", true);
    MostrarLog(ui);
    EXPECT_EQ(ui.iniciados, (std::vector<std::vector<std::string>>{{visor, "logexp.txt"}}));
    EXPECT_TRUE(ui.mensajes.empty());

    ui.fallarInicioCon = 0x2000000D;
    MostrarLog(ui);
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_EQ(ui.mensajes[0].texto,
              "Error 2000000d: alg\xFAn elemento de seguridad impide crear un nuevo proceso.");
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Ninguno);
}

TEST(Recursos, ExactTextsAndEveryDialogComplete) {
    EXPECT_EQ(std::strlen(Cadena(IDS_SIN_NOMBRE)), 14u);
    EXPECT_STREQ(Cadena(IDS_SIN_NOMBRE), "       __     ");
    EXPECT_EQ(std::string(Cadena(IDS_EXTENSION_XML)),
              "El archivo de s\xF3lo puede tener extensi\xF3n .xml");
    EXPECT_EQ(std::string(Cadena(IDS_NO_EXISTE_CARPETA)), "No existe la carpeta seleccionada");
    EXPECT_EQ(std::string(Cadena(IDS_MEDIODIA)), "mediod\xED"
                                                 "a");
    EXPECT_STREQ(Cadena(999), "");

    for (int id : {IDD_ABOUTBOX, IDD_BRENMOOR_DIALOG, IDD_IMPORTAR, IDD_EXPORTAR}) {
        const Dialogo* d = BuscarDialogo(id);
        ASSERT_NE(d, nullptr) << id;
        for (const Control& c : d->controles) {
            if (c.tipo == TipoControl::Imagen || c.tipo == TipoControl::Icono) {
                EXPECT_NE(ImagenXpm(c.imagen), nullptr) << id;
            }
        }
    }
    EXPECT_EQ(BuscarDialogo(101), nullptr);
    const Dialogo* principal = BuscarDialogo(IDD_BRENMOOR_DIALOG);
    EXPECT_STREQ(principal->titulo, "Brenmoor");
    int botones = 0;
    for (const Control& c : principal->controles)
        botones += c.tipo == TipoControl::Boton || c.tipo == TipoControl::BotonImagen;
    EXPECT_EQ(botones, 5);
    EXPECT_NE(ImagenXpm(IDB_WEB_PULSADO), nullptr);
}

} // namespace
