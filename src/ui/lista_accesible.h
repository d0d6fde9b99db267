#pragma once
// Drop-down lists on the accessibility bus named by their label.

// Qt names a drop-down list on Linux by the item it shows, so a screen
// reader says "Final período" where the person looks for "Aportaciones".
// Once registered, a non-editable list with an accessible name offers that
// name, and its shown item as its value.
void RegistrarListaAccesible();
