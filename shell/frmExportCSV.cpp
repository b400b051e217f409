#include "shell/frmExportCSV.h"

#include "mainwindow/IMainWindow.h"
#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/WholeFile.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/MsgBox.h"
#include "platform/widgets/TextFit.h"
#include "program/modFunctions.h"
#include "rules/CsvFile.h"
#include "shell/frmPreview.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Twips.
constexpr int WindowWidth = 3870;
constexpr int WindowHeight = 2430;
constexpr int CheckLeft = 240;
constexpr int CheckWidth = 3135;
constexpr int CheckHeight = 255;
constexpr int ButtonTop = 1830;
constexpr int ButtonWidth = 1095;
constexpr int ButtonHeight = 375;

// Placed in twips, widened only as far as its caption needs.
void Place(QWidget* control, int left, int top, int width, int height) {
    platform::MoveTwips(control, left, top, width, height);
    platform::PlaceFitted(control, control->geometry());
}

// A name without any "." (its folders included) is given ".csv".
QString WithCsvExtension(const QString& path) {
    return path.contains(QLatin1Char('.')) ? path : path + QStringLiteral(".csv");
}

} // namespace

frmExportCSV::frmExportCSV(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmExportCSV"));
    setWindowTitle(QStringLiteral("CSV Export"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(platform::TwipsToPixels(WindowWidth), platform::TwipsToPixels(WindowHeight));
    platform::UseDesignPointSize(this);

    // Made in tab order.
    auto* frame = new QGroupBox(QStringLiteral("Export Settings"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    platform::MoveTwips(frame, 120, 120, 3615, 1515);
    const auto check = [frame](const char* caption, const char* name, int top) {
        auto* box = new QCheckBox(QLatin1String(caption), frame);
        box->setObjectName(QLatin1String(name));
        Place(box, CheckLeft, top, CheckWidth, CheckHeight);
        return box;
    };
    check8_ = check("Leave Out # Field", "Check8", 360);
    check7_ = check("Use Quotes for All Fields", "Check7", 720);
    check6_ = check("Include Unused Channels", "Check6", 1080);

    const auto button = [this](const char* caption, const char* name, int left,
                               void (frmExportCSV::*handler)()) {
        auto* command = new QPushButton(QLatin1String(caption), this);
        command->setObjectName(QLatin1String(name));
        Place(command, left, ButtonTop, ButtonWidth, ButtonHeight);
        connect(command, &QPushButton::clicked, this,
                platform::Guarded([this, handler] { (this->*handler)(); }));
        return command;
    };
    command3_ = button("Preview", "Command3", 120, &frmExportCSV::Command3_Click);
    command4_ = button("Export", "Command4", 1380, &frmExportCSV::Command4_Click);
    command5_ = button("Cancel", "Command5", 2640, &frmExportCSV::Command5_Click);

    Form_Load();
}

void frmExportCSV::Form_Load() {
    // A "," locale writes frequencies with a decimal comma, which only quotes
    // keep in one field.
    check7_->setChecked(modFunctions::DecimalSeparator() == QLatin1String(","));
}

QString frmExportCSV::ExportData() const {
    IMainWindow* main = MainForm();
    if (!main)
        return QString();
    bool includeUnused = check6_->isChecked();
    bool useQuotes = check7_->isChecked();
    bool leaveOutNumber = check8_->isChecked();
    return main->GetExportData(includeUnused, useQuotes, leaveOutNumber);
}

void frmExportCSV::Command3_Click() {
    frmPreview preview(this);
    preview.SetText(ExportData().left(PreviewLimit));
    platform::ExecModal(&preview);
}

void frmExportCSV::Command4_Click() {
    const QString path = AskExportPath();
    if (path.isEmpty())
        return;
    try {
        platform::WriteWholeFile(path, csv::ExportFileBytes(ExportData()));
    } catch (const platform::RuntimeError& e) {
        platform::MsgBox(platform::ErrorText(e), platform::vbExclamation, QStringLiteral("Error"));
        return;
    }
    accept();
}

void frmExportCSV::Command5_Click() {
    reject();
}

// The question names the path that would be written, so the file it asks
// about is the one replaced.
QString frmExportCSV::AskExportPath() {
    for (;;) {
        platform::FileDialogRequest request;
        request.title = QStringLiteral("Save As...");
        request.filter = csv::FileFilter;
        request.filterIndex = 1;
        const platform::FileDialogResult chosen = platform::GetSaveFileName(this, request);
        if (!chosen.accepted || chosen.fileName.isEmpty())
            return QString();
        const QString path = WithCsvExtension(chosen.fileName);
        if (!modFunctions::FileExists(path))
            return path;
        const QString prompt = path + QStringLiteral(" already exists.") + CrLf +
                               QStringLiteral("Do you want to replace it?");
        switch (platform::MsgBox(prompt, platform::vbYesNoCancel | platform::vbExclamation,
                                 QStringLiteral("Save As"))) {
        case platform::vbYes:
            return path;
        case platform::vbNo:
            continue;
        default:
            return QString();
        }
    }
}
