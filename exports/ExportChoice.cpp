#include "exports/ExportChoice.h"

namespace {
QList<bool> ticks(int count, const QList<int>& ticked) {
    QList<bool> result(count, false);
    for (int position : ticked)
        result[position - 1] = true;
    return result;
}
} // namespace

std::optional<ExportLayout> exportLayoutOf(int option) {
    if (option < optionOf(ExportLayout::Full) ||
        option > optionOf(ExportLayout::LatestFirstProperty))
        return std::nullopt;
    return static_cast<ExportLayout>(option);
}

ExportChoice ExportChoice::defaults() {
    ExportChoice c;
    c.mastTexts = {QStringLiteral("Αρ. Δήλωσης"),   QStringLiteral("Υποβολή"),
                   QStringLiteral("Σταδιο "),       QStringLiteral("Είδος "),
                   QStringLiteral("Συμφωνητικό"),   QStringLiteral("Διάρκεια Από"),
                   QStringLiteral("Διάρκεια Έως"),  QStringLiteral("Μίσθωμα"),
                   QStringLiteral("Είδος Μίσθωσης")};
    c.mistotesTexts = {QStringLiteral("ΑΦΜ"), QStringLiteral("Ονοματεπώνυμο"),
                       QStringLiteral("Ημ/νία αποδοχής")};
    c.tropsTexts = {QStringLiteral("Αρ. Δήλωσης"),  QStringLiteral("Υποβολή"),
                    QStringLiteral("Στάδιο"),       QStringLiteral("Είδος"),
                    QStringLiteral("Συμφωνητικό"),  QStringLiteral("Διάρκεια Από"),
                    QStringLiteral("Διάρκεια Έως"), QStringLiteral("Μίσθωμα")};
    c.akinitaTexts = {QStringLiteral("Είδος Ακινήτου"),
                      QStringLiteral("ΑΤΑΚ"),
                      QStringLiteral("Νομός"),
                      QStringLiteral("Δήμος"),
                      QStringLiteral("Θέση"),
                      QStringLiteral("Οδός - Αριθμός"),
                      QStringLiteral("Όροφος"),
                      QStringLiteral("Κύριοι Χώροι"),
                      QStringLiteral("Βοηθ. Χώροι"),
                      QStringLiteral("Οικόπεδο"),
                      QStringLiteral("Μηνιαίο Μίσθωμα "),
                      QStringLiteral("Παροχή ΔΕΗ"),
                      QStringLiteral("Ενεργ. Πιστ/κό"),
                      QStringLiteral("Περιγραφή")};
    c.mast = ticks(9, {1, 2, 6, 7, 8});
    c.mistotes = ticks(3, {1, 2});
    c.trops = ticks(8, {1, 2, 6, 7, 8});
    c.akinita = ticks(14, {6});
    return c;
}
