#pragma once
// Shows a conditions dialog filled with what the page holds and gives back
// what the person accepted, or nothing when they cancelled: the page keeps
// its conditions untouched unless the dialog was accepted.
#include "util/puertas.h"

#include <QDialog>
#include <QWidget>
#include <optional>

template <typename Dialogo, typename Condiciones>
std::optional<Condiciones> PedirEnDialogo(QWidget* padre, const Condiciones& actuales) {
    Dialogo dialogo(padre);
    dialogo.PonerCondiciones(actuales);
    if (puertas::EjecutarModal(dialogo) != QDialog::Accepted)
        return std::nullopt;
    return dialogo.LeerCondiciones();
}
