#pragma once
// What the benchmarks share: a working folder with the build's templates, medians, and
// a message seam that answers without waiting for anyone.

#include "common/Messages.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {
inline void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
}

// With LETHORA_BENCH_CONNECTION set (a libpq connection string) the folder's tables live
// on that PostgreSQL server: the folder's settings.ini names it, as an office's would.
inline void chooseStore(const QString& folder) {
    const QString connection = qEnvironmentVariable("LETHORA_BENCH_CONNECTION");
    if (connection.isEmpty())
        return;
    QSettings settings(folder + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Store/Engine"), QStringLiteral("postgresql"));
    settings.setValue(QStringLiteral("Store/Connection"), connection);
}

inline double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

class SilentMessages : public MessageSeam {
public:
    void showMessage(const QString&) override {}
    void showError(const QString& text) override {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    bool askYesNo(const QString&) override { return false; }
    bool askOkCancel(const QString&) override { return false; }
};
} // namespace bench
