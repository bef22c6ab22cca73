#include "portal/RenderedText.h"

#include <QSet>

namespace {
enum class Display {
    None,
    Inline,
    InlineBlock,
    Block,
    Paragraph,
    Row,
    Cell,
    TablePart,
    Atomic,
    LineBreak
};

QString styleOf(const DomTree& tree, int node) {
    QString style = tree.attribute(node, QStringLiteral("style")).toLower();
    style.remove(QLatin1Char(' '));
    return style;
}

Display displayOf(const DomTree& tree, int node) {
    static const QSet<QString> hidden = {
        QStringLiteral("head"),    QStringLiteral("script"),   QStringLiteral("style"),
        QStringLiteral("title"),   QStringLiteral("meta"),     QStringLiteral("link"),
        QStringLiteral("base"),    QStringLiteral("template"), QStringLiteral("noscript"),
        QStringLiteral("area"),    QStringLiteral("datalist"), QStringLiteral("param"),
        QStringLiteral("noembed"), QStringLiteral("noframes"), QStringLiteral("rp")};
    static const QSet<QString> blocks = {
        QStringLiteral("html"),     QStringLiteral("body"),     QStringLiteral("address"),
        QStringLiteral("article"),  QStringLiteral("aside"),    QStringLiteral("blockquote"),
        QStringLiteral("center"),   QStringLiteral("dd"),       QStringLiteral("details"),
        QStringLiteral("dir"),      QStringLiteral("div"),      QStringLiteral("dl"),
        QStringLiteral("dt"),       QStringLiteral("fieldset"), QStringLiteral("figcaption"),
        QStringLiteral("figure"),   QStringLiteral("footer"),   QStringLiteral("form"),
        QStringLiteral("frameset"), QStringLiteral("h1"),       QStringLiteral("h2"),
        QStringLiteral("h3"),       QStringLiteral("h4"),       QStringLiteral("h5"),
        QStringLiteral("h6"),       QStringLiteral("header"),   QStringLiteral("hgroup"),
        QStringLiteral("hr"),       QStringLiteral("legend"),   QStringLiteral("li"),
        QStringLiteral("listing"),  QStringLiteral("main"),     QStringLiteral("menu"),
        QStringLiteral("nav"),      QStringLiteral("ol"),       QStringLiteral("optgroup"),
        QStringLiteral("option"),   QStringLiteral("pre"),      QStringLiteral("plaintext"),
        QStringLiteral("search"),   QStringLiteral("section"),  QStringLiteral("summary"),
        QStringLiteral("table"),    QStringLiteral("caption"),  QStringLiteral("ul"),
        QStringLiteral("xmp")};
    static const QSet<QString> tableParts = {QStringLiteral("thead"), QStringLiteral("tbody"),
                                             QStringLiteral("tfoot"), QStringLiteral("colgroup"),
                                             QStringLiteral("col")};
    static const QSet<QString> atomic = {
        QStringLiteral("img"),    QStringLiteral("input"),    QStringLiteral("textarea"),
        QStringLiteral("iframe"), QStringLiteral("embed"),    QStringLiteral("object"),
        QStringLiteral("video"),  QStringLiteral("audio"),    QStringLiteral("canvas"),
        QStringLiteral("meter"),  QStringLiteral("progress"), QStringLiteral("frame")};

    const QString& tag = tree.nodes.at(node).name;
    if (hidden.contains(tag) || tree.hasAttribute(node, QStringLiteral("hidden")) ||
        styleOf(tree, node).contains(QLatin1String("display:none")))
        return Display::None;
    if (tag == QLatin1String("input") &&
        tree.attribute(node, QStringLiteral("type"))
                .compare(QLatin1String("hidden"), Qt::CaseInsensitive) == 0)
        return Display::None;
    if (tag == QLatin1String("p"))
        return Display::Paragraph;
    if (tag == QLatin1String("tr"))
        return Display::Row;
    if (tag == QLatin1String("td") || tag == QLatin1String("th"))
        return Display::Cell;
    if (tag == QLatin1String("br"))
        return Display::LineBreak;
    if (blocks.contains(tag))
        return Display::Block;
    if (tableParts.contains(tag))
        return Display::TablePart;
    if (tag == QLatin1String("select") || tag == QLatin1String("button"))
        return Display::InlineBlock;
    if (atomic.contains(tag))
        return Display::Atomic;
    return Display::Inline;
}

bool preservesBlanks(const DomTree& tree, int node) {
    const QString& tag = tree.nodes.at(node).name;
    if (tag == QLatin1String("pre") || tag == QLatin1String("listing") ||
        tag == QLatin1String("plaintext") || tag == QLatin1String("xmp"))
        return true;
    const QString style = styleOf(tree, node);
    return style.contains(QLatin1String("white-space:pre;")) ||
           style.endsWith(QLatin1String("white-space:pre")) ||
           style.contains(QLatin1String("white-space:pre-wrap"));
}

bool isCollapsible(QChar ch) {
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n') ||
           ch == QLatin1Char('\r') || ch == QLatin1Char('\f');
}

QString collapse(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool inBlanks = false;
    for (const QChar ch : text) {
        if (isCollapsible(ch)) {
            if (!inBlanks)
                out += QLatin1Char(' ');
            inBlanks = true;
        } else {
            out += ch;
            inBlanks = false;
        }
    }
    return out;
}

// Whether a cell or row is followed by another of its kind.
bool hasNextSibling(int node, const QList<int>& siblings) {
    return !siblings.isEmpty() && siblings.last() != node;
}

int enclosingTable(const DomTree& tree, int row) {
    for (int node = tree.nodes.at(row).parent; node >= 0; node = tree.nodes.at(node).parent)
        if (tree.isTag(node, QStringLiteral("table")))
            return node;
    return -1;
}
} // namespace

