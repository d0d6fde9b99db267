#include "widgets/grid/layout_reader.h"

#include <QFile>
#include <limits>

namespace {

// Lists may nest, but not without end: a hostile file must not exhaust the stack.
constexpr int ProfundidadMaxima = 64;

class Lector {
public:
    explicit Lector(const QByteArray& texto) : t_(texto) {}

    TLayoutDocument Documento() {
        TLayoutDocument doc;
        Espacios();
        EsperarPalabra("object");
        doc.objectName = Identificador();
        Espacios();
        Esperar(':');
        doc.className = Identificador();
        for (;;) {
            Espacios();
            if (Fin())
                throw Fallo(QStringLiteral("falta 'end' al final del objeto"));
            const int linea = linea_, columna = columna_;
            const QString nombre = Identificador();
            if (nombre == QLatin1String("end"))
                break;
            Espacios();
            Esperar('=');
            TLayoutProperty p;
            p.name = nombre;
            p.line = linea;
            p.column = columna;
            p.value = Valor(0);
            doc.properties.push_back(std::move(p));
        }
        Espacios();
        if (!Fin())
            throw Fallo(QStringLiteral("hay texto después de 'end'"));
        return doc;
    }

private:
    bool Fin() const { return pos_ >= t_.size(); }
    char Actual() const { return Fin() ? '\0' : t_[pos_]; }

    void Avanzar() {
        if (t_[pos_] == '\n') {
            ++linea_;
            columna_ = 1;
        } else {
            ++columna_;
        }
        ++pos_;
    }

    ELayoutError Fallo(const QString& mensaje) const { return ELayoutError(linea_, columna_, mensaje); }

    QString Descripcion() const {
        if (Fin())
            return QStringLiteral("el final del texto");
        const unsigned char c = static_cast<unsigned char>(Actual());
        if (c >= 0x21 && c < 0x7F)
            return QStringLiteral("'%1'").arg(QChar(c));
        return QStringLiteral("el byte %1").arg(c);
    }

    void Espacios() {
        while (!Fin()) {
            const char c = Actual();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                Avanzar();
            } else if (c == '/' && pos_ + 1 < t_.size() && t_[pos_ + 1] == '/') {
                while (!Fin() && Actual() != '\n')
                    Avanzar();
            } else {
                break;
            }
        }
    }

    void Esperar(char c) {
        if (Actual() != c || Fin())
            throw Fallo(QStringLiteral("se esperaba '%1' y hay %2").arg(QChar(c)).arg(Descripcion()));
        Avanzar();
    }

