#pragma once
// What answers the scripted browser's requests: one exchange of a page request and its
// answer, as HTTP carries it (method, address, form fields and cookies; status, page,
// redirect address and cookies to keep).

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QUrl>

struct PageRequest {
    QString method = QStringLiteral("GET");
    QUrl url;
    // The fields of a POSTed form, in order; a GET form's fields are in the address.
    QList<QPair<QString, QString>> fields;
    QMap<QString, QString> cookies;
};

struct PageAnswer {
    int status = 200;
    QString html;
    // Where a redirect (status 301, 302, 303 or 307) leads.
    QUrl location;
    QMap<QString, QString> setCookies;
};

class PageSource {
public:
    virtual ~PageSource() = default;
    virtual PageAnswer answer(const PageRequest& request) = 0;
};
