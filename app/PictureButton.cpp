#include "app/PictureButton.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {
const int kOffset = 7; // the front panel lies this far up and left of the back panel
const int kSink = 4;   // how far it moves while pressed
} // namespace

PictureButton::PictureButton(const QString& tag, const QString& pictureName, const QPixmap& picture,
                             const QString& caption, QWidget* parent)
    : QWidget(parent) {
    const QSize face(picture.width() + 24, picture.height() + 48);
    setFixedSize(face + QSize(kOffset, kOffset));
    m_back = new QFrame(this);
    m_back->setObjectName(QStringLiteral("P") + tag + QStringLiteral("B"));
    m_back->setGeometry(kOffset, kOffset, face.width(), face.height());
    m_back->setAutoFillBackground(true);
    QPalette grey = m_back->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    m_back->setPalette(grey);

    m_front = new QFrame(this);
    m_front->setObjectName(QStringLiteral("P") + tag + QStringLiteral("F"));
    m_front->setFrameShape(QFrame::Panel);
    m_front->setFrameShadow(QFrame::Raised);
    m_front->setAutoFillBackground(true);
    m_front->setGeometry(0, 0, face.width(), face.height());
    m_rest = m_front->pos();
    m_picture = new QLabel(m_front);
    m_picture->setObjectName(pictureName);
    m_picture->setPixmap(picture);
    m_picture->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(caption, m_front);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    auto* layout = new QVBoxLayout(m_front);
    layout->addWidget(m_picture);
    layout->addWidget(text);
    for (QWidget* w : {static_cast<QWidget*>(m_front), static_cast<QWidget*>(m_picture),
                       static_cast<QWidget*>(text)}) {
        w->installEventFilter(this);
        w->setMouseTracking(true);
        w->setCursor(Qt::PointingHandCursor);
    }
    restoreHighlight();
}

void PictureButton::colourFront(QPalette::ColorRole role) {
    QPalette look = m_front->palette();
    look.setColor(QPalette::Window, palette().color(role));
    m_front->setPalette(look);
}

void PictureButton::restoreHighlight() {
    colourFront(QPalette::Light);
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_pressed = true;
            m_front->move(m_rest + QPoint(kSink, kSink));
            colourFront(QPalette::ToolTipBase);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_pressed) {
            m_pressed = false;
            m_front->move(m_rest);
            restoreHighlight();
            const QPoint at = static_cast<QWidget*>(watched)->mapTo(
                this, static_cast<QMouseEvent*>(event)->pos());
            if (rect().contains(at) && m_command)
                m_command();
            return true;
        }
        break;
    case QEvent::MouseMove:
    case QEvent::Enter:
        if (!m_pressed)
            colourFront(QPalette::ToolTipBase);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QPixmap drawPicture(const QString& symbol, const QColor& colour) {
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(colour.darker(140));
    painter.drawRoundedRect(QRectF(4, 4, 88, 88), 14, 14);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(44);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(4, 4, 88, 88), Qt::AlignCenter, symbol);
    return pixmap;
}
