#include "AirportTable.h"

#include "Airports.h"
#include "IniText.h"

#include <algorithm>
#include <numeric>

namespace {

// The other definitions in load order, an area named once for each use.
std::string AlsoIn(const CAirportIndex& index, const CAirport& airport) {
    std::string text, last;
    for (std::size_t n = 0; n < airport.definitions.size(); ++n) {
        const CDefinition& definition = airport.definitions[n];
        if (static_cast<int>(n) == airport.nUsed)
            continue;
        std::string part = index.areas[static_cast<std::size_t>(definition.nSlot)].strTitle + " (" +
                           AirportUseName(definition.use) + ")";
        if (part == last)
            continue;
        text += (text.empty() ? "" : "; ") + part;
        last = std::move(part);
    }
    return text;
}

} // namespace

CAirportTable::CAirportTable(const CAirportIndex& index, const std::vector<CAirport>& airports) {
    m_entries.reserve(airports.size());
    static const std::string kNone;
    for (const CAirport& airport : airports) {
        CEntry entry;
        const CAirportRecord& named =
            RecordOf(index, airport.definitions[NamedDefinition(airport)]);
        entry.shared = {&named.strIdent, &named.strName, &kNone};
        if (airport.nUsed >= 0) {
            const CIndexArea& area = index.areas[static_cast<std::size_t>(
                airport.definitions[static_cast<std::size_t>(airport.nUsed)].nSlot)];
            entry.shared[static_cast<std::size_t>(EAirportColumn::kUsed)] = &area.strTitle;
            entry.nUsedArea = area.nArea;
        }
        entry.strAlsoIn = AlsoIn(index, airport);
        entry.bFinding = airport.HasFinding();
        m_entries.push_back(std::move(entry));
    }
    m_order.resize(m_entries.size());
    std::iota(m_order.begin(), m_order.end(), std::size_t{0});
    // Room for every row, so that filtering in the dialog never allocates:
    // the memory runs out here, where the window can say so, if at all.
    m_rows.reserve(m_entries.size());
    Filter();
}

void CAirportTable::SetConflictsOnly(bool bOn) {
    m_bConflictsOnly = bOn;
    Filter();
}

void CAirportTable::SetFilter(const std::string& text) {
    m_strFilter = text;
    Filter();
}

void CAirportTable::SortBy(EAirportColumn column) {
    m_bDescending = column == m_sortColumn && !m_bDescending;
    m_sortColumn = column;
    // From the order of the idents, so that equal texts keep it either way.
    std::iota(m_order.begin(), m_order.end(), std::size_t{0});
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t a, std::size_t b) {
        const std::string& textA = m_entries[a].Text(column);
        const std::string& textB = m_entries[b].Text(column);
        return m_bDescending ? LessNoCase(textB, textA) : LessNoCase(textA, textB);
    });
    Filter();
}

const std::string& CAirportTable::Text(std::size_t nRow, EAirportColumn column) const {
    return Row(nRow).Text(column);
}

int CAirportTable::UsedArea(std::size_t nRow) const {
    return Row(nRow).nUsedArea;
}

void CAirportTable::Filter() {
    m_rows.clear();
    for (std::size_t nEntry : m_order) {
        const CEntry& entry = m_entries[nEntry];
        if ((!m_bConflictsOnly || entry.bFinding) &&
            (ContainsNoCase(entry.Text(EAirportColumn::kIdent), m_strFilter) ||
             ContainsNoCase(entry.Text(EAirportColumn::kName), m_strFilter)))
            m_rows.push_back(nEntry);
    }
}
