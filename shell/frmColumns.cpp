#include "shell/frmColumns.h"

#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/KeyCodes.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"
#include "shell/frmColCaption.h"

#include <QApplication>
#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using platform::FlexGrid;

namespace {

constexpr int ListRows = ColumnCount - 1;
constexpr int MarkSize = 12;

// The empty box, and with ticked the box with its tick.
QImage MarkPicture(bool ticked) {
    QImage image(MarkSize, MarkSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, MarkSize - 1, MarkSize - 1);
    if (ticked) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawPolyline(QPolygon({QPoint(3, 6), QPoint(5, 8), QPoint(9, 3)}));
    }
    return image;
}

} // namespace

frmColumns::frmColumns(QWidget* parent)
    : QDialog(parent), picChecked_(MarkPicture(true)), picUnchecked_(MarkPicture(false)) {
    setObjectName(QStringLiteral("frmColumns"));
    setWindowTitle(QStringLiteral("Column Settings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    grid_ = new FlexGrid(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setFixedRows(0);
    grid_->setFixedCols(0);
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    // Created top to bottom, so Tab walks them as they stand.
    command3_ = button("Command3", "Move &Up");
    command4_ = button("Command4", "Move &Down");
    command5_ = button("Command5", "Defaults");
    command1_ = button("Command1", "&OK");
    command2_ = button("Command2", "&Cancel");
    command1_->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {command3_, command4_, command5_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(grid_, 0, 0);
    layout->addLayout(buttons, 0, 1);

    connect(grid_, &FlexGrid::Click, this, platform::Guarded([this] { MSFlexGrid1_Click(); }));
    connect(grid_, &FlexGrid::DblClick, this,
            platform::Guarded([this] { MSFlexGrid1_DblClick(); }));
    connect(grid_, &FlexGrid::KeyPress, this,
            platform::Guarded([this](int& keyAscii) { MSFlexGrid1_KeyPress(keyAscii); }));
    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));
    connect(command2_, &QPushButton::clicked, this, platform::Guarded([this] { reject(); }));
    connect(command3_, &QPushButton::clicked, this, platform::Guarded([this] { MoveBy(-1); }));
    connect(command4_, &QPushButton::clicked, this, platform::Guarded([this] { MoveBy(1); }));
    connect(command5_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command5_Click(); }));
    platform::UseDesignPointSize(this);
    LoadColumns();
    // The whole list is in view: every row and both shown columns.
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setFixedSize(platform::TwipsToPixels(3300) + 2 * grid_->frameWidth() + 2,
                        ListRows * platform::TwipsToPixels(grid_->rowHeight(0)) +
                            2 * grid_->frameWidth() + 2);
}

bool frmColumns::IsChecked(int row) const {
    return grid_->cellPicture(row, MarkColumn) == picChecked_;
}

void frmColumns::LoadColumns() {
    grid_->setCols(3);
    grid_->setColWidth(MarkColumn, 300);
    grid_->setColWidth(CaptionColumn, 3000);
    // The record number only tells SaveAll which record a row belongs to.
    grid_->setColWidth(RecordColumn, 0);
    grid_->setRows(ListRows);
    // Without fixed rows and columns the list starts at its first cell.
    grid_->setTopRow(0);
    grid_->setLeftCol(0);
    grid_->setRedraw(false);
    const auto& table = Program().ColumnTable;
    for (int k = 1; k < ColumnCount; ++k) {
        const ColumnInfo& column = table[static_cast<size_t>(k)];
        const int r = column.Order - 1;
        grid_->setTextMatrix(r, CaptionColumn, column.Caption);
        grid_->setTextMatrix(r, RecordColumn, QString::number(k));
        // Each mark is set through the current cell, so the last record's
        // row stays current.
        grid_->setRow(r);
        grid_->setCol(MarkColumn);
        grid_->setCellPicture(r, MarkColumn, column.Visible ? picChecked_ : picUnchecked_);
    }
    grid_->setRedraw(true);
}

void frmColumns::SaveAll() {
    auto& table = Program().ColumnTable;
    const auto record = [&](int row) -> ColumnInfo& {
        return table.at(grid_->textMatrix(row, RecordColumn).toUInt());
    };
    for (int i = 0; i < ListRows; ++i) {
        record(i).Order = i + 1;
        record(i).Caption = grid_->textMatrix(i, CaptionColumn);
    }
    for (int i = 0; i < ListRows; ++i) {
        record(i).Visible = IsChecked(i);
        platform::SaveBool(SettingsSection,
                           QStringLiteral("Visible") + grid_->textMatrix(i, RecordColumn),
                           record(i).Visible);
    }
}

void frmColumns::SetCaption(const QString& text) {
    grid_->setTextMatrix(grid_->row(), grid_->mouseCol(), text);
}

void frmColumns::MSFlexGrid1_Click() {
    if (grid_->mouseCol() != MarkColumn)
        return;
    const int r = grid_->row();
    grid_->setCellPicture(r, MarkColumn, IsChecked(r) ? picUnchecked_ : picChecked_);
}

// The list takes every key, the dialog's Esc and Enter included; the list
// starts with the focus, so it hands those two to Cancel and OK itself.
void frmColumns::MSFlexGrid1_KeyPress(int keyAscii) {
    if (keyAscii == platform::AsciiEscape)
        command2_->click();
    else if (keyAscii == platform::AsciiEnter)
        command1_->click();
}

void frmColumns::MSFlexGrid1_DblClick() {
    if (grid_->mouseCol() != CaptionColumn)
        return;
    frmColCaption caption(this, grid_->textMatrix(grid_->row(), grid_->mouseCol()));
    platform::ExecModal(&caption);
}

void frmColumns::MoveBy(int step) {
    const int r = grid_->row();
    const int other = r + step;
    if (other < 0 || other >= grid_->rows()) {
        grid_->takeFocus();
        return;
    }
    grid_->setRedraw(false);
    for (int c : {CaptionColumn, RecordColumn}) {
        const QString text = grid_->textMatrix(r, c);
        grid_->setTextMatrix(r, c, grid_->textMatrix(other, c));
        grid_->setTextMatrix(other, c, text);
    }
    const QImage mark = grid_->cellPicture(r, MarkColumn);
    grid_->setCellPicture(r, MarkColumn, grid_->cellPicture(other, MarkColumn));
    grid_->setCellPicture(other, MarkColumn, mark);
    grid_->setRow(other);
    grid_->setRedraw(true);
    grid_->takeFocus();
    grid_->setCol(MarkColumn);
    grid_->setColSel(CaptionColumn);
}

void frmColumns::Command1_Click() {
    hide();
    QApplication::processEvents();
    SaveAll();
    accept();
}

void frmColumns::Command5_Click() {
    SetColumnCaptions();
    LoadColumns();
}
