#pragma once
// The one way model code plugs in a dialog. A subsystem that must open a window owns an
// interface for it and holds the interface in a DialogSlot: the window the user interface
// registered, or a stand-in that does nothing (it cancels, or gives the answer that keeps the
// data as they are). Callers never meet a null pointer.
//
//     // units.h (the owner):    DialogSlot<UnitsSelectionDialog>& UnitsSelectionDialogSlot();
//     // dialogs/dialog_registration.cpp:  UnitsSelectionDialogSlot().Set(&window);
//     // the opener:             if (UnitsSelectionDialogSlot().Get().Run(selection)) ...
//
// A command tells a missing window from a Cancel with IsRegistered() (see RunDialogCommand).
// Every slot joins one program-wide list when it is made; ResetDialogSlots() returns them all to
// their stand-ins and is part of the reset of program-wide state.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class DialogSlotBase {
public:
    explicit DialogSlotBase(std::string name);
    virtual ~DialogSlotBase();
    DialogSlotBase(const DialogSlotBase&) = delete;
    DialogSlotBase& operator=(const DialogSlotBase&) = delete;

    // What the slot holds, as a newcomer would search for it ("units selection dialog").
    const std::string& Name() const { return name_; }
    virtual bool IsRegistered() const = 0;
    // Back to the stand-in.
    virtual void Reset() = 0;

private:
    std::string name_;
};

template <class Interface>
class DialogSlot final : public DialogSlotBase {
public:
    DialogSlot(std::string name, std::unique_ptr<Interface> standIn)
        : DialogSlotBase(std::move(name)), standIn_(std::move(standIn)) {}

    // The slot does not own the window; nullptr returns to the stand-in.
    void Set(Interface* window) { window_ = window; }
    bool IsRegistered() const override { return window_ != nullptr; }
    void Reset() override { window_ = nullptr; }
    // The registered window, else the stand-in.
    Interface& Get() const { return window_ ? *window_ : *standIn_; }

private:
    std::unique_ptr<Interface> standIn_;
    Interface* window_ = nullptr;
};

// Every slot made so far, in the order they were made.
const std::vector<DialogSlotBase*>& DialogSlots();
// Every slot back to its stand-in.
void ResetDialogSlots();

// A command that opens a dialog: without a registered window it does nothing and answers
// false without calling run; else it answers what run answers (false after a Cancel, with
// nothing said).
bool RunDialogCommand(const DialogSlotBase& slot, const std::function<bool()>& run);
