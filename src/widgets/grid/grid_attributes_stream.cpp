// The attribute lists as extra layout properties: eight binary blocks of
// fixed-size records and twenty lists of flat values.
#include "widgets/grid/grid_attributes.h"
#include "widgets/grid/layout_filer.h"

namespace {

using Reader = TLayoutFiler::Reader;
using Writer = TLayoutFiler::Writer;

quint16 Palabra(const QByteArray& b, qsizetype i) {
    return quint16(quint8(b[i]) | (quint8(b[i + 1]) << 8));
}

void PonerPalabra(QByteArray& b, int v) {
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

// List coordinates keep their low 16 bits, taken as unsigned.
int Coordenada(qint32 v) {
    return int(quint16(quint32(v)));
}

// The last index worth writing: within the grid and representable in a word.
int Limite(int count) {
    return qMin(count, 65536);
}

template <class T>
qint32 AEntero(T v) {
    return qint32(v);
}

template <class List>
Reader LeerBinarioLista(List& lista, bool& flag) {
    return [&lista, &flag](const TLayoutValue& v) {
        const QByteArray& b = v.bytes;
        for (qsizetype i = 0; i + 3 <= b.size(); i += 3) {
            using Valor = typename std::remove_cvref_t<decltype(lista.Slot(0))>::value_type;
            lista.Put(Palabra(b, i), Valor(quint8(b[i + 2])));
            flag = true;
        }
    };
}

template <class List>
Reader LeerBinarioCeldas(List& lista, bool& flag) {
    return [&lista, &flag](const TLayoutValue& v) {
        const QByteArray& b = v.bytes;
        for (qsizetype i = 0; i + 5 <= b.size(); i += 5) {
            using Valor = typename std::remove_cvref_t<decltype(lista.Slot(0, 0))>::value_type;
            lista.Put(Palabra(b, i), Palabra(b, i + 2), Valor(quint8(b[i + 4])));
            flag = true;
        }
    };
}

template <class List>
Writer EscribirBinarioLista(const List& lista, const int& count) {
    return [&lista, &count] {
        QByteArray b;
        for (int i = 0; i < Limite(count); ++i)
            if (const auto* p = lista.At(i)) {
                PonerPalabra(b, i);
                b.append(char(quint8(*p)));
            }
        return TLayoutValue::Bin(b);
    };
}

template <class List>
Writer EscribirBinarioCeldas(const List& lista, const int& cols, const int& rows) {
    return [&lista, &cols, &rows] {
        QByteArray b;
        for (int c = 0; c < qMin(Limite(cols), lista.ColumnCount()); ++c)
            if (const auto* columna = lista.Column(c))
                for (int r = 0; r < qMin(Limite(rows), columna->Count()); ++r)
                    if (const auto* p = columna->At(r)) {
                        PonerPalabra(b, c);
                        PonerPalabra(b, r);
                        b.append(char(quint8(*p)));
                    }
        return TLayoutValue::Bin(b);
    };
}

// Visits the present entries of a list in index order within count.
template <class List, class F>
void PorIndice(const List& lista, int count, F f) {
    for (int i = 0; i < qMin(Limite(count), lista.Count()); ++i)
        if (auto* p = lista.At(i))
            f(i, *p);
}

template <class List, class F>
void PorCelda(const List& lista, int cols, int rows, F f) {
    for (int c = 0; c < qMin(Limite(cols), lista.ColumnCount()); ++c)
        if (const auto* columna = lista.Column(c))
            for (int r = 0; r < qMin(Limite(rows), columna->Count()); ++r)
                if (auto* p = columna->At(r))
                    f(c, r, *p);
}

std::unique_ptr<TGridFont> LeerFuente(TLayoutListCursor& cursor, const TGridAttributes& a) {
    auto f = a.NewFont();
    auto aviso = std::move(f->OnChange);
    f->SetColor(TColor(quint32(cursor.ReadInteger())));
    f->SetHeight(cursor.ReadInteger());
    f->SetName(cursor.ReadString());
    f->SetPitch(cursor.ReadInteger());
    f->SetStyle(quint8(cursor.ReadInteger() & 0xFF));
    f->OnChange = std::move(aviso);
    return f;
}

void EscribirFuente(std::vector<TLayoutValue>& v, const TGridFont& f) {
    v.push_back(TLayoutValue::Int(qint32(f.Color())));
    v.push_back(TLayoutValue::Int(f.Height()));
    v.push_back(TLayoutValue::Str(f.Name()));
    v.push_back(TLayoutValue::Int(f.Pitch()));
    v.push_back(TLayoutValue::Int(f.Style()));
}

std::unique_ptr<TGridBrush> LeerBrocha(TLayoutListCursor& cursor, const TGridAttributes& a) {
    auto b = a.NewBrush();
    auto aviso = std::move(b->OnChange);
    b->SetColor(TColor(quint32(cursor.ReadInteger())));
    b->SetStyle(cursor.ReadInteger());
    b->OnChange = std::move(aviso);
    return b;
}

void EscribirBrocha(std::vector<TLayoutValue>& v, const TGridBrush& b) {
    v.push_back(TLayoutValue::Int(qint32(b.Color())));
    v.push_back(TLayoutValue::Int(b.Style()));
}

}  // namespace

void TGridAttributes::DefineProperties(TLayoutFiler& filer, std::function<QString(int, int)> cellText) {
    // The counts as they are now; the writers keep this copy alive.
    struct Cuentas {
        int cols, rows;
    };
    auto cuentas = std::make_shared<Cuentas>(Cuentas{geometry_.ColCount(), geometry_.RowCount()});
    const int& cols = cuentas->cols;
    const int& rows = cuentas->rows;
    auto guardar = [cuentas](Writer w) {
        return Writer([cuentas, w] { return w(); });
    };

    filer.DefineBinaryProperty(QStringLiteral("AlignCell"), LeerBinarioCeldas(AlignCellList, Flags.AlignCell),
                               guardar(EscribirBinarioCeldas(AlignCellList, cols, rows)), Flags.AlignCell);
    filer.DefineBinaryProperty(QStringLiteral("AlignCol"), LeerBinarioLista(AlignColList, Flags.AlignCol),
                               guardar(EscribirBinarioLista(AlignColList, cols)), Flags.AlignCol);
    filer.DefineBinaryProperty(QStringLiteral("FixedAlignCol"), LeerBinarioLista(FixedAlignColList, Flags.FixedAlignCol),
                               guardar(EscribirBinarioLista(FixedAlignColList, cols)), Flags.FixedAlignCol);
    filer.DefineBinaryProperty(QStringLiteral("AlignRow"), LeerBinarioLista(AlignRowList, Flags.AlignRow),
                               guardar(EscribirBinarioLista(AlignRowList, rows)), Flags.AlignRow);
    filer.DefineBinaryProperty(QStringLiteral("FixedAlignRow"), LeerBinarioLista(FixedAlignRowList, Flags.FixedAlignRow),
                               guardar(EscribirBinarioLista(FixedAlignRowList, rows)), Flags.FixedAlignRow);
    filer.DefineBinaryProperty(QStringLiteral("EditCell"), LeerBinarioCeldas(EditCellList, Flags.EditCell),
                               guardar(EscribirBinarioCeldas(EditCellList, cols, rows)), Flags.EditCell);
    filer.DefineBinaryProperty(QStringLiteral("EditCol"), LeerBinarioLista(EditColList, Flags.EditCol),
                               guardar(EscribirBinarioLista(EditColList, cols)), Flags.EditCol);
    filer.DefineBinaryProperty(QStringLiteral("EditRow"), LeerBinarioLista(EditRowList, Flags.EditRow),
                               guardar(EscribirBinarioLista(EditRowList, rows)), Flags.EditRow);

    // Lists of (column, row, text).
    auto textos = [&](const char* nombre, TTextCellList& lista, bool& flag, Writer w) {
        filer.DefineProperty(
            QLatin1String(nombre),
            [&lista, &flag](const TLayoutValue& v) {
                TLayoutListCursor cursor(v);
                while (!cursor.AtEnd()) {
                    const int c = Coordenada(cursor.ReadInteger());
                    const int r = Coordenada(cursor.ReadInteger());
                    lista.Put(c, r, cursor.ReadString());
                    flag = true;
                }
            },
            guardar(w), flag);
    };
    textos("HintCell", HintCellList, Flags.HintCell, [this, &cols, &rows] {
        std::vector<TLayoutValue> v;
        PorCelda(HintCellList, cols, rows, [&](int c, int r, const QString& t) {
            v.push_back(TLayoutValue::Int(c));
            v.push_back(TLayoutValue::Int(r));
            v.push_back(TLayoutValue::Str(t));
        });
        return TLayoutValue::ListOf(std::move(v));
    });
    textos("Cells", LoadedCells, Flags.Cells, [cellText, &cols, &rows] {
        std::vector<TLayoutValue> v;
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r) {
                const QString t = cellText(c, r);
                if (!t.isEmpty()) {
                    v.push_back(TLayoutValue::Int(Coordenada(c)));
                    v.push_back(TLayoutValue::Int(Coordenada(r)));
                    v.push_back(TLayoutValue::Str(t));
                }
            }
        return TLayoutValue::ListOf(std::move(v));
    });

