// The window that compares loan offers: what it takes from the loans page,
// how it marks the best figures, that it never shows figures of offers it
// no longer holds, and what leaves it (clipboard, CSV, report).
#include "prueba_comun.h"
#include "registro_dialogos.h"
#include "aceleradores.h"

#include "app/archivo_calculos.h"
#include "app/form_calculos_financieros.h"
#include "app/form_comparar.h"
#include "finance/documento_calculo.h"
#include "util/puertas.h"
#include "schedules/exportacion_csv.h"
#include "ui/ayuda.h"
#include "widgets/graficos/grafico.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QDir>

namespace {

void Escribir(QLineEdit* campo, const QString& texto) {
    campo->clear();
    QTest::keyClicks(campo, texto);
}

void Oferta(TFormComparar& v, int i, const QString& capital, const QString& interes, const QString& cuotas) {
    Escribir(v.Columnas[std::size_t(i)].EditCapital, capital);
    Escribir(v.Columnas[std::size_t(i)].EditInteres, interes);
    Escribir(v.Columnas[std::size_t(i)].EditNum, cuotas);
}

// Two offers typed and compared: 150.000 at 3 % over 300 months against the
// second offer of capital `capital2` at 2,8 % over 240.
void Comparar(TFormComparar& v, const QString& capital2 = "150000") {
    v.show();
    Oferta(v, 0, "150000", "3", "300");
    Oferta(v, 1, capital2, "2,8", "240");
    QTest::mouseClick(v.BtnComparar, Qt::LeftButton);
}

// The figures of a column as shown, one per row.
QStringList Cifras(const TFormComparar& v, int i) {
    QStringList textos;
    for (const QLabel* cifra : v.Columnas[std::size_t(i)].cifras)
        textos << cifra->text();
    return textos;
}

QStringList Marcadas(const TFormComparar& v) {
    QStringList nombres;
    for (const auto& c : v.Columnas)
        for (const QLabel* cifra : c.cifras)
            if (cifra->accessibleName().endsWith(QStringLiteral(", mejor"))) {
                if (!cifra->font().bold() || !cifra->text().endsWith(QStringLiteral(" ★")))
                    return {QStringLiteral("sin negrita o sin estrella: ") + cifra->accessibleName()};
                nombres << cifra->accessibleName();
            }
    return nombres;
}

}  // namespace

