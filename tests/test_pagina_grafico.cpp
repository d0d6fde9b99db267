// The chart page that ends a printed table: drawn with the page's own
// records, its lines inside the plot and through the table's figures, long
// lines thinned to the page's width, bars stacked to scale, in the report's
// orientation, and carried whole by a report file.
#include "prueba_comun.h"
#include "textos_pagina.h"
#include "prestamo_48.h"

#include "finance/resumen_anual.h"
#include "reports/engine/fichero_informe.h"
#include "reports/engine/generador_informe.h"
#include "reports/form_rpt_prestamos.h"
#include "reports/fuente_filas.h"
#include "reports/pagina_grafico.h"
#include "schedules/graficos_tabla.h"
#include "util/ajustes_regionales.h"

#include <cmath>

namespace {

QList<DatosGrafico> GraficosPrestamo48() {
    const DatosFilasPrestamo d = Prestamo48();
    return GraficosPrestamo(FilasPrestamo(d), ResumenAnualPrestamo(d));
}

// Every cell of the table holds `texto`.
class FilasIguales : public FuenteFilas {
public:
    explicit FilasIguales(QString texto) : texto_(std::move(texto)) {}
    QString Celda(int, int) const override { return texto_; }

private:
    QString texto_;
};

CajaPagina Caja() {
    CajaPagina caja;
    caja.x = 15;
    caja.y = 40;
    caja.ancho = 180;
    caja.alto = 110;
    return caja;
}

QRgb Color(int serie) { return 0xff000000 | kColoresSerie[serie]; }

// The y of an amount in the plot, from the axis's round marks.
float YEnTrazado(const CajaPagina& trazado, const QList<double>& marcas, double valor) {
    const double parte = (valor - marcas.front()) / (marcas.back() - marcas.front());
    return trazado.y + trazado.alto - float(parte) * trazado.alto;
}

InformePreparado Generar(TFormRptBase& rpt, const FuenteFilas& fuente, int filas) {
    rpt.FijarFuente(&fuente);
    rpt.FilasInforme = filas + 1;
    InformePreparado paginas;
    TGeneradorInforme generador;
    generador.FijarAtenderEventos(false);
    generador.Generar(rpt.Informe(), paginas);
    return paginas;
}

}  // namespace

class TestPaginaGrafico : public QObject {
    Q_OBJECT
private slots:
    void init() { LeerAjustesRegionales(QLocale(QLocale::Spanish, QLocale::Spain)); }

    // The pending capital's line starts at the first row's figure at the
    // plot's left edge, ends at the last row's at its right edge, and every
    // segment stays inside the plot; the legend's sample is the only line
    // of the series' colour outside it.
    void lineaDentroDelTrazadoYPorLasFilas() {
        const DatosGrafico pendiente = GraficosPrestamo48()[0];
        const QList<QPointF>& puntos = pendiente.series[0].puntos;
        InformePreparado informe;
        PaginaPreparada pagina;
        DibujarGraficos({pendiente}, Caja(), pagina, informe);

        const CajaPagina t = CajaTrazado(pendiente, Caja());
        const QList<double> marcas = MarcasEje(0, puntos.front().y());
        constexpr float kTolerancia = 0.01f;
        QList<Primitiva> dentro;
        int fuera = 0;
        for (const Primitiva& p : pagina.primitivas) {
            if (p.tipo != Primitiva::Linea || p.color != Color(0))
                continue;
            const bool enTrazado = std::min(p.x, p.x + p.ancho) >= t.x - kTolerancia &&
                                   std::max(p.x, p.x + p.ancho) <= t.x + t.ancho + kTolerancia &&
                                   std::min(p.y, p.y + p.alto) >= t.y - kTolerancia &&
                                   std::max(p.y, p.y + p.alto) <= t.y + t.alto + kTolerancia;
            if (enTrazado)
                dentro << p;
            else
                ++fuera;
        }
        QCOMPARE(fuera, 1);
        QCOMPARE(dentro.size(), puntos.size() - 1);
        QCOMPARE(dentro.front().x, t.x);
        QVERIFY(std::abs(dentro.front().y - YEnTrazado(t, marcas, puntos.front().y())) < kTolerancia);
        const Primitiva& ultima = dentro.back();
        QVERIFY(std::abs(ultima.x + ultima.ancho - (t.x + t.ancho)) < kTolerancia);
        QVERIFY(std::abs(ultima.y + ultima.alto - YEnTrazado(t, marcas, puntos.back().y())) < kTolerancia);

        const QStringList textos = Textos(pagina);
        QVERIFY(textos.contains(QStringLiteral("Capital pendiente")));
        QVERIFY(textos.contains(QStringLiteral("10.000")));  // a round mark, grouped
        QVERIFY(textos.contains(QStringLiteral("2026")));    // a year, not grouped
    }

