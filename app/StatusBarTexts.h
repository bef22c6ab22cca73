#pragma once
// The texts of the main window's status bar panels 0 to 3 for the open company.

#include <QDate>
#include <QString>

struct StatusBarTexts {
    bool clearAll = false;   // no company open: every panel empty
    bool keepPanel0 = false; // no company name: panel 0 keeps the text it has
    QString panel0;
    QString panel1;
    QString panel3;
};

StatusBarTexts statusBarTexts(const QString& afm, const QString& bigName, const QDate& today);
