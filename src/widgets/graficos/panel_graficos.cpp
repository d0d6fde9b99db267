#include "widgets/graficos/panel_graficos.h"

#include "widgets/graficos/grafico.h"

#include <QHBoxLayout>

TPanelGraficos::TPanelGraficos(QWidget* parent) : QWidget(parent) {
    auto* columna = new QHBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    setAccessibleName(QStringLiteral("Gráfico"));
}

void TPanelGraficos::FijarGraficos(const QList<DatosGrafico>& graficos) {
    qDeleteAll(graficos_);
    graficos_.clear();
    QStringList descripciones;
    for (const DatosGrafico& datos : graficos) {
        auto* grafico = new TGrafico(datos, this);
        grafico->setFocusPolicy(Qt::StrongFocus);
        layout()->addWidget(grafico);
        graficos_ << grafico;
        descripciones << grafico->accessibleDescription();
    }
    // The whole view told at once, for a screen reader that reads the
    // view rather than each chart.
    setAccessibleDescription(descripciones.join(QLatin1Char(' ')));
}
