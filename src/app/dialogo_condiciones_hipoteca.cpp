// The tabs of the conditions window for a mortgage's choices: repayment
// system and grace period, kind of rate, and yearly costs.
#include "app/dialogo_condiciones.h"

#include "finance/nombres_hipoteca.h"
#include "ui/controles_pagina.h"
#include "util/textos_numericos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using finance::CondicionesPrestamo;
using finance::SistemaAmortizacion;
using finance::TipoCarencia;
using finance::TipoInteres;

namespace {

constexpr int kAnchoCorto = 60;
// The revision intervals offered, in months, in the order of their list.
constexpr int kMesesRevision[] = {6, 12};

// A page of a tab: its fields in a grid at the top, the rest of the room
// left empty below.
QGridLayout* RejillaDePestana(QWidget* pestana) {
    auto* columna = new QVBoxLayout(pestana);
    auto* rejilla = new QGridLayout;
    rejilla->setColumnStretch(3, 1);
    columna->addLayout(rejilla);
    columna->addStretch();
    return rejilla;
}

// An empty box counts as 0, as on the calculation pages.
double Importe(const QLineEdit* campo) { return campo->text().isEmpty() ? 0 : LeerImporte(campo->text()); }
int Cantidad(const QLineEdit* campo) { return campo->text().isEmpty() ? 0 : LeerCantidad(campo->text()); }

// What a box shows for a value: nothing for 0, as a box never typed into.
QString TextoSiHay(double valor) { return valor == 0 ? QString() : TextoDosDecimales(valor); }
QString TextoSiHay(int valor) { return valor == 0 ? QString() : QString::number(valor); }

}  // namespace

QWidget* TDialogoCondiciones::CrearSistemaYCarencia() {
    auto* pestana = new QWidget(this);
    QGridLayout* rejilla = RejillaDePestana(pestana);
    CbSistema = CrearLista(rejilla, 0, 0, QStringLiteral("CbSistema"), QStringLiteral("Sist&ema"),
                           QStringLiteral("Cómo se devuelve el capital|Francés: cuota constante; alemán: capital "
                                          "constante y cuota decreciente; americano: solo intereses y todo el "
                                          "capital con la última cuota; creciente: la cuota sube un porcentaje "
                                          "cada 12 meses"),
                           kAnchoLista);
    CbSistema->addItems(finance::NombresSistema());
    EditCrecimiento = CrearCampo(rejilla, 1, 0, QStringLiteral("EditCrecimiento"), QStringLiteral("Crecimiento anual %"),
                                 QStringLiteral("Porcentaje que sube la cuota cada 12 meses (sistema creciente)"),
                                 AnchoCampoImporte());
    CbCarencia = CrearLista(rejilla, 2, 0, QStringLiteral("CbCarencia"), QStringLiteral("Carencia"),
                            QStringLiteral("Primeras cuotas sin devolver capital|Parcial: esas cuotas pagan solo "
                                           "los intereses; total: no se paga nada y los intereses se suman al "
                                           "capital"),
                            kAnchoLista);
    CbCarencia->addItems(finance::NombresCarencia());
    EditCuotasCarencia = CrearCampo(rejilla, 3, 0, QStringLiteral("EditCuotasCarencia"),
                                    QStringLiteral("Cuotas de carencia"),
                                    QStringLiteral("Número de cuotas del principio del plazo en carencia"),
                                    kAnchoCorto);
    connect(CbSistema, &QComboBox::currentIndexChanged, this, &TDialogoCondiciones::ActualizarHabilitados);
    connect(CbCarencia, &QComboBox::currentIndexChanged, this, &TDialogoCondiciones::ActualizarHabilitados);
    return pestana;
}

QWidget* TDialogoCondiciones::CrearTipoInteres() {
    auto* pestana = new QWidget(this);
    QGridLayout* rejilla = RejillaDePestana(pestana);
    CbTipoInteres = CrearLista(rejilla, 0, 0, QStringLiteral("CbTipoInteres"), QStringLiteral("Tipo de interés"),
                               QStringLiteral("Fijo, variable o mixto|Fijo: el interés de la página todo el plazo; "
                                              "variable: índice más diferencial, revisado periódicamente; mixto: "
                                              "fijo las primeras cuotas y después variable"),
                               kAnchoLista);
    CbTipoInteres->addItems(finance::NombresTipoInteres());
    EditTramoFijo = CrearCampo(rejilla, 1, 0, QStringLiteral("EditTramoFijo"), QStringLiteral("Cuotas a tipo fi&jo"),
                               QStringLiteral("Cuotas del principio al interés de la página (tipo mixto)"),
                               kAnchoCorto);
    EditIndice = CrearCampo(rejilla, 2, 0, QStringLiteral("EditIndice"), QStringLiteral("Índice (Eurí&bor) %"),
                            QStringLiteral("Valor actual del índice, que se supone constante|Valor actual del "
                                           "índice; se supone que no cambia, como exige el cálculo de la TAE"),
                            AnchoCampoImporte());
    EditDiferencial = CrearCampo(rejilla, 3, 0, QStringLiteral("EditDiferencial"), QStringLiteral("Di&ferencial %"),
                                 QStringLiteral("Puntos que se suman al índice en cada revisión"),
                                 AnchoCampoImporte());
    CbRevisionMeses = CrearLista(rejilla, 4, 0, QStringLiteral("CbRevisionMeses"), QStringLiteral("Revisión cada"),
                                 QStringLiteral("Meses entre dos revisiones del interés"), kAnchoLista);
    CbRevisionMeses->addItems({QStringLiteral("6 meses"), QStringLiteral("12 meses")});
    CbRevisionMeses->setCurrentIndex(1);  // yearly, as most contracts revise
    rejilla->addWidget(CrearIndices(pestana), 5, 0, 1, 5);
    connect(CbTipoInteres, &QComboBox::currentIndexChanged, this, &TDialogoCondiciones::ActualizarHabilitados);
    return pestana;
}

