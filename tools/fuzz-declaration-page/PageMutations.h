#pragma once
// Mutations of a stored page's markup for fuzzing the page readers: parts cut off,
// duplicated or deleted (tags, cells, rows, tables), random characters, ids swapped or
// spoilt, huge texts, nested tables. The same seed gives the same mutations.

#include <QRandomGenerator>
#include <QString>

class PageMutations {
public:
    explicit PageMutations(quint32 seed) : m_random(seed) {}

    // The page with one to four mutations; the names of those applied are added to done.
    QString mutate(QString html, QStringList& done);

private:
    int below(int bound) { return bound > 0 ? int(m_random.bounded(bound)) : 0; }
    // A random element of the tag, start and end (past its end tag, or the page's end
    // when it has none); {-1, -1} when the page has none.
    std::pair<int, int> element(const QString& html, const QString& tag);
    QString randomText(int length);

    QRandomGenerator m_random;
};
