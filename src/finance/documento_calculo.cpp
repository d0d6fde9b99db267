#include "finance/documento_calculo.h"

#include "finance/campos_documento.h"
#include "finance/codigo_calculo.h"
#include "finance/condiciones_json.h"
#include "finance/lectura_json.h"
#include "finance/tablas_fiscales.h"
#include "util/escritura_atomica.h"
#include "util/fichero_normal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace finance {

namespace {

constexpr std::initializer_list<const char*> kPaginas = {"prestamo", "inversion", "depreciacion"};
// A text kept as typed is never longer than what a box takes.
constexpr qsizetype kMaximoLiteral = 1000;
constexpr qsizetype kMaximoOfertas = 100;

QJsonObject MapaAJson(const std::map<QString, QString>& mapa) {
    QJsonObject objeto;
    for (const auto& [clave, texto] : mapa)
        objeto[clave] = texto;
    return objeto;
}

// A map of texts; `comprobar` refuses a text that does not belong there.
template <typename Comprobar>
std::map<QString, QString> MapaDeJson(const QJsonObject& padre, const QString& clave, Comprobar comprobar) {
    std::map<QString, QString> mapa;
    const QJsonObject objeto = json::Objeto(padre, clave);
    for (auto it = objeto.begin(); it != objeto.end(); ++it) {
        if (!it.value().isString() || !comprobar(it.value().toString()))
            json::ValorNoValido(it.key());
        mapa[it.key()] = it.value().toString();
    }
    return mapa;
}

void TextosAJson(const TextosDocumento& textos, QJsonObject& objeto) {
    objeto[QStringLiteral("campos")] = MapaAJson(textos.campos);
    if (!textos.literales.empty())
        objeto[QStringLiteral("literales")] = MapaAJson(textos.literales);
}

TextosDocumento TextosDeJson(const QJsonObject& objeto, int formato) {
    TextosDocumento textos;
    textos.campos = MapaDeJson(objeto, QStringLiteral("campos"), EsTextoSinRegion);
    if (formato >= 1)
        textos.literales = MapaDeJson(objeto, QStringLiteral("literales"),
                                      [](const QString& texto) { return texto.size() <= kMaximoLiteral; });
    return textos;
}

QString Momento(bool alPrincipio) { return alPrincipio ? QStringLiteral("principio") : QStringLiteral("final"); }

bool MomentoDeJson(const QJsonObject& objeto) {
    return json::Nombre(objeto, QStringLiteral("momento"), {"final", "principio"}) == 1;
}

QJsonObject PaginaAJson(const PaginaCalculo& pagina, bool conMomento) {
    QJsonObject objeto{{QStringLiteral("calculo"), pagina.calculo}};
    if (conMomento)
        objeto[QStringLiteral("momento")] = Momento(pagina.alPrincipio);
    TextosAJson(pagina.textos, objeto);
    return objeto;
}

// `calculos`: how many items the page's list of calculations has.
PaginaCalculo PaginaDeJson(const QJsonObject& documento, const char* nombre, int calculos, int formato) {
    const QJsonObject objeto = json::Objeto(documento, QLatin1String(nombre));
    PaginaCalculo pagina;
    pagina.calculo = json::Entero(objeto, QStringLiteral("calculo"), 0, calculos - 1);
    if (formato >= 1)
        pagina.alPrincipio = MomentoDeJson(objeto);
    pagina.textos = TextosDeJson(objeto, formato);
    return pagina;
}

QJsonObject OfertaAJson(const OfertaDocumento& oferta) {
    QJsonObject objeto{{QStringLiteral("nombre"), oferta.nombre},
                       {QStringLiteral("momento"), Momento(oferta.alPrincipio)},
                       {QStringLiteral("condiciones"), CondicionesAJson(oferta.condiciones)}};
    TextosAJson(oferta.textos, objeto);
    return objeto;
}

OfertaDocumento OfertaDeJson(const QJsonObject& objeto) {
    OfertaDocumento oferta;
    oferta.nombre = json::Texto(objeto, QStringLiteral("nombre"));
    if (oferta.nombre.size() > kMaximoLiteral)
        json::ValorNoValido(QStringLiteral("nombre"));
    oferta.alPrincipio = MomentoDeJson(objeto);
    oferta.condiciones = CondicionesDeJson(json::Objeto(objeto, QStringLiteral("condiciones")));
    oferta.textos = TextosDeJson(objeto, kFormatoDocumento);
    return oferta;
}

// The JSON parser's complaint, in the person's words: a file that ends in
// the middle of a value was cut short (a copy that did not finish); anything
// else is damage.
QString MotivoSintaxis(const QJsonParseError& error, const QByteArray& datos) {
    if (datos.trimmed().isEmpty())
        return QStringLiteral("el fichero está vacío");
    // The parser stops within the last few bytes (in the middle of a word
    // such as "tru") when the text just ends.
    constexpr int kFinal = 4;
    const bool cortado = error.offset >= datos.trimmed().size() - kFinal;
    return cortado ? QStringLiteral("el fichero está incompleto: se cortó antes de terminar")
                   : QStringLiteral("el fichero está dañado: no es un documento JSON válido (posición %1)")
                         .arg(error.offset);
}

// The depreciation page's tax table and typed date; files without them read
// as neither.
void LeerExtrasDepreciacion(const QJsonObject& objeto, DocumentoCalculo& documento) {
    documento.tablaFiscal = json::Texto(objeto, QStringLiteral("tablaFiscal"));
    if (!documento.tablaFiscal.isEmpty() && !BuscarTablaFiscal(documento.tablaFiscal))
        json::ValorNoValido(QStringLiteral("tablaFiscal"));
    documento.fechaEscrita = json::Logico(objeto, QStringLiteral("fechaEscrita"));
}

QJsonObject DepreciacionAJson(const DocumentoCalculo& documento) {
    QJsonObject objeto = PaginaAJson(documento.depreciacion, false);
    if (!documento.tablaFiscal.isEmpty())
        objeto[QStringLiteral("tablaFiscal")] = documento.tablaFiscal;
    objeto[QStringLiteral("fechaEscrita")] = documento.fechaEscrita;
    return objeto;
}

int FormatoDe(const QJsonObject& raiz) {
    const QJsonValue formato = raiz.value(QStringLiteral("formato"));
    if (formato.isUndefined())
        throw json::EDocumentoDanado(QStringLiteral("no es un fichero de cálculo (no indica su formato)"));
    const int numero = json::Entero(raiz, QStringLiteral("formato"), 0, std::numeric_limits<int>::max());
    if (numero > kFormatoDocumento)
        throw json::EDocumentoDanado(
            QStringLiteral("el fichero es de una versión más moderna del programa (formato %1; esta versión lee "
                           "hasta el formato %2)")
                .arg(numero)
                .arg(kFormatoDocumento));
    return numero;
}

DocumentoCalculo DocumentoDeJson(const QJsonObject& raiz) {
    DocumentoCalculo documento;
    documento.formato = FormatoDe(raiz);
    documento.pagina = static_cast<PaginaDocumento>(json::Nombre(raiz, QStringLiteral("pagina"), kPaginas));
    documento.prestamo = PaginaDeJson(raiz, "prestamo", 4, documento.formato);
    documento.inversion = PaginaDeJson(raiz, "inversion", kCalculosInversion, documento.formato);
    documento.depreciacion = PaginaDeJson(raiz, "depreciacion", kCalculosDepreciacion, documento.formato);
    // Conditions and comparisons came with the first numbered format.
    if (documento.formato >= 1) {
        documento.condiciones = CondicionesDeJson(json::Objeto(
            json::Objeto(raiz, QStringLiteral("prestamo")), QStringLiteral("condiciones")));
        // Files written before the savings page had conditions, or before the
        // depreciation page had a tax table, lack these keys: a plain plan,
        // no table, the date as filled in.
        documento.condicionesInversion = CondicionesInversionDeJson(
            json::Objeto(json::Objeto(raiz, QStringLiteral("inversion")), QStringLiteral("condiciones")));
        LeerExtrasDepreciacion(json::Objeto(raiz, QStringLiteral("depreciacion")), documento);
        const QJsonArray ofertas = json::Lista(raiz, QStringLiteral("comparacion"));
        if (ofertas.size() > kMaximoOfertas)
            json::ValorNoValido(QStringLiteral("comparacion"));
        for (const QJsonValue& oferta : ofertas)
            documento.ofertas.push_back(OfertaDeJson(json::ObjetoDeLista(oferta, QStringLiteral("comparacion"))));
    }
    return documento;
}

}  // namespace

