#include "document/frmWait.h"

#include "platform/core/Measures.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int MarginTwips = 360;
} // namespace

frmWait::frmWait(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmWait"));
    // Without a caption the window has no border either; the panel draws one.
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label1_ = new QLabel(QStringLiteral("Deleting Duplicates (Please Wait)..."), panel);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(QFont(QStringLiteral("Arial")));
    label1_->setAlignment(Qt::AlignCenter);

    auto* inner = new QVBoxLayout(panel);
    const int margin = platform::TwipsToPixels(MarginTwips);
    inner->setContentsMargins(margin, margin, margin, margin);
    inner->addWidget(label1_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
}
