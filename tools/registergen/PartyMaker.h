#pragma once
// The people and companies of a synthetic register: names and tax numbers, each tax
// number valid and held by one party only.

#include "tools/registergen/SeededRandom.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

struct Party {
    QString afm;
    QString name;
};

class PartyMaker {
public:
    // The owner's tax number is kept for the owner.
    PartyMaker(SeededRandom& random, const QString& ownerAfm);

    Party person();
    Party company();
    // A new lessee, or now and then one who already rents from the owner; a business
    // lease goes to a company more often.
    Party lessee(bool business);
    // A tax number of a person (first digit 0 or 1) or of a company ("09", "80", "99").
    QString taxNumber(bool forCompany);

private:
    // Platform capitals for some names, as the platform shows many of them.
    QString styled(const QString& name);

    // A party kept for later, in a few bytes: a register of a million declarations keeps
    // over a million of them.
    struct Kept {
        quint32 afm;
        qint32 name; // in m_names
    };

    SeededRandom& m_random;
    QSet<quint32> m_usedAfms; // the tax numbers' nine digits as a number
    QList<Kept> m_lessees;
    QStringList m_names; // each name once: names repeat across a large register
    QHash<QString, qint32> m_nameIndex;
};
