#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "ui/avisos.h"
#include "ui/ayuda.h"
#include "ui/controles_pagina.h"
#include "app/form_calculos_financieros.h"
#include "schedules/form_desarrollo_calculos.h"
#include "ui/panel_resultado.h"
#include "ui/colores_campos.h"
#include "util/fechas.h"
#include "util/textos_numericos.h"
#include "util/puertas.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <memory>
#include <tuple>

namespace {

using Ventana = TFormCalculosFinancieros;

std::unique_ptr<Ventana> AbrirVentana() {
    auto v = std::make_unique<Ventana>();
    v->show();
    v->activateWindow();
    if (!QTest::qWaitForWindowActive(v.get()))
        qWarning("la ventana no se activó");
    return v;
}

bool Bloqueado(const QLineEdit* campo) {
    return campo->isReadOnly() && !campo->isEnabled() && campo->focusPolicy() == Qt::NoFocus &&
           ColorFondo(campo) == ColorIncognita;
}

bool Editable(const QLineEdit* campo) {
    return !campo->isReadOnly() && campo->isEnabled() && campo->focusPolicy() != Qt::NoFocus &&
           ColorFondo(campo) == ColorEditable;
}

// Types into a box as a person does, through the key filter.
void Escribir(QLineEdit* campo, const QString& texto) {
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, texto);
}

QLineEdit* Campo(Ventana& v, const char* nombre) { return v.findChild<QLineEdit*>(QLatin1String(nombre)); }

const QString kResultadosVigentes = QStringLiteral(" Resultados del último cálculo realizado");
const QString kResultadosAnteriores =
    QStringLiteral(" Resultados (de los datos anteriores: pulse Intro para recalcular)");
const QString kResultadosRechazados =
    QStringLiteral(" Resultados (de los datos anteriores: con los actuales no se ha podido calcular)");

// The results heading as a person reads it: its words and its colours.
struct Cabecera {
    QString texto;
    QColor fondo, letra;
};

Cabecera LeerCabecera(const QLabel* cabecera) {
    return {cabecera->text(), cabecera->palette().color(QPalette::Window),
            cabecera->palette().color(QPalette::WindowText)};
}

// Sum of the colour differences, enough to tell two colours apart at a glance.
int Distancia(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

}  // namespace

