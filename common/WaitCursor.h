#pragma once
// Shows the hourglass pointer (or another shape) for the life of the object and restores
// the pointer that was in force before. The one guard of the application's pointer.

#include <QtCore/qnamespace.h>

class WaitCursor {
public:
    explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
