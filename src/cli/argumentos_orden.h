#pragma once
// The options of a command-line sub-command: `--nombre valor` (or
// `--nombre=valor`) and bare flags, each allowed at most once unless it is
// declared repeatable. An option declared both with a value and as a flag
// takes its value only when one follows (`--retencion` or `--retencion 19`).
// Anything else is bad usage.
#include "util/excepcion.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Bad usage of the command line: an unknown option, a missing or unreadable
// value, options that exclude each other. The message is Spanish; the
// program prints it with the short usage and ends with status 2.
class EUsoOrden : public Exception {
public:
    using Exception::Exception;
    explicit EUsoOrden(const QString& mensaje) : Exception(mensaje.toStdString()) {}
};

// What a sub-command accepts.
struct OpcionesAdmitidas {
    QStringList conValor;  // "--capital", ...
    QStringList banderas;  // "--tabla", ...
    QStringList repetibles;  // options with a value that may come many times
};

class TArgumentosOrden {
public:
    // Reads `argumentos` (what follows the sub-command); throws EUsoOrden.
    TArgumentosOrden(const QStringList& argumentos, const OpcionesAdmitidas& admitidas);

    bool Tiene(const QString& opcion) const;
    // The option's text, or an empty text when it was not given.
    QString Valor(const QString& opcion) const;
    // Every text a repeatable option was given, in the order typed.
    QStringList Valores(const QString& opcion) const;
    // The option's text, which must be one of `opciones`; `porDefecto` when
    // it was not given.
    QString Eleccion(const QString& opcion, const QStringList& opciones, const QString& porDefecto) const;
    // Throws EUsoOrden when both options were given.
    void Excluyentes(const QString& una, const QString& otra) const;

private:
    void Guardar(const QString& opcion, const QString& valor, bool repetible);

    QHash<QString, QStringList> valores_;
};
