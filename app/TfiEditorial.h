#pragma once
// The editorial window shown once after start-up while "editorial.ini" exists: a page
// of the maker's web site, and a box that stops it from being shown again.

#include <QDialog>

class QCheckBox;
class QTextBrowser;

class TfiEditorial : public QDialog {
    Q_OBJECT
public:
    explicit TfiEditorial(QWidget* parent = nullptr);

    QTextBrowser* wbPage;
    QCheckBox* cbNotAgain;
    // "Έξοδος": with the box ticked, deletes "editorial.ini".
    void btExitClick();
};
