#pragma once
// The items of the workspace's stage list ("Στάδιο Δήλωσης"), in the list's order. Their
// numbers are also what an export template stores (FStadioDilosis) and what the tools
// take (--stage).

#include <optional>

enum class StageChoice {
    Unchosen = 0, // "------  Επιλέξτε το Στάδιο Δήλωσης ------": no stage criterion
    All = 1,    // "Όλες τις Δηλώσεις": no stage criterion either
    Active = 2, // "Μόνο τις Ενεργές Δηλώσεις"
    Final = 3,  // "Μόνο τις Οριστικές Δηλώσεις": not provisionally saved
    Provisional = 4, // "Μόνο τις Προσωρινα Αποθηκευμένες Δηλώσεις"
};

// The choice of a list item or a stored number; none for a number outside the list.
inline std::optional<StageChoice> stageChoiceOf(int item) {
    if (item < int(StageChoice::Unchosen) || item > int(StageChoice::Provisional))
        return std::nullopt;
    return static_cast<StageChoice>(item);
}

inline int itemOf(StageChoice choice) {
    return static_cast<int>(choice);
}
