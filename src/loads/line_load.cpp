#include "loads/line_load.h"
#include "loads/loads_state.h"

#include <algorithm>
#include <cmath>

#include "core/data_error_output.h"
#include "core/echo_lines.h"
#include "core/format_text.h"
#include "core/geometry.h"
#include "core/input_lines.h"
#include "core/preferences.h"
#include "loads/data_lines.h"
#include "loads/load_messages.h"

namespace {

bool& DefaultShown(int stage) {
    static bool shown[2] = {true, true};
    return shown[stage == 2 ? 1 : 0];
}

}  // namespace

void ResetLineLoadDisplayDefaults() { DefaultShown(1) = DefaultShown(2) = true; }

Cpp_LineLoad::Cpp_LineLoad(int number_, double x, double y, int option_, double first,
                           double second)
    : Cpp_PointXY(x, y), number(number_), option(option_) {
    if (option == ByComponents) {
        horizontal = first;
        vertical = second;
    } else if (option == ByResultant) {
        resultant = first;
        inclination = second;
    }
    UpdateDerivedValues();
    tailX = x;
    tailY = y;
}

void Cpp_LineLoad::UpdateDerivedValues() {
    if (option == ByComponents) {
        resultant = std::sqrt(horizontal * horizontal + vertical * vertical);
        inclination = (horizontal == 0.0 && vertical == 0.0)
                          ? 0.0
                          : RadiansToDegrees(std::atan2(vertical, horizontal));
    } else if (option == ByResultant) {
        const double a = DegreesToRadians(inclination);
        horizontal = resultant * std::cos(a);
        vertical = resultant * std::sin(a);
    }
}

void Cpp_LineLoad::FromTableRecord(s_LineLoadType& r) {
    const double first = r.option == ByResultant ? r.resultant : r.horizontal;
    const double second = r.option == ByResultant ? r.inclination : r.vertical;
    const Cpp_LineLoad load(0, r.x, r.y, r.option, first, second);
    r = load.ToTableRecord();
}

s_LineLoadType Cpp_LineLoad::ToTableRecord() const {
    return {X(), Y(), option, horizontal, vertical, resultant, inclination};
}

void Cpp_LineLoadList::InitForStage(int stage) {
    stage_ = stage;
    ReloadDisplayFlag();
}

void Cpp_LineLoadList::ReloadDisplayFlag() { display = DefaultShown(stage_); }
bool Cpp_LineLoadList::GetDefaultDisplayFlag(int stage) { return DefaultShown(stage); }
void Cpp_LineLoadList::SetDefaultDisplayFlag(int stage, bool shown) { DefaultShown(stage) = shown; }

Cpp_LineLoad* Cpp_LineLoadList::Append(std::unique_ptr<Cpp_LineLoad> load) {
    if (!loads_.empty()) loads_.back()->SetNext(load.get());
    loads_.push_back(std::move(load));
    return loads_.back().get();
}

Cpp_LineLoad* Cpp_LineLoadList::AddByComponents(int number, double x, double y, double h,
                                                double v) {
    return Append(std::make_unique<Cpp_LineLoad>(number, x, y, Cpp_LineLoad::ByComponents, h, v));
}

Cpp_LineLoad* Cpp_LineLoadList::AddByMagnitude(int number, double x, double y, double r,
                                               double inclination) {
    return Append(
        std::make_unique<Cpp_LineLoad>(number, x, y, Cpp_LineLoad::ByResultant, r, inclination));
}

Cpp_LineLoad* Cpp_LineLoadList::FindLoad(int number) const {
    for (const auto& load : loads_)
        if (load->number == number) return load.get();
    return nullptr;
}

void Cpp_LineLoadList::DeleteAll() { loads_.clear(); }

bool Cpp_LineLoadList::DeleteLoad(const Cpp_LineLoad* load) {
    auto it =
        std::find_if(loads_.begin(), loads_.end(), [&](const auto& l) { return l.get() == load; });
    if (it == loads_.end()) return false;
    Cpp_LineLoad* next = (it + 1) != loads_.end() ? (it + 1)->get() : nullptr;
    if (it != loads_.begin()) (it - 1)->get()->SetNext(next);
    loads_.erase(it);
    return true;
}

double Cpp_LineLoadList::GetMaxForce() const {
    double m = 0.0;
    for (const auto& load : loads_) m = std::max(m, std::fabs(load->resultant));
    return m;
}

std::vector<s_LineLoadType> Cpp_LineLoadList::GetTableRecords() const {
    std::vector<s_LineLoadType> records;
    for (const auto& load : loads_) records.push_back(load->ToTableRecord());
    return records;
}

void Cpp_LineLoadList::SetFromTableRecords(const std::vector<s_LineLoadType>& records) {
    DeleteAll();
    int number = 0;
    for (const s_LineLoadType& r : records) {
        ++number;
        if (r.option == Cpp_LineLoad::ByComponents)
            AddByComponents(number, r.x, r.y, r.horizontal, r.vertical);
        else if (r.option == Cpp_LineLoad::ByResultant)
            AddByMagnitude(number, r.x, r.y, r.resultant, r.inclination);
    }
}

