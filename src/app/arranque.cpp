#include "app/arranque.h"

#include "ui/puertas_sistema.h"
#include "util/ajustes_regionales.h"
#include "widgets/info_calculadora.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>

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
