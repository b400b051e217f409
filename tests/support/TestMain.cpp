// The main of every test program: headless, a "." locale, and for every test a
// fresh settings folder, fresh program-wide values and a strict dialog service
// that fails the test on any dialog no responder was armed for.

#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Printer.h"
#include "support/ScriptedResponder.h"

#ifdef FERROWIND_HAVE_PROGRAM
#include "program/ProgramValues.h"
#endif

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

void FailOnUnexpectedDialog(const platform::DialogCall& call) {
    ADD_FAILURE() << "A dialog nobody armed a responder for: "
                  << platform::DescribeDialogCall(call).toStdString();
}

// The offscreen platform warns about every window that sizes itself; the
// noise would bury the warnings that matter.
QtMessageHandler g_defaultMessageHandler = nullptr;

void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("does not support propagateSizeHints"))) {
        return;
    }
    g_defaultMessageHandler(type, context, text);
}

class FreshStatePerTest : public ::testing::EmptyTestEventListener {
public:
    // idleFolder holds the settings between tests, so nothing ever reaches
    // the user's own store.
    explicit FreshStatePerTest(QString idleFolder) : idleFolder_(std::move(idleFolder)) {}

    void OnTestStart(const ::testing::TestInfo&) override {
        workingFolder_ = QDir::currentPath();
        settingsFolder_ = std::make_unique<QTemporaryDir>();
        platform::SetSettingsFolder(settingsFolder_->path());
#ifdef FERROWIND_HAVE_PROGRAM
        ResetProgramValues();
#endif
        QLocale::setDefault(QLocale::c());
        platform::SetDialogResponder(nullptr);
        platform::SetUnexpectedDialogHandler(FailOnUnexpectedDialog);
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        if (platform::DialogResponder* left = platform::SetDialogResponder(nullptr)) {
            const auto* scripted = dynamic_cast<const ScriptedResponder*>(left);
            ADD_FAILURE() << "A dialog responder was left installed"
                          << (scripted && scripted->pending() > 0 ? " with handlers still armed"
                                                                  : "");
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::SetSettingsFolder(idleFolder_);
        settingsFolder_.reset();
        QDir::setCurrent(workingFolder_);
        QLocale::setDefault(QLocale::c());
        platform::SetUnexpectedDialogHandler(FailOnUnexpectedDialog);
    }

private:
    QString idleFolder_;
    QString workingFolder_;
    std::unique_ptr<QTemporaryDir> settingsFolder_;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Measures in pixels are the ones the tests were written for, whatever
    // scaling the developer's own session asks for.
    for (const char* scaling :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING",
          "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_SCALE_FACTOR_ROUNDING_POLICY"})
        qunsetenv(scaling);
    g_defaultMessageHandler = qInstallMessageHandler(QuietMessageHandler);
    platform::SafeApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    // No test may reach a real printer: the program prints to PDF files.
    platform::SetNoPrinterInstalled(true);
    ::testing::InitGoogleMock(&argc, argv);

    const QTemporaryDir idleSettings;
    platform::SetSettingsFolder(idleSettings.path());
    platform::SetUnexpectedDialogHandler(FailOnUnexpectedDialog);
    // GoogleTest takes ownership of its listeners.
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new FreshStatePerTest(idleSettings.path()));
    return RUN_ALL_TESTS();
}
