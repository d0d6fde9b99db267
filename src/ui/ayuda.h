#pragma once
// Help: the table of contents, a topic by number, and the F1 key. Each window
// names its topic in the dynamic property "contextoAyuda" (an int); F1 opens
// the topic of the active window, or the contents when it names none.
class QApplication;
class QWidget;

// The property's name.
inline constexpr const char* kPropiedadContextoAyuda = "contextoAyuda";

void AbrirAyudaContenido(QWidget* padre);
void AbrirAyudaTema(int contexto, QWidget* padre);

// The window's help context (0 when it has none) and its setter.
int ContextoAyuda(const QWidget* ventana);
void FijarContextoAyuda(QWidget* ventana, int contexto);

// F1 anywhere in the application opens the help of the active window.
void InstalarAyudaF1(QApplication& app);
