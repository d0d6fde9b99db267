#include "util/texto_csv.h"

namespace {

QString Campo(const QString& campo, QChar separador) {
    const bool comillas = campo.contains(separador) || campo.contains(u'"') || campo.contains(u'\n') ||
                          campo.contains(u'\r');
    if (!comillas)
        return campo;
    QString doblado = campo;
    doblado.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + doblado + u'"';
}

}  // namespace

QString LineaCsv(const QStringList& campos, QChar separador) {
    QString linea;
    for (qsizetype i = 0; i < campos.size(); ++i) {
        if (i > 0)
            linea += separador;
        linea += Campo(campos[i], separador);
    }
    return linea;
}