RenderedText::RenderedText(const DomTree& tree) : m_tree(tree) {
    for (int node = 0; node < tree.nodes.size(); ++node)
        if (tree.nodes.at(node).kind == DomNode::Kind::Document) {
            m_atLineStart = true;
            m_withheldSpace = -1;
            layOut(node, false);
        }
}

void RenderedText::lineBoundary() {
    m_withheldSpace = -1;
    m_atLineStart = true;
}

void RenderedText::emitText(int node, const QString& text) {
    if (m_withheldSpace >= 0)
        m_texts[m_withheldSpace] += QLatin1Char(' ');
    m_withheldSpace = -1;
    m_texts[node] += text;
}

// A node of a walk over the tree, kept on a stack of the walk's own so that however deep
// a page nests its elements, the walk never runs out of the program's stack: entered
// first, and left once its children have been walked.
struct RenderedText::Step {
    int node;
    bool preserve;
    bool leaving = false;
    Display display = Display::Inline;
    int breaks = 0;
};

void RenderedText::layOut(int root, bool preserveRoot) {
    QList<Step> steps = {{root, preserveRoot}};
    while (!steps.isEmpty()) {
        const Step step = steps.takeLast();
        const int node = step.node;
        if (step.leaving) {
            if (step.display == Display::InlineBlock) {
                m_withheldSpace = -1;
                m_atLineStart = false;
            } else if (step.display != Display::Inline) {
                lineBoundary();
            }
            continue;
        }
        const DomNode& n = m_tree.nodes.at(node);
        if (n.kind == DomNode::Kind::Text) {
            layOutText(node, step.preserve);
            continue;
        }
        if (n.kind != DomNode::Kind::Element && n.kind != DomNode::Kind::Document)
            continue;
        const Display display =
            n.kind == DomNode::Kind::Document ? Display::Block : displayOf(m_tree, node);
        switch (display) {
        case Display::None:
            continue;
        case Display::LineBreak:
            lineBoundary();
            continue;
        case Display::Atomic:
            if (m_withheldSpace >= 0)
                emitText(node, QString());
            m_atLineStart = false;
            continue;
        case Display::Inline:
            break;
        case Display::InlineBlock:
            // Stands in the line like a picture, with lines of its own inside.
            if (m_withheldSpace >= 0)
                emitText(node, QString());
            lineBoundary();
            break;
        default:
            lineBoundary();
        }
        const bool keep =
            step.preserve || (n.kind == DomNode::Kind::Element && preservesBlanks(m_tree, node));
        steps.append({node, keep, true, display});
        for (auto child = n.children.crbegin(); child != n.children.crend(); ++child)
            steps.append({*child, keep});
    }
}

