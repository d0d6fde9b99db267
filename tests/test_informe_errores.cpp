#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "app/aplicacion.h"
#include "ui/informe_errores.h"
#include "finance/excepciones_matematicas.h"
#include "util/textos_numericos.h"

#include <QPushButton>
#include <QTimer>
#include <stdexcept>

namespace {

// An object whose handler for user events throws what it is given.
class Lanzador : public QObject {
public:
    std::function<void()> accion;
    int atendidos = 0;

protected:
    bool event(QEvent* evento) override {
        if (evento->type() != QEvent::User)
            return QObject::event(evento);
        ++atendidos;
        accion();
        return true;
    }
};

template <typename E>
std::exception_ptr Error(const char* mensaje) {
    return std::make_exception_ptr(E(mensaje));
}

}  // namespace

Q_DECLARE_METATYPE(std::exception_ptr)

class TestInformeErrores : public QObject {
    Q_OBJECT
private slots:
    void textos_data() {
        QTest::addColumn<std::exception_ptr>("error");
        QTest::addColumn<QString>("texto");
        QTest::newRow("conversion") << Error<EConvertError>("\"1,2,3\" no es un número válido")
                                    << "\"1,2,3\" no es un número válido";
        QTest::newRow("argumento") << Error<EInvalidArgument>("PAGO")
                                   << "Los datos no son válidos para el cálculo (PAGO).";
        QTest::newRow("division") << Error<EZeroDivide>("") << "El cálculo ha intentado dividir por cero.";
        QTest::newRow("desbordamiento") << Error<EOverflow>("") << "El resultado del cálculo es demasiado grande.";
        QTest::newRow("operacion") << Error<EInvalidOp>("") << "El cálculo ha realizado una operación no válida.";
        QTest::newRow("otro error de calculo") << Error<EMathError>("") << "Se ha producido un error en el cálculo.";
        QTest::newRow("de la biblioteca") << Error<std::runtime_error>("disk full")
                                          << "Se ha producido un error inesperado: disk full";
        QTest::newRow("memoria") << std::make_exception_ptr(std::bad_alloc())
                                 << "No hay memoria suficiente para completar la operación.";
        QTest::newRow("sin clase") << std::make_exception_ptr(42) << "Se ha producido un error inesperado.";
    }
    void textos() {
        QFETCH(std::exception_ptr, error);
        QFETCH(QString, texto);
        QCOMPARE(TextoInformeError(error), texto);
    }

    // A number that does not read, thrown from an event handler, a slot and a
    // timer: each shows the error dialog and the program keeps handling events.
    void excepcionesEnElBucleDeEventos() {
        QVERIFY(qobject_cast<TAplicacion*>(QCoreApplication::instance()));
        RegistroDialogos registro;
        Lanzador lanzador;
        lanzador.accion = [] { LeerNumero(QStringLiteral("1,2,3")); };
        QCoreApplication::postEvent(&lanzador, new QEvent(QEvent::User));
        QPushButton boton;
        QObject::connect(&boton, &QPushButton::clicked, &boton, [] { throw EInvalidArgument("TASA"); });
        boton.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boton));
        QTest::mouseClick(&boton, Qt::LeftButton);
        QTimer::singleShot(0, [] { throw std::runtime_error("x"); });
        QTRY_COMPARE(registro.Mostrados().size(), 3);
        QCOMPARE(lanzador.atendidos, 1);

        QStringList mensajes;
        for (const DialogoMostrado& m : registro.Mostrados()) {
            QCOMPARE(m.titulo, QStringLiteral("Error"));
            mensajes << m.mensaje;
        }
        QCOMPARE(mensajes.filter(QStringLiteral("\"1,2,3\"")).size(), 1);
        QVERIFY(mensajes.contains(QStringLiteral("Los datos no son válidos para el cálculo (TASA).")));
        QVERIFY(mensajes.contains(QStringLiteral("Se ha producido un error inesperado: x")));

        lanzador.accion = [] {};
        QCoreApplication::postEvent(&lanzador, new QEvent(QEvent::User));
        QTRY_COMPARE(lanzador.atendidos, 2);
        QCOMPARE(registro.Mostrados().size(), 3);
    }

    void ejecutarProtegido() {
        RegistroDialogos registro;
        bool hecho = false;
        QVERIFY(EjecutarProtegido([&hecho] { hecho = true; }));
        QVERIFY(hecho);
        QVERIFY(registro.Mostrados().isEmpty());
        QVERIFY(!EjecutarProtegido([] { throw EOverflow("EXP"); }));
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Error"));
        QCOMPARE(registro.Mostrados()[0].mensaje, QStringLiteral("El resultado del cálculo es demasiado grande."));
    }
};

int main(int argc, char** argv) {
    TAplicacion app(argc, argv);
    PrepararEntornoPruebas(app);
    TestInformeErrores prueba;
    return QTest::qExec(&prueba, argc, argv);
}
#include "test_informe_errores.moc"
