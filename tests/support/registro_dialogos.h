#pragma once
// Answers for the person in tests: while alive, every modal dialog goes
// through it; it records what was shown and answers with the queued replies
// (rejecting when none is queued). Beeps and addresses handed to the system
// are recorded too.
#include <QList>
#include <QString>
#include <QUrl>
#include <functional>

class QDialog;

struct DialogoMostrado {
    QString titulo;
    QString mensaje;  // the dialog's "mensaje" property (message dialogs set it)
    int tipo = -1;    // the dialog's "tipoAviso" property, -1 when absent
    int botones = -1; // the dialog's "botonesAviso" property, -1 when absent
};

class RegistroDialogos {
public:
    RegistroDialogos();
    ~RegistroDialogos();
    RegistroDialogos(const RegistroDialogos&) = delete;
    RegistroDialogos& operator=(const RegistroDialogos&) = delete;

    // The next dialog is closed as accepted (true) or rejected (false).
    void Responder(bool aceptar);
    // The next dialog is handed to this function, shown but not run modally;
    // the function acts on it (keys, clicks) and the dialog's result is taken.
    void ResponderCon(std::function<void(QDialog&)> accion);

    const QList<DialogoMostrado>& Mostrados() const { return mostrados_; }
    int Pitidos() const { return pitidos_; }
    const QList<QUrl>& Direcciones() const { return direcciones_; }
    void Limpiar();

private:
    int Atender(QDialog& dialogo);

    QList<std::function<void(QDialog&)>> respuestas_;
    QList<DialogoMostrado> mostrados_;
    QList<QUrl> direcciones_;
    int pitidos_ = 0;
};
