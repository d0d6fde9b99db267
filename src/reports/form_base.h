#pragma once
// Base of the report windows: a dialog that, on a screen narrower than 700
// pixels, scales itself and its controls down so that it fits.
#include <QDialog>

class tFormBase : public QDialog {
    Q_OBJECT
public:
    explicit tFormBase(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // The scale in percent for a window of this size on this screen: 100
    // unless the screen is narrower than 700 pixels and the window reaches
    // its width or height (a window 796 wide on a screen 640 wide gives 75).
    static int EscalaPara(const QSize& ventana, const QSize& pantalla);

protected:
    // Runs once the derived window has built its controls: scales it when
    // the screen is small and greys a "PanelDatos" panel.
    void AdaptarAPantalla();
};

// Scales a window, its children's fonts, fixed sizes, icon sizes and layout
// spacing to the given percentage.
void EscalarVentana(QWidget* ventana, int porcentaje);
