#include "tests/exports/XlsxReadBack.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace {

struct StyleParts {
    QHash<int, QString> numberFormats; // by numFmtId
    QList<bool> fontsBold;
    QList<QString> fills;
    QList<QString> borders;
    QList<ReadCell> styles; // cellXfs, as a cell without its value
};

StyleParts readStyles(const QByteArray& xml) {
    StyleParts parts;
    QXmlStreamReader r(xml);
    QString section;
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement())
            continue;
        const QStringView name = r.name();
        const QXmlStreamAttributes a = r.attributes();
        if (name == u"fonts" || name == u"fills" || name == u"borders" || name == u"cellXfs" ||
            name == u"cellStyleXfs")
            section = name.toString();
        else if (name == u"numFmt")
            parts.numberFormats.insert(a.value(QLatin1String("numFmtId")).toInt(),
                                       a.value(QLatin1String("formatCode")).toString());
        else if (section == u"fonts" && name == u"font")
            parts.fontsBold.append(false);
        else if (section == u"fonts" && name == u"b")
            parts.fontsBold.last() = true;
        else if (section == u"fills" && name == u"fill")
            parts.fills.append(QString());
        else if (section == u"fills" && name == u"fgColor")
            parts.fills.last() = a.value(QLatin1String("rgb")).toString().right(6);
        else if (section == u"borders" && name == u"border")
            parts.borders.append(QString());
        else if (section == u"borders" && name == u"bottom")
            parts.borders.last() = a.value(QLatin1String("style")).toString();
        else if (section == u"cellXfs" && name == u"xf") {
            ReadCell style;
            // the writer gives every format it uses a number of its own; 0 is the general one
            style.numberFormat =
                parts.numberFormats.value(a.value(QLatin1String("numFmtId")).toInt());
            style.bold = parts.fontsBold.value(a.value(QLatin1String("fontId")).toInt());
            style.fill = parts.fills.value(a.value(QLatin1String("fillId")).toInt());
            style.bottomLine = parts.borders.value(a.value(QLatin1String("borderId")).toInt());
            parts.styles.append(style);
        } else if (section == u"cellXfs" && name == u"alignment")
            parts.styles.last().alignment = a.value(QLatin1String("horizontal")).toString();
    }
    return parts;
}

QStringList readSharedStrings(const QByteArray& xml) {
    QStringList strings;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == u"si")
            strings.append(QString());
        else if (r.isStartElement() && r.name() == u"t")
            strings.last() += r.readElementText();
    }
    return strings;
}

void readSheet(const QByteArray& xml, const StyleParts& styles, const QStringList& strings,
               ReadWorkbook& book) {
    QXmlStreamReader r(xml);
    QString reference;
    bool shared = false;
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement())
            continue;
        const QXmlStreamAttributes a = r.attributes();
        if (r.name() == u"col") {
            for (int c = a.value(QLatin1String("min")).toInt();
                 c <= a.value(QLatin1String("max")).toInt(); ++c)
                book.widths.insert(c, a.value(QLatin1String("width")).toDouble());
        } else if (r.name() == u"c") {
            reference = a.value(QLatin1String("r")).toString();
            ReadCell cell = styles.styles.value(a.value(QLatin1String("s")).toInt());
            shared = a.value(QLatin1String("t")) == u"s";
            cell.isNumber = !a.hasAttribute(QLatin1String("t"));
            book.cells.insert(reference, cell);
        } else if (r.name() == u"v") {
            const QString v = r.readElementText();
            book.cells[reference].value = shared ? strings.value(v.toInt()) : v;
            book.cells[reference].isNumber = !shared;
        } else if (r.name() == u"mergeCell") {
            book.merges.append(a.value(QLatin1String("ref")).toString());
        } else if (r.name() == u"pageSetUpPr") {
            book.page.fitToPage = a.value(QLatin1String("fitToPage")) == u"1";
        } else if (r.name() == u"pane" && a.value(QLatin1String("state")) == u"frozen") {
            book.page.frozenRows = a.value(QLatin1String("ySplit")).toInt();
            book.page.frozenColumns = a.value(QLatin1String("xSplit")).toInt();
        } else if (r.name() == u"pageSetup") {
            book.page.orientation = a.value(QLatin1String("orientation")).toString();
            book.page.paperSize = a.value(QLatin1String("paperSize")).toString();
            if (a.hasAttribute(QLatin1String("fitToWidth")))
                book.page.fitToWidth = a.value(QLatin1String("fitToWidth")).toInt();
            if (a.hasAttribute(QLatin1String("fitToHeight")))
                book.page.fitToHeight = a.value(QLatin1String("fitToHeight")).toInt();
        }
    }
}

ReadChart readChart(const QByteArray& xml) {
    ReadChart chart;
    QXmlStreamReader r(xml);
    QStringList* target = nullptr;
    bool inTitle = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement() && r.name() == u"title")
            inTitle = false;
        if (!r.isStartElement())
            continue;
        const QStringView name = r.name();
        if (name == u"barDir")
            chart.direction = r.attributes().value(QLatin1String("val")).toString();
        else if (name == u"grouping")
            chart.grouping = r.attributes().value(QLatin1String("val")).toString();
        else if (name == u"title")
            inTitle = true;
        else if (name == u"t" && inTitle)
            chart.title += r.readElementText();
        else if (name == u"tx")
            target = &chart.seriesNames;
        else if (name == u"cat")
            target = &chart.seriesCategories;
        else if (name == u"val")
            target = &chart.seriesValues;
        else if (name == u"f" && target)
            target->append(r.readElementText());
    }
    return chart;
}

} // namespace

QByteArray xlsxPart(const QString& file, const QString& part) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, part});
    unzip.waitForFinished(-1);
    return unzip.exitCode() == 0 ? unzip.readAllStandardOutput() : QByteArray();
}

ReadWorkbook readXlsx(const QString& file) {
    ReadWorkbook book;
    QXmlStreamReader names(xlsxPart(file, QStringLiteral("xl/workbook.xml")));
    while (!names.atEnd()) {
        if (names.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = names.attributes();
        if (names.name() == u"sheet" && book.sheetName.isEmpty())
            book.sheetName = a.value(QLatin1String("name")).toString();
        if (names.name() != u"definedName" || a.value(QLatin1String("localSheetId")) != u"0")
            continue;
        const QString name = a.value(QLatin1String("name")).toString();
        const QString range = names.readElementText().section(QLatin1Char('!'), -1);
        if (name == u"_xlnm.Print_Titles")
            book.page.printTitles = range;
        else if (name == u"_xlnm.Print_Area")
            book.page.printArea = range;
    }
    const StyleParts styles = readStyles(xlsxPart(file, QStringLiteral("xl/styles.xml")));
    const QStringList strings =
        readSharedStrings(xlsxPart(file, QStringLiteral("xl/sharedStrings.xml")));
    readSheet(xlsxPart(file, QStringLiteral("xl/worksheets/sheet1.xml")), styles, strings, book);
    for (int n = 1;; ++n) {
        const QByteArray chart = xlsxPart(file, QStringLiteral("xl/charts/chart%1.xml").arg(n));
        if (chart.isEmpty())
            break;
        book.charts.append(readChart(chart));
    }
    return book;
}
