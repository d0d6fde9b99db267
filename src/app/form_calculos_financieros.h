#pragma once
// The main window: the loans, investments and depreciation pages, the tool
// bar of actions and the promotional strip. It decides which box is the
// unknown of the chosen calculation, hands the page's fields to the pure
// calculations of finance/, writes their results back, and keeps the
// calculation state that the schedule builders read.
#include "finance/calculo_depreciacion.h"
#include "finance/calculo_inversion.h"
#include "finance/calculo_prestamo.h"
#include "finance/codigo_calculo.h"
#include "finance/tablas_fiscales.h"
#include "finance/condiciones_prestamo.h"
#include "finance/documento_calculo.h"
#include "finance/retirada_capital.h"

#include <QMainWindow>
#include <initializer_list>

class QAction;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class TFormComparar;
class TArchivoCalculos;
class TPanelResultado;
struct TablaDePagina;

// A solved rate too small for two decimals is written back with two
// significant digits; while its box still holds that text, the next
// calculation reads the rate as it was solved.
struct TasaResuelta {
    QString texto;
    double valor = 0;
};

class TFormCalculosFinancieros : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormCalculosFinancieros(QWidget* parent = nullptr);
    ~TFormCalculosFinancieros() override;

    // Calculations of the three pages; also run before a schedule is built.
    void CalcularPrestamo();
    void CalcularInversion();
    void CalcularDepreciacion();
    // The investments page's withdrawal: the level monthly amount its
    // initial capital sustains for its number of months.
    void CalcularRetirada();

    // Calculation state: what each page's last calculation left, read by
    // the schedule builders; and whether the last calculation was refused.
    const finance::EstadoPrestamo& Prestamo() const { return prestamo_; }
    const finance::EstadoInversion& Inversion() const { return inversion_; }
    const finance::EstadoDepreciacion& Depreciacion() const { return depreciacion_; }
    const finance::EstadoRetirada& Retirada() const { return retirada_; }
    // The kind of asset chosen in the tax-table list, if any.
    std::optional<finance::TablaFiscal> TablaFiscalElegida() const;
    // Chooses the kind by its command-line name (empty or unknown: none)
    // without filling in the life, which the caller puts back itself.
    void PonerTablaFiscal(const QString& clave);
    bool CalculoFallido() const { return calculoFallido_; }

    // The window's work as a calculation document, and a document shown in
    // it (every page cleared first, its results gone).
    finance::DocumentoCalculo Documento() const;
    void MostrarDocumento(const finance::DocumentoCalculo& documento);
    // Saving and opening documents: the Archivo menu, the title, recent files.
    TArchivoCalculos* ArchivoCalculos = nullptr;

    // Frame of the window.
    QLabel* PnlInfoCalculos = nullptr;
    QToolBar* ToolBarCalculos = nullptr;
    QToolButton *BtnCalcular = nullptr, *BtnInicializar = nullptr, *BtnDesarrollar = nullptr,
                *BtnAyuda = nullptr, *BtnAcercade = nullptr, *BtnSalir = nullptr;
    QTabWidget* pcCalculos = nullptr;
    QWidget *tsPres = nullptr, *tsInv = nullptr, *tsDep = nullptr;
    QFrame *PnlZelvarMoney = nullptr, *PnlZelvarMoney2 = nullptr;
    QLabel *ImgZelvarMoney = nullptr, *LblInfo1 = nullptr, *LblInfo2 = nullptr, *ImgMundo = nullptr,
           *LblDescargaZelvarMoney = nullptr;

    // Actions.
    QAction *AccCalcular = nullptr, *AccInicializar = nullptr, *AccDesarrollar = nullptr,
            *AccSalir = nullptr, *AccAyuda = nullptr, *AccAcercade = nullptr, *AccComparar = nullptr;

    // Loans page.
    QFrame* PnlPresCalculos = nullptr;
    QComboBox* CbPresCalculos = nullptr;
    QFrame* PnlPresDatos = nullptr;
    QLineEdit *EditPresCuota = nullptr, *EditPresInteres = nullptr, *EditPresNum = nullptr,
              *EditPresCapital = nullptr, *EditPresFecha = nullptr;
    QComboBox* cbPresAportacion = nullptr;
    QToolButton* BtnPresCalcular = nullptr;
    QLabel* PnlPresInfo = nullptr;
    QFrame* PnlPresResul = nullptr;
    TPanelResultado *PnlPresCuotaRes = nullptr, *PnlPresIntRes = nullptr, *PnlPresNumRes = nullptr,
                    *PnlPresCapitalRes = nullptr, *PnlPresPagado = nullptr, *PnlPresIntereses = nullptr,
                    *PnlPresPorcentaje = nullptr, *PnlPresTAE = nullptr, *PnlPresCosteTotal = nullptr,
                    *PnlPresTAERevisiones = nullptr, *PnlPresCuotaMaxima = nullptr;
    // Opens the loan conditions window; the conditions accepted there feed
    // every later loan calculation until the page is cleared.
    QPushButton* BtnPresCondiciones = nullptr;
    finance::CondicionesPrestamo CondicionesPres;
    // Opens the window that compares loan offers side by side (also Ctrl+M).
    QPushButton* BtnPresComparar = nullptr;
    TFormComparar* FormComparar = nullptr;
    // The loan the page holds now, as its boxes read.
    finance::EntradaPrestamo PrestamoDeLaPagina() const;
    finance::CondicionesInversion CondicionesInv;

    // Investments page.
    QFrame* PnlInvCalculos = nullptr;
    QComboBox* CbInvCalculos = nullptr;
    QFrame* PnlInvDatos = nullptr;
    QLineEdit *EditInvCuota = nullptr, *EditInvInteres = nullptr, *EditInvNum = nullptr,
              *EditInvCapital = nullptr, *EditInvCapInicial = nullptr, *EditInvFecha = nullptr;
    QComboBox* CbInvAportacion = nullptr;
    QToolButton* BtnInvCalcular = nullptr;
    QLabel* PnlInvInfo = nullptr;
    QFrame* PnlInvResul = nullptr;
    TPanelResultado *PnlInvCuotaRes = nullptr, *PnlInvIntRes = nullptr, *PnlInvNumRes = nullptr,
                    *PnlInvCapInicialRes = nullptr, *PnlInvInvertido = nullptr, *PnlInvCapitalRes = nullptr,
                    *PnlInvRendimiento = nullptr, *PnlInvPorcentaje = nullptr;
    // Shown only when the plan's conditions ask for them.
    TPanelResultado *PnlInvCapitalReal = nullptr, *PnlInvGananciaReal = nullptr, *PnlInvImpuesto = nullptr,
                    *PnlInvCapitalNeto = nullptr;
    QPushButton* BtnInvCondiciones = nullptr;

    // Depreciation page.
    QFrame* PnlDepCalculos = nullptr;
    QComboBox* CbDepCalculos = nullptr;
    QFrame* PnlDepDatos = nullptr;
    QLineEdit *EditDepValorInicial = nullptr, *EditDepValorFinal = nullptr, *EditDepAniosUtil = nullptr,
              *EditDepAniosCalculo = nullptr, *EditDepFecha = nullptr;
    QComboBox* CbDepTablaFiscal = nullptr;  // optional kind of asset of the tax table
    QToolButton* BtnDepCalcular = nullptr;
    QLabel* PnlDepInfo = nullptr;
    QFrame* PnlDepResul = nullptr;
    TPanelResultado *PnlDepDepreciacionVidaUtil = nullptr, *PnlDepValorFinalUtil = nullptr,
                    *PnlDepDepreciacionCalculada = nullptr, *PnlDepValorFinalCalculado = nullptr;

    // The buttons that open the calculator beside each numeric box; they are
    // enabled and disabled with the unknown once they exist.
    QWidget *BtnPresCuota = nullptr, *BtnPresInteres = nullptr, *BtnPresNum = nullptr,
            *BtnPresCapital = nullptr;
    QWidget *BtnInvCuota = nullptr, *BtnInvInteres = nullptr, *BtnInvNum = nullptr,
            *BtnInvCapital = nullptr, *BtnInvCapInicial = nullptr;

