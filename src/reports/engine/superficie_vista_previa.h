#pragma once
// The preview surface: shows one prepared page at a zoom, with scroll bars.
#include "reports/engine/pagina_preparada.h"

#include <QAbstractScrollArea>

class TSuperficieVistaPrevia : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kZoomMinimo = 2;
    static constexpr int kZoomMaximo = 2000;

    explicit TSuperficieVistaPrevia(QWidget* parent = nullptr);

    // The pages shown (not owned); nullptr shows nothing.
    void FijarInforme(const InformePreparado* informe);
    const InformePreparado* Informe() const { return informe_; }

    // The page shown, from 1. Changing it scrolls back to the top left; a
    // number outside 1 to the page count is ignored.
    int Pagina() const { return pagina_; }
    void FijarPagina(int pagina);
    int NumeroPaginas() const;

    // Zoom in percent of the page's real size (2 to 2000).
    int Zoom() const { return zoom_; }
    void FijarZoom(int zoom);
    // The whole page visible: 95 % of the smaller of the width and height ratios.
    void ZoomAjustarPagina();
    // 90 % of the width ratio.
    void ZoomAjustarAncho();

    // Called after the pages changed (a new page prepared, a file loaded).
    void PaginasCambiadas();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double PixelesPorMm() const;
    QSize TamanoPagina() const;
    void ActualizarBarras();
    double ZoomDeRelacion(double relacion) const;

    const InformePreparado* informe_ = nullptr;
    int pagina_ = 1;
    int zoom_ = 100;
};
