#include "tests/common/documentos.h"

#include <expat.h>

#include <sstream>

namespace prueba {

std::string Documento(const std::string& cuerpo, const std::string& version) {
    std::string d = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<datosKRT>\n";
    if (!version.empty()) d += "\t<version>" + version + "</version>\n";
    return d + cuerpo + "</datosKRT>\n";
}

std::string Tramo(const std::string& submarco, int dia, int indice, const std::string& entrada,
                  const std::string& salida, const std::string& tipo, const std::string& clave,
                  const std::string& extra) {
    return "\t\t\t<tramo>\n\t\t\t\t<submarco>" + submarco + "</submarco>\n\t\t\t\t<dia>" +
           std::to_string(dia) + "</dia>\n\t\t\t\t<indice>" + std::to_string(indice) +
           "</indice>\n\t\t\t\t<horaEntrada>" + entrada + "</horaEntrada>\n\t\t\t\t<horaSalida>" +
           salida + "</horaSalida>\n\t\t\t\t<Tipo>" + tipo + "</Tipo>\n\t\t\t\t<clavX>" + clave +
           "</clavX>\n" + extra + "\t\t\t</tramo>\n";
}

std::string MarcosBasicos(int dias) {
    std::string s = "\t<marcosDeHorario>\n\t\t<marcoHorario id=\"A\" nombre=\"A\" claveX=\"\">\n";
    for (int d = 0; d < dias; ++d) {
        s += Tramo("A", d, 0, "08:30:00", "09:20:00", "lectivo", "1");
        s += Tramo("A", d, 1, "09:20:00", "09:40:00", "recreo", "R1");
        s += Tramo("A", d, 2, "09:40:00", "10:30:00", "lectivo", "2");
    }
    return s + "\t\t</marcoHorario>\n\t</marcosDeHorario>\n";
}

std::string ErrorDeFormato(const std::string& documento) {
    XML_Parser p = XML_ParserCreate(nullptr);
    const XML_Status s =
        XML_Parse(p, documento.data(), static_cast<int>(documento.size()), XML_TRUE);
    std::string error;
    if (s != XML_STATUS_OK) {
        std::ostringstream o;
        o << "expat error " << XML_GetErrorCode(p) << " at line " << XML_GetCurrentLineNumber(p);
        error = o.str();
    }
    XML_ParserFree(p);
    return error;
}

} // namespace prueba
