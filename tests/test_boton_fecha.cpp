#include "prueba_comun.h"

#include "registro_dialogos.h"
#include "app/form_calculos_financieros.h"
#include "util/fechas.h"
#include "ui/utilidades_campos.h"
#include "widgets/boton_fecha.h"
#include "widgets/boton_repeticion.h"
#include "widgets/form_calendario.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

QDate D(int dia, int mes, int anio) { return QDate(anio, mes, dia); }

// A window with a date field prepared as the main window prepares its own,
// and its date button.
struct Ventana {
    QWidget w;
    QLineEdit* edit = new QLineEdit(&w);
    tBotonFecha* boton = new tBotonFecha(&w);
    Ventana() {
        edit->setGeometry(10, 10, 80, 21);
        PrepararCampoFecha(edit, true);
        boton->FijarEditComp(edit);
        w.resize(200, 60);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
};

}  // namespace

class TestBotonFecha : public QObject {
    Q_OBJECT
private slots:
    // Beside its box and enabled only while the box can be written.
    void lugarYEstado() {
        Ventana v;
        QCOMPARE(v.boton->geometry(), QRect(92, 10, 24, 21));
        QVERIFY(v.boton->isEnabled());
        QCOMPARE(v.boton->toolTip(), QStringLiteral("Seleccionar una fecha"));
        QCOMPARE(v.boton->statusTip(),
                 QStringLiteral("Seleccionar una fecha (pulse el botón derecho para obtener fecha de hoy)"));
        QCOMPARE(v.boton->accessibleName(), QStringLiteral("Seleccionar una fecha"));
        v.edit->setReadOnly(true);
        QVERIFY(!v.boton->isEnabled());
        v.edit->setReadOnly(false);
        QVERIFY(v.boton->isEnabled());
        v.edit->setEnabled(false);
        QVERIFY(!v.boton->isEnabled());
        v.edit->setEnabled(true);
        v.edit->setGeometry(20, 30, 90, 25);
        QCOMPARE(v.boton->geometry(), QRect(112, 30, 25, 25));
    }

