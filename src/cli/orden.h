#pragma once
// The command line: `zuzidaduve prestamo|inversion|depreciacion …` works out
// a page's calculation without any window, display or lock and prints it.

// Runs the sub-command named by argv[1] and returns the exit status: 0 done,
// 1 calculation refused (its warning on standard error), 2 bad usage (a
// Spanish message and the short usage on standard error). Returns -1 when
// argv[1] is not a sub-command, so that the program starts its window.
int EjecutarOrden(int argc, char** argv);
