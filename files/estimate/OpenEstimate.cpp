#include "files/estimate/OpenEstimate.h"

#include "core/document/Estimate.h"
#include "files/estimate/EstimateRead.h"
#include "files/settings/OrientationSettings.h"

namespace yorozu {

OpenEstimateResult openEstimate(Estimate& doc, const std::filesystem::path& programDir,
                                const std::filesystem::path& file)
{
    int loadedMuki = doc.MUKI;
    const auto listener = doc.addListener([&doc, &programDir, &loadedMuki](Change change) {
        if (change != Change::Options || doc.MUKI == loadedMuki)
            return;
        loadedMuki = doc.MUKI;
        applyWindowCompanySettings(OrientationSettings::ofMUKI(programDir, doc.MUKI).window(doc.memoMode), doc);
        doc.recalculateAll();
    });
    struct Remove {
        Estimate& doc;
        std::size_t id;
        ~Remove() { doc.removeListener(id); }
    } remove{doc, listener};

    OpenEstimateResult result;
    auto read = TXT_DATA_READ2(doc, file, programDir);
    result.messages = std::move(read.messages);
    if (!read.ok) {
        result.ok = false;
        result.error = read.error;
    }
    return result;
}

} // namespace yorozu
