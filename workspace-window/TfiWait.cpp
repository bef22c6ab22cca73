#include "workspace-window/TfiWait.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfiWait::TfiWait(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("fiWait"));
    setWindowTitle(QStringLiteral("Παρακαλώ περιμένετε ..."));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setFixedWidth(290);
    auto* text = new QLabel(QStringLiteral("Παρακαλώ περιμένετε ..."), this);
    text->setAlignment(Qt::AlignCenter);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: navy; }"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lbCount"));
    m_count->setAlignment(Qt::AlignCenter);
    m_stop = new QPushButton(QStringLiteral("Διακοπή"), this);
    m_stop->setObjectName(QStringLiteral("btStop"));
    connect(m_stop, &QPushButton::clicked, this, [this] {
        m_stop->setEnabled(false);
        m_count->setText(m_count->text() + QStringLiteral(" — διακοπή μετά την τρέχουσα δήλωση"));
        emit stopAsked();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ProgressBar);
    layout->addWidget(m_count);
    layout->addWidget(m_stop, 0, Qt::AlignCenter);
    showImportControls(false);
}

void TfiWait::showImportControls(bool shown) {
    m_count->setVisible(shown);
    m_stop->setVisible(shown);
    m_stop->setEnabled(true);
    adjustSize();
}

void TfiWait::showImportProgress(int handled, int total) {
    if (!m_stop->isEnabled())
        return; // the stop asked for stays said
    m_count->setText(QString::number(handled) + QStringLiteral(" από ") + QString::number(total));
    ProgressBar->setValue(total > 0 ? 100 * handled / total : 100);
}

void TfiWait::closeEvent(QCloseEvent* event) {
    event->ignore();
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

WaitWindowHooks TfiWait::withImportProgress() {
    return {[this] {
                ProgressBar->setValue(0);
                showImportControls(true);
                show();
            },
            [this] {
                hide();
                showImportControls(false);
            }};
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
