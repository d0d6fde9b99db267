#include "reports/reparto_columnas.h"

#include "reports/medidor_texto.h"

#include <algorithm>

std::vector<CajaColumna> RepartirColumnas(const std::vector<CajaColumna>& diseno, const std::vector<float>& textos,
                                          const std::vector<float>& minimos, float aire) {
    const std::size_t n = diseno.size();
    std::vector<bool> cabe(n);
    bool todas = true;
    for (std::size_t c = 0; c < n; ++c) {
        cabe[c] = textos[c] + 2 * aire <= diseno[c].ancho;
        todas = todas && cabe[c];
    }
    if (todas)
        return diseno;

    // A column whose figures fit at full size keeps room for them, and for
    // its title as far as the design gave it; the others share what is left
    // at one size for all.
    std::vector<float> anchos(n);
    float espacio = 0, libre = 0, necesario = 0;
    for (std::size_t c = 0; c < n; ++c) {
        espacio += diseno[c].ancho;
        if (cabe[c]) {
            anchos[c] = std::max(textos[c] + 2 * aire, std::min(diseno[c].ancho, minimos[c] + 2 * aire));
            libre -= anchos[c];
        } else {
            necesario += std::max(textos[c], minimos[c]);
            libre -= 2 * aire;
        }
    }
    libre += espacio;
    // The widest texts scale with the points; the air does not.
    const float escala = PuntosParaAncho(necesario, libre) / kPuntosTexto;
    float usado = 0;
    for (std::size_t c = 0; c < n; ++c) {
        if (!cabe[c])
            anchos[c] = std::max(textos[c], minimos[c]) * escala + 2 * aire;
        usado += anchos[c];
    }
    // Below the smallest size the texts may still not fit: then every
    // column gives up room in proportion, and its figures shrink further
    // as they print.
    const float sobra = espacio - usado;
    for (std::size_t c = 0; c < n; ++c)
        anchos[c] = sobra >= 0 ? anchos[c] + sobra * diseno[c].ancho / espacio : anchos[c] * espacio / usado;

    std::vector<CajaColumna> cajas(n);
    float x = n ? diseno[0].izquierda : 0;
    for (std::size_t c = 0; c < n; ++c) {
        if (c > 0)
            x += diseno[c].izquierda - (diseno[c - 1].izquierda + diseno[c - 1].ancho);
        cajas[c] = {x, anchos[c]};
        x += anchos[c];
    }
    return cajas;
}

std::vector<float> MoverSeparadores(const std::vector<float>& separadores, const std::vector<CajaColumna>& diseno,
                                    const std::vector<CajaColumna>& cajas) {
    std::vector<float> movidos;
    for (float s : separadores) {
        std::size_t c = 0;
        while (c < diseno.size() && diseno[c].izquierda < s)
            ++c;
        movidos.push_back(c < diseno.size() ? s + cajas[c].izquierda - diseno[c].izquierda : s);
    }
    return movidos;
}
