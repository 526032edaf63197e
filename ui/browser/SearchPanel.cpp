// The search panel: content search over the data folder's estimates and
// the file-name search.
#include "ui/browser/Browser.h"

#include "files/library/ContentSearch.h"
#include "ui/browser/BrowserHost.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/window/WindowKeys.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <functional>

namespace yorozu {

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QLabel* label(QWidget* parent, const QString& text, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint, QRect geometry)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(QString::fromUtf8(hint));
    b->setGeometry(geometry);
    return b;
}

// The busy cursor while a search runs, the normal one at every end.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Enter in the file-name term runs the search from the newest file.
class EnterRuns : public QObject {
public:
    EnterRuns(QObject* parent, std::function<void()> run) : QObject(parent), run_(std::move(run)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                run_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> run_;
};

} // namespace

void Browser::buildSearchPanel(QWidget* client)
{
    KensakuP = new QFrame(client);
    KensakuP->setObjectName(QStringLiteral("KensakuP"));
    KensakuP->setFrameShape(QFrame::Panel);
    KensakuP->setFrameShadow(QFrame::Raised);
    KensakuP->setAutoFillBackground(true);
    KensakuP->setGeometry(690, 130, 313, 353);
    KensakuP->setToolTip(QStringLiteral("検索項目は任意で何でも構いません。"));
    KensakuP->hide();

    static const char* const captions[5] = {"検索項目①", "検索項目②", "検索項目③", "検索項目④", "検索項目⑤"};
    for (int i = 0; i < 5; ++i) {
        label(KensakuP, QString::fromUtf8(captions[i]), {8, 10 + i * 28, 72, 22});
        K[i] = new QLineEdit(KensakuP);
        K[i]->setObjectName(QStringLiteral("K_%1").arg(i + 1));
        K[i]->setGeometry(84, 8 + i * 28, 220, 24);
    }
    label(KensakuP, QStringLiteral("現在のデータフォルダが対象となります。ESC：中断"), {8, 148, 300, 20});
    SpeedButton58 = button(KensakuP, "SpeedButton58", "検索", "最新ファイルから検索します。", {8, 172, 70, 26});
    SpeedButton59 = button(KensakuP, "SpeedButton59", "次検索", "次のファイルから検索します。", {82, 172, 70, 26});
    SpeedButton28 = button(KensakuP, "SpeedButton28", "前検索", "前のファイルから検索します。", {156, 172, 70, 26});
    SpeedButton60 = button(KensakuP, "SpeedButton60", "閉じる", "", {234, 172, 70, 26});
    FileText = label(KensakuP, QString(), {8, 202, 296, 20});
    FileText->setObjectName(QStringLiteral("FileText"));
    connect(SpeedButton58, &QPushButton::clicked, this, [this] { SpeedButton58Click(); });
    connect(SpeedButton59, &QPushButton::clicked, this, [this] { SpeedButton59Click(); });
    connect(SpeedButton28, &QPushButton::clicked, this, [this] { SpeedButton28Click(); });
    connect(SpeedButton60, &QPushButton::clicked, this, [this] { SpeedButton60Click(); });

    auto* fnLabel = label(KensakuP, QStringLiteral("登録ファイル名"), {8, 240, 100, 20});
    fnLabel->setToolTip(QStringLiteral("登録ファイル名で部分検索します。"));
    FN_FIND = new QLineEdit(KensakuP);
    FN_FIND->setObjectName(QStringLiteral("FN_FIND"));
    FN_FIND->setToolTip(QStringLiteral("登録ファイル名で部分検索します。"));
    FN_FIND->setGeometry(8, 262, 296, 24);
    FN_FIND->setProperty(kOwnEnter, true);
    FN_FIND->installEventFilter(new EnterRuns(this, [this] { SpeedButton31Click(); }));
    SpeedButton31 = button(KensakuP, "SpeedButton31", ">>検索", "最新のファイルから検索します。", {8, 292, 70, 26});
    SpeedButton32 = button(KensakuP, "SpeedButton32", "> 次検索", "次のファイルを検索します。", {82, 292, 70, 26});
    SpeedButton33 = button(KensakuP, "SpeedButton33", "< 前検索", "前に戻ります。", {156, 292, 70, 26});
    SpeedButton34 = button(KensakuP, "SpeedButton34", "閉じる", "", {234, 292, 70, 26});
    Label29 = label(KensakuP, QString(), {8, 324, 296, 20});
    Label29->setObjectName(QStringLiteral("Label29"));
    connect(SpeedButton31, &QPushButton::clicked, this, [this] { SpeedButton31Click(); });
    connect(SpeedButton32, &QPushButton::clicked, this, [this] { SpeedButton32Click(); });
    connect(SpeedButton33, &QPushButton::clicked, this, [this] { SpeedButton33Click(); });
    connect(SpeedButton34, &QPushButton::clicked, this, [this] { SpeedButton60Click(); });
}

