#include "companies/CurrentCompany.h"

CompanyRecord& CurrentCompany() {
    static CompanyRecord record;
    return record;
}
