#pragma once
// The option values of the command line read as the page's boxes read them,
// with a message naming the option when a text does not read.
#include "cli/argumentos_orden.h"
#include "finance/tvm.h"
#include "util/excepcion.h"

#include <QDate>
#include <QString>

// Runs a reading; a text that does not read becomes bad usage that starts
// with `opcion` (the option's name, and the whole value when a part of it
// failed): `--capital: "abc" no es un número válido`.
template <typename Lectura>
auto NombrandoOpcion(const QString& opcion, Lectura leer) -> decltype(leer()) {
    try {
        return leer();
    } catch (const EConvertError& e) {
        throw EUsoOrden(QStringLiteral("%1: %2").arg(opcion, QString::fromUtf8(e.what())));
    }
}

// The options every sub-command shares.
struct OpcionesComunes {
    QString formato;  // "texto", "csv" or "json"
    bool tabla = false;
    bool resumenAnual = false;
};

// The options every sub-command accepts besides its own.
OpcionesAdmitidas ConOpcionesComunes(OpcionesAdmitidas propias);
OpcionesComunes LeerOpcionesComunes(const TArgumentosOrden& argumentos);

// The option's text, checked as an amount (LeerImporte) or a count
// (LeerCantidad); empty when the option was not given, as an empty box.
// An unreadable text throws EUsoOrden: `--capital: "abc" no es un número válido`.
QString TextoImporteOpcion(const TArgumentosOrden& argumentos, const QString& opcion);
QString TextoCantidadOpcion(const TArgumentosOrden& argumentos, const QString& opcion);

// The option's date, read as the date box reads it; today when not given.
QDate FechaOpcion(const TArgumentosOrden& argumentos, const QString& opcion);

// --inicio-periodo or --final-periodo; `porDefecto` (the page's first
// choice) when neither is given.
finance::PaymentTiming MomentoOpcion(const TArgumentosOrden& argumentos, finance::PaymentTiming porDefecto);
