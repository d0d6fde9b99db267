#pragma once
// A month calendar on the base grid: seven columns, a fixed row of weekday
// names and six rows of day numbers, drawn by the grid itself. It keeps one
// selected date and shows its month with that day as the current cell.
#include "widgets/disposicion_mes.h"
#include "widgets/grid/custom_grid.h"

#include <QDate>
#include <functional>

class TCalendar : public TCustomGrid {
    Q_OBJECT

public:
    explicit TCalendar(QWidget* parent = nullptr);
    ~TCalendar() override;

    QDate SelectedDate() const { return selectedDate_; }
    // Shows the date (years 1 to 9999; anything else throws EConvertError),
    // rebuilds the grid and raises OnChange.
    void SetSelectedDate(const QDate& value);

    // Parts of the selected date by index: 1 year, 2 month, 3 day.
    int GetDateElement(int index) const;
    // Sets one part: values below 1, months above 12, days beyond the shown
    // month and years beyond 9999 are ignored, as is the current value. A
    // part that makes an impossible date (31 April) throws EConvertError.
    void SetDateElement(int index, int value);
    int Year() const { return GetDateElement(1); }
    int Month() const { return GetDateElement(2); }
    int Day() const { return GetDateElement(3); }
    void SetYear(int value) { SetDateElement(1, value); }
    void SetMonth(int value) { SetDateElement(2, value); }
    void SetDay(int value) { SetDateElement(3, value); }

    // A month back or forward keeping the day, clamped to the month's length
    // (31 March back gives 28 or 29 February). Moves beyond the years 1 to
    // 9999 are ignored.
    void MonthBack() { StepMonth(-1); }
    void MonthForward() { StepMonth(1); }
    // A year back or forward; 29 February becomes 28 first.
    void YearBack();
    void YearForward();

    // The text of a cell: the abbreviated weekday name in row 0, the day
    // number or nothing in rows 1 to 6.
    QString CellCaption(int column, int row) const;
    // The day shown in a cell of rows 1 to 6, or 0.
    int DayAt(int column, int row) const { return layout_.DiaEn(column, row); }
    const DisposicionMes& Layout() const { return layout_; }
    int FirstDayOffset() const { return layout_.desplazamiento; }

    static int DaysInMonth(int year, int month);
    static bool LeapYear(int year);

    // Weekday shown in the first column, Sunday = 0.
    int StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(int value);
    bool UseCurrentDate() const { return useCurrentDate_; }
    // True shows today (without OnChange); false only records the flag.
    void SetUseCurrentDate(bool value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }

    // Raised after every change of the date made through the setters.
    std::function<void(TCalendar&)> OnChange;
    // Raised on a double click anywhere on the grid.
    std::function<void(TCalendar&)> OnDblClick;

protected:
    virtual void Change();
    virtual void DblClick();
    void StepMonth(int delta);
    // Lays the shown month out again and makes the selected day current.
    void UpdateCalendar();

    void DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter) override;
    // Draws the caption centred with the painter's current font and pen.
    void DrawCaption(int c, int r, const QRect& rect, QPainter& painter) const;
    bool SelectCell(int c, int r) override;
    void Click() override;
    void KeyDown(QKeyEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SizeCells();
    void AnnounceDate();

    QDate selectedDate_;
    DisposicionMes layout_;
    int startOfWeek_ = 0;
    bool useCurrentDate_ = true;
    bool readOnly_ = false;
    bool rebuilding_ = false;  // while rebuilt, a read-only calendar still moves its current cell
};
