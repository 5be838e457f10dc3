#include "platform/ui/ui.h"

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include <wx/app.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include "platform/text.h"
#include "resources/dialogos.h"
#include "resources/imagenes.h"

namespace plataforma::ui {

namespace {

using recursos::TipoControl;

// Texts cross from Windows-1252 to UTF-8 here and nowhere else.
wxString APantalla(const std::string& ansi) {
    std::string texto;
    texto.reserve(ansi.size());
    for (char c : ansi)
        if (c != '\r') texto += c; // "\r\n" of the system's texts: one line break
    return wxString::FromUTF8(AnsiAUtf8(texto));
}

std::string DePantalla(const wxString& texto) {
    return Utf8AAnsi(std::string(texto.utf8_str()));
}

constexpr const char* kTituloAplicacion = "Brenmoor";

wxBitmap Imagen(int id) {
    const char* const* xpm = recursos::ImagenXpm(id);
    if (xpm == nullptr) return wxBitmap();
    return wxBitmap(xpm);
}

// `texto` with line breaks so that each line fits `ancho` pixels in the window's font.
wxString Ajustar(wxWindow* ventana, const wxString& texto, int ancho) {
    wxClientDC dc(ventana);
    dc.SetFont(ventana->GetFont());
    wxString resultado, linea;
    for (const wxString& palabra : wxSplit(texto, ' ', '\0')) {
        const wxString prueba = linea.empty() ? palabra : linea + " " + palabra;
        if (!linea.empty() && dc.GetTextExtent(prueba).GetWidth() > ancho) {
            resultado += linea + "\n";
            linea = palabra;
        } else {
            linea = prueba;
        }
    }
    return resultado + linea;
}

class InterfazPantalla;

// Up-down arrows at the small size the templates give them (GTK's own spin buttons are wider
// than the place): a click on the upper half steps up, on the lower half down.
class Flechas : public wxControl {
public:
    Flechas(wxWindow* padre, wxWindowID id, const wxPoint& lugar, const wxSize& tamano,
            std::function<void(int)> paso)
        : wxControl(padre, id, lugar, tamano, wxBORDER_NONE), paso_(std::move(paso)) {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) { Pintar(); });
        Bind(wxEVT_LEFT_DOWN,
             [this](wxMouseEvent& e) { paso_(e.GetY() < GetClientSize().y / 2 ? 1 : -1); });
    }

private:
    void Pintar() {
        wxPaintDC dc(this);
        const wxSize t = GetClientSize();
        const int mitad = t.y / 2;
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
        dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
        dc.DrawRectangle(0, 0, t.x, mitad);
        dc.DrawRectangle(0, mitad, t.x, t.y - mitad);
        const wxColour texto = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
        dc.SetPen(wxPen(texto));
        dc.SetBrush(wxBrush(texto));
        const int cx = t.x / 2, a = std::max(2, std::min(t.x, mitad) / 4);
        const wxPoint arriba[] = {
            {cx - a, mitad / 2 + a / 2}, {cx + a, mitad / 2 + a / 2}, {cx, mitad / 2 - a / 2}};
        const int centroAbajo = mitad + (t.y - mitad) / 2;
        const wxPoint abajo[] = {{cx - a, centroAbajo - a / 2},
                                 {cx + a, centroAbajo - a / 2},
                                 {cx, centroAbajo + a / 2}};
        dc.DrawPolygon(3, arriba);
        dc.DrawPolygon(3, abajo);
    }

    std::function<void(int)> paso_;
};

// A modal dialog built from its template.
class DialogoTabla : public wxDialog, public VentanaDialogo {
public:
    DialogoTabla(wxWindow* padre, const recursos::Dialogo& plantilla, CDialogo& dialogo,
                 InterfazPantalla& interfaz);

    int PixelesVerticales(int unidades) const override {
        return const_cast<DialogoTabla*>(this)->ConvertDialogToPixels(wxSize(0, unidades)).y;
    }
    void FijarRango(int control, int minimo, int maximo) override;
    void FijarImagenesBoton(int control, int normal, int pulsado, double escala) override;
    void Terminar(int resultado) override { EndModal(resultado); }

private:
    void Crear(const recursos::Control& c);
    void Comando(int id);
    void Aceptar();
    // One step of the up-down control `control` on the number in its edit, within its range.
    void Flecha(int control, int paso);
    std::map<int, std::string> Textos() const;
    void PonerTextos(const std::map<int, std::string>& textos);

