#pragma once
// Every row of a row generator at once (short tables and tests).
#include <cstddef>
#include <vector>

template <typename Fila, typename Generador>
std::vector<Fila> TodasLasFilas(Generador generador) {
    std::vector<Fila> todas(static_cast<std::size_t>(generador.Cantidad()));
    for (Fila& fila : todas)
        generador.Siguiente(fila);
    return todas;
}
