#include "widgets/grid/layout_writer.h"

namespace {

constexpr int BytesPorLinea = 32;

void Sangria(QByteArray& out, int nivel) {
    out.append(QByteArray(nivel * 2, ' '));
}

void EscribirTexto(QByteArray& out, const QString& texto) {
    if (texto.isEmpty()) {
        out.append("''");
        return;
    }
    bool dentro = false;
    for (const char32_t punto : texto.toUcs4()) {
        const bool imprimible = punto >= 0x20 && punto != 0x7F && !(punto >= 0x80 && punto < 0xA0);
        if (imprimible) {
            if (!dentro)
                out.append('\'');
            dentro = true;
            if (punto == '\'')
                out.append("''");
            else
                out.append(QString::fromUcs4(&punto, 1).toUtf8());
        } else {
            if (dentro)
                out.append('\'');
            dentro = false;
            out.append('#').append(QByteArray::number(quint32(punto)));
        }
    }
    if (dentro)
        out.append('\'');
}

void EscribirValor(QByteArray& out, const TLayoutValue& v, int nivel) {
    switch (v.kind) {
    case TLayoutValue::Kind::Integer: out.append(QByteArray::number(v.integer)); break;
    case TLayoutValue::Kind::String: EscribirTexto(out, v.text); break;
    case TLayoutValue::Kind::Identifier: out.append(v.text.toLatin1()); break;
    case TLayoutValue::Kind::Set: out.append('[').append(v.names.join(QStringLiteral(", ")).toLatin1()).append(']'); break;
    case TLayoutValue::Kind::Binary:
        if (v.bytes.isEmpty()) {
            out.append("{}");
            break;
        }
        out.append("{\n");
        for (qsizetype i = 0; i < v.bytes.size(); i += BytesPorLinea) {
            Sangria(out, nivel + 1);
            out.append(v.bytes.mid(i, BytesPorLinea).toHex().toUpper()).append('\n');
        }
        Sangria(out, nivel);
        out.append('}');
        break;
    case TLayoutValue::Kind::List:
        if (v.items.empty()) {
            out.append("()");
            break;
        }
        out.append("(\n");
        for (const auto& item : v.items) {
            Sangria(out, nivel + 1);
            EscribirValor(out, item, nivel + 1);
            out.append('\n');
        }
        Sangria(out, nivel);
        out.append(')');
        break;
    }
}

}  // namespace

QByteArray WriteLayout(const TLayoutDocument& layout) {
    QByteArray out;
    out.append("object ").append(layout.objectName.toLatin1()).append(": ").append(layout.className.toLatin1());
    out.append('\n');
    for (const auto& p : layout.properties) {
        Sangria(out, 1);
        out.append(p.name.toLatin1()).append(" = ");
        EscribirValor(out, p.value, 1);
        out.append('\n');
    }
    out.append("end\n");
    return out;
}