QByteArray EscribirDocumento(const DocumentoCalculo& documento) {
    QJsonObject prestamo = PaginaAJson(documento.prestamo, true);
    prestamo[QStringLiteral("condiciones")] = CondicionesAJson(documento.condiciones);
    QJsonObject inversion = PaginaAJson(documento.inversion, true);
    inversion[QStringLiteral("condiciones")] = CondicionesInversionAJson(documento.condicionesInversion);
    QJsonObject raiz{
        {QStringLiteral("formato"), kFormatoDocumento},
        {QStringLiteral("pagina"), QLatin1String(kPaginas.begin()[static_cast<int>(documento.pagina)])},
        {QStringLiteral("prestamo"), prestamo},
        {QStringLiteral("inversion"), inversion},
        {QStringLiteral("depreciacion"), DepreciacionAJson(documento)},
    };
    if (!documento.ofertas.empty()) {
        QJsonArray ofertas;
        for (const OfertaDocumento& oferta : documento.ofertas)
            ofertas.append(OfertaAJson(oferta));
        raiz[QStringLiteral("comparacion")] = ofertas;
    }
    return QJsonDocument(raiz).toJson(QJsonDocument::Indented);
}

bool LeerDocumento(const QByteArray& datos, DocumentoCalculo& documento, QString* motivo) {
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(datos, &error);
    QString fallo;
    if (error.error != QJsonParseError::NoError)
        fallo = MotivoSintaxis(error, datos);
    else if (!json.isObject())
        fallo = QStringLiteral("no es un fichero de cálculo");
    else {
        try {
            documento = DocumentoDeJson(json.object());
            return true;
        } catch (const json::EDocumentoDanado& e) {
            fallo = e.Motivo();
        }
    }
    if (motivo)
        *motivo = fallo;
    return false;
}

