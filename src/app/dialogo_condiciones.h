#pragma once
// The "Condiciones del préstamo" window, in four tabs: "General" (payment
// frequency, opening fee, initial costs, and the lists of early repayments
// and rate revisions, each with its add and remove buttons), "Sistema y
// carencia" (repayment system, yearly growth, grace period), "Tipo de
// interés" (fixed, variable or mixed; spread, index, revision interval,
// fixed stretch and the index scenario) and "Gastos periódicos" (insurance
// and maintenance). It edits a CondicionesPrestamo and hands it back only
// when accepted with conditions that pass their checks.
#include "finance/condiciones_prestamo.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

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
    QCheckBox* ChkAmortLegal = nullptr;
    QComboBox* CbSistema = nullptr;
    QLineEdit* EditCrecimiento = nullptr;
    QComboBox* CbCarencia = nullptr;
    QLineEdit* EditCuotasCarencia = nullptr;
    QComboBox* CbTipoInteres = nullptr;
    QLineEdit* EditDiferencial = nullptr;
    QLineEdit* EditIndice = nullptr;
    QComboBox* CbRevisionMeses = nullptr;
    QLineEdit* EditTramoFijo = nullptr;
    QLineEdit* EditIndiceCuota = nullptr;
    QLineEdit* EditIndiceValor = nullptr;
    QPushButton* BtnIndiceAnadir = nullptr;
    QPushButton* BtnIndiceQuitar = nullptr;
    QListWidget* lbIndices = nullptr;
    QLineEdit* EditSeguro = nullptr;
    QLineEdit* EditMantenimiento = nullptr;
    QTabWidget* Pestanas = nullptr;
    QPushButton* BtnAceptar = nullptr;
    QPushButton* BtnCancelar = nullptr;

    void BtnAmortAnadirClick();
    void BtnAmortQuitarClick();
    void BtnRevAnadirClick();
    void BtnRevQuitarClick();
    void BtnIndiceAnadirClick();
    void BtnIndiceQuitarClick();
    void BtnAceptarClick();

protected:
    // Enter in the boxes of an early repayment or a revision adds that row
    // instead of accepting the window with the row left out; with the row's
    // boxes empty it accepts the window.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // The boxes of an early repayment or of a revision, and what adds it.
    struct FilaDeCambio {
        std::vector<QLineEdit*> campos;
        bool (TDialogoCondiciones::*anadir)() = nullptr;
    };
    // True when any box of the row holds text.
    static bool Pendiente(const FilaDeCambio& fila);
    // Add the typed row after checking it with those listed; false, with the
    // reason shown, when refused.
    bool AnadirAmortizacion();
    bool AnadirRevision();
    bool AnadirIndice();
    // Adds a checked row through `insertar`, shows the lists and empties
    // the row's boxes; false, with the reason shown, when `con` is refused.
    bool Incorporar(const finance::CondicionesPrestamo& con, const FilaDeCambio& fila,
                    const std::function<void()>& insertar);
    void CrearDatosGenerales(QGridLayout* rejilla);
    QWidget* CrearPestanaGeneral();
    QWidget* CrearSistemaYCarencia();
    QWidget* CrearTipoInteres();
    QWidget* CrearIndices(QWidget* padre);
    QWidget* CrearGastosPeriodicos();
    // Only the boxes that apply to the choices made can be typed into.
    void ActualizarHabilitados();
    // The mortgage's choices into the controls, and back.
    void PonerHipoteca(const finance::CondicionesPrestamo& condiciones);
    void LeerHipoteca(finance::CondicionesPrestamo& condiciones) const;
    QWidget* CrearAmortizaciones();
    QWidget* CrearRevisiones();
    QPushButton* CrearBoton(const QString& nombre, const QString& caption, const QString& accesible,
                            void (TDialogoCondiciones::*manejador)());
    void MostrarListas();
    // Shows the message of conditions that fail their checks; true when none.
    bool Admitidas(const finance::CondicionesPrestamo& condiciones);

    std::vector<FilaDeCambio> filas_;
    std::vector<finance::AmortizacionAnticipada> amortizaciones_;
    std::vector<finance::RevisionInteres> revisiones_;
    std::vector<finance::IndiceDesde> indices_;
};

// Opens the window on the given conditions; the conditions accepted, or
// nothing when cancelled.
std::optional<finance::CondicionesPrestamo> PedirCondiciones(QWidget* padre,
                                                            const finance::CondicionesPrestamo& actuales);
