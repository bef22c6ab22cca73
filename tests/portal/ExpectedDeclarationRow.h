#pragma once
// What reading the fake platform's details page of a submission must put into the
// staging row, worked out from the register's values as the page shows them: texts as a
// browser renders them, amounts the platform's way, marks as "ΝΑΙ"/"ΟΧΙ" or empty. A
// temporarily saved declaration shows some values in inputs; of its property cells only
// those read from inputs, the first cell and the check boxes are stored.

#include "tools/fakeplatform/PageHtml.h"
#include "tools/fakeplatform/PlatformSubmissions.h"
#include "tools/registergen/RegisterWords.h"
#include "workspace/StagingColumns.h"

#include <QMap>

namespace ExpectedDeclarationRow {
// A value as a browser renders it: blanks collapsed, lines trimmed.
inline QString rendered(const QVariant& value) {
    QStringList lines = value.toString()
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                            .split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.simplified();
    return lines.join(QLatin1Char('\n')).trimmed();
}

inline QString yesNo(const QVariant& value) {
    return value.toString() == RegisterWords::kYes ? RegisterWords::kYes : RegisterWords::kNo;
}

inline QString field(const QVariantMap& values, const char* name, int k = 0) {
    return rendered(values.value(QString::fromLatin1(name) + (k ? QString::number(k) : QString())));
}

// The numbers k of the parties present, in order.
inline QList<int> present(const QVariantMap& values, const char* sequence) {
    QList<int> found;
    for (int k = 1; k <= 5; ++k)
        if (!values.value(QString::fromLatin1(sequence) + QString::number(k)).toString().isEmpty())
            found << k;
    return found;
}

inline void parties(const QVariantMap& v, QMap<int, QString>& row) {
    using namespace StagingColumn;
    const QList<int> lessors = present(v, "EkmAA");
    for (int n = 1; n <= lessors.size(); ++n) {
        const int k = lessors.at(n - 1);
        row[lessorSequence(n)] = field(v, "EkmAA", k);
        row[lessorAfm(n)] = field(v, "EkmAFM", k);
        row[lessorName(n)] = field(v, "EkmName", k);
        row[lessorPercentage(n)] = field(v, "EkmPososto", k);
        row[lessorCapacity(n)] = field(v, "EkmIdiotita", k);
        row[lessorAcceptanceDate(n)] = field(v, "EkmDateApodoxis", k);
        row[lessorAccepted(n)] = yesNo(v.value(QStringLiteral("EkmCheckApodoxis%1").arg(k)));
    }
    const QList<int> lessees = present(v, "MistAA");
    for (int n = 1; n <= lessees.size(); ++n) {
        const int k = lessees.at(n - 1);
        row[lesseeSequence(n)] = field(v, "MistAA", k);
        row[lesseeAfm(n)] = field(v, "MistAFM", k);
        row[lesseeName(n)] = field(v, "MistName", k);
        row[lesseeAcceptanceDate(n)] = field(v, "MistDateApodoxis", k);
        row[lesseeAccepted(n)] = yesNo(v.value(QStringLiteral("MistCheckApodoxis%1").arg(k)));
    }
}

inline void terms(const PlatformSubmission& s, QMap<int, QString>& row) {
    using namespace StagingColumn;
    const QVariantMap& v = s.values;
    if (s.isTermination())
        row[TerminationDate] = field(v, "MistosiEosDate");
    row[LeaseType] = field(v, "EidosTarvenis");
    row[SignatureDate] = field(v, "SimfonitikoDate");
    row[StartDate] = field(v, "MistosiApoDate");
    row[EndDate] = field(s.isTermination() ? s.previousValues : v, "MistosiEosDate");
    row[MonthlyRent] = PageHtml::amount(v.value(QStringLiteral("TotalMistoma")));
    for (int i = 0; i < 5; ++i)
        row[FirstMark + i] =
            v.value(QStringLiteral("DilCheck%1").arg(i + 1)).toString() == RegisterWords::kYes
                ? RegisterWords::kYes
                : QString();
    row[SubleaseCode] = field(v, "YpekmCode");
    row[SubleaseYear] = field(v, "YpekmEtos");
    row[SubleaseTaxOffice] = field(v, "YpekmDoy");
    row[Notes] = field(v, "Simiosis");
}

inline void properties(const PlatformSubmission& s, QMap<int, QString>& row) {
    using namespace StagingColumn;
    const bool inputs = s.isTemporarilySaved();
    for (int p = 1; p <= s.properties.size(); ++p) {
        const QVariantMap& v = s.properties.at(p - 1);
        auto shownAsText = [&](const char* name) { return inputs ? QString() : field(v, name); };
        const QStringList cells[4] = {
            {QString::number(p), shownAsText("Eidos"), field(v, "ATAK"), field(v, "Odos"),
             field(v, "Num"), field(v, "ZipCode")},
            {QString(), shownAsText("Descr"), field(v, "KAEK"), field(v, "Dimos"),
             field(v, "Thesi"), field(v, "Nomos")},
            {QString(), field(v, "Orofos"), yesNo(v.value(QStringLiteral("MerikiMistosi"))),
             field(v, "EpifKX"), field(v, "EpifBX"), field(v, "EpifOiko")},
            {QString(),
             inputs ? QString() : PageHtml::amount(v.value(QStringLiteral("MonthlyMist"))),
             yesNo(v.value(QStringLiteral("ExistsDEH"))), shownAsText("DEH")}};
        for (int m = 1; m <= 4; ++m)
            for (int i = 1; i <= cells[m - 1].size(); ++i)
                row[propertySubRowCell(p, m, i)] = cells[m - 1].at(i - 1);
        const char* certificate[] = {"CertNum",      "CertDate",   "CertAMEPith",
                                     "CertAFMEPith", "CertAsfNum", "Certkatataxi"};
        for (int i = 1; i <= 6; ++i)
            row[propertyCertificateCell(p, i)] = field(v, certificate[i - 1]);
    }
}

// Column and text of every column the page gives, empty texts included.
inline QMap<int, QString> of(const PlatformSubmission& submission) {
    QMap<int, QString> row;
    parties(submission.values, row);
    terms(submission, row);
    properties(submission, row);
    return row;
}
} // namespace ExpectedDeclarationRow
