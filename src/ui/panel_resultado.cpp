#include "ui/panel_resultado.h"

#include "ui/texto_accesible.h"
#include "util/textos_numericos.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {

// The panel as static text whose Text interface returns the shown figure;
// Qt's own label interface only offers the text as the name, which is taken
// by the caption here.
class PanelAccesible : public TAccesibleConTexto {
public:
    explicit PanelAccesible(TPanelResultado* panel) : TAccesibleConTexto(panel, QAccessible::StaticText) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

protected:
    QString TextoMostrado() const override { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("TPanelResultado") && objeto && objeto->isWidgetType())
        return new PanelAccesible(static_cast<TPanelResultado*>(objeto));
    return nullptr;
}

}  // namespace

TPanelResultado::TPanelResultado(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMargin(2);
    setFocusPolicy(Qt::NoFocus);
}

void TPanelResultado::setText(const QString& texto) {
    if (texto == text())
        return;
    QLabel::setText(texto);
    QAccessibleTextUpdateEvent cambio(this, 0, QString(), texto);
    QAccessible::updateAccessibility(&cambio);
}

int TPanelResultado::AnchoUtil() const {
    // A framed label with no indent of its own keeps half an "x" clear of the
    // frame on the side its text is aligned to.
    int sangria = indent();
    if (sangria < 0)
        sangria = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return contentsRect().width() - 2 * margin() - sangria;
}

bool TPanelResultado::TextoCabe() const { return fontMetrics().horizontalAdvance(text()) <= AnchoUtil(); }

int TPanelResultado::AnchoNecesario() const {
    // What the frame, margins and indent take, plus the text itself.
    return width() - AnchoUtil() + fontMetrics().horizontalAdvance(text());
}

QString TPanelResultado::ImporteMasAncho() { return TextoImporte(-kImporteMaximo); }

int TPanelResultado::AnchoParaImportes(const QFont& fuente) {
    TPanelResultado muestra;
    muestra.setFont(fuente);
    muestra.setText(ImporteMasAncho());
    return muestra.AnchoNecesario() + 1;
}

bool TPanelResultado::event(QEvent* evento) {
    if (evento->type() == QEvent::ToolTip && !TextoCabe()) {
        const auto* ayuda = static_cast<QHelpEvent*>(evento);
        const QString pista = toolTip().isEmpty() ? text() : text() + QLatin1Char('\n') + toolTip();
        QToolTip::showText(ayuda->globalPos(), pista, this);
        return true;
    }
    return QLabel::event(evento);
}

void TPanelResultado::paintEvent(QPaintEvent* evento) {
    if (TextoCabe()) {
        QLabel::paintEvent(evento);
        return;
    }
    // Part of a figure would read as another figure: only the ellipsis shows.
    QFrame::paintEvent(evento);
    QPainter pintor(this);
    const QRect caja = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&pintor, caja, int(alignment()), palette(), isEnabled(), QStringLiteral("\u2026"),
                          foregroundRole());
}

void TPanelResultado::RegistrarAccesibilidad() {
    static bool registrado = false;
    if (!registrado)
        QAccessible::installFactory(Fabrica);
    registrado = true;
}
