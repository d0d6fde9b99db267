#pragma once
// The about window: the program's name, version and date, its maker and the
// maker's web and mail links. Shown modally by the "Acercade" action and, for
// two seconds at start-up, as the splash (see presentacion.h).
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TFormAcercade : public QDialog {
    Q_OBJECT
public:
    explicit TFormAcercade(QWidget* padre = nullptr);

    QFrame* PnlAcercade = nullptr;
    QLabel* ImgZelvarMoney = nullptr;
    QLabel* LblNombreProg = nullptr;
    QLabel* LblVersion = nullptr;
    QLabel* LblFechaVersion = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* LblNombreAutor = nullptr;
    QLabel* LblDerechosAutor = nullptr;
    // The free software licence the program is given under.
    QLabel* LblLicencia = nullptr;
    QLabel* ImgZelvarSoft = nullptr;
    QLabel* LblWebAutor = nullptr;
    QLabel* LblEmailAutor = nullptr;
    QFrame* PnlBotones = nullptr;
    QPushButton* BtnAceptar = nullptr;

public slots:
    void BtnAceptarClick();
    void LblWebAutorClick();
    void LblEmailAutorClick();

protected:
    // Every key of the window's controls passes here first (key preview).
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void FormCreate();
    // True when the key was used: Escape closes the active window.
    bool FormKeyPress(int tecla);
    void CrearControles();
    void CrearCabecera();
    void CrearAutor();
    void CrearBotones();
    void Centrar();
};

// Creates an about window of its own, shows it modally and releases it.
void MostrarAcercaDe();
