#include "shell/frmBandLimits.h"

#include "mainwindow/IMainWindow.h"
#include "platform/core/Measures.h"
#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FixedPitchFont.h"
#include "platform/widgets/FocusModel.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/TextEdit.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

const QString AlwaysWriteKey = QStringLiteral("AlwaysWriteLimits");

constexpr int MaxBoxLength = 3;
constexpr int HighestLow = 998;
constexpr int HighestValue = 999;

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(platform::TwipsToPixels(left), platform::TwipsToPixels(top),
                 platform::TwipsToPixels(width), platform::TwipsToPixels(height));
}

// Inside a band's frame: the row captions' place and the first column of
// boxes, which a caption keeps a little room before.
constexpr int CaptionLeft = 240;
constexpr int CaptionHeight = 195;
constexpr int CaptionGap = 60;
constexpr int FirstBoxLeft = 960;

void AddLabel(QWidget* parent, const QString& text, const QRect& rect) {
    platform::PlaceFitted(new QLabel(text, parent), rect);
}

// The row captions share one left edge. A font wider than the design's would
// run them into the boxes, so the column then starts as far left as the
// widest caption needs.
void AddRowCaptions(QWidget* frame, const QStringList& texts, const QList<int>& tops) {
    QList<QLabel*> labels;
    int widest = 0;
    for (const QString& text : texts) {
        labels << new QLabel(text, frame);
        widest = std::max(widest, labels.last()->sizeHint().width());
    }
    const int right = platform::TwipsToPixels(FirstBoxLeft - CaptionGap);
    const int left = std::min(platform::TwipsToPixels(CaptionLeft), right - widest);
    for (int i = 0; i < labels.size(); ++i)
        labels.at(i)->setGeometry(left, platform::TwipsToPixels(tops.at(i)), right - left,
                                  platform::TwipsToPixels(CaptionHeight));
}

int ValueOf(const QString& text) {
    return static_cast<int>(platform::Val(text));
}

} // namespace

namespace bandlimits {

QString NormalisedText(const QString& text) {
    const double value = std::trunc(platform::Val(text));
    return QString::number(static_cast<int>(std::clamp(value, 0.0, double(HighestValue))));
}

void LeaveBox(BoxTexts& texts, int k) {
    QString& own = texts.at(static_cast<size_t>(k));
    own = NormalisedText(own);
    if (k % 2 == 1) {
        QString& low = texts.at(static_cast<size_t>(k - 1));
        if (ValueOf(own) < 1)
            own = QStringLiteral("1");
        if (ValueOf(low) >= ValueOf(own))
            low = QString::number(ValueOf(own) - 1);
        return;
    }
    QString& partner = texts.at(static_cast<size_t>(k + 1));
    if (ValueOf(own) > HighestLow)
        own = QString::number(HighestLow);
    if (ValueOf(partner) <= ValueOf(own))
        partner = QString::number(ValueOf(own) + 1);
}

} // namespace bandlimits

frmBandLimits::frmBandLimits(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBandLimits"));
    setWindowTitle(QStringLiteral("Band Limits"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(platform::TwipsToPixels(3930), platform::TwipsToPixels(4755));
    platform::UseDesignPointSize(this);

    MakeBoxes(MakeFrame(QStringLiteral("Frame1"), QStringLiteral("Band 1"), 180), 0);
    MakeBoxes(MakeFrame(QStringLiteral("Frame2"), QStringLiteral("Band 2"), 1980), 4);

    check1_ = new QCheckBox(QStringLiteral("Always write band limits (no prompt)"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    platform::PlaceFitted(check1_, TwipsRect(488, 3720, 2955, 255));
    // The window widens only when the box's caption has grown past the
    // design's margin, so that it shows whole in a wider face.
    const int captionRight = check1_->geometry().right() + 1 + platform::TwipsToPixels(488);
    if (captionRight > width())
        setFixedSize(captionRight, height());

    command6_ = new QPushButton(QStringLiteral("&OK"), this);
    command6_->setObjectName(QStringLiteral("Command6"));
    command6_->setGeometry(TwipsRect(653, 4260, 1230, 375));
    command6_->setDefault(true);
    connect(command6_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command6_Click(); }));

    command5_ = new QPushButton(QStringLiteral("&Cancel"), this);
    command5_->setObjectName(QStringLiteral("Command5"));
    command5_->setGeometry(TwipsRect(2048, 4260, 1230, 375));
    connect(command5_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command5_Click(); }));

    for (int k = 0; k + 1 < bandlimits::BoxCount; ++k)
        setTabOrder(Text1(k), Text1(k + 1));
    setTabOrder(Text1(bandlimits::BoxCount - 1), check1_);
    setTabOrder(check1_, command5_);
    setTabOrder(command5_, command6_);

    Form_Load();
}

