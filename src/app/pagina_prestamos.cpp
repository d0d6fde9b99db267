// The loans page: its controls, their set-up at creation, and clearing it.
#include "app/controles_pagina.h"
#include "app/dialogo_condiciones.h"
#include "app/form_calculos_financieros.h"
#include "app/informe_errores.h"
#include "app/panel_resultado.h"
#include "util/fechas.h"
#include "util/utilidades_campos.h"
#include "widgets/boton_calculadora.h"
#include "widgets/boton_fecha.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>


QWidget* TFormCalculosFinancieros::CrearPaginaPrestamos() {
    tsPres = CrearPagina(QStringLiteral("tsPres"), QStringLiteral("&Préstamos"), PnlPresCalculos, CbPresCalculos,
                         QStringLiteral("CbPresCalculos"), PnlPresDatos, PnlPresInfo, PnlPresResul);

    QGridLayout* datos = RejillaDeDatos(PnlPresDatos);
    EditPresCuota = CrearCampo(datos, 0, 0, QStringLiteral("EditPresCuota"), QStringLiteral("C&uota"),
                               QStringLiteral("Cuota a pagar en cada período"), kAnchoNumero);
    EditPresInteres = CrearCampo(datos, 1, 0, QStringLiteral("EditPresInteres"), QStringLiteral("Int&erés"),
                                 QStringLiteral("Interés anual del préstamo"), kAnchoNumero);
    EditPresNum = CrearCampo(datos, 2, 0, QStringLiteral("EditPresNum"), QStringLiteral("&Nº Cuotas"),
                             QStringLiteral("Número de cuotas mensuales"), kAnchoNumero);
    EditPresCapital = CrearCampo(datos, 3, 0, QStringLiteral("EditPresCapital"), QStringLiteral("&Capital"),
                                 QStringLiteral("Capital del préstamo solicitado"), kAnchoNumero);
    EditPresFecha = CrearCampo(datos, 0, 4, QStringLiteral("EditPresFecha"), QStringLiteral("P&rimer pago"),
                               QStringLiteral("Fecha del pago de la primera cuota"), kAnchoFecha);
    cbPresAportacion = CrearLista(datos, 1, 4, QStringLiteral("cbPresAportacion"), QStringLiteral("&Aportaciones"),
                                  QStringLiteral("Momento en el que se pagan las cuotas en cada período"),
                                  kAnchoLista);
    BtnPresCuota = CrearBotonCalculadora(EditPresCuota, QStringLiteral("BtnPresCuota"));
    BtnPresInteres = CrearBotonCalculadora(EditPresInteres, QStringLiteral("BtnPresInteres"));
    BtnPresNum = CrearBotonCalculadora(EditPresNum, QStringLiteral("BtnPresNum"));
    BtnPresCapital = CrearBotonCalculadora(EditPresCapital, QStringLiteral("BtnPresCapital"));
    CrearBotonFecha(EditPresFecha, QStringLiteral("BtnPresFecha"));
    BtnPresCondiciones = new QPushButton(QStringLiteral("C&ondiciones…"), PnlPresDatos);
    BtnPresCondiciones->setObjectName(QStringLiteral("BtnPresCondiciones"));
    BtnPresCondiciones->setAccessibleName(QStringLiteral("Condiciones…"));
    AplicarPista(BtnPresCondiciones, QStringLiteral("Periodicidad, gastos, amortizaciones anticipadas y revisiones "
                                                    "del interés"));
    BtnPresCondiciones->setAutoDefault(false);
    connect(BtnPresCondiciones, &QPushButton::clicked, this,
            [this] { EjecutarProtegido([this] { BtnPresCondicionesClick(); }); });
    datos->addWidget(BtnPresCondiciones, 2, 5, 1, 1, Qt::AlignLeft);
    BtnPresCalcular = CrearBotonCalcular(PnlPresDatos, QStringLiteral("BtnPresCalcular"));
    datos->addWidget(BtnPresCalcular, 3, 5, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    QWidget::setTabOrder(CbPresCalculos, EditPresCuota);
    QWidget::setTabOrder(EditPresCuota, EditPresInteres);
    QWidget::setTabOrder(EditPresInteres, EditPresNum);
    QWidget::setTabOrder(EditPresNum, EditPresCapital);
    QWidget::setTabOrder(EditPresCapital, EditPresFecha);
    QWidget::setTabOrder(EditPresFecha, cbPresAportacion);
    QWidget::setTabOrder(cbPresAportacion, BtnPresCondiciones);

    const int ancho = AnchoResultado();
    QGridLayout* resul = RejillaDeResultados(PnlPresResul);
    PnlPresCuotaRes = CrearResultado(resul, 0, 0, QStringLiteral("PnlPresCuotaRes"), QStringLiteral("Cuota"),
                                     QStringLiteral("Cuota a pagar en cada período"), ancho);
    PnlPresIntRes = CrearResultado(resul, 1, 0, QStringLiteral("PnlPresIntRes"), QStringLiteral("Interés"),
                                   QStringLiteral("Interés anual del préstamo"), ancho);
    PnlPresNumRes = CrearResultado(resul, 2, 0, QStringLiteral("PnlPresNumRes"), QStringLiteral("Nº Cuotas"),
                                   QStringLiteral("Número de cuotas mensuales"), ancho);
    PnlPresCapitalRes = CrearResultado(resul, 3, 0, QStringLiteral("PnlPresCapitalRes"), QStringLiteral("Capital"),
                                       QStringLiteral("Capital del préstamo solicitado"), ancho);
    PnlPresPagado = CrearResultado(resul, 0, 3, QStringLiteral("PnlPresPagado"), QStringLiteral("Total pagado"),
                                   QStringLiteral("Cantidad total pagada"), ancho);
    PnlPresIntereses = CrearResultado(resul, 1, 3, QStringLiteral("PnlPresIntereses"),
                                      QStringLiteral("Total intereses"),
                                      QStringLiteral("Cantidad correspondiente a intereses"), ancho);
    PnlPresPorcentaje = CrearResultado(resul, 2, 3, QStringLiteral("PnlPresPorcentaje"), QStringLiteral("% Intereses"),
                                       QStringLiteral("Porcentaje de los intereses sobre el total pagado"),
                                       ancho);
    PnlPresTAE = CrearResultado(resul, 3, 3, QStringLiteral("PnlPresTAE"), QStringLiteral("TAE"),
                                QStringLiteral("Tasa anual equivalente: coste anual del préstamo con sus gastos"),
                                ancho);
    return tsPres;
}

void TFormCalculosFinancieros::PrepararPaginaPrestamos() {
    PrepararCampoNumerico(EditPresCapital, true, false);
    PrepararCampoNumerico(EditPresInteres, true, false);
    PrepararCampoNumerico(EditPresNum, false, false);
    PrepararCampoNumerico(EditPresCuota, true, false);
    PrepararCampoFecha(EditPresFecha, true);
    CargarListaTexto(QStringLiteral("Calcular la cuota;Calcular el interés;Calcular el número de cuotas;"
                                    "Calcular el capital"),
                     CbPresCalculos);
    CbPresCalculos->setCurrentIndex(0);
    CbPresCalculos->setFrame(false);
    EditPresFecha->setText(TextoFecha(QDate::currentDate()));
    CargarListaTexto(QStringLiteral("Final período; Inicio período"), cbPresAportacion);
    cbPresAportacion->setCurrentIndex(0);
    ColorearResultados(PnlPresResul);
}

void TFormCalculosFinancieros::InicializarPrestamo() {
    for (QLineEdit* campo : {EditPresCuota, EditPresInteres, EditPresNum, EditPresCapital})
        campo->clear();
    EditPresFecha->setText(TextoFecha(QDate::currentDate()));
    cbPresAportacion->setCurrentIndex(0);
    CondicionesPres = {};
    NotaCabecera(PnlPresInfo, QString());
    for (TPanelResultado* panel : {PnlPresCuotaRes, PnlPresIntRes, PnlPresNumRes, PnlPresCapitalRes, PnlPresPagado,
                                   PnlPresIntereses, PnlPresPorcentaje, PnlPresTAE})
        panel->setText(QString());
    CbPresCalculosClick();
}

// New conditions make the results on show those of the previous data.
void TFormCalculosFinancieros::BtnPresCondicionesClick() {
    const std::optional<finance::CondicionesPrestamo> condiciones = PedirCondiciones(this, CondicionesPres);
    if (!condiciones || *condiciones == CondicionesPres)
        return;
    CondicionesPres = *condiciones;
    DatosCambiados(PnlPresInfo);
}
