#pragma once
// Builds the table of withdrawals from a capital into the schedule window:
// one row per monthly withdrawal with the interest the month earns and the
// capital left, and the information panel with the plan's figures.
#include "finance/retirada_capital.h"

#include <QString>
#include <vector>

class TFormDesarrolloCalculos;

struct EntradaDesarrolloRetirada {
    DatosFilasRetirada datos;
    double totalRetirado = 0;
    QString textoInteres;    // the interest box
    QString textoNumCuotas;  // the box of the number of withdrawals
};

std::vector<trRetirada> FilasRetirada(const DatosFilasRetirada& datos);

// Throws EDesarrolloExcesivo, before writing anything, when the plan has
// more withdrawals than a table may have or its dates would pass 31/12/9999.
void DesarrollarRetirada(const EntradaDesarrolloRetirada& entrada, TFormDesarrolloCalculos& ventana);
