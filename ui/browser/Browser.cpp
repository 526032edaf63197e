// The file panel: the data folder's estimates, the folder tree, the drives,
// new subfolders, the network path, opening, stepping and deleting.
#include "ui/browser/Browser.h"

#include "core/document/Estimate.h"
#include "files/estimate/EstimateRead.h"
#include "files/estimate/OpenEstimate.h"
#include "files/library/EstimateList.h"
#include "files/library/FolderRules.h"
#include "files/settings/ProgramFiles.h"
#include "files/settings/ReadSetting.h"
#include "ui/browser/BrowserHost.h"
#include "ui/dialogs/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>

#include <dirent.h>

#include <algorithm>

namespace yorozu {

namespace fs = std::filesystem;

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, QRect geometry)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    return b;
}

// A folder the program can list, as a data folder must be.
bool listable(const fs::path& folder)
{
    DIR* d = ::opendir(folder.c_str());
    if (!d)
        return false;
    ::closedir(d);
    return true;
}

// QFile::moveToTrash, refusing what is no trash: where no trash folder can
// be set up, Qt reports success with a path relative to the working folder
// (a "files" folder of whatever folder the program runs in). Such a move is
// taken back and counts as a failure.
bool moveToTrash(const QString& path)
{
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return false;
    const QFileInfo moved(inTrash);
    if (!inTrash.isEmpty() && moved.isAbsolute())
        return true;
    if (!inTrash.isEmpty() && QFile::rename(inTrash, path)) {
        const QDir trash = moved.absoluteDir();
        QFile::remove(trash.absoluteFilePath(QStringLiteral("../info/") + moved.fileName() +
                                             QStringLiteral(".trashinfo")));
        // The two folders go only when nothing else is in them.
        QDir().rmdir(QDir::cleanPath(trash.absoluteFilePath(QStringLiteral("../info"))));
        QDir().rmdir(trash.absolutePath());
    }
    return false;
}

} // namespace

QString trashRefusal(const QString& fileName)
{
    return fileName + QStringLiteral("を「ごみ箱」へ移動できませんでした。\r\nファイルは削除していません。");
}

Browser::Browser(QWidget* client, QLabel* dataPathLabel, Estimate& doc, Dialogs& dialogs, fs::path programDir,
                 BrowserState state, BrowserHost& host)
    : QObject(client), DATA_PATH(dataPathLabel), doc_(doc), dialogs_(dialogs), programDir_(std::move(programDir)),
      st_(state), host_(host), mask_(kEstimateMask)
{
    buildFilePanel(client);
    buildSearchPanel(client);
    DATA_PATH->setToolTip(QStringLiteral("現在の保存・読込先フォルダ名"));
    DATA_PATH->setCursor(Qt::PointingHandCursor);
    DATA_PATH->setAutoFillBackground(true);
    DATA_PATH->setBackgroundRole(QPalette::Button);
    DATA_PATH->installEventFilter(this);
}

Browser::~Browser() = default;

