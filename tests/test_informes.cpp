#include "prueba_comun.h"

#include "util/identidad.h"
#include "reports/engine/generador_informe.h"
#include "reports/engine/impresion_informe.h"
#include "reports/form_rpt_depreciaciones.h"
#include "reports/form_rpt_inversiones.h"
#include "reports/form_rpt_prestamos.h"
#include "reports/form_rpt_retiradas.h"
#include "reports/fuente_filas.h"
#include "reports/medidor_texto.h"
#include "util/tabla_textos.h"
#include "util/ajustes_regionales.h"
#include "util/textos_numericos.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

namespace {

// A schedule grid in miniature: cell (c, r) reads "c<c>f<r>", except column 0,
// which holds the period number as the schedule does.
class FilasDePrueba : public FuenteFilas {
public:
    QString Celda(int columna, int fila) const override {
        return columna == 0 ? QString::number(fila) : QStringLiteral("c%1f%2").arg(columna).arg(fila);
    }
};

// The schedule of a loan of 999.999.999.999,99 at 15 % over 1200 monthly
// instalments, as the table shows it: the instalment, capital and interest
// take 17 characters, the capital repaid and pending 18, and the amounts
// paid and the interest so far grow from 17 to 21. With `anticipada`, a
// column of early repayments as large as the amounts paid follows the
// interest, as the table shows it when the loan has some.
class FilasPrestamoGrande : public FuenteFilas {
public:
    static constexpr int kCuotas = 1200;
    explicit FilasPrestamoGrande(bool anticipada = false) {
        const double tasa = 0.15 / 12, capital = 999999999999.99;
        const double cuota = capital * tasa / (1 - std::pow(1 + tasa, -kCuotas));
        double pendiente = capital, pagado = 0, intereses = 0;
        for (int f = 1; f <= kCuotas; ++f) {
            const double interes = pendiente * tasa;
            pendiente -= cuota - interes;
            pagado += cuota;
            intereses += interes;
            filas_.push_back({QString::number(f), QStringLiteral("15/%1/%2").arg(f % 12 + 1, 2, 10, QLatin1Char('0')).arg(2026 + f / 12),
                              TextoImporte(cuota), TextoImporte(cuota - interes), TextoImporte(interes),
                              TextoImporte(capital - pendiente), TextoImporte(std::max(0.0, pendiente)),
                              TextoImporte(pagado), TextoImporte(intereses)});
            if (anticipada)
                filas_.back().insert(5, TextoImporte(pagado));
        }
    }
    QString Celda(int columna, int fila) const override {
        return fila >= 1 && fila <= kCuotas ? filas_[std::size_t(fila - 1)].value(columna) : QString();
    }

private:
    std::vector<QStringList> filas_;
};

struct Generado {
    InformePreparado paginas;
    QStringList textoPaginas;  // what a reader of the PDF sees, page by page
};

// The pages of a report over the rows of `fuente`, grid rows 1 to `filas`.
InformePreparado Generar(TFormRptBase& informe, const FuenteFilas& fuente, int filas) {
    informe.FijarFuente(&fuente);
    informe.FilasInforme = filas + 1;
    InformePreparado paginas;
    TGeneradorInforme generador;
    generador.FijarAtenderEventos(false);
    generador.Generar(informe.Informe(), paginas);
    return paginas;
}

Generado GenerarYLeer(TFormRptBase& informe, int filasDatos) {
    static FilasDePrueba filas;
    Generado g;
    g.paginas = Generar(informe, filas, filasDatos);

    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("informe.pdf"));
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(pdf);
    impresora.setPageSize(QPageSize(QPageSize::A4));
    if (!ImprimirPaginas(g.paginas, impresora))
        return g;
    QProcess lector;
    lector.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    lector.waitForFinished(30000);
    g.textoPaginas = QString::fromUtf8(lector.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!g.textoPaginas.isEmpty() && g.textoPaginas.last().trimmed().isEmpty())
        g.textoPaginas.removeLast();
    return g;
}

