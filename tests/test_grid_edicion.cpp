// Editing in the attribute grid: next-cell orders, the before, after and
// cancel notifications, Enter, Escape, Tab, typed characters and focus.
#include "prueba_comun.h"

#include "widgets/grid/attribute_grid.h"
#include "widgets/grid/cell_editor.h"

#include <QLineEdit>

namespace {

// A shown, focused editing grid of 4 x 4 cells, one fixed column and row,
// that records its notifications.
struct Edicion {
    QWidget ventana;
    TAttributeGrid g{&ventana};
    QLineEdit otro{&ventana};
    QStringList avisos;
    Edicion() {
        g.SetColCount(4);
        g.SetRowCount(4);
        g.SetOptions(g.Options() | goEditing | goTabs);
        g.setGeometry(0, 0, 400, 200);
        otro.setGeometry(0, 210, 100, 20);
        g.OnBeforeEdit = [this](TAttributeGrid&, int c, int r) { avisos << QStringLiteral("antes %1,%2").arg(c).arg(r); };
        g.OnAfterEdit = [this](TAttributeGrid&, int c, int r) { avisos << QStringLiteral("despues %1,%2").arg(c).arg(r); };
        g.OnCancelEdit = [this](TAttributeGrid&, int c, int r) { avisos << QStringLiteral("cancela %1,%2").arg(c).arg(r); };
        ventana.resize(420, 240);
        ventana.show();
        ventana.activateWindow();
        g.setFocus();
    }
    QLineEdit* Editor() const { return g.InplaceEditor(); }
    bool EditorVisible() const { return Editor() && Editor()->isVisible(); }
};

}  // namespace

class TestGridEdicion : public QObject {
    Q_OBJECT
private slots:
    void siguienteCelda_data() {
        QTest::addColumn<int>("direccion");
        QTest::addColumn<int>("regla");
        QTest::addColumn<QPoint>("desde");
        QTest::addColumn<QPoint>("hasta");
        QTest::addColumn<QSize>("cuentas");   // columns and rows afterwards
        const QSize igual(4, 4);
        QTest::newRow("derecha") << int(nc_rightdown) << int(lc_stop) << QPoint(1, 1) << QPoint(2, 1) << igual;
        QTest::newRow("derecha salta de fila") << int(nc_rightdown) << int(lc_stop) << QPoint(3, 1) << QPoint(1, 2) << igual;
        QTest::newRow("derecha al final para") << int(nc_rightdown) << int(lc_stop) << QPoint(3, 3) << QPoint(-1, -1) << igual;
        QTest::newRow("derecha al final vuelve") << int(nc_rightdown) << int(lc_first) << QPoint(3, 3) << QPoint(1, 1) << igual;
        QTest::newRow("derecha al final anade fila") << int(nc_rightdown) << int(lc_newcolrow) << QPoint(3, 3) << QPoint(1, 4) << QSize(4, 5);
        QTest::newRow("abajo salta de columna") << int(nc_downright) << int(lc_stop) << QPoint(1, 3) << QPoint(2, 1) << igual;
        QTest::newRow("abajo al final anade columna") << int(nc_downright) << int(lc_newcolrow) << QPoint(3, 3) << QPoint(4, 1) << QSize(5, 4);
        QTest::newRow("izquierda baja") << int(nc_leftdown) << int(lc_stop) << QPoint(1, 1) << QPoint(3, 2) << igual;
        QTest::newRow("izquierda al final vuelve") << int(nc_leftdown) << int(lc_first) << QPoint(1, 3) << QPoint(3, 1) << igual;
        QTest::newRow("abajo izquierda inserta delante") << int(nc_downleft) << int(lc_newcolrow) << QPoint(1, 3) << QPoint(1, 1) << QSize(5, 4);
        QTest::newRow("izquierda arriba") << int(nc_leftup) << int(lc_stop) << QPoint(1, 3) << QPoint(3, 2) << igual;
        QTest::newRow("izquierda arriba vuelve") << int(nc_leftup) << int(lc_first) << QPoint(1, 1) << QPoint(3, 3) << igual;
        QTest::newRow("izquierda arriba inserta") << int(nc_leftup) << int(lc_newcolrow) << QPoint(1, 1) << QPoint(3, 1) << QSize(4, 5);
        QTest::newRow("arriba izquierda") << int(nc_upleft) << int(lc_stop) << QPoint(2, 1) << QPoint(1, 3) << igual;
        QTest::newRow("arriba izquierda inserta") << int(nc_upleft) << int(lc_newcolrow) << QPoint(1, 1) << QPoint(1, 3) << QSize(5, 4);
        QTest::newRow("derecha arriba") << int(nc_rightup) << int(lc_stop) << QPoint(3, 2) << QPoint(1, 1) << igual;
        QTest::newRow("derecha arriba vuelve") << int(nc_rightup) << int(lc_first) << QPoint(3, 1) << QPoint(1, 3) << igual;
        QTest::newRow("derecha arriba inserta") << int(nc_rightup) << int(lc_newcolrow) << QPoint(3, 1) << QPoint(1, 1) << QSize(4, 5);
        QTest::newRow("arriba derecha") << int(nc_upright) << int(lc_stop) << QPoint(1, 1) << QPoint(2, 3) << igual;
        QTest::newRow("arriba derecha inserta") << int(nc_upright) << int(lc_newcolrow) << QPoint(3, 1) << QPoint(4, 3) << QSize(5, 4);
    }
    void siguienteCelda() {
        QFETCH(int, direccion);
        QFETCH(int, regla);
        QFETCH(QPoint, desde);
        QFETCH(QPoint, hasta);
        QFETCH(QSize, cuentas);
        TAttributeGrid g;
        g.SetColCount(4);
        g.SetRowCount(4);
        g.SetCells(1, 1, QStringLiteral("primera"));
        int c = desde.x(), r = desde.y();
        g.NextCell(T_nextcell(direccion), t_lastcell(regla), c, r);
        QCOMPARE(QPoint(c, r), hasta);
        QCOMPARE(QSize(g.ColCount(), g.RowCount()), cuentas);
        if (cuentas != igualTamano())
            QVERIFY(g.Cells(c, r).isEmpty());   // the first cell of the new line
    }

