#pragma once
// What a browser sends when a form is submitted: the form's fields in document order
// (with the button that submitted it), its method, its address and its target.

#include "portal/DomTree.h"
#include "portal/PageSource.h"

struct FormSubmission {
    PageRequest request;
    QString target; // the form's target attribute, e.g. "_blank"
};

namespace FormSubmissions {
// Whether the element submits its form when clicked.
bool isSubmitButton(const DomTree& tree, int element);
// The form's first submit button, -1 when it has none.
int firstSubmitButton(const DomTree& tree, int form);
// The submission of the form by the submitter (-1 for none), from a page at pageUrl.
FormSubmission build(const DomTree& tree, int form, int submitter, const QUrl& pageUrl);
} // namespace FormSubmissions
