#include "util/textos_numericos.h"

#include "util/ajustes_regionales.h"
#include "util/excepcion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// The shortest decimal digits that read back as the same double, then rounded
// to two decimals with halves away from zero: 1.125 gives 1.13 and 1.005
// (really 1.00499999...) gives 1.01, as a person rounding the shown number
// by hand would.
struct DosDecimales {
    bool negativo = false;
    std::string entera;    // at least one digit
    std::string decimales; // exactly two digits
};

std::string DigitosSinExponente(double absoluto) {
    char buffer[400];
    const auto fin = std::to_chars(buffer, buffer + sizeof buffer, absoluto, std::chars_format::fixed);
    return std::string(buffer, fin.ptr);
}

void SumarUnoAlFinal(std::string& digitos) {
    for (auto i = digitos.size(); i-- > 0;) {
        if (digitos[i] == '9') {
            digitos[i] = '0';
        } else {
            ++digitos[i];
            return;
        }
    }
    digitos.insert(digitos.begin(), '1');
}

DosDecimales Redondear(double valor) {
    DosDecimales r;
    const std::string texto = DigitosSinExponente(std::fabs(valor));
    const auto punto = texto.find('.');
    r.entera = texto.substr(0, punto);
    std::string fraccion = punto == std::string::npos ? std::string() : texto.substr(punto + 1);
    fraccion.resize(std::max<size_t>(fraccion.size(), 3), '0');
    std::string cifras = r.entera + fraccion.substr(0, 2);
    if (fraccion[2] >= '5')
        SumarUnoAlFinal(cifras);
    r.entera = cifras.substr(0, cifras.size() - 2);
    r.decimales = cifras.substr(cifras.size() - 2);
    if (r.entera.empty())
        r.entera.assign(1, '0');
    const bool cero = r.entera.find_first_not_of('0') == std::string::npos && r.decimales == "00";
    r.negativo = std::signbit(valor) && !cero;
    return r;
}

QString Agrupar(const std::string& entera) {
    QString resultado;
    const int n = static_cast<int>(entera.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            resultado += Ajustes().separadorMiles;
        resultado += QLatin1Char(entera[static_cast<size_t>(i)]);
    }
    return resultado;
}

QString Componer(const DosDecimales& r, const QString& entera) {
    QString texto = r.negativo ? QStringLiteral("-") : QString();
    texto += entera;
    texto += Ajustes().separadorDecimal;
    texto += QString::fromLatin1(r.decimales.c_str());
    return texto;
}

[[noreturn]] void NoEsNumero(const QString& texto, const char* que) {
    throw EConvertError(QStringLiteral("\"%1\" no es un %2 válido").arg(texto, QString::fromUtf8(que)).toStdString());
}

// Turns the user's text into the C form "-12.5e3", or an empty string when
// the text is not a number of that shape.
std::string FormaC(const QString& texto, bool admiteDecimales) {
    const QString limpio = texto.trimmed();
    std::string c;
    qsizetype i = 0;
    const qsizetype n = limpio.size();
    if (i < n && (limpio[i] == QLatin1Char('-') || limpio[i] == QLatin1Char('+')))
        c += static_cast<char>(limpio[i++].unicode());
    int cifras = 0;
    while (i < n && limpio[i].isDigit() && limpio[i].unicode() < 128) {
        c += static_cast<char>(limpio[i++].unicode());
        ++cifras;
    }
    if (admiteDecimales && i < n && limpio[i] == Ajustes().separadorDecimal) {
        c += '.';
        ++i;
        while (i < n && limpio[i].isDigit() && limpio[i].unicode() < 128) {
            c += static_cast<char>(limpio[i++].unicode());
            ++cifras;
        }
    }
    if (cifras == 0)
        return {};
    if (admiteDecimales && i < n && (limpio[i] == QLatin1Char('e') || limpio[i] == QLatin1Char('E'))) {
        c += 'e';
        ++i;
        if (i < n && (limpio[i] == QLatin1Char('-') || limpio[i] == QLatin1Char('+')))
            c += static_cast<char>(limpio[i++].unicode());
        int exponente = 0;
        while (i < n && limpio[i].isDigit() && limpio[i].unicode() < 128) {
            c += static_cast<char>(limpio[i++].unicode());
            ++exponente;
        }
        if (exponente == 0)
            return {};
    }
    return i == n ? c : std::string();
}

}  // namespace

QString TextoDosDecimales(double valor) {
    if (!std::isfinite(valor))
        return QString();
    const DosDecimales r = Redondear(valor);
    return Componer(r, QString::fromLatin1(r.entera.c_str()));
}

QString TextoImporte(double valor) {
    if (!std::isfinite(valor))
        return QString();
    const DosDecimales r = Redondear(valor);
    return Componer(r, Agrupar(r.entera));
}

QString TextoEntero(long long valor) { return QString::number(valor); }

double LeerNumero(const QString& texto) {
    std::string c = FormaC(texto, true);
    if (c.empty())
        NoEsNumero(texto, "número");
    if (c.front() == '+')
        c.erase(c.begin());
    double valor = 0;
    const auto r = std::from_chars(c.data(), c.data() + c.size(), valor);
    if (r.ec != std::errc() || r.ptr != c.data() + c.size() || !std::isfinite(valor))
        NoEsNumero(texto, "número");
    return valor;
}

int LeerEntero(const QString& texto) {
    std::string c = FormaC(texto, false);
    if (c.empty())
        NoEsNumero(texto, "número entero");
    if (c.front() == '+')
        c.erase(c.begin());
    int valor = 0;
    const auto r = std::from_chars(c.data(), c.data() + c.size(), valor);
    if (r.ec != std::errc() || r.ptr != c.data() + c.size())
        NoEsNumero(texto, "número entero");
    return valor;
}