// The grid rows under which a horizontal rule of the given length is drawn,
// found from the page primitives: a rule belongs to the last row whose
// number label lies above it.
QList<int> FilasConLinea(const InformePreparado& paginas, float largo) {
    QList<int> filas;
    for (const PaginaPreparada& p : paginas.paginas) {
        std::vector<std::pair<float, int>> numeros;
        for (const Primitiva& q : p.primitivas) {
            bool esNumero = false;
            const int n = q.texto.toInt(&esNumero);
            if (q.tipo == Primitiva::Texto && esNumero && q.alineacion == AlineacionTexto::Centro)
                numeros.push_back({q.y, n});
        }
        for (const Primitiva& q : p.primitivas) {
            if (q.tipo != Primitiva::Linea || q.alto != 0 || std::fabs(q.ancho - largo) > 0.01f)
                continue;
            int fila = -1;
            for (const auto& [y, n] : numeros)
                if (y < q.y)
                    fila = n;
            filas.push_back(fila);
        }
    }
    return filas;
}

// The summary strip as a reader sees it, with the blank that the text
// extraction may or may not put between a caption and its value removed.
QString Resumen(const QString& pagina) {
    QString texto = pagina;
    return texto.replace(QRegularExpression(QStringLiteral(":\\s+")), QStringLiteral(":"));
}

// True when every text appears in the page, each after the previous one.
bool EnOrden(const QString& pagina, const QStringList& textos) {
    qsizetype desde = 0;
    for (const QString& t : textos) {
        desde = pagina.indexOf(t, desde);
        if (desde < 0)
            return false;
        desde += t.size();
    }
    return true;
}

// Where every text and line of the pages stands, page by page.
QStringList Disposicion(const InformePreparado& paginas) {
    QStringList disposicion;
    for (const PaginaPreparada& pagina : paginas.paginas) {
        QString texto = QStringLiteral("%1x%2").arg(pagina.anchoMm).arg(pagina.altoMm);
        for (const Primitiva& p : pagina.primitivas)
            texto += QStringLiteral("|%1 %2 %3 %4 %5 %6").arg(int(p.tipo)).arg(p.x).arg(p.y).arg(p.ancho).arg(p.alto).arg(p.texto);
        disposicion << texto;
    }
    return disposicion;
}

QString Hoy() { return QDate::currentDate().toString(Ajustes().formatoFechaCorta); }

}  // namespace

class TestInformes : public QObject {
    Q_OBJECT
private slots:
    void prestamoDeUnaPagina();
    void paginasSegunFilas_data();
    void paginasSegunFilas();
    void inversionSinLineas();
    void retiradasConSusColumnas();
    void depreciacionLineaBajoAniosCalculados();
    void generarDeNuevoEmpiezaEnLaPrimeraFila();
    void seccionFinalTrasLasFilas_data();
    void seccionFinalTrasLasFilas();
    void dosSeccionesFinales();
    void prestamoConAmortizaciones();
    void importesGrandesLegibles_data();
    void importesGrandesLegibles();
    void apaisadoVuelveAVertical();
    void cifrasEnDosLineas();
    void ahorroYDepreciacionApaisados_data();
    void ahorroYDepreciacionApaisados();
    void lineaTrasCadaAnioDeCuotas_data();
    void lineaTrasCadaAnioDeCuotas();
};

void TestInformes::prestamoDeUnaPagina() {
    TFormRptPrestamos rpt;
    rpt.LblTitulo->texto = QStringLiteral(" Desarrollo del préstamo");
    rpt.LblCuotaSol->texto = QStringLiteral("1.234,56");
    rpt.LblIntSol->texto = QStringLiteral("5,00");
    rpt.LblAniosSol->texto = QStringLiteral("24");
    rpt.LblCapSol->texto = QStringLiteral("28.000,00");
    const Generado g = GenerarYLeer(rpt, 24);

    QCOMPARE(g.paginas.paginas.size(), std::size_t(1));
    QCOMPARE(g.textoPaginas.size(), 1);
    const QString& pagina = g.textoPaginas.first();
    const QString nombre = TextoNombrePrograma() + QLatin1Char(' ') + TextoVersion();
    QCOMPARE(g.paginas.titulo, nombre);
    QVERIFY(EnOrden(Resumen(pagina), {QStringLiteral("Cálculos financieros"), nombre, QStringLiteral("Desarrollo del préstamo"),
                             QStringLiteral("Cuota:1.234,56"), QStringLiteral("Interés:5,00"),
                             QStringLiteral("Nº Cuotas:24"), QStringLiteral("Capital:28.000,00")}));
    QVERIFY(EnOrden(pagina, {QStringLiteral("Nº"), QStringLiteral("Fecha"), QStringLiteral("Cuota"),
                             QStringLiteral("Capital"), QStringLiteral("Interés"), QStringLiteral("Amortizado"),
                             QStringLiteral("Pendiente"), QStringLiteral("Pagado"), QStringLiteral("Intereses")}));
    QStringList filas;
    for (int f = 1; f <= 24; ++f)
        filas << QStringLiteral("c1f%1").arg(f) << QStringLiteral("c8f%1").arg(f);
    QVERIFY(EnOrden(pagina, filas));
    QVERIFY(!pagina.contains(QStringLiteral("c1f0")));
    QVERIFY(!pagina.contains(QStringLiteral("c1f25")));
    QVERIFY(EnOrden(pagina, {QStringLiteral("Fecha: ") + Hoy(), QStringLiteral("Página: 1")}));
    QCOMPARE(FilasConLinea(g.paginas, 175.7f), (QList<int>{12, 24}));
}

