#pragma once
// Common start of every test program: a QApplication with the program's own
// set-up, Spanish regional settings, and doors that never block.
#include <QApplication>
#include <QtTest>

// Spanish (Spain) settings and the program's set-up; the modal door closes
// every dialog at once as cancelled and records it (see RegistroDialogos).
void PrepararEntornoPruebas(QApplication& app);

#define ZZ_TEST_MAIN(Clase)                          \
    int main(int argc, char** argv) {                \
        QApplication app(argc, argv);                \
        PrepararEntornoPruebas(app);                 \
        Clase prueba;                                \
        return QTest::qExec(&prueba, argc, argv);    \
    }
