#pragma once
// One or more charts side by side, as a single view: a table window
// shows its charts this way in place of its grid.
#include "util/datos_grafico.h"

#include <QWidget>

class TGrafico;

class TPanelGraficos : public QWidget {
    Q_OBJECT
public:
    explicit TPanelGraficos(QWidget* parent = nullptr);

    // Replaces the charts on view with these.
    void FijarGraficos(const QList<DatosGrafico>& graficos);
    const QList<TGrafico*>& Graficos() const { return graficos_; }

private:
    QList<TGrafico*> graficos_;
};
