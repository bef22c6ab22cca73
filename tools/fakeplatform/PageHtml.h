#pragma once
// Small pieces of the fake platform's markup: escaped text, the platform's display of
// amounts, and the frame of every page with the noise a real site carries (a header of
// nested tables and menus, scripts, entities, comments, blanks and line breaks).

#include <QString>
#include <QVariant>

namespace PageHtml {
// Text with &, <, > and " written as entities; line breaks become <br>.
QString text(const QVariant& value);
// An amount as the platform shows it: "1.234,50"; nothing for an empty value.
QString amount(const QVariant& value);
// A check box that shows the mark, written as the platform writes it.
QString checkBox(const QString& name, bool checked);
// A whole page: the title, the line of the signed-in user (may be empty), the content.
QString page(const QString& title, const QString& userLine, const QString& content);
} // namespace PageHtml
