#include "finance/filas_depreciacion.h"

#include "finance/anios_naturales.h"
#include "finance/tvm.h"
#include "finance/todas_las_filas.h"
#include "util/fechas.h"

TFilasDepreciacion::TFilasDepreciacion(const DatosFilasDepreciacion& datos) : d_(datos) {
    if (d_.CalculoActual == finance::CodigoCalculo::DepreciacionDobleLineal && d_.AniosUtil > 0)
        dobleLineal_.emplace(d_.ValorInicial, d_.ValorFinal, d_.AniosUtil);
}

int TFilasDepreciacion::Cantidad() const {
    return d_.AniosUtil > 0 ? finance::AniosNaturales(d_.AniosUtil, d_.mesInicio) : 0;
}

// Whole years of life from the start date, each with its own charge.
bool TFilasDepreciacion::PorAniosDeVida() const {
    return !finance::PrimerAnioParcial(d_.mesInicio) &&
           d_.CalculoActual != finance::CodigoCalculo::DepreciacionDobleLineal;
}

bool TFilasDepreciacion::Siguiente(trDepreciacion& fila) {
    if (actual_ >= Cantidad())
        return false;
    const int y = ++actual_;
    fila = trDepreciacion{};
    fila.anio = y;
    // After a part first year the rows are calendar years from 1 January.
    fila.fecha = finance::PrimerAnioParcial(d_.mesInicio) && y > 1 ? QDate(d_.primeraFecha.year() + y - 1, 1, 1)
                                                                    : SumarAnios(y - 1, d_.primeraFecha);
    fila.valorInicial = d_.ValorInicial - acumuladaAnterior_;
    try {
        if (PorAniosDeVida())
            FilaPorAniosDeVida(fila, y);
        else
            FilaNatural(fila, y);
    } catch (const std::exception&) {
        // The calculation already refused these data before the table was
        // built; a year the formula cannot reach depreciates nothing.
        fila.depPeriodo = 0;
        fila.depAcumulada = 0;
    }
    fila.valorFinal = d_.ValorInicial - fila.depAcumulada;
    acumuladaAnterior_ = fila.depAcumulada;
    return true;
}

void TFilasDepreciacion::FilaPorAniosDeVida(trDepreciacion& fila, int y) {
    switch (d_.CalculoActual) {
    case finance::CodigoCalculo::DepreciacionLineal:
        // Straight-line rows whatever the years to calculate: each year
        // carries the same share of the depreciation over the useful life.
        fila.depPeriodo = d_.DepVidaUtil / d_.AniosUtil;
        fila.depAcumulada = d_.DepVidaUtil / d_.AniosUtil * y;
        break;
    case finance::CodigoCalculo::DepreciacionAcelerada:
    case finance::CodigoCalculo::DepreciacionDoble:
        fila.depPeriodo = static_cast<double>(CargoDeVida(y));
        total_ += fila.depPeriodo;
        fila.depAcumulada = total_;
        break;
    default:
        break;
    }
}

long double TFilasDepreciacion::CargoDeVida(int anio) const {
    switch (d_.CalculoActual) {
    case finance::CodigoCalculo::DepreciacionAcelerada:
        return finance::SumOfYearsDepreciation(d_.ValorInicial, d_.ValorFinal, d_.AniosUtil, anio);
    case finance::CodigoCalculo::DepreciacionDoble:
        return finance::DecliningBalanceDepreciation(d_.ValorInicial, d_.ValorFinal, d_.AniosUtil, anio);
    default:
        return 0;
    }
}

long double TFilasDepreciacion::SiguienteDeVida(int anio) {
    if (anio > d_.AniosUtil)
        return sumaDeVida_;
    switch (d_.CalculoActual) {
    case finance::CodigoCalculo::DepreciacionLineal:
        sumaDeVida_ = static_cast<long double>(d_.DepVidaUtil / d_.AniosUtil * anio);
        break;
    case finance::CodigoCalculo::DepreciacionDobleLineal:
        sumaDeVida_ = dobleLineal_->Acumulada(anio);
        break;
    default:
        sumaDeVida_ += CargoDeVida(anio);
        break;
    }
    return sumaDeVida_;
}

// Calendar year y holds the end of year of life y-1 and the start of year y
// (see anios_naturales.h); the last row lands on the depreciation over the
// life, so the table ends at the final value.
void TFilasDepreciacion::FilaNatural(trDepreciacion& fila, int y) {
    const long double deVida = SiguienteDeVida(y);
    long double acumulada = deVida;
    if (y >= Cantidad()) {
        acumulada = d_.DepVidaUtil;
    } else if (finance::PrimerAnioParcial(d_.mesInicio)) {
        const long double f = finance::FraccionPrimerAnio(d_.mesInicio);
        acumulada = f * deVida + (1 - f) * vidaAnterior_;
    }
    vidaAnterior_ = deVida;
    fila.depAcumulada = static_cast<double>(acumulada);
    fila.depPeriodo = fila.depAcumulada - acumuladaAnterior_;
}

std::vector<trDepreciacion> FilasDepreciacion(const DatosFilasDepreciacion& datos) {
    return TodasLasFilas<trDepreciacion>(TFilasDepreciacion(datos));
}