bool GuardarDocumento(const QString& ruta, const DocumentoCalculo& documento, QString* motivo) {
    const QByteArray datos = EscribirDocumento(documento);
    TEscrituraAtomica fichero(ruta);
    return fichero.Abrir(motivo) && fichero.Escribir(datos.constData(), datos.size(), motivo) &&
           fichero.Confirmar(motivo);
}

bool CargarDocumento(const QString& ruta, DocumentoCalculo& documento, QString* motivo) {
    QByteArray datos;
    return LeerFicheroNormal(ruta, kMaximoDocumento, datos, motivo) && LeerDocumento(datos, documento, motivo);
}

bool GuardarOfertas(const QString& ruta, const std::vector<OfertaDocumento>& ofertas, QString* motivo) {
    DocumentoCalculo documento;
    documento.ofertas = ofertas;
    return GuardarDocumento(ruta, documento, motivo);
}

bool CargarOfertas(const QString& ruta, std::vector<OfertaDocumento>& ofertas, QString* motivo) {
    DocumentoCalculo documento;
    if (!CargarDocumento(ruta, documento, motivo))
        return false;
    ofertas = std::move(documento.ofertas);
    return true;
}

QString MensajeDocumento(bool guardar, const QString& ruta, const QString& motivo) {
    return QStringLiteral("No se puede %1 el cálculo «%2»: %3")
        .arg(guardar ? QStringLiteral("guardar") : QStringLiteral("abrir"), ruta, motivo);
}

}  // namespace finance
