#pragma once
// The options the program answers on its own, before anything of the window
// system starts: --version and --help print and end, and an unknown "--"
// option ends with a message and the usage. Everything else (no argument,
// a sub-command word, Qt's own options) is left to what follows in main().
#include <QStringList>
#include <optional>

class QTextStream;

// Exit status for bad usage, as the command line's sub-commands use it too.
inline constexpr int kSalidaUsoIncorrecto = 2;

// The usage text printed by --help: every option and sub-command.
QString TextoUso();

// Answers the program's own options in the arguments (the program's path
// first, as in argv); returns the exit status when the program must end now,
// or nothing when it should go on.
std::optional<int> AtenderOpcionesPrograma(const QStringList& argumentos, QTextStream& salida,
                                           QTextStream& errores);

// The same for main(): reads argv, and leaves what must be printed on
// standard output and error in `salida` and `errores`, for main() to write
// and check.
std::optional<int> AtenderOpcionesPrograma(int argc, char* argv[], QString& salida, QString& errores);
