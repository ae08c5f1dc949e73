#pragma once

// COM for the calling thread, for as long as the object lives: the shell's execution of
// links wants a single-threaded apartment.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};
