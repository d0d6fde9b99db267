// Every figure the program shows is shown whole: the result panels, the
// columns of the development tables and the columns of the printed reports
// are wide enough for the largest amounts, and a panel too narrow for its
// text shows an ellipsis and gives the whole figure in its hint.
#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "app/form_calculos_financieros.h"
#include "ui/panel_resultado.h"
#include "reports/engine/generador_informe.h"
#include "reports/form_rpt_depreciaciones.h"
#include "reports/form_rpt_inversiones.h"
#include "reports/form_rpt_prestamos.h"
#include "reports/fuente_filas.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/desarrollo_depreciacion.h"
#include "schedules/desarrollo_inversion.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/form_desarrollo_calculos.h"
#include "widgets/grid/attribute_grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolTip>
#include <cmath>
#include <memory>

using finance::PaymentTiming;

namespace {

// The widest amount the program accepts and shows.
const QString kMasAncho = QStringLiteral("-1.000.000.000.000.000,00");

// The room a panel gives its text: what a framed, right-aligned label keeps.
int HuecoPanel(const TPanelResultado& p) {
    const QFontMetrics fm(p.font());
    return p.contentsRect().width() - 2 * p.margin() - fm.horizontalAdvance(QLatin1Char('x')) / 2;
}

double CuotaPrestamo(double capital, double anual, int meses) {
    const double i = anual / 1200;
    return std::round(capital * i / (1 - std::pow(1 + i, -meses)) * 100) / 100;
}

// Every cell of the grid, title row included, fits its column with the
// 2 pixels the grid keeps at either side.
void ComprobarColumnas(const TAttributeGrid& g) {
    for (int c = 0; c < g.ColCount(); ++c) {
        for (int r = 0; r < g.RowCount(); ++r) {
            const int ancho = QFontMetrics(g.CellFont(c, r).QtFont()).horizontalAdvance(g.Cells(c, r));
            QVERIFY2(ancho + 4 <= g.ColWidths(c),
                     qPrintable(QStringLiteral("«%1» (%2 px) en la columna %3 de %4 px")
                                    .arg(g.Cells(c, r)).arg(ancho).arg(c).arg(g.ColWidths(c))));
        }
    }
}

// The information strip of a schedule window: every value panel shows its
// figure whole, and no caption or panel runs into the next one.
void ComprobarInformacion(const TFormDesarrolloCalculos& v) {
    QList<QWidget*> controles;
    for (QWidget* w : v.PnlInfoPrestamo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            controles << w;
    std::sort(controles.begin(), controles.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    for (qsizetype i = 0; i < controles.size(); ++i) {
        if (const auto* p = qobject_cast<TPanelResultado*>(controles[i]))
            QVERIFY2(QFontMetrics(p->font()).horizontalAdvance(p->text()) <= HuecoPanel(*p), qPrintable(p->text()));
        if (i > 0)
            QVERIFY2(controles[i - 1]->geometry().right() < controles[i]->x(), qPrintable(controles[i]->objectName()));
    }
}

// Report rows of ordinary amounts, but for one row (none when 0) that holds
// the widest texts a schedule can give.
class FilasAnchas : public FuenteFilas {
public:
    explicit FilasAnchas(int ancha) : ancha_(ancha) {}
    QString Celda(int columna, int fila) const override {
        if (columna == 0)
            return QString::number(fila == ancha_ ? 1000000 : fila);
        if (columna == 1)
            return QStringLiteral("31/12/9999");
        return fila == ancha_ ? kMasAncho : QStringLiteral("1.737.572,84");
    }

private:
    int ancha_;
};

std::unique_ptr<TFormRptBase> Informe(int tipo) {
    if (tipo == 0)
        return std::make_unique<TFormRptPrestamos>();
    if (tipo == 1)
        return std::make_unique<TFormRptInversiones>();
    return std::make_unique<TFormRptDepreciaciones>();
}

InformePreparado Generar(TFormRptBase& rpt, const FuenteFilas& filas, int filasDatos = 3) {
    rpt.FijarFuente(&filas);
    rpt.FilasInforme = filasDatos + 1;
    InformePreparado paginas;
    TGeneradorInforme generador;
    generador.FijarAtenderEventos(false);
    generador.Generar(rpt.Informe(), paginas);
    return paginas;
}

// A text's width in millimetres at its style, as the page painter draws it:
// at the exact size of its points, measured on a large font.
float AnchoMm(const QString& texto, const EstiloTexto& estilo) {
    constexpr int kPixeles = 1000;
    QFont fuente(estilo.familia);
    fuente.setBold(estilo.negrita);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    fuente.setPixelSize(kPixeles);
    return float(QFontMetricsF(fuente).horizontalAdvance(texto) / kPixeles * estilo.puntos * 25.4 / 72);
}

// Where a text primitive's ink runs, from its box and alignment.
std::pair<float, float> Tramo(const Primitiva& p, float ancho) {
    switch (p.alineacion) {
    case AlineacionTexto::Derecha: return {p.x + p.ancho - ancho, p.x + p.ancho};
    case AlineacionTexto::Centro: return {p.x + (p.ancho - ancho) / 2, p.x + (p.ancho + ancho) / 2};
    default: return {p.x, p.x + ancho};
    }
}

// Column titles are the texts printed bold, black and centred.
bool EsTituloDeColumna(const Primitiva& p, const EstiloTexto& estilo) {
    return estilo.negrita && estilo.color == 0xff000000 && p.alineacion == AlineacionTexto::Centro;
}

// The x of the first vertical line a text primitive's ink crosses, or -1.
float LineaCruzada(const Primitiva& p, float ancho, const std::vector<Primitiva>& prims) {
    const auto [desde, hasta] = Tramo(p, ancho);
    for (const Primitiva& l : prims)
        if (l.tipo == Primitiva::Linea && l.ancho == 0 && l.y <= p.y + p.alto / 2 && l.y + l.alto >= p.y + p.alto / 2 &&
            l.x > desde && l.x < hasta)
            return l.x;
    return -1;
}

}  // namespace

class TestCifrasCompletas : public QObject {
    Q_OBJECT
private slots:
    // The widest amount fits every result panel of the three pages, and the
    // panels of one column stay lined up inside the window.
    void panelesDeLaVentanaPrincipal() {
        TFormCalculosFinancieros v;
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        // The savings page shows its real and net figures only for a plan with
        // inflation and a tax on the gain: one is worked out so they show too.
        v.CondicionesInv.inflacion = 2;
        v.CondicionesInv.retencion = finance::TipoRetencion::Tramos;
        v.CbInvCalculos->setCurrentIndex(3);
        v.EditInvCuota->setText(QStringLiteral("100"));
        v.EditInvInteres->setText(QStringLiteral("3"));
        v.EditInvNum->setText(QStringLiteral("12"));
        v.CalcularInversion();
        for (QWidget* pagina : {v.tsPres, v.tsInv, v.tsDep}) {
            v.pcCalculos->setCurrentWidget(pagina);
            QCoreApplication::processEvents();
            QMap<int, int> anchoPorColumna;
            for (TPanelResultado* p : pagina->findChildren<TPanelResultado*>()) {
                p->setText(kMasAncho);
                QVERIFY2(QFontMetrics(p->font()).horizontalAdvance(kMasAncho) <= HuecoPanel(*p),
                         qPrintable(p->objectName()));
                QVERIFY(p->TextoCabe());
                const QPoint finEnVentana = p->mapTo(&v, QPoint(p->width(), 0));
                QVERIFY2(finEnVentana.x() <= v.width() - 4, qPrintable(p->objectName()));
                QVERIFY2(p->isVisibleTo(pagina), qPrintable(p->objectName()));
                const int x = p->mapTo(&v, QPoint()).x();
                anchoPorColumna[x] = p->width();
            }
            QVERIFY(anchoPorColumna.size() <= 2);
        }
    }

    // A loan of 9.999.999.999 at 6 % over 360 months, typed as a person does:
    // "Total pagado" shows 21.583.818.902,78 whole.
    void prestamoDeImportesGrandes() {
        RegistroDialogos registro;
        TFormCalculosFinancieros v;
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        v.EditPresInteres->setText(QStringLiteral("6"));
        v.EditPresNum->setText(QStringLiteral("360"));
        v.EditPresCapital->setText(QStringLiteral("9999999999"));
        v.AccCalcular->trigger();
        QCOMPARE(v.PnlPresPagado->text(), QStringLiteral("21.583.818.902,78"));
        for (TPanelResultado* p : v.PnlPresResul->findChildren<TPanelResultado*>()) {
            if (p == v.PnlPresTAERevisiones)
                continue;  // empty: no revisions typed
            QVERIFY2(!p->text().isEmpty(), qPrintable(p->objectName()));
            QVERIFY2(QFontMetrics(p->font()).horizontalAdvance(p->text()) <= HuecoPanel(*p), qPrintable(p->objectName()));
        }
    }

    // Too narrow for its figure, a panel draws an ellipsis and no digit, and
    // its hint gives the whole figure before the panel's own hint.
    void panelEstrechoMuestraPuntosSuspensivos() {
        TPanelResultado p;
        p.setToolTip(QStringLiteral("Cantidad total pagada"));
        p.setText(QStringLiteral("21.583.818.903,34"));
        p.resize(60, 21);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QVERIFY(!p.TextoCabe());
        QImage imagen(p.size(), QImage::Format_RGB32);
        imagen.fill(Qt::white);
        p.render(&imagen);
        int izquierda = p.width();
        for (int y = 4; y < p.height() - 4; ++y)
            for (int x = 4; x < p.width() - 4; ++x)
                if (qGray(imagen.pixel(x, y)) < 128)
                    izquierda = std::min(izquierda, x);
        const int puntos = QFontMetrics(p.font()).horizontalAdvance(QStringLiteral("\u2026"));
        QVERIFY2(izquierda >= p.width() - 4 - puntos - 6, qPrintable(QString::number(izquierda)));

        QHelpEvent ayuda(QEvent::ToolTip, QPoint(10, 10), p.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&p, &ayuda);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("21.583.818.903,34\nCantidad total pagada"));
        QCOMPARE(p.text(), QStringLiteral("21.583.818.903,34"));
        QToolTip::hideText();
    }

    // The columns of the development tables widen to their widest text.
    void columnasDeLasTablas_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<double>("importe");
        QTest::newRow("préstamo de 1.500.000") << 0 << 1500000.0;
        QTest::newRow("préstamo de 9.999.999.999") << 0 << 9999999999.0;
        QTest::newRow("inversión de 200.000.000.000 al mes") << 1 << 200000000000.0;
        QTest::newRow("depreciación de 1.000.000.000.000.000") << 2 << 1e15;
    }
    void columnasDeLasTablas() {
        QFETCH(int, tipo);
        QFETCH(double, importe);
        TFormDesarrolloCalculos v;
        const QDate inicio(2026, 1, 15);
        if (tipo == 0) {
            DesarrollarPrestamo({{importe, 6, 360, CuotaPrestamo(importe, 6, 360), PaymentTiming::EndOfPeriod, inicio},
                                 QStringLiteral("6,00"), QStringLiteral("360")},
                                v);
        } else if (tipo == 1) {
            v.GridDesarrollo->SetColCount(6);
            DesarrollarInversion({{0, 0, 6, 360, importe, PaymentTiming::StartOfPeriod, inicio, {}},
                                  QStringLiteral("6,00"), QStringLiteral("360")},
                                 v);
        } else {
            v.GridDesarrollo->SetColCount(6);
            DesarrollarDepreciacion(
                {{importe, 0, 10, 10, importe, finance::CodigoCalculo::DepreciacionLineal, inicio}}, v);
        }
        ComprobarColumnas(*v.GridDesarrollo);
        ComprobarInformacion(v);
        if (tipo == 0 && importe == 1500000.0)
            QCOMPARE(v.GridDesarrollo->Cells(8, 360), QStringLiteral("1.737.571,46"));
    }

