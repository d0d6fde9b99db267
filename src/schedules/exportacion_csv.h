#pragma once
// Writing a whole table to a CSV file that a Spanish spreadsheet opens as it
// is: UTF-8, fields separated by ';', the column titles first, then every row
// with the texts the grid shows.
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class TStringGrid;

// Writes the grid to `ruta` through a temporary file renamed over the name
// at the end, so that a failure leaves an existing file as it was and a link
// under that name is replaced, not written through. False on failure, with
// the reason in Spanish in `motivo`.
bool EscribirCsv(const TStringGrid& grid, const QString& ruta, QString* motivo);

// The same for rows of texts already at hand (a short table, titles first).
bool EscribirCsv(const QList<QStringList>& filas, const QString& ruta, QString* motivo);
void ExportarCsv(QWidget* padre, const QList<QStringList>& filas);

// The file name with ".csv" added unless it already ends so.
QString ConExtensionCsv(const QString& nombre);

// Asks the person for the file (the usual save dialog, and whether to
// replace a file already there) and writes the grid; a failure is told in an
// error dialog.
void ExportarCsv(QWidget* padre, const TStringGrid& grid);
