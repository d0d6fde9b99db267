// The layout text format and the attribute grid's layout properties: errors
// that name their place, round trips, and the schedule window's layout.
#include "prueba_comun.h"

#include "widgets/grid/attribute_grid.h"
#include "widgets/grid/layout_reader.h"
#include "widgets/grid/layout_writer.h"

namespace {

const QString Disposicion = QStringLiteral(":/layouts/GridDesarrollo.zly");

QByteArray Objeto(const QByteArray& cuerpo) {
    return "object G: TAttributeGrid\n" + cuerpo + "end\n";
}

void Cargar(TAttributeGrid& g, const QByteArray& cuerpo) {
    g.LoadLayout(ReadLayout(Objeto(cuerpo)));
}

QByteArray Guardar(const TAttributeGrid& g) {
    return WriteLayout(g.SaveLayout(QStringLiteral("G")));
}

const TLayoutValue* Propiedad(const TLayoutDocument& doc, const char* nombre) {
    const TLayoutProperty* p = doc.Find(QLatin1String(nombre));
    return p ? &p->value : nullptr;
}

}  // namespace

class TestGridDisposicion : public QObject {
    Q_OBJECT
private slots:
    void erroresDeLectura_data() {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<int>("linea");
        QTest::addColumn<int>("columna");
        QTest::addColumn<QString>("mensaje");
        const QByteArray cab = "object G: T\n";
        QTest::newRow("vacio") << QByteArray() << 1 << 1 << "se esperaba un nombre";
        QTest::newRow("sin end") << cab + "  X = 1\n" << 3 << 1 << "falta 'end'";
        QTest::newRow("texto sin cerrar") << cab + "  X = 'abc\nend\n" << 2 << 11 << "texto sin cerrar";
        QTest::newRow("cifra hexadecimal") << cab + "  X = {G0}\nend\n" << 2 << 8 << "hexadecimal";
        QTest::newRow("byte incompleto") << cab + "  X = {123}\nend\n" << 2 << 11 << "byte incompleto";
        QTest::newRow("entero enorme") << cab + "  X = 99999999999\nend\n" << 2 << 7 << "32 bits";
        QTest::newRow("letras tras un entero") << cab + "  X = 12ab\nend\n" << 2 << 9 << "tras un entero";
        QTest::newRow("lista sin cerrar") << cab + "  X = (1 2\nend" << 2 << 7 << "";
        QTest::newRow("conjunto sin coma") << cab + "  X = [a b]\nend\n" << 2 << 10 << "','";
        QTest::newRow("falta el igual") << cab + "  X 1\nend\n" << 2 << 5 << "'='";
        QTest::newRow("almohadilla sin codigo") << cab + "  X = #\nend\n" << 2 << 8 << "código";
        QTest::newRow("texto tras end") << cab + "end\nx" << 3 << 1 << "después de 'end'";
        QTest::newRow("byte no ascii") << QByteArray("\xff") << 1 << 1 << "byte 255";
        QTest::newRow("listas sin fin") << cab + "  X = " + QByteArray(100, '(') << 2 << 71 << "anidadas";
    }
    void erroresDeLectura() {
        QFETCH(QByteArray, texto);
        QFETCH(int, linea);
        QFETCH(int, columna);
        QFETCH(QString, mensaje);
        try {
            ReadLayout(texto);
            QFAIL("se leyó sin error");
        } catch (const ELayoutError& e) {
            const QString que = QString::fromUtf8(e.what());
            if (QTest::currentDataTag() == QByteArray("lista sin cerrar")) {
                QCOMPARE(e.Line(), 3);   // the end of the text, after the list's start at 2:7
                QVERIFY2(que.contains(QStringLiteral("lista sin cerrar")), qPrintable(que));
                return;
            }
            QCOMPARE(e.Line(), linea);
            QCOMPARE(e.Column(), columna);
            QVERIFY2(que.contains(QStringLiteral("línea %1, columna %2").arg(linea).arg(columna)), qPrintable(que));
            QVERIFY2(que.contains(mensaje), qPrintable(que));
        }
    }

