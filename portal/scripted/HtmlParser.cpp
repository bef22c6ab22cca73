#include "portal/scripted/HtmlParser.h"

#include <QRegularExpression>
#include <gumbo.h>
#include <memory>
#include <vector>

namespace {
// The parser puts the text that ends a form after the form instead of inside it. A
// comment just before every form end tag makes it place the text first; the comment
// is dropped again when the tree is built.
const QString kFormEndMark = QStringLiteral("lethora:form-end");

QString markFormEnds(const QString& html) {
    static const QRegularExpression formEnd(QStringLiteral("</form"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString marked = html;
    marked.replace(formEnd, QStringLiteral("<!--") + kFormEndMark + QStringLiteral("--></form"));
    return marked;
}

bool isFormEndMark(const GumboNode* node) {
    return node->type == GUMBO_NODE_COMMENT && kFormEndMark == QLatin1String(node->v.text.text);
}

struct GumboOutputDeleter {
    const GumboOptions* options;
    void operator()(GumboOutput* output) const { gumbo_destroy_output(options, output); }
};

QString tagNameOf(const GumboElement& element) {
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return QString::fromUtf8(gumbo_normalized_tagname(element.tag));
    GumboStringPiece original = element.original_tag;
    gumbo_tag_from_original_text(&original);
    return QString::fromUtf8(original.data, qsizetype(original.length)).toLower();
}

// One parser node as a tree node, not yet linked.
DomNode nodeOf(const GumboNode* source) {
    DomNode node;
    switch (source->type) {
    case GUMBO_NODE_DOCUMENT:
        node.kind = DomNode::Kind::Document;
        break;
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE: {
        const GumboElement& element = source->v.element;
        node.kind = DomNode::Kind::Element;
        node.name = tagNameOf(element);
        for (unsigned i = 0; i < element.attributes.length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(element.attributes.data[i]);
            node.attributes.append({QString::fromUtf8(attribute->name).toLower(),
                                    QString::fromUtf8(attribute->value)});
        }
        break;
    }
    case GUMBO_NODE_COMMENT:
        node.kind = DomNode::Kind::Comment;
        node.name = QString::fromUtf8(source->v.text.text);
        break;
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_CDATA:
    case GUMBO_NODE_WHITESPACE:
        node.kind = DomNode::Kind::Text;
        node.name = QString::fromUtf8(source->v.text.text);
        node.name.remove(QStringLiteral("<!--") + kFormEndMark + QStringLiteral("-->"));
        break;
    }
    return node;
}

// Copies the parser's tree below source into the tree, in document order, and returns
// the index of source's node. The walk keeps its own stack, so that however deeply a
// page nests its elements the program's stack does not grow with it.
int convert(DomTree& tree, const GumboNode* source) {
    struct Pending {
        const GumboNode* source;
        int parent;
    };
    std::vector<Pending> pending{{source, -1}};
    int top = -1;
    while (!pending.empty()) {
        const Pending next = pending.back();
        pending.pop_back();
        const DomNode node = nodeOf(next.source);
        const int index = tree.add(node);
        if (next.parent < 0)
            top = index;
        else
            tree.appendChild(next.parent, index);
        if (node.kind == DomNode::Kind::Document && next.source->v.document.has_doctype) {
            DomNode doctype;
            doctype.kind = DomNode::Kind::Doctype;
            doctype.name = QString::fromUtf8(next.source->v.document.name);
            tree.appendChild(index, tree.add(doctype));
        }
        if (node.kind != DomNode::Kind::Document && node.kind != DomNode::Kind::Element)
            continue;
        const GumboVector& children = node.kind == DomNode::Kind::Document
                                          ? next.source->v.document.children
                                          : next.source->v.element.children;
        // Last child first, so that the first is taken next.
        for (unsigned i = children.length; i-- > 0;) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (!isFormEndMark(child))
                pending.push_back({child, index});
        }
    }
    return top;
}

// The value an option submits: its value attribute, or its text with blanks collapsed.
QString optionValue(const DomTree& tree, int option) {
    if (tree.hasAttribute(option, QStringLiteral("value")))
        return tree.attribute(option, QStringLiteral("value"));
    return tree.textContent(option).simplified();
}

// The value that a control starts with, as a browser gives it.
void setInitialValues(DomTree& tree, int root) {
    for (const int node : tree.descendants(root)) {
        DomNode& n = tree.nodes[node];
        if (n.name == QLatin1String("input")) {
            const QString type = tree.attribute(node, QStringLiteral("type")).toLower();
            const bool checkable =
                type == QLatin1String("checkbox") || type == QLatin1String("radio");
            n.value = checkable && !tree.hasAttribute(node, QStringLiteral("value"))
                          ? QStringLiteral("on")
                          : tree.attribute(node, QStringLiteral("value"));
            if (!checkable)
                n.value.remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
        } else if (n.name == QLatin1String("textarea")) {
            n.value = tree.textContent(node);
        } else if (n.name == QLatin1String("select")) {
            const QList<int> options = tree.descendants(node, QStringLiteral("option"));
            int chosen = options.isEmpty() ? -1 : options.first();
            for (const int option : options)
                if (tree.hasAttribute(option, QStringLiteral("selected")))
                    chosen = option;
            tree.nodes[node].value = chosen < 0 ? QString() : optionValue(tree, chosen);
        }
    }
}

using OutputPtr = std::unique_ptr<GumboOutput, GumboOutputDeleter>;

OutputPtr parse(const GumboOptions& options, const QByteArray& utf8) {
    return OutputPtr(gumbo_parse_with_options(&options, utf8.constData(), size_t(utf8.size())),
                     GumboOutputDeleter{&options});
}
} // namespace

int HtmlParser::parseDocument(DomTree& tree, const QString& html) {
    const QByteArray utf8 = markFormEnds(html).toUtf8();
    const OutputPtr output = parse(kGumboDefaultOptions, utf8);
    const int document = convert(tree, output->document);
    setInitialValues(tree, document);
    return document;
}

QList<int> HtmlParser::parseFragment(DomTree& tree, const QString& html,
                                     const QString& contextTag) {
    GumboOptions options = kGumboDefaultOptions;
    const QByteArray context = contextTag.toUtf8();
    options.fragment_context = gumbo_tag_enum(context.constData());
    if (options.fragment_context == GUMBO_TAG_UNKNOWN)
        options.fragment_context = GUMBO_TAG_DIV;
    options.fragment_namespace = GUMBO_NAMESPACE_HTML;
    const QByteArray utf8 = markFormEnds(html).toUtf8();
    const OutputPtr output = parse(options, utf8);
    // The fragment's nodes are the children of the parser's root element.
    const int holder = convert(tree, output->root);
    setInitialValues(tree, holder);
    const QList<int> nodes = tree.nodes.at(holder).children;
    tree.nodes[holder].children.clear();
    for (const int node : nodes)
        tree.nodes[node].parent = -1;
    return nodes;
}
