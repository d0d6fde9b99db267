#pragma once
// The preview surface: shows one prepared page at a zoom, with scroll bars.
// The page is drawn into an image of what shows, a slice of time at a time:
// a page that takes long to draw (a hostile file) shows "Dibujando la
// página..." meanwhile, and the window keeps answering keys and clicks.
#include "reports/engine/pagina_preparada.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>

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
    // The whole page shown visible, portrait or landscape: 95 % of the
    // smaller of the width and height ratios.
    void ZoomAjustarPagina();
    // 90 % of the width ratio of the page shown.
    void ZoomAjustarAncho();

    // Called after the pages changed (a new page prepared, a file loaded).
    void PaginasCambiadas();

    // True once the page on show has been drawn whole.
    bool PaginaDibujada() const { return dibujo_.completo; }

    // Time given to drawing before the window answers again; the first
    // slice is longer, so that a page of the program's own reports shows
    // whole at once even on a busy machine.
    static constexpr int kPrimerTramoMs = 200;
    static constexpr int kTramoMs = 30;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double PixelesPorMm() const;
    // The size of the page shown, in mm (A4 portrait while there is none).
    QSizeF MmPagina() const;
    QSize TamanoPagina() const;
    void ActualizarBarras();
    double ZoomDeRelacion(double relacion) const;
    QPoint OrigenPagina() const;
    void OlvidarDibujo();
    void PrepararDibujo();
    void DibujarTramo(int milisegundos);
    void ContinuarDibujo();

    // What is being drawn, and for which view; any change of view starts again.
    struct Dibujo {
        bool valido = false;
        int pagina = 0;
        int zoom = 0;
        QPoint desplazamiento;
        QSize tamano;
        qreal proporcion = 1;
        PaginaPreparada primitivas;
        std::size_t siguiente = 0;
        bool completo = false;
        QImage imagen;
    };
    Dibujo dibujo_;
    QTimer continuar_;  // the next slice of drawing, once events are answered

    const InformePreparado* informe_ = nullptr;
    int pagina_ = 1;
    int zoom_ = 100;
};
