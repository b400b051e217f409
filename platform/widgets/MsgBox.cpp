#include "platform/widgets/MsgBox.h"

#include "platform/widgets/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace platform {
namespace {

QString& TitleStore() {
    static QString title;
    return title;
}

struct ButtonSet {
    std::vector<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton escape = QMessageBox::NoButton;
};

ButtonSet ButtonsFor(int buttons) {
    using B = QMessageBox;
    switch (buttons) {
    case vbOKCancel:
        return {{B::Ok, B::Cancel}, B::Cancel};
    case vbAbortRetryIgnore:
        return {{B::Abort, B::Retry, B::Ignore}, B::NoButton};
    case vbYesNoCancel:
        return {{B::Yes, B::No, B::Cancel}, B::Cancel};
    case vbYesNo:
        return {{B::Yes, B::No}, B::NoButton};
    case vbRetryCancel:
        return {{B::Retry, B::Cancel}, B::Cancel};
    default:
        return {{B::Ok}, B::Ok};
    }
}

int AnswerFor(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Cancel:
        return vbCancel;
    case QMessageBox::Abort:
        return vbAbort;
    case QMessageBox::Retry:
        return vbRetry;
    case QMessageBox::Ignore:
        return vbIgnore;
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}

QMessageBox::Icon IconFor(int icon) {
    switch (icon) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// QMessageBox lets Esc pick "No" when there is no Cancel; a box without an
// escape answer must be answered with one of its buttons.
class AnswerOnlyBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool closable = true;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!closable && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (!closable) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

QWidget* BoxParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

} // namespace

int MsgBox(const QString& prompt, int flags, const QString& title) {
    return ShowMessage(prompt, flags, title.isEmpty() ? ApplicationTitle() : title);
}

void SetApplicationTitle(const QString& title) {
    TitleStore() = title;
}

QString ApplicationTitle() {
    const QString& title = TitleStore();
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

int RunMessageBox(const QString& prompt, int flags, const QString& title) {
    AnswerOnlyBox box(BoxParent());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setIcon(IconFor(flags & 0x70));

    const ButtonSet set = ButtonsFor(flags & 0x07);
    std::vector<QPushButton*> buttons;
    for (const QMessageBox::StandardButton button : set.buttons) {
        buttons.push_back(box.addButton(button));
    }
    const std::size_t defaultSlot = static_cast<std::size_t>((flags >> 8) & 0x03);
    box.setDefaultButton(buttons.at(defaultSlot < buttons.size() ? defaultSlot : 0));
    if (set.escape != QMessageBox::NoButton) {
        box.setEscapeButton(set.escape);
    } else {
        box.closable = false;
        box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    }

    box.exec();
    const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    if (clicked == QMessageBox::NoButton) {
        return AnswerFor(set.escape != QMessageBox::NoButton ? set.escape : set.buttons.front());
    }
    return AnswerFor(clicked);
}

} // namespace platform
