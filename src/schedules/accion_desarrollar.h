#pragma once
// The main window's "Desarrollar" action: runs the visible page's
// calculation, builds its development table in a fresh schedule window, and
// shows that window modally unless the calculation was refused.
class TFormCalculosFinancieros;

// Every error (an unreadable date, a table too large, a capital that cannot
// be computed) is reported through the general error report; the window is
// then discarded without being shown.
void EjecutarDesarrollo(TFormCalculosFinancieros& principal);
