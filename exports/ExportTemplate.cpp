#include "exports/ExportTemplate.h"
#include "common/Messages.h"
#include "store/CursorGuard.h"
#include "store/TdmTables.h"

namespace {
// The "Είδος" item of the declaration and the amending declaration lists.
const int kKindItem = 3;

// Moves to the template whose title equals `title`, letter case ignored.
bool locateTitle(TableCursor& table, const QString& title) {
    for (table.first(); !table.eof() && !table.isEmpty(); table.next())
        if (table.text(QStringLiteral("Title")).compare(title, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void writeFilters(TableCursor& table, const FilterCriteria& f) {
    table.setValue(QStringLiteral("FSaved"), 1);
    table.setValue(QStringLiteral("FStadioDilosis"), itemOf(f.stage));
    table.setValue(QStringLiteral("FBigName"), f.name);
    table.setValue(QStringLiteral("FAFM"), f.afm);
    table.setValue(QStringLiteral("FAPO"), f.dateFrom);
    table.setValue(QStringLiteral("FEOS"), f.dateTo);
    table.setValue(QStringLiteral("FLisis"), f.withTerminations ? 1 : 0);
    table.setValue(QStringLiteral("FArDil"), f.declarationNumber);
    table.setValue(QStringLiteral("FATAK"), f.atak);
    table.setValue(QStringLiteral("FAddr"), f.address);
}

FilterCriteria readFilters(const TableCursor& table) {
    FilterCriteria f;
    f.stage = stageChoiceOf(table.value(QStringLiteral("FStadioDilosis")).toInt())
                  .value_or(StageChoice::Unchosen);
    f.name = table.text(QStringLiteral("FBigName"));
    f.afm = table.text(QStringLiteral("FAFM"));
    f.dateFrom = table.text(QStringLiteral("FAPO"));
    f.dateTo = table.text(QStringLiteral("FEOS"));
    f.withTerminations = table.value(QStringLiteral("FLisis")).toInt() == 1;
    f.declarationNumber = table.text(QStringLiteral("FArDil"));
    f.atak = table.text(QStringLiteral("FATAK"));
    f.address = table.text(QStringLiteral("FAddr"));
    return f;
}
} // namespace

namespace ExportTemplates {

QString tickString(const QList<bool>& ticks) {
    QString s;
    for (bool ticked : ticks)
        s += ticked ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

void applyTickString(QList<bool>& ticks, const QString& string) {
    const qsizetype count = qMin(ticks.size(), string.size());
    for (qsizetype i = 0; i < count; ++i)
        ticks[i] = string.at(i) == QLatin1Char('1');
}

void setLayout(ExportChoice& choice, ExportLayout layout) {
    choice.layout = layout;
    if (layout == ExportLayout::Full)
        return;
    if (choice.mast.size() > kKindItem)
        choice.mast[kKindItem] = true;
    if (choice.trops.size() > kKindItem)
        choice.trops[kKindItem] = true;
}

ExportTemplate fromChoice(const ExportChoice& choice, const QString& title) {
    ExportTemplate t;
    t.title = title;
    t.mast = tickString(choice.mast);
    t.mistotes = tickString(choice.mistotes);
    t.trops = tickString(choice.trops);
    t.akinita = tickString(choice.akinita);
    t.layout = choice.layout;
    return t;
}

void applyTo(const ExportTemplate& stored, ExportChoice& choice) {
    applyTickString(choice.mast, stored.mast);
    applyTickString(choice.mistotes, stored.mistotes);
    applyTickString(choice.trops, stored.trops);
    applyTickString(choice.akinita, stored.akinita);
    // Only a change of the option ticks the "Είδος" columns: a template of the option in
    // force gives its ticks as they were saved.
    if (stored.layout != choice.layout)
        setLayout(choice, stored.layout);
}

ExportTemplate read(const TableCursor& table) {
    ExportTemplate t;
    t.title = table.text(QStringLiteral("Title"));
    if (table.value(QStringLiteral("FSaved")).toInt() == 1)
        t.filters = readFilters(table);
    t.mast = table.text(QStringLiteral("RMast"));
    t.mistotes = table.text(QStringLiteral("RMistotes"));
    t.trops = table.text(QStringLiteral("RTrops"));
    t.akinita = table.text(QStringLiteral("RAkinita"));
    t.layout = exportLayoutOf(table.value(QStringLiteral("Properties")).toInt())
                   .value_or(ExportLayout::Full);
    return t;
}

Confirmable save(const ExportTemplate& stored, Consent overwrite) {
    if (stored.title.isEmpty()) {
        showMessage(kNoTitle);
        return Confirmable::refused();
    }
    TableCursor& table = dmTables().tblMistDilProtypa;
    table.open();
    CloseAfter closing(table);
    if (locateTitle(table, stored.title)) {
        if (overwrite != Consent::Given)
            return Confirmable::needsYes(kOverwrite);
        table.edit();
    } else {
        table.insert();
    }
    table.setValue(QStringLiteral("Title"), stored.title);
    if (stored.filters)
        writeFilters(table, *stored.filters);
    table.setValue(QStringLiteral("RMast"), stored.mast);
    table.setValue(QStringLiteral("RMistotes"), stored.mistotes);
    table.setValue(QStringLiteral("RTrops"), stored.trops);
    table.setValue(QStringLiteral("RAkinita"), stored.akinita);
    table.setValue(QStringLiteral("Properties"), optionOf(stored.layout));
    table.post();
    return Confirmable::done();
}

} // namespace ExportTemplates