    void idaYVueltaDeTodosLosValores() {
        TLayoutDocument doc;
        doc.objectName = QStringLiteral("Rejilla");
        doc.className = QStringLiteral("TAttributeGrid");
        std::vector<TLayoutValue> anidada{TLayoutValue::Int(-2147483647 - 1), TLayoutValue::ListOf({})};
        std::vector<TLayoutValue> lista{TLayoutValue::Int(0), TLayoutValue::Str(QStringLiteral("l'a\r\nb€\t")),
                                        TLayoutValue::Str(QString()), TLayoutValue::ListOf(anidada)};
        doc.properties = {
            {QStringLiteral("Entero"), TLayoutValue::Int(2147483647), 0, 0},
            {QStringLiteral("Texto"), TLayoutValue::Str(QStringLiteral("'comillas' y\x01raros")), 0, 0},
            {QStringLiteral("Nombre"), TLayoutValue::Ident(QStringLiteral("nc_upright")), 0, 0},
            {QStringLiteral("Conjunto"), TLayoutValue::SetOf({QStringLiteral("a"), QStringLiteral("b")}), 0, 0},
            {QStringLiteral("Vacio"), TLayoutValue::SetOf({}), 0, 0},
            {QStringLiteral("Lista"), TLayoutValue::ListOf(lista), 0, 0},
            {QStringLiteral("Bloque"), TLayoutValue::Bin(QByteArray(70, '\xA5')), 0, 0},
            {QStringLiteral("BloqueVacio"), TLayoutValue::Bin(QByteArray()), 0, 0},
        };
        const QByteArray uno = WriteLayout(doc);
        const TLayoutDocument leido = ReadLayout(uno);
        QCOMPARE(WriteLayout(leido), uno);
        QCOMPARE(leido.properties.size(), doc.properties.size());
        QCOMPARE(Propiedad(leido, "Texto")->text, doc.properties[1].value.text);
        QCOMPARE(Propiedad(leido, "Lista")->items[1].text, QStringLiteral("l'a\r\nb€\t"));
        QCOMPARE(Propiedad(leido, "Lista")->items[3].items[0].integer, -2147483647 - 1);
        QCOMPARE(Propiedad(leido, "Bloque")->bytes, QByteArray(70, '\xA5'));
    }

    void ejemploDelDesarrolloSeLeeEnLasListas() {
        TAttributeGrid g;
        g.LoadLayoutFile(Disposicion);
        const auto& a = g.Attributes();
        QCOMPARE(g.ColCount(), 9);
        QCOMPARE(g.FixedCols(), 0);
        QCOMPARE(g.FixedRows(), 1);
        QVERIFY(g.HasOption(goRowSelect));
        QVERIFY(g.HasOption(goColSizing));
        QCOMPARE(g.Color(), TColor(14935011));
        QCOMPARE(g.Font().Height(), -13);
        QCOMPARE(g.Font().Style(), quint8(fsBold));
        QCOMPARE(g.ColWidths(2), 91);
        for (int c = 0; c < 9; ++c) {
            QCOMPARE(*a.AlignCellList.At(c, 0), quint8(alCenter));
            QCOMPARE(g.CellAlign(c, 0), alCenter);
            QCOMPARE(g.CellAlign(c, 1), c < 2 ? alCenter : alRight);
        }
        QCOMPARE(*a.AlignRowList.At(0), quint8(alCenter));
        const TColor colores[] = {0, 128, 8388608, 8388608, 8388608, 0, 0, 255, 255};
        for (int c = 0; c < 9; ++c) {
            const TGridFont* f = a.FontColList.At(c);
            QCOMPARE(f != nullptr, c != 5 && c != 6);
            if (f) {
                QCOMPARE(f->Color(), colores[c]);
                QCOMPARE(f->Height(), -13);
                QCOMPARE(f->Name(), QStringLiteral("Arial"));
                QCOMPARE(f->Style(), quint8(fsBold));
                QVERIFY(f->Modified());
            }
        }
        const TColor fondos[] = {9539912, 14864790, 12317693, 12317693, 12317693, 10740934, 10740934, 12317693, 12317693};
        for (int c = 0; c < 9; ++c) {
            QCOMPARE(a.BrushColList.At(c)->Color(), fondos[c]);
            QCOMPARE(a.BrushColList.At(c)->Style(), int(bsSolid));
        }
        QVERIFY(a.Flags.AlignCell && a.Flags.AlignCol && a.Flags.AlignRow && a.Flags.FontCol && a.Flags.BrushCol);
        QVERIFY(!a.Flags.Cells && !a.Flags.HintCell && !a.Flags.FontRow);
    }

