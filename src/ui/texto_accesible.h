#pragma once
// The accessible interface of a control that shows one read-only text: the
// text comes through the Text interface and as the value, apart from the
// control's name. No caret, no selection, no character geometry: a screen
// reader reads the text whole.
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QString>

class TAccesibleConTexto : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    TAccesibleConTexto(QWidget* control, QAccessible::Role rol) : QAccessibleWidget(control, rol) {}

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? TextoMostrado() : QAccessibleWidget::text(t);
    }

    void selection(int, int* inicio, int* fin) const override { *inicio = *fin = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int inicio, int fin) const override { return TextoMostrado().mid(inicio, fin - inicio); }
    int characterCount() const override { return int(TextoMostrado().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* inicio, int* fin) const override {
        *inicio = 0;
        *fin = characterCount();
        return {};
    }

protected:
    virtual QString TextoMostrado() const = 0;
};
