#include "ui/botones_dialogo.h"

#include "ui/imagen_svg.h"
#include "ui/informe_errores.h"

namespace {

QPushButton* Boton(QDialog* dialogo, const QString& icono, const QString& nombre, const QString& caption) {
    auto* boton = new QPushButton(IconoSvg(icono, QSize(16, 16)), QStringLiteral("&") + caption, dialogo);
    boton->setObjectName(nombre);
    boton->setAccessibleName(caption);
    return boton;
}

}  // namespace

BotonesDialogo CrearBotonesAceptarCancelar(QDialog* dialogo, const std::function<void()>& aceptar) {
    BotonesDialogo b;
    b.aceptar = Boton(dialogo, QStringLiteral(":/icons/boton_aceptar.svg"), QStringLiteral("BtnAceptar"),
                      QStringLiteral("Aceptar"));
    b.aceptar->setDefault(true);
    QObject::connect(b.aceptar, &QPushButton::clicked, dialogo, [aceptar] { EjecutarProtegido(aceptar); });
    b.cancelar = Boton(dialogo, QStringLiteral(":/icons/boton_cancelar.svg"), QStringLiteral("BtnCancelar"),
                       QStringLiteral("Cancelar"));
    QObject::connect(b.cancelar, &QPushButton::clicked, dialogo, &QDialog::reject);
    b.fila = new QHBoxLayout;
    b.fila->addStretch();
    b.fila->addWidget(b.aceptar);
    b.fila->addWidget(b.cancelar);
    return b;
}
