#include "app/brenmoor.h"

#include "app/dialogos.h"
#include "app/servicios.h"
#include "resources/cadenas.h"
#include "resources/dialogos.h"

using namespace recursos;

bool CBrenmoorApp::InitInstance(plataforma::Interfaz& interfaz) {
    CBrenmoorDlg dlg(interfaz);
    interfaz.Modal(dlg);
    return false;
}

CBrenmoorDlg::CBrenmoorDlg(plataforma::Interfaz& interfaz)
    : CDialogo(IDD_BRENMOOR_DIALOG), m_hIcon(IDR_MAINFRAME), m_btnWeb(IDC_WEB),
      m_interfaz(interfaz) {}

void CBrenmoorDlg::OnInitDialog(plataforma::VentanaDialogo& ventana) {
    m_btnWeb.LoadBitmaps(ventana);
}

bool CBrenmoorDlg::OnComando(int id, plataforma::VentanaDialogo&) {
    switch (id) {
    case IDC_IMPORTAR:
        OnBnClickedImportar();
        return true;
    case IDC_CARGAR:
        OnBnClickedCargar();
        return true;
    case IDC_WEB:
    case IDC_VIDEOTUTORIAL:
        OnBnClickedVideotutorial();
        return true;
    case IDC_LOGO:
        OnStnClickedLogo();
        return true;
    case ID_HELP:
        OnHelp();
        return true;
    default:
        return false;
    }
}

bool CBrenmoorDlg::OnSysCommand(unsigned id) {
    if ((id & 0xFFF0) != IDM_ABOUTBOX) return false;
    CAboutDlg about;
    m_interfaz.Modal(about);
    return true;
}

void CBrenmoorDlg::OnStnClickedLogo() {
    CAboutDlg about;
    m_interfaz.Modal(about);
}

void CBrenmoorDlg::OnBnClickedVideotutorial() {
    plataforma::CursorEsperaActivo espera(m_interfaz);
    AbrirDocumento(m_interfaz, kPaginaVideotutorial);
}

void CBrenmoorDlg::OnHelp() {
    plataforma::CursorEsperaActivo espera(m_interfaz);
    AbrirDocumento(m_interfaz, kPaginaInicio);
}

void AnadirElementoAcercaDe(std::vector<ElementoMenu>& menu) {
    const std::string texto = Cadena(IDS_ABOUTBOX);
    if (texto.empty()) return;
    menu.push_back({0, ""});
    menu.push_back({IDM_ABOUTBOX, texto});
}

PuntoIcono PosicionIconoMinimizado(int ancho, int alto, int anchoIcono, int altoIcono) {
    return {(ancho - anchoIcono + 1) / 2, (alto - altoIcono + 1) / 2};
}