    static bool InicioNombre(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
    static bool ParteNombre(char c) { return InicioNombre(c) || (c >= '0' && c <= '9') || c == '.'; }
    static int Hex(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    QString Identificador() {
        Espacios();
        if (Fin() || !InicioNombre(Actual()))
            throw Fallo(QStringLiteral("se esperaba un nombre y hay %1").arg(Descripcion()));
        const qsizetype inicio = pos_;
        while (!Fin() && ParteNombre(Actual()))
            Avanzar();
        return QString::fromLatin1(t_.constData() + inicio, pos_ - inicio);
    }

    void EsperarPalabra(const char* palabra) {
        const int linea = linea_, columna = columna_;
        if (Identificador() != QLatin1String(palabra))
            throw ELayoutError(linea, columna, QStringLiteral("se esperaba '%1'").arg(QLatin1String(palabra)));
    }

    TLayoutValue Valor(int profundidad) {
        Espacios();
        const int linea = linea_, columna = columna_;
        TLayoutValue v;
        const char c = Actual();
        if (Fin())
            throw Fallo(QStringLiteral("falta un valor"));
        if (c == '-' || (c >= '0' && c <= '9'))
            v = TLayoutValue::Int(Entero());
        else if (c == '\'' || c == '#')
            v = TLayoutValue::Str(Texto());
        else if (InicioNombre(c))
            v = TLayoutValue::Ident(Identificador());
        else if (c == '[')
            v = TLayoutValue::SetOf(Conjunto());
        else if (c == '{')
            v = TLayoutValue::Bin(Binario());
        else if (c == '(')
            v = Lista(profundidad);
        else
            throw Fallo(QStringLiteral("se esperaba un valor y hay %1").arg(Descripcion()));
        v.line = linea;
        v.column = columna;
        return v;
    }

    qint32 Entero() {
        const int linea = linea_, columna = columna_;
        bool negativo = false;
        if (Actual() == '-') {
            negativo = true;
            Avanzar();
        }
        if (Fin() || Actual() < '0' || Actual() > '9')
            throw Fallo(QStringLiteral("se esperaba una cifra y hay %1").arg(Descripcion()));
        qint64 valor = 0;
        while (!Fin() && Actual() >= '0' && Actual() <= '9') {
            valor = valor * 10 + (Actual() - '0');
            if (valor > qint64(1) << 31)
                throw ELayoutError(linea, columna, QStringLiteral("el entero no cabe en 32 bits"));
            Avanzar();
        }
        if (negativo)
            valor = -valor;
        if (valor > std::numeric_limits<qint32>::max())
            throw ELayoutError(linea, columna, QStringLiteral("el entero no cabe en 32 bits"));
        if (!Fin() && ParteNombre(Actual()))
            throw Fallo(QStringLiteral("carácter inesperado %1 tras un entero").arg(Descripcion()));
        return qint32(valor);
    }

    QString Texto() {
        QString resultado;
        for (;;) {
            if (Actual() == '\'' && !Fin()) {
                Avanzar();
                QByteArray parte;
                for (;;) {
                    if (Fin() || Actual() == '\n')
                        throw Fallo(QStringLiteral("texto sin cerrar"));
                    if (Actual() == '\'') {
                        if (pos_ + 1 < t_.size() && t_[pos_ + 1] == '\'') {
                            Avanzar();
                            Avanzar();
                            parte.append('\'');
                            continue;
                        }
                        Avanzar();
                        break;
                    }
                    parte.append(Actual());
                    Avanzar();
                }
                resultado += QString::fromUtf8(parte);
            } else if (Actual() == '#' && !Fin()) {
                const int linea = linea_, columna = columna_;
                Avanzar();
                if (Fin() || Actual() < '0' || Actual() > '9')
                    throw Fallo(QStringLiteral("se esperaba el código de un carácter tras '#'"));
                qint64 codigo = 0;
                while (!Fin() && Actual() >= '0' && Actual() <= '9') {
                    codigo = codigo * 10 + (Actual() - '0');
                    if (codigo > 0x10FFFF)
                        throw ELayoutError(linea, columna, QStringLiteral("código de carácter fuera de rango"));
                    Avanzar();
                }
                if (codigo >= 0xD800 && codigo <= 0xDFFF)
                    throw ELayoutError(linea, columna, QStringLiteral("código de carácter fuera de rango"));
                const char32_t punto = char32_t(codigo);
                resultado += QString::fromUcs4(&punto, 1);
            } else {
                return resultado;
            }
        }
    }

    QStringList Conjunto() {
        QStringList nombres;
        Esperar('[');
        Espacios();
        if (Actual() == ']' && !Fin()) {
            Avanzar();
            return nombres;
        }
        for (;;) {
            nombres << Identificador();
            Espacios();
            if (Actual() == ']' && !Fin()) {
                Avanzar();
                return nombres;
            }
            Esperar(',');
        }
    }

    QByteArray Binario() {
        QByteArray bytes;
        Esperar('{');
        for (;;) {
            Espacios();
            if (Fin())
                throw Fallo(QStringLiteral("bloque binario sin cerrar"));
            if (Actual() == '}') {
                Avanzar();
                return bytes;
            }
            const int alto = Hex(Actual());
            if (alto < 0)
                throw Fallo(QStringLiteral("se esperaba una cifra hexadecimal y hay %1").arg(Descripcion()));
            Avanzar();
            const int bajo = Fin() ? -1 : Hex(Actual());
            if (bajo < 0)
                throw Fallo(QStringLiteral("byte incompleto: se esperaba otra cifra hexadecimal y hay %1")
                                .arg(Descripcion()));
            Avanzar();
            bytes.append(char(alto * 16 + bajo));
        }
    }

    TLayoutValue Lista(int profundidad) {
        if (profundidad >= ProfundidadMaxima)
            throw Fallo(QStringLiteral("demasiadas listas anidadas"));
        Esperar('(');
        std::vector<TLayoutValue> valores;
        for (;;) {
            Espacios();
            if (Fin())
                throw Fallo(QStringLiteral("lista sin cerrar: falta ')'"));
            if (Actual() == ')') {
                TLayoutValue v = TLayoutValue::ListOf(std::move(valores));
                v.endLine = linea_;
                v.endColumn = columna_;
                Avanzar();
                return v;
            }
            valores.push_back(Valor(profundidad + 1));
        }
    }

    const QByteArray& t_;
    qsizetype pos_ = 0;
    int linea_ = 1;
    int columna_ = 1;
};

}  // namespace

TLayoutDocument ReadLayout(const QByteArray& text) {
    return Lector(text).Documento();
}

TLayoutDocument ReadLayoutFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw ELayoutError(0, 0, QStringLiteral("no se puede abrir '%1'").arg(path));
    return ReadLayout(f.readAll());
}
