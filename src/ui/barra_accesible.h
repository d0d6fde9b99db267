#pragma once
// Tool bars as a screen reader meets them.
class QToolBar;

// Qt gives every tool bar a button, shown only when the bar is too narrow,
// that opens the buttons that do not fit; it comes without a name, and a
// screen reader would announce a nameless button first on the bar.
void NombrarBotonExtension(QToolBar* barra);
