#pragma once
// The rows of a depreciation's development table, one per year of useful
// life, produced one after another.
#include "finance/codigo_calculo.h"

#include <QDate>
#include <vector>

struct trDepreciacion {
    int anio = 0;
    QDate fecha;                 // start of the year
    double valorInicial = 0;     // value at the start of the year
    double depPeriodo = 0;       // depreciation of the year
    double depAcumulada = 0;     // depreciation up to the end of the year
    double valorFinal = 0;       // value at the end of the year
};

struct DatosFilasDepreciacion {
    double ValorInicial = 0;
    double ValorFinal = 0;
    int AniosUtil = 0;
    int AniosCalculo = 0;
    double DepVidaUtil = 0;
    // Linear, sum of the years' digits or double declining balance.
    finance::CodigoCalculo CalculoActual = finance::CodigoCalculo::DepreciacionLineal;
    QDate primeraFecha;
};

class TFilasDepreciacion {
public:
    explicit TFilasDepreciacion(const DatosFilasDepreciacion& datos);

    int Cantidad() const;
    bool Siguiente(trDepreciacion& fila);

private:
    DatosFilasDepreciacion d_;
    int actual_ = 0;
    double acumuladaAnterior_ = 0;
    double total_ = 0;
};

std::vector<trDepreciacion> FilasDepreciacion(const DatosFilasDepreciacion& datos);
