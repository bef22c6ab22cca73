#pragma once
// Loading and storing the open company's record from and to the Edra cursor.

#include "companies/CurrentCompany.h"

#include <QList>

struct CompanyField {
    QString name;
    int width;
    QString CompanyRecord::*member;
};

// Every field of the record with its width, in the table's order.
const QList<CompanyField>& companyFields();

// Copies the Edra cursor's current row into CurrentCompany, each field cut to its width.
// The caller opens the cursor before and closes it after.
void LoadCurrentCompany();
// Copies CurrentCompany into the Edra row being edited or inserted.
void StoreCurrentCompany();
