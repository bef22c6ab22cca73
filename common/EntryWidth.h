#pragma once
// Entry boxes wide enough for what they usually hold: a tax number, a date, a name.

#include <QString>

class QLineEdit;
class QWidget;

namespace EntryWidth {
// The width the box needs to show the text whole: the text as the box shows it (dots
// for a password), its text margins, its frame and the cursor.
int neededFor(const QLineEdit& box, const QString& text);
// What the box usually holds: its mask filled in (a date), as many digits as it takes
// when it takes at most 20 characters (a tax number, a code), otherwise a name of 20
// characters. A box may name its own in the property "usualText".
QString usualText(const QLineEdit& box);
// Gives every entry box inside the window at least the width its usual text needs.
void fitBoxes(QWidget& window);
} // namespace EntryWidth
