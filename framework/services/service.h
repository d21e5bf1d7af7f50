// A replaceable service: a call through a production function that a test may swap for a double.
//
//   extern Service<std::uint32_t()> TickCount;             // declared by the service's header
//   ServiceDouble fake(TickCount, [&] { return ticks; });  // in a test: TickCount() now returns `ticks`
//
// Doubles nest and the previous one comes back when the scope ends. Install and remove doubles on one
// thread while no other thread calls the service; calls from other threads meanwhile are fine.
#pragma once

#include <atomic>
#include <functional>
#include <utility>

namespace fw {

template <class Signature>
class Service;
template <class Signature>
class ServiceDouble;

template <class Result, class... Args>
class Service<Result(Args...)> {
 public:
  using Production = Result (*)(Args...);
  using Function = std::function<Result(Args...)>;

  // constexpr so that services are ready before any static initialiser could call them.
  constexpr explicit Service(Production production) noexcept : production_(production) {}
  Service(const Service&) = delete;
  Service& operator=(const Service&) = delete;

  Result operator()(Args... args) const {
    const Function* replacement = replacement_.load(std::memory_order_acquire);
    if (replacement != nullptr) return (*replacement)(std::forward<Args>(args)...);
    return production_(std::forward<Args>(args)...);
  }

 private:
  friend class ServiceDouble<Result(Args...)>;
  Production production_;
  std::atomic<const Function*> replacement_{nullptr};
};

template <class Signature>
class ServiceDouble {
 public:
  ServiceDouble(Service<Signature>& service, typename Service<Signature>::Function replacement)
      : service_(service),
        replacement_(std::move(replacement)),
        previous_(service_.replacement_.exchange(&replacement_, std::memory_order_acq_rel)) {}
  ~ServiceDouble() { service_.replacement_.store(previous_, std::memory_order_release); }
  ServiceDouble(const ServiceDouble&) = delete;
  ServiceDouble& operator=(const ServiceDouble&) = delete;

 private:
  Service<Signature>& service_;
  const typename Service<Signature>::Function replacement_;
  const typename Service<Signature>::Function* previous_;
};

}  // namespace fw
