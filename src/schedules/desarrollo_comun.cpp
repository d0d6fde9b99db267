#include "schedules/desarrollo_comun.h"

#include "app/panel_resultado.h"
#include "schedules/form_desarrollo_calculos.h"
#include "util/ajustes_regionales.h"
#include "util/fechas.h"
#include "widgets/grid/attribute_grid.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <cmath>

void PrepararRejilla(TAttributeGrid& grid, std::initializer_list<ColumnaDesarrollo> columnas, int periodos) {
    grid.SetColCount(int(columnas.size()));
    int c = 0;
    for (const ColumnaDesarrollo& columna : columnas) {
        grid.SetCells(c, 0, columna.titulo);
        grid.ColorCol(c, columna.fondo);
        grid.FontCol(c).SetColor(columna.fuente);
        ++c;
    }
    grid.SetRowCount(periodos + 1);
    // A text in the last row first gives every column its full length at
    // once, so that a long table is not copied as its columns grow; the
    // builder writes the real texts over it.
    if (periodos > 0) {
        for (c = 0; c < grid.ColCount(); ++c)
            grid.SetCells(c, periodos, QStringLiteral("-"));
    }
}

TEscrituraTabla::TEscrituraTabla(TAttributeGrid& grid) : grid_(grid) {
    const int fila = grid.RowCount() > 1 ? 1 : 0;
    medidas_.resize(std::size_t(grid.ColCount()));
    for (int c = 0; c < grid.ColCount(); ++c) {
        Medida& m = medidas_[std::size_t(c)];
        m.fuente = grid.CellFont(c, fila).QtFont();
        const QFontMetricsF fm(m.fuente);
        for (int ch = 0; ch < 128; ++ch)
            m.avances[std::size_t(ch)] = float(fm.horizontalAdvance(QChar(ch)));
    }
}

float TEscrituraTabla::Ancho(const Medida& m, const QString& texto) const {
    float ancho = 0;
    for (QChar ch : texto)
        ancho += ch.unicode() < 128 ? m.avances[ch.unicode()] : float(QFontMetricsF(m.fuente).horizontalAdvance(ch));
    return ancho;
}

void TEscrituraTabla::Fila(int fila, std::initializer_list<QString> textos) {
    std::size_t c = 0;
    for (const QString& texto : textos) {
        grid_.SetCells(int(c), fila, texto);
        if (c < medidas_.size()) {
            Medida& m = medidas_[c];
            const float ancho = Ancho(m, texto);
            if (ancho > m.maximo) {
                m.maximo = ancho;
                m.texto = texto;
            }
        }
        ++c;
    }
}

void TEscrituraTabla::AjustarAnchos() {
    // The grid draws a text 2 pixels in from either edge of its cell.
    constexpr int kHolgura = 2 * 2 + 1;
    for (int c = 0; c < int(medidas_.size()) && c < grid_.ColCount(); ++c) {
        const Medida& m = medidas_[std::size_t(c)];
        const int texto = std::max(QFontMetrics(m.fuente).horizontalAdvance(m.texto), int(std::ceil(m.maximo)));
        const int titulo = QFontMetrics(grid_.CellFont(c, 0).QtFont()).horizontalAdvance(grid_.Cells(c, 0));
        const int necesario = std::max(texto, titulo) + kHolgura;
        if (grid_.ColWidths(c) < necesario)
            grid_.SetColWidths(c, necesario);
    }
}

void EnsancharPanelesInformacion(TFormDesarrolloCalculos& v) {
    for (TPanelResultado* panel : {v.PnlDato1, v.PnlDato2, v.PnlDato3, v.PnlDato4, v.PnlDato5}) {
        const int falta = panel->AnchoNecesario() - panel->width();
        if (panel->isHidden() || falta <= 0)
            continue;
        for (QWidget* otro : v.PnlInfoPrestamo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (otro->x() > panel->x())
                otro->move(otro->x() + falta, otro->y());
        panel->resize(panel->width() + falta, panel->height());
    }
    // The window opens wide enough to show the whole strip.
    int derecha = 0;
    for (QWidget* w : v.PnlInfoPrestamo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            derecha = std::max(derecha, w->geometry().right() + 1);
    constexpr int kMargen = 8;
    if (derecha + kMargen > v.width())
        v.resize(derecha + kMargen, v.height());
}

void EnsancharColumnas(TAttributeGrid& grid, int primera, int pixeles) {
    for (int c = primera; c < grid.ColCount(); ++c)
        grid.SetColWidths(c, grid.ColWidths(c) + pixeles);
}
