// Takes the picture of the loan conditions window shown in the README: the
// window filled with a quarterly loan's conditions, grabbed as it is drawn.
// Built by the CMake option BUILD_DOC_TOOLS; run under a virtual X server,
// from the repository folder:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/docs/screenshots/capturar_condiciones
//   xvfb-run -a -s "-screen 0 1024x768x24" /tmp/capturar_condiciones
#include "app/arranque.h"
#include "app/dialogo_condiciones.h"
#include "util/ajustes_regionales.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QApplication app(argc, argv);
    PrepararAplicacion(app);
    LeerAjustesRegionales(QLocale());
    finance::CondicionesPrestamo c;
    c.periodicidad = finance::Periodicidad::Trimestral;
    c.comisionApertura = 1;
    c.gastosIniciales = 350;
    c.amortizaciones = {{20, 20000, finance::ReduccionAmortizacion::Plazo, 0.5},
                        {40, 10000, finance::ReduccionAmortizacion::Cuota, 0}};
    c.revisiones = {{9, 3.25}};
    TDialogoCondiciones dialogo;
    dialogo.PonerCondiciones(c);
    dialogo.EditAmortCuota->setText(QStringLiteral("60"));
    dialogo.EditAmortImporte->setText(QStringLiteral("5000"));
    dialogo.lbAmortizaciones->setCurrentRow(0);
    dialogo.show();
    QTimer::singleShot(500, [&] {
        dialogo.grab().save(QDir::currentPath() + QStringLiteral("/docs/screenshots/condiciones_prestamo.png"));
        app.quit();
    });
    return app.exec();
}
