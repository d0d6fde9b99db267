#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "ui/ayuda.h"
#include "app/form_calculos_financieros.h"
#include "schedules/form_desarrollo_calculos.h"
#include "util/fechas.h"
#include "widgets/grid/attribute_grid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

namespace {

using Principal = TFormCalculosFinancieros;

std::unique_ptr<Principal> AbrirPrincipal() {
    auto v = std::make_unique<Principal>();
    v->show();
    v->activateWindow();
    if (!QTest::qWaitForWindowActive(v.get()))
        qWarning("la ventana no se activó");
    return v;
}

void Escribir(QLineEdit* campo, const QString& texto) {
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, texto);
}

// What the schedule window showed while it was open.
struct Vista {
    bool mostrada = false;
    QString caption, titulo;
    QStringList etiquetas, datos;
    int columnas = 0, filas = 0, ayuda = 0, periodosPorAnio = 0;
    QStringList fila0, fila1, fila2, filaUltima;
};

QStringList Fila(const TAttributeGrid& g, int r) {
    QStringList celdas;
    for (int c = 0; c < g.ColCount(); ++c)
        celdas << g.Cells(c, r);
    return celdas;
}

// Reads the schedule window when the door shows it, then closes it with Escape.
void LeerAlMostrar(RegistroDialogos& registro, Vista& vista) {
    registro.ResponderCon([&vista](QDialog& d) {
        auto* v = qobject_cast<TFormDesarrolloCalculos*>(&d);
        if (!v)
            return;
        vista.mostrada = true;
        vista.caption = v->windowTitle();
        vista.titulo = v->TextoTitulo();
        for (int n = 1; n <= 5; ++n) {
            const QLabel* etiquetas[] = {v->LblDato1, v->LblDato2, v->LblDato3, v->LblDato4, v->LblDato5};
            if (!etiquetas[n - 1]->isHidden()) {
                vista.etiquetas << etiquetas[n - 1]->text();
                vista.datos << v->TextoDato(DatoResumen(n));
            }
        }
        const TAttributeGrid& g = *v->GridDesarrollo;
        vista.columnas = g.ColCount();
        vista.filas = g.RowCount();
        vista.fila0 = Fila(g, 0);
        vista.fila1 = Fila(g, 1);
        vista.fila2 = Fila(g, 2);
        vista.filaUltima = Fila(g, g.RowCount() - 1);
        vista.ayuda = ContextoAyuda(v);
        vista.periodosPorAnio = v->PeriodosPorAnio;
        QTest::keyClick(v->GridDesarrollo, Qt::Key_Escape);
    });
}

}  // namespace

class TestDesarrolloVentanaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    // A loan typed as a person does, then Ctrl+T.
    void prestamoConControlT() {
        RegistroDialogos registro;
        Vista vista;
        LeerAlMostrar(registro, vista);
        auto p = AbrirPrincipal();
        Escribir(p->EditPresInteres, QStringLiteral("12"));
        Escribir(p->EditPresNum, QStringLiteral("12"));
        Escribir(p->EditPresCapital, QStringLiteral("1000"));
        p->EditPresFecha->setFocus();
        p->EditPresFecha->home(false);
        QTest::keyClicks(p->EditPresFecha, QStringLiteral("31012024"));
        QCOMPARE(p->EditPresFecha->text(), QStringLiteral("31/01/2024"));
        QTest::keyClick(p->EditPresCapital, Qt::Key_T, Qt::ControlModifier);

        QVERIFY(vista.mostrada);
        QCOMPARE(vista.caption, QStringLiteral("Préstamos, tabla de desarrollo"));
        QCOMPARE(vista.titulo, QStringLiteral(" Préstamos, tabla de desarrollo"));
        QCOMPARE(vista.etiquetas, QStringList({"Cuota", "Interés", "Nº Cuotas", "Capital"}));
        QCOMPARE(vista.datos, QStringList({"88,85", "12 %", "12", "1.000,00"}));
        QCOMPARE(vista.columnas, 9);
        QCOMPARE(vista.filas, 13);
        QCOMPARE(vista.fila1.join('|'), "1|31/01/2024|88,85|78,85|10,00|78,85|921,15|88,85|10,00");
        QCOMPARE(vista.filaUltima.join('|'), "12|31/12/2024|88,84|87,96|0,88|1.000,00|0,00|1.066,19|66,19");
        QCOMPARE(vista.ayuda, 6240);
        QCOMPARE(vista.periodosPorAnio, 12);
        // The window lived for this one use.
        QCOMPARE(FormDesarrolloCalculos, nullptr);
        QCOMPARE(p->EditPresCuota->text(), QStringLiteral("88,85"));
    }

    // The page's conditions reach the table: quarterly dates from 31 January
    // keep the month's end, the repayment and its fee show in their own
    // columns, and the instalment after it is recomputed.
    void prestamoConCondiciones() {
        RegistroDialogos registro;
        Vista vista;
        LeerAlMostrar(registro, vista);
        auto p = AbrirPrincipal();
        p->EditPresInteres->setText(QStringLiteral("12"));
        p->EditPresNum->setText(QStringLiteral("4"));
        p->EditPresCapital->setText(QStringLiteral("1000"));
        p->EditPresFecha->setText(QStringLiteral("31/01/2024"));
        p->CondicionesPres.periodicidad = finance::Periodicidad::Trimestral;
        p->CondicionesPres.amortizaciones = {{2, 200, finance::ReduccionAmortizacion::Cuota, 1}};
        p->AccDesarrollar->trigger();

        QVERIFY(vista.mostrada);
        QCOMPARE(vista.fila0.join('|'),
                 "Nº|Fecha|Cuota|Capital|Interés|Amort. anticipada|Comisión|Amortizado|Pendiente|Pagado|Intereses");
        QCOMPARE(vista.filas, 5);
        QCOMPARE(vista.fila1.join('|'), "1|31/01/2024|269,03|239,03|30,00|0,00|0,00|239,03|760,97|269,03|30,00");
        QCOMPARE(vista.fila2.join('|'), "2|30/04/2024|269,03|246,20|22,83|200,00|2,00|685,23|314,77|738,06|52,83");
        QCOMPARE(vista.filaUltima.join('|'),
                 "4|31/10/2024|164,50|159,71|4,79|0,00|0,00|1.000,00|0,00|1.067,06|67,06");
        QCOMPARE(vista.periodosPorAnio, 4);  // the report's line after each year
    }

    // A blank date becomes today's; a refused calculation shows its warning
    // and no table.
    void fechaEnBlancoYCalculoRechazado() {
        RegistroDialogos registro;
        Vista vista;
        LeerAlMostrar(registro, vista);
        auto p = AbrirPrincipal();
        p->EditPresFecha->setText(QStringLiteral("  /  /    "));
        p->EditPresCapital->setText(QStringLiteral("1000"));
        p->EditPresInteres->setText(QStringLiteral("12"));
        p->EditPresNum->setText(QStringLiteral("0"));
        p->AccDesarrollar->trigger();
        QCOMPARE(p->EditPresFecha->text(), TextoFecha(QDate::currentDate()));
        QVERIFY(p->CalculoFallido());
        QVERIFY(!vista.mostrada);
        QCOMPARE(registro.Mostrados().size(), 1);
        QVERIFY(registro.Mostrados()[0].tipo == 2);
    }

    void otrasPaginas_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("calculo");
        QTest::addColumn<QStringList>("cajas");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("datos");
        QTest::addColumn<QString>("fila1");
        QTest::addColumn<int>("ayuda");
        QTest::newRow("inversión") << 1 << 3
                                   << QStringList{"EditInvCuota", "EditInvInteres", "EditInvNum", "EditInvCapInicial",
                                                  "EditInvFecha"}
                                   << QStringList{"100", "6", "120", "1000", "15/01/2024"}
                                   << " Inversiones, tabla de desarrollo"
                                   << QStringList{"100,00", "6 %", "120", "1.000,00", "18.289,27"}
                                   << "1|15/01/2024|100,00|1.100,00|1.105,50|5,50" << 6260;
        QTest::newRow("depreciación") << 2 << 1
                                      << QStringList{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil",
                                                     "EditDepAniosCalculo", "EditDepFecha"}
                                      << QStringList{"10000", "1000", "5", "3", "01/01/2024"}
                                      << " Depreciación acelerada, tabla de desarrollo"
                                      << QStringList{"10.000,00", "1.000,00", "5", "3"}
                                      << "1|01/01/2024|10.000,00|3.000,00|7.000,00|3.000,00" << 6280;
    }
    void otrasPaginas() {
        QFETCH(int, pagina);
        QFETCH(int, calculo);
        QFETCH(QStringList, cajas);
        QFETCH(QStringList, textos);
        RegistroDialogos registro;
        Vista vista;
        LeerAlMostrar(registro, vista);
        auto p = AbrirPrincipal();
        p->pcCalculos->setCurrentIndex(pagina);
        (pagina == 1 ? p->CbInvCalculos : p->CbDepCalculos)->setCurrentIndex(calculo);
        for (int i = 0; i < cajas.size(); ++i)
            p->findChild<QLineEdit*>(cajas[i])->setText(textos[i]);
        p->AccDesarrollar->trigger();
        QVERIFY(vista.mostrada);
        QCOMPARE(vista.columnas, 6);
        QTEST(vista.titulo, "titulo");
        QTEST(vista.datos, "datos");
        QTEST(vista.fila1.join('|'), "fila1");
        QTEST(vista.ayuda, "ayuda");
    }

    // A refused calculation ends the action: its warning is the only message,
    // and no schedule window is made, however long the table would be.
    void calculoRechazadoNoDesarrolla_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("calculo");
        QTest::addColumn<QStringList>("cajas");
        QTest::addColumn<QStringList>("textos");
        const QStringList pres{"EditPresCapital", "EditPresNum", "EditPresCuota", "EditPresFecha"};
        QTest::newRow("préstamo con demasiadas cuotas")
            << 0 << 1 << pres << QStringList{"1000000000", "2000000", "1", "31/01/2024"};
        QTest::newRow("préstamo con fechas después de 9999")
            << 0 << 1 << pres << QStringList{"1000000000", "100000", "1", "31/01/2024"};
        QTest::newRow("inversión con demasiadas cuotas")
            << 1 << 1 << QStringList{"EditInvCapital", "EditInvNum", "EditInvCuota", "EditInvCapInicial"}
            << QStringList{"0", "2000000", "1", "0"};
        QTest::newRow("depreciación con demasiados años")
            << 2 << 0 << QStringList{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil", "EditDepAniosCalculo"}
            << QStringList{"1000", "2000", "2000000", "3"};
    }
    void calculoRechazadoNoDesarrolla() {
        QFETCH(int, pagina);
        QFETCH(int, calculo);
        QFETCH(QStringList, cajas);
        QFETCH(QStringList, textos);
        RegistroDialogos registro;
        bool ventanaDuranteElAviso = false;
        registro.ResponderCon([&](QDialog&) { ventanaDuranteElAviso = FormDesarrolloCalculos != nullptr; });
        auto p = AbrirPrincipal();
        p->pcCalculos->setCurrentIndex(pagina);
        QComboBox* listas[] = {p->CbPresCalculos, p->CbInvCalculos, p->CbDepCalculos};
        listas[pagina]->setCurrentIndex(calculo);
        for (int i = 0; i < cajas.size(); ++i)
            p->findChild<QLineEdit*>(cajas[i])->setText(textos[i]);
        p->AccDesarrollar->trigger();
        QVERIFY(p->CalculoFallido());
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].tipo, 2);
        QVERIFY(!ventanaDuranteElAviso);
        QCOMPARE(FormDesarrolloCalculos, nullptr);
    }

    // Errors of the build reach the person as Spanish messages and no table
    // is shown.
    void erroresDelDesarrollo_data() {
        QTest::addColumn<QString>("interes");
        QTest::addColumn<QString>("numCuotas");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<bool>("trimestral");
        // Without interest the instalment of so many months can be computed.
        QTest::newRow("demasiadas cuotas") << "0" << "2000000" << "31/01/2024"
                                           << "La tabla de desarrollo tendría 2.000.000 filas y no puede tener más "
                                              "de 1.048.576.\rReduzca el número de cuotas." << false;
        QTest::newRow("fecha imposible") << "12" << "12" << "31/02/2024" << "La fecha \"31/02/2024\" no es correcta"
                                         << false;
        QTest::newRow("fechas después de 9999")
            << "12" << "95713" << "31/01/2024"
            << "Las fechas de la tabla de desarrollo pasarían del 31/12/9999, la última fecha que se puede mostrar: "
               "empezando el 31/01/2024, la última fila posible es la 95.712.\rReduzca el número de cuotas o elija "
               "una primera fecha anterior." << false;
        // Three months a row: a third of the monthly rows fits.
        QTest::newRow("fechas trimestrales después de 9999")
            << "1" << "31905" << "31/01/2024"
            << "Las fechas de la tabla de desarrollo pasarían del 31/12/9999, la última fecha que se puede mostrar: "
               "empezando el 31/01/2024, la última fila posible es la 31.904.\rReduzca el número de cuotas o elija "
               "una primera fecha anterior." << true;
    }
    void erroresDelDesarrollo() {
        QFETCH(QString, interes);
        QFETCH(QString, numCuotas);
        QFETCH(QString, fecha);
        QFETCH(bool, trimestral);
        RegistroDialogos registro;
        Vista vista;
        LeerAlMostrar(registro, vista);
        auto p = AbrirPrincipal();
        p->EditPresCapital->setText(QStringLiteral("1000"));
        p->EditPresInteres->setText(interes);
        p->EditPresNum->setText(numCuotas);
        p->EditPresFecha->setText(fecha);
        if (trimestral)
            p->CondicionesPres.periodicidad = finance::Periodicidad::Trimestral;
        p->AccDesarrollar->trigger();
        QVERIFY(!vista.mostrada);
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados().last().titulo, "Error");
        QTEST(registro.Mostrados().last().mensaje, "mensaje");
        QCOMPARE(FormDesarrolloCalculos, nullptr);
    }
};

ZZ_TEST_MAIN(TestDesarrolloVentanaPrincipal)
#include "test_desarrollo_ventana_principal.moc"
