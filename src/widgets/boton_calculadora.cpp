#include "widgets/boton_calculadora.h"

#include "ui/avisos.h"
#include "ui/imagen_svg.h"
#include "util/excepcion.h"
#include "util/puertas.h"
#include "util/texto_calculadora.h"
#include "util/textos_numericos.h"
#include "widgets/form_calculadora.h"

#include <QEvent>
#include <QLineEdit>
#include <QScreen>

namespace {

const QString PistaBoton = QStringLiteral("Abrir la calculadora");

// The screen area the calculator must stay inside: the free area of the
// screen the button is on.
QRect AreaPantalla(const QWidget* boton) {
    const QScreen* pantalla = boton->screen();
    return pantalla ? pantalla->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The window's outer size; its frame is known once the system window exists.
QSize TamanoConMarco(QWidget& ventana) {
    ventana.winId();
    return ventana.frameGeometry().size();
}

}  // namespace

tBotonCalculadora::tBotonCalculadora(QWidget* owner) : TBotonCampo(owner) {
    setObjectName(QStringLiteral("BotonCalculadora"));
    setIcon(IconoSvg(QStringLiteral(":/icons/calculadora_boton.svg"), QSize(16, 16)));
    setIconSize(QSize(16, 16));
    setToolTip(PistaBoton);
    setStatusTip(PistaBoton);
    setAccessibleName(PistaBoton);
    connect(this, &QToolButton::clicked, this, &tBotonCalculadora::Click);
}

// Every such button has the same name; the description tells a screen
// reader user which field it serves.
void tBotonCalculadora::EditAsignado(QLineEdit* edit) {
    if (!edit->accessibleName().isEmpty())
        setAccessibleDescription(PistaBoton + QStringLiteral(" para ") + edit->accessibleName());
}

QPoint tBotonCalculadora::PosicionVentana(const QPoint& boton, int altoBoton, const QSize& ventana,
                                          const QRect& pantalla) {
    const int derecha = pantalla.x() + pantalla.width();
    const int abajo = pantalla.y() + pantalla.height();
    int left = boton.x();
    int top = boton.y();
    if (derecha < left + ventana.width()) {
        left = qMax(pantalla.x(), derecha - ventana.width());
        if (abajo < top + ventana.height() + altoBoton)
            top = qMax(pantalla.y(), top - ventana.height());
        else
            top += altoBoton;
    } else if (abajo < top + ventana.height()) {
        top = qMax(pantalla.y(), top + altoBoton - ventana.height());
    }
    return {left, top};
}

void tBotonCalculadora::Click() {
    if (!editComp_) {
        AbrirSinEdit();
        return;
    }
    // A box that cannot be written gets nothing, even from a direct call.
    if (EditUtilizable())
        AbrirParaEdit(editComp_);
}

void tBotonCalculadora::AbrirParaEdit(QLineEdit* edit) {
    QPointer<QLineEdit> destino = edit;
    edit->setFocus();
    TFmCalculadora calculadora(this);
    calculadora.FijarPuedeEnviar(true);
    if (!Titulo.isEmpty())
        calculadora.setWindowTitle(Titulo);
    const QString texto = edit->text();
    // A text that is no amount, or one the display cannot show, opens the
    // calculator empty after telling the person.
    bool mostrado = false;
    try {
        mostrado = calculadora.MostrarValor(LeerImporte(texto)).Hecho();
    } catch (const Exception&) {
    }
    if (!mostrado && !texto.isEmpty())
        Avisar(QString(), QStringLiteral("El número \"%1\" no es correcto").arg(texto), AvisoError);
    calculadora.FijarEscalado(fScaled);
    calculadora.move(
        PosicionVentana(mapToGlobal(QPoint(0, 0)), height(), TamanoConMarco(calculadora), AreaPantalla(this)));
    if (puertas::EjecutarModal(calculadora) == QDialog::Accepted && destino)
        destino->setText(TextoCalculadora(calculadora.ValorDisplay()));
}

void tBotonCalculadora::AbrirSinEdit() {
    TFmCalculadora calculadora(this);
    if (!Titulo.isEmpty())
        calculadora.setWindowTitle(Titulo);
    calculadora.FijarPuedeEnviar(false);
    calculadora.FijarEscalado(fScaled);
    QRect marco(QPoint(0, 0), TamanoConMarco(calculadora));
    marco.moveCenter(AreaPantalla(this).center());
    calculadora.move(marco.topLeft());
    puertas::EjecutarModal(calculadora);
}

tBotonCalculadora* CrearBotonCalculadora(QLineEdit* edit, const QString& nombre) {
    auto* boton = new tBotonCalculadora(edit->parentWidget());
    boton->setObjectName(nombre);
    boton->resize(24, 24);
    boton->FijarEditComp(edit);
    if (edit->parentWidget() && edit->parentWidget()->isVisible())
        boton->show();
    return boton;
}
