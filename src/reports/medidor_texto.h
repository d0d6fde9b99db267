#pragma once
// Text widths on a report page, in millimetres, and the font size at which a
// text fits a label. The page painter draws text at its exact size, so a
// width grows in proportion to the points.
#include "reports/engine/pagina_preparada.h"

#include <QString>
#include <array>

// The size of every label of the schedule reports, in points.
inline constexpr float kPuntosTexto = 8;
// The smallest size a figure of a schedule is printed at while the page has
// room for it: below this a report is hard to read.
inline constexpr float kPuntosLegibles = 6;

// The width of a text in millimetres, measured on a large font so that no
// screen resolution or hinting enters the figure.
float AnchoTextoMm(const QString& texto, const EstiloTexto& estilo);

// The points, from kPuntosTexto down in half points, at which a text that
// is `ancho` mm wide at kPuntosTexto fits the room (mm); never below 2.
float PuntosParaAncho(float ancho, float hueco);
// The same for a text in a style.
float PuntosQueCaben(const QString& texto, EstiloTexto estilo, float hueco);

// Widths of texts in a style from the advance of each character, measured
// once per style for the whole run, so that a long table costs a few
// additions per text; kerning only narrows a figure, so the sum never falls
// short. Keeps the width of the widest text noted.
class MedidorTexto {
public:
    explicit MedidorTexto(const EstiloTexto& estilo);
    // The width of a text in mm at the style's size.
    float Ancho(const QString& texto) const;
    // Notes a text, keeping the widest width.
    void Anotar(const QString& texto);
    // The width of the widest text noted, 0 before any.
    float AnchoMaximo() const { return maximo_ < 0 ? 0 : maximo_; }

private:
    EstiloTexto estilo_;
    const std::array<float, 128>* avances_;  // mm per point, by character
    float maximo_ = -1;
};
