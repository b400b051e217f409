// The port dialog, driven headless through the dialog service.

#include "link/frmCommPort.h"
#include "platform/core/Settings.h"
#include "platform/widgets/Dialogs.h"
#include "support/ScriptedResponder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QString setting(const QString& key) {
    return platform::GetSetting("Settings", key, "<absent>");
}

void store(const QString& port, const QString& autoDetect) {
    platform::SaveSetting("Settings", "CommPort", port);
    platform::SaveSetting("Settings", "AutoDetect", autoDetect);
}

// Opens the dialog modally; act runs while it shows.
void runDialog(const std::function<void(frmCommPort&)>& act) {
    ScriptedResponder dialogs;
    dialogs.runModal([&](QDialog& dialog) { act(static_cast<frmCommPort&>(dialog)); });
    frmCommPort form;
    platform::ExecModal(&form);
    EXPECT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown().first().title, "Comm Port");
}

void typeAndOk(const QString& text, bool autoDetect) {
    runDialog([&](frmCommPort& form) {
        form.Combo1()->setEditText(text);
        form.Check1()->setChecked(autoDetect);
        form.Command1()->click();
    });
}

} // namespace

TEST(frmCommPort, LoadsTheListAndTheStoredValues) {
    frmCommPort fresh;
    EXPECT_EQ(fresh.windowTitle(), "Comm Port");
    ASSERT_EQ(fresh.Combo1()->count(), 16);
    EXPECT_EQ(fresh.Combo1()->itemText(0), "COM 1");
    EXPECT_EQ(fresh.Combo1()->itemText(15), "COM 16");
    EXPECT_EQ(fresh.Combo1()->currentText(), "COM 1");
    EXPECT_TRUE(fresh.Check1()->isChecked());
    EXPECT_EQ(fresh.Check1()->text(), "Auto-detect");
    EXPECT_EQ(fresh.Command1()->text(), "&OK");

    store("9", "0");
    frmCommPort stored;
    EXPECT_EQ(stored.Combo1()->currentText(), "COM 9");
    EXPECT_EQ(stored.Combo1()->currentIndex(), 8);
    EXPECT_FALSE(stored.Check1()->isChecked());

    store("1", "yes"); // not a number: the default, detection on
    frmCommPort word;
    EXPECT_TRUE(word.Check1()->isChecked());
}

TEST(frmCommPort, OkKeepsThePortForATextThatNamesNone) {
    store("5", "0");
    for (const QString& text : {QString("COM3"), QString(), QString("serial"), QString("COM 17"),
                                QString("COM 0"), QString("COM 3.5"), QString("COM -2"),
                                QString("COM  4"), QString("COM"), QString("COM 99999999999")}) {
        typeAndOk(text, true);
        EXPECT_EQ(setting("CommPort"), "5") << text.toStdString();
        EXPECT_EQ(setting("AutoDetect"), "1");
    }
    typeAndOk(" COM 16", true); // a leading blank makes "COM" the second piece
    EXPECT_EQ(setting("CommPort"), "5");
    typeAndOk("COM 16 extra", true);
    EXPECT_EQ(setting("CommPort"), "16");
    typeAndOk("COM 07 ", false);
    EXPECT_EQ(setting("CommPort"), "7");
    EXPECT_EQ(setting("AutoDetect"), "0");
}

TEST(frmCommPort, OkStoresTheChoiceAndClosingByTheFrameSavesNothing) {
    runDialog([](frmCommPort& form) {
        form.Combo1()->setCurrentIndex(3);
        form.Check1()->setChecked(false);
        form.close();
    });
    EXPECT_EQ(setting("CommPort"), "<absent>");
    EXPECT_EQ(setting("AutoDetect"), "<absent>");

    runDialog([](frmCommPort& form) {
        form.Combo1()->setCurrentIndex(11);
        form.Check1()->setChecked(false);
        form.Command1()->click();
    });
    EXPECT_EQ(setting("CommPort"), "12");
    EXPECT_EQ(setting("AutoDetect"), "0");
}
