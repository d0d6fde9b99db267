#include "app/arranque.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepararAplicacion(app);
    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("Zelvar Zuzidaduve"));
    ventana.resize(466, 495);
    ventana.show();
    return app.exec();
}
