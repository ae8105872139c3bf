#pragma once
// A seam is a replaceable stand-in for something the program cannot control
// in a test: dialogs, sounds, the shell, the screen, the clock, random draws.
// Code asks `Seam<T>::get()`; tests put a scripted object in place with
// `ScopedSeam`.

#include <cassert>

namespace lumo {

template <class T> class Seam {
  public:
    static T& get() { return s_override ? *s_override : T::real(); }
    static void set(T* replacement) { s_override = replacement; }
    static T* current() { return s_override; }

  private:
    static inline T* s_override = nullptr;
};

template <class T> class ScopedSeam {
  public:
    explicit ScopedSeam(T* replacement) : m_previous(Seam<T>::current()) { Seam<T>::set(replacement); }
    ~ScopedSeam() { Seam<T>::set(m_previous); }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

  private:
    T* m_previous;
};

} // namespace lumo
