#include "exports/WorkbookApp.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "exports/XlsxWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

WorkbookApp::WorkbookApp(std::shared_ptr<WorkbookOpener> opener, const QString& outputFolder)
    : m_opener(opener ? std::move(opener) : std::make_shared<DesktopOpener>()),
      m_folder(outputFolder.isEmpty() ? QDir::tempPath() : outputFolder) {}

Workbook& WorkbookApp::addWorkbook() {
    m_workbooks.push_back(std::make_unique<WorkbookModel>());
    return *m_workbooks.back();
}

Workbook& WorkbookApp::workbook(int index) {
    if (index < 1 || index > workbookCount())
        throw AppError(QStringLiteral("Δεν υπάρχει βιβλίο εργασίας %1.").arg(index));
    return *m_workbooks[size_t(index) - 1];
}

const WorkbookModel& WorkbookApp::model(int index) const {
    return *m_workbooks.at(size_t(index) - 1);
}

void WorkbookApp::setVisible(bool visible) {
    const bool shown = visible && !m_visible;
    m_visible = visible;
    if (!shown)
        return;
    for (const auto& workbook : m_workbooks)
        handOver(*workbook);
}

void WorkbookApp::handOver(const WorkbookModel& workbook) {
    QString path;
    try {
        path = reserveFile();
        writeXlsx(workbook, path);
    } catch (const AppError& e) {
        if (!path.isEmpty())
            QFile::remove(path);
        messages().showError(e.text());
        return;
    }
    m_written << path;
    if (!m_opener->open(path))
        showMessage(QStringLiteral("Το βιβλίο εργασίας αποθηκεύτηκε στο αρχείο «%1», αλλά δεν "
                                   "βρέθηκε εφαρμογή για να το ανοίξει. Ανοίξτε το αρχείο από "
                                   "τον φάκελό του.")
                        .arg(QDir::toNativeSeparators(path)));
}

QString WorkbookApp::reserveFile() const {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QDir folder(m_folder);
    for (int n = 1;; ++n) {
        const QString path =
            folder.filePath(QStringLiteral("Lethora-%1-%2.xlsx").arg(stamp).arg(n));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path; // the empty file holds the name until the workbook is written
        if (!file.exists())
            throw AppError(QStringLiteral("Δεν ήταν δυνατή η εγγραφή του βιβλίου εργασίας στο "
                                          "αρχείο «%1»: ο φάκελος δεν επιτρέπει τη δημιουργία "
                                          "αρχείων.")
                               .arg(QDir::toNativeSeparators(path)));
    }
}
