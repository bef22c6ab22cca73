#pragma once
// Parses HTML into a DomTree with an HTML5 parser, as a browser builds its document.
// Form controls get their current value from their markup.

#include "portal/DomTree.h"

#include <QString>

namespace HtmlParser {
// Parses a whole page into the tree; returns its new document node.
int parseDocument(DomTree& tree, const QString& html);
// Parses HTML as the content of an element with the context tag (for example when an
// element's outer HTML is replaced); returns the new nodes, not yet attached.
QList<int> parseFragment(DomTree& tree, const QString& html, const QString& contextTag);
} // namespace HtmlParser