// The repayment and fee columns print between the interest and the capital
// repaid, every grid column has its figure and the page still ends where the
// plain one does.
void TestInformes::prestamoConAmortizaciones() {
    TFormRptPrestamos rpt({QStringLiteral("Amort. anticipada"), QStringLiteral("Comisión")});
    const Generado g = GenerarYLeer(rpt, 24);
    QCOMPARE(g.textoPaginas.size(), 1);
    const QString& pagina = g.textoPaginas.first();
    QVERIFY(EnOrden(pagina, {QStringLiteral("Interés"), QStringLiteral("Anticipada"), QStringLiteral("Comisión"),
                             QStringLiteral("Amortiz."), QStringLiteral("Pendiente"), QStringLiteral("Pagado"),
                             QStringLiteral("Intereses")}));
    QStringList celdas;
    for (int c = 1; c <= 10; ++c)
        celdas << QStringLiteral("c%1f24").arg(c);
    QVERIFY(EnOrden(pagina, celdas));
    QVERIFY(!pagina.contains(QStringLiteral("c11f")));
    const BandaInforme& detalle = rpt.Informe().bandas[6];
    QCOMPARE(detalle.etiquetas.size(), std::size_t(11));
    const EtiquetaInforme& ultima = detalle.etiquetas.back();
    QCOMPARE(ultima.izquierda + ultima.ancho, 158.7f + 20.4f);
}

void TestInformes::paginasSegunFilas_data() {
    QTest::addColumn<int>("filas");
    QTest::addColumn<int>("paginas");
    // 48 detail rows fit under the headers of a page.
    QTest::newRow("una fila") << 1 << 1;
    QTest::newRow("página llena") << 48 << 1;
    QTest::newRow("una más") << 49 << 2;
    QTest::newRow("treinta años") << 360 << 8;
}

void TestInformes::paginasSegunFilas() {
    QFETCH(int, filas);
    QFETCH(int, paginas);
    TFormRptPrestamos rpt;
    rpt.LblTitulo->texto = QStringLiteral(" Préstamo largo");
    const Generado g = GenerarYLeer(rpt, filas);
    QCOMPARE(g.textoPaginas.size(), paginas);
    QStringList todas;
    for (int n = 0; n < paginas; ++n) {
        const QString& p = g.textoPaginas[n];
        QVERIFY2(EnOrden(p, {QStringLiteral("Cálculos financieros"), QStringLiteral("Préstamo largo"),
                             QStringLiteral("Cuota:"), QStringLiteral("Amortizado"), QStringLiteral("Fecha: ") + Hoy(),
                             QStringLiteral("Página: %1").arg(n + 1)}),
                 qPrintable(QStringLiteral("página %1").arg(n + 1)));
        todas << p;
    }
    QStringList esperadas;
    for (int f = 1; f <= filas; ++f)
        esperadas << QStringLiteral("c2f%1 ").arg(f);
    QVERIFY(EnOrden(todas.join(QString()) + QLatin1Char(' '), esperadas));
}

