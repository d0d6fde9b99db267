#include "ui/form_comun.h"

#include "ui/imagen_svg.h"

#include <QApplication>

namespace {

// Resource names in the order of TFormComun::Imagen.
const char* const kImagenes[] = {
    "calcular", "imprimir", "salir", "primero", "anterior", "siguiente",
    "ultimo", "inicializar", "desarrollar", "ayuda", "acercade",
};

QString Recurso(const char* nombre) { return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(nombre)); }

QIcon Gris(const QIcon& icono, const QSize& tamano) {
    QIcon gris;
    gris.addPixmap(icono.pixmap(tamano, QIcon::Disabled));
    return gris;
}

}  // namespace

TFormComun::TFormComun(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("FormComun"));
    for (const char* nombre : kImagenes) {
        const QIcon icono = IconoSvg(Recurso(nombre), TamanoFinancieros());
        ImgListFinancieros << icono;
        ImgListAcciones << icono;
        ImgListDisabled << Gris(icono, TamanoFinancieros());
        ImgListMenu << IconoSvg(Recurso(nombre), TamanoMenu());
    }
}

TFormComun& FormComun() {
    static TFormComun* comun = new TFormComun(qApp);
    return *comun;
}
