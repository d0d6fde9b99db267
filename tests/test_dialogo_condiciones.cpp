#include "prueba_comun.h"
#include "registro_dialogos.h"
#include "aceleradores.h"

#include "ui/ayuda.h"
#include "app/dialogo_condiciones.h"
#include "util/puertas.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTabWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace finance;

Q_DECLARE_METATYPE(CondicionesPrestamo)

namespace {

QStringList Textos(const QListWidget* lb) {
    QStringList textos;
    for (int i = 0; i < lb->count(); ++i)
        textos << lb->item(i)->text();
    return textos;
}

void Escribir(QLineEdit* campo, const QString& texto) {
    campo->clear();
    QTest::keyClicks(campo, texto);
}

CondicionesPrestamo Completas() {
    CondicionesPrestamo c;
    c.periodicidad = Periodicidad::Trimestral;
    c.comisionApertura = 1.5;
    c.gastosIniciales = 350;
    c.amortizaciones = {{8, 2000, ReduccionAmortizacion::Plazo, 1}, {20, 500, ReduccionAmortizacion::Cuota, 0}};
    c.revisiones = {{4, 3.25}, {12, 0}};
    return c;
}

// A mixed-rate mortgage with every choice of the other tabs set.
CondicionesPrestamo Hipoteca() {
    CondicionesPrestamo c;
    c.sistema = SistemaAmortizacion::Creciente;
    c.crecimiento = 2;
    c.carencia = TipoCarencia::Parcial;
    c.cuotasCarencia = 12;
    c.tipoInteres = TipoInteres::Mixto;
    c.tramoFijo = 60;
    c.indice = -0.25;
    c.diferencial = 0.99;
    c.revisionMeses = 6;
    c.indicesDesde = {{84, 2}, {120, 3.5}};
    c.seguroAnual = 1200.5;
    c.mantenimientoAnual = 60;
    AmortizacionAnticipada legal;
    legal.cuota = 24;
    legal.importe = 10000;
    legal.comisionLegal = true;
    c.amortizaciones = {legal};
    return c;
}

}  // namespace

class TestDialogoCondiciones : public QObject {
    Q_OBJECT
private slots:
    void idaYVuelta() {
        TDialogoCondiciones d;
        d.PonerCondiciones(Completas());
        QCOMPARE(d.LeerCondiciones(), Completas());
        QCOMPARE(Textos(d.lbAmortizaciones), (QStringList{"Cuota 8: 2.000,00, reduce el plazo, comisión 1,00 %",
                                                          "Cuota 20: 500,00, reduce la cuota"}));
        QCOMPARE(Textos(d.lbRevisiones), (QStringList{"Cuota 4: 3,25 %", "Cuota 12: 0,00 %"}));
        d.PonerCondiciones({});
        QCOMPARE(d.LeerCondiciones(), CondicionesPrestamo{});
        d.PonerCondiciones(Hipoteca());
        QCOMPARE(d.LeerCondiciones(), Hipoteca());
        QCOMPARE(Textos(d.lbAmortizaciones), QStringList{"Cuota 24: 10.000,00, reduce el plazo, comisión máxima legal"});
        QCOMPARE(Textos(d.lbIndices), (QStringList{"Desde la cuota 84: 2,00 %", "Desde la cuota 120: 3,50 %"}));
        d.PonerCondiciones({});
        QCOMPARE(d.LeerCondiciones(), CondicionesPrestamo{});
    }

    // A box that does not apply to the choices made is disabled and not
    // read: what is accepted is what the window shows in force.
    void cajasSegunLaEleccion() {
        TDialogoCondiciones d;
        d.PonerCondiciones(Hipoteca());
        d.CbSistema->setCurrentIndex(int(SistemaAmortizacion::Aleman));
        d.CbCarencia->setCurrentIndex(int(TipoCarencia::Ninguna));
        d.CbTipoInteres->setCurrentIndex(int(TipoInteres::Variable));
        QVERIFY(!d.EditCrecimiento->isEnabled());
        QVERIFY(!d.EditCuotasCarencia->isEnabled());
        QVERIFY(!d.EditTramoFijo->isEnabled());
        QVERIFY(d.EditDiferencial->isEnabled());
        CondicionesPrestamo esperadas = Hipoteca();
        esperadas.sistema = SistemaAmortizacion::Aleman;
        esperadas.crecimiento = 0;
        esperadas.carencia = TipoCarencia::Ninguna;
        esperadas.cuotasCarencia = 0;
        esperadas.tipoInteres = TipoInteres::Variable;
        esperadas.tramoFijo = 0;
        QCOMPARE(d.LeerCondiciones(), esperadas);
        d.CbTipoInteres->setCurrentIndex(int(TipoInteres::Fijo));
        for (QWidget* w : std::initializer_list<QWidget*>{d.EditIndice, d.EditDiferencial, d.CbRevisionMeses,
                                                         d.EditIndiceCuota, d.BtnIndiceAnadir, d.lbIndices})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        const CondicionesPrestamo fijo = d.LeerCondiciones();
        QCOMPARE(fijo.diferencial, 0.0);
        QVERIFY(fijo.indicesDesde.empty());
        // The legal fee takes the place of a typed one.
        d.ChkAmortLegal->setChecked(true);
        QVERIFY(!d.EditAmortComision->isEnabled());
    }

