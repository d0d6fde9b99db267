#include "widgets/calendario_2000.h"

#include "widgets/grid/grid_colors.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

const QColor ColorCabecera(199, 199, 199);
const QColor ColorFestivo(0, 128, 0);
const QColor ColorFestivoSeleccionado(0, 255, 0);
const QColor FondoFestivo(244, 244, 255);
const QColor ColorHoy(255, 0, 0);
const QColor ColorNotaSeleccionada(192, 192, 192);
const QColor ColorNota(112, 112, 112);

}  // namespace

tCalendario2000::tCalendario2000(QWidget* parent) : TCalendar(parent) {
    SetDefaultDrawing(true);
    setToolTip(QString());
    AplicarPrimerDiaSemana();
}

void tCalendario2000::Loaded() {
    TCalendar::Loaded();
    AplicarPrimerDiaSemana();
}

void tCalendario2000::AplicarPrimerDiaSemana() {
    SetStartOfWeek(InicioSemanaRegional());
    columnaDomingo_ = ColumnaDomingoPara(StartOfWeek());
    columnaSabado_ = ColumnaSabadoPara(StartOfWeek());
    InvalidateGrid();
}

void tCalendario2000::SetColorFontFiesta(TColor value) {
    colorFontFiesta_ = value;
    InvalidateGrid();
}

void tCalendario2000::SetfMarcarDiaSelec(bool value) {
    marcarDiaSelec_ = value;
    InvalidateGrid();
}

QString tCalendario2000::Texto(const std::array<QString, 31>& lista, int dia) {
    return dia >= 1 && dia <= 31 ? lista[size_t(dia - 1)] : QString();
}

void tCalendario2000::Anadir(QString& entrada, const QString& texto) {
    if (texto == entrada)
        return;
    if (texto.isEmpty())
        entrada.clear();
    else if (entrada.isEmpty())
        entrada = texto;
    else
        entrada += QLatin1Char('\n') + texto;
}

void tCalendario2000::AnadirNota(int dia, const QString& texto) {
    if (dia < 1 || dia > 31)
        return;
    Anadir(notasDia_[size_t(dia - 1)], texto);
    InvalidateGrid();
}

void tCalendario2000::AnadirFestivo(int dia, const QString& texto) {
    if (dia < 1 || dia > 31)
        return;
    Anadir(festivosDia_[size_t(dia - 1)], texto);
    InvalidateGrid();
}

void tCalendario2000::BorrarNotas() {
    notasDia_.fill(QString());
    InvalidateGrid();
}

void tCalendario2000::BorrarFestivos() {
    festivosDia_.fill(QString());
    InvalidateGrid();
}

QString tCalendario2000::Nota(int dia) const { return Texto(notasDia_, dia); }

QString tCalendario2000::Festivo(int dia) const { return Texto(festivosDia_, dia); }

void tCalendario2000::DrawCell(int c, int r, const QRect& rect, TGridDrawState, QPainter& painter) {
    if (r == 0) {
        painter.fillRect(rect, ColorCabecera);
        QFont fuente = painter.font();
        fuente.setBold(false);
        painter.setFont(fuente);
        DrawCaption(c, r, rect, painter);
        return;
    }
    const int dia = DayAt(c, r);
    if (dia == 0)
        return;
    const bool seleccionado = dia == Day();
    const QString festivo = Festivo(dia);
    bool marcado = false;
    if (!festivo.isEmpty()) {
        if (seleccionado && marcarDiaSelec_) {
            painter.setPen(ColorFestivoSeleccionado);
        } else {
            painter.setPen(ColorFestivo);
            painter.fillRect(rect, FondoFestivo);
        }
        marcado = true;
    } else if (c == columnaSabado_ || c == columnaDomingo_) {
        painter.setPen(ColorToQColor(colorFontFiesta_));
        marcado = true;
    }
    if (!marcarDiaSelec_ && festivo.isEmpty() && seleccionado) {
        painter.fillRect(rect, ColorToQColor(Color()));
        if (!marcado)
            painter.setPen(ColorToQColor(Font().Color()));
    }
    DrawCaption(c, r, rect, painter);

    const QDate fecha(Year(), Month(), dia);
    if (fecha == QDate::currentDate()) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(ColorHoy, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(rect).adjusted(1, 1, -1, -1));
        painter.restore();
    }
    if (!Nota(dia).isEmpty()) {
        painter.save();
        painter.setPen(QPen(seleccionado && marcarDiaSelec_ ? ColorNotaSeleccionada : ColorNota, 1));
        painter.setBrush(Qt::NoBrush);
        const int a = rect.width() / 5 - 1;
        painter.drawRect(QRect(QPoint(rect.left() + a, rect.top()), QPoint(rect.right() - a, rect.bottom() - 1)));
        painter.restore();
    }
}

void tCalendario2000::Click() {
    TCalendar::Click();
    Change();
}

void tCalendario2000::MouseMove(QMouseEvent* event) {
    TCalendar::MouseMove(event);
    MostrarHintDia(event->position().toPoint());
}

void tCalendario2000::leaveEvent(QEvent* event) {
    TCalendar::leaveEvent(event);
    OcultarHint();
}

void tCalendario2000::MostrarHintDia(const QPoint& posicion) {
    int c = -1, r = -1;
    MouseToCell(posicion.x(), posicion.y(), c, r);
    const int dia = r >= 1 ? DayAt(c, r) : 0;
    if (dia == 0) {
        OcultarHint();
        return;
    }
    if (dia == diaConHint_)
        return;
    QString texto = Festivo(dia);
    const QString nota = Nota(dia);
    if (!nota.isEmpty())
        texto += (texto.isEmpty() ? QString() : QStringLiteral("\n")) + nota;
    diaConHint_ = dia;
    setToolTip(texto);
    // Shown at once, not after the usual hint delay.
    if (texto.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(viewport()->mapToGlobal(posicion), texto, viewport());
}

void tCalendario2000::OcultarHint() {
    setToolTip(QString());
    diaConHint_ = 0;
    QToolTip::hideText();
}
