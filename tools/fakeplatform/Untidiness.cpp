#include "tools/fakeplatform/Untidiness.h"

#include <QStringList>

std::optional<Untidiness> parseUntidiness(const QString& list) {
    Untidiness untidy;
    for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = item.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = item.section(QLatin1Char('='), 1).trimmed();
        bool ok = true;
        if (name == QLatin1String("spaced") && value.isEmpty())
            untidy.spacedHeadings = true;
        else if (name == QLatin1String("reordered") && value.isEmpty())
            untidy.reorderedAttributes = true;
        else if (name == QLatin1String("leadingcell") && value.isEmpty())
            untidy.leadingCell = true;
        else if (name == QLatin1String("newestfirst") && value.isEmpty())
            untidy.newestFirst = true;
        else if (name == QLatin1String("frames") && value.isEmpty())
            untidy.consoleInFrames = true;
        else if (name == QLatin1String("slow"))
            untidy.slowPageMs = value.toInt(&ok);
        else if (name == QLatin1String("busy"))
            untidy.busyPageMs = value.toInt(&ok);
        else if (name == QLatin1String("expire"))
            untidy.sessionExpiresAfter = value.toInt(&ok);
        else if (name == QLatin1String("wrong") && !value.isEmpty())
            untidy.wrongNumberFor = value;
        else
            return std::nullopt;
        if (!ok || untidy.slowPageMs < 0 || untidy.busyPageMs < 0 || untidy.sessionExpiresAfter < 0)
            return std::nullopt;
    }
    return untidy;
}
