#pragma once
// Scripted answers for the dialog service. A test arms one handler per dialog
// it expects, in the order the dialogs come; every call is recorded, and a call
// of the wrong kind, a call beyond the script, or a handler left armed fails
// the test.
//
//   ScriptedResponder dialogs;
//   dialogs.answerMessage(platform::vbYes).answerSaveFile(dir.filePath("a.uvd"));
//   window.save();
//   EXPECT_EQ(dialogs.messages(), QStringList{"Save changes?"});

#include "platform/widgets/Dialogs.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class ScriptedResponder : public platform::DialogResponder {
public:
    // Installs itself; the destructor puts back the responder it replaced.
    ScriptedResponder();
    ~ScriptedResponder() override;
    ScriptedResponder(const ScriptedResponder&) = delete;
    ScriptedResponder& operator=(const ScriptedResponder&) = delete;

    // The next message box gets this answer (vbOK, vbYes, ...).
    ScriptedResponder& answerMessage(int answer);
    // File dialogs: a path accepts it; filterIndex 0 keeps the filter the
    // program selected.
    ScriptedResponder& answerOpenFile(const QString& path, int filterIndex = 0);
    ScriptedResponder& cancelOpenFile();
    ScriptedResponder& answerSaveFile(const QString& path, int filterIndex = 0);
    ScriptedResponder& cancelSaveFile();
    // std::nullopt cancels.
    ScriptedResponder& answerColor(std::optional<int32_t> color);
    ScriptedResponder& answerFont(std::optional<QFont> font);
    // setup may point the printer somewhere (PDF output file) before the
    // program draws on it; it runs on Cancel too, as a user may change the
    // dialog's settings and then cancel.
    ScriptedResponder& answerPrint(bool accept, std::function<void(QPrinter&)> setup = {});
    // The modal window really runs; whileShown gets it once it is visible,
    // inside exec, and must end it (accept, reject, a button click) or start
    // what ends it.
    ScriptedResponder& runModal(std::function<void(QDialog&)> whileShown);
    // The modal window is not shown; ExecModal returns what answer returns.
    ScriptedResponder& answerModal(std::function<int(QDialog&)> answer);
    // The popup item with this caption (with or without its "&") is clicked.
    ScriptedResponder& choosePopup(const QString& itemCaption);
    ScriptedResponder& dismissPopup();

    // Every call this responder was asked, in order, answered or not.
    const QList<platform::DialogCall>& shown() const { return shown_; }
    // Handlers armed and not yet used.
    int pending() const { return static_cast<int>(steps_.size()); }
    // The texts of the message boxes shown, in order.
    QStringList messages() const;

    bool message(const platform::DialogCall& call, int& answer) override;
    bool file(const platform::DialogCall& call, platform::FileDialogResult& result) override;
    bool color(const platform::DialogCall& call, std::optional<int32_t>& result) override;
    bool font(const platform::DialogCall& call, std::optional<QFont>& result) override;
    bool print(const platform::DialogCall& call, QPrinter& printer, bool& accepted) override;
    bool modal(const platform::DialogCall& call, QDialog& dialog, bool& runForReal,
               int& result) override;
    void modalShown(const platform::DialogCall& call, QDialog& dialog) override;
    bool popup(const platform::DialogCall& call, QMenu& menu, QAction*& chosen) override;

private:
    struct Step {
        platform::DialogKind kind = platform::DialogKind::Message;
        int answer = 0;
        bool accept = false;
        QString text;
        int filterIndex = 0;
        std::optional<int32_t> color;
        std::optional<QFont> font;
        std::function<void(QPrinter&)> printSetup;
        std::function<void(QDialog&)> whileShown;
        std::function<int(QDialog&)> modalAnswer;
    };

    ScriptedResponder& arm(Step step);
    // Records the call and hands out the next handler when it fits.
    std::optional<Step> take(const platform::DialogCall& call);
    QString describeStep(const Step& step) const;

    platform::DialogResponder* previous_ = nullptr;
    std::deque<Step> steps_;
    QList<platform::DialogCall> shown_;
    std::vector<std::pair<QDialog*, std::function<void(QDialog&)>>> whileShown_;
};
