#pragma once
// Charts on a report page, drawn with the page's own rectangles, lines and
// texts so that the preview, the printer, PDF and report files all carry
// them: a title, the amounts' axis with round marks written with the
// program's separators, the time or year axis, the lines (thinned to what
// the page's width can show) or the stacked bars, and a legend. The series
// take the screen's colours, which stay apart printed in grey.
#include "reports/engine/definicion_informe.h"
#include "util/datos_grafico.h"

#include <QList>

// The charts one above the other, sharing the box's height.
void DibujarGraficos(const QList<DatosGrafico>& graficos, const CajaPagina& caja, PaginaPreparada& pagina,
                     InformePreparado& informe);

// The box of a chart's plot inside `caja` (where its lines and bars are
// drawn), for a chart drawn alone there.
CajaPagina CajaTrazado(const DatosGrafico& datos, const CajaPagina& caja);
