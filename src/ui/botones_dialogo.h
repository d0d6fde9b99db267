#pragma once
// The Aceptar and Cancelar buttons that close a form dialog, on a row of
// their own at its right: Aceptar is the default button and runs `aceptar`
// (a failure is shown, never thrown out of the event loop); Cancelar
// rejects the dialog.
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <functional>

struct BotonesDialogo {
    QHBoxLayout* fila = nullptr;
    QPushButton* aceptar = nullptr;
    QPushButton* cancelar = nullptr;
};

BotonesDialogo CrearBotonesAceptarCancelar(QDialog* dialogo, const std::function<void()>& aceptar);
