// The window's keyboard, find, divider and remembered-layout additions, driven on real widgets.

#include "app/WindowSettings.h"
#include "detail/DetailListe.h"
#include "platform/forms/IniSettingsStore.h"
#include "platform/qt/ButtonBar.h"
#include "platform/qt/Divider.h"
#include "platform/qt/FindBox.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtForms.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/StructureTree.h"
#include "platform/qt/Twips.h"
#include "support/NullPlatform.h"
#include "support/TempFolder.h"
#include "wiring/MainForm.h"

#include <QClipboard>
#include <QHeaderView>
#include <QTest>

#include <array>
#include <fstream>
#include <sstream>

using namespace veltrano;
using controls::TreeView;

class WindowAdditionsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Open(); }
    void cleanup() { Close(); }

    void shortcutsReachTheirCommandsAndShowInTooltips() {
        const QString commands[] = {"SurveyDatabase", "CopyTable", "Search",
                                    "Replace",        "Save",      "SearchAgain"};
        for (const QString& name : commands) {
            std::function<void(app::frmHaupt&)> record = [this, name](app::frmHaupt&) {
                ran << name;
            };
            auto& h = form->Handlers();
            (name == "SurveyDatabase" ? h.SurveyDatabase
             : name == "CopyTable"    ? h.CopyTable
             : name == "Search"       ? h.Search
             : name == "Replace"      ? h.Replace
             : name == "Save"         ? h.Save
                                      : h.SearchAgain) = record;
        }
        BuildTree();
        form->tvACT.SetSelected(contactFields);
        form->SetListSource(contactFields);
        form->History.Add(contact);
        form->History.Add(contactFields);
        form->UpdateHistoryButtons();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->List().setFocus();

        struct Case {
            QKeySequence keys;
            QString ran;
        };
        const Case cases[] = {
            {QKeySequence(Qt::Key_F5), "SurveyDatabase"},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), "CopyTable"},
            {QKeySequence(Qt::CTRL | Qt::Key_F), "Search"},
            {QKeySequence(Qt::Key_F3), "SearchAgain"},
            {QKeySequence(Qt::CTRL | Qt::Key_H), "Replace"},
            {QKeySequence(Qt::CTRL | Qt::Key_S), "Save"},
            {QKeySequence(Qt::ALT | Qt::Key_Left), QString("NodeClick %1").arg(contact)},
            {QKeySequence(Qt::ALT | Qt::Key_Right), QString("NodeClick %1").arg(contactFields)},
        };
        for (const Case& c : cases) {
            ran.clear();
            QTest::keySequence(window.get(), c.keys);
            QTRY_COMPARE(ran, QStringList{c.ran});
        }
        // A busy toolbar refuses them, as it refuses clicks.
        ran.clear();
        form->Toolbar.SetEnabled(false);
        QTest::keySequence(window.get(), QKeySequence(Qt::Key_F5));
        QCoreApplication::processEvents();
        QCOMPARE(ran, QStringList{});
        form->Toolbar.SetEnabled(true);

        const QStringList expected{"Survey Database (F5)", "Copy Table (Ctrl+Shift+C)",
                                   "Back (Alt+Left)",      "Forward (Alt+Right)",
                                   "Search (Ctrl+F)",      "Replace (Ctrl+H)",
                                   "Save (Ctrl+S)",        "Info"};
        QStringList tips;
        for (int index = 1; index <= 8; ++index) {
            tips << window->Buttons().ActionAt(index)->toolTip();
        }
        QCOMPARE(tips, expected);
    }

    void copyKeysCopySelectedRowsOrTheNodeText() {
        auto& list = form->lvACT;
        for (const char* name : {"Name", "Length", "Type"}) {
            list.ColumnHeadersAdd(name, name);
        }
        for (const auto& row : {std::array{"a", "   40", "Text"}, std::array{"b", "    8", ""},
                                std::array{"c", "  100", "Text"}}) {
            const auto number = list.ListItemsAdd("", row[0]);
            list.SetSubItemText(number, 1, row[1]);
            list.SetSubItemText(number, 2, row[2]);
        }
        auto& view = window->List();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto rowCenter = [&](int row) {
            return view.visualRect(view.model()->index(row, 0)).center();
        };
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, rowCenter(2));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, rowCenter(0));
        QCOMPARE(list.SelectedItem(), 1); // the current row, as Search reads it
        QTest::keySequence(&view, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("a\t   40\tText\t\r\nc\t  100\tText\t\r\n"));

        BuildTree();
        form->tvACT.SetSelected(region);
        window->Tree().setFocus();
        QTest::keySequence(&window->Tree(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Region"));
    }

    void findBoxWalksMatchesAndTurnsRedOnNone() {
        BuildTree();
        auto& find = window->Find();
        auto& tree = window->Tree();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_L));
        QTRY_VERIFY(find.hasFocus());

        QTest::keyClicks(&find, "REGI");
        QTRY_COMPARE(clicked.back(), region);                        // "R" found Group on the way
        QVERIFY(tree.isExpanded(tree.Model().IndexOf(groupFields))); // its ancestors opened
        QVERIFY(!find.NoMatch());

        find.clear();
        struct Step {
            const char* typed; // typed into the box, or nullptr for the key
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            TreeView::Index selected;
        };
        const Step steps[] = {
            {"fi", Qt::Key_unknown, {}, contactFields}, // from Region round to the first
            {nullptr, Qt::Key_Return, {}, groupFields},
            {nullptr, Qt::Key_F3, {}, contactFields},                  // round again
            {nullptr, Qt::Key_Return, Qt::ShiftModifier, groupFields}, // back round the start
            {"x", Qt::Key_unknown, {}, groupFields}, // "fix": none, the node stays
        };
        for (const Step& step : steps) {
            if (step.typed != nullptr) {
                QTest::keyClicks(&find, step.typed);
            } else {
                QTRY_VERIFY(find.hasFocus()); // back from the busy switch of the node click
                QTest::keyClick(&find, step.key, step.modifiers);
            }
            QTRY_COMPARE(form->tvACT.SelectedItem(), step.selected);
        }
        QVERIFY(find.NoMatch());
        QVERIFY(find.styleSheet().contains("background"));
        QTest::keyClick(&find, Qt::Key_Backspace); // "fi" again: the node shown, no longer red
        QVERIFY(!find.NoMatch());
        QCOMPARE(clicked.back(), groupFields);
    }

    void dividerMovesTheListAndLayoutIsRemembered() {
        form->Handlers().NodeClick = [this](app::frmHaupt& f) {
            detail::OnNodeClick(f);
            clicked.push_back(f.tvACT.SelectedItem());
        };
        auto& tree = window->Tree();
        auto& list = window->List();
        auto& divider = window->TreeDivider();
        const int listRight = list.geometry().right();
        const int gap = list.geometry().left() - tree.geometry().right() - 1;
        QVERIFY(gap > 0);
        QCOMPARE(divider.geometry().width(), gap);
        QTest::mousePress(&divider, Qt::LeftButton, {}, QPoint(1, 10));
        QTest::mouseMove(&divider, QPoint(121, 10));
        QTest::mouseRelease(&divider, Qt::LeftButton, {}, QPoint(121, 10));
        const int treeWidth = tree.width();
        QVERIFY(qAbs(treeWidth - (treeWidthBefore() + 120)) <= 1);
        QCOMPARE(list.geometry().left() - tree.geometry().right() - 1, gap);
        QCOMPARE(list.geometry().right(), listRight); // the other edges keep their rules
        QCOMPARE(divider.geometry().left(), tree.geometry().right() + 1);

        // A column the user widened is remembered for its layout, with the divider.
        BuildTree();
        ClickNode(contactFields);
        QTRY_COMPARE(form->lvACT.ColumnCount(), 16);
        list.header()->resizeSection(6, 333);
        window->SaveLayout();
        Close();
        Open();
        window->RestoreLayout();
        QCOMPARE(window->Tree().width(), treeWidth);
        BuildTree();
        ClickNode(groupFields);
        QTRY_COMPARE(form->lvACT.ColumnCount(), 16);
        QCOMPARE(window->List().header()->sectionSize(6), 333);
        QCOMPARE(form->lvACT.ColumnHeader(7).width, 333);
    }

    void geometryRestoreSkipsDamagedValues() {
        struct Case {
            const char* saved;
            QRect expected; // empty: the window keeps its place and size
        };
        const Case cases[] = {
            {"30,40,640,480", QRect(30, 40, 640, 480)},
            {"30,40,x,480", {}},
            {"30,40,640", {}},
            {"9000,9000,610,470", QRect(QPoint(), QSize(610, 470))}, // on no screen: size only
        };
        for (const Case& c : cases) {
            Close();
            settings = veltrano::forms::MemorySettingsStore{};
            settings.Save("Veltrano", "window", "geometry", c.saved);
            Open();
            const QRect before = window->geometry();
            window->RestoreLayout();
            if (c.expected.isEmpty()) {
                QCOMPARE(window->geometry(), before);
            } else if (c.expected.topLeft().isNull()) {
                QTRY_COMPARE(window->geometry().size(), c.expected.size());
                QVERIFY(window->geometry().topLeft() != QPoint(9000, 9000));
            } else {
                QTRY_COMPARE(window->geometry(), c.expected);
            }
        }
    }

    void windowSectionLeavesTheLoginBytesAlone() {
        Close();
        testsupport::TempFolder folder;
        const auto path = folder.Path() / "Veltrano.ini";
        const std::string login = "; remembered login\n[options]\nusername=Chris Miller\n"
                                  "userpassword=\" sales \"\n\n";
        std::ofstream(path, std::ios::binary) << login;
        forms::IniSettingsStore store(path);
        qtForms = std::make_unique<qt::QtForms>(store);
        form.reset(new app::frmHaupt(
            wiring::MainForm({*qtForms, null.objects, null.user32, null.comdlg32, null.shell32})));
        window = std::make_unique<qt::MainWindow>(*form);
        window->SaveLayout();
        window->SaveLayout(); // once more over its own section
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        QVERIFY(text.str().starts_with(login));
        QVERIFY(text.str().find("[window]") != std::string::npos);
        QCOMPARE(store.Get("Veltrano", "options", "userpassword", ""), std::string(" sales "));
        Close();
    }

