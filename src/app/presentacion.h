#pragma once
// The splash: at start-up the about window shows in front of the main window
// for two seconds, without blocking it.
class QTimer;
class QWidget;
class TFormAcercade;

// Call once the main window exists, before the event loop runs. Shows an
// about window of its own non-modally and starts the main window's intro
// timer (a child of the main window named "TimerIntro", 2000 ms), whose single
// event hides and releases that window and repaints the main window. Closing
// the splash early ("&Aceptar", Escape) only hides it; an about window opened
// meanwhile through the "Acercade" action is another window and stays.
// Returns the splash window, which lives until the timer fires or the main
// window goes away.
TFormAcercade* MostrarPresentacion(QWidget* ventanaPrincipal);
