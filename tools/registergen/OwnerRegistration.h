#pragma once
// Entering an owner in the shared company register, so that the application lists it
// in its chooser and can open its data folder.

#include <QString>

// Creates the shared tables if they are missing, and writes the owner's row of Comps
// (AFM, name, assigned to the operator) and of the company record Edra in "Data\" +
// afm (AFM and name; the folder's tables must exist). Rows already there take the new
// name and operator; everything is one transaction.
void registerOwner(const QString& afm, const QString& name,
                   const QString& operatorName = QStringLiteral("admin"));
