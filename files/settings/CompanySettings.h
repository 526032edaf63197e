#pragma once

#include <string>

namespace yorozu {

// Paper orientation as the main window's `MUKI` holds it: 0 "タテ", 1 "ヨコ".
// Each orientation has its own company settings file.
enum class Orientation { Portrait = 0, Landscape = 1 };

inline Orientation orientationOfMUKI(int muki)
{
    return muki == 1 ? Orientation::Landscape : Orientation::Portrait;
}

// The printing and the settings dialog assume different values for a few
// absent keys (rule widths, memo column widths); a reader says whose
// defaults it wants.
enum class SettingsReader { Printing, Dialog };

// The company and print-layout settings of one orientation: every key of
// "SET.INI" / "SET3.INI" as a typed field. Offsets are whole millimetres
// (…Left positive to the right, …Up positive downward), line widths in the
// printer's width units, font sizes in points, colours Windows colour
// values (red in the low byte). Switch fields are true when the feature
// named by the field is on. The defaults live with the keys in one table:
// start from defaultCompanySettings(), not from a value-initialised struct.
struct CompanySettings {
    std::string settingName; // the set's name, e.g. the printer it suits

    // Company block of the sheet header.
    std::string companyName;
    int companyNameLeft = 0;
    int companyNameUp = 0;
    std::string branch;
    int branchLeft = 0;
    int branchUp = 0;
    std::string department;
    int departmentLeft = 0;
    int departmentUp = 0;
    std::string person; // printed when the estimate names nobody
    int personLeft = 0;
    int personUp = 0;
    std::string postalCode;
    int postalCodeLeft = 0;
    int postalCodeUp = 0;
    std::string address;
    int addressLeft = 0;
    int addressUp = 0;
    std::string address2;
    int address2Left = 0;
    int address2Up = 0;
    std::string tel;
    int telLeft = 0;
    int telUp = 0;
    std::string fax;
    int faxLeft = 0;
    int faxUp = 0;

    int sheetUp = 0;            // everything on the estimate and survey sheets, downward
    int secondRulePosition = 0; // the rule between the description and shape columns
    std::string honorific;      // printed unchanged; see honorificIndex()
    int companyFontSize = 0;
    bool printTax = false;

    int amountFrameWidth = 0;
    int sealFrameWidth = 0;
    int detailFrameWidth = 0;
    int cornerRounding = 0;

    std::string text1;
    int text1Left = 0;
    int text1Up = 0;
    std::string text2;
    int text2Left = 0;
    int text2Up = 0;
    std::string logoFile;
    int logoLeft = 0;
    int logoUp = 0;

    // Captions of the header fields.
    std::string deliveryDateCaption;
    std::string deliveryPlaceCaption;
    std::string paymentTermsCaption;
    std::string validityCaption;
    int sealFrameLeft = 0;
    std::string titleCaption;
    bool printTitle = false;

    int verticalRuleWidth = 0;
    int horizontalRuleWidth = 0;
    int secondRuleWidth = 0;
    int secondRuleStyle = 0; // 0 solid "実線", 1 dashed "破線"
    int sheetLeft = 0;       // everything on the estimate and survey sheets, to the right

    std::string descriptionHeading; // column 7
    std::string shapeHeading;  // column 9 and the `Sunpou` caption

    bool eraDates = false;
    int fractionMode = 0; // `HASU_MODE`: 0 truncate, 1 round up, 2 round half
    bool confirmExit = false;
    bool omitTaxNote = false; // only an explicit "0" in the file prints the closing tax note
    bool omitContinuation = false;
    bool omitUnitPriceForOne = false;

    int fixedColour = 0;
    int dataColour = 0;
    int numberColour = 0;
    int frameColour = 0;         // copy for the customer
    int costCopyFrameColour = 0; // file copy with costs
    std::string fixedFontName;   // empty: the printer's default
    int fixedFontSize = 0;
    std::string dataFontName;
    int dataFontSize = 0;
    std::string numberFontName;
    int numberFontSize = 0;
    int subtotalColour = 0;
    int totalColour = 0;
    int discountColour = 0;
    int remarkLines = 0;

    int invoiceFrameColour = 0;
    int invoiceFixedColour = 0;
    int deliveryFrameColour = 0;
    int deliveryFixedColour = 0;
    std::string bankName;
    std::string accountNumber;
    std::string accountHolder;

    bool confirmArrows = false;
    bool saveReminder = false;
    int reminderMinutes = 0;
    int recordCount = 0; // never below 30
    int coverUp = 0;       // in steps of 14 printer pixels
    int coverLeft = 0;

    std::string memoHeading;
    std::string numericMemoHeading;
    int memoWidth = 0; // printed width of the text memo column, mm
    int numericMemoWidth = 0;
    bool showMemo = false;
    bool printMemo = false;

    std::string companySealFile;
    int companySealLeft = 0;
    int companySealUp = 0;
    std::string seal1File;
    int seal1Left = 0;
    int seal1Up = 0;
    std::string seal2File;
    int seal2Left = 0;
    int seal2Up = 0;
    std::string seal3File;
    int seal3Left = 0;
    int seal3Up = 0;
    bool coverTitle = false;

    // Keys the program reads but never writes; they are there only when
    // added to the file by hand, and a save drops them.
    int smallestFontSize = 0;  // "[最小Font]=": fitting long texts goes no smaller
    int smallestFontSize2 = 0; // "[最小Font2]="
    int netFractionMode = 0;   // "[切捨]=": tax-inclusive amounts to net amounts

    // The dialog offers two honorifics: 0 "御中", 1 "様"; any other text
    // (added by hand) shows as "様" there and is saved as "様".
    int honorificIndex() const { return honorific == "御中" ? 0 : 1; }
    void setHonorificIndex(int index) { honorific = index == 0 ? "御中" : "様"; }

    bool operator==(const CompanySettings&) const = default;
};

} // namespace yorozu
