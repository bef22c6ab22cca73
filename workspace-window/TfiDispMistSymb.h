#pragma once
// The comments viewer: the declaration's notes in a rich-text box. Edits are not kept.

#include <QDialog>

class QTextEdit;

class TfiDispMistSymb : public QDialog {
    Q_OBJECT
public:
    TfiDispMistSymb(const QString& notes, QWidget* parent = nullptr);
    QTextEdit* reSymb;
};
