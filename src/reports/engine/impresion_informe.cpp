#include "reports/engine/impresion_informe.h"

#include "reports/engine/pintor_pagina.h"
#include "util/puertas.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <algorithm>

bool ImprimirPaginas(const InformePreparado& informe, QPrinter& impresora, QWidget* padre) {
    const int total = static_cast<int>(informe.paginas.size());
    if (total == 0)
        return false;
    int desde = 1, hasta = total;
    if (impresora.printRange() == QPrinter::PageRange && impresora.fromPage() > 0) {
        desde = std::max(1, impresora.fromPage());
        hasta = std::min(total, impresora.toPage() > 0 ? impresora.toPage() : total);
    }
    if (desde > hasta)
        return false;
    impresora.setDocName(informe.titulo);
    impresora.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&impresora))
        return false;

    QProgressDialog progreso(QStringLiteral("Imprimiendo el informe..."), QStringLiteral("&Cancelar"), desde - 1,
                             hasta, padre);
    progreso.setWindowTitle(QStringLiteral("Imprimir"));
    progreso.setWindowModality(Qt::WindowModal);
    progreso.setMinimumDuration(500);
    const double pixelesPorMm = impresora.resolution() / 25.4;
    for (int pagina = desde; pagina <= hasta; ++pagina) {
        if (pagina > desde && !impresora.newPage())
            break;
        PintarPagina(painter, informe, pagina - 1, pixelesPorMm);
        progreso.setLabelText(QStringLiteral("Imprimiendo la página %1 de %2...").arg(pagina).arg(hasta));
        progreso.setValue(pagina);
        QCoreApplication::processEvents();
        if (progreso.wasCanceled()) {
            impresora.abort();
            painter.end();
            return false;
        }
    }
    return painter.end();
}

bool ConfigurarImpresora(QPrinter& impresora, int paginas, QWidget* padre) {
    QPrintDialog dialogo(&impresora, padre);
    dialogo.setWindowTitle(QStringLiteral("Configurar impresora"));
    dialogo.setMinMax(1, std::max(1, paginas));
    dialogo.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                       QAbstractPrintDialog::PrintShowPageSize);
    return puertas::EjecutarModal(dialogo) == QDialog::Accepted;
}