    // The picker opens on the box's date; a text that is not a date, or a
    // year outside 1900 to 2099, warns and opens on today; a blank box opens
    // on today silently.
    void fechaDeApertura_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("apertura");
        QTest::addColumn<bool>("aviso");
        QTest::newRow("fecha") << "08/12/2026" << D(8, 12, 2026) << false;
        QTest::newRow("primer dia de la lista") << "01/01/1900" << D(1, 1, 1900) << false;
        QTest::newRow("31 de febrero") << "31/02/2020" << QDate::currentDate() << true;
        QTest::newRow("antes de 1900") << "31/12/1899" << QDate::currentDate() << true;
        QTest::newRow("despues de 2099") << "01/01/2100" << QDate::currentDate() << true;
        QTest::newRow("mes 13") << "01/13/2020" << QDate::currentDate() << true;
        QTest::newRow("en blanco") << "  /  /    " << QDate::currentDate() << false;
        QTest::newRow("vacio") << "" << QDate::currentDate() << false;
    }
    void fechaDeApertura() {
        QFETCH(QString, texto);
        QFETCH(QDate, apertura);
        QFETCH(bool, aviso);
        Ventana v;
        RegistroDialogos registro;
        v.edit->setText(texto);
        const QString antes = v.edit->text();
        if (aviso)
            registro.Responder(true);
        QDate vista;
        registro.ResponderCon([&vista](QDialog& d) { vista = static_cast<TFmCalendario&>(d).LeerFecha(); });
        v.boton->click();
        QCOMPARE(registro.Mostrados().size(), aviso ? 2 : 1);
        if (aviso) {
            const DialogoMostrado& m = registro.Mostrados()[0];
            QCOMPARE(m.titulo, QStringLiteral("Atención"));
            QCOMPARE(m.mensaje, QStringLiteral("La fecha \"%1\" no es correcta").arg(antes));
            QCOMPARE(m.tipo, 2);
        }
        QCOMPARE(registro.Mostrados().last().titulo, QStringLiteral("Seleccionar una fecha"));
        QCOMPARE(vista, apertura);
        QCOMPARE(v.edit->text(), antes);  // cancelled: the box keeps its text
    }

    // Accepting writes the chosen date as a short date; the caption comes
    // from Titulo when given.
    void aceptar() {
        Ventana v;
        RegistroDialogos registro;
        v.edit->setText(QStringLiteral("31/01/2024"));
        v.boton->Titulo = QStringLiteral("Primer pago");
        registro.ResponderCon([](QDialog& d) {
            auto& picker = static_cast<TFmCalendario&>(d);
            QVERIFY(picker.BtnAceptar->isEnabled());
            picker.BtnMesSig->click();
            picker.accept();
        });
        v.boton->click();
        QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Primer pago"));
        QCOMPARE(v.edit->text(), QStringLiteral("29/02/2024"));
    }

    // F4 (or Alt+Down) in the box opens the picker on the box's date, as
    // the button does.
    void teclaAbreElCalendario() {
        Ventana v;
        RegistroDialogos registro;
        v.edit->setText(QStringLiteral("08/12/2026"));
        QDate vista;
        registro.ResponderCon([&vista](QDialog& d) { vista = static_cast<TFmCalendario&>(d).LeerFecha(); });
        v.edit->setFocus();
        QTest::keyClick(v.edit, Qt::Key_F4);
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Seleccionar una fecha"));
        QCOMPARE(vista, D(8, 12, 2026));
    }

    // Without a usable box the button opens nothing.
    void sinCampo() {
        Ventana v;
        RegistroDialogos registro;
        v.edit->setEnabled(false);
        v.boton->Click();
        v.boton->PonerFechaDeHoy();
        tBotonFecha suelto(&v.w);
        suelto.Click();
        suelto.PonerFechaDeHoy();
        QCOMPARE(registro.Mostrados().size(), 0);
    }

    // When another date field keeps the focus because its own date is wrong,
    // neither click opens or writes anything.
    void otroCampoRetieneElFoco() {
        Ventana v;
        RegistroDialogos registro;
        auto* otro = new QLineEdit(&v.w);
        otro->setGeometry(10, 35, 80, 21);
        PrepararCampoFecha(otro, true);
        otro->show();
        v.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&v.w));
        otro->setFocus();
        otro->setText(QStringLiteral("31/02/2020"));
        v.edit->setText(QStringLiteral("  /  /    "));
        v.boton->click();
        QCOMPARE(v.w.focusWidget(), otro);
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].mensaje, QStringLiteral("La fecha \"31/02/2020\" no es correcta"));
        QTest::mouseClick(v.boton, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(v.edit->text(), QStringLiteral("  /  /    "));
    }

    // Each date field of the main window has its button at its right; a
    // right click there puts today's date into a cleared field.
    void ventanaPrincipal() {
        TFormCalculosFinancieros v;
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        const std::pair<QLineEdit*, const char*> campos[] = {
            {v.EditPresFecha, "BtnPresFecha"}, {v.EditInvFecha, "BtnInvFecha"}, {v.EditDepFecha, "BtnDepFecha"}};
        for (const auto& [edit, nombre] : campos) {
            auto* boton = v.findChild<tBotonFecha*>(QLatin1String(nombre));
            QVERIFY2(boton, nombre);
            QCOMPARE(boton->EditComp(), edit);
            QCOMPARE(boton->parentWidget(), edit->parentWidget());
            QCOMPARE(boton->geometry().left(), edit->geometry().right() + 3);
            QCOMPARE(boton->geometry().top(), edit->geometry().top());
        }
        auto* boton = v.findChild<tBotonFecha*>(QStringLiteral("BtnPresFecha"));
        v.EditPresFecha->setText(QString());
        QTest::mouseClick(boton, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(v.EditPresFecha->text(), TextoFecha(QDate::currentDate()));
    }

    // The right click fills a blank box at once; over a date it asks first,
    // and "&No" keeps the date.
    void botonDerecho_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("pregunta");
        QTest::addColumn<bool>("respuesta");
        QTest::addColumn<bool>("hoy");
        QTest::newRow("en blanco") << "  /  /    " << false << false << true;
        QTest::newRow("con fecha, no") << "08/12/2020" << true << false << false;
        QTest::newRow("con fecha, si") << "08/12/2020" << true << true << true;
    }
    void botonDerecho() {
        QFETCH(QString, texto);
        QFETCH(bool, pregunta);
        QFETCH(bool, respuesta);
        QFETCH(bool, hoy);
        Ventana v;
        RegistroDialogos registro;
        v.edit->setText(texto);
        const QString antes = v.edit->text();
        registro.Responder(respuesta);
        QTest::mouseClick(v.boton, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(registro.Mostrados().size(), pregunta ? 1 : 0);
        if (pregunta) {
            const DialogoMostrado& m = registro.Mostrados()[0];
            QCOMPARE(m.titulo, QStringLiteral("Atención"));
            QCOMPARE(m.mensaje, QStringLiteral("¿Desea obtener la fecha de hoy?"));
            QCOMPARE(m.tipo, 3);
            QCOMPARE(m.botones, 0);
        }
        QCOMPARE(v.edit->text(), hoy ? TextoFecha(QDate::currentDate()) : antes);
    }
};

ZZ_TEST_MAIN(TestBotonFecha)
#include "test_boton_fecha.moc"
