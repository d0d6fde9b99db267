// Program entry: --version, --help and the sub-commands of the command line
// answer without any window; otherwise one instance per user, the main
// window, the splash, and the event loop until the person confirms leaving.
#include "app/aplicacion.h"
#include "app/archivo_calculos.h"
#include "app/arranque.h"
#include "app/sesion_calculos.h"
#include "ui/informe_errores.h"
#include "ui/ayuda.h"
#include "app/form_calculos_financieros.h"
#include "ui/form_comun.h"
#include "util/identidad.h"
#include "app/opciones_programa.h"
#include "app/presentacion.h"
#include "cli/orden.h"
#include "util/instancia_unica.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <ctime>

namespace {

// With ZZ_MEDIR_ARRANQUE set, prints when the main window first painted, as
// milliseconds since the process started (from the system clock, so that a
// script outside can compare it with its own start), and the same as seen
// from inside.
void MedirArranque(TFormCalculosFinancieros& ventana, const QElapsedTimer& reloj) {
    if (qEnvironmentVariableIsEmpty("ZZ_MEDIR_ARRANQUE"))
        return;
    QObject::connect(&ventana, &TFormCalculosFinancieros::PrimeraPintura, &ventana, [&reloj] {
        timespec ahora{};
        clock_gettime(CLOCK_REALTIME, &ahora);
        QTextStream(stdout) << "primera_pintura_epoch_ms " << (qint64(ahora.tv_sec) * 1000 + ahora.tv_nsec / 1000000)
                            << "\nprimera_pintura_desde_main_ms " << reloj.elapsed() << Qt::endl;
        if (qEnvironmentVariable("ZZ_MEDIR_ARRANQUE") == QLatin1String("salir"))
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    });
}

// The work of the last session comes back unless a file was named; the
// session is kept after every calculation, so that a killed program loses
// little. Files handed over by later starts open once their request has been
// answered (a message shown then would keep that start waiting).
void AtenderDocumentos(TFormCalculosFinancieros& ventana, TInstanciaUnica& instancia, const QString& fichero) {
    TArchivoCalculos& archivo = *ventana.ArchivoCalculos;
    auto abrir = [&archivo](const QString& ruta) {
        EjecutarProtegido([&] {
            if (archivo.PermitirDejar())
                archivo.Abrir(ruta);
        });
    };
    if (fichero.isEmpty() && RestaurarSesion(ventana))
        archivo.TomarComoGuardado();
    if (!fichero.isEmpty())
        QTimer::singleShot(0, &ventana, [abrir, fichero] { abrir(fichero); });
    QObject::connect(&instancia, &TInstanciaUnica::AbrirFichero, &ventana, abrir, Qt::QueuedConnection);
    QObject::connect(ventana.AccCalcular, &QAction::triggered, &ventana, [&ventana] { GuardarSesion(ventana); });
}

}  // namespace

int main(int argc, char* argv[]) {
    QString salida, errores;
    if (const std::optional<int> estado = AtenderOpcionesPrograma(argc, argv, salida, errores))
        return ImprimirYTerminar(*estado, salida, errores);
    if (const int estado = EjecutarOrden(argc, argv); estado >= 0)
        return estado;
    QElapsedTimer reloj;
    reloj.start();
    TAplicacion app(argc, argv);
    PrepararAplicacion(app);
    // The name only: a display name would be appended by Qt to every window
    // title, and each window's title is exactly the text it sets.
    QCoreApplication::setApplicationName(TextoNombrePrograma());

    const QString fichero = FicheroDeArgumentos(QCoreApplication::arguments());
    TInstanciaUnica instancia(TextoNombrePrograma());
    if (!instancia.EsPrimera())
        return CederALaPrimeraInstancia(instancia, fichero);

    InstalarAyudaF1(app);
    TFormCalculosFinancieros ventana;
    FormComun();
    QObject::connect(&instancia, &TInstanciaUnica::Activar, &ventana,
                     [&app, &ventana] { app.TraerVentanaEnUso(&ventana); });
    AtenderDocumentos(ventana, instancia, fichero);
    MedirArranque(ventana, reloj);
    ventana.show();
    MostrarPresentacion(&ventana);
    const int estado = app.exec();
    GuardarSesion(ventana);
    return estado;
}
