#pragma once
// Helpers of the loads tests: capturing what a block writer writes, and reading a block from a
// text.

#include <cstdio>
#include <functional>
#include <string>

// The text that write(file) writes to a fresh temporary file.
std::string WrittenText(const std::function<void(std::FILE*)>& write);

// A temporary file holding the text, positioned at its start; closed by the destructor.
class TextInput {
public:
    explicit TextInput(const std::string& text);
    ~TextInput();
    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;
    std::FILE* File() const { return file_; }
    // What is left to read, read whole.
    std::string Rest();

private:
    std::FILE* file_ = nullptr;
};

#include "loads/generation_dialogs.h"

// The generation dialogs answered by the test: each answers OK with the values set here unless
// its flag says cancel. Registered for the lifetime of the object.
class ScriptedGenerationDialogs : public Cpp_ReinforcementGenerationDialogs {
public:
    ScriptedGenerationDialogs() { ReinforcementGenerationDialogsSlot().Set(this); }
    ~ScriptedGenerationDialogs() override { ReinforcementGenerationDialogsSlot().Reset(); }
    bool EditNailGenerationUnits(int& lengthUnit, int& forceUnit) override {
        ++nailUnitRuns;
        if (cancel) return false;
        lengthUnit = nailLengthUnit;
        forceUnit = nailForceUnit;
        return true;
    }
    bool EditGeogridGenerationOptions(s_GeogridGenerationOptions& o) override {
        seenGeogridOptions = o;
        if (cancel) return false;
        o.incrementOption = geogridOptions.incrementOption;
        o.numberOfIncrements = geogridOptions.numberOfIncrements;
        o.incrementDistance = geogridOptions.incrementDistance;
        o.stopIfNotDeveloped = geogridOptions.stopIfNotDeveloped;
        return true;
    }
    bool ChooseXValue(const std::vector<double>& values, int& index) override {
        offeredX = values;
        if (chosenX < 0) return false;
        index = chosenX;
        return true;
    }
    bool cancel = false;
    int nailLengthUnit = 0;
    int nailForceUnit = 0;
    int nailUnitRuns = 0;
    // The increments and the stop flag answered (the units stay as offered).
    s_GeogridGenerationOptions geogridOptions;
    s_GeogridGenerationOptions seenGeogridOptions;
    int chosenX = 0;
    std::vector<double> offeredX;
};
