#pragma once
// The texts that name the program and its maker. They are kept scrambled in
// the program file, so that a plain look at the binary does not show them, and
// are unscrambled on every request.
#include <QString>

// Program name: single-instance name, window captions, report headers.
QString TextoNombrePrograma();
// Version number, for example "1.0".
QString TextoVersion();
// Version date as a short-date text in the program's date format (day first
// or month first, as the regional settings say), so that the date reader
// always reads it back as the same day.
QString TextoFechaVersion();
// Base name of the help, without extension.
QString TextoFicheroAyuda();
QString TextoAutor();
QString TextoDerechos();
// Web address without scheme.
QString TextoWeb();
// Mail address without scheme.
QString TextoCorreo();
