#include "exports/CellStyle.h"

size_t qHash(const CellStyle& style, size_t seed) {
    return qHashMulti(seed, style.numberFormat, int(style.alignment), style.bold,
                      int(style.bottomLine), style.fill);
}

StyleTable::StyleTable() : m_styles{CellStyle{}} {
    m_ids.insert(CellStyle{}, 0);
}

StyleTable::Id StyleTable::idOf(const CellStyle& style) {
    const auto found = m_ids.constFind(style);
    if (found != m_ids.cend())
        return *found;
    const Id id = Id(m_styles.size());
    m_styles.push_back(style);
    m_ids.insert(style, id);
    return id;
}
