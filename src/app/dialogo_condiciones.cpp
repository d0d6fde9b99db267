#include "app/dialogo_condiciones.h"

#include "app/pedir_en_dialogo.h"

#include "ui/avisos.h"
#include "ui/ayuda.h"
#include "ui/botones_dialogo.h"
#include "ui/controles_pagina.h"
#include "ui/imagen_svg.h"
#include "ui/informe_errores.h"
#include "util/puertas.h"
#include "util/textos_numericos.h"
#include "ui/utilidades_campos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

using finance::AmortizacionAnticipada;
using finance::CondicionesPrestamo;
using finance::ReduccionAmortizacion;
using finance::RevisionInteres;

namespace {

constexpr int kAyudaCondiciones = 6140;
constexpr int kAnchoCorto = 60;
const QString kTitulo = QStringLiteral("Condiciones del préstamo");

// An empty box counts as 0, as on the calculation pages.
double Importe(const QLineEdit* campo) {
    return campo->text().isEmpty() ? 0 : LeerImporte(campo->text());
}

int Cantidad(const QLineEdit* campo) { return campo->text().isEmpty() ? 0 : LeerCantidad(campo->text()); }

QString Texto(const AmortizacionAnticipada& a) {
    QString texto = QStringLiteral("Cuota %1: %2, reduce %3")
                        .arg(a.cuota)
                        .arg(TextoImporte(a.importe),
                             a.reduce == ReduccionAmortizacion::Plazo ? QStringLiteral("el plazo")
                                                                       : QStringLiteral("la cuota"));
    if (a.comisionLegal)
        texto += QStringLiteral(", comisión máxima legal");
    else if (a.comision != 0)
        texto += QStringLiteral(", comisión %1 %").arg(TextoImporte(a.comision));
    return texto;
}

QString Texto(const finance::IndiceDesde& i) {
    return QStringLiteral("Desde la cuota %1: %2 %").arg(i.cuota).arg(TextoImporte(i.valor));
}

QString Texto(const RevisionInteres& r) {
    return QStringLiteral("Cuota %1: %2 %").arg(r.cuota).arg(TextoImporte(r.interes));
}

template <typename Cambio>
void Insertar(std::vector<Cambio>& lista, const Cambio& cambio) {
    const auto sitio = std::upper_bound(lista.begin(), lista.end(), cambio,
                                        [](const Cambio& a, const Cambio& b) { return a.cuota < b.cuota; });
    lista.insert(sitio, cambio);
}

template <typename Cambio>
void Quitar(std::vector<Cambio>& lista, const QListWidget* lb) {
    const int fila = lb->currentRow();
    if (fila >= 0 && fila < int(lista.size()))
        lista.erase(lista.begin() + fila);
}

template <typename Cambio>
void Rellenar(QListWidget* lb, const std::vector<Cambio>& lista) {
    lb->clear();
    for (const Cambio& cambio : lista)
        lb->addItem(Texto(cambio));
}

QListWidget* CrearListaCambios(QWidget* padre, const QString& nombre, const QString& accesible,
                               const QString& pista) {
    auto* lb = new QListWidget(padre);
    lb->setObjectName(nombre);
    lb->setAccessibleName(accesible);
    AplicarPista(lb, pista);
    lb->setMinimumHeight(70);
    return lb;
}

}  // namespace

