#include "core/format_text.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <type_traits>
#include <vector>

#include "core/number_text.h"

namespace {

// The conversions of a format that the fast path takes: flags "-+ 0", a width and a precision
// (digits or '*'), the lengths h, hh, l, ll, z, and d i u f e g s c and "%%". Anything else ('#',
// 'x', 'L', positional arguments, ...) sends the whole format to vsnprintf.
struct s_Conversion {
    s_FieldFormat field;
    bool widthArgument = false;
    bool precisionArgument = false;
    int length = 0;  // 0 none, 1 h, 2 hh, 3 l, 4 ll, 5 z
    char conversion = 0;
};

// Reads the conversion that begins after the '%' at p; returns the character after it, or
// nullptr when the fast path does not take it.
const char* ReadConversion(const char* p, s_Conversion& c) {
    for (;; ++p) {
        if (*p == '-')
            c.field.left = true;
        else if (*p == '+')
            c.field.plus = true;
        else if (*p == ' ')
            c.field.space = true;
        else if (*p == '0')
            c.field.zero = true;
        else
            break;
    }
    if (*p == '*') {
        c.widthArgument = true;
        ++p;
    } else {
        int width = 0;
        for (; *p >= '0' && *p <= '9'; ++p) {
            width = width * 10 + (*p - '0');
            if (width > 100000) return nullptr;
        }
        c.field.width = width;
    }
    if (*p == '.') {
        ++p;
        if (*p == '*') {
            c.precisionArgument = true;
            ++p;
        } else {
            int precision = 0;
            for (; *p >= '0' && *p <= '9'; ++p) {
                precision = precision * 10 + (*p - '0');
                if (precision > 100000) return nullptr;
            }
            c.field.precision = precision;
        }
    }
    if (*p == 'h') {
        c.length = p[1] == 'h' ? 2 : 1;
        p += c.length;
    } else if (*p == 'l') {
        c.length = p[1] == 'l' ? 4 : 3;
        p += c.length - 2;
    } else if (*p == 'z') {
        c.length = 5;
        ++p;
    }
    switch (*p) {
    case 'd':
    case 'i':
    case 'u': break;
    case 'f':
    case 'e':
    case 'g':
        if (c.length != 0 && c.length != 3) return nullptr;  // "%lf" is a double too
        break;
    case 's':
    case 'c':
        if (c.length != 0 || c.field.zero) return nullptr;
        break;
    default: return nullptr;
    }
    c.conversion = *p;
    return p + 1;
}

bool FastPathTakes(const char* format) {
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        s_Conversion c;
        const char* next = ReadConversion(p + 1, c);
        if (next == nullptr) return false;
        p = next - 1;
    }
    return true;
}

// The arguments of a call with a va_list.
class VaArguments {
public:
    explicit VaArguments(std::va_list& args) : args_(args) {}
    int Int() { return va_arg(args_, int); }
    long Long() { return va_arg(args_, long); }
    long long LongLong() { return va_arg(args_, long long); }
    std::size_t Size() { return va_arg(args_, std::size_t); }
    double Double() { return va_arg(args_, double); }
    const char* Text() { return va_arg(args_, const char*); }

private:
    std::va_list& args_;
};

// The one value of a number format built at run time: every conversion reads it.
template <typename T>
class OneArgument {
public:
    explicit OneArgument(T value) : value_(value) {}
    int Int() { return static_cast<int>(Number()); }
    long Long() { return static_cast<long>(Number()); }
    long long LongLong() { return static_cast<long long>(Number()); }
    std::size_t Size() { return static_cast<std::size_t>(Number()); }
    double Double() { return static_cast<double>(Number()); }
    const char* Text() {
        if constexpr (std::is_same_v<T, const char*>)
            return value_;
        else
            return "";
    }

private:
    auto Number() {
        if constexpr (std::is_same_v<T, const char*>)
            return 0;
        else
            return value_;
    }
    T value_;
};

