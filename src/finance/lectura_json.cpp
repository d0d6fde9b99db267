#include "finance/lectura_json.h"

#include <cmath>

namespace finance::json {

void ValorNoValido(const QString& clave) {
    throw EDocumentoDanado(QStringLiteral("el valor de «%1» no es válido").arg(clave));
}

double Numero(const QJsonObject& objeto, const QString& clave, double porDefecto) {
    const QJsonValue valor = objeto.value(clave);
    if (valor.isUndefined())
        return porDefecto;
    if (!valor.isDouble() || !std::isfinite(valor.toDouble()))
        ValorNoValido(clave);
    return valor.toDouble();
}

int Entero(const QJsonObject& objeto, const QString& clave, int minimo, int maximo, int porDefecto) {
    const QJsonValue valor = objeto.value(clave);
    if (valor.isUndefined())
        return porDefecto;
    const double numero = valor.toDouble(std::nan(""));
    if (!valor.isDouble() || numero != std::floor(numero) || numero < minimo || numero > maximo)
        ValorNoValido(clave);
    return int(numero);
}

bool Logico(const QJsonObject& objeto, const QString& clave, bool porDefecto) {
    const QJsonValue valor = objeto.value(clave);
    if (valor.isUndefined())
        return porDefecto;
    if (!valor.isBool())
        ValorNoValido(clave);
    return valor.toBool();
}

QString Texto(const QJsonObject& objeto, const QString& clave, const QString& porDefecto) {
    const QJsonValue valor = objeto.value(clave);
    if (valor.isUndefined())
        return porDefecto;
    if (!valor.isString())
        ValorNoValido(clave);
    return valor.toString();
}

QJsonObject Objeto(const QJsonObject& objeto, const QString& clave) {
    const QJsonValue valor = objeto.value(clave);
    if (valor.isUndefined())
        return {};
    if (!valor.isObject())
        ValorNoValido(clave);
    return valor.toObject();
}

QJsonArray Lista(const QJsonObject& objeto, const QString& clave) {
    const QJsonValue valor = objeto.value(clave);
    if (valor.isUndefined())
        return {};
    if (!valor.isArray())
        ValorNoValido(clave);
    return valor.toArray();
}

QJsonObject ObjetoDeLista(const QJsonValue& valor, const QString& clave) {
    if (!valor.isObject())
        ValorNoValido(clave);
    return valor.toObject();
}

int Nombre(const QJsonObject& objeto, const QString& clave, std::initializer_list<const char*> nombres,
           int porDefecto) {
    const QJsonValue valor = objeto.value(clave);
    if (valor.isUndefined())
        return porDefecto;
    int posicion = 0;
    for (const char* nombre : nombres) {
        if (valor.isString() && valor.toString() == QLatin1String(nombre))
            return posicion;
        ++posicion;
    }
    ValorNoValido(clave);
}

}  // namespace finance::json
