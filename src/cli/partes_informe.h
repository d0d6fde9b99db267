#pragma once
// Pieces the three sub-commands build their reports from.
#include "cli/informe_orden.h"
#include "cli/lectura_opciones.h"
#include "finance/aviso_calculo.h"
#include "finance/condiciones_prestamo.h"
#include "finance/filas_inversion.h"
#include "finance/filas_prestamo.h"
#include "finance/limites_tabla.h"
#include "finance/textos_tabla.h"
#include "util/excepcion.h"

#include <QString>
#include <memory>
#include <optional>

// A calculation the page would refuse, or a table it could not build: the
// message is the page's warning in its own words. The program prints it and
// ends with status 1.
class ECalculoRechazado : public Exception {
public:
    using Exception::Exception;
};

// Throws ECalculoRechazado with the warning's text, one line per line.
void RechazarSiAviso(const std::optional<AvisoCalculo>& aviso);

// A result figure shown as an amount ("%.2n") or as a whole number.
DatoResultado DatoImporte(const QString& etiqueta, const QString& clave, double valor);
DatoResultado DatoEntero(const QString& etiqueta, const QString& clave, long long valor);
// An amount that may be missing: then an empty text, as its empty panel,
// and null in JSON.
DatoResultado DatoImporteSiHay(const QString& etiqueta, const QString& clave, const std::optional<double>& valor);

// A rate in percent, as its panel shows it: a positive rate too small for
// two decimals keeps two significant digits, in the text and in JSON. A
// missing one is an empty text and null in JSON.
DatoResultado DatoTasa(const QString& etiqueta, const QString& clave, const std::optional<double>& valor);

// The grid's texts of a row of any table.
struct TextosDeLaRejilla {
    template <typename Fila>
    QStringList operator()(const TTextosCelda& t, const Fila& fila) const {
        return TextosFilaTabla(t, fila);
    }
};

// Passes over the rows that `Generador` makes from `datos`, each with the
// texts `textosFila` gives (the grid's) and the JSON values `json` gives.
template <typename Generador, typename Fila, typename Datos, typename Json, typename Textos = TextosDeLaRejilla>
std::function<SiguienteFila()> RecorridoFilas(const Datos& datos, Json json, Textos textosFila = {}) {
    return [datos, json, textosFila] {
        auto filas = std::make_shared<Generador>(datos);
        auto textos = std::make_shared<TTextosCelda>();
        return SiguienteFila([filas, textos, json, textosFila](FilaOrden& salida) {
            Fila fila;
            if (!filas->Siguiente(fila))
                return false;
            salida.textos = textosFila(*textos, fila);
            salida.json = json(fila);
            return true;
        });
    };
}

// Months between two rows of a table: a loan's follow its payment frequency,
// a savings plan's are monthly.
inline int MesesPorFila(const DatosFilasPrestamo& datos) {
    return finance::MesesPorPeriodo(datos.condiciones.periodicidad);
}
inline int MesesPorFila(const DatosFilasInversion&) { return 1; }

// Adds to a loan's or a savings plan's report the monthly table and the
// yearly summary that were asked for, after the checks the page runs
// before building a table.
template <typename Datos>
void AnadirTablasMensuales(InformeOrden& informe, const OpcionesComunes& comunes, const Datos& datos,
                           TablaOrden (*tabla)(const Datos&), TablaOrden (*resumen)(const Datos&)) {
    if (comunes.tabla || comunes.resumenAnual)
        ComprobarDesarrolloMensual(datos.NumCuotas, datos.primeraFecha, MesesPorFila(datos));
    if (comunes.tabla)
        informe.tabla = tabla(datos);
    if (comunes.resumenAnual)
        informe.resumenAnual = resumen(datos);
}
