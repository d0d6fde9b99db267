// Takes the preview pictures and the PDF reports shown in the README: builds
// the three development tables with the program's own builders, opens each
// report's preview as the print action does, grabs the window and prints the
// pages to PDF. Built by the CMake option BUILD_DOC_TOOLS; run under a
// virtual X server, from the repository folder:
//   cmake -S . -B build -DBUILD_DOC_TOOLS=ON && cmake --build build --target capturar_informes
//   xvfb-run -a -s "-screen 0 1024x768x24" build/docs/screenshots/capturar_informes
#include "app/arranque.h"
#include "schedules/accion_imprimir.h"
#include "reports/engine/impresion_informe.h"
#include "reports/engine/superficie_vista_previa.h"
#include "reports/form_vista_previa.h"
#include "schedules/desarrollo_depreciacion.h"
#include "schedules/desarrollo_inversion.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/form_desarrollo_calculos.h"
#include "util/ajustes_regionales.h"
#include "util/puertas.h"
#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>
#include <QPushButton>
#include <QDialog>
#include <functional>

// The folder it was started from: the print action moves the current folder
// back to the program's own folder after every preview.
static QString& Raiz() {
    static QString raiz;
    return raiz;
}

static void Capturar(TFormDesarrolloCalculos& v, const QString& nombre, const std::function<void(TFormVistaPrevia&)>& antes) {
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, &t, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<TFormVistaPrevia*>(w); p && p->isVisible() && p->BtnSave->isEnabled()) {
                t.stop();
                if (antes) antes(*p);
                for (int i = 0; i < 20; ++i) { QApplication::processEvents(); }
                p->grab().save(Raiz() + QStringLiteral("/docs/screenshots/vista_previa_%1.png").arg(nombre));
                QPrinter pr(QPrinter::HighResolution);
                pr.setOutputFormat(QPrinter::PdfFormat);
                pr.setOutputFileName(Raiz() + QStringLiteral("/docs/informe_%1.pdf").arg(nombre));
                pr.setPageSize(QPageSize(QPageSize::A4));
                ImprimirPaginas(*p->Paginas(), pr);
                p->BtnCerrar->click();
            }
    });
    t.start(50);
    ImprimirDesarrollo(v);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Raiz() = QDir::currentPath();
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    PrepararAplicacion(app);
    LeerAjustesRegionales(QLocale());
    puertas::FijarMostrarModal([](QDialog&) { return int(QDialog::Rejected); });
    const QDate inicio(2026, 1, 15);
    {
        TFormDesarrolloCalculos v; v.TipoDesarrollo = ClaseDesarrollo::Prestamo;
        EntradaDesarrolloPrestamo e;
        e.datos.Capital = 150000; e.datos.Interes = 3.5; e.datos.NumCuotas = 120; e.datos.Cuota = 1483.28; e.datos.primeraFecha = inicio;
        e.textoInteres = "3,50"; e.textoNumCuotas = "120";
        DesarrollarPrestamo(e, v);
        Capturar(v, "prestamo", nullptr);
    }
    {
        TFormDesarrolloCalculos v; v.TipoDesarrollo = ClaseDesarrollo::Inversion;
        EntradaDesarrolloInversion e;
        e.datos.CapInicial = 5000; e.datos.Interes = 4; e.datos.NumCuotas = 36; e.datos.Cuota = 200; e.datos.Capital = 13286.25; e.datos.primeraFecha = inicio; e.textoInteres = "4,00"; e.textoNumCuotas = "36";
        DesarrollarInversion(e, v);
        Capturar(v, "inversion", [](TFormVistaPrevia& p) { p.opVerHojaEnteraClick(); });
    }
    {
        TFormDesarrolloCalculos v; v.TipoDesarrollo = ClaseDesarrollo::Depreciacion;
        EntradaDesarrolloDepreciacion e;
        e.datos.ValorInicial = 24000; e.datos.ValorFinal = 4000; e.datos.AniosUtil = 10; e.datos.AniosCalculo = 4; e.datos.DepVidaUtil = 2000; e.datos.CalculoActual = finance::CodigoCalculo::DepreciacionLineal; e.datos.primeraFecha = inicio;
        DesarrollarDepreciacion(e, v);
        Capturar(v, "depreciacion", [](TFormVistaPrevia& p) { p.opVerTamanoCompletoClick(); });
    }
    return 0;
}
