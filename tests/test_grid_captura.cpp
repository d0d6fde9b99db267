// The schedule window's grid as a person sees it: loaded from its layout and
// filled with a loan schedule. Checks the look of titles, amounts and the
// selected row; with ZZ_CAPTURA_GRID set to a file name it also saves a picture.
#include "prueba_comun.h"

#include "widgets/grid/attribute_grid.h"
#include "widgets/grid/grid_colors.h"

#include <QVBoxLayout>
#include <iterator>

namespace {

// A 24-month loan of 10.000,00 at 6 % a year paid at the end of each month
// from 31/01/2026, as a schedule window shows it: date, instalment, interest,
// repayment, repaid, outstanding, interest so far and paid so far.
const char* const kFilas[][8] = {
    {"31/01/2026", "443,21", "50,00", "393,21", "393,21", "9.606,79", "50,00", "443,21"},
    {"28/02/2026", "443,21", "48,03", "395,17", "788,38", "9.211,62", "98,03", "886,41"},
    {"31/03/2026", "443,21", "46,06", "397,15", "1.185,53", "8.814,47", "144,09", "1.329,62"},
    {"30/04/2026", "443,21", "44,07", "399,13", "1.584,66", "8.415,34", "188,16", "1.772,82"},
    {"31/05/2026", "443,21", "42,08", "401,13", "1.985,79", "8.014,21", "230,24", "2.216,03"},
    {"30/06/2026", "443,21", "40,07", "403,14", "2.388,92", "7.611,08", "270,31", "2.659,24"},
    {"31/07/2026", "443,21", "38,06", "405,15", "2.794,08", "7.205,92", "308,37", "3.102,44"},
    {"31/08/2026", "443,21", "36,03", "407,18", "3.201,25", "6.798,75", "344,40", "3.545,65"},
    {"30/09/2026", "443,21", "33,99", "409,21", "3.610,46", "6.389,54", "378,39", "3.988,85"},
    {"31/10/2026", "443,21", "31,95", "411,26", "4.021,72", "5.978,28", "410,34", "4.432,06"},
    {"30/11/2026", "443,21", "29,89", "413,31", "4.435,04", "5.564,96", "440,23", "4.875,27"},
    {"31/12/2026", "443,21", "27,82", "415,38", "4.850,42", "5.149,58", "468,05", "5.318,47"},
    {"31/01/2027", "443,21", "25,75", "417,46", "5.267,88", "4.732,12", "493,80", "5.761,68"},
    {"28/02/2027", "443,21", "23,66", "419,55", "5.687,42", "4.312,58", "517,46", "6.204,89"},
    {"31/03/2027", "443,21", "21,56", "421,64", "6.109,07", "3.890,93", "539,03", "6.648,09"},
    {"30/04/2027", "443,21", "19,45", "423,75", "6.532,82", "3.467,18", "558,48", "7.091,30"},
    {"31/05/2027", "443,21", "17,34", "425,87", "6.958,69", "3.041,31", "575,82", "7.534,50"},
    {"30/06/2027", "443,21", "15,21", "428,00", "7.386,69", "2.613,31", "591,02", "7.977,71"},
    {"31/07/2027", "443,21", "13,07", "430,14", "7.816,83", "2.183,17", "604,09", "8.420,92"},
    {"31/08/2027", "443,21", "10,92", "432,29", "8.249,12", "1.750,88", "615,01", "8.864,12"},
    {"30/09/2027", "443,21", "8,75", "434,45", "8.683,57", "1.316,43", "623,76", "9.307,33"},
    {"31/10/2027", "443,21", "6,58", "436,62", "9.120,19", "879,81", "630,34", "9.750,53"},
    {"30/11/2027", "443,21", "4,40", "438,81", "9.559,00", "441,00", "634,74", "10.193,74"},
    {"31/12/2027", "443,21", "2,21", "441,00", "10.000,00", "0,00", "636,95", "10.636,95"},
};

void LlenarCuadro(TAttributeGrid& g) {
    const QStringList titulos = {QStringLiteral("Nº"),        QStringLiteral("Fecha"),    QStringLiteral("Cuota"),
                                 QStringLiteral("Interés"),   QStringLiteral("Amortiz."), QStringLiteral("Amortizado"),
                                 QStringLiteral("Pendiente"), QStringLiteral("Int. Acum."), QStringLiteral("Pagado")};
    const int periodos = int(std::size(kFilas));
    g.SetRowCount(periodos + 1);
    for (int c = 0; c < titulos.size(); ++c)
        g.SetCells(c, 0, titulos[c]);
    for (int p = 1; p <= periodos; ++p) {
        g.SetCells(0, p, QString::number(p));
        for (int c = 1; c < titulos.size(); ++c)
            g.SetCells(c, p, QString::fromUtf8(kFilas[p - 1][c - 1]));
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
