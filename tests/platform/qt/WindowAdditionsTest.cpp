// The window's keyboard, find, divider and remembered-layout additions, driven on real widgets.

#include "detail/DetailListe.h"
#include "platform/forms/IniSettingsStore.h"
#include "platform/qt/ButtonBar.h"
#include "platform/qt/Divider.h"
#include "platform/qt/FindBox.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtForms.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/StructureTree.h"
#include "support/NullPlatform.h"
#include "support/TempFolder.h"

#include <QClipboard>
#include <QHeaderView>
#include <QTest>

#include <fstream>
#include <sstream>

using namespace veltrano;
using controls::TreeView;
using Index = TreeView::Index;

class WindowAdditionsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Open(settings); }
    void cleanup() { Close(); }

    void shortcutsReachTheirCommandsAndShowInTooltips() {
        using Member = std::function<void(app::frmHaupt&)> app::Commands::*;
        const std::pair<QString, Member> recorded[] = {
            {"SurveyDatabase", &app::Commands::SurveyDatabase},
            {"CopyTable", &app::Commands::CopyTable},
            {"Search", &app::Commands::Search},
            {"Replace", &app::Commands::Replace},
            {"Save", &app::Commands::Save},
            {"SearchAgain", &app::Commands::SearchAgain}};
        for (const auto& [name, member] : recorded) {
            form->Handlers().*member = [this, name](app::frmHaupt&) { ran << name; };
        }
        BuildTree();
        form->tvACT.SetSelected(contactFields);
        form->SetListSource(contactFields);
        form->History.Add(contact);
        form->History.Add(contactFields);
        form->UpdateHistoryButtons();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->List().setFocus();
        const std::pair<QKeySequence, QString> cases[] = {
            {Qt::Key_F5, "SurveyDatabase"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_C, "CopyTable"},
            {Qt::CTRL | Qt::Key_F, "Search"},
            {Qt::Key_F3, "SearchAgain"},
            {Qt::CTRL | Qt::Key_H, "Replace"},
            {Qt::CTRL | Qt::Key_S, "Save"},
            {Qt::ALT | Qt::Key_Left, QString("NodeClick %1").arg(contact)},
            {Qt::ALT | Qt::Key_Right, QString("NodeClick %1").arg(contactFields)}};
        for (const auto& [keys, command] : cases) {
            ran.clear();
            QTest::keySequence(window.get(), keys);
            QTRY_COMPARE(ran, QStringList{command});
        }
        ran.clear();
        form->Toolbar.SetEnabled(false); // busy: refused like a click
        QTest::keySequence(window.get(), Qt::Key_F5);
        QCoreApplication::processEvents();
        QCOMPARE(ran, QStringList{});

        QStringList tips;
        for (QAction* action : window->Buttons().ButtonActions()) {
            tips << action->toolTip();
        }
        QCOMPARE(tips, (QStringList{"Survey Database (F5)", "Copy Table (Ctrl+Shift+C)",
                                    "Back (Alt+Left)", "Forward (Alt+Right)", "Search (Ctrl+F)",
                                    "Replace (Ctrl+H)", "Save (Ctrl+S)", "Info"}));
    }

    void copyKeysCopySelectedRowsOrTheNodeText() {
        auto& list = form->lvACT;
        list.ColumnHeadersAdd("", "Name");
        list.ColumnHeadersAdd("", "Length");
        for (const char* row : {"a", "b", "c"}) {
            list.SetSubItemText(list.ListItemsAdd("", row), 1, row[0] == 'b' ? "" : "   40");
        }
        auto& view = window->List();
        const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers,
                              view.visualRect(view.model()->index(row, 0)).center());
        };
        click(2, {});
        click(0, Qt::ControlModifier);
        QCOMPARE(list.SelectedItem(), 1); // the current row, as Search reads it
        QTest::keySequence(&view, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("a\t   40\t\r\nc\t   40\t\r\n"));

        BuildTree();
        form->tvACT.SetSelected(region);
        QTest::keySequence(&window->Tree(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Region filter"));
    }

    void findBoxWalksMatchesAndTurnsRedOnNone() {
        BuildTree();
        auto& find = window->Find();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keySequence(window.get(), Qt::CTRL | Qt::Key_L);
        QTRY_VERIFY(find.hasFocus());
        QTest::keyClicks(&find, "REGI");
        QTRY_COMPARE(clicked.back(), region); // "R" found Group on the way
        QVERIFY(window->Tree().isExpanded(window->Tree().Model().IndexOf(groupFields)));

        find.clear();
        struct Step {
            const char* typed; // or nullptr for the key
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            Index selected;
        };
        const Step steps[] = {{"fi", {}, {}, region}, // the node shown still matches
                              {nullptr, Qt::Key_Return, {}, contactFields}, // round to the first
                              {nullptr, Qt::Key_F3, {}, groupFields},
                              {nullptr, Qt::Key_Return, Qt::ShiftModifier, contactFields},
                              {"x", {}, {}, contactFields}}; // "fix": none, the node stays
        for (const Step& step : steps) {
            if (step.typed != nullptr) {
                QTest::keyClicks(&find, step.typed);
            } else {
                QTRY_VERIFY(find.hasFocus()); // back after the node click's busy switch
                QTest::keyClick(&find, step.key, step.modifiers);
            }
            QTRY_COMPARE(form->tvACT.SelectedItem(), step.selected);
        }
        QVERIFY(find.NoMatch() && find.styleSheet().contains("background"));
        QTest::keyClick(&find, Qt::Key_Backspace);
        QVERIFY(!find.NoMatch());
    }

    void dividerMovesTheListAndLayoutIsRemembered() {
        auto& tree = window->Tree();
        auto& list = window->List();
        const QRect listBefore = list.geometry();
        const int gap = listBefore.left() - tree.geometry().right() - 1;
        const int treeWidth = tree.width() + 120;
        QTest::mousePress(&window->TreeDivider(), Qt::LeftButton, {}, QPoint(1, 10));
        QTest::mouseMove(&window->TreeDivider(), QPoint(121, 10));
        QTest::mouseRelease(&window->TreeDivider(), Qt::LeftButton, {}, QPoint(121, 10));
        QVERIFY(qAbs(tree.width() - treeWidth) <= 1);
        QCOMPARE(list.geometry().left() - tree.geometry().right() - 1, gap);
        QCOMPARE(list.geometry().right(), listBefore.right()); // the other edges keep their rules
        QCOMPARE(list.geometry().bottom(), listBefore.bottom());

        // A column the user widened is remembered for its layout, with the divider.
        BuildTree();
        ClickNode(contactFields);
        QTRY_COMPARE(form->lvACT.ColumnCount(), 16);
        list.header()->resizeSection(6, 333);
        const int widened = tree.width();
        window->SaveLayout(); // the other columns stay fitted to their texts
        QCOMPARE(settings.Get("Veltrano", "window", "columns.Name16", ""),
                 std::string("-1,-1,-1,-1,-1,-1,333,-1,-1,-1,-1,-1,-1,-1,-1,-1"));
        Close();
        Open(settings);
        window->RestoreLayout();
        QCOMPARE(window->Tree().width(), widened);
        BuildTree();
        ClickNode(groupFields);
        QTRY_COMPARE(form->lvACT.ColumnCount(), 16);
        QCOMPARE(window->List().header()->sectionSize(6), 333);
    }

    void geometryRestoreSkipsDamagedValues() {
        const std::pair<const char*, QRect> cases[] = {
            {"30,40,640,480", QRect(30, 40, 640, 480)},
            {"9000,9000,610,470", QRect(-1, -1, 610, 470)}, // on no screen: the size alone
            {"30,40,x,480", {}}};
        for (const auto& [saved, expected] : cases) {
            Close();
            settings = forms::MemorySettingsStore{};
            settings.Save("Veltrano", "window", "geometry", saved);
            Open(settings);
            const QRect before = window->geometry();
            window->RestoreLayout();
            if (expected.isEmpty()) {
                QCOMPARE(window->geometry(), before);
            } else if (expected.x() < 0) {
                QTRY_COMPARE(window->geometry().size(), expected.size());
                QCOMPARE(window->geometry().topLeft(), before.topLeft());
            } else {
                QTRY_COMPARE(window->geometry(), expected);
            }
        }
    }

    void windowSectionLeavesTheLoginBytesAlone() {
        testsupport::TempFolder folder;
        const auto path = folder.Path() / "Veltrano.ini";
        const std::string login =
            "; login\n[options]\nusername=Chris Miller\nuserpassword=\" sales \"\n\n";
        std::ofstream(path, std::ios::binary) << login;
        forms::IniSettingsStore store(path);
        Close();
        Open(store);
        window->SaveLayout();
        window->SaveLayout(); // once more, over its own section
        Close();
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        QVERIFY(text.str().starts_with(login));
        QVERIFY(text.str().find("[window]\ngeometry=") != std::string::npos);
        QCOMPARE(store.Get("Veltrano", "options", "userpassword", ""), std::string(" sales "));
    }

private:
    void Open(forms::SettingsStore& store) {
        qtForms = std::make_unique<qt::QtForms>(store);
        form.reset(new app::frmHaupt(
            wiring::MainForm({*qtForms, null.objects, null.user32, null.comdlg32, null.shell32})));
        form->Handlers().NodeClick = [this](app::frmHaupt& f) {
            detail::OnNodeClick(f);
            clicked.push_back(f.tvACT.SelectedItem());
            ran << QString("NodeClick %1").arg(f.tvACT.SelectedItem());
        };
        window = std::make_unique<qt::MainWindow>(*form);
        qtForms->SetMainWindow(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void Close() {
        window.reset();
        form.reset();
        qtForms.reset();
        clicked.clear();
        ran.clear();
    }
    void ClickNode(Index node) {
        auto& tree = window->Tree();
        const QRect rect = tree.visualRect(tree.Model().IndexOf(node));
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
    }
    // x > Tables > Contact > Fields > Company | Group > Fields > Region filter.
    void BuildTree() {
        auto& t = form->tvACT;
        const auto add = [&](Index parent, const char* key, const char* text, const char* tag) {
            const auto node = t.Add(parent, TreeView::tvwChild, key, text, tag);
            t.SetTag(node, tag);
            return node;
        };
        const auto tables = add(add(0, "/data/x.dbf", "x", "Datenbank"), "", "Tables", "");
        contact = add(tables, "", "Contact", "Tabelle");
        contactFields = add(contact, "", "Fields", "Felder");
        add(contactFields, "Contact 10", "Company", "Feld");
        groupFields = add(add(tables, "", "Group", "Tabelle"), "", "Fields", "Felder");
        region = add(groupFields, "Group 10", "Region filter", "Feld");
        t.EnsureVisible(contactFields);
        t.EnsureVisible(groupFields);
    }

    forms::MemorySettingsStore settings;
    testsupport::NullPlatform null;
    std::unique_ptr<qt::QtForms> qtForms;
    std::unique_ptr<app::frmHaupt> form;
    std::unique_ptr<qt::MainWindow> window;
    std::vector<Index> clicked;
    QStringList ran;
    Index contact = 0, contactFields = 0, groupFields = 0, region = 0;
};

QTEST_MAIN(WindowAdditionsTest)
#include "WindowAdditionsTest.moc"
