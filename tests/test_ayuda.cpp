#include "prueba_comun.h"

#include "ui/ayuda.h"
#include "app/form_acerca_de.h"
#include "ui/ventana_ayuda.h"
#include "util/puertas.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

struct AyudaPedida {
    int contexto;
    QWidget* padre;
};

QUrl Pagina(const QString& nombre) { return QUrl(QStringLiteral("qrc:/help/") + nombre); }

void Activar(QWidget& ventana) {
    ventana.show();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
}

}  // namespace

class TestAyuda : public QObject {
    Q_OBJECT
    QList<AyudaPedida> pedidas_;

private slots:
    void initTestCase() { InstalarAyudaF1(*qApp); }
    void init() {
        pedidas_.clear();
        puertas::FijarVisorAyuda([this](int contexto, QWidget* padre) { pedidas_ << AyudaPedida{contexto, padre}; });
    }
    void cleanup() {
        if (TVentanaAyuda* visor = TVentanaAyuda::Abierta())
            delete visor;
    }

    void temas_data() {
        QTest::addColumn<int>("contexto");
        QTest::addColumn<QString>("pagina");
        for (int tema : {1020, 6120, 6140, 6160, 6200, 6240, 6260, 6280})
            QTest::newRow(qPrintable(QString::number(tema))) << tema << QString::number(tema) + QStringLiteral(".html");
        QTest::newRow("contenido") << 0 << "contenido.html";
        QTest::newRow("negativo") << -1 << "contenido.html";
        QTest::newRow("sin pagina") << 6121 << "contenido.html";
    }
    void temas() {
        QFETCH(int, contexto);
        QFETCH(QString, pagina);
        QCOMPARE(TVentanaAyuda::DireccionTema(contexto), Pagina(pagina));
        TVentanaAyuda::Abrir(contexto, nullptr);
        TVentanaAyuda* visor = TVentanaAyuda::Abierta();
        QVERIFY(visor && visor->isVisible());
        QCOMPARE(visor->PaginaActual(), Pagina(pagina));
        const QString titulo = visor->Navegador->documentTitle();
        QVERIFY(!titulo.isEmpty());
        QVERIFY(visor->windowTitle().endsWith(titulo));
        QVERIFY(visor->Navegador->toPlainText().size() > 200);
    }

