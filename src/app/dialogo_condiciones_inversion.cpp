#include "app/dialogo_condiciones_inversion.h"

#include "app/pedir_en_dialogo.h"

#include "ui/avisos.h"
#include "ui/botones_dialogo.h"
#include "ui/controles_pagina.h"
#include "ui/imagen_svg.h"
#include "ui/informe_errores.h"
#include "ui/utilidades_campos.h"
#include "util/puertas.h"
#include "util/textos_numericos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using finance::CondicionesInversion;
using finance::TipoRetencion;

namespace {

const QString kTitulo = QStringLiteral("Condiciones de la inversión");

// The tax choices, in the order of TipoRetencion.
const QStringList kRetenciones = {QStringLiteral("Sin impuesto"), QStringLiteral("Tramos del ahorro (2025)"),
                                  QStringLiteral("Porcentaje fijo")};

double Importe(const QLineEdit* campo) { return campo->text().isEmpty() ? 0 : LeerImporte(campo->text()); }

// A percentage as a box shows it: empty for none.
QString TextoPorcentaje(double valor) { return valor == 0 ? QString() : TextoDosDecimales(valor); }

}  // namespace

TDialogoCondicionesInversion::TDialogoCondicionesInversion(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("DialogoCondicionesInversion"));
    setWindowTitle(kTitulo);
    auto* principal = new QVBoxLayout(this);
    auto* datos = new QWidget(this);
    auto* rejilla = new QGridLayout(datos);
    EditCrecimiento = CrearCampo(rejilla, 0, 0, QStringLiteral("EditCrecimiento"),
                                 QStringLiteral("C&recimiento anual de la cuota %"),
                                 QStringLiteral("Porcentaje en que aumenta la cuota cada 12 cuotas"),
                                 AnchoCampoImporte());
    EditInflacion = CrearCampo(rejilla, 1, 0, QStringLiteral("EditInflacion"), QStringLiteral("&Inflación anual %"),
                               QStringLiteral("Inflación anual para expresar el capital en dinero de hoy|En blanco, "
                                              "sin valor real; con un porcentaje, la tabla y los resultados muestran "
                                              "el capital en dinero de hoy"),
                               AnchoCampoImporte());
    CbRetencion = CrearLista(rejilla, 2, 0, QStringLiteral("CbRetencion"), QStringLiteral("Impuesto sobre la &ganancia"),
                             QStringLiteral("Impuesto que se paga sobre la ganancia al final|Tramos del ahorro: 19 % "
                                            "hasta 6.000, 21 % hasta 50.000, 23 % hasta 200.000, 27 % hasta "
                                            "300.000 y 30 % desde ahí"),
                             AnchoCampoImporte() * 2);
    CbRetencion->addItems(kRetenciones);
    EditRetencion = CrearCampo(rejilla, 3, 0, QStringLiteral("EditRetencion"), QStringLiteral("&Porcentaje fijo %"),
                               QStringLiteral("Porcentaje de la ganancia que se paga de impuesto"),
                               AnchoCampoImporte());
    rejilla->setColumnStretch(3, 1);
    principal->addWidget(datos);

    const BotonesDialogo botones = CrearBotonesAceptarCancelar(this, [this] { BtnAceptarClick(); });
    BtnAceptar = botones.aceptar;
    BtnCancelar = botones.cancelar;
    principal->addLayout(botones.fila);

    // Growth and inflation may fall (a shrinking contribution, deflation).
    for (QLineEdit* campo : {EditCrecimiento, EditInflacion})
        PrepararCampoNumerico(campo, true, true);
    PrepararCampoNumerico(EditRetencion, true, false);
    connect(CbRetencion, &QComboBox::currentIndexChanged, this,
            [this] { EjecutarProtegido([this] { CbRetencionChange(); }); });
    CbRetencionChange();
}

// The flat percentage only means something with its choice.
void TDialogoCondicionesInversion::CbRetencionChange() {
    EditRetencion->setEnabled(CbRetencion->currentIndex() == int(TipoRetencion::Fija));
}

void TDialogoCondicionesInversion::PonerCondiciones(const CondicionesInversion& c) {
    EditCrecimiento->setText(TextoPorcentaje(c.crecimiento));
    EditInflacion->setText(c.inflacion ? TextoDosDecimales(*c.inflacion) : QString());
    CbRetencion->setCurrentIndex(int(c.retencion));
    EditRetencion->setText(TextoPorcentaje(c.retencionFija));
    CbRetencionChange();
}

CondicionesInversion TDialogoCondicionesInversion::LeerCondiciones() const {
    CondicionesInversion c;
    c.crecimiento = Importe(EditCrecimiento);
    if (!EditInflacion->text().isEmpty())
        c.inflacion = LeerImporte(EditInflacion->text());
    c.retencion = static_cast<TipoRetencion>(CbRetencion->currentIndex());
    if (c.retencion == TipoRetencion::Fija)
        c.retencionFija = Importe(EditRetencion);
    return c;
}

void TDialogoCondicionesInversion::BtnAceptarClick() {
    if (const std::optional<QString> motivo = finance::MotivoCondicionesInversion(LeerCondiciones())) {
        Avisar(kTitulo, *motivo, AvisoAtencion);
        return;
    }
    accept();
}

std::optional<CondicionesInversion> PedirCondicionesInversion(QWidget* padre, const CondicionesInversion& actuales) {
    return PedirEnDialogo<TDialogoCondicionesInversion>(padre, actuales);
}