bool Cpp_LineLoadList::ReadInput(std::FILE* input, std::FILE* echoFile, bool echo) {
    Cpp_Errors errors(echoFile);
    std::FILE* listing = echo ? echoFile : nullptr;
    if (listing) {
        if (stage_ == 2)
            echo::StartTable(listing, 14, '2',
                             {"NEW LINE LOAD DATA - SECOND/THIRD-STAGE COMPUTATIONS"});
        else
            echo::StartTable(listing, 13, '*',
                             {"NEW LINE LOAD DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS"});
        echo::Write(listing,
                    "\nForce                      Horizontal  Vertical              Inclination\n"
                    " No.       X         Y     Component   Component   Resultant  (degrees)\n\n");
    }
    const int cd = Cpp_KlivenSettings::CoordinateDecimals();
    const int fd = Cpp_KlivenSettings::ForceDecimals();
    const int ad = Cpp_KlivenSettings::AngleDecimals();
    loads::s_DataLine line;
    for (;;) {
        if (!loads::ReadDataLine(input, line)) return !Cpp_LoadErrors::Error5500(stage_);
        if (line.values.empty()) {
            if (!line.blank) Cpp_LoadErrors::Error5550(stage_, line.text);
            return true;
        }
        const int n = line.Count();
        for (int i = 0; i + 6 <= n; i += 6) {
            const int number = line.Int(i);
            const double x = line.values[i + 1], y = line.values[i + 2];
            // A coordinate whose arithmetic would overflow is refused here.
            if (!IsUsableCoordinate(x) || !IsUsableCoordinate(y))
                return !Cpp_LoadErrors::Error5500(stage_);
            const double first = line.values[i + 3], second = line.values[i + 4];
            const int option = line.Int(i + 5);
            if (option != Cpp_LineLoad::ByComponents && option != Cpp_LineLoad::ByResultant) {
                Append(std::make_unique<Cpp_LineLoad>(number, x, y, 0, 0.0, 0.0));
                Cpp_LoadErrors::Error5510(number, stage_, option);
                echo::Write(listing, FormatText("%4d%10.*f%10.*f Unrecognized Option Code = %d\n",
                                                number, cd, x, cd, y, option));
                continue;
            }
            Cpp_LineLoad* load = FindLoad(number);
            if (load) {
                const Cpp_LineLoad fresh(number, x, y, option, first, second);
                load->Set(x, y);
                load->option = option;
                load->horizontal = fresh.horizontal;
                load->vertical = fresh.vertical;
                load->resultant = fresh.resultant;
                load->inclination = fresh.inclination;
                load->tailX = x;
                load->tailY = y;
            } else {
                load = Append(std::make_unique<Cpp_LineLoad>(number, x, y, option, first, second));
            }
            echo::Write(listing, FormatText("%4d%10.*f%10.*f%12.*f%12.*f%12.*f%8.*f\n", number, cd,
                                            x, cd, y, fd, load->horizontal, fd, load->vertical, fd,
                                            load->resultant, ad, load->inclination));
        }
        if (n % 6 != 0) return !Cpp_LoadErrors::Error5580(stage_, n, line.text);
    }
}

bool Cpp_LineLoadList::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    if (loads_.empty()) return true;
    const int cd = Cpp_KlivenSettings::CoordinateDecimals();
    const int fd = Cpp_KlivenSettings::ForceDecimals();
    const int ad = Cpp_KlivenSettings::AngleDecimals();
    std::fprintf(file, "LINe load data follow -\n");
    for (const auto& load : loads_) {
        auto field = [](int decimals, double value) {
            return SeparatedField(FormatText("%15.*f", decimals, value));
        };
        std::string out = "    " + SeparatedField(FormatText("%5d", load->number)) +
                          field(cd, load->X()) + field(cd, load->Y());
        if (load->option == Cpp_LineLoad::ByResultant)
            out += field(fd, load->resultant) + field(ad, load->inclination) + "    2\n";
        else if (load->option == Cpp_LineLoad::ByComponents)
            out += field(fd, load->horizontal) + field(fd, load->vertical) + "    1\n";
        else  // a load read with a bad option keeps it, so reading back reports it again
            out += field(fd, 0.0) + field(fd, 0.0) + FormatText("    %d\n", load->option);
        std::fputs(out.c_str(), file);
    }
    std::fprintf(file, "\n");
    return true;
}

bool Cpp_LineLoadList::Check(std::FILE* echoFile) const {
    Cpp_DataErrorOutput::SetErrorFile(echoFile);
    bool ok = true;
    for (const auto& load : loads_) {
        if (load->option == Cpp_LineLoad::ByComponents) {
            if (load->horizontal == 0.0 && load->vertical == 0.0)
                ok = !Cpp_LoadErrors::Error5620(load->number, stage_);
        } else if (load->option == Cpp_LineLoad::ByResultant) {
            if (load->resultant == 0.0) ok = !Cpp_LoadErrors::Error5620(load->number, stage_);
        } else {
            ok = !Cpp_LoadErrors::Error5600(load->number, stage_, load->option);
        }
    }
    for (size_t i = 0; i < loads_.size(); ++i)
        for (size_t j = i + 1; j < loads_.size(); ++j)
            if (loads_[i]->X() == loads_[j]->X() && loads_[i]->Y() == loads_[j]->Y())
                ok = !Cpp_LoadErrors::Error5610(loads_[i]->number, loads_[j]->number, stage_);
    return ok;
}