    // A mortgage's choices that cannot be met keep the window open with the
    // calculation's own message.
    void hipotecaRechazada_data() {
        QTest::addColumn<int>("sistema");
        QTest::addColumn<int>("carencia");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("carencia sin cuotas") << 0 << int(TipoCarencia::Parcial) << 0 << "EditCuotasCarencia" << ""
                                             << "Indique cuántas cuotas dura la carencia: al menos 1.";
        QTest::newRow("mixto sin tramo fijo") << 0 << 0 << int(TipoInteres::Mixto) << "EditTramoFijo" << ""
                                              << "Un interés mixto necesita un tramo fijo de al menos 1 cuota.";
        QTest::newRow("crecimiento excesivo")
            << int(SistemaAmortizacion::Creciente) << 0 << 0 << "EditCrecimiento" << "90"
            << "El crecimiento anual de la cuota debe ser un porcentaje mayor que 0 y no mayor que 50.";
    }
    void hipotecaRechazada() {
        QFETCH(int, sistema);
        QFETCH(int, carencia);
        QFETCH(int, tipo);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, aviso);
        RegistroDialogos registro;
        TDialogoCondiciones d;
        d.show();
        d.CbSistema->setCurrentIndex(sistema);
        d.CbCarencia->setCurrentIndex(carencia);
        d.CbTipoInteres->setCurrentIndex(tipo);
        Escribir(d.findChild<QLineEdit*>(campo), texto);
        QTest::mouseClick(d.BtnAceptar, Qt::LeftButton);
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados().first().mensaje, aviso);
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    // The new tabs driven from the keyboard: Ctrl+Tab to each, values typed,
    // an index value added with Enter, and the window accepted.
    void pestanasConElTeclado() {
        TDialogoCondiciones d;
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.Pestanas->count(), 4);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(d.Pestanas->currentIndex(), 1);
        d.CbSistema->setCurrentIndex(int(SistemaAmortizacion::Aleman));
        d.CbCarencia->setCurrentIndex(int(TipoCarencia::Total));
        Escribir(d.EditCuotasCarencia, "6");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(d.Pestanas->currentIndex(), 2);
        d.CbTipoInteres->setCurrentIndex(int(TipoInteres::Variable));
        Escribir(d.EditIndice, "3,1");
        Escribir(d.EditDiferencial, "0,8");
        Escribir(d.EditIndiceCuota, "13");
        Escribir(d.EditIndiceValor, "2,5");
        QTest::keyClick(d.EditIndiceValor, Qt::Key_Return);
        QCOMPARE(Textos(d.lbIndices), QStringList{"Desde la cuota 13: 2,50 %"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(d.Pestanas->currentIndex(), 3);
        Escribir(d.EditSeguro, "300");
        QTest::mouseClick(d.BtnAceptar, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        CondicionesPrestamo esperadas;
        esperadas.sistema = SistemaAmortizacion::Aleman;
        esperadas.carencia = TipoCarencia::Total;
        esperadas.cuotasCarencia = 6;
        esperadas.tipoInteres = TipoInteres::Variable;
        esperadas.indice = 3.1;
        esperadas.diferencial = 0.8;
        esperadas.indicesDesde = {{13, 2.5}};
        esperadas.seguroAnual = 300;
        QCOMPARE(d.LeerCondiciones(), esperadas);
    }

    // Typed and added through the buttons, the lists keep instalment order
    // and removing takes out the selected entry.
    void anadirYQuitar() {
        TDialogoCondiciones d;
        d.show();
        Escribir(d.EditAmortCuota, "30");
        Escribir(d.EditAmortImporte, "1000,5");
        d.CbAmortReduce->setCurrentIndex(1);
        QTest::mouseClick(d.BtnAmortAnadir, Qt::LeftButton);
        Escribir(d.EditAmortCuota, "6");
        Escribir(d.EditAmortImporte, "200");
        Escribir(d.EditAmortComision, "2");
        d.CbAmortReduce->setCurrentIndex(0);
        QTest::mouseClick(d.BtnAmortAnadir, Qt::LeftButton);
        Escribir(d.EditRevCuota, "10");
        Escribir(d.EditRevInteres, "4,5");
        QTest::mouseClick(d.BtnRevAnadir, Qt::LeftButton);
        QCOMPARE(Textos(d.lbAmortizaciones), (QStringList{"Cuota 6: 200,00, reduce el plazo, comisión 2,00 %",
                                                          "Cuota 30: 1.000,50, reduce la cuota"}));
        d.lbAmortizaciones->setCurrentRow(0);
        QTest::mouseClick(d.BtnAmortQuitar, Qt::LeftButton);
        d.lbRevisiones->setCurrentRow(0);
        QTest::mouseClick(d.BtnRevQuitar, Qt::LeftButton);
        const CondicionesPrestamo c = d.LeerCondiciones();
        QCOMPARE(int(c.amortizaciones.size()), 1);
        QCOMPARE(c.amortizaciones[0], (AmortizacionAnticipada{30, 1000.5, ReduccionAmortizacion::Cuota, 0}));
        QVERIFY(c.revisiones.empty());
    }

    // A refused entry says why and is not added; refused conditions keep the
    // window open.
    void datosRechazados() {
        RegistroDialogos registro;
        TDialogoCondiciones d;
        d.show();
        Escribir(d.EditAmortCuota, "0");
        Escribir(d.EditAmortImporte, "100");
        QTest::mouseClick(d.BtnAmortAnadir, Qt::LeftButton);
        Escribir(d.EditRevCuota, "3");
        Escribir(d.EditRevInteres, "1200");
        QTest::mouseClick(d.BtnRevAnadir, Qt::LeftButton);
        for (QLineEdit* campo : {d.EditAmortCuota, d.EditAmortImporte, d.EditRevCuota, d.EditRevInteres})
            campo->clear();
        Escribir(d.EditComisionApertura, "100");
        QTest::mouseClick(d.BtnAceptar, Qt::LeftButton);
        QCOMPARE(d.lbAmortizaciones->count(), 0);
        QCOMPARE(d.lbRevisiones->count(), 0);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(d.isVisible());
        QCOMPARE(registro.Mostrados().size(), 3);
        QCOMPARE(registro.Mostrados()[0].mensaje,
                 "La cuota de una amortización anticipada debe ser 1 o mayor.");
        QCOMPARE(registro.Mostrados()[1].mensaje, "El interés de la revisión de la cuota 3 debe estar entre 0 y 1000.");
        QCOMPARE(registro.Mostrados()[2].mensaje,
                 "La comisión de apertura debe ser un porcentaje desde 0 hasta menos de 100.");
        for (const DialogoMostrado& m : registro.Mostrados())
            QCOMPARE(m.titulo, "Condiciones del préstamo");
    }

    // Enter in the boxes of a row adds the row and leaves them empty, so a
    // second Enter accepts the window; Aceptar adds a row still typed, or
    // says why it cannot and stays open. Nothing typed is lost in silence.
    void filaTecleada_data() {
        QTest::addColumn<QStringList>("campos");  // boxes typed into, the last one holding the focus
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<int>("tecla");           // Enter there, or 0 for a click on Aceptar
        QTest::addColumn<QString>("amortizacion");
        QTest::addColumn<QString>("revision");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<CondicionesPrestamo>("antes");
        const QStringList amort{"EditAmortCuota", "EditAmortImporte"};
        QTest::newRow("Intro en el importe")
            << amort << QStringList{"12", "10000"} << int(Qt::Key_Return) << "Cuota 12: 10.000,00, reduce el plazo"
            << "" << "" << CondicionesPrestamo{};
        QTest::newRow("Intro del teclado numérico en la comisión")
            << QStringList{"EditAmortCuota", "EditAmortImporte", "EditAmortComision"} << QStringList{"12", "500", "1"}
            << int(Qt::Key_Enter) << "Cuota 12: 500,00, reduce el plazo, comisión 1,00 %" << "" << ""
            << CondicionesPrestamo{};
        QTest::newRow("Intro en el nuevo interés")
            << QStringList{"EditRevCuota", "EditRevInteres"} << QStringList{"24", "4,5"} << int(Qt::Key_Return) << ""
            << "Cuota 24: 4,50 %" << "" << CondicionesPrestamo{};
        QTest::newRow("Aceptar con la fila por añadir")
            << amort << QStringList{"12", "10000"} << 0 << "Cuota 12: 10.000,00, reduce el plazo" << "" << ""
            << CondicionesPrestamo{};
        QTest::newRow("Intro en una fila incompleta")
            << QStringList{"EditAmortCuota"} << QStringList{"12"} << int(Qt::Key_Return) << "" << ""
            << "El importe de la amortización anticipada de la cuota 12 debe ser mayor que cero."
            << CondicionesPrestamo{};
        QTest::newRow("Aceptar con una fila incompleta")
            << QStringList{"EditRevInteres"} << QStringList{"5"} << 0 << "" << ""
            << "La cuota de una revisión del interés debe ser 1 o mayor." << CondicionesPrestamo{};
        QTest::newRow("revisión repetida")
            << QStringList{"EditRevCuota", "EditRevInteres"} << QStringList{"4", "5"} << int(Qt::Key_Return) << ""
            << "Cuota 4: 3,00 %" << "Hay dos revisiones del interés en la cuota 4: deje solo una."
            << [] {
                   CondicionesPrestamo c;
                   c.revisiones = {{4, 3}};
                   return c;
               }();
    }
    void filaTecleada() {
        QFETCH(QStringList, campos);
        QFETCH(QStringList, textos);
        QFETCH(int, tecla);
        QFETCH(QString, amortizacion);
        QFETCH(QString, revision);
        QFETCH(QString, aviso);
        RegistroDialogos registro;
        TDialogoCondiciones d;
        QFETCH(CondicionesPrestamo, antes);
        d.PonerCondiciones(antes);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QLineEdit* ultimo = nullptr;
        for (int i = 0; i < campos.size(); ++i) {
            ultimo = d.findChild<QLineEdit*>(campos[i]);
            ultimo->setFocus();
            Escribir(ultimo, textos[i]);
        }
        if (tecla)
            QTest::keyClick(ultimo, Qt::Key(tecla));
        else
            QTest::mouseClick(d.BtnAceptar, Qt::LeftButton);
        QCOMPARE(Textos(d.lbAmortizaciones), amortizacion.isEmpty() ? QStringList() : QStringList{amortizacion});
        QCOMPARE(Textos(d.lbRevisiones), revision.isEmpty() ? QStringList() : QStringList{revision});
        QCOMPARE(registro.Mostrados().size(), aviso.isEmpty() ? 0 : 1);
        if (!aviso.isEmpty()) {
            QCOMPARE(registro.Mostrados().first().mensaje, aviso);
            QVERIFY(d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Rejected));
            return;
        }
        if (tecla) {
            // The row was added, not the window accepted; the next Enter accepts it.
            QVERIFY(d.isVisible());
            for (const QString& nombre : campos)
                QVERIFY(d.findChild<QLineEdit*>(nombre)->text().isEmpty());
            QTest::keyClick(ultimo, Qt::Key_Return);
        }
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(int(d.LeerCondiciones().amortizaciones.size() + d.LeerCondiciones().revisiones.size()), 1);
    }

    void pedirCondiciones() {
        RegistroDialogos registro;
        registro.ResponderCon([](QDialog& d) {
            auto& dialogo = static_cast<TDialogoCondiciones&>(d);
            dialogo.CbPeriodicidad->setCurrentIndex(int(Periodicidad::Semestral));
            QTest::mouseClick(dialogo.BtnAceptar, Qt::LeftButton);
        });
        CondicionesPrestamo esperadas = Completas();
        esperadas.periodicidad = Periodicidad::Semestral;
        QCOMPARE(PedirCondiciones(nullptr, Completas()), std::optional(esperadas));
        registro.ResponderCon([](QDialog& d) {
            static_cast<TDialogoCondiciones&>(d).CbPeriodicidad->setCurrentIndex(int(Periodicidad::Anual));
            QTest::mouseClick(static_cast<TDialogoCondiciones&>(d).BtnCancelar, Qt::LeftButton);
        });
        QVERIFY(!PedirCondiciones(nullptr, Completas()));
    }

    // Every control has a name for a screen reader, and no two accelerators
    // of the window share a letter.
    void nombresYAceleradores() {
        TDialogoCondiciones d;
        for (QWidget* w : d.findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
                qobject_cast<QListWidget*>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        const QStringList letras = LetrasAcelerador(&d);
        QCOMPARE(QSet<QString>(letras.begin(), letras.end()).size(), letras.size());
        QCOMPARE(letras.size(), 22);
    }

    void f1AbreSuTema() {
        InstalarAyudaF1(*qApp);
        QList<int> pedidos;
        puertas::FijarVisorAyuda([&pedidos](int contexto, QWidget*) { pedidos << contexto; });
        TDialogoCondiciones d;
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.EditGastos->setFocus();
        QTest::keyClick(d.EditGastos, Qt::Key_F1);
        QCOMPARE(pedidos, QList<int>{6140});
    }
};

ZZ_TEST_MAIN(TestDialogoCondiciones)
#include "test_dialogo_condiciones.moc"
