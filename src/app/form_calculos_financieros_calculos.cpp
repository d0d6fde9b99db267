// The three calculations as operations of the main window: read the page's
// boxes, hand the texts to the pure calculations of finance/, keep the state
// they return, and write back the unknown, the warning, the focus and the
// result panels. A refused calculation leaves the panels wholly as the last
// good one wrote them, under a heading that says so: never a mix of old and
// new figures, and the schedule is not built from them. The date boxes are
// not read: a blank date stays blank here (Desarrollar fills it in before it
// builds a table).
#include "app/form_calculos_financieros.h"
#include "finance/nombres_hipoteca.h"
#include "ui/panel_resultado.h"
#include "util/ajustes_regionales.h"
#include "util/textos_fecha.h"
#include "util/textos_numericos.h"

#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QLineEdit>

namespace {

// Empty boxes count as 0 and show it, before anything is read.
void CerosEnBlanco(std::initializer_list<QLineEdit*> campos) {
    for (QLineEdit* campo : campos) {
        if (campo->text().isEmpty())
            campo->setText(QStringLiteral("0"));
    }
}

// Shows the calculation's warning, then moves the focus and writes the
// unknown back into the boxes that `campo` maps the result's fields to.
template <typename Resultado, typename Campos, typename Aviso>
void AplicarResultado(const Resultado& r, Campos campo, Aviso avisar) {
    if (r.aviso)
        avisar(*r.aviso);
    if (QLineEdit* foco = campo(r.foco))
        foco->setFocus();
    if (QLineEdit* escrito = campo(r.campoEscrito))
        escrito->setText(r.textoEscrito);
}

// The text the calculation reads for a rate box: the rate as solved while
// the box still holds the shortened text written back for it.
QString TextoTasaLeida(const QLineEdit* campo, const TasaResuelta& tasa) {
    if (tasa.texto.isEmpty() || campo->text() != tasa.texto)
        return campo->text();
    return QString::number(tasa.valor, 'g', 17).replace(QLatin1Char('.'), Ajustes().separadorDecimal);
}

// Keeps the solved rate when the text written back for it was shortened.
template <typename Resultado, typename Campo>
TasaResuelta TasaEscrita(const Resultado& r, Campo campoInteres, double interes) {
    if (r.estado.CalculoFallido || r.campoEscrito != campoInteres || r.textoEscrito == TextoDosDecimales(interes))
        return {};
    return {r.textoEscrito, interes};
}

// The mortgage's choices the results were worked out with, for the
// heading's tooltip and description: the heading itself has room only to say
// that conditions apply.
QString EleccionesHipoteca(const finance::CondicionesPrestamo& c) {
    const QString eleccion = finance::DescripcionHipoteca(c, c.HayOpcionesHipoteca());
    return eleccion.isEmpty() ? QString() : QStringLiteral("Condiciones del préstamo: %1").arg(eleccion);
}

}  // namespace

// The TAE panel and its caption say "TAE variable" for a variable or mixed
// rate, as the law has it called.
void TFormCalculosFinancieros::NombrarTAE(const QString& nombre) {
    PnlPresTAE->setAccessibleName(nombre);
    for (QLabel* etiqueta : PnlPresResul->findChildren<QLabel*>())
        if (etiqueta->buddy() == PnlPresTAE)
            etiqueta->setText(nombre);
}

finance::PaymentTiming Momento(const QComboBox* lista) {
    return lista->currentIndex() == 1 ? finance::PaymentTiming::StartOfPeriod : finance::PaymentTiming::EndOfPeriod;
}

