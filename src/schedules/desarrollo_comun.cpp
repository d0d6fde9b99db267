#include "schedules/desarrollo_comun.h"

#include "ui/panel_resultado.h"
#include "schedules/form_desarrollo_calculos.h"
#include "util/textos_celda.h"
#include "util/ajustes_regionales.h"
#include "util/fechas.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString TextoCelda(const ValorCelda& v, const TTextosCelda& t) {
    switch (v.tipo) {
    case ValorCelda::Tipo::Entero: return TextoEntero(static_cast<long long>(v.numero));
    case ValorCelda::Tipo::Fecha: return t.Fecha(v.fecha);
    case ValorCelda::Tipo::Importe: return t.Importe(v.numero);
    case ValorCelda::Tipo::Texto: return v.texto;
    case ValorCelda::Tipo::Ninguno: break;
    }
    return QString();
}

// A number whose sign and size alone set which characters the cell's text
// has: a larger size never has fewer digits or separators. Not finite when
// the text does not follow from one (a date of another shape, an amount
// that shows nothing).
double Forma(const ValorCelda& v, const TTextosCelda& t) {
    switch (v.tipo) {
    case ValorCelda::Tipo::Fecha:
        return t.FechaDeFormaFija(v.fecha) ? double(v.fecha.toJulianDay()) : std::numeric_limits<double>::quiet_NaN();
    case ValorCelda::Tipo::Entero:
    case ValorCelda::Tipo::Importe: return v.numero;
    // A word's width does not follow from a number: each is measured.
    case ValorCelda::Tipo::Texto: return std::numeric_limits<double>::quiet_NaN();
    case ValorCelda::Tipo::Ninguno: break;
    }
    return 0;
}

// Measures the texts of column c. When the column's digits are all of one
// width, a text is as wide as another of the same characters but for its
// digits, and every text's characters are among those of the text of the
// largest or of the smallest value: those two are the only ones measured.
void MedirColumna(TEscrituraTabla& medida, int c, int filas, const CeldaDeFila& celda, const TTextosCelda& t) {
    if (medida.DigitosIguales(c)) {
        int menor = -1, mayor = -1;
        double minimo = 0, maximo = 0;
        for (int i = 0; i < filas; ++i) {
            const double forma = Forma(celda(c, i), t);
            if (!std::isfinite(forma)) {
                menor = mayor = -1;
                break;
            }
            if (mayor < 0 || forma > maximo)
                maximo = forma, mayor = i;
            if (menor < 0 || forma < minimo)
                minimo = forma, menor = i;
        }
        if (mayor >= 0) {
            medida.Medir(c, TextoCelda(celda(c, mayor), t));
            medida.Medir(c, TextoCelda(celda(c, menor), t));
            return;
        }
    }
    for (int i = 0; i < filas; ++i)
        medida.Medir(c, TextoCelda(celda(c, i), t));
}

}  // namespace

void PrepararRejilla(TAttributeGrid& grid, const std::vector<ColumnaDesarrollo>& columnas, int periodos) {
    grid.SetColCount(int(columnas.size()));
    int c = 0;
    for (const ColumnaDesarrollo& columna : columnas) {
        grid.SetCells(c, 0, columna.titulo);
        grid.ColorCol(c, columna.fondo);
        grid.FontCol(c).SetColor(columna.fuente);
        ++c;
    }
    grid.SetRowCount(periodos + 1);
}

void MostrarFilas(TAttributeGrid& grid, int filas, CeldaDeFila celda) {
    const TTextosCelda t;
    TEscrituraTabla medida(grid);
    for (int c = 0; c < grid.ColCount(); ++c)
        MedirColumna(medida, c, filas, celda, t);
    grid.SetTextSource([filas, celda = std::move(celda), t](int c, int r) {
        return r >= 1 && r <= filas ? TextoCelda(celda(c, r - 1), t) : QString();
    });
    medida.AjustarAnchos();
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
    int c = 0;
    for (const QString& texto : textos) {
        grid_.SetCells(c, fila, texto);
        Medir(c++, texto);
    }
}

void TEscrituraTabla::Medir(int columna, const QString& texto) {
    if (columna < 0 || columna >= int(medidas_.size()))
        return;
    Medida& m = medidas_[std::size_t(columna)];
    const float ancho = Ancho(m, texto);
    if (ancho > m.maximo) {
        m.maximo = ancho;
        m.texto = texto;
    }
}

bool TEscrituraTabla::DigitosIguales(int columna) const {
    const auto& a = medidas_[std::size_t(columna)].avances;
    return std::all_of(a.begin() + '1', a.begin() + '9' + 1, [&a](float x) { return x == a['0']; });
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

void DarSitioARotulos(TFormDesarrolloCalculos& v) {
    constexpr int kSeparacion = 4;
    for (QLabel* rotulo : {v.LblDato1, v.LblDato2, v.LblDato3, v.LblDato4, v.LblDato5}) {
        QWidget* panel = rotulo->buddy();
        const int falta = rotulo->x() + rotulo->sizeHint().width() + kSeparacion - panel->x();
        if (rotulo->isHidden() || falta <= 0)
            continue;
        for (QWidget* otro : v.PnlInfoPrestamo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (otro->x() >= panel->x())
                otro->move(otro->x() + falta, otro->y());
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

void EnsancharParaColumnas(TFormDesarrolloCalculos& v) {
    const TAttributeGrid& grid = *v.GridDesarrollo;
    int columnas = 2 * grid.frameWidth() + v.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < grid.ColCount(); ++c)
        columnas += grid.ColWidths(c) + grid.GridLineWidth();
    // The grid spans the whole width of the window.
    const int necesario = columnas;
    int disponible = necesario;
    if (const QScreen* pantalla = v.screen())
        disponible = pantalla->availableGeometry().width();
    if (necesario > v.width())
        v.resize(std::min(necesario, disponible), v.height());
}

void EnsancharColumnas(TAttributeGrid& grid, int primera, int pixeles) {
    for (int c = primera; c < grid.ColCount(); ++c)
        grid.SetColWidths(c, grid.ColWidths(c) + pixeles);
}
