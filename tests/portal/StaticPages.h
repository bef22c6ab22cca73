#pragma once
// A page source of fixed pages by address, for tests that need a page of their own.
// Unknown addresses answer 404 with an empty page.

#include "portal/PageSource.h"

#include <QHash>

class StaticPages : public PageSource {
public:
    PageAnswer answer(const PageRequest& request) override {
        received.append(request);
        PageAnswer answer;
        const QString address = request.url.toString(QUrl::RemoveQuery);
        if (!pages.contains(address)) {
            answer.status = 404;
            return answer;
        }
        answer.html = pages.value(address);
        return answer;
    }

    QHash<QString, QString> pages;
    QList<PageRequest> received;
};
