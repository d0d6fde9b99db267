#include "ui/barra_accesible.h"

#include <QToolBar>
#include <QToolButton>

void NombrarBotonExtension(QToolBar* barra) {
    auto* boton = barra->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly);
    if (!boton)
        return;
    boton->setAccessibleName(QStringLiteral("Más botones"));
    boton->setAccessibleDescription(QStringLiteral("Mostrar los botones que no caben en la barra"));
}
