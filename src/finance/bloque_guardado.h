#pragma once
// Runs one step of a calculation that may fail: any exception of the
// time-value-of-money functions, or a result that is not a finite number,
// counts as a failure instead of leaving the window. Returns true when the
// step succeeded.
#include <cmath>
#include <exception>
#include <initializer_list>

template <typename Paso>
bool EjecutarGuardado(Paso&& paso, std::initializer_list<double*> resultados) {
    try {
        paso();
    } catch (const std::exception&) {
        return false;
    }
    bool finitos = true;
    for (double* valor : resultados) {
        if (!std::isfinite(*valor)) {
            *valor = 0;
            finitos = false;
        }
    }
    return finitos;
}
