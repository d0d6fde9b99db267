// The depreciation page: its controls, their set-up at creation, and clearing it.
#include "ui/controles_pagina.h"
#include "app/form_calculos_financieros.h"
#include "app/form_calculos_financieros_tabla.h"
#include "finance/tablas_fiscales.h"
#include "ui/utilidades_campos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

using V = TFormCalculosFinancieros;

const CampoDePagina kCampos[] = {
    {{&V::EditDepValorInicial, 0, 0, "EditDepValorInicial", "Valor i&nicial", "Valor inicial", kAnchoNumero},
     ContenidoCampo::Importe},
    {{&V::EditDepValorFinal, 1, 0, "EditDepValorFinal", "Valor &final", "Valor final", kAnchoNumero},
     ContenidoCampo::Importe},
    {{&V::EditDepAniosUtil, 2, 0, "EditDepAniosUtil", "Años de vida &útil", "Años de vida útil", kAnchoNumero},
     ContenidoCampo::Entero},
    {{&V::EditDepAniosCalculo, 3, 0, "EditDepAniosCalculo", "Años a &calcular", "Años de cálculo de la depreciación",
      kAnchoNumero},
     ContenidoCampo::Entero},
    {{&V::EditDepFecha, 0, 4, "EditDepFecha", "&Fecha", "Fecha inicial del cálculo", kAnchoFecha},
     ContenidoCampo::Fecha},
};

const ListaDePagina kTablaFiscal{&V::CbDepTablaFiscal, 1, 4, "CbDepTablaFiscal", "Tipo de &bien",
                                 "Tipo de bien de la tabla fiscal del Impuesto sobre Sociedades (opcional)",
                                 kAnchoFecha};

// The first item leaves the tax table out.
const QString kSinTablaFiscal = QStringLiteral("(ninguno)");

// One column: the captions are long sentences.
const ResultadoDePagina kResultados[] = {
    {&V::PnlDepDepreciacionVidaUtil, 0, 0, "PnlDepDepreciacionVidaUtil",
     "Depreciación total durante los años de vida útil", "Depreciación total durante los años de vida útil"},
    {&V::PnlDepValorFinalUtil, 1, 0, "PnlDepValorFinalUtil", "Valor al final de los años de vida útil",
     "Valor al final de la vida útil"},
    {&V::PnlDepDepreciacionCalculada, 2, 0, "PnlDepDepreciacionCalculada",
     "Depreciación total durante los años calculados", "Depreciación total durante los años calculados"},
    {&V::PnlDepValorFinalCalculado, 3, 0, "PnlDepValorFinalCalculado", "Valor al final de los años calculados",
     "Valor al final de los años calculados"},
};

QGridLayout* RejillaDeUnaColumna(QWidget* panel) {
    auto* rejilla = new QGridLayout(panel);
    rejilla->setContentsMargins(10, 8, 10, 8);
    rejilla->setVerticalSpacing(5);
    rejilla->setColumnStretch(0, 1);
    return rejilla;
}

}  // namespace

const TablaDePagina& TablaDepreciaciones() {
    static const TablaDePagina tabla{kCampos, &kTablaFiscal, kResultados, 0};
    return tabla;
}

QWidget* TFormCalculosFinancieros::CrearPaginaDepreciaciones() {
    tsDep = CrearPagina(QStringLiteral("tsDep"), QStringLiteral("&Depreciaciones"), PnlDepCalculos, CbDepCalculos,
                        PnlDepDatos, PnlDepInfo, PnlDepResul);
    QGridLayout* datos = RejillaDeDatos(PnlDepDatos);
    CrearCampos(*this, datos, CbDepCalculos, kCampos, &kTablaFiscal);
    connect(CbDepTablaFiscal, &QComboBox::currentIndexChanged, this, &V::CbDepTablaFiscalClick);
    BtnDepCalcular = CrearBotonCalcular(datos, QStringLiteral("BtnDepCalcular"));
    CrearResultados(*this, RejillaDeUnaColumna(PnlDepResul), kResultados);
    return tsDep;
}

void TFormCalculosFinancieros::PrepararPaginaDepreciaciones() {
    PrepararCampos(*this, kCampos);
    PrepararListaDeCalculos(CbDepCalculos,
                            QStringLiteral("Calcular la depreciación lineal;Calcular la depreciación acelerada;"
                                           "Calcular la depreciación doble;Calcular la depreciación doble-lineal"));
    CbDepTablaFiscal->addItem(kSinTablaFiscal);
    for (const finance::TablaFiscal& t : finance::TablasFiscales())
        CbDepTablaFiscal->addItem(QStringLiteral("%1 (%2 %, %3 años)").arg(t.nombre).arg(t.coeficiente).arg(t.periodoMaximo));
    // The names are long: the open list shows them whole.
    CbDepTablaFiscal->view()->setMinimumWidth(CbDepTablaFiscal->view()->sizeHintForColumn(0) + 20);
    ColorearResultados(PnlDepResul);
}

std::optional<finance::TablaFiscal> TFormCalculosFinancieros::TablaFiscalElegida() const {
    const int indice = CbDepTablaFiscal->currentIndex() - 1;
    if (indice < 0 || indice >= finance::TablasFiscales().size())
        return std::nullopt;
    return finance::TablasFiscales().at(indice);
}

void TFormCalculosFinancieros::PonerTablaFiscal(const QString& clave) {
    const QList<finance::TablaFiscal>& tablas = finance::TablasFiscales();
    int indice = 0;
    for (int i = 0; i < tablas.size(); ++i)
        if (tablas[i].clave == clave)
            indice = i + 1;
    const QSignalBlocker sinRellenarVida(CbDepTablaFiscal);
    CbDepTablaFiscal->setCurrentIndex(indice);
}

void TFormCalculosFinancieros::CbDepTablaFiscalClick() {
    if (const auto tabla = TablaFiscalElegida()) {
        EditDepAniosUtil->setText(QString::number(finance::VidaMinima(*tabla)));
        EditDepAniosUtil->setModified(true);
    }
}

void TFormCalculosFinancieros::InicializarDepreciacion() {
    LimpiarPagina(*this, kCampos, kResultados);
    CbDepTablaFiscal->setCurrentIndex(0);
    EditDepValorInicial->setFocus();
}
