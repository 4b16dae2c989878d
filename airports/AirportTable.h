#pragma once

// The rows of the Airports dialog: every airport of an index with the texts
// of its columns, filtered by findings and by a text, sorted by a column.
// The texts are made once, so that a filter or a sort over many thousand
// airports redoes no lookup in the index; the view asks only for the texts
// of the rows it draws.

#include "AirportIndex.h"
#include "Airports.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

enum class EAirportColumn {
    kIdent,
    kName,
    kUsed,   // the title of the area the simulator uses
    kAlsoIn, // the other areas defining the ident, lower first, each with its use
};
inline constexpr std::size_t kAirportColumns = 4;

class CAirportTable {
public:
    // All airports of the index (as AirportsOf gives them), in the order
    // of their idents. The index outlives the table.
    CAirportTable(const CAirportIndex& index, const std::vector<CAirport>& airports);

    // Only the airports with a finding (see CAirport::HasFinding).
    void SetConflictsOnly(bool bOn);
    // Only the airports whose ident or name holds the text, ASCII case ignored.
    void SetFilter(const std::string& text);
    // Sorted by the column's text, case ignored, equal texts in the order of
    // their idents; the column it is sorted by already reverses the order.
    void SortBy(EAirportColumn column);

    std::size_t RowCount() const { return m_rows.size(); }
    const std::string& Text(std::size_t nRow, EAirportColumn column) const;
    // The library's area of the definition the simulator uses; -1 when no
    // active area defines the ident.
    int UsedArea(std::size_t nRow) const;

private:
    // The ident, the name and the title of the area used are the index's
    // own, which the table refers to rather than copy; the other areas are
    // a text of the table's.
    struct CEntry {
        std::array<const std::string*, kAirportColumns - 1> shared;
        std::string strAlsoIn;
        const std::string& Text(EAirportColumn column) const {
            return column == EAirportColumn::kAlsoIn ? strAlsoIn
                                                     : *shared[static_cast<std::size_t>(column)];
        }
        int nUsedArea = -1;
        bool bFinding = false;
    };
    const CEntry& Row(std::size_t nRow) const { return m_entries[m_rows[nRow]]; }
    // m_rows anew: the entries in the sorted order that pass the filters.
    void Filter();

    std::vector<CEntry> m_entries; // in the order of the idents
    std::vector<std::size_t> m_order;
    std::vector<std::size_t> m_rows;
    EAirportColumn m_sortColumn = EAirportColumn::kIdent;
    bool m_bDescending = false;
    bool m_bConflictsOnly = false;
    std::string m_strFilter;
};