void Browser::SpeedButton19Click()
{
    if (KensakuP->isVisible()) {
        KensakuP->hide();
        return;
    }
    KensakuP->show();
    KensakuP->raise();
    K[0]->setFocus();
}

void Browser::SpeedButton60Click()
{
    Label29->clear();
    st_.escFlag = true;
    host_.focusSheet();
    QApplication::restoreOverrideCursor();
    KensakuP->hide();
}

void Browser::contentSearch(SearchCommand command)
{
    if (command != SearchCommand::Search)
        QApplication::beep();
    st_.escFlag = false;
    examined_.clear();
    std::vector<std::string> terms;
    for (auto* k : K)
        terms.push_back(k->text().toStdString());
    ContentMatcher matcher(terms);
    if (matcher.empty())
        return;
    if (command == SearchCommand::Search && !dialogs_.question(qs(kSearchQuestion)))
        return;
    const int count = static_cast<int>(files_.size());
    const auto plan = contentSearchPlan(command, selectedPosition(), count);
    if (!plan.range) {
        if (!plan.refusal.empty())
            dialogs_.information(qs(plan.refusal));
        return;
    }
    BusyCursor busy;
    for (int k = 0; k < plan.range->size(); ++k) {
        const int position = plan.range->at(k);
        examined_.push_back(position);
        selectPosition(position);
        FileText->setText(qs(contentProgressText(position, count)));
        FileText->repaint();
        const auto result = matcher.examine(files_[static_cast<size_t>(position)]);
        if (result == ContentMatcher::Result::Unreadable)
            return; // ends the search silently, as any failure of a command does
        if (result == ContentMatcher::Result::Match) {
            openSelected();
            Panel6->hide();
            host_.focusSheet();
            FileText->setText(qs(contentProgressText(position, count)));
            QApplication::beep();
            return;
        }
        // Esc and the panel's close button are handled here, between two files.
        QApplication::processEvents();
        if (st_.escFlag) {
            st_.escFlag = false;
            dialogs_.information(qs(kSearchStopped));
            return;
        }
    }
    dialogs_.information(qs(contentNotFoundMessage(command)));
}

void Browser::nameSearch(SearchCommand command)
{
    const std::string term = FN_FIND->text().toStdString();
    if (term.empty())
        return;
    st_.escFlag = false;
    examined_.clear();
    if (command == SearchCommand::Search)
        refreshList();
    const int count = static_cast<int>(files_.size());
    const int before = selectedPosition();
    const auto plan = nameSearchPlan(command, before, count);
    if (!plan.range) {
        QApplication::beep();
        dialogs_.information(qs(plan.refusal));
        return;
    }
    BusyCursor busy;
    for (int k = 0; k < plan.range->size(); ++k) {
        const int position = plan.range->at(k);
        examined_.push_back(position);
        selectPosition(position);
        if (nameMatches(files_[static_cast<size_t>(position)], term)) {
            openSelected();
            Panel6->hide();
            host_.focusSheet();
            QApplication::beep();
            Label29->setText(qs(nameMatchText(position, count)));
            return;
        }
        QApplication::processEvents();
        if (st_.escFlag) {
            st_.escFlag = false;
            return;
        }
    }
    if (command == SearchCommand::Search) {
        Label29->setText(qs(nameNotFoundText(count)));
        QApplication::beep();
        dialogs_.information(qs(kNameNotFound));
    } else {
        selectPosition(before);
        QApplication::beep();
        dialogs_.information(qs(kNoMore));
    }
}

} // namespace yorozu