    // Fonts and brushes share one shape: a list per cell, then one per line;
    // only the attributes that were changed are written.
    auto porCelda = [&](const char* nombre, auto& lista, bool& flag, auto leer, auto escribir) {
        filer.DefineProperty(
            QLatin1String(nombre),
            [this, &lista, &flag, leer](const TLayoutValue& v) {
                TLayoutListCursor cursor(v);
                while (!cursor.AtEnd()) {
                    const int c = Coordenada(cursor.ReadInteger());
                    const int r = Coordenada(cursor.ReadInteger());
                    lista.Put(c, r, leer(cursor, *this));
                    flag = true;
                }
            },
            guardar([&lista, &cols, &rows, escribir] {
                std::vector<TLayoutValue> v;
                PorCelda(lista, cols, rows, [&](int c, int r, const auto& atributo) {
                    if (!atributo.Modified())
                        return;
                    v.push_back(TLayoutValue::Int(c));
                    v.push_back(TLayoutValue::Int(r));
                    escribir(v, atributo);
                });
                return TLayoutValue::ListOf(std::move(v));
            }),
            flag);
    };
    auto porLinea = [&](const char* nombre, auto& lista, bool& flag, const int& count, auto leer, auto escribir) {
        filer.DefineProperty(
            QLatin1String(nombre),
            [this, &lista, &flag, leer](const TLayoutValue& v) {
                TLayoutListCursor cursor(v);
                while (!cursor.AtEnd()) {
                    const int i = Coordenada(cursor.ReadInteger());
                    lista.Put(i, leer(cursor, *this));
                    flag = true;
                }
            },
            guardar([&lista, &count, escribir] {
                std::vector<TLayoutValue> v;
                PorIndice(lista, count, [&](int i, const auto& atributo) {
                    if (!atributo.Modified())
                        return;
                    v.push_back(TLayoutValue::Int(i));
                    escribir(v, atributo);
                });
                return TLayoutValue::ListOf(std::move(v));
            }),
            flag);
    };
    porCelda("FontCell", FontCellList, Flags.FontCell, LeerFuente, EscribirFuente);
    porLinea("FontCol", FontColList, Flags.FontCol, cols, LeerFuente, EscribirFuente);
    porLinea("FontFixedCol", FontFixedColList, Flags.FontFixedCol, cols, LeerFuente, EscribirFuente);
    porLinea("FontRow", FontRowList, Flags.FontRow, rows, LeerFuente, EscribirFuente);
    porLinea("FontFixedRow", FontFixedRowList, Flags.FontFixedRow, rows, LeerFuente, EscribirFuente);
    porCelda("BrushCell", BrushCellList, Flags.BrushCell, LeerBrocha, EscribirBrocha);
    porLinea("BrushCol", BrushColList, Flags.BrushCol, cols, LeerBrocha, EscribirBrocha);
    porLinea("BrushFixedCol", BrushFixedColList, Flags.BrushFixedCol, cols, LeerBrocha, EscribirBrocha);
    porLinea("BrushRow", BrushRowList, Flags.BrushRow, rows, LeerBrocha, EscribirBrocha);
    porLinea("BrushFixedRow", BrushFixedRowList, Flags.BrushFixedRow, rows, LeerBrocha, EscribirBrocha);