TDialogoCondiciones::TDialogoCondiciones(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("DialogoCondiciones"));
    setWindowTitle(kTitulo);
    auto* principal = new QVBoxLayout(this);
    // Tabs keep the window no taller than it was with the general data
    // alone; Ctrl+Tab goes from one to the next.
    Pestanas = new QTabWidget(this);
    Pestanas->setObjectName(QStringLiteral("Pestanas"));
    Pestanas->setAccessibleName(QStringLiteral("Secciones de las condiciones"));
    Pestanas->addTab(CrearPestanaGeneral(), QStringLiteral("General"));
    Pestanas->addTab(CrearSistemaYCarencia(), QStringLiteral("Sistema y carencia"));
    Pestanas->addTab(CrearTipoInteres(), QStringLiteral("Tipo de interés"));
    Pestanas->addTab(CrearGastosPeriodicos(), QStringLiteral("Gastos periódicos"));
    principal->addWidget(Pestanas);

    const BotonesDialogo botones = CrearBotonesAceptarCancelar(this, [this] { BtnAceptarClick(); });
    BtnAceptar = botones.aceptar;
    BtnAceptar->setAutoDefault(false);
    BtnCancelar = botones.cancelar;
    principal->addLayout(botones.fila);

    for (QLineEdit* campo : {EditComisionApertura, EditGastos, EditAmortImporte, EditAmortComision, EditRevInteres,
                             EditCrecimiento, EditDiferencial, EditSeguro, EditMantenimiento})
        PrepararCampoNumerico(campo, true, false);
    // An index may be below zero, as the Euríbor was for years.
    PrepararCampoNumerico(EditIndice, true, true);
    PrepararCampoNumerico(EditIndiceValor, true, true);
    for (QLineEdit* campo : {EditAmortCuota, EditRevCuota, EditCuotasCarencia, EditTramoFijo, EditIndiceCuota})
        PrepararCampoNumerico(campo, false, false);
    FijarContextoAyuda(this, kAyudaCondiciones);
    filas_ = {{{EditAmortCuota, EditAmortImporte, EditAmortComision}, &TDialogoCondiciones::AnadirAmortizacion},
              {{EditRevCuota, EditRevInteres}, &TDialogoCondiciones::AnadirRevision},
              {{EditIndiceCuota, EditIndiceValor}, &TDialogoCondiciones::AnadirIndice}};
    ActualizarHabilitados();
    for (const FilaDeCambio& fila : filas_)
        for (QLineEdit* campo : fila.campos)
            campo->installEventFilter(this);
}

