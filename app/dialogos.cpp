#include "app/dialogos.h"

#include "app/servicios.h"
#include "resources/dialogos.h"

using namespace recursos;

CAboutDlg::CAboutDlg() : CDialogo(IDD_ABOUTBOX) {}

bool CDialogoConAyuda::OnComando(int id, plataforma::VentanaDialogo&) {
    if (id != ID_HELP) return false;
    AbrirDocumento(m_interfaz, kPaginaInicio);
    return true;
}

void CDialogoConAyuda::OnInitDialog(plataforma::VentanaDialogo& ventana) {
    ventana.FijarRango(IDC_SPIN, kCursoMinimo, kCursoMaximo);
}

CImportar::CImportar(plataforma::Interfaz& interfaz) : CDialogoConAyuda(IDD_IMPORTAR, interfaz) {}

void CImportar::DoDataExchange(plataforma::IntercambioDatos& dx) {
    dx.Texto(IDC_RUTA, m_strRuta);
    dx.MaximoCaracteres(m_strRuta, kMaximoRuta);
    dx.Entero(IDC_CURSO, m_nCurso);
    dx.EnteroEntre(m_nCurso, kCursoMinimo, kCursoMaximo);
}

CExportar::CExportar(plataforma::Interfaz& interfaz) : CDialogoConAyuda(IDD_EXPORTAR, interfaz) {}

void CExportar::DoDataExchange(plataforma::IntercambioDatos& dx) {
    dx.Entero(IDC_CURSO, m_nCurso);
    dx.EnteroEntre(m_nCurso, kCursoMinimo, kCursoMaximo);
    dx.Texto(IDC_RUTA, m_strRuta);
    dx.MaximoCaracteres(m_strRuta, kMaximoRuta);
    dx.Casilla(IDC_BORRAR, m_bBorrar);
    dx.Texto(IDC_HORARIO, m_strHorario);
}
