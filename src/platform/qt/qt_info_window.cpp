#include "platform/qt/qt_info_window.h"

#include "platform/qt/qt_text.h"

#include <QDialog>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace platform::qt {

QtInfoWindow::~QtInfoWindow() { delete dialog_.data(); }

void QtInfoWindow::Initialize(const std::string& title, std::optional<DevicePoint> position) {
    if (!dialog_) {
        dialog_ = new QDialog(owner_, Qt::Tool);
        dialog_->setObjectName("informationWindow");
        tree_ = new QTreeWidget(dialog_);
        tree_->setColumnCount(2);
        tree_->setHeaderLabels({"Item", "Value"});
        tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        auto* layout = new QVBoxLayout(dialog_);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(tree_);
        dialog_->resize(360, 420);
    }
    dialog_->setWindowTitle(ToQString(title));
    if (position) {
        dialog_->move(position->x, position->y);
    } else if (owner_) {
        // Beside the main frame, on its right.
        const QRect frame = owner_->frameGeometry();
        dialog_->move(frame.right() + 8, frame.top());
    }
}

void QtInfoWindow::Show(bool show) {
    if (!dialog_) return;
    if (show) {
        dialog_->show();
    } else {
        dialog_->hide();
    }
}

bool QtInfoWindow::IsVisible() const { return dialog_ && dialog_->isVisible(); }

void QtInfoWindow::Clear() {
    if (tree_) tree_->clear();
    items_.clear();
}

InfoItem QtInfoWindow::AddItem(InfoItem parent, const std::string& label, const std::string& text) {
    if (!IsVisible()) return kInfoRoot;
    QTreeWidgetItem* item = nullptr;
    auto it = items_.find(parent);
    if (parent != kInfoRoot && it != items_.end()) {
        item = new QTreeWidgetItem(it->second);
    } else {
        item = new QTreeWidgetItem(tree_);
    }
    if (label.empty()) {
        item->setText(0, ToQString(text));
        item->setFirstColumnSpanned(true);
    } else {
        item->setText(0, ToQString(label));
        item->setText(1, ToQString(text));
    }
    const InfoItem id = next_++;
    items_[id] = item;
    return id;
}

void QtInfoWindow::ExpandOrCollapseAll() {
    if (!tree_) return;
    bool allExpanded = true;
    std::function<void(QTreeWidgetItem*)> check = [&](QTreeWidgetItem* item) {
        if (item->childCount() > 0 && !item->isExpanded()) allExpanded = false;
        for (int i = 0; i < item->childCount(); ++i) check(item->child(i));
    };
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) check(tree_->topLevelItem(i));
    if (allExpanded) {
        tree_->collapseAll();
    } else {
        tree_->expandAll();
    }
}

}  // namespace platform::qt
