#include "support/ScriptedResponder.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <gtest/gtest.h>

using platform::DialogCall;
using platform::DialogKind;

namespace {

QString WithoutMnemonic(QString caption) {
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

QAction* FindItem(QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() &&
            (action->text() == caption || WithoutMnemonic(action->text()) == caption)) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

ScriptedResponder::ScriptedResponder() : previous_(platform::SetDialogResponder(this)) {}

ScriptedResponder::~ScriptedResponder() {
    platform::SetDialogResponder(previous_);
    for (const Step& step : steps_) {
        ADD_FAILURE() << "Scripted responder: armed but never shown: "
                      << describeStep(step).toStdString();
    }
}

ScriptedResponder& ScriptedResponder::arm(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

ScriptedResponder& ScriptedResponder::answerMessage(int answer) {
    Step step;
    step.kind = DialogKind::Message;
    step.answer = answer;
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::answerOpenFile(const QString& path, int filterIndex) {
    Step step;
    step.kind = DialogKind::OpenFile;
    step.accept = true;
    step.text = path;
    step.filterIndex = filterIndex;
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::cancelOpenFile() {
    Step step;
    step.kind = DialogKind::OpenFile;
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::answerSaveFile(const QString& path, int filterIndex) {
    Step step;
    step.kind = DialogKind::SaveFile;
    step.accept = true;
    step.text = path;
    step.filterIndex = filterIndex;
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::cancelSaveFile() {
    Step step;
    step.kind = DialogKind::SaveFile;
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::answerColor(std::optional<int32_t> color) {
    Step step;
    step.kind = DialogKind::Color;
    step.color = color;
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::answerFont(std::optional<QFont> font) {
    Step step;
    step.kind = DialogKind::Font;
    step.font = std::move(font);
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::answerPrint(bool accept,
                                                  std::function<void(QPrinter&)> setup) {
    Step step;
    step.kind = DialogKind::Print;
    step.accept = accept;
    step.printSetup = std::move(setup);
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::runModal(std::function<void(QDialog&)> whileShown) {
    Step step;
    step.kind = DialogKind::Modal;
    step.whileShown = std::move(whileShown);
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::answerModal(std::function<int(QDialog&)> answer) {
    Step step;
    step.kind = DialogKind::Modal;
    step.modalAnswer = std::move(answer);
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::choosePopup(const QString& itemCaption) {
    Step step;
    step.kind = DialogKind::Popup;
    step.accept = true;
    step.text = itemCaption;
    return arm(std::move(step));
}

ScriptedResponder& ScriptedResponder::dismissPopup() {
    Step step;
    step.kind = DialogKind::Popup;
    return arm(std::move(step));
}

QStringList ScriptedResponder::messages() const {
    QStringList texts;
    for (const DialogCall& call : shown_) {
        if (call.kind == DialogKind::Message) {
            texts << call.text;
        }
    }
    return texts;
}

std::optional<ScriptedResponder::Step> ScriptedResponder::take(const DialogCall& call) {
    shown_.append(call);
    const std::string what = platform::DescribeDialogCall(call).toStdString();
    if (steps_.empty()) {
        ADD_FAILURE() << "Scripted responder: nothing armed for " << what;
        return std::nullopt;
    }
    if (steps_.front().kind != call.kind) {
        ADD_FAILURE() << "Scripted responder: armed " << describeStep(steps_.front()).toStdString()
                      << ", but got " << what;
        return std::nullopt;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    return step;
}

QString ScriptedResponder::describeStep(const Step& step) const {
    QString text = platform::DialogKindName(step.kind);
    switch (step.kind) {
    case DialogKind::Message:
        return text + QStringLiteral(" answered %1").arg(step.answer);
    case DialogKind::OpenFile:
    case DialogKind::SaveFile:
    case DialogKind::Popup:
        return text + (step.accept ? QStringLiteral(" answered \"%1\"").arg(step.text)
                                   : QStringLiteral(" cancelled"));
    case DialogKind::Modal:
        return text + (step.whileShown ? QStringLiteral(" run") : QStringLiteral(" answered"));
    default:
        return text;
    }
}

bool ScriptedResponder::message(const DialogCall& call, int& answer) {
    const std::optional<Step> step = take(call);
    if (!step) {
        return false;
    }
    answer = step->answer;
    return true;
}

bool ScriptedResponder::file(const DialogCall& call, platform::FileDialogResult& result) {
    const std::optional<Step> step = take(call);
    if (!step) {
        return false;
    }
    result.accepted = step->accept;
    result.fileName = step->accept ? step->text : QString();
    result.filterIndex = step->filterIndex > 0 ? step->filterIndex : call.file.filterIndex;
    return true;
}

bool ScriptedResponder::color(const DialogCall& call, std::optional<int32_t>& result) {
    const std::optional<Step> step = take(call);
    if (!step) {
        return false;
    }
    result = step->color;
    return true;
}

bool ScriptedResponder::font(const DialogCall& call, std::optional<QFont>& result) {
    const std::optional<Step> step = take(call);
    if (!step) {
        return false;
    }
    result = step->font;
    return true;
}

bool ScriptedResponder::print(const DialogCall& call, QPrinter& printer, bool& accepted) {
    const std::optional<Step> step = take(call);
    if (!step) {
        return false;
    }
    if (step->printSetup) {
        step->printSetup(printer);
    }
    accepted = step->accept;
    return true;
}

bool ScriptedResponder::modal(const DialogCall& call, QDialog& dialog, bool& runForReal,
                              int& result) {
    std::optional<Step> step = take(call);
    if (!step) {
        return false;
    }
    if (step->whileShown) {
        runForReal = true;
        whileShown_.emplace_back(&dialog, std::move(step->whileShown));
        return true;
    }
    result = step->modalAnswer ? step->modalAnswer(dialog) : QDialog::Rejected;
    return true;
}

void ScriptedResponder::modalShown(const DialogCall& call, QDialog& dialog) {
    const auto found =
        std::find_if(whileShown_.begin(), whileShown_.end(),
                     [&dialog](const auto& entry) { return entry.first == &dialog; });
    if (found == whileShown_.end()) {
        ADD_FAILURE() << "Scripted responder: no callback for "
                      << platform::DescribeDialogCall(call).toStdString();
        return;
    }
    const std::function<void(QDialog&)> whileShown = std::move(found->second);
    whileShown_.erase(found);
    EXPECT_TRUE(dialog.isVisible()) << platform::DescribeDialogCall(call).toStdString();
    whileShown(dialog);
}

bool ScriptedResponder::popup(const DialogCall& call, QMenu& menu, QAction*& chosen) {
    const std::optional<Step> step = take(call);
    if (!step) {
        return false;
    }
    chosen = nullptr;
    if (!step->accept) {
        return true;
    }
    QAction* const action = FindItem(menu, step->text);
    if (!action || !action->isEnabled() || !action->isVisible()) {
        ADD_FAILURE() << "Scripted responder: no enabled item \"" << step->text.toStdString()
                      << "\" in " << platform::DescribeDialogCall(call).toStdString();
        return true;
    }
    chosen = action;
    return true;
}
