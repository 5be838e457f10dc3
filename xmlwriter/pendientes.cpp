// Sections not written yet: a session's relation lists, the session blocks, the optional
// subjects, the meetings, the duties and the complementary activities.
//
// The document is already complete for a model that holds none of these (the model of the
// import flow): a session without companions or relations has no relation list, the block
// wrappers come from ComponerDocumento, and the optional-subject, meeting, duty and activity
// sections are left out when their lists are empty.
#include "xmlwriter/exportador.h"

void CExportadorXML::EscribirRelacionesSesion(MCList<DHSESI>::Nodo* /*nodo*/,
                                              MCList<DHSESI>::Nodo* /*principal*/) {}

void CExportadorXML::EscribirSimultaneas() {}

void CExportadorXML::EscribirConsecutivas() {}

void CExportadorXML::EscribirOptativas() {}

void CExportadorXML::EscribirReuniones() {}

void CExportadorXML::EscribirGuardias() {}

void CExportadorXML::EscribirComplementarias() {}
