#include "util/puertas.h"

#include "app/ventana_ayuda.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>

namespace puertas {
namespace {

int MostrarModalDelSistema(QDialog& dialogo) { return dialogo.exec(); }
void PitidoDelSistema() { QApplication::beep(); }
void AbrirUrlDelSistema(const QUrl& url) { QDesktopServices::openUrl(url); }
void VisorAyudaDelPrograma(int contexto, QWidget* padre) { TVentanaAyuda::Abrir(contexto, padre); }
QString PedirFicheroDelSistema(QWidget* padre, const QString& titulo, const QString& filtro, bool guardar) {
    if (guardar)
        return QFileDialog::getSaveFileName(padre, titulo, CarpetaFicheros(), filtro, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    return QFileDialog::getOpenFileName(padre, titulo, CarpetaFicheros(), filtro);
}

// The folder of the last file chosen during this run; empty before the first.
QString& UltimaCarpeta() {
    static QString carpeta;
    return carpeta;
}
QSize PantallaDelSistema() {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    return pantalla ? pantalla->geometry().size() : QSize(1024, 768);
}

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
VisorAyuda& PuertaAyuda() {
    static VisorAyuda puerta = VisorAyudaDelPrograma;
    return puerta;
}

PedirFichero& PuertaFichero() {
    static PedirFichero puerta = PedirFicheroDelSistema;
    return puerta;
}
Pantalla& PuertaPantalla() {
    static Pantalla puerta = PantallaDelSistema;
    return puerta;
}

}  // namespace

int EjecutarModal(QDialog& dialogo) { return PuertaModal()(dialogo); }
void FijarMostrarModal(MostrarModal puerta) { PuertaModal() = std::move(puerta); }

void Pitar() { PuertaPitido()(); }
void FijarPitido(Pitido puerta) { PuertaPitido() = std::move(puerta); }

void AbrirEnSistema(const QUrl& url) { PuertaUrl()(url); }
void FijarAbrirUrl(AbrirUrl puerta) { PuertaUrl() = std::move(puerta); }

void AbrirVisorAyuda(int contexto, QWidget* padre) { PuertaAyuda()(contexto, padre); }
void FijarVisorAyuda(VisorAyuda puerta) { PuertaAyuda() = std::move(puerta); }

QString PedirNombreFichero(QWidget* padre, const QString& titulo, const QString& filtro, bool guardar) {
    const QString nombre = PuertaFichero()(padre, titulo, filtro, guardar);
    if (!nombre.isEmpty())
        UltimaCarpeta() = QFileInfo(nombre).absolutePath();
    return nombre;
}

QString CarpetaFicheros() {
    if (!UltimaCarpeta().isEmpty() && QDir(UltimaCarpeta()).exists())
        return UltimaCarpeta();
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documentos.isEmpty() && QDir(documentos).exists())
        return documentos;
    return QDir::homePath();
}

void OlvidarCarpetaFicheros() { UltimaCarpeta().clear(); }
void FijarPedirFichero(PedirFichero puerta) { PuertaFichero() = std::move(puerta); }

QSize TamanoPantalla() { return PuertaPantalla()(); }
void FijarTamanoPantalla(Pantalla puerta) { PuertaPantalla() = std::move(puerta); }

void RestaurarPuertas() {
    PuertaModal() = MostrarModalDelSistema;
    PuertaPitido() = PitidoDelSistema;
    PuertaUrl() = AbrirUrlDelSistema;
    PuertaAyuda() = VisorAyudaDelPrograma;
    PuertaFichero() = PedirFicheroDelSistema;
    PuertaPantalla() = PantallaDelSistema;
}

}  // namespace puertas
