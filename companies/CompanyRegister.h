#pragma once
// What the company commands do to the register, without their windows.

#include <QString>

namespace CompanyRegister {
// Creates a company: the checks with their messages, the data folder with empty tables,
// the register row assigned to the logged-in operator and the company record. The new
// company becomes the open company and is locked for this installation. False, with
// nothing written, when a check refuses; the lock of another installation on the folder
// refuses too, with the in-use message.
bool create(const QString& afm, const QString& name);
// Makes the company the open one (its tables attached, its record loaded).
void open(const QString& afm);
// The same for the company that the chooser has just locked: when the opening fails,
// this installation's lock is removed again, so that the company is not left looking
// in use.
void openChosen(const QString& afm);
// Opens a company named by a list of the office's owners with the chooser's rules: it
// must be one that the operator sees in the chooser, and another installation's lock
// refuses it; this installation's lock is taken. False, with the message, when refused.
bool openVisible(const QString& afm);
// Renames the current row of the register; false with the message when the name is empty.
bool renameCurrent(const QString& name);
// Takes the lock of the register's current company for this installation; shows the
// refusal and returns false when another installation holds it.
bool lockCurrent();
// False, with the in-use message, while another installation holds the register's
// current company open.
bool currentIsFree();
// Deletes the register's current row unless another installation holds the company
// open; true when deleted.
bool deleteCurrent();
} // namespace CompanyRegister
