#include "store/GreekOrder.h"

#include <QCollator>
#include <QLocale>

QString GreekOrder::fold(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar ch : decomposed) {
        if (ch.category() == QChar::Mark_NonSpacing)
            continue;
        const QChar lower = ch.toLower();
        folded += lower == QChar(0x03C2) ? QChar(0x03C3) : lower;
    }
    return folded;
}

int GreekOrder::compare(const QString& a, const QString& b) {
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Greek, QLocale::Greece));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    const QString fa = fold(a);
    const QString fb = fold(b);
    const int byCollator = collator.compare(fa, fb);
    if (byCollator != 0)
        return byCollator;
    return fa.compare(fb);
}
