#include "common/QtMessages.h"
#include "common/AppVersion.h"
#include "common/WaitCursor.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

namespace {

QWidget* ownerWindow() {
    QWidget* w = QApplication::activeModalWidget();
    return w ? w : QApplication::activeWindow();
}

QString boxTitle() {
    return kAppTitle;
}

// A box that comes up in the middle of an operation under the hourglass shows the arrow.
void execWithArrow(QMessageBox& box) {
    std::optional<WaitCursor> arrow;
    if (QApplication::overrideCursor())
        arrow.emplace(Qt::ArrowCursor);
    box.exec();
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
