#include "reports/form_base.h"

#include "util/puertas.h"

#include <QAbstractButton>
#include <QLayout>
#include <cmath>

namespace {

constexpr int kPantallaPequena = 700;

int Escalar(int valor, int porcentaje) { return int(std::lround(valor * porcentaje / 100.0)); }

void EscalarLayout(QLayout* layout, int porcentaje) {
    if (!layout)
        return;
    const QMargins m = layout->contentsMargins();
    layout->setContentsMargins(Escalar(m.left(), porcentaje), Escalar(m.top(), porcentaje),
                               Escalar(m.right(), porcentaje), Escalar(m.bottom(), porcentaje));
    if (layout->spacing() > 0)
        layout->setSpacing(Escalar(layout->spacing(), porcentaje));
}

// A control's own font size is scaled; a size inherited from its window
// follows the window's.
void EscalarFuente(QWidget* w, int porcentaje) {
    QFont fuente = w->font();
    if (!w->isWindow() && !(w->testAttribute(Qt::WA_SetFont) && (fuente.resolveMask() & QFont::SizeResolved)))
        return;
    if (fuente.pointSizeF() > 0)
        fuente.setPointSizeF(fuente.pointSizeF() * porcentaje / 100.0);
    else if (fuente.pixelSize() > 0)
        fuente.setPixelSize(std::max(1, Escalar(fuente.pixelSize(), porcentaje)));
    w->setFont(fuente);
}

void EscalarControl(QWidget* w, int porcentaje) {
    EscalarFuente(w, porcentaje);
    const QSize minimo = w->minimumSize(), maximo = w->maximumSize();
    if (minimo == maximo && !minimo.isEmpty())
        w->setFixedSize(Escalar(minimo.width(), porcentaje), Escalar(minimo.height(), porcentaje));
    else {
        w->setMinimumSize(Escalar(minimo.width(), porcentaje), Escalar(minimo.height(), porcentaje));
        if (maximo.width() < QWIDGETSIZE_MAX)
            w->setMaximumWidth(Escalar(maximo.width(), porcentaje));
        if (maximo.height() < QWIDGETSIZE_MAX)
            w->setMaximumHeight(Escalar(maximo.height(), porcentaje));
    }
    if (auto* boton = qobject_cast<QAbstractButton*>(w))
        boton->setIconSize(boton->iconSize() * porcentaje / 100);
    EscalarLayout(w->layout(), porcentaje);
}

}  // namespace

tFormBase::tFormBase(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

int tFormBase::EscalaPara(const QSize& ventana, const QSize& pantalla) {
    if (pantalla.width() >= kPantallaPequena || pantalla.width() <= 0 || pantalla.height() <= 0)
        return 100;
    double a = 0;
    if (ventana.width() >= pantalla.width() - 1)
        a = (double(ventana.width()) / pantalla.width() - 1) * 100 + 1;
    if (ventana.height() >= pantalla.height() - 1) {
        const double b = (double(ventana.height()) / pantalla.height() - 1) * 100 + 1;
        a = std::max(a, b);
    }
    return a > 0 ? 100 - int(std::lround(a)) : 100;
}

void tFormBase::AdaptarAPantalla() {
    const int escala = EscalaPara(size(), puertas::TamanoPantalla());
    if (escala != 100)
        EscalarVentana(this, escala);
    if (auto* panel = findChild<QWidget*>(QStringLiteral("PanelDatos"))) {
        QPalette paleta = panel->palette();
        paleta.setColor(QPalette::Window, QColor(192, 192, 192));
        panel->setPalette(paleta);
        panel->setAutoFillBackground(true);
    }
}

void EscalarVentana(QWidget* ventana, int porcentaje) {
    if (porcentaje <= 0 || porcentaje == 100)
        return;
    EscalarControl(ventana, porcentaje);
    for (QWidget* hijo : ventana->findChildren<QWidget*>())
        EscalarControl(hijo, porcentaje);
    for (QLayout* layout : ventana->findChildren<QLayout*>())
        if (layout != ventana->layout())
            EscalarLayout(layout, porcentaje);
    ventana->resize(ventana->size() * porcentaje / 100);
}
