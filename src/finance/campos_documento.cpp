#include "finance/campos_documento.h"

#include "util/ajustes_regionales.h"
#include "util/excepcion.h"
#include "util/textos_fecha.h"
#include "util/textos_numericos.h"

#include <QDate>
#include <QRegularExpression>
#include <optional>

namespace finance {

namespace {

const QString kFormatoFecha = QStringLiteral("yyyy-MM-dd");

bool EsNumeroSinRegion(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return numero.match(texto).hasMatch();
}

QDate FechaSinRegion(const QString& texto) { return QDate::fromString(texto, kFormatoFecha); }

// The locale-free form of a box's text; no value when it has none.
std::optional<QString> SinRegion(const QString& texto, bool fecha) {
    if (!fecha) {
        const QString numero = FormaSinRegion(texto);
        if (numero.isEmpty() && !texto.trimmed().isEmpty())
            return std::nullopt;
        return numero;
    }
    try {
        const std::optional<QDate> leida = LeerFecha(texto);
        return leida ? leida->toString(kFormatoFecha) : QString();
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

}  // namespace

void GuardarTextoCampo(TextosDocumento& textos, const QString& nombre, const QString& texto, bool fecha) {
    if (const std::optional<QString> libre = SinRegion(texto, fecha))
        textos.campos[nombre] = *libre;
    else
        textos.literales[nombre] = texto;
}

QString TextoCampo(const TextosDocumento& textos, const QString& nombre, bool fecha) {
    if (const auto literal = textos.literales.find(nombre); literal != textos.literales.end())
        return literal->second;
    const auto campo = textos.campos.find(nombre);
    if (campo == textos.campos.end() || campo->second.isEmpty())
        return {};
    if (fecha)
        return TextoFecha(FechaSinRegion(campo->second));
    return QString(campo->second).replace(QLatin1Char('.'), Ajustes().separadorDecimal);
}

bool EsTextoSinRegion(const QString& texto) {
    return texto.isEmpty() || EsNumeroSinRegion(texto) || FechaSinRegion(texto).isValid();
}

}  // namespace finance
