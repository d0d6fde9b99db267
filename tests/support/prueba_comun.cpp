#include "prueba_comun.h"

#include "app/arranque.h"
#include "util/ajustes_regionales.h"
#include "util/puertas.h"

#include <QDialog>

void PrepararEntornoPruebas(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    PrepararAplicacion(app);
    LeerAjustesRegionales(QLocale());
    puertas::FijarMostrarModal([](QDialog&) { return int(QDialog::Rejected); });
    puertas::FijarPitido([] {});
    puertas::FijarAbrirUrl([](const QUrl&) {});
    puertas::FijarPedirFichero([](QWidget*, const QString&, const QString&, bool) { return QString(); });
}
