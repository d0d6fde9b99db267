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

[[noreturn]] void NoCabe(const QString& texto, const QString& limite) {
    throw EConvertError(
        QStringLiteral("\"%1\" es un número demasiado grande: no puede pasar de %2").arg(texto, limite).toStdString());
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

// How a text read: a number, not a number at all, or a number beyond what
// the type holds, near zero or far from it.
enum class Lectura { Valida, Invalida, DemasiadoPequena, DemasiadoGrande };

// The C form as a number of type T in `valor`.
template <typename T>
Lectura DeFormaC(std::string c, T& valor) {
    if (!c.empty() && c.front() == '+')
        c.erase(c.begin());
    const char* fin = c.data() + c.size();
    const auto r = std::from_chars(c.data(), fin, valor);
    if (c.empty() || r.ptr != fin)
        return Lectura::Invalida;
    if (r.ec == std::errc::result_out_of_range) {
        // A double too close to zero still reads as a long double, whose
        // range is far wider; an integer out of range is always too large.
        long double amplio = 0;
        const bool cercaDeCero = std::is_floating_point_v<T> &&
                                 std::from_chars(c.data(), fin, amplio).ec == std::errc() && std::fabs(amplio) < 1;
        return cercaDeCero ? Lectura::DemasiadoPequena : Lectura::DemasiadoGrande;
    }
    if (r.ec != std::errc())
        return Lectura::Invalida;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(valor))
            return Lectura::Invalida;
    }
    return Lectura::Valida;
}

// The C form as a number of type T; anything else is "not a valid number",
// and the message names the user's text.
template <typename T>
T DeFormaC(std::string c, const QString& original, const char* que) {
    T valor{};
    if (DeFormaC(std::move(c), valor) != Lectura::Valida)
        NoEsNumero(original, que);
    return valor;
}

bool EsCifra(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }


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

// The plain form of a pasted text, ready for FormaC; empty when its
// grouping is wrong.
std::string FormaPegada(const QString& texto, bool moneda) {
    const std::optional<QString> plano = SinGrupos(SinAdornosDeImporte(texto, moneda, false));
    return plano ? FormaC(*plano, moneda) : std::string();
}

template <typename T>
Lectura LecturaPegada(const QString& texto, T& valor) {
    return DeFormaC(FormaPegada(texto, std::is_floating_point_v<T>), valor);
}

// The text with the regional decimal and thousands separators swapped:
// "3.5" for "3,5" with Spanish settings.
QString SeparadoresCambiados(const QString& texto) {
    const QChar decimal = Ajustes().separadorDecimal, miles = Ajustes().separadorMiles;
    QString cambiado = texto;
    for (QChar& c : cambiado) {
        if (c == decimal)
            c = miles;
        else if (c == miles)
            c = decimal;
    }
    return cambiado;
}

// An amount or a count as a person pastes it. A text that is not a number
// but would be one with the separators the other way round is refused
// showing the right way: "3.5" no es un número válido; escriba 3,5.
template <typename T>
T LeerPegado(const QString& texto, const char* que, const QString& limite) {
    T valor{};
    switch (LecturaPegada(texto, valor)) {
    case Lectura::Valida: return valor;
    case Lectura::DemasiadoPequena:
        throw EConvertError(QStringLiteral("\"%1\" es un número demasiado pequeño: está más cerca de cero de lo "
                                           "que se puede calcular")
                                .arg(texto)
                                .toStdString());
    case Lectura::DemasiadoGrande: NoCabe(texto, limite);
    case Lectura::Invalida: break;
    }
    const QString cambiado = SeparadoresCambiados(texto);
    T otro{};
    if (cambiado != texto && LecturaPegada(cambiado, otro) == Lectura::Valida)
        throw EConvertError(QStringLiteral("\"%1\" no es un %2 válido; escriba %3")
                                .arg(texto, QString::fromUtf8(que), cambiado.trimmed())
                                .toStdString());
    NoEsNumero(texto, que);
}

}  // namespace

QString SinAdornosDeImporte(const QString& texto, bool euro, bool porcentaje) {
    QString t = texto.trimmed();
    if (porcentaje && t.endsWith(QLatin1Char('%')))
        t = t.chopped(1).trimmed();
    if (euro && t.startsWith(QChar(u'€')))
        t = t.mid(1).trimmed();
    else if (euro && t.endsWith(QChar(u'€')))
        t = t.chopped(1).trimmed();
    return t;
}

QString FormaSinRegion(const QString& texto) { return QString::fromStdString(FormaC(texto, true)); }

double LeerNumero(const QString& texto) { return DeFormaC<double>(FormaC(texto, true), texto, "número"); }

int LeerEntero(const QString& texto) { return DeFormaC<int>(FormaC(texto, false), texto, "número entero"); }

double LeerImporte(const QString& texto) {
    const QString limite = QStringLiteral("1.000.000.000.000.000");
    const double valor = LeerPegado<double>(texto, "número", limite);
    if (!ImporteMostrable(valor))
        NoCabe(texto, limite);
    return valor;
}

int LeerCantidad(const QString& texto) {
    return LeerPegado<int>(texto, "número entero", QStringLiteral("2.147.483.647"));
}
