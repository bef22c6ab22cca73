#pragma once
// The server folds names written without quotes to lower case, while its columns keep
// the spelling of the table definitions ("DilCode"). So the statements the application
// writes ("SELECT DilCode from …") have each bare field name quoted in its defined
// spelling before they run there. Texts in quotes, quoted names and other words stay.

#include <QString>

QString quoteFieldNames(const QString& sql);
