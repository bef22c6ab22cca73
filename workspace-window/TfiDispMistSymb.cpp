#include "workspace-window/TfiDispMistSymb.h"

#include <QTextEdit>
#include <QVBoxLayout>

TfiDispMistSymb::TfiDispMistSymb(const QString& notes, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiDispMistSymb"));
    setWindowTitle(QStringLiteral("Συμφωνητικό - Σχολια"));
    resize(703, 675);
    reSymb = new QTextEdit(this);
    reSymb->setObjectName(QStringLiteral("reSymb"));
    reSymb->setLineWrapMode(QTextEdit::NoWrap);
    reSymb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reSymb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reSymb->setPlainText(notes);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reSymb);
}
