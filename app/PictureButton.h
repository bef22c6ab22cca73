#pragma once
// A large picture button of the main window: a front panel that lies 7 pixels up and
// left of a grey back panel, and sinks onto it while the mouse is pressed.

#include <QFrame>
#include <functional>

class QLabel;

class PictureButton : public QWidget {
    Q_OBJECT
public:
    // tag n names the front panel "P" + n + "F" and the back panel "P" + n + "B".
    PictureButton(const QString& tag, const QString& pictureName, const QPixmap& picture,
                  const QString& caption, QWidget* parent);

    void setCommand(std::function<void()> command) { m_command = std::move(command); }
    // Gives the front panel its resting colour (the mouse moved off it).
    void restoreHighlight();

    QFrame* front() const { return m_front; }
    QLabel* picture() const { return m_picture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colourFront(QPalette::ColorRole role);

    QFrame* m_back;
    QFrame* m_front;
    QLabel* m_picture;
    QPoint m_rest;
    bool m_pressed = false;
    std::function<void()> m_command;
};

// A simple drawn picture for the picture buttons: a symbol on a coloured card.
QPixmap drawPicture(const QString& symbol, const QColor& colour);
