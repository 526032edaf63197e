// Development companion: starts the main window on a program folder and
// saves a picture of it, so its look can be checked without a desktop; the
// manual's pictures are made with it.
// Usage: yorozu_shot <program folder> <picture.png> [scene]
// Scenes: "sample" types a few lines in first, to see the sheet filled;
// "totals" also opens the totals by classification; "editor" leaves the
// numeric editor open on a price with an operation pending ("250 ×"), as
// typed with the keys; "settings" takes a picture of every page of the
// settings dialog instead (picture-1.png ...). Qt and the calendar speak
// Japanese, as in the program.
#include "settings/dialog/SetYorozu.h"
#include "ui/dialogs/ScriptedDialogs.h"
#include "ui/app/Japanese.h"
#include "ui/app/YorozuApplication.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/Yorozu1.h"

#include <QFont>
#include <QKeyEvent>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: yorozu_shot <program folder> <picture.png> [sample|totals|editor|settings]\n");
        return 2;
    }
    yorozu::YorozuApplication app(argc, argv);
    yorozu::useJapanese(app);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    app.setFont(font);
    yorozu::ScriptedDialogs dialogs;
    yorozu::TYorozu window(argv[1], dialogs);
    window.show();
    // A desktop activates the window once it is shown; a bare X server does not.
    window.FormActivate();
    if (argc == 4 && QString::fromLocal8Bit(argv[3]) == QLatin1String("settings")) {
        yorozu::TSetYorozu dialog(argv[1], yorozu::orientationOfMUKI(window.estimate().MUKI), dialogs, nullptr,
                                  &window);
        dialog.show();
        QString out = QString::fromLocal8Bit(argv[2]);
        out.chop(4);
        int rc = 0;
        QTimer::singleShot(800, &app, [&] {
            for (int p = 0; p < dialog.pages().count(); ++p) {
                dialog.pages().setCurrentIndex(p);
                app.processEvents();
                if (!dialog.grab().save(out + QStringLiteral("-%1.png").arg(p + 1)))
                    rc = 1;
            }
            app.quit();
        });
        app.exec();
        return rc;
    }
    if (argc == 4) {
        auto& e = window.estimate();
        e.KNAME = "株式会社　山田商店";
        e.Kouji = "倉庫屋根改修工事";
        e.TITLE = "倉庫屋根改修";
        e.Bangou = "10025";
        e.notify(yorozu::Change::Header);
        struct Line {
            const char* dai;
            const char* text;
            const char* shape;
            const char* qty;
            const char* unit;
            const char* price;
            const char* cost;
        };
        const Line lines[] = {
            {"A", "仮設工事", "", "", "", "", ""},
            {"", "足場架払い", "W=900", "120", "㎡", "1200", "900"},
            {"", "養生シート", "", "120", "㎡", "350", "250"},
            {"B", "屋根工事", "", "", "", "", ""},
            {"", "既存屋根撤去", "スレート", "85.5", "㎡", "2800", "2100"},
            {"", "ガルバリウム鋼板葺き", "t=0.4", "85.5", "㎡", "7800", "5900"},
            {"", "棟包み", "", "12", "m", "3200", "2400"},
            {"\\", "■　値　引　き", "", "1", "式", "-15000", ""},
        };
        int row = 1;
        for (const auto& l : lines) {
            auto& g = e.SG1;
            g.setCell(yorozu::col::Dai, row, l.dai);
            g.setCell(yorozu::col::Description, row, l.text);
            g.setCell(yorozu::col::Shape, row, l.shape);
            g.setCell(yorozu::col::Quantity, row, l.qty);
            g.setCell(yorozu::col::Unit, row, l.unit);
            g.setCell(yorozu::col::UnitPrice, row, l.price);
            g.setCell(yorozu::col::CostPrice, row, l.cost);
            ++row;
        }
        window.recalculateAll();
        const QString scene = QString::fromLocal8Bit(argv[3]);
        if (scene == QLatin1String("totals")) {
            e.setPRN_S(2);
            window.SpeedButton12Click();
        } else if (scene == QLatin1String("editor")) {
            // The unit price of a new line, typed as a clerk types it.
            window.sheet().setCurrentCell(yorozu::col::Description, row);
            window.sheet().setFocus();
            app.processEvents();
            auto type = [&app](int key, const QString& text) {
                for (auto t : {QEvent::KeyPress, QEvent::KeyRelease}) {
                    if (QWidget* w = QApplication::focusWidget()) {
                        QKeyEvent ev(t, key, Qt::NoModifier, text);
                        QApplication::sendEvent(w, &ev);
                    }
                    app.processEvents();
                }
            };
            for (QChar c : QStringLiteral("樋交換"))
                type(0, QString(c));
            type(Qt::Key_Return, QStringLiteral("\r"));
            type(Qt::Key_Return, QStringLiteral("\r"));
            for (QChar c : QStringLiteral("4"))
                type(c.unicode(), QString(c));
            type(Qt::Key_Return, QStringLiteral("\r"));
            for (QChar c : QStringLiteral("本"))
                type(0, QString(c));
            type(Qt::Key_Return, QStringLiteral("\r"));
            for (QChar c : QStringLiteral("250*"))
                type(c.unicode(), QString(c));
        }
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    int rc = 1;
    QTimer::singleShot(800, &app, [&] {
        rc = window.grab().save(out) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return rc;
}
