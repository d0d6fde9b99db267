#pragma once
// The program's application object: every event goes through notify(), which
// reports any exception escaping a handler through the general error report
// instead of letting it cross Qt's event loop. Handlers connected to signals,
// actions and timers run inside an event, so they are covered too.
//
// Use it in place of QApplication in main():
//
//     TAplicacion app(argc, argv);
//     PrepararAplicacion(app);
#include <QApplication>

class TAplicacion : public QApplication {
    Q_OBJECT
public:
    TAplicacion(int& argc, char** argv);

    bool notify(QObject* receptor, QEvent* evento) override;
};
