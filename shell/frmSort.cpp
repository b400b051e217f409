#include "shell/frmSort.h"

#include "mainwindow/IMainWindow.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"
#include "rules/SortKeys.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox* Frame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    new QVBoxLayout(frame);
    return frame;
}

template <typename W> W* Add(QGroupBox* frame, W* widget, const QString& name) {
    widget->setObjectName(name);
    frame->layout()->addWidget(widget);
    return widget;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

frmSort::frmSort(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSort"));
    setWindowTitle(QStringLiteral("Sort Memories"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QGroupBox* sortBy = Frame(this, QStringLiteral("Frame1"), QStringLiteral("Sort By"));
    combo1_ = Add(sortBy, new QComboBox(sortBy), QStringLiteral("Combo1"));
    QGroupBox* direction = Frame(this, QStringLiteral("Frame2"), QStringLiteral("Direction"));
    option4_ = Add(direction, new QRadioButton(QStringLiteral("Ascending"), direction),
                   QStringLiteral("Option4"));
    option3_ = Add(direction, new QRadioButton(QStringLiteral("Descending"), direction),
                   QStringLiteral("Option3"));
    QGroupBox* range = Frame(this, QStringLiteral("Frame3"), QString());
    option6_ = Add(range, new QRadioButton(QStringLiteral("All Memories"), range),
                   QStringLiteral("Option6"));
    option5_ = Add(range, new QRadioButton(QStringLiteral("Selected Memories"), range),
                   QStringLiteral("Option5"));
    command6_ = Button(this, QStringLiteral("Command6"), QStringLiteral("&Sort"));
    command5_ = Button(this, QStringLiteral("Command5"), QStringLiteral("&Cancel"));
    command6_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(sortBy, 0, 0);
    layout->addWidget(direction, 0, 1);
    layout->addWidget(range, 1, 0, 1, 2);
    layout->addWidget(command6_, 2, 0, Qt::AlignRight);
    layout->addWidget(command5_, 2, 1, Qt::AlignLeft);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command6_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command6_Click(); }));
    connect(command5_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command5_Click(); }));
    platform::UseDesignPointSize(this);
    Form_Load();
}

void frmSort::Form_Load() {
    const auto& table = Program().ColumnTable;
    for (const int column : sortkeys::SortColumns)
        combo1_->addItem(table[static_cast<size_t>(column)].Caption);
    combo1_->setCurrentIndex(0);
    option4_->setChecked(true);
    option6_->setChecked(true);
}

void frmSort::Command6_Click() {
    const QString scope =
        option6_->isChecked() ? QStringLiteral("All") : QStringLiteral("Selected");
    const QString direction = option4_->isChecked() ? QStringLiteral("Asc") : QStringLiteral("Dec");
    if (IMainWindow* main = MainForm())
        main->TestSort(scope, combo1_->currentIndex(), direction);
    accept();
}

void frmSort::Command5_Click() {
    reject();
}
