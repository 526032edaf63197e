#pragma once

namespace yorozu {

struct EstimateReadResult;

// What the browser needs of the main window: clearing before a file is
// read, showing what reading it gave, and the sheet's focus and cursor.
class BrowserHost {
public:
    virtual ~BrowserHost() = default;
    // Clears the estimate without asking, as a new one.
    virtual void clearEstimate() = 0;
    // After TXT_DATA_READ2: the messages, the orientation's settings when it
    // changed, the totals on screen.
    virtual void estimateRead(const EstimateReadResult& result) = 0;
    virtual void focusSheet() = 0;
    virtual void setSheetCursor(int col, int row) = 0;
    virtual void hideTotalsGrid() = 0;
};

} // namespace yorozu