    CDialogo& dialogo_;
    InterfazPantalla& interfaz_;
    std::map<int, wxWindow*> controles_;
    std::map<int, int> companeros_; // up-down control -> its edit
    std::map<int, std::pair<int, int>> rangos_;
    std::map<int, int> idsControl_; // window id -> control id, where they differ
};

class InterfazPantalla : public Interfaz {
public:
    int Modal(CDialogo& dialogo) override {
        const recursos::Dialogo* plantilla = recursos::BuscarDialogo(dialogo.Plantilla());
        if (plantilla == nullptr) return -1;
        DialogoTabla ventana(Padre(), *plantilla, dialogo, *this);
        abiertos_.push_back(&ventana);
        const int resultado = ventana.ShowModal();
        abiertos_.pop_back();
        return resultado;
    }

    Respuesta Mostrar(const std::string& texto, const std::string& titulo, Icono icono,
                      Botones botones) override {
        long estilo = wxCENTRE;
        switch (icono) {
        case Icono::Ninguno:
            estilo |= wxICON_NONE;
            break;
        case Icono::Informacion:
            estilo |= wxICON_INFORMATION;
            break;
        case Icono::Exclamacion:
            estilo |= wxICON_EXCLAMATION;
            break;
        case Icono::Pregunta:
            estilo |= wxICON_QUESTION;
            break;
        case Icono::Error:
            estilo |= wxICON_ERROR;
            break;
        }
        switch (botones) {
        case Botones::Aceptar:
            estilo |= wxOK;
            break;
        case Botones::AceptarCancelar:
            estilo |= wxOK | wxCANCEL;
            break;
        case Botones::SiNo:
            estilo |= wxYES_NO;
            break;
        case Botones::SiNoCancelar:
            estilo |= wxYES_NO | wxCANCEL;
            break;
        }
        wxMessageDialog caja(Padre(), APantalla(texto),
                             APantalla(titulo.empty() ? kTituloAplicacion : titulo), estilo);
        const wxString aceptar = APantalla("Aceptar"), cancelar = APantalla("Cancelar");
        const wxString si = APantalla("S\xED"), no = APantalla("No");
        caja.SetOKLabel(aceptar);
        caja.SetOKCancelLabels(aceptar, cancelar);
        caja.SetYesNoLabels(si, no);
        caja.SetYesNoCancelLabels(si, no, cancelar);
        switch (caja.ShowModal()) {
        case wxID_YES:
            return Respuesta::Si;
        case wxID_NO:
            return Respuesta::No;
        case wxID_CANCEL:
            return Respuesta::Cancelar;
        default:
            return Respuesta::Aceptar;
        }
    }

    ResultadoArchivo DialogoArchivo(const ParametrosArchivo& p) override {
        InicioDialogoArchivo inicio;
        if (!InicioDeDialogoArchivo(p.nombreInicial, inicio)) {
            ResultadoArchivo r;
            r.errorExtendido = kErrorNombreArchivoNoValido;
            return r;
        }
        const long estilo = p.abrir ? wxFD_OPEN : wxFD_SAVE;
        wxFileDialog dialogo(Padre(), APantalla(p.abrir ? "Abrir" : "Guardar como"),
                             APantalla(inicio.carpeta), APantalla(inicio.archivo),
                             APantalla(FiltroDeDialogo(p.filtro)), estilo);
        if (dialogo.ShowModal() != wxID_OK) return {};
        // GTK does not add the default extension itself.
        return ArchivoElegido(DePantalla(dialogo.GetPath()), p.extensionPorDefecto);
    }

    void CursorEspera(bool activo) override {
        if (activo)
            wxBeginBusyCursor();
        else
            wxEndBusyCursor();
    }

    void AbrirDireccion(const std::string& direccion) override {
        wxLogNull sinMensajes; // a failure is not reported
        wxLaunchDefaultBrowser(APantalla(direccion));
    }

private:
    wxWindow* Padre() const { return abiertos_.empty() ? nullptr : abiertos_.back(); }

    std::vector<wxWindow*> abiertos_;
};