QGroupBox* frmBandLimits::MakeFrame(const QString& name, const QString& caption, int top) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(name);
    frame->setGeometry(TwipsRect(240, top, 3495, 1635));
    AddLabel(frame, QStringLiteral("Low Limit"), TwipsRect(1020, 300, 735, 195));
    AddLabel(frame, QStringLiteral("High Limit"), TwipsRect(2220, 300, 735, 195));
    AddRowCaptions(frame, {QStringLiteral("Receive"), QStringLiteral("Transmit")}, {660, 1080});
    return frame;
}

// Boxes firstBox.. firstBox + 3: receive low, receive high, transmit low,
// transmit high.
void frmBandLimits::MakeBoxes(QGroupBox* frame, int firstBox) {
    QFont font(platform::FixedsysFace());
    font.setPointSize(9);
    for (int i = 0; i < 4; ++i) {
        const int k = firstBox + i;
        auto* box = new platform::TextEdit(frame);
        box->setObjectName(QStringLiteral("Text1_%1").arg(k));
        box->setFont(font);
        box->setMaxLength(MaxBoxLength);
        box->setGeometry(
            TwipsRect(i % 2 == 0 ? FirstBoxLeft : 2160, i < 2 ? 600 : 1020, 1095, 330));
        connect(box, &platform::TextEdit::GotFocus, this, [this, k] { Text1_GotFocus(k); });
        connect(box, &platform::TextEdit::LostFocus, this, [this, k] { Text1_LostFocus(k); });
        connect(box, &platform::TextEdit::KeyPress, this,
                [this](int& keyAscii) { Text1_KeyPress(keyAscii); });
        connect(box, &platform::TextEdit::KeyDown, this,
                [this](int& keyCode, int shift) { Text1_KeyDown(keyCode, shift); });
        text1_.at(static_cast<size_t>(k)) = box;
    }
}

void frmBandLimits::Form_Load() {
    const QString stored =
        platform::GetSetting(SettingsSection, AlwaysWriteKey, QStringLiteral("0"));
    // The write reads any non-zero number as "always"; the box shows the same.
    check1_->setChecked(platform::TextToDouble(stored).value_or(0.0) != 0.0);
    LoadLimits();
    // The first box has the focus when the dialog shows: ready to overtype.
    Text1(0)->selectAll();
}

void frmBandLimits::LoadLimits() {
    IMainWindow& main = RequireMainForm();
    for (int k = 0; k < bandlimits::BoxCount; ++k)
        Text1(k)->setText(main.GetBandLimit(bandlimits::IndexOfBox.at(static_cast<size_t>(k))));
}

void frmBandLimits::SaveLimits() {
    IMainWindow& main = RequireMainForm();
    for (int k = 0; k < bandlimits::BoxCount; ++k)
        main.SetBandLimit(bandlimits::IndexOfBox.at(static_cast<size_t>(k)), Text1(k)->text());
}

bandlimits::BoxTexts frmBandLimits::Texts() const {
    bandlimits::BoxTexts texts;
    for (int k = 0; k < bandlimits::BoxCount; ++k)
        texts.at(static_cast<size_t>(k)) = Text1(k)->text();
    return texts;
}

// Only boxes whose text really changes are touched, so a box keeps its
// selection while nothing happens to it.
void frmBandLimits::SetTexts(const bandlimits::BoxTexts& texts) {
    for (int k = 0; k < bandlimits::BoxCount; ++k)
        if (Text1(k)->text() != texts.at(static_cast<size_t>(k)))
            Text1(k)->setText(texts.at(static_cast<size_t>(k)));
}

void frmBandLimits::Command6_Click() {
    // Enter or the mnemonic press OK without the box losing the focus: it
    // counts as left first, as on a click, so its own edit wins over its
    // partner's. Pasted text was never filtered: every box then passes the
    // rules.
    bandlimits::BoxTexts texts = Texts();
    const platform::FocusTarget* focused = platform::FocusModel::For(this)->current();
    for (int k = 0; k < bandlimits::BoxCount; ++k)
        if (focused == Text1(k))
            bandlimits::LeaveBox(texts, k);
    for (int k = 0; k < bandlimits::BoxCount; ++k)
        bandlimits::LeaveBox(texts, k);
    SetTexts(texts);
    platform::SaveSetting(SettingsSection, AlwaysWriteKey,
                          check1_->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    SaveLimits();
    platform::FlushSettings();
    accept();
}

void frmBandLimits::Command5_Click() {
    reject();
}

void frmBandLimits::Text1_GotFocus(int k) {
    Text1(k)->selectAll();
}

// The boxes are in-place editor controls, which keep Tab to themselves; in
// this dialog Tab and Shift+Tab walk the tab order as in any other.
void frmBandLimits::Text1_KeyDown(int& keyCode, int shift) {
    if (keyCode != platform::vbKeyTab)
        return;
    keyCode = 0;
    focusNextPrevChild((shift & platform::ShiftMaskShift) == 0);
}

void frmBandLimits::Text1_KeyPress(int& keyAscii) {
    if (!platform::IsNumberBoxKey(keyAscii))
        keyAscii = 0;
}

void frmBandLimits::Text1_LostFocus(int k) {
    bandlimits::BoxTexts texts = Texts();
    bandlimits::LeaveBox(texts, k);
    SetTexts(texts);
}
