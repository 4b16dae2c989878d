// Under Wine, the Airports dialog on 20,000 airports, each defined by two
// add-on areas so that all of them show with Conflicts only on: from the
// dialog's creation (its rows made from the index) to a filled and painted
// list, then a letter typed into the find field and a sort by Also in.

#include "AppTestSupport.h"
#include "resource.h"

#include <chrono>
#include <cstdio>

namespace {

using CClock = std::chrono::steady_clock;

double MsSince(CClock::time_point start) {
    return std::chrono::duration<double, std::milli>(CClock::now() - start).count();
}

constexpr int kAirports = 20000;
constexpr int kAreas = 20;

// Airport n is in areas n and n + 1 (round the areas).
CAirportIndex GeneratedIndex() {
    CAirportIndex index;
    index.files.resize(kAreas, std::vector<CIndexedFile>(1));
    for (int a = 0; a < kAreas; ++a) {
        index.areas.push_back(
            {a, "Add-on Scenery Number " + std::to_string(a + 1), "", "", true, false});
    }
    for (int n = 0; n < kAirports; ++n) {
        CAirportRecord record;
        for (int k = 0, v = n; k < 4; ++k, v /= 26)
            record.strIdent.insert(record.strIdent.begin(), static_cast<char>('A' + v % 26));
        record.strName = "Airport Number " + std::to_string(n + 1);
        for (int a : {n % kAreas, (n + 1) % kAreas})
            index.files[static_cast<std::size_t>(a)][0].contents.airports.push_back(record);
    }
    return index;
}

} // namespace

int main() {
    const CAirportIndex index = GeneratedIndex();
    double fill = 0, filter = 0, sort = 0;
    const auto start = CClock::now();
    CAirportsDlg dlg(index);
    RunModal(dlg, [&] {
        HWND hList = dlg.m_listAirports.m_hWnd;
        UpdateWindow(hList);
        fill = MsSince(start);
        std::printf("rows shown: %d\n", dlg.m_listAirports.GetItemCount());
        auto begin = CClock::now();
        dlg.m_editFilter.SetWindowText("B");
        UpdateWindow(hList);
        filter = MsSince(begin);
        NMLISTVIEW click{};
        click.hdr = {hList, IDC_AIRPORT_LIST, static_cast<UINT>(LVN_COLUMNCLICK)};
        click.iItem = -1;
        click.iSubItem = 3;
        begin = CClock::now();
        dlg.SendMessage(WM_NOTIFY, IDC_AIRPORT_LIST, reinterpret_cast<LPARAM>(&click));
        UpdateWindow(hList);
        sort = MsSince(begin);
        Click(dlg, IDCANCEL);
    });
    std::printf("airports_dialog_fill_ms_20000: %.1f\n", fill);
    std::printf("airports_filter_ms_20000: %.1f\n", filter);
    std::printf("airports_sort_ms_20000: %.1f\n", sort);
}
