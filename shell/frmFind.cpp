#include "shell/frmFind.h"

#include "link/WindowGeometry.h"
#include "mainwindow/IMainWindow.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/TextEdit.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"
#include "program/clsRadio.h"
#include "program/modFunctions.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <array>

using clonelink::TwipsRect;

namespace {

// How long the search text may grow, by scope: a name is six characters, a
// frequency nine.
constexpr std::array<int, 5> ScopeMaxLength = {255, 6, 9, 9, 255};

// Keys every scope lets through: Backspace and the clipboard keys, and Esc,
// which types nothing and closes the dialog.
bool IsEditingKey(int keyAscii) {
    return keyAscii == platform::AsciiBackspace || keyAscii == platform::AsciiCopy ||
           keyAscii == platform::AsciiPaste || keyAscii == platform::AsciiCut ||
           keyAscii == platform::AsciiEscape;
}

} // namespace

frmFind::frmFind(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(TwipsRect(0, 0, 5490, 1230).size());
    platform::UseDesignPointSize(this);

    label1_ = new QLabel(QStringLiteral("Find What:"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    platform::PlaceFitted(label1_, TwipsRect(120, 180, 945, 255));

    text1_ = new platform::TextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    platform::MoveTwips(text1_, 1140, 120, 2760, 315);
    connect(text1_, &platform::TextEdit::KeyDown, this,
            platform::Guarded([this](int& keyCode, int shift) { Text1_KeyDown(keyCode, shift); }));
    connect(text1_, &platform::TextEdit::KeyPress, this,
            platform::Guarded([this](int& keyAscii) { Text1_KeyPress(keyAscii); }));

    label2_ = new QLabel(QStringLiteral("Search:"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    platform::PlaceFitted(label2_, TwipsRect(120, 600, 945, 255));

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    platform::MoveTwips(combo1_, 1140, 540, 2760, 315);

    // Neither button is a default button: Enter in the text runs one search
    // through its own handler, and nothing else.
    command1_ = new QPushButton(QStringLiteral("&Find Next"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setAutoDefault(false);
    platform::MoveTwips(command1_, 4080, 120, 1215, 375);
    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));

    command2_ = new QPushButton(QStringLiteral("&Cancel"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setAutoDefault(false);
    platform::MoveTwips(command2_, 4080, 600, 1215, 375);
    connect(command2_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command2_Click(); }));

    Form_Load();
}

void frmFind::Form_Load() {
    combo1_->addItem(QStringLiteral("All"));
    for (int k : ScopeColumns)
        combo1_->addItem(Program().ColumnTable[static_cast<size_t>(k)].Caption);
    combo1_->setCurrentIndex(ScopeAll);
    connect(combo1_, &QComboBox::currentIndexChanged, this,
            platform::Guarded([this] { Combo1_Click(); }));
    Combo1_Click();
}

// A shorter limit never cuts a text already typed; it only stops more.
void frmFind::Combo1_Click() {
    const int scope = combo1_->currentIndex();
    if (scope >= 0 && scope < static_cast<int>(ScopeMaxLength.size()))
        text1_->setMaxLength(ScopeMaxLength[static_cast<size_t>(scope)]);
}

void frmFind::Command1_Click() {
    if (IMainWindow* main = MainForm())
        main->Find(text1_->text(), static_cast<int16_t>(combo1_->currentIndex()));
}

void frmFind::Command2_Click() {
    reject();
}

// The text box is an in-place editor control, which keeps Tab to itself; here
// Tab and Shift+Tab walk the dialog's controls.
void frmFind::Text1_KeyDown(int& keyCode, int shift) {
    if (keyCode != platform::vbKeyTab)
        return;
    keyCode = 0;
    focusNextPrevChild((shift & platform::ShiftMaskShift) == 0);
}

// Only typed characters are filtered; a pasted text is taken as it is.
void frmFind::Text1_KeyPress(int& keyAscii) {
    if (keyAscii == platform::AsciiEnter) {
        keyAscii = 0;
        Command1_Click();
        return;
    }
    if (IsEditingKey(keyAscii))
        return;
    const int scope = combo1_->currentIndex();
    if (scope == ScopeName) {
        if (keyAscii >= 'a' && keyAscii <= 'z')
            keyAscii -= 'a' - 'A';
        if (!clsRadio().AllowedTagCharacters().contains(platform::CharFromAscii(keyAscii)))
            keyAscii = 0;
    } else if (scope == ScopeRXFreq || scope == ScopeTXFreq) {
        const QChar typed = platform::CharFromAscii(keyAscii);
        const bool digit = typed >= QLatin1Char('0') && typed <= QLatin1Char('9');
        if (!digit && QString(typed) != modFunctions::DecimalSeparator())
            keyAscii = 0;
    }
}
