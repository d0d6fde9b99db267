#pragma once
// `--desde archivo.zzc`: a sub-command takes its figures from a calculation
// file. The file's page becomes the options it stands for, and any option
// typed too takes the place of the file's (a repeatable one replaces all of
// the file's of that name).
#include <QStringList>

// The arguments of `suborden` ("prestamo", "inversion", "depreciacion") with
// `--desde` expanded; unchanged without it. Throws EUsoOrden when the option
// is misused, and Exception when the file does not read, naming it and the
// reason (a refused calculation's status, not bad usage).
QStringList ConDocumento(const QString& suborden, const QStringList& argumentos);
