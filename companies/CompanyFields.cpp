#include "companies/CompanyFields.h"
#include "store/TdmTables.h"

const QList<CompanyField>& companyFields() {
    static const QList<CompanyField> fields = {
        {QStringLiteral("AFM"), 15, &CompanyRecord::AFM},
        {QStringLiteral("BigName"), 100, &CompanyRecord::BigName},
        {QStringLiteral("SubmitDoy"), 100, &CompanyRecord::SubmitDoy},
        {QStringLiteral("ActDescr"), 100, &CompanyRecord::ActDescr},
        {QStringLiteral("Odos"), 100, &CompanyRecord::Odos},
        {QStringLiteral("Arithmos"), 20, &CompanyRecord::Arithmos},
        {QStringLiteral("Dhmos"), 100, &CompanyRecord::Dhmos},
        {QStringLiteral("TK"), 20, &CompanyRecord::TK},
        {QStringLiteral("Phone"), 100, &CompanyRecord::Phone},
        {QStringLiteral("email"), 100, &CompanyRecord::email},
        {QStringLiteral("CompUserName"), 50, &CompanyRecord::CompUserName},
        {QStringLiteral("CompPassword"), 50, &CompanyRecord::CompPassword},
        {QStringLiteral("EkprUserName"), 50, &CompanyRecord::EkprUserName},
        {QStringLiteral("EkprPassword"), 50, &CompanyRecord::EkprPassword}};
    return fields;
}

void LoadCurrentCompany() {
    TableCursor& edra = dmTables().tblEdra;
    CompanyRecord& company = CurrentCompany();
    for (const CompanyField& f : companyFields())
        company.*f.member = edra.text(f.name).left(f.width);
}

void StoreCurrentCompany() {
    TableCursor& edra = dmTables().tblEdra;
    const CompanyRecord& company = CurrentCompany();
    for (const CompanyField& f : companyFields())
        edra.setValue(f.name, company.*f.member);
}