    void siguienteEditableTieneLimite() {
        TAttributeGrid g;
        g.SetColCount(4);
        g.SetRowCount(4);
        g.SetEditable(false);
        int c = 3, r = 3;
        g.NextEditableCell(c, r);
        QCOMPARE(QPoint(c, r), QPoint(-1, -1));
        QCOMPARE(g.RowCount(), 5);   // one new row tried, no more

        g.AfterLastCellEdit = lc_first;
        g.Attributes().EditCellList.Put(2, 2, true);
        c = 3, r = 3;
        g.NextEditableCell(c, r);
        QCOMPARE(QPoint(c, r), QPoint(2, 2));
    }

    void enterAvisaYSigueALaSiguiente() {
        Edicion e;
        QVERIFY(QTest::qWaitForWindowActive(&e.ventana));
        e.g.AutoEditNextCell = true;
        e.g.FocusCell(2, 3, true);
        QTest::keyClicks(&e.g, QStringLiteral("x"));
        QVERIFY(e.EditorVisible());
        QCOMPARE(e.avisos, QStringList{QStringLiteral("antes 2,3")});
        QVERIFY(e.g.InEdit());
        QTest::keyClicks(e.Editor(), QStringLiteral("y"));
        QTest::keyClick(e.Editor(), Qt::Key_Return);
        QCOMPARE(e.avisos.size(), 1);   // the after notice is posted
        QTRY_COMPARE(e.avisos, (QStringList{QStringLiteral("antes 2,3"), QStringLiteral("despues 2,3"),
                                            QStringLiteral("antes 3,3")}));
        QCOMPARE(e.g.Cells(2, 3), QStringLiteral("xy"));
        QCOMPARE(QPoint(e.g.Col(), e.g.Row()), QPoint(3, 3));
        QVERIFY(e.EditorVisible());

        // The last cell: a new row, its first cell edited.
        QTest::keyClick(e.Editor(), Qt::Key_Return);
        QTRY_COMPARE(e.avisos.size(), 5);
        QCOMPARE(e.avisos.mid(3), (QStringList{QStringLiteral("despues 3,3"), QStringLiteral("antes 1,4")}));
        QCOMPARE(e.g.RowCount(), 5);
        QCOMPARE(QPoint(e.g.Col(), e.g.Row()), QPoint(1, 4));
        QVERIFY(e.EditorVisible());
    }

    void escapeDevuelveElTexto() {
        Edicion e;
        QVERIFY(QTest::qWaitForWindowActive(&e.ventana));
        e.g.SetCells(2, 2, QStringLiteral("original"));
        e.g.FocusCell(2, 2, true);
        QTest::keyClick(&e.g, Qt::Key_F2);
        QVERIFY(e.EditorVisible());
        QCOMPARE(e.Editor()->text(), QStringLiteral("original"));
        QTest::keyClicks(e.Editor(), QStringLiteral("zz"));
        QTest::keyClick(e.Editor(), Qt::Key_Escape);
        QVERIFY(!e.EditorVisible());
        QCOMPARE(e.g.Cells(2, 2), QStringLiteral("original"));
        QTRY_COMPARE(e.avisos, (QStringList{QStringLiteral("antes 2,2"), QStringLiteral("cancela 2,2")}));
        QVERIFY(!e.g.InEdit());

        // Editing another cell later tells that the old binding is left.
        e.g.FocusCell(3, 2, true);
        QTest::keyClick(&e.g, Qt::Key_F2);
        QTRY_COMPARE(e.avisos.mid(2), (QStringList{QStringLiteral("antes 3,2"), QStringLiteral("despues 2,2")}));
    }