void TestInformes::inversionSinLineas() {
    TFormRptInversiones rpt;
    rpt.LblTitulo->texto = QStringLiteral(" Desarrollo de la inversión");
    rpt.LblCuotaTitulo->texto = QStringLiteral("100,00");
    rpt.LblInteres->texto = QStringLiteral("3,00");
    rpt.LblAnios->texto = QStringLiteral("6");
    rpt.LblCapInicial->texto = QStringLiteral("1.000,00");
    rpt.LblCapFinal->texto = QStringLiteral("1.650,00");
    const Generado g = GenerarYLeer(rpt, 6);
    QCOMPARE(g.textoPaginas.size(), 1);
    const QString& p = g.textoPaginas.first();
    QVERIFY(EnOrden(Resumen(p), {QStringLiteral("Cuota:100,00"), QStringLiteral("Interés:3,00"), QStringLiteral("Nº Cuotas:6"),
                        QStringLiteral("Capital Inicial:1.000,00"), QStringLiteral("Capital Final:1.650,00")}));
    QVERIFY(EnOrden(p, {QStringLiteral("Nº"), QStringLiteral("Fecha"), QStringLiteral("Cuota"),
                        QStringLiteral("Invertido"), QStringLiteral("Acumulado"), QStringLiteral("Beneficio")}));
    QVERIFY(EnOrden(p, {QStringLiteral("c5f1"), QStringLiteral("c5f6")}));
    QVERIFY(FilasConLinea(g.paginas, 160.9f).isEmpty());
    TFormRptInversiones doce;
    QCOMPARE(FilasConLinea(GenerarYLeer(doce, 13).paginas, 160.9f), (QList<int>{12}));
}

// Five columns, the summary of the withdrawal plan, and a line after every
// twelfth withdrawal as long as the five columns.
void TestInformes::retiradasConSusColumnas() {
    TFormRptRetiradas rpt;
    rpt.LblTitulo->texto = QStringLiteral(" Retiradas, tabla de desarrollo");
    rpt.LblRetirada->texto = QStringLiteral("553,21");
    rpt.LblInteres->texto = QStringLiteral("3 %");
    rpt.LblCuotas->texto = QStringLiteral("24");
    rpt.LblCapInicial->texto = QStringLiteral("100.000,00");
    rpt.LblTotal->texto = QStringLiteral("132.771,88");
    const Generado g = GenerarYLeer(rpt, 24);
    const QString& p = g.textoPaginas.value(0);
    QVERIFY(EnOrden(Resumen(p), {QStringLiteral("Retirada:553,21"), QStringLiteral("Interés:3 %"),
                                 QStringLiteral("Nº Cuotas:24"), QStringLiteral("Capital Inicial:100.000,00"),
                                 QStringLiteral("Total retirado:132.771,88")}));
    QVERIFY(EnOrden(p, {QStringLiteral("Nº"), QStringLiteral("Fecha"), QStringLiteral("Retirada"),
                        QStringLiteral("Interés"), QStringLiteral("Capital")}));
    QVERIFY(EnOrden(p, {QStringLiteral("c4f1"), QStringLiteral("c4f24")}));
    QVERIFY(!p.contains(QStringLiteral("c5f1")));
    QCOMPARE(FilasConLinea(g.paginas, 130.3f), (QList<int>{12, 24}));
}

void TestInformes::depreciacionLineaBajoAniosCalculados() {
    TFormRptDepreciaciones rpt;
    rpt.LblTitulo->texto = QStringLiteral(" Depreciación lineal");
    rpt.LblValorInicialTitulo->texto = QStringLiteral("10.000,00");
    rpt.LblValorFinalTitulo->texto = QStringLiteral("1.000,00");
    rpt.LblAniosUtil->texto = QStringLiteral("10");
    rpt.LblAniosCalculados->texto = QStringLiteral("4");
    const Generado g = GenerarYLeer(rpt, 10);
    const QString& p = g.textoPaginas.value(0);
    QVERIFY(EnOrden(Resumen(p), {QStringLiteral("Valor Inicial:10.000,00"), QStringLiteral("Valor Final:1.000,00"),
                        QStringLiteral("Años vida útil:10"), QStringLiteral("Años cálculo:4")}));
    QVERIFY(EnOrden(p, {QStringLiteral("Año"), QStringLiteral("Fecha"), QStringLiteral("Valor Inicial"),
                        QStringLiteral("Dep. Periodo"), QStringLiteral("Valor Final"), QStringLiteral("Dep. Acumulada")}));
    QVERIFY(EnOrden(p, {QStringLiteral("c2f1"), QStringLiteral("c2f10")}));
    QCOMPARE(FilasConLinea(g.paginas, 160.9f), (QList<int>{4}));
}

