#pragma once
// The image lists shared by the main window and the schedule window. The
// holder is never shown; it lives for the whole run.
#include <QIcon>
#include <QList>
#include <QObject>
#include <QSize>

class TFormComun : public QObject {
    Q_OBJECT
public:
    // Positions in ImgListFinancieros (and in its companion lists).
    enum Imagen {
        ImgCalcular = 0,
        ImgImprimir = 1,
        ImgSalir = 2,
        ImgRegPrimero = 3,
        ImgRegAnterior = 4,
        ImgRegSiguiente = 5,
        ImgRegUltimo = 6,
        ImgInicializar = 7,
        ImgDesarrollar = 8,
        ImgAyuda = 9,
        ImgAcercade = 10,
    };

    explicit TFormComun(QObject* parent = nullptr);

    static QSize TamanoFinancieros() { return {32, 24}; }
    static QSize TamanoMenu() { return {16, 12}; }

    QList<QIcon> ImgListFinancieros;  // tool bars and actions, 32 × 24
    QList<QIcon> ImgListAcciones;     // the same pictures, for action lists
    QList<QIcon> ImgListDisabled;     // greyed pictures for disabled buttons
    QList<QIcon> ImgListMenu;         // small pictures for menus, 16 × 12
};

// The program's one holder, created on first use.
TFormComun& FormComun();
