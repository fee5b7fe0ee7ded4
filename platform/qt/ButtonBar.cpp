#include "platform/qt/ButtonBar.h"

#include "platform/qt/QtText.h"

namespace veltrano::qt {

ButtonBar::ButtonBar(controls::Toolbar& model, QHash<QString, QIcon> icons, QWidget* parent)
    : QToolBar(parent), model_(model), icons_(std::move(icons)) {
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setContextMenuPolicy(Qt::PreventContextMenu);
    model_.SetListener(this);
    ButtonsReset();
    setEnabled(model_.Enabled());
}

ButtonBar::~ButtonBar() {
    model_.SetListener(nullptr);
}

QAction* ButtonBar::ActionAt(int index) const {
    return index >= 1 && index <= buttons_.size() ? buttons_[index - 1] : nullptr;
}

QAction* ButtonBar::ActionFor(const QString& key) const {
    for (QAction* action : buttons_) {
        if (action->data().toString() == key) {
            return action;
        }
    }
    return nullptr;
}

void ButtonBar::SetShortcutHint(const QString& key, const QKeySequence& sequence) {
    hints_.insert(key, sequence);
    for (std::int32_t index = 1; index <= model_.Count(); ++index) {
        if (FromCore(model_.At(index).key) == key) {
            ButtonChanged(index);
        }
    }
}

void ButtonBar::AddTrailingWidget(QWidget* widget) {
    QAction* action = addWidget(widget);
    if (firstTrailing_ == nullptr) {
        firstTrailing_ = action;
    }
}

void ButtonBar::Update(QAction& action, const controls::Toolbar::Button& button) {
    const QString caption = FromCore(button.caption);
    action.setText(caption);
    // The tool button shows the icon text; with the '&' kept it underlines the access key and
    // answers Alt + key.
    action.setIconText(caption);
    QString tip = FromCore(controls::StripAccessKey(button.caption));
    const QKeySequence hint = hints_.value(FromCore(button.key));
    if (!hint.isEmpty()) {
        tip += QStringLiteral(" (%1)").arg(hint.toString(QKeySequence::NativeText));
    }
    action.setToolTip(tip);
    action.setData(FromCore(button.key));
    action.setIcon(icons_.value(FromCore(button.image)));
    action.setEnabled(button.enabled);
}

void ButtonBar::ButtonsReset() {
    for (QAction* action : std::as_const(buttons_)) {
        removeAction(action);
        delete action;
    }
    buttons_.clear();
    for (std::int32_t index = 1; index <= model_.Count(); ++index) {
        const controls::Toolbar::Button& button = model_.At(index);
        auto* action = new QAction(this);
        Update(*action, button);
        const QString key = FromCore(button.key);
        connect(action, &QAction::triggered, this, [this, key] { emit buttonClicked(key); });
        insertAction(firstTrailing_, action);
        buttons_.append(action);
    }
}

void ButtonBar::ButtonChanged(std::int32_t index) {
    if (QAction* action = ActionAt(index)) {
        Update(*action, model_.At(index));
    }
}

void ButtonBar::EnabledChanged(bool enabled) {
    setEnabled(enabled);
}

} // namespace veltrano::qt
