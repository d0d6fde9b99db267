#pragma once
// Application-wide set-up shared by the program and its tests.
#include <QStringList>

class QApplication;
class TInstanciaUnica;

// Puts the C library back in the "C" number locale (QApplication changes it),
// installs the system's doors,
// reads the regional settings, empties the calculator's currency record, sets
// Arial as the application font and loads Qt's Spanish translations.
void PrepararAplicacion(QApplication& app);

// A later start of the program hands over to the instance already running
// and ends without a window: status 0 once the first has come to the front.
// When the first does not answer (stopped, or frozen) the person is told so,
// on the standard error and, on a screen, in a message, and the status is 1.
// With a file, the first instance opens it too.
int CederALaPrimeraInstancia(TInstanciaUnica& instancia, const QString& fichero = QString());

// The file named on the command line (the first argument that is not an
// option; Qt's own options are gone by then), empty for none.
QString FicheroDeArgumentos(const QStringList& argumentos);
