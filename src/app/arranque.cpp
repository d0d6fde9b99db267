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
    auto* traductor = new QTranslator(&app);
    if (traductor->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
}