void TFormCalculosFinancieros::CalcularPrestamo() {
    const QScopedValueRollback<bool> escribiendo(calculando_, true);
    using finance::CampoPrestamo;
    CerosEnBlanco({EditPresCapital, EditPresInteres, EditPresNum, EditPresCuota});
    const finance::EntradaPrestamo entrada{EditPresCapital->text(), TextoTasaLeida(EditPresInteres, tasaPres_),
                                           EditPresNum->text(),     EditPresCuota->text(),
                                           Momento(cbPresAportacion), CondicionesPres};
    const finance::ResultadoPrestamo r = finance::ResolverPrestamo(CalculoActual, entrada);
    tasaPres_ = TasaEscrita(r, CampoPrestamo::Interes, r.estado.Interes);

    prestamo_ = r.estado;
    calculoFallido_ = prestamo_.CalculoFallido;

    auto campo = [this](CampoPrestamo c) -> QLineEdit* {
        switch (c) {
        case CampoPrestamo::Capital: return EditPresCapital;
        case CampoPrestamo::Interes: return EditPresInteres;
        case CampoPrestamo::NumCuotas: return EditPresNum;
        case CampoPrestamo::Cuota: return EditPresCuota;
        case CampoPrestamo::Ninguno: break;
        }
        return nullptr;
    };
    AplicarResultado(r, campo, [this](const AvisoCalculo& a) { MostrarAvisoCalculo(a.titulo, a.texto); });
    if (calculoFallido_) {
        ResultadosRechazados(PnlPresInfo);
        return;
    }

    const finance::PanelesPrestamo p = finance::TextosPanelesPrestamo(prestamo_);
    PnlPresCapitalRes->setText(p.capital);
    PnlPresIntRes->setText(p.interes);
    PnlPresCuotaRes->setText(p.cuota);
    PnlPresPagado->setText(p.pagado);
    PnlPresIntereses->setText(p.intereses);
    PnlPresPorcentaje->setText(p.porcentaje);
    PnlPresNumRes->setText(p.numCuotas);
    PnlPresTAE->setText(p.tae);
    PnlPresCosteTotal->setText(p.costeTotal);
    PnlPresTAERevisiones->setText(p.taeConRevisiones);
    // A level instalment that no revision changes is its own highest.
    PnlPresCuotaMaxima->setText(p.cuotaMaxima.isEmpty() && CondicionesPres.revisiones.empty() ? p.cuota
                                                                                               : p.cuotaMaxima);
    NombrarTAE(finance::NombreTAE(CondicionesPres));
    NotaCabecera(PnlPresInfo, CondicionesPres.HayCondiciones() ? QStringLiteral("con las condiciones del préstamo")
                                                              : QString());
    PnlPresInfo->setToolTip(EleccionesHipoteca(CondicionesPres));
    PnlPresInfo->setAccessibleDescription(EleccionesHipoteca(CondicionesPres));
    ResultadosAlDia(PnlPresInfo, true);
    if (!prestamo_.Avisos.isEmpty())
        MostrarAvisoCalculo(QStringLiteral("Condiciones del préstamo"), prestamo_.Avisos.join(u'\n'));
}

void TFormCalculosFinancieros::CalcularInversion() {
    if (CalculoActual == finance::CodigoCalculo::InversionRetirada) {
        CalcularRetirada();
        return;
    }
    const QScopedValueRollback<bool> escribiendo(calculando_, true);
    using finance::CampoInversion;
    CerosEnBlanco({EditInvCuota, EditInvInteres, EditInvNum, EditInvCapital, EditInvCapInicial});
    finance::EntradaInversion entrada;
    entrada.cuota = EditInvCuota->text();
    entrada.interes = TextoTasaLeida(EditInvInteres, tasaInv_);
    entrada.numCuotas = EditInvNum->text();
    entrada.capital = EditInvCapital->text();
    entrada.capInicial = EditInvCapInicial->text();
    entrada.timing = Momento(CbInvAportacion);
    entrada.condiciones = CondicionesInv;
    const finance::ResultadoInversion r = finance::ResolverInversion(CalculoActual, entrada);
    tasaInv_ = TasaEscrita(r, CampoInversion::Interes, r.estado.Interes);

    inversion_ = r.estado;
    calculoFallido_ = inversion_.CalculoFallido;

    auto campo = [this](CampoInversion c) -> QLineEdit* {
        switch (c) {
        case CampoInversion::Cuota: return EditInvCuota;
        case CampoInversion::Interes: return EditInvInteres;
        case CampoInversion::NumCuotas: return EditInvNum;
        case CampoInversion::Capital: return EditInvCapital;
        case CampoInversion::CapInicial: return EditInvCapInicial;
        case CampoInversion::Ninguno: break;
        }
        return nullptr;
    };
    AplicarResultado(r, campo, [this](const AvisoCalculo& a) { MostrarAvisoCalculo(a.titulo, a.texto); });
    if (calculoFallido_) {
        ResultadosRechazados(PnlInvInfo);
        return;
    }

    const finance::PanelesInversion p = finance::TextosPanelesInversion(inversion_);
    PnlInvCuotaRes->setText(p.cuota);
    PnlInvIntRes->setText(p.interes);
    PnlInvCapitalRes->setText(p.capital);
    PnlInvCapInicialRes->setText(p.capInicial);
    PnlInvInvertido->setText(p.invertido);
    PnlInvRendimiento->setText(p.rendimiento);
    PnlInvPorcentaje->setText(p.porcentaje);
    PnlInvNumRes->setText(p.numCuotas);
    MostrarResultadosCondicionesInversion(p);
    NotaCabecera(PnlInvInfo, CondicionesInv.HayCondiciones() ? QStringLiteral("con las condiciones de la inversión")
                                                             : QString());
    ResultadosAlDia(PnlInvInfo, true);
}