    // A period number of seven digits fits the number column.
    void numeroDeSieteCifras() {
        TFormDesarrolloCalculos v;
        TAttributeGrid& g = *v.GridDesarrollo;
        g.SetRowCount(2);
        TEscrituraTabla tabla(g);
        tabla.Fila(1, {QStringLiteral("1000000")});
        tabla.AjustarAnchos();
        ComprobarColumnas(g);
    }

    // Every report prints the widest texts whole: detail figures fit their
    // labels (a column's font shrinks where it must), ordinary figures keep
    // the 8-point font, no text crosses a separator, and each column title
    // stands centred over its figures.
    void columnasDeLosInformes_data() {
        QTest::addColumn<int>("tipo");
        QTest::newRow("préstamos") << 0;
        QTest::newRow("inversiones") << 1;
        QTest::newRow("depreciaciones") << 2;
    }
    void columnasDeLosInformes() {
        QFETCH(int, tipo);
        std::unique_ptr<TFormRptBase> rpt = Informe(tipo);
        // The summary values, as wide as the schedule window can give them.
        for (BandaInforme& banda : rpt->Informe().bandas)
            if (banda.tipo == TipoBanda::Hija && banda.fondo == qRgb(223, 223, 255))
                for (EtiquetaInforme& e : banda.etiquetas)
                    if (e.texto.isEmpty())
                        e.texto = kMasAncho;
        const FilasAnchas filas(1);
        const InformePreparado paginas = Generar(*rpt, filas);
        QCOMPARE(paginas.paginas.size(), std::size_t(1));
        const PaginaPreparada primera = paginas.paginas[0];
        const std::vector<Primitiva>& prims = primera.primitivas;

        QList<const Primitiva*> titulos;
        for (const Primitiva& p : prims) {
            if (p.tipo != Primitiva::Texto || p.texto.isEmpty())
                continue;
            const EstiloTexto& estilo = paginas.estilos[p.estilo];
            const float ancho = AnchoMm(p.texto, estilo);
            const float cruzada = LineaCruzada(p, ancho, prims);
            QVERIFY2(cruzada < 0, qPrintable(QStringLiteral("«%1» cruza la línea en %2 mm").arg(p.texto).arg(cruzada)));
            if (p.texto == kMasAncho || p.texto == QStringLiteral("1000000"))
                QVERIFY2(ancho <= p.ancho, qPrintable(QStringLiteral("«%1»: %2 mm en %3 mm").arg(p.texto).arg(ancho).arg(p.ancho)));
            // Seven digits and the last date fit at full size.
            if (p.texto == QStringLiteral("31/12/9999") || p.texto == QStringLiteral("1000000"))
                QCOMPARE(estilo.puntos, 8.0f);
            if (EsTituloDeColumna(p, estilo))
                titulos << &p;
        }
        // Each title's box is centred on the box of the figures under it,
        // and holds the title.
        QCOMPARE(titulos.size(), tipo == 0 ? 9 : 6);
        for (const Primitiva* t : titulos) {
            QVERIFY2(AnchoMm(t->texto, paginas.estilos[t->estilo]) <= t->ancho, qPrintable(t->texto));
            bool encima = false;
            for (const Primitiva& p : prims)
                if (p.tipo == Primitiva::Texto && !paginas.estilos[p.estilo].negrita && p.y > t->y &&
                    std::fabs(p.x + p.ancho / 2 - (t->x + t->ancho / 2)) < 0.01f && p.ancho <= t->ancho)
                    encima = true;
            QVERIFY2(encima, qPrintable(t->texto));
        }

        // Ordinary amounts keep the report's 8-point font.
        const FilasAnchas ordinarias(0);
        const std::unique_ptr<TFormRptBase> otro = Informe(tipo);
        const InformePreparado normales = Generar(*otro, ordinarias);
        for (const EstiloTexto& estilo : normales.estilos)
            QVERIFY(estilo.puntos >= 8.0f);

        // A wide figure deep inside a long report fits as well.
        const FilasAnchas enMedio(700);
        const std::unique_ptr<TFormRptBase> largo = Informe(tipo);
        const InformePreparado largas = Generar(*largo, enMedio, 1400);
        bool vista = false;
        for (const PaginaPreparada& pagina : largas.paginas)
            for (const Primitiva& p : pagina.primitivas)
                if (p.tipo == Primitiva::Texto && p.texto == kMasAncho && p.alineacion == AlineacionTexto::Derecha) {
                    QVERIFY(AnchoMm(p.texto, largas.estilos[p.estilo]) <= p.ancho);
                    vista = true;
                }
        QVERIFY(vista);
    }

