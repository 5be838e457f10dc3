#include "ayuda.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <unistd.h>

#include "tests/common/modelo.h"
#include "xmlwriter/exportador.h"

namespace prueba {

std::string Exportar(CDatos& d, int periodo) {
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string ruta =
        RutaTemporal(std::string(t->test_suite_name()) + "_" + t->name() + ".xml");
    CExportadorXML x(&d);
    EXPECT_EQ(x.ExportarXML(ruta.c_str(), nullptr, periodo), 1);
    std::string doc = LeerArchivo(ruta);
    EXPECT_EQ(doc, x.Documento());
    std::remove(ruta.c_str());
    return doc;
}

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> v;
    std::size_t i = 0;
    while (i < texto.size()) {
        std::size_t j = texto.find('\n', i);
        if (j == std::string::npos) j = texto.size();
        v.push_back(texto.substr(i, j - i));
        i = j + 1;
    }
    return v;
}

std::string Bloque(const std::string& documento, const std::string& apertura,
                   const std::string& cierre) {
    std::string r;
    bool dentro = false;
    for (const std::string& l : Lineas(documento)) {
        if (!dentro) {
            if (l != apertura) continue;
            dentro = true;
            r = l + '\n';
            continue;
        }
        r += l + '\n';
        if (l == cierre) return r;
    }
    return "";
}

void LlenarMapa(MapaEmpaquetado& mapa, int valor) {
    MapaDisponibilidad m;
    std::memset(&m, valor, sizeof m);
    EmpaquetarMapa(mapa, m);
}

void FijarCelda(MapaEmpaquetado& mapa, int d, int i, int valor) {
    MapaDisponibilidad m;
    DesempaquetarMapa(mapa, m);
    m.celdas[d][i] = static_cast<std::int8_t>(valor);
    EmpaquetarMapa(mapa, m);
}

} // namespace prueba
