// The investments page: its controls, their set-up at creation, and clearing it.
#include "app/controles_pagina.h"
#include "app/form_calculos_financieros.h"
#include "app/panel_resultado.h"
#include "util/fechas.h"
#include "util/utilidades_campos.h"
#include "widgets/boton_calculadora.h"
#include "widgets/boton_fecha.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QToolButton>

QWidget* TFormCalculosFinancieros::CrearPaginaInversiones() {
    tsInv = CrearPagina(QStringLiteral("tsInv"), QStringLiteral("&Inversiones"), PnlInvCalculos, CbInvCalculos,
                        QStringLiteral("CbInvCalculos"), PnlInvDatos, PnlInvInfo, PnlInvResul);

    QGridLayout* datos = RejillaDeDatos(PnlInvDatos);
    EditInvCuota = CrearCampo(datos, 0, 0, QStringLiteral("EditInvCuota"), QStringLiteral("C&uota"),
                              QStringLiteral("Cuota aportada en cada período"), kAnchoNumero);
    EditInvInteres = CrearCampo(datos, 1, 0, QStringLiteral("EditInvInteres"), QStringLiteral("Int&erés"),
                                QStringLiteral("Interés anual de la inversión"), kAnchoNumero);
    EditInvNum = CrearCampo(datos, 2, 0, QStringLiteral("EditInvNum"), QStringLiteral("&Nº Cuotas"),
                            QStringLiteral("Número de cuotas mensuales"), kAnchoNumero);
    EditInvCapital = CrearCampo(datos, 3, 0, QStringLiteral("EditInvCapital"), QStringLiteral("&Capital"),
                                QStringLiteral("Capital final de la inversión"), kAnchoNumero);
    EditInvCapInicial = CrearCampo(datos, 0, 4, QStringLiteral("EditInvCapInicial"), QStringLiteral("Capita&l Inicial"),
                                   QStringLiteral("Capital inicial de la inversión"), kAnchoNumero);
    EditInvFecha = CrearCampo(datos, 1, 4, QStringLiteral("EditInvFecha"), QStringLiteral("P&rimera cuota"),
                              QStringLiteral("Fecha de aportación de la primera cuota"), kAnchoFecha);
    CbInvAportacion = CrearLista(datos, 2, 4, QStringLiteral("CbInvAportacion"), QStringLiteral("&Aportaciones"),
                                 QStringLiteral("Momento en el que se realiza la aportación de las cuotas"),
                                 kAnchoLista);
    BtnInvCuota = CrearBotonCalculadora(EditInvCuota, QStringLiteral("BtnInvCuota"));
    BtnInvInteres = CrearBotonCalculadora(EditInvInteres, QStringLiteral("BtnInvInteres"));
    BtnInvNum = CrearBotonCalculadora(EditInvNum, QStringLiteral("BtnInvNum"));
    BtnInvCapital = CrearBotonCalculadora(EditInvCapital, QStringLiteral("BtnInvCapital"));
    BtnInvCapInicial = CrearBotonCalculadora(EditInvCapInicial, QStringLiteral("BtnInvCapInicial"));
    CrearBotonFecha(EditInvFecha, QStringLiteral("BtnInvFecha"));
    BtnInvCalcular = CrearBotonCalcular(PnlInvDatos, QStringLiteral("BtnInvCalcular"));
    datos->addWidget(BtnInvCalcular, 3, 5, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    QWidget::setTabOrder(CbInvCalculos, EditInvCuota);
    QWidget::setTabOrder(EditInvCuota, EditInvInteres);
    QWidget::setTabOrder(EditInvInteres, EditInvNum);
    QWidget::setTabOrder(EditInvNum, EditInvCapital);
    QWidget::setTabOrder(EditInvCapital, EditInvCapInicial);
    QWidget::setTabOrder(EditInvCapInicial, EditInvFecha);
    QWidget::setTabOrder(EditInvFecha, CbInvAportacion);

    const int ancho = AnchoResultado();
    QGridLayout* resul = RejillaDeResultados(PnlInvResul);
    PnlInvCuotaRes = CrearResultado(resul, 0, 0, QStringLiteral("PnlInvCuotaRes"), QStringLiteral("Cuota"),
                                    QStringLiteral("Cuota aportada en cada período"), ancho);
    PnlInvIntRes = CrearResultado(resul, 1, 0, QStringLiteral("PnlInvIntRes"), QStringLiteral("Interés"),
                                  QStringLiteral("Interés anual de la inversión"), ancho);
    PnlInvNumRes = CrearResultado(resul, 2, 0, QStringLiteral("PnlInvNumRes"), QStringLiteral("Nº Cuotas"),
                                  QStringLiteral("Número de cuotas mensuales"), ancho);
    PnlInvCapInicialRes = CrearResultado(resul, 3, 0, QStringLiteral("PnlInvCapInicialRes"),
                                         QStringLiteral("Cap. Inicial"), QStringLiteral("Capital inicial de la inversión"),
                                         ancho);
    PnlInvInvertido = CrearResultado(resul, 0, 3, QStringLiteral("PnlInvInvertido"), QStringLiteral("Capital Invertido"),
                                     QStringLiteral("Capital total invertido"), ancho);
    PnlInvCapitalRes = CrearResultado(resul, 1, 3, QStringLiteral("PnlInvCapitalRes"), QStringLiteral("Capital Final"),
                                      QStringLiteral("Capital final de la inversión"), ancho);
    PnlInvRendimiento = CrearResultado(resul, 2, 3, QStringLiteral("PnlInvRendimiento"), QStringLiteral("Beneficio"),
                                       QStringLiteral("Beneficio de la inversión"), ancho);
    PnlInvPorcentaje = CrearResultado(resul, 3, 3, QStringLiteral("PnlInvPorcentaje"), QStringLiteral("% Beneficio"),
                                      QStringLiteral("Porcentaje del beneficio sobre el capital final"), ancho);
    return tsInv;
}

void TFormCalculosFinancieros::PrepararPaginaInversiones() {
    for (QLineEdit* campo : {EditInvCuota, EditInvInteres, EditInvCapital, EditInvCapInicial})
        PrepararCampoNumerico(campo, true, false);
    PrepararCampoNumerico(EditInvNum, false, false);
    PrepararCampoFecha(EditInvFecha, true);
    CargarListaTexto(QStringLiteral("Calcular la cuota;Calcular el interés;Calcular el número de cuotas;"
                                    "Calcular el capital final"),
                     CbInvCalculos);
    CbInvCalculos->setCurrentIndex(0);
    CbInvCalculos->setFrame(false);
    EditInvFecha->setText(TextoFecha(QDate::currentDate()));
    CargarListaTexto(QStringLiteral("Final período; Inicio período"), CbInvAportacion);
    CbInvAportacion->setCurrentIndex(1);
    ColorearResultados(PnlInvResul);
}

void TFormCalculosFinancieros::InicializarInversion() {
    for (QLineEdit* campo : {EditInvCuota, EditInvInteres, EditInvNum, EditInvCapital, EditInvCapInicial})
        campo->clear();
    EditInvFecha->setText(TextoFecha(QDate::currentDate()));
    CbInvAportacion->setCurrentIndex(1);
    for (TPanelResultado* panel : {PnlInvCuotaRes, PnlInvIntRes, PnlInvNumRes, PnlInvCapInicialRes, PnlInvInvertido,
                                   PnlInvCapitalRes, PnlInvRendimiento, PnlInvPorcentaje})
        panel->setText(QString());
    CbInvCalculosClick();
}
