#include "shell/frmPopups.h"

#include "mainwindow/IMainWindow.h"
#include "platform/widgets/Application.h"

#include <QAction>
#include <QMenu>

namespace {

// Each item acts on whatever main window there is; without one it does nothing.
std::function<void()> OnMain(void (IMainWindow::*operation)()) {
    return [operation] {
        if (IMainWindow* main = MainForm())
            (main->*operation)();
    };
}

struct ValueItem {
    const char* name;
    const char* caption;
};

// The menus of the columns that take one of two fixed texts: TX Pwr, Scan,
// TX Dev and Busy Lck.
struct ValueMenu {
    const char* menu;
    const char* separator;
    ValueItem items[2];
};

constexpr ValueMenu ValueMenus[] = {
    {"mnu7", "mnusep7a", {{"mnu7l1", "&HIGH"}, {"mnu7l2", "&LOW"}}},
    {"mnu9", "mnusep9a", {{"mnu9Off", "OFF"}, {"mnu9ON", "ON"}}},
    {"mnu8", "mnusep8a", {{"mnu8norm", "WIDE"}, {"mnu8Half", "NARR"}}},
    {"mnu12", "MNU12SEP", {{"mnu12freq", "&OFF"}, {"mnu12alpha", "&ON"}}},
};

} // namespace

frmPopups::frmPopups(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPopups"));
    // A window of its own that is never shown, so it never appears inside
    // the main window either.
    setWindowFlag(Qt::Window);
    hide();

    BuildRowMenu();

    QMenu* names = AddMenu(QStringLiteral("mnu11"));
    AddCopyPaste(names, QStringLiteral("mnu11"));
    AddSeparator(names, QStringLiteral("mnusep11"));
    AddItem(names, QStringLiteral("mnuAutoFillTags"), QStringLiteral("&Auto-Fill Names"),
            OnMain(&IMainWindow::IncrementTags));

    AddCopyPaste(AddMenu(QStringLiteral("mnu10")), QStringLiteral("mnu10"));

    for (const ValueMenu& m : ValueMenus) {
        QMenu* menu = AddMenu(QString::fromLatin1(m.menu));
        AddCopyPaste(menu, QString::fromLatin1(m.menu));
        AddSeparator(menu, QString::fromLatin1(m.separator));
        for (const ValueItem& item : m.items)
            AddValue(menu, QString::fromLatin1(item.name), QString::fromLatin1(item.caption));
    }
}

void frmPopups::BuildRowMenu() {
    QMenu* rows = AddMenu(QStringLiteral("mnuEdit"));
    AddItem(rows, QStringLiteral("mnuCut"), QStringLiteral("Cu&t"), OnMain(&IMainWindow::CellCut));
    AddItem(rows, QStringLiteral("mnuCopy"), QStringLiteral("&Copy"),
            OnMain(&IMainWindow::CellCopy));
    AddItem(rows, QStringLiteral("mnuPaste"), QStringLiteral("&Paste"),
            OnMain(&IMainWindow::CellPaste));
    AddSeparator(rows, QStringLiteral("mnuSept"));
    AddItem(rows, QStringLiteral("mnuInsert"), QStringLiteral("&Insert"),
            OnMain(&IMainWindow::InsertBlank));
    AddItem(rows, QStringLiteral("mnuDelete"), QStringLiteral("&Delete"),
            OnMain(&IMainWindow::Delete));
    // Offered only once a whole-row copy or a cut has filled the clipboard.
    AddSeparator(rows, QStringLiteral("mnuSepA"));
    AddItem(rows, QStringLiteral("mnuInsertCut"), QStringLiteral("&Insert Copied Cells"),
            OnMain(&IMainWindow::InsertCut));
    Item(QStringLiteral("mnuSepA"))->setVisible(false);
    Item(QStringLiteral("mnuInsertCut"))->setVisible(false);
}

QMenu* frmPopups::AddMenu(const QString& name) {
    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    menus_.insert(name, menu);
    return menu;
}

QAction* frmPopups::AddItem(QMenu* menu, const QString& name, const QString& caption,
                            std::function<void()> action) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    items_.insert(name, item);
    connect(item, &QAction::triggered, this, platform::Guarded(std::move(action)));
    return item;
}

void frmPopups::AddSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    items_.insert(name, separator);
}

void frmPopups::AddCopyPaste(QMenu* menu, const QString& prefix) {
    AddItem(menu, prefix + QStringLiteral("Copy"), QStringLiteral("&Copy"),
            OnMain(&IMainWindow::CellCopy));
    AddItem(menu, prefix + QStringLiteral("Paste"), QStringLiteral("&Paste"),
            OnMain(&IMainWindow::CellPaste));
}

void frmPopups::AddValue(QMenu* menu, const QString& name, const QString& caption) {
    const QString value = QString(caption).remove(QLatin1Char('&'));
    AddItem(menu, name, caption, [this, value] { SetMass(value); });
}

QMenu* frmPopups::Menu(const QString& name) const {
    return menus_.value(name, nullptr);
}

QAction* frmPopups::Item(const QString& name) const {
    return items_.value(name, nullptr);
}

void frmPopups::SetMass(const QString& value) {
    if (IMainWindow* main = MainForm())
        main->SetMass(value);
}
