// The depreciation page: its controls, their set-up at creation, and clearing it.
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

QWidget* TFormCalculosFinancieros::CrearPaginaDepreciaciones() {
    tsDep = CrearPagina(QStringLiteral("tsDep"), QStringLiteral("&Depreciaciones"), PnlDepCalculos, CbDepCalculos,
                        QStringLiteral("CbDepCalculos"), PnlDepDatos, PnlDepInfo, PnlDepResul);

    QGridLayout* datos = RejillaDeDatos(PnlDepDatos);
    EditDepValorInicial = CrearCampo(datos, 0, 0, QStringLiteral("EditDepValorInicial"),
                                     QStringLiteral("Valor i&nicial"), QStringLiteral("Valor inicial"), kAnchoNumero);
    EditDepValorFinal = CrearCampo(datos, 1, 0, QStringLiteral("EditDepValorFinal"), QStringLiteral("Valor &final"),
                                   QStringLiteral("Valor final"), kAnchoNumero);
    EditDepAniosUtil = CrearCampo(datos, 2, 0, QStringLiteral("EditDepAniosUtil"), QStringLiteral("Años de vida &útil"),
                                  QStringLiteral("Años de vida útil"), kAnchoNumero);
    EditDepAniosCalculo = CrearCampo(datos, 3, 0, QStringLiteral("EditDepAniosCalculo"),
                                     QStringLiteral("Años a &calcular"),
                                     QStringLiteral("Años de cálculo de la depreciación"), kAnchoNumero);
    EditDepFecha = CrearCampo(datos, 0, 4, QStringLiteral("EditDepFecha"), QStringLiteral("&Fecha"),
                              QStringLiteral("Fecha inicial del cálculo"), kAnchoFecha);
    CrearBotonCalculadora(EditDepValorInicial, QStringLiteral("BtnDepValorInicial"));
    CrearBotonCalculadora(EditDepValorFinal, QStringLiteral("BtnDepValorFinal"));
    CrearBotonCalculadora(EditDepAniosUtil, QStringLiteral("BtnDepAniosUtil"));
    CrearBotonCalculadora(EditDepAniosCalculo, QStringLiteral("BtnDepAniosCalculo"));
    CrearBotonFecha(EditDepFecha, QStringLiteral("BtnDepFecha"));
    BtnDepCalcular = CrearBotonCalcular(PnlDepDatos, QStringLiteral("BtnDepCalcular"));
    datos->addWidget(BtnDepCalcular, 3, 5, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    QWidget::setTabOrder(CbDepCalculos, EditDepValorInicial);
    QWidget::setTabOrder(EditDepValorInicial, EditDepValorFinal);
    QWidget::setTabOrder(EditDepValorFinal, EditDepAniosUtil);
    QWidget::setTabOrder(EditDepAniosUtil, EditDepAniosCalculo);
    QWidget::setTabOrder(EditDepAniosCalculo, EditDepFecha);

    const int ancho = AnchoResultado();
    // One column: the captions are long sentences.
    auto* resul = new QGridLayout(PnlDepResul);
    resul->setContentsMargins(10, 8, 10, 8);
    resul->setVerticalSpacing(5);
    resul->setColumnStretch(0, 1);
    PnlDepDepreciacionVidaUtil =
        CrearResultado(resul, 0, 0, QStringLiteral("PnlDepDepreciacionVidaUtil"),
                       QStringLiteral("Depreciación total durante los años de vida útil"),
                       QStringLiteral("Depreciación total durante los años de vida útil"), ancho);
    PnlDepValorFinalUtil = CrearResultado(resul, 1, 0, QStringLiteral("PnlDepValorFinalUtil"),
                                          QStringLiteral("Valor al final de los años de vida útil"),
                                          QStringLiteral("Valor al final de la vida útil"), ancho);
    PnlDepDepreciacionCalculada =
        CrearResultado(resul, 2, 0, QStringLiteral("PnlDepDepreciacionCalculada"),
                       QStringLiteral("Depreciación total durante los años calculados"),
                       QStringLiteral("Depreciación total durante los años calculados"), ancho);
    PnlDepValorFinalCalculado = CrearResultado(resul, 3, 0, QStringLiteral("PnlDepValorFinalCalculado"),
                                               QStringLiteral("Valor al final de los años calculados"),
                                               QStringLiteral("Valor al final de los años calculados"), ancho);
    return tsDep;
}

void TFormCalculosFinancieros::PrepararPaginaDepreciaciones() {
    PrepararCampoNumerico(EditDepValorInicial, true, false);
    PrepararCampoNumerico(EditDepValorFinal, true, false);
    PrepararCampoNumerico(EditDepAniosUtil, false, false);
    PrepararCampoNumerico(EditDepAniosCalculo, false, false);
    PrepararCampoFecha(EditDepFecha, true);
    CargarListaTexto(QStringLiteral("Calcular la depreciación lineal;Calcular la depreciación acelerada;"
                                    "Calcular la depreciación doble"),
                     CbDepCalculos);
    CbDepCalculos->setCurrentIndex(0);
    CbDepCalculos->setFrame(false);
    EditDepFecha->setText(TextoFecha(QDate::currentDate()));
    ColorearResultados(PnlDepResul);
}

void TFormCalculosFinancieros::InicializarDepreciacion() {
    for (QLineEdit* campo : {EditDepValorInicial, EditDepValorFinal, EditDepAniosUtil, EditDepAniosCalculo})
        campo->clear();
    EditDepFecha->setText(TextoFecha(QDate::currentDate()));
    for (TPanelResultado* panel : {PnlDepDepreciacionVidaUtil, PnlDepValorFinalUtil, PnlDepDepreciacionCalculada,
                                   PnlDepValorFinalCalculado})
        panel->setText(QString());
    EditDepValorInicial->setFocus();
}
