#pragma once
// The main window's company commands: create, open and delete a company.

class QWidget;

namespace CompanyCommands {
// Rights "I"; the creation dialog; true when a company was created (it is then open).
bool createCompany(QWidget* parent);
// The chooser for opening, over the companies the operator sees; true when one was opened.
bool openCompany(QWidget* parent);
// Rights "D"; the chooser for deleting, over the operator's own companies.
void deleteCompany(QWidget* parent);
} // namespace CompanyCommands
