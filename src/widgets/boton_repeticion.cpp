#include "widgets/boton_repeticion.h"

#include "ui/informe_errores.h"

#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <utility>

tRepButton::tRepButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    connect(this, &QAbstractButton::clicked, this, [this] { EjecutarClick(); });
}

void tRepButton::EjecutarClick() {
    if (OnClick)
        EjecutarProtegido(OnClick);
}

void tRepButton::mousePressEvent(QMouseEvent* event) {
    cancelado_ = false;
    QToolButton::mousePressEvent(event);
    pulsado_ = event->button() == Qt::LeftButton && isDown();
    if (!repeticion_ || !pulsado_)
        return;
    if (!repitiendo_) {
        hintGuardado_ = toolTip();
        setToolTip(QString());
        QToolTip::hideText();
        repitiendo_ = true;
    }
    if (!timer_) {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, [this] { TimerTick(); });
    }
    timer_->setInterval(initRepeatPause_);
    timer_->start();
}

void tRepButton::mouseReleaseEvent(QMouseEvent* event) {
    pulsado_ = false;
    if (std::exchange(cancelado_, false))
        setDown(false);
    QToolButton::mouseReleaseEvent(event);
    Detener();
}

void tRepButton::TimerTick() {
    timer_->setInterval(repeatPause_);
    // Only while the pointer still holds the button down over it.
    if (!isDown() || !pulsado_)
        return;
    if (!OnClick)
        return;
    try {
        OnClick();
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        pulsado_ = false;
        cancelado_ = true;
        setDown(false);
        Detener();
        InformarError(error);
    }
}

void tRepButton::Detener() {
    if (timer_)
        timer_->stop();
    if (repitiendo_) {
        setToolTip(hintGuardado_);
        repitiendo_ = false;
    }
}
