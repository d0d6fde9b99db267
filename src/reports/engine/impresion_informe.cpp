#include "reports/engine/impresion_informe.h"

#include "reports/engine/pintor_pagina.h"
#include "util/puertas.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <algorithm>

namespace {

QStringList ImpresorasInstaladas() { return QPrinterInfo::availablePrinterNames(); }

ConsultaImpresoras& Consulta() {
    static ConsultaImpresoras consulta = ImpresorasInstaladas;
    return consulta;
}

void Fallar(QString* fallo, const QString& motivo) {
    if (fallo)
        *fallo = motivo;
}

// Why the printer cannot start, in words for the person.
QString MotivoSinInicio(const QPrinter& impresora) {
    if (impresora.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("no se puede escribir el fichero PDF «%1»").arg(impresora.outputFileName());
    return QStringLiteral("la impresora «%1» no responde").arg(impresora.printerName());
}

}  // namespace

QStringList ImpresorasDelSistema() { return Consulta()(); }
void FijarConsultaImpresoras(ConsultaImpresoras consulta) {
    Consulta() = consulta ? std::move(consulta) : ImpresorasInstaladas;
}

bool ImprimirPaginas(const InformePreparado& informe, QPrinter& impresora, QWidget* padre, QString* fallo) {
    Fallar(fallo, QString());
    const int total = static_cast<int>(informe.paginas.size());
    if (total == 0) {
        Fallar(fallo, QStringLiteral("el informe no tiene páginas"));
        return false;
    }
    int desde = 1, hasta = total;
    if (impresora.printRange() == QPrinter::PageRange && impresora.fromPage() > 0) {
        desde = std::max(1, impresora.fromPage());
        hasta = std::min(total, impresora.toPage() > 0 ? impresora.toPage() : total);
    }
    if (desde > hasta) {
        Fallar(fallo, QStringLiteral("las páginas pedidas (%1 a %2) no están en el informe").arg(desde).arg(hasta));
        return false;
    }
    // A PDF printer without a file name cannot start, and trying would leave
    // it unusable for the rest of the run.
    if (impresora.outputFormat() == QPrinter::PdfFormat && impresora.outputFileName().isEmpty()) {
        Fallar(fallo, QStringLiteral("no se ha elegido ni una impresora ni un fichero PDF"));
        return false;
    }
    impresora.setDocName(informe.titulo);
    impresora.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&impresora)) {
        Fallar(fallo, MotivoSinInicio(impresora));
        return false;
    }

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
    if (!painter.end()) {
        Fallar(fallo, MotivoSinInicio(impresora));
        return false;
    }
    return true;
}

bool ConfigurarImpresora(QPrinter& impresora, int paginas, QWidget* padre) {
    QPrintDialog dialogo(&impresora, padre);
    dialogo.setWindowTitle(QStringLiteral("Configurar impresora"));
    dialogo.setMinMax(1, std::max(1, paginas));
    dialogo.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                       QAbstractPrintDialog::PrintShowPageSize);
    return puertas::EjecutarModal(dialogo) == QDialog::Accepted;
}