    // A loan with early repayments prints more, narrower columns: each title
    // stays between its separators, at the report's 8-point font where it
    // fits, in a smaller one where even a short title would not.
    void titulosDeColumnasEstrechas_data() {
        QTest::addColumn<QStringList>("extras");
        QTest::addColumn<QStringList>("titulos");
        QTest::addColumn<QStringList>("menores");
        QTest::newRow("amortización y comisión")
            << QStringList{"Amort. anticipada", "Comisión"}
            << QStringList{"Nº",         "Fecha",    "Cuota",     "Capital", "Interés",  "Anticipada",
                           "Comisión",   "Amortiz.", "Pendiente", "Pagado",  "Intereses"}
            << QStringList{};
        QTest::newRow("un título que no cabe")
            << QStringList{"Amort. anticipada", "Comisión de cancelación"}
            << QStringList{"Nº",         "Fecha",    "Cuota",     "Capital", "Interés",  "Anticipada",
                           "Comisión de cancelación", "Amortiz.", "Pendiente", "Pagado",  "Intereses"}
            << QStringList{"Comisión de cancelación"};
    }
    void titulosDeColumnasEstrechas() {
        QFETCH(QStringList, extras);
        QFETCH(QStringList, titulos);
        QFETCH(QStringList, menores);
        TFormRptPrestamos rpt(extras);
        const FilasAnchas filas(0);
        const InformePreparado paginas = Generar(rpt, filas);
        QCOMPARE(paginas.paginas.size(), std::size_t(1));
        const PaginaPreparada primera = paginas.paginas[0];
        const std::vector<Primitiva>& prims = primera.primitivas;
        QStringList vistos;
        for (const Primitiva& p : prims) {
            const EstiloTexto& estilo = paginas.estilos[p.estilo];
            if (p.tipo != Primitiva::Texto || !EsTituloDeColumna(p, estilo))
                continue;
            vistos << p.texto;
            const float cruzada = LineaCruzada(p, AnchoMm(p.texto, estilo), prims);
            QVERIFY2(cruzada < 0, qPrintable(QStringLiteral("«%1» cruza la línea en %2 mm").arg(p.texto).arg(cruzada)));
            QVERIFY2(menores.contains(p.texto) == (estilo.puntos < 8.0f), qPrintable(p.texto));
        }
        QCOMPARE(vistos, titulos);
    }
};

ZZ_TEST_MAIN(TestCifrasCompletas)
#include "test_cifras_completas.moc"
