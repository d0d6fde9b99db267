#include "ui/puertas_sistema.h"

#include "ui/ventana_ayuda.h"
#include "util/puertas.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QScreen>

namespace puertas {
namespace {

QString PedirFicheroDelSistema(QWidget* padre, const QString& titulo, const QString& filtro, bool guardar) {
    if (guardar)
        return QFileDialog::getSaveFileName(padre, titulo, CarpetaFicheros(), filtro, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    return QFileDialog::getOpenFileName(padre, titulo, CarpetaFicheros(), filtro);
}

QSize PantallaDelSistema() {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    return pantalla ? pantalla->geometry().size() : QSize(1024, 768);
}

}  // namespace

void InstalarPuertasDelSistema() {
    FijarMostrarModal([](QDialog& dialogo) { return dialogo.exec(); });
    FijarPitido([] { QApplication::beep(); });
    FijarAbrirUrl([](const QUrl& url) { QDesktopServices::openUrl(url); });
    FijarVisorAyuda([](int contexto, QWidget* padre) { TVentanaAyuda::Abrir(contexto, padre); });
    FijarPedirFichero(PedirFicheroDelSistema);
    FijarTamanoPantalla(PantallaDelSistema);
    FijarRestaurador(InstalarPuertasDelSistema);
}

}  // namespace puertas
