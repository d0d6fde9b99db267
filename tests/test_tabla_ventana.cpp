// Taking a table out of the schedule window: select all and copy, the
// context menu, CSV export, and the yearly summary view.
#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "schedules/desarrollo_depreciacion.h"
#include "schedules/desarrollo_inversion.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/exportacion_csv.h"
#include "schedules/form_desarrollo_calculos.h"
#include "util/ajustes_regionales.h"
#include "util/puertas.h"
#include "util/texto_csv.h"
#include "widgets/grid/attribute_grid.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <memory>

using finance::PaymentTiming;

namespace {

using Ventana = TFormDesarrolloCalculos;

const char* const kTitulosPrestamo = "Nº\tFecha\tCuota\tCapital\tInterés\tAmortizado\tPendiente\tPagado\tIntereses\n";

// 1.000 at 12 % over 12 months from 31/01/2024, shown.
std::unique_ptr<Ventana> Prestamo() {
    auto v = std::make_unique<Ventana>();
    DesarrollarPrestamo(
        {{1000, 12, 12, 88.84878867834168, PaymentTiming::EndOfPeriod, QDate(2024, 1, 31)}, "12", "12"}, *v);
    v->show();
    // Shortcuts reach only the active window.
    if (!QTest::qWaitForWindowActive(v.get()))
        qWarning("the window did not become active");
    return v;
}

QString LeerFichero(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<no existe>");
}

void Escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(datos), datos.size());
}

void ElegirFichero(const QString& ruta) {
    puertas::FijarPedirFichero([ruta](QWidget*, const QString&, const QString&, bool) { return ruta; });
}

}  // namespace

