#pragma once
// A tick mark of the declaration's terms: ticked only for the exact text "ΝΑΙ".

#include <QLabel>

class TickPicture : public QLabel {
    Q_OBJECT
public:
    explicit TickPicture(QWidget* parent = nullptr);
    void showValue(const QString& value);
    bool isTicked() const { return m_ticked; }

private:
    bool m_ticked = false;
};
