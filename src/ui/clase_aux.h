#pragma once
// The handlers that the field set-up installs on controls, gathered in one
// event filter: numeric key filtering, the date check on leaving and the focus
// highlight. Which handlers a control has is kept in its dynamic properties,
// so that a later set-up can replace one (PrepararCampoFecha replaces the
// leave handler).
#include <QColor>
#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

class TClaseAux : public QObject {
    Q_OBJECT
public:
    // The program's single instance, owned by the application object.
    static TClaseAux& Instancia();

    // Handlers a control may carry.
    enum Entrada { SinEntrada = 0, EntradaResaltar = 1 };
    enum Salida { SinSalida = 0, SalidaRestaurar = 1, SalidaValidarFecha = 2 };
    static void FijarEntrada(QWidget* control, Entrada entrada);
    static void FijarSalida(QWidget* control, Salida salida);
    static Entrada EntradaDe(const QWidget* control);
    static Salida SalidaDe(const QWidget* control);
    static void FijarFiltroNumerico(QLineEdit* campo);
    static bool TieneFiltroNumerico(const QLineEdit* campo);

    void ValidarFechaAlSalir(QLineEdit* campo);
    void ResaltarCampo(QWidget* control);
    void RestaurarCampo(QWidget* control);

    bool UltimaValidacionOk = true;
    bool LeerValidacion();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    explicit TClaseAux(QObject* parent);
    void DevolverFoco(QWidget* control);

    QPointer<QWidget> controlResaltado_;
    QColor colorRecordado_;
    bool devolviendoFoco_ = false;
};
