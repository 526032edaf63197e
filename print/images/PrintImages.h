#pragma once

#include <QImage>

#include <array>
#include <filesystem>

namespace yorozu {

// The five images of the printed sheets: logo, company seal, personal seals 1 to 3.
struct PrintImages {
    QImage LogoImage, KakuinImage, InImage, In2Image, In3Image;

    // Reloads each image from the file its key names in the company settings
    // file; a missing or unreadable file leaves that image empty.
    void load(const std::filesystem::path& programDir, const std::string& settingsFile);
    void clear();
};

} // namespace yorozu
