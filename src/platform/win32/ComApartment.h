#pragma once

// COM for the user-interface thread, for as long as the object lives: the taskbar and
// the shell's execution of links want a single-threaded apartment.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};
