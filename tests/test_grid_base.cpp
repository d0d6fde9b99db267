// The base grid and the string grid: geometry, scrolling, keyboard and mouse
// navigation, selection, sizing and moving lines, and the compact texts.
#include "prueba_comun.h"

#include "widgets/grid/string_grid.h"

#include <QPainter>
#include <QScrollBar>

namespace {

// A shown grid with a known viewport.
struct Rejilla {
    TStringGrid g;
    Rejilla(int cols, int rows) {
        g.SetColCount(cols);
        g.SetRowCount(rows);
        g.resize(400, 300);
        g.show();
        g.setFocus();
    }
};

}  // namespace

class TestGridBase : public QObject {
    Q_OBJECT
private slots:
    void geometriaDeCeldas() {
        Rejilla t(10, 100);
        TStringGrid& g = t.g;
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.CellRect(1, 1), QRect(65, 25, 64, 24));
        QCOMPARE(g.CellRect(0, 0), QRect(0, 0, 64, 24));
        int c = -2, r = -2;
        g.MouseToCell(70, 30, c, r);
        QCOMPARE(QPoint(c, r), QPoint(1, 1));
        g.MouseToCell(64, 30, c, r);   // the line belongs to the cell on its left
        QCOMPARE(QPoint(c, r), QPoint(0, 1));
        g.MouseToCell(-1, 30, c, r);
        QCOMPARE(QPoint(c, r), QPoint(-1, -1));

        g.SetTopRow(40);
        QCOMPARE(g.TopRow(), 40);
        QVERIFY(g.CellRect(1, 1).isEmpty());
        QCOMPARE(g.CellRect(1, 40), QRect(65, 25, 64, 24));
        QCOMPARE(g.CellRect(1, 0), QRect(65, 0, 64, 24));   // the fixed row stays
        g.MouseToCell(70, 30, c, r);
        QCOMPARE(QPoint(c, r), QPoint(1, 40));
        QCOMPARE(g.verticalScrollBar()->value(), 39);

