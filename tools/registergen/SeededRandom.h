#pragma once
// The generator's random numbers: a PCG32 generator with its own small helpers, so
// that one seed gives the same register with every compiler and standard library.

#include <QList>
#include <QString>
#include <QtGlobal>
#include <initializer_list>

class SeededRandom {
public:
    explicit SeededRandom(quint64 seed) {
        next();
        m_state += seed;
        next();
    }

    quint32 next() {
        const quint64 old = m_state;
        m_state = old * 6364136223846793005ULL + kIncrement;
        const quint32 mixed = quint32(((old >> 18U) ^ old) >> 27U);
        const quint32 rotation = quint32(old >> 59U);
        return (mixed >> rotation) | (mixed << ((32U - rotation) & 31U));
    }

    // A whole number from 0 to n - 1 (n > 0).
    int below(int n) { return int((quint64(next()) * quint64(n)) >> 32); }
    // A whole number from lo to hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }

    // The index of one weight, chosen in proportion to the weights.
    int weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int roll = below(total);
        int index = 0;
        for (int w : weights) {
            if (roll < w)
                return index;
            roll -= w;
            ++index;
        }
        return index - 1;
    }

    template <typename T> const T& pick(const QList<T>& items) {
        return items.at(below(items.size()));
    }

    // count decimal digits; the first one from firstMin to 9.
    QString digits(int count, int firstMin = 0) {
        QString text;
        text.reserve(count);
        for (int i = 0; i < count; ++i)
            text += QLatin1Char(char('0' + (i == 0 ? between(firstMin, 9) : below(10))));
        return text;
    }

private:
    static constexpr quint64 kIncrement = 1442695040888963407ULL;
    quint64 m_state = 0;
};
