#include "ui/fichero_para_guardar.h"

#include "ui/avisos.h"
#include "util/puertas.h"

#include <QDir>
#include <QFileInfo>

QString ConExtension(const QString& ruta, const QString& extension) {
    const QString nombre = QFileInfo(ruta).fileName();
    if (nombre.isEmpty() || !QFileInfo(nombre).suffix().isEmpty())
        return ruta;
    return ruta + (nombre.endsWith(QLatin1Char('.')) ? extension : QLatin1Char('.') + extension);
}

QString PedirFicheroParaGuardar(QWidget* padre, const QString& titulo, const QString& filtro,
                                const std::function<QString(const QString&)>& completar) {
    const QString elegido = puertas::PedirNombreFichero(padre, titulo, filtro, true);
    if (elegido.isEmpty())
        return {};
    const QString nombre = completar(elegido);
    const QFileInfo fichero(nombre);
    if ((fichero.exists() || fichero.isSymLink()) && !fichero.isDir() &&
        !Confirmar(titulo,
                   QStringLiteral("El fichero «%1» ya existe.\n¿Desea reemplazarlo?").arg(QDir::toNativeSeparators(nombre)),
                   true, BotonesSiNo, AvisoConfirmacion))
        return {};
    return nombre;
}
