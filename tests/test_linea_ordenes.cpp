// The command line run as a person or a script runs it: the real program,
// without a display, read through its exit status, standard output and
// standard error.
#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "app/form_calculos_financieros.h"
#include "cli/condiciones_orden.h"
#include "finance/calculo_prestamo.h"
#include "finance/filas_prestamo.h"
#include "schedules/form_desarrollo_calculos.h"
#include "ui/panel_resultado.h"
#include "util/fechas.h"
#include "util/texto_csv.h"
#include "util/textos_numericos.h"
#include "widgets/grid/attribute_grid.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cmath>

Q_DECLARE_METATYPE(finance::CondicionesPrestamo)

namespace {

struct Salida {
    int estado = -1;
    QString salida, error;
};

// Where the program's standard output goes: read back by the test, a full
// disk, or closed before the program starts (`>&-`).
enum class Destino { Leida, DiscoLleno, Cerrada };

// Runs the program with no display at all and the given regional settings
// (none at all when empty, as cron and containers run it).
// A calculation file with `contenido` in `carpeta`; its path.
QString FicheroCalculo(const QTemporaryDir& carpeta, const QByteArray& contenido) {
    const QString ruta = carpeta.filePath(QStringLiteral("calculo.zzc"));
    QFile fichero(ruta);
    if (fichero.open(QIODevice::WriteOnly))
        fichero.write(contenido);
    return ruta;
}

Salida Ejecutar(const QStringList& argumentos, const QString& idioma = QStringLiteral("es_ES.UTF-8"),
                Destino destino = Destino::Leida) {
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_NUMERIC", "LC_TIME",
                                 "LANG", "LANGUAGE"})
        entorno.remove(QString::fromLatin1(variable));
    if (!idioma.isEmpty()) {
        entorno.insert(QStringLiteral("LC_ALL"), idioma);
        entorno.insert(QStringLiteral("LANG"), idioma);
    }
    QProcess proceso;
    proceso.setProcessEnvironment(entorno);
    if (destino == Destino::DiscoLleno)
        proceso.setStandardOutputFile(QStringLiteral("/dev/full"));
    if (destino == Destino::Cerrada)
        proceso.start(QStringLiteral("/bin/sh"),
                      QStringList{"-c", "exec \"$0\" \"$@\" >&-", QStringLiteral(ZZ_PROGRAMA)} + argumentos);
    else
        proceso.start(QStringLiteral(ZZ_PROGRAMA), argumentos);
    if (!proceso.waitForFinished(60000))
        proceso.kill();
    Salida s;
    s.estado = proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1;
    s.salida = QString::fromUtf8(proceso.readAllStandardOutput());
    s.error = QString::fromUtf8(proceso.readAllStandardError());
    return s;
}

QStringList Lineas(const QString& texto) { return texto.split(u'\n', Qt::SkipEmptyParts); }

QJsonObject Json(const Salida& s) {
    QJsonParseError error{};
    const QJsonDocument documento = QJsonDocument::fromJson(s.salida.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("JSON ilegible: %s", qPrintable(error.errorString()));
    return documento.object();
}

// A quarterly loan of 20.000 at 4 % from 31 January, with initial costs, an
// early repayment that lowers the instalment (with a fee), one that shortens
// the term and a rate revision: as command-line options, and as the
// conditions the loan page holds.
const QStringList kPrestamoTrimestral{
    "prestamo",        "--capital",     "20.000",         "--interes",    "4",     "--cuotas",
    "12",              "--primer-pago", "31/01/2024",     "--periodicidad", "trimestral", "--amortizacion",
    "4:5.000:cuota:1", "--amortizacion", "8:2.000:plazo", "--revision",   "6:5,5", "--gastos",
    "150"};

finance::CondicionesPrestamo CondicionesTrimestral() {
    finance::CondicionesPrestamo c;
    c.periodicidad = finance::Periodicidad::Trimestral;
    c.gastosIniciales = 150;
    c.amortizaciones = {{4, 5000, finance::ReduccionAmortizacion::Cuota, 1},
                        {8, 2000, finance::ReduccionAmortizacion::Plazo, 0}};
    c.revisiones = {{6, 5.5}};
    return c;
}

// Every row of the schedule window the main window opens, titles first, as
// CSV lines of the grid's own texts.
QStringList TablaDeLaVentana(int pagina, int calculo, const QStringList& cajas, const QStringList& textos,
                             const finance::CondicionesPrestamo& condiciones = {}) {
    RegistroDialogos registro;
    QStringList lineas;
    registro.ResponderCon([&lineas](QDialog& d) {
        const auto* v = qobject_cast<TFormDesarrolloCalculos*>(&d);
        if (!v)
            return;
        const TAttributeGrid& g = *v->GridDesarrollo;
        for (int r = 0; r < g.RowCount(); ++r) {
            QStringList celdas;
            for (int c = 0; c < g.ColCount(); ++c)
                celdas << g.Cells(c, r);
            lineas << LineaCsv(celdas);
        }
        d.reject();
    });
    TFormCalculosFinancieros principal;
    principal.pcCalculos->setCurrentIndex(pagina);
    QComboBox* listas[] = {principal.CbPresCalculos, principal.CbInvCalculos, principal.CbDepCalculos};
    listas[pagina]->setCurrentIndex(calculo);
    for (int i = 0; i < cajas.size(); ++i) {
        if (auto* caja = principal.findChild<QLineEdit*>(cajas[i])) {
            // As typed by a person, so a date starts a depreciation mid-year.
            caja->setText(textos[i]);
            caja->setModified(true);
        } else if (auto* lista = principal.findChild<QComboBox*>(cajas[i]))
            lista->setCurrentIndex(textos[i].toInt());
    }
    principal.CondicionesPres = condiciones;
    principal.AccDesarrollar->trigger();
    return lineas;
}

}  // namespace

