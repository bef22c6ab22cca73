#include "tools/registergen/GreekNames.h"

const QList<GreekNames::Surname>& GreekNames::surnames() {
    static const QList<Surname> list = {
        {QStringLiteral("Παπαδόπουλος"), QStringLiteral("Παπαδοπούλου")},
        {QStringLiteral("Γεωργίου"), QStringLiteral("Γεωργίου")},
        {QStringLiteral("Νικολάου"), QStringLiteral("Νικολάου")},
        {QStringLiteral("Οικονόμου"), QStringLiteral("Οικονόμου")},
        {QStringLiteral("Παπαδάκης"), QStringLiteral("Παπαδάκη")},
        {QStringLiteral("Βασιλείου"), QStringLiteral("Βασιλείου")},
        {QStringLiteral("Κωνσταντινίδης"), QStringLiteral("Κωνσταντινίδου")},
        {QStringLiteral("Αντωνίου"), QStringLiteral("Αντωνίου")},
        {QStringLiteral("Μακρής"), QStringLiteral("Μακρή")},
        {QStringLiteral("Δημητρίου"), QStringLiteral("Δημητρίου")},
        {QStringLiteral("Ιωάννου"), QStringLiteral("Ιωάννου")},
        {QStringLiteral("Παπανικολάου"), QStringLiteral("Παπανικολάου")},
        {QStringLiteral("Αθανασίου"), QStringLiteral("Αθανασίου")},
        {QStringLiteral("Χριστοδούλου"), QStringLiteral("Χριστοδούλου")},
        {QStringLiteral("Καραγιάννης"), QStringLiteral("Καραγιάννη")},
        {QStringLiteral("Ζαχαρίου"), QStringLiteral("Ζαχαρίου")},
        {QStringLiteral("Σπυρόπουλος"), QStringLiteral("Σπυροπούλου")},
        {QStringLiteral("Αλεξίου"), QStringLiteral("Αλεξίου")},
        {QStringLiteral("Μιχαηλίδης"), QStringLiteral("Μιχαηλίδου")},
        {QStringLiteral("Τσακίρης"), QStringLiteral("Τσακίρη")},
        {QStringLiteral("Λαμπρόπουλος"), QStringLiteral("Λαμπροπούλου")},
        {QStringLiteral("Κυριακίδης"), QStringLiteral("Κυριακίδου")},
        {QStringLiteral("Σταθόπουλος"), QStringLiteral("Σταθοπούλου")},
        {QStringLiteral("Πετρίδης"), QStringLiteral("Πετρίδου")},
        {QStringLiteral("Ηλιόπουλος"), QStringLiteral("Ηλιοπούλου")},
        {QStringLiteral("Ευαγγέλου"), QStringLiteral("Ευαγγέλου")},
        {QStringLiteral("Αναστασίου"), QStringLiteral("Αναστασίου")},
        {QStringLiteral("Φωτίου"), QStringLiteral("Φωτίου")},
        {QStringLiteral("Μαυρίδης"), QStringLiteral("Μαυρίδου")},
        {QStringLiteral("Ραφαηλίδης"), QStringLiteral("Ραφαηλίδου")},
        {QStringLiteral("Χατζής"), QStringLiteral("Χατζή")},
        {QStringLiteral("Ξενάκης"), QStringLiteral("Ξενάκη")},
        {QStringLiteral("Θεοδωρόπουλος"), QStringLiteral("Θεοδωροπούλου")},
        {QStringLiteral("Ψαράς"), QStringLiteral("Ψαρά")},
        {QStringLiteral("Ρήγας"), QStringLiteral("Ρήγα")},
        {QStringLiteral("Σαρρής"), QStringLiteral("Σαρρή")},
        {QStringLiteral("Ουζούνης"), QStringLiteral("Ουζούνη")},
        {QStringLiteral("Βλαχογιάννης"), QStringLiteral("Βλαχογιάννη")},
        {QStringLiteral("Γκίκας"), QStringLiteral("Γκίκα")},
        {QStringLiteral("Δρόσος"), QStringLiteral("Δρόσου")},
        {QStringLiteral("Εμμανουηλίδης"), QStringLiteral("Εμμανουηλίδου")},
        {QStringLiteral("Καλογεράκης"), QStringLiteral("Καλογεράκη")},
        {QStringLiteral("Λιάπης"), QStringLiteral("Λιάπη")},
        {QStringLiteral("Μπαλτάς"), QStringLiteral("Μπαλτά")},
        {QStringLiteral("Ντόκος"), QStringLiteral("Ντόκου")},
        {QStringLiteral("Πολυχρόνης"), QStringLiteral("Πολυχρόνη")},
        {QStringLiteral("Τζαννετάκης"), QStringLiteral("Τζαννετάκη")},
        {QStringLiteral("Φραγκιαδάκης"), QStringLiteral("Φραγκιαδάκη")},
        {QStringLiteral("Χριστάκης"), QStringLiteral("Χριστάκη")},
        {QStringLiteral("Ψυχογιός"), QStringLiteral("Ψυχογιού")},
    };
    return list;
}

