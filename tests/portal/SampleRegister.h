#pragma once
// Small registers with known values for the portal tests and benchmarks: every field
// that the platform's pages show has a value of its own, so that a test can tell where
// each value went.

#include "tools/fakeplatform/FakePlatform.h"

#include <QVariantMap>

namespace SampleRegister {
inline const QString kOwnerAfm = QStringLiteral("094014201");
inline const QString kOtherAfm = QStringLiteral("123456783");

inline QString numbered(const char* name, int k) {
    return QString::fromLatin1(name) + QString::number(k);
}

// An initial declaration with the given parties and properties.
inline QVariantMap declaration(qlonglong number, int lessors, int lessees,
                               const QString& stage = QStringLiteral("Οριστικοποιημένο")) {
    QVariantMap r;
    r.insert(QStringLiteral("DilCode"), number);
    r.insert(QStringLiteral("DateDisplay"), QStringLiteral("07/03/2024 10:15:00"));
    r.insert(QStringLiteral("StadioYpovolis"), stage);
    r.insert(QStringLiteral("EidosDilosis"), QStringLiteral("Αρχική"));
    for (int k = 1; k <= lessors; ++k) {
        r.insert(numbered("EkmAA", k), QString::number(k));
        r.insert(numbered("EkmAFM", k), QStringLiteral("10000000%1").arg(k));
        r.insert(numbered("EkmName", k), QStringLiteral("ΕΚΜΙΣΘΩΤΗΣ %1 & ΣΙΑ").arg(k));
        r.insert(numbered("EkmPososto", k), QStringLiteral("%1,00").arg(100 / lessors));
        r.insert(numbered("EkmIdiotita", k), QStringLiteral("Πλήρης Κυριότητα"));
        r.insert(numbered("EkmDateApodoxis", k), QStringLiteral("0%1/03/2024").arg(k));
        r.insert(numbered("EkmCheckApodoxis", k),
                 k % 2 ? QStringLiteral("ΝΑΙ") : QStringLiteral("ΟΧΙ"));
    }
    for (int k = 1; k <= lessees; ++k) {
        r.insert(numbered("MistAA", k), QString::number(k));
        r.insert(numbered("MistAFM", k), QStringLiteral("20000000%1").arg(k));
        r.insert(numbered("MistName", k), QStringLiteral("ΜΙΣΘΩΤΗΣ <%1>").arg(k));
        r.insert(numbered("MistDateApodoxis", k), QStringLiteral("1%1/03/2024").arg(k));
        r.insert(numbered("MistCheckApodoxis", k),
                 k == 1 ? QStringLiteral("ΝΑΙ") : QStringLiteral("ΟΧΙ"));
    }
    r.insert(QStringLiteral("EidosTarvenis"), QStringLiteral("Επαγγελματική Μίσθωση"));
    r.insert(QStringLiteral("SimfonitikoDate"), QStringLiteral("01/02/2024"));
    r.insert(QStringLiteral("MistosiApoDate"), QStringLiteral("01/03/2024"));
    r.insert(QStringLiteral("MistosiEosDate"), QStringLiteral("28/02/2027"));
    r.insert(QStringLiteral("TotalMistoma"), 1234.5);
    r.insert(QStringLiteral("DilCheck1"), QString());
    r.insert(QStringLiteral("DilCheck2"), QStringLiteral("ΝΑΙ"));
    r.insert(QStringLiteral("DilCheck3"), QString());
    r.insert(QStringLiteral("DilCheck4"), QStringLiteral("ΝΑΙ"));
    r.insert(QStringLiteral("DilCheck5"), QStringLiteral("ΝΑΙ"));
    r.insert(QStringLiteral("YpekmCode"), QStringLiteral("55501234"));
    r.insert(QStringLiteral("YpekmEtos"), QStringLiteral("2019"));
    r.insert(QStringLiteral("YpekmDoy"), QStringLiteral("Α' ΑΘΗΝΩΝ"));
    r.insert(QStringLiteral("Simiosis"), QStringLiteral("Πρώτη γραμμή\nΔεύτερη   γραμμή"));
    return r;
}

// Property aa of a declaration; the first one carries an energy certificate.
inline QVariantMap property(qlonglong number, int aa) {
    QVariantMap p;
    p.insert(QStringLiteral("DilCode"), number);
    p.insert(QStringLiteral("AA"), qlonglong(aa));
    const QString n = QString::number(aa);
    p.insert(QStringLiteral("Eidos"), QStringLiteral("Διαμέρισμα"));
    p.insert(QStringLiteral("ATAK"), QStringLiteral("0123456789") + n);
    p.insert(QStringLiteral("Odos"), QStringLiteral("ΕΡΜΟΥ"));
    p.insert(QStringLiteral("Num"), QStringLiteral("1") + n);
    p.insert(QStringLiteral("ZipCode"), QStringLiteral("1056") + n);
    p.insert(QStringLiteral("Descr"), QStringLiteral("Γραφείο ") + n);
    p.insert(QStringLiteral("KAEK"), QStringLiteral("05001000000") + n);
    p.insert(QStringLiteral("Dimos"), QStringLiteral("ΑΘΗΝΑΙΩΝ"));
    p.insert(QStringLiteral("Thesi"), QStringLiteral("ΣΥΝΤΑΓΜΑ"));
    p.insert(QStringLiteral("Nomos"), QStringLiteral("ΑΤΤΙΚΗΣ"));
    p.insert(QStringLiteral("Orofos"), QStringLiteral("2"));
    p.insert(QStringLiteral("MerikiMistosi"),
             aa == 1 ? QStringLiteral("ΝΑΙ") : QStringLiteral("ΟΧΙ"));
    p.insert(QStringLiteral("EpifKX"), QStringLiteral("8") + n);
    p.insert(QStringLiteral("EpifBX"), QStringLiteral("1") + n);
    p.insert(QStringLiteral("EpifOiko"), QString());
    p.insert(QStringLiteral("MonthlyMist"), 617.25 * aa);
    p.insert(QStringLiteral("ExistsDEH"), QStringLiteral("ΝΑΙ"));
    p.insert(QStringLiteral("DEH"), QStringLiteral("1 23456789-01 ") + n);
    if (aa == 1) {
        p.insert(QStringLiteral("CertNum"), QStringLiteral("7654321"));
        p.insert(QStringLiteral("CertDate"), QStringLiteral("15/01/2024"));
        p.insert(QStringLiteral("CertAMEPith"), QStringLiteral("ΑΜ1234"));
        p.insert(QStringLiteral("CertAFMEPith"), QStringLiteral("300000001"));
        p.insert(QStringLiteral("CertAsfNum"), QStringLiteral("SEC-99"));
        p.insert(QStringLiteral("Certkatataxi"), QStringLiteral("Β+"));
    }
    return p;
}

// An amending declaration (or a termination) of a lease.
inline QVariantMap amendment(qlonglong dilCode, qlonglong number, const QString& kind,
                             const QString& end,
                             const QString& stage = QStringLiteral("Οριστικοποιημένο")) {
    QVariantMap r;
    r.insert(QStringLiteral("DilCode"), dilCode);
    r.insert(QStringLiteral("TropDilCode"), number);
    r.insert(QStringLiteral("DateDisplay"), QStringLiteral("01/06/2025 09:00:00"));
    r.insert(QStringLiteral("StadioYpovolis"), stage);
    r.insert(QStringLiteral("EidosDilosis"), kind);
    r.insert(QStringLiteral("MistosiEosDate"), end);
    r.insert(QStringLiteral("TotalMistoma"), 1500.0);
    r.insert(QStringLiteral("Simiosis"), QStringLiteral("Αναπροσαρμογή"));
    return r;
}

// The register the portal tests share:
// 1001 initial (2 lessors, 2 lessees, 2 properties), amended by 1002, which 1003
// terminates; 1010 initial, temporarily saved, 1 property; 1020 initial, with nothing
// after it.
inline RegisterDataSet shared(const QString& afm = kOwnerAfm) {
    RegisterDataSet set;
    set.ownerAfm = afm;
    set.ownerName = QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ ΔΟΚΙΜΗΣ");
    set.declarations << declaration(1001, 2, 2)
                     << declaration(1010, 1, 1, QStringLiteral("Προσωρινά Αποθηκευμένο"))
                     << declaration(1020, 1, 1);
    set.properties << property(1001, 1) << property(1001, 2) << property(1010, 1)
                   << property(1020, 1);
    set.amendments << amendment(1001, 1002, QStringLiteral("Τροποποιητική"),
                                QStringLiteral("31/12/2027"))
                   << amendment(1001, 1003, QStringLiteral("Λύση"), QStringLiteral("30/06/2025"));
    return set;
}

inline FakeOwner owner(const RegisterDataSet& data = shared(),
                       const QString& user = QStringLiteral("owner"),
                       const QString& password = QStringLiteral("secret")) {
    FakeOwner o;
    o.data = data;
    o.userName = user;
    o.password = password;
    return o;
}
} // namespace SampleRegister