void Browser::buildFilePanel(QWidget* client)
{
    Panel6 = new QFrame(client);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setFrameShape(QFrame::Panel);
    Panel6->setFrameShadow(QFrame::Raised);
    Panel6->setAutoFillBackground(true);
    Panel6->setGeometry(16, 92, 889, 553);
    Panel6->setToolTip(QStringLiteral("Ｆ２キーorファイルボタンで閉じます。"));
    Panel6->hide();

    FileListBox1 = new QListWidget(Panel6);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(8, 8, 520, 537);
    FileListBox1->setToolTip(QStringLiteral("WｸﾘｯｸかEnterで読み込みます。右クリックでサブメニュー。"));
    FileListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    FileListBox1->installEventFilter(this);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, [this] { FileListBox1DblClick(); });
    PopupMenu14 = new QMenu(FileListBox1);
    PopupMenu14->setObjectName(QStringLiteral("PopupMenu14"));
    auto* del = PopupMenu14->addAction(QStringLiteral("ファイル削除"));
    del->setObjectName(QStringLiteral("MenuItem4"));
    connect(del, &QAction::triggered, this, [this] { MenuItem4Click(); });
    auto* close = PopupMenu14->addAction(QStringLiteral("閉じる"));
    close->setObjectName(QStringLiteral("MenuItem3"));
    connect(close, &QAction::triggered, this, [this] { MenuItem3Click(); });
    connect(FileListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu14->popup(FileListBox1->viewport()->mapToGlobal(at)); });

    DriveComboBox1 = new QComboBox(Panel6);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(536, 8, 345, 24);
    DriveComboBox1->setToolTip(QStringLiteral("保存・読込先ドライブの選択"));
    fillDrives();
    connect(DriveComboBox1, &QComboBox::activated, this, [this](int i) {
        const auto root = DriveComboBox1->itemData(i).toString().toStdString();
        if (!root.empty())
            DirectoryListBox1Change(root);
    });

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QStringLiteral("/"));
    DirectoryListBox1 = new QTreeView(Panel6);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setGeometry(536, 40, 345, 393);
    DirectoryListBox1->setToolTip(QStringLiteral("保存・読込先フォルダの選択"));
    DirectoryListBox1->setModel(folders_);
    for (int c = 1; c < folders_->columnCount(); ++c)
        DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (!changingFolder_ && index.isValid())
                    DirectoryListBox1Change(folders_->filePath(index).toStdString());
            });
    PopupMenu11 = new QMenu(DirectoryListBox1);
    PopupMenu11->setObjectName(QStringLiteral("PopupMenu11"));
    auto* removeFolder = PopupMenu11->addAction(QStringLiteral("フォルダの削除"));
    removeFolder->setObjectName(QStringLiteral("N82"));
    connect(removeFolder, &QAction::triggered, this, [this] { N82Click(); });
    connect(DirectoryListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu11->popup(DirectoryListBox1->viewport()->mapToGlobal(at)); });

    MakeDir = new QLineEdit(Panel6);
    MakeDir->setObjectName(QStringLiteral("MakeDir"));
    MakeDir->setGeometry(536, 441, 210, 24);
    MakeDir->setToolTip(QStringLiteral("作成するディレクトリ名を入力してください。"));
    MakeDir->setAttribute(Qt::WA_InputMethodEnabled, false);
    SpeedButton21 = button(Panel6, "SpeedButton21", "フォルダの新規作成", {750, 441, 131, 24});
    connect(SpeedButton21, &QPushButton::clicked, this, [this] { SpeedButton21Click(); });

    NETPATH = new QLineEdit(Panel6);
    NETPATH->setObjectName(QStringLiteral("NETPATH"));
    NETPATH->setGeometry(536, 473, 270, 24);
    NETPATH->setToolTip(QStringLiteral("NetWorkのフルPATH名を入力してください。"));
    NETPATH->setAttribute(Qt::WA_InputMethodEnabled, false);
    SpeedButton27 = button(Panel6, "SpeedButton27", "接続", {810, 473, 71, 24});
    connect(SpeedButton27, &QPushButton::clicked, this, [this] { SpeedButton27Click(); });

    SpeedButton26 = button(Panel6, "SpeedButton26", "閉じる(ﾌｧｲﾙ)", {750, 513, 131, 28});
    connect(SpeedButton26, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
}

void Browser::fillDrives()
{
    DriveComboBox1->clear();
    for (const auto& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString name = volume.displayName() == volume.rootPath()
                                 ? volume.rootPath()
                                 : volume.rootPath() + QStringLiteral("  [") + volume.displayName() + QStringLiteral("]");
        DriveComboBox1->addItem(name, volume.rootPath());
    }
}

