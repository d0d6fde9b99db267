#pragma once
// Why a system call failed, in Spanish words for the person.
#include <QString>

// The reason for a failed system call, for the person: `escribiendo` says
// whether a file was being written (a missing folder, a full disk) or read.
QString MotivoSistema(int error, bool escribiendo);
