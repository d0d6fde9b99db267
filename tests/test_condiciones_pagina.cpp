#include "prueba_comun.h"
#include "registro_dialogos.h"
#include "aceleradores.h"

#include "app/dialogo_condiciones.h"
#include "app/form_calculos_financieros.h"
#include "schedules/form_desarrollo_calculos.h"
#include "ui/panel_resultado.h"
#include "util/textos_numericos.h"

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

    // A refused condition says why; the panels keep the last good results
    // whole, under a heading that says they are not those of the data.
    void condicionRechazada() {
        RegistroDialogos registro;
        auto v = PrestamoEscrito();
        v->CalcularPrestamo();
        v->CondicionesPres.amortizaciones = {{12, 100, finance::ReduccionAmortizacion::Plazo, 0}};
        v->CalcularPrestamo();
        QVERIFY(v->CalculoFallido());
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].mensaje,
                 QStringLiteral("Con la cuota 12 el préstamo queda pagado: no admite una amortización anticipada."));
        QCOMPARE(v->PnlPresCuotaRes->text(), QStringLiteral("860,66"));
        QCOMPARE(v->PnlPresPagado->text(), QStringLiteral("10.327,96"));
        QCOMPARE(v->PnlPresTAE->text(), QStringLiteral("6,17"));
        // The results on show were worked out without conditions: no note.
        QCOMPARE(v->PnlPresInfo->text(),
                 QStringLiteral(" Resultados (de los datos anteriores: con los actuales no se ha podido calcular)"));
    }

    // Early repayments that shorten the term, fees and a revision: the
    // panels, the table's heading and what the report prints after the rows
    // all say the instalments really paid, the total cost and both TAEs.
    void cifrasDelContrato() {
        RegistroDialogos registro;
        auto v = PrestamoEscrito();
        v->EditPresNum->setText(QStringLiteral("120"));
        finance::CondicionesPrestamo& c = v->CondicionesPres;
        c.comisionApertura = 1;
        c.gastosIniciales = 300;
        c.amortizaciones = {{24, 2000, finance::ReduccionAmortizacion::Plazo, 1.5}};
        v->CalcularPrestamo();
        QVERIFY(!v->CalculoFallido());
        QCOMPARE(v->PnlPresNumRes->text(), QStringLiteral("93 de 120"));
        // The interest, the 1 % fee, the costs and 1,5 % of the repayment.
        QCOMPARE(v->PnlPresCosteTotal->text(), TextoImporte(v->Prestamo().TotalIntereses + 100 + 300 + 30));
        QVERIFY(v->PnlPresTAERevisiones->text().isEmpty());

        c.revisiones = {{36, 4}};
        v->CalcularPrestamo();
        QCOMPARE(v->PnlPresTAE->text(), QStringLiteral("7,13"));
        QCOMPARE(v->PnlPresTAERevisiones->text(), QStringLiteral("6,88"));

        QString cabecera;
        TablaTextos cifras;
        registro.ResponderCon([&](QDialog& d) {
            auto& tabla = static_cast<TFormDesarrolloCalculos&>(d);
            cabecera = tabla.PnlDato3->text();
            cifras = tabla.CifrasFinales;
        });
        v->AccDesarrollar->trigger();
        QCOMPARE(cabecera, QStringLiteral("93 de 120"));
        QCOMPARE(cifras.titulos, (QStringList{"Total intereses", "Coste total", "TAE",
                                              "TAE con las revisiones indicadas"}));
        QCOMPARE(cifras.filas.size(), std::size_t(1));
        QCOMPARE(cifras.filas[0], (QStringList{v->PnlPresIntereses->text(), v->PnlPresCosteTotal->text(), "7,13",
                                               "6,88"}));
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