bool TDialogoCondiciones::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objeto, evento);
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
        return QDialog::eventFilter(objeto, evento);
    for (const FilaDeCambio& fila : filas_) {
        const bool suya = std::find(fila.campos.begin(), fila.campos.end(), objeto) != fila.campos.end();
        // A row with every box empty leaves Enter to the Aceptar button.
        if (suya && Pendiente(fila)) {
            EjecutarProtegido([this, &fila] { (this->*fila.anadir)(); });
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

bool TDialogoCondiciones::Pendiente(const FilaDeCambio& fila) {
    return std::any_of(fila.campos.begin(), fila.campos.end(), [](const QLineEdit* c) { return !c->text().isEmpty(); });
}

void TDialogoCondiciones::CrearDatosGenerales(QGridLayout* rejilla) {
    CbPeriodicidad = CrearLista(rejilla, 0, 0, QStringLiteral("CbPeriodicidad"), QStringLiteral("&Periodicidad"),
                                QStringLiteral("Frecuencia con la que se pagan las cuotas"), kAnchoLista);
    CbPeriodicidad->addItems(finance::NombresPeriodicidad());
    EditComisionApertura = CrearCampo(rejilla, 1, 0, QStringLiteral("EditComisionApertura"),
                                      QStringLiteral("Co&misión de apertura %"),
                                      QStringLiteral("Porcentaje del capital que cobra el banco al conceder el "
                                                     "préstamo"),
                                      AnchoCampoImporte());
    EditGastos = CrearCampo(rejilla, 2, 0, QStringLiteral("EditGastos"), QStringLiteral("&Gastos iniciales"),
                            QStringLiteral("Importe de los gastos de formalización del préstamo"), AnchoCampoImporte());
    rejilla->setColumnStretch(3, 1);
}

QWidget* TDialogoCondiciones::CrearPestanaGeneral() {
    auto* pestana = new QWidget(this);
    auto* columna = new QVBoxLayout(pestana);
    auto* generales = new QWidget(pestana);
    CrearDatosGenerales(new QGridLayout(generales));
    columna->addWidget(generales);
    columna->addWidget(CrearAmortizaciones());
    columna->addWidget(CrearRevisiones());
    return pestana;
}

QWidget* TDialogoCondiciones::CrearAmortizaciones() {
    auto* grupo = new QGroupBox(QStringLiteral("Amortizaciones anticipadas"), this);
    auto* rejilla = new QGridLayout(grupo);
    EditAmortCuota = CrearCampo(rejilla, 0, 0, QStringLiteral("EditAmortCuota"), QStringLiteral("&Nº cuota"),
                                QStringLiteral("Cuota con la que se paga la amortización anticipada"), kAnchoCorto);
    EditAmortImporte = CrearCampo(rejilla, 0, 2, QStringLiteral("EditAmortImporte"), QStringLiteral("&Importe"),
                                  QStringLiteral("Capital que se devuelve por anticipado"), AnchoCampoImporte());
    CbAmortReduce = CrearLista(rejilla, 1, 0, QStringLiteral("CbAmortReduce"), QStringLiteral("&Se reduce"),
                               QStringLiteral("Plazo: menos cuotas de igual importe|Plazo: menos cuotas de igual "
                                              "importe; cuota: una cuota menor hasta el final"),
                               kAnchoCorto);
    CbAmortReduce->addItems({QStringLiteral("Plazo"), QStringLiteral("Cuota")});
    EditAmortComision = CrearCampo(rejilla, 1, 2, QStringLiteral("EditAmortComision"), QStringLiteral("C&omisión %"),
                                   QStringLiteral("Porcentaje del importe que cobra el banco por la amortización"),
                                   AnchoCampoImporte());
    BtnAmortAnadir = CrearBoton(QStringLiteral("BtnAmortAnadir"), QStringLiteral("Aña&dir"),
                                QStringLiteral("Añadir amortización"), &TDialogoCondiciones::BtnAmortAnadirClick);
    BtnAmortQuitar = CrearBoton(QStringLiteral("BtnAmortQuitar"), QStringLiteral("&Quitar"),
                                QStringLiteral("Quitar amortización"), &TDialogoCondiciones::BtnAmortQuitarClick);
    rejilla->addWidget(BtnAmortAnadir, 0, 4);
    rejilla->addWidget(BtnAmortQuitar, 1, 4);
    ChkAmortLegal = new QCheckBox(QStringLiteral("Comisión má&xima legal"), grupo);
    ChkAmortLegal->setObjectName(QStringLiteral("ChkAmortLegal"));
    ChkAmortLegal->setAccessibleName(QStringLiteral("Comisión máxima legal"));
    AplicarPista(ChkAmortLegal, QStringLiteral("Sin comisión pactada: se aplica el máximo que permite la ley para el "
                                               "tipo de interés y el año del préstamo"));
    connect(ChkAmortLegal, &QCheckBox::toggled, this, [this](bool legal) {
        if (legal)
            EditAmortComision->clear();
        EditAmortComision->setEnabled(!legal);
    });
    rejilla->addWidget(ChkAmortLegal, 2, 2, 1, 2);
    lbAmortizaciones = CrearListaCambios(grupo, QStringLiteral("lbAmortizaciones"),
                                         QStringLiteral("Amortizaciones anticipadas"),
                                         QStringLiteral("Amortizaciones anticipadas, por orden de cuota"));
    rejilla->addWidget(lbAmortizaciones, 3, 0, 1, 5);
    return grupo;
}

QWidget* TDialogoCondiciones::CrearRevisiones() {
    auto* grupo = new QGroupBox(QStringLiteral("Revisiones del interés"), this);
    auto* rejilla = new QGridLayout(grupo);
    EditRevCuota = CrearCampo(rejilla, 0, 0, QStringLiteral("EditRevCuota"), QStringLiteral("Nº cuo&ta"),
                              QStringLiteral("Primera cuota a la que se aplica el nuevo interés"), kAnchoCorto);
    EditRevInteres = CrearCampo(rejilla, 0, 2, QStringLiteral("EditRevInteres"),
                                QStringLiteral("Nue&vo interés %"), QStringLiteral("Nuevo interés nominal anual"),
                                AnchoCampoImporte());
    BtnRevAnadir = CrearBoton(QStringLiteral("BtnRevAnadir"), QStringLiteral("Añadi&r"),
                              QStringLiteral("Añadir revisión"), &TDialogoCondiciones::BtnRevAnadirClick);
    BtnRevQuitar = CrearBoton(QStringLiteral("BtnRevQuitar"), QStringLiteral("Q&uitar"),
                              QStringLiteral("Quitar revisión"), &TDialogoCondiciones::BtnRevQuitarClick);
    rejilla->addWidget(BtnRevAnadir, 0, 4);
    rejilla->addWidget(BtnRevQuitar, 1, 4);
    lbRevisiones = CrearListaCambios(grupo, QStringLiteral("lbRevisiones"), QStringLiteral("Revisiones del interés"),
                                     QStringLiteral("Revisiones del interés, por orden de cuota"));
    rejilla->addWidget(lbRevisiones, 2, 0, 1, 5);
    return grupo;
}

QWidget* TDialogoCondiciones::CrearIndices(QWidget* padre) {
    auto* grupo = new QGroupBox(QStringLiteral("Escenario del índice"), padre);
    auto* rejilla = new QGridLayout(grupo);
    EditIndiceCuota = CrearCampo(rejilla, 0, 0, QStringLiteral("EditIndiceCuota"), QStringLiteral("Desde la cuota"),
                                 QStringLiteral("Primera cuota con este valor del índice|Primera cuota con este valor "
                                                "del índice; hasta ella, el índice supuesto arriba"),
                                 kAnchoCorto);
    EditIndiceValor = CrearCampo(rejilla, 0, 2, QStringLiteral("EditIndiceValor"), QStringLiteral("Valor del índice %"),
                                 QStringLiteral("Valor anual del índice desde esa cuota, para un escenario propio"),
                                 AnchoCampoImporte());
    BtnIndiceAnadir = CrearBoton(QStringLiteral("BtnIndiceAnadir"), QStringLiteral("Añadir"),
                                 QStringLiteral("Añadir valor del índice"), &TDialogoCondiciones::BtnIndiceAnadirClick);
    BtnIndiceQuitar = CrearBoton(QStringLiteral("BtnIndiceQuitar"), QStringLiteral("Quitar"),
                                 QStringLiteral("Quitar valor del índice"), &TDialogoCondiciones::BtnIndiceQuitarClick);
    rejilla->addWidget(BtnIndiceAnadir, 0, 4);
    rejilla->addWidget(BtnIndiceQuitar, 1, 4);
    lbIndices = CrearListaCambios(grupo, QStringLiteral("lbIndices"), QStringLiteral("Valores del índice"),
                                  QStringLiteral("Valores del índice, por orden de cuota"));
    rejilla->addWidget(lbIndices, 2, 0, 1, 5);
    return grupo;
}

// Handlers run inside the general error report, so a text that is not a
// number is reported and the window stays open.
QPushButton* TDialogoCondiciones::CrearBoton(const QString& nombre, const QString& caption, const QString& accesible,
                                             void (TDialogoCondiciones::*manejador)()) {
    auto* boton = new QPushButton(caption, this);
    boton->setObjectName(nombre);
    boton->setAccessibleName(accesible.isEmpty() ? SinAcelerador(caption) : accesible);
    boton->setAutoDefault(false);
    connect(boton, &QPushButton::clicked, this, [this, manejador] { EjecutarProtegido([&] { (this->*manejador)(); }); });
    return boton;
}

void TDialogoCondiciones::PonerCondiciones(const CondicionesPrestamo& c) {
    CbPeriodicidad->setCurrentIndex(int(c.periodicidad));
    EditComisionApertura->setText(TextoDosDecimales(c.comisionApertura));
    EditGastos->setText(TextoDosDecimales(c.gastosIniciales));
    amortizaciones_.clear();
    revisiones_.clear();
    for (const AmortizacionAnticipada& a : c.amortizaciones)
        Insertar(amortizaciones_, a);
    for (const RevisionInteres& r : c.revisiones)
        Insertar(revisiones_, r);
    PonerHipoteca(c);
    MostrarListas();
}

CondicionesPrestamo TDialogoCondiciones::LeerCondiciones() const {
    CondicionesPrestamo c;
    c.periodicidad = finance::Periodicidad(std::max(CbPeriodicidad->currentIndex(), 0));
    c.comisionApertura = Importe(EditComisionApertura);
    c.gastosIniciales = Importe(EditGastos);
    c.amortizaciones = amortizaciones_;
    c.revisiones = revisiones_;
    LeerHipoteca(c);
    return c;
}

void TDialogoCondiciones::MostrarListas() {
    Rellenar(lbAmortizaciones, amortizaciones_);
    Rellenar(lbRevisiones, revisiones_);
    Rellenar(lbIndices, indices_);
}

bool TDialogoCondiciones::Admitidas(const CondicionesPrestamo& condiciones) {
    try {
        finance::ValidarCondiciones(condiciones);
        return true;
    } catch (const finance::ECondicionesPrestamo& ex) {
        Avisar(kTitulo, ex.Mensaje(), AvisoAtencion);
        return false;
    }
}

void TDialogoCondiciones::BtnAmortAnadirClick() { AnadirAmortizacion(); }

bool TDialogoCondiciones::AnadirAmortizacion() {
    AmortizacionAnticipada a;
    a.cuota = Cantidad(EditAmortCuota);
    a.importe = Importe(EditAmortImporte);
    a.reduce = ReduccionAmortizacion(std::max(CbAmortReduce->currentIndex(), 0));
    a.comisionLegal = ChkAmortLegal->isChecked();
    a.comision = a.comisionLegal ? 0 : Importe(EditAmortComision);
    CondicionesPrestamo con;
    con.amortizaciones = amortizaciones_;
    con.amortizaciones.push_back(a);
    return Incorporar(con, filas_[0], [this, &a] {
        Insertar(amortizaciones_, a);
        ChkAmortLegal->setChecked(false);
    });
}

// The row is checked with the ones already listed (in `con`); once added,
// its boxes are emptied so that the same row is not added twice by mistake.
bool TDialogoCondiciones::Incorporar(const CondicionesPrestamo& con, const FilaDeCambio& fila,
                                     const std::function<void()>& insertar) {
    if (!Admitidas(con))
        return false;
    insertar();
    MostrarListas();
    for (QLineEdit* campo : fila.campos)
        campo->clear();
    fila.campos.front()->setFocus();
    return true;
}

void TDialogoCondiciones::BtnAmortQuitarClick() {
    Quitar(amortizaciones_, lbAmortizaciones);
    MostrarListas();
}

void TDialogoCondiciones::BtnRevAnadirClick() { AnadirRevision(); }

bool TDialogoCondiciones::AnadirRevision() {
    RevisionInteres r;
    r.cuota = Cantidad(EditRevCuota);
    r.interes = Importe(EditRevInteres);
    CondicionesPrestamo con;
    con.revisiones = revisiones_;
    con.revisiones.push_back(r);
    return Incorporar(con, filas_[1], [this, &r] { Insertar(revisiones_, r); });
}

void TDialogoCondiciones::BtnRevQuitarClick() {
    Quitar(revisiones_, lbRevisiones);
    MostrarListas();
}

void TDialogoCondiciones::BtnIndiceAnadirClick() { AnadirIndice(); }

bool TDialogoCondiciones::AnadirIndice() {
    finance::IndiceDesde i;
    i.cuota = Cantidad(EditIndiceCuota);
    i.valor = Importe(EditIndiceValor);
    CondicionesPrestamo con;
    con.tipoInteres = finance::TipoInteres::Variable;
    con.indicesDesde = indices_;
    con.indicesDesde.push_back(i);
    return Incorporar(con, filas_[2], [this, &i] { Insertar(indices_, i); });
}

void TDialogoCondiciones::BtnIndiceQuitarClick() {
    Quitar(indices_, lbIndices);
    MostrarListas();
}

// A row typed but not yet added is added first, or refused with its reason
// and the window kept open: it is never left out without a word.
void TDialogoCondiciones::BtnAceptarClick() {
    for (const FilaDeCambio& fila : filas_) {
        if (Pendiente(fila) && !(this->*fila.anadir)())
            return;
    }
    if (Admitidas(LeerCondiciones()))
        accept();
}

std::optional<CondicionesPrestamo> PedirCondiciones(QWidget* padre, const CondicionesPrestamo& actuales) {
    return PedirEnDialogo<TDialogoCondiciones>(padre, actuales);
}
