#include "widgets/boton_campo.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

TBotonCampo::TBotonCampo(QWidget* owner) : QToolButton(owner) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void TBotonCampo::FijarEditComp(QLineEdit* edit) {
    if (editComp_)
        editComp_->removeEventFilter(this);
    editComp_ = edit;
    vigilado_ = edit;
    colocado_ = false;
    if (edit) {
        edit->installEventFilter(this);
        EditAsignado(edit);
        Colocar();
        ActualizarEstado();
    }
}

bool TBotonCampo::EsTeclaDelBoton(const QKeyEvent& tecla) {
    const Qt::KeyboardModifiers modificadores = tecla.modifiers() & ~Qt::KeypadModifier;
    return (tecla.key() == Qt::Key_F4 && modificadores == Qt::NoModifier) ||
           (tecla.key() == Qt::Key_Down && modificadores == Qt::AltModifier);
}

QRect TBotonCampo::RectanguloJuntoA(const QRect& edit) {
    return {edit.x() + edit.width() + 2, edit.y(), qMax(edit.height(), 24), edit.height()};
}

// Beside the edit box, in the coordinates of the button's parent.
void TBotonCampo::Colocar() {
    QLineEdit* edit = editComp_;
    if (!edit || !parentWidget())
        return;
    QRect rect = edit->geometry();
    if (edit->parentWidget() != parentWidget() && edit->parentWidget())
        rect.moveTopLeft(parentWidget()->mapFromGlobal(edit->parentWidget()->mapToGlobal(rect.topLeft())));
    setGeometry(RectanguloJuntoA(rect));
    colocado_ = true;
}

bool TBotonCampo::EditUtilizable() const {
    return editComp_ && editComp_->isEnabled() && !editComp_->isReadOnly();
}

void TBotonCampo::ActualizarEstado() {
    if (editComp_ && isEnabled() != EditUtilizable())
        setEnabled(EditUtilizable());
}

void TBotonCampo::paintEvent(QPaintEvent* evento) {
    if (!colocado_)
        Colocar();
    ActualizarEstado();
    QToolButton::paintEvent(evento);
}

bool TBotonCampo::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == vigilado_) {
        switch (evento->type()) {
        case QEvent::Move:
        case QEvent::Resize: Colocar(); break;
        case QEvent::EnabledChange:
        case QEvent::ReadOnlyChange: ActualizarEstado(); break;
        case QEvent::KeyPress:
            if (EsTeclaDelBoton(*static_cast<QKeyEvent*>(evento)) && isEnabled()) {
                click();
                return true;
            }
            break;
        default: break;
        }
    }
    return QToolButton::eventFilter(objeto, evento);
}
