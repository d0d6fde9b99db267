#include "ui/colores_campos.h"

#include <QComboBox>
#include <QPalette>
#include <QWidget>

void FijarColorFondo(QWidget* control, const QColor& color) {
    if (!control)
        return;
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::Base, color);
    if (qobject_cast<QComboBox*>(control))
        paleta.setColor(QPalette::Button, color);
    control->setPalette(paleta);
}

QColor ColorFondo(const QWidget* control) {
    return control ? control->palette().color(QPalette::Base) : QColor();
}
