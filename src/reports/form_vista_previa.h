#pragma once
// The report preview: a full-screen window that shows the pages as the engine
// prepares them, and pages, zooms, scrolls, prints, sets up the printer,
// saves the prepared report to a ".zrp" file and loads one back.
#include "reports/engine/generador_informe.h"
#include "reports/form_base.h"

#include <QPoint>
#include <QPrinter>
#include <memory>

class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;
class TSuperficieVistaPrevia;

class TFormVistaPrevia : public tFormBase {
    Q_OBJECT
public:
    explicit TFormVistaPrevia(QWidget* parent = nullptr);
    ~TFormVistaPrevia() override;

    DefinicionInforme* Informe = nullptr;
    bool PermitirImprimir = true;
    bool PermitirGuardar = false;

    // True while a print runs, and while the pointer drags the page.
    bool Imprimiendo() const { return imprimiendo_; }
    bool Arrastrando() const { return arrastrando_; }
    // True while the page box waits for the number of a page to show.
    bool PaginaPedida() const { return paginaPedida_; }

    QWidget* PanelBotones;
    QLabel* Label1;
    QLineEdit* sePage;
    QToolButton *sbFirstPage, *sbPreviousPage, *sbNextPage, *sbLastPage;
    QToolButton *ZoomToFit, *ZoomTo100, *ZoomToWidth, *BtnZoomOut, *BtnZoomIn;
    QToolButton *BtnPrintSetup, *BtnPrint, *BtnSave, *BtnLoad;
    QLabel* PanelNumPag;
    QPushButton* BtnCerrar;
    TSuperficieVistaPrevia* VistaPrevia;
    QMenu* ppMenu;
    QAction *opVerHojaEntera, *opVerTamanoCompleto, *opAjustarAnchoPagina, *opImprimir, *opCerrar;

    // Generates Informe into the window's pages while the window is shown,
    // and returns once the window has been closed.
    void Previsualizar();
    // Hands the pages to the preview surface and shows the window.
    void AlPrevisualizar(InformePreparado* paginas);

    // The pages shown (generated or loaded); null before generation.
    const InformePreparado* Paginas() const { return paginas_.get(); }
    EstadoGeneracion Estado() const { return generador_.Estado(); }
    QPrinter& Impresora() { return *impresora_; }

    // (a × b / c) rounded, at most a; 0 when c is 0.
    static int PosicionProporcional(int a, int b, int c);

signals:
    void Cerrada();

public slots:
    void VistaPreviaPageAvailable(int pagina);
    void sePageChange();
    void sePageExit();
    void sePageEnter();
    void sePageClick();
    void Label1Click();
    void sbFirstPageClick();
    void sbPreviousPageClick();
    void sbNextPageClick();
    void sbLastPageClick();
    void ZoomToFitClick();
    void ZoomTo100Click();
    void ZoomToWidthClick();
    void BtnZoomOutClick();
    void BtnZoomInClick();
    void BtnPrintSetupClick();
    void BtnPrintClick();
    void BtnSaveClick();
    void BtnLoadClick();
    void BtnCerrarClick();
    void ppMenuPopup(const QPoint& donde);
    void opVerHojaEnteraClick();
    void opVerTamanoCompletoClick();
    void opAjustarAnchoPaginaClick();
    void reject() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void FormCreate();
    void CrearBotones();
    void CrearMenu();
    QToolButton* BotonImagen(const QString& icono, const QString& hint);
    void FormShow();
    void FormResize();
    void FormDeactivate();
    bool FormCloseQuery() const;
    void FormClose();
    bool FormShortCut(QEvent* evento);
    void Init();
    QString TextoTitulo() const;
    void ActualizarNumPagina();
    void ImprimirInforme();
    void EnfocarSiHabilitado(QWidget* control);
    void SoltarBotonesZoom();
    void PulsarZoom(QToolButton* boton);
    void MostrarPaginaDeLaCaja(int pagina);
    void CambiarZoom(int nuevo);
    void Desplazar(Qt::Orientation orientacion, int lineas);
    bool BtnCerrarKeyUp(int tecla);
    void VistaPreviaMouseDown(const QPoint& punto);
    void VistaPreviaMouseMove(const QPoint& punto);
    void VistaPreviaMouseUp();
    void FijarBotonesTerminado(bool habilitar);
    void AjustarCajaPagina();
    bool ConfigurarSalida();

    std::unique_ptr<InformePreparado> paginas_;
    TGeneradorInforme generador_;
    std::unique_ptr<QPrinter> impresora_;
    int teclaPulsada_ = 0;  // the key pressed on BtnCerrar, until released
    bool pendienteIniciar_ = false;  // the report is still to be generated
    bool imprimiendo_ = false;
    bool paginaPedida_ = false;
    bool arrastrando_ = false;
    QPoint arrastre_;  // where the pointer was at the previous step of a drag
    bool cerrada_ = false;
    bool cursorCambiado_ = false;
};

// Shows the report in a new preview window, modal and stacked above `padre`
// (the window that asked for it), and returns when it has been closed, after
// any printing or saving done from it.
void MostrarPreliminar(DefinicionInforme& informe, bool permitirImprimir, bool permitirGuardar,
                       QWidget* padre = nullptr);
