// The attribute grid's lists: effective attributes, fonts and brushes created
// on first use, and attributes that follow moved, inserted and deleted lines.
#include "prueba_comun.h"

#include "widgets/grid/attribute_grid.h"

#include <atomic>

// Counts the heap blocks requested while a test wants to know; operator new
// comes through malloc too.
namespace {
std::atomic<bool> contarReservas{false};
std::atomic<long> reservas{0};
}  // namespace

#if defined(__SANITIZE_ADDRESS__)
#define ZZ_CON_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZZ_CON_ASAN 1
#endif
#endif

#ifdef ZZ_CON_ASAN
// AddressSanitizer owns malloc and free: a malloc of our own would hand it
// blocks it never made. It reports every block it makes to a hook instead.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));
namespace {
[[maybe_unused]] const int ganchoReservas = __sanitizer_install_malloc_and_free_hooks(
    [](const volatile void*, size_t) {
        if (contarReservas)
            ++reservas;
    },
    [](const volatile void*) {});
}  // namespace
#else
extern "C" void* __libc_malloc(size_t);
extern "C" void* malloc(size_t n) {
    if (contarReservas)
        ++reservas;
    return __libc_malloc(n);
}
#endif

class TestGridAtributos : public QObject {
    Q_OBJECT

    // A grid with one fixed row and no fixed column, as the schedule window has.
    static void Preparar(TAttributeGrid& g, int cols = 9, int rows = 10) {
        g.SetColCount(cols);
        g.SetRowCount(rows);
        g.SetFixedCols(0);
        g.SetFixedRows(1);
    }

private slots:
    void rejillaNuevaDaLosValoresPorDefecto() {
        TAttributeGrid g;
        Preparar(g);
        for (int c : {-1, 0, 3, 500})
            for (int r : {-1, 0, 4, 70000}) {
                QCOMPARE(g.CellAlign(c, r), alLeft);
                QVERIFY(g.CellEditable(c, r));
                QCOMPARE(&g.CellFont(c, r), &g.Font());
                QCOMPARE(g.CellSelectedColor(c, r), clActiveCaption);
                QCOMPARE(g.CellSelectedFontColor(c, r), clWhite);
                QVERIFY(g.HintCell(c, r).isEmpty());
            }
        QCOMPARE(&g.CellBrush(2, 3), &g.Brush());
        QCOMPARE(&g.CellBrush(2, 0), &g.FixedBrush());
        QCOMPARE(g.CellColor(2, 3), clWindow);
        QCOMPARE(g.CellColor(2, 0), clBtnFace);
    }

    void alineacionPorNiveles_data() {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("esperada");
        QTest::newRow("la columna gana a la fila") << 2 << 5 << int(alRight);
        QTest::newRow("sin columna, la fila") << 3 << 5 << int(alCenter);
        QTest::newRow("fija: ni columna ni fila normales") << 2 << 0 << int(alLeft);
        QTest::newRow("fija con lista de columna fija") << 4 << 0 << int(alRight);
        QTest::newRow("la celda gana en celda normal") << 2 << 6 << int(alLeft);
        QTest::newRow("la celda gana en celda fija") << 6 << 0 << int(alCenter);
        QTest::newRow("byte fuera de rango es izquierda") << 7 << 3 << int(alLeft);
    }
    void alineacionPorNiveles() {
        QFETCH(int, c);
        QFETCH(int, r);
        QFETCH(int, esperada);
        TAttributeGrid g;
        Preparar(g);
        auto& a = g.Attributes();
        a.AlignColList.Put(2, alRight);
        a.AlignRowList.Put(5, alCenter);
        a.AlignRowList.Put(0, alCenter);   // row 0 is fixed: no effect
        a.FixedAlignColList.Put(4, alRight);
        a.AlignCellList.Put(2, 6, alLeft);
        a.AlignCellList.Put(6, 0, alCenter);
        a.AlignColList.Put(7, 9);
        QCOMPARE(int(g.CellAlign(c, r)), esperada);
    }

    void listasSinNivelFijoConsultanColumnaYFila() {
        TAttributeGrid g;
        Preparar(g);
        auto& a = g.Attributes();
        a.EditColList.Put(1, false);
        a.EditRowList.Put(0, false);
        a.SelectedColorRowList.Put(3, 0x123456);
        a.SelectedFontColorColList.Put(2, clRed);
        a.HintCellList.Put(1, 2, QStringLiteral("pista"));
        QVERIFY(!g.CellEditable(1, 0));
        QVERIFY(!g.CellEditable(1, 5));
        QVERIFY(!g.CellEditable(4, 0));
        QVERIFY(g.CellEditable(4, 5));
        QCOMPARE(g.CellSelectedColor(5, 3), TColor(0x123456));
        QCOMPARE(g.CellSelectedFontColor(2, 0), clRed);
        QCOMPARE(g.HintCell(1, 2), QStringLiteral("pista"));
        QVERIFY(g.HintCell(2, 1).isEmpty());
    }

