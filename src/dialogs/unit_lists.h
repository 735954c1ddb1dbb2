#pragma once
// Drop-down lists of units that fill themselves with their fixed entries, none chosen; the index
// of an entry is the unit's code. The lists are the same whatever unit system is current.
//
//     auto* length = new dialogs::CmLengthUnitsList(this);   // "Feet" ... "Meters"
//     dx.Choice(length, selection.lengthIndex);

#include <QComboBox>
#include <QString>

#include <span>

namespace dialogs {

// The entry of a length list at an index (an empty text outside the list).
QString LengthUnitEntry(int index);

// The stress list offers six units; the stress codes of the data number pascal and kilopascal 7
// and 8 (codes 4 to 6 have no stress unit). These map a list entry to its code and back (-1 for
// no entry or a code the list does not offer).
int StressCodeOfListIndex(int index);
int StressListIndexOfCode(int code);

// A units list over its entries (index order).
class UnitsList : public QComboBox {
    Q_OBJECT
public:
    UnitsList(std::span<const char* const> entries, QWidget* parent);
};

class CmLengthUnitsList final : public UnitsList {
    Q_OBJECT
public:
    explicit CmLengthUnitsList(QWidget* parent = nullptr);
};

class CmForceUnitsList final : public UnitsList {
    Q_OBJECT
public:
    explicit CmForceUnitsList(QWidget* parent = nullptr);
};

class CmForcePerLengthUnitsList final : public UnitsList {
    Q_OBJECT
public:
    explicit CmForcePerLengthUnitsList(QWidget* parent = nullptr);
};

class CmAreaUnitsList final : public UnitsList {
    Q_OBJECT
public:
    explicit CmAreaUnitsList(QWidget* parent = nullptr);
};

class CmStressUnitsList final : public UnitsList {
    Q_OBJECT
public:
    explicit CmStressUnitsList(QWidget* parent = nullptr);
};

}  // namespace dialogs
