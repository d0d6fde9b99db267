#include "widgets/boton_fecha.h"

#include "ui/avisos.h"
#include "ui/controles_pagina.h"
#include "ui/imagen_svg.h"
#include "ui/informe_errores.h"
#include "util/excepcion.h"
#include "util/fechas.h"
#include "util/puertas.h"
#include "widgets/form_calendario.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <optional>

namespace {

const QString PistaBoton =
    QStringLiteral("Seleccionar una fecha|Seleccionar una fecha (pulse el botón derecho para obtener fecha de hoy)");

// The date the picker opens on for an edit box's text: the text's date when
// it reads and lies in the date fields' range; otherwise today, after a
// warning unless the field is blank.
QDate FechaInicial(const QString& texto) {
    std::optional<QDate> fecha;
    bool leida = true;
    try {
        fecha = LeerFecha(texto);
    } catch (const EConvertError&) {
        leida = false;  // warned below unless the field is blank
    }
    if (fecha && FechaEnRango(*fecha))
        return *fecha;
    if (fecha || !leida)
        Avisar(QString(), TextoFechaIncorrecta(texto), AvisoAtencion);
    return QDate::currentDate();
}

}  // namespace

tBotonFecha::tBotonFecha(QWidget* owner) : TBotonCampo(owner) {
    setObjectName(QStringLiteral("BotonFecha"));
    setIcon(IconoSvg(QStringLiteral(":/icons/fecha.svg"), QSize(16, 16)));
    setIconSize(QSize(16, 16));
    AplicarPista(this, PistaBoton);
    setAccessibleName(QStringLiteral("Seleccionar una fecha"));
    connect(this, &QToolButton::clicked, this, [this] { EjecutarProtegido([this] { Click(); }); });
}

bool tBotonFecha::EnfocarEdit() {
    QPointer<QLineEdit> edit = editComp_;
    edit->setFocus(Qt::OtherFocusReason);
    return edit && edit->window()->focusWidget() == edit;
}

void tBotonFecha::Click() {
    if (!editComp_ || !editComp_->isEnabled())
        return;
    if (!EnfocarEdit())
        return;
    QPointer<QLineEdit> destino = editComp_;
    TFmCalendario picker(this);
    if (!Titulo.isEmpty())
        picker.setWindowTitle(Titulo);
    picker.BtnAceptar->setEnabled(true);
    picker.PonerFecha(FechaInicial(destino->text()));
    picker.Scaled = fScaled;
    if (puertas::EjecutarModal(picker) == QDialog::Accepted && destino) {
        // A picked date counts as one the person wrote.
        destino->setText(TextoFecha(picker.LeerFecha()));
        destino->setModified(true);
    }
}

void tBotonFecha::mouseReleaseEvent(QMouseEvent* evento) {
    QToolButton::mouseReleaseEvent(evento);
    if (evento->button() == Qt::RightButton && rect().contains(evento->position().toPoint()))
        EjecutarProtegido([this] { PonerFechaDeHoy(); });
}

void tBotonFecha::PonerFechaDeHoy() {
    if (!editComp_ || !editComp_->isEnabled())
        return;
    if (!EnfocarEdit())
        return;
    QPointer<QLineEdit> destino = editComp_;
    if (FechaEnBlanco(destino->text()) ||
        Confirmar(QStringLiteral("Atención"), QStringLiteral("¿Desea obtener la fecha de hoy?"), true, BotonesSiNo,
                  AvisoConfirmacion)) {
        if (destino) {
            destino->setText(TextoFecha(QDate::currentDate()));
            destino->setModified(true);
        }
    }
}

tBotonFecha* CrearBotonFecha(QLineEdit* edit, const QString& nombre) {
    auto* boton = new tBotonFecha(edit->parentWidget());
    boton->setObjectName(nombre);
    boton->resize(24, 24);
    boton->FijarEditComp(edit);
    if (edit->parentWidget() && edit->parentWidget()->isVisible())
        boton->show();
    return boton;
}
