#include "exports/WorkbookApp.h"
#include "common/ErrorReport.h"
#include "common/Messages.h"
#include "exports/WorkbookFiles.h"
#include "exports/XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

WorkbookApp::WorkbookApp(std::shared_ptr<WorkbookOpener> opener, const QString& outputFolder)
    : m_opener(opener ? std::move(opener) : std::make_shared<DesktopOpener>()),
      m_folder(outputFolder) {}

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
        path = WorkbookFiles::reserve(m_folder.isEmpty() ? WorkbookFiles::folder() : m_folder);
        writeXlsx(workbook, path);
    } catch (const AppError& e) {
        if (!path.isEmpty())
            QFile::remove(path);
        messages().showError(e.text());
        return;
    }
    m_written << path;
    if (!m_opener->open(path))
        offerToKeep(path);
}

void WorkbookApp::offerToKeep(const QString& path) {
    const QString saveAs = QStringLiteral("Αποθήκευση ως…");
    const QStringList buttons{saveAs, QStringLiteral("OK")};
    const QString text =
        QStringLiteral("Το βιβλίο εργασίας γράφτηκε στο αρχείο «%1», αλλά δεν ήταν δυνατό να "
                       "ανοίξει με το πρόγραμμα λογιστικών φύλλων. Με «%2» το κρατάτε όπου "
                       "θέλετε· από τον φάκελό του διαγράφεται μετά από %3 ημέρες.")
            .arg(QDir::toNativeSeparators(path), saveAs, QString::number(WorkbookFiles::kKeptDays));
    if (messages().askChoice(text, buttons) != 0)
        return;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString target =
        messages().askSaveFileName(QDir(documents).filePath(QFileInfo(path).fileName()),
                                   QStringLiteral("Βιβλίο εργασίας (*.xlsx)"));
    if (target.isEmpty() || QFileInfo(target) == QFileInfo(path))
        return;
    // The file dialog has asked before a file of that name is replaced.
    if ((QFile::exists(target) && !QFile::remove(target)) || !QFile::copy(path, target))
        messages().showError(
            QStringLiteral("Δεν ήταν δυνατή η αποθήκευση του βιβλίου εργασίας στο αρχείο «%1».")
                .arg(QDir::toNativeSeparators(target)));
}
