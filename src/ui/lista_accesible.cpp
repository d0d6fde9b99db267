#include "ui/lista_accesible.h"

#include "ui/texto_accesible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>

namespace {

// The list and its pop-up, as Qt's own interface offers them, with the
// accessible name kept as the name and the shown item as its text.
class ListaAccesible : public TAccesibleConTexto {
public:
    explicit ListaAccesible(QComboBox* lista) : TAccesibleConTexto(lista, QAccessible::ComboBox) {}

    int childCount() const override { return 1; }

    QAccessibleInterface* child(int indice) const override {
        return indice == 0 ? QAccessible::queryAccessibleInterface(Lista()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* hijo) const override {
        return hijo && hijo->object() == Lista()->view() ? 0 : -1;
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& accion) override {
        if (accion != showMenuAction() && accion != pressAction())
            return;
        if (Lista()->view()->isVisible())
            Lista()->hidePopup();
        else
            Lista()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    QString TextoMostrado() const override { return Lista()->currentText(); }

private:
    QComboBox* Lista() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto) {
    if (clase != QLatin1String("QComboBox") || !objeto || !objeto->isWidgetType())
        return nullptr;
    auto* lista = static_cast<QComboBox*>(objeto);
    if (lista->isEditable() || lista->accessibleName().isEmpty())
        return nullptr;  // Qt's own interface serves it
    return new ListaAccesible(lista);
}

}  // namespace

void RegistrarListaAccesible() {
    static const bool instalada = [] {
        QAccessible::installFactory(Fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
}