DialogoTabla::DialogoTabla(wxWindow* padre, const recursos::Dialogo& plantilla, CDialogo& dialogo,
                           InterfazPantalla& interfaz)
    : wxDialog(padre, wxID_ANY, APantalla(plantilla.titulo)), dialogo_(dialogo),
      interfaz_(interfaz) {
    int derecha = 0, abajo = 0;
    int anterior = 0;
    for (const recursos::Control& c : plantilla.controles) {
        if (c.tipo == TipoControl::Flechas) companeros_[c.id] = anterior;
        Crear(c);
        if (c.id > 0) anterior = c.id;
        derecha = std::max(derecha, c.x + c.ancho);
        abajo = std::max(abajo, c.y + c.alto);
    }
    SetClientSize(ConvertDialogToPixels(wxSize(derecha + 7, abajo + 7)));
    SetIcon(wxIcon(recursos::ImagenXpm(recursos::IDR_MAINFRAME)));
    if (controles_.count(recursos::IDOK)) SetAffirmativeId(recursos::IDOK);
    if (controles_.count(recursos::IDCANCEL)) SetEscapeId(recursos::IDCANCEL);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) {
        const auto it = idsControl_.find(e.GetId());
        Comando(it != idsControl_.end() ? it->second : e.GetId());
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndModal(recursos::IDCANCEL); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_F1)
            dialogo_.OnComando(recursos::ID_HELP, *this);
        else
            e.Skip();
    });

    PonerTextos(TextosIniciales(dialogo_));
    dialogo_.OnInitDialog(*this);
    Centre();
}

void DialogoTabla::Crear(const recursos::Control& c) {
    const wxPoint lugar = ConvertDialogToPixels(wxPoint(c.x, c.y));
    const wxSize tamano = ConvertDialogToPixels(wxSize(c.ancho, c.alto));
    // wx takes window ids below 32767 only; a larger control id gets one from the free range
    // above the template's ids, and events are reported with the control id.
    wxWindowID id = c.id > 0 ? c.id : wxID_ANY;
    if (id > 30000) {
        id = 30000 + static_cast<int>(idsControl_.size());
        idsControl_[id] = c.id;
    }
    const wxString texto = c.texto != nullptr ? APantalla(c.texto) : wxString();
    wxWindow* w = nullptr;
    switch (c.tipo) {
    case TipoControl::Texto: {
        auto* t = new wxStaticText(this, id, texto, lugar, tamano, wxST_NO_AUTORESIZE);
        t->Wrap(tamano.GetWidth());
        w = t;
        break;
    }
    case TipoControl::Boton:
        w = new wxButton(this, id, wxString(), lugar, tamano);
        static_cast<wxButton*>(w)->SetLabel(Ajustar(this, texto, tamano.GetWidth() - 12));
        break;
    case TipoControl::BotonImagen:
        w = new wxBitmapButton(this, id, Imagen(recursos::IDB_WEB), lugar, tamano);
        w->SetName(texto);
        break;
    case TipoControl::Edicion:
        w = new wxTextCtrl(this, id, wxString(), lugar, tamano);
        break;
    case TipoControl::EdicionMultilinea:
        w = new wxTextCtrl(this, id, wxString(), lugar, tamano, wxTE_MULTILINE | wxTE_READONLY);
        break;
    case TipoControl::Casilla:
        w = new wxCheckBox(this, id, wxString(), lugar, tamano);
        static_cast<wxCheckBox*>(w)->SetLabel(Ajustar(this, texto, tamano.GetWidth() - 24));
        break;
    case TipoControl::Flechas: {
        // Inside the right end of its edit, which gives up that width, as on Windows.
        wxPoint sitio = lugar;
        wxSize medida = tamano;
        if (auto it = controles_.find(companeros_[c.id]); it != controles_.end()) {
            auto* edit = it->second;
            const wxRect r = edit->GetRect();
            edit->SetSize(r.width - tamano.x, r.height);
            sitio = {r.x + r.width - tamano.x, r.y};
            medida.y = r.height;
            edit->Bind(wxEVT_KEY_DOWN, [this, cid = c.id](wxKeyEvent& e) {
                if (e.GetKeyCode() == WXK_UP)
                    Flecha(cid, 1);
                else if (e.GetKeyCode() == WXK_DOWN)
                    Flecha(cid, -1);
                else
                    e.Skip();
            });
        }
        w = new Flechas(this, id, sitio, medida,
                        [this, cid = c.id](int paso) { Flecha(cid, paso); });
        break;
    }
    case TipoControl::Imagen:
    case TipoControl::Icono: {
        auto* b = new wxStaticBitmap(this, id, Imagen(c.imagen), lugar);
        if (c.id > 0) b->Bind(wxEVT_LEFT_UP, [this, cid = c.id](wxMouseEvent&) { Comando(cid); });
        w = b;
        break;
    }
    }
    if (w != nullptr && c.id > 0) controles_[c.id] = w;
}