        g.SetRowHeights(41, 50);
        QCOMPARE(g.CellRect(1, 42).top(), 25 + 25 + 51);
        QCOMPARE(g.RowHeights(99), 24);
    }

    void navegacionConTeclado_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<int>("modificadores");
        QTest::addColumn<QPoint>("desde");
        QTest::addColumn<QPoint>("hasta");
        const int ninguno = Qt::NoModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("abajo") << int(Qt::Key_Down) << ninguno << QPoint(2, 2) << QPoint(2, 3);
        QTest::newRow("arriba en la primera fila") << int(Qt::Key_Up) << ninguno << QPoint(2, 1) << QPoint(2, 1);
        QTest::newRow("izquierda hasta la fija") << int(Qt::Key_Left) << ninguno << QPoint(1, 5) << QPoint(1, 5);
        QTest::newRow("derecha") << int(Qt::Key_Right) << ninguno << QPoint(1, 5) << QPoint(2, 5);
        QTest::newRow("inicio") << int(Qt::Key_Home) << ninguno << QPoint(7, 5) << QPoint(1, 5);
        QTest::newRow("fin") << int(Qt::Key_End) << ninguno << QPoint(2, 5) << QPoint(9, 5);
        QTest::newRow("ctrl inicio") << int(Qt::Key_Home) << ctrl << QPoint(7, 50) << QPoint(1, 1);
        QTest::newRow("ctrl fin") << int(Qt::Key_End) << ctrl << QPoint(2, 5) << QPoint(9, 99);
        QTest::newRow("pagina abajo al final") << int(Qt::Key_PageDown) << ninguno << QPoint(2, 98) << QPoint(2, 99);
    }
    void navegacionConTeclado() {
        QFETCH(int, tecla);
        QFETCH(int, modificadores);
        QFETCH(QPoint, desde);
        QFETCH(QPoint, hasta);
        Rejilla t(10, 100);
        t.g.FocusCell(desde.x(), desde.y(), true);
        QTest::keyClick(&t.g, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
        QCOMPARE(QPoint(t.g.Col(), t.g.Row()), hasta);
        QVERIFY(!t.g.CellRect(hasta.x(), hasta.y()).isEmpty());   // scrolled into view
    }

    void paginaAbajoAvanzaLoVisible() {
        Rejilla t(3, 100);
        const int visibles = t.g.VisibleRowCount();
        QVERIFY(visibles > 3);
        QTest::keyClick(&t.g, Qt::Key_PageDown);
        QCOMPARE(t.g.Row(), 1 + visibles);
        QVERIFY(!t.g.CellRect(1, t.g.Row()).isEmpty());
    }

    void ultimaFilaQuedaEntera() {
        Rejilla t(3, 1048577);
        QTest::keyClick(&t.g, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(t.g.Row(), 1048576);
        const QRect celda = t.g.CellRect(2, 1048576);
        QVERIFY(!celda.isEmpty());
        QVERIFY(celda.bottom() < t.g.viewport()->height());
        QCOMPARE(t.g.verticalScrollBar()->value(), t.g.verticalScrollBar()->maximum());
    }

    void seleccionDeFilasYRangos() {
        Rejilla t(6, 20);
        TStringGrid& g = t.g;
        g.SetOptions(g.Options() | goRowSelect);
        g.FocusCell(3, 4, true);
        QCOMPARE(g.Selection(), (TGridRect{1, 4, 5, 4}));
        QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(g.Selection(), (TGridRect{1, 4, 5, 6}));
        QTest::keyClick(&g, Qt::Key_Up);
        QCOMPARE(g.Selection(), (TGridRect{1, 5, 5, 5}));
        g.SetOptions(g.Options() & ~goRangeSelect);
        QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(g.Selection(), (TGridRect{1, 6, 5, 6}));
    }

    void selectCellPuedeNegarse() {
        Rejilla t(5, 5);
        t.g.OnSelectCell = [](TCustomGrid&, int c, int r) { return !(c == 2 && r == 1); };
        QTest::keyClick(&t.g, Qt::Key_Right);
        QCOMPARE(QPoint(t.g.Col(), t.g.Row()), QPoint(1, 1));
        QTest::keyClick(&t.g, Qt::Key_Down);
        QCOMPARE(QPoint(t.g.Col(), t.g.Row()), QPoint(1, 2));
    }

    void ratonSeleccionaYArrastraRango() {
        Rejilla t(6, 10);
        TStringGrid& g = t.g;
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        int clics = 0;
        g.OnClick = [&](TCustomGrid&) { ++clics; };
        QWidget* v = g.viewport();
        const QPoint a = g.CellRect(2, 2).center();
        const QPoint b = g.CellRect(4, 3).center();
        QTest::mousePress(v, Qt::LeftButton, {}, a);
        QMouseEvent mover(QEvent::MouseMove, b, v->mapToGlobal(b), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(v, &mover);
        QTest::mouseRelease(v, Qt::LeftButton, {}, b);
        QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(4, 3));
        QCOMPARE(g.Selection(), (TGridRect{2, 2, 4, 3}));
        QCOMPARE(clics, 1);
        QTest::mouseClick(v, Qt::LeftButton, {}, g.CellRect(0, 0).center());   // fixed: nothing
        QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(4, 3));
    }

    void anchoDeColumnaArrastrandoElBorde() {
        Rejilla t(6, 10);
        TStringGrid& g = t.g;
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QWidget* v = g.viewport();
        const QPoint borde(g.CellRect(1, 0).right() + 1, 10);
        // Without the option the border does nothing.
        QTest::mousePress(v, Qt::LeftButton, {}, borde);
        QTest::mouseRelease(v, Qt::LeftButton, {}, borde + QPoint(30, 0));
        QCOMPARE(g.ColWidths(1), 64);
        g.SetOptions(g.Options() | goColSizing);
        QTest::mousePress(v, Qt::LeftButton, {}, borde);
        QMouseEvent mover(QEvent::MouseMove, borde + QPoint(30, 0), v->mapToGlobal(borde + QPoint(30, 0)),
                          Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(v, &mover);
        QTest::mouseRelease(v, Qt::LeftButton, {}, borde + QPoint(30, 0));
        QCOMPARE(g.ColWidths(1), 94);
        QCOMPARE(g.ColWidths(2), 64);
    }

    void moverColumnaArrastrandoElTitulo() {
        Rejilla t(6, 4);
        TStringGrid& g = t.g;
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.SetOptions(g.Options() | goColMoving);
        g.SetCells(1, 0, QStringLiteral("uno"));
        g.SetCells(1, 2, QStringLiteral("dato"));
        QWidget* v = g.viewport();
        QTest::mousePress(v, Qt::LeftButton, {}, g.CellRect(1, 0).center());
        QTest::mouseRelease(v, Qt::LeftButton, {}, g.CellRect(3, 0).center());
        QCOMPARE(g.Cells(3, 0), QStringLiteral("uno"));
        QCOMPARE(g.Cells(3, 2), QStringLiteral("dato"));
        QVERIFY(g.Cells(1, 2).isEmpty());
    }

    void borrarLineasYSeguirLaCeldaActual() {
        TStringGrid g;
        g.SetColCount(4);
        g.SetRowCount(6);
        for (int r = 0; r < 6; ++r)
            g.SetCells(1, r, QString::number(r));
        g.FocusCell(1, 4, true);
        g.DeleteRow(2);
        QCOMPARE(g.RowCount(), 5);
        QCOMPARE(g.Cells(1, 2), QStringLiteral("3"));
        QCOMPARE(g.Cells(1, 4), QStringLiteral("5"));
        QCOMPARE(g.Row(), 3);   // still on the row that held "4"
        g.DeleteColumn(1);
        QCOMPARE(g.ColCount(), 3);
        QVERIFY(g.Cells(1, 2).isEmpty());
    }

    void textosCompactos_data() {
        QTest::addColumn<QString>("texto");
        QTest::newRow("importe") << QStringLiteral("1.234.567,89");
        QTest::newRow("quince bytes") << QStringLiteral("123456789012345");
        QTest::newRow("dieciseis bytes") << QStringLiteral("1234567890123456");
        QTest::newRow("acentos") << QStringLiteral("Préstamo año");
        QTest::newRow("largo") << QString(300, QLatin1Char('x'));
        QTest::newRow("lineas") << QStringLiteral("uno\r\ndos");
        QTest::newRow("caracter nulo") << QString(QChar(0)) + QStringLiteral("a");
    }
    void textosCompactos() {
        QFETCH(QString, texto);
        TStringGrid g;
        g.SetColCount(3);
        g.SetRowCount(1000);
        g.SetCells(2, 999, texto);
        g.SetCells(1, 5, texto);
        QCOMPARE(g.Cells(2, 999), texto);
        QCOMPARE(g.Cells(1, 5), texto);
        g.MoveRow(5, 998);
        QCOMPARE(g.Cells(1, 998), texto);
        g.MoveColumn(2, 0);
        QCOMPARE(g.Cells(0, 999), texto);
        g.SetCells(0, 999, QStringLiteral("corto"));
        QCOMPARE(g.Cells(0, 999), QStringLiteral("corto"));
        g.SetCells(1, 998, QString());
        QVERIFY(g.Cells(1, 998).isEmpty());
    }

    void textosFueraDeLaRejillaYAlEncoger() {
        TStringGrid g;
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetCells(5, 1, QStringLiteral("fuera"));
        g.SetCells(1, -1, QStringLiteral("fuera"));
        QVERIFY(g.Cells(5, 1).isEmpty());
        g.SetCells(2, 2, QStringLiteral("dentro"));
        g.SetRowCount(2);
        g.SetRowCount(3);
        QVERIFY(g.Cells(2, 2).isEmpty());
        g.SetRowCount(2000000000);   // costs nothing until texts are written
        g.SetCells(1, 10, QStringLiteral("diez"));
        QCOMPARE(g.Cells(1, 10), QStringLiteral("diez"));
        QVERIFY(g.Cells(1, 1999999999).isEmpty());
    }

    // A text source answers every cell inside the grid that has no text of
    // its own, when read and when drawn; written texts still win.
    void fuenteDeTextos() {
        Rejilla t(3, 1000000);
        t.g.SetDefaultDrawing(true);
        t.g.SetCells(0, 0, QStringLiteral("título"));
        t.g.SetTextSource([](int c, int r) { return QStringLiteral("%1:%2").arg(c).arg(r); });
        QCOMPARE(t.g.Cells(0, 0), QStringLiteral("título"));
        QCOMPARE(t.g.Cells(2, 999999), QStringLiteral("2:999999"));
        QVERIFY(!t.g.Cells(1, 5).isEmpty());
        QVERIFY(t.g.Cells(3, 1).isEmpty());
        QVERIFY(t.g.Cells(0, 1000000).isEmpty());
        QVERIFY(t.g.Cells(-1, 0).isEmpty());
        t.g.SetCells(1, 5, QStringLiteral("propio"));
        QCOMPARE(t.g.Cells(1, 5), QStringLiteral("propio"));
        t.g.SetCells(1, 5, QString());
        QCOMPARE(t.g.Cells(1, 5), QStringLiteral("1:5"));
        // The drawn cell shows the source's text.
        t.g.SetTextSource([](int, int) { return QStringLiteral("MMMMMMMM"); });
        const QImage conTexto = t.g.viewport()->grab(t.g.CellRect(1, 2)).toImage();
        t.g.SetTextSource(nullptr);
        QVERIFY(t.g.Cells(1, 2).isEmpty());
        QVERIFY(t.g.viewport()->grab(t.g.CellRect(1, 2)).toImage() != conTexto);
    }

    void cuentasYLineasFijas() {
        TStringGrid g;
        g.SetColCount(0);
        QCOMPARE(g.ColCount(), 1);
        QCOMPARE(g.FixedCols(), 0);
        QVERIFY_THROWS_EXCEPTION(EGridError, g.SetFixedCols(1));
        QVERIFY_THROWS_EXCEPTION(EGridError, g.SetFixedRows(-1));
        // Shrinking keeps the current cell inside even when SelectCell refuses cells.
        g.SetColCount(5);
        g.SetRowCount(8);
        g.SetFixedCols(1);
        g.FocusCell(4, 7, true);
        g.OnSelectCell = [](TCustomGrid&, int, int) { return false; };
        g.SetRowCount(3);
        g.SetColCount(2);
        QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(1, 2));
        QCOMPARE(g.Selection(), (TGridRect{1, 2, 1, 2}));
        g.SetScrollBars(ssNone);
        QCOMPARE(g.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(g.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void sinDibujoPorDefectoSoloElEvento() {
        Rejilla t(3, 3);
        TStringGrid& g = t.g;
        g.SetDefaultDrawing(false);
        g.FocusCell(2, 2, true);
        QMap<QPair<int, int>, int> estados;
        g.OnDrawCell = [&](TCustomGrid&, int c, int r, const QRect& rect, TGridDrawState s, QPainter&) {
            QCOMPARE(rect, g.CellRect(c, r));
            estados[{c, r}] = s;
        };
        QImage imagen(g.viewport()->size(), QImage::Format_RGB32);
        QPainter p(&imagen);
        g.PaintGrid(p, imagen.rect());
        QCOMPARE(estados.size(), 9);
        QCOMPARE(estados[qMakePair(0, 1)], int(gdFixed));
        QCOMPARE(estados[qMakePair(1, 1)], 0);
        QVERIFY(estados[qMakePair(2, 2)] & gdSelected);
    }
};

ZZ_TEST_MAIN(TestGridBase)
#include "test_grid_base.moc"
