// The schedule window's grid as a person sees it: loaded from its layout and
// filled with a loan schedule. Checks the look of titles, amounts and the
// selected row; with ZZ_CAPTURA_GRID set to a file name it also saves a picture.
#include "prueba_comun.h"

#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"
#include "widgets/grid/grid_colors.h"

#include <QVBoxLayout>
#include <cmath>

namespace {

// A 24-month loan of 10.000,00 at 6 % a year, as a schedule window fills it.
void LlenarCuadro(TAttributeGrid& g) {
    const QStringList titulos = {QStringLiteral("Nº"),        QStringLiteral("Fecha"),    QStringLiteral("Cuota"),
                                 QStringLiteral("Interés"),   QStringLiteral("Amortiz."), QStringLiteral("Amortizado"),
                                 QStringLiteral("Pendiente"), QStringLiteral("Int. Acum."), QStringLiteral("Pagado")};
    const int periodos = 24;
    const double capital = 10000.0, i = 0.06 / 12;
    const double cuota = capital * i / (1 - std::pow(1 + i, -periodos));
    g.SetRowCount(periodos + 1);
    for (int c = 0; c < titulos.size(); ++c)
        g.SetCells(c, 0, titulos[c]);
    double pendiente = capital, amortizado = 0, intereses = 0;
    QDate fecha(2026, 1, 31);
    for (int p = 1; p <= periodos; ++p) {
        const double interes = pendiente * i;
        const double amortiza = cuota - interes;
        pendiente -= amortiza;
        amortizado += amortiza;
        intereses += interes;
        g.SetCells(0, p, QString::number(p));
        g.SetCells(1, p, fecha.addMonths(p - 1).toString(QStringLiteral("dd/MM/yyyy")));
        g.SetCells(2, p, TextoImporte(cuota));
        g.SetCells(3, p, TextoImporte(interes));
        g.SetCells(4, p, TextoImporte(amortiza));
        g.SetCells(5, p, TextoImporte(amortizado));
        g.SetCells(6, p, TextoImporte(pendiente));
        g.SetCells(7, p, TextoImporte(intereses));
        g.SetCells(8, p, TextoImporte(cuota * p));
    }
}

// The horizontal extent of the dark text pixels inside a rectangle.
QPair<int, int> Tinta(const QImage& imagen, const QRect& rect) {
    int izquierda = INT_MAX, derecha = -1;
    for (int y = rect.top() + 1; y < rect.bottom(); ++y)
        for (int x = rect.left() + 1; x < rect.right(); ++x) {
            const QColor color = imagen.pixelColor(x, y);
            if (color.lightness() < 110 || (color.red() > 150 && color.green() < 80)) {
                izquierda = qMin(izquierda, x);
                derecha = qMax(derecha, x);
            }
        }
    return {izquierda, derecha};
}

}  // namespace

class TestGridCaptura : public QObject {
    Q_OBJECT
private slots:
    void cuadroDeDesarrollo() {
        QWidget ventana;
        ventana.setWindowTitle(QStringLiteral("Préstamos, tabla de desarrollo"));
        auto* grid = new TAttributeGrid(&ventana);
        auto* capa = new QVBoxLayout(&ventana);
        capa->setContentsMargins(0, 0, 0, 0);
        capa->addWidget(grid);
        grid->LoadLayoutFile(QStringLiteral(":/layouts/GridDesarrollo.zly"));
        LlenarCuadro(*grid);
        ventana.resize(744, 420);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        grid->setFocus();
        grid->FocusCell(0, 5, true);
        QCoreApplication::processEvents();

        const QImage imagen = grid->viewport()->grab().toImage();
        if (qEnvironmentVariableIsSet("ZZ_CAPTURA_GRID"))
            QVERIFY(grid->grab().save(qEnvironmentVariable("ZZ_CAPTURA_GRID")));

        // Titles centred, amounts right-aligned, dates centred.
        const QRect titulo = grid->CellRect(6, 0);
        const auto [ti, td] = Tinta(imagen, titulo);
        QVERIFY(ti > titulo.left() + 4);
        QVERIFY(qAbs((ti - titulo.left()) - (titulo.right() - td)) <= 2);
        const QRect importe = grid->CellRect(6, 3);
        QVERIFY(qAbs(Tinta(imagen, importe).second - (importe.right() - 2)) <= 2);
        const QRect fecha = grid->CellRect(1, 3);
        const auto [fi, fd] = Tinta(imagen, fecha);
        QVERIFY(qAbs((fi - fecha.left()) - (fecha.right() - fd)) <= 2);

        // Coloured columns, and the selected row highlighted in every cell.
        const auto fondo = [&](int c, int r) { return imagen.pixelColor(grid->CellRect(c, r).topLeft() + QPoint(1, 1)); };
        QCOMPARE(fondo(0, 3), ColorToQColor(9539912));
        QCOMPARE(fondo(5, 3), ColorToQColor(10740934));
        for (int c = 0; c < 9; ++c)
            QCOMPARE(fondo(c, 5), ColorToQColor(clActiveCaption));
    }
};

ZZ_TEST_MAIN(TestGridCaptura)
#include "test_grid_captura.moc"
