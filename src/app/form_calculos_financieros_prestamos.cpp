// The loans page: its controls, their set-up at creation, and clearing it.
#include "app/dialogo_condiciones.h"
#include "app/form_comparar.h"
#include "app/form_calculos_financieros.h"
#include "app/form_calculos_financieros_tabla.h"
#include "ui/controles_pagina.h"
#include "ui/informe_errores.h"
#include "ui/utilidades_campos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

using V = TFormCalculosFinancieros;

const CampoDePagina kCampos[] = {
    {{&V::EditPresCuota, 0, 0, "EditPresCuota", "C&uota", "Cuota a pagar en cada período", kAnchoNumero},
     ContenidoCampo::Importe, &V::BtnPresCuota},
    {{&V::EditPresInteres, 1, 0, "EditPresInteres", "Int&erés", "Interés anual del préstamo", kAnchoNumero},
     ContenidoCampo::Importe, &V::BtnPresInteres},
    {{&V::EditPresNum, 2, 0, "EditPresNum", "&Nº Cuotas", "Número de cuotas mensuales", kAnchoNumero},
     ContenidoCampo::Entero, &V::BtnPresNum},
    {{&V::EditPresCapital, 3, 0, "EditPresCapital", "&Capital", "Capital del préstamo solicitado", kAnchoNumero},
     ContenidoCampo::Importe, &V::BtnPresCapital},
    {{&V::EditPresFecha, 0, 4, "EditPresFecha", "P&rimer pago", "Fecha del pago de la primera cuota", kAnchoFecha},
     ContenidoCampo::Fecha},
};

const ListaDePagina kAportacion{&V::cbPresAportacion, 1, 4, "cbPresAportacion", "&Aportaciones",
                                "Momento en el que se pagan las cuotas en cada período", kAnchoLista};

const ResultadoDePagina kResultados[] = {
    {&V::PnlPresCuotaRes, 0, 0, "PnlPresCuotaRes", "Cuota", "Cuota a pagar en cada período"},
    {&V::PnlPresIntRes, 1, 0, "PnlPresIntRes", "Interés", "Interés anual del préstamo"},
    {&V::PnlPresNumRes, 2, 0, "PnlPresNumRes", "Nº Cuotas",
     "Número de cuotas mensuales|Número de cuotas; si una amortización anticipada acorta el plazo, las que se "
     "pagan de las del contrato (271 de 300)"},
    {&V::PnlPresCapitalRes, 3, 0, "PnlPresCapitalRes", "Capital", "Capital del préstamo solicitado"},
    {&V::PnlPresPagado, 0, 3, "PnlPresPagado", "Total pagado", "Cantidad total pagada"},
    {&V::PnlPresIntereses, 1, 3, "PnlPresIntereses", "Total intereses", "Cantidad correspondiente a intereses"},
    {&V::PnlPresPorcentaje, 2, 3, "PnlPresPorcentaje", "% Intereses",
     "Porcentaje de los intereses sobre el total pagado"},
    {&V::PnlPresTAE, 3, 3, "PnlPresTAE", "TAE", "Tasa anual equivalente: coste anual del préstamo con sus gastos"},
    {&V::PnlPresCosteTotal, 4, 0, "PnlPresCosteTotal", "Coste total",
     "Coste total|Lo que cuesta el préstamo además del capital prestado: total intereses + comisión de apertura + "
     "gastos iniciales + comisiones de amortización anticipada"},
    {&V::PnlPresTAERevisiones, 4, 3, "PnlPresTAERevisiones", "TAE revisada",
     "TAE con las revisiones indicadas|Tasa anual equivalente de lo que se paga con las revisiones del interés "
     "indicadas en las condiciones"},
    {&V::PnlPresCuotaMaxima, 5, 0, "PnlPresCuotaMaxima", "Cuota máxima",
     "Cuota más alta del préstamo|Cuota más alta del préstamo: con carencia, sistema creciente, interés variable o "
     "mixto o revisiones puede ser mayor que la primera"},
};

// Loans start with payments at the end of each period.
constexpr int kAportacionInicial = 0;

}  // namespace

const TablaDePagina& TablaPrestamos() {
    static const TablaDePagina tabla{kCampos, &kAportacion, kResultados, 4};
    return tabla;
}

