#pragma once
// The two windows shown just before reinforcement lines are generated: the units of the lines
// ("Reinforcement Generation for Soil Nails") and, for geogrids, also how finely the grids are
// divided for the end effects ("Reinforcement Generation for Geogrids").

#include "dialogs/data_exchange.h"
#include "loads/generation_dialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace dialogs {

class CmForceUnitsList;
class CmLengthUnitsList;

class GeogridGenerationDialog final : public QDialog {
    Q_OBJECT
public:
    // Shows the number of increments only with option 0 and the distance only with option 1.
    GeogridGenerationDialog(const s_GeogridGenerationOptions& options, QWidget* parent = nullptr);
    // The options as entered: the number (option 0) or the distance (option 1) replaces the
    // stored one, the other stays.
    s_GeogridGenerationOptions Result(const s_GeogridGenerationOptions& stored) const;
    void accept() override;

private:
    DataExchange dx_;
    int option_ = -1;
    int number_ = 0;
    double distance_ = 0.0;
    bool stop_ = false;
    int lengthUnit_ = -1;
    int forceUnit_ = -1;
};

class NailGenerationDialog final : public QDialog {
    Q_OBJECT
public:
    NailGenerationDialog(int lengthUnit, int forceUnit, QWidget* parent = nullptr);
    int LengthUnit() const { return lengthUnit_; }
    int ForceUnit() const { return forceUnit_; }
    void accept() override;

private:
    DataExchange dx_;
    int lengthUnit_;
    int forceUnit_;
};

// The windows run modally over the owner; true with the values on OK.
bool RunGeogridGenerationDialog(QWidget* owner, s_GeogridGenerationOptions& options);
bool RunNailGenerationDialog(QWidget* owner, int& lengthUnit, int& forceUnit);

}  // namespace dialogs
