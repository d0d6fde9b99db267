#include "widgets/disposicion_mes.h"

#include "util/ajustes_regionales.h"
#include "util/fechas.h"

int DiaSemanaDomingoCero(const QDate& fecha) { return fecha.dayOfWeek() % 7; }

int InicioSemanaRegional() { return int(Ajustes().primerDiaSemana) % 7; }

int ColumnaDomingoPara(int inicioSemana) { return (7 - inicioSemana) % 7; }

int ColumnaSabadoPara(int inicioSemana) { return 6 - inicioSemana; }

int DisposicionMes::DiaEn(int columna, int fila) const {
    if (columna < 0 || columna > 6 || fila < 1 || fila > 6)
        return 0;
    const int dia = desplazamiento + columna + (fila - 1) * 7;
    return dia >= 1 && dia <= diasMes ? dia : 0;
}

DisposicionMes CalcularDisposicionMes(int anio, int mes, int inicioSemana) {
    const QDate primero(anio, mes, 1);
    DisposicionMes d;
    d.columnaPrimero = ((DiaSemanaDomingoCero(primero) - inicioSemana) % 7 + 7) % 7;
    d.desplazamiento = 1 - d.columnaPrimero;
    d.diasMes = primero.daysInMonth();
    return d;
}

QString TextoFechaSeleccionada(const QDate& fecha) {
    if (!fecha.isValid())
        return {};
    return QStringLiteral("%1 de %2 de %3")
        .arg(fecha.day())
        .arg(NombreMes(fecha.month(), false))
        .arg(fecha.year(), 4, 10, QLatin1Char('0'));
}
