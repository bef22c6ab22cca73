#pragma once
// A status bar of two text panels, addressed by number (0 and 1).

#include <QStatusBar>

class QLabel;

class TwoPanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit TwoPanelStatusBar(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

private:
    QLabel* m_panels[2];
};
