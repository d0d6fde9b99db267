#include "util/escritura_fecha.h"

namespace {

// The day and the month are two-digit parts followed by their separator.
constexpr int kAnchoParte = 2;
constexpr int kInicioParte[] = {0, kAnchoParte + 1};

}  // namespace

std::optional<TextoConCursor> CerrarParteFecha(const QString& texto, int cursor) {
    for (const int inicio : kInicioParte) {
        const int fin = inicio + kAnchoParte;
        if (cursor < inicio || cursor > fin)
            continue;
        if (texto.size() < fin + 1)
            return std::nullopt;
        QString cifras = texto.mid(inicio, cursor - inicio);
        cifras.remove(QLatin1Char(' '));
        if (cifras.isEmpty())
            return std::nullopt;
        const QString parte = cifras.rightJustified(kAnchoParte, QLatin1Char('0'));
        return TextoConCursor{texto.left(inicio) + parte + texto.mid(fin), fin + 1};
    }
    return std::nullopt;
}
