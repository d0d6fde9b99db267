#pragma once
// The math-error family raised by the time-value-of-money functions.
#include "util/excepcion.h"

class EExternal : public Exception {
public:
    using Exception::Exception;
};

class EMathError : public EExternal {
public:
    using EExternal::EExternal;
};

// Refused arguments or no convergence; what() is the bare function name.
class EInvalidArgument : public EMathError {
public:
    using EMathError::EMathError;
};

class EZeroDivide : public EMathError {
public:
    using EMathError::EMathError;
};

class EOverflow : public EMathError {
public:
    using EMathError::EMathError;
};

class EInvalidOp : public EMathError {
public:
    using EMathError::EMathError;
};
