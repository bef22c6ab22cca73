#include "workspace-window/TfiWait.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TfiWait::TfiWait(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("fiWait"));
    setWindowTitle(QStringLiteral("Παρακαλώ περιμένετε ..."));
    setFixedSize(290, 92);
    auto* text = new QLabel(QStringLiteral("Παρακαλώ περιμένετε ..."), this);
    text->setAlignment(Qt::AlignCenter);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: navy; }"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ProgressBar);
}

void TfiWait::showEvent(QShowEvent* event) {
    if (parentWidget()) // centred over the window that shows it
        move(parentWidget()->geometry().center() - rect().center());
    if (!m_hourglass)
        m_hourglass.emplace();
    QWidget::showEvent(event);
}

void TfiWait::hideEvent(QHideEvent* event) {
    m_hourglass.reset();
    QWidget::hideEvent(event);
}

WaitWindowHooks TfiWait::withoutProgress() {
    return {[this] {
                ProgressBar->hide();
                show();
            },
            [this] {
                hide();
                ProgressBar->show();
            }};
}
