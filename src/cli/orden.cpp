#include "cli/orden.h"

#include "cli/argumentos_orden.h"
#include "cli/documento_orden.h"
#include "cli/lectura_opciones.h"
#include "cli/orden_depreciacion.h"
#include "cli/orden_inversion.h"
#include "cli/orden_prestamo.h"
#include "cli/partes_informe.h"
#include "cli/salida_estandar.h"
#include "cli/salida_orden.h"
#include "util/ajustes_regionales.h"

#include <QByteArray>
#include <QStringList>
#include <cstdio>

namespace {

struct Suborden {
    const char* nombre;
    OpcionesAdmitidas (*opciones)();
    InformeOrden (*ejecutar)(const TArgumentosOrden&);
};

const Suborden kSubordenes[] = {{"prestamo", OpcionesPrestamo, OrdenPrestamo},
                                {"inversion", OpcionesInversion, OrdenInversion},
                                {"depreciacion", OpcionesDepreciacion, OrdenDepreciacion}};

const char kUso[] =
    "Uso:\n"
    "  zuzidaduve prestamo     [--calcular cuota|interes|cuotas|capital] [--capital X] [--interes X]\n"
    "                          [--cuotas N] [--cuota X] [--inicio-periodo|--final-periodo]\n"
    "                          [--primer-pago DD/MM/AAAA]\n"
    "                          [--periodicidad mensual|bimestral|trimestral|semestral|anual]\n"
    "                          [--comision-apertura PORCENTAJE] [--gastos IMPORTE]\n"
    "                          [--amortizacion N:IMPORTE:plazo|cuota[:COMISION]]... [--revision N:INTERES]...\n"
    "  zuzidaduve inversion    [--calcular cuota|interes|cuotas|capital] [--cuota X] [--interes X]\n"
    "                          [--cuotas N] [--capital X] [--capital-inicial X]\n"
    "                          [--inicio-periodo|--final-periodo] [--primera-cuota DD/MM/AAAA]\n"
    "  zuzidaduve depreciacion --metodo lineal|digitos|doble [--valor-inicial X] [--valor-final X]\n"
    "                          [--vida-util N] [--anios N] [--fecha DD/MM/AAAA]\n"
    "Comunes: [--desde CALCULO.zzc (las cifras del fichero; las opciones dadas mandan)]\n"
    "         [--tabla] [--resumen-anual (préstamo e inversión)] [--formato texto|csv|json]\n"
    "Los números se escriben en español con cualquier configuración regional: 1.000,50;\n"
    "las fechas, DD/MM/AAAA.\n"
    "Estado de salida: 0 hecho, 1 cálculo rechazado, 2 uso incorrecto, 3 no se ha podido escribir la salida.\n";

// Messages on standard error: when even they cannot be written, there is
// nowhere left to say so, and the exit status still tells.
void Avisar(const QString& texto) {
    const QByteArray utf8 = texto.toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stderr);
    std::fflush(stderr);
}

QString Mensaje(const std::exception& e) {
    QString texto = QString::fromUtf8(e.what());
    texto.replace(u'\r', u'\n');
    return texto + u'\n';
}

// Writes the sub-command's help or report; success only once the whole of it
// has reached standard output.
void EscribirSalida(const Suborden& suborden, const QStringList& argumentos) {
    if (argumentos.contains(QLatin1String("--help")) || argumentos.contains(QLatin1String("--ayuda"))) {
        EscribirUtf8(stdout, QString::fromUtf8(kUso));
    } else {
        const TArgumentosOrden leidos(ConDocumento(QLatin1String(suborden.nombre), argumentos), suborden.opciones());
        const InformeOrden informe = suborden.ejecutar(leidos);
        EscribirInforme(informe, LeerOpcionesComunes(leidos).formato, stdout);
    }
    CerrarSalida(stdout);
}

int Ejecutar(const Suborden& suborden, const QStringList& argumentos) {
    try {
        EscribirSalida(suborden, argumentos);
        return 0;
    } catch (const EUsoOrden& e) {
        Avisar(Mensaje(e) + QString::fromUtf8(kUso));
        return 2;
    } catch (const ESalidaPerdida& e) {
        Avisar(Mensaje(e));
        return 3;
    } catch (const std::exception& e) {
        // A refused calculation or table, in the page's own words.
        Avisar(Mensaje(e));
        return 1;
    }
}

}  // namespace

int ImprimirYTerminar(int estado, const QString& salida, const QString& errores) {
    ReservarSalidaCerrada();
    if (!errores.isEmpty())
        Avisar(errores);
    try {
        EscribirUtf8(stdout, salida);
        CerrarSalida(stdout);
        return estado;
    } catch (const ESalidaPerdida& e) {
        Avisar(Mensaje(e));
        return 3;
    }
}

int EjecutarOrden(int argc, char** argv) {
    if (argc < 2)
        return -1;
    for (const Suborden& suborden : kSubordenes) {
        if (qstrcmp(argv[1], suborden.nombre) != 0)
            continue;
        // A script must mean the same on every machine: the command line
        // reads and writes Spanish numbers and dates whatever the locale.
        LeerAjustesRegionales(QLocale(QLocale::Spanish, QLocale::Spain));
        ReservarSalidaCerrada();
        QStringList argumentos;
        for (int i = 2; i < argc; ++i)
            argumentos << QString::fromLocal8Bit(argv[i]);
        return Ejecutar(suborden, argumentos);
    }
    return -1;
}
