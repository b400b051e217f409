#include "document/ImportStartGroup.h"

#include "image/clsVUROVA.h"
#include "platform/core/NumberText.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Colors.h"
#include "platform/widgets/FixedPitchFont.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/TextEdit.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t FirstChannel = 1;
constexpr int32_t LastChannel = clsVUROVA::ChannelCount;
constexpr int32_t WhiteColor = 0xFFFFFF;
constexpr int32_t ButtonFaceColor = static_cast<int32_t>(0x8000000F);

template <typename W> W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

namespace importstart {

QString NormalisedChannel(const QString& text) {
    const double value = std::trunc(platform::Val(text));
    return QString::number(
        static_cast<int32_t>(std::clamp(value, double(FirstChannel), double(LastChannel))));
}

} // namespace importstart

ImportStartGroup::ImportStartGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("Import Starting At:"), parent) {
    setObjectName(QStringLiteral("Frame2"));
    option5_ = Named(new QRadioButton(QStringLiteral("Memory Channel Number:"), this),
                     QStringLiteral("Option5"));
    text1_ = Named(new platform::TextEdit(this), QStringLiteral("Text1"));
    command8_ = Named(new QPushButton(QStringLiteral("+"), this), QStringLiteral("Command8"));
    command9_ = Named(new QPushButton(QStringLiteral("-"), this), QStringLiteral("Command9"));
    option6_ = Named(new QRadioButton(QStringLiteral("Last Empty Memory Channel"), this),
                     QStringLiteral("Option6"));
    option7_ = Named(new QRadioButton(QStringLiteral("Currently Selected Row"), this),
                     QStringLiteral("Option7"));

    QFont font(platform::FixedsysFace());
    font.setPointSize(9);
    text1_->setFont(font);
    text1_->setText(QStringLiteral("1"));
    text1_->setFixedWidth(text1_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    for (QPushButton* button : {command8_, command9_})
        button->setFixedWidth(button->sizeHint().height());

    auto* layout = new QGridLayout(this);
    layout->addWidget(option5_, 0, 0);
    layout->addWidget(text1_, 0, 1);
    layout->addWidget(command8_, 0, 2);
    layout->addWidget(command9_, 0, 3);
    layout->addWidget(option6_, 1, 0, 1, 4);
    layout->addWidget(option7_, 2, 0, 1, 4);
    layout->setColumnStretch(4, 1);

    connect(option5_, &QRadioButton::toggled, this, platform::Guarded([this](bool on) {
                if (on)
                    EnableNumber(true);
            }));
    for (QRadioButton* other : {option6_, option7_})
        connect(other, &QRadioButton::toggled, this, platform::Guarded([this](bool on) {
                    if (on)
                        EnableNumber(false);
                }));
    connect(command8_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command8_Click(); }));
    connect(command9_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command9_Click(); }));
    connect(text1_, &platform::TextEdit::KeyPress, this,
            [this](int& keyAscii) { Text1_KeyPress(keyAscii); });
    connect(text1_, &platform::TextEdit::LostFocus, this, [this] { Text1_LostFocus(); });

    EnableNumber(false);
    option6_->setChecked(true);
}

ImportStartGroup::Choice ImportStartGroup::choice() const {
    if (option5_->isChecked())
        return Choice::ChannelNumber;
    return option7_->isChecked() ? Choice::CurrentRow : Choice::LastEmpty;
}

int32_t ImportStartGroup::ChannelNumber() {
    Text1_LostFocus();
    return static_cast<int32_t>(platform::Val(text1_->text()));
}

void ImportStartGroup::EnableNumber(bool on) {
    text1_->setEnabled(on);
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Base,
                     platform::ColorFromNumber(on ? WhiteColor : ButtonFaceColor, palette));
    text1_->setPalette(palette);
    command8_->setEnabled(on);
    command9_->setEnabled(on);
}

// The box keeps the number and has the focus, all of it selected, ready to
// be typed over.
void ImportStartGroup::SetNumber(int32_t number) {
    text1_->setText(QString::number(number));
    text1_->takeFocus();
    text1_->selectAll();
}

void ImportStartGroup::Command8_Click() {
    const int32_t number = ChannelNumber();
    SetNumber(number < LastChannel ? number + 1 : FirstChannel);
}

void ImportStartGroup::Command9_Click() {
    const int32_t number = ChannelNumber();
    SetNumber(number > FirstChannel ? number - 1 : LastChannel);
}

void ImportStartGroup::Text1_KeyPress(int& keyAscii) {
    if (!platform::IsNumberBoxKey(keyAscii))
        keyAscii = 0;
}

// Only a box whose text really changes is touched, so it keeps its selection
// otherwise.
void ImportStartGroup::Text1_LostFocus() {
    const QString normalised = importstart::NormalisedChannel(text1_->text());
    if (text1_->text() != normalised)
        text1_->setText(normalised);
}
