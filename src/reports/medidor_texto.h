#pragma once
// Text widths on a report page, in millimetres, and the font size at which a
// text fits a label.
#include "reports/engine/pagina_preparada.h"

#include <QString>
#include <array>

// The size of every label of the schedule reports, in points.
inline constexpr float kPuntosTexto = 8;

// The width of a text in millimetres, measured on a large font so that no
// screen resolution or hinting enters the figure.
float AnchoTextoMm(const QString& texto, const EstiloTexto& estilo);

// A text's width in millimetres as the page painter lays it out: with the
// font sized in millimetres on a device, where its size is rounded to whole
// units, so that the printed text can be wider than its nominal size gives.
float AnchoPintadoMm(const QString& texto, const EstiloTexto& estilo);

// The points, from kPuntosTexto down, at which a text fits the room (mm).
float PuntosQueCaben(const QString& texto, EstiloTexto estilo, float hueco);

// Keeps a column's widest text, found by the advance of each character,
// measured once, so that a long table costs a few additions per text.
class MedidorTexto {
public:
    explicit MedidorTexto(const EstiloTexto& estilo);
    // Notes a text; true when it is the widest so far.
    bool Anotar(const QString& texto);
    const QString& MasAncho() const { return masAncho_; }

private:
    EstiloTexto estilo_;
    std::array<float, 128> avances_{};
    float maximo_ = -1;
    QString masAncho_;
};