    void fuenteDeColumnaSeCreaUnaVez() {
        TAttributeGrid g;
        Preparar(g);
        g.Font().SetName(QStringLiteral("Liberation Serif"));
        TGridFont& f = g.FontCol(4);
        QCOMPARE(&g.FontCol(4), &f);
        QCOMPARE(f.Name(), QStringLiteral("Liberation Serif"));
        QVERIFY(f.Modified());
        QCOMPARE(&g.CellFont(4, 3), &f);
        QCOMPARE(&g.CellFont(4, 0), &g.Font());   // the title cell keeps the grid's font
        QCOMPARE(&g.CellFont(3, 3), &g.Font());
    }

    void cambiarUnaFuenteRepinta() {
        TAttributeGrid g;
        Preparar(g);
        g.resize(300, 200);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        TGridFont& f = g.FontCol(2);
        int pintados = 0;
        g.OnDrawCell = [&](TCustomGrid&, int, int, const QRect&, TGridDrawState, QPainter&) { ++pintados; };
        QCoreApplication::processEvents();
        pintados = 0;
        f.SetColor(clNavy);
        QTRY_VERIFY(pintados > 0);
    }

    void fuenteConLosValoresDePartidaNoQuedaMarcada() {
        TGridFont f;
        QVERIFY(!f.Modified());
        TGridFont otra;
        f.Assign(otra);
        QVERIFY(!f.Modified());
        f.SetColor(f.Color());
        QVERIFY(!f.Modified());
        f.SetStyle(fsBold);
        QVERIFY(f.Modified());
    }

    void colorColConservaLaBrochaExistente() {
        TAttributeGrid g;
        Preparar(g);
        TGridBrush& b = g.BrushCol(1);
        b.SetStyle(bsClear);
        g.ColorCol(1, 0x00FF00);
        QCOMPARE(&g.BrushCol(1), &b);
        QCOMPARE(b.Color(), TColor(0x00FF00));
        QCOMPARE(b.Style(), int(bsSolid));
        QCOMPARE(g.CellColor(1, 4), TColor(0x00FF00));
        QCOMPARE(g.CellColor(1, 0), clBtnFace);   // heading cells use the fixed lists
    }

    void colorFijoCambiaLaBrochaFija() {
        TAttributeGrid g;
        g.SetFixedColor(0x0000FF);
        QCOMPARE(g.FixedColor(), TColor(0x0000FF));
        QCOMPARE(g.FixedBrush().Color(), TColor(0x0000FF));
    }

    void moverFilaLlevaSusAtributos() {
        TAttributeGrid g;
        Preparar(g);
        auto& a = g.Attributes();
        for (int r = 1; r <= 3; ++r) {
            a.AlignRowList.Put(r, quint8(r - 1));
            g.SetCells(0, r, QString::number(r));
            a.HintCellList.Put(5, r, QString::number(r));
        }
        TGridFont& fuente = g.FontRow(3);
        TGridBrush& brocha = g.BrushRow(3);
        g.MoveRow(3, 1);
        QCOMPARE(int(g.CellAlign(4, 1)), 2);
        QCOMPARE(int(g.CellAlign(4, 2)), 0);
        QCOMPARE(int(g.CellAlign(4, 3)), 1);
        QCOMPARE(&g.CellFont(4, 1), &fuente);
        QCOMPARE(&g.CellBrush(4, 1), &brocha);
        QCOMPARE(g.HintCell(5, 1), QStringLiteral("3"));
        QCOMPARE(g.HintCell(5, 3), QStringLiteral("2"));
        QCOMPARE(g.Cells(0, 1), QStringLiteral("3"));
        QCOMPARE(g.Cells(0, 2), QStringLiteral("1"));
        QCOMPARE(g.Cells(0, 3), QStringLiteral("2"));
    }

    void moverColumnaLlevaSusAtributosYSuAncho() {
        TAttributeGrid g;
        Preparar(g, 5, 4);
        g.Attributes().AlignColList.Put(0, alRight);
        g.Attributes().EditCellList.Put(0, 2, false);
        g.SetColWidths(0, 30);
        g.SetCells(0, 2, QStringLiteral("x"));
        g.MoveColumn(0, 3);
        QCOMPARE(g.CellAlign(3, 2), alRight);
        QCOMPARE(g.CellAlign(0, 2), alLeft);
        QVERIFY(!g.CellEditable(3, 2));
        QCOMPARE(g.ColWidths(3), 30);
        QCOMPARE(g.Cells(3, 2), QStringLiteral("x"));
    }