    // Older layouts give only the colour of a brush; read, never written.
    filer.DefineProperty(
        QStringLiteral("ColorCell"),
        [this](const TLayoutValue& v) {
            TLayoutListCursor cursor(v);
            while (!cursor.AtEnd()) {
                const int c = Coordenada(cursor.ReadInteger());
                const int r = Coordenada(cursor.ReadInteger());
                BrushCell(c, r).SetColor(TColor(quint32(cursor.ReadInteger())));
            }
        },
        Writer(), false);
    auto colores = [&](const char* nombre, TGridBrush& (TGridAttributes::*acceso)(int)) {
        filer.DefineProperty(
            QLatin1String(nombre),
            [this, acceso](const TLayoutValue& v) {
                TLayoutListCursor cursor(v);
                while (!cursor.AtEnd()) {
                    const int i = Coordenada(cursor.ReadInteger());
                    (this->*acceso)(i).SetColor(TColor(quint32(cursor.ReadInteger())));
                }
            },
            Writer(), false);
    };
    colores("ColorCol", &TGridAttributes::BrushCol);
    colores("ColorFixedCol", &TGridAttributes::BrushFixedCol);
    colores("ColorRow", &TGridAttributes::BrushRow);
    colores("ColorFixedRow", &TGridAttributes::BrushFixedRow);

