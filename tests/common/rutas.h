// The two data paths from file to file, as the flows run them without dialogs or companion
// program. Header only: not every test program links the readers and writers.
#pragma once

#include <string>

#include "iesfiles/fichero_horario.h"
#include "iesfiles/lector_ies.h"
#include "platform/sax.h"
#include "tests/common/modelo.h"
#include "xmlreader/lector.h"
#include "xmlwriter/exportador.h"

namespace prueba {

// Data file -> model -> document of period 0. 1 when both steps succeeded; otherwise 0 with
// the reader's error text in `error` (empty when the write failed).
inline int RutaImportacion(const std::string& datos, const std::string& documento,
                           std::string& error) {
    auto modelo = ModeloPreparado(0);
    if (LeerFicheroIes(datos.c_str(), error, *modelo) != 1) return 0;
    CExportadorXML escritor(modelo.get());
    return escritor.ExportarXML(documento.c_str(), nullptr, 0) == 1 ? 1 : 0;
}

// Solved document -> model -> timetable file with the recess duties. 1 when both steps
// succeeded; otherwise 0 with the error text in `error`. `registros` gets the records written.
inline int RutaCarga(const std::string& documento, const std::string& fichero, std::string& error,
                     int* registros = nullptr) {
    auto modelo = ModeloPreparado(1);
    ContextoLeerXml contexto;
    contexto.creacion = plataforma::CrearLectorSax(contexto.lector);
    contexto.datos = modelo.get();
    if (LeerXml(error, documento.c_str(), contexto) != 1) return 0;
    modelo->marcosHorario->NombrarTramosPorDefecto();
    if (modelo->aulas.Cuenta() - 1 > modelo->marcos.numAulasGeneral)
        modelo->marcosHorario->FijarAulasGeneral(modelo->aulas.Cuenta() - 1);
    CEscritorHorarioIes escritor;
    escritor.m_bEscribirOtrasActividades = 1;
    const int r = escritor.EscribirFicheroIes(fichero.c_str(), error, *modelo);
    if (registros != nullptr) *registros = escritor.RegistrosEscritos();
    return r == 1 ? 1 : 0;
}

} // namespace prueba
