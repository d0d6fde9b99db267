#include "app/panel_resultado.h"

#include "app/texto_accesible.h"

#include <QAccessible>

namespace {

// The panel as static text whose Text interface returns the shown figure;
// Qt's own label interface only offers the text as the name, which is taken
// by the caption here.
class PanelAccesible : public TAccesibleConTexto {
public:
    explicit PanelAccesible(TPanelResultado* panel) : TAccesibleConTexto(panel, QAccessible::StaticText) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

protected:
    QString TextoMostrado() const override { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("TPanelResultado") && objeto && objeto->isWidgetType())
        return new PanelAccesible(static_cast<TPanelResultado*>(objeto));
    return nullptr;
}

}  // namespace

TPanelResultado::TPanelResultado(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMargin(2);
    setFocusPolicy(Qt::NoFocus);
}

void TPanelResultado::setText(const QString& texto) {
    if (texto == text())
        return;
    QLabel::setText(texto);
    QAccessibleTextUpdateEvent cambio(this, 0, QString(), texto);
    QAccessible::updateAccessibility(&cambio);
}

void TPanelResultado::RegistrarAccesibilidad() {
    static bool registrado = false;
    if (!registrado)
        QAccessible::installFactory(Fabrica);
    registrado = true;
}
