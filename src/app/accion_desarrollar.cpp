#include "app/accion_desarrollar.h"

#include "app/form_calculos_financieros.h"
#include "finance/anios_naturales.h"
#include "ui/informe_errores.h"
#include "schedules/desarrollo_comun.h"
#include "schedules/desarrollo_depreciacion.h"
#include "schedules/desarrollo_inversion.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/desarrollo_retirada.h"
#include "schedules/form_desarrollo_calculos.h"
#include "util/fechas.h"
#include "util/puertas.h"
#include "ui/utilidades_campos.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

namespace {

// The first date of the table; an unreadable text, or a year the date fields
// do not accept, throws EConvertError.
QDate PrimeraFecha(const QLineEdit* campo) { return LeerFechaDeCampo(campo->text()).value_or(QDate()); }

// Makes the schedule window, lets the builder fill it and shows it; the
// window lives for this one use.
template <typename Construir>
void MostrarDesarrollo(TFormCalculosFinancieros& principal, Construir construir) {
    auto ventana = std::make_unique<TFormDesarrolloCalculos>(&principal);
    construir(*ventana);
    puertas::EjecutarModal(*ventana);
}

// Each page first runs its calculation. A refused one has told the person
// why, and its table would never be shown, so nothing more is done; a table
// too long to build is refused before any window exists.
void DesarrollarPaginaPrestamos(TFormCalculosFinancieros& p) {
    FechaDeHoySiEnBlanco(p.EditPresFecha);
    p.CalcularPrestamo();
    if (p.CalculoFallido())
        return;
    const finance::EstadoPrestamo& e = p.Prestamo();
    // A term shortened by early repayments heads the table with the
    // instalments paid and those of the contract, as the results do.
    const QString numCuotas = e.CuotasPagadas != e.NumCuotas ? finance::TextosPanelesPrestamo(e).numCuotas
                                                             : p.EditPresNum->text();
    const EntradaDesarrolloPrestamo entrada{
        {e.Capital, e.Interes, e.NumCuotas, e.Cuota, Momento(p.cbPresAportacion), PrimeraFecha(p.EditPresFecha),
         p.CondicionesPres},
        p.EditPresInteres->text(),
        numCuotas};
    ComprobarDesarrolloMensual(entrada.datos.NumCuotas, entrada.datos.primeraFecha,
                               finance::MesesPorPeriodo(p.CondicionesPres.periodicidad));
    MostrarDesarrollo(p, [&entrada, &e](TFormDesarrolloCalculos& v) {
        DesarrollarPrestamo(entrada, v);
        v.CifrasFinales = CifrasPrestamo(e, entrada.datos.condiciones);
    });
}

void DesarrollarPaginaRetirada(TFormCalculosFinancieros& p) {
    FechaDeHoySiEnBlanco(p.EditInvFecha);
    p.CalcularRetirada();
    if (p.CalculoFallido())
        return;
    const finance::EstadoRetirada& e = p.Retirada();
    const EntradaDesarrolloRetirada entrada{
        finance::DatosFilasDeRetirada(e, Momento(p.CbInvAportacion), PrimeraFecha(p.EditInvFecha)),
        e.TotalRetirado, p.EditInvInteres->text(), p.EditInvNum->text()};
    ComprobarDesarrolloMensual(entrada.datos.NumCuotas, entrada.datos.primeraFecha);
    MostrarDesarrollo(p, [&entrada](TFormDesarrolloCalculos& v) { DesarrollarRetirada(entrada, v); });
}

void DesarrollarPaginaInversiones(TFormCalculosFinancieros& p) {
    if (CalculoActual == finance::CodigoCalculo::InversionRetirada) {
        DesarrollarPaginaRetirada(p);
        return;
    }
    FechaDeHoySiEnBlanco(p.EditInvFecha);
    p.CalcularInversion();
    if (p.CalculoFallido())
        return;
    const finance::EstadoInversion& e = p.Inversion();
    const EntradaDesarrolloInversion entrada{
        finance::DatosFilasDeInversion(e, Momento(p.CbInvAportacion), PrimeraFecha(p.EditInvFecha)),
        p.EditInvInteres->text(), p.EditInvNum->text()};
    ComprobarDesarrolloMensual(entrada.datos.NumCuotas, entrada.datos.primeraFecha);
    MostrarDesarrollo(p, [&entrada, &e](TFormDesarrolloCalculos& v) {
        DesarrollarInversion(entrada, v);
        v.CifrasFinales = CifrasInversion(e);
        v.TituloCifrasFinales = QStringLiteral("Resultados de la inversión");
    });
}

void DesarrollarPaginaDepreciaciones(TFormCalculosFinancieros& p) {
    FechaDeHoySiEnBlanco(p.EditDepFecha);
    p.CalcularDepreciacion();
    if (p.CalculoFallido())
        return;
    const finance::EstadoDepreciacion& e = p.Depreciacion();
    const EntradaDesarrolloDepreciacion entrada{{e.ValorInicial, e.ValorFinal, e.AniosUtil, e.AniosCalculo,
                                                 e.DepVidaUtil, CalculoActual, PrimeraFecha(p.EditDepFecha),
                                                 e.MesInicio}};
    ComprobarDesarrolloAnual(finance::AniosNaturales(entrada.datos.AniosUtil, entrada.datos.mesInicio),
                             entrada.datos.primeraFecha);
    MostrarDesarrollo(p, [&entrada](TFormDesarrolloCalculos& v) { DesarrollarDepreciacion(entrada, v); });
}

}  // namespace

void EjecutarDesarrollo(TFormCalculosFinancieros& principal) {
    EjecutarProtegido([&principal] {
        QWidget* pagina = principal.pcCalculos->currentWidget();
        if (pagina == principal.tsPres)
            DesarrollarPaginaPrestamos(principal);
        else if (pagina == principal.tsInv)
            DesarrollarPaginaInversiones(principal);
        else if (pagina == principal.tsDep)
            DesarrollarPaginaDepreciaciones(principal);
    });
}
