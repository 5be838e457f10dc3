#include "tests/common/carga.h"

#include "iesfiles/fichero_horario.h"
#include "platform/sax.h"
#include "tests/common/modelo.h"
#include "xmlreader/lector.h"

namespace prueba {

Carga CargarHorario(const std::string& documento, const std::string& fichero,
                    const std::function<void(CDatos&)>& antesDeEscribir) {
    Carga c;
    c.datos = ModeloPreparado(1);
    ContextoLeerXml contexto;
    contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
    contexto.datos = c.datos.get();
    c.leido = LeerXml(c.mensaje, documento.c_str(), contexto);
    if (c.leido != 1) return c;

    CDatos& d = *c.datos;
    d.marcosHorario->NombrarTramosPorDefecto();
    if (d.aulas.Cuenta() - 1 > d.marcos.numAulasGeneral)
        d.marcosHorario->FijarAulasGeneral(d.aulas.Cuenta() - 1);
    if (antesDeEscribir) antesDeEscribir(d);

    CEscritorHorarioIes escritor;
    escritor.m_bEscribirOtrasActividades = 1;
    c.escrito = escritor.EscribirFicheroIes(fichero.c_str(), c.error, d);
    return c;
}

} // namespace prueba
