#include "cli/argumentos_orden.h"

namespace {

bool EsOpcion(const QString& texto) { return texto.startsWith(QLatin1String("--")); }

}  // namespace

TArgumentosOrden::TArgumentosOrden(const QStringList& argumentos, const OpcionesAdmitidas& admitidas) {
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        if (!EsOpcion(argumento))
            throw EUsoOrden(QStringLiteral("argumento inesperado: \"%1\"").arg(argumento));
        const qsizetype igual = argumento.indexOf(u'=');
        const QString opcion = igual < 0 ? argumento : argumento.left(igual);
        const bool valorOpcional = admitidas.banderas.contains(opcion) && admitidas.conValor.contains(opcion);
        if (valorOpcional) {
            const bool conValor = igual >= 0 || (i + 1 < argumentos.size() && !EsOpcion(argumentos[i + 1]));
            Guardar(opcion, !conValor ? QString() : igual >= 0 ? argumento.mid(igual + 1) : argumentos[++i], false);
        } else if (admitidas.banderas.contains(opcion)) {
            if (igual >= 0)
                throw EUsoOrden(QStringLiteral("%1 no lleva valor").arg(opcion));
            Guardar(opcion, QString(), false);
        } else if (admitidas.conValor.contains(opcion) || admitidas.repetibles.contains(opcion)) {
            // A value may start with one '-' (a negative number), never with
            // two, unless it holds blanks: a quoted list of options, as an
            // offer to compare is given, is a value and not an option.
            if (igual < 0 && (i + 1 >= argumentos.size() ||
                              (EsOpcion(argumentos[i + 1]) && !argumentos[i + 1].contains(u' '))))
                throw EUsoOrden(QStringLiteral("%1: falta el valor").arg(opcion));
            Guardar(opcion, igual >= 0 ? argumento.mid(igual + 1) : argumentos[++i],
                    admitidas.repetibles.contains(opcion));
        } else {
            throw EUsoOrden(QStringLiteral("opción desconocida: %1").arg(opcion));
        }
    }
}

void TArgumentosOrden::Guardar(const QString& opcion, const QString& valor, bool repetible) {
    if (!repetible && valores_.contains(opcion))
        throw EUsoOrden(QStringLiteral("%1: la opción aparece más de una vez").arg(opcion));
    valores_[opcion] << valor;
}

bool TArgumentosOrden::Tiene(const QString& opcion) const { return valores_.contains(opcion); }

QString TArgumentosOrden::Valor(const QString& opcion) const { return valores_.value(opcion).value(0); }

QStringList TArgumentosOrden::Valores(const QString& opcion) const { return valores_.value(opcion); }

QString TArgumentosOrden::Eleccion(const QString& opcion, const QStringList& opciones,
                                   const QString& porDefecto) const {
    if (!Tiene(opcion))
        return porDefecto;
    const QString valor = Valor(opcion);
    if (!opciones.contains(valor))
        throw EUsoOrden(QStringLiteral("%1: \"%2\" no es válido; debe ser %3")
                            .arg(opcion, valor, opciones.join(QStringLiteral(", "))));
    return valor;
}

void TArgumentosOrden::Excluyentes(const QString& una, const QString& otra) const {
    if (Tiene(una) && Tiene(otra))
        throw EUsoOrden(QStringLiteral("%1 y %2 no pueden usarse a la vez").arg(una, otra));
}
