#pragma once
// Common start of the tests of the window-free layers (util, finance): they
// run under QTEST_GUILESS_MAIN, with no QApplication, and their test object
// derives from PruebaNucleo, which sets the Spanish (Spain) regional
// settings and the C library's "C" number locale before the first test.
#include "util/ajustes_regionales.h"

#include <QLocale>
#include <QObject>
#include <QtTest>
#include <clocale>

class PruebaNucleo : public QObject {
public:
    PruebaNucleo() {
        std::setlocale(LC_NUMERIC, "C");
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        LeerAjustesRegionales(QLocale());
    }
};
