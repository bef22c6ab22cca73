#include "portal/DeclarationReading.h"

QList<PageElement> DeclarationReading::items(const ElementCollection& collection) {
    QList<PageElement> found;
    const int count = ops.Count(collection);
    found.reserve(count);
    for (int i = 0; i < count; ++i)
        found.append(ops.Item(collection, i));
    return found;
}

QList<PageElement> DeclarationReading::rows(const PageElement& table) {
    return table ? items(ops.GetRows(table)) : QList<PageElement>();
}

QList<PageElement> DeclarationReading::cells(const PageElement& row) {
    return row ? items(ops.GetCells(row)) : QList<PageElement>();
}

QString DeclarationReading::text(const PageElement& element) {
    return element ? ops.GetOuterText(element) : QString();
}

QString DeclarationReading::trimmedText(const PageElement& element) {
    return text(element).trimmed();
}

QString DeclarationReading::flatHtml(const PageElement& element) {
    if (!element)
        return QString();
    QString html = ops.GetOuterHtml(element);
    html.remove(QLatin1Char('\n'));
    html.remove(QLatin1Char('\t'));
    return html;
}

std::optional<QString> DeclarationReading::inputValue(const QString& id) {
    const PageElement input = ops.GetElementById(document, id);
    if (!input)
        return std::nullopt;
    return ops.GetInputValue(input);
}
