#pragma once
// A read-only result panel: right-aligned text in a lowered box, painted with
// the palette's Base role so that the field colour helpers set and read its
// background like any input control. Screen readers get the label's caption as
// its name and the figure it shows as its text.
#include <QLabel>

class TPanelResultado : public QLabel {
    Q_OBJECT
public:
    explicit TPanelResultado(QWidget* parent = nullptr);

    void setText(const QString& texto);

    // Makes the accessibility bridge build our interface for these panels;
    // called once at start-up, before any panel is shown.
    static void RegistrarAccesibilidad();
};
