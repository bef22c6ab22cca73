#pragma once
// The workspace's quick searches: by declaration number (or the number of one of its
// amending declarations), by lessee name, by lessee tax number. A new text collects
// the hits from the whole tables; the same text again steps to the next hit.

#include <QList>
#include <QString>
#include <optional>

enum class QuickSearchKind { Number, Name, TaxNumber };

class QuickSearch {
public:
    // The declaration (DilCode) to bring up, or nothing.
    std::optional<qlonglong> search(QuickSearchKind kind, const QString& text);
    // Forgets the remembered text, so that the next search starts afresh.
    void forget() { m_remembered.clear(); }

    QString rememberedText() const { return m_remembered; }
    const QList<qlonglong>& hits() const { return m_hits; }
    int cursor() const { return m_cursor; }

    // The hits of one search, in the order found (duplicates possible).
    static QList<qlonglong> collectHits(QuickSearchKind kind, const QString& text);

private:
    QString m_remembered;
    QList<qlonglong> m_hits;
    int m_cursor = 0; // 1-based position of the hit shown last
};
