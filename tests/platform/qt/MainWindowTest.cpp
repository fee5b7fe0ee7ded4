#include "platform/qt/MainWindow.h"
#include "ModalHelper.h"
#include "detail/DetailListe.h"
#include "platform/forms/MemorySettingsStore.h"
#include "platform/qt/ButtonBar.h"
#include "platform/qt/QtForms.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/StructureTree.h"
#include "platform/qt/Twips.h"
#include "support/NullPlatform.h"
#include "wiring/MainForm.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

using namespace veltrano;
using controls::ListView;
using controls::TreeView;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        forms = std::make_unique<qt::QtForms>(settings);
        form.reset(new app::frmHaupt(
            wiring::MainForm({*forms, null.objects, null.user32, null.comdlg32, null.shell32})));
        form->Handlers().ListDoubleClick = [this](app::frmHaupt&) { ++doubleClicks; };
        form->Handlers().NodeClick = [this](app::frmHaupt& f) {
            clickedNodes.push_back(f.tvACT.SelectedItem());
            detail::OnNodeClick(f);
        };
        window = std::make_unique<qt::MainWindow>(*form);
        forms->SetMainWindow(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        form.reset();
        forms.reset();
        clickedNodes.clear();
        doubleClicks = 0;
    }

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
        QCOMPARE(window->Buttons().toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

        form->StatusPanel->SetText("Reading field structures...");
        QCOMPARE(window->statusBar()->findChild<QLabel*>()->text(),
                 QStringLiteral("Reading field structures..."));
        const QWidgetList controls{&window->Tree(), &window->List(), &window->Buttons()};
        form->SetReady(false);
        for (QWidget* control : controls) {
            QVERIFY(!control->isEnabled());
        }
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        form->SetReady(true);
        for (QWidget* control : controls) {
            QVERIFY(control->isEnabled());
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        // The access key of "&Info" runs the Info command, which shows the about box.
        int abouts = 0;
        forms->ShowAbout = [&](QWidget*) { ++abouts; };
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(abouts, 1); // the button clicks itself a moment later
    }

    void headerClickMovesTheTriangle() {
        FillFieldsLikeList();
        auto& header = window->List().Header();
        const auto click = [&](int section) {
            const QPoint at(header.sectionViewportPosition(section) +
                                header.sectionSize(section) / 2,
                            header.height() / 2);
            QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
        };
        click(1); // "Length", right-aligned: the triangle left of the text at the right margin
        QCOMPARE(form->lvACT.SortKey(), 1);
        const QRect length = header.IndicatorRect(1);
        QVERIFY(!length.isEmpty());
        QVERIFY(length.right() < header.sectionViewportPosition(1) + header.sectionSize(1) -
                                     header.fontMetrics().horizontalAdvance("Length"));
        QVERIFY(Painted(header, length));
        QVERIFY(header.IndicatorRect(2).isEmpty());

        click(2); // "Type", left-aligned: right of the text
        QVERIFY(header.IndicatorRect(1).isEmpty());
        QVERIFY(header.IndicatorRect(2).left() >
                header.sectionViewportPosition(2) + header.fontMetrics().horizontalAdvance("Type"));
        QCOMPARE(form->lvACT.Item(1).text, std::string("b")); // sorted by Type: "Char" first
        click(2);
        QCOMPARE(form->lvACT.SortOrder(), int(ListView::lvwDescending));
        QCOMPARE(form->lvACT.ColumnHeader(3).headerImage, 1);
        QVERIFY(Painted(header, header.IndicatorRect(2)));
    }

    void fittedColumnsAndDoubleClick() {
        FillFieldsLikeList();
        auto& list = window->List();
        const QString longText = QStringLiteral("A rather long type name for fitting");
        form->lvACT.SetSubItemText(1, 2, longText.toStdString());
        form->lvACT.SetColumnWidth(3, ListView::kAutoSizeUseHeader);
        const int width = list.header()->sectionSize(2);
        QVERIFY(width > list.fontMetrics().horizontalAdvance(longText));
        QVERIFY(width < 2 * list.fontMetrics().horizontalAdvance(longText));
        QCOMPARE(form->lvACT.ColumnHeader(3).width, width); // kept in pixels from now on
        form->lvACT.SetColumnWidth(1, 77);
        QCOMPARE(list.header()->sectionSize(0), 77);

        const QRect row = list.visualRect(list.model()->index(2, 1));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(form->lvACT.SelectedItem(), 3);
        QCOMPARE(doubleClicks, 1);
    }

    void treeClickSelectsThenRunsNodeClick() {
        const auto root = form->tvACT.Add(0, TreeView::tvwChild, "db", "Sample", "Datenbank");
        const auto tables = form->tvACT.Add(root, TreeView::tvwChild, "", "Tables", "Tabellen");
        const auto contact = form->tvACT.Add(tables, TreeView::tvwChild, "", "Contact", "Tabelle");
        form->tvACT.EnsureVisible(contact); // the control expands, the view follows
        auto& tree = window->Tree();
        QVERIFY(tree.isExpanded(tree.Model().IndexOf(tables)));
        const QRect rect = tree.visualRect(tree.Model().IndexOf(contact));
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
        QTRY_COMPARE(clickedNodes, (std::vector<TreeView::Index>{contact}));
        QCOMPARE(form->tvACT.SelectedItem(), contact);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center()); // again: runs again
        QTRY_COMPARE(clickedNodes, (std::vector<TreeView::Index>{contact, contact}));
        form->tvACT.SetSelected(root); // the control's selection shows in the view
        QCOMPARE(qt::TreeModel::NodeOf(tree.currentIndex()), root);
        QCoreApplication::processEvents();
        QCOMPARE(clickedNodes.size(), 2u); // and is no click of the user's
    }

    void arrowKeysMoveTheListAndUnsavedMarksAskFirst() {
        // x > Tables > Contact > Fields > Company, Group > Fields > Region
        auto& t = form->tvACT;
        const auto add = [&](TreeView::Index parent, const char* key, const char* text,
                             const char* tag) {
            const auto node = t.Add(parent, TreeView::tvwChild, key, text, tag);
            t.SetTag(node, tag);
            return node;
        };
        const auto root = add(0, "x.dbf", "x", "Datenbank");
        const auto tables = add(root, "", "Tables", "");
        const auto contact = add(tables, "", "Contact", "Tabelle");
        const auto contactFields = add(contact, "", "Fields", "Felder");
        add(add(contactFields, "Contact 10", "Company", "Feld"), "", "EntryTrigger = c:\\a.exe",
            "Eigenschaft");
        const auto group = add(tables, "", "Group", "Tabelle");
        const auto groupFields = add(group, "", "Fields", "Felder");
        add(add(groupFields, "Group 10", "Region", "Feld"), "", "EntryTrigger = c:\\r.exe",
            "Eigenschaft");
        t.EnsureVisible(contactFields);
        t.EnsureVisible(groupFields);

        auto& tree = window->Tree();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        tree.setFocus();
        const QRect rect = tree.visualRect(tree.Model().IndexOf(contactFields));
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
        QTRY_COMPARE(form->lvACT.RowCount(), 1);
        QCOMPARE(form->lvACT.Text(1), std::string("Company"));

        QTest::keyClick(&tree, Qt::Key_Down); // Group: its properties
        QTRY_COMPARE(form->lvACT.ColumnHeader(1).text, std::string("Property"));
        QTest::keyClick(&tree, Qt::Key_Down); // Group's Fields
        QTRY_COMPARE(form->lvACT.ColumnCount(), 16);
        QCOMPARE(form->lvACT.Text(1), std::string("Region"));
        QCOMPARE(clickedNodes, (std::vector<TreeView::Index>{contactFields, group, groupFields}));
        QTRY_VERIFY(tree.hasFocus()); // the busy switch gave it back

        form->lvACT.SetSubItemBold(1, 6, true); // as Replace leaves it
        QString asked;
        const auto answer = [&](QMessageBox::StandardButton button) {
            WhenModal([&asked, button](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                asked = box->text();
                box->button(button)->click();
            });
        };
        answer(QMessageBox::No);
        QTest::keyClick(&tree, Qt::Key_Up);
        QTRY_COMPARE(asked, QStringLiteral("1 changes have not been saved. Discard them?"));
        QTRY_COMPARE(qt::TreeModel::NodeOf(tree.currentIndex()), groupFields);
        QCOMPARE(form->tvACT.SelectedItem(), groupFields);
        QCOMPARE(form->lvACT.Text(1), std::string("Region"));
        QVERIFY(form->lvACT.GetSubItem(1, 6).bold);

        asked.clear();
        answer(QMessageBox::Yes);
        QTest::keyClick(&tree, Qt::Key_Up);
        QTRY_COMPARE(form->lvACT.ColumnHeader(1).text, std::string("Property"));
        QCOMPARE(asked, QStringLiteral("1 changes have not been saved. Discard them?"));
        QCOMPARE(form->tvACT.SelectedItem(), group);
        QCOMPARE(clickedNodes.back(), group);
    }

    void layoutKeepsTheMarginsAndTheMinimumSize() {
        window->resize(900, 600);
        const int margin = qt::Twips(*window).ToPixelsX(120);
        QTRY_COMPARE(window->width(), 900);
        auto& list = window->List();
        auto* client = window->centralWidget();
        QTRY_COMPARE(list.geometry().right() + 1, client->width() - margin);
        QCOMPARE(list.geometry().bottom() + 1, client->height() - margin);
        QCOMPARE(window->Tree().geometry().bottom(), list.geometry().bottom());
        QCOMPARE(window->Tree().geometry().top(), qt::Twips(*window).ToPixelsY(90));

        window->resize(50, 50); // below 3800 twips both ways: back to 3800 each, laid out
        const int minimumX = qt::Twips(*window).AtLeastPixelsX(app::frmHaupt::kMinimumOuterSize);
        const int minimumY = qt::Twips(*window).AtLeastPixelsY(app::frmHaupt::kMinimumOuterSize);
        QTRY_COMPARE(window->frameGeometry().size(), QSize(minimumX, minimumY));
        QVERIFY(form->Width >= app::frmHaupt::kMinimumOuterSize);
        QVERIFY(form->Height >= app::frmHaupt::kMinimumOuterSize);
        QTRY_COMPARE(list.geometry().right() + 1, client->width() - margin);
        QCOMPARE(list.geometry().bottom() + 1, client->height() - margin);
        QCOMPARE(window->Tree().geometry().bottom(), list.geometry().bottom());
    }

private:
    // Name / Length (right-aligned) / Type, filled like the Fields list.
    void FillFieldsLikeList() {
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
    std::vector<TreeView::Index> clickedNodes;
    int doubleClicks = 0;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