    // Selected background colours.
    filer.DefineProperty(
        QStringLiteral("SelectedColorCell"),
        [this](const TLayoutValue& v) {
            TLayoutListCursor cursor(v);
            while (!cursor.AtEnd()) {
                const int c = Coordenada(cursor.ReadInteger());
                const int r = Coordenada(cursor.ReadInteger());
                SelectedColorCellList.Put(c, r, TColor(quint32(cursor.ReadInteger())));
                Flags.SelectedColorCell = true;
            }
        },
        guardar([this, &cols, &rows] {
            std::vector<TLayoutValue> v;
            PorCelda(SelectedColorCellList, cols, rows, [&](int c, int r, TColor color) {
                v.push_back(TLayoutValue::Int(c));
                v.push_back(TLayoutValue::Int(r));
                v.push_back(TLayoutValue::Int(AEntero(color)));
            });
            return TLayoutValue::ListOf(std::move(v));
        }),
        Flags.SelectedColorCell);
    auto seleccion = [&](const char* nombre, TColorList& lista, bool& flag, const int& count) {
        filer.DefineProperty(
            QLatin1String(nombre),
            [&lista, &flag](const TLayoutValue& v) {
                TLayoutListCursor cursor(v);
                while (!cursor.AtEnd()) {
                    const int i = Coordenada(cursor.ReadInteger());
                    lista.Put(i, TColor(quint32(cursor.ReadInteger())));
                    flag = true;
                }
            },
            guardar([&lista, &count] {
                std::vector<TLayoutValue> v;
                PorIndice(lista, count, [&](int i, TColor color) {
                    v.push_back(TLayoutValue::Int(i));
                    v.push_back(TLayoutValue::Int(AEntero(color)));
                });
                return TLayoutValue::ListOf(std::move(v));
            }),
            flag);
    };
    seleccion("SelectedColorCol", SelectedColorColList, Flags.SelectedColorCol, cols);
    seleccion("SelectedColorRow", SelectedColorRowList, Flags.SelectedColorRow, rows);
}
