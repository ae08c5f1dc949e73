// Linked into Trayhush.exe only (never into the tests): replacements for the parts of the
// C++ runtime that cost far more space than the program gets from them, about 150 KB (the
// 32-bit program would be about 414 KB without them, against its 300 KB budget).
// scripts/check-size.sh fails a program that carries the demangler again.

#include <bits/c++config.h>
#include <bits/functexcept.h>

// The functions below are the ones libstdc++ 12 defines in functexcept.o and vterminate.o.
// Another release may add or rename some, which would bring the library's own objects back
// beside these: check them against its sources before changing this number.
static_assert(_GLIBCXX_RELEASE == 12, "the runtime replacements match libstdc++ 12");

#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>

// libstdc++'s default handler prints the exception's demangled type name, which links the
// whole demangler into the program. There is no console to print to: just end.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// The library's own versions of these throw std::length_error, std::out_of_range and the
// like. Building those needs a reference-counted std::string, and with it the library's
// every std::string and std::wstring member function: tens of kilobytes. They are thrown
// only when a container or string is misused, and the program's handlers are all
// catch (...), so a small exception of another type keeps its behaviour: the same
// handlers run, and an uncaught one still ends the program. A handler added later for
// one of the standard types by name would not see these in Trayhush.exe.
//
// Every function of the library's functexcept.o is defined here. With one missing, a
// reference to it would pull that object in after all and clash with the others.
namespace {

class LibraryMisuse final : public std::exception {
public:
    explicit LibraryMisuse(const char* what) noexcept : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;  // the library passes string literals
};

[[noreturn]] void Raise(const char* what) { throw LibraryMisuse(what); }

}  // namespace

namespace std {

// These types are small, and already in the program or close to it: thrown as they are.
void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }

void __throw_logic_error(const char* what) { Raise(what); }
void __throw_domain_error(const char* what) { Raise(what); }
void __throw_invalid_argument(const char* what) { Raise(what); }
void __throw_length_error(const char* what) { Raise(what); }
void __throw_out_of_range(const char* what) { Raise(what); }
// The format is left unexpanded: formatting would bring in a printf.
void __throw_out_of_range_fmt(const char* format, ...) { Raise(format); }
void __throw_runtime_error(const char* what) { Raise(what); }
void __throw_range_error(const char* what) { Raise(what); }
void __throw_overflow_error(const char* what) { Raise(what); }
void __throw_underflow_error(const char* what) { Raise(what); }

}  // namespace std
