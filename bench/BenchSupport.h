#pragma once
// What the benchmarks share: a working folder with the build's templates, medians, and
// a message seam that answers without waiting for anyone.

#include "common/Messages.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {
inline void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
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
