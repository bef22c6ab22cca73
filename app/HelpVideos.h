#pragma once
// The help-video list of the main window: the service's answer split into lines, each
// line giving a video's caption and link code.

#include <QList>
#include <QString>
#include <QStringList>

struct HelpVideo {
    QString caption;  // the text between "<CODE>" and "<DESCR>"
    QString linkCode; // the text between "<DESCR>" and "<LINK>"
};

struct HelpVideoList {
    QList<HelpVideo> videos; // the lines read before any failure
    QString failure;         // empty when every line was read
};

inline constexpr int kHelpVideoPanels = 10;

// Splits the answer into lines: blank lines and line ends ("\n", "\r\n") are dropped.
QStringList splitVideoLines(const QString& text);
// Reads the lines; a malformed line or more lines than panels ends the reading with
// the failure text "n-line-Πρόβλημα με την εισαγωγή των στοιχείων".
HelpVideoList parseHelpVideos(const QString& text);
// The failure text for line n with the text in hand.
QString helpVideoFailure(int lineNumber, const QString& text);
