#pragma once

#include "files/estimate/EstimateRead.h"
#include "files/library/Browsing.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTreeView;
class QWidget;

namespace yorozu {

class BrowserHost;
class Dialogs;
class Estimate;

// The browser's share of the window's working state.
struct BrowserState {
    std::string& dataPath;             // the data folder
    int& currentFileIndex;             // the file the toolbar steps from
    std::filesystem::path& currentFile; // the estimate loaded or last saved
    bool& escFlag;                     // Esc pressed: a running search stops
};

// The saved estimates of the data folder: the file panel Panel6 (file list,
// folder tree, drives, new subfolder, network path), stepping through the
// files, the search panel KensakuP (content and file-name search), and
// deleting files and empty folders.
class Browser : public QObject {
    Q_OBJECT
public:
    Browser(QWidget* client, QLabel* dataPathLabel, Estimate& doc, Dialogs& dialogs,
            std::filesystem::path programDir, BrowserState state, BrowserHost& host);
    ~Browser() override;

    // ---- the file panel
    void SpeedButton3Click();            // show or hide the file panel
    void FileListBox1DblClick();         // open the selected file
    void DirectoryListBox1Change(const std::filesystem::path& folder);
    void SpeedButton21Click();           // new subfolder
    void SpeedButton27Click();           // network path
    void MenuItem4Click();               // delete the selected file (to the trash)
    void MenuItem3Click();               // the list's menu "閉じる"
    void N82Click();                     // delete the folder selected in the tree
    // Start-up: the data folder's list with its last file current.
    void selectLastFile();
    // After a save: the list shows the new file, which becomes current.
    void savedFile();
    // Opens a ".qte" given on the command line: its folder becomes the data
    // folder. False, with nothing changed, when the file is not in a folder's list.
    bool openFromCommandLine(const std::filesystem::path& file);

    // ---- stepping
    void step(Step step); // "先頭", "前", "次", "最後"
    void SpeedButton7Click() { step(Step::First); }
    void SpeedButton8Click() { step(Step::Previous); }
    void SpeedButton9Click() { step(Step::Next); }
    void SpeedButton10Click() { step(Step::Last); }

    // ---- the search panel
    void SpeedButton19Click();           // show or hide it
    void SpeedButton60Click();           // close it (stops a running search)
    void contentSearch(SearchCommand command);
    void SpeedButton58Click() { contentSearch(SearchCommand::Search); }
    void SpeedButton59Click() { contentSearch(SearchCommand::Next); }
    void SpeedButton28Click() { contentSearch(SearchCommand::Previous); }
    void nameSearch(SearchCommand command);
    void SpeedButton31Click() { nameSearch(SearchCommand::Search); }
    void SpeedButton32Click() { nameSearch(SearchCommand::Next); }
    void SpeedButton33Click() { nameSearch(SearchCommand::Previous); }

    // ---- what the list shows
    const std::vector<std::filesystem::path>& files() const { return files_; }
    int selectedPosition() const;
    void selectPosition(int position);
    const std::string& mask() const { return mask_; }
    // Re-reads the data folder into the list.
    void refreshList();
    // The positions the last content or file-name search examined, in order.
    const std::vector<int>& examined() const { return examined_; }

    // The widgets, named as in the window's design.
    QFrame* Panel6 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QLineEdit* MakeDir = nullptr;
    QPushButton* SpeedButton21 = nullptr;
    QLineEdit* NETPATH = nullptr;
    QPushButton* SpeedButton27 = nullptr;
    QPushButton* SpeedButton26 = nullptr;
    QMenu* PopupMenu14 = nullptr;
    QMenu* PopupMenu11 = nullptr;

    QFrame* KensakuP = nullptr;
    QLineEdit* K[5] = {};
    QPushButton* SpeedButton58 = nullptr;
    QPushButton* SpeedButton59 = nullptr;
    QPushButton* SpeedButton28 = nullptr;
    QPushButton* SpeedButton60 = nullptr;
    QLabel* FileText = nullptr;
    QLineEdit* FN_FIND = nullptr;
    QPushButton* SpeedButton31 = nullptr;
    QPushButton* SpeedButton32 = nullptr;
    QPushButton* SpeedButton33 = nullptr;
    QPushButton* SpeedButton34 = nullptr;
    QLabel* Label29 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFilePanel(QWidget* client);
    void buildSearchPanel(QWidget* client);
    void showDataPath();
    std::optional<EstimateReadResult> openSelected();
    void fillList();
    void fillDrives();
    std::filesystem::path treeFolder() const;
    void showInTree(const std::filesystem::path& folder);

    QLabel* DATA_PATH;
    Estimate& doc_;
    Dialogs& dialogs_;
    std::filesystem::path programDir_;
    BrowserState st_;
    BrowserHost& host_;
    QFileSystemModel* folders_ = nullptr;
    std::vector<std::filesystem::path> files_;
    std::string mask_;
    std::vector<int> examined_;
    bool changingFolder_ = false;
    bool keepMask_ = false;
};

// The text shown when the trash cannot take a file.
QString trashRefusal(const QString& fileName);

} // namespace yorozu
