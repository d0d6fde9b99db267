#pragma once
// The print action of the schedule window: builds the report that matches
// the table, previews it and waits until the preview closes.
class TFormDesarrolloCalculos;

void ImprimirDesarrollo(TFormDesarrolloCalculos& ventana);
