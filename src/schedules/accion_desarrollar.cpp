#include "schedules/accion_desarrollar.h"

#include "app/form_calculos_financieros.h"
#include "app/informe_errores.h"
#include "schedules/desarrollo_depreciacion.h"
#include "schedules/desarrollo_inversion.h"
#include "schedules/desarrollo_prestamo.h"
#include "schedules/form_desarrollo_calculos.h"
#include "util/fechas.h"
#include "util/puertas.h"
#include "widgets/grid/attribute_grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

namespace {

void FechaDeHoySiEnBlanco(QLineEdit* campo) {
    if (FechaEnBlanco(campo->text()))
        campo->setText(TextoFecha(QDate::currentDate()));
}

// The first date of the table; an unreadable text throws EConvertError.
QDate PrimeraFecha(const QLineEdit* campo) { return LeerFecha(campo->text()).value_or(QDate()); }

finance::PaymentTiming Momento(const QComboBox* lista) {
    return lista->currentIndex() == 1 ? finance::PaymentTiming::StartOfPeriod : finance::PaymentTiming::EndOfPeriod;
}

void DesarrollarPaginaPrestamos(TFormCalculosFinancieros& p, TFormDesarrolloCalculos& ventana) {
    FechaDeHoySiEnBlanco(p.EditPresFecha);
    p.CalcularPrestamo();
    const DatosFilasPrestamo datos{p.Capital, p.Interes, p.NumCuotas, p.Cuota, Momento(p.cbPresAportacion),
                                   PrimeraFecha(p.EditPresFecha)};
    DesarrollarPrestamo({datos, p.EditPresInteres->text(), p.EditPresNum->text()}, ventana);
}

void DesarrollarPaginaInversiones(TFormCalculosFinancieros& p, TFormDesarrolloCalculos& ventana) {
    FechaDeHoySiEnBlanco(p.EditInvFecha);
    ventana.GridDesarrollo->SetColCount(6);
    p.CalcularInversion();
    const DatosFilasInversion datos{p.Capital,   p.CapInicial, p.Interes, p.NumCuotas,
                                    p.Cuota,     Momento(p.CbInvAportacion), PrimeraFecha(p.EditInvFecha)};
    DesarrollarInversion({datos, p.EditInvInteres->text(), p.EditInvNum->text()}, ventana);
}

void DesarrollarPaginaDepreciaciones(TFormCalculosFinancieros& p, TFormDesarrolloCalculos& ventana) {
    FechaDeHoySiEnBlanco(p.EditDepFecha);
    ventana.GridDesarrollo->SetColCount(6);
    p.CalcularDepreciacion();
    const DatosFilasDepreciacion datos{p.ValorInicial, p.ValorFinal,  p.AniosUtil,
                                       p.AniosCalculo, p.DepVidaUtil, CalculoActual,
                                       PrimeraFecha(p.EditDepFecha)};
    DesarrollarDepreciacion({datos}, ventana);
}

}  // namespace

void EjecutarDesarrollo(TFormCalculosFinancieros& principal) {
    EjecutarProtegido([&principal] {
        auto ventana = std::make_unique<TFormDesarrolloCalculos>(&principal);
        QWidget* pagina = principal.pcCalculos->currentWidget();
        if (pagina == principal.tsPres)
            DesarrollarPaginaPrestamos(principal, *ventana);
        else if (pagina == principal.tsInv)
            DesarrollarPaginaInversiones(principal, *ventana);
        else if (pagina == principal.tsDep)
            DesarrollarPaginaDepreciaciones(principal, *ventana);
        if (!principal.CalculoFallido)
            puertas::EjecutarModal(*ventana);
    });
}
