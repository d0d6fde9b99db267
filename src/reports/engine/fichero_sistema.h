#pragma once
// The file system side of report files: reading only regular files (util's
// normal-file reader), writing through util's safe writer.
#include "util/escritura_atomica.h"
#include "util/fichero_normal.h"
