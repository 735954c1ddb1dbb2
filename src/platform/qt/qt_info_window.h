#pragma once
// The information window: a modeless tool window with a two-column tree (label, text).

#include "platform/info_window.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <map>

class QDialog;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform::qt {

class QtInfoWindow final : public InfoWindowService {
public:
    explicit QtInfoWindow(QWidget* owner = nullptr) : owner_(owner) {}
    ~QtInfoWindow() override;

    void Initialize(const std::string& title, std::optional<DevicePoint> position) override;
    bool Exists() const override { return dialog_ != nullptr; }
    void Show(bool show) override;
    bool IsVisible() const override;
    void Clear() override;
    InfoItem AddItem(InfoItem parent, const std::string& label, const std::string& text) override;
    void ExpandOrCollapseAll() override;

    QTreeWidget* Tree() const { return tree_; }

private:
    QPointer<QWidget> owner_;
    QPointer<QDialog> dialog_;
    QTreeWidget* tree_ = nullptr;
    std::map<InfoItem, QTreeWidgetItem*> items_;
    InfoItem next_ = 1;
};

}  // namespace platform::qt
