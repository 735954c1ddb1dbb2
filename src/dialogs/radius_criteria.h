#pragma once
// The list of radius criteria of a search ("Criteria for defining radii:") with the number of
// radius increments and the minimum radius increment: the "Radii Information" page of the
// fixed-grid search sheet, and "Definitions for Varying Radii" on its own.

#include "analysis/analysis_dialogs.h"
#include "dialogs/data_exchange.h"

#include <QDialog>
#include <QWidget>

namespace dialogs {

class RadiusGroup;

class RadiiPage final : public QWidget {
    Q_OBJECT
public:
    // Both open on the first criterion, highlighted and shown in the fields; after "New" the
    // new line is highlighted. asPage: the sheet's page, which takes the points of the
    // selected criterion into the table when the tangent kind turns irregular; otherwise the
    // table starts empty.
    RadiiPage(const s_RadiusCriteriaType& criteria, bool asPage, QWidget* parent);
    const s_RadiusCriteriaType& Criteria() const { return criteria_; }
    RadiusGroup* Radius() const { return radius_; }
    // The OK step: reads the fields and stores them into the current criterion; false (after
    // the message) when a number or the tangent table is refused.
    bool StoreForOk();

private:
    void OnNew();
    void OnSelectionChange();
    void OnDelete();
    void OnDeleteAll();
    void OnKindChange();

    s_RadiusCriteriaType criteria_;
    s_RadiusFieldsType fields_;
    bool asPage_;
    DataExchange dx_;
    RadiusGroup* radius_ = nullptr;
};

// "Definitions for Varying Radii".
class CmAnalCompSearchRadiusDefinitions final : public QDialog {
    Q_OBJECT
public:
    CmAnalCompSearchRadiusDefinitions(const s_RadiusCriteriaType& criteria, QWidget* parent);
    RadiiPage* Page() const { return page_; }
    // The fields are stored into the current criterion first; the dialog stays open when that
    // is refused.
    void accept() override;

private:
    RadiiPage* page_ = nullptr;
};

// The window in RadiusDefinitionsDialogSlot().
class QtRadiusDefinitionsDialog final : public RadiusDefinitionsDialog {
public:
    explicit QtRadiusDefinitionsDialog(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_RadiusCriteriaType& criteria) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
