#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "common/QtMessages.h"
#include "portal/GuardedProcess.h"

#include <QApplication>
#include <cstdio>

namespace {
void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char** argv) {
    // --version and --help answer before any window system is needed.
    const CommandLine early = parseCommandLine(argumentsOf(argc, argv));
    if (early.action == CommandLine::Action::Version) {
        print(stdout, versionText());
        return 0;
    }
    if (early.action == CommandLine::Action::Help) {
        print(stdout, helpText());
        return 0;
    }
    QApplication app(argc, argv);
    QtMessages messageBoxes;
    setMessages(&messageBoxes);
    // Qt has taken its own options (-platform, -style, ...) out of the arguments.
    const CommandLine line = parseCommandLine(QCoreApplication::arguments().mid(1));
    if (line.action == CommandLine::Action::Wrong) {
        print(stderr,
              QStringLiteral("lethora: ") + line.wrong + QStringLiteral("\n\n") + helpText());
        return 2;
    }
    // Profiles of browsers that an earlier run could not end (signed in, with cookies).
    GuardedProcess::removeLeftovers();
    return runApplication(app, line.dataFolder);
}
