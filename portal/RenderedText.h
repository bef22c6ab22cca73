#pragma once
// The text of an element as a browser renders it (its innerText), worked out from the
// markup for the scripted browser. It follows the browser's rules for the platform's
// pages: hidden elements give nothing; blanks, tabs and line breaks in the markup
// collapse to one blank and vanish at the edges of lines; block elements stand on
// lines of their own (paragraphs with an empty line around them); table cells are
// separated by a tab and rows by a line feed; a line break element gives a line feed;
// preformatted text keeps its blanks.

#include "portal/DomTree.h"

#include <QHash>

class RenderedText {
public:
    // Lays out the texts of every document of the tree; the tree must stay unchanged
    // while this object is used.
    explicit RenderedText(const DomTree& tree);
    QString innerText(int element) const;

private:
    struct Item {
        QString text;
        int breaks = 0; // a required line break count, when text is empty
    };

    struct Step;

    void layOut(int root, bool preserveRoot);
    void layOutText(int node, bool preserve);
    void lineBoundary();
    void emitText(int node, const QString& text);
    void collect(int node, QList<Item>& items) const;

    const DomTree& m_tree;
    // Each rendered text node's share of the rendered text.
    QHash<int, QString> m_texts;
    bool m_atLineStart = true;
    int m_withheldSpace = -1; // the text node whose trailing blank waits for more text
};