    // The time axis is marked in whole years without grouping, and a line
    // within one year at fractions of it.
    void marcasDelTiempo_data() {
        QTest::addColumn<double>("desde");
        QTest::addColumn<double>("hasta");
        QTest::addColumn<QStringList>("marcas");
        QTest::newRow("años") << 2024.5 << 2028.5 << QStringList{"2025", "2026", "2027", "2028"};
        QTest::newRow("un año") << 2024.1 << 2024.9 << QStringList{"2024,20", "2024,40", "2024,60", "2024,80"};
    }
    void marcasDelTiempo() {
        QFETCH(double, desde);
        QFETCH(double, hasta);
        QFETCH(QStringList, marcas);
        DatosGrafico datos;
        datos.series << SerieGrafico{QStringLiteral("Serie"), {QPointF(desde, 100), QPointF(hasta, 0)}};
        InformePreparado informe;
        PaginaPreparada pagina;
        DibujarGraficos({datos}, Caja(), pagina, informe);
        const CajaPagina t = CajaTrazado(datos, Caja());
        QStringList bajoEje;
        for (const Primitiva& p : pagina.primitivas)
            if (p.tipo == Primitiva::Texto && p.y > t.y + t.alto && p.y < t.y + t.alto + 2)
                bajoEje << p.texto;
        QCOMPARE(bajoEje, marcas);
    }

    // A line of a hundred thousand points is drawn with at most two points
    // per typographic point of the plot's width, keeping its ends.
    void lineaLargaDiezmada() {
        DatosGrafico datos;
        datos.titulo = QStringLiteral("Largo");
        SerieGrafico serie{QStringLiteral("Serie"), {}};
        for (int i = 0; i <= 100000; ++i)
            serie.puntos << QPointF(i, 100000 - i + (i % 2) * 500);
        datos.series << serie;
        InformePreparado informe;
        PaginaPreparada pagina;
        DibujarGraficos({datos}, Caja(), pagina, informe);
        const CajaPagina t = CajaTrazado(datos, Caja());
        const int columnas = int(t.ancho / (25.4f / 72));
        QList<Primitiva> segmentos;
        for (const Primitiva& p : pagina.primitivas)
            if (p.tipo == Primitiva::Linea && p.color == Color(0) && p.y < t.y + t.alto + 0.01f)
                segmentos << p;
        QVERIFY2(segmentos.size() <= 2 * columnas + 2, qPrintable(QString::number(segmentos.size())));
        QCOMPARE(segmentos.front().x, t.x);
        QVERIFY(std::abs(segmentos.back().x + segmentos.back().ancho - (t.x + t.ancho)) < 0.01f);
    }

    // The capital bars of all years add up to the loan's capital, to the
    // axis's scale, and sit on the zero line.
    void barrasApiladasAEscala() {
        const DatosGrafico anual = GraficosPrestamo48()[1];
        InformePreparado informe;
        PaginaPreparada pagina;
        DibujarGraficos({anual}, Caja(), pagina, informe);
        const CajaPagina t = CajaTrazado(anual, Caja());
        double mayor = 0;
        for (qsizetype k = 0; k < anual.categorias.size(); ++k)
            mayor = std::max(mayor, anual.series[0].puntos[k].y() + anual.series[1].puntos[k].y());
        const QList<double> marcas = MarcasEje(0, mayor);
        double capital = 0;
        int barras = 0;
        for (const Primitiva& p : pagina.primitivas) {
            if (p.tipo != Primitiva::Rectangulo || p.color != Color(0) || p.y > t.y + t.alto)
                continue;  // the legend's square lies under the plot
            capital += p.alto;
            ++barras;
            QVERIFY(std::abs(p.y + p.alto - (t.y + t.alto)) < 0.01f);
        }
        QCOMPARE(barras, int(anual.categorias.size()));
        const double escala = t.alto / (marcas.back() - marcas.front());
        QVERIFY2(std::abs(capital / escala - 10000) < 0.5, qPrintable(QString::number(capital / escala)));
        QVERIFY(Textos(pagina).contains(QStringLiteral("Intereses")));
    }

