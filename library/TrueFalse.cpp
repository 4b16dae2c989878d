#include "TrueFalse.h"

void ReadFlag(std::string_view value, int& bFlag) {
    if (value == "TRUE")
        bFlag = 1;
    else if (value == "FALSE")
        bFlag = 0;
}

const char* FlagText(int bFlag) {
    return bFlag ? "TRUE" : "FALSE";
}
