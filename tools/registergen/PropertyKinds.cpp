#include "tools/registergen/PropertyKinds.h"

namespace {
enum Kind { Apartment, House, Shop, Office, Storage, Parking, Workshop, Land };

const PropertyKind& kind(Kind k) {
    static const QStringList upperFloors = {QStringLiteral("1ος"), QStringLiteral("2ος"),
                                            QStringLiteral("3ος"), QStringLiteral("4ος"),
                                            QStringLiteral("5ος")};
    static const PropertyKind kinds[] = {
        {.name = QStringLiteral("Κατοικία (Διαμέρισμα)"),
         .main = {30, 160},
         .floors = QStringList{QStringLiteral("Ισόγειο"), QStringLiteral("Ημιώροφος")} +
                   upperFloors + QStringList{QStringLiteral("6ος")},
         .certifiedPercent = 75,
         .suppliedPercent = 100,
         .descriptions = {QStringLiteral("Διαμέρισμα δύο υπνοδωματίων"),
                          QStringLiteral("Γκαρσονιέρα"), QStringLiteral("Ρετιρέ με βεράντα"),
                          QStringLiteral("Διαμέρισμα προσόψεως")}},
        {.name = QStringLiteral("Κατοικία (Μονοκατοικία)"),
         .main = {70, 250},
         .plot = {200, 1500},
         .floors = {QStringLiteral("Ισόγειο")},
         .certifiedPercent = 70,
         .suppliedPercent = 100,
         .descriptions = {QStringLiteral("Διώροφη μονοκατοικία με κήπο"),
                          QStringLiteral("Μονοκατοικία με αυλή")}},
        {.name = QStringLiteral("Κατάστημα"),
         .main = {20, 400},
         .floors = {QStringLiteral("Ισόγειο")},
         .certifiedPercent = 60,
         .suppliedPercent = 100,
         .descriptions = {QStringLiteral("Γωνιακό κατάστημα με πατάρι"),
                          QStringLiteral("Κατάστημα ισογείου με βιτρίνα")}},
        {.name = QStringLiteral("Γραφείο"),
         .main = {25, 250},
         .floors = upperFloors,
         .certifiedPercent = 65,
         .suppliedPercent = 100,
         .descriptions = {QStringLiteral("Γραφειακός χώρος τριών αιθουσών"),
                          QStringLiteral("Γραφείο με αίθουσα αναμονής")}},
        {.name = QStringLiteral("Αποθήκη"),
         .main = {4, 60},
         .floors = {QStringLiteral("Υπόγειο"), QStringLiteral("Ισόγειο")},
         .suppliedPercent = 40,
         .descriptions = {QStringLiteral("Αποθήκη υπογείου"),
                          QStringLiteral("Αποθηκευτικός χώρος")}},
        {.name = QStringLiteral("Θέση Στάθμευσης"),
         .main = {10, 15},
         .floors = {QStringLiteral("Υπόγειο"), QStringLiteral("Πυλωτή")},
         .descriptions = {QStringLiteral("Κλειστή θέση στάθμευσης"),
                          QStringLiteral("Θέση στάθμευσης πυλωτής")}},
        {.name = QStringLiteral("Βιομηχανοστάσιο"),
         .main = {200, 3000},
         .plot = {1000, 10000},
         .floors = {QStringLiteral("Ισόγειο")},
         .certifiedPercent = 50,
         .suppliedPercent = 100,
         .descriptions = {QStringLiteral("Βιοτεχνικός χώρος με γραφεία")}},
        {.name = QStringLiteral("Αγροτεμάχιο"),
         .plot = {1000, 50000},
         .floors = {QString()},
         .suppliedPercent = 10,
         .descriptions = {QStringLiteral("Ελαιώνας"), QStringLiteral("Αμπελώνας"),
                          QStringLiteral("Αγροτεμάχιο με αρδευτική γεώτρηση")}},
    };
    return kinds[k];
}
} // namespace

const PropertyKind& PropertyKinds::first(SeededRandom& random, LeaseKind lease) {
    switch (lease) {
    case LeaseKind::Home:
        return kind(random.chance(80) ? Apartment : House);
    case LeaseKind::Student:
        return kind(Apartment);
    case LeaseKind::Business: {
        static const Kind kinds[] = {Shop, Office, Storage, Workshop};
        return kind(kinds[random.weighted({45, 35, 8, 12})]);
    }
    case LeaseKind::Farm:
        return kind(Land);
    }
    return kind(Apartment);
}

const PropertyKind& PropertyKinds::further(SeededRandom& random, LeaseKind lease) {
    switch (lease) {
    case LeaseKind::Home:
    case LeaseKind::Student:
        return kind(random.chance(50) ? Storage : Parking);
    case LeaseKind::Business: {
        static const Kind kinds[] = {Storage, Parking, Office};
        return kind(kinds[random.weighted({40, 30, 30})]);
    }
    case LeaseKind::Farm:
        return kind(random.chance(70) ? Land : Storage);
    }
    return kind(Storage);
}
