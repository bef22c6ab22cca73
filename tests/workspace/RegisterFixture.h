#pragma once
// An open company with empty declaration tables in a fresh working folder, and quick
// ways to put declarations, amending declarations and properties into it.

#include "companies/CurrentCompany.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"
#include "tests/support/TestFolder.h"

#include <QDir>
#include <QVariantMap>

class RegisterFixture {
public:
    explicit RegisterFixture(const QString& afm = QStringLiteral("123456783")) : m_afm(afm) {
        QDir().mkpath(m_folder.path(QStringLiteral("Data/") + afm));
        dmTables().CreateCompanyTables(QStringLiteral("Data\\") + afm);
        dmTables().AttachCompanyTables(afm);
        CurrentCompany() = {};
        CurrentCompany().AFM = afm;
    }
    ~RegisterFixture() { CurrentCompany() = {}; }

    void declaration(qlonglong dilCode, QVariantMap fields = {}) {
        fields.insert(QStringLiteral("DilCode"), dilCode);
        insert(QStringLiteral("MistDilMast"), fields);
    }
    void amendment(qlonglong dilCode, qlonglong tropDilCode, QVariantMap fields = {}) {
        fields.insert(QStringLiteral("DilCode"), dilCode);
        fields.insert(QStringLiteral("TropDilCode"), tropDilCode);
        insert(QStringLiteral("MistDilDet"), fields);
    }
    void property(qlonglong dilCode, int aa, QVariantMap fields = {}) {
        fields.insert(QStringLiteral("DilCode"), dilCode);
        fields.insert(QStringLiteral("AA"), aa);
        insert(QStringLiteral("MistDilAkinita"), fields);
    }

    QString path(const QString& table) const { return TdmTables::companyTablePath(m_afm, table); }
    const TestFolder& folder() const { return m_folder; }

    // Puts one row with the fields given into the table file at tablePath.
    static void insertRow(const QString& tablePath, const QVariantMap& fields) {
        TableStore& store = TableStore::instance();
        store.acquire(tablePath);
        QStringList names, marks;
        QVariantList values;
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            names << QLatin1Char('"') + it.key() + QLatin1Char('"');
            marks << QStringLiteral("?");
            values << it.value();
        }
        store.exec(QStringLiteral("INSERT INTO ") + store.qualifiedName(tablePath) +
                       QStringLiteral(" (") + names.join(QLatin1Char(',')) +
                       QStringLiteral(") VALUES (") + marks.join(QLatin1Char(',')) +
                       QLatin1Char(')'),
                   values);
        store.release(tablePath);
    }

private:
    void insert(const QString& table, const QVariantMap& fields) { insertRow(path(table), fields); }

    TestFolder m_folder;
    QString m_afm;
};
