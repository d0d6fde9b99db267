// The main window as a calculation document: every page's boxes, unknowns and
// timings and the loan's conditions, read into a document and put back.
#include "app/form_calculos_financieros.h"
#include "app/form_calculos_financieros_tabla.h"
#include "finance/campos_documento.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

using finance::PaginaCalculo;
using finance::PaginaDocumento;

// A box's name in the file: its object name without "Edit" and the page's
// prefix, starting in lower case (EditInvCapInicial: capInicial).
QString NombreEnDocumento(const CampoDePagina& campo, const QString& prefijo) {
    QString nombre = QString::fromUtf8(campo.nombre).mid(4 + prefijo.size());
    nombre[0] = nombre[0].toLower();
    return nombre;
}

bool EsFecha(const CampoDePagina& campo) { return campo.contenido == ContenidoCampo::Fecha; }

// `momento`: the page's list of payment timings; the depreciation page has
// none (its list is the tax table's kinds).
PaginaCalculo LeerPagina(const TFormCalculosFinancieros& ventana, const TablaDePagina& tabla,
                         const QString& prefijo, const QComboBox* calculos, const QComboBox* momento) {
    PaginaCalculo pagina;
    pagina.calculo = calculos->currentIndex();
    if (momento)
        pagina.alPrincipio = momento->currentIndex() == 1;
    for (const CampoDePagina& campo : tabla.campos)
        finance::GuardarTextoCampo(pagina.textos, NombreEnDocumento(campo, prefijo),
                                   (ventana.*campo.miembro)->text(), EsFecha(campo));
    return pagina;
}

void PonerPagina(TFormCalculosFinancieros& ventana, const TablaDePagina& tabla, const QString& prefijo,
                 QComboBox* calculos, QComboBox* momento, const PaginaCalculo& pagina) {
    calculos->setCurrentIndex(pagina.calculo);
    if (momento)
        momento->setCurrentIndex(pagina.alPrincipio ? 1 : 0);
    // A box the document does not name keeps what clearing the page left.
    for (const CampoDePagina& campo : tabla.campos) {
        const QString nombre = NombreEnDocumento(campo, prefijo);
        if (pagina.textos.campos.count(nombre) || pagina.textos.literales.count(nombre))
            (ventana.*campo.miembro)->setText(finance::TextoCampo(pagina.textos, nombre, EsFecha(campo)));
    }
}

}  // namespace

finance::DocumentoCalculo TFormCalculosFinancieros::Documento() const {
    finance::DocumentoCalculo documento;
    const QWidget* visible = pcCalculos->currentWidget();
    documento.pagina = visible == tsInv   ? PaginaDocumento::Inversion
                       : visible == tsDep ? PaginaDocumento::Depreciacion
                                          : PaginaDocumento::Prestamo;
    documento.prestamo = LeerPagina(*this, TablaPrestamos(), QStringLiteral("Pres"), CbPresCalculos, cbPresAportacion);
    documento.inversion = LeerPagina(*this, TablaInversiones(), QStringLiteral("Inv"), CbInvCalculos, CbInvAportacion);
    documento.depreciacion =
        LeerPagina(*this, TablaDepreciaciones(), QStringLiteral("Dep"), CbDepCalculos, nullptr);
    documento.condiciones = CondicionesPres;
    documento.condicionesInversion = CondicionesInv;
    if (const auto tabla = TablaFiscalElegida())
        documento.tablaFiscal = tabla->clave;
    documento.fechaEscrita = EditDepFecha->isModified();
    return documento;
}

// Every page starts clean, as Inicializar leaves it, so that no result of the
// work before stays on show beside the document's boxes.
void TFormCalculosFinancieros::MostrarDocumento(const finance::DocumentoCalculo& documento) {
    InicializarPrestamo();
    InicializarInversion();
    InicializarDepreciacion();
    ResultadosAlDia(PnlPresInfo, false);
    ResultadosAlDia(PnlInvInfo, false);
    ResultadosAlDia(PnlDepInfo, false);
    PonerPagina(*this, TablaPrestamos(), QStringLiteral("Pres"), CbPresCalculos, cbPresAportacion, documento.prestamo);
    PonerPagina(*this, TablaInversiones(), QStringLiteral("Inv"), CbInvCalculos, CbInvAportacion,
                documento.inversion);
    PonerTablaFiscal(documento.tablaFiscal);
    PonerPagina(*this, TablaDepreciaciones(), QStringLiteral("Dep"), CbDepCalculos, nullptr, documento.depreciacion);
    // Putting a text back clears the box's mark; only a date the person
    // typed makes the first year a part year.
    EditDepFecha->setModified(documento.fechaEscrita);
    CondicionesPres = documento.condiciones;
    CondicionesInv = documento.condicionesInversion;
    QWidget* pagina = documento.pagina == PaginaDocumento::Inversion      ? tsInv
                      : documento.pagina == PaginaDocumento::Depreciacion ? tsDep
                                                                          : tsPres;
    pcCalculos->setCurrentWidget(pagina);
    pcCalculosChange();
}
