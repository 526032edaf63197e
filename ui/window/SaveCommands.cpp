// Saving the estimate into the data folder and the text export into the program folder.
#include "files/settings/CompanySettingsFile.h"
#include "files/estimate/EstimateSave.h"
#include "files/estimate/Numbering.h"
#include "files/estimate/TextExport.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/header/HeaderFields.h"
#include "ui/window/StatusPanels.h"
#include "ui/window/WindowRooms.h"
#include "ui/window/Yorozu1.h"

#include <QApplication>
#include <QLineEdit>

namespace yorozu::commands {

namespace {

AskYesNo askThrough(Dialogs& d)
{
    return [&d](const std::string& q) { return d.question(QString::fromStdString(q)); };
}

} // namespace

void save(TYorozu& w)
{
    auto& h = w.hooks();
    // A pending in-cell operation belongs to what is saved.
    CommandHooks::run(h.ENZAN);
    auto& d = w.dialogs();
    auto& st = w.state();
    EstimateSaveRequest request;
    request.dataDir = st.dataPath;
    request.programDir = w.programDir();
    request.currentFile = st.currentFile;
    const auto result = saveEstimate(w.estimate(), request, askThrough(d));
    switch (result.status) {
    case EstimateSaveResult::Status::Refused:
        d.information(QString::fromStdString(result.message));
        w.header().TITLE->setFocus();
        return;
    case EstimateSaveResult::Status::Failed:
        d.warning(QString::fromStdString(result.message));
        return;
    case EstimateSaveResult::Status::Saved:
        break;
    }
    st.currentFile = result.file;
    w.status().showSaved(QString::fromStdString(result.file.filename().string()));
    const auto numbering = BANGOU_KOUSIN(w.programDir(), w.estimate().Bangou);
    for (const auto& m : numbering.messages)
        d.information(QString::fromStdString(m));
    if (numbering.written && !numbering.write.ok)
        d.warning(QString::fromUtf8(kSettingsNotSaved));
    CommandHooks::run(h.savedFile);
}

void textExport(TYorozu& w)
{
    auto& d = w.dialogs();
    const auto result = TXT_DATA_WRITE(w.estimate(), w.programDir(), Date::today(), askThrough(d));
    switch (result.status) {
    case TextExportResult::Status::Written:
        QApplication::beep();
        d.information(QString::fromStdString(result.message));
        break;
    case TextExportResult::Status::Refused:
        d.information(QString::fromStdString(result.message));
        break;
    case TextExportResult::Status::Failed:
        d.warning(QString::fromStdString(result.message));
        break;
    case TextExportResult::Status::Cancelled:
        break;
    }
}

} // namespace yorozu::commands
