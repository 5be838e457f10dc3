#include "xmlwriter/exportador.h"
#include "model/palabras.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "platform/error.h"
#include "platform/files.h"

namespace {

// Escaped texts stop growing once they reach this length.
constexpr std::size_t LIMITE_ESCAPADO = 993;

} // namespace

CExportadorXML::CExportadorXML(CDatos* datos) : m_pDatos(datos) {
    m_pszLinea[0] = '\0';
    std::fill_n(&m_nIndiceLectivo[0][0][0], sizeof m_nIndiceLectivo / sizeof(int), -1);
    std::fill_n(&m_nIndiceRecreo[0][0][0], sizeof m_nIndiceRecreo / sizeof(int), -1);
}

int CExportadorXML::ExportarXML(const char* ruta, const char* /*sinUso*/, int periodo) {
    m_nPeriodo = periodo;
    ComponerDocumento();
    return GuardarDocumento(ruta);
}

void CExportadorXML::ComponerDocumento() {
    CDatos& d = *m_pDatos;
    d.NombrarGruposMateria();
    m_posicionSesion.clear();
    m_nDias = d.marcos.sabado != 0 ? 6 : 5;
    // Tramos that the frames section does not write keep -1, and every reader of these tables
    // leaves such cells out.
    std::fill_n(&m_nIndiceLectivo[0][0][0], sizeof m_nIndiceLectivo / sizeof(int), -1);
    std::fill_n(&m_nIndiceRecreo[0][0][0], sizeof m_nIndiceRecreo / sizeof(int), -1);

    m_strDocumento.clear();
    Escribir("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n");
    Escribir("<datosKRT xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
             "xsi:noNamespaceSchemaLocation=\"./KRTFile.xsd\">\n");
    Escribir("\t<version>%d</version>\n", VERSION_FORMATO);

    EscribirPeriodos();
    EscribirMarcosDeHorario();
    EscribirAulas();
    EscribirConjuntoDeAulas();
    EscribirTareas();
    EscribirDepartamentos();
    EscribirProfesores();
    EscribirMaterias();
    EscribirCursos();
    EscribirGrupos();
    EscribirSesionesLectivas();
    Escribir("\t<listasDeRelacion>\n");
    Escribir("\t\t<simultaneas>\n");
    EscribirSimultaneas();
    Escribir("\t\t</simultaneas>\n");
    Escribir("\t\t<consecutivas>\n");
    EscribirConsecutivas();
    Escribir("\t\t</consecutivas>\n");
    Escribir("\t</listasDeRelacion>\n");
    EscribirOptativas();
    if (!d.reuniones.Vacia()) EscribirReuniones();
    if (!d.guardias.Vacia()) EscribirGuardias();
    if (!d.complementarias.Vacia()) EscribirComplementarias();
    EscribirCriterios();
    EscribirOtros();
    Escribir("</datosKRT>\n");
}

int CExportadorXML::GuardarDocumento(const char* ruta) const {
    // Written beside the target and put in its place once whole: a failure leaves the previous
    // document intact and removes only the new file. A path naming a directory, a device or a
    // FIFO is refused untouched.
    plataforma::ArchivoDeReemplazo archivo;
    const int fd = archivo.Crear(ruta);
    if (fd < 0) return 0;
    if (plataforma::EscribirTodo(fd, m_strDocumento.data(), m_strDocumento.size()) &&
        archivo.Reemplazar())
        return 1;
    archivo.Descartar();
    return 0;
}

void CExportadorXML::Escribir(const char* formato, ...) {
    va_list args;
    va_start(args, formato);
    va_list copia;
    va_copy(copia, args);
    const int n = std::vsnprintf(m_pszLinea, sizeof m_pszLinea, formato, args);
    if (n > 0) {
        if (static_cast<std::size_t>(n) < sizeof m_pszLinea) {
            m_strDocumento.append(m_pszLinea, static_cast<std::size_t>(n));
        } else {
            // A piece longer than the line buffer is formatted whole in a buffer of its own.
            std::string largo(static_cast<std::size_t>(n) + 1, '\0');
            std::vsnprintf(largo.data(), largo.size(), formato, copia);
            m_strDocumento.append(largo.data(), static_cast<std::size_t>(n));
        }
    }
    va_end(copia);
    va_end(args);
}

std::string CExportadorXML::EscaparXML(std::string_view texto) {
    std::string r;
    r.reserve(std::min(texto.size(), LIMITE_ESCAPADO) + 8);
    for (const char ch : texto) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0 || r.size() >= LIMITE_ESCAPADO) break;
        switch (c) {
        case '"':
            r += "&quot;";
            break;
        case '&':
            r += "&amp;";
            break;
        case '\'':
            r += "&apos;";
            break;
        case '<':
        case '>':
            break;
        default:
            if (c >= 32 || c == '\t' || c == '\n') r += ch;
            break;
        }
    }
    return r;
}

// ---- Shared rules -----------------------------------------------------------------------------

int CExportadorXML::NumPeriodos() const {
    return std::min<int>(m_pDatos->marcos.numPeriodos, NUM_PERIODOS);
}

int CExportadorXML::NumMarcos() const {
    return std::min<int>(m_pDatos->marcos.numMarcos, NUM_MARCOS);
}

int CExportadorXML::MarcoValido(int f) const {
    return f >= 0 && f < NumMarcos() ? f : 0;
}

bool CExportadorXML::PeriodoExportado(int p) const {
    return p >= 0 && p < NumPeriodos() && (m_nPeriodo == -1 || m_nPeriodo == p);
}

bool CExportadorXML::FormaVariosPeriodos() const {
    return NumPeriodos() >= 2 && m_nPeriodo == -1;
}

bool CExportadorXML::PerteneceAPeriodo(const std::uint8_t periodos[NUM_PERIODOS], int p) const {
    const int n = NumPeriodos();
    if (p < 0 || p >= n) return false;
    if (periodos[p] != 0) return true;
    if (p != 0) return false;
    for (int q = 0; q < n; ++q)
        if (periodos[q] != 0) return false;
    return true;
}

bool CExportadorXML::PasaFiltroPeriodo(const std::uint8_t periodos[NUM_PERIODOS]) const {
    return NumPeriodos() < 2 || m_nPeriodo == -1 || PerteneceAPeriodo(periodos, m_nPeriodo);
}

int CExportadorXML::NumeroDia(int d, int p) const {
    return m_nPeriodo == -1 && p >= 1 ? d + m_nDias * p : d;
}

const BloqueMarcoDia& CExportadorXML::BloqueHoras(int f, int d) const {
    const DHMARCOS& m = m_pDatos->marcos;
    return m.porDia != 0 ? m.bloques[f][d] : m.bloques[f][0];
}
