#pragma once
// One synthetic lease as the platform registers it: the initial declaration with its
// lessors and lessees, its properties and its amending declarations, as store records
// that still lack their registration numbers.

#include "tools/registergen/AmendmentChain.h"
#include "tools/registergen/PartyMaker.h"
#include "tools/registergen/PropertyMaker.h"

#include <QDate>
#include <QList>
#include <QVariantMap>

struct DeclarationDraft {
    QDate submitted;
    QVariantMap record; // MistDilMast, without DilCode
    QList<QDate> amendmentDays;
    QList<QVariantMap> amendments; // MistDilDet, oldest first, without DilCode and TropDilCode
    QList<QVariantMap> properties; // MistDilAkinita, without DilCode
};

class DeclarationMaker {
public:
    // The owner is a lessor of every lease, mostly the first; a few relatives own
    // shares of some properties with the owner.
    DeclarationMaker(SeededRandom& random, const Party& owner, PartyMaker& parties);

    // A lease declared on the day given.
    DeclarationDraft make(const QDate& submitted);

private:
    struct Lessor {
        Party party;
        QString share;
        QString capacity;
        bool submitter = false;
    };
    struct Acceptance {
        QString date;
        QString check;
    };

    QList<Lessor> lessors(bool sublease);
    Acceptance acceptance(const QDate& submitted, bool provisional, bool submitter);
    // The submission's date, every party's acceptance and the stage that follows.
    void addSubmission(QVariantMap& record, const QDate& submitted, bool provisional,
                       const QList<Lessor>& lessors, int lessees, bool amending);
    void addTerms(QVariantMap& record, const LeaseTerms& terms);
    QVariantMap amendmentRecord(const AmendmentDraft& draft, const QList<Lessor>& lessors,
                                int lessees);

    SeededRandom& m_random;
    Party m_owner;
    PartyMaker& m_parties;
    PropertyMaker m_properties;
    QList<Party> m_coOwners;
};
