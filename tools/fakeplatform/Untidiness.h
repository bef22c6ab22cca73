#pragma once
// What the real platform's pages and a real operator's browser do that tidy pages do not.
// Each is off by default; the tests switch them on one at a time, and the demonstration
// server takes them from its command line.

#include <QString>
#include <optional>

struct Untidiness {
    // The list's headings broken by <br>, line breaks, several blanks and no-break spaces.
    bool spacedHeadings = false;
    // The action forms and their inputs with their attributes in other orders, and with
    // attributes of their own besides.
    bool reorderedAttributes = false;
    // Every row of the list with a running number in a cell before the registration
    // number, under a number heading that spans both columns.
    bool leadingCell = false;
    // The list with its newest submissions first, so that an amendment of an amendment
    // comes before the amendment it amends.
    bool newestFirst = false;
    // The console with its year choice inside the second of two frames.
    bool consoleInFrames = false;
    // Declaration pages that come late: empty when loaded, then filled by the page's own
    // script in two steps over this many milliseconds (0: whole at once).
    int slowPageMs = 0;
    // A script on every declaration page that keeps the page busy this many milliseconds
    // after it has loaded (0: none).
    int busyPageMs = 0;
    // The session expires after this many declarations opened (0: never); the next one
    // opened lands on the sign-on page.
    int sessionExpiresAfter = 0;
    // The declaration whose window shows another declaration's page (empty: none).
    QString wrongNumberFor;
};

// Reads a comma-separated list of "spaced", "reordered", "leadingcell", "newestfirst",
// "frames", "slow=MS", "busy=MS",
// "expire=N" and "wrong=NUMBER"; nothing for a list with anything else.
std::optional<Untidiness> parseUntidiness(const QString& list);
