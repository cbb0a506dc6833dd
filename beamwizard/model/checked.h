#pragma once
// Checked storage and arithmetic for the continuous-beam analyser. No Qt.
//
// Every real value of the beam is kept in single precision. An array exists
// only once its writer has created it and carries its current extents; every
// element access is checked against them. Every value stored is rounded to a
// 32-bit float and checked: a zero divisor, a result beyond the float range
// and a result that is not a number are faults.
//
// Inside an operation a fault is raised as FaultException and stops the work
// at once, leaving everything done so far in place. The public operations of
// the model and the solver catch it at their boundary (runChecked) and hand
// the fault to the caller as a value; nothing escapes to a screen.

#include <cmath>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace beamwizard {

enum class FaultKind {
    SubscriptOutOfRange,  // "下标越界"
    DivisionByZero,       // "除数为零"
    Overflow,             // "溢出"
    InvalidOperation,     // "无效运算"
};

// A fault that stopped an operation. `message` is the Chinese text for the
// user: the kind of fault first, then the item it concerns, e.g.
// "下标越界：杆长 L(3)（该数组只有 2 个元素）".
struct Fault {
    FaultKind kind;
    std::string message;
};

// The short Chinese name of a fault kind ("下标越界", "除数为零", "溢出", "无效运算").
const char* faultKindText(FaultKind kind);

// A fault built from its kind and the item concerned: "<kind>：<detail>".
Fault makeFault(FaultKind kind, const std::string& detail);

// Receives the lines an operation produces, one call per line, as they are
// made: the lines delivered before a fault stay with the caller.
using LineSink = std::function<void(const std::string& line)>;

// The internal carrier of a fault; caught by runChecked.
class FaultException : public std::exception {
public:
    explicit FaultException(Fault fault) : fault_(std::move(fault)) {}
    const Fault& fault() const noexcept { return fault_; }
    const char* what() const noexcept override { return fault_.message.c_str(); }

private:
    Fault fault_;
};

[[noreturn]] void raiseFault(FaultKind kind, const std::string& detail);

// Rounds `value` to single precision and checks it: not a number gives an
// invalid-operation fault, a magnitude beyond the float range an overflow.
// `what` names the quantity in the message ("刚度矩阵 K(2,3)").
float storeSingle(double value, const std::string& what);

// a / b in double precision; a zero divisor is a division-by-zero fault
// naming `what` (the quotient being computed).
double checkedQuotient(double a, double b, const std::string& what);

// Runs `work`, turning a raised fault (or exhausted memory) into a value.
// Returns nullopt when the work ran to its end.
template <typename Work>
std::optional<Fault> runChecked(Work&& work)
{
    try {
        work();
    } catch (const FaultException& e) {
        return e.fault();
    } catch (const std::bad_alloc&) {
        return makeFault(FaultKind::Overflow, "内存不足");
    }
    return std::nullopt;
}

// Largest number of elements one array may be created with; more is an
// overflow fault instead of an attempt to take all memory.
inline constexpr long long kMaxArrayElements = 1LL << 20;

// A single-precision array of rank 1 or 2, indexed from 1 in each dimension.
// It does not exist until create() runs; create() makes it anew, all zero.
// get()/set() raise FaultException on an index outside the current extents
// (or on an array that does not exist); at() is the quiet form for display.
template <int Rank>
class SingleArray {
    static_assert(Rank == 1 || Rank == 2, "rank 1 or 2");

public:
    // `name` names the array in fault messages, e.g. "杆长 L".
    explicit SingleArray(std::string name) : name_(std::move(name)) {}

    const std::string& name() const noexcept { return name_; }
    bool exists() const noexcept { return exists_; }
    // Extent of dimension 1 (rows / entries) and 2 (columns); 0 while the
    // array does not exist.
    int extent1() const noexcept { return n1_; }
    int extent2() const noexcept { return n2_; }

    void create(int n1)
        requires(Rank == 1)
    {
        allocate(n1, 1);
    }
    void create(int n1, int n2)
        requires(Rank == 2)
    {
        allocate(n1, n2);
    }

    float get(int i) const
        requires(Rank == 1)
    {
        return data_[offset(i, 1)];
    }
    float get(int i, int j) const
        requires(Rank == 2)
    {
        return data_[offset(i, j)];
    }

    // Stores `value` rounded to single precision (checked as storeSingle).
    void set(int i, double value)
        requires(Rank == 1)
    {
        const std::size_t at = offset(i, 1);
        data_[at] = storeSingle(value, elementName(i, 1));
    }
    void set(int i, int j, double value)
        requires(Rank == 2)
    {
        const std::size_t at = offset(i, j);
        data_[at] = storeSingle(value, elementName(i, j));
    }

    std::optional<float> at(int i) const noexcept
        requires(Rank == 1)
    {
        if (!inside(i, 1))
            return std::nullopt;
        return data_[static_cast<std::size_t>(i - 1)];
    }
    std::optional<float> at(int i, int j) const noexcept
        requires(Rank == 2)
    {
        if (!inside(i, j))
            return std::nullopt;
        return data_[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(n2_) +
                     static_cast<std::size_t>(j - 1)];
    }

    // Takes over existence, extents and values of `other`, keeping its own name.
    void assignFrom(const SingleArray& other)
    {
        exists_ = other.exists_;
        n1_ = other.n1_;
        n2_ = other.n2_;
        data_ = other.data_;
    }

    // "L(3)" or "M(2,1)", the symbol being the last word of the name.
    std::string elementName(int i, int j) const;

private:
    bool inside(int i, int j) const noexcept
    {
        return exists_ && i >= 1 && i <= n1_ && j >= 1 && j <= n2_;
    }

    std::size_t offset(int i, int j) const
    {
        if (!inside(i, j))
            outOfRange(i, j);
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(n2_) +
               static_cast<std::size_t>(j - 1);
    }

    [[noreturn]] void outOfRange(int i, int j) const;
    void allocate(int n1, int n2);

    std::string name_;
    bool exists_ = false;
    int n1_ = 0;
    int n2_ = 0;
    std::vector<float> data_;
};

using SingleVector = SingleArray<1>;
using SingleMatrix = SingleArray<2>;

extern template class SingleArray<1>;
extern template class SingleArray<2>;

}  // namespace beamwizard
