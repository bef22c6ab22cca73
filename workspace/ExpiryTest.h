#pragma once
// The lease-expiry test of the filter, on year-first date texts ("YYYY/MM/DD").

#include <QString>

struct ExpiryInput {
    QString start;           // effective lease start, year first, or empty
    QString end;             // effective lease end, year first, or empty
    bool terminated = false; // the newest amending declaration is a termination
};

struct ExpiryCriteria {
    QString from; // year first, or empty
    QString to;   // year first, or empty
    bool withTerminations = false;
    bool adjustable = false;
};

// Whether the lease passes. Dates that are not calendar dates raise AppError.
bool passesExpiry(const ExpiryInput& lease, const ExpiryCriteria& criteria);
// Whole days between two year-first dates, either direction (always >= 0).
int daysApart(const QString& a, const QString& b);