    void ejemploDelDesarrolloSeEscribeIgual() {
        TAttributeGrid g;
        g.LoadLayoutFile(Disposicion);
        const QByteArray escrito = Guardar(g);
        const TLayoutDocument doc = ReadLayout(escrito);
        QCOMPARE(Propiedad(doc, "AlignCell")->bytes.toHex(),
                 QByteArray("000000000201000000020200000002030000000204000000020500000002"
                            "060000000207000000020800000002"));
        QCOMPARE(Propiedad(doc, "AlignCol")->bytes.toHex(), QByteArray("000002010002020000030000040000050000060000070000080000"));
        QCOMPARE(Propiedad(doc, "AlignRow")->bytes.toHex(), QByteArray("000002"));
        // The style's meaningless high bits are not written back.
        QCOMPARE(Propiedad(doc, "FontCol")->items.size(), size_t(7 * 6));
        QCOMPARE(Propiedad(doc, "FontCol")->items[5].integer, 1);
        QVERIFY(!Propiedad(doc, "Cells"));

        TAttributeGrid otra;
        otra.LoadLayout(doc);
        QCOMPARE(Guardar(otra), escrito);
    }

    void estiloConBitsAltosEsNegrita() {
        TAttributeGrid g;
        Cargar(g, "  FontCol = (2 0 -13 'Arial' 0 1776558081 3 0 -13 'Arial' 0 1)\n");
        const TGridFont& a = g.FontCol(2);
        const TGridFont& b = g.FontCol(3);
        QCOMPARE(a.Style(), quint8(fsBold));
        QVERIFY(a.SameAs(b));
    }

    void leerDosVecesLaMismaBrochaSeQuedaConLaSegunda() {
        TAttributeGrid g;
        Cargar(g, "  BrushCol = (1 255 0 1 65280 6)\n");
        QCOMPARE(g.BrushCol(1).Color(), TColor(65280));
        QCOMPARE(g.BrushCol(1).Style(), int(bsCross));
    }

    void sinCellsLosTextosQuedanVacios() {
        TAttributeGrid g;
        g.SetCells(1, 1, QStringLiteral("antes"));
        Cargar(g, "  ColCount = 3\n");
        QVERIFY(g.Cells(1, 1).isEmpty());

        Cargar(g, "  Cells = (1 1 'uno'#13#10'dos' 2 7 'x')\n");
        QCOMPARE(g.Cells(1, 1), QStringLiteral("uno\r\ndos"));
        QVERIFY(g.Cells(2, 7).isEmpty());   // beyond the rows: dropped
        QVERIFY(g.Attributes().LoadedCells.ColumnCount() == 0);
        QVERIFY(Guardar(g).contains("'uno'#13#10'dos'"));
    }

    void fuentesSinCambiosNoSeEscriben() {
        TAttributeGrid g;
        Cargar(g, "  ColCount = 9\n  FontCol = (1 " + QByteArray::number(qint32(TGridFont::DefaultColor)) +
                      " -12 'Arial' 0 0 2 0 -12 'Arial' 0 1)\n");
        QVERIFY(!g.FontCol(1).Modified());
        g.FontCol(3);   // created at run time from the grid's unchanged font
        const TLayoutDocument doc = ReadLayout(Guardar(g));
        const auto& items = Propiedad(doc, "FontCol")->items;
        QCOMPARE(items.size(), size_t(6));
        QCOMPARE(items[0].integer, 2);
    }

    void escritorRespetaLasCuentasActuales() {
        TAttributeGrid g;
        g.LoadLayoutFile(Disposicion);
        g.SetColCount(6);
        const TLayoutDocument doc = ReadLayout(Guardar(g));
        QCOMPARE(Propiedad(doc, "AlignCol")->bytes.size(), qsizetype(6 * 3));
        QCOMPARE(Propiedad(doc, "AlignCell")->bytes.size(), qsizetype(6 * 5));
    }

