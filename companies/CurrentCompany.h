#pragma once
// The open company's record, process-wide: one text per field of Edra. An empty AFM
// means that no company is open; AFM also names the data folder "Data\" + AFM.

#include <QString>

struct CompanyRecord {
    QString AFM;
    QString BigName;
    QString SubmitDoy;
    QString ActDescr;
    QString Odos;
    QString Arithmos;
    QString Dhmos;
    QString TK;
    QString Phone;
    QString email;
    QString CompUserName;
    QString CompPassword;
    QString EkprUserName;
    QString EkprPassword;

    bool isOpen() const { return !AFM.isEmpty(); }
    // "Data\" + AFM
    QString dataFolder() const { return QStringLiteral("Data\\") + AFM; }
};

CompanyRecord& CurrentCompany();
