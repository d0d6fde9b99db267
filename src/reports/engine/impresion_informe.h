#pragma once
// Printing prepared pages, with a progress window, and the printer set-up
// dialog.
#include "reports/engine/pagina_preparada.h"

#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

// Prints the pages of `informe` within the printer's page range (all when no
// range is set) and its copies. A PDF file replaces one of the same name
// only once it is wholly written. Returns false when cancelled, when the
// printer could not start or the PDF file could not be written; then
// `fallo`, when given, holds a Spanish reason, or is empty when the person
// cancelled.
bool ImprimirPaginas(const InformePreparado& informe, QPrinter& impresora, QWidget* padre = nullptr,
                     QString* fallo = nullptr);

// The printer set-up dialog (printer, copies, orientation, page range);
// true when the person confirmed it. On a machine without printers it offers
// printing to a PDF file.
bool ConfigurarImpresora(QPrinter& impresora, int paginas, QWidget* padre = nullptr);

// The names of the printers installed on the system. Tests replace the
// query to stand for a machine with or without printers; an empty function
// brings back the system's own.
using ConsultaImpresoras = std::function<QStringList()>;
QStringList ImpresorasDelSistema();
void FijarConsultaImpresoras(ConsultaImpresoras consulta);
