// The item models over the tree and list controls: what they show and every change they announce.

#include "platform/controls/ListView.h"
#include "platform/controls/TreeView.h"
#include "platform/qt/ListModel.h"
#include "platform/qt/TreeModel.h"

#include <QAbstractItemModelTester>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

using veltrano::controls::ListView;
using veltrano::controls::TreeView;
using veltrano::qt::ListModel;
using veltrano::qt::TreeModel;

namespace {

QHash<QString, QIcon> TwoIcons() {
    QPixmap red(16, 16);
    red.fill(Qt::red);
    QPixmap blue(16, 16);
    blue.fill(Qt::blue);
    return {{QStringLiteral("Datenbank"), QIcon(red)}, {QStringLiteral("Feld"), QIcon(blue)}};
}

} // namespace

class ModelsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        using Mode = QAbstractItemModelTester::FailureReportingMode;
        tree = std::make_unique<TreeView>(); // fresh controls: the sort state stays with one
        list = std::make_unique<ListView>();
        treeModel = std::make_unique<TreeModel>(*tree, TwoIcons());
        listModel = std::make_unique<ListModel>(*list);
        treeTester = std::make_unique<QAbstractItemModelTester>(treeModel.get(), Mode::QtTest);
        listTester = std::make_unique<QAbstractItemModelTester>(listModel.get(), Mode::QtTest);
    }
    void cleanup() {
        treeTester.reset();
        listTester.reset();
        treeModel.reset();
        listModel.reset();
        tree.reset();
        list.reset();
    }

    // The order of placed siblings is the control's (TreeViewTest); the tester checks that the
    // model announces each one where the control puts it.
    void followsAddsTextsIconsAndClear() {
        const auto root = tree->Add(0, TreeView::tvwChild, "db", "Sample", "Datenbank");
        const auto b = tree->Add(root, TreeView::tvwChild, "", "B", "Feld");
        tree->Add(b, TreeView::tvwPrevious, "", "A", "none"); // no such picture
        tree->Add(b, TreeView::tvwNext, "", "C");
        tree->Add(b, TreeView::tvwFirst, "", "First");
        tree->Add(b, TreeView::tvwChild, "", "Leaf");
        const QModelIndex rootIndex = treeModel->index(0, 0);
        QCOMPARE(treeModel->index(1, 0, rootIndex).data().toString(), QStringLiteral("A"));

        const auto colourOf = [&](const QModelIndex& index) {
            const auto icon = index.data(Qt::DecorationRole).value<QIcon>();
            return icon.pixmap(16, 16).toImage().pixelColor(8, 8);
        };
        QCOMPARE(colourOf(rootIndex), QColor(Qt::red));
        QCOMPARE(colourOf(treeModel->IndexOf(b)), QColor(Qt::blue));
        QVERIFY(!treeModel->index(1, 0, rootIndex).data(Qt::DecorationRole).isValid());

        QSignalSpy changed(treeModel.get(), &QAbstractItemModel::dataChanged);
        tree->SetText(b, "Bee"); // signals that node only
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>(), treeModel->IndexOf(b));
        QCOMPARE(changed[0][1].value<QModelIndex>(), treeModel->IndexOf(b));

        QSignalSpy reset(treeModel.get(), &QAbstractItemModel::modelReset);
        tree->Clear();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(treeModel->rowCount(), 0);
        tree->Add(0, TreeView::tvwChild, "db", "Again");
        QCOMPARE(treeModel->index(0, 0).data().toString(), QStringLiteral("Again"));
    }

    // The header's alignment, formats and triangles: see MainWindowTest.
    void followsColumnsRowsCellsSortsAndClears() {
        list->ColumnHeadersAdd("Name", "Name");
        list->ColumnHeadersAdd("ID", "ID");
        list->ColumnHeadersAdd("", "Remark");
        for (const char* name : {"gamma", "alpha", "beta"}) {
            list->SetSubItemText(list->ListItemsAdd("", name), 1, name);
        }
        QCOMPARE(listModel->columnCount(), 3);
        QCOMPARE(listModel->rowCount(), 3);
        QCOMPARE(listModel->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ID"));
        list->SetColumnAlignment(2, ListView::lvwColumnRight);
        const auto alignment = [&](int column) {
            return listModel->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        };
        QVERIFY(alignment(1) & Qt::AlignRight);
        QVERIFY(alignment(0) & Qt::AlignLeft);

        QSignalSpy changed(listModel.get(), &QAbstractItemModel::dataChanged);
        list->SetSubItemBold(2, 2, true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>(), listModel->index(1, 2));
        QCOMPARE(changed[0][1].value<QModelIndex>(), listModel->index(1, 2));
        QVERIFY(listModel->index(1, 2).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!listModel->index(1, 1).data(Qt::FontRole).isValid());
        QVERIFY(!listModel->index(0, 2).data(Qt::FontRole).isValid());

        QSignalSpy select(listModel.get(), &ListModel::selectionRequested);
        QSignalSpy scroll(listModel.get(), &ListModel::scrollRequested);
        list->SetSelectedItem(3); // the control counts from 1, the model from 0
        QCOMPARE(select.count(), 1);
        QCOMPARE(select[0][0].value<QModelIndex>().row(), 2);
        list->EnsureVisible(2);
        QCOMPARE(scroll[0][0].value<QModelIndex>().row(), 1);

        // The order is the control's (its own tests); the model has to announce each change.
        QSignalSpy reset(listModel.get(), &QAbstractItemModel::modelReset);
        list->SetSortKey(0);
        list->SetSorted(true);
        QVERIFY(reset.count() >= 1);
        QCOMPARE(listModel->index(0, 0).data().toString(), QStringLiteral("alpha"));
        QCOMPARE(listModel->index(2, 1).data().toString(), QStringLiteral("gamma"));

        // A row added to a sorted list is announced as one row inserted; the tester compares
        // its neighbours before and after, so a wrong place fails.
        QSignalSpy inserted(listModel.get(), &QAbstractItemModel::rowsInserted);
        list->ListItemsAdd("", "delta");
        QCOMPARE(inserted.count(), 1);

        list->ListItemsClear();
        QCOMPARE(listModel->rowCount(), 0);
        list->ColumnHeadersClear();
        QCOMPARE(listModel->columnCount(), 0);
    }

private:
    std::unique_ptr<TreeView> tree;
    std::unique_ptr<ListView> list;
    std::unique_ptr<TreeModel> treeModel;
    std::unique_ptr<ListModel> listModel;
    std::unique_ptr<QAbstractItemModelTester> treeTester, listTester;
};

QTEST_MAIN(ModelsTest)
#include "ModelsTest.moc"