class TestFormCalculos : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void estadoAlArrancar() {
        auto v = AbrirVentana();
        QCOMPARE(v->pcCalculos->currentWidget(), v->tsPres);
        QCOMPARE(v->PnlInfoCalculos->text(), QStringLiteral(" Préstamos"));
        QCOMPARE(int(CalculoActual), 0);
        QCOMPARE(v->CbPresCalculos->currentText(), QStringLiteral("Calcular la cuota"));
        QVERIFY(Bloqueado(v->EditPresCuota));
        for (QLineEdit* campo : {v->EditPresInteres, v->EditPresNum, v->EditPresCapital})
            QVERIFY2(Editable(campo), qPrintable(campo->objectName()));
        QCOMPARE(v->cbPresAportacion->currentIndex(), 0);
        QCOMPARE(v->cbPresAportacion->itemText(1), QStringLiteral(" Inicio período"));
        QCOMPARE(v->CbInvAportacion->currentIndex(), 1);
        const QString hoy = TextoFecha(QDate::currentDate());
        for (QLineEdit* fecha : {v->EditPresFecha, v->EditInvFecha, v->EditDepFecha})
            QCOMPARE(fecha->text(), hoy);
        for (QLineEdit* campo : {v->EditPresInteres, v->EditPresNum, v->EditPresCapital, v->EditDepValorInicial})
            QVERIFY(campo->text().isEmpty());
        QCOMPARE(ContextoAyuda(v.get()), 6120);
        // The design size, widened where the result panels need it.
        QCOMPARE(v->height(), 495);
        QVERIFY(v->width() >= 466);
    }

    void coloresDeResultados() {
        auto v = AbrirVentana();
        const QList<TPanelResultado*> paneles = v->findChildren<TPanelResultado*>();
        // The loans page adds its TAE, its total cost, the TAE of the typed
        // revisions and its highest instalment; the savings page its real and
        // net figures, hidden until its conditions ask for them.
        QCOMPARE(paneles.size(), 7 + 3 + 8 + 5 + 4);
        for (TPanelResultado* panel : paneles)
            QCOMPARE(ColorFondo(panel), ColorIncognita);
    }

    // Choosing another calculation unlocks the previous unknown and locks the new one.
    void incognitaSegunCalculo_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("elemento");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("incognita");
        QTest::newRow("préstamo: interés") << 0 << 1 << 1 << "EditPresInteres";
        QTest::newRow("préstamo: nº cuotas") << 0 << 2 << 2 << "EditPresNum";
        QTest::newRow("préstamo: capital") << 0 << 3 << 3 << "EditPresCapital";
        QTest::newRow("préstamo: vuelta a la cuota") << 0 << 0 << 0 << "EditPresCuota";
        QTest::newRow("inversión: cuota") << 1 << 0 << 4 << "EditInvCuota";
        QTest::newRow("inversión: interés") << 1 << 1 << 5 << "EditInvInteres";
        QTest::newRow("inversión: nº cuotas") << 1 << 2 << 6 << "EditInvNum";
        QTest::newRow("inversión: capital final") << 1 << 3 << 7 << "EditInvCapital";
    }
    void incognitaSegunCalculo() {
        QFETCH(int, pagina);
        QFETCH(int, elemento);
        QFETCH(int, codigo);
        QFETCH(QString, incognita);
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentIndex(pagina);
        QComboBox* lista = pagina == 0 ? v->CbPresCalculos : v->CbInvCalculos;
        QWidget* datos = pagina == 0 ? v->PnlPresDatos : v->PnlInvDatos;
        lista->setCurrentIndex(elemento == 0 ? 1 : 0);  // start from another unknown
        lista->setCurrentIndex(elemento);
        QCOMPARE(int(CalculoActual), codigo);
        for (QLineEdit* campo : datos->findChildren<QLineEdit*>()) {
            if (!campo->inputMask().isEmpty())
                continue;
            if (campo->objectName() == incognita)
                QVERIFY2(Bloqueado(campo), qPrintable(campo->objectName()));
            else
                QVERIFY2(Editable(campo), qPrintable(campo->objectName()));
        }
    }

    // The withdrawal is written in the contribution's box and the final
    // capital is not asked for, so both are locked; the plan's conditions
    // do not apply. Changing between the withdrawal and the plan's unknowns
    // renames the panels and empties them, so that no figure stands under
    // another calculation's caption.
    void retiradaEnLaPagina() {
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentWidget(v->tsInv);
        v->CbInvCalculos->setCurrentIndex(3);
        Escribir(v->EditInvCuota, "100");
        Escribir(v->EditInvInteres, "6");
        Escribir(v->EditInvNum, "120");
        Escribir(v->EditInvCapInicial, "1000");
        v->AccCalcular->trigger();
        QCOMPARE(v->PnlInvCuotaRes->text(), "100,00");
        QCOMPARE(v->PnlInvInvertido->accessibleName(), "Capital Invertido");

        v->CbInvCalculos->setCurrentIndex(4);
        QCOMPARE(CalculoActual, finance::CodigoCalculo::InversionRetirada);
        QCOMPARE(v->CbInvCalculos->currentText(), "Calcular la retirada mensual");
        QVERIFY(Bloqueado(v->EditInvCuota) && Bloqueado(v->EditInvCapital));
        // (the box that has the focus wears the focus colour)
        for (QLineEdit* campo : {v->EditInvInteres, v->EditInvNum, v->EditInvCapInicial})
            QVERIFY2(!campo->isReadOnly() && campo->isEnabled(), qPrintable(campo->objectName()));
        QVERIFY(!v->BtnInvCondiciones->isEnabled());
        QVERIFY(!v->BtnInvCuota->isEnabled() && !v->BtnInvCapital->isEnabled());
        for (TPanelResultado* panel : v->PnlInvResul->findChildren<TPanelResultado*>())
            QVERIFY2(panel->text().isEmpty(), qPrintable(panel->objectName()));
        QCOMPARE(v->PnlInvInvertido->accessibleName(), "Total retirado");

        v->AccCalcular->trigger();
        QCOMPARE(v->EditInvCuota->text(), "11,05");
        QCOMPARE(v->PnlInvCuotaRes->text(), "11,05");
        QCOMPARE(v->PnlInvCapitalRes->text(), "0,00");
        QCOMPARE(LeerCabecera(v->PnlInvInfo).texto, kResultadosVigentes);

        v->CbInvCalculos->setCurrentIndex(0);
        QCOMPARE(v->PnlInvInvertido->accessibleName(), "Capital Invertido");
        QVERIFY(v->PnlInvCuotaRes->text().isEmpty());
        QVERIFY(v->BtnInvCondiciones->isEnabled());
        QVERIFY(Editable(v->EditInvCapital));
    }

    // Every page change re-reads the page's choice, so CalculoActual always
    // describes the visible page.
    void cambioDePagina() {
        auto v = AbrirVentana();
        v->CbPresCalculos->setCurrentIndex(2);
        v->pcCalculos->setCurrentWidget(v->tsInv);
        QCOMPARE(int(CalculoActual), 4);
        QCOMPARE(v->PnlInfoCalculos->text(), QStringLiteral(" Inversiones"));
        QCOMPARE(ContextoAyuda(v.get()), 6160);
        QVERIFY(Bloqueado(v->EditInvCuota));
        QVERIFY(Editable(v->EditInvCapInicial));
        v->pcCalculos->setCurrentWidget(v->tsDep);
        v->CbDepCalculos->setCurrentIndex(2);
        QCOMPARE(int(CalculoActual), 10);
        QCOMPARE(v->PnlInfoCalculos->text(), QStringLiteral(" Depreciaciones"));
        QCOMPARE(ContextoAyuda(v.get()), 6200);
        v->pcCalculos->setCurrentWidget(v->tsPres);
        QCOMPARE(int(CalculoActual), 2);
        QVERIFY(Bloqueado(v->EditPresNum));
        QVERIFY(Editable(v->EditPresCuota));
    }

    // The loan of the manual, typed and calculated with Enter from wherever
    // the focus is.
    void prestamoConEnter_data() {
        QTest::addColumn<QString>("foco");
        QTest::addColumn<int>("tecla");
        QTest::newRow("Intro en el capital") << "EditPresCapital" << int(Qt::Key_Return);
        QTest::newRow("Intro del teclado numérico") << "EditPresNum" << int(Qt::Key_Enter);
        QTest::newRow("en la fecha") << "EditPresFecha" << int(Qt::Key_Return);
        QTest::newRow("en la lista de aportaciones") << "cbPresAportacion" << int(Qt::Key_Return);
        QTest::newRow("en la lista de cálculos") << "CbPresCalculos" << int(Qt::Key_Return);
    }
    void prestamoConEnter() {
        QFETCH(QString, foco);
        QFETCH(int, tecla);
        RegistroDialogos registro;
        auto v = AbrirVentana();
        Escribir(v->EditPresCapital, QStringLiteral("10000"));
        Escribir(v->EditPresInteres, QStringLiteral("6"));
        Escribir(v->EditPresNum, QStringLiteral("12"));
        QWidget* destino = v->findChild<QWidget*>(foco);
        destino->setFocus();
        QTest::keyClick(destino, Qt::Key(tecla));
        QCOMPARE(v->EditPresCuota->text(), QStringLiteral("860,66"));
        QCOMPARE(v->PnlPresCuotaRes->text(), QStringLiteral("860,66"));
        QCOMPARE(v->PnlPresPagado->text(), QStringLiteral("10.327,96"));
        QCOMPARE(v->PnlPresIntereses->text(), QStringLiteral("327,96"));
        QCOMPARE(v->PnlPresPorcentaje->text(), QStringLiteral("3,18"));
        QCOMPARE(v->PnlPresCapitalRes->text(), QStringLiteral("10.000,00"));
        QCOMPARE(v->PnlPresNumRes->text(), QStringLiteral("12"));
        QCOMPARE(v->Prestamo().NumCuotas, 12);
        QVERIFY(qAbs(v->Prestamo().Cuota - 860.66) < 0.005);
        QVERIFY(!v->CalculoFallido());
        QVERIFY(registro.Mostrados().isEmpty());
    }

    // Start-of-period timing and the tool buttons reach the same calculation.
    void prestamoDesdeBotones() {
        auto v = AbrirVentana();
        v->EditPresCapital->setText(QStringLiteral("10000"));
        v->EditPresInteres->setText(QStringLiteral("6"));
        v->EditPresNum->setText(QStringLiteral("12"));
        v->cbPresAportacion->setCurrentIndex(1);
        QTest::mouseClick(v->BtnPresCalcular, Qt::LeftButton);
        QCOMPARE(v->EditPresCuota->text(), QStringLiteral("856,38"));
        v->cbPresAportacion->setCurrentIndex(0);
        QTest::mouseClick(v->BtnCalcular, Qt::LeftButton);
        QCOMPARE(v->EditPresCuota->text(), QStringLiteral("860,66"));
        v->EditPresCuota->clear();
        QTest::keyClick(v->EditPresNum, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(v->EditPresCuota->text(), QStringLiteral("860,66"));
    }

    void inversionYDepreciacion_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("elemento");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("esperado");
        const QStringList inv{"EditInvCuota", "EditInvInteres", "EditInvNum", "EditInvCapInicial"};
        QTest::newRow("capital final") << 1 << 3 << inv << QStringList{"100", "6", "120", "1000"}
                                       << "PnlInvCapitalRes" << "18.289,27";
        const QStringList dep{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil", "EditDepAniosCalculo"};
        const QStringList datos{"10000", "1000", "5", "3"};
        QTest::newRow("lineal") << 2 << 0 << dep << datos << "PnlDepDepreciacionCalculada" << "5.400,00";
        QTest::newRow("acelerada") << 2 << 1 << dep << datos << "PnlDepValorFinalCalculado" << "2.800,00";
        QTest::newRow("doble") << 2 << 2 << dep << datos << "PnlDepDepreciacionCalculada" << "7.840,00";
    }
    void inversionYDepreciacion() {
        QFETCH(int, pagina);
        QFETCH(int, elemento);
        QFETCH(QStringList, campos);
        QFETCH(QStringList, textos);
        QFETCH(QString, panel);
        QFETCH(QString, esperado);
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentIndex(pagina);
        (pagina == 1 ? v->CbInvCalculos : v->CbDepCalculos)->setCurrentIndex(elemento);
        for (int i = 0; i < campos.size(); ++i)
            Escribir(Campo(*v, qPrintable(campos[i])), textos[i]);
        QTest::keyClick(Campo(*v, qPrintable(campos[0])), Qt::Key_Return);
        QCOMPARE(v->findChild<TPanelResultado*>(panel)->text(), esperado);
    }

    // The date the page fills in keeps whole years; a date the person types
    // starts the asset in its month, and clearing the page forgets it.
    void depreciacionDesdeLaFechaEscrita() {
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentWidget(v->tsDep);
        const QStringList campos{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil", "EditDepAniosCalculo"};
        auto calcular = [&] {
            for (int i = 0; i < campos.size(); ++i)
                Escribir(Campo(*v, qPrintable(campos[i])), QStringList{"10000", "1000", "5", "3"}[i]);
            v->AccCalcular->trigger();
            return v->PnlDepDepreciacionCalculada->text();
        };
        v->EditDepFecha->setText(QStringLiteral("15/07/2024"));
        QCOMPARE(calcular(), QStringLiteral("5.400,00"));
        Escribir(v->EditDepFecha, QStringLiteral("15072024"));
        QCOMPARE(v->EditDepFecha->text(), QStringLiteral("15/07/2024"));
        // Half of 1.800 in 2024, then 1.800 in each of 2025 and 2026.
        QCOMPARE(calcular(), QStringLiteral("4.500,00"));
        v->AccInicializar->trigger();
        QCOMPARE(calcular(), QStringLiteral("5.400,00"));
    }

    // A kind of asset from the tax table fills the shortest life its
    // coefficient allows; a life outside its limits is worked out and warned of.
    void depreciacionConTablaFiscal() {
        RegistroDialogos registro;
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentWidget(v->tsDep);
        v->CbDepTablaFiscal->setCurrentIndex(v->CbDepTablaFiscal->findText(QStringLiteral("Maquinaria"),
                                                                            Qt::MatchStartsWith));
        QCOMPARE(v->EditDepAniosUtil->text(), QStringLiteral("9"));
        Escribir(v->EditDepValorInicial, QStringLiteral("9000"));
        Escribir(v->EditDepAniosCalculo, QStringLiteral("1"));
        v->AccCalcular->trigger();
        QCOMPARE(v->PnlDepDepreciacionCalculada->text(), QStringLiteral("1.000,00"));
        QVERIFY(registro.Mostrados().isEmpty());
        Escribir(v->EditDepAniosUtil, QStringLiteral("20"));
        v->AccCalcular->trigger();
        QCOMPARE(v->PnlDepDepreciacionCalculada->text(), QStringLiteral("450,00"));
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Tabla fiscal"));
        QVERIFY(registro.Mostrados()[0].mensaje.contains(QStringLiteral("mayor que el periodo máximo")));
    }

    void inversionEscribeLaIncognita() {
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentWidget(v->tsInv);
        v->CbInvCalculos->setCurrentIndex(3);
        v->EditInvCuota->setText(QStringLiteral("100"));
        v->EditInvInteres->setText(QStringLiteral("6"));
        v->EditInvNum->setText(QStringLiteral("120"));
        v->EditInvCapInicial->setText(QStringLiteral("1000"));
        v->AccCalcular->trigger();
        QCOMPARE(v->EditInvCapital->text(), QStringLiteral("18289,27"));
        QCOMPARE(v->PnlInvInvertido->text(), QStringLiteral("13.000,00"));
        QCOMPARE(v->PnlInvRendimiento->text(), QStringLiteral("5.289,27"));
        QCOMPARE(v->PnlInvPorcentaje->text(), QStringLiteral("28,92"));
        QCOMPARE(v->Inversion().CapInicial, 1000.0);
    }

    // Ctrl+N clears the page but keeps the chosen calculation and its lock.
    void inicializar() {
        auto v = AbrirVentana();
        v->CbPresCalculos->setCurrentIndex(1);
        v->EditPresCapital->setText(QStringLiteral("10000"));
        v->EditPresCuota->setText(QStringLiteral("900"));
        v->EditPresNum->setText(QStringLiteral("12"));
        v->EditPresFecha->setText(QStringLiteral("01/02/2020"));
        v->cbPresAportacion->setCurrentIndex(1);
        v->AccCalcular->trigger();
        QVERIFY(!v->PnlPresIntRes->text().isEmpty());
        QTest::keyClick(v->EditPresCapital, Qt::Key_N, Qt::ControlModifier);
        for (QLineEdit* campo : {v->EditPresCuota, v->EditPresInteres, v->EditPresNum, v->EditPresCapital})
            QVERIFY(campo->text().isEmpty());
        for (TPanelResultado* panel : v->PnlPresResul->findChildren<TPanelResultado*>())
            QVERIFY(panel->text().isEmpty());
        QCOMPARE(v->EditPresFecha->text(), TextoFecha(QDate::currentDate()));
        QCOMPARE(v->cbPresAportacion->currentIndex(), 0);
        QCOMPARE(int(CalculoActual), 1);
        QVERIFY(Bloqueado(v->EditPresInteres));

        v->pcCalculos->setCurrentWidget(v->tsInv);
        v->CbInvAportacion->setCurrentIndex(0);
        v->EditInvCapInicial->setText(QStringLiteral("5"));
        v->AccInicializar->trigger();
        QCOMPARE(v->CbInvAportacion->currentIndex(), 1);
        QVERIFY(v->EditInvCapInicial->text().isEmpty());

        v->pcCalculos->setCurrentWidget(v->tsDep);
        v->EditDepAniosUtil->setText(QStringLiteral("5"));
        v->EditDepFecha->setFocus();
        v->AccInicializar->trigger();
        QVERIFY(v->EditDepAniosUtil->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), v->EditDepValorInicial);
    }

    // Refused calculations: the warning's title, text and kind, what is
    // written back and where the focus goes.
    void avisos_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("elemento");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("inicioTexto");
        QTest::addColumn<QString>("foco");
        const QStringList pres{"EditPresCapital", "EditPresInteres", "EditPresNum", "EditPresCuota"};
        QTest::newRow("cuota sin cuotas")
            << 0 << 0 << pres << QStringList{"10000", "6", "0", "777"} << "Cálculo de la cuota de un préstamo"
            << "El número de cuotas debe ser mayor que cero." << "";
        QTest::newRow("cuota insuficiente")
            << 0 << 2 << pres << QStringList{"10000", "6", "", "50"} << "Cálculo de número de cuotas de un préstamo"
            << "Debe aumentar el importe de la cuota para" << "EditPresCuota";
        QTest::newRow("interés imposible")
            << 0 << 1 << pres << QStringList{"10000", "", "10", "1000"} << "Cálculo del interés de un préstamo"
            << "El producto de la cuota por el número de cuotas" << "";
        const QStringList inv{"EditInvCuota", "EditInvInteres", "EditInvNum", "EditInvCapital", "EditInvCapInicial"};
        QTest::newRow("capital inicial que basta")
            << 1 << 0 << inv << QStringList{"", "6", "120", "20000", "15000"} << "Cálculo de la cuota de una inversión"
            << "El capital inicial produce por sí solo un capital" << "";
        QTest::newRow("inversión con cuota insuficiente")
            << 1 << 2 << inv << QStringList{"0", "0", "", "20000", "1000"}
            << "Cálculo del número de cuotas de una inversión" << "Debe aumentar el importe de la cuota para"
            << "EditInvCuota";
        QTest::newRow("retirada sin capital")
            << 1 << 4 << inv << QStringList{"", "3", "240", "", ""} << "Cálculo de la retirada de una inversión"
            << "El capital inicial debe ser mayor que cero." << "EditInvCapInicial";
        QTest::newRow("retirada sin meses")
            << 1 << 4 << inv << QStringList{"", "3", "0", "", "1000"} << "Cálculo de la retirada de una inversión"
            << "El número de cuotas debe ser mayor que cero." << "EditInvNum";
        const QStringList dep{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil", "EditDepAniosCalculo"};
        QTest::newRow("depreciación sin años")
            << 2 << 0 << dep << QStringList{"10000", "1000", "0", "3"} << "Cálculo de la depreciación"
            << "El número de años de vida útil debe ser mayor que cero." << "";
    }
    void avisos() {
        QFETCH(int, pagina);
        QFETCH(int, elemento);
        QFETCH(QStringList, campos);
        QFETCH(QStringList, textos);
        QFETCH(QString, titulo);
        QFETCH(QString, inicioTexto);
        QFETCH(QString, foco);
        RegistroDialogos registro;
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentIndex(pagina);
        QComboBox* listas[] = {v->CbPresCalculos, v->CbInvCalculos, v->CbDepCalculos};
        listas[pagina]->setCurrentIndex(elemento);
        for (int i = 0; i < campos.size(); ++i)
            Campo(*v, qPrintable(campos[i]))->setText(textos[i]);
        QWidget* inicio = v->CbPresCalculos->window()->focusWidget();
        v->AccCalcular->trigger();
        QCOMPARE(registro.Mostrados().size(), 1);
        const DialogoMostrado aviso = registro.Mostrados().first();
        QCOMPARE(aviso.titulo, titulo);
        QVERIFY2(aviso.mensaje.startsWith(inicioTexto), qPrintable(aviso.mensaje));
        QCOMPARE(aviso.tipo, int(AvisoAtencion));
        QVERIFY(v->CalculoFallido());
        if (foco.isEmpty())
            QCOMPARE(QApplication::focusWidget(), inicio);
        else
            QCOMPARE(QApplication::focusWidget(), v->findChild<QWidget*>(foco));
    }

    // A refused instalment writes nothing back, and with no earlier result
    // the panels stay empty; a refused depreciation leaves the panels as
    // they were.
    void rechazoNoEscribe() {
        auto v = AbrirVentana();
        v->EditPresCuota->setText(QStringLiteral("123"));
        v->EditPresCapital->setText(QStringLiteral("10000"));
        v->AccCalcular->trigger();
        QCOMPARE(v->EditPresCuota->text(), QStringLiteral("123"));
        QCOMPARE(v->EditPresNum->text(), QStringLiteral("0"));
        for (TPanelResultado* panel : v->PnlPresResul->findChildren<TPanelResultado*>())
            QVERIFY2(panel->text().isEmpty(), qPrintable(panel->objectName()));
        QCOMPARE(v->PnlPresInfo->text(), kResultadosVigentes);

        v->pcCalculos->setCurrentWidget(v->tsDep);
        v->EditDepValorInicial->setText(QStringLiteral("10000"));
        v->EditDepValorFinal->setText(QStringLiteral("1000"));
        v->EditDepAniosUtil->setText(QStringLiteral("5"));
        v->EditDepAniosCalculo->setText(QStringLiteral("8"));
        v->AccCalcular->trigger();
        QCOMPARE(v->PnlDepDepreciacionCalculada->text(), QStringLiteral("9.000,00"));
        v->EditDepValorFinal->setText(QStringLiteral("20000"));
        v->AccCalcular->trigger();
        QVERIFY(v->CalculoFallido());
        QCOMPARE(v->PnlDepDepreciacionCalculada->text(), QStringLiteral("9.000,00"));
        QCOMPARE(v->PnlDepValorFinalUtil->text(), QStringLiteral("1.000,00"));
    }

    // A refused calculation never leaves old figures beside new ones: every
    // panel keeps the last good result and the heading says that these are
    // not the results of the data on show. The table is not built from them.
    void rechazoConservaLosResultados_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<int>("calculo");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QStringList>("buenos");
        QTest::addColumn<QStringList>("rechazados");
        QTest::newRow("préstamo cuyo total pasa del máximo")
            << 0 << 0 << QStringList{"EditPresCapital", "EditPresInteres", "EditPresNum"}
            << QStringList{"100000", "3,5", "300"} << QStringList{"500000000000000", "15", "1200"};
        QTest::newRow("ahorro cuyo interés no se puede mostrar")
            << 1 << 1 << QStringList{"EditInvCuota", "EditInvNum", "EditInvCapital"}
            << QStringList{"100", "120", "20000"} << QStringList{"1", "1", "10000000000000"};
        QTest::newRow("depreciación con el valor final mayor")
            << 2 << 0 << QStringList{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil", "EditDepAniosCalculo"}
            << QStringList{"10000", "1000", "5", "3"} << QStringList{"10000", "20000", "5", "3"};
    }
    void rechazoConservaLosResultados() {
        QFETCH(int, pagina);
        QFETCH(int, calculo);
        QFETCH(QStringList, campos);
        QFETCH(QStringList, buenos);
        QFETCH(QStringList, rechazados);
        RegistroDialogos registro;
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentIndex(pagina);
        QList<QComboBox*>{v->CbPresCalculos, v->CbInvCalculos, v->CbDepCalculos}[pagina]->setCurrentIndex(calculo);
        QWidget* resultados = QList<QWidget*>{v->PnlPresResul, v->PnlInvResul, v->PnlDepResul}[pagina];
        QLabel* cabecera = QList<QLabel*>{v->PnlPresInfo, v->PnlInvInfo, v->PnlDepInfo}[pagina];
        auto paneles = [resultados] {
            QStringList textos;
            for (TPanelResultado* panel : resultados->findChildren<TPanelResultado*>())
                textos << panel->text();
            return textos;
        };
        auto calcular = [&](const QStringList& textos) {
            for (int i = 0; i < campos.size(); ++i)
                Campo(*v, qPrintable(campos[i]))->setText(textos[i]);
            v->AccCalcular->trigger();
        };
        calcular(buenos);
        QVERIFY(!v->CalculoFallido());
        const QStringList anteriores = paneles();
        QVERIFY(!anteriores.join(QString()).isEmpty());
        calcular(rechazados);
        QVERIFY(v->CalculoFallido());
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(paneles(), anteriores);
        QCOMPARE(cabecera->text(), kResultadosRechazados);
        // Asked for the table, the calculation is refused again and no table opens.
        int tablas = 0;
        registro.ResponderCon(
            [&tablas](QDialog& d) { tablas += qobject_cast<TFormDesarrolloCalculos*>(&d) != nullptr; });
        v->AccDesarrollar->trigger();
        QCOMPARE(tablas, 0);
        QCOMPARE(registro.Mostrados().size(), 2);
        QCOMPARE(paneles(), anteriores);
    }

    // A solved rate too small for two decimals shows the digits that make it
    // non-zero, in its panel and its box, and the next calculation uses the
    // rate as solved: the savings' capital comes back to the cent.
    void interesDiminuto() {
        RegistroDialogos registro;
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentWidget(v->tsInv);
        v->CbInvCalculos->setCurrentIndex(1);
        v->EditInvCuota->setText(QStringLiteral("100"));
        v->EditInvNum->setText(QStringLiteral("1200"));
        v->EditInvCapital->setText(QStringLiteral("120100"));
        v->AccCalcular->trigger();
        QCOMPARE(v->PnlInvIntRes->text(), QStringLiteral("0,0017"));
        QCOMPARE(v->EditInvInteres->text(), QStringLiteral("0,0017"));
        QCOMPARE(v->PnlInvRendimiento->text(), QStringLiteral("100,00"));
        v->CbInvCalculos->setCurrentIndex(3);
        v->AccCalcular->trigger();
        QCOMPARE(v->EditInvCapital->text(), QStringLiteral("120100,00"));

        v->pcCalculos->setCurrentWidget(v->tsPres);
        v->CbPresCalculos->setCurrentIndex(1);
        v->EditPresCuota->setText(QStringLiteral("277,78"));
        v->EditPresNum->setText(QStringLiteral("360"));
        v->EditPresCapital->setText(QStringLiteral("100000"));
        v->AccCalcular->trigger();
        QVERIFY(registro.Mostrados().isEmpty());
        for (TPanelResultado* panel : {v->PnlPresIntRes, v->PnlPresTAE}) {
            QVERIFY2(panel->text().startsWith(QStringLiteral("0,0000")), qPrintable(panel->text()));
            QVERIFY2(LeerImporte(panel->text()) > 0, qPrintable(panel->text()));
        }
        QCOMPARE(v->EditPresInteres->text(), v->PnlPresIntRes->text());
    }

    // Text that is not a number, pasted in, is reported as an error and the
    // window goes on working.
    void textoQueNoEsNumero() {
        RegistroDialogos registro;
        auto v = AbrirVentana();
        v->EditPresCapital->setText(QStringLiteral("diez mil"));
        v->EditPresInteres->setText(QStringLiteral("6"));
        v->EditPresNum->setText(QStringLiteral("12"));
        QTest::keyClick(v->EditPresInteres, Qt::Key_Return);
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados().first().tipo, int(AvisoError));
        QVERIFY2(registro.Mostrados().first().mensaje.contains(QStringLiteral("diez mil")),
                 qPrintable(registro.Mostrados().first().mensaje));
        QVERIFY(v->PnlPresCuotaRes->text().isEmpty());
        QVERIFY(v->isVisible());
        Escribir(v->EditPresCapital, QStringLiteral("10000"));
        QTest::keyClick(v->EditPresCapital, Qt::Key_Return);
        QCOMPARE(v->EditPresCuota->text(), QStringLiteral("860,66"));
        QCOMPARE(registro.Mostrados().size(), 1);
    }

    // Once a box changes after a calculation, the heading says that the
    // results belong to the previous data, until the next calculation or
    // Ctrl+N restores it.
    void resultadosDeDatosAnteriores_data() {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QString>("cambiado");
        QTest::addColumn<QString>("nuevo");
        const QStringList pres{"EditPresCapital", "EditPresInteres", "EditPresNum"};
        const QStringList datosPres{"10000", "6", "12"};
        QTest::newRow("préstamo, capital tecleado") << 0 << pres << datosPres << "EditPresCapital" << "20000";
        QTest::newRow("préstamo, forma de pago") << 0 << pres << datosPres << "cbPresAportacion" << "";
        QTest::newRow("inversión, capital inicial puesto desde fuera")
            << 1 << QStringList{"EditInvInteres", "EditInvNum", "EditInvCapital"}
            << QStringList{"6", "120", "20000"} << "EditInvCapInicial" << "500";
        QTest::newRow("depreciación, años a calcular")
            << 2 << QStringList{"EditDepValorInicial", "EditDepValorFinal", "EditDepAniosUtil", "EditDepAniosCalculo"}
            << QStringList{"10000", "1000", "5", "3"} << "EditDepAniosCalculo" << "4";
    }
    void resultadosDeDatosAnteriores() {
        QFETCH(int, pagina);
        QFETCH(QStringList, campos);
        QFETCH(QStringList, textos);
        QFETCH(QString, cambiado);
        QFETCH(QString, nuevo);
        RegistroDialogos registro;
        auto v = AbrirVentana();
        v->pcCalculos->setCurrentIndex(pagina);
        QLabel* cabecera = QList<QLabel*>{v->PnlPresInfo, v->PnlInvInfo, v->PnlDepInfo}[pagina];
        const Cabecera normal = LeerCabecera(cabecera);
        QCOMPARE(normal.texto, kResultadosVigentes);
        auto cambiar = [&] {
            if (auto* lista = v->findChild<QComboBox*>(cambiado)) {
                lista->setCurrentIndex(1 - lista->currentIndex());
                return;
            }
            QLineEdit* campo = Campo(*v, qPrintable(cambiado));
            if (cambiado.startsWith(QLatin1String("EditInv")))  // as the calculator button writes it
                campo->setText(campo->text() == nuevo ? nuevo + '0' : nuevo);
            else
                Escribir(campo, nuevo);
        };

        // Before any calculation there are no results to be stale.
        for (int i = 0; i < campos.size(); ++i)
            Escribir(Campo(*v, qPrintable(campos[i])), textos[i]);
        QCOMPARE(cabecera->text(), kResultadosVigentes);
        QTest::keyClick(Campo(*v, qPrintable(campos[1])), Qt::Key_Return);
        QCOMPARE(cabecera->text(), kResultadosVigentes);

        cambiar();
        const Cabecera anterior = LeerCabecera(cabecera);
        QCOMPARE(anterior.texto, kResultadosAnteriores);
        QVERIFY(Distancia(anterior.fondo, normal.fondo) > 100);
        QVERIFY(Distancia(anterior.letra, anterior.fondo) > 300);

        QTest::keyClick(Campo(*v, qPrintable(campos[1])), Qt::Key_Return);
        const Cabecera otraVez = LeerCabecera(cabecera);
        QCOMPARE(otraVez.texto, kResultadosVigentes);
        QCOMPARE(otraVez.fondo, normal.fondo);
        QCOMPARE(otraVez.letra, normal.letra);

        cambiar();
        QCOMPARE(cabecera->text(), kResultadosAnteriores);
        QTest::keyClick(Campo(*v, qPrintable(campos[1])), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(LeerCabecera(cabecera).texto, kResultadosVigentes);
        QCOMPARE(LeerCabecera(cabecera).fondo, normal.fondo);
        QVERIFY(registro.Mostrados().isEmpty());
    }

    // Each page keeps its own heading; a refused depreciation leaves the old
    // panels, under a heading that says the data on show could not be
    // calculated.
    void resultadosAnterioresPorPagina() {
        RegistroDialogos registro;
        auto v = AbrirVentana();
        v->EditPresCapital->setText(QStringLiteral("10000"));
        v->EditPresNum->setText(QStringLiteral("12"));
        v->AccCalcular->trigger();
        v->pcCalculos->setCurrentWidget(v->tsDep);
        v->EditDepValorInicial->setText(QStringLiteral("10000"));
        v->EditDepValorFinal->setText(QStringLiteral("1000"));
        v->EditDepAniosUtil->setText(QStringLiteral("5"));
        v->EditDepAniosCalculo->setText(QStringLiteral("3"));
        v->AccCalcular->trigger();
        v->EditDepValorFinal->setText(QStringLiteral("20000"));
        v->AccCalcular->trigger();
        QVERIFY(v->CalculoFallido());
        QCOMPARE(v->PnlDepInfo->text(), kResultadosRechazados);
        QCOMPARE(v->PnlPresInfo->text(), kResultadosVigentes);
        v->pcCalculos->setCurrentWidget(v->tsPres);
        v->EditPresInteres->setText(QStringLiteral("5"));
        QCOMPARE(v->PnlPresInfo->text(), kResultadosAnteriores);
        QCOMPARE(v->PnlInvInfo->text(), kResultadosVigentes);
        v->AccDesarrollar->trigger();  // the table's calculation is a calculation too
        QCOMPARE(v->PnlPresInfo->text(), kResultadosVigentes);
    }

    // After a change of page the control with the caret shows the focus
    // colour, and no other control keeps it. A page given back its focus
    // returns it to the box that last had it.
    void focoTrasCambiarDePagina() {
        auto v = AbrirVentana();
        v->EditPresCapital->setFocus();
        QTabBar* pestanas = v->pcCalculos->tabBar();
        auto tecla = [](Qt::Key k) { return [k] { QTest::keyClick(QApplication::focusWidget(), k, Qt::AltModifier); }; };
        auto clic = [pestanas](int i) {
            return [pestanas, i] { QTest::mouseClick(pestanas, Qt::LeftButton, {}, pestanas->tabRect(i).center()); };
        };
        const QList<std::tuple<QString, std::function<void()>, QWidget*>> cambios{
            {"Alt+I", tecla(Qt::Key_I), v->CbInvCalculos},
            {"un clic en el número de cuotas", [&] { QTest::mouseClick(v->EditInvNum, Qt::LeftButton); }, v->EditInvNum},
            {"Alt+P", tecla(Qt::Key_P), v->EditPresCapital},
            {"Alt+D", tecla(Qt::Key_D), v->CbDepCalculos},
            {"Alt+I de vuelta", tecla(Qt::Key_I), v->EditInvNum},
            {"clic en Préstamos", clic(0), v->EditPresCapital},
            {"clic en Inversiones", clic(1), v->EditInvNum},
        };
        for (const auto& [nombre, cambiar, esperado] : cambios) {
            cambiar();
            QWidget* foco = QApplication::focusWidget();
            QVERIFY2(foco == esperado, qPrintable(nombre + ": " + (foco ? foco->objectName() : QStringLiteral("nadie"))));
            QVERIFY2(ColorFondo(foco) == ColorResaltado, qPrintable(nombre));
            for (QWidget* control : v->pcCalculos->findChildren<QWidget*>()) {
                if ((qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)) && control != foco)
                    QVERIFY2(ColorFondo(control) != ColorResaltado, qPrintable(nombre + ": " + control->objectName()));
            }
        }
    }

    // Escape asks before leaving; "No" keeps the program running.
    void salirPideConfirmacion() {
        RegistroDialogos registro;
        auto v = AbrirVentana();
        QTest::keyClick(v->EditPresCapital, Qt::Key_Escape);
        QCOMPARE(registro.Mostrados().size(), 1);
        const DialogoMostrado pregunta = registro.Mostrados().first();
        QCOMPARE(pregunta.titulo, QStringLiteral("Salir del programa"));
        QCOMPARE(pregunta.mensaje, QStringLiteral("¿Terminamos la ejecución del programa?"));
        QCOMPARE(pregunta.tipo, int(AvisoConfirmacion));
        QCOMPARE(pregunta.botones, int(BotonesSiNo));
        QVERIFY(v->isVisible());
        registro.Responder(true);
        QTest::mouseClick(v->BtnSalir, Qt::LeftButton);
        QCOMPARE(registro.Mostrados().size(), 2);
        QVERIFY(!v->isVisible());
    }

    // Screen readers find every control by its label and read the results.
    void accesibilidad() {
        auto v = AbrirVentana();
        v->EditPresCapital->setText(QStringLiteral("10000"));
        v->EditPresInteres->setText(QStringLiteral("6"));
        v->EditPresNum->setText(QStringLiteral("12"));
        v->AccCalcular->trigger();
        for (QWidget* control : v->findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QComboBox*>(control) &&
                !qobject_cast<TPanelResultado*>(control) && !qobject_cast<QToolButton*>(control))
                continue;
            if (qobject_cast<QComboBox*>(control->parent()) || qobject_cast<QTabBar*>(control->parent()))
                continue;  // inner parts of Qt's combo boxes and tab bars
            if (control->objectName().startsWith(QLatin1String("qt_")))
                continue;  // Qt's own helpers (tool bar extension button)
            QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(acc, qPrintable(control->objectName()));
            QVERIFY2(!acc->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!acc->text(QAccessible::Description).isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!acc->text(QAccessible::Name).contains(QLatin1Char('&')), qPrintable(control->objectName()));
        }
        QAccessibleInterface* capital = QAccessible::queryAccessibleInterface(v->EditPresCapital);
        QCOMPARE(capital->text(QAccessible::Name), QStringLiteral("Capital"));
        QCOMPARE(capital->text(QAccessible::Description), QStringLiteral("Capital del préstamo solicitado"));
        QAccessibleInterface* pagado = QAccessible::queryAccessibleInterface(v->PnlPresPagado);
        QCOMPARE(pagado->text(QAccessible::Name), QStringLiteral("Total pagado"));
        QVERIFY(pagado->textInterface());
        QCOMPARE(pagado->textInterface()->text(0, pagado->textInterface()->characterCount()),
                 QStringLiteral("10.327,96"));
        QCOMPARE(pagado->text(QAccessible::Value), QStringLiteral("10.327,96"));
    }

    // Extreme but accepted inputs give a figure or a message on every
    // calculation, never a hang or an "inf"/"nan" in a box or a panel.
    void entradasExtremas_data() {
        QTest::addColumn<QString>("importe");
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<QString>("interes");
        QTest::newRow("enormes") << "1e15" << "2147483647" << "1e15";
        QTest::newRow("importe enorme, interés pequeño") << "1000000000000000" << "2147483647" << "0,0001";
        QTest::newRow("diminutos") << "0,01" << "1" << "0";
    }
    void entradasExtremas() {
        QFETCH(QString, importe);
        QFETCH(QString, cuenta);
        QFETCH(QString, interes);
        RegistroDialogos registro;
        auto v = AbrirVentana();
        const QList<std::pair<QWidget*, QComboBox*>> paginas{
            {v->tsPres, v->CbPresCalculos}, {v->tsInv, v->CbInvCalculos}, {v->tsDep, v->CbDepCalculos}};
        for (const auto& [pagina, lista] : paginas) {
            v->pcCalculos->setCurrentWidget(pagina);
            for (int elemento = 0; elemento < lista->count(); ++elemento) {
                lista->setCurrentIndex(elemento);
                for (QLineEdit* campo : pagina->findChildren<QLineEdit*>()) {
                    if (!campo->inputMask().isEmpty())
                        continue;
                    const QString nombre = campo->objectName();
                    const bool esCuenta = nombre.endsWith(QLatin1String("Num")) || nombre.contains(QLatin1String("Anios"));
                    campo->setText(esCuenta ? cuenta
                                            : nombre.contains(QLatin1String("Interes")) ? interes : importe);
                }
                v->AccCalcular->trigger();
                QList<QWidget*> vistos;
                for (QLineEdit* campo : pagina->findChildren<QLineEdit*>())
                    vistos << campo;
                for (TPanelResultado* panel : pagina->findChildren<TPanelResultado*>())
                    vistos << panel;
                for (QWidget* visto : vistos) {
                    const QString texto = visto->property("text").toString().toLower();
                    QVERIFY2(!texto.contains(QLatin1String("inf")) && !texto.contains(QLatin1String("nan")),
                             qPrintable(QStringLiteral("%1 en %2 (elemento %3)").arg(texto, visto->objectName()).arg(elemento)));
                }
            }
        }
        QVERIFY(v->isVisible());
    }

    // F1 opens the topic of the visible page; the tool button the contents.
    void ayudaYEnlace() {
        QList<int> temas;
        puertas::FijarVisorAyuda([&temas](int contexto, QWidget*) { temas << contexto; });
        InstalarAyudaF1(*qApp);
        RegistroDialogos registro;
        auto v = AbrirVentana();
        for (QWidget* pagina : {v->tsInv, v->tsDep, v->tsPres}) {
            v->pcCalculos->setCurrentWidget(pagina);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : v.get(), Qt::Key_F1);
        }
        QTest::mouseClick(v->BtnAyuda, Qt::LeftButton);
        puertas::FijarVisorAyuda([](int, QWidget*) {});
        QCOMPARE(temas, (QList<int>{6160, 6200, 6120, 0}));

        QTest::mouseClick(v->LblDescargaZelvarMoney, Qt::LeftButton);
        QCOMPARE(registro.Direcciones().size(), 1);
        QVERIFY(registro.Direcciones().first().toString().startsWith(QLatin1String("http://")));
    }

    void pistas() {
        auto v = AbrirVentana();
        QCOMPARE(v->EditInvCapInicial->toolTip(), QStringLiteral("Capital inicial de la inversión"));
        QCOMPARE(v->EditInvCapInicial->statusTip(), QStringLiteral("Capital inicial de la inversión"));
        QCOMPARE(v->PnlDepValorFinalUtil->toolTip(), QStringLiteral("Valor al final de la vida útil"));
        QCOMPARE(v->BtnDesarrollar->toolTip(), QStringLiteral("Presentar una tabla con el desarrollo de los cálculos"));
        QCOMPARE(v->AccDesarrollar->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));

        QWidget boton;
        AplicarPista(&boton, QStringLiteral("Seleccionar una fecha|Seleccionar una fecha (pulse el botón derecho)"));
        QCOMPARE(boton.toolTip(), QStringLiteral("Seleccionar una fecha"));
        QCOMPARE(boton.statusTip(), QStringLiteral("Seleccionar una fecha (pulse el botón derecho)"));
        QCOMPARE(boton.accessibleDescription(), boton.statusTip());
        QCOMPARE(SinAcelerador(QStringLiteral("Años a &calcular")), QStringLiteral("Años a calcular"));
        QCOMPARE(SinAcelerador(QStringLiteral("A && B")), QStringLiteral("A & B"));
    }
};

ZZ_TEST_MAIN(TestFormCalculos)
#include "test_form_calculos.moc"