void TFormCalculosFinancieros::CalcularRetirada() {
    const QScopedValueRollback<bool> escribiendo(calculando_, true);
    using finance::CampoRetirada;
    CerosEnBlanco({EditInvInteres, EditInvNum, EditInvCapInicial});
    finance::EntradaRetirada entrada;
    entrada.capital = EditInvCapInicial->text();
    entrada.interes = EditInvInteres->text();
    entrada.numCuotas = EditInvNum->text();
    entrada.timing = Momento(CbInvAportacion);
    const finance::ResultadoRetirada r = finance::ResolverRetirada(entrada);
    retirada_ = r.estado;
    calculoFallido_ = retirada_.CalculoFallido;
    if (r.aviso)
        MostrarAvisoCalculo(r.aviso->titulo, r.aviso->texto);
    auto campo = [this](CampoRetirada c) -> QLineEdit* {
        switch (c) {
        case CampoRetirada::Capital: return EditInvCapInicial;
        case CampoRetirada::Interes: return EditInvInteres;
        case CampoRetirada::NumCuotas: return EditInvNum;
        case CampoRetirada::Ninguno: break;
        }
        return nullptr;
    };
    if (QLineEdit* foco = campo(r.foco))
        foco->setFocus();
    if (calculoFallido_) {
        ResultadosRechazados(PnlInvInfo);
        return;
    }
    const finance::PanelesRetirada p = finance::TextosPanelesRetirada(retirada_);
    EditInvCuota->setText(TextoDosDecimales(retirada_.Retirada));
    EditInvCapital->setText(TextoDosDecimales(0));
    PnlInvCuotaRes->setText(p.retirada);
    PnlInvIntRes->setText(p.interes);
    PnlInvNumRes->setText(p.numCuotas);
    PnlInvCapInicialRes->setText(p.capital);
    PnlInvInvertido->setText(p.totalRetirado);
    PnlInvCapitalRes->setText(p.capitalFinal);
    PnlInvRendimiento->setText(p.intereses);
    PnlInvPorcentaje->setText(p.ultimaRetirada);
    ResultadosAlDia(PnlInvInfo, true);
}

void TFormCalculosFinancieros::CalcularDepreciacion() {
    const QScopedValueRollback<bool> escribiendo(calculando_, true);
    CerosEnBlanco({EditDepValorInicial, EditDepValorFinal, EditDepAniosUtil, EditDepAniosCalculo});
    finance::EntradaDepreciacion entrada;
    entrada.valorInicial = EditDepValorInicial->text();
    entrada.valorFinal = EditDepValorFinal->text();
    entrada.aniosUtil = EditDepAniosUtil->text();
    entrada.aniosCalculo = EditDepAniosCalculo->text();
    // A date the person typed or picked is when the asset is put to use: a
    // month after January makes the first and last calendar years part
    // years. The date the page fills in by itself (today) keeps whole years
    // from it, as the page always did.
    if (EditDepFecha->isModified())
        if (const auto inicio = LeerFechaDeCampo(EditDepFecha->text()))
            entrada.mesInicio = inicio->month();
    const finance::ResultadoDepreciacion r = finance::ResolverDepreciacion(CalculoActual, entrada);

    depreciacion_ = r.estado;
    calculoFallido_ = depreciacion_.CalculoFallido;

    if (r.aviso)
        MostrarAvisoCalculo(r.aviso->titulo, r.aviso->texto);
    if (r.conservarPaneles) {
        ResultadosRechazados(PnlDepInfo);
        return;
    }
    const finance::PanelesDepreciacion p = finance::TextosPanelesDepreciacion(depreciacion_);
    PnlDepDepreciacionVidaUtil->setText(p.depreciacionVidaUtil);
    PnlDepValorFinalUtil->setText(p.valorFinalUtil);
    PnlDepDepreciacionCalculada->setText(p.depreciacionCalculada);
    PnlDepValorFinalCalculado->setText(p.valorFinalCalculado);
    ResultadosAlDia(PnlDepInfo, true);
    // A life outside the tax table's limits is worked out all the same; the
    // warning tells the person the tax return would not accept it.
    if (const auto tabla = TablaFiscalElegida())
        if (const auto aviso = finance::AvisoVidaFiscal(*tabla, depreciacion_.AniosUtil))
            MostrarAvisoCalculo(QStringLiteral("Tabla fiscal"), *aviso);
}
