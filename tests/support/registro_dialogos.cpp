#include "registro_dialogos.h"

#include "util/puertas.h"

#include <QDialog>
#include <QVariant>

namespace {
void Rechazar(QDialog& d) { d.done(QDialog::Rejected); }
void Aceptar(QDialog& d) { d.done(QDialog::Accepted); }
}  // namespace

RegistroDialogos::RegistroDialogos() {
    puertas::FijarMostrarModal([this](QDialog& d) { return Atender(d); });
    puertas::FijarPitido([this] { ++pitidos_; });
    puertas::FijarAbrirUrl([this](const QUrl& url) { direcciones_ << url; });
}

RegistroDialogos::~RegistroDialogos() {
    puertas::FijarMostrarModal([](QDialog&) { return int(QDialog::Rejected); });
    puertas::FijarPitido([] {});
    puertas::FijarAbrirUrl([](const QUrl&) {});
}

void RegistroDialogos::Responder(bool aceptar) { respuestas_ << (aceptar ? Aceptar : Rechazar); }

void RegistroDialogos::ResponderCon(std::function<void(QDialog&)> accion) { respuestas_ << std::move(accion); }

void RegistroDialogos::Limpiar() {
    respuestas_.clear();
    mostrados_.clear();
    direcciones_.clear();
    pitidos_ = 0;
}

int RegistroDialogos::Atender(QDialog& dialogo) {
    DialogoMostrado m;
    m.titulo = dialogo.windowTitle();
    m.mensaje = dialogo.property("mensaje").toString();
    const QVariant tipo = dialogo.property("tipoAviso");
    m.tipo = tipo.isValid() ? tipo.toInt() : -1;
    const QVariant botones = dialogo.property("botonesAviso");
    m.botones = botones.isValid() ? botones.toInt() : -1;
    mostrados_ << m;
    const auto accion = respuestas_.isEmpty() ? std::function<void(QDialog&)>(Rechazar) : respuestas_.takeFirst();
    dialogo.setResult(QDialog::Rejected);
    dialogo.show();
    accion(dialogo);
    if (dialogo.isVisible())
        dialogo.hide();
    return dialogo.result();
}
