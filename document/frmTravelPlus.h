#pragma once
// The TravelPlus import's options ("Import TPE"): which repeater field becomes
// the memory name and which the notes, where the import begins, and whether
// FM broadcast stations go to the FM memories. The choices are stored in the
// program-wide values however the dialog closes (OK, the close box, Esc);
// the import reads them afterwards. Each import shows the dialog afresh.

#include <QDialog>
#include <array>
#include <cstdint>

class ImportStartGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;

class frmTravelPlus : public QDialog {
    Q_OBJECT
public:
    // TpeStartRow for "Currently Selected Row": the import starts at the
    // memory grid's current row.
    static constexpr int32_t AtCurrentRow = 777;

    explicit frmTravelPlus(QWidget* parent = nullptr);

    // "Memory Name": Location (City), Region, Call Sign, Sponsor.
    QRadioButton* Option1() const { return nameOptions_[0]; }
    QRadioButton* Option2() const { return nameOptions_[1]; }
    QRadioButton* Option3() const { return nameOptions_[2]; }
    QRadioButton* Option4() const { return nameOptions_[3]; }
    // "Notes Field", in the same order.
    QRadioButton* Option8() const { return notesOptions_[0]; }
    QRadioButton* Option9() const { return notesOptions_[1]; }
    QRadioButton* Option10() const { return notesOptions_[2]; }
    QRadioButton* Option11() const { return notesOptions_[3]; }
    // "Import Starting At:" (Frame2 with Option5, Text1, "+", "-", Option6, Option7).
    ImportStartGroup* Frame2() const { return frame2_; }
    QCheckBox* Check1() const { return check1_; }
    QPushButton* Command1() const { return command1_; }

    // Every way of closing ends here: the results are stored first.
    void done(int result) override;

private:
    int32_t StartRow();
    void StoreResults();

    std::array<QRadioButton*, 4> nameOptions_{};
    std::array<QRadioButton*, 4> notesOptions_{};
    ImportStartGroup* frame2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* command1_ = nullptr;
};