private:
    void Open() {
        qtForms = std::make_unique<qt::QtForms>(settings);
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
    int treeWidthBefore() const {
        return qt::Twips(*window).ToPixelsX(120 + 3375) - qt::Twips(*window).ToPixelsX(120);
    }
    void ClickNode(TreeView::Index node) {
        auto& tree = window->Tree();
        const QRect rect = tree.visualRect(tree.Model().IndexOf(node));
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
    }

    // x > Tables > Contact > Fields > Company | Group > Fields > Region, all collapsed.
    void BuildTree() {
        auto& t = form->tvACT;
        const auto add = [&](TreeView::Index parent, const char* key, const char* text,
                             const char* tag) {
            const auto node = t.Add(parent, TreeView::tvwChild, key, text, tag);
            t.SetTag(node, tag);
            return node;
        };
        t.Clear();
        const auto root = add(0, "/data/x.dbf", "x", "Datenbank");
        const auto tables = add(root, "", "Tables", "");
        contact = add(tables, "", "Contact", "Tabelle");
        contactFields = add(contact, "", "Fields", "Felder");
        add(contactFields, "Contact 10", "Company", "Feld");
        const auto group = add(tables, "", "Group", "Tabelle");
        groupFields = add(group, "", "Fields", "Felder");
        region = add(groupFields, "Group 10", "Region", "Feld");
        t.EnsureVisible(contactFields);
        t.EnsureVisible(groupFields);
        t.SetExpanded(groupFields, false);
    }

    forms::MemorySettingsStore settings;
    testsupport::NullPlatform null;
    std::unique_ptr<qt::QtForms> qtForms;
    std::unique_ptr<app::frmHaupt> form;
    std::unique_ptr<qt::MainWindow> window;
    std::vector<TreeView::Index> clicked;
    QStringList ran;
    TreeView::Index contact = 0;
    TreeView::Index contactFields = 0;
    TreeView::Index groupFields = 0;
    TreeView::Index region = 0;
};

QTEST_MAIN(WindowAdditionsTest)
#include "WindowAdditionsTest.moc"
