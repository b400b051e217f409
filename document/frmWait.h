#pragma once
// A captionless note shown while duplicate channels are being deleted.

#include <QDialog>

class QLabel;

class frmWait : public QDialog {
    Q_OBJECT
public:
    explicit frmWait(QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }

private:
    QLabel* label1_ = nullptr;
};
