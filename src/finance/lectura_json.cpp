#include "finance/lectura_json.h"

#include <cmath>
#include <functional>

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

namespace {

// The value under `clave` when `es` accepts it, converted by `como`;
// `porDefecto` when absent.
template <typename T, typename Es, typename Como>
T Valor(const QJsonObject& objeto, const QString& clave, T porDefecto, Es es, Como como) {
    const QJsonValue valor = objeto.value(clave);
    if (valor.isUndefined())
        return porDefecto;
    if (!es(valor))
        ValorNoValido(clave);
    return como(valor);
}

}  // namespace

bool Logico(const QJsonObject& objeto, const QString& clave, bool porDefecto) {
    return Valor(objeto, clave, porDefecto, std::mem_fn(&QJsonValue::isBool),
                 [](const QJsonValue& v) { return v.toBool(); });
}

QString Texto(const QJsonObject& objeto, const QString& clave, const QString& porDefecto) {
    return Valor(objeto, clave, porDefecto, std::mem_fn(&QJsonValue::isString),
                 [](const QJsonValue& v) { return v.toString(); });
}

QJsonObject Objeto(const QJsonObject& objeto, const QString& clave) {
    return Valor(objeto, clave, QJsonObject(), std::mem_fn(&QJsonValue::isObject),
                 [](const QJsonValue& v) { return v.toObject(); });
}

QJsonArray Lista(const QJsonObject& objeto, const QString& clave) {
    return Valor(objeto, clave, QJsonArray(), std::mem_fn(&QJsonValue::isArray),
                 [](const QJsonValue& v) { return v.toArray(); });
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
