#include "util/puertas.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>

namespace puertas {
namespace {

int MostrarModalDelSistema(QDialog& dialogo) { return dialogo.exec(); }
void PitidoDelSistema() { QApplication::beep(); }
void AbrirUrlDelSistema(const QUrl& url) { QDesktopServices::openUrl(url); }

MostrarModal& PuertaModal() {
    static MostrarModal puerta = MostrarModalDelSistema;
    return puerta;
}
Pitido& PuertaPitido() {
    static Pitido puerta = PitidoDelSistema;
    return puerta;
}
AbrirUrl& PuertaUrl() {
    static AbrirUrl puerta = AbrirUrlDelSistema;
    return puerta;
}

}  // namespace

int EjecutarModal(QDialog& dialogo) { return PuertaModal()(dialogo); }
void FijarMostrarModal(MostrarModal puerta) { PuertaModal() = std::move(puerta); }

void Pitar() { PuertaPitido()(); }
void FijarPitido(Pitido puerta) { PuertaPitido() = std::move(puerta); }

void AbrirEnSistema(const QUrl& url) { PuertaUrl()(url); }
void FijarAbrirUrl(AbrirUrl puerta) { PuertaUrl() = std::move(puerta); }

void RestaurarPuertas() {
    PuertaModal() = MostrarModalDelSistema;
    PuertaPitido() = PitidoDelSistema;
    PuertaUrl() = AbrirUrlDelSistema;
}

}  // namespace puertas
