#include "store/TableSchema.h"
#include "store/StoreError.h"

#include <QFileInfo>

namespace {

FieldDef text(const QString& name, int width = 0) {
    return {name, FieldType::Text, width};
}
FieldDef integer(const QString& name) {
    return {name, FieldType::Integer, 0};
}
FieldDef amount(const QString& name) {
    return {name, FieldType::Amount, 0};
}

// Appends name1 … name5 as text fields.
void addFive(QList<FieldDef>& fields, const QStringList& names) {
    for (const QString& base : names)
        for (int n = 1; n <= 5; ++n)
            fields << text(base + QString::number(n));
}

TableDef users() {
    return {QStringLiteral("Users"),
            QStringLiteral("Users.db"),
            QStringLiteral("ClrTbls"),
            {text(QStringLiteral("UserName"), 50), text(QStringLiteral("Pass"), 50),
             text(QStringLiteral("Rights"), 1)},
            {QStringLiteral("UserName")},
            {}};
}

TableDef comps() {
    return {QStringLiteral("Comps"),
            QStringLiteral("Comps.db"),
            QStringLiteral("ClrTbls"),
            {text(QStringLiteral("AFM"), 12), text(QStringLiteral("CompName"), 100),
             text(QStringLiteral("UserName"), 50)},
            {QStringLiteral("AFM")},
            {{QStringLiteral("NameIdx"), {{QStringLiteral("CompName")}}}}};
}

TableDef protypa() {
    TableDef def{QStringLiteral("MistDilProtypa"),
                 QStringLiteral("MistDilProtypa.db"),
                 QStringLiteral("ClrTbls"),
                 {text(QStringLiteral("Title"), 100), integer(QStringLiteral("FSaved")),
                  integer(QStringLiteral("FStadioDilosis")), integer(QStringLiteral("FLisis")),
                  integer(QStringLiteral("Properties"))},
                 {},
                 {}};
    for (const char* f : {"FBigName", "FAFM", "FArDil", "FATAK", "FAddr", "FAPO", "FEOS", "RMast",
                          "RMistotes", "RTrops", "RAkinita"})
        def.fields << text(QString::fromLatin1(f));
    return def;
}

TableDef edra() {
    TableDef def{QStringLiteral("Edra"),    QStringLiteral("Edra.DB"),
                 QStringLiteral("ClrData"), {},
                 {QStringLiteral("AFM")},   {}};
    const QList<QPair<const char*, int>> widths = {
        {"AFM", 15},          {"BigName", 100},    {"SubmitDoy", 100},   {"ActDescr", 100},
        {"Odos", 100},        {"Arithmos", 20},    {"Dhmos", 100},       {"TK", 20},
        {"Phone", 100},       {"email", 100},      {"CompUserName", 50}, {"CompPassword", 50},
        {"EkprUserName", 50}, {"EkprPassword", 50}};
    for (const auto& [name, width] : widths)
        def.fields << text(QString::fromLatin1(name), width);
    return def;
}

// Fields shared by the head of an initial and of an amending declaration.
QList<FieldDef> submissionFields() {
    return {text(QStringLiteral("DateYpovolis")), text(QStringLiteral("DateDisplay")),
            text(QStringLiteral("StadioYpovolis")), text(QStringLiteral("EidosDilosis"))};
}

TableDef mistDilMast() {
    TableDef def{QStringLiteral("MistDilMast"),
                 QStringLiteral("MistDilMast.DB"),
                 QStringLiteral("ClrData"),
                 {integer(QStringLiteral("DilCode"))},
                 {QStringLiteral("DilCode")},
                 {{QStringLiteral("DilCodeDescIdx"), {{QStringLiteral("DilCode"), true}}}}};
    def.fields << submissionFields();
    addFive(def.fields,
            {QStringLiteral("EkmAA"), QStringLiteral("EkmAFM"), QStringLiteral("EkmName"),
             QStringLiteral("EkmPososto"), QStringLiteral("EkmIdiotita"),
             QStringLiteral("EkmDateApodoxis"), QStringLiteral("EkmCheckApodoxis"),
             QStringLiteral("MistAA"), QStringLiteral("MistAFM"), QStringLiteral("MistName"),
             QStringLiteral("MistDateApodoxis"), QStringLiteral("MistCheckApodoxis")});
    def.fields << text(QStringLiteral("EidosTarvenis")) << text(QStringLiteral("SimfonitikoDate"))
               << text(QStringLiteral("MistosiApoDate")) << text(QStringLiteral("MistosiEosDate"))
               << amount(QStringLiteral("TotalMistoma"));
    for (int n = 1; n <= 5; ++n)
        def.fields << text(QStringLiteral("DilCheck") + QString::number(n));
    def.fields << text(QStringLiteral("YpekmCode")) << text(QStringLiteral("YpekmEtos"))
               << text(QStringLiteral("YpekmDoy")) << text(QStringLiteral("Simiosis"))
               << integer(QStringLiteral("FilterField"));
    return def;
}

TableDef mistDilDet() {
    TableDef def{QStringLiteral("MistDilDet"),
                 QStringLiteral("MistDilDet.DB"),
                 QStringLiteral("ClrData"),
                 {integer(QStringLiteral("DilCode")), integer(QStringLiteral("TropDilCode"))},
                 {QStringLiteral("DilCode"), QStringLiteral("TropDilCode")},
                 {{QStringLiteral("DilCodeTropDilCodeDescIdx"),
                   {{QStringLiteral("DilCode"), true}, {QStringLiteral("TropDilCode"), true}}}}};
    def.fields << submissionFields();
    addFive(def.fields, {QStringLiteral("EkmPososto"), QStringLiteral("EkmDateApodoxis"),
                         QStringLiteral("EkmCheckApodoxis"), QStringLiteral("MistDateApodoxis"),
                         QStringLiteral("MistCheckApodoxis")});
    def.fields << text(QStringLiteral("SimfonitikoDate")) << text(QStringLiteral("MistosiApoDate"))
               << text(QStringLiteral("MistosiEosDate")) << amount(QStringLiteral("TotalMistoma"))
               << text(QStringLiteral("Simiosis"));
    return def;
}

TableDef mistDilAkinita() {
    TableDef def{QStringLiteral("MistDilAkinita"),
                 QStringLiteral("MistDilAkinita.DB"),
                 QStringLiteral("ClrData"),
                 {integer(QStringLiteral("DilCode")), integer(QStringLiteral("AA"))},
                 {QStringLiteral("DilCode"), QStringLiteral("AA")},
                 {}};
    for (const char* f :
         {"Eidos", "ATAK", "KAEK", "Odos", "Num", "ZipCode", "Dimos", "Thesi", "Nomos", "Orofos",
          "Descr", "MerikiMistosi", "EpifKX", "EpifBX", "EpifOiko"})
        def.fields << text(QString::fromLatin1(f));
    def.fields << amount(QStringLiteral("MonthlyMist"));
    for (const char* f : {"ExistsDEH", "DEH", "CertNum", "CertDate", "CertAMEPith", "CertAFMEPith",
                          "CertAsfNum", "Certkatataxi"})
        def.fields << text(QString::fromLatin1(f));
    return def;
}

QString quoted(const QString& identifier) {
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

QString sqlType(const FieldDef& f, bool server) {
    switch (f.type) {
    case FieldType::Integer:
        return server ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER");
    case FieldType::Amount:
        return server ? QStringLiteral("DOUBLE PRECISION") : QStringLiteral("REAL");
    case FieldType::Text:
        break;
    }
    return QStringLiteral("TEXT");
}

} // namespace

const FieldDef* TableDef::field(const QString& fieldName) const {
    for (const FieldDef& f : fields)
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const IndexDef* TableDef::index(const QString& indexName) const {
    for (const IndexDef& i : indexes)
        if (i.name.compare(indexName, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

const QList<TableDef>& TableSchema::all() {
    static const QList<TableDef> tables = {users(),       comps(),      protypa(),       edra(),
                                           mistDilMast(), mistDilDet(), mistDilAkinita()};
    return tables;
}

const TableDef& TableSchema::byName(const QString& tableName) {
    for (const TableDef& def : all())
        if (def.name.compare(tableName, Qt::CaseInsensitive) == 0)
            return def;
    throw StoreError(QStringLiteral("Άγνωστος πίνακας: ") + tableName);
}

const TableDef* TableSchema::byFile(const QString& path) {
    QString normal = path;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString base = QFileInfo(normal).completeBaseName();
    for (const TableDef& def : all())
        if (def.name.compare(base, Qt::CaseInsensitive) == 0)
            return &def;
    return nullptr;
}

QString TableSchema::tableName(const QString& path) {
    const TableDef* def = byFile(path);
    if (def)
        return def->name;
    QString normal = path;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(normal).completeBaseName();
}

namespace {
QString tableIn(const TableDef& def, const QString& schema) {
    return schema.isEmpty() ? quoted(def.name) : schema + QLatin1Char('.') + quoted(def.name);
}
} // namespace

QStringList TableSchema::initialRows(const TableDef& def, const QString& schema) {
    if (def.name != QLatin1String("Users"))
        return {};
    return {QStringLiteral("INSERT INTO ") + tableIn(def, schema) +
            QStringLiteral(" (\"UserName\", \"Pass\", \"Rights\") VALUES ('admin', '', 'D')")};
}

QStringList TableSchema::createStatements(const TableDef& def, const QString& schema) {
    const bool server = !schema.isEmpty();
    const QString table = tableIn(def, schema);
    QStringList columns;
    for (const FieldDef& f : def.fields) {
        QString column = quoted(f.name) + QLatin1Char(' ') + sqlType(f, server);
        if (f.name == QLatin1String("FilterField"))
            column += QStringLiteral(" NOT NULL DEFAULT 0");
        columns << column;
    }
    if (server)
        columns << QStringLiteral("rowid BIGINT GENERATED BY DEFAULT AS IDENTITY UNIQUE");
    if (!def.primaryKey.isEmpty()) {
        QStringList keys;
        for (const QString& k : def.primaryKey)
            keys << quoted(k);
        columns << QStringLiteral("PRIMARY KEY (") + keys.join(QStringLiteral(", ")) +
                       QLatin1Char(')');
    }
    QStringList statements;
    statements << QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" (") +
                      columns.join(QStringLiteral(", ")) + QLatin1Char(')');
    for (const IndexDef& index : def.indexes) {
        QStringList parts;
        for (const IndexPart& p : index.parts)
            parts << quoted(p.field) + (p.descending ? QStringLiteral(" DESC") : QString());
        statements << QStringLiteral("CREATE INDEX ") + quoted(index.name) +
                          QStringLiteral(" ON ") + table + QStringLiteral(" (") +
                          parts.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return statements;
}