void DialogoTabla::Flecha(int control, int paso) {
    auto it = controles_.find(companeros_[control]);
    if (it == controles_.end()) return;
    auto* edit = static_cast<wxTextCtrl*>(it->second);
    long valor = LeerEntero(DePantalla(edit->GetValue()).c_str());
    valor += paso;
    if (auto r = rangos_.find(control); r != rangos_.end())
        valor = std::clamp<long>(valor, r->second.first, r->second.second);
    edit->SetValue(wxString::Format("%ld", valor));
}

void DialogoTabla::FijarRango(int control, int minimo, int maximo) {
    rangos_[control] = {minimo, maximo};
}

void DialogoTabla::FijarImagenesBoton(int control, int normal, int pulsado, double escala) {
    auto it = controles_.find(control);
    if (it == controles_.end()) return;
    auto escalada = [escala](int id) {
        wxBitmap b = Imagen(id);
        if (!b.IsOk() || escala == 1.0) return b;
        wxImage img = b.ConvertToImage();
        img.Rescale(static_cast<int>(img.GetWidth() * escala),
                    static_cast<int>(img.GetHeight() * escala), wxIMAGE_QUALITY_HIGH);
        return wxBitmap(img);
    };
    auto* boton = static_cast<wxBitmapButton*>(it->second);
    boton->SetBitmapLabel(escalada(normal));
    boton->SetBitmapPressed(escalada(pulsado));
}

void DialogoTabla::Comando(int id) {
    if (id == recursos::IDOK) {
        Aceptar();
    } else if (id == recursos::IDCANCEL) {
        EndModal(recursos::IDCANCEL);
    } else {
        dialogo_.OnComando(id, *this);
    }
}

void DialogoTabla::Aceptar() {
    std::map<int, std::string> textos = Textos();
    std::string aviso;
    int control = 0;
    if (ValidarDialogo(dialogo_, textos, aviso, control)) {
        EndModal(recursos::IDOK);
        return;
    }
    interfaz_.Mostrar(aviso, "", Icono::Exclamacion, Botones::Aceptar);
    if (auto it = controles_.find(control); it != controles_.end()) {
        it->second->SetFocus();
        if (auto* edit = dynamic_cast<wxTextCtrl*>(it->second)) edit->SelectAll();
    }
}

std::map<int, std::string> DialogoTabla::Textos() const {
    std::map<int, std::string> textos;
    for (const auto& [id, w] : controles_) {
        if (auto* edit = dynamic_cast<wxTextCtrl*>(w))
            textos[id] = DePantalla(edit->GetValue());
        else if (auto* casilla = dynamic_cast<wxCheckBox*>(w))
            textos[id] = std::string(1, casilla->GetValue() ? '1' : '0');
    }
    return textos;
}

void DialogoTabla::PonerTextos(const std::map<int, std::string>& textos) {
    for (const auto& [id, texto] : textos) {
        auto it = controles_.find(id);
        if (it == controles_.end()) continue;
        if (auto* edit = dynamic_cast<wxTextCtrl*>(it->second))
            edit->ChangeValue(APantalla(texto));
        else if (auto* casilla = dynamic_cast<wxCheckBox*>(it->second))
            casilla->SetValue(texto == "1");
    }
}

class AplicacionBrenmoor : public wxApp {
public:
    bool OnInit() override { return true; }
};

} // namespace

int Ejecutar(int argc, char** argv, const std::function<void(Interfaz&)>& programa) {
    wxApp::SetInstance(new AplicacionBrenmoor);
    if (!wxEntryStart(argc, argv)) return 1;
    // wx's own texts in Spanish, without touching the process locale.
    auto* traducciones = new wxTranslations;
    traducciones->SetLanguage(wxLANGUAGE_SPANISH);
    traducciones->AddStdCatalog();
    wxTranslations::Set(traducciones);
    wxInitAllImageHandlers();
    if (!wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        return 1;
    }
    {
        InterfazPantalla interfaz;
        AvisosInstalados avisos(interfaz);
        programa(interfaz);
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}

} // namespace plataforma::ui
