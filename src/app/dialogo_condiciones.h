#pragma once
// The "Condiciones del préstamo" window: payment frequency, opening fee,
// initial costs, and the lists of early repayments and rate revisions, each
// with its add and remove buttons. It edits a CondicionesPrestamo and hands
// it back only when accepted with conditions that pass their checks.
#include "finance/condiciones_prestamo.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

class TDialogoCondiciones : public QDialog {
    Q_OBJECT

public:
    explicit TDialogoCondiciones(QWidget* padre = nullptr);

    void PonerCondiciones(const finance::CondicionesPrestamo& condiciones);
    // What the controls hold; a text that is not a number throws EConvertError.
    finance::CondicionesPrestamo LeerCondiciones() const;

    QComboBox* CbPeriodicidad = nullptr;
    QLineEdit* EditComisionApertura = nullptr;
    QLineEdit* EditGastos = nullptr;
    QLineEdit* EditAmortCuota = nullptr;
    QLineEdit* EditAmortImporte = nullptr;
    QComboBox* CbAmortReduce = nullptr;
    QLineEdit* EditAmortComision = nullptr;
    QPushButton* BtnAmortAnadir = nullptr;
    QPushButton* BtnAmortQuitar = nullptr;
    QListWidget* lbAmortizaciones = nullptr;
    QLineEdit* EditRevCuota = nullptr;
    QLineEdit* EditRevInteres = nullptr;
    QPushButton* BtnRevAnadir = nullptr;
    QPushButton* BtnRevQuitar = nullptr;
    QListWidget* lbRevisiones = nullptr;
    QPushButton* BtnAceptar = nullptr;
    QPushButton* BtnCancelar = nullptr;

    void BtnAmortAnadirClick();
    void BtnAmortQuitarClick();
    void BtnRevAnadirClick();
    void BtnRevQuitarClick();
    void BtnAceptarClick();

private:
    void CrearDatosGenerales(QGridLayout* rejilla);
    QWidget* CrearAmortizaciones();
    QWidget* CrearRevisiones();
    QPushButton* CrearBoton(const QString& nombre, const QString& caption, const QString& accesible,
                            void (TDialogoCondiciones::*manejador)());
    void MostrarListas();
    // Shows the message of conditions that fail their checks; true when none.
    bool Admitidas(const finance::CondicionesPrestamo& condiciones);

    std::vector<finance::AmortizacionAnticipada> amortizaciones_;
    std::vector<finance::RevisionInteres> revisiones_;
};

// Opens the window on the given conditions; the conditions accepted, or
// nothing when cancelled.
std::optional<finance::CondicionesPrestamo> PedirCondiciones(QWidget* padre,
                                                            const finance::CondicionesPrestamo& actuales);
