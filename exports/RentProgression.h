#pragma once
// The rent progression of the workspace's current declaration: the initial declaration
// and each amending declaration with the date from which it applies and its rent, as a
// table and a column chart, headed by the first lessee and the property shown.

// The handler of the workspace's button "Εξαγωγή  εξέλιξης μισθωτηρίου σε excel".
void btExportExelixiClick();
