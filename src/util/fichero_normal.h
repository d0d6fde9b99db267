#pragma once
// Reading files the person names: only regular files, opened so that a pipe
// or a device can never block the program, and never more than the reader
// is prepared to hold. Failures carry the reason in Spanish.
#include <QByteArray>
#include <QFile>
#include <QString>

// Opens `ruta` for reading when it is a regular file, and gives its size.
bool AbrirFicheroNormal(const QString& ruta, QFile& fichero, qint64& tamano, QString* motivo);

// Reads the whole of a regular file of at most `maximo` bytes into
// `contenido`; a larger one is refused without reading it.
bool LeerFicheroNormal(const QString& ruta, qint64 maximo, QByteArray& contenido, QString* motivo);
