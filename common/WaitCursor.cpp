#include "common/WaitCursor.h"

#include <QApplication>
#include <QCursor>

WaitCursor::WaitCursor(Qt::CursorShape shape) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setOverrideCursor(shape);
}

WaitCursor::~WaitCursor() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::restoreOverrideCursor();
}
