#pragma once

#include "files/parts/PartsFiles.h"

#include <array>
#include <filesystem>
#include <string>

namespace yorozu {

class StringGrid;

// Which department and page of the catalogue the parts grid shows, the row
// remembered for every page, and the reading and writing that every switch
// does: the page shown is written, the other one read.
//
// A page whose file exists but could not be read is shown empty and is
// never written back: that would replace the user's parts with an empty
// page. Switching away from it or closing the program leaves its file alone.
class PartsCatalogue {
public:
    explicit PartsCatalogue(std::filesystem::path programDir);

    // 0 and 0 until the first opening, and again after reset().
    int department() const { return department_; }
    int page() const { return page_; }
    bool opened() const { return department_ != 0 || page_ != 0; }

    // What a step did, for the caller to report and to put the cursor.
    struct Step {
        bool switched = false;   // false: the page shown could not be written, nothing changed
        WriteResult write;       // the write of the page left
        std::string unreadable;  // the parts file or list that exists but could not be read
        int row = 1;             // the grid row to put the cursor on
    };

    // The first opening: department 1, page 1 and both name lists.
    Step open(StringGrid& SG2, PartsCaptions& captions);
    // Page button k: writes the page shown (even when it is k) and loads k.
    Step switchPage(StringGrid& SG2, int currentRow, int k);
    // Department button k: writes the page shown, reads the page list of k,
    // and loads the same page number of department k.
    Step switchDepartment(StringGrid& SG2, PartsCaptions& captions, int currentRow, int k);
    // The write at shutdown, of the page shown; never opened, the grid goes
    // to the file of department 0, page 0.
    WriteResult save(const StringGrid& SG2) const;
    // After the settings dialog: nothing loaded, the next opening is a first
    // opening; nothing is written.
    void reset();

    // The remembered row of a page, 1 when none.
    int rememberedRow(int department, int page) const;

private:
    void remember(int row);
    // Loads the page, then gives the row to restore.
    Step load(StringGrid& SG2, Step step);
    WriteResult writeShown(const StringGrid& SG2) const;

    std::filesystem::path programDir_;
    int department_ = 0;
    int page_ = 0;
    bool shownUnreadable_ = false;
    std::array<std::array<int, kPartsPages>, kPartsDepartments> rows_;
};

} // namespace yorozu
