#include "exports/CellReferences.h"
#include "common/ErrorReport.h"

#include <algorithm>

namespace {

constexpr int kMaxColumnLetters = 3; // XFD
constexpr int kMaxRowDigits = 7;     // 1048576

[[noreturn]] void refuseReference(const QString& reference) {
    throw AppError(QStringLiteral("Μη έγκυρη αναφορά κελιών «%1».").arg(reference));
}

bool isLatinLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Column letters and row number of "B7" or "$B$7"; false when it is not that shape.
bool splitCell(const QString& text, QString& letters, int& row) {
    int i = 0;
    const int n = text.size();
    if (i < n && text[i] == u'$')
        ++i;
    const int lettersStart = i;
    while (i < n && isLatinLetter(text[i]))
        ++i;
    letters = text.mid(lettersStart, i - lettersStart);
    if (letters.isEmpty() || letters.size() > kMaxColumnLetters)
        return false;
    if (i < n && text[i] == u'$')
        ++i;
    const int digitsStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    if (i != n || i == digitsStart || i - digitsStart > kMaxRowDigits)
        return false;
    row = text.mid(digitsStart).toInt();
    return true;
}

int lettersToNumber(const QString& letters) {
    int number = 0;
    for (const QChar c : letters)
        number = number * 26 + (c.toUpper().unicode() - u'A' + 1);
    return number;
}

} // namespace

QString columnName(int column) {
    if (column < 1 || column > kSheetColumns)
        throw AppError(QStringLiteral("Μη έγκυρος αριθμός στήλης %1 (επιτρέπονται 1 έως %2).")
                           .arg(column)
                           .arg(kSheetColumns));
    QString name;
    // Bijective base 26: there is no zero digit, Z is 26 and AA follows it.
    for (int n = column; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

int columnNumber(const QString& name) {
    const bool shaped = !name.isEmpty() && name.size() <= kMaxColumnLetters &&
                        std::all_of(name.begin(), name.end(), isLatinLetter);
    const int number = shaped ? lettersToNumber(name) : 0;
    if (number < 1 || number > kSheetColumns)
        throw AppError(QStringLiteral("Μη έγκυρο όνομα στήλης «%1».").arg(name));
    return number;
}

void checkCellPlace(int row, int column) {
    if (row < 1 || row > kSheetRows)
        throw AppError(QStringLiteral("Μη έγκυρος αριθμός γραμμής %1 (επιτρέπονται 1 έως %2).")
                           .arg(row)
                           .arg(kSheetRows));
    columnName(column); // refuses a column off the sheet
}

CellArea parseCellReference(const QString& reference) {
    QString letters;
    int row = 0;
    if (!splitCell(reference, letters, row))
        refuseReference(reference);
    const int column = lettersToNumber(letters);
    if (row < 1 || row > kSheetRows || column > kSheetColumns)
        refuseReference(reference);
    return {row, column, row, column};
}

CellArea parseBlockReference(const QString& reference) {
    const int colon = reference.indexOf(u':');
    if (colon < 0)
        return parseCellReference(reference);
    try {
        return parseBlockReference(reference.left(colon), reference.mid(colon + 1));
    } catch (const AppError&) {
        refuseReference(reference); // name the whole reference, not one half of it
    }
}

CellArea parseBlockReference(const QString& first, const QString& last) {
    const CellArea a = parseCellReference(first);
    const CellArea b = parseCellReference(last);
    return {std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom),
            std::max(a.right, b.right)};
}

QString areaName(const CellArea& area) {
    const QString first = columnName(area.left) + QString::number(area.top);
    if (area.isSingleCell())
        return first;
    return first + u':' + columnName(area.right) + QString::number(area.bottom);
}
