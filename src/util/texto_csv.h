#pragma once
// One line of a CSV file as a Spanish spreadsheet reads it.
#include <QChar>
#include <QString>
#include <QStringList>

// The fields joined by `separador`, each quoted only when it holds the
// separator, a double quote or a line break (its quotes then doubled). No
// line end is added.
QString LineaCsv(const QStringList& campos, QChar separador = u';');
