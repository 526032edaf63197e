#include "settings/lists/ClassificationLists.h"

#include "files/parts/CatalogueNames.h"
#include "files/text/Cp932.h"
#include "ui/dialogs/Dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include <exception>
#include <string>
#include <vector>

namespace yorozu {

namespace {

// "小分類１" … "小分類２０": the digits full-width, as the buttons show them.
QString smallCaption(int n)
{
    QString digits = QString::number(n);
    for (auto& c : digits)
        c = QChar(c.unicode() - u'0' + u'０');
    return QStringLiteral("小分類") + digits;
}

} // namespace

QString unsavableMessage(const QString& characters, const QString& where)
{
    QString text = QStringLiteral("保存できない文字が含まれています。\r\n\r\n");
    if (!where.isEmpty())
        text += where + QStringLiteral("： ");
    return text + characters + QStringLiteral("\r\n\r\n中止しました。");
}

ClassificationLists::ClassificationLists(std::filesystem::path programDir, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), programDir_(std::move(programDir)), dialogs_(dialogs)
{
    auto* texts = new QVBoxLayout;
    for (const char* line : {"大分類名ボタンをクリックして20個の大分類名を入力してください。",
                             "次に小分類1から小分類20までのボタンをクリックしてそれぞれの小分類名を20個づつ入力してください。",
                             "入力は大分類名20個＋小分類名20×20個の計420個となります。"})
        texts->addWidget(new QLabel(QString::fromUtf8(line), this));

    auto* group = new QButtonGroup(this);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    for (int n = 0; n <= kCatalogueNames; ++n) {
        auto* b = new QPushButton(n == 0 ? QStringLiteral("大分類") : smallCaption(n), this);
        b->setObjectName(n == 0 ? QStringLiteral("BUMON0") : QStringLiteral("BUMON%1").arg(n));
        b->setCheckable(true);
        b->setMinimumWidth(120);
        group->addButton(b, n);
        buttons_[std::size_t(n)] = b;
        if (n == 0)
            grid->addWidget(b, 0, 0);
        else
            grid->addWidget(b, 1 + (n - 1) % 10, 1 + (n - 1) / 10);
        connect(b, &QPushButton::clicked, this, [this, n] { showList(n); });
    }
    close_ = new QPushButton(QStringLiteral("閉じる"), this);
    close_->setObjectName(QStringLiteral("BUMON_CLOSE"));
    grid->addWidget(close_, 11, 0);
    connect(close_, &QPushButton::clicked, this, [this] { closeList(); });

    BUMON_MEMO_ = new QPlainTextEdit(this);
    BUMON_MEMO_->setObjectName(QStringLiteral("BUMON_MEMO"));
    BUMON_MEMO_->setLineWrapMode(QPlainTextEdit::NoWrap);
    BUMON_MEMO_->setMinimumWidth(260);
    BUMON_MEMO_->hide();

    auto* row = new QHBoxLayout;
    row->addLayout(grid);
    row->addSpacing(16);
    row->addWidget(BUMON_MEMO_, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(texts);
    page->addSpacing(8);
    page->addLayout(row, 1);
}

QStringList ClassificationLists::editorLines() const
{
    QStringList lines;
    for (QTextBlock b = BUMON_MEMO_->document()->begin(); b.isValid() && lines.size() < kCatalogueNames;
         b = b.next())
        lines << b.text();
    // The editor's last line has no line end of its own to keep.
    while (!lines.isEmpty() && lines.size() == BUMON_MEMO_->document()->blockCount() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QString ClassificationLists::unsavableCharacters() const
{
    if (BUMON_NO_ == kNone)
        return {};
    const auto encoded = cp932::encode(BUMON_MEMO_->toPlainText().toStdString());
    return encoded.ok ? QString() : QString::fromStdString(encoded.unmappable);
}

bool ClassificationLists::saveCurrent()
{
    if (BUMON_NO_ == kNone || editorLines() == loaded_)
        return true;
    if (const QString bad = unsavableCharacters(); !bad.isEmpty()) {
        dialogs_.warning(unsavableMessage(bad, BUMON_NO_ == 0 ? QStringLiteral("大分類") : smallCaption(BUMON_NO_)));
        BUMON_MEMO_->setFocus();
        return false;
    }
    const QStringList lines = editorLines();
    std::vector<std::string> names;
    for (const auto& l : lines)
        names.push_back(l.toStdString());
    const auto written = writeNameList(programDir_, BUMON_NO_, names);
    if (!written) {
        dialogs_.warning(QStringLiteral("分類名ファイルは保存できませんでした。\r\n") +
                         QString::fromStdString(nameListFileName(BUMON_NO_)));
        return false;
    }
    loaded_ = lines;
    if (BUMON_NO_ == 0)
        setSmallCaptions(lines);
    return true;
}

void ClassificationLists::setSmallCaptions(const QStringList& largeNames)
{
    for (int n = 1; n <= kCatalogueNames; ++n) {
        const QString name = n <= largeNames.size() ? largeNames[n - 1] : QString();
        buttons_[std::size_t(n)]->setText(name.isEmpty() ? smallCaption(n) : name);
    }
}

void ClassificationLists::load(int n)
{
    BUMON_MEMO_->clear();
    std::optional<std::vector<std::string>> lines;
    try {
        lines = readNameList(programDir_, n);
    } catch (const std::exception&) {
        // A list that cannot be read is never taken for an empty one: it
        // stays out of the editor, so nothing can be written over it.
        BUMON_NO_ = kNone;
        BUMON_MEMO_->hide();
        return;
    }
    BUMON_NO_ = n;
    QStringList names;
    for (const auto& l : lines.value_or(std::vector<std::string>{}))
        names << QString::fromStdString(l);
    BUMON_MEMO_->setPlainText(names.join(QLatin1Char('\n')));
    loaded_ = editorLines();
    if (n == 0)
        setSmallCaptions(names);
    BUMON_MEMO_->show();
}

bool ClassificationLists::showList(int n)
{
    if (!saveCurrent()) {
        buttons_[std::size_t(BUMON_NO_)]->setChecked(true);
        return false;
    }
    load(n);
    buttons_[std::size_t(n)]->setChecked(true);
    return true;
}

bool ClassificationLists::closeList()
{
    if (!saveCurrent())
        return false;
    BUMON_NO_ = kNone;
    BUMON_MEMO_->hide();
    return true;
}

} // namespace yorozu
