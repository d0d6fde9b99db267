#include "reports/engine/fichero_informe.h"

#include "reports/engine/fichero_sistema.h"
#include "reports/engine/formato_informe.h"

#include <QBuffer>

QByteArray EscribirInforme(const InformePreparado& informe) {
    QByteArray fichero;
    formato_informe::EscribirFichero(
        informe,
        [&fichero](const char* datos, qint64 bytes) {
            fichero.append(datos, qsizetype(bytes));
            return true;
        },
        nullptr);
    return fichero;
}

bool LeerInforme(const QByteArray& datos, InformePreparado& destino, QString* motivo) {
    QBuffer origen;
    origen.setData(datos);
    origen.open(QIODevice::ReadOnly);
    return formato_informe::LeerFichero(origen, datos.size(), destino, motivo, {});
}

bool GuardarInforme(const InformePreparado& informe, const QString& ruta, QString* motivo) {
    TEscrituraAtomica fichero(ruta);
    QString error;
    const bool bien = fichero.Abrir(&error) &&
                      formato_informe::EscribirFichero(
                          informe,
                          [&](const char* datos, qint64 bytes) { return fichero.Escribir(datos, bytes, &error); },
                          &error) &&
                      fichero.Confirmar(&error);
    if (!bien && motivo)
        *motivo = error;
    return bien;
}

bool CargarInforme(const QString& ruta, InformePreparado& destino, QString* motivo, const ProgresoCarga& progreso) {
    QFile fichero;
    qint64 tamano = 0;
    return AbrirFicheroNormal(ruta, fichero, tamano, motivo) &&
           formato_informe::LeerFichero(fichero, tamano, destino, motivo, progreso);
}
