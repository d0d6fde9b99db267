#include "cli/salida_estandar.h"

#include "util/motivo_sistema.h"

#include <QByteArray>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void SalidaPerdida(int error) {
    QString motivo;
    if (error == EBADF)
        motivo = QStringLiteral("la salida estándar está cerrada");
    else if (error == EPIPE)
        motivo = QStringLiteral("quien la leía la ha cerrado antes de terminar");
    else
        motivo = MotivoSistema(error, true);
    throw ESalidaPerdida(
        QStringLiteral("No se ha podido escribir el resultado en la salida estándar: %1.").arg(motivo).toStdString());
}

}  // namespace

void ReservarSalidaCerrada() {
    if (::fcntl(STDOUT_FILENO, F_GETFD) != -1 || errno != EBADF)
        return;
    // The lowest free number is taken: standard output's, or standard
    // input's when that was closed too (and may stay the stand-in).
    const int reserva = ::open("/dev/null", O_RDONLY);
    if (reserva >= 0 && reserva != STDOUT_FILENO)
        ::dup2(reserva, STDOUT_FILENO);
}

void EscribirUtf8(std::FILE* salida, const QString& texto) {
    const QByteArray utf8 = texto.toUtf8();
    errno = 0;
    if (std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), salida) != std::size_t(utf8.size()))
        SalidaPerdida(errno);
}

void CerrarSalida(std::FILE* salida) {
    errno = 0;
    const bool vaciada = std::fflush(salida) == 0 && !std::ferror(salida);
    const int errorAlVaciar = errno;
    // Closing reports what a file system only finds out at the end (a full
    // network disk, for one).
    const bool cerrada = std::fclose(salida) == 0;
    if (!vaciada)
        SalidaPerdida(errorAlVaciar ? errorAlVaciar : EIO);
    if (!cerrada)
        SalidaPerdida(errno);
}