class TestLineaOrdenes : public QObject {
    Q_OBJECT
private slots:
    // Each sub-command, each format and each exit status, with the page's
    // defaults and its messages in its own words.
    void estados_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("salida");  // in the output, blanks collapsed
        QTest::addColumn<QString>("error");   // first line of standard error
        QTest::newRow("préstamo: la cuota, sin más opciones")
            << QStringList{"prestamo", "--capital", "1.000", "--interes", "12", "--cuotas", "12"} << 0
            << "Cuota 88,85 Interés 12,00 Nº Cuotas 12 Capital 1.000,00 Total pagado 1.066,19" << QString();
        QTest::newRow("préstamo: el interés")
            << QStringList{"prestamo", "--calcular", "interes", "--capital", "1000", "--cuotas", "12", "--cuota",
                           "88,85"}
            << 0 << "Interés 12,00" << QString();
        QTest::newRow("préstamo: el capital, cuotas al inicio, opción=valor")
            << QStringList{"prestamo", "--calcular=capital", "--interes", "12", "--cuotas", "12", "--cuota", "88,85",
                           "--inicio-periodo"}
            << 0 << "Capital 1.010,01" << QString();
        QTest::newRow("préstamo en CSV")
            << QStringList{"prestamo", "--capital", "1.000,50", "--interes", "12", "--cuotas", "12", "--formato",
                           "csv"}
            << 0
            << "Cuota;Interés;Nº Cuotas;Capital;Total pagado;Total intereses;% Intereses;Coste total;TAE 88,89;12,00;"
               "12;1.000,50"
            << QString();
        // Typed revisions keep the TAE of the rates known at signing and add
        // the one of the rates typed: every instalment here charges 9 %.
        QTest::newRow("préstamo: TAE con las revisiones indicadas")
            << QStringList{"prestamo", "--capital", "10000", "--interes", "6", "--cuotas", "12", "--revision", "1:9"}
            << 0 << "TAE 6,17 TAE con las revisiones indicadas 9,38" << QString();
        QTest::newRow("préstamo en CSV con revisiones")
            << QStringList{"prestamo", "--capital", "10000", "--interes", "6", "--cuotas", "12", "--revision", "1:9",
                           "--formato", "csv"}
            << 0 << "Coste total;TAE;TAE con las revisiones indicadas" << QString();
        // The cost beyond the capital: the interest, the 1 % fee and the costs.
        QTest::newRow("préstamo: coste total con comisión y gastos")
            << QStringList{"prestamo", "--capital", "10000", "--interes", "5", "--cuotas", "12",
                           "--comision-apertura", "1", "--gastos", "100"}
            << 0 << "Total intereses 272,89 % Intereses 2,66 Coste total 472,89" << QString();
        QTest::newRow("préstamo: amortización que acorta el plazo")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "12", "--cuotas", "12", "--amortizacion",
                           "2:700:plazo"}
            << 0 << "Nº Cuotas 12 Cuotas pagadas 4" << QString();
        // 277,78 × 360 repays 100.000 with a rate far below a hundredth.
        QTest::newRow("préstamo: un interés diminuto no es 0,00")
            << QStringList{"prestamo", "--calcular", "interes", "--cuota", "277,78", "--cuotas", "360", "--capital",
                           "100000"}
            << 0 << "Interés 0,000053" << QString();
        // The TAE: (1 + 1 %)^12 - 1 for a plain loan; with the fee and the
        // costs, the annual equivalent of the rate at which 9.800 received
        // repays the twelve instalments of 10.000 (worked out apart).
        QTest::newRow("préstamo: la TAE de un préstamo sin condiciones")
            << QStringList{"prestamo", "--capital", "1.000", "--interes", "12", "--cuotas", "12"} << 0
            << "% Intereses 6,21 Coste total 66,19 TAE 12,68" << QString();
        QTest::newRow("préstamo: comisión de apertura y gastos")
            << QStringList{"prestamo", "--capital", "10.000", "--interes", "5", "--cuotas", "12",
                           "--comision-apertura", "1", "--gastos=100,00"}
            << 0 << "Cuota 856,07 Interés 5,00" << QString();
        QTest::newRow("préstamo: TAE con comisión de apertura y gastos")
            << QStringList{"prestamo", "--capital", "10.000", "--interes", "5", "--cuotas", "12",
                           "--comision-apertura", "1", "--gastos", "100"}
            << 0 << "TAE 9,15" << QString();
        QTest::newRow("préstamo trimestral")
            << QStringList{"prestamo", "--capital", "10.000", "--interes", "8", "--cuotas", "4", "--periodicidad",
                           "trimestral"}
            << 0 << "Cuota 2.626,24" << QString();
        QTest::newRow("préstamo: amortizaciones y revisiones repetidas")
            << QStringList{"prestamo", "--capital", "12.000", "--interes", "6", "--cuotas", "12", "--amortizacion",
                           "3:1.000:plazo", "--amortizacion=6:500,50:cuota:2", "--revision", "4:3", "--revision",
                           "8:0"}
            << 0 << "Cuota 1.032,80" << QString();
        QTest::newRow("inversión: cuotas al inicio por defecto")
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "100", "--interes", "6", "--cuotas", "120",
                           "--capital-inicial", "1000"}
            << 0 << "Capital Final 18.289,27" << QString();
        QTest::newRow("inversión: cuotas al final")
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "100", "--interes", "6", "--cuotas", "120",
                           "--capital-inicial", "1000", "--final-periodo"}
            << 0 << "Capital Final 18.207,33" << QString();
        QTest::newRow("inversión: cuota que crece cada año")
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "100", "--interes", "5", "--cuotas", "24",
                           "--crecimiento", "10"}
            << 0 << "Capital Invertido 2.520,00 Capital Final 2.652,39" << QString();
        QTest::newRow("inversión: retención por tramos sin valor")
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "100", "--interes", "5", "--cuotas", "24",
                           "--crecimiento", "10", "--retencion", "--inflacion", "3"}
            << 0 << "Capital final real 2.500,13 Ganancia real -19,87 Impuesto 25,15 Capital final neto 2.627,24"
            << QString();
        QTest::newRow("inversión: retención fija")
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "100", "--interes", "5", "--cuotas", "24",
                           "--crecimiento=10", "--retencion", "15"}
            << 0 << "Impuesto 19,86 Capital final neto 2.632,53" << QString();
        QTest::newRow("inversión: retirada")
            << QStringList{"inversion", "--calcular", "retirada", "--capital-inicial", "100.000", "--interes", "3",
                           "--cuotas", "12", "--final-periodo"}
            << 0 << "Retirada 8.469,37" << QString();
        QTest::newRow("inversión: crecimiento fuera de rango")
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "100", "--cuotas", "2", "--crecimiento",
                           "-100"}
            << 1 << QString() << "El crecimiento de la cuota debe ser mayor que -100 y no pasar de 100.";
        QTest::newRow("inversión: retirada con inflación")
            << QStringList{"inversion", "--calcular", "retirada", "--capital-inicial", "1000", "--inflacion", "2"}
            << 2 << QString() << "--inflacion no se aplica a --calcular retirada";
        QTest::newRow("inversión: retención ilegible")
            << QStringList{"inversion", "--retencion=abc"} << 2 << QString()
            << "--retencion: \"abc\" no es un número válido";
        QTest::newRow("depreciación doble")
            << QStringList{"depreciacion", "--metodo", "doble", "--valor-inicial", "10.000", "--valor-final", "1000",
                           "--vida-util", "5", "--anios", "3"}
            << 0 << "Depreciación total durante los años de vida útil 9.000,00" << QString();
        // What the plan really reaches: no contribution more than the
        // exact answer, and a final capital passed on the way.
        QTest::newRow("inversión: número de cuotas exacto")
            << QStringList{"inversion", "--calcular", "cuotas", "--cuota", "100", "--interes", "24", "--capital",
                           "306,04", "--final-periodo"}
            << 0 << "Nº Cuotas 3" << QString();
        QTest::newRow("inversión: número de cuotas que pasan del capital final")
            << QStringList{"inversion", "--calcular", "cuotas", "--cuota", "100", "--interes", "0", "--capital",
                           "1.250"}
            << 0 << "Capital Invertido 1.300,00 Capital Final 1.300,00 Beneficio 0,00" << QString();
        QTest::newRow("depreciación doble que no llega al valor final")
            << QStringList{"depreciacion", "--metodo", "doble", "--valor-inicial", "10.000", "--valor-final", "0",
                           "--vida-util", "5", "--anios", "5"}
            << 0 << "Depreciación total durante los años de vida útil 9.222,40" << QString();

        QTest::newRow("préstamo rechazado") << QStringList{"prestamo", "--capital", "1000", "--interes", "12"} << 1
                                            << QString() << "El número de cuotas debe ser mayor que cero.";
        QTest::newRow("inversión rechazada")
            << QStringList{"inversion", "--cuota", "0", "--capital-inicial", "1000", "--cuotas", "2"} << 1
            << QString() << "El capital final debe ser mayor que el capital inicial.";
        // A start in July: the first calendar year holds half a year of life.
        QTest::newRow("depreciación lineal desde julio")
            << QStringList{"depreciacion", "--metodo", "lineal", "--valor-inicial", "12.000", "--valor-final", "2000",
                           "--vida-util", "4", "--anios", "2", "--fecha", "15/07/2024"}
            << 0 << "Depreciación total durante los años calculados 3.750,00" << QString();
        QTest::newRow("depreciación doble con paso a lineal")
            << QStringList{"depreciacion", "--metodo", "doble-lineal", "--valor-inicial", "10.000", "--valor-final",
                           "0", "--vida-util", "5", "--anios", "4"}
            << 0 << "Depreciación total durante los años calculados 8.920,00" << QString();
        // No life given: the table's shortest one; a life out of its range is
        // worked out all the same, with the warning among the results.
        QTest::newRow("tabla fiscal sin vida útil")
            << QStringList{"depreciacion", "--metodo", "lineal", "--valor-inicial", "9000", "--anios", "1",
                           "--tabla-fiscal", "maquinaria"}
            << 0 << "Depreciación total durante los años calculados 1.000,00" << QString();
        QTest::newRow("tabla fiscal con vida corta")
            << QStringList{"depreciacion", "--metodo", "lineal", "--valor-inicial", "3000", "--vida-util", "3",
                           "--anios", "1", "--tabla-fiscal", "programas-informaticos"}
            << 0 << "Vida útil mínima 4 Periodo máximo 6 Vida útil de la tabla fiscal menor que la mínima" << QString();
        QTest::newRow("depreciación rechazada")
            << QStringList{"depreciacion", "--metodo", "lineal", "--valor-inicial", "1000", "--valor-final", "2000",
                           "--vida-util", "5", "--anios", "3"}
            << 1 << QString() << "El valor final debe ser menor o igual que el valor inicial.";
        QTest::newRow("tabla demasiado larga")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "1", "--cuotas", "2.000.000", "--tabla",
                           "--formato", "json"}
            << 1 << QString() << "La tabla de desarrollo tendría 2.000.000 filas y no puede tener más de 1.048.576.";

        // Conditions that read but cannot be met are the calculation's refusal.
        QTest::newRow("amortización tras la última cuota")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "12", "--cuotas", "12", "--amortizacion",
                           "13:100:plazo"}
            << 1 << QString()
            << "La amortización anticipada de la cuota 13 queda después de la última cuota del préstamo (12).";
        QTest::newRow("amortización mayor que lo pendiente")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "12", "--cuotas", "12", "--amortizacion",
                           "1:5.000:cuota"}
            << 1 << QString()
            << "La amortización anticipada de la cuota 1 (5.000,00) supera el capital pendiente tras esa cuota "
               "(921,15).";
        QTest::newRow("comisión de apertura del 100 %")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "12", "--cuotas", "12",
                           "--comision-apertura", "100"}
            << 1 << QString() << "La comisión de apertura debe ser un porcentaje desde 0 hasta menos de 100.";
        QTest::newRow("gastos negativos")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "12", "--cuotas", "12", "--gastos", "-5"}
            << 1 << QString() << "Los gastos iniciales no pueden ser negativos.";
        // Every figure within its range, refused naming the limit passed.
        QTest::newRow("capital negativo")
            << QStringList{"prestamo", "--capital", "-1000", "--interes", "12", "--cuotas", "12"} << 1 << QString()
            << "El capital no puede ser negativo.";
        QTest::newRow("interés negativo")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "-5", "--cuotas", "12"} << 1 << QString()
            << "El interés debe estar entre 0 y 1000.";
        QTest::newRow("interés de 5.000 %")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "5.000", "--cuotas", "12"} << 1 << QString()
            << "El interés debe estar entre 0 y 1000.";
        QTest::newRow("capital en el límite")
            << QStringList{"prestamo", "--capital", "1e15", "--interes", "0", "--cuotas", "1"} << 1 << QString()
            << "El capital debe ser menor que 1.000.000.000.000.000,00.";
        QTest::newRow("mil millones de cuotas")
            << QStringList{"prestamo", "--capital", "150.000", "--interes", "3,5", "--cuotas", "1.000.000.000"} << 1
            << QString() << "Con un interés del 3,50 % el número de cuotas no puede pasar de 3.896.993.";
        QTest::newRow("ahorro que llega al límite")
            << QStringList{"inversion", "--cuotas", "12", "--interes", "3", "--capital", "1.000.000.000.000.000"}
            << 1 << QString() << "El capital final debe ser menor que 1.000.000.000.000.000,00.";
        QTest::newRow("dos revisiones en la misma cuota")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "12", "--cuotas", "12", "--revision", "4:3",
                           "--revision", "4:5"}
            << 1 << QString() << "Hay dos revisiones del interés en la cuota 4: deje solo una.";
        QTest::newRow("revisión en la cuota 0")
            << QStringList{"prestamo", "--capital", "1000", "--interes", "12", "--cuotas", "12", "--revision", "0:3"}
            << 1 << QString() << "La cuota de una revisión del interés debe ser 1 o mayor.";

        QTest::newRow("periodicidad desconocida")
            << QStringList{"prestamo", "--periodicidad", "semanal"} << 2 << QString()
            << "--periodicidad: \"semanal\" no es válido; debe ser mensual, bimestral, trimestral, semestral, anual";
        QTest::newRow("comisión ilegible") << QStringList{"prestamo", "--comision-apertura", "1%"} << 2 << QString()
                                           << "--comision-apertura: \"1%\" no es un número válido";
        QTest::newRow("gastos con punto decimal") << QStringList{"prestamo", "--gastos", "100.5"} << 2 << QString()
                                                  << "--gastos: \"100.5\" no es un número válido; escriba 100,5";
        QTest::newRow("interés con punto decimal")
            << QStringList{"prestamo", "--capital", "150.000", "--interes", "3.5", "--cuotas", "300"} << 2 << QString()
            << "--interes: \"3.5\" no es un número válido; escriba 3,5";
        QTest::newRow("número diminuto")
            << QStringList{"prestamo", "--capital", "1e-400"} << 2 << QString()
            << "--capital: \"1e-400\" es un número demasiado pequeño: está más cerca de cero de lo que se puede "
               "calcular";
        QTest::newRow("amortización incompleta")
            << QStringList{"prestamo", "--amortizacion", "3:1000"} << 2 << QString()
            << "--amortizacion: \"3:1000\" no es válido; debe ser N:IMPORTE:plazo|cuota[:COMISION|legal]";
        QTest::newRow("amortización que no reduce nada")
            << QStringList{"prestamo", "--amortizacion", "3:1000:todo"} << 2 << QString()
            << "--amortizacion \"3:1000:todo\": \"todo\" no es válido; debe ser plazo, cuota";
        QTest::newRow("importe de amortización ilegible")
            << QStringList{"prestamo", "--amortizacion", "3:mil:plazo"} << 2 << QString()
            << "--amortizacion \"3:mil:plazo\": \"mil\" no es un número válido";
        QTest::newRow("comisión de amortización ilegible")
            << QStringList{"prestamo", "--amortizacion", "3:1000:plazo:x"} << 2 << QString()
            << "--amortizacion \"3:1000:plazo:x\": \"x\" no es un número válido";
        QTest::newRow("cuota de revisión con decimales")
            << QStringList{"prestamo", "--revision", "2,5:3"} << 2 << QString()
            << "--revision \"2,5:3\": \"2,5\" no es un número entero válido";
        QTest::newRow("revisión sin interés") << QStringList{"prestamo", "--revision", "4"} << 2 << QString()
                                              << "--revision: \"4\" no es válido; debe ser N:INTERES";
        QTest::newRow("periodicidad repetida")
            << QStringList{"prestamo", "--periodicidad", "anual", "--periodicidad", "anual"} << 2 << QString()
            << "--periodicidad: la opción aparece más de una vez";
        QTest::newRow("condiciones en una inversión") << QStringList{"inversion", "--revision", "2:3"} << 2
                                                      << QString() << "opción desconocida: --revision";
        QTest::newRow("número ilegible") << QStringList{"prestamo", "--capital", "abc"} << 2 << QString()
                                         << "--capital: \"abc\" no es un número válido";
        QTest::newRow("cantidad con decimales") << QStringList{"inversion", "--cuotas", "12,5"} << 2 << QString()
                                                << "--cuotas: \"12,5\" no es un número entero válido";
        QTest::newRow("fecha imposible") << QStringList{"prestamo", "--primer-pago", "31/02/2024"} << 2 << QString()
                                         << "--primer-pago: La fecha \"31/02/2024\" no es correcta";
        QTest::newRow("opción desconocida") << QStringList{"prestamo", "--capital-inicial", "5"} << 2 << QString()
                                            << "opción desconocida: --capital-inicial";
        QTest::newRow("resumen de una depreciación")
            << QStringList{"depreciacion", "--metodo", "lineal", "--resumen-anual"} << 2 << QString()
            << "opción desconocida: --resumen-anual";
        QTest::newRow("falta el valor") << QStringList{"prestamo", "--capital", "--tabla"} << 2 << QString()
                                        << "--capital: falta el valor";
        QTest::newRow("momentos a la vez") << QStringList{"inversion", "--inicio-periodo", "--final-periodo"} << 2
                                           << QString() << "--inicio-periodo y --final-periodo no pueden usarse a la vez";
        QTest::newRow("opción repetida") << QStringList{"prestamo", "--cuotas", "1", "--cuotas", "2"} << 2 << QString()
                                         << "--cuotas: la opción aparece más de una vez";
        QTest::newRow("formato desconocido") << QStringList{"prestamo", "--formato", "xml"} << 2 << QString()
                                             << "--formato: \"xml\" no es válido; debe ser texto, csv, json";
        QTest::newRow("sin método") << QStringList{"depreciacion", "--valor-inicial", "1"} << 2 << QString()
                                    << "--metodo: falta la opción (lineal, digitos, doble, doble-lineal)";
        QTest::newRow("tipo de bien desconocido")
            << QStringList{"depreciacion", "--metodo", "lineal", "--tabla-fiscal", "barcos"} << 2 << QString()
            << "--tabla-fiscal: «barcos» no es un tipo de bien de la tabla fiscal (edificios-industriales, "
               "edificios-comerciales, almacenes, instalaciones, maquinaria, equipos-medicos, mobiliario, "
               "utiles-herramientas, moldes, otros-enseres, equipos-electronicos, equipos-informaticos, "
               "programas-informaticos, vehiculos, autocamiones)";
        // The mortgage's options: each value read or refused naming it, and
        // each option that needs another choice refused without it.
        QTest::newRow("sistema desconocido")
            << QStringList{"prestamo", "--sistema", "lineal"} << 2 << QString()
            << "--sistema: \"lineal\" no es válido; debe ser frances, aleman, americano, creciente";
        QTest::newRow("crecimiento sin sistema creciente")
            << QStringList{"prestamo", "--sistema", "aleman", "--crecimiento", "2"} << 2 << QString()
            << "--crecimiento solo puede usarse con --sistema creciente";
        QTest::newRow("carencia sin su clase") << QStringList{"prestamo", "--carencia", "3"} << 2 << QString()
                                               << "--carencia: \"3\" no es válido; debe ser N:parcial|total";
        QTest::newRow("carencia de clase desconocida")
            << QStringList{"prestamo", "--carencia", "3:media"} << 2 << QString()
            << "--carencia \"3:media\": \"media\" no es válido; debe ser parcial, total";
        QTest::newRow("cuotas de carencia con decimales")
            << QStringList{"prestamo", "--carencia", "2,5:total"} << 2 << QString()
            << "--carencia \"2,5:total\": \"2,5\" no es un número entero válido";
        QTest::newRow("tipo desconocido") << QStringList{"prestamo", "--tipo", "euribor"} << 2 << QString()
                                          << "--tipo: \"euribor\" no es válido; debe ser fijo, variable, mixto";
        QTest::newRow("diferencial con tipo fijo")
            << QStringList{"prestamo", "--diferencial", "1"} << 2 << QString()
            << "--diferencial solo puede usarse con --tipo variable o --tipo mixto";
        QTest::newRow("índice con tipo fijo escrito")
            << QStringList{"prestamo", "--tipo", "fijo", "--indice", "3"} << 2 << QString()
            << "--indice solo puede usarse con --tipo variable o --tipo mixto";
        QTest::newRow("escenario del índice con tipo fijo")
            << QStringList{"prestamo", "--indice-en", "12:3"} << 2 << QString()
            << "--indice-en solo puede usarse con --tipo variable o --tipo mixto";
        QTest::newRow("revisiones periódicas con tipo fijo")
            << QStringList{"prestamo", "--revision-cada", "6"} << 2 << QString()
            << "--revision-cada solo puede usarse con --tipo variable o --tipo mixto";
        QTest::newRow("escenario del índice sin valor")
            << QStringList{"prestamo", "--tipo", "variable", "--indice-en", "12"} << 2 << QString()
            << "--indice-en: \"12\" no es válido; debe ser N:PORCENTAJE";
        QTest::newRow("valor del índice ilegible")
            << QStringList{"prestamo", "--tipo", "variable", "--indice-en", "12:3.5"} << 2 << QString()
            << "--indice-en \"12:3.5\": \"3.5\" no es un número válido; escriba 3,5";
        QTest::newRow("revisión cada 3 meses")
            << QStringList{"prestamo", "--tipo", "variable", "--revision-cada", "3"} << 2 << QString()
            << "--revision-cada: \"3\" no es válido; debe ser 6, 12";
        QTest::newRow("tramo fijo de un tipo variable")
            << QStringList{"prestamo", "--tipo", "variable", "--tramo-fijo", "12"} << 2 << QString()
            << "--tramo-fijo solo puede usarse con --tipo mixto";
        QTest::newRow("tipo mixto sin tramo fijo")
            << QStringList{"prestamo", "--tipo", "mixto", "--diferencial", "1"} << 2 << QString()
            << "--tipo mixto necesita --tramo-fijo N (las cuotas a interés fijo)";
        QTest::newRow("tramo fijo con decimales")
            << QStringList{"prestamo", "--tipo", "mixto", "--tramo-fijo", "1,5"} << 2 << QString()
            << "--tramo-fijo: \"1,5\" no es un número entero válido";
        QTest::newRow("seguro ilegible") << QStringList{"prestamo", "--seguro", "trescientos"} << 2 << QString()
                                         << "--seguro: \"trescientos\" no es un número válido";
        QTest::newRow("mantenimiento con punto decimal")
            << QStringList{"prestamo", "--mantenimiento", "60.5"} << 2 << QString()
            << "--mantenimiento: \"60.5\" no es un número válido; escriba 60,5";
        QTest::newRow("comisión de amortización que no es legal ni un número")
            << QStringList{"prestamo", "--amortizacion", "3:1000:plazo:ley"} << 2 << QString()
            << "--amortizacion \"3:1000:plazo:ley\": \"ley\" no es un número válido";
        QTest::newRow("argumento suelto") << QStringList{"prestamo", "1000"} << 2 << QString()
                                          << "argumento inesperado: \"1000\"";
        // Offers to compare: each one's options in one quoted text.
        const QString fija = "--capital 150.000 --interes 3 --cuotas 300 --comision-apertura 1 --gastos 500";
        const QString barata = "--capital 150000 --interes 2,8 --cuotas 300";
        QTest::newRow("comparar: dos ofertas")
            << QStringList{"comparar", "--oferta", fija, "--oferta", barata} << 0
            << "Coste total 65.394,69 58.743,67 Oferta 2 TAE 3,17 2,84 Oferta 2" << QString();
        QTest::newRow("comparar: --salida como --formato")
            << QStringList{"comparar", "--oferta", fija, "--oferta", barata, "--salida", "csv"} << 0
            << "TAE;3,17;2,84;Oferta 2" << QString();
        QTest::newRow("comparar: una sola oferta")
            << QStringList{"comparar", "--oferta", barata} << 2 << QString()
            << "comparar necesita de 2 a 4 ofertas (--oferta \"OPCIONES\"); hay 1";
        QTest::newRow("comparar: cinco ofertas")
            << QStringList{"comparar", "--oferta", barata, "--oferta", barata, "--oferta", barata, "--oferta", barata,
                           "--oferta", barata}
            << 2 << QString() << "comparar necesita de 2 a 4 ofertas (--oferta \"OPCIONES\"); hay 5";
        QTest::newRow("comparar: opción de una oferta que no existe")
            << QStringList{"comparar", "--oferta", barata, "--oferta", "--capital 1 --plazo 3"} << 2 << QString()
            << "--oferta 2: opción desconocida: --plazo";
        QTest::newRow("comparar: número ilegible en una oferta")
            << QStringList{"comparar", "--oferta", "--capital 1,2,3 --cuotas 3", "--oferta", barata} << 2
            << QString() << "--oferta 1: --capital: \"1,2,3\" no es un número válido";
        QTest::newRow("comparar: oferta que la página rechaza")
            << QStringList{"comparar", "--oferta", barata, "--oferta", "--capital 1000 --interes -5 --cuotas 3"} << 1
            << QString() << "Oferta 2: El interés debe estar entre 0 y 1000.";
    }
    // The kind of asset and its limits go under their own keys; without
    // the option the result keeps its four figures only.
    void tablaFiscalEnJson() {
        const QStringList orden{"depreciacion", "--metodo", "lineal", "--valor-inicial", "9000", "--vida-util", "20",
                                "--anios", "1", "--formato", "json"};
        const QJsonObject con =
            Json(Ejecutar(orden + QStringList{"--tabla-fiscal", "maquinaria"})).value("resultado").toObject();
        QCOMPARE(con.value("tabla_fiscal").toString(), "maquinaria");
        QCOMPARE(con.value("coeficiente_maximo").toInt(), 12);
        QCOMPARE(con.value("vida_minima").toInt(), 9);
        QCOMPARE(con.value("periodo_maximo").toInt(), 18);
        QCOMPARE(con.value("aviso_fiscal").toString(),
                 "La vida útil de 20 años es mayor que el periodo máximo de la tabla fiscal para «Maquinaria»: 18 "
                 "años.");
        const QJsonObject sin = Json(Ejecutar(orden)).value("resultado").toObject();
        QCOMPARE(sin.keys(), (QStringList{"depreciacion_calculada", "depreciacion_vida_util", "valor_final_calculado",
                                          "valor_final_vida_util"}));
    }

    void estados() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, estado);
        QFETCH(QString, salida);
        QFETCH(QString, error);
        const Salida s = Ejecutar(argumentos);
        QCOMPARE(s.estado, estado);
        QVERIFY2(s.salida.simplified().contains(salida), qPrintable(s.salida));
        if (estado == 0) {
            QCOMPARE(s.error, QString());
            return;
        }
        // A refused run writes nothing on standard output; bad usage adds the usage.
        QCOMPARE(s.salida, QString());
        QCOMPARE(Lineas(s.error).value(0), error);
        QCOMPARE(s.error.contains(QStringLiteral("Uso:")), estado == 2);
    }

    // The comparison in JSON: a row per figure with each offer's number and
    // the numbers of the best offers; a rate row keeps two decimals and a
    // row no offer has stays null with no best.
    void compararEnJson() {
        const Salida s = Ejecutar({"comparar", "--oferta", "--capital 150000 --interes 3 --cuotas 300 --gastos 500",
                                   "--oferta", "--capital 150000 --interes 2,8 --cuotas 300", "--formato", "json"});
        QCOMPARE(s.estado, 0);
        const QJsonArray tabla = QJsonDocument::fromJson(s.salida.toUtf8()).object().value("tabla").toArray();
        QCOMPARE(tabla.size(), 9);
        const QJsonObject coste = tabla[4].toObject();
        QCOMPARE(coste.value("concepto").toString(), "coste_total");
        QCOMPARE(coste.value("oferta_1").toDouble(), 63894.69);
        QCOMPARE(coste.value("mejor").toArray(), QJsonArray({2}));
        QCOMPARE(tabla[5].toObject().value("oferta_2").toDouble(), 2.84);
        const QJsonObject indice = tabla[8].toObject();
        QVERIFY(indice.value("oferta_1").isNull());
        QCOMPARE(indice.value("mejor").toArray(), QJsonArray());
    }

    // The table of the command line is the schedule window's table, title
    // for title and text for text, and its JSON carries the same amounts.
    void tablaComoLaVentana_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("calculo");
        QTest::addColumn<QStringList>("cajas");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("préstamo a fin de mes")
            << 0 << 0 << QStringList{"EditPresCapital", "EditPresInteres", "EditPresNum", "EditPresFecha"}
            << QStringList{"300.000", "3,5", "360", "31/01/2024"}
            << QStringList{"prestamo", "--capital", "300.000", "--interes", "3,5", "--cuotas", "360", "--primer-pago",
                           "31/01/2024"};
        QTest::newRow("préstamo: el interés, cuotas al inicio")
            << 0 << 1
            << QStringList{"EditPresCapital", "EditPresCuota", "EditPresNum", "EditPresFecha", "cbPresAportacion"}
            << QStringList{"12000", "1.100", "12", "29/02/2024", "1"}
            << QStringList{"prestamo", "--calcular", "interes", "--capital", "12000", "--cuota", "1.100", "--cuotas",
                           "12", "--primer-pago", "29/02/2024", "--inicio-periodo"};
        QTest::newRow("inversión")
            << 1 << 3 << QStringList{"EditInvCuota", "EditInvInteres", "EditInvNum", "EditInvCapInicial", "EditInvFecha"}
            << QStringList{"100", "6", "120", "1000", "15/01/2024"}
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "100", "--interes", "6", "--cuotas", "120",
                           "--capital-inicial", "1000", "--primera-cuota", "15/01/2024"};
        QTest::newRow("retirada al inicio de cada mes")
            << 1 << 4 << QStringList{"EditInvCapInicial", "EditInvInteres", "EditInvNum", "EditInvFecha"}
            << QStringList{"100000", "3", "240", "31/01/2025"}
            << QStringList{"inversion", "--calcular", "retirada", "--capital-inicial", "100000", "--interes", "3",
                           "--cuotas", "240", "--primera-cuota", "31/01/2025"};
        QTest::newRow("retirada al final de cada mes")
            << 1 << 4
            << QStringList{"EditInvCapInicial", "EditInvInteres", "EditInvNum", "EditInvFecha", "CbInvAportacion"}
            << QStringList{"12345,67", "4,75", "37", "15/06/2024", "0"}
            << QStringList{"inversion", "--calcular", "retirada", "--capital-inicial", "12345,67", "--interes", "4,75",
                           "--cuotas", "37", "--primera-cuota", "15/06/2024", "--final-periodo"};
        QTest::newRow("depreciación acelerada")
            << 2 << 1
            << QStringList{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil", "EditDepAniosCalculo",
                           "EditDepFecha"}
            << QStringList{"10000", "1000", "7", "3", "29/02/2024"}
            << QStringList{"depreciacion", "--metodo", "digitos", "--valor-inicial", "10000", "--valor-final", "1000",
                           "--vida-util", "7", "--anios", "3", "--fecha", "29/02/2024"};
        QTest::newRow("depreciación doble con paso a lineal desde julio")
            << 2 << 3
            << QStringList{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil", "EditDepAniosCalculo",
                           "EditDepFecha"}
            << QStringList{"23456,78", "456,78", "8", "2", "05/10/2024"}
            << QStringList{"depreciacion", "--metodo", "doble-lineal", "--valor-inicial", "23456,78", "--valor-final",
                           "456,78", "--vida-util", "8", "--anios", "2", "--fecha", "05/10/2024"};
    }
    void tablaComoLaVentana() {
        QFETCH(int, pagina);
        QFETCH(int, calculo);
        QFETCH(QStringList, cajas);
        QFETCH(QStringList, textos);
        QFETCH(QStringList, argumentos);
        const QStringList ventana = TablaDeLaVentana(pagina, calculo, cajas, textos);
        QVERIFY(ventana.size() > 1);

        const Salida csv = Ejecutar(argumentos + QStringList{"--tabla", "--formato", "csv"});
        QCOMPARE(csv.estado, 0);
        QCOMPARE(Lineas(csv.salida), ventana);

        const Salida json = Ejecutar(argumentos + QStringList{"--tabla", "--formato", "json"});
        QCOMPARE(json.estado, 0);
        const QJsonArray filas = Json(json).value("tabla").toArray();
        QCOMPARE(filas.size(), ventana.size() - 1);
        const QStringList titulos = ventana[0].split(u';');
        for (qsizetype r = 0; r < filas.size(); ++r) {
            const QJsonObject fila = filas[r].toObject();
            const QStringList celdas = ventana[r + 1].split(u';');
            QCOMPARE(fila.size(), titulos.size());
            // The columns keep the grid's order; the first two are the
            // number and the date, then amounts.
            QCOMPARE(QString::number(fila.value(pagina == 2 ? "anio" : "n").toInt()), celdas[0]);
            QCOMPARE(TextoFecha(QDate::fromString(fila.value("fecha").toString(), Qt::ISODate)), celdas[1]);
            const bool retirada = pagina == 1 && calculo == 4;
            const QStringList claves = pagina == 0   ? QStringList{"cuota", "capital", "interes", "amortizado",
                                                                   "pendiente", "pagado", "intereses"}
                                       : retirada    ? QStringList{"retirada", "interes", "capital"}
                                       : pagina == 1 ? QStringList{"cuota", "invertido", "acumulado", "beneficio"}
                                                     : QStringList{"valor_inicial", "dep_periodo", "valor_final",
                                                                   "dep_acumulada"};
            for (qsizetype c = 0; c < claves.size(); ++c)
                QCOMPARE(TextoImporte(fila.value(claves[c]).toDouble()), celdas[c + 2]);
        }

        // The readable text has the same titles and texts, aligned.
        const Salida texto = Ejecutar(argumentos + QStringList{"--tabla"});
        QCOMPARE(texto.estado, 0);
        const QStringList lineas = Lineas(texto.salida);
        const qsizetype titulo = lineas.indexOf(lineas.filter(QStringLiteral(", tabla de desarrollo")).value(0));
        QVERIFY(titulo > 0);
        for (qsizetype r = 0; r < ventana.size(); ++r)
            QCOMPARE(lineas[titulo + 1 + r].simplified(), QString(ventana[r]).replace(u';', u' '));
    }

    // The savings page's withdrawal gives the figures of the command line's.
    void retiradaComoLaPagina_data() {
        QTest::addColumn<QStringList>("textos");  // capital, interest, months, timing
        QTest::newRow("al inicio") << QStringList{"100000", "3", "240", "1"};
        QTest::newRow("al final") << QStringList{"100000", "3", "240", "0"};
        QTest::newRow("sin interés, con resto") << QStringList{"1000", "0", "3", "0"};
        QTest::newRow("céntimos raros") << QStringList{"12345,67", "4,75", "37", "1"};
    }
    void retiradaComoLaPagina() {
        QFETCH(QStringList, textos);
        TFormCalculosFinancieros principal;
        principal.pcCalculos->setCurrentWidget(principal.tsInv);
        principal.CbInvCalculos->setCurrentIndex(4);
        principal.EditInvCapInicial->setText(textos[0]);
        principal.EditInvInteres->setText(textos[1]);
        principal.EditInvNum->setText(textos[2]);
        principal.CbInvAportacion->setCurrentIndex(textos[3].toInt());
        principal.AccCalcular->trigger();
        QVERIFY(!principal.CalculoFallido());

        QStringList argumentos{"inversion", "--calcular", "retirada", "--capital-inicial", textos[0], "--interes",
                               textos[1], "--cuotas", textos[2], "--formato", "json"};
        argumentos << (textos[3] == "1" ? "--inicio-periodo" : "--final-periodo");
        const Salida json = Ejecutar(argumentos);
        QCOMPARE(json.estado, 0);
        const QJsonObject r = Json(json).value("resultado").toObject();
        QCOMPARE(principal.PnlInvCuotaRes->text(), TextoImporte(r.value("retirada").toDouble()));
        QCOMPARE(principal.EditInvCuota->text(), TextoDosDecimales(r.value("retirada").toDouble()));
        QCOMPARE(principal.PnlInvInvertido->text(), TextoImporte(r.value("total_retirado").toDouble()));
        QCOMPARE(principal.PnlInvRendimiento->text(), TextoImporte(r.value("intereses").toDouble()));
        QCOMPARE(principal.PnlInvPorcentaje->text(), TextoImporte(r.value("ultima_retirada").toDouble()));
        QCOMPARE(principal.PnlInvCapitalRes->text(), "0,00");
    }

    // With no date given, the table starts today, as each page does.
    void fechaDeHoy_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("préstamo") << QStringList{"prestamo", "--capital", "1000", "--interes", "5", "--cuotas", "2"};
        QTest::newRow("inversión") << QStringList{"inversion", "--calcular", "capital", "--cuota", "10", "--cuotas", "2"};
        QTest::newRow("depreciación") << QStringList{"depreciacion", "--metodo", "lineal", "--valor-inicial", "100",
                                                     "--vida-util", "2", "--anios", "1"};
    }
    void fechaDeHoy() {
        QFETCH(QStringList, argumentos);
        const Salida s = Ejecutar(argumentos + QStringList{"--tabla", "--formato", "json"});
        QCOMPARE(s.estado, 0);
        const QJsonArray filas = Json(s).value("tabla").toArray();
        QCOMPARE(filas.first().toObject().value("fecha").toString(), QDate::currentDate().toString(Qt::ISODate));
    }

    // The loan instalment of the spreadsheet's PMT for each plain loan of
    // the reference values whose monthly rate is a percentage of four
    // decimals a year, as JSON rounded to the cent.
    void cuotaComoLaHojaDeCalculo() {
        QFile fichero(QStringLiteral(ZZ_TEST_DATA_DIR "/oracles/tvm_public.csv"));
        QVERIFY(fichero.open(QIODevice::ReadOnly));
        int comprobadas = 0;
        while (!fichero.atEnd()) {
            const QStringList c = QString::fromUtf8(fichero.readLine()).trimmed().split(u',');
            if (c.size() < 12 || c[0] != QLatin1String("PMT") || c[5] != QLatin1String("0") || c[4].toDouble() <= 0)
                continue;
            const double anual = c[1].toDouble() * 1200;
            if (std::fabs(anual * 10000 - std::round(anual * 10000)) > 1e-6)
                continue;
            const QStringList argumentos{"prestamo",
                                         "--capital",
                                         QString(c[4]).replace(u'.', u','),
                                         "--interes",
                                         QString::number(anual, 'f', 4).replace(u'.', u','),
                                         "--cuotas",
                                         c[2],
                                         c[7] == QLatin1String("1") ? "--inicio-periodo" : "--final-periodo",
                                         "--formato",
                                         "json"};
            const Salida s = Ejecutar(argumentos);
            QCOMPARE(s.estado, 0);
            const double cuota = Json(s).value("resultado").toObject().value("cuota").toDouble();
            QCOMPARE(cuota, std::round(-c[11].toDouble() * 100) / 100);
            ++comprobadas;
        }
        QVERIFY(comprobadas > 0);
    }

    // The repayment's column shows only when there is a repayment, its fee's
    // only when one carries a fee, both after "Interés" as in the window.
    void columnasOpcionales_data() {
        QTest::addColumn<QStringList>("condiciones");
        QTest::addColumn<QString>("titulos");
        QTest::addColumn<bool>("comoSinCondiciones");  // every output the same as without them
        const QString plenos = QStringLiteral("Nº;Fecha;Cuota;Capital;Interés;Amortizado;Pendiente;Pagado;Intereses");
        QTest::newRow("sin condiciones") << QStringList{} << plenos << false;
        QTest::newRow("condiciones por defecto escritas")
            << QStringList{"--periodicidad", "mensual", "--comision-apertura", "0", "--gastos", "0"} << plenos << true;
        QTest::newRow("solo una revisión")
            << QStringList{"--revision", "3:2"}
            << "Nº;Fecha;Cuota;Capital;Interés;Interés %;Amortizado;Pendiente;Pagado;Intereses" << false;
        QTest::newRow("amortización sin comisión")
            << QStringList{"--amortizacion", "3:100:plazo", "--amortizacion", "5:100:cuota:0"}
            << "Nº;Fecha;Cuota;Capital;Interés;Amort. anticipada;Amortizado;Pendiente;Pagado;Intereses" << false;
        QTest::newRow("amortización con comisión")
            << QStringList{"--amortizacion", "3:100:plazo", "--amortizacion", "5:100:cuota:0,5"}
            << "Nº;Fecha;Cuota;Capital;Interés;Amort. anticipada;Comisión;Amortizado;Pendiente;Pagado;Intereses"
            << false;
        QTest::newRow("amortización con la comisión legal")
            << QStringList{"--amortizacion", "3:100:plazo:legal"}
            << "Nº;Fecha;Cuota;Capital;Interés;Amort. anticipada;Comisión;Amortizado;Pendiente;Pagado;Intereses"
            << false;
        // The rate of each row shows when it changes along the loan; grace
        // rows are marked when there is a grace period.
        QTest::newRow("tipo variable")
            << QStringList{"--tipo", "variable", "--indice", "3", "--diferencial", "1"}
            << "Nº;Fecha;Cuota;Capital;Interés;Interés %;Amortizado;Pendiente;Pagado;Intereses" << false;
        QTest::newRow("carencia parcial")
            << QStringList{"--carencia", "2:parcial"}
            << "Nº;Fecha;Cuota;Capital;Interés;Carencia;Amortizado;Pendiente;Pagado;Intereses" << false;
        QTest::newRow("mixto con carencia y amortización")
            << QStringList{"--tipo", "mixto", "--tramo-fijo", "6", "--carencia", "2:total", "--amortizacion",
                           "8:100:cuota:1"}
            << "Nº;Fecha;Cuota;Capital;Interés;Interés %;Carencia;Amort. anticipada;Comisión;Amortizado;Pendiente;"
               "Pagado;Intereses"
            << false;
        QTest::newRow("sistema, seguro y mantenimiento")
            << QStringList{"--sistema", "aleman", "--seguro", "300", "--mantenimiento", "60"} << plenos << false;
    }
    void columnasOpcionales() {
        QFETCH(QStringList, condiciones);
        QFETCH(QString, titulos);
        QFETCH(bool, comoSinCondiciones);
        const QStringList prestamo = QStringList{"prestamo", "--capital", "1.000", "--interes", "12", "--cuotas", "12",
                                                 "--primer-pago", "31/01/2024", "--tabla"} +
                                     condiciones;
        const Salida csv = Ejecutar(prestamo + QStringList{"--formato", "csv"});
        QCOMPARE(csv.estado, 0);
        QCOMPARE(Lineas(csv.salida).value(0), titulos);
        const Salida json = Ejecutar(prestamo + QStringList{"--formato", "json"});
        const QJsonObject fila = Json(json).value("tabla").toArray().first().toObject();
        QCOMPARE(fila.size(), titulos.count(u';') + 1);
        QCOMPARE(fila.contains("amortizacion_anticipada"), titulos.contains(QStringLiteral("Amort. anticipada")));
        QCOMPARE(fila.contains("comision"), titulos.contains(QStringLiteral("Comisión")));
        QCOMPARE(fila.contains("interes_anual"), titulos.contains(QStringLiteral("Interés %")));
        QCOMPARE(fila.contains("tipo_fila"), titulos.contains(QStringLiteral("Carencia")));
        if (!comoSinCondiciones)
            return;
        // Conditions that change nothing change nothing in any format.
        for (const char* formato : {"texto", "csv", "json"}) {
            const QStringList tambien{"--resumen-anual", "--formato", formato};
            QCOMPARE(Ejecutar(prestamo + tambien).salida, Ejecutar(prestamo.mid(0, 10) + tambien).salida);
        }
    }

    // A fee above the legal maximum is worked out with the maximum: the
    // report stands, and the warning goes to standard error, apart from
    // what a script reads.
    void avisoDeComisionLegal() {
        const QStringList hipoteca{"prestamo", "--capital", "100.000", "--interes", "3", "--cuotas", "120",
                                   "--tipo", "variable", "--indice", "3", "--diferencial", "1", "--formato", "json"};
        const Salida pactada = Ejecutar(hipoteca + QStringList{"--amortizacion", "12:10.000:plazo:1"});
        QCOMPARE(pactada.estado, 0);
        QVERIFY2(pactada.error.startsWith(QStringLiteral("La comisión de la amortización anticipada de la cuota 12 "
                                                         "(1,00 %) supera el máximo legal")),
                 qPrintable(pactada.error));
        const Salida legal = Ejecutar(hipoteca + QStringList{"--amortizacion", "12:10.000:plazo:legal"});
        QCOMPARE(legal.error, QString());
        QCOMPARE(Json(pactada).value("resultado"), Json(legal).value("resultado"));
        QCOMPARE(Json(legal).value("resultado").toObject().value("sistema").toString(), QStringLiteral("frances"));
    }

    // The mortgage's options read into the conditions the calculation gets:
    // the named choices, Spanish numbers, the repeatable index scenario, and
    // the legal early-repayment fee, written or implied by a kind of rate.
    void condicionesLeidas_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<finance::CondicionesPrestamo>("esperadas");
        using namespace finance;
        CondicionesPrestamo creciente;
        creciente.sistema = SistemaAmortizacion::Creciente;
        creciente.crecimiento = 1.5;
        creciente.carencia = TipoCarencia::Total;
        creciente.cuotasCarencia = 12;
        QTest::newRow("creciente con carencia total")
            << QStringList{"--sistema", "creciente", "--crecimiento", "1,5", "--carencia", "12:total"} << creciente;
        CondicionesPrestamo mixto;
        mixto.tipoInteres = TipoInteres::Mixto;
        mixto.tramoFijo = 60;
        mixto.indice = -0.25;
        mixto.diferencial = 0.99;
        mixto.revisionMeses = 6;
        mixto.indicesDesde = {{120, 3.5}, {84, 2}};
        mixto.seguroAnual = 1200.5;
        mixto.mantenimientoAnual = 60;
        AmortizacionAnticipada implicita;
        implicita.cuota = 24;
        implicita.importe = 10000;
        implicita.comisionLegal = true;
        AmortizacionAnticipada pactada;
        pactada.cuota = 36;
        pactada.importe = 5000;
        pactada.reduce = ReduccionAmortizacion::Cuota;
        pactada.comision = 0.5;
        mixto.amortizaciones = {implicita, pactada};
        QTest::newRow("mixto con escenario, gastos y amortizaciones")
            << QStringList{"--tipo", "mixto", "--tramo-fijo", "60", "--indice", "-0,25", "--diferencial", "0,99",
                           "--revision-cada", "6", "--indice-en", "120:3,5", "--indice-en", "84:2", "--seguro",
                           "1.200,50", "--mantenimiento", "60", "--amortizacion", "24:10.000:plazo",
                           "--amortizacion", "36:5.000:cuota:0,5"}
            << mixto;
        CondicionesPrestamo fijo;
        AmortizacionAnticipada legal = implicita;
        AmortizacionAnticipada sinComision = implicita;
        sinComision.comisionLegal = false;
        fijo.amortizaciones = {legal, sinComision};
        QTest::newRow("sin tipo, la comisión omitida es cero")
            << QStringList{"--amortizacion", "24:10.000:plazo:legal", "--amortizacion", "24:10.000:plazo"} << fijo;
    }
    void condicionesLeidas() {
        QFETCH(QStringList, opciones);
        QFETCH(finance::CondicionesPrestamo, esperadas);
        const TArgumentosOrden argumentos(opciones, ConOpcionesCondiciones({}));
        QCOMPARE(CondicionesOpcion(argumentos), esperadas);
    }

    // A savings plan's options add their figures to the JSON, and the table
    // and the yearly summary their real value, only when they are used: without them the output is
    // the plain plan's, key for key.
    void ahorroEnJson_data() {
        QTest::addColumn<QStringList>("opciones");
        QTest::addColumn<QStringList>("claves");
        QTest::addColumn<bool>("valorReal");
        QTest::newRow("sin opciones") << QStringList{} << QStringList{} << false;
        QTest::newRow("inflación") << QStringList{"--inflacion", "3"}
                                   << QStringList{"inflacion", "valor_real", "ganancia_real"} << true;
        QTest::newRow("retención") << QStringList{"--retencion"} << QStringList{"impuesto", "capital_final_neto"}
                                   << false;
        QTest::newRow("todas") << QStringList{"--crecimiento", "2", "--inflacion", "3", "--retencion", "19"}
                               << QStringList{"crecimiento", "inflacion", "valor_real", "ganancia_real", "impuesto",
                                              "capital_final_neto"}
                               << true;
    }
    void ahorroEnJson() {
        QFETCH(QStringList, opciones);
        QFETCH(QStringList, claves);
        QFETCH(bool, valorReal);
        const QStringList plan{"inversion", "--calcular", "capital", "--cuota", "100", "--interes", "5",
                               "--cuotas", "24", "--primera-cuota", "01/01/2025", "--tabla", "--resumen-anual",
                               "--formato", "json"};
        const Salida s = Ejecutar(plan + opciones);
        QCOMPARE(s.estado, 0);
        const QJsonObject resultado = Json(s).value("resultado").toObject();
        QStringList esperadas{"cuota", "interes", "cuotas", "capital_inicial", "capital_invertido", "capital_final",
                              "beneficio", "porcentaje_beneficio"};
        esperadas += claves;
        QStringList leidas = resultado.keys();
        leidas.sort();
        esperadas.sort();
        QCOMPARE(leidas, esperadas);
        const QJsonObject ultima = Json(s).value("tabla").toArray().last().toObject();
        QCOMPARE(ultima.contains("valor_real"), valorReal);
        const QJsonObject total = Json(s).value("resumen_anual").toArray().last().toObject();
        QCOMPARE(total.contains("valor_real"), valorReal);
        if (valorReal) {
            QCOMPARE(ultima.value("valor_real").toDouble(), resultado.value("valor_real").toDouble());
            QCOMPARE(total.value("valor_real").toDouble(), resultado.value("valor_real").toDouble());
        }
    }

    // A quarterly loan from 31 January with an early repayment that lowers
    // the instalment (with a fee), one that shortens the term and a rate
    // revision: every figure is the finance core's, rounded as its text.
    void trimestralConAmortizaciones() {
        const Salida s =
            Ejecutar(kPrestamoTrimestral + QStringList{"--tabla", "--resumen-anual", "--formato", "json"});
        QCOMPARE(s.estado, 0);
        const QJsonObject o = Json(s);

        const finance::CondicionesPrestamo c = CondicionesTrimestral();
        const finance::ResultadoPrestamo r = finance::ResolverPrestamo(
            finance::CodigoCalculo::PrestamoCuota, {"20000", "4", "12", "", finance::PaymentTiming::EndOfPeriod, c});
        QVERIFY(!r.aviso && r.estado.TAE && r.estado.TAEConRevisiones);
        const finance::EstadoPrestamo& e = r.estado;
        const QJsonObject resultado = o.value("resultado").toObject();
        const QList<std::pair<const char*, double>> figuras{
            {"cuota", e.Cuota}, {"total_pagado", e.TotalPagado}, {"total_intereses", e.TotalIntereses},
            {"tae", *e.TAE},    {"coste_total", e.CosteTotal},   {"tae_con_revisiones", *e.TAEConRevisiones}};
        for (const auto& [clave, valor] : figuras)
            QCOMPARE(TextoImporte(resultado.value(clave).toDouble()), TextoImporte(valor));
        QCOMPARE(resultado.value("cuotas").toInt(), 12);

        const std::vector<trPrestamo> filas = FilasPrestamo(
            {e.Capital, e.Interes, e.NumCuotas, e.Cuota, finance::PaymentTiming::EndOfPeriod, QDate(2024, 1, 31), c});
        const QJsonArray tabla = o.value("tabla").toArray();
        QCOMPARE(tabla.size(), qsizetype(filas.size()));
        QVERIFY(filas.size() < 12);  // the second repayment shortened the term
        QCOMPARE(resultado.value("cuotas_pagadas").toInt(), int(filas.size()));
        for (std::size_t i = 0; i < filas.size(); ++i) {
            const trPrestamo& f = filas[i];
            const QJsonObject fila = tabla[qsizetype(i)].toObject();
            QCOMPARE(fila.value("fecha").toString(), f.fecha.toString(Qt::ISODate));
            const QList<std::pair<const char*, double>> celdas{
                {"cuota", f.cuota},         {"capital", f.capital}, {"interes", f.interes},
                {"amortizacion_anticipada", f.amortAnticipada},     {"comision", f.comision},
                {"pendiente", f.pendiente}, {"pagado", f.pagado},   {"intereses", f.intereses}};
            for (const auto& [clave, valor] : celdas)
                QCOMPARE(TextoImporte(fila.value(clave).toDouble()), TextoImporte(valor));
        }
        // Three months apart, each on the month's last day as the first.
        QCOMPARE(tabla[1].toObject().value("fecha").toString(), QStringLiteral("2024-04-30"));
        QCOMPARE(tabla[4].toObject().value("fecha").toString(), QStringLiteral("2025-01-31"));
        QCOMPARE(tabla[3].toObject().value("amortizacion_anticipada").toDouble(), 5000.0);
        QCOMPARE(tabla[3].toObject().value("comision").toDouble(), 50.0);
        QCOMPARE(tabla.last().toObject().value("pendiente").toDouble(), 0.0);

        const QJsonArray anios = o.value("resumen_anual").toArray();
        const QJsonObject total = anios.last().toObject();
        QCOMPARE(total.value("cuotas").toInt(), int(filas.size()));
        QCOMPARE(total.value("pendiente").toDouble(), 0.0);
    }

    // With conditions set, the command line's table is still the window's:
    // the same quarterly dates, extra columns and recomputed instalments.
    void condicionesComoLaVentana() {
        const QStringList ventana =
            TablaDeLaVentana(0, 0, {"EditPresCapital", "EditPresInteres", "EditPresNum", "EditPresFecha"},
                             {"20.000", "4", "12", "31/01/2024"}, CondicionesTrimestral());
        QVERIFY(ventana.size() > 1);
        QVERIFY(ventana[0].contains(QStringLiteral("Amort. anticipada")));
        const Salida csv = Ejecutar(kPrestamoTrimestral + QStringList{"--tabla", "--formato", "csv"});
        QCOMPARE(csv.estado, 0);
        QCOMPARE(Lineas(csv.salida), ventana);
    }

    // A script means the same on every machine: numbers and dates are read
    // and written Spanish whatever the regional settings, JSON stays plain,
    // and a number written the English way is refused showing the Spanish
    // one. Qt takes the settings from the variables' names, so these need
    // no generated locale to be present.
    void igualEnCadaIdioma_data() {
        QTest::addColumn<QString>("idioma");
        for (const char* idioma : {"", "C", "C.UTF-8", "en_US.UTF-8", "de_CH.UTF-8", "es_ES.UTF-8"})
            QTest::newRow(*idioma ? idioma : "sin idioma") << QString::fromLatin1(idioma);
    }
    void igualEnCadaIdioma() {
        QFETCH(QString, idioma);
        const QStringList prestamo{"prestamo",   "--capital", "150.000", "--interes", "3,5",
                                   "--cuotas",   "300",       "--primer-pago", "31/01/2025"};
        const Salida texto = Ejecutar(prestamo, idioma);
        QCOMPARE(texto.estado, 0);
        QVERIFY2(texto.salida.simplified().contains(QStringLiteral("Capital 150.000,00")), qPrintable(texto.salida));

        const QStringList tabla = prestamo + QStringList{"--tabla", "--resumen-anual", "--formato", "csv"};
        const Salida csv = Ejecutar(tabla, idioma);
        QCOMPARE(csv.estado, 0);
        QCOMPARE(csv.salida, Ejecutar(tabla).salida);
        QVERIFY(Lineas(csv.salida).value(1).startsWith(QStringLiteral("1;31/01/2025;")));

        const Salida json = Ejecutar(prestamo + QStringList{"--formato", "json"}, idioma);
        QCOMPARE(json.estado, 0);
        QCOMPARE(Json(json).value("resultado").toObject().value("capital").toDouble(), 150000.0);

        const Salida ingles = Ejecutar({"prestamo", "--capital", "150,000.50", "--interes", "3,5"}, idioma);
        QCOMPARE(ingles.estado, 2);
        QCOMPARE(Lineas(ingles.error).value(0),
                 QStringLiteral("--capital: \"150,000.50\" no es un número válido; escriba 150.000,50"));
    }

    // Output that does not reach its destination is never a success: every
    // format, a long table and the help alike end with status 3 and say why.
    void salidaPerdida_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("destino");
        QTest::addColumn<QString>("motivo");
        const QStringList prestamo{"prestamo", "--capital", "150.000", "--interes", "3,5", "--cuotas", "300"};
        const QString lleno = QStringLiteral("no queda espacio en el disco");
        const QString cerrada = QStringLiteral("la salida estándar está cerrada");
        for (const char* formato : {"texto", "csv", "json"}) {
            const QStringList tabla = prestamo + QStringList{"--tabla", "--formato", formato};
            QTest::addRow("%s en un disco lleno", formato) << tabla << int(Destino::DiscoLleno) << lleno;
            QTest::addRow("%s en una salida cerrada", formato) << tabla << int(Destino::Cerrada) << cerrada;
        }
        QTest::newRow("resultado corto en un disco lleno") << prestamo << int(Destino::DiscoLleno) << lleno;
        QTest::newRow("ayuda de una orden en un disco lleno")
            << QStringList{"inversion", "--help"} << int(Destino::DiscoLleno) << lleno;
        QTest::newRow("ayuda del programa en una salida cerrada")
            << QStringList{"--help"} << int(Destino::Cerrada) << cerrada;
        QTest::newRow("versión en un disco lleno") << QStringList{"--version"} << int(Destino::DiscoLleno) << lleno;
    }
    void salidaPerdida() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, destino);
        QFETCH(QString, motivo);
        const Salida s = Ejecutar(argumentos, QStringLiteral("es_ES.UTF-8"), Destino(destino));
        QCOMPARE(s.estado, 3);
        QCOMPARE(s.error,
                 QStringLiteral("No se ha podido escribir el resultado en la salida estándar: %1.\n").arg(motivo));
    }

    // A CSV field is quoted only when it must be, with its quotes doubled.
    void lineaCsv_data() {
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QString>("linea");
        QTest::newRow("nada que citar") << QStringList{"Nº", "1.483,28", "", "31/01/2024"} << "Nº;1.483,28;;31/01/2024";
        QTest::newRow("separador") << QStringList{"a;b", "c"} << "\"a;b\";c";
        QTest::newRow("comillas") << QStringList{"di \"hola\""} << "\"di \"\"hola\"\"\"";
        QTest::newRow("saltos de línea") << QStringList{"uno\ndos", "tres\r"} << "\"uno\ndos\";\"tres\r\"";
    }
    void lineaCsv() {
        QFETCH(QStringList, campos);
        QTEST(LineaCsv(campos), "linea");
        QCOMPARE(LineaCsv({"a,b", "c"}, u','), QStringLiteral("\"a,b\",c"));
    }

    // The yearly summary in each format: a row a calendar year, then the total.
    // --desde takes the figures of a calculation file; options typed too take
    // the place of the file's, and a file that does not read is named with
    // the reason.
    void desdeUnFichero() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("prestamo.zzc"));
        QFile fichero(ruta);
        QVERIFY(fichero.open(QIODevice::WriteOnly));
        fichero.write(R"({"formato": 1, "prestamo": {"calculo": 0, "momento": "final",
            "campos": {"interes": "3.5", "num": "240", "capital": "150000.5", "fecha": "2027-01-31"},
            "condiciones": {"periodicidad": "trimestral", "gastosIniciales": 300,
                            "revisiones": [{"cuota": 13, "interes": 4}]}}})");
        fichero.close();
        const QStringList escritas{"prestamo",    "--capital",      "150000,5",   "--interes",
                                   "3,5",         "--cuotas",       "240",        "--primer-pago",
                                   "31/01/2027",  "--periodicidad", "trimestral", "--gastos",
                                   "300",         "--revision",     "13:4",       "--formato",
                                   "json"};
        const Salida igual = Ejecutar(escritas);
        QCOMPARE(igual.estado, 0);
        const Salida desde = Ejecutar({"prestamo", "--desde", ruta, "--formato", "json"});
        QCOMPARE(desde.error, QString());
        QCOMPARE(desde.salida, igual.salida);
        QStringList cambiadas = escritas;
        cambiadas[6] = QStringLiteral("120");
        cambiadas[14] = QStringLiteral("5:2");
        QCOMPARE(Ejecutar({"prestamo", "--desde=" + ruta, "--cuotas", "120", "--revision", "5:2", "--formato", "json"})
                     .salida,
                 Ejecutar(cambiadas).salida);
        const Salida roto = Ejecutar({"prestamo", "--desde", carpeta.path()});
        QCOMPARE(roto.estado, 1);
        QVERIFY2(roto.error.contains(carpeta.path()) && roto.error.contains(QStringLiteral("carpeta")),
                 qPrintable(roto.error));
    }

    void desdeComoTecleado_data() {
        QTest::addColumn<QByteArray>("documento");
        QTest::addColumn<QStringList>("tecleadas");
        QTest::newRow("hipoteca mixta creciente con carencia")
            << QByteArray(R"({"formato": 1, "prestamo": {"calculo": 0,
                "campos": {"interes": "2.5", "num": "300", "capital": "200000", "fecha": "2027-01-31"},
                "condiciones": {"sistema": "creciente", "crecimiento": 1.5,
                    "carencia": "parcial", "cuotasCarencia": 12,
                    "tipoInteres": "mixto", "tramoFijo": 60, "diferencial": 0.8, "indice": 3.1,
                    "indicesDesde": [{"cuota": 121, "valor": 2.75}], "revisionMeses": 6,
                    "seguroAnual": 300.5, "mantenimientoAnual": 40,
                    "amortizaciones": [{"cuota": 24, "importe": 10000, "reduce": "plazo", "comisionLegal": true},
                                       {"cuota": 36, "importe": 5000, "reduce": "cuota", "comision": 0}]}}})")
            << QStringList{"prestamo", "--interes", "2,5", "--cuotas", "300", "--capital", "200000",
                           "--primer-pago", "31/01/2027", "--sistema", "creciente", "--crecimiento", "1,5",
                           "--carencia", "12:parcial", "--tipo", "mixto", "--tramo-fijo", "60",
                           "--diferencial", "0,8", "--indice", "3,1", "--indice-en", "121:2,75",
                           "--revision-cada", "6", "--seguro", "300,5", "--mantenimiento", "40",
                           "--amortizacion", "24:10000:plazo:legal", "--amortizacion", "36:5000:cuota:0"};
        QTest::newRow("préstamo fijo con comisión legal")
            << QByteArray(R"({"formato": 1, "prestamo": {"calculo": 0,
                "campos": {"interes": "4", "num": "120", "capital": "90000", "fecha": "2027-03-01"},
                "condiciones": {"sistema": "aleman", "carencia": "total", "cuotasCarencia": 6,
                    "amortizaciones": [{"cuota": 30, "importe": 8000, "reduce": "cuota", "comisionLegal": true}]}}})")
            << QStringList{"prestamo", "--interes", "4", "--cuotas", "120", "--capital", "90000",
                           "--primer-pago", "01/03/2027", "--sistema", "aleman", "--carencia", "6:total",
                           "--amortizacion", "30:8000:cuota:legal"};
        QTest::newRow("ahorro con retención fija")
            << QByteArray(R"({"formato": 1, "inversion": {"calculo": 3, "momento": "principio",
                "campos": {"cuota": "200", "interes": "5", "num": "120", "fecha": "2027-01-01"},
                "condiciones": {"crecimiento": 3, "inflacion": 2.5, "retencion": "fija", "retencionFija": 19}}})")
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "200", "--interes", "5",
                           "--cuotas", "120", "--primera-cuota", "01/01/2027", "--inicio-periodo",
                           "--crecimiento", "3", "--inflacion", "2,5", "--retencion=19"};
        QTest::newRow("ahorro por tramos")
            << QByteArray(R"({"formato": 1, "inversion": {"calculo": 3, "momento": "final",
                "campos": {"cuota": "500", "interes": "6", "num": "240", "fecha": "2027-01-01"},
                "condiciones": {"retencion": "tramos"}}})")
            << QStringList{"inversion", "--calcular", "capital", "--cuota", "500", "--interes", "6",
                           "--cuotas", "240", "--primera-cuota", "01/01/2027", "--final-periodo", "--retencion"};
        // The page keeps a plan's conditions while a withdrawal is chosen; the
        // withdrawal itself takes none of them.
        QTest::newRow("retirada con condiciones de un plan")
            << QByteArray(R"({"formato": 1, "inversion": {"calculo": 4, "momento": "final",
                "campos": {"capInicial": "100000", "interes": "3", "num": "240", "fecha": "2027-01-01"},
                "condiciones": {"inflacion": 2, "retencion": "tramos"}}})")
            << QStringList{"inversion", "--calcular", "retirada", "--capital-inicial", "100000", "--interes", "3",
                           "--cuotas", "240", "--primera-cuota", "01/01/2027", "--final-periodo"};
        QTest::newRow("depreciación con tabla y fecha escrita")
            << QByteArray(R"({"formato": 1, "depreciacion": {"calculo": 0, "tablaFiscal": "maquinaria",
                "fechaEscrita": true,
                "campos": {"valorInicial": "12000", "valorFinal": "0", "aniosUtil": "10", "aniosCalculo": "3",
                           "fecha": "2026-07-01"}}})")
            << QStringList{"depreciacion", "--metodo", "lineal", "--valor-inicial", "12000", "--valor-final", "0",
                           "--vida-util", "10", "--anios", "3", "--fecha", "01/07/2026", "--tabla-fiscal",
                           "maquinaria"};
        // A date the page filled in by itself gives whole years, as in the window.
        QTest::newRow("depreciación doble-lineal con la fecha de la página")
            << QByteArray(R"({"formato": 1, "depreciacion": {"calculo": 3,
                "campos": {"valorInicial": "12000", "valorFinal": "0", "aniosUtil": "10", "aniosCalculo": "3",
                           "fecha": "2026-07-01"}}})")
            << QStringList{"depreciacion", "--metodo", "doble-lineal", "--valor-inicial", "12000",
                           "--valor-final", "0", "--vida-util", "10", "--anios", "3"};
    }

    // A file's conditions give exactly what typing the same options gives.
    void desdeComoTecleado() {
        QFETCH(QByteArray, documento);
        QFETCH(QStringList, tecleadas);
        QTemporaryDir carpeta;
        const QString ruta = FicheroCalculo(carpeta, documento);
        const Salida igual = Ejecutar(tecleadas + QStringList{"--formato", "json"});
        QVERIFY2(igual.estado == 0, qPrintable(igual.error));
        const Salida desde = Ejecutar({tecleadas[0], "--desde", ruta, "--formato", "json"});
        QCOMPARE(desde.error, QString());
        QCOMPARE(desde.salida, igual.salida);
    }

    // A kind of rate typed over a file's indexed loan leaves the file's
    // index options out instead of refusing them.
    void desdeConOtroTipo() {
        QTemporaryDir carpeta;
        const QString ruta = FicheroCalculo(carpeta, R"({"formato": 1, "prestamo": {"calculo": 0,
            "campos": {"interes": "3", "num": "120", "capital": "50000", "fecha": "2027-01-31"},
            "condiciones": {"tipoInteres": "variable", "diferencial": 1, "indice": 2.5}}})");
        const QStringList fijo{"prestamo", "--interes", "3", "--cuotas", "120", "--capital", "50000",
                               "--primer-pago", "31/01/2027", "--tipo", "fijo", "--formato", "json"};
        const Salida desde = Ejecutar({"prestamo", "--desde", ruta, "--tipo", "fijo", "--formato", "json"});
        QCOMPARE(desde.error, QString());
        QCOMPARE(desde.salida, Ejecutar(fijo).salida);
    }

    void resumenAnual() {
        const QStringList prestamo{"prestamo", "--capital", "10.000", "--interes", "5", "--cuotas", "18",
                                   "--primer-pago", "15/10/2024", "--resumen-anual"};
        const Salida csv = Ejecutar(prestamo + QStringList{"--formato", "csv"});
        QCOMPARE(csv.estado, 0);
        const QStringList lineas = Lineas(csv.salida);
        QCOMPARE(lineas.size(), 5);
        QCOMPARE(lineas[0], QStringLiteral("Año;Cuotas;Pagado;Capital;Intereses;Pendiente"));
        QVERIFY(lineas[1].startsWith(QStringLiteral("2024;3;")));
        QVERIFY(lineas[4].startsWith(QStringLiteral("Total;18;")));
        QVERIFY(lineas[4].endsWith(QStringLiteral(";0,00")));

        const Salida json = Ejecutar(prestamo + QStringList{"--tabla", "--formato", "json"});
        const QJsonObject o = Json(json);
        QCOMPARE(o.value("tabla").toArray().size(), 18);
        const QJsonArray anios = o.value("resumen_anual").toArray();
        QCOMPARE(anios.size(), 4);
        QCOMPARE(anios[2].toObject().value("anio").toInt(), 2026);
        QCOMPARE(anios[3].toObject().value("anio").toString(), QStringLiteral("total"));
        QCOMPARE(anios[3].toObject().value("intereses").toDouble(),
                 o.value("resultado").toObject().value("total_intereses").toDouble());

        const Salida texto = Ejecutar({"inversion", "--calcular", "capital", "--cuota", "100", "--interes", "6",
                                       "--cuotas", "14", "--primera-cuota", "15/11/2024", "--resumen-anual"});
        QCOMPARE(texto.estado, 0);
        QVERIFY(texto.salida.contains(QStringLiteral("\nResumen anual\n")));
        QVERIFY(texto.salida.simplified().contains(QStringLiteral("Total 14 1.400,00 53,65 1.453,65")));
    }
};

ZZ_TEST_MAIN(TestLineaOrdenes)
#include "test_linea_ordenes.moc"
