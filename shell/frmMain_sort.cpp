// Memories > Sort... and Check for Duplicate Freqs. The dialogs hand their
// choice back through TestSort and TestDups.
//
// The menu items' enabled state follows the last tab change of any document,
// not the active one, so the active document may be showing a settings tab
// while they are enabled; the commands then do nothing.

#include "shell/frmMain.h"

#include "document/DocumentInterface.h"
#include "platform/widgets/Dialogs.h"
#include "shell/frmDupCheck.h"
#include "shell/frmSort.h"

namespace {

bool ShowsMemories(const IDocument* document) {
    return document && document->GetCurrentGrid() == IDocument::MemoryGrid;
}

} // namespace

void frmMain::mnuSort_Click() {
    if (!ShowsMemories(active_))
        return;
    frmSort dialog(this);
    platform::ExecModal(&dialog);
}

void frmMain::mnuDupCheck_Click() {
    if (!ShowsMemories(active_))
        return;
    frmDupCheck dialog(this);
    platform::ExecModal(&dialog);
}
