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
Writer EscribirBinarioLista(const List& lista, int count) {
    return [&lista, count] {
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
Writer EscribirBinarioCeldas(const List& lista, int cols, int rows) {
    return [&lista, cols, rows] {
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

// Reads a list of (column, row, value…) or (index, value…) entries; poner
// reads the value of each from the cursor and stores it.
Reader LeerPorCelda(std::function<void(int, int, TLayoutListCursor&)> poner) {
    return [poner](const TLayoutValue& v) {
        TLayoutListCursor cursor(v);
        while (!cursor.AtEnd()) {
            const int c = Coordenada(cursor.ReadInteger());
            const int r = Coordenada(cursor.ReadInteger());
            poner(c, r, cursor);
        }
    };
}

Reader LeerPorLinea(std::function<void(int, TLayoutListCursor&)> poner) {
    return [poner](const TLayoutValue& v) {
        TLayoutListCursor cursor(v);
        while (!cursor.AtEnd()) {
            const int i = Coordenada(cursor.ReadInteger());
            poner(i, cursor);
        }
    };
}

constexpr auto Siempre = [](const auto&) { return true; };
constexpr auto Modificado = [](const auto& atributo) { return atributo.Modified(); };

// Writes the entries of a list that incluir accepts as (column, row,
// value…) or (index, value…); escribir appends an entry's values.
template <class List, class Incluir, class Escribir>
Writer EscribirPorCelda(const List& lista, int cols, int rows, Incluir incluir, Escribir escribir) {
    return [&lista, cols, rows, incluir, escribir] {
        std::vector<TLayoutValue> v;
        PorCelda(lista, cols, rows, [&](int c, int r, const auto& x) {
            if (!incluir(x))
                return;
            v.push_back(TLayoutValue::Int(c));
            v.push_back(TLayoutValue::Int(r));
            escribir(v, x);
        });
        return TLayoutValue::ListOf(std::move(v));
    };
}

template <class List, class Incluir, class Escribir>
Writer EscribirPorLinea(const List& lista, int count, Incluir incluir, Escribir escribir) {
    return [&lista, count, incluir, escribir] {
        std::vector<TLayoutValue> v;
        PorIndice(lista, count, [&](int i, const auto& x) {
            if (!incluir(x))
                return;
            v.push_back(TLayoutValue::Int(i));
            escribir(v, x);
        });
        return TLayoutValue::ListOf(std::move(v));
    };
}

void EscribirTexto(std::vector<TLayoutValue>& v, const QString& t) { v.push_back(TLayoutValue::Str(t)); }
void EscribirColor(std::vector<TLayoutValue>& v, TColor color) { v.push_back(TLayoutValue::Int(AEntero(color))); }

TColor LeerColor(TLayoutListCursor& cursor) { return TColor(quint32(cursor.ReadInteger())); }

// What one property gives the filer: hasData is whether it was read, and
// so is written back; a property without a writer is only read.
struct TDefinicion {
    Reader reader;
    Writer writer;
    bool hasData = false;
    bool binario = false;
};

// The grid's counts when the properties are defined, and its cell texts.
struct TContexto {
    int cols;
    int rows;
    std::function<QString(int, int)> cellText;
};

using A = TGridAttributes;
using X = TContexto;

template <class List>
TDefinicion BinarioLista(List& lista, bool& flag, int count) {
    return {LeerBinarioLista(lista, flag), EscribirBinarioLista(lista, count), flag, true};
}

template <class List>
TDefinicion BinarioCeldas(List& lista, bool& flag, const X& x) {
    return {LeerBinarioCeldas(lista, flag), EscribirBinarioCeldas(lista, x.cols, x.rows), flag, true};
}

// Fonts and brushes share one shape: a list per cell, then one per line;
// only the attributes that were changed are written.
template <class List, class Leer, class Escribir>
TDefinicion AtributosCelda(A& a, List& lista, bool& flag, const X& x, Leer leer, Escribir escribir) {
    return {LeerPorCelda([&a, &lista, &flag, leer](int c, int r, TLayoutListCursor& cursor) {
                lista.Put(c, r, leer(cursor, a));
                flag = true;
            }),
            EscribirPorCelda(lista, x.cols, x.rows, Modificado,
                             escribir),
            flag};
}

template <class List, class Leer, class Escribir>
TDefinicion AtributosLinea(A& a, List& lista, bool& flag, int count, Leer leer, Escribir escribir) {
    return {LeerPorLinea([&a, &lista, &flag, leer](int i, TLayoutListCursor& cursor) {
                lista.Put(i, leer(cursor, a));
                flag = true;
            }),
            EscribirPorLinea(lista, count, Modificado, escribir), flag};
}

// Fonts and brushes of cells and of lines.
TDefinicion Fuentes(A& a, TFontCellList& lista, bool& flag, const X& x) {
    return AtributosCelda(a, lista, flag, x, LeerFuente, EscribirFuente);
}
TDefinicion Fuentes(A& a, TFontList& lista, bool& flag, int count) {
    return AtributosLinea(a, lista, flag, count, LeerFuente, EscribirFuente);
}
TDefinicion Brochas(A& a, TBrushCellList& lista, bool& flag, const X& x) {
    return AtributosCelda(a, lista, flag, x, LeerBrocha, EscribirBrocha);
}
TDefinicion Brochas(A& a, TBrushList& lista, bool& flag, int count) {
    return AtributosLinea(a, lista, flag, count, LeerBrocha, EscribirBrocha);
}

TDefinicion SeleccionCelda(TColorCellList& lista, bool& flag, const X& x) {
    return {LeerPorCelda([&lista, &flag](int c, int r, TLayoutListCursor& cursor) {
                lista.Put(c, r, LeerColor(cursor));
                flag = true;
            }),
            EscribirPorCelda(lista, x.cols, x.rows, Siempre, EscribirColor), flag};
}

TDefinicion SeleccionLinea(TColorList& lista, bool& flag, int count) {
    return {LeerPorLinea([&lista, &flag](int i, TLayoutListCursor& cursor) {
                lista.Put(i, LeerColor(cursor));
                flag = true;
            }),
            EscribirPorLinea(lista, count, Siempre, EscribirColor), flag};
}

// Older layouts give only the colour of a brush; read, never written.
TDefinicion ColorAntiguo(TGridBrush& (A::*acceso)(int), A& a) {
    return {LeerPorLinea([&a, acceso](int i, TLayoutListCursor& cursor) {
                (a.*acceso)(i).SetColor(LeerColor(cursor));
            }),
            Writer()};
}

// Lists of (column, row, text).
TDefinicion Textos(TTextCellList& lista, bool& flag, Writer escribir) {
    return {LeerPorCelda([&lista, &flag](int c, int r, TLayoutListCursor& cursor) {
                lista.Put(c, r, cursor.ReadString());
                flag = true;
            }),
            std::move(escribir), flag};
}

// Every non-empty text of the grid, whatever its size.
Writer EscribirCeldas(const X& x) {
    return [cellText = x.cellText, cols = x.cols, rows = x.rows] {
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
    };
}

struct TPropiedad {
    const char* nombre;
    TDefinicion (*definir)(A& a, const X& x);
};

// The 28 properties in the order a layout writes them.
const TPropiedad Propiedades[] = {
    {"AlignCell", [](A& a, const X& x) { return BinarioCeldas(a.AlignCellList, a.Flags.AlignCell, x); }},
    {"AlignCol", [](A& a, const X& x) { return BinarioLista(a.AlignColList, a.Flags.AlignCol, x.cols); }},
    {"FixedAlignCol",
     [](A& a, const X& x) { return BinarioLista(a.FixedAlignColList, a.Flags.FixedAlignCol, x.cols); }},
    {"AlignRow", [](A& a, const X& x) { return BinarioLista(a.AlignRowList, a.Flags.AlignRow, x.rows); }},
    {"FixedAlignRow",
     [](A& a, const X& x) { return BinarioLista(a.FixedAlignRowList, a.Flags.FixedAlignRow, x.rows); }},
    {"EditCell", [](A& a, const X& x) { return BinarioCeldas(a.EditCellList, a.Flags.EditCell, x); }},
    {"EditCol", [](A& a, const X& x) { return BinarioLista(a.EditColList, a.Flags.EditCol, x.cols); }},
    {"EditRow", [](A& a, const X& x) { return BinarioLista(a.EditRowList, a.Flags.EditRow, x.rows); }},
    {"HintCell",
     [](A& a, const X& x) {
         return Textos(a.HintCellList, a.Flags.HintCell,
                       EscribirPorCelda(a.HintCellList, x.cols, x.rows, Siempre, EscribirTexto));
     }},
    {"Cells", [](A& a, const X& x) { return Textos(a.LoadedCells, a.Flags.Cells, EscribirCeldas(x)); }},
    {"FontCell", [](A& a, const X& x) { return Fuentes(a, a.FontCellList, a.Flags.FontCell, x); }},
    {"FontCol", [](A& a, const X& x) { return Fuentes(a, a.FontColList, a.Flags.FontCol, x.cols); }},
    {"FontFixedCol", [](A& a, const X& x) { return Fuentes(a, a.FontFixedColList, a.Flags.FontFixedCol, x.cols); }},
    {"FontRow", [](A& a, const X& x) { return Fuentes(a, a.FontRowList, a.Flags.FontRow, x.rows); }},
    {"FontFixedRow", [](A& a, const X& x) { return Fuentes(a, a.FontFixedRowList, a.Flags.FontFixedRow, x.rows); }},
    {"BrushCell", [](A& a, const X& x) { return Brochas(a, a.BrushCellList, a.Flags.BrushCell, x); }},
    {"BrushCol", [](A& a, const X& x) { return Brochas(a, a.BrushColList, a.Flags.BrushCol, x.cols); }},
    {"BrushFixedCol", [](A& a, const X& x) { return Brochas(a, a.BrushFixedColList, a.Flags.BrushFixedCol, x.cols); }},
    {"BrushRow", [](A& a, const X& x) { return Brochas(a, a.BrushRowList, a.Flags.BrushRow, x.rows); }},
    {"BrushFixedRow", [](A& a, const X& x) { return Brochas(a, a.BrushFixedRowList, a.Flags.BrushFixedRow, x.rows); }},
    {"ColorCell",
     [](A& a, const X&) {
         return TDefinicion{LeerPorCelda([&a](int c, int r, TLayoutListCursor& cursor) {
                                a.BrushCell(c, r).SetColor(LeerColor(cursor));
                            }),
                            Writer()};
     }},
    {"ColorCol", [](A& a, const X&) { return ColorAntiguo(&A::BrushCol, a); }},
    {"ColorFixedCol", [](A& a, const X&) { return ColorAntiguo(&A::BrushFixedCol, a); }},
    {"ColorRow", [](A& a, const X&) { return ColorAntiguo(&A::BrushRow, a); }},
    {"ColorFixedRow", [](A& a, const X&) { return ColorAntiguo(&A::BrushFixedRow, a); }},
    {"SelectedColorCell",
     [](A& a, const X& x) { return SeleccionCelda(a.SelectedColorCellList, a.Flags.SelectedColorCell, x); }},
    {"SelectedColorCol",
     [](A& a, const X& x) { return SeleccionLinea(a.SelectedColorColList, a.Flags.SelectedColorCol, x.cols); }},
    {"SelectedColorRow",
     [](A& a, const X& x) { return SeleccionLinea(a.SelectedColorRowList, a.Flags.SelectedColorRow, x.rows); }},
};

}  // namespace

void TGridAttributes::DefineProperties(TLayoutFiler& filer, std::function<QString(int, int)> cellText) {
    const TContexto contexto{geometry_.ColCount(), geometry_.RowCount(), std::move(cellText)};
    for (const TPropiedad& p : Propiedades) {
        TDefinicion d = p.definir(*this, contexto);
        const QString nombre = QLatin1String(p.nombre);
        if (d.binario)
            filer.DefineBinaryProperty(nombre, std::move(d.reader), std::move(d.writer), d.hasData);
        else
            filer.DefineProperty(nombre, std::move(d.reader), std::move(d.writer), d.hasData);
    }
}
