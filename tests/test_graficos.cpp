// The charts of a table: their series are the table's rows and yearly
// summary, long lines are thinned without losing their shape, axis marks
// are round and written with the program's separators, and the table
// window switches to the chart and back.
#include "prueba_comun.h"
#include "prestamo_48.h"

#include "finance/resumen_anual.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/form_desarrollo_calculos.h"
#include "schedules/graficos_tabla.h"
#include "util/ajustes_regionales.h"
#include "util/datos_grafico.h"
#include "util/textos_numericos.h"
#include "widgets/graficos/grafico.h"
#include "widgets/graficos/panel_graficos.h"
#include "widgets/grid/attribute_grid.h"

#include <QAction>
#include <memory>

class TestGraficos : public QObject {
    Q_OBJECT
private slots:
    void init() { LeerAjustesRegionales(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void prestamoSigueLasFilasYElResumen() {
        const DatosFilasPrestamo d = Prestamo48();
        const std::vector<trPrestamo> filas = FilasPrestamo(d);
        const ResumenPrestamo resumen = ResumenAnualPrestamo(d);
        const QList<DatosGrafico> graficos = GraficosPrestamo(filas, resumen);
        QCOMPARE(graficos.size(), 2);

        const QList<QPointF>& pendiente = graficos[0].series[0].puntos;
        QCOMPARE(pendiente.size(), qsizetype(filas.size()));
        for (std::size_t i = 0; i < filas.size(); ++i) {
            QCOMPARE(pendiente[qsizetype(i)].y(), filas[i].pendiente);
            QCOMPARE(pendiente[qsizetype(i)].x(), AnioDecimal(filas[i].fecha));
        }

        const DatosGrafico& anual = graficos[1];
        QCOMPARE(anual.forma, FormaGrafico::BarrasApiladas);
        QCOMPARE(anual.categorias, (QStringList{"2024", "2025", "2026", "2027", "2028"}));
        for (std::size_t k = 0; k < resumen.anios.size(); ++k) {
            QCOMPARE(anual.series[0].puntos[qsizetype(k)].y(), resumen.anios[k].capital);
            QCOMPARE(anual.series[1].puntos[qsizetype(k)].y(), resumen.anios[k].interes);
        }
    }

    void inversionYDepreciacionSiguenSusFilas() {
        DatosFilasInversion inv;
        inv.CapInicial = 1000;
        inv.Interes = 6;
        inv.NumCuotas = 24;
        inv.Cuota = 100;
        inv.primeraFecha = QDate(2024, 1, 31);
        const std::vector<trInversion> filasInv = FilasInversion(inv);
        const DatosGrafico gi = GraficosInversion(filasInv).front();
        QCOMPARE(gi.series.size(), 2);
        QCOMPARE(gi.series[0].puntos.size(), qsizetype(filasInv.size()));
        QCOMPARE(gi.series[0].puntos.back().y(), filasInv.back().invertido);
        QCOMPARE(gi.series[1].puntos.back().y(), filasInv.back().acumulado);

        DatosFilasDepreciacion dep;
        dep.ValorInicial = 10000;
        dep.ValorFinal = 1000;
        dep.AniosUtil = 5;
        dep.AniosCalculo = 3;
        dep.CalculoActual = finance::CodigoCalculo::DepreciacionLineal;
        dep.DepVidaUtil = 9000;
        dep.primeraFecha = QDate(2024, 1, 1);
        const std::vector<trDepreciacion> filasDep = FilasDepreciacion(dep);
        const DatosGrafico gd = GraficosDepreciacion(filasDep).front();
        QCOMPARE(gd.categorias, (QStringList{"1", "2", "3", "4", "5"}));
        for (std::size_t i = 0; i < filasDep.size(); ++i)
            QCOMPARE(gd.series[0].puntos[qsizetype(i)].y(), filasDep[i].valorFinal);
    }

    // A jagged line thinned to a few columns keeps its extremes, its ends
    // and its x order, with at most two points per column.
    void diezmarConservaLaForma() {
        QList<QPointF> puntos;
        for (int i = 0; i < 10000; ++i)
            puntos << QPointF(i, (i % 97) * ((i / 1000) % 2 ? -1 : 1));
        puntos[5123].setY(5000);
        const QList<QPointF> pocos = DiezmarPuntos(puntos, 100);
        QVERIFY(pocos.size() <= 2 * 100 + 2);
        QCOMPARE(pocos.front(), puntos.front());
        QCOMPARE(pocos.back(), puntos.back());
        QVERIFY(pocos.contains(puntos[5123]));
        QVERIFY(std::is_sorted(pocos.begin(), pocos.end(),
                               [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }));
        double menor = 0;
        for (const QPointF& p : pocos)
            menor = std::min(menor, p.y());
        QCOMPARE(menor, -96.0);
        // Short lines come back whole.
        QCOMPARE(DiezmarPuntos(puntos.mid(0, 50), 100), puntos.mid(0, 50));
    }

    void marcasRedondas_data() {
        QTest::addColumn<double>("minimo");
        QTest::addColumn<double>("maximo");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("capital") << 0.0 << 150000.0
                                 << QStringList{"0", "50.000", "100.000", "150.000"};
        QTest::newRow("por encima del último") << 0.0 << 8530.0
                                               << QStringList{"0", "2.000", "4.000", "6.000", "8.000", "10.000"};
        QTest::newRow("céntimos") << 0.0 << 0.4 << QStringList{"0,00", "0,10", "0,20", "0,30", "0,40"};
        QTest::newRow("todo igual") << 0.0 << 0.0 << QStringList{"-1,00", "-0,50", "0,00", "0,50", "1,00"};
    }
    void marcasRedondas() {
        QFETCH(double, minimo);
        QFETCH(double, maximo);
        QFETCH(QStringList, textos);
        const QList<double> marcas = MarcasEje(minimo, maximo, 5);
        QStringList vistos;
        for (double m : marcas)
            vistos << TextoMarca(m, marcas[1] - marcas[0]);
        QCOMPARE(vistos, textos);
    }

    // Too many bars are added in groups whose sums keep the total.
    void barrasAgrupadas() {
        DatosGrafico datos;
        datos.forma = FormaGrafico::BarrasApiladas;
        SerieGrafico serie{QStringLiteral("Capital"), {}};
        for (int i = 0; i < 10; ++i) {
            datos.categorias << QString::number(2000 + i);
            serie.puntos << QPointF(i, i + 1);
        }
        datos.series << serie;
        const DatosGrafico agrupado = AgruparBarras(datos, 4);
        QCOMPARE(agrupado.categorias, (QStringList{"2000–2002", "2003–2005", "2006–2008", "2009–2009"}));
        QList<double> sumas;
        for (const QPointF& p : agrupado.series[0].puntos)
            sumas << p.y();
        QCOMPARE(sumas, (QList<double>{6, 15, 24, 10}));
        QCOMPARE(AgruparBarras(datos, 10).categorias, datos.categorias);
    }

    // A span of bars runs from its first year to its last, whether its bars
    // are single years or groups of them.
    void textoDeTramo_data() {
        QTest::addColumn<QStringList>("categorias");
        QTest::addColumn<QString>("tramo");
        QTest::newRow("años") << QStringList{"2026", "2027", "2028"} << QStringLiteral("2026–2028");
        QTest::newRow("grupos") << QStringList{"2026–2028", "2029–2031", "2047–2049"} << QStringLiteral("2026–2049");
    }
    void textoDeTramo() {
        QFETCH(QStringList, categorias);
        QFETCH(QString, tramo);
        QCOMPARE(TextoTramo(categorias, 0, categorias.size() - 1), tramo);
    }

    // Ctrl+G shows the chart in place of the grid, described for a screen
    // reader; a second Ctrl+G brings the table back.
    void ventanaMuestraElGrafico() {
        auto v = std::make_unique<TFormDesarrolloCalculos>();
        DesarrollarPrestamo({Prestamo48(), "6", "48"}, *v);
        v->show();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        QVERIFY(v->AccGrafico->isVisible());
        QTest::keyClick(v.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(v->VistaGrafico->isVisible());
        QVERIFY(!v->GridDesarrollo->isVisible());
        QCOMPARE(v->VistaGrafico->Graficos().size(), 2);
        const QString primera = TextoImporte(FilasPrestamo(Prestamo48()).front().pendiente);
        QVERIFY2(v->VistaGrafico->accessibleDescription().contains(
                     QStringLiteral("Serie «Capital pendiente»: 48 puntos, de %1 a 0,00.").arg(primera)),
                 qPrintable(v->VistaGrafico->accessibleDescription()));
        QVERIFY(!v->AccRegSiguiente->isEnabled());
        QTest::keyClick(v.get(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(v->GridResumenAnual->isVisible());
        QVERIFY(!v->VistaGrafico->isVisible());
        QTest::keyClick(v.get(), Qt::Key_G, Qt::ControlModifier);
        QTest::keyClick(v.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(v->GridDesarrollo->isVisible());
        QVERIFY(v->AccRegSiguiente->isEnabled());
    }

    // The longest loan table's line holds no more points than the screen
    // has columns can show.
    void graficoLargoDiezmado() {
        QList<QPointF> puntos;
        for (int i = 0; i < 119988; ++i)
            puntos << QPointF(2000 + i / 12.0, 119988 - i);
        DatosGrafico datos;
        datos.series << SerieGrafico{QStringLiteral("Capital pendiente"), puntos};
        TGrafico grafico(datos);
        QVERIFY(grafico.PuntosDibujados() <= 2 * 4000 + 2);
        QCOMPARE(grafico.Datos().series[0].puntos.size(), 119988);
    }
};

QTEST_MAIN(TestGraficos)
#include "test_graficos.moc"