public slots:
    void pcCalculosChange();
    void CbPresCalculosClick();
    void BtnPresCondicionesClick();
    void BtnInvCondicionesClick();
    void CbInvCalculosClick();
    void CbDepCalculosClick();
    // A kind of asset chosen from the tax table fills the life with the
    // shortest one its maximum coefficient allows.
    void CbDepTablaFiscalClick();
    void AccCalcularExecute();
    void AccInicializarExecute();
    void AccDesarrollarExecute();
    void AccSalirExecute();
    void AccAyudaExecute();
    void AccAcercadeExecute();
    void AccCompararExecute();
    void LblDescargaZelvarMoneyClick();

signals:
    // The window has painted itself for the first time (start-up timing).
    void PrimeraPintura();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();

    void CrearAcciones();
    void CrearMarco();
    QWidget* CrearPromocion();
    QWidget* CrearPaginaPrestamos();
    QWidget* CrearPaginaInversiones();
    QWidget* CrearPaginaDepreciaciones();
    QToolButton* CrearBotonCalcular(QGridLayout* datos, const QString& nombre);
    void CrearBotonCondiciones(QGridLayout* datos);
    void CrearBotonCondicionesInversion(QGridLayout* datos);
    // Writes the results only some conditions give; a panel with no text
    // is hidden with its caption.
    void MostrarResultadosCondicionesInversion(const finance::PanelesInversion& p);
    // The withdrawal shows its figures in the investment's panels under
    // captions of its own; a change between the two kinds of calculation
    // empties the panels, whose figures would be under the wrong captions.
    void RotularResultadosInversion(bool retirada);
    QWidget* CrearPagina(const QString& nombre, const QString& caption, QFrame*& cabecera, QComboBox*& lista,
                         QFrame*& datos, QLabel*& info, QFrame*& resultados);

    void PrepararPaginaPrestamos();
    void PrepararPaginaInversiones();
    void PrepararPaginaDepreciaciones();

    void PrepararIncognita();
    void PrepararIncognita(QWidget* datos, const TablaDePagina& tabla, finance::CodigoCalculo primero);
    void DesbloquearEdits(QWidget* panel);
    void BloquearIncognita(QLineEdit* campo);
    void ColorearResultados(QWidget* panel);

    void InicializarPrestamo();
    void InicializarInversion();
    void InicializarDepreciacion();

    void MostrarAvisoCalculo(const QString& titulo, const QString& texto);
    void NombrarTAE(const QString& nombre);

    // The results heading of each page says whether its panels still belong
    // to the boxes as they are: see form_calculos_financieros_resultados.cpp.
    void VigilarDatos(QLabel* cabecera, const TablaDePagina& tabla);
    void DatosCambiados(QLabel* cabecera);
    void ResultadosAlDia(QLabel* cabecera, bool hayResultados);
    // A refused calculation leaves the panels as the last good one wrote
    // them; the heading then says they are not those of the boxes.
    void ResultadosRechazados(QLabel* cabecera);
    // A note added to the heading's text, such as the conditions the results
    // were worked out with; empty for none.
    void NotaCabecera(QLabel* cabecera, const QString& nota);

    bool pintado_ = false;
    // True while a calculation writes into the boxes it reads.
    bool calculando_ = false;
    TasaResuelta tasaPres_, tasaInv_;
    finance::EstadoPrestamo prestamo_;
    finance::EstadoInversion inversion_;
    finance::EstadoDepreciacion depreciacion_;
    finance::EstadoRetirada retirada_;
    bool rotulosRetirada_ = false;
    bool calculoFallido_ = false;
};

// The payment timing a page's contributions list shows: its second item is
// the start of each period.
finance::PaymentTiming Momento(const QComboBox* lista);

// The program's main window, while it exists.
extern TFormCalculosFinancieros* FormCalculosFinancieros;

// The selected calculation; it always describes the visible page.
extern finance::CodigoCalculo CalculoActual;
