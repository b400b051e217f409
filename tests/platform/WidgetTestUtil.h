#pragma once
// Shared pieces of the grid, editor and tab-strip tests: a shown, active
// window and a log of the events a control raised. Include it first: mouse
// events then go through the window as the user's do, with click focus and
// double clicks as in the program.

#ifdef QTEST_QPA_MOUSE_HANDLING
#error "include WidgetTestUtil.h before anything that includes QTest"
#endif
#define QTEST_QPA_MOUSE_HANDLING

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A top-level window, shown and active, so that focus and keys behave as for
// the user.
class ShownWindow : public QWidget {
public:
    ShownWindow() { resize(800, 600); }
    void showActive() {
        show();
        activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(this));
    }
};

// Counts the events of one type that reach the watched object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type) : type_(type) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_)
            ++count;
        return false;
    }
    int count = 0;

private:
    QEvent::Type type_;
};

// The events of one or more controls, in the order they were raised.
struct EventLog {
    QStringList lines;
    void add(const QString& line) { lines << line; }
    void clear() { lines.clear(); }
};
