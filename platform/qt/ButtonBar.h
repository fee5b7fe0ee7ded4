#pragma once

#include "platform/controls/Toolbar.h"

#include <QHash>
#include <QIcon>
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
};

} // namespace veltrano::qt