    void insertarLineas() {
        TAttributeGrid g;
        Preparar(g, 4, 5);
        g.Attributes().AlignRowList.Put(1, alRight);
        g.SetCells(2, 1, QStringLiteral("a"));
        g.SetRowHeights(1, 40);
        g.InsertRow(0);   // below the fixed row: becomes row 1
        QCOMPARE(g.RowCount(), 6);
        QVERIFY(g.Cells(2, 1).isEmpty());
        QCOMPARE(g.CellAlign(2, 1), alLeft);
        QCOMPARE(g.Cells(2, 2), QStringLiteral("a"));
        QCOMPARE(g.CellAlign(2, 2), alRight);
        QCOMPARE(g.RowHeights(1), 40);   // sizes stay with their positions

        g.SetCells(3, 2, QStringLiteral("b"));
        g.InsertColumn(g.ColCount());    // appends
        QCOMPARE(g.ColCount(), 5);
        QCOMPARE(g.Cells(3, 2), QStringLiteral("b"));
        QVERIFY(g.Cells(4, 2).isEmpty());
    }

    void insertarFilaAvisaDeCadaPaso() {
        TAttributeGrid g;
        Preparar(g, 3, 5);
        QList<QPair<int, int>> pasos;
        g.OnRowMoved = [&](TCustomGrid&, int a, int b) { pasos.append({a, b}); };
        g.InsertRow(2);
        QCOMPARE(pasos, (QList<QPair<int, int>>{{5, 4}, {4, 3}, {3, 2}}));
    }

    void encogerYCrecerRecuperaAtributos() {
        TAttributeGrid g;
        Preparar(g, 9, 10);
        for (int r = 5; r < 10; ++r)
            g.Attributes().AlignRowList.Put(r, alCenter);
        g.SetCells(1, 7, QStringLiteral("texto"));
        g.SetRowCount(5);
        g.SetRowCount(10);
        for (int r = 5; r < 10; ++r)
            QCOMPARE(g.CellAlign(1, r), alCenter);
        QVERIFY(g.Cells(1, 7).isEmpty());
    }

    void borrarFilaDejaSusAtributosAlFinal() {
        TAttributeGrid g;
        Preparar(g, 3, 6);
        g.Attributes().AlignRowList.Put(2, alRight);
        g.DeleteRow(2);
        QCOMPARE(g.RowCount(), 5);
        QCOMPARE(g.CellAlign(1, 2), alLeft);
        g.SetRowCount(6);
        QCOMPARE(g.CellAlign(1, 5), alRight);
    }

    void escribirEnIndiceNegativoEsErrorDeLista() {
        TAttributeGrid g;
        QVERIFY_THROWS_EXCEPTION(EListError, g.FontCol(-1));
        QVERIFY_THROWS_EXCEPTION(EListError, g.BrushCell(2, -3));
        try {
            g.Attributes().AlignColList.Put(-4, alRight);
            QFAIL("sin error");
        } catch (const EListError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("List index out of bounds (-4)"));
        }
    }

    void consultasNoReservanMemoria() {
        TAttributeGrid g;
        g.SetColCount(9);
        g.SetRowCount(30);
        g.SetFixedCols(0);
        auto& a = g.Attributes();
        a.AlignCellList.Put(1, 0, alCenter);
        a.AlignColList.Put(2, alRight);
        a.EditRowList.Put(3, false);
        a.HintCellList.Put(4, 4, QStringLiteral("pista"));
        a.SelectedColorColList.Put(5, clRed);
        g.FontCol(6).SetColor(clNavy);
        g.BrushRow(7).SetColor(clRed);
        g.FontFixedRow(0);
        contarReservas = true;   // the counter itself sees an allocation
        const QString prueba = QString::number(123456789);
        contarReservas = false;
        QVERIFY(reservas > 0);

        long suma = 0;
        reservas = 0;
        contarReservas = true;
        for (int c = -1; c < 12; ++c)
            for (int r = -1; r < 40; ++r) {
                suma += g.CellAlign(c, r) + g.CellEditable(c, r) + g.IsFixedCell(c, r);
                suma += g.CellFont(c, r).Height() + int(g.CellBrush(c, r).Color() & 1) + int(g.CellColor(c, r) & 1);
                suma += int(g.CellSelectedColor(c, r) & 1) + int(g.CellSelectedFontColor(c, r) & 1);
                suma += g.HintCell(c, r).size();
            }
        contarReservas = false;
        QVERIFY(suma != 0);
        QCOMPARE(reservas.load(), 0L);
    }

    void listaMoverYExtender() {
        TByteList l;
        l.Put(1, 7);
        l.Move(1, 4);   // grows with absent entries up to the target
        QCOMPARE(l.Count(), 5);
        QVERIFY(!l.At(1));
        QCOMPARE(*l.At(4), quint8(7));
        l.Move(6, 0);   // moving an absent entry from beyond the end
        QCOMPARE(l.Count(), 7);
        QVERIFY(!l.At(0));
        QCOMPARE(*l.At(5), quint8(7));
        l.InsertAbsent(20);   // a list not reaching the index stays as it is
        QCOMPARE(l.Count(), 7);
    }
};

ZZ_TEST_MAIN(TestGridAtributos)
#include "test_grid_atributos.moc"