bool Browser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DATA_PATH && event->type() == QEvent::MouseButtonPress) {
        SpeedButton3Click();
        return true;
    }
    if (watched == FileListBox1 && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FileListBox1DblClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---- the list

void Browser::fillList()
{
    const QFileIconProvider icons;
    const QIcon icon = icons.icon(QFileIconProvider::File);
    FileListBox1->clear();
    for (const auto& f : files_)
        new QListWidgetItem(icon, QString::fromStdString(f.filename().string()), FileListBox1);
}

void Browser::refreshList()
{
    files_ = listFiles(st_.dataPath, mask_);
    fillList();
}

int Browser::selectedPosition() const
{
    return FileListBox1->currentRow();
}

void Browser::selectPosition(int position)
{
    FileListBox1->setCurrentRow(position);
    if (position >= 0)
        FileListBox1->scrollToItem(FileListBox1->item(position));
}

void Browser::showDataPath()
{
    DATA_PATH->setText(qs(st_.dataPath));
    const int needed = QFontMetrics(DATA_PATH->font()).horizontalAdvance(DATA_PATH->text()) + 8;
    DATA_PATH->resize(std::max(417, needed), DATA_PATH->height());
    DATA_PATH->show();
}

void Browser::showInTree(const fs::path& folder)
{
    changingFolder_ = true;
    const auto index = folders_->index(qs(folder.string()));
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
    changingFolder_ = false;
}

fs::path Browser::treeFolder() const
{
    const auto index = DirectoryListBox1->currentIndex();
    return index.isValid() ? fs::path(folders_->filePath(index).toStdString()) : fs::path(st_.dataPath);
}

void Browser::DirectoryListBox1Change(const fs::path& folder)
{
    // The folder deletion's wider masks last until the folder changes.
    if (!keepMask_)
        mask_ = kEstimateMask;
    st_.dataPath = folder.string();
    showInTree(folder);
    showDataPath();
    refreshList();
    if (!files_.empty()) {
        selectPosition(static_cast<int>(files_.size()) - 1);
        st_.currentFileIndex = static_cast<int>(files_.size()) - 1;
    } else {
        st_.currentFileIndex = -1;
    }
}

void Browser::selectLastFile()
{
    DirectoryListBox1Change(st_.dataPath);
}

void Browser::savedFile()
{
    refreshList();
    const auto it = std::find(files_.begin(), files_.end(), st_.currentFile);
    const int position = it == files_.end() ? static_cast<int>(files_.size()) - 1 : static_cast<int>(it - files_.begin());
    selectPosition(position);
    st_.currentFileIndex = position;
}

bool Browser::openFromCommandLine(const fs::path& file)
{
    std::error_code ec;
    const auto absolute = fs::absolute(file, ec);
    if (ec || !fs::is_regular_file(absolute, ec))
        return false;
    DirectoryListBox1Change(absolute.parent_path());
    const auto it = std::find(files_.begin(), files_.end(), absolute);
    if (it == files_.end())
        return false;
    selectPosition(static_cast<int>(it - files_.begin()));
    // A file handed over by the desktop that does not open must say so, or
    // the double-click would seem to do nothing.
    if (const auto result = openSelected(); result && !result->ok)
        dialogs_.warning(qs(result->error));
    return true;
}

// ---- opening

void Browser::SpeedButton3Click()
{
    if (Panel6->isVisible()) {
        Panel6->hide();
        return;
    }
    Panel6->raise();
    Panel6->show();
    FileListBox1->setFocus();
}

std::optional<EstimateReadResult> Browser::openSelected()
{
    const int position = selectedPosition();
    if (position < 0 || position >= static_cast<int>(files_.size()))
        return std::nullopt;
    host_.clearEstimate();
    const auto file = files_[static_cast<size_t>(position)];
    st_.currentFileIndex = position;
    // Through the one loader, so a file that turns the paper is read under
    // the new orientation's settings, as everywhere else.
    const int mukiBefore = doc_.MUKI;
    const auto opened = openEstimate(doc_, programDir_, file);
    EstimateReadResult result;
    result.ok = opened.ok;
    result.error = opened.error;
    result.messages = opened.messages;
    result.orientationChanged = doc_.MUKI != mukiBefore;
    if (result.ok)
        st_.currentFile = file;
    host_.estimateRead(result);
    return result;
}

void Browser::FileListBox1DblClick()
{
    if (selectedPosition() < 0)
        return;
    openSelected();
    Panel6->hide();
    host_.focusSheet();
}

void Browser::step(Step which)
{
    const auto answer = ReadSetting(programDir_, companyFileName(doc_.MUKI), "[矢印ボタン確認]=");
    if (answer == "1" && !dialogs_.question(qs(kStepQuestion)))
        return;
    const auto target = stepTarget(which, st_.currentFileIndex, static_cast<int>(files_.size()));
    if (!target)
        return;
    host_.hideTotalsGrid();
    if (!target->message.empty())
        dialogs_.information(qs(target->message));
    selectPosition(target->position);
    st_.currentFileIndex = target->position;
    openSelected();
    Panel6->hide();
    host_.focusSheet();
    host_.setSheetCursor(2, 1);
}

// ---- deleting a file

void Browser::MenuItem4Click()
{
    const int position = selectedPosition();
    if (position < 0 || position >= static_cast<int>(files_.size()))
        return;
    const auto file = files_[static_cast<size_t>(position)];
    const QString name = qs(file.filename().string());
    if (!dialogs_.question(name + QStringLiteral("を「ごみ箱」へ移動します。") + QStringLiteral("\r\n") +
                           QStringLiteral("よろしいですか？")))
        return;
    // Only the trash: a file it cannot take (a file system without one) stays.
    if (!moveToTrash(qs(file.string()))) {
        dialogs_.warning(trashRefusal(name));
        return;
    }
    refreshList();
    selectPosition(positionAfterDeletion(position, static_cast<int>(files_.size())));
}

void Browser::MenuItem3Click()
{
    host_.focusSheet();
}

// ---- folders

void Browser::SpeedButton21Click()
{
    const auto plan = planFolderCreation(st_.dataPath, MakeDir->text().toStdString());
    if (!plan)
        return;
    if (!plan->refusal.empty()) {
        dialogs_.information(qs(plan->refusal));
        return;
    }
    if (!dialogs_.question(qs(plan->question)))
        return;
    if (const auto failed = createFolder(plan->path)) {
        dialogs_.information(qs(*failed));
        return;
    }
    DirectoryListBox1Change(plan->path);
    QApplication::beep();
}

void Browser::SpeedButton27Click()
{
    const fs::path path = NETPATH->text().trimmed().toStdString();
    std::error_code ec;
    // A share that is not mounted (or a server that does not answer) is not there.
    if (path.empty() || !fs::is_directory(path, ec)) {
        dialogs_.information(QStringLiteral("ネットワークに接続されていません。"));
        return;
    }
    if (!listable(path)) {
        dialogs_.warning(NETPATH->text() + QStringLiteral("に接続できません。"));
        return;
    }
    DirectoryListBox1Change(path);
}

void Browser::N82Click()
{
    const auto folder = treeFolder();
    mask_ = kAnyFileMask;
    keepMask_ = true;
    DirectoryListBox1Change(folder);
    keepMask_ = false;
    const auto plan = planFolderDeletion(folder);
    if (plan.hasFiles) {
        dialogs_.information(qs(plan.refusal));
        mask_ = kBackupMask;
        refreshList();
        return;
    }
    mask_ = kEstimateMask;
    refreshList();
    if (!dialogs_.question(qs(plan.question)))
        return;
    if (!plan.parent.empty())
        DirectoryListBox1Change(plan.parent);
    if (const auto failed = removeFolder(folder))
        dialogs_.information(qs(*failed));
    folders_->setRootPath(QStringLiteral("/"));
}

} // namespace yorozu
