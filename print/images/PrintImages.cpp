#include "print/images/PrintImages.h"

#include "files/settings/ReadSetting.h"

#include <QFileInfo>

namespace yorozu {

void PrintImages::load(const std::filesystem::path& programDir, const std::string& settingsFile)
{
    struct Slot {
        const char* key;
        QImage* image;
    };
    const Slot entries[] = {{"[LOGO_NAME]=", &LogoImage},
                          {"[KAKUIN_NAME]=", &KakuinImage},
                          {"[IN_NAME]=", &InImage},
                          {"[IN2_NAME]=", &In2Image},
                          {"[IN3_NAME]=", &In3Image}};
    for (const auto& s : entries) {
        *s.image = QImage();
        QString name = QString::fromStdString(ReadSetting(programDir, settingsFile, s.key));
        // A bare file name is one of the program folder's.
        if (!name.isEmpty() && QFileInfo(name).isRelative())
            name = QString::fromStdString((programDir / name.toStdString()).string());
        if (name.isEmpty() || !QFileInfo(name).isFile())
            continue;
        QImage image;
        if (image.load(name))
            *s.image = image;
    }
}

void PrintImages::clear()
{
    LogoImage = KakuinImage = InImage = In2Image = In3Image = QImage();
}

} // namespace yorozu
