#include "window/result_label.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

namespace window {
namespace {

// Qt names a label without text after its group box; a result that is not there yet says
// nothing instead. The description stays Qt's: the accessible description, else the tooltip.
class ResultLabelAccessible : public QAccessibleWidget {
  public:
    explicit ResultLabelAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* result_label_accessible(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<ResultLabel*>(object)) return new ResultLabelAccessible(label);
    return nullptr;
}

}  // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
    QAccessible::installFactory(result_label_accessible);  // Qt keeps each factory once
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultLabel::set_working(const QString& working) {
    if (working == toolTip()) return;
    setToolTip(working);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void ResultLabel::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction("复制", this, [this] {
        QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
    });
    copy->setEnabled(!text().isEmpty());
    menu.addAction("全选", this, [this] { setSelection(0, int(text().size())); })
        ->setEnabled(!text().isEmpty());
    if (!actions().isEmpty()) {
        menu.addSeparator();
        menu.addActions(actions());
    }
    menu.exec(event->globalPos());
}

}  // namespace window
