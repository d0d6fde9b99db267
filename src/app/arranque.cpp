#include "app/arranque.h"

#include "ui/avisos.h"
#include "ui/puertas_sistema.h"
#include "util/ajustes_regionales.h"
#include "util/instancia_unica.h"
#include "widgets/info_calculadora.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>
#include <cstdio>

void PrepararAplicacion(QApplication& app) {
    std::setlocale(LC_NUMERIC, "C");
    puertas::InstalarPuertasDelSistema();
    LeerAjustesRegionales();
    ReiniciarInfoCalculadora();
    QFont fuente(QStringLiteral("Arial"), 9);
    QApplication::setFont(fuente);
    // Names the installed menu entry, so that a desktop shows its icon and
    // name for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zuzidaduve.Zuzidaduve"));
    auto* traductor = new QTranslator(&app);
    if (traductor->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
}

QString FicheroDeArgumentos(const QStringList& argumentos) {
    for (const QString& argumento : argumentos.mid(1))
        if (!argumento.startsWith(QLatin1Char('-')))
            return argumento;
    return {};
}

int CederALaPrimeraInstancia(TInstanciaUnica& instancia, const QString& fichero) {
    if (instancia.ActivarAnterior(fichero))
        return 0;
    const QString mensaje = QStringLiteral("Ya hay una copia abierta que no responde");
    std::fprintf(stderr, "%s\n", mensaje.toLocal8Bit().constData());
    const QString plataforma = QGuiApplication::platformName();
    if (plataforma != QLatin1String("offscreen") && plataforma != QLatin1String("minimal"))
        Avisar(QString(), mensaje, AvisoAtencion);
    return 1;
}
