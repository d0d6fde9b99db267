#pragma once
// The system's behaviour behind every door: modal dialogs, the beep, web and
// mail addresses, the help window, file dialogs and the screen's size.

namespace puertas {

// Installs the system's doors, and makes RestaurarPuertas() install them
// again. The program calls it once at start-up, before any window.
void InstalarPuertasDelSistema();

}  // namespace puertas
