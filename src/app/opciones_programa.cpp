#include "app/opciones_programa.h"

#include "util/identidad.h"

#include <QTextStream>
#include <cstdio>

namespace {

// Words that start a calculation on the command line; their options are read
// by that command, not here.
const QStringList kOrdenes = {QStringLiteral("prestamo"), QStringLiteral("inversion"),
                              QStringLiteral("depreciacion"), QStringLiteral("comparar")};

// Qt's own start-up options (its platform, style, X11 and debugging ones),
// which it also takes with two dashes: left to Qt as before.
const QStringList kOpcionesQt = {
    QStringLiteral("platform"),     QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),       QStringLiteral("qwindowgeometry"),    QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"), QStringLiteral("title"),              QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),         QStringLiteral("reverse"),            QStringLiteral("session"),
    QStringLiteral("display"),      QStringLiteral("name"),               QStringLiteral("visual"),
    QStringLiteral("nograb"),       QStringLiteral("dograb"),             QStringLiteral("sync"),
    QStringLiteral("style"),        QStringLiteral("stylesheet"),         QStringLiteral("widgetcount"),
    QStringLiteral("testability"),  QStringLiteral("qmljsdebugger"),
};

bool EsOpcionDeQt(const QString& opcion) {
    return kOpcionesQt.contains(opcion.mid(2).section(QLatin1Char('='), 0, 0));
}

}  // namespace

QString TextoUso() {
    return QStringLiteral(
               "Uso: zuzidaduve [--version | --help]\n"
               "     zuzidaduve ORDEN [opciones de la orden]\n"
               "\n"
               "Sin argumentos abre la ventana de %1.\n"
               "\n"
               "Opciones:\n"
               "  --version   muestra el nombre y la versión del programa, y termina\n"
               "  --help      muestra esta ayuda, y termina\n"
               "\n"
               "Órdenes, que calculan sin abrir ninguna ventana:\n"
               "  zuzidaduve prestamo     [--calcular cuota|interes|cuotas|capital] [--capital X] [--interes X] "
               "[--cuotas N] [--cuota X]\n"
               "                          [--inicio-periodo|--final-periodo] [--primer-pago DD/MM/AAAA]\n"
               "  zuzidaduve inversion    [--calcular cuota|interes|cuotas|capital] [--cuota X] [--interes X] "
               "[--cuotas N] [--capital X]\n"
               "                          [--capital-inicial X] [--inicio-periodo|--final-periodo] "
               "[--primera-cuota DD/MM/AAAA]\n"
               "  zuzidaduve depreciacion --metodo lineal|digitos|doble|doble-lineal [--valor-inicial X] "
               "[--valor-final X] [--vida-util N]\n"
               "                          [--anios N] [--fecha DD/MM/AAAA] [--tabla-fiscal TIPO]\n"
               "  zuzidaduve comparar     --oferta \"OPCIONES\" --oferta \"OPCIONES\" [--oferta ...]: de 2 a 4 "
               "préstamos lado a lado,\n"
               "                          cada uno con --capital, --interes, --cuotas y las condiciones de prestamo\n"
               "  comunes:                [--tabla] [--resumen-anual] (no en comparar) [--formato|--salida texto|csv|json]\n")
        .arg(TextoNombrePrograma());
}

std::optional<int> AtenderOpcionesPrograma(const QStringList& argumentos, QTextStream& salida,
                                           QTextStream& errores) {
    if (argumentos.size() > 1 && kOrdenes.contains(argumentos.at(1)))
        return std::nullopt;
    for (const QString& argumento : argumentos.mid(1)) {
        if (argumento == QLatin1String("--version")) {
            salida << TextoNombrePrograma() << ' ' << TextoVersion() << '\n';
            return 0;
        }
        if (argumento == QLatin1String("--help")) {
            salida << TextoUso();
            return 0;
        }
        if (argumento.startsWith(QLatin1String("--")) && argumento.size() > 2 && !EsOpcionDeQt(argumento)) {
            errores << "zuzidaduve: opción desconocida \"" << argumento << "\"\n\n" << TextoUso();
            return kSalidaUsoIncorrecto;
        }
    }
    return std::nullopt;
}

std::optional<int> AtenderOpcionesPrograma(int argc, char* argv[], QString& salida, QString& errores) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    QTextStream flujoSalida(&salida);
    QTextStream flujoErrores(&errores);
    return AtenderOpcionesPrograma(argumentos, flujoSalida, flujoErrores);
}
