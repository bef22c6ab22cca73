#include "updates/TwoPanelStatusBar.h"

#include <QLabel>

TwoPanelStatusBar::TwoPanelStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("panel%1").arg(i));
        addWidget(m_panels[i], 1);
    }
}

QString TwoPanelStatusBar::panelText(int panel) const {
    return m_panels[panel]->text();
}

void TwoPanelStatusBar::setPanelText(int panel, const QString& text) {
    m_panels[panel]->setText(text);
}
