#include "tools/register-filter/FilterArguments.h"
#include "companies/DateText.h"

FilterArguments parseFilterArguments(const QStringList& args) {
    FilterArguments parsed;
    FilterCriteria& c = parsed.criteria;
    c.dateFrom = c.dateTo = kEmptyDateBox;
    const QStringList valued = {"--stage", "--name",   "--afm",  "--from",
                                "--to",    "--number", "--atak", "--address"};
    for (int i = 0; i < args.size(); ++i) {
        const QString& option = args.at(i);
        if (option == QLatin1String("--terminations")) {
            c.withTerminations = true;
            continue;
        }
        if (option == QLatin1String("--adjustable")) {
            c.adjustable = true;
            continue;
        }
        if (!valued.contains(option)) {
            parsed.rest << option;
            continue;
        }
        if (i + 1 >= args.size()) {
            parsed.error = option + QStringLiteral(" lacks its value");
            return parsed;
        }
        const QString value = args.at(++i);
        bool ok = true;
        if (option == QLatin1String("--stage")) {
            c.stage = value.toInt(&ok);
            ok = ok && c.stage >= 0 && c.stage <= 4;
        } else if (option == QLatin1String("--name")) {
            c.name = value;
        } else if (option == QLatin1String("--afm")) {
            c.afm = value;
        } else if (option == QLatin1String("--from") || option == QLatin1String("--to")) {
            const QString date = NormaliseDateBoxText(value);
            ok = !date.isEmpty();
            (option == QLatin1String("--from") ? c.dateFrom : c.dateTo) = date;
        } else if (option == QLatin1String("--number")) {
            c.declarationNumber = value;
        } else if (option == QLatin1String("--atak")) {
            c.atak = value;
        } else {
            c.address = value;
        }
        if (!ok) {
            parsed.error = option + QStringLiteral(" ") + value +
                           QStringLiteral(" is not valid (stage 0 to 4, dates DD/MM/YYYY)");
            return parsed;
        }
    }
    return parsed;
}
