#pragma once

// Where the scenery list takes what its rows show: its owner implements it
// over the library, so that the list draws, tips and finds from the library
// itself and keeps no copy of it that anything reads back.

#include <string_view>

struct CSceneryRow {
    int nArea = 0;
    std::string_view title;
    bool bActive = true;
    bool bInFolder = false;
};

class CSceneryRowSource {
public:
    virtual ~CSceneryRowSource() = default;
    virtual int RowCount() const = 0;
    // Row 0 is the top row; valid until the library next changes.
    virtual CSceneryRow Row(int nRow) const = 0;
};
