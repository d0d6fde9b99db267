// Takes the picture of the loan conditions window shown in the README: the
// window filled with a quarterly loan's conditions, grabbed as it is drawn.
// Build against the core library and run under a virtual X server, from the
// repository folder:
//   tools/compilar.sh zzcore
//   g++ -std=c++20 -fPIC -Isrc $(pkg-config --cflags Qt6Widgets) \
//       docs/screenshots/capturar_condiciones.cpp \
//       build/CMakeFiles/zzcore_resources_1.dir/build/.rcc/qrc_zzrecursos.cpp.o build/libzzcore.a \
//       $(pkg-config --libs Qt6Widgets Qt6PrintSupport Qt6Network) -o /tmp/capturar_condiciones
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