class TestCompararVentana : public QObject {
    Q_OBJECT
private slots:
    // Ctrl+M opens it with the page's loan, conditions and timing included,
    // in the first column; "Copiar préstamo" puts it in another.
    void tomaElPrestamoDeLaPagina() {
        TFormCalculosFinancieros principal;
        principal.show();
        principal.EditPresInteres->setText("3");
        principal.EditPresNum->setText("300");
        principal.EditPresCapital->setText("150000");
        principal.cbPresAportacion->setCurrentIndex(1);
        principal.CondicionesPres.gastosIniciales = 500;
        principal.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&principal));
        QTest::keyClick(principal.EditPresCapital, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(principal.FormComparar && principal.FormComparar->isVisible());
        TFormComparar& v = *principal.FormComparar;
        const finance::EntradaPrestamo primera = v.Oferta(0);
        QCOMPARE(QStringList({primera.capital, primera.interes, primera.numCuotas}),
                 QStringList({"150000", "3", "300"}));
        QCOMPARE(primera.timing, finance::PaymentTiming::StartOfPeriod);
        QCOMPARE(primera.condiciones.gastosIniciales, 500.0);
        QCOMPARE(v.Oferta(1).capital, QString());
        QTest::mouseClick(v.Columnas[1].BtnCopiarPagina, Qt::LeftButton);
        QCOMPARE(v.Oferta(1).condiciones, principal.CondicionesPres);
        QCOMPARE(v.Oferta(1).numCuotas, "300");
    }

    // The lowest figure of each row is bold, starred and named "mejor";
    // any change to an offer clears every figure.
    void marcaLaMejorYOlvidaAlCambiar() {
        RegistroDialogos registro;
        TFormComparar v(nullptr, {});
        Comparar(v);
        QCOMPARE(Cifras(v, 0), QStringList({"711,32 ★", "711,32 ★", "213.394,69", "63.394,69", "63.394,69", "3,04",
                                            "128.258,00", "103.002,19", "—"}));
        QCOMPARE(Marcadas(v).size(), 8);
        QVERIFY(Marcadas(v).contains("TAE, oferta 2: 2,84, mejor"));
        QVERIFY(Marcadas(v).contains("Primera cuota, oferta 1: 711,32, mejor"));
        QCOMPARE(v.Columnas[0].cifras[8]->accessibleName(), "Cuota si el índice sube 2 puntos, oferta 1: no se aplica");
        QCOMPARE(v.GraficoPendiente->Datos().series.size(), 2);
        QCOMPARE(v.GraficoPendiente->Datos().series[1].puntos.back(), QPointF(20, 0));

        for (const auto& cambio : std::initializer_list<std::function<void()>>{
                 [&] { Escribir(v.Columnas[1].EditInteres, "2,9"); },
                 [&] { v.Columnas[0].CbAportacion->setCurrentIndex(1); },
                 [&] { QTest::mouseClick(v.BtnAnadir, Qt::LeftButton); }}) {
            QTest::mouseClick(v.BtnComparar, Qt::LeftButton);
            QVERIFY(v.Comparacion());
            cambio();
            QVERIFY(!v.Comparacion());
            QCOMPARE(Cifras(v, 0), QStringList(9, QString()));
            QVERIFY(Marcadas(v).isEmpty());
            QVERIFY(v.GraficoPendiente->Datos().series.isEmpty());
        }
        QVERIFY(registro.Mostrados().isEmpty());
    }

    // An offer that cannot be worked out is named in a warning and leaves no
    // figures; copying with no figures says what to do first.
    void ofertaRechazada() {
        RegistroDialogos registro;
        TFormComparar v(nullptr, {});
        Comparar(v, "abc");
        QVERIFY(!v.Comparacion());
        QCOMPARE(Cifras(v, 0), QStringList(9, QString()));
        QCOMPARE(registro.Mostrados().size(), 1);
        QVERIFY2(registro.Mostrados()[0].mensaje.startsWith("Oferta 2: "), qPrintable(registro.Mostrados()[0].mensaje));
        QTest::mouseClick(v.BtnCopiar, Qt::LeftButton);
        QCOMPARE(registro.Mostrados().size(), 2);
        QCOMPARE(registro.Mostrados()[1].mensaje, "Pulse Comparar para calcular las cifras de las ofertas.");
    }

    // Columns are added up to four and removed down to two; removing one
    // moves the offers after it to the left.
    void anadirYQuitarColumnas() {
        TFormComparar v(nullptr, {});
        v.show();
        Oferta(v, 0, "1000", "1", "10");
        Oferta(v, 1, "2000", "2", "20");
        QVERIFY(!v.Columnas[0].BtnQuitar->isEnabled());
        QTest::mouseClick(v.BtnAnadir, Qt::LeftButton);
        QTest::mouseClick(v.BtnAnadir, Qt::LeftButton);
        QCOMPARE(v.OfertasVisibles(), 4);
        QVERIFY(!v.BtnAnadir->isEnabled());
        // Four offers and the chart still fit a screen 1024 pixels wide.
        QVERIFY2(v.width() <= 1000, qPrintable(QString::number(v.width())));
        QVERIFY(v.Columnas[3].EditCapital->isVisible());
        Oferta(v, 2, "3000", "3", "30");
        QTest::mouseClick(v.Columnas[0].BtnQuitar, Qt::LeftButton);
        QCOMPARE(v.OfertasVisibles(), 3);
        QCOMPARE(v.Oferta(0).capital, "2000");
        QCOMPARE(v.Oferta(1).capital, "3000");
        QCOMPARE(v.Oferta(2).capital, QString());
        QVERIFY(!v.Columnas[3].EditCapital->isVisible());
        QVERIFY(v.BtnAnadir->isEnabled());
    }

    // Ctrl+C copies the offers' data and figures as tab-separated lines, and
    // the CSV file holds the same texts.
    void copiaYCsv() {
        TFormComparar v(nullptr, {});
        Comparar(v);
        v.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        v.BtnComparar->setFocus();
        QTest::keyClick(v.BtnComparar, Qt::Key_C, Qt::ControlModifier);
        const QStringList lineas = QGuiApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lineas.size(), 1 + 3 + 9 + 1);
        QCOMPARE(lineas[0], "Concepto\tOferta 1\tOferta 2\tMejor");
        QCOMPARE(lineas[1], "Capital\t150.000,00\t150.000,00\t");
        QCOMPARE(lineas[9], "TAE\t3,04\t2,84\tOferta 2");
        QCOMPARE(lineas[13], QString());

        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath("comparar.csv");
        QString motivo;
        QVERIFY(EscribirCsv(v.Textos(), ruta, &motivo));
        QFile fichero(ruta);
        QVERIFY(fichero.open(QIODevice::ReadOnly));
        const QStringList csv = QString::fromUtf8(fichero.readAll()).split(u'\n');
        QCOMPARE(csv[0], "Concepto;Oferta 1;Oferta 2;Mejor");
        QCOMPARE(csv[9], "TAE;3,04;2,84;Oferta 2");
    }

    void nombresYAceleradores() {
        TFormComparar v(nullptr, {});
        for (QWidget* w : v.findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        const QStringList letras = LetrasAcelerador(&v);
        QCOMPARE(QSet<QString>(letras.begin(), letras.end()).size(), letras.size());
        // F1 opens the loans topic, which tells of the comparison.
        QCOMPARE(ContextoAyuda(&v), 6120);
    }

    // Ctrl+S saves the offers (with their timing and conditions) where the
    // person says, asking before a file is replaced; Ctrl+O in another
    // window brings them back, a third column included.
    void guardarYAbrirLasOfertas() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("ofertas.zzc"));
        RegistroDialogos registro;
        puertas::FijarPedirFichero([&](QWidget*, const QString&, const QString&, bool) {
            return carpeta.filePath(QStringLiteral("ofertas"));
        });
        std::vector<finance::OfertaDocumento> guardadas;
        {
            TFormComparar v(nullptr, {});
            Comparar(v);
            v.BtnAnadirClick();
            Oferta(v, 2, "140000,5", "2,5", "360");
            v.Columnas[2].CbAportacion->setCurrentIndex(1);
            finance::EntradaPrestamo tercera = v.Oferta(2);
            tercera.condiciones.tipoInteres = finance::TipoInteres::Variable;
            tercera.condiciones.diferencial = 0.9;
            tercera.condiciones.indice = 2.6;
            v.PonerOferta(2, tercera);
            v.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&v));
            QTest::keyClick(v.BtnComparar, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(QFileInfo::exists(ruta));
            QVERIFY(registro.Mostrados().isEmpty());
            guardadas = v.OfertasDocumento();
            QCOMPARE(guardadas.size(), std::size_t(3));
            // The name is taken: "No" leaves the file as it was.
            Oferta(v, 0, "1", "1", "1");
            QTest::keyClick(v.BtnComparar, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(registro.Mostrados().size(), 1);
            QVERIFY(registro.Mostrados()[0].mensaje.contains(QStringLiteral("¿Desea reemplazarlo?")));
        }
        TFormComparar otra(nullptr, {});
        otra.show();
        otra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&otra));
        puertas::FijarPedirFichero([&](QWidget*, const QString&, const QString&, bool) { return ruta; });
        QTest::keyClick(otra.BtnComparar, Qt::Key_O, Qt::ControlModifier);
        puertas::RestaurarPuertas();
        QCOMPARE(otra.OfertasVisibles(), 3);
        QVERIFY(otra.OfertasDocumento() == guardadas);
        QCOMPARE(otra.Columnas[2].EditCapital->text(), QStringLiteral("140000,5"));
        QCOMPARE(otra.Columnas[2].BtnCondiciones->text(), QStringLiteral("Condiciones… ✓"));
        QVERIFY(!otra.Comparacion());
        QCOMPARE(registro.Mostrados().size(), 1);
    }

    void ficherosQueNoSeAbren_data() {
        QTest::addColumn<QByteArray>("contenido");  // empty: a folder under the name
        QTest::addColumn<QString>("motivo");
        QTest::newRow("carpeta") << QByteArray() << "carpeta";
        QTest::newRow("cortado") << QByteArray(R"({"formato": 1, "comparacion": [{"nombre": "A")") << "se cortó";
        QTest::newRow("sin ofertas") << QByteArray(R"({"formato": 1})") << "no tiene ofertas";
        QByteArray cinco = R"({"formato": 1, "comparacion": [)";
        for (int i = 0; i < 5; ++i)
            cinco += QByteArray(i ? "," : "") + R"({"nombre": "O", "momento": "final", "campos": {}})";
        QTest::newRow("cinco ofertas") << cinco + "]}" << "5 ofertas";
    }

    // A file that does not give offers to compare is refused, naming it and
    // why, and the offers on show stay.
    void ficherosQueNoSeAbren() {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, motivo);
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("ofertas.zzc"));
        if (contenido.isEmpty()) {
            QVERIFY(QDir().mkdir(ruta));
        } else {
            QFile fichero(ruta);
            QVERIFY(fichero.open(QIODevice::WriteOnly));
            fichero.write(contenido);
        }
        RegistroDialogos registro;
        TFormComparar v(nullptr, {});
        Comparar(v);
        const auto antes = v.OfertasDocumento();
        QVERIFY(!v.AbrirOfertas(ruta));
        QCOMPARE(registro.Mostrados().size(), 1);
        const QString mensaje = registro.Mostrados()[0].mensaje;
        QVERIFY2(mensaje.contains(ruta) && mensaje.contains(motivo), qPrintable(mensaje));
        QVERIFY(v.OfertasDocumento() == antes);
        QVERIFY(v.Comparacion());
    }

    // The comparison's file opened from the main window opens the
    // comparison with its offers; the pages keep their work and file.
    void abrirDesdeLaVentanaPrincipal() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("ofertas.zzc"));
        std::vector<finance::OfertaDocumento> ofertas(2);
        ofertas[0].textos.campos = {{QStringLiteral("capital"), QStringLiteral("120000")}};
        ofertas[1].textos.campos = {{QStringLiteral("interes"), QStringLiteral("2.75")}};
        ofertas[1].alPrincipio = true;
        QVERIFY(finance::GuardarOfertas(ruta, ofertas, nullptr));
        TFormCalculosFinancieros principal;
        principal.show();
        principal.EditPresCapital->setText(QStringLiteral("5000"));
        QVERIFY(principal.ArchivoCalculos->Abrir(ruta));
        QVERIFY(principal.FormComparar && principal.FormComparar->isVisible());
        QCOMPARE(principal.FormComparar->Columnas[0].EditCapital->text(), QStringLiteral("120000"));
        QCOMPARE(principal.FormComparar->Columnas[1].EditInteres->text(), QStringLiteral("2,75"));
        QCOMPARE(principal.FormComparar->Columnas[1].CbAportacion->currentIndex(), 1);
        QCOMPARE(principal.EditPresCapital->text(), QStringLiteral("5000"));
        QVERIFY(principal.ArchivoCalculos->Ruta().isEmpty());
    }
};

ZZ_TEST_MAIN(TestCompararVentana)
#include "test_comparar_ventana.moc"
