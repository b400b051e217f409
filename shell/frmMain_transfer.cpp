// The Transfer menu (port, read, write) and Memories > Band Limits: which
// document receives a radio image, what an image must pass before it may go
// to the radio, and the list of memories outside the limits afterwards.

#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "link/frmCommPort.h"
#include "link/frmReadRadio.h"
#include "link/frmWriteRadio.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "rules/DocumentTexts.h"
#include "shell/frmBandLimits.h"

namespace {} // namespace

void frmMain::ShowBandLimitReport(const QString& caption) {
    QString& report = Program().BandLimitReport;
    if (report.isEmpty())
        return;
    report.chop(1);
    ShowStatus(caption, report, false);
}

void frmMain::mnuPort_Click() {
    frmCommPort window(this);
    platform::ExecModal(&window);
}

void frmMain::mnuRead_Click() {
    // A document that holds a file is never overwritten by a read.
    if (!IsFormLoaded() || HasFile(active_))
        NewDocument();
    if (!UnsavedChangesStep())
        return;
    // The user saved the radio-read document under a name: it now holds a
    // file, so the next read goes into a fresh window after all.
    if (HasFile(active_))
        NewDocument();
    frmReadRadio window(this);
    platform::ExecModal(&window);
}

void frmMain::mnuWrite_Click() {
    IDocument* document = active_;
    if (!document)
        return;
    // An image that took only part of the grids never goes to the radio.
    if (!document->SaveGrid() || !document->ValidateAll())
        return;
    // ValidateAll may have put default VFO frequencies into the grid; they
    // must reach the image before it goes to the radio.
    if (!document->SaveGrid())
        return;
    Program().BandLimitReport.clear();
    frmWriteRadio window(this);
    platform::ExecModal(&window);
    ShowBandLimitReport(
        QStringLiteral("Memories in file with frequencies outside of the radio band limits:"));
}

void frmMain::mnuEditBandLimits_Click() {
    IDocument* document = active_;
    if (!document)
        return;
    {
        frmBandLimits dialog(this);
        platform::ExecModal(&dialog);
    }
    if (!document->ValidateBandLimits())
        platform::MsgBox(documenttexts::OutsideBandLimitsWarning(),
                         platform::vbOKOnly | platform::vbExclamation, documenttexts::WarningTitle);
    if (!document->ValidateVFOs())
        platform::MsgBox(documenttexts::VfoDefaultsWarning(),
                         platform::vbOKOnly | platform::vbExclamation, documenttexts::WarningTitle);
    ShowBandLimitReport(documenttexts::OutsideBandLimitsCaption);
}
