#pragma once
// The about box of the menu "Βοήθητικά": the application's name and version.

#include <QDialog>

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};
