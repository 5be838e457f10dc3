// Documents of the writer read back: no failure, and the same frames.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/sax.h"
#include "tests/common/archivos.h"
#include "tests/common/avisos.h"
#include "tests/common/documentos.h"
#include "tests/common/modelo.h"
#include "xmlreader/lector.h"
#include "xmlwriter/exportador.h"

namespace {

using namespace prueba;

std::string Escrito(CDatos& d, int periodo) {
    CExportadorXML x(&d);
    const std::string ruta = ArchivoTemporal("escrito.xml", "");
    EXPECT_EQ(x.ExportarXML(ruta.c_str(), nullptr, periodo), 1);
    return x.Documento();
}

// Reads `documento` through LeerXml, as the load flow does.
std::unique_ptr<CDatos> Leido(const std::string& documento) {
    auto d = ModeloPreparado(1);
    ContextoLeerXml contexto;
    contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
    contexto.datos = d.get();
    std::string mensaje;
    EXPECT_EQ(LeerXml(mensaje, ArchivoTemporal("leido.xml", documento).c_str(), contexto), 1)
        << mensaje;
    EXPECT_EQ(mensaje, "");
    return d;
}

void Horas(BloqueMarcoDia& b, int i, int he, int me, int hs, int ms) {
    b.horas[i] = {static_cast<std::uint8_t>(he), static_cast<std::uint8_t>(me),
                  static_cast<std::uint8_t>(hs), static_cast<std::uint8_t>(ms)};
}

// n lessons of 50 minutes from `hora`, with a 20-minute gap after each.
void Lectivos(BloqueMarcoDia& b, int n, int hora) {
    b.numLectivos = static_cast<std::uint8_t>(n);
    for (int i = 0; i < n; ++i) {
        const int inicio = hora * 60 + i * 70;
        Horas(b, i, inicio / 60, inicio % 60, (inicio + 50) / 60, (inicio + 50) % 60);
        std::snprintf(b.nombres[i], sizeof b.nombres[i], "T%d", i + 1);
    }
}

void QuitarCelda(MapaEmpaquetado& mapa, int d, int i) {
    MapaDisponibilidad m;
    DesempaquetarMapa(mapa, m);
    m.celdas[d][i] = 0;
    EmpaquetarMapa(mapa, m);
}

void CompararMarcos(const CDatos& a, const CDatos& b) {
    const DHMARCOS& x = a.marcos;
    const DHMARCOS& y = b.marcos;
    ASSERT_EQ(x.numMarcos, y.numMarcos);
    EXPECT_EQ(x.numPeriodos, y.numPeriodos);
    EXPECT_EQ(x.sabado, y.sabado);
    EXPECT_EQ(x.porDia, y.porDia);
    EXPECT_EQ(x.tiemposExactos, y.tiemposExactos);
    for (int f = 0; f < x.numMarcos; ++f) {
        EXPECT_STREQ(x.nombresMarco[f], y.nombresMarco[f]);
        EXPECT_STREQ(x.clavesMarco[f], y.clavesMarco[f]);
        for (int d = 0; d < (x.sabado != 0 ? 6 : 5); ++d) {
            SCOPED_TRACE("marco " + std::to_string(f) + " dia " + std::to_string(d));
            const BloqueMarcoDia& s = a.marcosHorario->Bloque(f, d);
            const BloqueMarcoDia& t = b.marcosHorario->Bloque(f, d);
            ASSERT_EQ(s.numLectivos, t.numLectivos);
            EXPECT_EQ(s.posMediodia, t.posMediodia);
            ASSERT_EQ(s.numRecreos, t.numRecreos);
            for (int k = 0; k < s.numRecreos; ++k) {
                EXPECT_EQ(s.posRecreos[k], t.posRecreos[k]);
                EXPECT_STREQ(x.bloques[f][d].nombresRecreo[k], y.bloques[f][d].nombresRecreo[k]);
            }
            if (s.posMediodia != 0) {
                EXPECT_STREQ(x.bloques[f][d].nombreMediodia, y.bloques[f][d].nombreMediodia);
            }
            for (int i = 0; i < s.numLectivos; ++i) {
                EXPECT_EQ(std::memcmp(&s.horas[i], &t.horas[i], sizeof s.horas[i]), 0) << i;
                if (x.tiemposExactos != 0) {
                    EXPECT_EQ(s.claseDuracion[i], t.claseDuracion[i]);
                }
                EXPECT_STREQ(x.bloques[f][d].nombres[i], y.bloques[f][d].nombres[i]);
            }
            for (int p = 0; p < x.numPeriodos; ++p) {
                MapaDisponibilidad m, n;
                DesempaquetarMapa(x.mapasMarco[p][f], m);
                DesempaquetarMapa(y.mapasMarco[p][f], n);
                for (int i = 0; i < s.numLectivos; ++i)
                    EXPECT_EQ(m.celdas[d][i] != 0, n.celdas[d][i] != 0) << p << " " << i;
            }
        }
    }
}

class IdaYVuelta : public ::testing::Test {
protected:
    Entorno entorno;
};

TEST_F(IdaYVuelta, DocumentoDeImportacionVacio) {
    auto origen = ModeloPreparado(0);
    const std::string doc = Escrito(*origen, 0);
    auto leido = Leido(doc);
    CompararMarcos(*origen, *leido);

    std::ifstream f(RutaFixture("documento_vacio.xml"), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    ASSERT_FALSE(s.str().empty());
    CompararMarcos(*origen, *Leido(s.str()));
    EXPECT_TRUE(entorno.avisos.avisos.empty());
}

TEST_F(IdaYVuelta, UnMarcoConRecreoYMediodia) {
    auto origen = ModeloPreparado(0);
    DHMARCOS& m = origen->marcos;
    CopiarTexto(m.nombresMarco[0], "Diurno");
    CopiarTexto(m.clavesMarco[0], "k&1");
    BloqueMarcoDia& b = m.bloques[0][0];
    Lectivos(b, 6, 8);
    b.numRecreos = 1;
    b.posRecreos[0] = 2;
    CopiarTexto(b.nombresRecreo[0], "Patio");
    b.posMediodia = 4;
    CopiarTexto(b.nombreMediodia, "Comida");
    for (int d = 1; d < 5; ++d) {
        m.bloques[0][d] = b;
        CopiarTexto(m.bloques[0][d].nombres[0], ("L" + std::to_string(d)).c_str());
    }
    QuitarCelda(m.mapasMarco[0][0], 2, 5);
    origen->marcosHorario->Recalcular();
    CompararMarcos(*origen, *Leido(Escrito(*origen, 0)));
}

TEST_F(IdaYVuelta, DosMarcosSabadoDiasDistintosTiemposExactosYDosPeriodos) {
    auto origen = ModeloPreparado(0);
    DHMARCOS& m = origen->marcos;
    m.numMarcos = 2;
    m.sabado = 1;
    m.porDia = 1;
    m.tiemposExactos = 1;
    origen->marcosHorario->FijarNumeroPeriodos(2);
    CopiarTexto(m.nombresMarco[1], "Tarde");
    for (int d = 0; d < 6; ++d) {
        Lectivos(m.bloques[0][d], d == 2 ? 4 : 3, 8);
        Lectivos(m.bloques[1][d], 2, 15);
        m.bloques[1][d].numRecreos = 1;
        m.bloques[1][d].posRecreos[0] = 1;
    }
    m.bloques[0][1].claseDuracion[1] = 1;
    m.bloques[0][1].claseDuracion[2] = 2;
    QuitarCelda(m.mapasMarco[0][1], 5, 1);
    QuitarCelda(m.mapasMarco[1][0], 2, 3);
    origen->marcosHorario->Recalcular();
    const std::string doc = Escrito(*origen, -1);
    ASSERT_NE(doc.find("<periodos>"), std::string::npos);
    CompararMarcos(*origen, *Leido(doc));
}

} // namespace