QWidget* TDialogoCondiciones::CrearGastosPeriodicos() {
    auto* pestana = new QWidget(this);
    QGridLayout* rejilla = RejillaDePestana(pestana);
    EditSeguro = CrearCampo(rejilla, 0, 0, QStringLiteral("EditSeguro"), QStringLiteral("Seguro al a&ño"),
                            QStringLiteral("Importe anual de los seguros vinculados|Importe anual de los seguros "
                                           "vinculados; cuenta en la TAE y en el coste total, no en la cuota"),
                            AnchoCampoImporte());
    EditMantenimiento = CrearCampo(rejilla, 1, 0, QStringLiteral("EditMantenimiento"),
                                   QStringLiteral("Mantenimiento anua&l"),
                                   QStringLiteral("Importe anual del mantenimiento de la cuenta|Importe anual del "
                                                  "mantenimiento de la cuenta; cuenta en la TAE y en el coste total"),
                                   AnchoCampoImporte());
    return pestana;
}

void TDialogoCondiciones::ActualizarHabilitados() {
    const auto tipo = TipoInteres(std::max(CbTipoInteres->currentIndex(), 0));
    const bool indexado = tipo != TipoInteres::Fijo;
    EditCrecimiento->setEnabled(CbSistema->currentIndex() == int(SistemaAmortizacion::Creciente));
    EditCuotasCarencia->setEnabled(CbCarencia->currentIndex() != int(TipoCarencia::Ninguna));
    EditTramoFijo->setEnabled(tipo == TipoInteres::Mixto);
    for (QWidget* control : std::initializer_list<QWidget*>{EditIndice, EditDiferencial, CbRevisionMeses,
                                                           EditIndiceCuota, EditIndiceValor, BtnIndiceAnadir,
                                                           BtnIndiceQuitar, lbIndices})
        control->setEnabled(indexado);
}

void TDialogoCondiciones::PonerHipoteca(const CondicionesPrestamo& c) {
    CbSistema->setCurrentIndex(int(c.sistema));
    EditCrecimiento->setText(TextoSiHay(c.crecimiento));
    CbCarencia->setCurrentIndex(int(c.carencia));
    EditCuotasCarencia->setText(TextoSiHay(c.cuotasCarencia));
    CbTipoInteres->setCurrentIndex(int(c.tipoInteres));
    EditTramoFijo->setText(TextoSiHay(c.tramoFijo));
    EditIndice->setText(TextoSiHay(c.indice));
    EditDiferencial->setText(TextoSiHay(c.diferencial));
    CbRevisionMeses->setCurrentIndex(c.revisionMeses == kMesesRevision[0] ? 0 : 1);
    indices_ = c.indicesDesde;
    EditSeguro->setText(TextoSiHay(c.seguroAnual));
    EditMantenimiento->setText(TextoSiHay(c.mantenimientoAnual));
    ActualizarHabilitados();
}

// A box that does not apply to the choices made is shown disabled and reads
// as its default, so what is accepted is what the window shows in force.
void TDialogoCondiciones::LeerHipoteca(CondicionesPrestamo& c) const {
    c.sistema = SistemaAmortizacion(std::max(CbSistema->currentIndex(), 0));
    if (EditCrecimiento->isEnabled())
        c.crecimiento = Importe(EditCrecimiento);
    c.carencia = TipoCarencia(std::max(CbCarencia->currentIndex(), 0));
    if (EditCuotasCarencia->isEnabled())
        c.cuotasCarencia = Cantidad(EditCuotasCarencia);
    c.tipoInteres = TipoInteres(std::max(CbTipoInteres->currentIndex(), 0));
    if (EditTramoFijo->isEnabled())
        c.tramoFijo = Cantidad(EditTramoFijo);
    if (c.tipoInteres != TipoInteres::Fijo) {
        c.indice = Importe(EditIndice);
        c.diferencial = Importe(EditDiferencial);
        c.revisionMeses = kMesesRevision[std::max(CbRevisionMeses->currentIndex(), 0)];
        c.indicesDesde = indices_;
    }
    c.seguroAnual = Importe(EditSeguro);
    c.mantenimientoAnual = Importe(EditMantenimiento);
}