void TestInformes::generarDeNuevoEmpiezaEnLaPrimeraFila() {
    TFormRptDepreciaciones rpt;
    rpt.LblAniosCalculados->texto = QStringLiteral("3");
    const Generado primera = GenerarYLeer(rpt, 5);
    const Generado segunda = GenerarYLeer(rpt, 5);
    QCOMPARE(segunda.textoPaginas, primera.textoPaginas);
    QCOMPARE(FilasConLinea(segunda.paginas, 160.9f), (QList<int>{3}));
}


namespace {

// A yearly summary of sixty years and its total, each cell naming itself.
TablaTextos ResumenDeSesentaAnios() {
    TablaTextos resumen{{QStringLiteral("Año"), QStringLiteral("Cuotas"), QStringLiteral("Pagado"),
                         QStringLiteral("Capital"), QStringLiteral("Interés"), QStringLiteral("Pendiente")},
                        {}};
    for (int anio = 2024; anio < 2024 + 60; ++anio)
        resumen.filas.push_back({QString::number(anio), QStringLiteral("12"), QStringLiteral("p%1").arg(anio),
                                 QStringLiteral("k%1").arg(anio), QStringLiteral("i%1").arg(anio),
                                 QStringLiteral("r%1").arg(anio)});
    resumen.filas.push_back({QStringLiteral("Total"), QStringLiteral("720"), QStringLiteral("pTotal"),
                             QStringLiteral("kTotal"), QStringLiteral("iTotal"), QStringLiteral("rTotal")});
    return resumen;
}

}  // namespace

// The yearly summary prints after the last row, under its own heading and
// titles; a page that starts inside it is headed by its titles once, and
// printing again starts from the table's look. 48 rows fill the first page,
// so that the summary's blank line would open the second.
void TestInformes::seccionFinalTrasLasFilas_data() {
    QTest::addColumn<int>("filas");
    QTest::addColumn<QList<int>>("lineas");
    QTest::newRow("a media página") << 40 << QList<int>{12, 24, 36};
    QTest::newRow("tras una página llena") << 48 << QList<int>{12, 24, 36, 48};
}

void TestInformes::seccionFinalTrasLasFilas() {
    QFETCH(int, filas);
    TFormRptPrestamos rpt;
    rpt.AnadirSeccionFinal(QStringLiteral("Resumen anual"), ResumenDeSesentaAnios());
    const Generado g = GenerarYLeer(rpt, filas);
    QCOMPARE(g.textoPaginas.size(), 3);
    const QString todo = g.textoPaginas.join(QStringLiteral("\n"));
    QVERIFY(EnOrden(todo, {QStringLiteral("c8f%1").arg(filas), QStringLiteral("Resumen anual"), QStringLiteral("Año"),
                           QStringLiteral("Pendiente"), QStringLiteral("p2024"), QStringLiteral("r2024"),
                           QStringLiteral("p2083"), QStringLiteral("Total"), QStringLiteral("rTotal")}));
    QVERIFY(!todo.contains(QStringLiteral("c1f%1").arg(filas + 1)));
    for (const QString& pagina : g.textoPaginas)
        QVERIFY2(pagina.count(QStringLiteral("Año")) <= 1, qPrintable(pagina));
    // The last page holds summary rows only, under the summary's titles.
    const QString& ultima = g.textoPaginas.last();
    QVERIFY(EnOrden(ultima, {QStringLiteral("Año"), QStringLiteral("Cuotas"), QStringLiteral("Pagado"),
                             QStringLiteral("r20")}));
    QVERIFY(!ultima.contains(QStringLiteral("Amortizado")));
    // The rules under every twelfth row belong to the table only.
    QTEST(FilasConLinea(g.paginas, 175.7f), "lineas");

    const Generado otra = GenerarYLeer(rpt, filas);
    QCOMPARE(otra.textoPaginas, g.textoPaginas);
}

