#pragma once
// The program's application object: every event goes through notify(), which
// reports any exception escaping a handler through the general error report
// instead of letting it cross Qt's event loop. Handlers connected to signals,
// actions and timers run inside an event, so they are covered too.
//
// It also remembers which window the person used last, so that a second
// start of the program can bring that one to the front.
//
// Use it in place of QApplication in main():
//
//     TAplicacion app(argc, argv);
//     PrepararAplicacion(app);
#include <QApplication>
#include <QPointer>
#include <QWindow>

class TAplicacion : public QApplication {
    Q_OBJECT
public:
    TAplicacion(int& argc, char** argv);

    bool notify(QObject* receptor, QEvent* evento) override;

    // Brings the program to the front: the main window is restored when
    // minimised, and the window the person was using is raised and
    // activated above the windows it belongs to (an open modal dialog stays
    // above its parent). With no such window, the main window.
    void TraerVentanaEnUso(QWidget* principal);

private:
    QWidget* VentanaEnUso() const;

    QPointer<QWindow> ultimaVentana_;
};
