#include "finance/doble_lineal.h"

#include <cmath>

namespace finance {

TDobleLineal::TDobleLineal(long double coste, long double residual, int vida)
    : coste_(coste), residual_(residual), vida_(vida) {
    if (vida_ <= 2 || residual_ >= coste_) {
        // A rate of 100 % or more takes everything in the first year.
        tope_ = true;
        return;
    }
    // Both tests turn true at some year and stay true (the book value only
    // falls, and the straight line's share of it only grows), and the last
    // year always passes one of them, so the first year that passes is found
    // by halving, even for a life of thousands of millions of years.
    int desde = 1, hasta = vida_;
    while (desde < hasta) {
        const int medio = desde + (hasta - desde) / 2;
        if (Cambia(medio))
            hasta = medio;
        else
            desde = medio + 1;
    }
    cambio_ = desde;
    tope_ = Libro(cambio_) <= residual_;
}

long double TDobleLineal::Libro(int anios) const {
    return coste_ * std::exp(anios * std::log1p(-2.0L / vida_));
}

bool TDobleLineal::Cambia(int anio) const {
    const long double inicio = Libro(anio - 1);
    const long double doble = inicio * 2 / vida_;
    const long double lineal = (inicio - residual_) / (vida_ - anio + 1);
    return Libro(anio) <= residual_ || lineal >= doble;
}

long double TDobleLineal::Acumulada(int anios) const {
    const long double total = residual_ >= coste_ ? 0 : coste_ - residual_;
    if (anios <= 0)
        return 0;
    if (anios >= vida_)
        return total;
    if (anios < cambio_)
        return coste_ - Libro(anios);
    if (tope_)
        return total;
    const long double alCambio = Libro(cambio_ - 1);
    const long double restantes = vida_ - cambio_ + 1;
    return coste_ - alCambio + (alCambio - residual_) * (anios - cambio_ + 1) / restantes;
}

}  // namespace finance