class TestTablaVentana : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        LeerAjustesRegionales(QLocale(QLocale::Spanish, QLocale::Spain));
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { puertas::RestaurarPuertas(); }

    void lineaCsv_data() {
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QString>("linea");
        QTest::newRow("textos tal cual") << QStringList{"1", "31/01/2024", "1.483,28"} << "1;31/01/2024;1.483,28";
        QTest::newRow("punto y coma") << QStringList{"a;b", "c"} << "\"a;b\";c";
        QTest::newRow("comillas dobladas") << QStringList{"di \"hola\""} << "\"di \"\"hola\"\"\"";
        QTest::newRow("salto de línea") << QStringList{"a\nb", ""} << "\"a\nb\";";
        QTest::newRow("ninguno") << QStringList{} << "";
    }
    void lineaCsv() {
        QFETCH(QStringList, campos);
        QTEST(LineaCsv(campos), "linea");
    }

    // Ctrl+A selects every row, with the first one current; Ctrl+C copies
    // the titles and the selected rows as the grid shows them, tab-separated.
    void seleccionarTodoYCopiar() {
        auto v = Prestamo();
        TAttributeGrid& g = *v->GridDesarrollo;
        QTest::keyClick(&g, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(g.Selection(), (TGridRect{0, 1, 8, 12}));
        QCOMPARE(g.Row(), 1);
        QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
        const QStringList lineas = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lineas.size(), 14);  // titles, 12 rows, and the end of the last line
        QCOMPARE(lineas[0] + '\n', QString::fromUtf8(kTitulosPrestamo));
        QCOMPARE(lineas[1], "1\t31/01/2024\t88,85\t78,85\t10,00\t78,85\t921,15\t88,85\t10,00");
        QCOMPARE(lineas[12], "12\t31/12/2024\t88,84\t87,96\t0,88\t1.000,00\t0,00\t1.066,19\t66,19");
        QCOMPARE(lineas[13], "");

        // A range of two rows copies just those.
        v->AccRegUltimo->trigger();
        g.SetSelection({0, 11, 8, 12});
        v->AccCopiar->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text().count('\n'), 3);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QString::fromUtf8(kTitulosPrestamo) + "11\t"));
    }

    void menuContextual() {
        auto v = Prestamo();
        QVERIFY(v->MenuTabla);
        QStringList textos;
        for (QAction* a : v->MenuTabla->actions())
            if (!a->isSeparator())
                textos << a->text();
        QCOMPARE(textos, (QStringList{"Seleccionar todo", "Copiar", "Exportar…"}));
        QCOMPARE(v->GridDesarrollo->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(v->AccMenuTabla->shortcut(), QKeySequence(Qt::Key_Menu));
    }

    // The Menu key opens the table's menu at the current cell, wherever the
    // pointer is; the window is titled after its table.
    void teclaMenuEnLaCeldaActual() {
        auto v = Prestamo();
        QCOMPARE(v->windowTitle(), QStringLiteral("Préstamos, tabla de desarrollo"));
        TAttributeGrid& g = *v->GridDesarrollo;
        g.FocusCell(2, 5, true);
        QPoint abierto;
        QTimer::singleShot(0, v->MenuTabla, [&] {
            abierto = v->MenuTabla->pos();
            v->MenuTabla->close();
        });
        QContextMenuEvent evento(QContextMenuEvent::Keyboard, QPoint(3, 3), g.mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(&g, &evento);
        QCOMPARE(abierto, g.viewport()->mapToGlobal(g.CellRect(2, 5).bottomLeft()));
    }

    // Ctrl+E writes the whole table, titles first, as the grid shows it;
    // ".csv" is added when missing, and an existing file is replaced only
    // after the person says so.
    void exportarCsv() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("préstamo.csv"));
        Escribir(ruta, "antiguo");
        RegistroDialogos registro;
        auto v = Prestamo();
        ElegirFichero(carpeta.filePath(QStringLiteral("préstamo")));
        QTest::keyClick(v->GridDesarrollo, Qt::Key_E, Qt::ControlModifier);  // "No": nothing written
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, "Exportar la tabla");
        QCOMPARE(registro.Mostrados()[0].mensaje, "El fichero «" + ruta + "» ya existe.\n¿Desea reemplazarlo?");
        QCOMPARE(LeerFichero(ruta), "antiguo");
        registro.Responder(true);
        QTest::keyClick(v->GridDesarrollo, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(registro.Mostrados().size(), 2);
        const QStringList lineas = LeerFichero(ruta).split('\n');
        QCOMPARE(lineas.size(), 14);
        QCOMPARE(lineas[0], "Nº;Fecha;Cuota;Capital;Interés;Amortizado;Pendiente;Pagado;Intereses");
        QCOMPARE(lineas[1], "1;31/01/2024;88,85;78,85;10,00;78,85;921,15;88,85;10,00");
        QCOMPARE(lineas[12], "12;31/12/2024;88,84;87,96;0,88;1.000,00;0,00;1.066,19;66,19");
        QCOMPARE(ConExtensionCsv("tabla.CSV"), "tabla.CSV");
        QCOMPARE(ConExtensionCsv("tabla.2024"), "tabla.2024.csv");
        QCOMPARE(ConExtensionCsv("mis.datos/tabla"), "mis.datos/tabla.csv");
    }

    // A link planted under the chosen name (another user's trap in a shared
    // folder) is replaced by the CSV file; the file it led to is untouched.
    void exportarNoSigueEnlaces() {
        QTemporaryDir carpeta;
        const QString victima = carpeta.filePath(QStringLiteral("victima.txt"));
        const QString ruta = carpeta.filePath(QStringLiteral("tabla.csv"));
        Escribir(victima, "datos de otro");
        QVERIFY(QFile::link(victima, ruta));
        RegistroDialogos registro;
        registro.Responder(true);
        auto v = Prestamo();
        ElegirFichero(ruta);
        v->AccExportar->trigger();
        QCOMPARE(LeerFichero(victima), "datos de otro");
        QVERIFY(!QFileInfo(ruta).isSymLink());
        QCOMPARE(registro.Mostrados().size(), 1);  // the replace question, nothing else
        QVERIFY(LeerFichero(ruta).startsWith("Nº;Fecha;"));
    }

    // A file that cannot be written is told with the program's own Spanish
    // reason; nothing is left behind, and cancelling the dialog writes
    // nothing.
    void exportarFalla() {
        QTemporaryDir carpeta;
        RegistroDialogos registro;
        auto v = Prestamo();
        const QString ruta = carpeta.filePath(QStringLiteral("no/existe/tabla.csv"));
        ElegirFichero(ruta);
        v->AccExportar->trigger();
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, "Error al exportar la tabla");
        QCOMPARE(registro.Mostrados()[0].mensaje, "No se puede exportar la tabla a: " + ruta + " (la carpeta no existe)");
        QVERIFY(!QFile::exists(ruta));

        ElegirFichero(QString());
        v->AccExportar->trigger();
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(QDir(carpeta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
    }

    // Ctrl+R switches to the yearly summary and back; the copy then takes
    // the summary. A loan from mid-year spans three calendar years.
    void resumenAnualPrestamo() {
        auto v = std::make_unique<Ventana>();
        DesarrollarPrestamo(
            {{10000, 6, 24, 443.20610252757808, PaymentTiming::EndOfPeriod, QDate(2024, 7, 15)}, "6", "24"}, *v);
        v->show();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        QVERIFY(v->BtnResumenAnual->isVisible());
        QCOMPARE(v->BtnResumenAnual->accessibleName(), "Resumen anual");
        QVERIFY(!v->ResumenAnualMostrado());
        QTest::keyClick(v->GridDesarrollo, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(v->AccResumenAnual->isChecked());
        QVERIFY(v->GridResumenAnual->isVisible());
        QVERIFY(!v->GridDesarrollo->isVisible());
        QVERIFY(v->ResumenAnualMostrado());
        QTest::keyClick(v->GridResumenAnual, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(v->GridResumenAnual, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "Año\tCuotas\tPagado\tCapital\tInterés\tPendiente\n"
                 "2024\t6\t2.659,26\t2.388,95\t270,31\t7.611,05\n"
                 "2025\t12\t5.318,52\t4.997,81\t320,71\t2.613,24\n"
                 "2026\t6\t2.659,16\t2.613,24\t45,92\t0,00\n"
                 "Total\t24\t10.636,94\t10.000,00\t636,94\t0,00\n");
        QVERIFY(v->GridResumenAnual->CellFont(2, 4).Style() & fsBold);
        QTest::keyClick(v->GridResumenAnual, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(v->GridDesarrollo->isVisible());
        QVERIFY(!v->ResumenAnualMostrado());
    }

    void resumenAnualInversion() {
        auto v = std::make_unique<Ventana>();
        DesarrollarInversion(
            {{0, 1000, 3, 13, 100, PaymentTiming::EndOfPeriod, QDate(2024, 12, 31), {}}, "3", "13"}, *v);
        v->AccResumenAnual->trigger();
        const TablaTextos* r = v->ResumenAnualMostrado();
        QVERIFY(r);
        QCOMPARE(r->titulos, (QStringList{"Año", "Cuotas", "Aportado", "Intereses", "Capital"}));
        QCOMPARE(r->filas.back(), (QStringList{"Total", "13", "1.300,00", "52,67", "2.352,67"}));
        QCOMPARE(v->GridResumenAnual->RowCount(), 4);
    }

    // A depreciation table already goes year by year: no summary to switch to.
    void sinResumenEnDepreciacion() {
        auto v = std::make_unique<Ventana>();
        DesarrollarDepreciacion({{10000, 1000, 5, 3, 9000, finance::CodigoCalculo::DepreciacionLineal, QDate(2024, 1, 1)}}, *v);
        v->show();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        QVERIFY(!v->AccResumenAnual->isVisible());
        QVERIFY(!v->BtnResumenAnual->isVisible());
        QTest::keyClick(v->GridDesarrollo, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(v->GridDesarrollo->isVisible());
        QVERIFY(!v->ResumenAnualMostrado());
    }
};

ZZ_TEST_MAIN(TestTablaVentana)
#include "test_tabla_ventana.moc"
