#include "platform/qt/TreeModel.h"
#include "platform/controls/TreeView.h"

#include <QAbstractItemModelTester>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

using veltrano::controls::TreeView;
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

class TreeModelTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        tree = std::make_unique<TreeView>();
        model = std::make_unique<TreeModel>(*tree, TwoIcons());
        tester = std::make_unique<QAbstractItemModelTester>(
            model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    void cleanup() {
        tester.reset();
        model.reset();
        tree.reset();
    }

    void followsAddsTextsIconsAndClear() {
        const auto root = tree->Add(0, TreeView::tvwChild, "db", "Sample", "Datenbank");
        const auto b = tree->Add(root, TreeView::tvwChild, "", "B", "Feld");
        tree->Add(b, TreeView::tvwPrevious, "", "A", "none"); // no such picture
        tree->Add(b, TreeView::tvwNext, "", "C");
        tree->Add(b, TreeView::tvwFirst, "", "First");
        const auto leaf = tree->Add(b, TreeView::tvwChild, "", "Leaf");
        QCOMPARE(model->rowCount(), 1);
        const QModelIndex rootIndex = model->index(0, 0);
        QStringList texts;
        for (int row = 0; row < model->rowCount(rootIndex); ++row) {
            texts << model->index(row, 0, rootIndex).data().toString();
        }
        QCOMPARE(texts, (QStringList{"First", "A", "B", "C"}));
        const QModelIndex leafIndex = model->IndexOf(leaf);
        QCOMPARE(leafIndex.data().toString(), QStringLiteral("Leaf"));
        QCOMPARE(leafIndex.parent(), model->index(2, 0, rootIndex));
        QCOMPARE(TreeModel::NodeOf(leafIndex), leaf);

        const auto colourOf = [&](const QModelIndex& index) {
            const auto icon = index.data(Qt::DecorationRole).value<QIcon>();
            return icon.pixmap(16, 16).toImage().pixelColor(8, 8);
        };
        QCOMPARE(colourOf(rootIndex), QColor(Qt::red));
        QCOMPARE(colourOf(model->IndexOf(b)), QColor(Qt::blue));
        QVERIFY(!model->index(1, 0, rootIndex).data(Qt::DecorationRole).isValid());

        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        tree->SetText(b, "Bee"); // signals that node only
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>(), model->IndexOf(b));
        QCOMPARE(changed[0][1].value<QModelIndex>(), model->IndexOf(b));
        QCOMPARE(model->IndexOf(b).data().toString(), QStringLiteral("Bee"));

        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        tree->Clear();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model->rowCount(), 0);
        tree->Add(0, TreeView::tvwChild, "db", "Again");
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Again"));
    }

private:
    std::unique_ptr<TreeView> tree;
    std::unique_ptr<TreeModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

QTEST_MAIN(TreeModelTest)
#include "TreeModelTest.moc"
