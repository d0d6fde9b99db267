#pragma once
// Draws a prepared page on any painter: the preview at any zoom, a printer,
// a PDF or an image.
#include "reports/engine/pagina_preparada.h"

#include <QPointF>
#include <functional>

class QPainter;

// Paints page `indice` (from 0) of `informe` with its top left corner at
// `origen` (device pixels), at `pixelesPorMm` device pixels per millimetre.
// The sheet itself (white paper) is painted too.
void PintarPagina(QPainter& painter, const InformePreparado& informe, int indice, double pixelesPorMm,
                  QPointF origen = QPointF());

// Paints `pagina` (a page of `informe`) in parts, so that a page that takes
// long can be drawn a piece at a time with the window answering in between.
// Starts at primitive `desde` (0 also paints the sheet) and asks `seguir`
// before each further primitive; returns the index of the first primitive
// not painted, the primitive count once the page is complete.
std::size_t PintarPaginaPorPartes(QPainter& painter, const InformePreparado& informe, const PaginaPreparada& pagina,
                                  double pixelesPorMm, QPointF origen, std::size_t desde,
                                  const std::function<bool()>& seguir);
