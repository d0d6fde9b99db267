#include "util/textos_numericos.h"

#include "util/ajustes_regionales.h"
#include "util/excepcion.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <type_traits>

namespace {

[[noreturn]] void NoEsNumero(const QString& texto, const char* que) {
    throw EConvertError(QStringLiteral("\"%1\" no es un %2 válido").arg(texto, QString::fromUtf8(que)).toStdString());
}

// Copies an optional sign at `i` into `c`.
void CopiarSigno(const QString& t, qsizetype& i, std::string& c) {
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        c += static_cast<char>(t[i++].unicode());
}

// Copies the ASCII digits from `i` on into `c`; returns how many there were.
int CopiarCifras(const QString& t, qsizetype& i, std::string& c) {
    int cifras = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i, ++cifras)
        c += static_cast<char>(t[i].unicode());
    return cifras;
}

// Turns the user's text into the C form "-12.5e3", or an empty string when
// the text is not a number of that shape.
std::string FormaC(const QString& texto, bool admiteDecimales) {
    const QString limpio = texto.trimmed();
    std::string c;
    qsizetype i = 0;
    const qsizetype n = limpio.size();
    CopiarSigno(limpio, i, c);
    int cifras = CopiarCifras(limpio, i, c);
    if (admiteDecimales && i < n && limpio[i] == Ajustes().separadorDecimal) {
        c += '.';
        ++i;
        cifras += CopiarCifras(limpio, i, c);
    }
    if (cifras == 0)
        return {};
    if (admiteDecimales && i < n && (limpio[i] == QLatin1Char('e') || limpio[i] == QLatin1Char('E'))) {
        c += 'e';
        ++i;
        CopiarSigno(limpio, i, c);
        if (CopiarCifras(limpio, i, c) == 0)
            return {};
    }
    return i == n ? c : std::string();
}

// The C form as a number of type T; the message names the user's text.
template <typename T>
T DeFormaC(std::string c, const QString& original, const char* que) {
    if (!c.empty() && c.front() == '+')
        c.erase(c.begin());
    T valor{};
    const auto r = std::from_chars(c.data(), c.data() + c.size(), valor);
    if (c.empty() || r.ec != std::errc() || r.ptr != c.data() + c.size())
        NoEsNumero(original, que);
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(valor))
            NoEsNumero(original, que);
    }
    return valor;
}

bool EsCifra(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The text without the blanks around it (no-break spaces included) and,
// when `moneda`, without one euro sign before or after the number.
QString SinAdornos(const QString& texto, bool moneda) {
    QString t = texto.trimmed();
    if (moneda && t.startsWith(QChar(u'€')))
        t = t.mid(1).trimmed();
    else if (moneda && t.endsWith(QChar(u'€')))
        t = t.chopped(1).trimmed();
    return t;
}

// The text with its thousands separators taken out, when they stand in
// well-formed groups: one kind of separator throughout (the regional one,
// or blanks of any kind), one to three digits before the first, exactly
// three after each, and after the whole part nothing but the regional
// decimal separator and digits. A text without separators comes back as it
// is; a badly grouped one gives nullopt.
std::optional<QString> SinGrupos(const QString& t) {
    QString salida;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        salida += t[i++];
    QChar separador;
    int cifrasDelGrupo = 0;
    bool agrupado = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (EsCifra(c)) {
            salida += c;
            if (agrupado && ++cifrasDelGrupo > 3)
                return std::nullopt;
            if (!agrupado)
                ++cifrasDelGrupo;
            continue;
        }
        const QChar clase = c.isSpace() ? QChar(u' ') : c;
        if (clase != QChar(u' ') && clase != Ajustes().separadorMiles)
            break;
        const bool grupoCompleto = agrupado ? cifrasDelGrupo == 3 : cifrasDelGrupo >= 1 && cifrasDelGrupo <= 3;
        if (!grupoCompleto || (agrupado && clase != separador))
            return std::nullopt;
        separador = clase;
        agrupado = true;
        cifrasDelGrupo = 0;
    }
    if (!agrupado)
        return t;
    if (cifrasDelGrupo != 3)
        return std::nullopt;
    if (i < t.size()) {
        if (t[i] != Ajustes().separadorDecimal)
            return std::nullopt;
        salida += t[i++];
        for (; i < t.size(); ++i) {
            if (!EsCifra(t[i]))
                return std::nullopt;
            salida += t[i];
        }
    }
    return salida;
}

// The plain form of a pasted text, ready for FormaC.
std::string FormaPegada(const QString& texto, bool moneda, const char* que) {
    const std::optional<QString> plano = SinGrupos(SinAdornos(texto, moneda));
    if (!plano)
        NoEsNumero(texto, que);
    return FormaC(*plano, moneda);
}

}  // namespace

double LeerNumero(const QString& texto) { return DeFormaC<double>(FormaC(texto, true), texto, "número"); }

int LeerEntero(const QString& texto) { return DeFormaC<int>(FormaC(texto, false), texto, "número entero"); }

double LeerImporte(const QString& texto) {
    const double valor = DeFormaC<double>(FormaPegada(texto, true, "número"), texto, "número");
    if (!ImporteMostrable(valor))
        throw EConvertError(QStringLiteral("\"%1\" es un número demasiado grande: no puede pasar de "
                                           "1.000.000.000.000.000")
                                .arg(texto)
                                .toStdString());
    return valor;
}

int LeerCantidad(const QString& texto) {
    return DeFormaC<int>(FormaPegada(texto, false, "número entero"), texto, "número entero");
}
