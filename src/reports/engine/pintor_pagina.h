#pragma once
// Draws a prepared page on any painter: the preview at any zoom, a printer,
// a PDF or an image.
#include "reports/engine/pagina_preparada.h"

#include <QPointF>

class QPainter;

// Paints page `indice` (from 0) of `informe` with its top left corner at
// `origen` (device pixels), at `pixelesPorMm` device pixels per millimetre.
// The sheet itself (white paper) is painted too.
void PintarPagina(QPainter& painter, const InformePreparado& informe, int indice, double pixelesPorMm,
                  QPointF origen = QPointF());
