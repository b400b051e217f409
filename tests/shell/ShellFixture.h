#pragma once
// Helpers for driving the real main window with real documents headless.

#include "document/DocumentInterface.h"
#include "document/frmDocument.h"
#include "shell/frmMain.h"
#include "support/ScriptedResponder.h"
#include "support/TestUtil.h"

#include <QString>
#include <memory>

// A .uvd file with a few programmed channels, both VFOs inside the usual
// band limits (136-174, 400-480 MHz).
void WriteUvdFile(const QString& path);

// The question a changed document asks after its caption.
inline const QString Changed =
    QStringLiteral("\r\n\r\nThe KG-UV data has changed.\r\nDo you want to save the changes?");

// The window behind a document the shell holds, for its own operations.
frmDocument& WindowOf(IDocument* document);

// Memory grid cells by logical column (1 name, 2 receive, 3 transmit).
QString Cell(IDocument* document, int row, int logicalColumn);
void SetChannel(IDocument* document, int row, const QString& rx, const QString& tx);

class ShellTest : public TempDirTest {
protected:
    void TearDown() override;

    // The main window after its load sequence, shown.
    frmMain& Start(const QString& commandLine = QString());
    // A .uvd file in the test's folder.
    QString UvdFile(const QString& name = QStringLiteral("home.uvd"));
    // Makes the document's image differ from its file.
    static void ChangeDocument(IDocument* document);
    // Channel 4 named "EDITED" on 145.675/145.075.
    static void EditChannel4(IDocument* document);
    // Started with the file's data in "KG-UV File 1", which holds no file.
    IDocument* StartWithUnsavedData();
    // Lets closed windows go.
    static void Settle();
    // With the main window active, types text into a memory cell of the
    // document as the user does: the cell current, its grid focused, then the
    // keys, the first of which opens the editor. The editor stays open.
    void TypeIntoCell(IDocument* document, int row, int logicalColumn, const QString& text);

    // Whether a menu item or top menu (by name) is enabled.
    bool Enabled(const QString& name) const;
    bool ButtonEnabled(int position) const;
    QStringList Captions() const;
    // The list window's title and text on two lines ("hidden " before a
    // hidden one), empty when there is none.
    QString Report() const;

    // Every dialog a test expects is armed here.
    ScriptedResponder dialogs;
    std::unique_ptr<frmMain> main;
};
