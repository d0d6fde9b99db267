#pragma once
// The boxes of a schedule report's columns, sized from their widest figures
// when the designed boxes are too narrow for them.
#include <vector>

struct CajaColumna {
    float izquierda = 0;
    float ancho = 0;

    bool operator==(const CajaColumna&) const = default;
};

// `diseno`: the columns as laid out for ordinary figures, left to right.
// `textos`: the width of each column's widest figure at kPuntosTexto, and
// `minimos` what else must fit at the same scale (its title), in mm; `aire`
// is kept clear at either side of a figure.
// When every figure fits its designed box the design stands. Otherwise the
// room of the boxes (the gaps between them kept) is shared out again: a
// column whose figures fit keeps room for them at full size; the others get
// room for their widest text at the largest size, in half points up to
// kPuntosTexto, at which all of them fit; what is left over goes in
// proportion to the designed widths. The columns still span what the design
// spans.
std::vector<CajaColumna> RepartirColumnas(const std::vector<CajaColumna>& diseno, const std::vector<float>& textos,
                                          const std::vector<float>& minimos, float aire);

// Moves each separator with the column that starts after it, keeping its
// distance from that column; one after every column stays where it is.
std::vector<float> MoverSeparadores(const std::vector<float>& separadores, const std::vector<CajaColumna>& diseno,
                                    const std::vector<CajaColumna>& cajas);
