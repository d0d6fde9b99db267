#pragma once
// Printing prepared pages, with a progress window, and the printer set-up
// dialog.
#include "reports/engine/pagina_preparada.h"

class QPrinter;
class QWidget;

// Prints the pages of `informe` within the printer's page range (all when no
// range is set) and its copies. Returns false when cancelled or when the
// printer could not start.
bool ImprimirPaginas(const InformePreparado& informe, QPrinter& impresora, QWidget* padre = nullptr);

// The printer set-up dialog (printer, copies, orientation, page range);
// true when the person confirmed it. On a machine without printers it offers
// printing to a PDF file.
bool ConfigurarImpresora(QPrinter& impresora, int paginas, QWidget* padre = nullptr);
