#pragma once
// The pop-up pocket calculator: display panels, a keypad of memory, digit,
// operator, clearing and constant keys, and "&Enviar"/"&Cancelar". Every key
// and typed character goes to the calculator engine; afterwards the window
// copies the engine's panel texts and hints back onto its panels. A key the
// engine refuses is shown in an error dialog with the engine's message and
// the calculator stays open with its display as it was.
#include "widgets/calculadora_motor.h"

#include <QDialog>
#include <QHash>
#include <QRect>
#include <functional>

class QFrame;
class QPushButton;
class QToolButton;
class TPanelResultado;

class TFmCalculadora : public QDialog {
    Q_OBJECT
public:
    explicit TFmCalculadora(QWidget* owner = nullptr);

    // For the opener: whether the result may be sent to an edit box, the
    // starting number (0 gives an empty display) and the result.
    void FijarPuedeEnviar(bool puede);
    bool PuedeEnviar() const { return motor_.PuedeEnviar(); }
    // Refused (an infinity, a number beyond the display) leaves the display as it was.
    TResultadoCalculo MostrarValor(double valor);
    double ValorDisplay() const { return motor_.ValorDisplay(); }

    // Scales the layout with the screen's text size (logical DPI over 96)
    // when set; the designed pixel sizes otherwise.
    void FijarEscalado(bool escalado);
    bool Escalado() const { return escalado_; }

    QFrame *PnlDatos = nullptr, *PnlBotones = nullptr;
    TPanelResultado *PnlDisplay = nullptr, *PnlOperando1 = nullptr, *PnlOperando2 = nullptr,
                    *PnlOperacion = nullptr, *PnlOperacionNueva = nullptr, *PnlMemoria = nullptr,
                    *PnlConstante = nullptr;
    QToolButton *BtnNum0 = nullptr, *BtnNum1 = nullptr, *BtnNum2 = nullptr, *BtnNum3 = nullptr,
                *BtnNum4 = nullptr, *BtnNum5 = nullptr, *BtnNum6 = nullptr, *BtnNum7 = nullptr,
                *BtnNum8 = nullptr, *BtnNum9 = nullptr, *BtnPunto = nullptr, *BtnSigno = nullptr;
    QToolButton *BtnSumar = nullptr, *BtnRestar = nullptr, *BtnMultiplicar = nullptr, *BtnDividir = nullptr,
                *BtnPorcentaje = nullptr, *BtnIgual = nullptr, *BtnInverso = nullptr, *BtnRaizCuadrada = nullptr;
    QToolButton *BtnBorrar = nullptr, *BtnBorrarTodo = nullptr, *BtnRetroceso = nullptr;
    QToolButton *BtnMS = nullptr, *BtnMR = nullptr, *BtnMC = nullptr, *BtnMSumar = nullptr, *BtnMRestar = nullptr,
                *BtnMMultiplicar = nullptr, *BtnMDividir = nullptr;
    QToolButton *BtnKS = nullptr, *BtnKR = nullptr, *BtnKC = nullptr, *BtnKSumar = nullptr, *BtnKRestar = nullptr,
                *BtnKMultiplicar = nullptr, *BtnKDividir = nullptr;
    QToolButton *BtnConvMonedaPropia = nullptr, *BtnConvMonedaDivisa = nullptr;
    QPushButton *BtnEnviar = nullptr, *BtnCancelar = nullptr;

protected:
    // FormKeyPress: the window takes every key character before its controls.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void FormCreate();
    void CrearDisplay();
    void CrearTeclado();
    void CrearBotonesConversion();
    void CrearBotonesCierre();
    TPanelResultado* CrearPanel(const QString& nombre, const QString& accesible, const QRect& rect);
    QToolButton* CrearTecla(const QString& nombre, const QString& caption, const QString& pista,
                            const QColor& color, const QRect& rect, std::function<TResultadoCalculo()> operacion);
    void Situar(QWidget* control, const QRect& rect);
    void Disponer(double escala);

    // Runs one operation of the engine, shows its refusal or what it throws,
    // and redraws.
    void Ejecutar(const std::function<TResultadoCalculo()>& operacion);
    // Ctrl+C puts the display on the clipboard; Ctrl+V takes a number from
    // it, refusing, with a message, a text that is not one.
    void CopiarDisplay();
    void PegarNumero();
    void Refrescar();

    TMotorCalculadora motor_;
    QHash<QWidget*, QRect> diseno_;  // designed geometry of every control, at scale 1
    bool escalado_ = false;
};
