#include "widgets/info_calculadora.h"

trInfoCalculadora InfoCalculadora;

void ReiniciarInfoCalculadora() { InfoCalculadora = trInfoCalculadora(); }
