#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "ui/ayuda.h"
#include "ui/panel_resultado.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/desarrollo_depreciacion.h"
#include "schedules/desarrollo_inversion.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/desarrollo_retirada.h"
#include "finance/tvm.h"
#include "schedules/form_desarrollo_calculos.h"
#include "util/textos_celda.h"
#include "util/ajustes_regionales.h"
#include "util/fechas.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"
#include "widgets/grid/grid_colors.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QRandomGenerator>
#include <QToolButton>
#include <climits>
#include <cmath>
#include <limits>
#include <memory>

using finance::PaymentTiming;

namespace {

using Ventana = TFormDesarrolloCalculos;

// The summary's value panels from the first through `ultimo`.
QStringList DatosHasta(const Ventana& v, DatoResumen ultimo) {
    QStringList datos;
    for (int n = int(DatoResumen::Primero); n <= int(ultimo); ++n)
        datos << v.TextoDato(DatoResumen(n));
    return datos;
}

// A grid row as the user reads it, cells joined by '|'.
QString Fila(const TAttributeGrid& grid, int r) {
    QStringList celdas;
    for (int c = 0; c < grid.ColCount(); ++c)
        celdas << grid.Cells(c, r);
    return celdas.join('|');
}

// Background and font colour of each column, as "RRGGBB/RRGGBB", in a cell of
// the given row.
QStringList Colores(const TAttributeGrid& grid, int r) {
    QStringList colores;
    for (int c = 0; c < grid.ColCount(); ++c) {
        colores << ColorToQColor(grid.CellColor(c, r)).name().mid(1) + '/' +
                       ColorToQColor(grid.CellFont(c, r).Color()).name().mid(1);
    }
    return colores;
}

std::unique_ptr<Ventana> Prestamo(PaymentTiming timing, double cuota, int numCuotas = 12) {
    auto v = std::make_unique<Ventana>();
    DesarrollarPrestamo({{1000, 12, numCuotas, cuota, timing, QDate(2024, 1, 31)}, QStringLiteral("12"),
                         QString::number(numCuotas)},
                        *v);
    return v;
}

std::unique_ptr<Ventana> Inversion(PaymentTiming timing) {
    auto v = std::make_unique<Ventana>();
    v->GridDesarrollo->SetColCount(6);
    DesarrollarInversion({{18289.27, 1000, 6, 120, 100, timing, QDate(2024, 1, 15), {}}, QStringLiteral("6"),
                          QStringLiteral("120")},
                         *v);
    return v;
}

std::unique_ptr<Ventana> Depreciacion(int metodo, int aniosCalculo, QDate inicio = QDate(2024, 1, 1)) {
    auto v = std::make_unique<Ventana>();
    v->GridDesarrollo->SetColCount(6);
    DesarrollarDepreciacion({{10000, 1000, 5, aniosCalculo, 9000, finance::CodigoCalculo(metodo), inicio}}, *v);
    return v;
}

// Builds a table of the given kind (0 loan, 1 savings plan, 2 depreciation)
// with that many periods from the first date.
void Desarrollar(Ventana& v, int tipo, int periodos, QDate primera) {
    if (tipo == 0)
        DesarrollarPrestamo({{1000, 12, periodos, 10, PaymentTiming::EndOfPeriod, primera, {}}, "12",
                             QString::number(periodos)},
                            v);
    else if (tipo == 1)
        DesarrollarInversion({{0, 0, 0, periodos, 10, PaymentTiming::EndOfPeriod, primera, {}}, "0",
                              QString::number(periodos)},
                             v);
    else
        DesarrollarDepreciacion({{10000, 1000, periodos, 3, 9000, finance::CodigoCalculo::DepreciacionLineal, primera}},
                                v);
}

// The column widths a table's grid gets when every one of its texts is
// measured: a fresh grid with the same titles and starting widths.
QList<int> AnchosMidiendoCadaTexto(const TAttributeGrid& tabla, int anchoExtra) {
    Ventana v;
    TAttributeGrid& g = *v.GridDesarrollo;
    g.SetColCount(tabla.ColCount());
    EnsancharColumnas(g, 2, anchoExtra);
    g.SetRowCount(tabla.RowCount());
    for (int c = 0; c < g.ColCount(); ++c)
        g.SetCells(c, 0, tabla.Cells(c, 0));
    TEscrituraTabla medida(g);
    for (int r = 1; r < tabla.RowCount(); ++r)
        for (int c = 0; c < tabla.ColCount(); ++c)
            medida.Medir(c, tabla.Cells(c, r));
    medida.AjustarAnchos();
    QList<int> anchos;
    for (int c = 0; c < g.ColCount(); ++c)
        anchos << g.ColWidths(c);
    return anchos;
}

QString Posiciones(const QList<QWidget*>& controles) {
    QStringList xs;
    for (const QWidget* c : controles)
        xs << QString::number(c->x());
    return xs.join(' ');
}

}  // namespace

