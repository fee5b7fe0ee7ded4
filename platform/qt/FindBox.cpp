#include "platform/qt/FindBox.h"

#include <QKeyEvent>

namespace veltrano::qt {

FindBox::FindBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("FindBox"));
    setPlaceholderText(QStringLiteral("Find in tree"));
    setClearButtonEnabled(true);
    setMaximumWidth(fontMetrics().averageCharWidth() * 28);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty()) {
            SetNoMatch(false);
            return;
        }
        emit findRequested(true, true);
    });
}

void FindBox::SetNoMatch(bool noMatch) {
    noMatch_ = noMatch;
    setStyleSheet(noMatch ? QStringLiteral("QLineEdit { background: #ff8080; }") : QString());
}

void FindBox::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !text().isEmpty()) {
        emit findRequested(!(event->modifiers() & Qt::ShiftModifier), false);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace veltrano::qt
