#pragma once
// The small calendar button beside a date edit box. It sits at the box's
// right and is enabled only while the box can be written. A click opens the
// date picker on the box's date (or today) and writes the chosen date back;
// a right click puts today's date in, asking first when the box holds a date.
#include <QPointer>
#include <QRect>
#include <QString>
#include <QToolButton>

class QLineEdit;

class tBotonFecha : public QToolButton {
    Q_OBJECT
public:
    explicit tBotonFecha(QWidget* owner = nullptr);

    // The date edit box the button serves; it may be unset.
    void FijarEditComp(QLineEdit* edit);
    QLineEdit* EditComp() const { return editComp_; }

    // Stored with the button; nothing depends on it.
    bool fVacia = false;
    // The picker's scaling switch is set from it.
    bool fScaled = false;
    // Caption of the picker; empty keeps "Seleccionar una fecha".
    QString Titulo;

    // Where the button goes beside an edit box with the given geometry:
    // 2 pixels to its right, as high as the box and at least 24 wide.
    static QRect RectanguloJuntoA(const QRect& edit);

public slots:
    // Opens the picker for the edit box.
    void Click();
    // Puts today's date into the edit box (the right click).
    void PonerFechaDeHoy();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Colocar();
    void ActualizarEstado();
    bool EditUtilizable() const;
    // Moves the focus to the edit box; false when another field kept it
    // (its own date check failed).
    bool EnfocarEdit();

    QPointer<QLineEdit> editComp_;
    bool colocado_ = false;
};

// A date button serving the edit box, created beside it in the same parent
// window, with the given object name.
tBotonFecha* CrearBotonFecha(QLineEdit* edit, const QString& nombre);
