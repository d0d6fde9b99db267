#pragma once
// The accelerator letters ("&x") of the labels and buttons under a widget,
// for tests that check no two controls of a window share one.
#include <QStringList>

class QWidget;

// The lower-case letters of the captions given and of every label and button
// under `raiz`, in order, repeats included.
QStringList LetrasAcelerador(const QWidget* raiz, QStringList captions = {});
