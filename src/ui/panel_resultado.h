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

    // Whether the text fits the panel as it stands.
    bool TextoCabe() const;
    // The width the panel needs to show its text whole.
    int AnchoNecesario() const;

    // The widest amount the program shows: the largest it accepts, negative,
    // with the regional separators ("-1.000.000.000.000.000,00").
    static QString ImporteMasAncho();
    // The width a panel with this font needs to show any amount whole.
    static int AnchoParaImportes(const QFont& fuente);

    // Makes the accessibility bridge build our interface for these panels;
    // called once at start-up, before any panel is shown.
    static void RegistrarAccesibilidad();

protected:
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    // The room the text has: the contents less the margin and the indent
    // that the label keeps beside a frame.
    int AnchoUtil() const;
};