    void alineacionDelEditor() {
        Edicion e;
        QVERIFY(QTest::qWaitForWindowActive(&e.ventana));
        e.g.Attributes().AlignColList.Put(2, alRight);
        e.g.FocusCell(2, 1, true);
        QTest::keyClick(&e.g, Qt::Key_F2);
        auto* editor = qobject_cast<TCellEditor*>(e.Editor());
        QVERIFY(editor);
        QCOMPARE(editor->Alignment(), alRight);
        QVERIFY(editor->alignment() & Qt::AlignRight);
    }

    void tabulador_data() {
        QTest::addColumn<bool>("mayusculas");
        QTest::addColumn<QPoint>("desde");
        QTest::addColumn<QPoint>("hasta");
        QTest::newRow("tab") << false << QPoint(3, 1) << QPoint(1, 2);
        QTest::newRow("mayusculas tab va a la izquierda y arriba") << true << QPoint(1, 2) << QPoint(3, 1);
        QTest::newRow("mayusculas tab vuelve al final") << true << QPoint(1, 1) << QPoint(3, 3);
        QTest::newRow("tab vuelve al principio") << false << QPoint(3, 3) << QPoint(1, 1);
    }
    void tabulador() {
        QFETCH(bool, mayusculas);
        QFETCH(QPoint, desde);
        QFETCH(QPoint, hasta);
        Edicion e;
        QVERIFY(QTest::qWaitForWindowActive(&e.ventana));
        e.g.FocusCell(desde.x(), desde.y(), true);
        QTest::keyClick(&e.g, Qt::Key_Tab, mayusculas ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QPoint(e.g.Col(), e.g.Row()), hasta);
        QVERIFY(e.g.hasFocus());
    }

    void tabSinOtraParadaNoSeMueve() {
        Edicion e;
        e.g.SetTabStops(1, false);
        e.g.SetTabStops(3, false);
        e.g.FocusCell(2, 2, true);
        QTest::keyClick(&e.g, Qt::Key_Tab);
        QCOMPARE(QPoint(e.g.Col(), e.g.Row()), QPoint(2, 3));
        e.g.SetTabStops(2, false);
        QTest::keyClick(&e.g, Qt::Key_Tab);
        QCOMPARE(QPoint(e.g.Col(), e.g.Row()), QPoint(2, 3));
    }

    void caracterEnCeldaNoEditableLlegaAlEvento() {
        Edicion e;
        QVERIFY(QTest::qWaitForWindowActive(&e.ventana));
        e.g.Attributes().EditColList.Put(2, false);
        QString recibido;
        e.g.OnKeyPress = [&](TCustomGrid&, QChar& ch) { recibido += ch; };
        e.g.FocusCell(2, 1, true);
        QTest::keyClicks(&e.g, QStringLiteral("a"));
        QCOMPARE(recibido, QStringLiteral("a"));
        QVERIFY(!e.EditorVisible());
        QVERIFY(e.avisos.isEmpty());
        e.g.FocusCell(3, 1, true);
        QTest::keyClicks(&e.g, QStringLiteral("b"));
        QVERIFY(e.EditorVisible());
        QCOMPARE(e.Editor()->text(), QStringLiteral("b"));
    }

    void perderElFocoGuardaYAvisaEnElActo() {
        Edicion e;
        QVERIFY(QTest::qWaitForWindowActive(&e.ventana));
        e.g.SetOptions(e.g.Options() | goAlwaysShowEditor);
        e.g.FocusCell(1, 2, true);
        QTest::keyClicks(&e.g, QStringLiteral("q"));
        QVERIFY(e.EditorVisible());
        e.otro.setFocus();
        QCOMPARE(e.avisos, (QStringList{QStringLiteral("antes 1,2"), QStringLiteral("despues 1,2")}));
        QCOMPARE(e.g.Cells(1, 2), QStringLiteral("q"));
        QVERIFY(!e.EditorVisible());
        QVERIFY(e.g.ReshowEditor());
        e.g.setFocus();
        QTRY_VERIFY(e.EditorVisible());
    }

private:
    static QSize igualTamano() { return QSize(4, 4); }
};

ZZ_TEST_MAIN(TestGridEdicion)
#include "test_grid_edicion.moc"
