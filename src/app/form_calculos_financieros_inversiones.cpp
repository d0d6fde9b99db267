// The investments page: its controls, their set-up at creation, and clearing it.
#include "ui/controles_pagina.h"
#include "app/form_calculos_financieros.h"
#include "app/form_calculos_financieros_tabla.h"
#include "ui/utilidades_campos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QToolButton>

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
    BtnInvCalcular = CrearBotonCalcular(datos, QStringLiteral("BtnInvCalcular"));
    CrearResultados(*this, RejillaDeResultados(PnlInvResul), kResultados);
    return tsInv;
}

void TFormCalculosFinancieros::PrepararPaginaInversiones() {
    PrepararCampos(*this, kCampos);
    PrepararListaDeCalculos(CbInvCalculos,
                            QStringLiteral("Calcular la cuota;Calcular el interés;Calcular el número de cuotas;"
                                           "Calcular el capital final"));
    CargarListaTexto(QStringLiteral("Final período; Inicio período"), CbInvAportacion);
    CbInvAportacion->setCurrentIndex(kAportacionInicial);
    ColorearResultados(PnlInvResul);
}

void TFormCalculosFinancieros::InicializarInversion() {
    LimpiarPagina(*this, kCampos, kResultados);
    CbInvAportacion->setCurrentIndex(kAportacionInicial);
    tasaInv_ = {};
    CbInvCalculosClick();
}
