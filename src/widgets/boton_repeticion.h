#pragma once
// A flat speed button that repeats its click while it is held down: once
// after InitRepeatPause, then every RepeatPause, and the ordinary click on
// release. No tooltip shows while it repeats.
#include <QToolButton>
#include <functional>

class QTimer;

class tRepButton : public QToolButton {
    Q_OBJECT

public:
    explicit tRepButton(QWidget* parent = nullptr);

    bool fRepeticion() const { return repeticion_; }
    void SetfRepeticion(bool value) { repeticion_ = value; }
    quint16 InitRepeatPause() const { return initRepeatPause_; }
    void SetInitRepeatPause(quint16 value) { initRepeatPause_ = value; }
    quint16 RepeatPause() const { return repeatPause_; }
    void SetRepeatPause(quint16 value) { repeatPause_ = value; }

    // The click handler, run on every click, repeated ones included. An
    // exception it throws reaches the general error report; during a repeat
    // it also stops the repeating and lets the button up.
    std::function<void()> OnClick;

    // The repeat timer, created on the first press (for tests).
    QTimer* RepeatTimer() const { return timer_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void TimerTick();
    void EjecutarClick();
    void Detener();

    bool repeticion_ = false;
    quint16 initRepeatPause_ = 400;
    quint16 repeatPause_ = 50;
    QTimer* timer_ = nullptr;
    QString hintGuardado_;
    bool repitiendo_ = false;
    bool pulsado_ = false;
    // A repeated click failed: the press is over and its release gives no click.
    bool cancelado_ = false;
};
