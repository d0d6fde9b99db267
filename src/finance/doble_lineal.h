#pragma once
// Double declining balance that changes to straight line: each year the
// larger of twice the linear rate on the book value and the remaining value
// spread evenly over the remaining years. Once the straight line gives more
// it goes on giving the same, so the asset reaches its final value at the
// end of its life with no jump in the last year.
namespace finance {

class TDobleLineal {
public:
    TDobleLineal(long double coste, long double residual, int vida);

    // Depreciation accumulated over the first `anios` years of life; years
    // beyond the life add nothing.
    long double Acumulada(int anios) const;

private:
    // Book value after `anios` years of plain double declining balance.
    long double Libro(int anios) const;
    // True from the year the double declining balance stops: the straight
    // line gives as much or more, or the rate would take the book value
    // below the final value.
    bool Cambia(int anio) const;

    long double coste_;
    long double residual_;
    int vida_;
    int cambio_ = 1;      // first year that is not plain double declining balance
    bool tope_ = false;   // that year takes all that is left (the rate overshoots)
};

}  // namespace finance