// Two short tables after the rows print one after the other, each under its
// own heading and titles; a page that starts inside the second is headed by
// the second's titles, and printing again gives the same pages.
void TestInformes::dosSeccionesFinales() {
    TFormRptPrestamos rpt;
    rpt.AnadirSeccionFinal(QStringLiteral("Coste del préstamo"),
                           {{QStringLiteral("Total intereses"), QStringLiteral("Coste total"), QStringLiteral("TAE")},
                            {{QStringLiteral("i1"), QStringLiteral("c1"), QStringLiteral("t1")}}},
                           0);
    rpt.AnadirSeccionFinal(QStringLiteral("Resumen anual"), ResumenDeSesentaAnios());
    const Generado g = GenerarYLeer(rpt, 40);
    QCOMPARE(g.textoPaginas.size(), 3);
    const QString todo = g.textoPaginas.join(QStringLiteral("\n"));
    QVERIFY(EnOrden(todo, {QStringLiteral("c8f40"), QStringLiteral("Coste del préstamo"),
                           QStringLiteral("Total intereses"), QStringLiteral("TAE"), QStringLiteral("i1"),
                           QStringLiteral("t1"), QStringLiteral("Resumen anual"), QStringLiteral("Año"),
                           QStringLiteral("p2024"), QStringLiteral("r2083")}));
    QCOMPARE(todo.count(QStringLiteral("Coste total")), 1);
    const QString& ultima = g.textoPaginas.last();
    QVERIFY(EnOrden(ultima, {QStringLiteral("Año"), QStringLiteral("Pendiente"), QStringLiteral("r20")}));
    QCOMPARE(GenerarYLeer(rpt, 40).textoPaginas, g.textoPaginas);
}

// A loan paid less often than monthly draws its line after each year of its
// own instalments, not after every twelfth row.
// With amounts near the largest the program takes, the columns are sized
// from their widest figures: every figure prints whole inside its column and
// at a readable size, and a figure that fits at full size is not shrunk
// because a longer one further down the same column needs a smaller font.
// The plain loan's figures are legible on portrait A4, and it stays there;
// with one more column of such figures they are not, and every page turns
// to landscape, with everything drawn inside the wider sheet.
void TestInformes::importesGrandesLegibles_data() {
    QTest::addColumn<bool>("anticipada");
    QTest::addColumn<bool>("apaisado");
    QTest::newRow("nueve columnas") << false << false;
    QTest::newRow("con amortizaciones anticipadas") << true << true;
}

void TestInformes::importesGrandesLegibles() {
    QFETCH(bool, anticipada);
    QFETCH(bool, apaisado);
    FilasPrestamoGrande filas(anticipada);
    TFormRptPrestamos rpt(anticipada ? QStringList{QStringLiteral("Amort. anticipada")} : QStringList{});
    const InformePreparado paginas = Generar(rpt, filas, FilasPrestamoGrande::kCuotas);

    const int columnaCapital = anticipada ? 8 : 7;
    QCOMPARE(filas.Celda(columnaCapital, FilasPrestamoGrande::kCuotas).size(), 21);
    // The capital column: a few thousands at first, thousands of millions at
    // the end. Its figures are found by where they start.
    const QString primerCapital = filas.Celda(3, 1), ultimoCapital = filas.Celda(3, FilasPrestamoGrande::kCuotas);
    const float xCapital = rpt.Informe().margenIzquierdo + rpt.Informe().bandas[6].etiquetas[3].izquierda;
    float puntosPrimerCapital = 0, puntosUltimoCapital = 0;
    for (const PaginaPreparada& pagina : paginas.paginas) {
        QCOMPARE(QSizeF(pagina.anchoMm, pagina.altoMm), apaisado ? QSizeF(297, 210) : QSizeF(210, 297));
        for (const Primitiva& p : pagina.primitivas) {
            QVERIFY2(p.x >= 0 && p.x + p.ancho <= pagina.anchoMm - rpt.Informe().margenDerecho + 0.01f,
                     qPrintable(QStringLiteral("%1 fuera de la hoja: %2 + %3").arg(p.texto).arg(p.x).arg(p.ancho)));
            if (p.tipo != Primitiva::Texto || p.texto.isEmpty())
                continue;
            const EstiloTexto& estilo = paginas.estilos[p.estilo];
            QVERIFY2(estilo.puntos >= kPuntosLegibles, qPrintable(QStringLiteral("%1 a %2 puntos").arg(p.texto).arg(estilo.puntos)));
            // Only the detail figures, which fill their boxes to the right.
            if (p.alineacion != AlineacionTexto::Derecha)
                continue;
            const float ancho = AnchoTextoMm(p.texto, estilo);
            QVERIFY2(ancho <= p.ancho, qPrintable(QStringLiteral("%1 no cabe: %2 mm en %3").arg(p.texto).arg(ancho).arg(p.ancho)));
            // The sizing may leave out the kerning of a pair of ones: a
            // figure clearly narrower than its room keeps the full size.
            EstiloTexto completo = estilo;
            completo.puntos = kPuntosTexto;
            if (AnchoTextoMm(p.texto, completo) <= 0.95f * (p.ancho - 1))
                QVERIFY2(estilo.puntos == kPuntosTexto, qPrintable(p.texto));
            if (std::fabs(p.x - xCapital) < 0.01f && p.texto == primerCapital)
                puntosPrimerCapital = estilo.puntos;
            if (std::fabs(p.x - xCapital) < 0.01f && p.texto == ultimoCapital)
                puntosUltimoCapital = estilo.puntos;
        }
    }
    QCOMPARE(puntosPrimerCapital, kPuntosTexto);
    QVERIFY(puntosUltimoCapital >= kPuntosLegibles);
    if (!apaisado)
        QVERIFY(puntosUltimoCapital < kPuntosTexto);
    QCOMPARE(rpt.Apaisado(), apaisado);
}

