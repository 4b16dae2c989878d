#include "SceneryCfg.h"

#include "SimulatorLocation.h"

void UpdateLayersFromList(std::span<const CListRow> rows, CAreaArray& areas) {
    const int nRows = static_cast<int>(rows.size());
    for (int n = nRows - 1; n >= 0; --n) {
        CSceneryArea& area = areas.GetAt(rows[static_cast<std::size_t>(n)].nArea);
        area.SetNumber(nRows - n);
        area.SetLayer(nRows - n);
    }
}

void UpdateActiveFromList(std::span<const CListRow> rows, CAreaArray& areas) {
    for (const CListRow& row : rows)
        areas.GetAt(row.nArea).SetActive(row.bActive);
}

std::string FormatSceneryCfg(const CSceneryHeader& header, const CAreaArray& areas,
                             std::span<const CListRow> rows) {
    // Room for the text at once, about: besides the title and the local path
    // a section's lines are short.
    std::size_t nBytes = 512;
    for (const CListRow& row : rows)
        nBytes += 128 + areas.GetAt(row.nArea).GetTitle().size() +
                  areas.GetAt(row.nArea).GetLocal().size();
    CIniWriter out;
    out.Reserve(nBytes);
    header.Write(out);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        areas.GetAt(row->nArea).Write(out);
    header.WriteOtherSections(out);
    return out.TakeText();
}

CFileResult SaveSceneryCfg(const std::string& path, const CSceneryHeader& header,
                           const CAreaArray& areas, std::span<const CListRow> rows,
                           CFileState& disk) {
    return ReplaceFileIfUnchanged(path, FormatSceneryCfg(header, areas, rows), kTempSuffix, disk);
}
