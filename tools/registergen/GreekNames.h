#pragma once
// Word lists for the people and companies of a synthetic register.

#include <QList>
#include <QString>
#include <QStringList>

namespace GreekNames {
struct Surname {
    QString male;
    QString female;
};
const QList<Surname>& surnames();
const QStringList& maleFirstNames();
const QStringList& femaleFirstNames();

// The parts of a company's name: a distinctive word, an activity and a legal form
// (of a company limited by shares, or of a partnership named after its partners).
const QStringList& companyWords();
const QStringList& companyActivities();
const QStringList& legalForms();
const QStringList& partnershipForms();

// A name as the platform prints it: capitals without accents ("Ζαχαρίας" → "ΖΑΧΑΡΙΑΣ").
QString platformCapitals(const QString& name);
} // namespace GreekNames
