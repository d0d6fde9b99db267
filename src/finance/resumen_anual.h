#pragma once
// The yearly summary of a development table: per calendar year, what was paid
// or put in, split as the table splits it, and the capital at the year's end.
// Every amount is added from the row amounts rounded to the cent, as the
// table shows them, so that the summary adds up to the table.
#include "finance/filas_inversion.h"
#include "finance/filas_prestamo.h"

#include <array>
#include <optional>
#include <vector>

// One calendar year of a loan, or (anio 0) the whole loan.
struct AnioPrestamo {
    int anio = 0;
    int cuotas = 0;          // instalments paid in the year
    double pagado = 0;       // their amount and any early repayment
    double capital = 0;      // principal repaid, early repayments included
    double interes = 0;      // interest paid
    double pendiente = 0;    // capital still owed after the year's last instalment
    double costes = 0;       // insurance and maintenance paid with the instalments
};

// One calendar year of a savings plan, or (anio 0) the whole plan.
struct AnioInversion {
    int anio = 0;
    int cuotas = 0;          // contributions made in the year
    double aportado = 0;     // their amount
    double intereses = 0;    // interest earned (growth of the table's profit column)
    double capital = 0;      // capital reached after the year's last contribution
    std::optional<double> valorReal;  // that capital in today's money, with inflation
};

template <typename Anio>
struct ResumenAnual {
    std::vector<Anio> anios;  // in calendar order, only years with rows
    Anio total;               // anio 0; the capital of the last row
};

using ResumenPrestamo = ResumenAnual<AnioPrestamo>;
using ResumenInversion = ResumenAnual<AnioInversion>;

// Adds the rows of a loan table one at a time, in their order.
class TResumenPrestamo {
public:
    void Anadir(const trPrestamo& fila);
    const ResumenPrestamo& Resultado() const { return r_; }

private:
    ResumenPrestamo r_;
    // Cents paid, repaid, of interest and of yearly costs, in the current
    // year and in all.
    std::array<long double, 4> anio_{}, total_{};
};

// Adds the rows of a savings plan table one at a time, in their order.
class TResumenInversion {
public:
    void Anadir(const trInversion& fila);
    const ResumenInversion& Resultado() const { return r_; }

private:
    ResumenInversion r_;
    long double beneficioAnterior_ = 0;  // cents of profit after the previous row
    // Cents put in and earned, in the current year and in all.
    std::array<long double, 2> anio_{}, total_{};
};

// The summary of every row the calculation gives; the savings plan's throws
// EDesarrolloInversion where its table would.
ResumenPrestamo ResumenAnualPrestamo(const DatosFilasPrestamo& datos);
ResumenInversion ResumenAnualInversion(const DatosFilasInversion& datos);
