#pragma once
// The real browser's page read in one go: one script serialises the whole live document
// (nodes, attributes, control values, rendered texts, same-origin frames) into a
// DomTree. Writes address an element of the live page by its path in the snapshot (the
// element child indexes from the document down, with a step into a frame's document),
// and only while the window still shows the document the snapshot was taken of.

#include "portal/DomTree.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <memory>

class PageSnapshot : public DomTree {
public:
    // The window that showed the page (the provider's own object) and the mark that the
    // snapshot script left on the live document.
    std::weak_ptr<BrowserObject> window;
    QString pageMark;
};

namespace PageSnapshots {
// The script that tells whether the window has a document: {"ready": state, "url": ...}.
QString readinessScript();
// The script that serialises the document; it answers JSON text: {"ready": state} while
// the page is still loading, else also "mark", "url", "nodes" and "strings".
QString snapshotScript();
// Appends serialised nodes ("nodes" and "strings") to the tree; gives the nodes without a
// parent among them.
QList<int> appendNodes(DomTree& tree, const QJsonObject& serialised);
// The element's path for the write scripts.
QJsonArray pathOf(const DomTree& tree, int node);

// The write scripts. Each takes the path and the page mark first and answers JSON text
// with "status": "ok", "changed" (the window shows another document), "gone" (no
// element at the path) or a refusal of its own.
// Replaces the element by the HTML (third argument); also answers the new nodes
// ("nodes" and "strings").
QString setOuterHtmlScript();
// Sets a control's value (third argument) and tells the page it was typed; refuses with
// "not input".
QString setValueScript();
QString clickScript();
// Sets an attribute; the third argument is [name, value].
QString setAttributeScript();
// Reads the rendered text of the element (a long one the snapshot did not carry).
QString textScript();
// Submits with the form's first submit button; refuses with "not form".
QString submitScript();
} // namespace PageSnapshots
