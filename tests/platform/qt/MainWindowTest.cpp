// The main window on real widgets: buttons, header triangles, tree and list clicks, the discard
// question, layout, keyboard shortcuts, the find box, the divider and the remembered layout.

#include "platform/qt/MainWindow.h"
#include "ModalHelper.h"
#include "detail/DetailListe.h"
#include "platform/qt/ButtonBar.h"
#include "platform/qt/Divider.h"
#include "platform/qt/FindBox.h"
#include "platform/qt/QtForms.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/StructureTree.h"
#include "platform/qt/Twips.h"
#include "support/NullPlatform.h"
#include "wiring/MainForm.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

using namespace veltrano;
using controls::ListView;
using controls::TreeView;
using Index = TreeView::Index;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Open(settings); }
    void cleanup() { Close(); }

    void buttonsStatusAndReadyState() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Veltrano"));
        QStringList captions;
        QList<bool> enabled;
        for (QAction* action : window->Buttons().ButtonActions()) {
            auto* button = qobject_cast<QToolButton*>(window->Buttons().widgetForAction(action));
            QVERIFY(button != nullptr);
            captions << button->text();
            enabled << action->isEnabled();
            QVERIFY(!action->icon().pixmap(16, 16).toImage().allGray()); // a coloured picture
        }
        QCOMPARE(captions, (QStringList{"&Survey Database", "&Copy Table", "&Back", "&Forward",
                                        "S&earch", "&Replace", "S&ave", "&Info"}));
        QCOMPARE(enabled, (QList<bool>{true, true, false, false, true, true, true, true}));

        form->StatusPanel->SetText("Reading field structures...");
        QCOMPARE(window->statusBar()->findChild<QLabel*>()->text(),
                 QStringLiteral("Reading field structures..."));
        const QWidgetList controls{&window->Tree(), &window->List(), &window->Buttons()};
        form->SetReady(false); // one flag both ways: the clicks case sees the tree back
        for (QWidget* control : controls) {
            QVERIFY(!control->isEnabled());
        }
        form->SetReady(true);

        // The access key of "&Info" runs the Info command, which shows the about box.
        int abouts = 0;
        forms->ShowAbout = [&](QWidget*) { ++abouts; };
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(abouts, 1); // the button clicks itself a moment later
    }

    // Name / Length (right-aligned) / Type, filled like the Fields list: fitted columns, clicks,
    // the copy keys of the list and the tree, and header clicks that move the triangle.
    void listColumnsClicksCopyKeysAndHeader() {
        auto& list = form->lvACT;
        for (const char* name : {"Name", "Length", "Type"}) {
            list.ColumnHeadersAdd(name, name);
        }
        list.SetColumnAlignment(2, ListView::lvwColumnRight);
        for (const auto& row : {std::array{"a", "   40", "Text"}, std::array{"b", "    8", "Char"},
                                std::array{"c", "  100", "Text"}}) {
            const auto number = list.ListItemsAdd("", row[0]);
            list.SetSubItemText(number, 1, row[1]);
            list.SetSubItemText(number, 2, row[2]);
        }
        auto& view = window->List();
        const QString longText = QStringLiteral("A rather long type name for fitting");
        list.SetSubItemText(1, 2, longText.toStdString());
        list.SetColumnWidth(3, ListView::kAutoSizeUseHeader);
        const int width = view.header()->sectionSize(2);
        QVERIFY(width > view.fontMetrics().horizontalAdvance(longText));
        QVERIFY(width < 2 * view.fontMetrics().horizontalAdvance(longText));
        QCOMPARE(list.ColumnHeader(3).width, width); // kept in pixels from now on
        list.SetColumnWidth(1, 77);
        QCOMPARE(view.header()->sectionSize(0), 77);

        const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers,
                              view.visualRect(view.model()->index(row, 1)).center());
        };
        click(2, {});
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {},
                           view.visualRect(view.model()->index(2, 1)).center());
        QCOMPARE(list.SelectedItem(), 3);
        QCOMPARE(doubleClicks, 1);
        click(0, Qt::ControlModifier);
        QCOMPARE(list.SelectedItem(), 1); // the current row, as Search reads it
        QTest::keySequence(&view, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "a\t   40\t" + longText + "\t\r\nc\t  100\tText\t\r\n");
        BuildTree();
        form->tvACT.SetSelected(region);
        QTest::keySequence(&window->Tree(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Region filter"));

        auto& header = view.Header();
        const auto clickHeader = [&](int section) {
            const QPoint at(header.sectionViewportPosition(section) +
                                header.sectionSize(section) / 2,
                            header.height() / 2);
            QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
        };
        clickHeader(
            1); // "Length", right-aligned: the triangle left of the text at the right margin
        const QRect length = header.IndicatorRect(1);
        QVERIFY(!length.isEmpty());
        QVERIFY(length.right() < header.sectionViewportPosition(1) + header.sectionSize(1) -
                                     header.fontMetrics().horizontalAdvance("Length"));
        QVERIFY(Painted(header, length));
        QVERIFY(header.IndicatorRect(2).isEmpty());
        clickHeader(2); // "Type", left-aligned: right of the text
        QVERIFY(header.IndicatorRect(1).isEmpty());
        QVERIFY(header.IndicatorRect(2).left() >
                header.sectionViewportPosition(2) + header.fontMetrics().horizontalAdvance("Type"));
        clickHeader(2); // descending: the order and the picture are the list's (ListviewSortTest)
        QVERIFY(Painted(header, header.IndicatorRect(2)));
    }

    // The discard question and what each answer does are frmHaupt's (frmHauptTest); here the
    // view has to follow the control back when the user keeps the marks.
    void clicksAndArrowKeysRunNodeClickAndTheViewFollowsTheControl() {
        BuildTree(); // the control expands the ancestors, the view follows
        auto& tree = window->Tree();
        QVERIFY(tree.isExpanded(tree.Model().IndexOf(contact)));
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        tree.setFocus();
        ClickNode(contactFields);
        QTRY_COMPARE(clicked.size(), 1u);
        ClickNode(contactFields); // again: runs again
        QTRY_COMPARE(clicked.size(), 2u);
        QTest::keyClick(&tree, Qt::Key_Down); // Group
        QTRY_COMPARE(clicked.size(), 3u);
        QTest::keyClick(&tree, Qt::Key_Down); // Group's Fields
        QTRY_COMPARE(clicked,
                     (std::vector<Index>{contactFields, contactFields, group, groupFields}));
        QTRY_VERIFY(tree.hasFocus());     // the busy switch gave it back
        form->tvACT.SetSelected(contact); // the control's selection shows in the view
        QCOMPARE(qt::TreeModel::NodeOf(tree.currentIndex()), contact);
        QCoreApplication::processEvents();
        QCOMPARE(clicked.size(), 4u); // and is no click of the user's

        form->lvACT.SetSubItemBold(1, 6, true); // as Replace leaves it
        QString asked;
        WhenModal([&asked](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            asked = box->text();
            box->button(QMessageBox::No)->click();
        });
        QTest::keyClick(&tree, Qt::Key_Up);
        QTRY_COMPARE(asked, QStringLiteral("1 changes have not been saved. Discard them?"));
        QTRY_COMPARE(qt::TreeModel::NodeOf(tree.currentIndex()), groupFields);
        QCOMPARE(clicked.size(), 4u);
    }

    void layoutKeepsTheMarginsAndTheMinimumSize() {
        const int margin = qt::Twips(*window).ToPixelsX(120);
        auto& list = window->List();
        auto* client = window->centralWidget();
        const auto expectMargins = [&] {
            QTRY_COMPARE(list.geometry().right() + 1, client->width() - margin);
            QCOMPARE(list.geometry().bottom() + 1, client->height() - margin);
            QCOMPARE(window->Tree().geometry().bottom(), list.geometry().bottom());
        };
        window->resize(900, 600);
        QTRY_COMPARE(window->width(), 900);
        expectMargins();
        QCOMPARE(window->Tree().geometry().top(), qt::Twips(*window).ToPixelsY(90));

        window->resize(50, 50); // below 3800 twips both ways: back to 3800 each, laid out
        const int minimumX = qt::Twips(*window).AtLeastPixelsX(app::frmHaupt::kMinimumOuterSize);
        const int minimumY = qt::Twips(*window).AtLeastPixelsY(app::frmHaupt::kMinimumOuterSize);
        QTRY_COMPARE(window->frameGeometry().size(), QSize(minimumX, minimumY));
        expectMargins();
    }

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
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->List().setFocus();
        const std::pair<QKeySequence, QString> cases[] = {
            {Qt::Key_F5, "SurveyDatabase"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_C, "CopyTable"},
            {Qt::CTRL | Qt::Key_F, "Search"},
            {Qt::Key_F3, "SearchAgain"},
            {Qt::CTRL | Qt::Key_H, "Replace"},
            {Qt::CTRL | Qt::Key_S, "Save"}}; // Back and Forward: the same loop, their tips
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

    void findBoxWalksMatchesAndTurnsRedOnNone() {
        BuildTree();
        auto& find = window->Find();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keySequence(window.get(), Qt::CTRL | Qt::Key_L);
        QTRY_VERIFY(find.hasFocus());
        struct Step {
            const char* typed; // or nullptr for the key
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            Index selected;
        };
        const Step steps[] = {{"f", {}, {}, contactFields},
                              {"i", {}, {}, contactFields}, // the node shown still matches
                              {nullptr, Qt::Key_Return, {}, groupFields},
                              {nullptr, Qt::Key_F3, {}, region},
                              {nullptr, Qt::Key_F3, {}, contactFields}, // round to the first
                              {nullptr, Qt::Key_Return, Qt::ShiftModifier, region},
                              {"x", {}, {}, region}}; // "fix": none, the node stays
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

    void dividerMovesTheListAndLayoutAndGeometryAreRemembered() {
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

        // A geometry off every screen restores the size alone. Damaged values are read as never
        // saved (WindowSettingsTest).
        settings.Save("Veltrano", "window", "geometry", "30,40,640,480");
        window->RestoreLayout();
        QTRY_COMPARE(window->geometry(), QRect(30, 40, 640, 480));
        settings.Save("Veltrano", "window", "geometry", "9000,9000,610,470");
        window->RestoreLayout();
        QTRY_COMPARE(window->geometry().size(), QSize(610, 470));
        QCOMPARE(window->geometry().topLeft(), QPoint(30, 40));
    }

private:
    void Open(forms::SettingsStore& store) {
        forms = std::make_unique<qt::QtForms>(store);
        form.reset(new app::frmHaupt(
            wiring::MainForm({*forms, null.objects, null.user32, null.comdlg32, null.shell32})));
        form->Handlers().NodeClick = [this](app::frmHaupt& f) {
            detail::OnNodeClick(f);
            clicked.push_back(f.tvACT.SelectedItem());
        };
        form->Handlers().ListDoubleClick = [this](app::frmHaupt&) { ++doubleClicks; };
        window = std::make_unique<qt::MainWindow>(*form);
        forms->SetMainWindow(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void Close() {
        window.reset();
        form.reset();
        forms.reset();
        clicked.clear();
        ran.clear();
        doubleClicks = 0;
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
        group = add(tables, "", "Group", "Tabelle");
        groupFields = add(group, "", "Fields", "Felder");
        region = add(groupFields, "Group 10", "Region filter", "Feld");
        t.EnsureVisible(contactFields);
        t.EnsureVisible(groupFields);
    }

    // Whether the header shows its text colour in at least 15 pixels of rect (a 9 x 5 triangle
    // fills about 25).
    static bool Painted(QHeaderView& header, const QRect& rect) {
        const QImage image = header.viewport()->grab().toImage();
        const QColor ink = header.palette().color(QPalette::ButtonText);
        int inked = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                inked += image.pixelColor(x, y) == ink ? 1 : 0;
            }
        }
        return inked >= 15;
    }

    forms::MemorySettingsStore settings;
    testsupport::NullPlatform null;
    std::unique_ptr<qt::QtForms> forms;
    std::unique_ptr<app::frmHaupt> form;
    std::unique_ptr<qt::MainWindow> window;
    std::vector<Index> clicked;
    QStringList ran;
    int doubleClicks = 0;
    Index contact = 0, contactFields = 0, group = 0, groupFields = 0, region = 0;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
