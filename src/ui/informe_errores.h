#pragma once
// The general error report: an exception that escapes a handler is shown in
// an error dialog titled "Error" with a clear Spanish text, and the program
// goes on.
#include <QString>
#include <exception>
#include <functional>

// The Spanish text for an exception: the message of a conversion error as it
// is; a sentence for each math error; a generic sentence with what() for any
// other exception.
QString TextoInformeError(const std::exception_ptr& error);

// Shows the error dialog for an exception (Avisar, error kind, title "Error").
void InformarError(const std::exception_ptr& error);

// Runs code outside an event handler (start-up steps, direct calls) and reports
// any exception it throws. True when it finished without one.
bool EjecutarProtegido(const std::function<void()>& accion);
