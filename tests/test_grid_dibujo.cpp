// The attribute grid's cell drawing, cell hints, size notifications and the
// default compare handlers.
#include "prueba_comun.h"

#include "widgets/grid/attribute_grid.h"
#include "widgets/grid/grid_colors.h"

#include <QPainter>
#include <QToolTip>

namespace {

// A grid of three wide columns, one fixed row, black text on white.
struct Lienzo {
    TAttributeGrid g;
    QImage imagen;
    Lienzo() {
        g.SetColCount(3);
        g.SetRowCount(4);
        g.SetFixedCols(0);
        g.SetFixedRows(1);
        g.SetDefaultRowHeight(60);
        g.SetColWidths(1, 120);
        g.SetColor(clWhite);
        g.Font().SetColor(clBlack);
        g.resize(400, 300);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.FocusCell(0, 3, true);   // the focus frame away from the cells under test
    }
    void Pintar() {
        imagen = QImage(g.viewport()->size(), QImage::Format_RGB32);
        imagen.fill(Qt::magenta);
        QPainter p(&imagen);
        g.PaintGrid(p, imagen.rect());
        if (qEnvironmentVariableIsSet("ZZ_GUARDAR_IMAGEN"))
            imagen.save(QStringLiteral("/tmp/grid_%1.png").arg(QLatin1String(QTest::currentTestFunction())));
    }
    // The box of the dark (text) pixels within a band; grid lines are light.
    QRect Tinta(const QRect& banda) const {
        QRect caja;
        for (int y = banda.top(); y <= banda.bottom(); ++y)
            for (int x = banda.left(); x <= banda.right(); ++x)
                if (qGray(imagen.pixel(x, y)) < 128)
                    caja |= QRect(x, y, 1, 1);
        return caja;
    }
};

}  // namespace

class TestGridDibujo : public QObject {
    Q_OBJECT
private slots:
    void dosLineasAlineadasALaDerecha() {
        Lienzo l;
        l.g.Attributes().AlignColList.Put(1, alRight);
        l.g.SetCells(1, 1, QStringLiteral("88\r\n8"));
        l.Pintar();
        const QRect celda = l.g.CellRect(1, 1);
        const int alto = QFontMetrics(l.g.Font().QtFont()).height();
        const QRect primera = l.Tinta(QRect(celda.left(), celda.top() + 2, celda.width(), alto));
        const QRect segunda = l.Tinta(QRect(celda.left(), celda.top() + 2 + alto, celda.width(), alto));
        QVERIFY(!primera.isEmpty() && !segunda.isEmpty());
        // Both flush right, 2 pixels in (give or take the glyph's bearing).
        QVERIFY2(qAbs(primera.right() - (celda.right() - 2)) <= 2, qPrintable(QString::number(primera.right())));
        QVERIFY(qAbs(segunda.right() - primera.right()) <= 1);
        QVERIFY(segunda.width() < primera.width());
        QVERIFY(segunda.top() >= primera.bottom());
    }

    void retornoFinalAnadeUnaLineaVacia() {
        Lienzo l;
        l.g.SetCells(1, 1, QStringLiteral("8\r"));
        l.Pintar();
        const QRect celda = l.g.CellRect(1, 1);
        const int alto = QFontMetrics(l.g.Font().QtFont()).height();
        QVERIFY(!l.Tinta(QRect(celda.left(), celda.top(), celda.width(), alto + 2)).isEmpty());
        QVERIFY(l.Tinta(QRect(celda.left(), celda.top() + 2 + alto, celda.width(), celda.height() - alto - 2)).isEmpty());
    }

    void lineaCentradaMasAnchaSeRecortaPorLosDosLados() {
        Lienzo l;
        l.g.SetColWidths(1, 30);
        l.g.Attributes().AlignColList.Put(1, alCenter);
        l.g.SetCells(1, 1, QStringLiteral("MMMMMMMMMMMM"));
        l.Pintar();
        const QRect celda = l.g.CellRect(1, 1);
        const QRect tinta = l.Tinta(QRect(0, celda.top(), l.imagen.width(), celda.height()));
        QCOMPARE(tinta.left(), celda.left());
        QCOMPARE(tinta.right(), celda.right());
        // Nothing spills into the neighbours.
        QVERIFY(l.Tinta(QRect(celda.left() - 10, celda.top() + 1, 9, celda.height() - 2)).isEmpty());
        QVERIFY(l.Tinta(QRect(celda.right() + 2, celda.top() + 1, 9, celda.height() - 2)).isEmpty());
    }

