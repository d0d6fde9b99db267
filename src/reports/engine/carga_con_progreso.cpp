#include "reports/engine/carga_con_progreso.h"

#include <QCoreApplication>
#include <QProgressDialog>

bool CargarInformeConProgreso(const QString& ruta, InformePreparado& destino, QString* motivo, QWidget* padre) {
    constexpr int kPasos = 1000;
    QProgressDialog progreso(QStringLiteral("Cargando el informe..."), QStringLiteral("&Cancelar"), 0, kPasos, padre);
    progreso.setWindowTitle(QStringLiteral("Cargar un informe"));
    progreso.setWindowModality(Qt::WindowModal);
    progreso.setMinimumDuration(400);
    progreso.setAutoReset(false);
    progreso.setValue(0);
    return CargarInforme(ruta, destino, motivo, [&progreso](qint64 hechos, qint64 total) {
        progreso.setValue(total > 0 ? int(hechos * kPasos / total) : 0);
        QCoreApplication::processEvents();
        return !progreso.wasCanceled();
    });
}
