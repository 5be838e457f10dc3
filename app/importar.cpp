// The import flow: the companion program writes the data file, the model is filled from it and
// written as an exchange document.
#include <cstddef>

#include "app/brenmoor.h"
#include "app/dialogos.h"
#include "app/servicios.h"
#include "iesfiles/lector_ies.h"
#include "platform/sistema.h"
#include "platform/text.h"
#include "resources/cadenas.h"
#include "xmlwriter/exportador.h"

using namespace recursos;
using plataforma::Icono;

namespace {

int modelosVivos = 0;

constexpr const char* kSistema32Bits =
    "\nEste proceso debe hacerse en un sistema de 32 bits. Puede usar el mismo servidor de "
    "IES2000 que necesariamente ser\xE1 de 32 bits, u otra m\xE1quina de 32 bits con acceso al "
    "servidor.";
constexpr std::size_t kMaximoRuta = 260;

} // namespace

std::unique_ptr<CDatos> CBrenmoorDlg::CrearDatos(int modo) {
    auto datos = std::make_unique<CDatos>(modo);
    ++modelosVivos;
    datos->ReiniciarCabecera();
    datos->IniciarMarcos();
    datos->AnadirRegistrosPorDefecto();
    datos->marcos.perfil = 0; // secondary school
    return datos;
}

void CBrenmoorDlg::BorrarDatos(std::unique_ptr<CDatos>& datos) {
    if (datos == nullptr) return;
    datos.reset();
    --modelosVivos;
}

int CBrenmoorDlg::ModelosVivos() {
    return modelosVivos;
}

std::string CBrenmoorDlg::ObtenerRutaMisDocumentos(const char* nombre) {
    std::string carpeta = m_interfaz.CarpetaDocumentos();
    if (carpeta.size() > kMaximoRuta) carpeta.clear();
    if (nombre == nullptr) return carpeta;
    const std::string ruta = plataforma::UnirRuta(carpeta, nombre);
    return ruta.size() <= kMaximoRuta ? ruta : carpeta;
}

int CBrenmoorDlg::ObtenerRutaCorta(const std::string& ruta, std::string& corta) {
    if (m_interfaz.RutaCorta(ruta, corta)) return 1;
    m_interfaz.Mensaje(TextoUltimoError(), Icono::Informacion);
    return 0;
}

void CBrenmoorDlg::OnBnClickedImportar() {
    CImportar dlg(m_interfaz);
    dlg.m_strRuta = m_interfaz.LeerPerfilOdbc("QEDBF", "Database", "c:\\roziva\\datos");
    dlg.m_nCurso = m_interfaz.AnoActual() - 1;
    if (m_interfaz.Modal(dlg) != plataforma::kIdOk) return;

    // The companion overwrites the data file; it only has to exist beforehand.
    const std::string rutaDatos = m_interfaz.CarpetaTemporal() + "iestokrt.dat";
    if (!m_interfaz.Existe(rutaDatos)) m_interfaz.CrearArchivoVacio(rutaDatos);
    std::string corta;
    if (!ObtenerRutaCorta(rutaDatos, corta)) corta = rutaDatos;
    const std::string curso = std::to_string(dlg.m_nCurso);

    int resultado = -1;
    const std::string companero = m_interfaz.BuscarEnRuta("vadrel.exe");
    if (!companero.empty())
        resultado = m_interfaz.EjecutarYEsperar({companero, dlg.m_strRuta, curso, corta, "I", "S"});
    if (resultado == -1) {
        m_interfaz.Mensaje(TextoUltimoError() + kSistema32Bits, Icono::Informacion);
        return;
    }
    if (resultado != 0) {
        MostrarLog(m_interfaz);
        m_interfaz.Mensaje("Problemas en la importaci\xF3n.", Icono::Informacion);
        return;
    }

    auto datos = CrearDatos(0);
    std::string mensaje;
    const int leido = LeerFicheroIes(corta.c_str(), mensaje, *datos);
    if (leido == 1)
        GuardarXml(*datos);
    else
        MostrarLog(m_interfaz);
    BorrarDatos(datos);
    if (leido != 1) m_interfaz.Mensaje(mensaje, Icono::Informacion);
}

void CBrenmoorDlg::GuardarXml(CDatos& datos) {
    plataforma::ParametrosArchivo p;
    p.abrir = false;
    p.extensionPorDefecto = "xml";
    p.nombreInicial = ObtenerRutaMisDocumentos("planificador.xml");
    p.filtro = "All (*.*)|*.*|XML files|*.xml||";
    const plataforma::ResultadoArchivo r = m_interfaz.DialogoArchivo(p);
    if (r.resultado == plataforma::kIdOk) {
        if (!plataforma::IgualesSinMayusculasAscii(r.extension, "xml")) {
            m_interfaz.Mensaje(Cadena(IDS_EXTENSION_XML), Icono::Exclamacion);
            return;
        }
        if (EscribirXml(datos, r.ruta, true, 0) != 0)
            m_interfaz.Mensaje(TextoUltimoError() + "\n" + r.ruta, Icono::Informacion);
    } else if (r.errorExtendido == plataforma::kErrorNombreArchivoNoValido) {
        m_interfaz.Mensaje(Cadena(IDS_NO_EXISTE_CARPETA), Icono::Exclamacion);
    }
}

int CBrenmoorDlg::EscribirXml(CDatos& datos, const std::string& ruta, bool mensaje, int periodo) {
    plataforma::CursorEsperaActivo espera(m_interfaz);
    CExportadorXML escritor(&datos);
    if (escritor.ExportarXML(ruta.c_str(), nullptr, periodo) != 1) return -1;
    if (mensaje) {
        std::string texto = Cadena(IDS_ARCHIVO_CREADO);
        texto.replace(texto.find("%s"), 2, ruta);
        m_interfaz.Mensaje(texto, Icono::Informacion);
    }
    return 0;
}
