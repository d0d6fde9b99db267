#pragma once
// A small button that serves an edit box: it sits at the box's right,
// follows it when the layout moves or resizes it, and is enabled only while
// the box can be written. F4 or Alt+Down in the box presses the button, as
// they open a drop-down on the desktop, so the button needs no Tab stop of
// its own. The calculator and date buttons derive from it.
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRect>
#include <QToolButton>

class TBotonCampo : public QToolButton {
    Q_OBJECT
public:
    explicit TBotonCampo(QWidget* owner = nullptr);

    // The edit box the button serves; it may be unset.
    void FijarEditComp(QLineEdit* edit);
    QLineEdit* EditComp() const { return editComp_; }

    // Where the button goes beside an edit box with the given geometry:
    // 2 pixels to its right, as high as the box and at least 24 wide.
    static QRect RectanguloJuntoA(const QRect& edit);

    // F4, or Alt+Down, the keys that press the button from its box.
    static bool EsTeclaDelBoton(const QKeyEvent& tecla);

protected:
    // Called when a box has been bound to the button.
    virtual void EditAsignado(QLineEdit*) {}
    bool EditUtilizable() const;

    void paintEvent(QPaintEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    QPointer<QLineEdit> editComp_;

private:
    void Colocar();
    void ActualizarEstado();

    bool colocado_ = false;
    // The same box as editComp_, seen as a plain object: the event filter
    // compares with this one, because reading editComp_ converts to
    // QLineEdit*, which is wrong once the box is being destroyed and only
    // its QWidget part is left (the last events it sends come from there).
    QPointer<QObject> vigilado_;
};