template <typename Arguments>
void FormatInto(std::string& out, const char* format, Arguments& args) {
    const char* p = format;
    while (*p) {
        const char* percent = std::strchr(p, '%');
        if (percent == nullptr) {
            out.append(p);
            return;
        }
        out.append(p, static_cast<std::size_t>(percent - p));
        if (percent[1] == '%') {
            out.push_back('%');
            p = percent + 2;
            continue;
        }
        s_Conversion c;
        p = ReadConversion(percent + 1, c);
        if (c.widthArgument) {
            const int width = args.Int();
            if (width < 0) {
                c.field.left = true;
                c.field.width = width == -2147483647 - 1 ? 0 : -width;
            } else {
                c.field.width = width;
            }
        }
        if (c.precisionArgument) {
            const int precision = args.Int();
            c.field.precision = precision < 0 ? -1 : precision;
        }
        switch (c.conversion) {
        case 'd':
        case 'i': {
            long long value = 0;
            switch (c.length) {
            case 0: value = args.Int(); break;
            case 1: value = static_cast<short>(args.Int()); break;
            // %hhd: the argument as a signed char, as printf takes it.
            // NOLINTNEXTLINE(bugprone-signed-char-misuse)
            case 2: value = static_cast<signed char>(args.Int()); break;
            case 3: value = args.Long(); break;
            case 4: value = args.LongLong(); break;
            default: value = static_cast<long long>(static_cast<std::ptrdiff_t>(args.Size()));
            }
            if (c.field.precision >= 0) c.field.zero = false;
            if (c.field.precision == 0 && value == 0) {
                AppendPadded(out, "", 0, c.field);
                break;
            }
            if (c.field.precision > 1) {
                // A minimum digit count: rarely used, so through the general field code.
                std::string digits = std::to_string(value < 0 ? -(value + 1) + 1ULL : value);
                if (digits.size() < static_cast<std::size_t>(c.field.precision))
                    digits.insert(0, static_cast<std::size_t>(c.field.precision) - digits.size(),
                                  '0');
                if (value < 0)
                    digits.insert(0, 1, '-');
                else if (c.field.plus)
                    digits.insert(0, 1, '+');
                else if (c.field.space)
                    digits.insert(0, 1, ' ');
                s_FieldFormat text = c.field;
                text.precision = -1;
                AppendPadded(out, digits.data(), digits.size(), text);
                break;
            }
            AppendSigned(out, value, c.field);
            break;
        }
        case 'u': {
            unsigned long long value = 0;
            switch (c.length) {
            case 0: value = static_cast<unsigned>(args.Int()); break;
            case 1: value = static_cast<unsigned short>(args.Int()); break;
            case 2: value = static_cast<unsigned char>(args.Int()); break;
            case 3: value = static_cast<unsigned long>(args.Long()); break;
            case 4: value = static_cast<unsigned long long>(args.LongLong()); break;
            default: value = args.Size();
            }
            if (c.field.precision >= 0) {
                // As for 'd': a minimum digit count.
                c.field.zero = false;
                std::string digits =
                    value == 0 && c.field.precision == 0 ? std::string() : std::to_string(value);
                if (digits.size() < static_cast<std::size_t>(c.field.precision))
                    digits.insert(0, static_cast<std::size_t>(c.field.precision) - digits.size(),
                                  '0');
                s_FieldFormat text = c.field;
                text.precision = -1;
                AppendPadded(out, digits.data(), digits.size(), text);
                break;
            }
            AppendUnsigned(out, value, c.field);
            break;
        }
        case 'f':
        case 'e':
        case 'g': AppendDouble(out, args.Double(), c.conversion, c.field); break;
        case 's': {
            const char* text = args.Text();
            if (text == nullptr)
                text = c.field.precision >= 0 && c.field.precision < 6 ? "" : "(null)";
            const std::size_t length =
                c.field.precision >= 0 ? strnlen(text, static_cast<std::size_t>(c.field.precision))
                                       : std::strlen(text);
            AppendPadded(out, text, length, c.field);
            break;
        }
        default: {  // 'c'
            const char ch = static_cast<char>(static_cast<unsigned char>(args.Int()));
            s_FieldFormat one = c.field;
            one.precision = -1;
            AppendPadded(out, &ch, 1, one);
        }
        }
    }
}

std::string FormatWithPrintf(const char* format, std::va_list args) {
    char small[256];
    std::va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) return {};
    if (static_cast<size_t>(n) < sizeof small) return std::string(small, static_cast<size_t>(n));
    std::vector<char> big(static_cast<size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, args);
    return std::string(big.data(), static_cast<size_t>(n));
}

}  // namespace

std::string FormatTextV(const char* format, std::va_list args) {
    if (format == nullptr) return {};
    if (!FastPathTakes(format)) return FormatWithPrintf(format, args);
    std::string out;
    std::va_list copy;
    va_copy(copy, args);
    VaArguments arguments(copy);
    FormatInto(out, format, arguments);
    va_end(copy);
    return out;
}

std::string FormatText(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string s = FormatTextV(format, args);
    va_end(args);
    return s;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
namespace {
template <typename T>
std::string Dynamic(const std::string& format, T value) {
    if (format.empty()) return {};
    // The builder's formats hold one conversion; a format with more goes to snprintf, which
    // reads the one argument given as the builder's callers always did.
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i)
        if (format[i] == '%') {
            if (i + 1 < format.size() && format[i + 1] == '%')
                ++i;
            else
                ++conversions;
        }
    if (conversions == 1 && format.find('*') == std::string::npos &&
        FastPathTakes(format.c_str())) {
        std::string out;
        OneArgument<T> argument(value);
        FormatInto(out, format.c_str(), argument);
        return out;
    }
    int n = std::snprintf(nullptr, 0, format.c_str(), value);
    if (n < 0) return {};
    std::string s(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(s.data(), s.size(), format.c_str(), value);
    s.resize(static_cast<size_t>(n));
    return s;
}
}  // namespace
#pragma GCC diagnostic pop

std::string FormatDynamic(const std::string& format, double value) {
    return Dynamic(format, value);
}
std::string FormatDynamicLong(const std::string& format, long value) {
    // Kind 4 formats take a long, kind 3 formats an int.
    if (format.find("ld") != std::string::npos) return Dynamic(format, value);
    return Dynamic(format, static_cast<int>(value));
}
std::string FormatDynamicText(const std::string& format, const std::string& value) {
    return Dynamic(format, value.c_str());
}

std::string SeparatedField(std::string field) {
    if (field.empty() || field.front() != ' ') field.insert(field.begin(), ' ');
    return field;
}