void RenderedText::layOutText(int node, bool preserve) {
    const DomNode& n = m_tree.nodes.at(node);
    if (preserve) {
        if (!n.name.isEmpty()) {
            emitText(node, n.name);
            m_atLineStart = n.name.endsWith(QLatin1Char('\n'));
        }
        return;
    }
    QString text = collapse(n.name);
    if (text.startsWith(QLatin1Char(' ')) && (m_atLineStart || m_withheldSpace >= 0))
        text.remove(0, 1);
    if (text.isEmpty())
        return;
    const bool trailingBlank = text.endsWith(QLatin1Char(' '));
    if (trailingBlank)
        text.chop(1);
    if (!text.isEmpty())
        emitText(node, text);
    if (trailingBlank)
        m_withheldSpace = node;
    m_atLineStart = false;
}

void RenderedText::collect(int root, QList<Item>& items) const {
    QList<Step> steps = {{root, false}};
    while (!steps.isEmpty()) {
        const Step step = steps.takeLast();
        const int node = step.node;
        const DomNode& n = m_tree.nodes.at(node);
        if (step.leaving) {
            if (step.display == Display::LineBreak)
                items.append({QStringLiteral("\n")});
            if (step.display == Display::Cell && hasNextSibling(node, m_tree.cells(n.parent)))
                items.append({QStringLiteral("\t")});
            if (step.display == Display::Row) {
                const int table = enclosingTable(m_tree, node);
                if (table >= 0 && hasNextSibling(node, m_tree.rows(table)))
                    items.append({QStringLiteral("\n")});
            }
            if (step.breaks > 0)
                items.append({QString(), step.breaks});
            continue;
        }
        if (n.kind == DomNode::Kind::Text) {
            const auto found = m_texts.constFind(node);
            if (found != m_texts.constEnd() && !found->isEmpty())
                items.append({*found});
            continue;
        }
        if (n.kind != DomNode::Kind::Element)
            continue;
        const Display display = displayOf(m_tree, node);
        if (display == Display::None)
            continue;
        const int breaks = display == Display::Paragraph ? 2 : display == Display::Block ? 1 : 0;
        if (breaks > 0)
            items.append({QString(), breaks});
        steps.append({node, false, true, display, breaks});
        for (auto child = n.children.crbegin(); child != n.children.crend(); ++child)
            steps.append({*child, false});
    }
}

QString RenderedText::innerText(int element) const {
    if (!m_tree.isConnected(element))
        return m_tree.textContent(element);
    for (int node = element; node >= 0; node = m_tree.nodes.at(node).parent)
        if (m_tree.isElement(node) && displayOf(m_tree, node) == Display::None)
            return m_tree.textContent(element);

    QList<Item> items;
    for (const int child : m_tree.nodes.at(element).children)
        collect(child, items);

    QString text;
    int pendingBreaks = 0;
    bool started = false;
    for (const Item& item : items) {
        if (item.text.isEmpty()) {
            pendingBreaks = qMax(pendingBreaks, item.breaks);
            continue;
        }
        if (started && pendingBreaks > 0)
            text += QString(pendingBreaks, QLatin1Char('\n'));
        pendingBreaks = 0;
        started = true;
        text += item.text;
    }
    return text;
}