    // A figure wider than its cell is drawn as an ellipsis, never as its
    // right-hand digits, and the cell's hint gives it whole (before the
    // cell's own hint, if it has one). A cell that fits shows its own hint.
    void cifraQueNoCabeMuestraPuntosSuspensivos() {
        Lienzo l;
        l.g.SetColWidths(1, 40);
        l.g.Attributes().AlignColList.Put(1, alRight);
        l.g.SetCells(1, 1, QStringLiteral("1.737.572,84"));
        l.g.SetCells(1, 2, QStringLiteral("1000000"));
        l.g.SetCells(1, 3, QStringLiteral("8"));
        l.g.Attributes().HintCellList.Put(1, 2, QStringLiteral("pista"));
        l.g.Attributes().HintCellList.Put(1, 3, QStringLiteral("pista"));
        l.Pintar();
        const QFontMetrics fm(l.g.Font().QtFont());
        const int puntos = fm.horizontalAdvance(QStringLiteral("\u2026"));
        for (int r : {1, 2}) {
            const QRect celda = l.g.CellRect(1, r);
            const QRect tinta = l.Tinta(celda.adjusted(1, 1, -1, -1));
            QVERIFY2(!tinta.isEmpty() && tinta.width() <= puntos, qPrintable(QString::number(tinta.width())));
            QVERIFY(qAbs(tinta.right() - (celda.right() - 2)) <= 2);
        }

        QWidget* v = l.g.viewport();
        auto ayuda = [&](int r) {
            const QPoint p = l.g.CellRect(1, r).center();
            QHelpEvent e(QEvent::ToolTip, p, v->mapToGlobal(p));
            QApplication::sendEvent(v, &e);
        };
        const QStringList esperadas{QStringLiteral("1.737.572,84"), QStringLiteral("1000000\npista"),
                                    QStringLiteral("pista")};
        for (int r = 1; r <= 3; ++r) {
            ayuda(r);
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), esperadas[r - 1]);
        }
        QToolTip::hideText();
    }

    void alineacionFueraDeRangoYTextoVacio() {
        Lienzo l;
        l.g.Attributes().AlignCellList.Put(1, 2, 7);
        l.g.SetCells(1, 2, QStringLiteral("8"));
        l.Pintar();
        const QRect celda = l.g.CellRect(1, 2);
        const QRect tinta = l.Tinta(celda.adjusted(0, 0, -1, -1));
        QVERIFY(qAbs(tinta.left() - (celda.left() + 2)) <= 2);
        QVERIFY(l.Tinta(l.g.CellRect(1, 3).adjusted(0, 0, -1, -1)).isEmpty());
    }

    void fuenteYBrochaDeColumna() {
        Lienzo l;
        l.g.ColorCol(2, 0x00FF00);
        l.g.FontCol(2).SetColor(clRed);
        l.g.SetCells(2, 1, QStringLiteral("8888"));
        l.g.SetCells(2, 0, QStringLiteral("8888"));
        l.Pintar();
        const QRect celda = l.g.CellRect(2, 1);
        QCOMPARE(l.imagen.pixelColor(celda.bottomRight() - QPoint(1, 1)), QColor(0, 255, 0));
        bool rojo = false;
        for (int x = celda.left(); x < celda.right(); ++x)
            for (int y = celda.top(); y < celda.top() + 20; ++y)
                rojo |= l.imagen.pixelColor(x, y).red() > 200 && l.imagen.pixelColor(x, y).green() < 80;
        QVERIFY(rojo);
        // The title cell keeps the fixed brush.
        const QRect titulo = l.g.CellRect(2, 0);
        QCOMPARE(l.imagen.pixelColor(titulo.bottomRight() - QPoint(1, 1)), ColorToQColor(clBtnFace));
    }

    void coloresDeSeleccion_data() {
        QTest::addColumn<bool>("dibujarSeleccion");
        QTest::newRow("con seleccion") << true;
        QTest::newRow("sin seleccion") << false;
    }
    void coloresDeSeleccion() {
        QFETCH(bool, dibujarSeleccion);
        Lienzo l;
        l.g.SetOptions(l.g.Options() | goRowSelect);
        l.g.ColorCol(0, 0x00FF00);
        l.g.ColorCol(2, 0xFF0000);
        l.g.DrawSelection = dibujarSeleccion;
        l.g.FocusCell(1, 2, true);
        l.Pintar();
        for (int c = 0; c < 3; ++c) {
            const QColor fondo = l.imagen.pixelColor(l.g.CellRect(c, 2).bottomRight() - QPoint(2, 2));
            const QColor normal = ColorToQColor(c == 0 ? 0x00FF00 : c == 2 ? 0xFF0000 : clWhite);
            QCOMPARE(fondo, dibujarSeleccion ? ColorToQColor(clActiveCaption) : normal);
            QCOMPARE(l.imagen.pixelColor(l.g.CellRect(c, 3).bottomRight() - QPoint(2, 2)), normal);
        }
    }

    void pistasDeCelda() {
        TAttributeGrid g;
        g.SetColCount(4);
        g.SetRowCount(4);
        g.setToolTip(QStringLiteral("pista de la rejilla"));
        g.Attributes().HintCellList.Put(1, 1, QStringLiteral("pista de la celda"));
        g.resize(400, 200);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QWidget* v = g.viewport();
        auto ayuda = [&](int c, int r) {
            const QPoint p = g.CellRect(c, r).center();
            QHelpEvent e(QEvent::ToolTip, p, v->mapToGlobal(p));
            QApplication::sendEvent(v, &e);
        };
        ayuda(1, 1);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("pista de la celda"));
        QCOMPARE(g.LastHintCell(), QPoint(1, 1));
        QWidget* etiqueta = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible())
                etiqueta = w;
        QVERIFY(etiqueta);
        QCOMPARE(etiqueta->pos(), g.HintPosition(1, 1));
        QCOMPARE(g.HintPosition(1, 1), v->mapToGlobal(QPoint(g.CellRect(1, 1).left(), g.CellRect(1, 1).bottom() + 7)));

        const QPoint otra = g.CellRect(2, 1).center();
        QMouseEvent mover(QEvent::MouseMove, otra, v->mapToGlobal(otra), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(v, &mover);
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(g.LastHintCell(), QPoint(-1, -1));

        ayuda(2, 2);   // no cell hint: the grid's own hint is not shown either
        QTest::qWait(50);
        QVERIFY(!QToolTip::isVisible());

        g.ShowCellHints = false;   // then the grid's own hint is the ordinary tooltip
        ayuda(2, 2);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("pista de la rejilla"));
        QToolTip::hideText();
    }

    void avisosDeTamanos() {
        TAttributeGrid g;
        int anchos = 0, altos = 0;
        g.OnColWidthsChanged = [&](TAttributeGrid&) { ++anchos; };
        g.OnRowHeightsChanged = [&](TAttributeGrid&) { ++altos; };
        g.SetColWidths(1, 80);
        g.SetColWidths(1, 80);
        g.SetRowHeights(2, 30);
        QCOMPARE(anchos, 1);
        QCOMPARE(altos, 1);
    }

    void comparacionesPorDefecto_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("relacion");
        QTest::newRow("iguales") << "abc" << "abc" << int(rel_equal);
        QTest::newRow("mayor") << "abd" << "abc" << int(rel_greater);
        QTest::newRow("menor") << "ABC" << "abc" << int(rel_less);
        QTest::newRow("prefijo primero") << "ab" << "abc" << int(rel_less);
        QTest::newRow("vacio") << "" << "a" << int(rel_less);
        QTest::newRow("no ascii despues") << "é" << "z" << int(rel_greater);
    }
    void comparacionesPorDefecto() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, relacion);
        TAttributeGrid g;
        g.SetCells(2, 1, a);
        g.SetCells(2, 3, b);
        g.SetCells(1, 4, a);
        g.SetCells(3, 4, b);
        QCOMPARE(int(g.OnCompareCol(g, 2, 1, 3)), relacion);
        QCOMPARE(int(g.OnCompareRow(g, 4, 1, 3)), relacion);
    }
};

ZZ_TEST_MAIN(TestGridDibujo)
#include "test_grid_dibujo.moc"
