#include "finance/filas_depreciacion.h"

#include "finance/tvm.h"
#include "finance/todas_las_filas.h"
#include "util/fechas.h"

TFilasDepreciacion::TFilasDepreciacion(const DatosFilasDepreciacion& datos) : d_(datos) {}

int TFilasDepreciacion::Cantidad() const { return d_.AniosUtil > 0 ? d_.AniosUtil : 0; }

bool TFilasDepreciacion::Siguiente(trDepreciacion& fila) {
    if (actual_ >= Cantidad())
        return false;
    const int y = ++actual_;
    fila = trDepreciacion{};
    fila.anio = y;
    fila.fecha = SumarAnios(y - 1, d_.primeraFecha);
    fila.valorInicial = d_.ValorInicial - acumuladaAnterior_;
    try {
        switch (d_.CalculoActual) {
        case finance::CodigoCalculo::DepreciacionLineal:
            // Straight-line rows whatever the years to calculate: each year
            // carries the same share of the depreciation over the useful life.
            fila.depPeriodo = d_.DepVidaUtil / d_.AniosUtil;
            fila.depAcumulada = d_.DepVidaUtil / d_.AniosUtil * y;
            break;
        case finance::CodigoCalculo::DepreciacionAcelerada:
            fila.depPeriodo = static_cast<double>(
                finance::SumOfYearsDepreciation(d_.ValorInicial, d_.ValorFinal, d_.AniosUtil, y));
            total_ += fila.depPeriodo;
            fila.depAcumulada = total_;
            break;
        case finance::CodigoCalculo::DepreciacionDoble:
            fila.depPeriodo = static_cast<double>(
                finance::DecliningBalanceDepreciation(d_.ValorInicial, d_.ValorFinal, d_.AniosUtil, y));
            total_ += fila.depPeriodo;
            fila.depAcumulada = total_;
            break;
        default:
            break;
        }
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

std::vector<trDepreciacion> FilasDepreciacion(const DatosFilasDepreciacion& datos) {
    return TodasLasFilas<trDepreciacion>(TFilasDepreciacion(datos));
}
