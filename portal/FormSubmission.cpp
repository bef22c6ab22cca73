#include "portal/FormSubmission.h"

#include <QUrlQuery>

namespace {
QString typeOf(const DomTree& tree, int element) {
    return tree.attribute(element, QStringLiteral("type")).toLower();
}

bool isCheckable(const QString& type) {
    return type == QLatin1String("checkbox") || type == QLatin1String("radio");
}

bool isButtonType(const QString& type) {
    return type == QLatin1String("submit") || type == QLatin1String("image") ||
           type == QLatin1String("button") || type == QLatin1String("reset");
}

// Options that are selected, as the select submits them.
QList<int> selectedOptions(const DomTree& tree, int select) {
    QList<int> chosen;
    const QList<int> options = tree.descendants(select, QStringLiteral("option"));
    for (const int option : options)
        if (tree.hasAttribute(option, QStringLiteral("selected")))
            chosen.append(option);
    if (!tree.hasAttribute(select, QStringLiteral("multiple"))) {
        if (chosen.isEmpty() && !options.isEmpty())
            chosen.append(options.first());
        if (chosen.size() > 1)
            chosen = {chosen.last()};
    }
    return chosen;
}

QString optionValue(const DomTree& tree, int option) {
    if (tree.hasAttribute(option, QStringLiteral("value")))
        return tree.attribute(option, QStringLiteral("value"));
    return tree.textContent(option).simplified();
}

// The fields one control adds to the form's data.
void addFields(const DomTree& tree, int control, int submitter,
               QList<QPair<QString, QString>>& fields) {
    const QString& tag = tree.nodes.at(control).name;
    const QString name = tree.attribute(control, QStringLiteral("name"));
    const QString type = typeOf(tree, control);
    if (tag == QLatin1String("input") && type == QLatin1String("image")) {
        if (control != submitter)
            return;
        const QString prefix = name.isEmpty() ? QString() : name + QLatin1Char('.');
        fields.append({prefix + QLatin1Char('x'), QStringLiteral("0")});
        fields.append({prefix + QLatin1Char('y'), QStringLiteral("0")});
        return;
    }
    if (name.isEmpty())
        return;
    if (tag == QLatin1String("select")) {
        for (const int option : selectedOptions(tree, control))
            fields.append({name, optionValue(tree, option)});
        return;
    }
    if (tag == QLatin1String("button") || (tag == QLatin1String("input") && isButtonType(type))) {
        if (control == submitter)
            fields.append({name, tree.nodes.at(control).value});
        return;
    }
    if (tag == QLatin1String("input") && isCheckable(type) &&
        !tree.hasAttribute(control, QStringLiteral("checked")))
        return;
    if (tag == QLatin1String("input") && type == QLatin1String("file"))
        return;
    fields.append({name, tree.nodes.at(control).value});
}
} // namespace

bool FormSubmissions::isSubmitButton(const DomTree& tree, int element) {
    if (tree.isTag(element, QStringLiteral("button"))) {
        const QString type = typeOf(tree, element);
        return type.isEmpty() || type == QLatin1String("submit");
    }
    if (!tree.isTag(element, QStringLiteral("input")))
        return false;
    const QString type = typeOf(tree, element);
    return type == QLatin1String("submit") || type == QLatin1String("image");
}

int FormSubmissions::firstSubmitButton(const DomTree& tree, int form) {
    for (const int node : tree.descendants(tree.documentOf(form)))
        if (isSubmitButton(tree, node) && tree.formOf(node) == form &&
            !tree.hasAttribute(node, QStringLiteral("disabled")))
            return node;
    return -1;
}

FormSubmission FormSubmissions::build(const DomTree& tree, int form, int submitter,
                                      const QUrl& pageUrl) {
    QList<QPair<QString, QString>> fields;
    static const QStringList controls = {QStringLiteral("input"), QStringLiteral("select"),
                                         QStringLiteral("textarea"), QStringLiteral("button")};
    for (const int node : tree.descendants(tree.documentOf(form)))
        if (controls.contains(tree.nodes.at(node).name) && tree.formOf(node) == form &&
            !tree.hasAttribute(node, QStringLiteral("disabled")))
            addFields(tree, node, submitter, fields);

    FormSubmission submission;
    submission.target = tree.attribute(form, QStringLiteral("target"));
    const QString action = tree.attribute(form, QStringLiteral("action"));
    QUrl url = action.isEmpty() ? pageUrl : pageUrl.resolved(QUrl(action.trimmed()));
    url.setFragment(QString());
    if (tree.attribute(form, QStringLiteral("method"))
            .compare(QLatin1String("post"), Qt::CaseInsensitive) == 0) {
        submission.request.method = QStringLiteral("POST");
        submission.request.fields = fields;
    } else {
        QUrlQuery query;
        for (const auto& [name, value] : fields)
            query.addQueryItem(QString::fromLatin1(QUrl::toPercentEncoding(name)),
                               QString::fromLatin1(QUrl::toPercentEncoding(value)));
        url.setQuery(query.query(QUrl::FullyEncoded), QUrl::StrictMode);
    }
    submission.request.url = url;
    return submission;
}
