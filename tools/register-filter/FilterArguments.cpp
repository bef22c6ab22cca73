#include "tools/register-filter/FilterArguments.h"
#include "common/DateText.h"
#include "tools/command-line/ToolCommandLine.h"

namespace {
struct FilterOption {
    const char* name;
    const char* valueName; // nullptr for a switch
    const char* description;
};

const FilterOption kFilterOptions[] = {
    {"stage", "N", "the item of the stage list, 0 to 4"},
    {"name", "TEXT", "a party's name"},
    {"afm", "TEXT", "a party's tax number"},
    {"from", "DD/MM/YYYY", "leases from this date"},
    {"to", "DD/MM/YYYY", "leases up to this date"},
    {"terminations", nullptr, "\"με λύσεις μισθώσεων\""},
    {"adjustable", nullptr, "\"αναπροσαρμοζόμενα\" (needs --from and --to)"},
    {"number", "TEXT", "the declaration's number"},
    {"atak", "TEXT", "a property's ATAK"},
    {"address", "TEXT", "a property's address"},
};
} // namespace

void addFilterOptions(ToolCommandLine& line) {
    for (const FilterOption& option : kFilterOptions)
        line.addOption(QString::fromLatin1(option.name), QString::fromUtf8(option.description),
                       option.valueName ? QString::fromLatin1(option.valueName) : QString());
}

FilterArguments filterArgumentsOf(const ToolCommandLine& line) {
    FilterArguments parsed;
    FilterCriteria& c = parsed.criteria;
    c.dateFrom = c.dateTo = kEmptyDateBox;
    for (const FilterOption& option : kFilterOptions)
        parsed.any = parsed.any || line.isSet(QString::fromLatin1(option.name));
    c.withTerminations = line.isSet(QStringLiteral("terminations"));
    c.adjustable = line.isSet(QStringLiteral("adjustable"));
    c.name = line.value(QStringLiteral("name"));
    c.afm = line.value(QStringLiteral("afm"));
    c.declarationNumber = line.value(QStringLiteral("number"));
    c.atak = line.value(QStringLiteral("atak"));
    c.address = line.value(QStringLiteral("address"));
    const auto wrong = [&](const char* option) {
        parsed.error =
            QStringLiteral("το --%1 %2 δεν είναι έγκυρο (στάδιο 0 έως 4, ημερομηνίες DD/MM/YYYY).")
                .arg(QLatin1String(option), line.value(QLatin1String(option)));
    };
    if (line.isSet(QStringLiteral("stage"))) {
        bool ok = false;
        const std::optional<StageChoice> stage =
            stageChoiceOf(line.value(QStringLiteral("stage")).toInt(&ok));
        if (ok && stage)
            c.stage = *stage;
        else
            wrong("stage");
    }
    for (const char* option : {"from", "to"}) {
        if (!line.isSet(QLatin1String(option)))
            continue;
        const QString date = NormaliseDateBoxText(line.value(QLatin1String(option)));
        if (date.isEmpty())
            wrong(option);
        (qstrcmp(option, "from") == 0 ? c.dateFrom : c.dateTo) = date;
    }
    return parsed;
}
