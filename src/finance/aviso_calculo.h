#pragma once
// A warning that a calculation asks the window to show (warning kind, the
// calculation's name as title).
#include <QString>

struct AvisoCalculo {
    QString titulo;
    QString texto;  // lines separated by '\r'
};
