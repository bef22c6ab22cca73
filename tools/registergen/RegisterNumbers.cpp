#include "tools/registergen/RegisterNumbers.h"
#include "tools/registergen/LeaseTerms.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr qint64 kFirstNumber = 1000000;
constexpr qint64 kNumbersPerDay = 2300; // the platform's filings of one day, all owners
} // namespace

QList<qint64> RegisterNumbers::assign(SeededRandom& random, const QList<QDate>& days) {
    QList<int> order(days.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&days](int a, int b) { return days.at(a) < days.at(b); });
    QList<qint64> numbers(days.size());
    qint64 last = 0;
    for (qsizetype i = 0; i < order.size();) {
        const QDate day = days.at(order.at(i));
        qsizetype end = i;
        while (end < order.size() && days.at(order.at(end)) == day)
            ++end;
        // This owner's filings of the day spread over the day's numbers.
        const qint64 slot = std::max<qint64>(1, kNumbersPerDay / (end - i));
        const qint64 dayStart = kFirstNumber + kFirstSubmissionDay.daysTo(day) * kNumbersPerDay;
        for (qsizetype k = 0; i < end; ++i, ++k) {
            const qint64 number = dayStart + k * slot + random.below(int(slot));
            last = std::max(number, last + 1);
            numbers[order.at(i)] = last;
        }
    }
    return numbers;
}
