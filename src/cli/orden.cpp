#include "cli/orden.h"

#include "cli/argumentos_orden.h"
#include "cli/documento_orden.h"
#include "cli/lectura_opciones.h"
#include "cli/orden_comparar.h"
#include "cli/orden_depreciacion.h"
#include "cli/orden_inversion.h"
#include "cli/orden_prestamo.h"
#include "cli/partes_informe.h"
#include "finance/tablas_fiscales.h"
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
                                {"depreciacion", OpcionesDepreciacion, OrdenDepreciacion},
                                {"comparar", OpcionesComparar, OrdenComparar}};

const char kUso[] =
    "Uso:\n"
    "  zuzidaduve prestamo     [--calcular cuota|interes|cuotas|capital] [--capital X] [--interes X]\n"
    "                          [--cuotas N] [--cuota X] [--inicio-periodo|--final-periodo]\n"
    "                          [--primer-pago DD/MM/AAAA]\n"
    "                          [--periodicidad mensual|bimestral|trimestral|semestral|anual]\n"
    "                          [--comision-apertura PORCENTAJE] [--gastos IMPORTE]\n"
    "                          [--amortizacion N:IMPORTE:plazo|cuota[:COMISION|legal]]... [--revision N:INTERES]...\n"
    "                          [--sistema frances|aleman|americano|creciente] [--crecimiento PORCENTAJE]\n"
    "                          [--carencia N:parcial|total] [--tipo fijo|variable|mixto] [--tramo-fijo N]\n"
    "                          [--diferencial PORCENTAJE] [--indice PORCENTAJE] [--indice-en N:PORCENTAJE]...\n"
    "                          [--revision-cada 6|12] [--seguro IMPORTE] [--mantenimiento IMPORTE]\n"
    "  zuzidaduve inversion    [--calcular cuota|interes|cuotas|capital|retirada] [--cuota X] [--interes X]\n"
    "                          [--cuotas N] [--capital X] [--capital-inicial X]\n"
    "                          [--inicio-periodo|--final-periodo] [--primera-cuota DD/MM/AAAA]\n"
    "                          [--crecimiento PORCENTAJE] [--inflacion PORCENTAJE] [--retencion [PORCENTAJE]]\n"
    "  zuzidaduve depreciacion --metodo lineal|digitos|doble|doble-lineal [--valor-inicial X]\n"
    "                          [--valor-final X] [--vida-util N] [--anios N] [--fecha DD/MM/AAAA]\n"
    "                          [--tabla-fiscal TIPO]\n"
    "  zuzidaduve comparar     --oferta \"OPCIONES\" --oferta \"OPCIONES\" [--oferta ...] (de 2 a 4 ofertas;\n"
    "                          OPCIONES: --capital, --interes, --cuotas y las condiciones, como en prestamo)\n"
    "Comunes: [--desde CALCULO.zzc (las cifras del fichero; las opciones dadas mandan)]\n"
    "         [--tabla] [--resumen-anual (préstamo e inversión)] [--formato|--salida texto|csv|json]\n"
    "Los números se escriben en español con cualquier configuración regional: 1.000,50;\n"
    "las fechas, DD/MM/AAAA.\n"
    "Estado de salida: 0 hecho, 1 cálculo rechazado, 2 uso incorrecto, 3 no se ha podido escribir la salida.\n";

// The help adds how a depreciation starting during a year is counted and
// the kinds of asset of the tax table.
QString TextoAyuda() {
    QString texto = QString::fromUtf8(kUso);
    texto += QStringLiteral(
        "Depreciación con --fecha: el mes de la fecha cuenta entero; el primer año lleva los meses de\n"
        "ese mes a diciembre y lo que falta del último año de vida va en un año más, para los cuatro métodos\n"
        "(cada año de vida se reparte entre los dos años naturales que abarca).\n"
        "doble-lineal: doble saldo decreciente que pasa a lineal sobre el valor pendiente cuando este da más.\n"
        "--tabla-fiscal (coeficiente lineal máximo y periodo máximo del Impuesto sobre Sociedades; sin\n"
        "--vida-util toma la vida mínima):\n");
    for (const finance::TablaFiscal& t : finance::TablasFiscales())
        texto += QStringLiteral("  %1 %2 % / %3 años  %4\n")
                     .arg(t.clave, -24)
                     .arg(t.coeficiente, 2)
                     .arg(t.periodoMaximo, 3)
                     .arg(t.nombre);
    return texto;
}

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
        EscribirUtf8(stdout, TextoAyuda());
    } else {
        const TArgumentosOrden leidos(ConDocumento(QLatin1String(suborden.nombre), argumentos), suborden.opciones());
        const InformeOrden informe = suborden.ejecutar(leidos);
        // A warning does not stop the report: it goes to standard error,
        // apart from what a script reads.
        for (const QString& aviso : informe.avisos)
            Avisar(aviso + u'\n');
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
