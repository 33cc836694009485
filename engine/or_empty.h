#pragma once
// A drill-state value that may never have been assigned. Such a value counts
// as 0 (or "") in comparisons and arithmetic and shows as the empty string:
// an error category never counted shows no number rather than "0".

#include <optional>
#include <string>

namespace engine {

template <typename T>
class OrEmpty {
public:
    OrEmpty() = default;
    OrEmpty(T v) : v_(std::move(v)) {}

    bool isEmpty() const { return !v_.has_value(); }
    T value() const { return v_.value_or(T{}); }
    void add(T d) { v_ = value() + d; }
    void clear() { v_.reset(); }
    bool operator==(const OrEmpty &) const = default;

private:
    std::optional<T> v_;
};

// Decimal text of a number, or "" for a value never assigned.
inline std::string text(const OrEmpty<int> &v)
{
    return v.isEmpty() ? std::string() : std::to_string(v.value());
}

}  // namespace engine
