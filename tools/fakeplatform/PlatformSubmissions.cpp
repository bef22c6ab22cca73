#include "tools/fakeplatform/PlatformSubmissions.h"

#include <algorithm>

namespace {
const QString kTemporarilySaved = QStringLiteral("Προσωρινά Αποθηκευμένο");
const QString kTermination = QStringLiteral("Λύση");

QString field(const QVariantMap& record, const char* name) {
    return record.value(QString::fromLatin1(name)).toString();
}

// The lease's values after an amendment: its own fields replace the lease's.
QVariantMap amended(QVariantMap lease, const QVariantMap& amendment) {
    for (auto it = amendment.cbegin(); it != amendment.cend(); ++it)
        if (it.key() != QLatin1String("DilCode") && it.key() != QLatin1String("TropDilCode"))
            lease.insert(it.key(), it.value());
    return lease;
}
} // namespace

bool PlatformSubmission::isTemporarilySaved() const {
    return stage == kTemporarilySaved;
}

bool PlatformSubmission::isTermination() const {
    return kind == kTermination;
}

bool PlatformSubmission::canBeAmended() const {
    return newestOfLease && !isTemporarilySaved() && !isTermination();
}

QList<PlatformSubmission> platformSubmissions(const RegisterDataSet& data) {
    QList<PlatformSubmission> list;
    for (const QVariantMap& declaration : data.declarations) {
        const QString dilCode = field(declaration, "DilCode");
        QList<QVariantMap> properties;
        for (const QVariantMap& property : data.properties)
            if (field(property, "DilCode") == dilCode)
                properties.append(property);
        std::sort(properties.begin(), properties.end(),
                  [](const QVariantMap& a, const QVariantMap& b) {
                      return a.value(QStringLiteral("AA")).toInt() <
                             b.value(QStringLiteral("AA")).toInt();
                  });
        QList<QVariantMap> amendments;
        for (const QVariantMap& amendment : data.amendments)
            if (field(amendment, "DilCode") == dilCode)
                amendments.append(amendment);
        std::sort(amendments.begin(), amendments.end(),
                  [](const QVariantMap& a, const QVariantMap& b) {
                      return a.value(QStringLiteral("TropDilCode")).toLongLong() <
                             b.value(QStringLiteral("TropDilCode")).toLongLong();
                  });

        PlatformSubmission initial;
        initial.number = dilCode;
        initial.kind = field(declaration, "EidosDilosis");
        initial.stage = field(declaration, "StadioYpovolis");
        initial.values = declaration;
        initial.properties = properties;
        initial.newestOfLease = amendments.isEmpty();
        list.append(initial);

        PlatformSubmission before = initial;
        for (qsizetype i = 0; i < amendments.size(); ++i) {
            PlatformSubmission next;
            next.number = field(amendments.at(i), "TropDilCode");
            next.amends = before.number;
            next.kind = field(amendments.at(i), "EidosDilosis");
            next.stage = field(amendments.at(i), "StadioYpovolis");
            next.values = amended(before.values, amendments.at(i));
            next.previousValues = before.values;
            next.properties = properties;
            next.newestOfLease = i == amendments.size() - 1;
            list.append(next);
            before = next;
        }
    }
    std::sort(list.begin(), list.end(),
              [](const PlatformSubmission& a, const PlatformSubmission& b) {
                  return a.number.toLongLong() < b.number.toLongLong();
              });
    return list;
}
