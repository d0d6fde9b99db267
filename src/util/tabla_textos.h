#pragma once
// A small table of texts: the column titles and the rows, each as many texts
// as there are titles.
#include <QStringList>
#include <vector>

struct TablaTextos {
    QStringList titulos;
    std::vector<QStringList> filas;
};
