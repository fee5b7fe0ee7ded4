#include "platform/qt/ListModel.h"
#include "platform/controls/ListView.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using veltrano::controls::ListView;
using veltrano::qt::ListModel;

class ListModelTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        list = std::make_unique<ListView>();
        model = std::make_unique<ListModel>(*list);
        tester = std::make_unique<QAbstractItemModelTester>(
            model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    void cleanup() {
        tester.reset();
        model.reset();
        list.reset();
    }

    void followsColumnsRowsSortsAndClears() {
        Fill();
        QCOMPARE(model->columnCount(), 3);
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ID"));
        QCOMPARE(Column(0), (QStringList{"gamma", "alpha", "beta"}));

        // The order is the control's (its own tests); the model has to announce each change.
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        list->SetSortKey(0);
        list->SetSorted(true);
        QVERIFY(reset.count() >= 1);
        QCOMPARE(Column(0), (QStringList{"alpha", "beta", "gamma"}));

        // A row added to a sorted list goes to its place, announced as one inserted row.
        QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
        list->ListItemsAdd("", "delta");
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted[0][1].toInt(), 2);
        QCOMPARE(inserted[0][2].toInt(), 2);
        QCOMPARE(Column(0), (QStringList{"alpha", "beta", "delta", "gamma"}));

        list->ListItemsClear();
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 3);
        list->ColumnHeadersClear();
        QCOMPARE(model->columnCount(), 0);
    }

    // Header formats and their triangles: see MainWindowTest.
    void alignmentBoldCellsAndViewRequests() {
        Fill();
        list->SetColumnAlignment(2, ListView::lvwColumnRight);
        const auto alignment = [&](int column) {
            return model->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        };
        QVERIFY(alignment(1) & Qt::AlignRight);
        QVERIFY(alignment(0) & Qt::AlignLeft);
        QVERIFY(model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignRight);

        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        list->SetSubItemBold(2, 2, true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>(), model->index(1, 2));
        QCOMPARE(changed[0][1].value<QModelIndex>(), model->index(1, 2));
        QVERIFY(model->index(1, 2).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model->index(1, 1).data(Qt::FontRole).isValid());
        QVERIFY(!model->index(0, 2).data(Qt::FontRole).isValid());

        QSignalSpy select(model.get(), &ListModel::selectionRequested);
        QSignalSpy scroll(model.get(), &ListModel::scrollRequested);
        list->SetSelectedItem(3); // the control counts from 1, the model from 0
        QCOMPARE(select.count(), 1);
        QCOMPARE(select[0][0].value<QModelIndex>().row(), 2);
        list->EnsureVisible(2);
        QCOMPARE(scroll[0][0].value<QModelIndex>().row(), 1);
    }

private:
    void Fill() {
        list->ColumnHeadersAdd("Name", "Name");
        list->ColumnHeadersAdd("ID", "ID");
        list->ColumnHeadersAdd("", "Remark");
        const char* rows[][3] = {
            {"gamma", "  100", "c"}, {"alpha", "    9", "a"}, {"beta", "   25", ""}};
        for (const auto& row : rows) {
            const auto number = list->ListItemsAdd("", row[0]);
            for (int column : {1, 2}) {
                list->SetSubItemText(number, column, row[column]);
            }
        }
    }
    QStringList Column(int column) const {
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row) {
            texts << model->index(row, column).data().toString();
        }
        return texts;
    }

    std::unique_ptr<ListView> list;
    std::unique_ptr<ListModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

QTEST_MAIN(ListModelTest)
#include "ListModelTest.moc"
