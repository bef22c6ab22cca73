#include "app/CommandLine.h"
#include "common/AppVersion.h"

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    auto wrong = [&line](const QString& what) {
        line.action = CommandLine::Action::Wrong;
        line.wrong = what;
        return line;
    };
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (arg == QLatin1String("--version")) {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (arg == QLatin1String("--data")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
                return wrong(QStringLiteral("η επιλογή --data θέλει φάκελο"));
            line.dataFolder = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--data="))) {
            line.dataFolder = arg.mid(7);
            if (line.dataFolder.isEmpty())
                return wrong(QStringLiteral("η επιλογή --data θέλει φάκελο"));
        } else {
            return wrong(QStringLiteral("άγνωστη επιλογή ή όρισμα: ") + arg);
        }
    }
    return line;
}

QString versionText() {
    return versionLine();
}

QString helpText() {
    return QStringLiteral(
        "Χρήση: lethora [--data ΦΑΚΕΛΟΣ]\n"
        "Μητρώο δηλώσεων μίσθωσης ακίνητης περιουσίας από την πλατφόρμα της ΑΑΔΕ.\n"
        "\n"
        "Επιλογές:\n"
        "  --data ΦΑΚΕΛΟΣ  ο φάκελος δεδομένων αυτής της εκτέλεσης, αντί του φακέλου που\n"
        "                  επιλέχθηκε στην πρώτη εκκίνηση (μπορεί να είναι κοινόχρηστος)\n"
        "  --version       εμφανίζει την έκδοση και τερματίζει\n"
        "  --help          εμφανίζει αυτές τις οδηγίες και τερματίζει\n");
}
