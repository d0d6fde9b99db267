#pragma once
// The command line: `zuzidaduve prestamo|inversion|depreciacion …` works out
// a page's calculation without any window, display or lock and prints it.
#include <QString>

// Runs the sub-command named by argv[1] and returns the exit status: 0 done,
// 1 calculation refused (its warning on standard error), 2 bad usage (a
// Spanish message and the short usage on standard error), 3 the output could
// not be written (why, on standard error). Numbers and dates are Spanish in
// every locale. Returns -1 when argv[1] is not a sub-command, so that the
// program starts its window.
int EjecutarOrden(int argc, char** argv);

// Ends a run that only prints (the program's --help or --version): writes
// `errores` on standard error and `salida` on standard output, and gives
// `estado`, or 3 with the reason on standard error when the output did not
// get there.
int ImprimirYTerminar(int estado, const QString& salida, const QString& errores);
