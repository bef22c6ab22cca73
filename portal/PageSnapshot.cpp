#include "portal/PageSnapshot.h"

namespace {
// Shared by every script: the serialiser of nodes and the resolver of paths. A node is
// [kind, parent, name or text, attributes, value, rendered text, frame link], kinds as
// in DomNode::Kind; parents and links index the same list. A text is either itself or
// the index of a text in the list of strings that goes with the nodes.
const char* const kHelpers = R"JS(
const lethora = {
  mark: Symbol.for('lethora.page'),
  serialise(roots) {
    const nodes = [];
    const strings = [];
    const known = new Map();
    // Short texts that repeat (tags, attribute names and values) travel once.
    const str = (text) => {
      if (text.length > 200) return text;
      let index = known.get(text);
      if (index === undefined) {
        index = strings.length;
        strings.push(text);
        known.set(text, index);
      }
      return index;
    };
    const stack = [];
    for (let i = roots.length - 1; i >= 0; --i) stack.push([roots[i], -1, -1]);
    while (stack.length) {
      const [node, parent, frame] = stack.pop();
      const index = nodes.length;
      const type = node.nodeType;
      if (type === 1) {
        const attributes = [];
        for (const a of node.attributes) attributes.push(str(a.name), str(a.value));
        const tag = node.localName;
        const control = tag === 'input' || tag === 'select' || tag === 'textarea';
        // A long text (a whole table or page) is sent only when it is asked for.
        const text = typeof node.innerText === 'string' ? node.innerText : '';
        nodes.push([1, parent, str(tag), attributes, str(control ? node.value : ''),
                    text.length > 2000 ? null : str(text), -1]);
        if (tag === 'iframe' || tag === 'frame') {
          let doc = null;
          try { doc = node.contentDocument; } catch (e) {}
          if (doc) stack.unshift([doc, -1, index]);
        }
      } else if (type === 9) {
        nodes.push([0, parent, str(''), [], str(''), str(''), frame]);
        if (frame >= 0) nodes[frame][6] = index;
      } else if (type === 3 || type === 4) {
        nodes.push([2, parent, str(node.data)]);
      } else if (type === 8) {
        nodes.push([3, parent, str(node.data)]);
      } else if (type === 10) {
        nodes.push([4, parent, str(node.name)]);
      } else {
        continue;
      }
      if (type === 1 || type === 9) {
        const kids = node.childNodes;
        for (let i = kids.length - 1; i >= 0; --i) stack.push([kids[i], index, -1]);
      }
    }
    return {nodes: nodes, strings: strings};
  },
  resolve(path, mark) {
    if (document[this.mark] !== mark) return 'changed';
    let node = document;
    for (const step of path) {
      node = step < 0 ? node.contentDocument : node.children[step];
      if (!node) return 'gone';
    }
    return node;
  },
  answer(status, more) { return JSON.stringify(Object.assign({status: status}, more || {})); }
};
)JS";

// The start of a write script: the element, or the answer why there is none.
const char* const kResolve = R"JS(
const el = lethora.resolve(arguments[0], arguments[1]);
if (typeof el === 'string') return lethora.answer(el);
)JS";

QString writeScript(const char* body) {
    return QString::fromUtf8(kHelpers) + QString::fromUtf8(kResolve) + QString::fromUtf8(body);
}
} // namespace

QString PageSnapshots::readinessScript() {
    return QStringLiteral(
        "return JSON.stringify({ready: document.readyState, url: location.href});");
}

QString PageSnapshots::snapshotScript() {
    return QString::fromUtf8(kHelpers) + QStringLiteral(R"JS(
const d = document;
if (!d[lethora.mark]) d[lethora.mark] = Math.random().toString(36).slice(2) + Date.now().toString(36);
if (d.readyState === 'loading') return JSON.stringify({ready: 'loading'});
return JSON.stringify(Object.assign({ready: d.readyState, mark: d[lethora.mark], url: location.href},
                                    lethora.serialise([d])));
)JS");
}

