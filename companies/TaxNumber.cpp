#include "companies/TaxNumber.h"

bool IsValidAfm(const QString& afm) {
    if (afm.isEmpty())
        return true;
    if (afm.size() < 9)
        return false;
    const QString digits = afm.right(9);
    int sum = 0;
    for (int i = 0; i < 9; ++i) {
        const QChar ch = digits.at(i);
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
        if (i < 8)
            sum += (ch.unicode() - '0') << (8 - i);
    }
    return (sum % 11) % 10 == digits.at(8).unicode() - '0';
}
