#include "platform/widgets/Dialogs.h"

#include "platform/widgets/Colors.h"
#include "platform/widgets/MsgBox.h"

#include <QAction>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>

namespace platform {
namespace {

DialogResponder* g_responder = nullptr;

UnexpectedDialogHandler& StrictHandler() {
    static UnexpectedDialogHandler handler;
    return handler;
}

// True when strict mode took the call, which then gets the safe answer.
bool ReportUnexpected(const DialogCall& call) {
    const UnexpectedDialogHandler handler = StrictHandler();
    if (!handler) {
        return false;
    }
    handler(call);
    return true;
}

int SafeMessageAnswer(int buttons) {
    switch (buttons) {
    case vbOKCancel:
    case vbYesNoCancel:
    case vbRetryCancel:
        return vbCancel;
    case vbYesNo:
        return vbNo;
    case vbAbortRetryIgnore:
        return vbAbort;
    default:
        return vbOK;
    }
}

QString QtPatterns(const QString& patterns) {
    QStringList list;
    for (const QString& part : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern == QLatin1String("*.*")) {
            list << QStringLiteral("*");
        } else if (!pattern.isEmpty()) {
            list << pattern;
        }
    }
    return list.isEmpty() ? QStringLiteral("*") : list.join(QLatin1Char(' '));
}

QString NameFilter(QString description, const QString& patterns) {
    const QString qtPatterns = QtPatterns(patterns);
    static const QRegularExpression ownPatterns(QStringLiteral(R"(^(.*?)\s*\(([^()]*)\)\s*$)"));
    const QRegularExpressionMatch match = ownPatterns.match(description);
    if (match.hasMatch() &&
        QtPatterns(match.captured(2)).compare(qtPatterns, Qt::CaseInsensitive) == 0) {
        description = match.captured(1);
    }
    description = description.trimmed();
    if (description.isEmpty()) {
        return qtPatterns;
    }
    return description + QStringLiteral(" (") + qtPatterns + QLatin1Char(')');
}

// Filter index as the program counts it (1-based; 0 or out of range is the
// first) to a list position.
int FilterSlot(int filterIndex, int count) {
    return (filterIndex >= 1 && filterIndex <= count) ? filterIndex - 1 : 0;
}

FileDialogResult RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, request.title);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = ConvertFilter(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.at(FilterSlot(request.filterIndex, filters.size())));
    }
    dialog.setDirectory(request.initialDir.isEmpty() ? QDir::currentPath() : request.initialDir);
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    if (!request.defaultExt.isEmpty()) {
        dialog.setDefaultSuffix(request.defaultExt);
    }

    FileDialogResult result;
    result.filterIndex = request.filterIndex;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return result;
    }
    result.accepted = true;
    result.fileName = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    const int chosenFilter = filters.indexOf(dialog.selectedNameFilter());
    if (chosenFilter >= 0) {
        result.filterIndex = chosenFilter + 1;
    }
    return result;
}

FileDialogResult GetFileName(QWidget* parent, const FileDialogRequest& request, bool save) {
    DialogCall call;
    call.kind = save ? DialogKind::SaveFile : DialogKind::OpenFile;
    call.title = request.title;
    call.file = request;

    FileDialogResult result;
    result.filterIndex = request.filterIndex;
    if (g_responder && g_responder->file(call, result)) {
        // answered by the responder
    } else if (ReportUnexpected(call)) {
        return result;
    } else {
        result = RunFileDialog(parent, request, save);
    }
    if (result.accepted && !result.fileName.isEmpty()) {
        // Later dialogs that name no folder open where the user last was.
        QDir::setCurrent(QFileInfo(result.fileName).absolutePath());
    }
    return result;
}

QStringList PopupCaptions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->isVisible() && action->isEnabled()) {
            captions << action->text();
        }
    }
    return captions;
}

} // namespace

DialogResponder* SetDialogResponder(DialogResponder* responder) {
    DialogResponder* const previous = g_responder;
    g_responder = responder;
    return previous;
}

DialogResponder* CurrentDialogResponder() {
    return g_responder;
}

void SetUnexpectedDialogHandler(UnexpectedDialogHandler handler) {
    StrictHandler() = std::move(handler);
}

UnexpectedDialogHandler CurrentUnexpectedDialogHandler() {
    return StrictHandler();
}

QString DialogKindName(DialogKind kind) {
    switch (kind) {
    case DialogKind::Message:
        return QStringLiteral("message box");
    case DialogKind::OpenFile:
        return QStringLiteral("open-file dialog");
    case DialogKind::SaveFile:
        return QStringLiteral("save-file dialog");
    case DialogKind::Color:
        return QStringLiteral("colour dialog");
    case DialogKind::Font:
        return QStringLiteral("font dialog");
    case DialogKind::Print:
        return QStringLiteral("print dialog");
    case DialogKind::Modal:
        return QStringLiteral("modal window");
    case DialogKind::Popup:
        return QStringLiteral("popup menu");
    }
    return QStringLiteral("dialog");
}

