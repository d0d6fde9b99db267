#include "app/sesion_calculos.h"

#include "app/form_calculos_financieros.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

namespace {

QString RutaSesion() { return QDir(CarpetaAjustes()).filePath(QStringLiteral("sesion.zzc")); }

QString RutaAjustes() { return QDir(CarpetaAjustes()).filePath(QStringLiteral("zuzidaduve.ini")); }

const QString kClaveRecientes = QStringLiteral("recientes");

}  // namespace

QString CarpetaAjustes() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

bool RestaurarSesion(TFormCalculosFinancieros& ventana) {
    const QString ruta = RutaSesion();
    if (!QFileInfo::exists(ruta))
        return false;
    finance::DocumentoCalculo documento;
    QString motivo;
    if (!finance::CargarDocumento(ruta, documento, &motivo)) {
        std::fprintf(stderr, "%s\n", qPrintable(finance::MensajeDocumento(false, ruta, motivo)));
        return false;
    }
    ventana.MostrarDocumento(documento);
    return true;
}

void GuardarSesion(const TFormCalculosFinancieros& ventana) {
    QString motivo;
    if (!QDir().mkpath(CarpetaAjustes()) || !finance::GuardarDocumento(RutaSesion(), ventana.Documento(), &motivo))
        std::fprintf(stderr, "%s\n", qPrintable(finance::MensajeDocumento(true, RutaSesion(), motivo)));
}

QStringList LeerRecientes() {
    const QSettings ajustes(RutaAjustes(), QSettings::IniFormat);
    QStringList recientes = ajustes.value(kClaveRecientes).toStringList();
    recientes.removeAll(QString());
    return recientes.mid(0, kMaximoRecientes);
}

QStringList AnadirReciente(const QString& ruta) {
    QStringList recientes = LeerRecientes();
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    recientes.removeAll(absoluta);
    recientes.prepend(absoluta);
    recientes = recientes.mid(0, kMaximoRecientes);
    QDir().mkpath(CarpetaAjustes());
    QSettings(RutaAjustes(), QSettings::IniFormat).setValue(kClaveRecientes, recientes);
    return recientes;
}
