#include "prueba_comun.h"
#include "registro_dialogos.h"
#include "aceleradores.h"

#include "app/dialogo_condiciones.h"
#include "app/form_calculos_financieros.h"
#include "ui/panel_resultado.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

using Ventana = TFormCalculosFinancieros;

std::unique_ptr<Ventana> PrestamoEscrito() {
    auto v = std::make_unique<Ventana>();
    v->show();
    v->EditPresCapital->setText(QStringLiteral("10000"));
    v->EditPresInteres->setText(QStringLiteral("6"));
    v->EditPresNum->setText(QStringLiteral("12"));
    return v;
}

// The conditions window answers with a quarterly loan and a 1 % opening fee.
void ElegirTrimestralConComision(RegistroDialogos& registro) {
    registro.ResponderCon([](QDialog& d) {
        auto& dialogo = static_cast<TDialogoCondiciones&>(d);
        dialogo.CbPeriodicidad->setCurrentIndex(int(finance::Periodicidad::Trimestral));
        dialogo.EditComisionApertura->setText(QStringLiteral("1"));
        QTest::mouseClick(dialogo.BtnAceptar, Qt::LeftButton);
    });
}

}  // namespace

class TestCondicionesPagina : public QObject {
    Q_OBJECT
private slots:
    // With no condition set the loan gives what it always gave, and the TAE
    // beside it; the heading carries no note.
    void sinCondiciones() {
        auto v = PrestamoEscrito();
        v->CalcularPrestamo();
        QCOMPARE(v->PnlPresCuotaRes->text(), QStringLiteral("860,66"));
        QCOMPARE(v->PnlPresPagado->text(), QStringLiteral("10.327,96"));
        QCOMPARE(v->PnlPresTAE->text(), QStringLiteral("6,17"));
        QCOMPARE(v->PnlPresInfo->text(), QStringLiteral(" Resultados del último cálculo realizado"));
    }

    void conCondiciones() {
        RegistroDialogos registro;
        auto v = PrestamoEscrito();
        v->CalcularPrestamo();
        ElegirTrimestralConComision(registro);
        QTest::mouseClick(v->BtnPresCondiciones, Qt::LeftButton);
        QCOMPARE(v->CondicionesPres.periodicidad, finance::Periodicidad::Trimestral);
        QVERIFY(v->PnlPresInfo->text().contains(QStringLiteral("datos anteriores")));
        v->CalcularPrestamo();
        QCOMPARE(v->PnlPresCuotaRes->text(), QStringLiteral("916,80"));
        QCOMPARE(v->PnlPresTAE->text(), QStringLiteral("6,81"));
        QCOMPARE(v->PnlPresInfo->text(),
                 QStringLiteral(" Resultados del último cálculo realizado, con las condiciones del préstamo"));

        // Cancelling the window keeps the conditions; clearing the page drops them.
        registro.Responder(false);
        QTest::mouseClick(v->BtnPresCondiciones, Qt::LeftButton);
        QCOMPARE(v->CondicionesPres.comisionApertura, 1.0);
        v->AccInicializarExecute();
        QVERIFY(!v->CondicionesPres.HayCondiciones());
        QVERIFY(v->PnlPresTAE->text().isEmpty());
        QCOMPARE(v->PnlPresInfo->text(), QStringLiteral(" Resultados del último cálculo realizado"));
    }

    // A refused condition says why, and the panels show no result.
    void condicionRechazada() {
        RegistroDialogos registro;
        auto v = PrestamoEscrito();
        v->CondicionesPres.amortizaciones = {{12, 100, finance::ReduccionAmortizacion::Plazo, 0}};
        v->CalcularPrestamo();
        QVERIFY(v->CalculoFallido());
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].mensaje,
                 QStringLiteral("Con la cuota 12 el préstamo queda pagado: no admite una amortización anticipada."));
        QCOMPARE(v->PnlPresPagado->text(), QStringLiteral("0,00"));
        QVERIFY(v->PnlPresTAE->text().isEmpty());
    }

    // The button's accelerator is one no other control of the page uses.
    void aceleradorPropio() {
        Ventana v;
        const QStringList letras = LetrasAcelerador(
            v.tsPres, {QStringLiteral("&Préstamos"), QStringLiteral("&Inversiones"), QStringLiteral("&Depreciaciones")});
        QCOMPARE(QSet<QString>(letras.begin(), letras.end()).size(), letras.size());
        QVERIFY(letras.contains(QStringLiteral("o")));
        QCOMPARE(v.BtnPresCondiciones->accessibleName(), QStringLiteral("Condiciones…"));
    }
};

ZZ_TEST_MAIN(TestCondicionesPagina)
#include "test_condiciones_pagina.moc"
