#include "ui/ayuda.h"

#include "ui/informe_errores.h"
#include "util/puertas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

// Sees every key of the application before the focused control does.
class TFiltroTeclaAyuda : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress || !objeto->isWidgetType())
            return false;
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() != Qt::Key_F1 || tecla->modifiers() != Qt::NoModifier)
            return false;
        QWidget* ventana = QApplication::activeWindow();
        if (!ventana)
            ventana = QApplication::activeModalWidget();
        if (!ventana)
            ventana = static_cast<QWidget*>(objeto)->window();
        EjecutarProtegido([ventana] { AbrirAyudaTema(ContextoAyuda(ventana), ventana); });
        return true;
    }
};

}  // namespace

void AbrirAyudaContenido(QWidget* padre) { puertas::AbrirVisorAyuda(0, padre); }

void AbrirAyudaTema(int contexto, QWidget* padre) { puertas::AbrirVisorAyuda(contexto > 0 ? contexto : 0, padre); }

int ContextoAyuda(const QWidget* ventana) {
    return ventana ? ventana->window()->property(kPropiedadContextoAyuda).toInt() : 0;
}

void FijarContextoAyuda(QWidget* ventana, int contexto) { ventana->setProperty(kPropiedadContextoAyuda, contexto); }

void InstalarAyudaF1(QApplication& app) {
    static QPointer<TFiltroTeclaAyuda> filtro;
    if (filtro)
        return;
    filtro = new TFiltroTeclaAyuda(&app);
    app.installEventFilter(filtro);
}
