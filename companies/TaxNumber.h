#pragma once
#include <QString>

// The tax-number check: an empty text passes (callers test emptiness themselves); the
// last nine characters must be digits whose weighted sum gives the check digit, so a
// country prefix ("EL") passes.
bool IsValidAfm(const QString& afm);
