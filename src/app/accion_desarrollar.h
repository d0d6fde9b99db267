#pragma once
// The main window's "Desarrollar" action: runs the visible page's
// calculation and, unless it was refused, builds its development table in a
// fresh schedule window and shows that window modally.
class TFormCalculosFinancieros;

// Every error (an unreadable date, a table too long, a capital that cannot
// be computed) is reported through the general error report; no window is
// then shown.
void EjecutarDesarrollo(TFormCalculosFinancieros& principal);
