#include "document/frmTravelPlus.h"

#include "document/ImportStartGroup.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The four repeater fields a name or the notes can come from, in the order
// of their codes.
const QString SourceCaptions[] = {QStringLiteral("Location (City)"), QStringLiteral("Region"),
                                  QStringLiteral("Call Sign"), QStringLiteral("Sponsor")};

// A frame of the four source options; `firstNumber` names the first Option.
QGroupBox* SourceFrame(QWidget* parent, const QString& name, const QString& caption,
                       int firstNumber, std::array<QRadioButton*, 4>& options) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    for (size_t i = 0; i < options.size(); ++i) {
        options[i] = new QRadioButton(SourceCaptions[i], frame);
        options[i]->setObjectName(
            QStringLiteral("Option%1").arg(firstNumber + static_cast<int>(i)));
        layout->addWidget(options[i]);
    }
    return frame;
}

int32_t CheckedIndex(const std::array<QRadioButton*, 4>& options) {
    for (size_t i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked())
            return static_cast<int32_t>(i);
    }
    return 0;
}

} // namespace

frmTravelPlus::frmTravelPlus(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTravelPlus"));
    setWindowTitle(QStringLiteral("Import TPE"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QGroupBox* name =
        SourceFrame(this, QStringLiteral("Frame1"), QStringLiteral("Memory Name"), 1, nameOptions_);
    QGroupBox* notes = SourceFrame(this, QStringLiteral("Frame3"), QStringLiteral("Notes Field"), 8,
                                   notesOptions_);
    frame2_ = new ImportStartGroup(this);
    check1_ = new QCheckBox(
        QStringLiteral("Import FM Broadcast frequencies to FM Broadcast memories"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    command1_ = new QPushButton(QStringLiteral("&OK"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(name, 0, 0);
    layout->addWidget(notes, 0, 1);
    layout->addWidget(frame2_, 1, 0, 1, 2);
    layout->addWidget(check1_, 2, 0, 1, 2);
    layout->addWidget(command1_, 3, 0, 1, 2, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command1_, &QPushButton::clicked, this, platform::Guarded([this] { accept(); }));
    platform::UseDesignPointSize(this);

    Option1()->setChecked(true);
    Option10()->setChecked(true);
    check1_->setChecked(true);
}

void frmTravelPlus::done(int result) {
    StoreResults();
    QDialog::done(result);
}

// The box is set right before its number is read: the dialog may close while
// the box still has the focus.
int32_t frmTravelPlus::StartRow() {
    switch (frame2_->choice()) {
    case ImportStartGroup::Choice::ChannelNumber:
        return frame2_->ChannelNumber();
    case ImportStartGroup::Choice::CurrentRow:
        return AtCurrentRow;
    case ImportStartGroup::Choice::LastEmpty:
        break;
    }
    return importstart::AfterLastUsed;
}

void frmTravelPlus::StoreResults() {
    ProgramValues& program = Program();
    program.TpeNameSource = CheckedIndex(nameOptions_);
    program.TpeNotesSource = CheckedIndex(notesOptions_);
    program.TpeStartRow = StartRow();
    program.TpeImportFM = check1_->isChecked();
}