QWidget* TFormCalculosFinancieros::CrearPaginaPrestamos() {
    tsPres = CrearPagina(QStringLiteral("tsPres"), QStringLiteral("&Préstamos"), PnlPresCalculos, CbPresCalculos,
                         PnlPresDatos, PnlPresInfo, PnlPresResul);
    QGridLayout* datos = RejillaDeDatos(PnlPresDatos);
    CrearCampos(*this, datos, CbPresCalculos, kCampos, &kAportacion);
    CrearBotonCondiciones(datos);
    BtnPresCalcular = CrearBotonCalcular(datos, QStringLiteral("BtnPresCalcular"));
    CrearResultados(*this, RejillaDeResultados(PnlPresResul), kResultados);
    return tsPres;
}

// The button that opens the loan's conditions, after Aportaciones in the tab
// order.
void TFormCalculosFinancieros::CrearBotonCondiciones(QGridLayout* datos) {
    BtnPresCondiciones = new QPushButton(QStringLiteral("C&ondiciones…"), PnlPresDatos);
    BtnPresCondiciones->setObjectName(QStringLiteral("BtnPresCondiciones"));
    BtnPresCondiciones->setAccessibleName(QStringLiteral("Condiciones…"));
    AplicarPista(BtnPresCondiciones,
                 QStringLiteral("Periodicidad, gastos, amortizaciones anticipadas y revisiones del interés"));
    BtnPresCondiciones->setAutoDefault(false);
    connect(BtnPresCondiciones, &QPushButton::clicked, this,
            [this] { EjecutarProtegido([this] { BtnPresCondicionesClick(); }); });
    datos->addWidget(BtnPresCondiciones, 2, 5, 1, 1, Qt::AlignLeft);
    QWidget::setTabOrder(cbPresAportacion, BtnPresCondiciones);

    BtnPresComparar = new QPushButton(QStringLiteral("Co&mparar…"), PnlPresDatos);
    BtnPresComparar->setObjectName(QStringLiteral("BtnPresComparar"));
    BtnPresComparar->setAccessibleName(QStringLiteral("Comparar…"));
    AplicarPista(BtnPresComparar, QStringLiteral("Comparar de dos a cuatro ofertas de préstamo lado a lado (Ctrl+M)"));
    BtnPresComparar->setAutoDefault(false);
    connect(BtnPresComparar, &QPushButton::clicked, this,
            [this] { EjecutarProtegido([this] { AccCompararExecute(); }); });
    datos->addWidget(BtnPresComparar, 3, 5, 1, 1, Qt::AlignLeft);
    QWidget::setTabOrder(BtnPresCondiciones, BtnPresComparar);
}

finance::EntradaPrestamo TFormCalculosFinancieros::PrestamoDeLaPagina() const {
    finance::EntradaPrestamo e;
    e.capital = EditPresCapital->text();
    e.interes = EditPresInteres->text();
    e.numCuotas = EditPresNum->text();
    e.timing = Momento(cbPresAportacion);
    e.condiciones = CondicionesPres;
    return e;
}

// One comparison window, kept with what it holds while the program runs; the
// first time its first column starts with the page's loan.
void TFormCalculosFinancieros::AccCompararExecute() {
    if (!FormComparar) {
        FormComparar = new TFormComparar(this, [this] { return PrestamoDeLaPagina(); });
        FormComparar->PonerOferta(0, PrestamoDeLaPagina());
    }
    FormComparar->show();
    FormComparar->raise();
    FormComparar->activateWindow();
    FormComparar->Columnas[0].EditCapital->setFocus();
}

void TFormCalculosFinancieros::PrepararPaginaPrestamos() {
    PrepararCampos(*this, kCampos);
    PrepararListaDeCalculos(CbPresCalculos,
                            QStringLiteral("Calcular la cuota;Calcular el interés;Calcular el número de cuotas;"
                                           "Calcular el capital"));
    CargarListaTexto(QStringLiteral("Final período; Inicio período"), cbPresAportacion);
    cbPresAportacion->setCurrentIndex(kAportacionInicial);
    ColorearResultados(PnlPresResul);
}

void TFormCalculosFinancieros::InicializarPrestamo() {
    LimpiarPagina(*this, kCampos, kResultados);
    cbPresAportacion->setCurrentIndex(kAportacionInicial);
    CondicionesPres = {};
    tasaPres_ = {};
    NotaCabecera(PnlPresInfo, QString());
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
