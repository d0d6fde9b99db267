#pragma once
// The dialog behind every message and question of the program: it sizes
// itself to its text, shows the kind's icon and one of three button sets.
#include <QDialog>
#include <QList>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;

class TFormAvisos : public QDialog {
    Q_OBJECT
public:
    explicit TFormAvisos(QWidget* padre = nullptr);

    // Title, fonts, message, sizes, icon, buttons and default button, in
    // that order, for the given message; the window ends centred on screen.
    void Preparar(const QString& titulo, const QString& mensaje, bool cancelarPorDefecto, int botones, int tipo);

    // Whether a dialog of this kind beeps when it shows; unknown kinds are
    // treated as errors.
    static bool DebePitar(int tipo);

    void setVisible(bool visible) override;

    QFrame* PanelDatos;
    QLabel* LblMensaje;
    QLabel* ImgIcono;
    QFrame* PnlBotones;
    QPushButton* BtnAceptar;
    QPushButton* BtnCancelar;
    // The four kind pictures, in kind order.
    QList<QPixmap> ilIconos;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void FormShow();
    void CrearPaneles();
    void CrearBotones();
    void AjustarPaneles();
    void PonerMensaje(const QString& mensaje, int tipo);
    void DimensionarVentana();
    void ColocarMensajeEIcono(int tipo);
    void ColocarBotones(int botones);
    void ElegirBotonPorDefecto(bool cancelarPorDefecto);
    void CentrarEnPantalla();
    QSize MedirMensaje(const QString& texto) const;

    QFrame* bisel_;
    QPushButton* botonEscape_;
    int altoUnaLinea_ = 0;
};
