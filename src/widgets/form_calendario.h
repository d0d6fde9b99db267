#pragma once
// The date picker window: one month in the calendar grid, with buttons that
// step a month or a year (repeating while held), lists to jump to a month or
// a year, a button for today's date, and "&Aceptar" / "&Cancelar".
#include <QDate>
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class tCalendario2000;
class tRepButton;

class TFmCalendario : public QDialog {
    Q_OBJECT

public:
    explicit TFmCalendario(QWidget* owner = nullptr);

    // The date shown and chosen.
    void PonerFecha(const QDate& fecha);
    QDate LeerFecha() const;

    // The scaling switch: recorded; the window keeps its designed size.
    bool Scaled = false;

    QToolButton* BtnMes = nullptr;
    QListWidget* lbMeses = nullptr;
    QListWidget* lbAnios = nullptr;
    QToolButton* BtnAnio = nullptr;
    tRepButton* BtnMesAnt = nullptr;
    tRepButton* BtnMesSig = nullptr;
    QLabel* LblFecha = nullptr;
    tRepButton* BtnAnoAnt = nullptr;
    tRepButton* BtnAnoSig = nullptr;
    tCalendario2000* Cal2000 = nullptr;
    QToolButton* BtnFechaHoy = nullptr;
    QPushButton* BtnAceptar = nullptr;
    QPushButton* BtnCancelar = nullptr;

    // Whether a click of a list applies its row (false after a key press in
    // the list, so that keyboard moves only highlight).
    bool AplicarClickLista = true;

    void CalendarioChange();
    void Cal2000DblClick();
    void BtnMesAntClick();
    void BtnMesSigClick();
    void BtnAnoAntClick();
    void BtnAnoSigClick();
    void BtnFechaHoyClick();
    void BtnMesClick();
    void BtnAnioClick();
    void lbMesesClick();
    void lbAniosClick();
    void lbMesesExit();
    void lbAniosExit();
    void lbMesesKeyDown();
    void BtnAceptarClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormKeyUp(QKeyEvent* event);
    void CrearControles();
    void CrearListas();
    void CrearNavegacion();
    void CerrarListaMeses();
    void CerrarListaAnios();
    void CerrarListas();
    void AbrirLista(QListWidget* lista, int fila);
    void OcultarLista(QListWidget* lista);
    void SalirDeLista(QListWidget* lista);
    // Steps the calendar with the given operation until `llegado` holds; a
    // step that changes nothing ends the walk.
    template <typename Paso, typename Llegado>
    void Caminar(Paso paso, Llegado llegado);

    bool cerrandoLista_ = false;
    // The mouse press on "&Aceptar" that took the focus from an open list
    // only applies the list; the press itself is dropped.
    bool ignorarPulsacionAceptar_ = false;
};
