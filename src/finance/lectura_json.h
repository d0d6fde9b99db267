#pragma once
// Checked reading of the values of a JSON document that comes from a file:
// every value must have the expected type and range, or EDocumentoDanado
// names the key at fault. An absent key gives its default, so that a file
// that leaves out what it does not use still reads.
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <stdexcept>

namespace finance::json {

class EDocumentoDanado : public std::runtime_error {
public:
    explicit EDocumentoDanado(const QString& motivo) : std::runtime_error(motivo.toStdString()) {}
    QString Motivo() const { return QString::fromStdString(what()); }
};

// Throws EDocumentoDanado: el valor de «clave» no es válido
[[noreturn]] void ValorNoValido(const QString& clave);

double Numero(const QJsonObject& objeto, const QString& clave, double porDefecto = 0);
int Entero(const QJsonObject& objeto, const QString& clave, int minimo, int maximo, int porDefecto = 0);
bool Logico(const QJsonObject& objeto, const QString& clave, bool porDefecto = false);
QString Texto(const QJsonObject& objeto, const QString& clave, const QString& porDefecto = {});
QJsonObject Objeto(const QJsonObject& objeto, const QString& clave);
QJsonArray Lista(const QJsonObject& objeto, const QString& clave);
// An element of a list that must be an object.
QJsonObject ObjetoDeLista(const QJsonValue& valor, const QString& clave);

// The position of the text under `clave` among `nombres` (the enumeration's
// names in its order); `porDefecto` when absent.
int Nombre(const QJsonObject& objeto, const QString& clave, std::initializer_list<const char*> nombres,
           int porDefecto = 0);

}  // namespace finance::json
