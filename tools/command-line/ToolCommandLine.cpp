#include "tools/command-line/ToolCommandLine.h"
#include "common/AppVersion.h"

#include <QDir>
#include <QRegularExpression>
#include <cstdio>

namespace {
void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Why the parser refused the arguments, in Greek: Qt words its own refusals in English.
QString parserRefusal(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return (unknown.size() == 1 ? QStringLiteral("άγνωστη επιλογή --")
                                    : QStringLiteral("άγνωστες επιλογές --")) +
               unknown.join(QStringLiteral(", --")) + QLatin1Char('.');
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.+)'\\.$"));
    static const QRegularExpression unexpected(
        QStringLiteral("^Unexpected value after '(.+)'\\.$"));
    const QString text = parser.errorText();
    if (const QRegularExpressionMatch m = missing.match(text); m.hasMatch())
        return QStringLiteral("λείπει η τιμή του ") + m.captured(1) + QLatin1Char('.');
    if (const QRegularExpressionMatch m = unexpected.match(text); m.hasMatch())
        return QStringLiteral("το ") + m.captured(1) + QStringLiteral(" δεν παίρνει τιμή.");
    return text;
}
} // namespace

ToolCommandLine::ToolCommandLine(const QString& name, const QStringList& usage,
                                 const QString& description)
    : m_name(name), m_usage(usage) {
    m_parser->setApplicationDescription(description);
    m_parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Only the long forms: a tool's own arguments keep every short word for themselves.
    m_parser->addOption(
        QCommandLineOption(QStringLiteral("help"), QStringLiteral("τυπώνει τη χρήση")));
    m_parser->addOption(
        QCommandLineOption(QStringLiteral("version"), QStringLiteral("τυπώνει την έκδοση")));
}

void ToolCommandLine::addOption(const QString& name, const QString& description,
                                const QString& valueName) {
    m_parser->addOption(QCommandLineOption(name, description, valueName));
}

void ToolCommandLine::addPositional(const QString& name, const QString& description) {
    m_parser->addPositionalArgument(name, description);
}

std::optional<int> ToolCommandLine::parse(const QStringList& arguments) {
    if (!m_parser->parse(arguments))
        return wrong(parserRefusal(*m_parser));
    if (m_parser->isSet(QStringLiteral("help"))) {
        print(stdout,
              usageText() + QLatin1Char('\n') + m_parser->helpText().section(QLatin1Char('\n'), 1));
        return 0;
    }
    if (m_parser->isSet(QStringLiteral("version"))) {
        print(stdout, m_name + QLatin1Char(' ') + versionLine());
        return 0;
    }
    return std::nullopt;
}

int ToolCommandLine::wrong(const QString& why) const {
    print(stderr, m_name + QStringLiteral(": ") + why + QLatin1Char('\n') + usageText());
    return 2;
}

std::optional<int> ToolCommandLine::refuseWithoutWorkingFolder(int least) const {
    const QStringList args = positional();
    if (args.size() < least)
        return wrong(QStringLiteral("λείπουν ορίσματα."));
    if (!QDir(args.at(0)).exists())
        return wrong(QStringLiteral("ο φάκελος εργασίας δεν υπάρχει."));
    return std::nullopt;
}

QString ToolCommandLine::usageText() const {
    QString text;
    for (int i = 0; i < m_usage.size(); ++i)
        text += (i == 0 ? QStringLiteral("χρήση: ") : QStringLiteral("       ")) + m_name +
                QLatin1Char(' ') + m_usage.at(i) + QLatin1Char('\n');
    return text;
}
