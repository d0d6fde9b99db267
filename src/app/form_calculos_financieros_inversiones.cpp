// The investments page: its controls, their set-up at creation, and clearing it.
#include "ui/controles_pagina.h"
#include "app/dialogo_condiciones_inversion.h"
#include "app/form_calculos_financieros.h"
#include "app/form_calculos_financieros_tabla.h"
#include "ui/informe_errores.h"
#include "ui/panel_resultado.h"
#include "ui/utilidades_campos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <iterator>

namespace {

using V = TFormCalculosFinancieros;

const CampoDePagina kCampos[] = {
    {{&V::EditInvCuota, 0, 0, "EditInvCuota", "C&uota", "Cuota aportada en cada período", kAnchoNumero},
     ContenidoCampo::Importe, &V::BtnInvCuota},
    {{&V::EditInvInteres, 1, 0, "EditInvInteres", "Int&erés", "Interés anual de la inversión", kAnchoNumero},
     ContenidoCampo::Importe, &V::BtnInvInteres},
    {{&V::EditInvNum, 2, 0, "EditInvNum", "&Nº Cuotas", "Número de cuotas mensuales", kAnchoNumero},
     ContenidoCampo::Entero, &V::BtnInvNum},
    {{&V::EditInvCapital, 3, 0, "EditInvCapital", "&Capital", "Capital final de la inversión", kAnchoNumero},
     ContenidoCampo::Importe, &V::BtnInvCapital},
    {{&V::EditInvCapInicial, 0, 4, "EditInvCapInicial", "Capita&l Inicial", "Capital inicial de la inversión",
      kAnchoNumero},
     ContenidoCampo::Importe, &V::BtnInvCapInicial},
    {{&V::EditInvFecha, 1, 4, "EditInvFecha", "P&rimera cuota", "Fecha de aportación de la primera cuota", kAnchoFecha},
     ContenidoCampo::Fecha},
};

const ListaDePagina kAportacion{&V::CbInvAportacion, 2, 4, "CbInvAportacion", "&Aportaciones",
                                "Momento en el que se realiza la aportación de las cuotas", kAnchoLista};

const ResultadoDePagina kResultados[] = {
    {&V::PnlInvCuotaRes, 0, 0, "PnlInvCuotaRes", "Cuota", "Cuota aportada en cada período"},
    {&V::PnlInvIntRes, 1, 0, "PnlInvIntRes", "Interés", "Interés anual de la inversión"},
    {&V::PnlInvNumRes, 2, 0, "PnlInvNumRes", "Nº Cuotas", "Número de cuotas mensuales"},
    {&V::PnlInvCapInicialRes, 3, 0, "PnlInvCapInicialRes", "Cap. Inicial", "Capital inicial de la inversión"},
    {&V::PnlInvInvertido, 0, 3, "PnlInvInvertido", "Capital Invertido", "Capital total invertido"},
    {&V::PnlInvCapitalRes, 1, 3, "PnlInvCapitalRes", "Capital Final", "Capital final de la inversión"},
    {&V::PnlInvRendimiento, 2, 3, "PnlInvRendimiento", "Beneficio", "Beneficio de la inversión"},
    {&V::PnlInvPorcentaje, 3, 3, "PnlInvPorcentaje", "% Beneficio", "Porcentaje del beneficio sobre el capital final"},
    {&V::PnlInvCapitalReal, 4, 0, "PnlInvCapitalReal", "Cap. final real",
     "Capital final real|Capital final en dinero de hoy, descontada la inflación indicada en las condiciones"},
    {&V::PnlInvGananciaReal, 4, 3, "PnlInvGananciaReal", "Ganancia real",
     "Ganancia real|Capital final real menos el capital invertido"},
    {&V::PnlInvImpuesto, 5, 0, "PnlInvImpuesto", "Impuesto",
     "Impuesto sobre la ganancia|Impuesto sobre el beneficio al final, según las condiciones"},
    {&V::PnlInvCapitalNeto, 5, 3, "PnlInvCapitalNeto", "Cap. final neto",
     "Capital final neto|Capital final menos el impuesto sobre la ganancia"},
};

// The captions the withdrawal gives the panels it uses; the others keep
// theirs.
struct RotuloRetirada {
    TPanelResultado* V::*miembro;
    const char* caption;
    const char* pista;
};
const RotuloRetirada kRotulosRetirada[] = {
    {&V::PnlInvCuotaRes, "Retirada", "Retirada mensual que el capital sostiene"},
    {&V::PnlInvInvertido, "Total retirado", "Suma de todas las retiradas"},
    {&V::PnlInvRendimiento, "Intereses", "Intereses que gana el capital mientras se retira"},
    {&V::PnlInvPorcentaje, "Última retirada", "Última retirada, la que deja el capital a cero"},
};

// Savings plans start with contributions at the start of each period.
constexpr int kAportacionInicial = 1;

}  // namespace

const TablaDePagina& TablaInversiones() {
    static const TablaDePagina tabla{kCampos, &kAportacion, kResultados, 4};
    return tabla;
}

