#pragma once
// Reads back what a test needs of an .xlsx file: the parts are taken out with the
// "unzip" program and read with QXmlStreamReader.

#include <QHash>
#include <QString>
#include <QStringList>

// A cell as the file stores it, with its style resolved.
struct ReadCell {
    QString value; // the text, or the number as written ("1234.5")
    bool isNumber = false;
    QString numberFormat; // the format code; empty for the general format
    bool bold = false;
    QString fill;       // "RRGGBB" of a solid fill; empty for none
    QString bottomLine; // "thin", "double" or empty
    QString alignment;  // "center" or empty
};

struct ReadChart {
    QString direction; // barDir: "col" for columns
    QString grouping;  // "clustered"
    QString title;
    QStringList seriesNames;      // the name references
    QStringList seriesValues;     // the value references
    QStringList seriesCategories; // the category references
};

// The first sheet's page setup and frozen panes.
struct ReadPage {
    QString orientation; // "landscape", "portrait" or empty
    bool fitToPage = false;
    int fitToWidth = 1; // pages across and down when fitted; 0 for as many as needed
    int fitToHeight = 1;
    QString paperSize;
    int frozenRows = 0;
    int frozenColumns = 0;
    QString printTitles; // "$2:$3", without the sheet's name
    QString printArea;   // "$A$1:$M$10"
};

struct ReadWorkbook {
    QString sheetName;
    QHash<QString, ReadCell> cells; // by reference, "B7"
    QStringList merges;             // "A2:E2"
    QHash<int, double> widths;      // by column number, for columns given a width
    QList<ReadChart> charts;
    ReadPage page;
};

// The contents of one part of the file ("xl/worksheets/sheet1.xml"); empty when missing.
QByteArray xlsxPart(const QString& file, const QString& part);
ReadWorkbook readXlsx(const QString& file);
