#include "util/puertas.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace puertas {
namespace {

// What a door does before the system's are installed: nothing shown,
// everything cancelled (0 is QDialog::Rejected).
int MostrarModalNeutro(QDialog&) { return 0; }
void PitidoNeutro() {}
void AbrirUrlNeutro(const QUrl&) {}
void VisorAyudaNeutro(int, QWidget*) {}
QString PedirFicheroNeutro(QWidget*, const QString&, const QString&, bool) { return {}; }
QSize PantallaNeutra() { return {1024, 768}; }

// The folder of the last file chosen during this run; empty before the first.
QString& UltimaCarpeta() {
    static QString carpeta;
    return carpeta;
}
std::function<void()>& Restaurador() {
    static std::function<void()> instalar;
    return instalar;
}

MostrarModal& PuertaModal() {
    static MostrarModal puerta = MostrarModalNeutro;
    return puerta;
}
Pitido& PuertaPitido() {
    static Pitido puerta = PitidoNeutro;
    return puerta;
}
AbrirUrl& PuertaUrl() {
    static AbrirUrl puerta = AbrirUrlNeutro;
    return puerta;
}
VisorAyuda& PuertaAyuda() {
    static VisorAyuda puerta = VisorAyudaNeutro;
    return puerta;
}

PedirFichero& PuertaFichero() {
    static PedirFichero puerta = PedirFicheroNeutro;
    return puerta;
}
Pantalla& PuertaPantalla() {
    static Pantalla puerta = PantallaNeutra;
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

void FijarRestaurador(std::function<void()> instalar) { Restaurador() = std::move(instalar); }

void RestaurarPuertas() {
    if (Restaurador()) {
        Restaurador()();
        return;
    }
    PuertaModal() = MostrarModalNeutro;
    PuertaPitido() = PitidoNeutro;
    PuertaUrl() = AbrirUrlNeutro;
    PuertaAyuda() = VisorAyudaNeutro;
    PuertaFichero() = PedirFicheroNeutro;
    PuertaPantalla() = PantallaNeutra;
}

}  // namespace puertas
