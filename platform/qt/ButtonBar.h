#pragma once

#include "platform/controls/Toolbar.h"

#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QToolBar>

namespace veltrano::qt {

// The toolbar drawn from a controls::Toolbar: one action per button, the caption's '&' as the
// access key, the picture by the button's image key, and the enabled states of the model.
class ButtonBar final : public QToolBar, private controls::Toolbar::Listener {
    Q_OBJECT

public:
    ButtonBar(controls::Toolbar& model, QHash<QString, QIcon> icons, QWidget* parent = nullptr);
    ~ButtonBar() override;

    // The action of a button by its 1-based index, nullptr when there is none.
    QAction* ActionAt(int index) const;
    // The buttons' actions in order, without the trailing widgets.
    const QList<QAction*>& ButtonActions() const noexcept { return buttons_; }
    // The action of the button with that key, nullptr when there is none.
    QAction* ActionFor(const QString& key) const;
    // A key sequence that also runs the button, named in its tooltip.
    void SetShortcutHint(const QString& key, const QKeySequence& sequence);
    // A widget after the buttons, which stays there when the buttons are rebuilt.
    void AddTrailingWidget(QWidget* widget);

signals:
    void buttonClicked(const QString& key);

private:
    void ButtonsReset() override;
    void ButtonChanged(std::int32_t index) override;
    void EnabledChanged(bool enabled) override;

    void Update(QAction& action, const controls::Toolbar::Button& button);

    controls::Toolbar& model_;
    QHash<QString, QIcon> icons_;
    QList<QAction*> buttons_;
    QHash<QString, QKeySequence> hints_;
    QAction* firstTrailing_ = nullptr;
};

} // namespace veltrano::qt
