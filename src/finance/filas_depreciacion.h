#pragma once
// The rows of a depreciation's development table, one per year of useful
// life (or per calendar year when the asset starts after January), produced
// one after another.
#include "finance/codigo_calculo.h"
#include "finance/doble_lineal.h"

#include <QDate>
#include <optional>
#include <vector>

struct trDepreciacion {
    int anio = 0;
    QDate fecha;                 // start of the year (1 January after a part first year)
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
    // Linear, sum of the years' digits, double declining balance or double
    // declining changing to linear.
    finance::CodigoCalculo CalculoActual = finance::CodigoCalculo::DepreciacionLineal;
    QDate primeraFecha;
    // Month the asset is put to use: from February on the rows are calendar
    // years, the first and the extra last one prorated by months in use.
    int mesInicio = 1;
};

class TFilasDepreciacion {
public:
    explicit TFilasDepreciacion(const DatosFilasDepreciacion& datos);

    int Cantidad() const;
    bool Siguiente(trDepreciacion& fila);

private:
    bool PorAniosDeVida() const;
    void FilaPorAniosDeVida(trDepreciacion& fila, int y);
    void FilaNatural(trDepreciacion& fila, int y);
    // Charge of year of life `anio`, and the sum of the charges up to it:
    // called for each year of life in turn.
    long double CargoDeVida(int anio) const;
    long double SiguienteDeVida(int anio);

    DatosFilasDepreciacion d_;
    std::optional<finance::TDobleLineal> dobleLineal_;
    long double sumaDeVida_ = 0;     // depreciation over the years of life gone through
    long double vidaAnterior_ = 0;   // the same up to the year before the current row
    int actual_ = 0;
    double acumuladaAnterior_ = 0;
    double total_ = 0;
};

std::vector<trDepreciacion> FilasDepreciacion(const DatosFilasDepreciacion& datos);