// A report that turned to landscape for large figures comes back to
// portrait, laid out as a new one, when generated again with short ones.
void TestInformes::apaisadoVuelveAVertical() {
    const QStringList extras{QStringLiteral("Amort. anticipada")};
    TFormRptPrestamos usado(extras);
    usado.AnadirSeccionFinal(QStringLiteral("Resumen anual"), ResumenDeSesentaAnios());
    FilasPrestamoGrande grandes(true);
    const InformePreparado paginas = Generar(usado, grandes, FilasPrestamoGrande::kCuotas);
    QVERIFY(usado.Apaisado());
    // The yearly summary after the rows spans the landscape page too.
    bool resumenAncho = false;
    for (const PaginaPreparada& pagina : paginas.paginas)
        for (const Primitiva& p : pagina.primitivas)
            resumenAncho = resumenAncho || (p.texto == QStringLiteral("rTotal") && p.x > 210);
    QVERIFY(resumenAncho);

    TFormRptPrestamos nuevo(extras);
    nuevo.AnadirSeccionFinal(QStringLiteral("Resumen anual"), ResumenDeSesentaAnios());
    const Generado esperado = GenerarYLeer(nuevo, 30);
    const Generado obtenido = GenerarYLeer(usado, 30);
    QVERIFY(!usado.Apaisado());
    QCOMPARE(obtenido.paginas.paginas.Tamano(0), QSizeF(210, 297));
    QCOMPARE(obtenido.textoPaginas, esperado.textoPaginas);
}

namespace {

// Twelve amount columns of the longest figures the program prints, but for
// a short row in every three.
class FilasDeDoceImportes : public FuenteFilas {
public:
    QString Celda(int columna, int fila) const override {
        if (columna == 0)
            return QString::number(fila);
        if (columna == 1)
            return QStringLiteral("15/01/2030");
        return fila % 3 == 1 ? QStringLiteral("1,00") : QStringLiteral("999.999.999.999.99%1,99").arg(columna % 10);
    }
};

}  // namespace

