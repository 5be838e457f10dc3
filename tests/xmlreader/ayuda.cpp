#include "ayuda.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace prueba {

std::unique_ptr<CDatos> NuevoModelo() {
    return ModeloPreparado(1);
}

Lectura Leer(const std::string& documento, std::unique_ptr<CDatos> datos) {
    Lectura l;
    l.datos = datos ? std::move(datos) : NuevoModelo();
    l.manejador = std::make_unique<MyContentInterno2>(l.datos.get());
    std::unique_ptr<plataforma::LectorSax> lector;
    EXPECT_EQ(plataforma::CrearLectorSax(lector), 0u);
    lector->putContentHandler(l.manejador.get());
    l.estado = lector->AnalizarMemoria(documento.data(), documento.size());
    return l;
}

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

MapaDisponibilidad Celdas(const MapaEmpaquetado& mapa) {
    MapaDisponibilidad m;
    DesempaquetarMapa(mapa, m);
    return m;
}

std::string ArchivoTemporal(const std::string& nombre, const std::string& contenido) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto dir = std::filesystem::temp_directory_path() /
                     (std::string("lector_xml_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::create_directories(dir);
    const auto p = dir / nombre;
    std::ofstream(p, std::ios::binary) << contenido;
    return p.string();
}

Entorno::Entorno() : instalados_(avisos) {}

Entorno::~Entorno() = default;

} // namespace prueba
