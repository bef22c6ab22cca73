#pragma once
// The maker's web services that the application asks for, as the demo needs them: the
// help-video list and video page, the editorial page, and the three update services,
// which announce the application's own version so that no update is offered. They are
// served under "/maker/"; other addresses go to the platform.

#include "portal/PageSource.h"

class MakerServices : public PageSource {
public:
    MakerServices(PageSource& platform, QString base);
    PageAnswer answer(const PageRequest& request) override;
    // The settings of the working folder that point the application at these services.
    QList<QPair<QString, QString>> settings() const;

private:
    PageSource& m_platform;
    QString m_base;
};
