#pragma once
// The month calendar of the date picker: the week starts on the regional
// first day, weekends are drawn in their own colour, today carries a red
// ring, and days may carry holiday and note texts shown as marks and hints.
// Every click raises OnChange, also when the day stays the same.
#include "widgets/calendar.h"

#include <array>

class tCalendario2000 : public TCalendar {
    Q_OBJECT

public:
    explicit tCalendario2000(QWidget* parent = nullptr);

    TColor ColorFontFiesta() const { return colorFontFiesta_; }
    void SetColorFontFiesta(TColor value);
    // Whether the selected day keeps the grid's selection highlight.
    bool fMarcarDiaSelec() const { return marcarDiaSelec_; }
    void SetfMarcarDiaSelec(bool value);

    int ColumnaSabado() const { return columnaSabado_; }
    int ColumnaDomingo() const { return columnaDomingo_; }

    // Texts of the days 1 to 31 of the shown month. Adding a text appends it
    // on a new line; an empty text empties the day.
    void AnadirNota(int dia, const QString& texto);
    void AnadirFestivo(int dia, const QString& texto);
    void BorrarNotas();
    void BorrarFestivos();
    QString Nota(int dia) const;
    QString Festivo(int dia) const;

    // The day whose hint is shown, 0 for none.
    int DiaConHint() const { return diaConHint_; }

protected:
    void DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter) override;
    void Click() override;
    void MouseMove(QMouseEvent* event) override;
    void Loaded() override;
    void leaveEvent(QEvent* event) override;

private:
    // The week starts on the regional first day; the weekend columns follow.
    void AplicarPrimerDiaSemana();
    void MostrarHintDia(const QPoint& posicion);
    void OcultarHint();
    static void Anadir(QString& entrada, const QString& texto);
    static QString Texto(const std::array<QString, 31>& lista, int dia);

    TColor colorFontFiesta_ = clRed;
    bool marcarDiaSelec_ = true;
    int columnaSabado_ = 5;
    int columnaDomingo_ = 6;
    std::array<QString, 31> notasDia_;
    std::array<QString, 31> festivosDia_;
    int diaConHint_ = 0;
};