QString DescribeDialogCall(const DialogCall& call) {
    QString text = DialogKindName(call.kind);
    switch (call.kind) {
    case DialogKind::Message:
        return text + QStringLiteral(" \"%1\": \"%2\" (icon %3, buttons %4, default %5)")
                          .arg(call.title, call.text)
                          .arg(call.icon)
                          .arg(call.buttons)
                          .arg(call.defaultButton);
    case DialogKind::OpenFile:
    case DialogKind::SaveFile:
        return text + QStringLiteral(" \"%1\" (filter \"%2\", name \"%3\")")
                          .arg(call.title, call.file.filter, call.file.fileName);
    case DialogKind::Modal:
        return text + QStringLiteral(" \"%1\" (%2)").arg(call.title, call.objectName);
    case DialogKind::Popup:
        return text + QStringLiteral(" %1 [%2]").arg(call.objectName, call.items.join(", "));
    default:
        return text;
    }
}

int ShowMessage(const QString& prompt, int flags, const QString& title) {
    DialogCall call;
    call.kind = DialogKind::Message;
    call.title = title;
    call.text = prompt;
    call.icon = flags & 0x70;
    call.buttons = flags & 0x07;
    call.defaultButton = flags & 0x300;

    int answer = 0;
    if (g_responder && g_responder->message(call, answer)) {
        return answer;
    }
    if (ReportUnexpected(call)) {
        return SafeMessageAnswer(call.buttons);
    }
    return RunMessageBox(prompt, flags, title);
}

FileDialogResult GetOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    return GetFileName(parent, request, false);
}

FileDialogResult GetSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    return GetFileName(parent, request, true);
}

QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request, int* filterIndex) {
    for (;;) {
        const FileDialogResult result = GetSaveFileName(parent, request);
        if (filterIndex)
            *filterIndex = result.filterIndex;
        if (!result.accepted || result.fileName.isEmpty())
            return QString();
        const QString& path = result.fileName;
        if (!QFileInfo::exists(path))
            return path;
        const QString prompt = path + QStringLiteral(" already exists.\r\n") +
                               QStringLiteral("Do You want to replace it?");
        if (MsgBox(prompt, vbYesNo | vbExclamation, QStringLiteral("Save As")) == vbYes)
            return path;
    }
}

std::optional<int32_t> ChooseColor(QWidget* parent, int32_t initial) {
    DialogCall call;
    call.kind = DialogKind::Color;
    call.color = initial;

    std::optional<int32_t> result;
    if (g_responder && g_responder->color(call, result)) {
        return result;
    }
    if (ReportUnexpected(call)) {
        return std::nullopt;
    }
    QColorDialog dialog(ColorFromNumber(initial), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return NumberFromColor(dialog.selectedColor());
}

std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) {
    DialogCall call;
    call.kind = DialogKind::Font;
    call.font = initial;

    std::optional<QFont> result;
    if (g_responder && g_responder->font(call, result)) {
        return result;
    }
    if (ReportUnexpected(call)) {
        return std::nullopt;
    }
    QFontDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedFont();
}

bool ChoosePrinter(QWidget* parent, QPrinter& printer) {
    DialogCall call;
    call.kind = DialogKind::Print;

    bool accepted = false;
    if (g_responder && g_responder->print(call, printer, accepted)) {
        return accepted;
    }
    if (ReportUnexpected(call)) {
        return false;
    }
    QPrintDialog dialog(&printer, parent);
    // Every page prints; printing to a file stays, the one way to print on a
    // machine without a printer.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

int ExecModal(QDialog* dialog) {
    DialogCall call;
    call.kind = DialogKind::Modal;
    call.title = dialog->windowTitle();
    call.objectName = dialog->objectName();

    DialogResponder* const responder = g_responder;
    bool runForReal = false;
    int result = QDialog::Rejected;
    if (responder && responder->modal(call, *dialog, runForReal, result)) {
        if (!runForReal) {
            dialog->setResult(result);
            return result;
        }
        // exec() shows the window before it enters its event loop, so this
        // fires with the window visible. The dialog as context drops the call
        // should the window die first.
        QTimer::singleShot(0, dialog, [responder, call, dialog] {
            if (g_responder == responder) {
                responder->modalShown(call, *dialog);
            }
        });
        return dialog->exec();
    }
    if (ReportUnexpected(call)) {
        dialog->setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return dialog->exec();
}

QAction* ExecPopup(QMenu* menu, const QPoint& globalPos) {
    DialogCall call;
    call.kind = DialogKind::Popup;
    call.title = menu->title();
    call.objectName = menu->objectName();
    call.items = PopupCaptions(*menu);

    QAction* chosen = nullptr;
    if (g_responder && g_responder->popup(call, *menu, chosen)) {
        if (chosen) {
            chosen->trigger();
        }
        return chosen;
    }
    if (ReportUnexpected(call)) {
        return nullptr;
    }
    return menu->exec(globalPos);
}

QStringList ConvertFilter(const QString& filter) {
    QStringList filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << NameFilter(parts.at(i), parts.at(i + 1));
    }
    return filters;
}

} // namespace platform
