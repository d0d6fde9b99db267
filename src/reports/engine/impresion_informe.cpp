#include "reports/engine/impresion_informe.h"

#include "reports/engine/pintor_pagina.h"
#include "util/dispositivo_atomico.h"
#include "util/puertas.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
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
    return QStringLiteral("la impresora «%1» no responde").arg(impresora.printerName());
}


struct Paginas {
    int desde, hasta;  // from 1, both included
};

// A report may turn some pages to landscape: the sheet takes the
// orientation of the page printed on it.
QPageLayout::Orientation Orientacion(const InformePreparado& informe, int pagina) {
    const QSizeF tamano = informe.paginas.Tamano(std::size_t(pagina - 1));
    return tamano.width() > tamano.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Paints the pages on a started painter, with a progress window; false when
// the person cancelled. Stops early, true, once `fallido` says the output
// has already failed.
bool PintarPaginas(const InformePreparado& informe, QPainter& painter, QPagedPaintDevice& dispositivo,
                   Paginas paginas, QWidget* padre, const std::function<bool()>& fallido = {}) {
    QProgressDialog progreso(QStringLiteral("Imprimiendo el informe..."), QStringLiteral("&Cancelar"),
                             paginas.desde - 1, paginas.hasta, padre);
    progreso.setWindowTitle(QStringLiteral("Imprimir"));
    progreso.setWindowModality(Qt::WindowModal);
    progreso.setMinimumDuration(500);
    const double pixelesPorMm = dispositivo.logicalDpiX() / 25.4;
    for (int pagina = paginas.desde; pagina <= paginas.hasta; ++pagina) {
        if (pagina > paginas.desde && Orientacion(informe, pagina) != dispositivo.pageLayout().orientation())
            dispositivo.setPageOrientation(Orientacion(informe, pagina));
        if ((pagina > paginas.desde && !dispositivo.newPage()) || (fallido && fallido()))
            break;
        PintarPagina(painter, informe, pagina - 1, pixelesPorMm);
        progreso.setLabelText(QStringLiteral("Imprimiendo la página %1 de %2...").arg(pagina).arg(paginas.hasta));
        progreso.setValue(pagina);
        QCoreApplication::processEvents();
        if (progreso.wasCanceled())
            return false;
    }
    return true;
}

// A PDF is written beside its name and takes the name only once every page
// is on disk, so a full disk or a cancelled print leaves an older file of
// that name as it was, and a link planted under the name is replaced, not
// followed. The page set-up comes from the printer.
bool ImprimirEnPdf(const InformePreparado& informe, const QPrinter& impresora, Paginas paginas, QWidget* padre,
                   QString* fallo) {
    const QString ruta = impresora.outputFileName();
    const auto motivoPdf = [&](const QString& motivo) {
        return QStringLiteral("no se puede escribir el fichero PDF «%1» (%2)").arg(ruta, motivo);
    };
    TDispositivoAtomico fichero(ruta);
    QString motivo;
    if (!fichero.Abrir(&motivo)) {
        Fallar(fallo, motivoPdf(motivo));
        return false;
    }
    QPdfWriter pdf(&fichero);
    QPageLayout pagina = impresora.pageLayout();
    pagina.setMargins(QMarginsF());
    pagina.setOrientation(Orientacion(informe, paginas.desde));
    pdf.setPageLayout(pagina);
    pdf.setResolution(impresora.resolution());
    pdf.setPdfVersion(impresora.pdfVersion());
    pdf.setTitle(informe.titulo);
    pdf.setCreator(impresora.creator());
    QPainter painter;
    if (!painter.begin(&pdf)) {
        Fallar(fallo, motivoPdf(QStringLiteral("no se puede empezar")));
        return false;
    }
    const bool completo = PintarPaginas(informe, painter, pdf, paginas, padre, [&] { return fichero.Fallido(); });
    painter.end();
    if (!completo)
        return false;
    if (!fichero.Confirmar(&motivo)) {
        Fallar(fallo, motivoPdf(motivo));
        return false;
    }
    return true;
}

bool PintarEnImpresora(const InformePreparado& informe, QPrinter& impresora, Paginas paginas, QWidget* padre,
                       QString* fallo) {
    QPainter painter;
    if (!painter.begin(&impresora)) {
        Fallar(fallo, MotivoSinInicio(impresora));
        return false;
    }
    if (!PintarPaginas(informe, painter, impresora, paginas, padre)) {
        impresora.abort();
        painter.end();
        return false;
    }
    if (!painter.end()) {
        Fallar(fallo, MotivoSinInicio(impresora));
        return false;
    }
    return true;
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
    if (impresora.outputFormat() == QPrinter::PdfFormat)
        return ImprimirEnPdf(informe, impresora, {desde, hasta}, padre, fallo);
    // The sheets follow the pages; the printer keeps the orientation the
    // person chose for whatever is printed next.
    const QPageLayout::Orientation elegida = impresora.pageLayout().orientation();
    impresora.setPageOrientation(Orientacion(informe, desde));
    const bool impreso = PintarEnImpresora(informe, impresora, {desde, hasta}, padre, fallo);
    impresora.setPageOrientation(elegida);
    return impreso;
}

bool ConfigurarImpresora(QPrinter& impresora, int paginas, QWidget* padre) {
    QPrintDialog dialogo(&impresora, padre);
    dialogo.setWindowTitle(QStringLiteral("Configurar impresora"));
    dialogo.setMinMax(1, std::max(1, paginas));
    dialogo.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                       QAbstractPrintDialog::PrintShowPageSize);
    return puertas::EjecutarModal(dialogo) == QDialog::Accepted;
}
