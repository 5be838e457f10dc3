// The about box and the two dialogs of the flows.
#pragma once

#include <string>

#include "platform/interfaz.h"

class CAboutDlg : public plataforma::CDialogo {
public:
    CAboutDlg();
};

// A dialog whose help button opens the program's web site.
class CDialogoConAyuda : public plataforma::CDialogo {
public:
    CDialogoConAyuda(int plantilla, plataforma::Interfaz& interfaz)
        : CDialogo(plantilla), m_interfaz(interfaz) {}
    bool OnComando(int id, plataforma::VentanaDialogo& ventana) override;
    // Sets the range of the year's up-down arrows.
    void OnInitDialog(plataforma::VentanaDialogo& ventana) override;

    static constexpr int kCursoMinimo = 1970;
    static constexpr int kCursoMaximo = 2250;

private:
    plataforma::Interfaz& m_interfaz;
};

// Import dialog: the school year and the management system's data folder.
class CImportar : public CDialogoConAyuda {
public:
    explicit CImportar(plataforma::Interfaz& interfaz);
    void DoDataExchange(plataforma::IntercambioDatos& dx) override;

    std::string m_strRuta;
    int m_nCurso = 0;

    static constexpr int kMaximoRuta = 260;
};

// Transfer dialog: the school year, the timetable table, whether to delete the year's earlier
// records, and the document to load.
class CExportar : public CDialogoConAyuda {
public:
    explicit CExportar(plataforma::Interfaz& interfaz);
    void DoDataExchange(plataforma::IntercambioDatos& dx) override;

    int m_nCurso = 0;
    std::string m_strRuta;
    int m_bBorrar = 0;
    std::string m_strHorario;

    static constexpr int kMaximoRuta = 256;
};
