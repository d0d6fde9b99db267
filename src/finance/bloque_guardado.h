#pragma once
// Runs one step of a calculation that may fail: any exception of the
// time-value-of-money functions, or a result that is not a finite number,
// counts as a failure instead of leaving the window. Such results are set
// to 0. Returns true when the step succeeded.
#include "util/textos_numericos.h"

#include <cmath>
#include <exception>
#include <initializer_list>

template <typename Paso, typename Admisible>
bool EjecutarGuardadoSi(Paso&& paso, std::initializer_list<double*> resultados, Admisible admisible) {
    try {
        paso();
    } catch (const std::exception&) {
        return false;  // the caller warns: the step has no result
    }
    bool admitidos = true;
    for (double* valor : resultados) {
        if (!admisible(*valor)) {
            *valor = 0;
            admitidos = false;
        }
    }
    return admitidos;
}

template <typename Paso>
bool EjecutarGuardado(Paso&& paso, std::initializer_list<double*> resultados) {
    return EjecutarGuardadoSi(paso, resultados, [](double valor) { return std::isfinite(valor); });
}

// The same for a step whose results go to the panels: a result too large to
// be shown whole is a failure too.
template <typename Paso>
bool EjecutarMostrable(Paso&& paso, std::initializer_list<double*> resultados) {
    return EjecutarGuardadoSi(paso, resultados, ImporteMostrable);
}
