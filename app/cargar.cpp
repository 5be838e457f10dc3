// The load flow: a solved document is read into a model, written as the timetable file and
// handed to the companion program.
#include "app/brenmoor.h"
#include "app/dialogos.h"
#include "app/servicios.h"
#include "platform/sax.h"
#include "platform/sistema.h"
#include "platform/text.h"
#include "resources/cadenas.h"
#include "xmlreader/lector.h"

using namespace recursos;
using plataforma::Icono;

namespace {

constexpr const char* kRutaBasePorDefecto = "C:\\RozIva\\Datos";
constexpr const char* kTablaPorDefecto = "C:\\RozIva\\Datos\\Horarios";

bool TerminaEnXml(const std::string& ruta) {
    return ruta.size() >= 4 && plataforma::IgualesSinMayusculasAscii(
                                   std::string_view(ruta).substr(ruta.size() - 4), ".xml");
}

} // namespace

void CBrenmoorDlg::OnBnClickedCargar() {
    auto datos = CrearDatos(1);
    std::string ruta;
    if (LeerHorarioXml(ruta, *datos) == 1) {
        m_escritor.m_bEscribirOtrasActividades = 1;
        TransferirHorario(*datos, ruta);
    }
    BorrarDatos(datos);
}

int CBrenmoorDlg::LeerHorarioXml(std::string& ruta, CDatos& datos) {
    if (SeleccionarHorarioXml(ruta) == 0) return 0;
    if (!TerminaEnXml(ruta)) return 0;
    return ParsearXml(ruta, datos);
}

int CBrenmoorDlg::SeleccionarHorarioXml(std::string& ruta) {
    plataforma::ParametrosArchivo p;
    p.abrir = true;
    p.extensionPorDefecto = "xml";
    p.nombreInicial = ObtenerRutaMisDocumentos("Horario.xml");
    p.filtro = "Archivos XML (*.xml)|*.xml|Todos (*.*)|*.*||";
    p.avisarSobrescribir = true;
    const plataforma::ResultadoArchivo r = m_interfaz.DialogoArchivo(p);
    if (r.resultado == plataforma::kIdOk) {
        if (plataforma::IgualesSinMayusculasAscii(r.extension, "xml")) {
            ruta = r.ruta;
            return 1;
        }
        m_interfaz.Mensaje(Cadena(IDS_EXTENSION_XML), Icono::Exclamacion);
        return 0;
    }
    if (r.errorExtendido == plataforma::kErrorNombreArchivoNoValido)
        m_interfaz.Mensaje(Cadena(IDS_NO_EXISTE_CARPETA), Icono::Exclamacion);
    return 0;
}

int CBrenmoorDlg::ParsearXml(const std::string& ruta, CDatos& datos) {
    ContextoLeerXml contexto;
    contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
    contexto.datos = &datos;
    std::string mensaje;
    if (LeerXml(mensaje, ruta.c_str(), contexto) != 1) {
        m_interfaz.Mensaje(mensaje, Icono::Exclamacion);
        return 0;
    }
    datos.marcosHorario->NombrarTramosPorDefecto();
    if (datos.aulas.Cuenta() - 1 > datos.marcos.numAulasGeneral)
        datos.marcosHorario->FijarAulasGeneral(datos.aulas.Cuenta() - 1);
    return 1;
}

void CBrenmoorDlg::TransferirHorario(CDatos& datos, const std::string& ruta) {
    const std::string rutaFichero = m_interfaz.CarpetaTemporal() + "krttoies.dat";
    const int r = ExportarAIes(rutaFichero, datos, ruta);
    if (r == -3) return;
    if (r == -1) {
        m_interfaz.Mensaje(TextoUltimoError() + "\nError!", Icono::Informacion);
    } else if (r == 0) {
        m_interfaz.Mensaje("Se ha transferido el horario a la base de datos", Icono::Informacion);
    } else {
        MostrarLog(m_interfaz);
        m_interfaz.Mensaje("Se han producido alg\xFAn problema de acceso a los datos.",
                           Icono::Informacion);
    }
}

int CBrenmoorDlg::ExportarAIes(const std::string& rutaFichero, CDatos& datos,
                               const std::string& ruta) {
    CExportar dlg(m_interfaz);
    dlg.m_nCurso = m_interfaz.AnoActual();
    const std::string base = m_interfaz.LeerPerfilOdbc("QEDBF", "Database", kRutaBasePorDefecto);
    dlg.m_strRuta = base.empty() ? kTablaPorDefecto : plataforma::UnirRuta(base, "Horarios");
    dlg.m_bBorrar = 1;
    dlg.m_strHorario = ruta;
    if (m_interfaz.Modal(dlg) != plataforma::kIdOk) return -3;
    const std::string tabla = dlg.m_strRuta + ".db";

    std::string error;
    if (EscribirFicheroIes(rutaFichero.c_str(), error, datos) != 1) {
        if (!error.empty()) m_interfaz.Mensaje(error, Icono::Ninguno);
        return -3;
    }
    // An empty timetable file would make the companion delete the year's timetable and load
    // nothing in its place.
    if (m_escritor.RegistrosEscritos() == 0) {
        m_interfaz.Mensaje(
            "El horario no contiene actividades colocadas; no se ha transferido nada.",
            Icono::Informacion);
        return -3;
    }

    bool tablaCreada = true;
    if (!m_interfaz.Existe(tabla)) {
        if (m_interfaz.Mensaje("No se encuentra la base de datos en esta ruta. \xBFQuiere crear la "
                               "tabla de horarios?",
                               Icono::Informacion,
                               plataforma::Botones::AceptarCancelar) != plataforma::kIdOk)
            return -3;
        tablaCreada = m_interfaz.CrearArchivoVacio(tabla);
        if (tablaCreada)
            m_interfaz.Mensaje(
                "Se ha creado la tabla. No se debe usar para sustituir la que exista en la base "
                "de datos de IES2000.\nPara que IES2000 reconozca el horario es necesario "
                "insertarlo sobre la tabla original.",
                Icono::Ninguno);
    }
    std::string corta;
    if (!ObtenerRutaCorta(tabla, corta)) return -1;
    corta.resize(corta.size() >= 3 ? corta.size() - 3 : 0); // without ".db"
    if (!tablaCreada) return -1;

    const std::string companero = m_interfaz.BuscarEnRuta("vadrel.exe");
    if (companero.empty()) return -1;
    const std::string curso = std::to_string(dlg.m_nCurso);
    return m_interfaz.EjecutarYEsperar(
        {companero, corta, curso, rutaFichero, "X", dlg.m_bBorrar != 0 ? "S" : "N"});
}
