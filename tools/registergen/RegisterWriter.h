#pragma once
// A register data set written into a company's declaration tables, and read back.

#include "tools/registergen/RegisterDataSet.h"

#include <QString>

// Writes every record of the set into the tables of "Data\" + afm (MistDilMast,
// MistDilDet, MistDilAkinita), which must exist, all in one transaction: either the
// whole set is stored or nothing is. The records' keys are the field names; a key that
// names no field, or a key that is stored already, fails with the store's error.
void writeRegister(const RegisterDataSet& set, const QString& afm);

// The declaration tables of "Data\" + afm as a data set, each list in its key's order.
// Fields that hold no value (null) are left out of the records; the owner's name is not
// read.
RegisterDataSet readRegister(const QString& afm);