    // Every link of every page leads to a page that exists, and every topic
    // can be reached from the contents.
    void enlacesDeLasPaginas() {
        const QDir carpeta(QStringLiteral(":/help"));
        const QStringList paginas = carpeta.entryList({QStringLiteral("*.html")});
        QVERIFY(paginas.contains(QStringLiteral("contenido.html")));
        const QRegularExpression enlace(QStringLiteral("href=\"([^\"]+)\""));
        QStringList enlazadasDesdeContenido;
        for (const QString& pagina : paginas) {
            QFile fichero(carpeta.filePath(pagina));
            QVERIFY(fichero.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(fichero.readAll());
            for (const QRegularExpressionMatch& m : enlace.globalMatch(html)) {
                QVERIFY2(paginas.contains(m.captured(1)), qPrintable(pagina + QStringLiteral(" -> ") + m.captured(1)));
                if (pagina == QStringLiteral("contenido.html"))
                    enlazadasDesdeContenido << m.captured(1);
            }
        }
        for (int tema : {1020, 6120, 6140, 6160, 6200, 6240, 6260, 6280})
            QVERIFY(enlazadasDesdeContenido.contains(QString::number(tema) + QStringLiteral(".html")));
    }

    void f1AbreElTemaDeLaVentanaActiva_data() {
        QTest::addColumn<int>("contexto");
        QTest::addColumn<int>("modificadores");
        QTest::addColumn<int>("esperado");
        QTest::newRow("prestamos") << 6120 << int(Qt::NoModifier) << 6120;
        QTest::newRow("tabla de inversion") << 6260 << int(Qt::NoModifier) << 6260;
        QTest::newRow("sin contexto") << 0 << int(Qt::NoModifier) << 0;
        QTest::newRow("mayusculas F1 no es ayuda") << 6120 << int(Qt::ShiftModifier) << -1;
    }
    void f1AbreElTemaDeLaVentanaActiva() {
        QFETCH(int, contexto);
        QFETCH(int, modificadores);
        QFETCH(int, esperado);
        QWidget ventana;
        auto* campo = new QLineEdit(&ventana);
        (new QVBoxLayout(&ventana))->addWidget(campo);
        if (contexto)
            FijarContextoAyuda(&ventana, contexto);
        Activar(ventana);
        campo->setFocus();
        QTest::keyClick(campo, Qt::Key_F1, Qt::KeyboardModifiers(modificadores));
        if (esperado < 0) {
            QVERIFY(pedidas_.isEmpty());
            return;
        }
        QCOMPARE(pedidas_.size(), 1);
        QCOMPARE(pedidas_.first().contexto, esperado);
        QCOMPARE(pedidas_.first().padre, &ventana);
    }

    void f1EnLaVentanaAcercaDe() {
        TFormAcercade acercade;
        Activar(acercade);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(pedidas_.size(), 1);
        QCOMPARE(pedidas_.first().contexto, 1020);
        QVERIFY(acercade.isVisible());
    }

    void contenidoYTemaPasanPorLaPuerta() {
        QWidget ventana;
        AbrirAyudaContenido(&ventana);
        AbrirAyudaTema(6200, &ventana);
        AbrirAyudaTema(-7, nullptr);
        QCOMPARE(pedidas_.size(), 3);
        QCOMPARE(pedidas_[0].contexto, 0);
        QCOMPARE(pedidas_[0].padre, &ventana);
        QCOMPARE(pedidas_[1].contexto, 6200);
        QCOMPARE(pedidas_[2].contexto, 0);
    }

    // One viewer: asking again moves it to the new topic. Opened from a modal
    // window it must belong to that window, or the modal one would block it.
    void unSoloVisorDelaVentanaQueLoPide() {
        QWidget principal;
        principal.show();
        TVentanaAyuda::Abrir(6120, &principal);
        QPointer<TVentanaAyuda> visor = TVentanaAyuda::Abierta();
        QVERIFY(visor);
        QCOMPARE(visor->parentWidget(), &principal);
        QVERIFY(visor->isWindow());

        auto* modal = new QDialog(&principal);
        modal->setModal(true);
        modal->show();
        auto* boton = new QPushButton(modal);
        TVentanaAyuda::Abrir(6240, boton);
        QCOMPARE(TVentanaAyuda::Abierta(), visor.data());
        QCOMPARE(visor->parentWidget(), modal);
        QVERIFY(visor->isWindow() && visor->isVisible());
        QCOMPARE(visor->PaginaActual(), Pagina(QStringLiteral("6240.html")));

        delete modal;
        QVERIFY(visor.isNull());
        TVentanaAyuda::Abrir(6160, &principal);
        QVERIFY(TVentanaAyuda::Abierta());
        QCOMPARE(TVentanaAyuda::Abierta()->PaginaActual(), Pagina(QStringLiteral("6160.html")));
    }

    // A new viewer is centred over the window that asks; asked again while
    // it lies partly off the screen, it comes back wholly inside.
    void visorDentroDeLaPantalla() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget principal;
        principal.setGeometry(area.left() + 20, area.top() + 30, 700, 500);
        principal.show();
        TVentanaAyuda::Abrir(6120, &principal);
        TVentanaAyuda* visor = TVentanaAyuda::Abierta();
        QVERIFY(area.contains(visor->frameGeometry()));
        QCOMPARE(visor->frameGeometry().center(), principal.frameGeometry().center());
        visor->move(area.right() - 100, area.bottom() - 50);
        TVentanaAyuda::Abrir(6200, &principal);
        QVERIFY(area.contains(visor->frameGeometry()));
    }

    // F1 inside the viewer shows the contents in the same viewer, which keeps
    // its place.
    void f1EnElVisor() {
        puertas::FijarVisorAyuda([](int contexto, QWidget* padre) { TVentanaAyuda::Abrir(contexto, padre); });
        QWidget principal;
        principal.show();
        TVentanaAyuda::Abrir(6120, &principal);
        TVentanaAyuda* visor = TVentanaAyuda::Abierta();
        Activar(*visor);
        QTest::keyClick(visor->Navegador, Qt::Key_F1);
        QCOMPARE(TVentanaAyuda::Abierta(), visor);
        QCOMPARE(visor->parentWidget(), &principal);
        QCOMPARE(visor->PaginaActual(), Pagina(QStringLiteral("contenido.html")));
    }

    void botonesDeNavegacion() {
        TVentanaAyuda::Abrir(6200, nullptr);
        TVentanaAyuda* visor = TVentanaAyuda::Abierta();
        QVERIFY(!visor->BtnAtras->isEnabled());
        QTest::mouseClick(visor->BtnContenido, Qt::LeftButton);
        QCOMPARE(visor->PaginaActual(), Pagina(QStringLiteral("contenido.html")));
        QVERIFY(visor->BtnAtras->isEnabled());
        QTest::mouseClick(visor->BtnAtras, Qt::LeftButton);
        QCOMPARE(visor->PaginaActual(), Pagina(QStringLiteral("6200.html")));
        QVERIFY(visor->BtnAdelante->isEnabled());
        QPointer<TVentanaAyuda> vigilado(visor);
        QTest::mouseClick(visor->BtnCerrar, Qt::LeftButton);
        QTRY_VERIFY(vigilado.isNull());
    }
};

ZZ_TEST_MAIN(TestAyuda)
#include "test_ayuda.moc"
