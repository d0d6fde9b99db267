#pragma once
// The "Condiciones de la inversión" window: the yearly growth of the
// contribution, the inflation for values in today's money, and the tax on
// the gain. It edits a CondicionesInversion and hands it back only when
// accepted with conditions that pass their checks.
#include "finance/condiciones_inversion.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

class TDialogoCondicionesInversion : public QDialog {
    Q_OBJECT

public:
    explicit TDialogoCondicionesInversion(QWidget* padre = nullptr);

    void PonerCondiciones(const finance::CondicionesInversion& condiciones);
    // What the controls hold; a text that is not a number throws EConvertError.
    finance::CondicionesInversion LeerCondiciones() const;

    QLineEdit* EditCrecimiento = nullptr;
    QLineEdit* EditInflacion = nullptr;
    QComboBox* CbRetencion = nullptr;
    QLineEdit* EditRetencion = nullptr;
    QPushButton* BtnAceptar = nullptr;
    QPushButton* BtnCancelar = nullptr;

    void CbRetencionChange();
    void BtnAceptarClick();
};

// Opens the window on the given conditions; the conditions accepted, or
// nothing when cancelled.
std::optional<finance::CondicionesInversion> PedirCondicionesInversion(QWidget* padre,
                                                                      const finance::CondicionesInversion& actuales);
