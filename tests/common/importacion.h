// The import flow's data path from file to file, without its dialogs and companion program:
// the IES2000 data file read into a model set up as the flow sets it up, then the exchange
// document of period 0 written from it.
#pragma once

#include <string>

namespace prueba {

// 1 when both the data file was read and the document written; otherwise 0, with `error`
// holding the reader's error text (empty when the write failed).
int ImportarArchivo(const std::string& datos, const std::string& documento, std::string& error);

} // namespace prueba