QString PageSnapshots::setOuterHtmlScript() {
    return writeScript(R"JS(
const parent = el.parentNode;
if (!parent || parent.nodeType !== 1) return lethora.answer('no parent');
const before = el.previousSibling, after = el.nextSibling;
el.outerHTML = arguments[2];
const added = [];
for (let n = before ? before.nextSibling : parent.firstChild; n && n !== after; n = n.nextSibling)
  added.push(n);
return lethora.answer('ok', lethora.serialise(added));
)JS");
}

QString PageSnapshots::setValueScript() {
    return writeScript(R"JS(
if (!['input', 'select', 'textarea'].includes(el.localName)) return lethora.answer('not input');
el.value = arguments[2];
el.dispatchEvent(new Event('input', {bubbles: true}));
el.dispatchEvent(new Event('change', {bubbles: true}));
return lethora.answer('ok', {value: el.value});
)JS");
}

QString PageSnapshots::textScript() {
    return writeScript(R"JS(
return lethora.answer('ok', {text: el.innerText});
)JS");
}

QString PageSnapshots::setAttributeScript() {
    return writeScript(R"JS(
el.setAttribute(arguments[2][0], arguments[2][1]);
return lethora.answer('ok');
)JS");
}

QString PageSnapshots::clickScript() {
    return writeScript(R"JS(
el.click();
return lethora.answer('ok');
)JS");
}

QString PageSnapshots::submitScript() {
    return writeScript(R"JS(
if (el.localName !== 'form') return lethora.answer('not form');
const submits = (e) => (e.localName === 'input' && (e.type === 'submit' || e.type === 'image')) ||
                       (e.localName === 'button' && e.type === 'submit');
let submitter = null;
for (const e of el.ownerDocument.querySelectorAll('input, button'))
  if (e.form === el && submits(e) && !e.disabled) { submitter = e; break; }
el.requestSubmit(submitter);
return lethora.answer('ok');
)JS");
}

QList<int> PageSnapshots::appendNodes(DomTree& tree, const QJsonObject& serialised) {
    const QJsonArray nodes = serialised.value(QStringLiteral("nodes")).toArray();
    const QJsonArray strings = serialised.value(QStringLiteral("strings")).toArray();
    auto text = [&strings](const QJsonValue& value) {
        return value.isDouble() ? strings.at(value.toInt()).toString() : value.toString();
    };
    const int base = int(tree.nodes.size());
    auto link = [base](const QJsonValue& value) {
        const int index = value.toInt(-1);
        return index < 0 ? -1 : base + index;
    };
    for (const QJsonValue& value : nodes) {
        const QJsonArray entry = value.toArray();
        DomNode node;
        node.kind = DomNode::Kind(entry.at(0).toInt());
        node.parent = link(entry.at(1));
        node.name = text(entry.at(2));
        if (node.kind == DomNode::Kind::Element || node.kind == DomNode::Kind::Document) {
            const QJsonArray attributes = entry.at(3).toArray();
            for (qsizetype i = 0; i + 1 < attributes.size(); i += 2)
                node.attributes.append(
                    {text(attributes.at(i)).toLower(), text(attributes.at(i + 1))});
            node.value = text(entry.at(4));
            node.renderedText = text(entry.at(5));
            node.renderedTextDeferred = entry.at(5).isNull();
            node.frameLink = link(entry.at(6));
        }
        tree.nodes.append(node);
    }
    QList<int> roots;
    for (int i = base; i < tree.nodes.size(); ++i) {
        const DomNode& node = tree.nodes.at(i);
        if (node.parent >= 0)
            tree.nodes[node.parent].children.append(i);
        else if (!(node.kind == DomNode::Kind::Document && node.frameLink >= 0))
            roots.append(i);
    }
    ++tree.generation;
    return roots;
}

QJsonArray PageSnapshots::pathOf(const DomTree& tree, int node) {
    QList<int> steps;
    for (int current = node;;) {
        const DomNode& n = tree.nodes.at(current);
        if (n.kind == DomNode::Kind::Document) {
            if (n.frameLink < 0)
                break;
            steps.prepend(-1);
            current = n.frameLink;
            continue;
        }
        steps.prepend(int(tree.elementChildren(n.parent).indexOf(current)));
        current = n.parent;
    }
    QJsonArray path;
    for (const int step : steps)
        path.append(step);
    return path;
}
