#include "cli/partes_informe.h"

#include "cli/valores_json.h"
#include "util/texto_tasa.h"
#include "util/textos_numericos.h"

void RechazarSiAviso(const std::optional<AvisoCalculo>& aviso) {
    if (!aviso)
        return;
    QString texto = aviso->texto;
    texto.replace(u'\r', u'\n');
    throw ECalculoRechazado(texto.toStdString());
}

DatoResultado DatoImporte(const QString& etiqueta, const QString& clave, double valor) {
    return {etiqueta, TextoImporte(valor), clave, JsonImporte(valor)};
}

DatoResultado DatoEntero(const QString& etiqueta, const QString& clave, long long valor) {
    return {etiqueta, TextoEntero(valor), clave, JsonEntero(valor)};
}

DatoResultado DatoImporteSiHay(const QString& etiqueta, const QString& clave, const std::optional<double>& valor) {
    return valor ? DatoImporte(etiqueta, clave, *valor) : DatoResultado{etiqueta, QString(), clave, QStringLiteral("null")};
}

DatoResultado DatoTasa(const QString& etiqueta, const QString& clave, const std::optional<double>& valor) {
    if (!valor)
        return {etiqueta, QString(), clave, QStringLiteral("null")};
    return {etiqueta, TextoTasa(*valor), clave,
            TasaDiminuta(*valor) ? QString::number(*valor, 'g', 2) : JsonImporte(*valor)};
}
