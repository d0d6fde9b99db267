#pragma once
// Application-wide set-up shared by the program and its tests.
class QApplication;

// Puts the C library back in the "C" number locale (QApplication changes it),
// installs the system's doors,
// reads the regional settings, empties the calculator's currency record, sets
// Arial as the application font and loads Qt's Spanish translations.
void PrepararAplicacion(QApplication& app);
