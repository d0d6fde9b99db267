#include "prueba_comun.h"

#include "ui/ayuda.h"
#include "app/form_acerca_de.h"
#include "util/identidad.h"
#include "app/presentacion.h"
#include "registro_dialogos.h"
#include "util/ajustes_regionales.h"
#include "util/fechas.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <utility>

namespace {

// What the about window shows, written out here so that a wrong identity text
// cannot pass by being compared with itself. Wide-character literals keep
// them out of this program's bytes, as the program itself does.
const QString kTitulo = QStringLiteral("Zelvar Zuzidaduve 1.0");
const QString kAutor = QStringLiteral("Desarrollado por Marta Zelvar Ibáñez");
const QString kDerechos = QStringLiteral("© 2026 ZelvarSoft. Todos los derechos reservados.");
const QString kWeb = QStringLiteral("www.zelvarsoft.example");
const QString kCorreo = QStringLiteral("soporte@zelvarsoft.example");

QColor Fondo(const QWidget* control) { return control->palette().color(control->backgroundRole()); }
QColor Letra(const QWidget* control) { return control->palette().color(control->foregroundRole()); }

void Activar(QWidget& ventana) {
    ventana.show();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
}

}  // namespace

class TestAcercaDe : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { LeerAjustesRegionales(QLocale()); }

    // The version date must read back as the same day whatever the order of
    // day and month in the short date format.
    void fechaVersionLegibleEnAmbosOrdenes_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("dia primero") << QLocale(QLocale::Spanish, QLocale::Spain);
        QTest::newRow("mes primero") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void fechaVersionLegibleEnAmbosOrdenes() {
        QFETCH(QLocale, locale);
        LeerAjustesRegionales(QLocale(QLocale::Spanish, QLocale::Spain));
        const std::optional<QDate> original = LeerFecha(TextoFechaVersion());
        QVERIFY(original && original->isValid());
        LeerAjustesRegionales(locale);
        const std::optional<QDate> leida = LeerFecha(TextoFechaVersion());
        QVERIFY(leida.has_value());
        QCOMPARE(*leida, *original);
    }

    void textosNoVanEnClaroEnElPrograma() {
        QFile programa(QCoreApplication::applicationFilePath());
        QVERIFY(programa.open(QIODevice::ReadOnly));
        const QByteArray binario = programa.readAll();
        const std::pair<QString, QString> textos[] = {
            {TextoWeb(), kWeb}, {TextoCorreo(), kCorreo}, {TextoAutor(), kAutor}, {TextoDerechos(), kDerechos}};
        for (const auto& [texto, esperado] : textos) {
            QVERIFY(!texto.isEmpty());
            QCOMPARE(texto, esperado);
            QVERIFY2(!binario.contains(texto.toUtf8()), qPrintable(texto));
        }
        QCOMPARE(TextoNombrePrograma(), QStringLiteral("Zelvar Zuzidaduve"));
    }

    // The build writes the version and its date scrambled; they read back as
    // the about window has always shown them.
    void versionYFechaDeLaCompilacion() {
        const QDate fecha(2026, 12, 10);
        QCOMPARE(TextoVersion(), QStringLiteral("1.0"));
        QCOMPARE(LeerFecha(TextoFechaVersion()), std::optional(fecha));
        QFile programa(QCoreApplication::applicationFilePath());
        QVERIFY(programa.open(QIODevice::ReadOnly));
        const QByteArray fechaEnClaro = fecha.toString(Qt::ISODate).toLatin1();
        QVERIFY(!programa.readAll().contains(fechaEnClaro));
    }

    void ventanaMuestraLaIdentidad() {
        TFormAcercade acercade;
        QCOMPARE(acercade.windowTitle(), kTitulo);
        QCOMPARE(acercade.LblNombreProg->text(), QStringLiteral("Zelvar Zuzidaduve"));
        QCOMPARE(acercade.LblVersion->text(), QStringLiteral("Versión 1.0"));
        QCOMPARE(acercade.LblNombreAutor->text(), kAutor);
        QCOMPARE(acercade.LblDerechosAutor->text(), kDerechos);
        QCOMPARE(acercade.LblLicencia->text(), QStringLiteral("Licencia GPL-3.0 o posterior"));
        QCOMPARE(acercade.LblWebAutor->text(), kWeb);
        QCOMPARE(acercade.LblEmailAutor->text(), kCorreo);
        QCOMPARE(ContextoAyuda(&acercade), 1020);
        QCOMPARE(acercade.size(), QSize(371, 272));
        QVERIFY(acercade.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(acercade.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(acercade.BtnAceptar->isDefault());
        QCOMPARE(acercade.BtnAceptar->text(), QStringLiteral("&Aceptar"));
    }

    // The date goes in words, never in the short date format.
    void fechaEnLetra_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("esperada");
        QTest::newRow("dia primero") << QLocale(QLocale::Spanish, QLocale::Spain)
                                     << QStringLiteral("10 de diciembre de 2026");
        QTest::newRow("mes primero") << QLocale(QLocale::English, QLocale::UnitedStates)
                                     << QStringLiteral("December 10, 2026");
    }
    void fechaEnLetra() {
        QFETCH(QLocale, locale);
        QFETCH(QString, esperada);
        LeerAjustesRegionales(locale);
        TFormAcercade acercade;
        const QString linea = acercade.LblFechaVersion->text();
        QCOMPARE(linea, esperada);
        QVERIFY2(!linea.contains(QLatin1Char('/')), qPrintable(linea));
        QVERIFY(linea.contains(QString::number(LeerFecha(TextoFechaVersion())->year())));
    }

    void colores() {
        TFormAcercade acercade;
        QCOMPARE(Fondo(acercade.PnlAcercade), QColor(193, 208, 213));
        QCOMPARE(Letra(acercade.LblDerechosAutor), QColor(128, 0, 0));
        QCOMPARE(Letra(acercade.LblEmailAutor), QColor(128, 0, 0));
        QVERIFY(acercade.LblEmailAutor->wordWrap());
        QCOMPARE(acercade.PnlBotones->height(), 46);
        QCOMPARE(acercade.PnlAcercade->geometry().bottom() + 1, acercade.PnlBotones->y());
    }

    void enlaces() {
        RegistroDialogos registro;
        TFormAcercade acercade;
        acercade.show();
        QCOMPARE(acercade.LblWebAutor->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(acercade.LblEmailAutor->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(acercade.LblWebAutor->toolTip(), QStringLiteral("Visitar la web de ZelvarSoft"));
        QCOMPARE(acercade.LblEmailAutor->toolTip(), QStringLiteral("Enviar un correo electrónico a ZelvarSoft"));
        QTest::mouseClick(acercade.LblWebAutor, Qt::LeftButton);
        QTest::mouseClick(acercade.LblEmailAutor, Qt::LeftButton);
        QTest::mouseClick(acercade.LblNombreAutor, Qt::LeftButton);
        QTest::mouseClick(acercade.LblWebAutor, Qt::RightButton);
        const QList<QUrl> esperadas{QUrl(QStringLiteral("http://www.zelvarsoft.example")),
                                    QUrl(QStringLiteral("mailto:soporte@zelvarsoft.example"))};
        QCOMPARE(registro.Direcciones(), esperadas);
        QVERIFY(acercade.isVisible());
    }

    // Escape and Enter close the window wherever the focus is; other keys
    // leave it open.
    void teclas_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("enElBoton");
        QTest::addColumn<bool>("cierra");
        QTest::addColumn<int>("resultado");
        QTest::newRow("escape en el panel") << int(Qt::Key_Escape) << false << true << int(QDialog::Rejected);
        QTest::newRow("escape en el boton") << int(Qt::Key_Escape) << true << true << int(QDialog::Rejected);
        QTest::newRow("intro") << int(Qt::Key_Return) << false << true << int(QDialog::Accepted);
        QTest::newRow("letra") << int(Qt::Key_A) << false << false << -1;
        QTest::newRow("F2") << int(Qt::Key_F2) << false << false << -1;
        QTest::newRow("espacio en el panel") << int(Qt::Key_Space) << false << false << -1;
    }
    void teclas() {
        QFETCH(int, tecla);
        QFETCH(bool, enElBoton);
        QFETCH(bool, cierra);
        QFETCH(int, resultado);
        TFormAcercade acercade;
        Activar(acercade);
        QCOMPARE(QApplication::focusWidget(), acercade.PnlAcercade);
        QWidget* destino = enElBoton ? static_cast<QWidget*>(acercade.BtnAceptar) : acercade.PnlAcercade;
        QTest::keyClick(destino, Qt::Key(tecla));
        QCOMPARE(acercade.isVisible(), !cierra);
        if (cierra)
            QCOMPARE(acercade.result(), resultado);
    }

    void aceptarCierra() {
        TFormAcercade acercade;
        acercade.show();
        QTest::mouseClick(acercade.BtnAceptar, Qt::LeftButton);
        QVERIFY(!acercade.isVisible());
        QCOMPARE(acercade.result(), int(QDialog::Accepted));
    }

    void mostrarAcercaDeEsModal() {
        RegistroDialogos registro;
        MostrarAcercaDe();
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados().first().titulo, kTitulo);
    }

    void accesibilidad() {
        TFormAcercade acercade;
        const QList<QWidget*> controles{acercade.PnlAcercade,     acercade.ImgZelvarMoney, acercade.LblNombreProg,
                                        acercade.LblVersion,      acercade.LblFechaVersion, acercade.LblNombreAutor,
                                        acercade.LblDerechosAutor, acercade.ImgZelvarSoft, acercade.LblWebAutor,
                                        acercade.LblEmailAutor,   acercade.LblLicencia,    acercade.BtnAceptar};
        for (QWidget* control : controles)
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(acercade.BtnAceptar->accessibleName(), QStringLiteral("Aceptar"));
        QCOMPARE(acercade.LblWebAutor->accessibleName(), kWeb);
        QCOMPARE(acercade.LblWebAutor->accessibleDescription(), QStringLiteral("Visitar la web de ZelvarSoft"));
        QCOMPARE(acercade.LblEmailAutor->accessibleDescription(),
                 QStringLiteral("Enviar un correo electrónico a ZelvarSoft"));
        QVERIFY(!acercade.ImgZelvarSoft->pixmap().isNull());
        QVERIFY(!acercade.ImgZelvarMoney->pixmap().isNull());
    }

    // The splash lives two seconds; an about window opened meanwhile is not
    // touched by its timer.
    void presentacionDuraDosSegundos() {
        QWidget principal;
        principal.show();
        QElapsedTimer reloj;
        reloj.start();
        QPointer<TFormAcercade> presentacion = MostrarPresentacion(&principal);
        QVERIFY(presentacion);
        QVERIFY(presentacion->isVisible());
        QVERIFY(!presentacion->isModal());
        auto* timer = principal.findChild<QTimer*>(QStringLiteral("TimerIntro"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 2000);
        TFormAcercade otra;
        otra.show();
        QTRY_VERIFY_WITH_TIMEOUT(presentacion.isNull(), 4000);
        QVERIFY(reloj.elapsed() >= 1900);
        QVERIFY(otra.isVisible());
        QVERIFY(!timer->isActive());
    }

    void presentacionCerradaAntesSeLiberaIgual() {
        QWidget principal;
        principal.show();
        QPointer<TFormAcercade> presentacion = MostrarPresentacion(&principal);
        QTest::mouseClick(presentacion->BtnAceptar, Qt::LeftButton);
        QVERIFY(!presentacion->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(presentacion.isNull(), 4000);
    }

    // Closing the main window during the splash must still let the program
    // end once the splash goes: the event loop quits on its last window.
    void presentacionNoRetieneElPrograma() {
        QWidget principal;
        principal.show();
        QPointer<TFormAcercade> presentacion = MostrarPresentacion(&principal);
        QTimer seguridad;
        seguridad.setSingleShot(true);
        seguridad.start(6000);
        connect(&seguridad, &QTimer::timeout, qApp, &QCoreApplication::quit);
        QTimer::singleShot(0, &principal, &QWidget::close);
        QApplication::exec();
        QVERIFY2(seguridad.isActive(), "the program kept running with no window");
        QVERIFY(presentacion.isNull() || !presentacion->isVisible());
    }

    void presentacionNoSobreviveALaVentanaPrincipal() {
        auto* principal = new QWidget;
        principal->show();
        QPointer<TFormAcercade> presentacion = MostrarPresentacion(principal);
        delete principal;
        QTRY_VERIFY(presentacion.isNull());
    }
};

ZZ_TEST_MAIN(TestAcercaDe)
#include "test_acerca_de.moc"
