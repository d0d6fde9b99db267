// Event filters that watch other widgets must look at an event's class only
// once its type says which class it is, and must not treat a widget being
// destroyed as the full widget it was. Both mistakes are undefined behaviour
// that runs quietly in a normal build; the sanitizer build stops on them.
#include "prueba_comun.h"

#include "reports/engine/superficie_vista_previa.h"
#include "reports/form_vista_previa.h"
#include "widgets/boton_campo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

class TestFiltrosEventos : public QObject {
    Q_OBJECT
private slots:
    // The preview's page surface gets paint, key, wheel and crossing events
    // besides the mouse ones it drags the page with.
    void superficieDeLaVistaPreviaConEventosQueNoSonDeRaton() {
        TFormVistaPrevia v;
        v.show();
        QWidget* superficie = v.VistaPrevia->viewport();
        QEvent entrar(QEvent::Enter);
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QWheelEvent rueda(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        for (QEvent* evento : std::initializer_list<QEvent*>{&entrar, &tecla, &rueda})
            QCoreApplication::sendEvent(superficie, evento);
        superficie->repaint();

        QTest::mousePress(superficie, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(v.Arrastrando());
        QTest::mouseRelease(superficie, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!v.Arrastrando());
    }

    // The last events of a box being destroyed reach the filter of the
    // button that serves it, after the QLineEdit part is gone.
    void botonSobreviveASuCajaDestruida() {
        QWidget ventana;
        auto* caja = new QLineEdit(&ventana);
        TBotonCampo boton(&ventana);
        boton.FijarEditComp(caja);
        ventana.show();
        caja->setFocus();
        delete caja;
        QVERIFY(!boton.EditComp());

        auto* otra = new QLineEdit(&ventana);
        otra->setGeometry(10, 40, 100, 22);
        otra->show();
        boton.FijarEditComp(otra);
        otra->move(10, 80);
        QCOMPARE(boton.geometry(), TBotonCampo::RectanguloJuntoA(otra->geometry()));
    }
};

ZZ_TEST_MAIN(TestFiltrosEventos)
#include "test_filtros_eventos.moc"