// When even a landscape page is too narrow for a column's figures at 6
// points, a figure breaks after a thousands point onto a second line of its
// cell, at 6 points or more, and its row grows: no text runs into the next
// line or into the footer, and a short figure stays whole at full size.
void TestInformes::cifrasEnDosLineas() {
    FilasDeDoceImportes filas;
    TFormRptPrestamos rpt({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                           QStringLiteral("E")});
    const InformePreparado paginas = Generar(rpt, filas, 198);
    QVERIFY(rpt.Apaisado());

    const DefinicionInforme& def = rpt.Informe();
    const float pie = def.altoPagina - def.margenAbajo - def.bandas.back().alto;
    int partidas = 0, cortas = 0;
    for (const PaginaPreparada& pagina : paginas.paginas) {
        std::vector<const Primitiva*> primeras;
        for (const Primitiva& p : pagina.primitivas) {
            if (p.tipo != Primitiva::Texto || p.texto.isEmpty() || p.texto.startsWith(QStringLiteral("Fecha: ")) ||
                p.texto.startsWith(QStringLiteral("Página: ")))
                continue;
            const EstiloTexto& estilo = paginas.estilos[p.estilo];
            QVERIFY2(estilo.puntos >= kPuntosLegibles, qPrintable(QStringLiteral("%1 a %2 puntos").arg(p.texto).arg(estilo.puntos)));
            QVERIFY2(p.y + p.alto <= pie, qPrintable(QStringLiteral("%1 entra en el pie").arg(p.texto)));
            QVERIFY2(AnchoTextoMm(p.texto, estilo) <= p.ancho, qPrintable(p.texto));
            if (p.texto == QStringLiteral("1,00")) {
                QCOMPARE(estilo.puntos, kPuntosTexto);
                ++cortas;
            }
            if (p.texto == QStringLiteral("999.999.999."))
                primeras.push_back(&p);
            // A second line sits under the first part of its figure.
            if (p.texto.startsWith(QStringLiteral("999.99")) && p.texto.endsWith(QStringLiteral(",99"))) {
                const auto encima = std::find_if(primeras.begin(), primeras.end(), [&](const Primitiva* q) {
                    return q->x == p.x && std::fabs(q->y + q->alto - p.y) < 0.01f;
                });
                QVERIFY2(encima != primeras.end(), qPrintable(p.texto));
                ++partidas;
            }
        }
    }
    QCOMPARE(cortas, 12 * 66);
    QCOMPARE(partidas, 12 * 132);

    // Generated again with short figures, it lays out as a new report: no
    // second line or tall row is left over from its last row.
    TFormRptPrestamos nuevo({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                             QStringLiteral("E")});
    QCOMPARE(Disposicion(GenerarYLeer(rpt, 60).paginas), Disposicion(GenerarYLeer(nuevo, 60).paginas));
}

// The savings and depreciation reports turn to landscape the same way, for
// figures as long as the program prints in every amount column, and print
// each of them whole on one line at 6 points or more.
void TestInformes::ahorroYDepreciacionApaisados_data() {
    QTest::addColumn<bool>("ahorro");
    QTest::newRow("inversión") << true;
    QTest::newRow("depreciación") << false;
}

void TestInformes::ahorroYDepreciacionApaisados() {
    QFETCH(bool, ahorro);
    std::unique_ptr<TFormRptBase> informe;
    if (ahorro)
        informe = std::make_unique<TFormRptInversiones>();
    else
        informe = std::make_unique<TFormRptDepreciaciones>();
    FilasDeDoceImportes filas;
    const InformePreparado paginas = Generar(*informe, filas, 120);
    QVERIFY(informe->Apaisado());
    QCOMPARE(paginas.paginas.Tamano(0), QSizeF(297, 210));
    int largas = 0;
    for (const PaginaPreparada& pagina : paginas.paginas)
        for (const Primitiva& p : pagina.primitivas) {
            if (p.tipo != Primitiva::Texto || !p.texto.startsWith(QStringLiteral("999.999.999.999.99")))
                continue;
            const EstiloTexto& estilo = paginas.estilos[p.estilo];
            QVERIFY2(estilo.puntos >= kPuntosLegibles && AnchoTextoMm(p.texto, estilo) <= p.ancho,
                     qPrintable(QStringLiteral("%1 a %2 puntos").arg(p.texto).arg(estilo.puntos)));
            ++largas;
        }
    QCOMPARE(largas, 4 * 80);
}

void TestInformes::lineaTrasCadaAnioDeCuotas_data() {
    QTest::addColumn<int>("periodosPorAnio");
    QTest::addColumn<QList<int>>("lineas");
    QTest::newRow("mensual") << 12 << QList<int>{12, 24};
    QTest::newRow("trimestral") << 4 << QList<int>{4, 8, 12, 16, 20, 24};
    QTest::newRow("semestral") << 2 << QList<int>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24};
    QTest::newRow("anual") << 1 << [] {
        QList<int> todas;
        for (int f = 1; f <= 24; ++f)
            todas << f;
        return todas;
    }();
}

void TestInformes::lineaTrasCadaAnioDeCuotas() {
    QFETCH(int, periodosPorAnio);
    QFETCH(QList<int>, lineas);
    TFormRptPrestamos rpt({}, periodosPorAnio);
    const Generado g = GenerarYLeer(rpt, 24);
    QCOMPARE(FilasConLinea(g.paginas, 175.7f), lineas);
}

ZZ_TEST_MAIN(TestInformes)
#include "test_informes.moc"