    // A century of yearly bars is added together in groups, and the axis
    // names four spans of years, each from its first year to its last.
    void sigloDeBarrasEnTramos() {
        DatosGrafico datos;
        datos.forma = FormaGrafico::BarrasApiladas;
        SerieGrafico serie{QStringLiteral("Capital"), {}};
        for (int anio = 2026; anio < 2126; ++anio) {
            serie.puntos << QPointF(datos.categorias.size(), 1000);
            datos.categorias << QString::number(anio);
        }
        datos.series << serie;
        InformePreparado informe;
        PaginaPreparada pagina;
        DibujarGraficos({datos}, Caja(), pagina, informe);
        const CajaPagina t = CajaTrazado(datos, Caja());
        QStringList bajoEje;
        int barras = 0;
        for (const Primitiva& p : pagina.primitivas) {
            if (p.tipo == Primitiva::Texto && p.y > t.y + t.alto && p.y < t.y + t.alto + 2)
                bajoEje << p.texto;
            barras += p.tipo == Primitiva::Rectangulo && p.color == Color(0) && p.y < t.y + t.alto;
        }
        QVERIFY2(barras <= 40, qPrintable(QString::number(barras)));
        QCOMPARE(bajoEje.size(), 4);
        QCOMPARE(bajoEje.front().section(QChar(0x2013), 0, 0), QStringLiteral("2026"));
        QCOMPARE(bajoEje.back().section(QChar(0x2013), -1), QStringLiteral("2125"));
        for (const QString& tramo : bajoEje)
            QCOMPARE(tramo.count(QChar(0x2013)), 1);
    }

    // The report gains one last page, with the page header and footer but
    // no column titles, holding both charts; it turns with the report, and a
    // report file keeps it record for record.
    void ultimaPaginaDelInforme_data() {
        QTest::addColumn<QString>("cifra");
        QTest::addColumn<float>("ancho");
        QTest::newRow("vertical") << QStringLiteral("1.234,56") << 210.0f;
        QTest::newRow("apaisado") << QStringLiteral("999.999.999.999.999,99") << 297.0f;
    }
    void ultimaPaginaDelInforme() {
        QFETCH(QString, cifra);
        QFETCH(float, ancho);
        const FilasIguales filas(cifra);
        TFormRptPrestamos sinGrafico;
        const std::size_t paginas = Generar(sinGrafico, filas, 48).paginas.size();

        TFormRptPrestamos rpt;
        rpt.AnadirPaginaGraficos(GraficosPrestamo48());
        const InformePreparado informe = Generar(rpt, filas, 48);
        QCOMPARE(informe.paginas.size(), paginas + 1);
        const PaginaPreparada ultima = informe.paginas[informe.paginas.size() - 1];
        QCOMPARE(ultima.anchoMm, ancho);
        const QStringList textos = Textos(ultima);
        QVERIFY(textos.contains(QStringLiteral("Capital pendiente")));
        QVERIFY(textos.contains(QStringLiteral("Capital e intereses pagados por año")));
        QVERIFY(textos.contains(QStringLiteral("Página: %1").arg(paginas + 1)));
        QVERIFY(!textos.contains(QStringLiteral("Pendiente")));  // a column title
        for (const Primitiva& p : ultima.primitivas)
            QVERIFY(p.x >= 0 && p.x + std::max(p.ancho, 0.0f) <= ultima.anchoMm + 0.01f);

        InformePreparado leido;
        QString motivo;
        QVERIFY2(LeerInforme(EscribirInforme(informe), leido, &motivo), qPrintable(motivo));
        QCOMPARE(leido.paginas.size(), informe.paginas.size());
        const PaginaPreparada releida = leido.paginas[leido.paginas.size() - 1];
        QCOMPARE(releida.primitivas.size(), ultima.primitivas.size());
        for (std::size_t i = 0; i < ultima.primitivas.size(); ++i) {
            const Primitiva &a = ultima.primitivas[i], &b = releida.primitivas[i];
            QVERIFY(a.tipo == b.tipo && a.x == b.x && a.y == b.y && a.ancho == b.ancho && a.alto == b.alto &&
                    a.color == b.color && a.texto == b.texto);
        }
    }

    // Without charts the report keeps its pages.
    void sinGraficosNoHayPagina() {
        const FilasIguales filas(QStringLiteral("1,00"));
        TFormRptPrestamos a, b;
        b.AnadirPaginaGraficos({});
        QCOMPARE(Generar(b, filas, 100).paginas.size(), Generar(a, filas, 100).paginas.size());
    }
};

QTEST_MAIN(TestPaginaGrafico)
#include "test_pagina_grafico.moc"