QWidget* TFormCalculosFinancieros::CrearPaginaInversiones() {
    tsInv = CrearPagina(QStringLiteral("tsInv"), QStringLiteral("&Inversiones"), PnlInvCalculos, CbInvCalculos,
                        PnlInvDatos, PnlInvInfo, PnlInvResul);
    QGridLayout* datos = RejillaDeDatos(PnlInvDatos);
    CrearCampos(*this, datos, CbInvCalculos, kCampos, &kAportacion);
    CrearBotonCondicionesInversion(datos);
    BtnInvCalcular = CrearBotonCalcular(datos, QStringLiteral("BtnInvCalcular"));
    CrearResultados(*this, RejillaDeResultados(PnlInvResul), kResultados);
    MostrarResultadosCondicionesInversion({});
    return tsInv;
}

// The button that opens the plan's conditions, after Aportaciones in the tab
// order.
void TFormCalculosFinancieros::CrearBotonCondicionesInversion(QGridLayout* datos) {
    BtnInvCondiciones = new QPushButton(QStringLiteral("C&ondiciones…"), PnlInvDatos);
    BtnInvCondiciones->setObjectName(QStringLiteral("BtnInvCondiciones"));
    BtnInvCondiciones->setAccessibleName(QStringLiteral("Condiciones…"));
    AplicarPista(BtnInvCondiciones, QStringLiteral("Condiciones de la inversión|Crecimiento anual de la cuota, "
                                                   "inflación e impuesto sobre la ganancia"));
    BtnInvCondiciones->setAutoDefault(false);
    connect(BtnInvCondiciones, &QPushButton::clicked, this,
            [this] { EjecutarProtegido([this] { BtnInvCondicionesClick(); }); });
    datos->addWidget(BtnInvCondiciones, 3, 5, 1, 1, Qt::AlignLeft);
    QWidget::setTabOrder(CbInvAportacion, BtnInvCondiciones);
}

void TFormCalculosFinancieros::MostrarResultadosCondicionesInversion(const finance::PanelesInversion& p) {
    const std::pair<TPanelResultado*, QString> opcionales[] = {
        {PnlInvCapitalReal, p.capitalReal}, {PnlInvGananciaReal, p.gananciaReal},
        {PnlInvImpuesto, p.impuesto},       {PnlInvCapitalNeto, p.capitalNeto}};
    for (const auto& [panel, texto] : opcionales) {
        panel->setText(texto);
        panel->setVisible(!texto.isEmpty());
        for (QLabel* etiqueta : PnlInvResul->findChildren<QLabel*>()) {
            if (etiqueta->buddy() == panel)
                etiqueta->setVisible(!texto.isEmpty());
        }
    }
}

void TFormCalculosFinancieros::RotularResultadosInversion(bool retirada) {
    if (retirada == rotulosRetirada_)
        return;
    rotulosRetirada_ = retirada;
    for (const RotuloRetirada& r : kRotulosRetirada) {
        TPanelResultado* panel = this->*r.miembro;
        const auto propio = std::find_if(std::begin(kResultados), std::end(kResultados),
                                         [&r](const ResultadoDePagina& d) { return d.miembro == r.miembro; });
        const QString caption = QString::fromUtf8(retirada ? r.caption : propio->caption);
        panel->setAccessibleName(caption);
        AplicarPista(panel, QString::fromUtf8(retirada ? r.pista : propio->pista));
        for (QLabel* etiqueta : PnlInvResul->findChildren<QLabel*>())
            if (etiqueta->buddy() == panel)
                etiqueta->setText(caption);
    }
    for (const ResultadoDePagina& r : kResultados)
        (this->*r.miembro)->setText(QString());
    MostrarResultadosCondicionesInversion({});
    NotaCabecera(PnlInvInfo, QString());
    ResultadosAlDia(PnlInvInfo, false);
}

// New conditions make the results on show those of the previous data.
void TFormCalculosFinancieros::BtnInvCondicionesClick() {
    const std::optional<finance::CondicionesInversion> condiciones = PedirCondicionesInversion(this, CondicionesInv);
    if (!condiciones || *condiciones == CondicionesInv)
        return;
    CondicionesInv = *condiciones;
    DatosCambiados(PnlInvInfo);
}

void TFormCalculosFinancieros::PrepararPaginaInversiones() {
    PrepararCampos(*this, kCampos);
    PrepararListaDeCalculos(CbInvCalculos,
                            QStringLiteral("Calcular la cuota;Calcular el interés;Calcular el número de cuotas;"
                                           "Calcular el capital final;Calcular la retirada mensual"));
    CargarListaTexto(QStringLiteral("Final período; Inicio período"), CbInvAportacion);
    CbInvAportacion->setCurrentIndex(kAportacionInicial);
    ColorearResultados(PnlInvResul);
}

void TFormCalculosFinancieros::InicializarInversion() {
    LimpiarPagina(*this, kCampos, kResultados);
    CbInvAportacion->setCurrentIndex(kAportacionInicial);
    CondicionesInv = {};
    MostrarResultadosCondicionesInversion({});
    NotaCabecera(PnlInvInfo, QString());
    tasaInv_ = {};
    CbInvCalculosClick();
}
