// Set<E>: a set of up to 64 enumeration values, as the framework's set types (states, styles, shifts).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace fw {

template <class E>
  requires std::is_enum_v<E>
class Set {
 public:
  constexpr Set() = default;
  constexpr Set(std::initializer_list<E> items) {
    for (const E item : items) bits_ |= Bit(item);
  }

  constexpr bool Contains(E item) const { return (bits_ & Bit(item)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr Set& Include(E item) {
    bits_ |= Bit(item);
    return *this;
  }
  constexpr Set& Exclude(E item) {
    bits_ &= ~Bit(item);
    return *this;
  }

  friend constexpr Set operator+(Set a, Set b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr Set operator-(Set a, Set b) { return FromBits(a.bits_ & ~b.bits_); }
  friend constexpr Set operator*(Set a, Set b) { return FromBits(a.bits_ & b.bits_); }
  friend constexpr bool operator==(Set a, Set b) = default;

 private:
  static constexpr std::uint64_t Bit(E item) { return std::uint64_t{1} << static_cast<unsigned>(item); }
  static constexpr Set FromBits(std::uint64_t bits) {
    Set set;
    set.bits_ = bits;
    return set;
  }

  std::uint64_t bits_ = 0;
};

}  // namespace fw
