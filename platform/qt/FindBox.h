#pragma once

#include <QLineEdit>

namespace veltrano::qt {

// The find box for the tree: typing asks for a match from the current node on, Enter for the
// next one, Shift+Enter for the previous one; a red background says there is none.
class FindBox final : public QLineEdit {
    Q_OBJECT

public:
    explicit FindBox(QWidget* parent = nullptr);

    void SetNoMatch(bool noMatch);
    bool NoMatch() const noexcept { return noMatch_; }

signals:
    // includeCurrent: the node shown may answer (the text grew); otherwise the search starts
    // beside it.
    void findRequested(bool forward, bool includeCurrent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool noMatch_ = false;
};

} // namespace veltrano::qt
