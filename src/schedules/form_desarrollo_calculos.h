#pragma once
// The window that shows one development table: a title strip, a tool bar to
// move through the periods, print and close, an information panel with the
// figures the table was built from, and the grid of the periods. The schedule
// builders fill it; the window adds the record moves and closing.
#include <QDialog>

class QAction;
class QFrame;
class QLabel;
class QToolBar;
class QToolButton;
class TAttributeGrid;
class TPanelResultado;

// Which table a schedule window shows; the values are those the window has
// always stored.
enum class ClaseDesarrollo : unsigned char { Prestamo = 0, Inversion = 1, Depreciacion = 2 };

class TFormDesarrolloCalculos : public QDialog {
    Q_OBJECT
public:
    explicit TFormDesarrolloCalculos(QWidget* parent = nullptr);
    ~TFormDesarrolloCalculos() override;

    ClaseDesarrollo TipoDesarrollo = ClaseDesarrollo::Prestamo;

    QLabel* PnlInfoDesarrollo = nullptr;
    QToolBar* ToolBarDesarrollo = nullptr;
    QToolButton *BtnRegistroPrimero = nullptr, *BtnRegistroAnterior = nullptr, *BtnRegistroSiguiente = nullptr,
                *BtnRegistroUltimo = nullptr, *BtnImprimir = nullptr, *BtnSalir = nullptr;
    QFrame* PnlInfoPrestamo = nullptr;
    QLabel *LblDato1 = nullptr, *LblDato2 = nullptr, *LblDato3 = nullptr, *LblDato4 = nullptr, *LblDato5 = nullptr;
    TPanelResultado *PnlDato1 = nullptr, *PnlDato2 = nullptr, *PnlDato3 = nullptr, *PnlDato4 = nullptr,
                    *PnlDato5 = nullptr;
    TAttributeGrid* GridDesarrollo = nullptr;

    QAction *AccRegPrimero = nullptr, *AccRegAnterior = nullptr, *AccRegSiguiente = nullptr,
            *AccRegUltimo = nullptr, *AccImprimir = nullptr, *AccSalir = nullptr;

    // Texts the print action copies into the report: the title strip and the
    // value panels 1 to 5 (empty outside 1 to 5).
    QString TextoTitulo() const;
    QString TextoDato(int n) const;

    // Fits the captions of the information panel to their texts and gives the
    // value panels the names a screen reader announces. The builders call it
    // once the table is written; showing calls it again.
    void ActualizarEstado();

public slots:
    void AccRegPrimeroExecute();
    void AccRegAnteriorExecute();
    void AccRegSiguienteExecute();
    void AccRegUltimoExecute();
    void AccImprimirExecute();
    void AccSalirExecute();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormCreate();
    void FormShow();
    void CrearAcciones();
    void CrearTitulo();
    void CrearBarra();
    void CrearPanelInformacion();
    void CrearRejilla();
    void IrAFila(int fila);
};

// The schedule window while one exists (there is never more than one).
extern TFormDesarrolloCalculos* FormDesarrolloCalculos;
