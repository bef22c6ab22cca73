#pragma once
// The leased properties of synthetic declarations, as MistDilAkinita records.

#include "tools/registergen/LeaseTerms.h"
#include "tools/registergen/PartyMaker.h"
#include "tools/registergen/PropertyKinds.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QVariantMap>

class PropertyMaker {
public:
    PropertyMaker(SeededRandom& random, PartyMaker& parties);

    // count properties of one lease, numbered (AA) from 1, without DilCode. Their monthly
    // rents add up to the lease's rent; their registry numbers (ATAK) are unique within
    // the register. The energy certificates date from before the agreement.
    QList<QVariantMap> make(LeaseKind kind, int count, qint64 rentCents, const QDate& agreement);

private:
    struct Address {
        QString street, number, zip, municipality, locality, prefecture;
    };
    struct Inspector {
        QString registration;
        QString afm;
    };

    Address address();
    QString uniqueAtak();
    QString landRegistryCode();
    QString electricitySupply();
    void addCertificate(QVariantMap& record, const QDate& agreement);
    QString area(const AreaRange& range); // square metres as the platform shows them, "85,40"

    SeededRandom& m_random;
    PartyMaker& m_parties;
    QSet<quint64> m_ataks;         // each registry number as its value and its length
    QList<Inspector> m_inspectors; // a few energy inspectors certify the whole register
};
