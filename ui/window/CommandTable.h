#pragma once

#include <array>
#include <cstddef>
#include <functional>

namespace yorozu {

// Every command of the window, declared once: its identifier and the name of
// the handler that carries it out. The tool bar, the hidden menu, the label
// bar, the F-key items and the sheet's menu bind to these identifiers; none
// of them knows what a command does.
//
// A new command is one line here: X(Identifier, "HandlerName"). The room
// that carries it out registers the handler when the window gives it its
// context:
//
//     commands.set(Command::Print, [this] { print(); });
//
// and the bindings (ToolBar.cpp's button table, FunctionKeys.cpp's item and
// label tables) name Command::Print where the command is reached from. A
// command without a handler does nothing; setting a handler replaces the
// window's own (tests do that to count runs).
#define YOROZU_WINDOW_COMMANDS(X)                                                                                      \
    X(Exit, "SpeedButton4Click")              /* exit with questions */                                                \
    X(ExitAfterQuestion, "Exit1Click")        /* beep, "終了します。" when confirming, close */                       \
    X(FilePanel, "SpeedButton3Click")         /* show or hide the browser's file panel */                              \
    X(Save, "SpeedButton5Click")              /* the estimate into the data folder */                                  \
    X(TextExport, "SG11Click")                /* Ctrl+0: the text export into the program folder */                    \
    X(Print, "SpeedButton6Click")                                                                                      \
    X(PrintCover, "SpeedButton6RightClick")                                                                            \
    X(Preview, "SpeedButton18Click")                                                                                   \
    X(PreviewCover, "SpeedButton18RightClick")                                                                         \
    X(Clear, "N18Click")                      /* asks, then clears */                                                  \
    X(BrowseFirst, "SpeedButton7Click")                                                                                \
    X(BrowsePrevious, "SpeedButton8Click")                                                                             \
    X(BrowseNext, "SpeedButton9Click")                                                                                 \
    X(BrowseLast, "SpeedButton10Click")                                                                                \
    X(Search, "SpeedButton19Click")                                                                                    \
    X(TotalsByClassification, "SpeedButton12Click")                                                                    \
    X(SettingsDialog, "SpeedButton1Click")                                                                             \
    X(Manual, "SpeedButton16Click")                                                                                    \
    X(WebPage, "SpeedButton25Click")                                                                                   \
    X(PartsPanel, "SpeedButton23Click")                                                                                \
    X(InsertRow, "N20Click")                  /* insert a row at the sheet's current row */                            \
    X(DeleteRow, "N14Click")                  /* delete the sheet's current row */                                     \
    X(BeepDeleteRow, "N21Click")              /* the menu's deletion: beep first */                                    \
    X(CopyRow, "N16Click")                    /* the current row's comma text to the clipboard */                      \
    X(PasteRow, "N15Click")                   /* the current row from the clipboard's comma text */                    \
    X(BlockCopy, "N66Click")                                                                                           \
    X(BlockPasteInsert, "N67Click")                                                                                    \
    X(BlockPasteOverwrite, "N68Click")                                                                                 \
    X(DragMode, "N41Click")                                                                                            \
    X(Numbering, "SpeedButton61Click")                                                                                 \
    X(Indent, "SpeedButton62Click")                                                                                    \
    X(Unindent, "SpeedButton63Click")                                                                                  \
    X(MemoAttribute, "MEMO_FLG_CAPClick")                                                                              \
    X(MemoDisplay, "MEMO_DISP_CAPClick")                                                                               \
    X(WideDisplay, "StaticText16Click")                                                                                \
    X(ColourMenu, "SpeedButton2Click")                                                                                 \
    X(ResetSheetWidths, "SpeedButton22Click")                                                                          \
    X(RateConversionMenu, "KAKERITU_IKATUClick")                                                                       \
    X(RateFromCost, "N76Click")               /* unit price := cost x multiplier */                                    \
    X(RateFromPrice, "N77Click")              /* unit price := unit price x multiplier */

enum class Command {
#define YOROZU_COMMAND_ENUM(id, name) id,
    YOROZU_WINDOW_COMMANDS(YOROZU_COMMAND_ENUM)
#undef YOROZU_COMMAND_ENUM
};

inline constexpr std::size_t kCommandCount = 0
#define YOROZU_COMMAND_COUNT(id, name) +1
    YOROZU_WINDOW_COMMANDS(YOROZU_COMMAND_COUNT)
#undef YOROZU_COMMAND_COUNT
    ;

// The handlers of the window's commands.
class CommandTable {
public:
    using Handler = std::function<void()>;

    // Gives a command its handler, replacing the one it had.
    void set(Command c, Handler handler) { handlers_[index(c)] = std::move(handler); }
    bool handled(Command c) const { return static_cast<bool>(handlers_[index(c)]); }

    // Carries a command out; one nobody handles does nothing. Errors go to
    // the caller, so a command run inside another stops that one too.
    void run(Command c) const
    {
        if (const auto& h = handlers_[index(c)])
            h();
    }

    // Carries a command out as a button, a key or a label does: an error
    // stops the command and goes no further.
    void trigger(Command c) const;

    static const char* name(Command c);

private:
    static std::size_t index(Command c) { return static_cast<std::size_t>(c); }
    std::array<Handler, kCommandCount> handlers_;
};

} // namespace yorozu