    void coordenadasYRegistrosIncompletos() {
        TAttributeGrid g;
        Cargar(g, "  HintCell = (-1 65537 'pista')\n  AlignCol = {030002 0400}\n");
        QCOMPARE(*g.Attributes().HintCellList.At(65535, 1), QStringLiteral("pista"));
        QCOMPARE(g.CellAlign(3, 2), alCenter);
        QVERIFY(!g.Attributes().AlignColList.At(4));   // the partial record is ignored
    }

    void coloresAntiguosSoloSeLeen() {
        TAttributeGrid g;
        Cargar(g, "  ColorCol = (2 255)\n  ColorRow = (3 65280)\n");
        QCOMPARE(g.CellColor(2, 5), TColor(255));
        QCOMPARE(g.CellColor(4, 3), TColor(65280));
        const QByteArray escrito = Guardar(g);
        QVERIFY(!escrito.contains("ColorCol"));
        QVERIFY(!escrito.contains("BrushCol"));
    }

    void erroresDeLaRejillaNombranElSitio_data() {
        QTest::addColumn<QByteArray>("cuerpo");
        QTest::addColumn<int>("linea");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("propiedad desconocida") << QByteArray("  ColCount = 3\n  Nada = 1\n") << 3 << "Nada";
        QTest::newRow("lista en lugar de bloque") << QByteArray("  AlignCol = (1 2)\n") << 2 << "bloque binario";
        QTest::newRow("elemento incompleto") << QByteArray("  FontCol = (1 0 -13\n  )\n") << 3 << "termina a mitad";
        QTest::newRow("tipo de campo") << QByteArray("  BrushCol = (1 'rojo' 0)\n") << 2 << "se esperaba un entero";
        QTest::newRow("filas fijas") << QByteArray("  RowCount = 2\n  FixedRows = 2\n") << 3 << "filas fijas";
        QTest::newRow("opcion desconocida") << QByteArray("  Options = [goNada]\n") << 2 << "goNada";
        QTest::newRow("enumerado") << QByteArray("  NextCellTab = nc_nada\n") << 2 << "nc_nada";
    }
    void erroresDeLaRejillaNombranElSitio() {
        QFETCH(QByteArray, cuerpo);
        QFETCH(int, linea);
        QFETCH(QString, mensaje);
        TAttributeGrid g;
        try {
            Cargar(g, cuerpo);
            QFAIL("se cargó sin error");
        } catch (const ELayoutError& e) {
            QCOMPARE(e.Line(), linea);
            QVERIFY2(QString::fromUtf8(e.what()).contains(mensaje), e.what());
        }
    }

    void propiedadesPublicadasIdaYVuelta() {
        TAttributeGrid g;
        Cargar(g,
               "  ColCount = 4\n  RowCount = 6\n  FixedCols = 0\n  DefaultColWidth = 50\n"
               "  Options = [goEditing, goTabs, goAlwaysShowEditor]\n  Alignment = alCenter\n"
               "  Editable = False\n  NextCellTab = nc_upleft\n  AfterLastCellEdit = lc_stop\n"
               "  SelectedCellColor = clHighlight\n  ShowCellHints = False\n  RowHeights = (30 20 20 40 20 20)\n");
        QCOMPARE(g.Alignment(), alCenter);
        QVERIFY(!g.Editable());
        QCOMPARE(g.NextCellTab, nc_upleft);
        QCOMPARE(g.AfterLastCellEdit, lc_stop);
        QCOMPARE(g.SelectedCellColor(), clHighlight);
        QCOMPARE(g.RowHeights(3), 40);
        QVERIFY(g.ReshowEditor());   // the always-show-editor option
        const QByteArray escrito = Guardar(g);
        TAttributeGrid otra;
        otra.LoadLayout(ReadLayout(escrito));
        QCOMPARE(Guardar(otra), escrito);
    }
};

ZZ_TEST_MAIN(TestGridDisposicion)
#include "test_grid_disposicion.moc"