const QStringList& GreekNames::maleFirstNames() {
    static const QStringList list = {
        QStringLiteral("Γεώργιος"),   QStringLiteral("Ιωάννης"),    QStringLiteral("Κωνσταντίνος"),
        QStringLiteral("Δημήτριος"),  QStringLiteral("Νικόλαος"),   QStringLiteral("Παναγιώτης"),
        QStringLiteral("Βασίλειος"),  QStringLiteral("Χρήστος"),    QStringLiteral("Αθανάσιος"),
        QStringLiteral("Μιχαήλ"),     QStringLiteral("Ευάγγελος"),  QStringLiteral("Σπυρίδων"),
        QStringLiteral("Αντώνιος"),   QStringLiteral("Αναστάσιος"), QStringLiteral("Θεόδωρος"),
        QStringLiteral("Ηλίας"),      QStringLiteral("Στυλιανός"),  QStringLiteral("Εμμανουήλ"),
        QStringLiteral("Σωτήριος"),   QStringLiteral("Αλέξανδρος"), QStringLiteral("Φώτιος"),
        QStringLiteral("Περικλής"),   QStringLiteral("Ζήσης"),      QStringLiteral("Οδυσσέας"),
        QStringLiteral("Χαράλαμπος"), QStringLiteral("Ξενοφών"),    QStringLiteral("Σταύρος"),
    };
    return list;
}

const QStringList& GreekNames::femaleFirstNames() {
    static const QStringList list = {
        QStringLiteral("Μαρία"),     QStringLiteral("Ελένη"),     QStringLiteral("Αικατερίνη"),
        QStringLiteral("Βασιλική"),  QStringLiteral("Σοφία"),     QStringLiteral("Αγγελική"),
        QStringLiteral("Γεωργία"),   QStringLiteral("Δήμητρα"),   QStringLiteral("Ευαγγελία"),
        QStringLiteral("Ειρήνη"),    QStringLiteral("Παναγιώτα"), QStringLiteral("Χριστίνα"),
        QStringLiteral("Αναστασία"), QStringLiteral("Ιωάννα"),    QStringLiteral("Κωνσταντίνα"),
        QStringLiteral("Δέσποινα"),  QStringLiteral("Θεοδώρα"),   QStringLiteral("Ζωή"),
        QStringLiteral("Φωτεινή"),   QStringLiteral("Ουρανία"),   QStringLiteral("Χαρίκλεια"),
        QStringLiteral("Ξανθή"),     QStringLiteral("Στυλιανή"),  QStringLiteral("Αλεξάνδρα"),
    };
    return list;
}

const QStringList& GreekNames::companyWords() {
    static const QStringList list = {
        QStringLiteral("Αιγαίο"),  QStringLiteral("Όλυμπος"),     QStringLiteral("Μεσόγειος"),
        QStringLiteral("Ιόνιο"),   QStringLiteral("Αστέρας"),     QStringLiteral("Ελληνική"),
        QStringLiteral("Βορέας"),  QStringLiteral("Πήγασος"),     QStringLiteral("Ερμής"),
        QStringLiteral("Δελφίς"),  QStringLiteral("Νέα Εποχή"),   QStringLiteral("Φάρος"),
        QStringLiteral("Κύκλος"),  QStringLiteral("Αρχιπέλαγος"), QStringLiteral("Ζέφυρος"),
        QStringLiteral("Θεμέλιο"), QStringLiteral("Ψηφίδα"),      QStringLiteral("Γαλαξίας"),
    };
    return list;
}

const QStringList& GreekNames::companyActivities() {
    static const QStringList list = {
        QStringLiteral("Εμπορική"),      QStringLiteral("Τεχνική"),
        QStringLiteral("Ξενοδοχειακή"),  QStringLiteral("Κατασκευαστική"),
        QStringLiteral("Τροφίμων"),      QStringLiteral("Ενδυμάτων"),
        QStringLiteral("Συμβουλευτική"), QStringLiteral("Πληροφορικής"),
        QStringLiteral("Μεταφορών"),     QStringLiteral("Ιατρικών Υπηρεσιών"),
        QStringLiteral("Εκπαιδευτική"),  QStringLiteral("Εστίασης"),
        QStringLiteral("Φαρμακευτική"),  QStringLiteral("Λογιστικών Υπηρεσιών"),
    };
    return list;
}

const QStringList& GreekNames::legalForms() {
    static const QStringList list = {
        QStringLiteral("Α.Ε."),   QStringLiteral("Α.Ε."),   QStringLiteral("Ε.Π.Ε."),
        QStringLiteral("Ι.Κ.Ε."), QStringLiteral("Ι.Κ.Ε."), QStringLiteral("Μ.Ι.Κ.Ε."),
    };
    return list;
}

const QStringList& GreekNames::partnershipForms() {
    static const QStringList list = {QStringLiteral("Ο.Ε."), QStringLiteral("Ε.Ε.")};
    return list;
}

QString GreekNames::platformCapitals(const QString& name) {
    QString plain = name.normalized(QString::NormalizationForm_D);
    plain.remove(QChar(0x0301)); // the acute accent; a diaeresis stays
    return plain.normalized(QString::NormalizationForm_C).toUpper();
}
