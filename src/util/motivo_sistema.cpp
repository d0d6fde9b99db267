#include "util/motivo_sistema.h"

#include <cerrno>

QString MotivoSistema(int error, bool escribiendo) {
    switch (error) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("no queda espacio en el disco");
    case EFBIG: return QStringLiteral("el fichero es más grande de lo que admite el disco");
    case EROFS: return QStringLiteral("la carpeta es de solo lectura");
    case EACCES:
    case EPERM:
        return escribiendo ? QStringLiteral("no tiene permiso para escribir en esa carpeta")
                           : QStringLiteral("no tiene permiso para leer el fichero");
    case ENOENT:
    case ENOTDIR: return escribiendo ? QStringLiteral("la carpeta no existe") : QStringLiteral("el fichero no existe");
    case EISDIR: return QStringLiteral("el nombre es el de una carpeta");
    case ENAMETOOLONG: return QStringLiteral("el nombre es demasiado largo");
    case EIO: return QStringLiteral("el disco ha dado un error de lectura o escritura");
    case EMFILE:
    case ENFILE: return QStringLiteral("hay demasiados ficheros abiertos");
    case ENOMEM: return QStringLiteral("no hay memoria suficiente");
    default: return QStringLiteral("el sistema ha devuelto el error número %1").arg(error);
    }
}