class TestDesarrollo : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        LeerAjustesRegionales(QLocale(QLocale::Spanish, QLocale::Spain));
    }

    // The fast cell texts are exactly the program's own amount and date
    // texts, in Spanish settings and in settings that differ in every way.
    void textosDeCelda_data() {
        QTest::addColumn<bool>("otrosAjustes");
        QTest::newRow("españoles") << false;
        QTest::newRow("mes primero, punto decimal, miles con espacio fino") << true;
    }
    void textosDeCelda() {
        QFETCH(bool, otrosAjustes);
        if (otrosAjustes) {
            AjustesRegionales a = Ajustes();
            a.separadorDecimal = QLatin1Char('.');
            a.separadorMiles = QChar(0x202F);
            a.mesPrimero = true;
            a.formatoFechaCorta = QStringLiteral("MM/dd/yyyy");
            FijarAjustesRegionales(a);
        }
        const TTextosCelda t;
        QList<double> valores{0.0,     -0.0,    1.125,    1.005,     -0.004,  -0.005, 0.995,  999.995,
                              -999.995, 2.675,  1e15,     123456789.125, 1e21, 1e300,  -1e-300, 5e-324,
                              1000.0,  -1000.0, 87.96909770132840,
                              std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()};
        QRandomGenerator azar(20240131);
        for (int i = 0; i < 20000; ++i) {
            const double magnitud = std::pow(10.0, azar.bounded(-4, 16));
            valores << (azar.generateDouble() - 0.5) * magnitud;
            valores << std::round(azar.generateDouble() * magnitud * 1000) / 1000;  // exact halves
        }
        for (double v : valores)
            QCOMPARE(t.Importe(v), TextoImporte(v));
        for (const QDate& d : {QDate(2024, 1, 31), QDate(1, 1, 1), QDate(999, 12, 5), QDate(9999, 12, 31), QDate()})
            QCOMPARE(t.Fecha(d), TextoFecha(d));
    }

    void ventanaNueva() {
        Ventana v;
        QCOMPARE(v.windowTitle(), QStringLiteral("Desarrollo del cálculo"));
        QCOMPARE(v.PnlInfoDesarrollo->text(), QStringLiteral(" Desarrollo del cálculo"));
        QCOMPARE(v.minimumSize(), QSize(400, 200));
        QCOMPARE(v.size(), QSize(786, 507));
        QCOMPARE(v.GridDesarrollo->ColCount(), 9);
        QCOMPARE(v.GridDesarrollo->FixedRows(), 1);
        QCOMPARE(v.GridDesarrollo->FixedCols(), 0);
        QCOMPARE(v.AccImprimir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(v.AccSalir->shortcut(), QKeySequence(Qt::Key_Escape));
        QCOMPARE(FormDesarrolloCalculos, &v);
    }

    // Columns widen to their widest text although only the texts of the
    // largest and smallest values are measured: positive and negative
    // amounts, dates past the last one shown, dates of a shape that varies.
    void anchosComoMidiendoCadaTexto_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<bool>("otrasFechas");
        QTest::newRow("préstamo") << 0 << false;
        QTest::newRow("préstamo, interés negativo") << 1 << false;
        QTest::newRow("préstamo, fechas más allá de 9999") << 2 << false;
        QTest::newRow("inversión") << 3 << false;
        QTest::newRow("depreciación") << 4 << false;
        QTest::newRow("préstamo, fechas d/M/yy") << 0 << true;
    }
    void anchosComoMidiendoCadaTexto() {
        QFETCH(int, tipo);
        QFETCH(bool, otrasFechas);
        if (otrasFechas) {
            AjustesRegionales a = Ajustes();
            a.formatoFechaCorta = QStringLiteral("d/M/yy");
            FijarAjustesRegionales(a);
        }
        const QDate inicio(2024, 1, 31);
        std::unique_ptr<Ventana> v;
        if (tipo == 0) {
            v = std::make_unique<Ventana>();
            const double cuota = -double(finance::Payment(0.005L, 360, 1500000, 0, PaymentTiming::EndOfPeriod));
            DesarrollarPrestamo({{1500000, 6, 360, cuota, PaymentTiming::EndOfPeriod, inicio}, "6", "360"}, *v);
        } else if (tipo == 1) {
            v = std::make_unique<Ventana>();
            const double cuota = -double(finance::Payment(-0.0025L, 120, 987654321.0, 0, PaymentTiming::StartOfPeriod));
            DesarrollarPrestamo({{987654321.0, -3, 120, cuota, PaymentTiming::StartOfPeriod, inicio}, "-3", "120"}, *v);
        } else if (tipo == 2) {
            v = std::make_unique<Ventana>();
            EscribirTablaPrestamo({1000, 12, 24, 88.85, PaymentTiming::EndOfPeriod, QDate(9999, 1, 31)},
                                  *v->GridDesarrollo);
            QVERIFY(v->GridDesarrollo->Cells(1, 24).isEmpty());
        } else if (tipo == 3) {
            v = Inversion(PaymentTiming::StartOfPeriod);
        } else {
            v = Depreciacion(8, 5);
        }
        const TAttributeGrid& g = *v->GridDesarrollo;
        QList<int> anchos;
        for (int c = 0; c < g.ColCount(); ++c)
            anchos << g.ColWidths(c);
        QCOMPARE(anchos, AnchosMidiendoCadaTexto(g, tipo >= 3 ? 50 : 0));
    }

    void prestamo() {
        auto v = Prestamo(PaymentTiming::EndOfPeriod, 88.84878867834168);
        const TAttributeGrid& g = *v->GridDesarrollo;
        QCOMPARE(g.ColCount(), 9);
        QCOMPARE(g.RowCount(), 13);
        QCOMPARE(Fila(g, 0), "Nº|Fecha|Cuota|Capital|Interés|Amortizado|Pendiente|Pagado|Intereses");
        QCOMPARE(Fila(g, 1), "1|31/01/2024|88,85|78,85|10,00|78,85|921,15|88,85|10,00");
        QCOMPARE(Fila(g, 2), "2|29/02/2024|88,85|79,64|9,21|158,49|841,51|177,70|19,21");
        QCOMPARE(Fila(g, 12), "12|31/12/2024|88,84|87,96|0,88|1.000,00|0,00|1.066,19|66,19");
        QCOMPARE(Colores(g, 5), QStringList({"e0e0e0/000000", "d3d3d3/800000", "e0e0e0/000080", "e0e0e0/000080",
                                             "e0e0e0/000080", "d3d3d3/000000", "d3d3d3/000000", "e0e0e0/ff0000",
                                             "e0e0e0/ff0000"}));

        QCOMPARE(v->TipoDesarrollo, ClaseDesarrollo::Prestamo);
        QCOMPARE(v->TextoTitulo(), QStringLiteral(" Préstamos, tabla de desarrollo"));
        QCOMPARE(QStringList({v->LblDato1->text(), v->LblDato2->text(), v->LblDato3->text(), v->LblDato4->text()}),
                 QStringList({"Cuota", "Interés", "Nº Cuotas", "Capital"}));
        QCOMPARE(DatosHasta(*v, DatoResumen::Cuarto),
                 QStringList({"88,85", "12 %", "12", "1.000,00"}));
        QVERIFY(v->LblDato5->isHidden());
        QVERIFY(v->PnlDato5->isHidden());
    }

    // Paid at the start of each period the first instalment carries no
    // interest and the loan is paid off on the last row.
    void prestamoAlInicio() {
        auto v = Prestamo(PaymentTiming::StartOfPeriod, 87.96909770132840);
        QCOMPARE(Fila(*v->GridDesarrollo, 1), "1|31/01/2024|87,97|87,97|0,00|87,97|912,03|87,97|0,00");
        QCOMPARE(v->GridDesarrollo->Cells(6, 12), "0,00");
        QCOMPARE(v->GridDesarrollo->Cells(5, 12), "1.000,00");
    }

    // The interest box's text is repeated as typed or as computed.
    void panelDeInteres_data() {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("panel");
        QTest::newRow("escrito") << "6" << "6 %";
        QTest::newRow("calculado") << "6,00" << "6,00 %";
    }
    void panelDeInteres() {
        QFETCH(QString, caja);
        Ventana v;
        DesarrollarPrestamo({{1000, 6, 12, 86.07, PaymentTiming::EndOfPeriod, QDate(2024, 1, 1)}, caja, "12"}, v);
        QTEST(v.TextoDato(DatoResumen::Segundo), "panel");
    }

    // Capital calculated for zero instalments: only the title row, and the
    // print key says there is nothing to print.
    void prestamoSinCuotas() {
        RegistroDialogos registro;
        auto v = Prestamo(PaymentTiming::EndOfPeriod, 0, 0);
        QCOMPARE(v->GridDesarrollo->RowCount(), 1);
        QCOMPARE(v->GridDesarrollo->Cells(0, 0), "Nº");
        QVERIFY(v->AccImprimir->isEnabled());
        v->AccImprimir->trigger();
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, "Cálculos financieros");
        QCOMPARE(registro.Mostrados()[0].mensaje, "No hay registros de datos disponibles.");
        QCOMPARE(registro.Mostrados()[0].tipo, 0);
    }

    void inversion_data() {
        QTest::addColumn<int>("timing");
        QTest::addColumn<QString>("fila1");
        QTest::addColumn<QString>("fila120");
        QTest::newRow("al inicio") << int(PaymentTiming::StartOfPeriod)
                                   << "1|15/01/2024|100,00|1.100,00|1.105,50|5,50"
                                   << "120|15/12/2033|100,00|13.000,00|18.289,27|5.289,27";
        QTest::newRow("al final") << int(PaymentTiming::EndOfPeriod) << "1|15/01/2024|100,00|1.100,00|1.105,00|5,00"
                                  << "120|15/12/2033|100,00|13.000,00|18.207,33|5.207,33";
    }
    void inversion() {
        QFETCH(int, timing);
        auto v = Inversion(PaymentTiming(timing));
        const TAttributeGrid& g = *v->GridDesarrollo;
        QCOMPARE(g.RowCount(), 121);
        QCOMPARE(Fila(g, 0), "Nº|Fecha|Cuota|Invertido|Acumulado|Beneficio");
        QTEST(Fila(g, 1), "fila1");
        QTEST(Fila(g, 120), "fila120");
        QCOMPARE(Colores(g, 1), QStringList({"e0e0e0/000000", "d3d3d3/800000", "e0e0e0/000080", "e0e0e0/000080",
                                             "d3d3d3/ff0000", "d3d3d3/ff0000"}));
        QCOMPARE(QList<int>({g.ColWidths(0), g.ColWidths(1), g.ColWidths(2), g.ColWidths(3), g.ColWidths(4),
                             g.ColWidths(5)}),
                 QList<int>({42, 76, 141, 143, 132, 131}));

        QCOMPARE(v->TipoDesarrollo, ClaseDesarrollo::Inversion);
        QCOMPARE(v->TextoTitulo(), QStringLiteral(" Inversiones, tabla de desarrollo"));
        QCOMPARE(v->LblDato4->text(), "Cap. Inicial");
        QCOMPARE(v->LblDato5->text(), "Cap. Final");
        QVERIFY(!v->LblDato5->isHidden() && !v->PnlDato5->isHidden());
        QCOMPARE(DatosHasta(*v, DatoResumen::Quinto),
                 QStringList({"100,00", "6 %", "120", "1.000,00", "18.289,27"}));
        QCOMPARE(v->PnlDato4->x(), 465);
    }

    // A capital too large to compute stops the build with a Spanish message.
    void inversionDesbordada() {
        Ventana v;
        try {
            DesarrollarInversion({{0, 0, 12, 4000, 100, PaymentTiming::EndOfPeriod, QDate(2024, 1, 1), {}}, "12", "4000"},
                                 v);
            QFAIL("se esperaba que el desarrollo se detuviera");
        } catch (const EDesarrolloInversion& e) {
            QVERIFY(QString::fromUtf8(e.what()).startsWith(QStringLiteral("No se puede desarrollar la inversión")));
        }
    }

    // A withdrawal plan: one row per withdrawal, the last leaving the
    // capital at 0; the strip's captions show whole beside their figures.
    void retirada_data() {
        QTest::addColumn<int>("timing");
        QTest::addColumn<QString>("fila1");
        QTest::addColumn<QString>("ultima");
        QTest::addColumn<QString>("total");
        QTest::newRow("al inicio") << int(PaymentTiming::StartOfPeriod) << "1|01/01/2025|553,21|248,62|99.695,41"
                                   << "240|01/12/2044|554,69|0,00|0,00" << "132.771,88";
        QTest::newRow("al final") << int(PaymentTiming::EndOfPeriod) << "1|01/01/2025|554,60|250,00|99.695,40"
                                  << "240|01/12/2044|553,84|1,38|0,00" << "133.103,24";
    }
    void retirada() {
        QFETCH(int, timing);
        finance::EntradaRetirada entrada;
        entrada.capital = "100000";
        entrada.interes = "3";
        entrada.numCuotas = "240";
        entrada.timing = PaymentTiming(timing);
        const finance::EstadoRetirada e = finance::ResolverRetirada(entrada).estado;
        Ventana v;
        DesarrollarRetirada({finance::DatosFilasDeRetirada(e, entrada.timing, QDate(2025, 1, 1)), e.TotalRetirado,
                             QStringLiteral("3"), QStringLiteral("240")},
                            v);
        const TAttributeGrid& g = *v.GridDesarrollo;
        QCOMPARE(g.RowCount(), 241);
        QCOMPARE(Fila(g, 0), "Nº|Fecha|Retirada|Interés|Capital");
        QTEST(Fila(g, 1), "fila1");
        QTEST(Fila(g, 240), "ultima");
        QCOMPARE(v.TipoDesarrollo, ClaseDesarrollo::Retirada);
        QCOMPARE(v.TextoTitulo(), QStringLiteral(" Retiradas, tabla de desarrollo"));
        QCOMPARE(DatosHasta(v, DatoResumen::Quinto).mid(1, 3), QStringList({"3 %", "240", "100.000,00"}));
        QTEST(v.TextoDato(DatoResumen::Quinto), "total");
        for (const QLabel* rotulo : {v.LblDato1, v.LblDato4, v.LblDato5})
            QVERIFY2(rotulo->x() + rotulo->sizeHint().width() <= rotulo->buddy()->x(), qPrintable(rotulo->text()));
        QCOMPARE(v.PnlDato5->accessibleName(), "Total retirado");
        v.show();
        QVERIFY(!v.AccResumenAnual->isVisible());
        const QList<DatosGrafico> graficos = v.GraficosTabla();
        QCOMPARE(graficos.size(), 1);
        QCOMPARE(graficos[0].series.size(), 1);
        QCOMPARE(graficos[0].series[0].puntos.size(), 240);
        QCOMPARE(graficos[0].series[0].puntos.last().y(), 0.0);
    }

    void depreciacion_data() {
        QTest::addColumn<int>("metodo");
        QTest::addColumn<int>("aniosCalculo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("fila2");
        QTest::addColumn<QString>("fila5");
        QTest::newRow("lineal") << 8 << 3 << " Depreciación lineal, tabla de desarrollo"
                                << "2|01/01/2025|8.200,00|1.800,00|6.400,00|3.600,00"
                                << "5|01/01/2028|2.800,00|1.800,00|1.000,00|9.000,00";
        // More years to calculate than years of life: still the straight-line rows.
        QTest::newRow("lineal, 8 años a calcular") << 8 << 8 << " Depreciación lineal, tabla de desarrollo"
                                                   << "2|01/01/2025|8.200,00|1.800,00|6.400,00|3.600,00"
                                                   << "5|01/01/2028|2.800,00|1.800,00|1.000,00|9.000,00";
        QTest::newRow("acelerada") << 9 << 3 << " Depreciación acelerada, tabla de desarrollo"
                                   << "2|01/01/2025|7.000,00|2.400,00|4.600,00|5.400,00"
                                   << "5|01/01/2028|1.600,00|600,00|1.000,00|9.000,00";
        QTest::newRow("doble") << 10 << 3 << " Depreciación doble, tabla de desarrollo"
                               << "2|01/01/2025|6.000,00|2.400,00|3.600,00|6.400,00"
                               << "5|01/01/2028|1.296,00|296,00|1.000,00|9.000,00";
    }
    void depreciacion() {
        QFETCH(int, metodo);
        QFETCH(int, aniosCalculo);
        auto v = Depreciacion(metodo, aniosCalculo);
        const TAttributeGrid& g = *v->GridDesarrollo;
        QCOMPARE(g.RowCount(), 6);
        QCOMPARE(Fila(g, 0), "Año|Fecha|Valor Inicial|Dep. Periodo|Valor Final|Dep. Acumulada");
        QTEST(Fila(g, 2), "fila2");
        QTEST(Fila(g, 5), "fila5");
        QTEST(v->TextoTitulo(), "titulo");
        QCOMPARE(v->TipoDesarrollo, ClaseDesarrollo::Depreciacion);
        QCOMPARE(Colores(g, 1), QStringList({"e0e0e0/000000", "d3d3d3/800000", "e0e0e0/000080", "e0e0e0/000080",
                                             "d3d3d3/ff0000", "d3d3d3/ff0000"}));
        QCOMPARE(g.ColWidths(2), 141);
        QCOMPARE(DatosHasta(*v, DatoResumen::Cuarto),
                 QStringList({"10.000,00", "1.000,00", "5", QString::number(aniosCalculo)}));
    }

    // The pairs are relabelled, widened and moved so that the longer captions fit.
    void depreciacionPanelInformacion() {
        auto v = Depreciacion(8, 3);
        QCOMPARE(QStringList({v->LblDato1->text(), v->LblDato2->text(), v->LblDato3->text(), v->LblDato4->text()}),
                 QStringList({"Valor inicial", "Valor final", "Años vida útil", "Años cálculo"}));
        QCOMPARE(Posiciones({v->LblDato1, v->PnlDato1, v->LblDato2, v->PnlDato2, v->LblDato3, v->PnlDato3,
                             v->LblDato4, v->PnlDato4}),
                 "8 82 204 268 391 475 533 615");
        QCOMPARE(QList<int>({v->PnlDato1->width(), v->PnlDato2->width(), v->PnlDato3->width(),
                             v->PnlDato4->width()}),
                 QList<int>({115, 115, 50, 50}));
        QVERIFY(v->LblDato5->isHidden() && v->PnlDato5->isHidden());
        for (QLabel* etiqueta : {v->LblDato1, v->LblDato2, v->LblDato3, v->LblDato4})
            QVERIFY2(etiqueta->geometry().right() < etiqueta->buddy()->x(), qPrintable(etiqueta->text()));
    }

    void depreciacionDesdeUnVeintinueveDeFebrero() {
        auto v = Depreciacion(9, 3, QDate(2024, 2, 29));
        QCOMPARE(v->GridDesarrollo->Cells(1, 2), "28/02/2025");
        QCOMPARE(v->GridDesarrollo->Cells(1, 5), "29/02/2028");
    }

    // Above the limit the table is refused before the grid is touched, for
    // any count an int can hold.
    void tablaDemasiadoGrande_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("periodos");
        QTest::newRow("préstamo, uno más del límite") << 0 << kMaxFilasDesarrollo + 1;
        QTest::newRow("préstamo, el mayor entero") << 0 << INT_MAX;
        QTest::newRow("inversión") << 1 << INT_MAX;
        QTest::newRow("depreciación") << 2 << INT_MAX;
    }
    void tablaDemasiadoGrande() {
        QFETCH(int, tipo);
        QFETCH(int, periodos);
        Ventana v;
        try {
            Desarrollar(v, tipo, periodos, QDate(2024, 1, 1));
            QFAIL("se esperaba que la tabla se rechazara");
        } catch (const EDesarrolloExcesivo& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(QStringLiteral("no puede tener más de 1.048.576")),
                     e.what());
        }
        QCOMPARE(v.GridDesarrollo->RowCount(), 2);
        QCOMPARE(v.PnlInfoDesarrollo->text(), QStringLiteral(" Desarrollo del cálculo"));
    }

    // Dates end on 31/12/9999, so the longest monthly table runs from
    // January of year 1 to December 9999.
    void tablaEnElLimite() {
        constexpr int kMeses = 9999 * 12;
        Ventana v;
        DesarrollarPrestamo({{double(kMeses), 0, kMeses, 1, PaymentTiming::EndOfPeriod, QDate(1, 1, 31)}, "0",
                             QString::number(kMeses)},
                            v);
        const TAttributeGrid& g = *v.GridDesarrollo;
        QCOMPARE(g.RowCount(), kMeses + 1);
        QCOMPARE(g.Cells(0, kMeses), "119988");
        QCOMPARE(g.Cells(1, kMeses), "31/12/9999");
        QCOMPARE(g.Cells(5, kMeses), "119.988,00");
        QCOMPARE(g.Cells(6, kMeses), "0,00");
    }

    // A table whose last date would fall after 31/12/9999 is refused before
    // the grid is touched, with the last date and the last row that fit; the
    // table that ends within the year 9999 is built whole.
    void fechasHastaElAnio9999_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("periodos");
        QTest::addColumn<QDate>("primera");
        QTest::addColumn<QString>("ultimaFecha");  // empty when refused
        QTest::addColumn<QString>("ultimaFila");   // in the refusal
        QTest::newRow("préstamo hasta diciembre de 9999") << 0 << 95712 << QDate(2024, 1, 31) << "31/12/9999" << "";
        QTest::newRow("préstamo, un mes más") << 0 << 95713 << QDate(2024, 1, 31) << "" << "95.712";
        QTest::newRow("inversión hasta diciembre de 9999") << 1 << 95712 << QDate(2024, 1, 15) << "15/12/9999" << "";
        QTest::newRow("inversión, un mes más") << 1 << 95713 << QDate(2024, 1, 15) << "" << "95.712";
        QTest::newRow("inversión desde el último mes") << 1 << 2 << QDate(9999, 12, 1) << "" << "1";
        QTest::newRow("depreciación hasta 9999") << 2 << 7976 << QDate(2024, 2, 29) << "28/02/9999" << "";
        QTest::newRow("depreciación, un año más") << 2 << 7977 << QDate(2024, 1, 1) << "" << "7.976";
    }
    void fechasHastaElAnio9999() {
        QFETCH(int, tipo);
        QFETCH(int, periodos);
        QFETCH(QDate, primera);
        QFETCH(QString, ultimaFecha);
        QFETCH(QString, ultimaFila);
        Ventana v;
        if (!ultimaFecha.isEmpty()) {
            Desarrollar(v, tipo, periodos, primera);
            QCOMPARE(v.GridDesarrollo->RowCount(), periodos + 1);
            QCOMPARE(v.GridDesarrollo->Cells(1, periodos), ultimaFecha);
            return;
        }
        try {
            Desarrollar(v, tipo, periodos, primera);
            QFAIL("se esperaba que la tabla se rechazara");
        } catch (const EDesarrolloExcesivo& e) {
            const QString mensaje = QString::fromUtf8(e.what());
            QVERIFY2(mensaje.startsWith(QStringLiteral("Las fechas de la tabla de desarrollo pasarían del 31/12/9999, "
                                                       "la última fecha que se puede mostrar")),
                     e.what());
            QVERIFY2(mensaje.contains(QStringLiteral("empezando el %1, la última fila posible es la %2.")
                                          .arg(TextoFecha(primera), ultimaFila)),
                     e.what());
        }
        QCOMPARE(v.GridDesarrollo->RowCount(), 2);
        QCOMPARE(v.PnlInfoDesarrollo->text(), QStringLiteral(" Desarrollo del cálculo"));
    }

    void navegacion() {
        auto v = Prestamo(PaymentTiming::EndOfPeriod, 47.07, 24);
        TAttributeGrid& g = *v->GridDesarrollo;
        v->AccRegUltimo->trigger();
        QCOMPARE(g.Row(), 24);
        v->AccRegSiguiente->trigger();
        QCOMPARE(g.Row(), 24);
        v->AccRegAnterior->trigger();
        QCOMPARE(g.Row(), 23);
        v->AccRegPrimero->trigger();
        QCOMPARE(g.Row(), 1);
        v->AccRegAnterior->trigger();
        QCOMPARE(g.Row(), 1);
        v->AccRegSiguiente->trigger();
        QCOMPARE(g.Row(), 2);
        // The whole row is selected.
        QCOMPARE(g.Selection(), (TGridRect{0, 2, 8, 2}));
    }

    // Shown, the window takes the help topic of its table; Ctrl+P starts the
    // print action and Escape closes the window.
    void teclasYAyuda_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("tema");
        QTest::newRow("préstamo") << 0 << 6240;
        QTest::newRow("inversión") << 1 << 6260;
        QTest::newRow("depreciación") << 2 << 6280;
        QTest::newRow("retirada") << 3 << 6260;
    }
    void teclasYAyuda() {
        QFETCH(int, tipo);
        RegistroDialogos registro;
        Ventana v;
        v.GridDesarrollo->SetRowCount(1);
        v.TipoDesarrollo = static_cast<ClaseDesarrollo>(tipo);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        QTEST(ContextoAyuda(&v), "tema");
        QTest::keyClick(v.GridDesarrollo, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].mensaje, "No hay registros de datos disponibles.");
        QTest::keyClick(v.GridDesarrollo, Qt::Key_Escape);
        QVERIFY(!v.isVisible());
    }

    // A screen reader names each value panel after its caption.
    void nombresAccesibles() {
        auto v = Depreciacion(10, 3);
        v->show();
        QCOMPARE(v->PnlDato1->accessibleName(), "Valor inicial");
        QCOMPARE(v->PnlDato4->accessibleName(), "Años cálculo");
        QCOMPARE(v->BtnRegistroUltimo->accessibleName(), "Último registro");
    }

    // The grid reads as a table: counts, column titles and every cell's text.
    void tablaAccesible() {
        auto v = Prestamo(PaymentTiming::EndOfPeriod, 88.84878867834168);
        v->show();
        QAccessibleInterface* tabla = QAccessible::queryAccessibleInterface(v->GridDesarrollo);
        QVERIFY(tabla);
        QCOMPARE(tabla->role(), QAccessible::Table);
        QAccessibleTableInterface* t = tabla->tableInterface();
        QVERIFY(t);
        QCOMPARE(t->rowCount(), 13);
        QCOMPARE(t->columnCount(), 9);
        QCOMPARE(t->columnDescription(4), "Interés");
        QAccessibleInterface* celda = t->cellAt(12, 5);
        QCOMPARE(celda->text(QAccessible::Name), "1.000,00");
        QCOMPARE(celda->role(), QAccessible::Cell);
        QCOMPARE(celda->parent(), tabla);
        QCOMPARE(tabla->indexOfChild(celda), 12 * 9 + 5);
        QCOMPARE(tabla->child(12 * 9 + 5), celda);
        QAccessibleTableCellInterface* c = celda->tableCellInterface();
        QCOMPARE(c->columnHeaderCells().value(0)->text(QAccessible::Name), "Amortizado");
        QVERIFY(t->isRowSelected(1) && !t->isRowSelected(12));
        QVERIFY(t->cellAt(13, 0) == nullptr);
        // A visible cell is found where it is drawn.
        QAccessibleInterface* primera = t->cellAt(1, 2);
        QVERIFY(!primera->rect().isEmpty());
        QCOMPARE(tabla->childAt(primera->rect().center().x(), primera->rect().center().y()), primera);
    }
};

ZZ_TEST_MAIN(TestDesarrollo)
#include "test_desarrollo.moc"
