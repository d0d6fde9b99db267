#pragma once
// Standard output as a script relies on it: every write checked, and the
// output flushed and closed before the program says it succeeded.
#include "util/excepcion.h"

#include <QString>
#include <cstdio>

// Output that did not reach its destination: a full disk, a closed standard
// output. The message is Spanish and says why; the program prints it on
// standard error and ends with status 3.
class ESalidaPerdida : public Exception {
public:
    using Exception::Exception;
};

// With standard output closed (`>&-`) the next file the program opened would
// take its number and receive the report: a read-only stand-in keeps the
// number taken, so that the first write fails as it must.
void ReservarSalidaCerrada();

// Writes the text as UTF-8; throws ESalidaPerdida when the stream fails.
void EscribirUtf8(std::FILE* salida, const QString& texto);

// Flushes and closes the stream; throws ESalidaPerdida when anything written
// to it was lost. Nothing may be written to it afterwards.
void CerrarSalida(std::FILE* salida);
