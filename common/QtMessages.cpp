#include "common/QtMessages.h"
#include "common/AppVersion.h"
#include "common/DialogRunner.h"
#include "common/WaitCursor.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <optional>

namespace {

QWidget* ownerWindow() {
    QWidget* w = QApplication::activeModalWidget();
    return w ? w : QApplication::activeWindow();
}

QString boxTitle() {
    return kAppTitle;
}

// A box or dialog that comes up in the middle of an operation under the hourglass shows
// the arrow.
int runWithArrow(const std::function<int()>& run) {
    std::optional<WaitCursor> arrow;
    if (QApplication::overrideCursor())
        arrow.emplace(Qt::ArrowCursor);
    return run();
}

void execWithArrow(QMessageBox& box) {
    runWithArrow([&] { return box.exec(); });
}

void showOk(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, boxTitle(), text, QMessageBox::NoButton, ownerWindow());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    execWithArrow(box);
}

bool askTwo(const QString& text, const QString& yes, const QString& no) {
    QMessageBox box(QMessageBox::Question, boxTitle(), text, QMessageBox::NoButton, ownerWindow());
    QPushButton* yesButton = box.addButton(yes, QMessageBox::YesRole);
    QPushButton* noButton = box.addButton(no, QMessageBox::NoRole);
    box.setDefaultButton(noButton);
    box.setEscapeButton(noButton);
    execWithArrow(box);
    return box.clickedButton() == yesButton;
}

} // namespace

void QtMessages::showMessage(const QString& text) {
    showOk(QMessageBox::Information, text);
}

void QtMessages::showError(const QString& text) {
    showOk(QMessageBox::Critical, text);
}

bool QtMessages::askYesNo(const QString& text) {
    return askTwo(text, QStringLiteral("Ναι"), QStringLiteral("Όχι"));
}

bool QtMessages::askOkCancel(const QString& text) {
    return askTwo(text, QStringLiteral("OK"), QStringLiteral("Άκυρο"));
}

int QtMessages::askChoice(const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Information, boxTitle(), text, QMessageBox::NoButton,
                    ownerWindow());
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons)
        added << box.addButton(caption, QMessageBox::ActionRole);
    if (!added.isEmpty()) {
        box.setDefaultButton(static_cast<QPushButton*>(added.last()));
        box.setEscapeButton(added.last());
    }
    execWithArrow(box);
    const qsizetype pressed = added.indexOf(box.clickedButton());
    return int(pressed < 0 ? added.size() - 1 : pressed);
}

QString QtMessages::askSaveFileName(const QString& proposedPath, const QString& filter) {
    QFileDialog dialog(ownerWindow(), QStringLiteral("Αποθήκευση ως"), proposedPath, filter);
    dialog.setObjectName(QStringLiteral("SaveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposedPath);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Φάκελος:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Τύπος αρχείου:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Αποθήκευση"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
    if (runWithArrow([&] { return runDialog(dialog); }) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
